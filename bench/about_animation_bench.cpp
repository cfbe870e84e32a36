// The About page's animation on the headless backend: the time to compose
// and paint one frame at 96, 144 and 192 pixels per inch (drawn larger on
// the finer screens), and the processor time that the animation costs at
// its own pace (10 frames a second) while its window is shown and while it
// is hidden, beside the same program without it.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

#include "assets/Assets.h"
#include "BenchTools.h"
#include "framework/application/Application.h"
#include "framework/application/Form.h"
#include "framework/fake/Screen.h"
#include "framework/fake/Sleep.h"
#include "gif/GIFAnimator.h"

namespace {

constexpr int Rounds = 50;
constexpr auto Stretch = std::chrono::seconds(10);

// The time the scheduler has run this process's threads so far, in
// nanoseconds: exact, where the usage counters only sample.
double RunNanoseconds() {
    double sum = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream schedstat(task.path() / "schedstat");
        double running = 0;
        if (schedstat >> running) sum += running;
    }
    return sum;
}

// Processor time of this process over the stretch, in percent of one core.
double CorePercent(const std::function<void()>& during) {
    const double before = RunNanoseconds();
    const auto start = std::chrono::steady_clock::now();
    during();
    std::this_thread::sleep_for(Stretch);
    const double wall = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
    return 100.0 * (RunNanoseconds() - before) / wall;
}

// The About page's animation on a shown form of the page's size.
struct AboutAnimation {
    AboutAnimation() {
        form.SetBounds(0, 0, 377, 297);
        form.Show();
        animator.SetParent(&form);
        animator.SetBounds(8, 8, 100, 100);
        animator.SetAsyncDrawing(true);
        skl::TGIFImage image;
        image.LoadFromMemory(skl::assets::AboutAnimation().data(), skl::assets::AboutAnimation().size());
        animator.SetImage(image);
    }

    skl::TForm form{nullptr};
    skl::TGIFAnimator animator{nullptr};
};

// Composing and painting one frame after the one before, in microseconds:
// the median of rounds of every frame.
double PerFrame(skl::TGIFAnimator& animator) {
    const int frames = animator.Image().FrameCount();
    std::vector<double> perFrame;
    for (int round = 0; round < Rounds; ++round) {
        perFrame.push_back(bench::Measure([&] {
                               for (int k = 0; k < frames; ++k) {
                                   animator.SetFrameIndex((animator.FrameIndex() + 1) % frames);
                                   animator.Repaint();
                               }
                           }).Wall /
                           frames);
    }
    return 1000 * bench::Median(perFrame);
}

}  // namespace

int main() {
    skl::TApplication application;
    bench::PrintLoad("before");
    std::printf("About animation, compose and paint one frame (median of %d rounds of every frame):\n", Rounds);
    for (const int dpi : {96, 144, 192}) {
        skl::fake::SetScreenDpi(dpi);
        AboutAnimation page;
        const skl::TRect place = page.animator.ScreenBounds();
        std::printf("  at %3d pixels per inch, on %3d x %3d    %8.1f us\n", dpi, place.Width(), place.Height(),
                    PerFrame(page.animator));
    }
    skl::fake::SetScreenDpi(96);
    AboutAnimation page;
    skl::TGIFAnimator& animator = page.animator;

    const double idle = CorePercent([] {});
    const std::size_t before = skl::fake::SleepRequests().size();
    const double shown = CorePercent([&] { animator.SetAnimate(true); });
    const std::size_t ticks = skl::fake::SleepRequests().size() - before;
    const double hidden = CorePercent([&] { page.form.Hide(); });
    std::printf("  processor use over %lld s, in %% of one core:\n", static_cast<long long>(Stretch.count()));
    std::printf("    without the animation            %8.3f %%\n", idle);
    std::printf("    animating, window shown          %8.3f %%   (%zu frames, target < 0.5 %%)\n", shown, ticks);
    std::printf("    animating, window hidden         %8.3f %%   (target: as without)\n", hidden);
    bench::PrintLoad("after");
}
