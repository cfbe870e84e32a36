// Popup menus as far as a program can observe them: the loop runs while the
// menu is open (a tick or a click can come then), and a menu closed without
// a choice chooses nothing.
#include <vector>

#include "Backend.h"
#include "framework/application/Application.h"
#include "framework/controls/Menus.h"
#include "framework/system/Foreground.h"
#include "framework/system/MenuPopup.h"
#include "framework/system/Window.h"

using namespace skl;

namespace {

constexpr unsigned Note = wm::User + 1;

class PopupMenuConformance : public conformance::Test {
protected:
    PopupMenuConformance() {
        menu.Add("About").OnClick = [this](TComponent&) { ++clicks; };
        menu.Add("Exit").OnClick = [this](TComponent&) { ++clicks; };
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
    TPopupMenu menu{nullptr};
    int clicks = 0;
};

}  // namespace

TEST_F(PopupMenuConformance, PostedMessagesArriveWhileTheMenuIsOpenAndClosingItChoosesNothing) {
    PostWindowMessage(owner.Handle(), Note, 1);
    EXPECT_EQ(ShowPopupMenu(menu, {100, 100}), nullptr);
    EXPECT_EQ(notes, std::vector<int>{1});
    EXPECT_EQ(clicks, 0);
}
