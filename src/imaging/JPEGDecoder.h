#pragma once
// One decoder instance of the library over JPEG bytes in memory, for one
// operation: reading a header, a scaled size, or a whole picture. The
// instance is destroyed with the object, also when a step failed.
#include <cstdint>

#include "framework/graphics/Bitmap.h"
#include "imaging/JPEGDefaults.h"
#include "imaging/JPEGErrors.h"
#include "imaging/JPEGSource.h"

namespace skl {

class TJPEGDecoder {
public:
    // Creates the instance and reads the header; EJPEG when that fails.
    TJPEGDecoder(const std::uint8_t* data, std::size_t size);
    TJPEGDecoder(const TJPEGDecoder&) = delete;
    TJPEGDecoder& operator=(const TJPEGDecoder&) = delete;

    const jpeg_decompress_struct& Info() const { return info_; }
    void SetParameters(const TJPEGOptions& options);
    void CalculateOutputDimensions();
    // Decodes into `bitmap`: sets its format and size, its palette when the
    // output is quantized, and its rows.
    void DecodeInto(TBitmap& bitmap);

private:
    bool QuantizedOutput() const { return info_.quantize_colors != 0; }
    bool FourComponents() const { return info_.out_color_space == JCS_CMYK; }
    void InstallPalette(TBitmap& bitmap) const;

    // Destroyed also when the constructor fails after creating it. A zeroed
    // instance that creation never reached has nothing to give back.
    struct Instance : jpeg_decompress_struct {
        Instance() : jpeg_decompress_struct{} {}
        ~Instance() { jpeg_destroy_decompress(this); }
    };

    TJPEGErrorManager errors_{};
    TJPEGSource source_{};
    Instance info_;
};

}  // namespace skl
