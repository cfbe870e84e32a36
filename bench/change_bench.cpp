// change_bench [WORK-FOLDER] [RUNS] [JPG2BMP]: one wallpaper change of a
// 24-megapixel picture written full size (Change on the headless backend
// with FullSizeWallpaper=1: load the JPEG, decode it into the bitmap, write
// Skelvora.bmp, reload the wallpaper) beside jpg2bmp converting the same
// file, in the same run. Prints medians and their ratio; it measures and
// never fails. wallpaper_bench measures the change at the screen's size.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "BenchTools.h"
#include "app/FormSkelvora1.h"
#include "framework/application/Application.h"
#include "framework/fake/ProgramFolder.h"

namespace {

constexpr int Width = 6000;
constexpr int Height = 4000;
constexpr double TargetRatio = 1.05;

std::string Bytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string bytes(std::filesystem::file_size(file), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    const auto work = std::filesystem::absolute(argc > 1 ? argv[1] : SKELVORA_BENCH_DIR);
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;
    const std::string jpg2bmp = argc > 3 ? argv[3] : SKELVORA_JPG2BMP;
    const auto picture = bench::Photograph(work, Width, Height);
    if (picture.empty()) {
        std::fprintf(stderr, "could not make a %d x %d picture (needs ImageMagick and cjpeg)\n", Width, Height);
        return 1;
    }

    // A program folder whose Images holds the one picture.
    const auto program = work / "change";
    std::filesystem::remove_all(program);
    std::filesystem::create_directories(program / "Images");
    std::filesystem::copy_file(picture, program / "Images" / "photo.jpg");
    std::ofstream(program / "Skelvora.ini") << "[Options]\nFullSizeWallpaper=1\n";
    const std::string folder = program.string() + "/";
    const std::string peerOutput = (program / "peer.bmp").string();

    skl::fake::SetProgramFolder(folder);
    skl::TApplication application;
    application.SetTitle("Skelvora");
    skl::TFormSkelvora1& form = application.CreateForm<skl::TFormSkelvora1>();
    if (form.PictureCount != 1) {
        std::fprintf(stderr, "the catalogue holds %d pictures, not 1\n", form.PictureCount);
        return 1;
    }
    const std::vector<std::string> peer = {jpg2bmp, picture.string(), peerOutput};

    std::printf("Wallpaper change: one %d x %d JPEG (%ju KiB), median of %d runs\n", Width, Height,
                static_cast<std::uintmax_t>(std::filesystem::file_size(picture) / 1024), runs);
    bench::PrintLoad("before");
    bench::Series changes, conversions;
    bool peerFailed = false;
    bench::TakeTurns(
        runs,
        [&] {
            std::filesystem::remove(program / "Skelvora.bmp");
            return bench::Measure([&] { form.Change(); });
        },
        changes,
        [&] {
            std::filesystem::remove(peerOutput);
            return bench::Run(peer, "", peerFailed);
        },
        conversions);
    bench::PrintLoad("after");
    if (peerFailed || Bytes(program / "Skelvora.bmp") != Bytes(peerOutput)) {
        std::fprintf(stderr, "jpg2bmp failed, or its file differs from Skelvora.bmp\n");
        return 1;
    }
    bench::PrintHeading();
    bench::PrintRow("Change (headless)", changes);
    bench::PrintRow("jpg2bmp", conversions);
    bench::PrintRatio("ratio Change / jpg2bmp", changes, conversions, TargetRatio);
    std::printf("  Skelvora.bmp: %ju KiB, the same bytes as jpg2bmp's\n",
                static_cast<std::uintmax_t>(std::filesystem::file_size(program / "Skelvora.bmp") / 1024));
    return 0;
}
