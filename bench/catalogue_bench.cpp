// catalogue_bench [WORK-FOLDER] [RUNS]: the picture scan of the main window
// (Find_Jpg on the headless backend) over 20000 pictures in 2000 subfolders,
// beside `find Images -maxdepth 2 -iname '*.jpg'` on the same tree, in the
// same run. Prints medians and their ratio; it measures and never fails.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "BenchTools.h"
#include "app/FormSkelvora1.h"
#include "framework/application/Application.h"
#include "framework/fake/ProgramFolder.h"

namespace {

constexpr int Folders = 2000;
constexpr int PicturesPerFolder = 10;
constexpr int Pictures = Folders * PicturesPerFolder;
constexpr double TargetRatio = 1.5;

std::string Numbered(const char* prefix, int number, const char* suffix) {
    char name[64];
    std::snprintf(name, sizeof name, "%s%04d%s", prefix, number, suffix);
    return name;
}

// The tree is made once; a finished one carries a mark. The pictures are
// empty files: the scan only lists names.
void MakeTree(const std::filesystem::path& program) {
    const auto mark = program / "tree-complete";
    if (std::filesystem::exists(mark)) return;
    std::filesystem::remove_all(program);
    for (int folder = 1; folder <= Folders; ++folder) {
        const auto path = program / "Images" / Numbered("Album ", folder, "");
        std::filesystem::create_directories(path);
        for (int picture = 1; picture <= PicturesPerFolder; ++picture)
            std::ofstream(path / Numbered("Photo_", picture, picture % 2 ? ".jpg" : ".JPG"));
    }
    std::ofstream(mark) << Pictures << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    const auto work = std::filesystem::absolute(argc > 1 ? argv[1] : SKELVORA_BENCH_DIR);
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15;
    const auto program = work / "catalogue";
    MakeTree(program);
    const std::string folder = program.string() + "/";

    skl::fake::SetProgramFolder(folder);
    skl::TApplication application;
    application.SetTitle("Skelvora");
    skl::TFormSkelvora1& form = application.CreateForm<skl::TFormSkelvora1>();
    const std::vector<std::string> find = {"find", "Images", "-maxdepth", "2", "-iname", "*.jpg"};
    const std::string found = bench::Output("cd '" + folder + "' && find Images -maxdepth 2 -iname '*.jpg' | wc -l");
    if (form.PictureCount != Pictures || std::stoi(found) != Pictures) {
        std::fprintf(stderr, "the scan found %d pictures and find %s, not %d\n", form.PictureCount, found.c_str(),
                     Pictures);
        return 1;
    }

    std::printf("Picture scan: %d pictures in %d subfolders, median of %d runs\n", Pictures, Folders, runs);
    bench::PrintLoad("before");
    bench::Series scans, finds;
    bool findFailed = false;
    bench::TakeTurns(
        runs, [&] { return bench::Measure([&] { form.Find_Jpg(); }); }, scans,
        [&] { return bench::Run(find, folder, findFailed); }, finds);
    bench::PrintLoad("after");
    if (findFailed || form.PictureCount != Pictures) {
        std::fprintf(stderr, "a run of find failed, or the scan lost pictures\n");
        return 1;
    }
    bench::PrintHeading();
    bench::PrintRow("Find_Jpg (headless)", scans);
    bench::PrintRow("find -maxdepth 2 -iname", finds);
    bench::PrintRatio("ratio Find_Jpg / find", scans, finds, TargetRatio);
    return 0;
}
