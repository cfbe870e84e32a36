// Painting on windows as the program relies on it: an invalid area brings
// wm::Paint with the loop to a window that shows, a window that appears is
// painted with its child windows, a child shows only while its parent does;
// and a worker's call to the user-interface thread runs with the loop.
#include <chrono>
#include <future>
#include <thread>

#include "Backend.h"
#include "framework/application/Application.h"
#include "framework/system/Window.h"
#include "framework/system/WindowPaint.h"
#include "framework/threads/Synchronize.h"

using namespace skl;

namespace {

// A window that counts its paint messages and leaves them to the system.
class Painted {
public:
    explicit Painted(const TCreateParams& params)
        : Window(params, [this](TMessage& message) {
              if (message.Msg == wm::Paint) ++Paints;
              Window.DefaultHandler(message);
          }) {}
    int Paints = 0;
    TWindow Window;
};

TCreateParams Place(std::uint32_t style, int x, int y, int width, int height, TWindowHandle parent = {}) {
    TCreateParams params;
    params.WindowClass = "SkelvoraConformancePainted";
    params.Style = style;
    params.X = x;
    params.Y = y;
    params.Width = width;
    params.Height = height;
    params.Parent = parent;
    return params;
}

class PaintConformance : public conformance::Test {
protected:
    TApplication application;
};

}  // namespace

TEST_F(PaintConformance, AnInvalidAreaIsPaintedWithTheLoopWhileTheWindowShows) {
    Painted parent(Place(ws::Popup, 0, 0, 200, 100));
    Painted child(Place(ws::Child | ws::Visible, 10, 10, 50, 30, parent.Window.Handle()));
    EXPECT_FALSE(WindowVisible(child.Window.Handle())) << "its parent is hidden";
    InvalidateWindowRect(parent.Window.Handle(), {0, 0, 20, 20}, false);
    application.ProcessMessages();
    EXPECT_EQ(parent.Paints, 0);

    parent.Window.Show(TShowCommand::Show);
    EXPECT_TRUE(WindowVisible(child.Window.Handle()));
    application.ProcessMessages();
    EXPECT_EQ(parent.Paints, 1);
    EXPECT_EQ(child.Paints, 1) << "a window that appears is painted with its children";

    InvalidateWindowRect(child.Window.Handle(), {0, 0, 5, 5}, false);
    application.ProcessMessages();
    EXPECT_EQ(child.Paints, 2);
    EXPECT_EQ(parent.Paints, 1);

    InvalidateWindowRect(parent.Window.Handle(), {100, 50, 120, 60}, true);
    UpdateWindow(parent.Window.Handle());
    EXPECT_EQ(parent.Paints, 2) << "painted at once, without the loop";
    application.ProcessMessages();
    EXPECT_EQ(parent.Paints, 2);
}

TEST_F(PaintConformance, AWorkersCallRunsWithTheLoopAndTheWorkerWaitsForIt) {
    application.EnableSynchronize();
    std::thread::id ranOn;
    auto done = std::async(std::launch::async, [&] { return Synchronize([&] { ranOn = std::this_thread::get_id(); }); });
    for (int round = 0; round < 5000 && done.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready;
         ++round)
        application.ProcessMessages();
    ASSERT_EQ(done.wait_for(std::chrono::seconds(0)), std::future_status::ready);
    EXPECT_TRUE(done.get());
    EXPECT_EQ(ranOn, std::this_thread::get_id());
}
