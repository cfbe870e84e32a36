// A wallpaper change that meets a failing disk: the wallpaper file, the
// settings file and the registry stay exactly as they were, the report says
// what happened, and the next change works.
#include <functional>

#include "ProgramFixture.h"
#include "framework/fake/FileFaults.h"

using namespace skl;

namespace {

constexpr const char* DesktopKey = "Control Panel\\Desktop";
constexpr const char* RunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

struct TFault {
    const char* Name;
    std::function<void()> Arm;
    const char* Report;  // after the program folder
};

class FileFaults : public ProgramFixture {
protected:
    // Three pictures and a first change, so that there is a wallpaper file
    // and a settings file to lose.
    FileFaults() {
        AddPicture("a.jpg");
        AddPicture("b.jpg", "gray-5x3.jpg");
        AddPicture("c.jpg", "colour-4x1.jpg");
        WriteSettings("[Options]\r\nImageN=1\r\n");
        Start();
        ClickTrayIcon();
        Snapshot();
    }
    ~FileFaults() override { fake::ClearFileFaults(); }

    void Snapshot() {
        wallpaper = folder.Read("Skelvora.bmp");
        settings = Settings();
        registry = RegistryString(DesktopKey, "Wallpaper") + "|" + RegistryString(RunKey, "Skelvora");
        caption = form->Caption();
    }
    void ExpectAllAsItWas(const std::string& why) {
        EXPECT_EQ(folder.Read("Skelvora.bmp"), wallpaper) << why;
        EXPECT_EQ(Settings(), settings) << why;
        EXPECT_EQ(RegistryString(DesktopKey, "Wallpaper") + "|" + RegistryString(RunKey, "Skelvora"), registry)
            << why;
        EXPECT_EQ(form->Caption(), caption) << why;
        EXPECT_EQ(folder.Names(), (std::vector<std::string>{"Images", "Skelvora.bmp", "Skelvora.ini"})) << why;
    }
    void ExpectTheNextChangeWorks(const std::string& why) {
        ClickTrayIcon();
        EXPECT_EQ(form->Caption(), "Skelvora - b.jpg (2/3)") << why;
        EXPECT_EQ(Settings(), "[Options]\r\nImageN=3\r\n") << why;
        EXPECT_EQ(folder.Read("Skelvora.bmp").size(), 1102u) << why;
    }

    std::string wallpaper, settings, registry, caption;
};

}  // namespace

TEST_F(FileFaults, AWallpaperFileThatCannotBeWrittenLeavesEverythingAsItWas) {
    const std::vector<TFault> faults = {
        {"a full disk before the first byte", [] { fake::FailWritesAfter(0); }, "Stream write error."},
        {"a full disk in the header", [] { fake::FailWritesAfter(20); }, "Stream write error."},
        {"a full disk in the pixels", [] { fake::FailWritesAfter(1090); }, "Stream write error."},
        {"a file that cannot be made", [] { fake::FailNextCreate(); }, "Cannot create file %Skelvora.bmp."},
        {"a replace that fails", [] { fake::FailNextReplace(); }, "Cannot create file %Skelvora.bmp."},
    };
    for (const TFault& fault : faults) {
        const std::size_t reports = Reports().size();
        const std::size_t reloads = fake::ShellLog().WallpaperReloads.size();
        fault.Arm();
        ClickTrayIcon();
        std::string report = fault.Report;
        if (const auto at = report.find('%'); at != std::string::npos) report.replace(at, 1, Folder());
        ASSERT_EQ(Reports().size(), reports + 1) << fault.Name;
        EXPECT_EQ(Reports().back(), report) << fault.Name;
        EXPECT_EQ(fake::ShellLog().WallpaperReloads.size(), reloads) << fault.Name;
        EXPECT_EQ(form->CurrentPicture, 2) << fault.Name;
        ExpectAllAsItWas(fault.Name);
    }
    ExpectTheNextChangeWorks("after the faults");
}

TEST_F(FileFaults, ASettingsFileThatCannotBeWrittenStaysAsItWasAfterTheWallpaperChanged) {
    for (const auto& arm : std::vector<std::function<void()>>{[] { fake::FailWritesAfter(12); },
                                                             [] { fake::FailNextReplace(); }}) {
        fake::ShellLog().WhileReloading = arm;
        ClickTrayIcon();
        fake::ShellLog().WhileReloading = nullptr;
        EXPECT_EQ(Reports().back(), "Unable to write to " + Folder() + "Skelvora.ini.");
        EXPECT_EQ(Settings(), settings);
        EXPECT_EQ(folder.Names(), (std::vector<std::string>{"Images", "Skelvora.bmp", "Skelvora.ini"}));
    }
    EXPECT_EQ(form->Caption(), "Skelvora - c.jpg (3/3)") << "the caption shows the change";
    EXPECT_EQ(form->CurrentPicture, 4) << "and the number moved on in memory";
    ClickTrayIcon();
    EXPECT_EQ(form->Caption(), "Skelvora - a.jpg (1/3)");
    EXPECT_EQ(Settings(), "[Options]\r\nImageN=2\r\n");
}

TEST_F(FileFaults, ALeftoverTemporaryFileNeverBlocksAChange) {
    AddFile("Skelvora.bmp.tmp", std::string(5000, 'x'));
    folder.MakeReadOnly("Skelvora.bmp.tmp");
    ClickTrayIcon();
    EXPECT_TRUE(Reports().empty());
    EXPECT_EQ(form->Caption(), "Skelvora - b.jpg (2/3)");
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"Images", "Skelvora.bmp", "Skelvora.ini"}));

    std::filesystem::create_directory(Folder() + "Skelvora.bmp.tmp");
    ClickTrayIcon();
    EXPECT_TRUE(Reports().empty()) << "nor does an empty folder of its name";
    EXPECT_EQ(form->Caption(), "Skelvora - c.jpg (3/3)");
}

TEST_F(FileFaults, AFolderInTheWayThatIsNotEmptyIsNamedInTheReport) {
    AddFile("Skelvora.bmp.tmp/mine.txt", "keep me");
    ClickTrayIcon();
    EXPECT_EQ(Reports(), std::vector<std::string>{"Cannot create file " + Folder() + "Skelvora.bmp.tmp."});
    EXPECT_EQ(folder.Read("Skelvora.bmp.tmp/mine.txt"), "keep me");
    EXPECT_EQ(folder.Read("Skelvora.bmp"), wallpaper);
}

TEST_F(ProgramFixture, StartUpRemovesALeftoverTemporaryFile) {
    AddPicture("a.jpg");
    AddFile("Skelvora.bmp", "the wallpaper before");
    AddFile("Skelvora.bmp.tmp", "half a wallpaper");
    folder.MakeReadOnly("Skelvora.bmp.tmp");
    Start();
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"Images", "Skelvora.bmp"}));
    EXPECT_EQ(folder.Read("Skelvora.bmp"), "the wallpaper before");
}
