#pragma once
// Controls as state: position, text, visibility, font and the click event.
// A backend may give them windows; the program's handlers see only this.
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/Events.h"
#include "framework/Types.h"

namespace skl {

inline constexpr TColor clWindowText = 0x80000008;
inline constexpr TColor clBtnFace = 0x8000000F;
inline constexpr TColor clBlue = 0xFF0000;

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
    const char* ClassName() const override { return "TControl"; }

    TWinControl* Parent() const { return parent_; }
    void SetParent(TWinControl* parent);

    void SetBounds(int left, int top, int width, int height) { bounds_ = {left, top, left + width, top + height}; }
    const TRect& BoundsRect() const { return bounds_; }

    const std::string& Caption() const { return caption_; }
    virtual void SetCaption(const std::string& caption) { caption_ = caption; }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
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
    TRect bounds_;
    std::string caption_;
    bool visible_ = true;
    bool enabled_ = true;
};

// A control that can hold others and take the keyboard focus.
class TWinControl : public TControl {
public:
    using TControl::TControl;
    const char* ClassName() const override { return "TWinControl"; }

    const std::vector<TControl*>& Controls() const { return controls_; }
    // Gives this control the keyboard focus within its top-level window.
    void SetFocus() { TopLevel().activeControl_ = this; }
    bool Focused() const { return TopLevel().activeControl_ == this; }
    // The focused control within this top-level window.
    TWinControl* ActiveControl() const { return activeControl_; }

private:
    friend class TControl;
    TWinControl& TopLevel() const;

    std::vector<TControl*> controls_;
    TWinControl* activeControl_ = nullptr;
};

}  // namespace skl
