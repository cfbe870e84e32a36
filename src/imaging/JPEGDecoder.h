#pragma once
// One decoder instance of the library over JPEG bytes in memory, for one
// operation: reading a header, a scaled size, a whole picture or a part of
// it. The instance is destroyed with the object, also when a step failed.
#include <cstdint>
#include <functional>

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
    // output is quantized, and its rows. With progressive display, the
    // bitmap shows each scan in turn, and `scanShown` is called with the
    // part of the file read so far, in per cent, after each; a last pass at
    // the settings asked for ends the decoding.
    void DecodeInto(TBitmap& bitmap, const std::function<void(int percentRead)>& scanShown = {});
    // Decodes the part `area` of the output (which it must lie within) into
    // `bitmap`, each pixel as the whole picture's decoding has it. Only that
    // part goes through the inverse DCT and colour conversion, and rows below
    // it are not read; output through a colour table, whose dither runs over
    // the whole picture, and a progressive display are decoded whole.
    void DecodeAreaInto(TBitmap& bitmap, const TRect& area);

private:
    // What an output pass of a progressive display is made with.
    struct PassSettings {
        J_DCT_METHOD DctMethod;
        J_DITHER_MODE DitherMode;
        boolean TwoPassQuantize;
    };
    // The passes that show the scans as they arrive.
    static constexpr PassSettings ScanDisplay{JDCT_IFAST, JDITHER_ORDERED, FALSE};

    bool QuantizedOutput() const { return info_.quantize_colors != 0; }
    bool FourComponents() const { return info_.out_color_space == JCS_CMYK; }
    void ShowScansAsTheyArrive();
    void Apply(const PassSettings& settings);
    // One output pass into the bitmap, of a progressive display or not.
    void ReadPass(TBitmap& bitmap);
    void BufferedPass(TBitmap& bitmap, const PassSettings& settings);
    int PercentRead() const;
    void InstallPalette(TBitmap& bitmap) const;
    void StartDecompress();

    // Destroyed also when the constructor fails after creating it. A zeroed
    // instance that creation never reached has nothing to give back.
    struct Instance : jpeg_decompress_struct {
        Instance() : jpeg_decompress_struct{} {}
        ~Instance() { jpeg_destroy_decompress(this); }
    };

    TJPEGErrorManager errors_{};
    TJPEGSource source_{};
    Instance info_;
    // The settings asked for, which the last pass of a progressive display uses.
    PassSettings final_{};
};

}  // namespace skl
