// A part of a picture decoded alone, and a reduced copy decoded at a smaller
// DCT scale, held to the whole picture's decoding.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/Bitmap.h"
#include "imaging/AreaAverage.h"
#include "imaging/JPEGImage.h"
#include "PlainReduction.h"
#include "Samples.h"

using namespace skl;

namespace {

struct Loaded {
    explicit Loaded(const std::string& sample, const TJPEGOptions& options = JPEGDefaults()) {
        picture.LoadFromFile(SamplePath(sample));
        picture.SetOptions(options);
        whole.Assign(picture);
    }
    TJPEGImage picture;
    TBitmap whole;
};

// Parts in the middle, at each edge and corner, one pixel, and the whole.
std::vector<TRect> PartsOf(int width, int height) {
    std::vector<TRect> parts;
    for (const TRect& part : {TRect{width / 4, height / 4, width * 3 / 4, height * 3 / 4}, TRect{0, 0, 17, 9},
                              TRect{width - 13, height - 5, width, height},
                              TRect{width / 2 + 1, height / 2 + 1, width / 2 + 2, height / 2 + 2},
                              TRect{0, height / 3, width, height / 3 + 7}, TRect{width / 3 + 3, 0, width / 3 + 10, height},
                              TRect{0, 0, width, height}})
        parts.push_back(Intersection(part, {0, 0, width, height}));
    return parts;
}

std::unique_ptr<TBitmap> Bitmap24(int width, int height, const std::vector<std::uint8_t>& bgr) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(width, height);
    for (int y = 0; y < height; ++y) std::copy_n(bgr.begin() + 3 * y * width, 3 * width, bitmap->ScanLine(y));
    return bitmap;
}

TPlainPixels Averaged(const TBitmap& source, const TPictureSampling& picture, int width, int height) {
    TBitmap target;
    AverageArea(source, picture, width, height, target);
    EXPECT_EQ(target.PixelFormat(), TPixelFormat::pf24bit);
    return PlainPixels(target);
}

}  // namespace

TEST(JPEGArea, EveryPartHoldsThePixelsOfTheWholeDecodingThere) {
    // Subsampled colour (whose upsampling blends neighbours), progressive,
    // restart markers, arithmetic coding, four components, a cut-off file.
    for (const char* sample : {"baseline.jpg", "progressive.jpg", "sampling-2x1.jpg", "restart.jpg", "arithmetic.jpg",
                               "colour-17x9.jpg", "cmyk.jpg", "truncated.jpg", "mosaic.jpg"}) {
        Loaded loaded(sample);
        for (const TRect& part : PartsOf(loaded.whole.Width(), loaded.whole.Height())) {
            TBitmap decoded;
            loaded.picture.DecodeArea(part, decoded);
            ASSERT_EQ(decoded.PixelFormat(), TPixelFormat::pf24bit) << sample;
            EXPECT_EQ(PlainPixels(decoded), PlainPixels(loaded.whole, part))
                << sample << " at " << part.Left << "," << part.Top << " " << part.Width() << "x" << part.Height();
        }
    }
}

TEST(JPEGArea, APartThroughAColourTableIsCutFromTheWholeDecodingWithItsTable) {
    TJPEGOptions eightBits = JPEGDefaults();
    eightBits.PixelFormat = TJPEGPixelFormat::Bits8;
    for (const auto& [sample, options] : {std::pair{"gray.jpg", JPEGDefaults()}, {"gray-progressive.jpg", JPEGDefaults()},
                                          {"baseline.jpg", eightBits}}) {
        Loaded loaded(sample, options);
        const TRect part = PartsOf(loaded.whole.Width(), loaded.whole.Height())[0];
        TBitmap decoded;
        loaded.picture.DecodeArea(part, decoded);
        ASSERT_EQ(decoded.PixelFormat(), TPixelFormat::pf8bit) << sample;
        EXPECT_EQ(*decoded.Palette(), *loaded.whole.Palette()) << sample;
        EXPECT_EQ(PlainPixels(decoded), PlainPixels(loaded.whole, part)) << sample;
    }
}

TEST(JPEGArea, AnEmptyPictureFailsAsItsWholeDecodingDoes) {
    TJPEGImage picture;
    TBitmap target;
    try {
        picture.DecodeArea({0, 0, 1, 1}, target);
        FAIL() << "no failure";
    } catch (const EJPEG& failure) {
        EXPECT_EQ(failure.Message(), "JPEG error #41");
    }
}

TEST(AreaAverage, EachPixelIsTheMeanOfWhatItCoversPartsOfPixelsWeighedByTheirShare) {
    // Two 2 x 2 blocks into two pixels.
    const auto blocks = Bitmap24(4, 2, {0, 0, 0, 4, 8, 12, 100, 100, 100, 200, 200, 200,  //
                                           8, 16, 24, 12, 24, 36, 0, 0, 0, 100, 100, 102});
    EXPECT_EQ(Averaged(*blocks, {4, 2, 1}, 2, 1), (TPlainPixels{6, 12, 18, 100, 100, 101}));
    // Three pixels into two: each target pixel covers one and a half of them.
    const auto row = Bitmap24(3, 1, {0, 0, 0, 30, 60, 90, 90, 180, 255});
    EXPECT_EQ(Averaged(*row, {3, 1, 1}, 2, 1), (TPlainPixels{10, 20, 30, 70, 140, 200}));
    // A half-size decoding of 3 pixels: its second pixel stands for the third alone.
    const auto half = Bitmap24(2, 1, {30, 0, 255, 90, 255, 0});
    EXPECT_EQ(Averaged(*half, {3, 1, 2}, 1, 1), (TPlainPixels{50, 85, 170}));
}

TEST(AreaAverage, APaletteBitmapIsAveragedByTheColoursOfItsTable) {
    TBitmap indexed;
    indexed.SetPixelFormat(TPixelFormat::pf8bit);
    indexed.SetSize(2, 1);
    const TRGBQuad colours[] = {{10, 20, 30, 0}, {30, 60, 90, 0}};
    indexed.SetColors(colours, 2);
    indexed.ScanLine(0)[1] = 1;
    EXPECT_EQ(Averaged(indexed, {2, 1, 1}, 1, 1), (TPlainPixels{20, 40, 60}));
}

TEST(JPEGReduced, AReducedCopyEqualsThePlainReductionOfTheWholeDecoding) {
    // Sizes whose smallest covering decoding is at 1/8, 1/4, 1/2 and the
    // whole size, for the mosaic that every scale decodes alike.
    for (const char* sample : {"mosaic.jpg", "mosaic-progressive.jpg"}) {
        Loaded loaded(sample);
        for (const auto& [width, height] : {std::pair{87, 65}, {100, 75}, {160, 121}, {200, 150}, {300, 226},
                                            {400, 300}, {267, 200}, {700, 525}}) {
            TBitmap reduced;
            loaded.picture.DecodeReduced(width, height, reduced);
            ASSERT_EQ(reduced.Width(), width);
            ASSERT_EQ(reduced.Height(), height);
            EXPECT_LE(LargestDifference(PlainPixels(reduced), PlainReduction(loaded.whole, width, height)), 2)
                << sample << " at " << width << "x" << height;
        }
    }
}

TEST(JPEGReduced, AColourPictureIsAveragedFromItsColoursOnAScreenOfEightBits) {
    TJPEGOptions eightBits = JPEGDefaults();
    eightBits.PixelFormat = TJPEGPixelFormat::Bits8;
    Loaded loaded("mosaic.jpg");
    loaded.picture.SetOptions(eightBits);
    TBitmap reduced;
    loaded.picture.DecodeReduced(160, 121, reduced);
    EXPECT_LE(LargestDifference(PlainPixels(reduced), PlainReduction(loaded.whole, 160, 121)), 2);
}

TEST(JPEGReduced, AGrayPictureComesOutInTwentyFourBitsAsItsColoursAverage) {
    Loaded loaded("gray.jpg");
    TBitmap reduced;
    loaded.picture.DecodeReduced(100, 75, reduced);
    EXPECT_EQ(reduced.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_LE(LargestDifference(PlainPixels(reduced), PlainReduction(loaded.whole, 100, 75)), 3)
        << "the dither of the two decodings differs";
}
