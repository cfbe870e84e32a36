#pragma once
// Handles the system gives out, one type for each kind of thing, so that a
// font handle cannot be passed where a window handle is meant; and the
// owner that gives one back to the system when it goes.
#include <cstdint>
#include <functional>
#include <utility>

namespace skl {

template <class Kind, class Value = std::uintptr_t, Value None = 0>
class THandle {
public:
    constexpr THandle() = default;
    constexpr explicit THandle(Value value) : value_(value) {}

    constexpr Value Get() const { return value_; }
    constexpr explicit operator bool() const { return value_ != None; }
    friend constexpr bool operator==(THandle, THandle) = default;
    friend constexpr auto operator<=>(THandle, THandle) = default;

private:
    Value value_ = None;
};

// Holds one handle and closes it with `Close` when it is replaced or goes.
template <class Handle, void (*Close)(Handle)>
class TOwnedHandle {
public:
    TOwnedHandle() = default;
    explicit TOwnedHandle(Handle handle) : handle_(handle) {}
    TOwnedHandle(TOwnedHandle&& other) noexcept : handle_(other.Release()) {}
    TOwnedHandle& operator=(TOwnedHandle&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    ~TOwnedHandle() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return static_cast<bool>(handle_); }
    // Hands the handle over: the owner no longer closes it.
    Handle Release() { return std::exchange(handle_, Handle{}); }
    void Reset(Handle handle = Handle{}) {
        if (const Handle old = std::exchange(handle_, handle)) Close(old);
    }

private:
    Handle handle_{};
};

}  // namespace skl

template <class Kind, class Value, Value None>
struct std::hash<skl::THandle<Kind, Value, None>> {
    std::size_t operator()(skl::THandle<Kind, Value, None> handle) const noexcept {
        return std::hash<Value>()(handle.Get());
    }
};
