#pragma once
// A top-level window of the program. Its window class name is its ClassName(),
// which is how another process can find it. The creation hook runs once the
// whole form is constructed; a failure in it is reported and the form stays.
#include "framework/controls/Events.h"
#include "framework/controls/WinControl.h"

namespace skl {

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
    // Minimised, the form keeps its taskbar button; hidden, it has none.
    void Minimize();
    // Back from minimised or hidden, with its taskbar button.
    void Restore();

    TNotifyEvent OnCreate;
    TNotifyEvent OnActivate;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    virtual void DoCreate();
};

// The form that holds the control, or none.
TForm* ParentForm(TControl& control);

}  // namespace skl
