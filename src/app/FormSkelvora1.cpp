#include "app/FormSkelvora1.h"

#include "app/Version.h"
#include "assets/Assets.h"
#include "framework/application/Application.h"
#include "framework/io/Streams.h"
#include "framework/system/Folders.h"
#include "framework/system/ProgramFolder.h"
#include "framework/system/Screen.h"
#include "framework/system/Shell.h"
#include "ui/AboutTexts.h"

namespace skl {

namespace {

TMenuItem& MenuItem(TPopupMenu& menu, const char* name, std::span<const std::uint8_t> picture) {
    TMenuItem& item = menu.Add({});
    item.SetName(name);
    item.Bitmap().LoadFromMemory(picture.data(), picture.size());
    return item;
}

}  // namespace

// The stored form: the components with their design-time settings, in the
// order they are loaded; the icon is shown once loading has finished.
TFormSkelvora1::TFormSkelvora1(TComponent* owner)
    : TForm(owner),
      Layout(*this),
      PopupMenu1(Make<TPopupMenu>()),
      About1(MenuItem(PopupMenu1, "About1", assets::MenuAbout())),
      Options1(MenuItem(PopupMenu1, "Options1", assets::MenuOptions())),
      Exit1(MenuItem(PopupMenu1, "Exit1", assets::MenuExit())),
      TrayIcon1(Make<TTrayIcon>()),
      Timer1(Make<TTimer>()) {
    SetName("FormSkelvora1");
    SetCaption("Skelvora");
    // A fixed border and a caption without any buttons: the window is left
    // through its OK and Cancel buttons and the tray menu only.
    BorderStyle = TBorderStyle::bsSingle;
    SystemMenu = false;
    PopupMenu1.SetName("PopupMenu1");
    TrayIcon1.SetName("TrayIcon1");
    Timer1.SetName("Timer1");

    TIcon icon;
    icon.LoadFromMemory(assets::TrayIcon().data(), assets::TrayIcon().size());
    TrayIcon1.SetHint("Змінювач обоїв на робочому столі");
    TrayIcon1.SetIcon(icon);
    TrayIcon1.SetInterval(0);
    TrayIcon1.SetPopupMenu(&PopupMenu1);
    TrayIcon1.OnClick = Calling(&TFormSkelvora1::TrayIcon1Click);
    // No tick before the settings have given the interval.
    Timer1.SetInterval(0);
    Timer1.SetOnTimer(Calling(&TFormSkelvora1::Timer1Timer));

    About1.OnClick = Calling(&TFormSkelvora1::About1Click);
    Options1.OnClick = Calling(&TFormSkelvora1::Options1Click);
    Exit1.OnClick = Calling(&TFormSkelvora1::Exit1Click);
    Layout.BitBtn3.OnClick = Calling(&TFormSkelvora1::BitBtn3Click);
    Layout.BitBtn2.OnClick = Calling(&TFormSkelvora1::BitBtn2Click);
    Layout.BitBtn1.OnClick = Calling(&TFormSkelvora1::BitBtn1Click);
    Layout.Button1.OnClick = Calling(&TFormSkelvora1::Button1Click);
    Layout.Button2.OnClick = Calling(&TFormSkelvora1::Button2Click);
    Layout.Button3.OnClick = Calling(&TFormSkelvora1::Button3Click);
    Layout.ComboBox1.OnChange = Calling(&TFormSkelvora1::ComboBox1Change);
    Layout.Label7.OnClick = Calling(&TFormSkelvora1::Label7Click);
    Layout.Label8.OnClick = Calling(&TFormSkelvora1::Label8Click);
    Layout.Label7.OnMouseMove = Layout.Label8.OnMouseMove =
        Calling(&TFormSkelvora1::LinkMouseMove);
    Layout.TabSheet2.OnMouseMove = Calling(&TFormSkelvora1::TabSheet2MouseMove);
    Layout.Image1.OnClick = Calling(&TFormSkelvora1::Image1Click);
    OnCreate = Calling(&TFormSkelvora1::FormCreate);
    OnActivate = Calling(&TFormSkelvora1::FormActivate);

    TrayIcon1.Loaded();
}

// Each step completes before the next; a failure ends the steps here and is
// reported, and the program runs on with what was set up.
void TFormSkelvora1::FormCreate(TComponent&) {
    Version = std::string(" ") + ProgramVersion;
    Path = ProgramFolder();
    // A change cut short by a kill leaves its half-written file.
    TReplacingFileStream::RemoveLeftover(Path + "Skelvora.bmp");
    ReadRegistry();
    Find_Jpg();
    ReadSettings();
    // The interval is the edit's: one outside its range starts at the nearest bound.
    Layout.SpinEdit1.SetValue(Interval);
    Interval = IntervalShown = Layout.SpinEdit1.Value();
    Timer1.SetInterval(TimerPeriod(Interval));
    SetCurrentDir(Path);
    ListLanguages();
    Ini = std::make_unique<TIniFile>(Path + Lng + ".lng");
    Ini_Lng();
    SelectLanguage();
    SetCaption("Skelvora - " + Counter());
    TrayIcon1.SetHint(Caption());
}

void TFormSkelvora1::FormActivate(TComponent&) {
    if (DirectoryExists(Path + "Images")) {
        HideToTray();
        return;
    }
    // The first run: the options page tells where the pictures go.
    Layout.PageControl1.SetActivePageIndex(0);
    Layout.TabSheet2.SetTabVisible(false);
    CreateDir(Path + "Images");
}

void TFormSkelvora1::HideToTray() {
    Minimize();
    Hide();
    Layout.DropAboutPictures();
}

void TFormSkelvora1::RestoreWindow() { Restore(); }

void TFormSkelvora1::About1Click(TComponent&) {
    Layout.LoadAboutPictures();
    Layout.GIFAnimator1.SetAnimate(true);
    RestoreWindow();
    Layout.PageControl1.SetActivePageIndex(1);
    Layout.TabSheet2.SetTabVisible(true);
    Layout.TabSheet1.SetTabVisible(false);
    Layout.BitBtn1.SetFocus();
}

void TFormSkelvora1::Options1Click(TComponent&) {
    RestoreWindow();
    Layout.PageControl1.SetActivePageIndex(0);
    Layout.TabSheet1.SetTabVisible(true);
    Layout.TabSheet2.SetTabVisible(false);
    Layout.SpinEdit1.SetValue(IntervalShown);
    Layout.CheckBox2.SetChecked(RandomOrderShown == 1);
    Layout.CheckBox3.SetChecked(ActiveDesktopShown == 1);
    Layout.CheckBox1.SetChecked(Autostart == 1);
    Layout.BitBtn3.SetFocus();
}

// The program ends even when the number cannot be saved. The failure is
// reported first: a box opened once the loop is told to quit would end at once.
void TFormSkelvora1::Exit1Click(TComponent&) {
    try {
        WritePictureNumber();
    } catch (...) {
        Application().HandleException();
    }
    Close();
}

void TFormSkelvora1::BitBtn3Click(TComponent&) { SaveOptions(); }

void TFormSkelvora1::BitBtn2Click(TComponent&) { HideToTray(); }

void TFormSkelvora1::BitBtn1Click(TComponent&) { HideToTray(); }

void TFormSkelvora1::Button1Click(TComponent&) {
    Application().ShowInformation(Mes);
    Layout.BitBtn3.SetFocus();
}

void TFormSkelvora1::Button2Click(TComponent&) {
    Application().ShowInformation(Lic);
    Layout.BitBtn1.SetFocus();
}

void TFormSkelvora1::Label7Click(TComponent&) { ShellOpen(Handle(), SMailLink, TShowWindow::Hide); }

void TFormSkelvora1::Label8Click(TComponent&) { ShellOpen(Handle(), SWebAddress, TShowWindow::ShowMaximized); }

void TFormSkelvora1::LinkMouseMove(TComponent& sender, TShiftState, int, int) {
    static_cast<TControl&>(sender).SetFontColor(clBlue);
    SetScreenCursor(TCursor::HandPoint);
}

void TFormSkelvora1::TabSheet2MouseMove(TComponent&, TShiftState, int, int) {
    Layout.Label7.SetFontColor(clWindowText);
    Layout.Label8.SetFontColor(clWindowText);
    SetScreenCursor(TCursor::Default);
}

void TFormSkelvora1::Image1Click(TComponent&) { StartScreenSaver(); }

std::string TFormSkelvora1::Counter() const {
    std::string counter = "(";
    counter += std::to_string(CurrentPicture);
    counter += '/';
    counter += std::to_string(PictureCount);
    counter += ')';
    return counter;
}

std::string TFormSkelvora1::PictureText() const { return PictureList[CurrentPicture] + " " + Counter(); }

void TFormSkelvora1::ShowPicture() {
    // Whatever ran while the shell reloaded, the number shown is one of N.
    if (CurrentPicture > PictureCount) CurrentPicture = 1;
    SetCaption("Skelvora - " + PictureText());
    TrayIcon1.SetHint(PictureText());
}

}  // namespace skl
