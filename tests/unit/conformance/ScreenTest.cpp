// The screen as the wallpaper's size relies on it: its monitors, each on the
// desktop, and the desktop no larger than they span together.
#include "Backend.h"
#include "framework/system/Screen.h"

using namespace skl;

namespace {

class ScreenConformance : public conformance::Test {};

}  // namespace

TEST_F(ScreenConformance, TheMonitorsLieOnTheDesktopAndSpanIt) {
    const std::vector<TRect> monitors = MonitorRects();
    ASSERT_FALSE(monitors.empty());
    const TRect desktop = DesktopRect();
    TRect spanned = monitors.front();
    for (const TRect& monitor : monitors) {
        EXPECT_FALSE(monitor.Empty());
        EXPECT_EQ(Intersection(monitor, desktop), monitor);
        spanned = Union(spanned, monitor);
    }
    EXPECT_EQ(spanned, desktop);
}
