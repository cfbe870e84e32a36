// The standard controls' library, given back and loaded again.
#include <memory>

#include "Backend.h"
#include "framework/application/Application.h"
#include "framework/system/ControlWindows.h"
#include "framework/system/Window.h"

using namespace skl;

namespace {

class ControlLibraryConformance : public conformance::Test {
protected:
    std::unique_ptr<TWindow> Control(const char* windowClass) {
        TCreateParams params;
        params.WindowClass = windowClass;
        params.Parent = parent.Handle();
        params.Style = ws::Child | ws::Visible;
        params.Width = 200;
        params.Height = 100;
        return std::make_unique<TWindow>(params, nullptr);
    }

    TApplication application;
    TWindow parent{UtilityWindow(), nullptr};
};

}  // namespace

TEST_F(ControlLibraryConformance, ItGoesOnlyOnceNoControlIsLeftAndComesBackWithTheNext) {
    auto tabs = Control(TabControlClass);
    auto button = Control(ButtonClass);
    SetTabs(tabs->Handle(), {"a", "b"});
    EXPECT_FALSE(ReleaseControlLibrary()) << "a tab strip and a button are left";
    tabs.reset();
    EXPECT_FALSE(ReleaseControlLibrary()) << "a button is left";
    button.reset();
    EXPECT_TRUE(ReleaseControlLibrary());

    tabs = Control(TabControlClass);
    SetTabs(tabs->Handle(), {"a", "b", "c"});
    SelectTab(tabs->Handle(), 2);
    EXPECT_EQ(TabCount(tabs->Handle()), 3);
    EXPECT_EQ(SelectedTab(tabs->Handle()), 2);
    auto upDown = Control(UpDownClass);
    EXPECT_EQ(WindowClassName(upDown->Handle()), UpDownClass);
}
