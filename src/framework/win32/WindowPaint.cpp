#include "framework/system/WindowPaint.h"

#include <windows.h>

#include <mutex>

#include "framework/win32/DibInfo.h"

namespace skl {

void PutBitmap(TWindowHandle window, const TRect& dest, TBitmap& bitmap) {
    // No other thread changes the pixels while the system reads them.
    std::lock_guard hold(bitmap.Canvas());
    const TBitmapImage* image = bitmap.Image();
    if (!image) return;
    TDibInfo info = DibInfo(*image);
    HWND hwnd = reinterpret_cast<HWND>(window);
    HDC dc = GetDC(hwnd);
    if (!dc) return;
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, dest.Left, dest.Top, dest.Width(), dest.Height(), 0, 0, image->Header.biWidth,
                  image->Header.biHeight, image->Bits(), info.Info(), DIB_RGB_COLORS, SRCCOPY);
    ReleaseDC(hwnd, dc);
}

}  // namespace skl
