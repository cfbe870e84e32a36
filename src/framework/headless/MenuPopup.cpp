#include "framework/headless/MenuPopup.h"

#include <string>

#include "framework/headless/Journal.h"

namespace skl::headless {

namespace {

TMenuChooser chooser;
std::vector<TMenuPopupCall> popups;

}  // namespace

void SetMenuChooser(TMenuChooser newChooser) { chooser = std::move(newChooser); }
std::vector<TMenuPopupCall> MenuPopups() { return popups; }
void ClearMenuPopups() { popups.clear(); }

}  // namespace skl::headless

namespace skl {

TMenuItem* ShowPopupMenu(TPopupMenu& menu, TPoint point) {
    headless::popups.push_back({&menu, point});
    headless::Note("TrackPopupMenu " + std::to_string(point.X) + "," + std::to_string(point.Y));
    return headless::chooser ? headless::chooser(menu, point) : nullptr;
}

}  // namespace skl
