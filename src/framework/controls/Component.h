#pragma once
// The component model: a component has an owner that frees it, a name, and
// hears of the end of loading and of the removal of components it asked to
// be told about.
#include <memory>
#include <string>
#include <vector>

#include "framework/core/Persistent.h"

namespace skl {

enum class TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const char* ClassName() const override { return "TComponent"; }

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    bool Destroying() const { return destroying_; }
    // Design mode exists only for a form designer; this program has none.
    bool Designing() const { return false; }

    // Called once the stored properties are set.
    virtual void Loaded() {}
    // Asks to be told (Notification with opRemove) when `other` goes.
    void FreeNotification(TComponent& other);

    // Creates a component owned (and freed) by this one.
    template <class T, class... Args>
    T& Make(Args&&... args) {
        auto component = std::make_unique<T>(this, std::forward<Args>(args)...);
        T& result = *component;
        owned_.push_back(std::move(component));
        return result;
    }

protected:
    virtual void Notification(TComponent& component, TOperation operation);
    // Marks the component as being destroyed; a destructor calls it first.
    void BeginDestruction() { destroying_ = true; }

private:
    void RemoveFreeNotification(TComponent& other);

    TComponent* owner_;
    std::string name_;
    bool destroying_ = false;
    std::vector<std::unique_ptr<TComponent>> owned_;
    std::vector<TComponent*> notified_;
};

}  // namespace skl
