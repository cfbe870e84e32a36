#pragma once
// The headless popup menu: each popup is recorded and noted in the journal
// as "TrackPopupMenu <x>,<y>"; while it is "open" the messages waiting are
// handled, as the system's menu loop does, and then a test's chooser decides
// which item is chosen (none closes the menu; a failure it raises comes out
// of the popup). Without a chooser every menu closes with no choice.
#include <functional>
#include <vector>

#include "framework/system/MenuPopup.h"

namespace skl::fake {

struct TMenuPopupCall {
    TPopupMenu* Menu;
    TPoint Point;
};

using TMenuChooser = std::function<TMenuItem*(TPopupMenu& menu, TPoint point)>;

void SetMenuChooser(TMenuChooser chooser);
std::vector<TMenuPopupCall> MenuPopups();
void ClearMenuPopups();

}  // namespace skl::fake
