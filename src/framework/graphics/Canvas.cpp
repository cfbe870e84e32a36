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
#include "framework/graphics/DeviceContext.h"

namespace skl {

namespace {

using ColorTable = std::array<TColor, 256>;

ColorTable ColorsOf(const TBitmapImage& image) {
    ColorTable colors{};
    for (std::size_t i = 0; i < image.ColorTable.size(); ++i) {
        const TRGBQuad& entry = image.ColorTable[i];
        colors[i] = static_cast<TColor>(entry.Red | entry.Green << 8 | entry.Blue << 16);
    }
    return colors;
}

TColor ColorAt(const std::uint8_t* row, int x, int bits, const ColorTable& colors) {
    switch (bits) {
        case 24: {
            const std::uint8_t* pixel = row + 3 * x;
            return static_cast<TColor>(pixel[2] | pixel[1] << 8 | pixel[0] << 16);
        }
        case 8: return colors[row[x]];
        case 4: return colors[(row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0F];
        default: return colors[(row[x / 8] >> (7 - x % 8)) & 1];
    }
}

int Distance(TColor a, TColor b) {
    int sum = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int difference = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        sum += difference * difference;
    }
    return sum;
}

// Reads the pixels of a bitmap image; row 0 is the top row.
class PixelReader {
public:
    explicit PixelReader(const TBitmapImage& image)
        : image_(image), bits_(image.Header.biBitCount), colors_(ColorsOf(image)) {}

    int Width() const { return image_.Header.biWidth; }
    int Height() const { return image_.Header.biHeight; }
    TColor At(int x, int y) const {
        return ColorAt(image_.Bits() + (Height() - 1 - static_cast<std::int64_t>(y)) * image_.Pitch(), x, bits_,
                       colors_);
    }

private:
    const TBitmapImage& image_;
    int bits_;
    ColorTable colors_;
};

// Writes the pixels of a bitmap, one row at a time, through the bitmap's own
// scan lines (which give the bitmap an image of its own first).
class PixelWriter {
public:
    explicit PixelWriter(TBitmap& bitmap) : bitmap_(bitmap) {
        bitmap_.ScanLine(0);
        bits_ = bitmap_.Image()->Header.biBitCount;
        colors_ = ColorsOf(*bitmap_.Image());
        entries_ = static_cast<int>(bitmap_.Image()->ColorTable.size());
    }

    void SelectRow(int y) { row_ = bitmap_.ScanLine(y); }
    TColor At(int x) const { return ColorAt(row_, x, bits_, colors_); }
    void Put(int x, TColor color) {
        switch (bits_) {
            case 24: {
                std::uint8_t* pixel = row_ + 3 * x;
                pixel[0] = static_cast<std::uint8_t>(color >> 16);
                pixel[1] = static_cast<std::uint8_t>(color >> 8);
                pixel[2] = static_cast<std::uint8_t>(color);
                break;
            }
            case 8: row_[x] = Nearest(color); break;
            case 4: {
                const int shift = x % 2 == 0 ? 4 : 0;
                row_[x / 2] = static_cast<std::uint8_t>((row_[x / 2] & ~(0x0F << shift)) | Nearest(color) << shift);
                break;
            }
            default: {
                const int shift = 7 - x % 8;
                row_[x / 8] = static_cast<std::uint8_t>((row_[x / 8] & ~(1 << shift)) | Nearest(color) << shift);
                break;
            }
        }
    }

private:
    std::uint8_t Nearest(TColor color) {
        const auto known = nearest_.find(color);
        if (known != nearest_.end()) return known->second;
        int best = 0;
        for (int i = 1; i < entries_; ++i)
            if (Distance(colors_[i], color) < Distance(colors_[best], color)) best = i;
        return nearest_[color] = static_cast<std::uint8_t>(best);
    }

    TBitmap& bitmap_;
    int bits_ = 24;
    int entries_ = 0;
    ColorTable colors_{};
    std::unordered_map<TColor, std::uint8_t> nearest_;
    std::uint8_t* row_ = nullptr;
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

// Rows of a bitmap image; row 0 is the top row.
const std::uint8_t* RowOf(const TBitmapImage& image, int y) {
    return image.Bits() + (image.Header.biHeight - 1 - static_cast<std::int64_t>(y)) * image.Pitch();
}

// A copy at the source's own size onto a 24-bit surface, the common case
// (frames onto a composed picture, a picture onto a paint buffer), without
// the general path's choices for every pixel. Destination x shows source
// x + shift.X; `area` lies on the surface and, shifted, in the source.
template <int Bits>
void CopyUnscaledTo24(TBitmap& surface, const TBitmapImage& source, const TRect& area, TPoint shift, TColor key) {
    const ColorTable colors = ColorsOf(source);
    const int count = area.Width();
    for (int y = area.Top; y < area.Bottom; ++y) {
        const std::uint8_t* in = RowOf(source, y + shift.Y);
        std::uint8_t* out = surface.ScanLine(y) + 3 * area.Left;
        const int from = area.Left + shift.X;
        if (Bits == 24 && key == clNone) {
            std::memmove(out, in + 3 * from, static_cast<std::size_t>(3 * count));
            continue;
        }
        for (int i = 0; i < count; ++i, out += 3) {
            const TColor color = ColorAt(in, from + i, Bits, colors);
            if (color == key) continue;
            out[0] = static_cast<std::uint8_t>(color >> 16);
            out[1] = static_cast<std::uint8_t>(color >> 8);
            out[2] = static_cast<std::uint8_t>(color);
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

TRect TCanvas::Area(const TRect& rect) const {
    const TRect area = Intersection(Offset(rect, origin_), {0, 0, surface_->Width(), surface_->Height()});
    return clip_ ? Intersection(area, *clip_) : area;
}

void TCanvas::FillRect(const TRect& rect) {
    if (!surface_ || surface_->Empty()) return;
    const TRect area = Area(rect);
    if (area.Width() <= 0 || area.Height() <= 0) return;
    const TColor color = PaintedRGB(Brush.Color);
    PixelWriter out(*surface_);
    if (surface_->PixelFormat() == TPixelFormat::pf24bit) {
        // One row painted, the others copied from it.
        out.SelectRow(area.Top);
        for (int x = area.Left; x < area.Right; ++x) out.Put(x, color);
        const std::uint8_t* first = surface_->ScanLine(area.Top) + 3 * area.Left;
        for (int y = area.Top + 1; y < area.Bottom; ++y)
            std::copy_n(first, 3 * area.Width(), surface_->ScanLine(y) + 3 * area.Left);
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
    if (dest.Width() <= 0 || dest.Height() <= 0 || source.Width() <= 0 || source.Height() <= 0) return;
    const TRect placed = Offset(dest, origin_);
    PixelWriter out(*surface_);  // first: drawing a bitmap on itself reads the image it writes
    const PixelReader in(*bitmap.Image());
    if (key == clDefault) key = in.At(0, in.Height() - 1);
    else if (key != clNone) key = PaintedRGB(key);

    const TRect area = Area(dest);
    if (CopyMode == TCopyMode::cmSrcCopy && surface_->PixelFormat() == TPixelFormat::pf24bit &&
        placed.Width() == source.Width() && placed.Height() == source.Height()) {
        const TPoint shift{source.Left - placed.Left, source.Top - placed.Top};
        const TRect inSource = Offset({0, 0, in.Width(), in.Height()}, {-shift.X, -shift.Y});
        const TRect shown = Intersection(area, inSource);
        if (shown.Width() <= 0 || shown.Height() <= 0) return;
        switch (bitmap.Image()->Header.biBitCount) {
            case 24: return CopyUnscaledTo24<24>(*surface_, *bitmap.Image(), shown, shift, key);
            case 8: return CopyUnscaledTo24<8>(*surface_, *bitmap.Image(), shown, shift, key);
            case 4: return CopyUnscaledTo24<4>(*surface_, *bitmap.Image(), shown, shift, key);
            default: return CopyUnscaledTo24<1>(*surface_, *bitmap.Image(), shown, shift, key);
        }
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
    return PixelReader(*surface_->Image()).At(x, y);
}

}  // namespace skl
