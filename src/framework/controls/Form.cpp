#include "framework/controls/Form.h"

#include "framework/application/Application.h"

namespace skl {

TForm::TForm(TComponent* owner) : TWinControl(owner) { TControl::SetVisible(false); }

void TForm::AfterConstruction() {
    try {
        DoCreate();
    } catch (...) {
        Application().HandleException();
    }
}

void TForm::DoCreate() {
    if (OnCreate) OnCreate(*this);
}

TForm* ParentForm(TControl& control) {
    TControl* top = &control;
    while (top->Parent()) top = top->Parent();
    return dynamic_cast<TForm*>(top);
}

void TForm::Close() {
    if (Application().MainForm() == this)
        Application().Terminate();
    else
        Hide();
}

void TForm::Activate() {
    if (OnActivate) OnActivate(*this);
}

void TForm::Minimize() {
    if (HandleAllocated()) Window()->Show(TShowCommand::Minimize);
}

void TForm::Restore() {
    TControl::SetVisible(true);
    HandleNeeded();
    Window()->Show(TShowCommand::Restore);
}

void TForm::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style = ws::OverlappedWindow | ws::ClipChildren;
    params.ExStyle = wsex::ControlParent;
}

void TForm::WndProc(TMessage& message) {
    if (message.Msg == wm::Close) {
        Close();
        return;
    }
    TWinControl::WndProc(message);
}

}  // namespace skl
