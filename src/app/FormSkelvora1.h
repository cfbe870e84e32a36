#pragma once
// The program's one window and all of its state: the settings in effect, the
// picture catalogue, the language texts, and the handlers of its controls,
// its timer and its notification-area icon.
#include <cstdint>
#include <memory>
#include <string>

#include "app/NumberedList.h"
#include "app/RandomPicture.h"
#include "framework/application/Form.h"
#include "framework/controls/Menus.h"
#include "framework/controls/Timer.h"
#include "framework/graphics/Bitmap.h"
#include "framework/io/IniFile.h"
#include "framework/io/Registry.h"
#include "framework/system/FileSearch.h"
#include "framework/system/Shell.h"
#include "imaging/JPEGImage.h"
#include "ui/MainLayout.h"
#include "ui/TrayIcon.h"

namespace skl {

class TFormSkelvora1 : public TForm {
public:
    static constexpr const char* WindowClassName = "TFormSkelvora1";

    explicit TFormSkelvora1(TComponent* owner);
    const char* ClassName() const override { return WindowClassName; }

    // Handlers
    void FormCreate(TComponent& sender);
    void FormActivate(TComponent& sender);
    void Timer1Timer(TComponent& sender);
    void TrayIcon1Click(TComponent& sender, TMouseButton button, TShiftState shift, int x, int y);
    void About1Click(TComponent& sender);
    void Options1Click(TComponent& sender);
    void Exit1Click(TComponent& sender);
    void BitBtn3Click(TComponent& sender);
    void BitBtn2Click(TComponent& sender);
    void BitBtn1Click(TComponent& sender);
    void Button1Click(TComponent& sender);
    void Button2Click(TComponent& sender);
    void Button3Click(TComponent& sender);
    void ComboBox1Change(TComponent& sender);
    void Label7Click(TComponent& sender);
    void Label8Click(TComponent& sender);
    void LinkMouseMove(TComponent& sender, TShiftState shift, int x, int y);
    void TabSheet2MouseMove(TComponent& sender, TShiftState shift, int x, int y);
    void Image1Click(TComponent& sender);

    // The picture scan, the language file's texts, the wallpaper change.
    void Find_Jpg();
    void Ini_Lng();
    void Change();

    void HideToTray();
    void RestoreWindow();

    // Components
    TMainLayout Layout;
    TPopupMenu& PopupMenu1;
    TMenuItem& About1;
    TMenuItem& Options1;
    TMenuItem& Exit1;
    TTrayIcon& TrayIcon1;
    TTimer& Timer1;

    // State
    std::unique_ptr<TIniFile> Ini;       // the settings or language file opened last
    std::unique_ptr<TRegistry> Reg;      // the current user's hive
    std::string Path;                    // program folder, with its separator
    std::string RunValue;                // autostart value found at start-up
    std::string WallpaperValue;          // desktop wallpaper value found at start-up
    std::string Lng;                     // language in use
    std::string Mes;                     // help text
    std::string Lic;                     // disclaimer text
    std::string Refresh;                 // first part of the refresh message
    std::string Version;                 // " " and the program's version
    std::unique_ptr<TBitmap> Bitmap;     // picture objects of one change
    std::unique_ptr<TJPEGImage> JPEGImage;
    TSearchRec SearchRec;                // the picture scan's enumeration
    TSearchRec SearchRec2;               // the language listing's enumeration
    TNumberedList PictureList;           // paths relative to the Images folder
    TNumberedList LanguageList;
    TNumberedList FolderList;            // folders of Images, "." and ".." included
    std::int32_t CurrentPicture = 0;     // next to show, or last shown at random
    std::int32_t FolderCount = 0;
    std::int32_t PictureCount = 0;       // N
    std::int32_t RandomOrder = 0;
    std::int32_t RandomOrderShown = 0;
    std::int32_t Interval = 0;           // minutes, as read at start-up
    std::int32_t IntervalShown = 0;
    std::int32_t LanguageCounter = 0;
    std::int32_t ActiveDesktop = 0;
    std::int32_t ActiveDesktopShown = 0;
    std::int32_t FullSizeWallpaper = 0;  // 1: the wallpaper file holds the whole picture
    std::int32_t SavedPicture = 0;
    std::int32_t FolderCounter = 0;
    std::int32_t Autostart = 0;

private:
    class TChangeInProgress;

    // An event handler that calls one of the form's methods with the event's
    // arguments.
    template <class... Args>
    auto Calling(void (TFormSkelvora1::*method)(Args...)) {
        return [this, method](Args... args) { (this->*method)(args...); };
    }

    void ReadRegistry();
    void ReadSettings();
    void ListLanguages();
    void SelectLanguage();
    void ListPictures(const std::string& folderPrefix);
    void WriteWallpaperFile();
    void LoadPicture();
    void ApplyWallpaper();
    void ShowPicture();
    void MoveOn();
    void SaveOptions();
    void SaveAutostart();
    void WritePictureNumber();
    TIniFile& OpenSettings();
    // "(k/N)", and the picture's entry before it.
    std::string Counter() const;
    std::string PictureText() const;

    TRandomPicture random_;
    bool changing_ = false;  // a change is running
    // The shell's object of the last change in Active Desktop mode, kept
    // while the window lives.
    TActiveDesktop activeDesktop_;
};

// The timer period for an interval in minutes: none for 0 or less, and never
// more than the system's timers take.
std::uint32_t TimerPeriod(std::int32_t minutes);

}  // namespace skl
