#pragma once
// A numeric edit with up and down buttons. Setting the value shows it
// clamped to the range; reading it gives the typed integer clamped to the
// range too (the text may still show it as typed, as when Enter presses the
// dialog's button), or the minimum when the text is not an integer. Typed
// characters other than digits, "+", "-" and the decimal separator are
// refused with a beep; the up and down keys and buttons step the value
// within the range; leaving the edit brings the value into the range.
#include <memory>
#include <string>

#include "framework/controls/WinControl.h"

namespace skl {

class TSpinEdit : public TWinControl {
public:
    explicit TSpinEdit(TComponent* owner);
    ~TSpinEdit() override;
    const char* ClassName() const override { return "TSpinEdit"; }

    int MinValue = 0;
    int MaxValue = 100;
    int Increment = 1;

    int Value() const;
    void SetValue(int value);
    const std::string& Text() const { return Caption(); }
    // Typed or pasted text, taken as it is.
    void SetText(const std::string& text);

    // Typed characters that the edit takes (control characters pass).
    static bool IsValidChar(char32_t c);
    void StepUp() { SetValue(Value() + Increment); }
    void StepDown() { SetValue(Value() - Increment); }
    // Focus leaving the edit brings the value into the range.
    void FocusLeft() { SetValue(Value()); }

    bool HasWindow(TWindowHandle window) const override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    void SetBounds(int left, int top, int width, int height) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void WindowDestroying() override;
    void WndProc(TMessage& message) override;
    void CommandNotified(int code) override;
    std::intptr_t Notified(const TNotification& notification) override;

private:
    static constexpr int UpDownWidth = 16;
    int Clamped(int value) const;
    void PlaceWindows();

    // The up and down buttons beside the edit, on the same parent.
    std::unique_ptr<TWindow> upDown_;
};

}  // namespace skl
