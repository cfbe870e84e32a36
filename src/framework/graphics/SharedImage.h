#pragma once
// Reference-counted records shared by copies of a picture. A record destroys
// itself when the last reference goes.
#include <atomic>
#include <cstdint>
#include <utility>

namespace skl {

class TSharedImage {
public:
    TSharedImage() = default;
    TSharedImage(const TSharedImage&) = delete;
    TSharedImage& operator=(const TSharedImage&) = delete;
    virtual ~TSharedImage() = default;

    void Reference() { ++refCount_; }
    void Release() {
        if (--refCount_ == 0) delete this;
    }
    std::int32_t RefCount() const { return refCount_; }

private:
    std::atomic<std::int32_t> refCount_{0};
};

// Holds one reference to a shared record.
template <class T>
class TSharedRef {
public:
    TSharedRef() = default;
    explicit TSharedRef(T* image) : image_(image) {
        if (image_) image_->Reference();
    }
    TSharedRef(const TSharedRef& other) : TSharedRef(other.image_) {}
    TSharedRef(TSharedRef&& other) noexcept : image_(std::exchange(other.image_, nullptr)) {}
    TSharedRef& operator=(TSharedRef other) noexcept {
        std::swap(image_, other.image_);
        return *this;
    }
    ~TSharedRef() {
        if (image_) image_->Release();
    }

    T* get() const { return image_; }
    T* operator->() const { return image_; }
    T& operator*() const { return *image_; }
    explicit operator bool() const { return image_ != nullptr; }

private:
    T* image_ = nullptr;
};

template <class T, class... Args>
TSharedRef<T> MakeShared(Args&&... args) {
    return TSharedRef<T>(new T(std::forward<Args>(args)...));
}

}  // namespace skl
