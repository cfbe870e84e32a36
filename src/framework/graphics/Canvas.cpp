// Software drawing on device-independent bitmaps. Pixels are read and written
// as colour values; on a palette surface a colour goes to the nearest entry
// of the surface's colour table.
#include "framework/graphics/Canvas.h"

#include <algorithm>
#include <array>
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

// Reads the colours of a bitmap image's pixels.
class PixelReader {
public:
    explicit PixelReader(const TBitmapImage& image) : rows_(image.Rows()), palette_(image.Palette()) {}

    int Width() const { return rows_.Width(); }
    int Height() const { return rows_.Height(); }
    TColor At(int x, int y) const { return rows_.Row(y).Color(x, palette_.data()); }

private:
    TConstPixelRows rows_;
    Palette palette_;
};

// Writes colours into the pixels of a bitmap, one row at a time; on a
// palette bitmap a colour goes to the nearest entry of the colour table.
class PixelWriter {
public:
    explicit PixelWriter(TBitmap& bitmap)
        : rows_(bitmap.Rows()), palette_(bitmap.Image()->Palette()),
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

TColor Combine(TCopyMode mode, TColor source, TColor destination) {
    switch (mode) {
        case TCopyMode::cmSrcAnd: return source & destination;
        case TCopyMode::cmSrcPaint: return source | destination;
        case TCopyMode::cmSrcInvert: return source ^ destination;
        case TCopyMode::cmSrcCopy: break;
    }
    return source;
}

// The part of `rect` that lies on a surface of width x height.
TRect Clip(const TRect& rect, int width, int height) {
    return {std::max(rect.Left, 0), std::max(rect.Top, 0), std::min(rect.Right, width), std::min(rect.Bottom, height)};
}

// The source coordinate that destination coordinate `at` of a span of
// `length` shows, scaled from a source span starting at `from` of
// `sourceLength`.
int SourceAt(int at, int length, int from, int sourceLength) {
    return from + static_cast<int>(static_cast<std::int64_t>(at) * sourceLength / length);
}

}  // namespace

void TCanvas::FillRect(const TRect& rect) {
    if (!surface_ || surface_->Empty()) return;
    const TRect area = Clip(rect, surface_->Width(), surface_->Height());
    const TColor color = PaintedRGB(Brush.Color);
    PixelWriter out(*surface_);
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
    if (dest.Width() <= 0 || dest.Height() <= 0 || source.Width() <= 0 || source.Height() <= 0) return;
    PixelWriter out(*surface_);  // first: drawing a bitmap on itself reads the image it writes
    const PixelReader in(*bitmap.Image());
    if (key == clDefault) key = bitmap.Image()->CornerColor();
    else if (key != clNone) key = PaintedRGB(key);

    const TRect area = Clip(dest, surface_->Width(), surface_->Height());
    std::vector<int> columns;
    for (int x = area.Left; x < area.Right; ++x)
        columns.push_back(SourceAt(x - dest.Left, dest.Width(), source.Left, source.Width()));
    for (int y = area.Top; y < area.Bottom; ++y) {
        const int sourceY = SourceAt(y - dest.Top, dest.Height(), source.Top, source.Height());
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
    if (!surface_ || x < 0 || y < 0 || x >= surface_->Width() || y >= surface_->Height()) return clNone;
    return PixelReader(*surface_->Image()).At(x, y);
}

}  // namespace skl
