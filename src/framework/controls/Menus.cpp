#include "framework/controls/Menus.h"

#include <algorithm>

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
    TMenuItem* chosen = ShowPopupMenu(*this, {x, y});
    if (!chosen) return;
    if (!window_) {
        window_ = std::make_unique<TWindow>([this](TMessage& message) { RunChosen(message); });
        window_->Create(UtilityWindow());
    }
    const auto index = std::find(items_.begin(), items_.end(), chosen) - items_.begin();
    PostWindowMessage(window_->Handle(), wm::Command, static_cast<std::uintptr_t>(index));
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
