// The settings file and the two registry values: read at start-up, written
// by OK, by every change in order and by Exit.
#include <algorithm>

#include "app/FormSkelvora1.h"
#include "framework/system/Folders.h"
#include "framework/controls/WindowTimer.h"

namespace skl {

namespace {

constexpr const char* RunKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* DesktopKey = "\\Control Panel\\Desktop";
constexpr const char* Options = "Options";

}  // namespace

std::uint32_t TimerPeriod(std::int32_t minutes) {
    if (minutes <= 0) return 0;
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(std::uint64_t(minutes) * 60000, MaxTimerInterval));
}

void TFormSkelvora1::ReadRegistry() {
    Reg = std::make_unique<TRegistry>();
    Reg->OpenKey(RunKey, true);
    if (Reg->ValueExists("Skelvora")) {
        RunValue = Reg->ReadString("Skelvora");
        Autostart = 1;
        if (RunValue != Path + "Skelvora.exe") Reg->WriteString("Skelvora", Path + "Skelvora.exe");
        Layout.CheckBox1.SetChecked(true);
    }
    Reg->OpenKey(DesktopKey, true);
    if (Reg->ValueExists("Wallpaper")) WallpaperValue = Reg->ReadString("Wallpaper");
    if (WallpaperValue != Path + "SKELVORA.BMP") Reg->WriteString("Wallpaper", Path + "SKELVORA.BMP");
}

void TFormSkelvora1::ReadSettings() {
    if (!FileExists(Path + "Skelvora.ini")) {
        Interval = IntervalShown = 5;
        Lng = "Ukraine";
        return;
    }
    TIniFile& ini = OpenSettings();
    CurrentPicture = ini.ReadInteger(Options, "ImageN", CurrentPicture);
    if (CurrentPicture < 1 || CurrentPicture > PictureCount) CurrentPicture = 1;
    RandomOrder = ini.ReadInteger(Options, "Randomize", 0);
    if (RandomOrder == 1) Layout.CheckBox2.SetChecked(true);
    RandomOrderShown = RandomOrder;
    Interval = IntervalShown = ini.ReadInteger(Options, "Interval", 5);
    Lng = ini.ReadString(Options, "Lng", "Ukraine");
    ActiveDesktop = ActiveDesktopShown = ini.ReadInteger(Options, "ActiveDesktop", 0);
    if (ActiveDesktop == 1) Layout.CheckBox3.SetChecked(true);
    FullSizeWallpaper = ini.ReadInteger(Options, "FullSizeWallpaper", 0);
}

void TFormSkelvora1::SaveOptions() {
    const std::int32_t interval = Layout.SpinEdit1.Value();
    Timer1.SetInterval(TimerPeriod(interval));
    RandomOrder = Layout.CheckBox2.Checked() ? 1 : 0;
    HideToTray();
    TIniFile& ini = OpenSettings();
    ini.WriteInteger(Options, "Interval", interval);
    IntervalShown = interval;
    ini.WriteInteger(Options, "Randomize", RandomOrder);
    RandomOrderShown = RandomOrder;
    // A choice that shows no language keeps the one configured.
    const std::string chosen = Layout.ComboBox1.Text();
    ini.WriteString(Options, "Lng", chosen.empty() ? Lng : chosen);
    ActiveDesktop = Layout.CheckBox3.Checked() ? 1 : 0;
    ini.WriteInteger(Options, "ActiveDesktop", ActiveDesktop);
    ActiveDesktopShown = ActiveDesktop;
    SaveAutostart();
}

void TFormSkelvora1::SaveAutostart() {
    Reg = std::make_unique<TRegistry>();
    Reg->OpenKey(RunKey, true);
    if (Layout.CheckBox1.Checked()) {
        Autostart = 1;
        Reg->WriteString("Skelvora", Path + "Skelvora.exe");
    } else {
        Reg->DeleteValue("Skelvora");
        Autostart = 0;
    }
}

void TFormSkelvora1::WritePictureNumber() { OpenSettings().WriteInteger(Options, "ImageN", CurrentPicture); }

TIniFile& TFormSkelvora1::OpenSettings() {
    Ini = std::make_unique<TIniFile>(Path + "Skelvora.ini");
    return *Ini;
}

}  // namespace skl
