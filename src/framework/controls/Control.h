#pragma once
// Controls as state: parent, place, text, visibility, font and the mouse
// events. A windowed control (TWinControl) mirrors this state on its window.
#include <string>

#include "framework/controls/Component.h"
#include "framework/controls/Events.h"
#include "framework/core/Types.h"
#include "framework/graphics/Colors.h"

namespace skl {

enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4 };

struct TFont {
    std::string Name = "MS Sans Serif";
    int Height = -11;
    TColor Color = clWindowText;
    std::uint8_t Style = 0;
};

class TWinControl;

class TControl : public TComponent {
public:
    using TComponent::TComponent;
    ~TControl() override;
    const char* ClassName() const override { return "TControl"; }

    TWinControl* Parent() const { return parent_; }
    void SetParent(TWinControl* parent);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    virtual void SetBounds(int left, int top, int width, int height);

    const std::string& Caption() const { return caption_; }
    virtual void SetCaption(const std::string& caption) { caption_ = caption; }

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible) { visible_ = visible; }
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    TFont Font;

    TNotifyEvent OnClick;
    TMouseMoveEvent OnMouseMove;
    // Raises OnClick, as a user's click does.
    virtual void Click();
    void MouseMove(TShiftState shift, int x, int y);

private:
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    std::string caption_;
    bool visible_ = true;
    bool enabled_ = true;
};

}  // namespace skl
