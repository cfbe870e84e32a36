#pragma once
// A JPEG picture. Loading keeps the file's bytes and reads only the header;
// the pixels are decoded when first needed, into a bitmap that a TBitmap
// shares when the picture is assigned to it.
#include <memory>

#include "framework/graphics/Bitmap.h"
#include "framework/core/Exceptions.h"
#include "imaging/JPEGData.h"
#include "imaging/JPEGDefaults.h"

namespace skl {

// A fatal error of the JPEG library: "JPEG error #%d" with its message code.
class EJPEG : public EInvalidGraphic {
public:
    using EInvalidGraphic::EInvalidGraphic;
};

class TJPEGImage : public TGraphic {
public:
    TJPEGImage();
    const char* ClassName() const override { return "TJPEGImage"; }

    int Width() const override;
    int Height() const override;
    // Refused: EInvalidGraphicOperation.
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    bool Empty() const override;

    void LoadFromStream(TStream& stream) override;
    // Writes the held bytes unchanged.
    void SaveToStream(TStream& stream) override;
    // From another JPEG picture: shares its bytes.
    void Assign(const TPersistent& source) override;

    // The stored form: a 32-bit little-endian count, then the JPEG file.
    void ReadData(TStream& stream);
    void WriteData(TStream& stream);

    const TJPEGOptions& Options() const { return options_; }
    void SetOptions(const TJPEGOptions& options);
    bool Grayscale() const { return data_->Grayscale; }

    // The decoded picture; decodes on first need, also when the picture is
    // read as a const source. Decoding reports its start and end to
    // OnProgress and, with progressive display, each scan shown (the picture
    // then shows it); an observer's EAbort ends it quietly.
    const TBitmap& Bitmap() const;
    TBitmap& Bitmap();
    // The decoded picture scaled into the rectangle.
    void Draw(TCanvas& canvas, const TRect& rect) override;

    // Decode only what a smaller copy needs, into `target`, and keep nothing.
    // The part `area` (which must lie within the picture) with the pixels
    // that Bitmap() has there:
    void DecodeArea(const TRect& area, TBitmap& target);
    // The whole picture averaged down to width x height 24-bit pixels (no
    // larger than the picture's own size), from a decoding at the smallest
    // scale that still has a pixel for each of them, whatever the scale and
    // pixel format options:
    void DecodeReduced(int width, int height, TBitmap& target);

protected:
    // To a TBitmap: the bitmap shares the decoded image.
    void AssignTo(TPersistent& target) const override;

private:
    void ReadStream(TStream& stream, std::int64_t count);
    void Decode() const;
    struct Dimensions {
        int Width = 0, Height = 0;
    };
    Dimensions Size() const;

    TSharedRef<TJPEGData> data_;
    // Decoded on first need: a cache of the held bytes.
    mutable std::unique_ptr<TBitmap> bitmap_;
    TJPEGOptions options_;
};

}  // namespace skl
