// The headless windows paint on surfaces in memory that a test can read.
#include "framework/system/WindowPaint.h"

#include <algorithm>
#include <mutex>

#include "framework/fake/DesktopState.h"
#include "framework/graphics/BitmapDC.h"
#include "framework/graphics/Colors.h"

namespace skl {

using fake::Desktop;
using fake::TDesktop;
using fake::TSurface;

namespace {

// A context on a window's surface. The surface may go with its window while
// the context lives; painting then lands nowhere.
class TSurfaceDC final : public TDeviceContext {
public:
    TSurfaceDC(TWindowHandle window, const TRect& bounds) : TDeviceContext(bounds), window_(window) {}

protected:
    void Blit(TPoint at, const TPixelImage& pixels, const TRect& source) override {
        TDesktop& desktop = Desktop();
        std::lock_guard guard(desktop.Lock);
        if (TSurface* surface = fake::SurfaceOf(desktop, window_)) BlitOnBitmap(surface->Pixels, at, pixels, source);
    }
    void Fill(const TRect& area, TColor color) override {
        TDesktop& desktop = Desktop();
        std::lock_guard guard(desktop.Lock);
        if (TSurface* surface = fake::SurfaceOf(desktop, window_)) FillOnBitmap(surface->Pixels, area, color);
    }

private:
    TWindowHandle window_;
};

TRect Bounds(TSurface& surface) { return {0, 0, surface.Pixels.Width(), surface.Pixels.Height()}; }

}  // namespace

void fake::PaintDefault(TWindowHandle window) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    TSurface* surface = SurfaceOf(desktop, window);
    if (!surface || !surface->Invalid) return;
    if (surface->Erase) {
        surface->Pixels.Canvas().Brush.Color = clBtnFace;
        surface->Pixels.Canvas().FillRect(*surface->Invalid);
    }
    surface->Invalid.reset();
    surface->Erase = false;
}

std::unique_ptr<TDeviceContext> WindowDC(TWindowHandle window) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    TSurface* surface = fake::SurfaceOf(desktop, window);
    if (!surface) return nullptr;
    return std::make_unique<TSurfaceDC>(window, Bounds(*surface));
}

void InvalidateWindowRect(TWindowHandle window, const TRect& rect, bool erase) {
    TDesktop& desktop = Desktop();
    std::lock_guard guard(desktop.Lock);
    TSurface* surface = fake::SurfaceOf(desktop, window);
    if (!surface) return;
    const TRect area = Intersection(rect, Bounds(*surface));
    if (area.Empty()) return;
    surface->Invalid = surface->Invalid ? Union(*surface->Invalid, area) : area;
    surface->Erase = surface->Erase || erase;
}

void UpdateWindow(TWindowHandle window) {
    if (!fake::InvalidRect(window)) return;
    SendWindowMessage(window, wm::Paint);
}

}  // namespace skl
