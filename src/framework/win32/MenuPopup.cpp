#include "framework/system/MenuPopup.h"

#include <windows.h>

#include <memory>
#include <vector>

#include "framework/win32/GdiScope.h"
#include "framework/win32/WideText.h"

namespace skl {

namespace {

struct MenuDeleter {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using MenuHandle = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;
using BitmapHandle = TGdiObject<HBITMAP>;

// The picture as the menu shows it: the colour a transparent bitmap leaves
// see-through becomes the menu's background colour. (Alpha would be nicer,
// but not every system blends menu pictures: Wine draws transparent pixels
// black.)
BitmapHandle MenuBitmap(const TPixelImage& picture) {
    const int width = picture.Rows.Width(), height = picture.Rows.Height();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return nullptr;
    const auto palette = picture.Palette();
    const TColor transparent = picture.CornerColor();
    const TColor background = GetSysColor(COLOR_MENU);
    auto* out = static_cast<std::uint8_t*>(bits);
    for (int row = height - 1; row >= 0; --row) {
        const auto pixels = picture.Rows.Row(row);
        for (int x = 0; x < width; ++x, out += 4) {
            TColor colour = pixels.Color(x, palette.data());
            if (colour == transparent) colour = background;
            out[0] = GetBValue(colour);
            out[1] = GetGValue(colour);
            out[2] = GetRValue(colour);
            out[3] = 255;
        }
    }
    return bitmap;
}

UINT TrackFlags(const TMenuPlacement& placement) {
    UINT flags = TPM_RETURNCMD | TPM_NONOTIFY;
    if (placement.Alignment == TPopupAlignment::paRight) flags |= TPM_RIGHTALIGN;
    if (placement.Alignment == TPopupAlignment::paCenter) flags |= TPM_CENTERALIGN;
    flags |= placement.TrackButton == TTrackButton::tbRightButton ? TPM_RIGHTBUTTON : TPM_LEFTBUTTON;
    return flags;
}

// The menu belongs to a window of this thread: the foreground one when it is
// ours (the caller has just brought its window forward), else one of our own.
HWND OwnerWindow() {
    HWND foreground = GetForegroundWindow();
    if (foreground && GetWindowThreadProcessId(foreground, nullptr) == GetCurrentThreadId()) return foreground;
    thread_local HWND own = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                            nullptr, GetModuleHandleW(nullptr), nullptr);
    return own;
}

}  // namespace

int ShowPopupMenu(const std::vector<TMenuEntry>& entries, const TMenuPlacement& placement) {
    MenuHandle handle(CreatePopupMenu());
    if (!handle) return -1;
    std::vector<BitmapHandle> bitmaps;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const TMenuEntry& entry = entries[i];
        if (entry.Caption == "-") {
            AppendMenuW(handle.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const std::wstring caption = Wide(entry.Caption);
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE;
        info.wID = static_cast<UINT>(i + 1);
        info.dwTypeData = const_cast<wchar_t*>(caption.c_str());
        info.fState = (entry.Enabled ? MFS_ENABLED : MFS_DISABLED) | (entry.Default ? MFS_DEFAULT : 0);
        if (BitmapHandle bitmap = entry.Picture ? MenuBitmap(*entry.Picture) : nullptr) {
            info.fMask |= MIIM_BITMAP;
            info.hbmpItem = bitmap.get();
            bitmaps.push_back(std::move(bitmap));
        }
        InsertMenuItemW(handle.get(), GetMenuItemCount(handle.get()), TRUE, &info);
    }
    const int chosen = TrackPopupMenu(handle.get(), TrackFlags(placement), placement.Point.X, placement.Point.Y, 0,
                                      OwnerWindow(), nullptr);
    return chosen > 0 && chosen <= static_cast<int>(entries.size()) ? chosen - 1 : -1;
}

}  // namespace skl
