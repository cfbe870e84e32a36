#pragma once
// The decoding options of a JPEG picture and the defaults every new picture
// copies. The pixel format default follows the screen as it was at start-up.
namespace skl {

enum class TJPEGPerformance { BestQuality, BestSpeed };
enum class TJPEGPixelFormat { Bits24, Bits8 };
enum class TJPEGScale { FullSize, Half, Quarter, Eighth };

// Picture pixels across one decoded pixel at the scale: 1, 2, 4 or 8.
constexpr int ScaleDenominator(TJPEGScale scale) { return 1 << static_cast<int>(scale); }

struct TJPEGOptions {
    bool Grayscale = false;
    TJPEGPerformance Performance = TJPEGPerformance::BestQuality;
    TJPEGPixelFormat PixelFormat = TJPEGPixelFormat::Bits24;
    TJPEGScale Scale = TJPEGScale::FullSize;
    bool Smoothing = true;
    // A file of several scans shows each scan as it arrives while it decodes.
    bool ProgressiveDisplay = false;
    friend bool operator==(const TJPEGOptions&, const TJPEGOptions&) = default;
};

const TJPEGOptions& JPEGDefaults();

// Reads the screen's depth into the defaults, as start-up does; for tests.
void ReadJPEGDefaults();

}  // namespace skl
