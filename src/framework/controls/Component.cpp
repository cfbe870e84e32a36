#include "framework/controls/Component.h"

#include <algorithm>

namespace skl {

TComponent::TComponent(TComponent* owner) : owner_(owner) {}

TComponent::~TComponent() {
    destroying_ = true;
    for (TComponent* other : std::vector<TComponent*>(notified_)) {
        other->Notification(*this, TOperation::opRemove);
        other->RemoveFreeNotification(*this);
    }
    // Owned components go last-made first.
    while (!owned_.empty()) owned_.pop_back();
}

void TComponent::FreeNotification(TComponent& other) {
    if (std::find(other.notified_.begin(), other.notified_.end(), this) == other.notified_.end()) {
        other.notified_.push_back(this);
        notified_.push_back(&other);
    }
}

void TComponent::RemoveFreeNotification(TComponent& other) {
    std::erase(notified_, &other);
}

void TComponent::Notification(TComponent&, TOperation) {}

}  // namespace skl
