#pragma once
// Device contexts and drawing objects that are given back when their scope
// ends, so that no path forgets a release.
#include <windows.h>

#include <memory>
#include <type_traits>

namespace skl {

// The device context of a window, or of the screen for none.
class TScopedWindowDC {
public:
    explicit TScopedWindowDC(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
    ~TScopedWindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    TScopedWindowDC(const TScopedWindowDC&) = delete;
    TScopedWindowDC& operator=(const TScopedWindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A device context in memory that draws like `like`.
class TScopedMemoryDC {
public:
    explicit TScopedMemoryDC(HDC like) : dc_(CreateCompatibleDC(like)) {}
    ~TScopedMemoryDC() {
        if (dc_) DeleteDC(dc_);
    }
    TScopedMemoryDC(const TScopedMemoryDC&) = delete;
    TScopedMemoryDC& operator=(const TScopedMemoryDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// An object selected into a device context while the scope lasts.
class TScopedSelection {
public:
    TScopedSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~TScopedSelection() { SelectObject(dc_, previous_); }
    TScopedSelection(const TScopedSelection&) = delete;
    TScopedSelection& operator=(const TScopedSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

struct TGdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
// A bitmap, brush or font of our own, deleted when it goes.
template <class Handle>
using TGdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, TGdiObjectDeleter>;

}  // namespace skl
