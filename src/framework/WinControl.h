#pragma once
// A component with a system window of its own. The window is made on first
// need from CreateParams, so a derived class decides its window class, styles
// and place; its messages come to WndProc.
#include <memory>
#include <string>

#include "framework/Component.h"
#include "framework/Window.h"

namespace skl {

class TWinControl : public TComponent {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    const char* ClassName() const override { return "TWinControl"; }

    // The system window, made on first use.
    TWindowHandle Handle();
    bool HandleAllocated() const { return window_ && window_->Handle() != 0; }
    void HandleNeeded();

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetBounds(int left, int top, int width, int height);

protected:
    virtual void CreateParams(TCreateParams& params);
    // Every message of the window; what a class does not handle goes on to
    // the inherited WndProc and at last to DefaultHandler.
    virtual void WndProc(TMessage& message);
    void DefaultHandler(TMessage& message);
    TWindow* Window() const { return window_.get(); }

private:
    std::unique_ptr<TWindow> window_;
    std::string caption_;
    bool visible_ = false;
    int left_ = UseDefault, top_ = UseDefault, width_ = UseDefault, height_ = UseDefault;
};

}  // namespace skl
