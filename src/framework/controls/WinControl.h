#pragma once
// A control that can hold others, take the keyboard focus and have a system
// window of its own. The window is made on first need from CreateParams, so a
// derived class decides its window class, styles and place; its messages
// come to WndProc.
#include <memory>
#include <string>
#include <vector>

#include "framework/controls/Control.h"
#include "framework/graphics/DeviceContext.h"
#include "framework/system/Window.h"

namespace skl {

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    const char* ClassName() const override { return "TWinControl"; }

    // The system window, made on first use.
    TWindowHandle Handle();
    bool HandleAllocated() const { return window_ && window_->Handle() != 0; }
    void HandleNeeded();

    void SetCaption(const std::string& caption) override;
    void SetVisible(bool visible) override;
    void SetBounds(int left, int top, int width, int height) override;

    const std::vector<TControl*>& Controls() const { return controls_; }
    // Paints the windowless children that meet the context's clip, the
    // bottom one first.
    void PaintControls(TDeviceContext& dc);
    // Paints what the window shows beneath its children: its colour.
    virtual void PaintBackground(TDeviceContext& dc);
    // Gives this control the keyboard focus within its top-level window.
    void SetFocus() { TopLevel().activeControl_ = this; }
    bool Focused() const { return TopLevel().activeControl_ == this; }
    // The focused control within this top-level window.
    TWinControl* ActiveControl() const { return activeControl_; }

protected:
    virtual void CreateParams(TCreateParams& params);
    // Every message of the window; what a class does not handle goes on to
    // the inherited WndProc and at last to DefaultHandler.
    virtual void WndProc(TMessage& message);
    void DefaultHandler(TMessage& message);
    TWindow* Window() const { return window_.get(); }

private:
    friend class TControl;
    void InsertControl(TControl& control) { controls_.push_back(&control); }
    void RemoveControl(TControl& control);
    TWinControl& TopLevel() const;

    std::unique_ptr<TWindow> window_;
    std::vector<TControl*> controls_;
    TWinControl* activeControl_ = nullptr;
};

}  // namespace skl
