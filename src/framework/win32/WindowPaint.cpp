// Painting on windows through GDI: device-independent bitmaps are put on a
// window's device context as they are.
#include "framework/system/WindowPaint.h"

#include <windows.h>

#include "framework/graphics/Colors.h"
#include "framework/win32/DibInfo.h"
#include "framework/win32/GdiScope.h"
#include "framework/win32/WindowHandle.h"

namespace skl {

namespace {

class TWindowDC final : public TDeviceContext {
public:
    TWindowDC(HWND window, HDC dc, const RECT& client)
        : TDeviceContext({client.left, client.top, client.right, client.bottom}), window_(window), dc_(dc) {}
    ~TWindowDC() override { ReleaseDC(window_, dc_); }

protected:
    void Blit(TPoint at, const TPixelImage& pixels, const TRect& source) override {
        TDibInfo info = DibInfo(pixels);
        const int height = pixels.Rows.Height();
        // Rows lie bottom-up: the source's y is counted from the last row.
        const int fromBottom = height - source.Bottom;
        SetDIBitsToDevice(dc_, at.X, at.Y, static_cast<DWORD>(source.Width()), static_cast<DWORD>(source.Height()),
                          source.Left, fromBottom, 0, static_cast<UINT>(height), pixels.Rows.Row(height - 1).Bytes(),
                          info.Info(), DIB_RGB_COLORS);
    }
    void Fill(const TRect& area, TColor color) override {
        const TGdiObject<HBRUSH> brush(CreateSolidBrush(PaintedRGB(color)));
        const RECT rect{area.Left, area.Top, area.Right, area.Bottom};
        ::FillRect(dc_, &rect, brush.get());
    }

private:
    HWND window_;
    HDC dc_;
};

}  // namespace

std::unique_ptr<TDeviceContext> WindowDC(TWindowHandle window) {
    HWND hwnd = ToHwnd(window);
    RECT client{};
    if (!GetClientRect(hwnd, &client)) return nullptr;
    HDC dc = GetDC(hwnd);
    if (!dc) return nullptr;
    return std::make_unique<TWindowDC>(hwnd, dc, client);
}

void InvalidateWindowRect(TWindowHandle window, const TRect& rect, bool erase) {
    const RECT area{rect.Left, rect.Top, rect.Right, rect.Bottom};
    InvalidateRect(ToHwnd(window), &area, erase);
}

void UpdateWindow(TWindowHandle window) { ::UpdateWindow(ToHwnd(window)); }

}  // namespace skl
