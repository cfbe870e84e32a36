#include "imaging/JPEGDecoder.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace skl {

namespace {

constexpr int QuantizedColors = 236;
constexpr JDIMENSION RowsPerCall = 16;

// Where decoded rows go: the picture's top row, and the distance from one
// picture row to the next (negative, the rows lying bottom-up).
struct RowTarget {
    std::uint8_t* Top;
    std::ptrdiff_t Step;
    JSAMPROW Samples;  // one row of four-component samples, or null

    // A row number times the negative step, in signed pointer-sized
    // arithmetic: as unsigned it would wrap around in a 32-bit build.
    std::uint8_t* Row(JDIMENSION picture) const { return Top + static_cast<std::ptrdiff_t>(picture) * Step; }
};

void ReadRows(j_decompress_ptr info, void* context) {
    const RowTarget& target = *static_cast<RowTarget*>(context);
    JSAMPROW rows[RowsPerCall];
    while (info->output_scanline < info->output_height) {
        const JDIMENSION first = info->output_scanline;
        const JDIMENSION count = std::min(RowsPerCall, info->output_height - first);
        for (JDIMENSION i = 0; i < count; ++i) rows[i] = target.Row(first + i);
        jpeg_read_scanlines(info, rows, count);
    }
}

// Four-component files store ink amounts, with Adobe's writers inverted
// (255 = no ink). Each colour is what its ink and the black ink leave.
void InksToColours(const JSAMPLE* in, std::uint8_t* out, JDIMENSION pixels, bool inverted) {
    for (JDIMENSION x = 0; x < pixels; ++x, in += 4, out += 3) {
        const unsigned k = inverted ? in[3] : 255 - in[3];
        for (int c = 0; c < 3; ++c) {
            const unsigned ink = inverted ? in[2 - c] : 255 - in[2 - c];
            out[c] = static_cast<std::uint8_t>((ink * k + 127) / 255);
        }
    }
}

void ReadInkRows(j_decompress_ptr info, void* context) {
    const RowTarget& target = *static_cast<RowTarget*>(context);
    while (info->output_scanline < info->output_height) {
        std::uint8_t* out = target.Row(info->output_scanline);
        JSAMPROW in = target.Samples;
        jpeg_read_scanlines(info, &in, 1);
        InksToColours(in, out, info->output_width, info->saw_Adobe_marker);
    }
}

// Rows of a part of the picture: the library delivers each one, cut to
// whole blocks around the part, into the target's samples.
struct AreaRows {
    RowTarget Target;
    TRect Area;
};

void ReadAreaRows(j_decompress_ptr info, void* context) {
    const AreaRows& rows = *static_cast<AreaRows*>(context);
    const auto left = static_cast<JDIMENSION>(rows.Area.Left), right = static_cast<JDIMENSION>(rows.Area.Right);
    // Upsampled colour blends each sample with its neighbours: columns beyond
    // the part keep the library from taking the part's edges for the picture's.
    const auto margin = static_cast<JDIMENSION>(info->max_h_samp_factor);
    JDIMENSION first = left > margin ? left - margin : 0;
    JDIMENSION width = std::min(right + margin, info->output_width) - first;
    jpeg_crop_scanline(info, &first, &width);
    jpeg_skip_scanlines(info, static_cast<JDIMENSION>(rows.Area.Top));
    const auto pixels = static_cast<JDIMENSION>(rows.Area.Width());
    const auto sampleSize = static_cast<JDIMENSION>(info->out_color_components);
    const JSAMPLE* part = rows.Target.Samples + (left - first) * sampleSize;
    for (JDIMENSION row = 0; row < static_cast<JDIMENSION>(rows.Area.Height()); ++row) {
        JSAMPROW in = rows.Target.Samples;
        jpeg_read_scanlines(info, &in, 1);
        if (info->out_color_space == JCS_CMYK)
            InksToColours(part, rows.Target.Row(row), pixels, info->saw_Adobe_marker);
        else
            std::memcpy(rows.Target.Row(row), part, std::size_t{pixels} * sampleSize);
    }
}

// The part `area` of a decoded picture, with its colour table.
void CopyArea(TBitmap& whole, const TRect& area, TBitmap& part) {
    part.SetPixelFormat(whole.PixelFormat());
    part.SetSize(area.Width(), area.Height());
    if (const auto* colors = whole.Palette()) part.SetColors(colors->data(), static_cast<int>(colors->size()));
    const auto pixelBytes = static_cast<std::size_t>(whole.PixelFormat()) / 8;
    const std::size_t skipped = static_cast<std::size_t>(area.Left) * pixelBytes;
    for (int row = 0; row < area.Height(); ++row)
        std::memcpy(part.ScanLine(row), whole.ScanLine(area.Top + row) + skipped,
                    static_cast<std::size_t>(area.Width()) * pixelBytes);
}

}  // namespace

TJPEGDecoder::TJPEGDecoder(const std::uint8_t* data, std::size_t size) {
    InstallErrorManager(info_, errors_);
    RunGuarded(info_, [](j_decompress_ptr info, void*) { jpeg_create_decompress(info); });
    AttachSource(info_, source_, data, size);
    RunGuarded(info_, [](j_decompress_ptr info, void*) { jpeg_read_header(info, TRUE); });
}

void TJPEGDecoder::SetParameters(const TJPEGOptions& options) {
    info_.scale_num = 1;
    info_.scale_denom = static_cast<unsigned>(ScaleDenominator(options.Scale));
    // Colour comes in the bitmap's own sample order; for a colour space the
    // library cannot turn into that, it refuses at the start of decoding.
    if (options.Grayscale)
        info_.out_color_space = JCS_GRAYSCALE;
    else if (info_.out_color_space != JCS_GRAYSCALE && !FourComponents())
        info_.out_color_space = JCS_EXT_BGR;
    // Four-component output is turned into 24-bit pixels here, not quantized.
    if (!FourComponents() &&
        (info_.out_color_space == JCS_GRAYSCALE || options.PixelFormat == TJPEGPixelFormat::Bits8)) {
        info_.quantize_colors = TRUE;
        info_.desired_number_of_colors = QuantizedColors;
    }
    const bool fast = options.Performance == TJPEGPerformance::BestSpeed;
    info_.dct_method = fast ? JDCT_IFAST : JDCT_FLOAT;
    if (fast) {
        info_.two_pass_quantize = FALSE;
        info_.dither_mode = JDITHER_ORDERED;
    }
    info_.do_block_smoothing = options.Smoothing;
    final_ = {info_.dct_method, info_.dither_mode, info_.two_pass_quantize};
    if (options.ProgressiveDisplay && jpeg_has_multiple_scans(&info_)) ShowScansAsTheyArrive();
}

// The passes that show the scans as they arrive go fast; the wish for a
// colour table chosen in two passes waits for the last pass.
void TJPEGDecoder::ShowScansAsTheyArrive() {
    info_.buffered_image = TRUE;
    info_.enable_2pass_quant = info_.two_pass_quantize;
    Apply(ScanDisplay);
}

void TJPEGDecoder::Apply(const PassSettings& settings) {
    info_.dct_method = settings.DctMethod;
    info_.dither_mode = settings.DitherMode;
    info_.two_pass_quantize = settings.TwoPassQuantize;
}

void TJPEGDecoder::CalculateOutputDimensions() {
    RunGuarded(info_, [](j_decompress_ptr info, void*) { jpeg_calc_output_dimensions(info); });
}

void TJPEGDecoder::StartDecompress() {
    RunGuarded(info_, [](j_decompress_ptr info, void*) { jpeg_start_decompress(info); });
}

void TJPEGDecoder::DecodeInto(TBitmap& bitmap, const std::function<void(int percentRead)>& scanShown) {
    bitmap.SetPixelFormat(QuantizedOutput() ? TPixelFormat::pf8bit : TPixelFormat::pf24bit);
    StartDecompress();
    bitmap.SetSize(static_cast<int>(info_.output_width), static_cast<int>(info_.output_height));
    if (info_.buffered_image) {
        while (!jpeg_input_complete(&info_)) {
            BufferedPass(bitmap, ScanDisplay);
            if (scanShown) scanShown(PercentRead());
        }
        BufferedPass(bitmap, final_);
    } else {
        ReadPass(bitmap);
    }
    RunGuarded(info_, [](j_decompress_ptr info, void*) { jpeg_finish_decompress(info); });
}

// No row after the part is read: the instance ends unfinished.
void TJPEGDecoder::DecodeAreaInto(TBitmap& bitmap, const TRect& area) {
    if (QuantizedOutput() || info_.buffered_image) {
        TBitmap whole;
        DecodeInto(whole);
        return CopyArea(whole, area, bitmap);
    }
    bitmap.SetPixelFormat(TPixelFormat::pf24bit);
    StartDecompress();
    bitmap.SetSize(area.Width(), area.Height());
    std::vector<JSAMPLE> samples(std::size_t{info_.output_width} * static_cast<std::size_t>(info_.out_color_components));
    AreaRows rows{{bitmap.ScanLine(0), -static_cast<std::ptrdiff_t>(bitmap.Pitch()), samples.data()}, area};
    RunGuarded(info_, ReadAreaRows, &rows);
}

void TJPEGDecoder::ReadPass(TBitmap& bitmap) {
    if (QuantizedOutput()) InstallPalette(bitmap);
    std::vector<JSAMPLE> samples(FourComponents() ? info_.output_width * 4 : 0);
    RowTarget target{bitmap.ScanLine(0), -static_cast<std::ptrdiff_t>(bitmap.Pitch()), samples.data()};
    RunGuarded(info_, FourComponents() ? ReadInkRows : ReadRows, &target);
}

// Set before each pass: the library's two-pass quantizer, once made, turns
// any dither into Floyd-Steinberg, and without a colour table the pass
// chooses its colours as two_pass_quantize says (the library keeps the table
// of the pass before otherwise).
void TJPEGDecoder::BufferedPass(TBitmap& bitmap, const PassSettings& settings) {
    Apply(settings);
    info_.colormap = nullptr;
    RunGuarded(info_, [](j_decompress_ptr info, void*) { jpeg_start_output(info, info->input_scan_number); });
    ReadPass(bitmap);
    RunGuarded(info_, [](j_decompress_ptr info, void*) { jpeg_finish_output(info); });
}

int TJPEGDecoder::PercentRead() const {
    if (source_.Size == 0) return 100;
    const std::size_t read = source_.Position - std::min(source_.Position, source_.bytes_in_buffer);
    return static_cast<int>(read * 100 / source_.Size);
}

void TJPEGDecoder::InstallPalette(TBitmap& bitmap) const {
    const auto count = static_cast<std::size_t>(info_.actual_number_of_colors);
    const bool gray = info_.out_color_components == 1;
    std::vector<TRGBQuad> palette(count);
    for (std::size_t i = 0; i < count; ++i) {
        const JSAMPLE blue = info_.colormap[0][i];
        palette[i].Blue = blue;
        palette[i].Green = gray ? blue : info_.colormap[1][i];
        palette[i].Red = gray ? blue : info_.colormap[2][i];
    }
    bitmap.SetColors(palette.data(), info_.actual_number_of_colors);
}

}  // namespace skl
