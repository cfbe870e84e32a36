#include "framework/controls/Menus.h"

#include "framework/core/Exceptions.h"
#include "framework/system/MenuPopup.h"

namespace skl {

TMenuItem::TMenuItem(TComponent* owner, std::string caption) : TComponent(owner), caption_(std::move(caption)) {}

void TMenuItem::Click() {
    if (enabled_ && OnClick) OnClick(*this);
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) {}

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
    if (TMenuItem* chosen = ShowPopupMenu(*this, {x, y})) chosen->Click();
}

void TPopupMenu::Notification(TComponent& component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && &component == popupComponent_) popupComponent_ = nullptr;
}

}  // namespace skl
