#include "framework/controls/Menus.h"

#include <vector>

#include "framework/core/Exceptions.h"
#include "framework/system/MenuPopup.h"

namespace skl {

TMenuItem::TMenuItem(TComponent* owner, std::string caption) : TComponent(owner), caption_(std::move(caption)) {}

void TMenuItem::Click() {
    if (enabled_ && OnClick) OnClick(*this);
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) {}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::SetPopupComponent(TComponent* component) {
    popupComponent_ = component;
    if (component) FreeNotification(*component);
}

TMenuItem& TPopupMenu::Add(std::string caption) {
    TMenuItem& item = Make<TMenuItem>(std::move(caption));
    items_.push_back(&item);
    return item;
}

TMenuItem& TPopupMenu::Items(int index) const {
    if (index < 0 || index >= Count()) throw EListError(Format(SListIndexError, index));
    return *items_[index];
}

void TPopupMenu::Popup(int x, int y) {
    if (OnPopup) OnPopup(*this);
    std::vector<TMenuEntry> entries;
    std::vector<std::size_t> shown;  // the item of each entry
    for (std::size_t i = 0; i < items_.size(); ++i) {
        TMenuItem& item = *items_[i];
        if (!item.Visible()) continue;
        entries.push_back({item.Caption(), item.Enabled(), item.Default(), std::nullopt});
        if (!item.Bitmap().Empty()) entries.back().Picture = item.Bitmap().Image()->Pixels();
        shown.push_back(i);
    }
    const int chosen = ShowPopupMenu(entries, {{x, y}, Alignment, TrackButton});
    if (chosen < 0 || static_cast<std::size_t>(chosen) >= shown.size()) return;
    if (!window_) {
        window_ = std::make_unique<TWindow>([this](TMessage& message) { RunChosen(message); });
        window_->Create(UtilityWindow());
    }
    PostWindowMessage(window_->Handle(), wm::Command, shown[static_cast<std::size_t>(chosen)]);
}

void TPopupMenu::RunChosen(TMessage& message) {
    if (message.Msg != wm::Command) return window_->DefaultHandler(message);
    if (message.WParam < items_.size()) items_[message.WParam]->Click();
}

void TPopupMenu::Notification(TComponent& component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && &component == popupComponent_) popupComponent_ = nullptr;
}

}  // namespace skl
