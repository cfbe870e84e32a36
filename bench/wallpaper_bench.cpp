// wallpaper_bench [WORK-FOLDER] [RUNS]: one wallpaper change written at the
// size the screen shows against today's full-size change (FullSizeWallpaper=1),
// Change on the headless backend from the call to Skelvora.bmp replaced: a
// 24-megapixel baseline photograph and a 5640 x 3172 progressive one, at
// screens of 1024 x 768 and 1920 x 1080, in the centre and fill styles. Each
// change runs in a fresh process of its own, so that its peak memory is its
// own: the highest resident memory during the change above the program's at
// rest before it. Prints medians of time, bytes written and peak memory, and
// their ratios to the full-size change; it measures and never fails.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BenchTools.h"
#include "app/FormSkelvora1.h"
#include "framework/application/Application.h"
#include "framework/fake/ProgramFolder.h"
#include "framework/fake/RegistryKey.h"
#include "framework/fake/Screen.h"

namespace {

struct Picture {
    const char* Name;
    int Width, Height;
    bool Progressive;
    bool Goals;  // at 1920 x 1080: bytes <= 1/8, time and peak memory <= 1/2 of the full-size change
};
const Picture Pictures[] = {{"24 MP baseline", 6000, 4000, false, true},
                            {"5640x3172 progressive", 5640, 3172, true, false}};

struct Setting {
    const char* Name;
    int Width = 0, Height = 0;  // of the one monitor
    const char* WallpaperStyle = "0";
    bool FullSize = false;
};
const Setting Settings[] = {{"full size (today)", 1920, 1080, "0", true},
                            {"1024x768 centre", 1024, 768, "0"},
                            {"1024x768 fill", 1024, 768, "10"},
                            {"1920x1080 centre", 1920, 1080, "0"},
                            {"1920x1080 fill", 1920, 1080, "10"}};

struct Result {
    double Milliseconds = 0;
    double PeakKib = 0;
    double Bytes = 0;
};

// A line of /proc/self/status, in KiB.
double StatusKib(const char* field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(field)) return std::atof(line.c_str() + std::strlen(field));
    return 0;
}

// In the child: the program started in `folder` with the setting, one change.
Result ChangeOnce(const std::string& folder, const Setting& setting) {
    std::ofstream(folder + "Skelvora.ini") << "[Options]\nFullSizeWallpaper=" << (setting.FullSize ? 1 : 0) << "\n";
    std::filesystem::remove(folder + "Skelvora.bmp");
    skl::fake::SetProgramFolder(folder);
    skl::fake::SetMonitors({{0, 0, setting.Width, setting.Height}});
    skl::fake::PutRegistryValue("\\Control Panel\\Desktop", "WallpaperStyle",
                                {skl::TRegDataType::String, setting.WallpaperStyle});
    skl::TApplication application;
    application.SetTitle("Skelvora");
    skl::TFormSkelvora1& form = application.CreateForm<skl::TFormSkelvora1>();
    const double atRest = StatusKib("VmRSS:");
    std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from here
    const bench::Times times = bench::Measure([&] { form.Change(); });
    return {times.Wall, StatusKib("VmHWM:") - atRest,
            static_cast<double>(std::filesystem::file_size(folder + "Skelvora.bmp"))};
}

// One change in a child process; false when it failed.
bool Measure(const std::string& folder, const Setting& setting, Result& result) {
    int pipe[2];
    if (::pipe(pipe) != 0) return false;
    const pid_t child = fork();
    if (child == 0) {
        close(pipe[0]);
        const Result measured = ChangeOnce(folder, setting);
        const bool written = write(pipe[1], &measured, sizeof measured) == sizeof measured;
        _exit(written ? 0 : 1);
    }
    close(pipe[1]);
    const bool read = child > 0 && ::read(pipe[0], &result, sizeof result) == sizeof result;
    close(pipe[0]);
    int status = 0;
    return read && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct Series {
    std::vector<double> Milliseconds, PeakKib, Bytes;
    void Add(const Result& result) {
        Milliseconds.push_back(result.Milliseconds);
        PeakKib.push_back(result.PeakKib);
        Bytes.push_back(result.Bytes);
    }
};

const char* Verdict(bool met) { return met ? "met" : "MISSED"; }

void PrintRow(const Setting& setting, const Series& series, const Series& fullSize, bool goals) {
    const double ms = bench::Median(series.Milliseconds), peak = bench::Median(series.PeakKib),
                 bytes = bench::Median(series.Bytes);
    const double timeRatio = ms / bench::Median(fullSize.Milliseconds),
                 peakRatio = peak / bench::Median(fullSize.PeakKib), bytesRatio = bytes / bench::Median(fullSize.Bytes);
    std::printf("  %-20s %10.0f %9.1f %9.1f %8.3f %8.3f %8.3f", setting.Name, bytes / 1024, ms, peak / 1024,
                bytesRatio, timeRatio, peakRatio);
    if (goals)
        std::printf("   goals bytes <= 1/8: %s, time <= 1/2: %s, peak <= 1/2: %s", Verdict(bytesRatio <= 0.125),
                    Verdict(timeRatio <= 0.5), Verdict(peakRatio <= 0.5));
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    const auto work = std::filesystem::absolute(argc > 1 ? argv[1] : SKELVORA_BENCH_DIR);
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    std::printf("Wallpaper change at the screen's size against the full-size change, headless; median of %d runs,\n"
                "each in a fresh process (peak: resident memory during the change above the program's at rest)\n",
                runs);
    bench::PrintLoad("before");
    for (const Picture& picture : Pictures) {
        const auto jpeg = bench::Photograph(work, picture.Width, picture.Height, picture.Progressive);
        if (jpeg.empty()) {
            std::fprintf(stderr, "could not make the %s picture (needs ImageMagick and cjpeg)\n", picture.Name);
            return 1;
        }
        const auto program = work / "wallpaper" / jpeg.stem();
        std::filesystem::remove_all(program);
        std::filesystem::create_directories(program / "Images");
        std::filesystem::copy_file(jpeg, program / "Images" / "photo.jpg");
        // The settings take turns, so that a busy moment of the machine hits all.
        std::vector<Series> series(std::size(Settings));
        for (int run = 0; run < runs; ++run)
            for (std::size_t i = 0; i < std::size(Settings); ++i) {
                Result result;
                if (!Measure(program.string() + "/", Settings[i], result)) {
                    std::fprintf(stderr, "the change of the %s picture failed (%s)\n", picture.Name, Settings[i].Name);
                    return 1;
                }
                series[i].Add(result);
            }
        std::printf("\n%s (%ju KiB JPEG)\n", picture.Name,
                    static_cast<std::uintmax_t>(std::filesystem::file_size(jpeg) / 1024));
        std::printf("  %-20s %10s %9s %9s %8s %8s %8s\n", "", "bmp KiB", "ms", "peak MiB", "bytes", "time", "peak");
        for (std::size_t i = 0; i < std::size(Settings); ++i)
            PrintRow(Settings[i], series[i], series[0], picture.Goals && Settings[i].Width == 1920 && !Settings[i].FullSize);
    }
    std::printf("\n(ratios: against the full-size change of the same picture)\n");
    bench::PrintLoad("after");
    return 0;
}
