#pragma once
// The notification-area icon: keeps one icon with a tip in the notification
// area while it is active (adding it again when the shell makes a new
// taskbar), turns the shell's mouse notifications for it into events, opens a
// popup menu on a right click, runs the menu's default item on a double click
// and can animate the icon through a list of icons.
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "framework/controls/Component.h"
#include "framework/controls/Events.h"
#include "framework/graphics/Icon.h"
#include "framework/controls/Menus.h"
#include "framework/controls/ThreadedTimer.h"
#include "framework/system/ShellNotify.h"
#include "framework/system/Window.h"
#include "ui/IconList.h"

namespace skl {

// The message the shell sends to the hidden window about the icon.
inline constexpr unsigned TrayNotifyMessage = 0xB054;  // 45140

class TTrayIcon : public TComponent {
public:
    explicit TTrayIcon(TComponent* owner);
    ~TTrayIcon() override;
    const char* ClassName() const override { return "TTrayIcon"; }

    // Shows (true) or hides (false) the icon.
    bool Active() const { return active_; }
    void SetActive(bool value);
    // While false the shell's notifications raise no events.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    // The text before the first "|" is the icon's tip.
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value);
    // The icon shown when not animated; setting it takes a copy.
    const TIcon& Icon() const { return *icon_; }
    void SetIcon(const TIcon& icon);
    // The animation's pictures; setting them takes copies.
    const TIconList& Icons() const { return *icons_; }
    void SetIcons(const TIconList& icons);
    // Cycles through Icons on a timer's thread while the icon is shown; stays
    // false with no Icons. EThread "Thread creation error: %s" when the
    // thread cannot be made.
    bool Animated() const;
    void SetAnimated(bool value);
    // Milliseconds between animation frames; 0 is the shortest pause.
    std::uint16_t Interval() const;
    void SetInterval(std::uint16_t value);
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu);

    TMouseEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;

    void Loaded() override;

    // The hidden window that receives the shell's notifications.
    TWindowHandle WindowHandle() const { return window_->Handle(); }
    // The last add succeeded and nothing was removed since.
    bool IconAdded() const;
    // The timer that moves the animation, once it was first animated; for observation only.
    const TThreadedTimer* AnimationTimer() const { return animationTimer_.get(); }

protected:
    void Notification(TComponent& component, TOperation operation) override;
    virtual void FillNotifyData();

    virtual void RaiseDblClick();
    virtual void RaiseClick(TMouseButton button, TShiftState shift, int x, int y);
    virtual void RaiseMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void RaiseMouseMove(TShiftState shift, int x, int y);
    virtual void RaiseMouseUp(TMouseButton button, TShiftState shift, int x, int y);

    // Opens PopupMenu at the screen point; false when it may not open.
    bool OpenPopupMenu(int x, int y);
    // Runs the first top-level menu item that is default and enabled; false when there is none.
    bool RunDefaultMenuItem();

    TNotifyIconData NotifyData;

private:
    std::intptr_t NotifyWndProc(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
    void HandleNotification(unsigned mouseMessage);
    void ButtonDown(TMouseButton button, TShiftState shift, TPoint at);
    void ButtonUp(TMouseButton button, TShiftState shift, TPoint at);
    void ShowWhenActive();
    void ShowIcon();
    void HideIcon();
    void UpdateIcon();
    void NextFrame();
    TIcon* CurrentIcon() const;
    // The animation ticks while it is on and the icon is shown.
    void RunAnimationWhileShown();
    void CancelFormModes();
    void BringWindowForward();

    // Taken by every change of the state that the animation's ticks share,
    // and by each tick.
    mutable std::recursive_mutex lock_;
    std::unique_ptr<TWindow> window_;
    std::unique_ptr<TIcon> icon_;
    std::unique_ptr<TIconList> icons_;
    bool active_ = true;
    bool enabled_ = true;
    bool animated_ = false;
    bool iconAdded_ = false;
    std::string hint_;
    std::uint16_t interval_ = 150;
    int frameIndex_ = -1;
    unsigned pressedButtons_ = 0;  // bit per TMouseButton
    TPopupMenu* popupMenu_ = nullptr;
    std::unique_ptr<TThreadedTimer> animationTimer_;
};

}  // namespace skl
