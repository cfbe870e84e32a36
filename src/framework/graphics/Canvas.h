#pragma once
// A drawing surface with a re-entrant lock, so that a worker thread and the
// user-interface thread take turns on it. A canvas draws in software on its
// surface, a device-independent bitmap in memory; a canvas that shows on a
// window draws into a bitmap of its own and has the system put that on the
// window.
#include <cstdint>
#include <mutex>
#include <optional>

#include "framework/core/PixelRows.h"
#include "framework/core/Types.h"

namespace skl {

class TBitmap;
class TGraphic;

// How copied pixels combine with the pixels beneath, by the system's raster
// operation codes.
enum class TCopyMode : std::uint32_t {
    cmSrcCopy = 0x00CC0020,    // the source
    cmSrcAnd = 0x008800C6,     // source AND destination
    cmSrcPaint = 0x00EE0086,   // source OR destination
    cmSrcInvert = 0x00660046,  // source XOR destination
};

// How the system treats the rows and columns that a shrinking stretch drops,
// by its own codes. The software stretch always keeps one source pixel per
// destination pixel, as colour-on-colour does; the mode is kept for the
// system, which stretches onto windows.
enum class TStretchMode { smBlackOnWhite = 1, smWhiteOnBlack = 2, smColorOnColor = 3, smHalftone = 4 };

struct TBrush {
    TColor Color = clWhite;
};

class TCanvas {
public:
    explicit TCanvas(TBitmap* surface = nullptr) : surface_(surface) {}
    virtual ~TCanvas() = default;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    void Lock() { lock_.lock(); }
    void Unlock() { lock_.unlock(); }
    bool TryLock() { return lock_.try_lock(); }
    // Lockable names, so that std::lock_guard and std::unique_lock take a canvas.
    void lock() { Lock(); }
    void unlock() { Unlock(); }
    bool try_lock() { return TryLock(); }

    TBrush Brush;
    TCopyMode CopyMode = TCopyMode::cmSrcCopy;
    TStretchMode StretchMode = TStretchMode::smBlackOnWhite;

    // The bitmap drawn on; none while the canvas has nothing to draw on.
    TBitmap* Surface() const { return surface_; }

    // Fills the rectangle with the brush colour.
    void FillRect(const TRect& rect);
    // Draws the graphic at its own size with its top-left corner at (x, y).
    void Draw(int x, int y, TGraphic& graphic);
    // Draws the graphic scaled into the rectangle.
    void StretchDraw(const TRect& rect, TGraphic& graphic);
    // Copies the rectangle `source` of `bitmap` scaled onto the rectangle
    // `dest`, one source pixel per destination pixel, combined by CopyMode.
    // With a key colour (clNone: none), source pixels of exactly that colour
    // leave the canvas as it is and the others are copied as they are;
    // clDefault as the key stands for the colour of the bitmap's bottom-left
    // pixel.
    void CopyBitmap(const TRect& dest, TBitmap& bitmap, const TRect& source, TColor key = clNone);
    // The same for pixels that no bitmap holds, with no key colour.
    void CopyPixels(const TRect& dest, const TPixelImage& pixels, const TRect& source);
    // The colour of a pixel of the surface; clNone outside it.
    TColor Pixel(int x, int y);

protected:
    void SetSurface(TBitmap* surface, TPoint origin = {}, std::optional<TRect> clip = std::nullopt) {
        surface_ = surface;
        origin_ = origin;
        clip_ = clip;
    }

private:
    class PixelWriter;

    // The surface area that a drawing of `rect` (canvas coordinates) may change.
    TRect Area(const TRect& rect) const;
    void Copy(PixelWriter& out, const TRect& dest, const TPixelImage& pixels, const TRect& source, TColor key);

    std::recursive_mutex lock_;
    TBitmap* surface_;
    TPoint origin_;
    std::optional<TRect> clip_;
};

}  // namespace skl
