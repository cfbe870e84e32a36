#pragma once
// Popup menus: a list of items, each with a caption, an optional picture,
// default, enabled and visible flags and a click action.
#include <memory>
#include <string>
#include <vector>

#include "framework/controls/Component.h"
#include "framework/controls/Events.h"
#include "framework/core/Types.h"
#include "framework/graphics/Bitmap.h"
#include "framework/system/MenuPopup.h"
#include "framework/system/Window.h"

namespace skl {

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner, std::string caption = {});
    const char* ClassName() const override { return "TMenuItem"; }

    // "-" makes a separator line.
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { caption_ = std::move(caption); }
    // The default item is shown in bold and is what a double click runs.
    bool Default() const { return default_; }
    void SetDefault(bool value) { default_ = value; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { visible_ = value; }
    // Shown beside the caption; its bottom-left pixel is the transparent colour.
    TBitmap& Bitmap() { return bitmap_; }

    TNotifyEvent OnClick;
    // The item's action, as when it is chosen from the menu: OnClick, if the item is enabled.
    virtual void Click();

private:
    std::string caption_;
    bool default_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    TBitmap bitmap_;
};

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;
    const char* ClassName() const override { return "TPopupMenu"; }

    // Whether a right click on the menu's control opens it.
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool value) { autoPopup_ = value; }
    // Where the menu stands relative to the popup point.
    TPopupAlignment Alignment = TPopupAlignment::paLeft;
    // Which button chooses an item.
    TTrackButton TrackButton = TTrackButton::tbRightButton;

    // The component that opened the menu last; none once it is gone.
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* component);

    // Appends an item that the menu owns.
    TMenuItem& Add(std::string caption);
    int Count() const { return static_cast<int>(items_.size()); }
    // EListError "List index out of bounds (%d)" outside 0..Count()-1.
    TMenuItem& Items(int index) const;

    TNotifyEvent OnPopup;
    // Shows the menu at the screen point and returns when it has closed. The
    // chosen item's action runs later, from the message loop: after the menu
    // and whatever its opener does once it has closed, so that a window the
    // action shows stays in front.
    virtual void Popup(int x, int y);

protected:
    void Notification(TComponent& component, TOperation operation) override;

private:
    void RunChosen(TMessage& message);

    bool autoPopup_ = true;
    TComponent* popupComponent_ = nullptr;
    std::vector<TMenuItem*> items_;
    // Receives the chosen item's number.
    std::unique_ptr<TWindow> window_;
};

}  // namespace skl
