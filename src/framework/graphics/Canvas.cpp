// Software drawing on device-independent bitmaps. Pixels are read and written
// as colour values; on a palette surface a colour goes to the nearest entry
// of the surface's colour table.
#include "framework/graphics/Canvas.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Colors.h"

namespace skl {

namespace {

using Palette = std::array<TColor, 256>;

int Distance(TColor a, TColor b) {
    int sum = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int difference = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        sum += difference * difference;
    }
    return sum;
}

// Reads the colours of a picture's pixels.
class PixelReader {
public:
    explicit PixelReader(const TPixelImage& image) : rows_(image.Rows), palette_(image.Palette()) {}

    int Width() const { return rows_.Width(); }
    int Height() const { return rows_.Height(); }
    TColor At(int x, int y) const { return rows_.Row(y).Color(x, palette_.data()); }

private:
    TConstPixelRows rows_;
    Palette palette_;
};

TColor Combine(TCopyMode mode, TColor source, TColor destination) {
    switch (mode) {
        case TCopyMode::cmSrcAnd: return source & destination;
        case TCopyMode::cmSrcPaint: return source | destination;
        case TCopyMode::cmSrcInvert: return source ^ destination;
        case TCopyMode::cmSrcCopy: break;
    }
    return source;
}

// A copy at the source's own size onto a 24-bit surface, the common case
// (frames onto a composed picture, a picture onto a paint buffer), without
// the general path's choices for every pixel. Destination x shows source
// x + shift.X; `area` lies on the surface and, shifted, in the source.
void CopyUnscaledTo24(TBitmap& surface, const TPixelImage& source, const TRect& area, TPoint shift, TColor key) {
    const TConstPixelRows in = source.Rows;
    const TPixelRows out = surface.Rows();
    const Palette palette = source.Palette();
    for (int y = area.Top; y < area.Bottom; ++y) {
        const auto from = in.Row(y + shift.Y);
        const TPixelRow to = out.Row(y);
        if (in.Bits() == 24 && key == clNone) {
            std::memmove(to.Bytes() + 3 * area.Left, from.Bytes() + 3 * (area.Left + shift.X),
                         static_cast<std::size_t>(3 * area.Width()));
            continue;
        }
        for (int x = area.Left; x < area.Right; ++x) {
            const TColor color = from.Color(x + shift.X, palette.data());
            if (color != key) to.SetRgb(x, color);
        }
    }
}

// The source coordinate that destination coordinate `at` of a span of
// `length` shows, scaled from a source span starting at `from` of
// `sourceLength`.
int SourceAt(int at, int length, int from, int sourceLength) {
    return from + static_cast<int>(static_cast<std::int64_t>(at) * sourceLength / length);
}

}  // namespace

// Writes colours into the pixels of a bitmap, one row at a time; on a
// palette bitmap a colour goes to the nearest entry of the colour table.
class TCanvas::PixelWriter {
public:
    explicit PixelWriter(TBitmap& bitmap)
        : rows_(bitmap.Rows()), palette_(bitmap.Image()->Pixels().Palette()),
          entries_(static_cast<int>(bitmap.Image()->ColorTable.size())) {}

    void SelectRow(int y) { row_ = rows_.Row(y); }
    TColor At(int x) const { return row_.Color(x, palette_.data()); }
    void Put(int x, TColor color) {
        if (rows_.Bits() == 24) row_.SetRgb(x, color);
        else row_.SetIndex(x, Nearest(color));
    }

private:
    int Nearest(TColor color) {
        const auto known = nearest_.find(color);
        if (known != nearest_.end()) return known->second;
        int best = 0;
        for (int i = 1; i < entries_; ++i)
            if (Distance(palette_[i], color) < Distance(palette_[best], color)) best = i;
        return nearest_[color] = best;
    }

    TPixelRows rows_;
    Palette palette_;
    int entries_;
    std::unordered_map<TColor, int> nearest_;
    TPixelRow row_{nullptr, 24};
};

TRect TCanvas::Area(const TRect& rect) const {
    const TRect area = Intersection(Offset(rect, origin_), {0, 0, surface_->Width(), surface_->Height()});
    return clip_ ? Intersection(area, *clip_) : area;
}

void TCanvas::FillRect(const TRect& rect) {
    if (!surface_ || surface_->Empty()) return;
    const TRect area = Area(rect);
    if (area.Empty()) return;
    const TColor color = PaintedRGB(Brush.Color);
    PixelWriter out(*surface_);
    if (surface_->PixelFormat() == TPixelFormat::pf24bit) {
        // One row painted, the others copied from it.
        out.SelectRow(area.Top);
        for (int x = area.Left; x < area.Right; ++x) out.Put(x, color);
        const TPixelRows rows = surface_->Rows();
        const std::uint8_t* first = rows.Row(area.Top).Bytes() + 3 * area.Left;
        for (int y = area.Top + 1; y < area.Bottom; ++y)
            std::copy_n(first, 3 * area.Width(), rows.Row(y).Bytes() + 3 * area.Left);
        return;
    }
    for (int y = area.Top; y < area.Bottom; ++y) {
        out.SelectRow(y);
        for (int x = area.Left; x < area.Right; ++x) out.Put(x, color);
    }
}

void TCanvas::Draw(int x, int y, TGraphic& graphic) {
    StretchDraw({x, y, x + graphic.Width(), y + graphic.Height()}, graphic);
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic& graphic) { graphic.Draw(*this, rect); }

void TCanvas::CopyBitmap(const TRect& dest, TBitmap& bitmap, const TRect& source, TColor key) {
    if (!surface_ || surface_->Empty() || bitmap.Empty()) return;
    PixelWriter out(*surface_);  // first: drawing a bitmap on itself reads the image it writes
    const TPixelImage pixels = bitmap.Image()->Pixels();
    Copy(out, dest, pixels, source, key == clDefault ? pixels.CornerColor() : key);
}

void TCanvas::CopyPixels(const TRect& dest, const TPixelImage& pixels, const TRect& source) {
    if (!surface_ || surface_->Empty()) return;
    PixelWriter out(*surface_);
    Copy(out, dest, pixels, source, clNone);
}

void TCanvas::Copy(PixelWriter& out, const TRect& dest, const TPixelImage& pixels, const TRect& source, TColor key) {
    if (dest.Empty() || source.Empty()) return;
    const TRect placed = Offset(dest, origin_);
    const PixelReader in(pixels);
    if (key != clNone) key = PaintedRGB(key);

    const TRect area = Area(dest);
    if (CopyMode == TCopyMode::cmSrcCopy && surface_->PixelFormat() == TPixelFormat::pf24bit &&
        placed.Width() == source.Width() && placed.Height() == source.Height()) {
        const TPoint shift{source.Left - placed.Left, source.Top - placed.Top};
        const TRect inSource = Offset({0, 0, in.Width(), in.Height()}, {-shift.X, -shift.Y});
        const TRect shown = Intersection(area, inSource);
        if (!shown.Empty()) CopyUnscaledTo24(*surface_, pixels, shown, shift, key);
        return;
    }
    std::vector<int> columns;
    for (int x = area.Left; x < area.Right; ++x)
        columns.push_back(SourceAt(x - placed.Left, placed.Width(), source.Left, source.Width()));
    for (int y = area.Top; y < area.Bottom; ++y) {
        const int sourceY = SourceAt(y - placed.Top, placed.Height(), source.Top, source.Height());
        if (sourceY < 0 || sourceY >= in.Height()) continue;
        out.SelectRow(y);
        for (int x = area.Left; x < area.Right; ++x) {
            const int sourceX = columns[x - area.Left];
            if (sourceX < 0 || sourceX >= in.Width()) continue;
            const TColor color = in.At(sourceX, sourceY);
            if (key == clNone) out.Put(x, Combine(CopyMode, color, out.At(x)));
            else if (color != key) out.Put(x, color);
        }
    }
}

TColor TCanvas::Pixel(int x, int y) {
    x += origin_.X;
    y += origin_.Y;
    if (!surface_ || x < 0 || y < 0 || x >= surface_->Width() || y >= surface_->Height()) return clNone;
    return PixelReader(surface_->Image()->Pixels()).At(x, y);
}

}  // namespace skl
