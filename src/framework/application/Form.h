#pragma once
// A top-level window of the program. Its window class name is its ClassName(),
// which is how another process can find it. The creation hook runs once the
// whole form is constructed; a failure in it is reported and the form stays.
// A form has the keyboard interface of a dialog: Tab moves between its
// controls, Enter presses the focused or the default button, Esc the cancel
// button, Alt with a letter the control whose text underlines it.
#include "framework/controls/Events.h"
#include "framework/controls/WinControl.h"

namespace skl {

class TButton;

enum class TPosition { poDesigned, poDesktopCenter };
// A sizeable frame, a fixed one, or a fixed dialog frame.
enum class TBorderStyle { bsSizeable, bsSingle, bsDialog };

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);

    const char* ClassName() const override { return "TForm"; }

    // Runs the creation hook; TApplication::CreateForm calls it once the form
    // and its components are made.
    void AfterConstruction();
    // The main form ends the application; any other form is hidden.
    void Close();

    // The form has become the program's focused window after none or another
    // of the program's windows had the focus: when the application first
    // shows it, and when one of the program's information boxes closes.
    void Activate();
    // Shows the form as it is activated. A form that its activation hides
    // again (a program that starts in the notification area) never reaches
    // the screen.
    void ShowActivated();
    // Minimised, the form keeps its taskbar button; hidden, it has none.
    void Minimize();
    // Back from minimised or hidden, with its taskbar button, in front.
    void Restore();
    // Shows the form and handles messages until it is hidden again; the main
    // form takes no input meanwhile.
    void ShowModal();

    // Hidden, the form keeps its own window, by which other programs find
    // it; the windows of its controls and the library behind them go once
    // the messages waiting are handled, unless it is shown again by then.
    void SetVisible(bool visible) override;

    // The client area for 96 pixels per inch; the window adds its frame.
    void SetClientSize(int width, int height);
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    // Where the window first appears.
    TPosition Position = TPosition::poDesigned;
    TBorderStyle BorderStyle = TBorderStyle::bsSizeable;
    // The caption's system menu with its buttons (minimise and maximise
    // unless the frame is a dialog's); without it the caption has no buttons.
    bool SystemMenu = true;

    TNotifyEvent OnCreate;
    TNotifyEvent OnActivate;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void WndProc(TMessage& message) override;
    void FocusMoved(TWinControl& control) override;
    virtual void DoCreate();

private:
    // The button that the dialog keyboard interface names by number.
    TButton* ButtonFor(unsigned id) const;
    void FocusActiveControl();
    void ReleaseControlWindows();

    int clientWidth_ = 0, clientHeight_ = 0;
};

// The form that holds the control, or none.
TForm* ParentForm(TControl& control);

}  // namespace skl
