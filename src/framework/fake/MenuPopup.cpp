#include "framework/fake/MenuPopup.h"

#include <algorithm>
#include <string>

#include "framework/fake/Journal.h"
#include "framework/system/MessageQueue.h"

namespace skl::fake {

namespace {

TMenuChooser chooser;
std::vector<TMenuPopupCall> popups;

}  // namespace

void SetMenuChooser(TMenuChooser newChooser) { chooser = std::move(newChooser); }

void ChooseMenuEntry(const std::string& caption) {
    SetMenuChooser([caption](const std::vector<TMenuEntry>& entries, TPoint) {
        const auto found = std::find_if(entries.begin(), entries.end(),
                                        [&](const TMenuEntry& entry) { return entry.Caption == caption; });
        return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
    });
}

std::vector<TMenuPopupCall> MenuPopups() { return popups; }
void ClearMenuPopups() { popups.clear(); }

}  // namespace skl::fake

namespace skl {

int ShowPopupMenu(const std::vector<TMenuEntry>& entries, const TMenuPlacement& placement) {
    std::vector<std::string> captions;
    for (const TMenuEntry& entry : entries) captions.push_back(entry.Caption);
    fake::popups.push_back({captions, placement.Point});
    fake::Note("TrackPopupMenu " + std::to_string(placement.Point.X) + "," + std::to_string(placement.Point.Y));
    // The system's menu runs a message loop of its own while it is open; a
    // quit message ends it and is left for the program's loop.
    for (TDispatch dispatch; (dispatch = DispatchWaitingMessage()) != TDispatch::NoneWaiting;) {
        if (dispatch != TDispatch::Quit) continue;
        PostQuitMessage();
        break;
    }
    return fake::chooser ? fake::chooser(entries, placement.Point) : -1;
}

}  // namespace skl
