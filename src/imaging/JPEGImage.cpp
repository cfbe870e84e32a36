#include "imaging/JPEGImage.h"

#include <algorithm>

#include "imaging/AreaAverage.h"
#include "imaging/JPEGDecoder.h"

namespace skl {

namespace {

constexpr const char* SChangeJPEGSize = "Cannot change the size of a JPEG image";

// The smallest scale at which a decoding still has a pixel for each of
// width x height.
TJPEGScale CoveringScale(int pictureWidth, int pictureHeight, int width, int height) {
    for (TJPEGScale scale : {TJPEGScale::Eighth, TJPEGScale::Quarter, TJPEGScale::Half})
        if (pictureWidth >= width * ScaleDenominator(scale) && pictureHeight >= height * ScaleDenominator(scale))
            return scale;
    return TJPEGScale::FullSize;
}

}  // namespace

TJPEGImage::TJPEGImage() : data_(MakeShared<TJPEGData>()), options_(JPEGDefaults()) {}

TJPEGImage::Dimensions TJPEGImage::Size() const {
    if (bitmap_) return {bitmap_->Width(), bitmap_->Height()};
    if (options_.Scale == TJPEGScale::FullSize || data_->Size() == 0) return {data_->Width, data_->Height};
    TJPEGDecoder decoder(data_->Bytes(), data_->Size());
    decoder.SetParameters(options_);
    decoder.CalculateOutputDimensions();
    return {static_cast<int>(decoder.Info().output_width), static_cast<int>(decoder.Info().output_height)};
}

int TJPEGImage::Width() const { return Size().Width; }
int TJPEGImage::Height() const { return Size().Height; }

void TJPEGImage::SetWidth(int) { throw EInvalidGraphicOperation(SChangeJPEGSize); }
void TJPEGImage::SetHeight(int) { throw EInvalidGraphicOperation(SChangeJPEGSize); }

bool TJPEGImage::Empty() const { return data_->Size() == 0 && !bitmap_; }

void TJPEGImage::SetOptions(const TJPEGOptions& options) {
    if (options == options_) return;
    options_ = options;
    bitmap_.reset();
    Changed();
}

void TJPEGImage::LoadFromStream(TStream& stream) {
    const std::int64_t position = stream.Position();
    ReadStream(stream, std::max<std::int64_t>(stream.Size() - position, 0));
}

void TJPEGImage::ReadStream(TStream& stream, std::int64_t count) {
    data_ = MakeShared<TJPEGData>();
    bitmap_.reset();
    data_->Load(stream, count);
    Changed();
}

void TJPEGImage::SaveToStream(TStream& stream) {
    stream.WriteBuffer(data_->Bytes(), static_cast<std::int64_t>(data_->Size()));
}

void TJPEGImage::ReadData(TStream& stream) {
    std::uint8_t count[4];
    stream.ReadBuffer(count, sizeof count);
    ReadStream(stream, count[0] | count[1] << 8 | count[2] << 16 | std::int64_t{count[3]} << 24);
}

void TJPEGImage::WriteData(TStream& stream) {
    const std::size_t size = data_->Size();
    const std::uint8_t count[4] = {static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
                                   static_cast<std::uint8_t>(size >> 16), static_cast<std::uint8_t>(size >> 24)};
    stream.WriteBuffer(count, sizeof count);
    SaveToStream(stream);
}

const TBitmap& TJPEGImage::Bitmap() const {
    if (!bitmap_) Decode();
    return *bitmap_;
}

TBitmap& TJPEGImage::Bitmap() {
    if (!bitmap_) Decode();
    return *bitmap_;
}

// The bitmap is held from the start, so that an observer of a progressive
// display draws what the scans so far show. A failed decode keeps none, so
// asking again fails again rather than handing out an empty picture.
void TJPEGImage::Decode() const {
    // Observers are told of the decoding as the picture they watch, also
    // when it decodes while read as a const source.
    TJPEGImage& observed = const_cast<TJPEGImage&>(*this);
    bitmap_ = std::make_unique<TBitmap>();
    try {
        observed.Progress(TProgressStage::psStarting, 0);
        TJPEGDecoder decoder(data_->Bytes(), data_->Size());
        decoder.SetParameters(options_);
        decoder.DecodeInto(*bitmap_,
                           [&observed](int percentRead) { observed.Progress(TProgressStage::psRunning, percentRead); });
    } catch (const EAbort&) {
        // An observer ended the decoding: the picture stays as last shown.
    } catch (const std::exception& failure) {
        bitmap_.reset();
        observed.Progress(TProgressStage::psEnding, 0, failure.what());
        throw;
    }
    observed.Progress(TProgressStage::psEnding, 100);
    if (bitmap_->PixelFormat() == TPixelFormat::pf8bit) observed.Changed();
}

void TJPEGImage::Assign(const TPersistent& source) {
    const auto* picture = dynamic_cast<const TJPEGImage*>(&source);
    if (!picture) return TGraphic::Assign(source);
    data_ = picture->data_;
    options_ = picture->options_;
    bitmap_.reset();
    if (picture->bitmap_) {
        bitmap_ = std::make_unique<TBitmap>();
        bitmap_->Assign(*picture->bitmap_);
    }
    Changed();
}

// An empty picture fails to decode, as it does when assigned.
void TJPEGImage::Draw(TCanvas& canvas, const TRect& rect) { Bitmap().Draw(canvas, rect); }

void TJPEGImage::DecodeArea(const TRect& area, TBitmap& target) {
    TJPEGDecoder decoder(data_->Bytes(), data_->Size());
    decoder.SetParameters(options_);
    decoder.DecodeAreaInto(target, area);
}

void TJPEGImage::DecodeReduced(int width, int height, TBitmap& target) {
    TJPEGOptions options = options_;
    options.Scale = CoveringScale(data_->Width, data_->Height, width, height);
    // A colour table would only add its dither to the average.
    options.PixelFormat = TJPEGPixelFormat::Bits24;
    TBitmap decoded;
    TJPEGDecoder decoder(data_->Bytes(), data_->Size());
    decoder.SetParameters(options);
    decoder.DecodeInto(decoded);
    AverageArea(decoded, {data_->Width, data_->Height, ScaleDenominator(options.Scale)}, width, height, target);
}

void TJPEGImage::AssignTo(TPersistent& target) const {
    auto* bitmap = dynamic_cast<TBitmap*>(&target);
    if (!bitmap) return TGraphic::AssignTo(target);
    bitmap->Assign(Bitmap());
}

}  // namespace skl
