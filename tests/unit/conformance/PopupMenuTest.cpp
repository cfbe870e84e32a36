// Popup menus as far as a program can observe them: the loop runs while the
// menu is open (a tick or a click can come then), and a menu closed without
// a choice chooses no entry.
#include <string>
#include <vector>

#include "Backend.h"
#include "framework/application/Application.h"
#include "framework/system/Foreground.h"
#include "framework/system/MenuPopup.h"
#include "framework/system/Window.h"

using namespace skl;

namespace {

constexpr unsigned Note = wm::User + 1;

TMenuEntry MenuEntry(const std::string& caption) {
    TMenuEntry entry;
    entry.Caption = caption;
    return entry;
}

class PopupMenuConformance : public conformance::Test {
protected:
    PopupMenuConformance() {
        BringToForeground(owner.Handle());
    }

    TApplication application;
    std::vector<int> notes;
    // Takes the menu: a note closes it, as a click elsewhere does.
    TWindow owner{UtilityWindow(), [this](TMessage& message) {
                      if (message.Msg == Note) {
                          notes.push_back(static_cast<int>(message.WParam));
                          SendWindowMessage(owner.Handle(), wm::CancelMode);
                      } else {
                          owner.DefaultHandler(message);
                      }
                  }};
    std::vector<TMenuEntry> entries{MenuEntry("About"), MenuEntry("Exit")};
};

}  // namespace

TEST_F(PopupMenuConformance, PostedMessagesArriveWhileTheMenuIsOpenAndClosingItChoosesNothing) {
    PostWindowMessage(owner.Handle(), Note, 1);
    TMenuPlacement placement;
    placement.Point = {100, 100};
    EXPECT_EQ(ShowPopupMenu(entries, placement), -1);
    EXPECT_EQ(notes, std::vector<int>{1});
}
