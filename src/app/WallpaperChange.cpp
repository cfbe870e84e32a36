// One change of the desktop wallpaper: pick the picture, write it as the
// wallpaper file, have the shell reload it, show it, move on.
#include "app/FormSkelvora1.h"
#include "app/ScreenSizedWallpaper.h"
#include "framework/system/Clock.h"

namespace skl {

void TFormSkelvora1::Timer1Timer(TComponent&) { Change(); }

void TFormSkelvora1::TrayIcon1Click(TComponent&, TMouseButton, TShiftState, int, int) { Change(); }

// While the shell tells the other windows of the new wallpaper, the system
// delivers the program's own messages: a tick or a click then must not start
// a second change inside this one, nor open the menu in the middle of it.
class TFormSkelvora1::TChangeInProgress {
public:
    explicit TChangeInProgress(TFormSkelvora1& form) : form_(form), trayEnabled_(form.TrayIcon1.Enabled()) {
        form_.changing_ = true;
        form_.TrayIcon1.SetEnabled(false);
    }
    ~TChangeInProgress() {
        form_.TrayIcon1.SetEnabled(trayEnabled_);
        form_.changing_ = false;
    }
    TChangeInProgress(const TChangeInProgress&) = delete;
    TChangeInProgress& operator=(const TChangeInProgress&) = delete;

private:
    TFormSkelvora1& form_;
    bool trayEnabled_;
};

void TFormSkelvora1::Change() {
    if (changing_) return;
    TChangeInProgress inProgress(*this);
    if (RandomOrder == 1) {
        random_.Randomize(UniversalTimeOfDay());
        CurrentPicture = static_cast<std::int32_t>(random_.Draw(PictureCount)) + 1;
    }
    if (CurrentPicture > PictureCount) CurrentPicture = 1;
    WriteWallpaperFile();
    ApplyWallpaper();
    ShowPicture();
    MoveOn();
}

// In order, the settings file holds the number of the next picture, so
// that a restart goes on from there.
void TFormSkelvora1::MoveOn() {
    if (RandomOrder != 0) return;
    ++CurrentPicture;
    WritePictureNumber();
}

void TFormSkelvora1::WriteWallpaperFile() {
    struct FreeAtEnd {
        TFormSkelvora1& form;
        ~FreeAtEnd() {
            form.Bitmap.reset();
            form.JPEGImage.reset();
        }
    } freeAtEnd{*this};
    Bitmap = std::make_unique<TBitmap>();
    JPEGImage = std::make_unique<TJPEGImage>();
    try {
        LoadPicture();
    } catch (...) {
        // One picture that cannot be shown must not hold up the rotation.
        MoveOn();
        throw;
    }
    Bitmap->SaveToFile(Path + "Skelvora.bmp");
}

// The failure names the file: a decoder's message alone does not say which
// of thousands of pictures it is.
void TFormSkelvora1::LoadPicture() {
    const std::string file = Path + "Images\\" + PictureList[CurrentPicture];
    try {
        JPEGImage->LoadFromFile(file);
        if (FullSizeWallpaper == 1)
            Bitmap->Assign(*JPEGImage);
        else
            DecodeForScreen(*JPEGImage, *Bitmap);
    } catch (const std::exception& failure) {
        const std::string message = failure.what();
        if (message.find(file) != std::string::npos) throw;
        throw EInvalidGraphic(file + ": " + message);
    }
}

// The shell is named the file the desktop's Wallpaper value holds, so that
// it reloads exactly that file.
void TFormSkelvora1::ApplyWallpaper() {
    if (ActiveDesktop != 1) {
        ReloadDesktopWallpaper(Path + "SKELVORA.BMP");
        return;
    }
    activeDesktop_ = TActiveDesktop::Create();
    activeDesktop_.ApplyChanges(15);  // save, regenerate, refresh, force
}

}  // namespace skl
