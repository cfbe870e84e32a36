#include "ProgramFixture.h"
#include "framework/fake/MenuPopup.h"

using namespace skl;

namespace {

class WallpaperChange : public ProgramFixture {
protected:
    // Three pictures: a.jpg, b.jpg and x\c.jpg, the last one 4 x 1.
    TFormSkelvora1& StartWithThreePictures(const std::string& settings = "") {
        AddPicture("a.jpg");
        AddPicture("b.jpg");
        AddPicture("x/c.jpg", "colour-4x1.jpg");
        if (!settings.empty()) WriteSettings(settings);
        return Start();
    }
    std::string Wallpaper() const { return folder.Read("Skelvora.bmp"); }
};

}  // namespace

TEST_F(WallpaperChange, WritesTheWallpaperFileShowsThePictureAndMovesOn) {
    TFormSkelvora1& window = StartWithThreePictures("[Options]\nImageN=3\n");
    ClickTrayIcon();
    EXPECT_EQ(Wallpaper().size(), 66u) << "a 4 x 1 picture in 24 bits";
    EXPECT_EQ(Wallpaper().substr(0, 2), "BM");
    EXPECT_EQ(window.Caption(), "Skelvora - x\\c.jpg (3/3)");
    EXPECT_EQ(window.TrayIcon1.Hint(), "x\\c.jpg (3/3)");
    EXPECT_EQ(fake::ShellLog().WallpaperReloads, std::vector<std::string>{Folder() + "SKELVORA.BMP"});
    EXPECT_EQ(window.CurrentPicture, 4);
    EXPECT_NE(Settings().find("ImageN=4"), std::string::npos) << Settings();

    ClickTrayIcon();
    EXPECT_EQ(window.Caption(), "Skelvora - a.jpg (1/3)") << "the next change wraps";
    EXPECT_NE(Settings().find("ImageN=2"), std::string::npos) << Settings();
    EXPECT_EQ(Wallpaper().size(), 78u);
}

TEST_F(WallpaperChange, TheTimerAndALeftClickOnTheIconEachChangeOnce) {
    TFormSkelvora1& window = StartWithThreePictures("[Options]\nInterval=1\n");
    fake::AdvanceClock(60000);
    application.ProcessMessages();
    EXPECT_EQ(window.CurrentPicture, 2);
    ClickTrayIcon();
    EXPECT_EQ(window.CurrentPicture, 3);
    EXPECT_EQ(fake::ShellLog().WallpaperReloads.size(), 2u);
}

TEST_F(WallpaperChange, RandomOrderWithOnePictureShowsItAndWritesNothing) {
    AddPicture("only.jpg");
    WriteSettings("[Options]\nRandomize=1\n");
    TFormSkelvora1& window = Start();
    const std::string before = Settings();
    skl::fake::SetUniversalTimeOfDay({10, 20, 30, 400});
    ClickTrayIcon();
    ClickTrayIcon();
    EXPECT_EQ(window.Caption(), "Skelvora - only.jpg (1/1)");
    EXPECT_EQ(Settings(), before);
}

TEST_F(WallpaperChange, RandomOrderDrawsFromTheClock) {
    TFormSkelvora1& window = StartWithThreePictures("[Options]\nRandomize=1\n");
    skl::fake::SetUniversalTimeOfDay({12, 34, 56, 789});  // draw for 3 gives 1, so picture 2
    ClickTrayIcon();
    EXPECT_EQ(window.CurrentPicture, 2);
    EXPECT_EQ(window.Caption(), "Skelvora - b.jpg (2/3)");
}

TEST_F(WallpaperChange, ARandomValueOtherThanOneNeverDrawsNorAdvances) {
    TFormSkelvora1& window = StartWithThreePictures("[Options]\nRandomize=2\nImageN=2\n");
    ClickTrayIcon();
    ClickTrayIcon();
    EXPECT_EQ(window.CurrentPicture, 2);
    EXPECT_EQ(window.Caption(), "Skelvora - b.jpg (2/3)");
}

TEST_F(WallpaperChange, ABrokenPictureIsReportedByNameAndTheRotationMovesPastIt) {
    AddFile("Images/bad.jpg", "this is not a picture");
    AddPicture("good.jpg");
    TFormSkelvora1& window = Start();
    ClickTrayIcon();
    EXPECT_EQ(Reports(), std::vector<std::string>{Folder() + "Images\\bad.jpg: JPEG error #52."});
    EXPECT_EQ(window.Caption(), "Skelvora - (1/2)") << "caption and hint stay as they were";
    EXPECT_EQ(window.TrayIcon1.Hint(), "Skelvora - (1/2)");
    EXPECT_FALSE(std::filesystem::exists(Folder() + "Skelvora.bmp"));
    EXPECT_TRUE(fake::ShellLog().WallpaperReloads.empty());
    EXPECT_EQ(window.Bitmap, nullptr) << "the picture objects are freed also on failure";
    EXPECT_EQ(window.CurrentPicture, 2);
    EXPECT_EQ(Settings(), "[Options]\r\nImageN=2\r\n") << "a restart does not return to it";

    ClickTrayIcon();
    EXPECT_EQ(window.Caption(), "Skelvora - good.jpg (2/2)");
    EXPECT_EQ(Reports().size(), 1u);
}

TEST_F(WallpaperChange, AnEmptyPictureAndOneGoneSinceTheScanAreEachNamedOnce) {
    AddFile("Images/empty.jpg", "");
    AddPicture("gone.jpg");
    AddPicture("good.jpg");
    TFormSkelvora1& window = Start();
    std::filesystem::remove(Folder() + "Images/gone.jpg");
    ClickTrayIcon();
    ClickTrayIcon();
    ClickTrayIcon();
    EXPECT_EQ(Reports(), (std::vector<std::string>{Folder() + "Images\\empty.jpg: JPEG error #41.",
                                                   "Cannot open file " + Folder() + "Images\\gone.jpg."}));
    EXPECT_EQ(window.Caption(), "Skelvora - good.jpg (3/3)");
}

TEST_F(WallpaperChange, InRandomOrderABrokenPictureIsReportedAndNothingIsWritten) {
    AddFile("Images/bad.jpg", "");
    WriteSettings("[Options]\nRandomize=1\n");
    TFormSkelvora1& window = Start();
    ClickTrayIcon();
    EXPECT_EQ(Reports(), std::vector<std::string>{Folder() + "Images\\bad.jpg: JPEG error #41."});
    EXPECT_EQ(window.CurrentPicture, 1);
    EXPECT_EQ(Settings(), "[Options]\nRandomize=1\n");
}

TEST_F(WallpaperChange, AnEmptyCatalogueFailsToOpenSlotOne) {
    MakeImages();
    Start();
    ClickTrayIcon();
    ASSERT_EQ(Reports().size(), 1u);
    EXPECT_EQ(Reports()[0], "Cannot open file " + Folder() + "Images\\.");
}

TEST_F(WallpaperChange, AWallpaperFileThatCannotBeWrittenIsNotReloaded) {
    TFormSkelvora1& window = StartWithThreePictures();
    AddFile("Skelvora.bmp", "old");
    folder.MakeReadOnly("Skelvora.bmp");
    ClickTrayIcon();
    EXPECT_EQ(Reports(), std::vector<std::string>{"Cannot create file " + Folder() + "Skelvora.bmp."});
    EXPECT_EQ(Wallpaper(), "old");
    EXPECT_TRUE(fake::ShellLog().WallpaperReloads.empty());
    EXPECT_EQ(window.CurrentPicture, 1);
}

TEST_F(WallpaperChange, ActiveDesktopModeAppliesWithAllFourFlagsAndKeepsTheObject) {
    StartWithThreePictures("[Options]\nActiveDesktop=1\n");
    ClickTrayIcon();
    ClickTrayIcon();
    EXPECT_EQ(fake::ShellLog().ActiveDesktopApplies, (std::vector<unsigned>{15, 15}));
    EXPECT_EQ(fake::ShellLog().ActiveDesktopsAlive, 1) << "each change releases the one before";
    EXPECT_TRUE(fake::ShellLog().WallpaperReloads.empty());
    ReleaseActiveDesktop();
    EXPECT_EQ(fake::ShellLog().ActiveDesktopsAlive, 0);
}

TEST_F(WallpaperChange, AMissingActiveDesktopIsReportedAfterTheFileWasWritten) {
    TFormSkelvora1& window = StartWithThreePictures("[Options]\nActiveDesktop=1\n");
    fake::ShellLog().ActiveDesktopMissing = true;
    ClickTrayIcon();
    EXPECT_EQ(Reports(), std::vector<std::string>{"Class not registered."});
    EXPECT_EQ(Wallpaper().size(), 78u);
    EXPECT_EQ(window.Caption(), "Skelvora - (1/3)");
    EXPECT_EQ(window.CurrentPicture, 1);
}

TEST_F(WallpaperChange, AFailedSettingsWriteIsReportedAfterTheCaptionChanged) {
    TFormSkelvora1& window = StartWithThreePictures();
    AddFile("Skelvora.ini", "[Options]\n");
    folder.MakeReadOnly("Skelvora.ini");
    ClickTrayIcon();
    EXPECT_EQ(Reports(), std::vector<std::string>{"Unable to write to " + Folder() + "Skelvora.ini."});
    EXPECT_EQ(window.Caption(), "Skelvora - a.jpg (1/3)");
    EXPECT_EQ(window.CurrentPicture, 2);
}

TEST_F(WallpaperChange, ClicksAndTicksWhileTheShellReloadsDoNotStartASecondChange) {
    TFormSkelvora1& window = StartWithThreePictures("[Options]\nInterval=1\n");
    int reloads = 0;
    fake::ShellLog().WhileReloading = [&] {
        if (reloads++ > 0) return;
        ClickTrayIcon();
        fake::AdvanceClock(60000);
        application.ProcessMessages();
    };
    ClickTrayIcon();
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(window.Caption(), "Skelvora - a.jpg (1/3)");
    EXPECT_EQ(window.TrayIcon1.Hint(), "a.jpg (1/3)");
    EXPECT_EQ(Settings(), "[Options]\nInterval=1\nImageN=2\r\n");

    ClickTrayIcon();
    EXPECT_EQ(window.Caption(), "Skelvora - b.jpg (2/3)") << "the next change runs as usual";
}

TEST_F(WallpaperChange, ARightClickWhileTheShellReloadsOpensNoMenuInsideTheChange) {
    TFormSkelvora1& window = StartWithThreePictures();
    fake::ShellLog().WhileReloading = [&] { RightClickTrayIcon(); };
    ClickTrayIcon();
    EXPECT_TRUE(fake::MenuPopups().empty());
    EXPECT_EQ(window.Caption(), "Skelvora - a.jpg (1/3)");
    fake::ShellLog().WhileReloading = nullptr;
    RightClickTrayIcon();
    EXPECT_EQ(fake::MenuPopups().size(), 1u) << "after the change the menu opens again";
}

TEST_F(WallpaperChange, ATickWhileAReportIsOpenChangesAndAddsNoBoxForTheSameFailure) {
    TFormSkelvora1& window = StartWithThreePictures("[Options]\nInterval=1\n");
    folder.MakeReadOnly("Skelvora.ini");
    int opened = 0;
    fake::SetWhileMessageBoxOpen([&](const fake::TMessageBoxShown&) {
        if (opened++ > 0) return;
        fake::AdvanceClock(60000);
        application.ProcessMessages();
    });
    ClickTrayIcon();
    EXPECT_EQ(window.Caption(), "Skelvora - b.jpg (2/3)") << "the tick's change ran under the open report";
    EXPECT_EQ(fake::ShellLog().WallpaperReloads.size(), 2u);
    EXPECT_EQ(Reports(), std::vector<std::string>{"Unable to write to " + Folder() + "Skelvora.ini."});
}
