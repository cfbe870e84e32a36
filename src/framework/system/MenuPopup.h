#pragma once
// The system's popup menu (TrackPopupMenu on Windows).
#include "framework/core/Types.h"

namespace skl {

class TPopupMenu;
class TMenuItem;

// Shows the menu's visible items at the screen point and returns when the
// menu has closed: the chosen item, or none.
TMenuItem* ShowPopupMenu(TPopupMenu& menu, TPoint point);

}  // namespace skl
