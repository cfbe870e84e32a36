#pragma once
// A control that can hold others, take the keyboard focus and have a system
// window of its own. The window is made on first need from CreateParams, so a
// derived class decides its window class, styles and place; its messages
// come to WndProc. State and window stay in step both ways: what the program
// sets reaches the window, and what the user does to the window reaches the
// state before the control's events are raised.
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "framework/controls/Control.h"
#include "framework/graphics/BitmapDC.h"
#include "framework/system/ControlWindows.h"
#include "framework/system/Window.h"

namespace skl {

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    const char* ClassName() const override { return "TWinControl"; }

    // The system window, made on first use.
    TWindowHandle Handle();
    bool HandleAllocated() const { return window_ && window_->Handle(); }
    // Makes the window (after its parent's) and those of the controls it
    // holds; a hidden top-level window makes theirs when it is shown.
    void HandleNeeded();
    // Destroys the windows of the controls it holds, at any depth, then its
    // own; the next use makes them again from the controls' state.
    void DestroyHandle();
    // Whether the window is this control's own (a control may have more than one).
    virtual bool HasWindow(TWindowHandle window) const;

    void SetCaption(const std::string& caption) override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    void SetBounds(int left, int top, int width, int height) override;
    void Invalidate() override;

    const std::vector<TControl*>& Controls() const { return controls_; }
    // Paints what the window shows beneath its children: its colour.
    virtual void PaintBackground(TDeviceContext& dc);
    // Gives this control the keyboard focus within its top-level window; the
    // window takes it at once when it is shown, or else when it is next activated.
    void SetFocus();
    bool Focused() const { return TopLevel().activeControl_ == this; }
    // The focused control within this top-level window.
    TWinControl* ActiveControl() const { return activeControl_; }
    // Visible and enabled, and so are its parents.
    bool CanFocus() const;
    // Whether Tab stops at the control.
    bool TabStop = false;
    // The number by which the dialog keyboard interface names the control's window.
    unsigned Id() const { return id_; }

protected:
    virtual void CreateParams(TCreateParams& params);
    // The window has just been made: it takes the rest of the control's state.
    virtual void WindowCreated() {}
    // The window is about to be destroyed: a control's other windows go first.
    virtual void WindowDestroying() {}
    // Every message of the window; what a class does not handle goes on to
    // the inherited WndProc and at last to DefaultHandler.
    virtual void WndProc(TMessage& message);
    void DefaultHandler(TMessage& message);
    TWindow* Window() const { return window_.get(); }
    // What the control's window reported to its parent (wm::Command, wm::Notify).
    virtual void CommandNotified(int /*code*/) {}
    virtual std::intptr_t Notified(const TNotification& /*notification*/) { return 0; }
    // A control within this top-level window has taken the focus.
    virtual void FocusMoved(TWinControl& /*control*/) {}
    void Changed() override;
    TWinControl& TopLevel() const;
    void ChildHandlesNeeded();
    void DestroyChildHandles();
    // Every windowed control within this one, at any depth, in order.
    std::vector<TWinControl*> Descendants() const;

private:
    friend class TControl;
    void InsertControl(TControl& control);
    void RemoveControl(TControl& control);
    TWinControl* ChildWithWindow(TWindowHandle window) const;
    bool ChildMessage(TMessage& message);
    void PaintControls();
    std::vector<std::unique_lock<std::recursive_mutex>> HoldPainters() const;

    std::unique_ptr<TWindow> window_;
    std::vector<TControl*> controls_;
    TWinControl* activeControl_ = nullptr;
    unsigned id_;
};

}  // namespace skl
