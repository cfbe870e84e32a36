#pragma once
// Event slots shared by the components and the forms' handlers. An unset slot
// is skipped.
#include <functional>

namespace skl {

class TComponent;

using TNotifyEvent = std::function<void(TComponent& Sender)>;

}  // namespace skl
