#include "imaging/AreaAverage.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace skl {

namespace {

// One side of the reduction: the source pixels each target pixel covers and
// how much of each, in units in which every target pixel covers Total. A
// target pixel covers Total units of picture pixels, a source pixel Step
// times as many as a picture pixel (its cover ends where the picture does).
struct Axis {
    Axis(int pictureLength, int step, int targetLength) : Total(static_cast<std::uint32_t>(pictureLength)) {
        const std::int64_t sourceUnits = std::int64_t{step} * targetLength;
        for (std::int64_t x = 0; x < targetLength; ++x) {
            const std::int64_t begin = x * pictureLength, end = begin + pictureLength;
            First.push_back(static_cast<int>(begin / sourceUnits));
            Start.push_back(Weights.size());
            for (std::int64_t i = begin / sourceUnits; i * sourceUnits < end; ++i)
                Weights.push_back(static_cast<std::uint32_t>(std::min(end, (i + 1) * sourceUnits) -
                                                             std::max(begin, i * sourceUnits)));
        }
        Start.push_back(Weights.size());
    }

    std::uint32_t Total;
    std::vector<int> First;           // by target pixel
    std::vector<std::size_t> Start;   // of its weights; one more entry closes the last
    std::vector<std::uint32_t> Weights;
};

// The weighted sums of one row of blue, green, red bytes, by target column.
void SumRow(const std::uint8_t* row, const Axis& across, std::vector<std::uint32_t>& sums) {
    for (std::size_t x = 0; x + 1 < across.Start.size(); ++x) {
        std::uint32_t blue = 0, green = 0, red = 0;
        const std::uint8_t* pixel = row + 3 * static_cast<std::size_t>(across.First[x]);
        for (std::size_t k = across.Start[x]; k < across.Start[x + 1]; ++k, pixel += 3) {
            blue += across.Weights[k] * pixel[0];
            green += across.Weights[k] * pixel[1];
            red += across.Weights[k] * pixel[2];
        }
        sums[3 * x] = blue;
        sums[3 * x + 1] = green;
        sums[3 * x + 2] = red;
    }
}

// A source row as blue, green, red bytes: a 24-bit row as it is, a palette
// row through its colour table into `colours`.
const std::uint8_t* ColourBytes(const TBitmapImage& image, int row, std::vector<std::uint8_t>& colours) {
    const auto pixels = image.Rows().Row(row);
    if (image.Header.biBitCount == 24) return pixels.Bytes();
    const auto palette = image.Pixels().Palette();
    for (int x = 0; x < image.Header.biWidth; ++x) {
        const TColor color = pixels.Color(x, palette.data());
        std::uint8_t* out = colours.data() + 3 * static_cast<std::size_t>(x);
        out[0] = static_cast<std::uint8_t>(color >> 16);
        out[1] = static_cast<std::uint8_t>(color >> 8);
        out[2] = static_cast<std::uint8_t>(color);
    }
    return colours.data();
}

}  // namespace

// Row by row: each source row is summed across once, and goes into the one
// or two target rows it lies in.
void AverageArea(const TBitmap& source, const TPictureSampling& picture, int width, int height, TBitmap& target) {
    const Axis across(picture.Width, picture.Step, width), down(picture.Height, picture.Step, height);
    const TBitmapImage& image = *source.Image();
    const std::size_t samples = 3 * static_cast<std::size_t>(width);
    std::vector<std::uint8_t> colours(3 * static_cast<std::size_t>(image.Header.biWidth));
    std::vector<std::uint32_t> rowSums(samples);
    std::vector<std::uint64_t> sums(samples);
    const std::uint64_t divisor = std::uint64_t{across.Total} * down.Total;
    target.SetPixelFormat(TPixelFormat::pf24bit);
    target.SetSize(width, height);
    int summed = -1;
    for (int y = 0; y < height; ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        const auto at = static_cast<std::size_t>(y);
        for (std::size_t k = down.Start[at]; k < down.Start[at + 1]; ++k) {
            const int row = down.First[at] + static_cast<int>(k - down.Start[at]);
            if (row != summed) SumRow(ColourBytes(image, row, colours), across, rowSums);
            summed = row;
            for (std::size_t i = 0; i < samples; ++i) sums[i] += std::uint64_t{down.Weights[k]} * rowSums[i];
        }
        std::uint8_t* out = target.ScanLine(y);
        for (std::size_t i = 0; i < samples; ++i)
            out[i] = static_cast<std::uint8_t>((sums[i] + divisor / 2) / divisor);
    }
}

}  // namespace skl
