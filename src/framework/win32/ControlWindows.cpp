#include "framework/system/ControlWindows.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <map>
#include <mutex>

#include "framework/graphics/Colors.h"
#include "framework/system/Screen.h"
#include "framework/win32/CommonControls.h"
#include "framework/win32/DibInfo.h"
#include "framework/win32/GdiScope.h"
#include "framework/win32/WideText.h"
#include "framework/win32/WindowHandle.h"

namespace skl {

namespace {


LRESULT Send(TWindowHandle window, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(ToHwnd(window), msg, wParam, lParam);
}

// The glyph at this screen's size, with a mask from the colour of its
// bottom-left pixel.
HIMAGELIST GlyphList(const TPixelImage& glyph) {
    const int width = glyph.Rows.Width(), height = glyph.Rows.Height();
    TDibInfo info = DibInfo(glyph);
    const int scaledWidth = ScreenPixels(width), scaledHeight = ScreenPixels(height);
    const TScopedWindowDC screen;
    const TScopedMemoryDC from(screen.Get()), to(screen.Get());
    const TGdiObject<HBITMAP> scaled(CreateCompatibleBitmap(screen.Get(), scaledWidth, scaledHeight));
    void* bits = nullptr;
    const TGdiObject<HBITMAP> original(CreateDIBSection(from.Get(), info.Info(), DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!original || !scaled || !bits) return nullptr;
    std::copy_n(glyph.Rows.Row(height - 1).Bytes(), glyph.Rows.Pitch() * height, static_cast<std::uint8_t*>(bits));
    {
        const TScopedSelection fromOriginal(from.Get(), original.get()), toScaled(to.Get(), scaled.get());
        SetStretchBltMode(to.Get(), COLORONCOLOR);
        StretchBlt(to.Get(), 0, 0, scaledWidth, scaledHeight, from.Get(), 0, 0, width, height, SRCCOPY);
    }
    HIMAGELIST list = CreateImageList(scaledWidth, scaledHeight, ILC_COLOR24 | ILC_MASK, 1, 0);
    if (list) AddMaskedImage(list, scaled.get(), glyph.CornerColor());
    return list;
}

// One list per button, kept while the button shows it.
class TGlyphLists {
public:
    // The lists of buttons that are gone go with the next.
    void Keep(TWindowHandle button, HIMAGELIST list) {
        std::lock_guard hold(mutex_);
        std::erase_if(lists_, [&](const auto& kept) {
            const bool replaced = kept.first == button || !IsWindow(ToHwnd(kept.first));
            if (replaced) DestroyImageList(kept.second);
            return replaced;
        });
        if (list) lists_[button] = list;
    }

    void DestroyAll() {
        std::lock_guard hold(mutex_);
        for (const auto& [button, list] : lists_) DestroyImageList(list);
        lists_.clear();
    }

private:
    std::mutex mutex_;
    std::map<TWindowHandle, HIMAGELIST> lists_;
};

TGlyphLists& GlyphLists() {
    static TGlyphLists lists;
    return lists;
}

BOOL CALLBACK FindControlWindow(HWND window, LPARAM found) {
    wchar_t name[64];
    const int length = GetClassNameW(window, name, 64);
    if (!IsCommonControlClass(std::wstring(name, static_cast<std::size_t>(std::max(length, 0))))) return TRUE;
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
}

BOOL CALLBACK FindControlWindowOfProcess(HWND window, LPARAM found) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && FindControlWindow(window, found))
        EnumChildWindows(window, FindControlWindow, found);
    return *reinterpret_cast<bool*>(found) ? FALSE : TRUE;
}

// A window of the library's classes anywhere in the process, a message box's
// buttons included.
bool ProcessHasControlWindows() {
    bool found = false;
    EnumWindows(FindControlWindowOfProcess, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

void FocusWindow(TWindowHandle window) { SetFocus(ToHwnd(window)); }

TWindowHandle FocusedWindow() { return FromHwnd(GetFocus()); }

void EnableWindowInput(TWindowHandle window, bool enabled) { EnableWindow(ToHwnd(window), enabled); }

bool ButtonChecked(TWindowHandle button) { return Send(button, BM_GETCHECK) == BST_CHECKED; }

void SetButtonChecked(TWindowHandle button, bool checked) {
    Send(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

void SetButtonDefaultLook(TWindowHandle button, bool isDefault) {
    const auto style = static_cast<WPARAM>(GetWindowLongW(ToHwnd(button), GWL_STYLE) & 0xFFF0);
    Send(button, BM_SETSTYLE, style | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), TRUE);
}

void SetButtonGlyph(TWindowHandle button, const TPixelImage& glyph) {
    BUTTON_IMAGELIST settings{GlyphList(glyph), {0, 0, 0, 0}, BUTTON_IMAGELIST_ALIGN_LEFT};
    Send(button, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&settings));
    GlyphLists().Keep(button, settings.himl);
}

bool ReleaseControlLibrary() {
    // A program that never showed a control looks for none.
    if (!CommonControlsLoaded()) return true;
    if (ProcessHasControlWindows()) return false;
    GlyphLists().DestroyAll();
    ReleaseCommonControls();
    return true;
}

void InsertListEntry(TWindowHandle list, int index, const std::string& text) {
    Send(list, CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(Wide(text).c_str()));
}

void ClearListEntries(TWindowHandle list) { Send(list, CB_RESETCONTENT); }

void SelectListEntry(TWindowHandle list, int index) { Send(list, CB_SETCURSEL, static_cast<WPARAM>(index)); }

int SelectedListEntry(TWindowHandle list) { return static_cast<int>(Send(list, CB_GETCURSEL)); }

// The frame around the field, and what becomes of a field height asked
// for, differ between systems and themes: the height asked for is corrected
// until the whole is right.
void SetListFieldHeight(TWindowHandle list, int height) {
    auto field = static_cast<int>(Send(list, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1)));
    for (int attempt = 0; attempt < 3; ++attempt) {
        RECT closed{};
        GetWindowRect(ToHwnd(list), &closed);
        const int error = height - (closed.bottom - closed.top);
        field += error;
        if (error == 0 || field <= 0) return;
        Send(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
}

void SetTabs(TWindowHandle tabs, const std::vector<std::string>& captions) {
    Send(tabs, TCM_DELETEALLITEMS);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        std::wstring caption = Wide(captions[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        Send(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
}

void SelectTab(TWindowHandle tabs, int index) { Send(tabs, TCM_SETCURSEL, static_cast<WPARAM>(index)); }

int SelectedTab(TWindowHandle tabs) { return static_cast<int>(Send(tabs, TCM_GETCURSEL)); }

int TabCount(TWindowHandle tabs) { return static_cast<int>(Send(tabs, TCM_GETITEMCOUNT)); }

TRect TabDisplayArea(TWindowHandle tabs) {
    RECT area{};
    GetClientRect(ToHwnd(tabs), &area);
    Send(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    return {area.left, area.top, area.right, area.bottom};
}

void SetUpDownBuddy(TWindowHandle upDown, TWindowHandle buddy) {
    Send(upDown, UDM_SETBUDDY, buddy.Get());
    // The position stays between the ends, so that both buttons always step.
    Send(upDown, UDM_SETRANGE32, static_cast<WPARAM>(-1), 1);
    Send(upDown, UDM_SETPOS32, 0, 0);
}

TNotification ReadNotification(std::intptr_t lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    TNotification notification{FromHwnd(header->hwndFrom), static_cast<int>(header->code), 0};
    if (header->code == UDN_DELTAPOS) notification.Delta = reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta;
    return notification;
}

std::intptr_t ControlColors(std::uintptr_t deviceContext, TColor text, TColor background) {
    HDC dc = reinterpret_cast<HDC>(deviceContext);
    SetTextColor(dc, PaintedRGB(text));
    SetBkColor(dc, PaintedRGB(background));
    if (background & clSystemColor) return reinterpret_cast<std::intptr_t>(GetSysColorBrush(background & 0xFF));
    static std::mutex mutex;
    static std::map<TColor, HBRUSH> brushes;
    std::lock_guard hold(mutex);
    HBRUSH& brush = brushes[background];
    if (!brush) brush = CreateSolidBrush(background & 0xFFFFFF);
    return reinterpret_cast<std::intptr_t>(brush);
}

}  // namespace skl
