// The About page's animation on the headless backend: the time to compose
// and paint one frame, and the processor time that the animation costs at
// its own pace (10 frames a second) while its window is shown and while it
// is hidden, beside the same program without it.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

#include "BenchTools.h"
#include "assets/Assets.h"
#include "framework/application/Application.h"
#include "framework/controls/Form.h"
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

}  // namespace

int main() {
    skl::TApplication application;
    skl::TForm form(nullptr);
    form.SetBounds(0, 0, 377, 297);
    form.Show();
    skl::TGIFAnimator animator(nullptr);
    animator.SetParent(&form);
    animator.SetBounds(8, 8, 100, 100);
    animator.SetAsyncDrawing(true);
    skl::TGIFImage image;
    image.LoadFromMemory(skl::assets::AboutAnimation().data(), skl::assets::AboutAnimation().size());
    animator.SetImage(image);
    const int frames = animator.Image().FrameCount();
    bench::PrintLoad("before");

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
    std::printf("About animation, %d frames of %d x %d\n", frames, animator.Width(), animator.Height());
    std::printf("  compose and paint one frame        %8.1f us (median of %d rounds of every frame)\n",
                1000 * bench::Median(perFrame), Rounds);

    const double idle = CorePercent([] {});
    const std::size_t before = skl::fake::SleepRequests().size();
    const double shown = CorePercent([&] { animator.SetAnimate(true); });
    const std::size_t ticks = skl::fake::SleepRequests().size() - before;
    const double hidden = CorePercent([&] { form.Hide(); });
    std::printf("  processor use over %lld s, in %% of one core:\n", static_cast<long long>(Stretch.count()));
    std::printf("    without the animation            %8.3f %%\n", idle);
    std::printf("    animating, window shown          %8.3f %%   (%zu frames, target < 0.5 %%)\n", shown, ticks);
    std::printf("    animating, window hidden         %8.3f %%   (target: as without)\n", hidden);
    bench::PrintLoad("after");
}
