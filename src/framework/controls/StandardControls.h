#pragma once
// Labels, buttons and check boxes, on the system's standard controls.
#include <cstdint>
#include <span>

#include "framework/controls/WinControl.h"
#include "framework/graphics/Bitmap.h"

namespace skl {

enum class TAlignment { taLeftJustify, taCenter };
enum class TTextLayout { tlTop, tlCenter };
// Right-to-left reading takes effect only where the system reads such scripts.
enum class TBiDiMode { bdLeftToRight, bdRightToLeftNoAlign };

// A text on the parent's background. It reports clicks and mouse moves when
// it has a handler for either as its window is made.
class TLabel : public TWinControl {
public:
    // With AutoSize, on at first, the label takes the size of its text as its
    // window is made and whenever text or font change (its left edge stays);
    // without, it keeps the size it is given.
    explicit TLabel(TComponent* owner);
    const char* ClassName() const override { return "TLabel"; }

    void SetCaption(const std::string& caption) override;
    void AdjustSize() override;
    TAlignment Alignment = TAlignment::taLeftJustify;
    TTextLayout Layout = TTextLayout::tlTop;
    // Long lines break between words instead of being cut off.
    bool WordWrap = false;
    TBiDiMode BiDiMode = TBiDiMode::bdLeftToRight;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void CommandNotified(int code) override;
    void Changed() override;
};

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);
    const char* ClassName() const override { return "TButton"; }
    // Enter presses the default button unless another button has the focus;
    // Esc presses the cancel button.
    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    // The thick frame of the button that Enter would press now.
    void ShowDefaultLook(bool look);

protected:
    void CreateParams(TCreateParams& params) override;
    void CommandNotified(int code) override;

private:
    bool default_ = false;
    bool cancel_ = false;
};

// A button with a small picture left of its caption, such as the standard OK
// and Cancel buttons.
class TBitBtn : public TButton {
public:
    using TButton::TButton;
    const char* ClassName() const override { return "TBitBtn"; }
    // A bitmap file; the colour of its bottom-left pixel is see-through.
    void LoadGlyph(std::span<const std::uint8_t> file);

protected:
    void WindowCreated() override;

private:
    TBitmap glyph_;
};

class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent* owner);
    const char* ClassName() const override { return "TCheckBox"; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    // A user's click toggles the box, then raises OnClick.
    void Click() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void CommandNotified(int code) override;

private:
    bool checked_ = false;
};

}  // namespace skl
