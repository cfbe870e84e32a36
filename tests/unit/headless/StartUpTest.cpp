#include "ProgramFixture.h"
#include "app/Version.h"

using namespace skl;

namespace {

constexpr const char* RunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* DesktopKey = "Control Panel\\Desktop";

using StartUp = ProgramFixture;

TRegistryValue Text(const std::string& text) { return {TRegDataType::String, text}; }

}  // namespace

TEST_F(StartUp, PointsTheDesktopAtTheWallpaperFileAndCountsThePictures) {
    AddPicture("a.jpg");
    AddPicture("b.jpg");
    AddPicture("x/c.jpg");
    TFormSkelvora1& window = Start();
    EXPECT_EQ(RegistryString(DesktopKey, "Wallpaper"), Folder() + "SKELVORA.BMP");
    EXPECT_EQ(RegistryString(RunKey, "Skelvora"), "<none>") << "no autostart value is made";
    EXPECT_EQ(window.Caption(), "Skelvora - (1/3)");
    EXPECT_EQ(window.TrayIcon1.Hint(), "Skelvora - (1/3)");
    EXPECT_EQ(window.Version, std::string(" ") + ProgramVersion);
    EXPECT_TRUE(Reports().empty());
}

TEST_F(StartUp, WithoutSettingsFileUsesFiveMinutesAndUkrainian) {
    MakeImages();
    TFormSkelvora1& window = Start();
    EXPECT_EQ(window.Interval, 5);
    EXPECT_EQ(window.Timer1.Interval(), 300000u);
    EXPECT_EQ(window.Lng, "Ukraine");
    EXPECT_FALSE(window.Layout.CheckBox1.Checked());
    EXPECT_FALSE(window.Layout.CheckBox2.Checked());
    EXPECT_FALSE(window.Layout.CheckBox3.Checked());
    EXPECT_FALSE(std::filesystem::exists(Folder() + "Skelvora.ini")) << "reading writes nothing";
}

TEST_F(StartUp, ReadsIntegersByThePlatformRules) {
    AddPicture("a.jpg");
    AddPicture("b.jpg");
    WriteSettings("[options]\nimagen=2\nINTERVAL=0x0A\nRandomize=1\nActiveDesktop=1\nLng=English\n");
    TFormSkelvora1& window = Start();
    EXPECT_EQ(window.CurrentPicture, 2);
    EXPECT_EQ(window.Interval, 10);
    EXPECT_EQ(window.Timer1.Interval(), 600000u);
    EXPECT_EQ(window.RandomOrder, 1);
    EXPECT_TRUE(window.Layout.CheckBox2.Checked());
    EXPECT_TRUE(window.Layout.CheckBox3.Checked());
    EXPECT_EQ(window.Lng, "English");
}

TEST_F(StartUp, UnreadableOrMissingValuesFallBack) {
    AddPicture("a.jpg");
    for (const char* imageN : {"0", "-3", "2", "x"}) {
        WriteSettings(std::string("[Options]\nImageN=") + imageN + "\nInterval=abc\n");
        TApplication run;
        TFormSkelvora1& window = run.CreateForm<TFormSkelvora1>();
        EXPECT_EQ(window.CurrentPicture, 1) << imageN;
        EXPECT_EQ(window.Interval, 5) << imageN;
    }
}

TEST_F(StartUp, ASettingsFileWithOnlyThePictureNumberStillGivesFiveMinutes) {
    AddPicture("a.jpg");
    WriteSettings("[Options]\nImageN=1\n");
    EXPECT_EQ(Start().Timer1.Interval(), 300000u);
}

TEST_F(StartUp, AnIntervalOutsideOneToADayStartsAtTheNearestBound) {
    MakeImages();
    for (const auto& [written, minutes] : {std::pair{"0", 1}, {"-5", 1}, {"1441", 1440}, {"99999", 1440}}) {
        WriteSettings(std::string("[Options]\nInterval=") + written + "\n");
        TApplication run;
        TFormSkelvora1& window = run.CreateForm<TFormSkelvora1>();
        EXPECT_EQ(window.Interval, minutes) << written;
        EXPECT_EQ(window.Timer1.Interval(), minutes * 60000u) << written;
        EXPECT_TRUE(window.Timer1.Running()) << written;
        window.Options1.Click();
        EXPECT_EQ(window.Layout.SpinEdit1.Text(), std::to_string(minutes)) << written;
    }
}

TEST_F(StartUp, LargeIntervalsNeverWrapTheTimerPeriod) {
    EXPECT_EQ(TimerPeriod(99999), MaxTimerInterval) << "99999 minutes is beyond the system's longest period";
    EXPECT_EQ(TimerPeriod(35791), 35791u * 60000u);
    EXPECT_EQ(TimerPeriod(35792), MaxTimerInterval);
    EXPECT_EQ(TimerPeriod(-5), 0u);
    EXPECT_EQ(TimerPeriod(2147483647), MaxTimerInterval);
}

TEST_F(StartUp, RewritesAnAutostartValueOfAnotherFolderAndTicksTheBox) {
    MakeImages();
    skl::fake::PutRegistryValue(RunKey, "Skelvora", Text("C:\\Old\\Skelvora.exe"));
    TFormSkelvora1& window = Start();
    EXPECT_EQ(RegistryString(RunKey, "Skelvora"), Folder() + "Skelvora.exe");
    EXPECT_EQ(window.RunValue, "C:\\Old\\Skelvora.exe");
    EXPECT_EQ(window.Autostart, 1);
    EXPECT_TRUE(window.Layout.CheckBox1.Checked());
}

TEST_F(StartUp, RewritesAWallpaperValueInAnotherLetterCase) {
    MakeImages();
    skl::fake::PutRegistryValue(DesktopKey, "Wallpaper", Text(Folder() + "Skelvora.bmp"));
    TFormSkelvora1& window = Start();
    EXPECT_EQ(window.WallpaperValue, Folder() + "Skelvora.bmp");
    EXPECT_EQ(RegistryString(DesktopKey, "Wallpaper"), Folder() + "SKELVORA.BMP");
}

TEST_F(StartUp, AWallpaperValueOfTheWrongTypeStopsTheRemainingStepsAndIsReported) {
    AddPicture("a.jpg");
    skl::fake::PutRegistryValue(DesktopKey, "Wallpaper", {TRegDataType::DWord, std::string(4, '\0')});
    TFormSkelvora1& window = Start();
    EXPECT_EQ(Reports(), std::vector<std::string>{"Invalid data type for 'Wallpaper'"});
    EXPECT_EQ(window.Caption(), "Skelvora") << "the caption step never ran";
    EXPECT_EQ(window.PictureCount, 0) << "nor did the scan";
    EXPECT_FALSE(window.Timer1.Running()) << "no change before the settings are read";
    EXPECT_EQ(fake::NotificationArea().size(), 1u) << "the program goes on, with its icon";
}

TEST_F(StartUp, ARefusedRegistryWriteIsReported) {
    MakeImages();
    skl::fake::SetRegistryWritesFail(true);
    Start();
    skl::fake::SetRegistryWritesFail(false);
    EXPECT_EQ(Reports(), std::vector<std::string>{"Failed to set data for 'Wallpaper'"});
}

TEST_F(StartUp, WithImagesTheFirstActivationHidesTheWindowToTheTray) {
    MakeImages();
    TFormSkelvora1& window = Start();
    application.Run();
    const auto state = fake::WindowState(window.Handle());
    ASSERT_TRUE(state);
    EXPECT_FALSE(state->EverShown) << "a normal start never puts the window on the screen";
    EXPECT_TRUE(ChildWindows(window.Handle()).empty()) << "nor makes its controls' windows";
    ASSERT_EQ(fake::NotificationArea().size(), 1u);
    EXPECT_EQ(fake::NotificationArea()[0].szTip, "Skelvora - (1/0)");
}

TEST_F(StartUp, TheFirstRunShowsTheOptionsPageAndMakesTheImagesFolder) {
    TFormSkelvora1& window = Start();
    application.Run();
    EXPECT_TRUE(fake::WindowState(window.Handle())->Visible);
    EXPECT_EQ(window.Layout.PageControl1.ActivePageIndex(), 0);
    EXPECT_FALSE(window.Layout.TabSheet2.TabVisible());
    EXPECT_TRUE(std::filesystem::is_directory(Folder() + "Images"));
}
