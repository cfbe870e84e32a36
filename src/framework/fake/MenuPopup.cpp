#include "framework/fake/MenuPopup.h"

#include <string>

#include "framework/application/Application.h"
#include "framework/fake/Journal.h"

namespace skl::fake {

namespace {

TMenuChooser chooser;
std::vector<TMenuPopupCall> popups;

}  // namespace

void SetMenuChooser(TMenuChooser newChooser) { chooser = std::move(newChooser); }
std::vector<TMenuPopupCall> MenuPopups() { return popups; }
void ClearMenuPopups() { popups.clear(); }

}  // namespace skl::fake

namespace skl {

TMenuItem* ShowPopupMenu(TPopupMenu& menu, TPoint point) {
    fake::popups.push_back({&menu, point});
    fake::Note("TrackPopupMenu " + std::to_string(point.X) + "," + std::to_string(point.Y));
    // The system's menu runs a message loop of its own while it is open.
    Application().ProcessMessages();
    return fake::chooser ? fake::chooser(menu, point) : nullptr;
}

}  // namespace skl
