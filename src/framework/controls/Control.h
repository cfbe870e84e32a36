#pragma once
// Controls as state: parent, place, text, visibility, font, colour and the
// mouse events. A windowed control (TWinControl) mirrors this state on its
// window; a windowless one is painted by its parent (Paint). Places and font
// heights are given for 96 pixels per inch; the windows are laid out for the
// screen's resolution.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "framework/controls/Component.h"
#include "framework/controls/Events.h"
#include "framework/core/Types.h"
#include "framework/graphics/Font.h"

namespace skl {

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
    // With AutoSize, the control may change the size first (CanAutoSize).
    virtual void SetBounds(int left, int top, int width, int height);
    // The place on the parent's client area in pixels of this screen.
    TRect ScreenBounds() const;

    // The control takes the size its content asks for.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    // Gives the control the size its content asks for, when AutoSize is set.
    virtual void AdjustSize();

    std::uint8_t ControlStyle = 0;
    // Set while the control is painted as a copy into another control's picture.
    std::atomic<bool> PaintCopy{false};

    const std::string& Caption() const { return caption_; }
    virtual void SetCaption(const std::string& caption) { caption_ = caption; }

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible) { visible_ = visible; }
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled) { enabled_ = enabled; }

    // A control takes its parent's font until it is given one of its own.
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);
    void SetFontColor(TColor color);
    bool ParentFont() const { return parentFont_; }
    // The background; with ParentColor, the parent's.
    TColor Color() const;
    void SetColor(TColor color);
    bool ParentColor = false;

    TNotifyEvent OnClick;
    TMouseMoveEvent OnMouseMove;
    // Raises OnClick, as a user's click does.
    virtual void Click();
    void MouseMove(TShiftState shift, int x, int y);

    // A windowless control draws itself on its parent's window here, when the
    // parent repaints; the others draw themselves.
    virtual void Paint() {}
    // The lock under which other threads paint the control on its parent's
    // window, or none: the window is destroyed only while it is held.
    virtual std::recursive_mutex* PaintLock() const { return nullptr; }
    // Has the control drawn again soon.
    virtual void Invalidate();

protected:
    // The font or colour changed: the control shows it.
    virtual void Changed() { Invalidate(); }
    // Proposes the size that AutoSize gives (width and height in, possibly
    // changed); false keeps the size the control has.
    virtual bool CanAutoSize(int& width, int& height);

private:
    friend class TWinControl;
    void TakeParentFont(const TFont& font);

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    std::string caption_;
    // Read by worker threads that paint the control.
    std::atomic<bool> visible_{true};
    bool enabled_ = true;
    bool autoSize_ = false;
    TFont font_;
    bool parentFont_ = true;
    TColor color_ = clBtnFace;
};

}  // namespace skl
