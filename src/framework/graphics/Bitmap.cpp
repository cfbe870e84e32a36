#include "framework/graphics/Bitmap.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <typeinfo>

#include "framework/core/Exceptions.h"

namespace skl {

namespace {

std::atomic<bool> lockingDraw{false};

}  // namespace

TBitmapImage::TBitmapImage(int width, int height, TPixelFormat format) {
    const int bits = static_cast<int>(format);
    const std::int64_t pitch = RowPitch(width, bits);
    // Before the product: sides read from a file can be large enough to overflow it.
    if (width < 0 || height < 0 || (height > 0 && pitch > MaxImageBytes / height))
        throw EOutOfResources(SOutOfResources);
    const std::int64_t size = pitch * height;
    Header.biWidth = width;
    Header.biHeight = height;
    Header.biBitCount = static_cast<std::uint16_t>(bits);
    Header.biSizeImage = static_cast<std::uint32_t>(size);
    if (bits <= 8) ColorTable.resize(std::size_t{1} << bits);
    // Zeroed memory: large blocks come zeroed from the system at no cost,
    // and the pad bytes at the row ends stay 0.
    const auto bytes = static_cast<std::size_t>(size);
    bits_ = {AllocatePixels(bytes), TFreePixels{bytes}};
    if (!bits_) throw EOutOfResources(SOutOfResources);
}

TBitmapImage::TBitmapImage(const TBitmapImage& other)
    : TBitmapImage(other.Header.biWidth, other.Header.biHeight, static_cast<TPixelFormat>(other.Header.biBitCount)) {
    Header = other.Header;
    ColorTable = other.ColorTable;
    std::memcpy(bits_.get(), other.bits_.get(), Header.biSizeImage);
}

TBitmap::TBitmap() = default;

int TBitmap::Width() const { return image_ ? image_->Header.biWidth : 0; }
int TBitmap::Height() const { return image_ ? image_->Header.biHeight : 0; }
void TBitmap::SetWidth(int width) { SetSize(width, Height()); }
void TBitmap::SetHeight(int height) { SetSize(Width(), height); }
bool TBitmap::Empty() const { return !image_ || Width() == 0 || Height() == 0; }

const std::vector<TRGBQuad>* TBitmap::Palette() const {
    return image_ && !image_->ColorTable.empty() ? &image_->ColorTable : nullptr;
}

void TBitmap::SetSize(int width, int height) {
    if (width == Width() && height == Height()) return;
    NewImage(width, height);
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    if (format == format_) return;
    format_ = format;
    if (image_) NewImage(Width(), Height());
}

void TBitmap::NewImage(int width, int height) {
    image_ = MakeShared<TBitmapImage>(width, height, format_);
    Changed();
}

TBitmapImage& TBitmap::OwnImage() {
    if (!image_) NewImage(0, 0);
    if (image_->RefCount() > 1) image_ = MakeShared<TBitmapImage>(*image_);
    return *image_;
}

std::int64_t TBitmap::Pitch() const { return image_ ? image_->Pitch() : 0; }

TPixelRows TBitmap::Rows() { return OwnImage().Rows(); }

void TBitmap::SetColors(const TRGBQuad* colors, int count) {
    TBitmapImage& image = OwnImage();
    std::copy(colors, colors + std::min<std::size_t>(count, image.ColorTable.size()), image.ColorTable.begin());
    Changed();
}

void TBitmap::SetTransparentColor(TColor color) {
    if (color == transparentColor_) return;
    transparentColor_ = color;
    Changed();
}

void EnableLockingBitmapDraw() { lockingDraw = true; }

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) {
    if (Empty()) return;
    std::unique_lock<TCanvas> lock(canvas_, std::defer_lock);
    if (lockingDraw && typeid(*this) == typeid(TBitmap)) lock.lock();
    canvas.CopyBitmap(rect, *this, {0, 0, Width(), Height()}, Transparent() ? transparentColor_ : clNone);
}

void TBitmap::Assign(const TPersistent& source) {
    const auto* bitmap = dynamic_cast<const TBitmap*>(&source);
    if (!bitmap) return TGraphic::Assign(source);
    image_ = bitmap->image_;
    format_ = bitmap->format_;
    transparentColor_ = bitmap->transparentColor_;
    SetTransparent(bitmap->Transparent());
    Changed();
}

}  // namespace skl
