#include <gtest/gtest.h>

#include "framework/application/Application.h"
#include "framework/controls/Menus.h"
#include "framework/core/Exceptions.h"
#include "framework/fake/Desktop.h"
#include "framework/fake/MenuPopup.h"
#include "FreshFakes.h"

using namespace skl;

namespace {

class PopupMenuTest : public FreshFakes {
protected:
    void SetUp() override {
        for (const char* caption : {"About", "-", "Exit"}) {
            TMenuItem& item = menu.Add(caption);
            item.OnClick = [this, caption](TComponent& sender) {
                EXPECT_EQ(&sender, &menu.Items(caption[0] == 'A' ? 0 : 2));
                clicked.push_back(caption);
            };
        }
    }
    void TearDown() override { fake::SetMenuChooser(nullptr); }

    TComponent form{nullptr};
    TPopupMenu& menu = form.Make<TPopupMenu>();
    std::vector<std::string> clicked;
};

}  // namespace

TEST_F(PopupMenuTest, ItemsKeepTheirOrderAndDefaults) {
    EXPECT_TRUE(menu.AutoPopup());
    ASSERT_EQ(menu.Count(), 3);
    EXPECT_EQ(menu.Items(0).Caption(), "About");
    EXPECT_EQ(menu.Items(0).Owner(), &menu);
    EXPECT_FALSE(menu.Items(0).Default());
    EXPECT_TRUE(menu.Items(0).Enabled());
    EXPECT_TRUE(menu.Items(0).Visible());
    try {
        menu.Items(3);
        FAIL() << "no exception";
    } catch (const EListError& error) {
        EXPECT_EQ(error.Message(), "List index out of bounds (3)");
    }
}

TEST_F(PopupMenuTest, PopupShowsTheMenuAtThePointAndRunsTheChosenItemFromTheMessageLoop) {
    int popups = 0;
    menu.OnPopup = [&](TComponent&) { ++popups; };
    fake::ChooseMenuEntry("Exit");
    menu.Popup(30, -4);
    EXPECT_EQ(popups, 1);
    ASSERT_EQ(fake::MenuPopups().size(), 1u);
    EXPECT_EQ(fake::MenuPopups()[0].Point, (TPoint{30, -4}));
    EXPECT_TRUE(clicked.empty()) << "the menu has closed, its opener has not finished";
    Application().ProcessMessages();
    EXPECT_EQ(clicked, (std::vector<std::string>{"Exit"}));

    fake::SetMenuChooser(nullptr);  // closed without a choice
    menu.Popup(0, 0);
    Application().ProcessMessages();
    EXPECT_EQ(clicked.size(), 1u);
}

TEST_F(PopupMenuTest, ADisabledItemDoesNothingWhenClicked) {
    menu.Items(0).SetEnabled(false);
    menu.Items(0).Click();
    EXPECT_TRUE(clicked.empty());
    menu.Items(0).SetEnabled(true);
    menu.Items(0).Click();
    EXPECT_EQ(clicked, (std::vector<std::string>{"About"}));
}

TEST_F(PopupMenuTest, TheOpeningComponentIsForgottenWhenItGoes) {
    {
        TComponent opener(nullptr);
        menu.SetPopupComponent(&opener);
        EXPECT_EQ(menu.PopupComponent(), &opener);
    }
    EXPECT_EQ(menu.PopupComponent(), nullptr);
}
