// libFuzzer target: the program starts as it does from a settings file and a
// language file of any bytes (split at the first "\" that does not escape
// another). Start-up reports nothing, and what it took from the files is in
// range: a picture number of the catalogue, an interval the spin edit and the
// timer can hold.
#include <fuzzer/FuzzedDataProvider.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "app/FormSkelvora1.h"
#include "Check.h"
#include "framework/application/Application.h"
#include "framework/controls/WindowTimer.h"
#include "framework/fake/Desktop.h"
#include "framework/fake/ProgramFolder.h"
#include "framework/fake/ResetAll.h"
#include "framework/io/ProfileFile.h"

using namespace skl;

namespace {

const std::filesystem::path& FuzzFolder() {
    static const std::filesystem::path folder = [] {
        auto made = std::filesystem::temp_directory_path() / ("skelvora-startup-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(made / "Images");
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) std::ofstream(made / "Images" / name) << "";
        return made;
    }();
    return folder;
}

void Put(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The language file goes where the settings send the program: the name they
// give, when it is a plain file name, and the default.
void PutFiles(const std::string& settings, const std::string& language) {
    const std::filesystem::path& folder = FuzzFolder();
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".lng") std::filesystem::remove(entry.path());
    Put(folder / "Skelvora.ini", settings);
    Put(folder / "Ukraine.lng", language);
    const std::string name = ReadProfileEntry((folder / "Skelvora.ini").string(), "Options", "Lng", "Ukraine");
    if (!name.empty() && name.size() < 64 && name.find_first_of("/\\:*?\"<>|") == std::string::npos &&
        name != "." && name != "..")
        Put(folder / (name + ".lng"), language);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string settings = input.ConsumeRandomLengthString(size);
    PutFiles(settings, input.ConsumeRemainingBytesAsString());

    fake::ResetAll();
    fake::SetProgramFolder(FuzzFolder().string() + "/");
    // Start-up leaves the process in a folder of its own; the fuzzer's
    // paths are relative to where it started.
    const auto started = std::filesystem::current_path();
    {
        TApplication application;
        application.SetTitle("Skelvora");
        TFormSkelvora1& form = application.CreateForm<TFormSkelvora1>();
        Check(fake::MessageBoxesShown().empty());
        Check(form.PictureCount == 3 && form.CurrentPicture >= 1 && form.CurrentPicture <= 3);
        Check(form.Caption() == "Skelvora - (" + std::to_string(form.CurrentPicture) + "/3)");
        Check(form.Layout.SpinEdit1.Value() >= 1 && form.Layout.SpinEdit1.Value() <= 1440);
        Check(form.Timer1.Interval() <= MaxTimerInterval);
    }
    std::filesystem::current_path(started);
    fake::ResetAll();
    return 0;
}
