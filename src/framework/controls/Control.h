#pragma once
// Controls as state: parent, place, text, visibility, font and the mouse
// events. A windowed control (TWinControl) mirrors this state on its window.
#include <atomic>
#include <cstdint>
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

// How a control is painted.
enum TControlStyleFlag : std::uint8_t {
    csOpaque = 1,  // paints all of its rectangle: nothing of the parent shows through
};

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
    TRect BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    // With AutoSize, the control may change the size first (CanAutoSize).
    virtual void SetBounds(int left, int top, int width, int height);

    // The control takes the size its content asks for.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    // Gives the control the size its content asks for, when AutoSize is set.
    virtual void AdjustSize();

    std::uint8_t ControlStyle = 0;
    // Set while the control is painted as a copy into another control's picture.
    std::atomic<bool> PaintCopy{false};

    // With ParentColor, the parent's colour.
    TColor Color() const;
    void SetColor(TColor color) { color_ = color; }
    bool ParentColor = false;

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

protected:
    // Proposes the size that AutoSize gives (width and height in, possibly
    // changed); false keeps the size the control has.
    virtual bool CanAutoSize(int& width, int& height);

private:
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    std::string caption_;
    // Read by worker threads that paint the control.
    std::atomic<bool> visible_{true};
    bool enabled_ = true;
    bool autoSize_ = false;
    TColor color_ = clBtnFace;
};

}  // namespace skl
