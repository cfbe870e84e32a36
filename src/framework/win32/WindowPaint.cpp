// Painting on windows through GDI: device-independent bitmaps are put on a
// window's device context as they are.
#include "framework/system/WindowPaint.h"

#include <windows.h>

#include <vector>

#include "framework/graphics/Bitmap.h"

namespace skl {

namespace {

HWND ToHwnd(TWindowHandle handle) { return reinterpret_cast<HWND>(handle); }

// A bitmap's header and colour table as GDI takes them.
class TBitmapInfo {
public:
    explicit TBitmapInfo(const TBitmapImage& image) : memory_(sizeof(BITMAPINFOHEADER) + 4 * image.ColorTable.size()) {
        auto* info = reinterpret_cast<BITMAPINFO*>(memory_.data());
        const TBitmapInfoHeader& header = image.Header;
        info->bmiHeader = {sizeof(BITMAPINFOHEADER), header.biWidth, header.biHeight, 1, header.biBitCount, BI_RGB,
                           header.biSizeImage, 0, 0, static_cast<DWORD>(image.ColorTable.size()), 0};
        for (std::size_t i = 0; i < image.ColorTable.size(); ++i) {
            const TRGBQuad& entry = image.ColorTable[i];
            info->bmiColors[i] = {entry.Blue, entry.Green, entry.Red, 0};
        }
    }
    const BITMAPINFO* get() const { return reinterpret_cast<const BITMAPINFO*>(memory_.data()); }

private:
    std::vector<unsigned char> memory_;
};

class TWindowDC final : public TDeviceContext {
public:
    // A context got with GetDC, or with BeginPaint when `paint` is given.
    TWindowDC(HWND window, HDC dc, const RECT& client, const PAINTSTRUCT* paint)
        : TDeviceContext({client.left, client.top, client.right, client.bottom}), window_(window), dc_(dc) {
        if (paint) {
            paint_ = *paint;
            painting_ = true;
        }
    }
    ~TWindowDC() override {
        if (painting_)
            EndPaint(window_, &paint_);
        else
            ReleaseDC(window_, dc_);
    }

protected:
    void Blit(TPoint at, TBitmap& bitmap, const TRect& source) override {
        const TBitmapImage* image = bitmap.Image();
        if (!image) return;
        const TBitmapInfo info(*image);
        // Rows lie bottom-up: the source's y is counted from the last row.
        const int fromBottom = image->Header.biHeight - source.Bottom;
        SetDIBitsToDevice(dc_, at.X, at.Y, static_cast<DWORD>(source.Width()), static_cast<DWORD>(source.Height()),
                          source.Left, fromBottom, 0, static_cast<UINT>(image->Header.biHeight), image->Bits(),
                          info.get(), DIB_RGB_COLORS);
    }
    void Fill(const TRect& area, TColor color) override {
        HBRUSH brush = CreateSolidBrush(color & 0xFFFFFF);
        const RECT rect{area.Left, area.Top, area.Right, area.Bottom};
        ::FillRect(dc_, &rect, brush);
        DeleteObject(brush);
    }

private:
    HWND window_;
    HDC dc_;
    PAINTSTRUCT paint_{};
    bool painting_ = false;
};

}  // namespace

std::unique_ptr<TDeviceContext> BeginWindowPaint(TWindowHandle window) {
    HWND hwnd = ToHwnd(window);
    RECT client{};
    GetClientRect(hwnd, &client);
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(hwnd, &paint);
    auto context = std::make_unique<TWindowDC>(hwnd, dc, client, &paint);
    context->IntersectClip({paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right, paint.rcPaint.bottom});
    return context;
}

std::unique_ptr<TDeviceContext> WindowDC(TWindowHandle window) {
    HWND hwnd = ToHwnd(window);
    RECT client{};
    if (!GetClientRect(hwnd, &client)) return nullptr;
    HDC dc = GetDC(hwnd);
    if (!dc) return nullptr;
    return std::make_unique<TWindowDC>(hwnd, dc, client, nullptr);
}

void InvalidateWindowRect(TWindowHandle window, const TRect& rect, bool erase) {
    const RECT area{rect.Left, rect.Top, rect.Right, rect.Bottom};
    InvalidateRect(ToHwnd(window), &area, erase);
}

void UpdateWindow(TWindowHandle window) { ::UpdateWindow(ToHwnd(window)); }

}  // namespace skl
