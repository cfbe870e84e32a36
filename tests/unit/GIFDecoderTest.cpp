#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <utility>

#include "GifBuilder.h"
#include "GifTestSupport.h"
#include "framework/core/Exceptions.h"
#include "gif/GIFImage.h"
#include "gif/LZWDecoder.h"

using namespace skl;
using gifbuild::BitWriter;
using gifbuild::Frame;
using gifbuild::GifBuilder;
using gifbuild::LzwOptions;
using gifbuild::PatternFrame;

namespace {

// One picture of one frame; the global table has 2^bits test colours.
std::string OneFrameGif(const Frame& frame, int bits) {
    GifBuilder gif;
    gif.Screen(frame.width, frame.height, bits).Image(frame).Trailer();
    return gif.Bytes();
}

// One frame whose data sub-blocks hold exactly these code bytes.
std::string RawCodesGif(int width, int height, int bits, int codeSize, const std::vector<std::uint8_t>& codes) {
    GifBuilder gif;
    gif.Screen(width, height, bits).Descriptor(0, 0, width, height, 0).Byte(codeSize);
    gif.Raw(gifbuild::SubBlocks(codes)).Trailer();
    return gif.Bytes();
}

// A 64 x 64 frame of 256 colours, and a picture of it whose pixel data stops halfway.
Frame CutShortFrame() { return PatternFrame(64, 64, 256, 7, 8); }
std::string CutShortGif() {
    const Frame frame = CutShortFrame();
    std::vector<std::uint8_t> codes = gifbuild::LzwCodes(frame.pixels, frame.lzw);
    codes.resize(codes.size() / 2);
    GifBuilder gif;
    gif.Screen(64, 64, 8).Descriptor(0, 0, 64, 64, 0).Byte(8).Raw(gifbuild::SubBlocks(codes)).Trailer();
    return gif.Bytes();
}

struct Decoded {
    std::vector<std::uint8_t> pixels;
    bool damaged;
};

Decoded Decode(const std::string& bytes) {
    TGIFImage image;
    Parse(image, bytes);
    TGIFFrame& frame = image.FrameAt(0);
    return {Indices(frame.FrameBitmap()), frame.Damaged};
}

std::string BitmapImage(TGIFFrame& frame) {
    TMemoryStream image;
    frame.BuildBitmapImage(image);
    return std::string(reinterpret_cast<const char*>(image.Memory()), static_cast<std::size_t>(image.Length()));
}

std::uint32_t Dword(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

}  // namespace

TEST(GIFFrameBitmap, DepthFollowsTheColourTable) {
    for (const auto& [bits, depth] : {std::pair{1, 1}, {2, 4}, {3, 4}, {4, 4}, {5, 8}, {7, 8}, {8, 8}}) {
        const Frame frame = PatternFrame(13, 5, 1 << bits, bits, std::max(bits, 2));
        TGIFImage image;
        Parse(image, OneFrameGif(frame, bits));
        TBitmap& bitmap = image.FrameAt(0).FrameBitmap();
        EXPECT_EQ(static_cast<int>(bitmap.PixelFormat()), depth) << bits;
        EXPECT_EQ(bitmap.Width(), 13);
        EXPECT_EQ(bitmap.Height(), 5);
        EXPECT_EQ(Indices(bitmap), frame.pixels) << bits;
        EXPECT_FALSE(image.FrameAt(0).Damaged);
    }
}

TEST(GIFFrameBitmap, TheImageHasHeadersPaletteAndPaddedBottomUpRows) {
    Frame frame;
    frame.width = 3;
    frame.height = 2;
    frame.pixels = {1, 2, 3, 4, 5, 6};
    frame.lzw.minCodeSize = 3;
    TGIFImage image;
    Parse(image, OneFrameGif(frame, 3));
    const std::string bytes = BitmapImage(image.FrameAt(0));
    // 8 colours give 4 bits per pixel: rows of 4 bytes, a palette of 16 entries.
    ASSERT_EQ(bytes.size(), 54u + 64u + 8u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(Dword(bytes, 2), 126u);
    EXPECT_EQ(Dword(bytes, 6), 0u);
    EXPECT_EQ(Dword(bytes, 10), 118u);
    EXPECT_EQ(Dword(bytes, 14), 40u);
    EXPECT_EQ(Dword(bytes, 18), 3u);
    EXPECT_EQ(Dword(bytes, 22), 2u);
    EXPECT_EQ(Dword(bytes, 26), 1u | 4u << 16);
    EXPECT_EQ(Dword(bytes, 30), 0u);
    EXPECT_EQ(Dword(bytes, 34), 8u);
    for (std::size_t at = 38; at < 54; at += 4) EXPECT_EQ(Dword(bytes, at), 0u);
    for (int i = 0; i < 8; ++i) {
        const gifbuild::Rgb color = gifbuild::TestColor(i);
        EXPECT_EQ(Dword(bytes, 54 + 4 * i), static_cast<std::uint32_t>(color.blue | color.green << 8 | color.red << 16));
    }
    for (int i = 8; i < 16; ++i) EXPECT_EQ(Dword(bytes, 54 + 4 * i), 0x80808080u);
    EXPECT_EQ(bytes.substr(118), std::string("\x45\x60\x00\x00\x12\x30\x00\x00", 8));
}

TEST(GIFFrameBitmap, AFullTableFillsTheWholePalette) {
    const Frame frame = PatternFrame(4, 4, 256, 1, 8);
    TGIFImage image;
    Parse(image, OneFrameGif(frame, 8));
    const std::string bytes = BitmapImage(image.FrameAt(0));
    ASSERT_EQ(bytes.size(), 54u + 1024u + 16u);
    for (int i = 0; i < 256; ++i) {
        const gifbuild::Rgb color = gifbuild::TestColor(i);
        EXPECT_EQ(Dword(bytes, 54 + 4 * i), static_cast<std::uint32_t>(color.blue | color.green << 8 | color.red << 16));
    }
}

TEST(GIFFrameBitmap, IsCachedAndRebuiltWhenFoundEmpty) {
    const Frame frame = PatternFrame(9, 4, 16, 5, 4);
    TGIFImage image;
    Parse(image, OneFrameGif(frame, 4));
    TGIFFrame& read = image.FrameAt(0);
    TBitmap& first = read.FrameBitmap();
    EXPECT_EQ(&read.FrameBitmap(), &first);
    first.SetSize(0, 0);
    TBitmap& rebuilt = read.FrameBitmap();
    EXPECT_EQ(Indices(rebuilt), frame.pixels);
    EXPECT_EQ(read.FrameWidth(), 9);
    EXPECT_EQ(read.FrameHeight(), 4);
}

TEST(GIFFrameBitmap, AConstFrameDecodesOnFirstNeedKeepsItAndFindsItsDamage) {
    TGIFImage image;
    Parse(image, CutShortGif());
    const TGIFFrame& read = std::as_const(image).FrameAt(0);
    EXPECT_FALSE(read.Damaged);
    const TBitmap& first = read.FrameBitmap();
    EXPECT_EQ(first.Width(), 64);
    EXPECT_TRUE(read.Damaged);
    EXPECT_EQ(&read.FrameBitmap(), &first);
    TBitmap copy;
    copy.Assign(read);
    EXPECT_EQ(copy.Image(), first.Image()) << "a copy shares the bitmap the frame keeps";
}

TEST(GIFFrameBitmap, AFrameWithoutSizeGivesAnEmptyBitmap) {
    GifBuilder gif;
    gif.Screen(0, 0, 2).Descriptor(0, 0, 0, 0, 0).Raw(gifbuild::ImageData({1, 2}, LzwOptions{.minCodeSize = 2}));
    TGIFImage image;
    Parse(image, gif.Trailer().Bytes());
    EXPECT_TRUE(image.FrameAt(0).FrameBitmap().Empty());
    EXPECT_EQ(image.FrameAt(0).FrameWidth(), 0);
}

TEST(GIFInterlace, RowsComeInFourPasses) {
    const std::vector<std::tuple<int, std::vector<int>>> orders = {
        {10, {0, 8, 4, 2, 6, 1, 3, 5, 7, 9}},
        {3, {0, 2, 1}},
        {1, {0}},
        {2, {0, 1}},
        {5, {0, 4, 2, 1, 3}},
        {17, {0, 8, 16, 4, 12, 2, 6, 10, 14, 1, 3, 5, 7, 9, 11, 13, 15}},
    };
    for (const auto& [height, order] : orders) {
        // The k-th row sent holds the value k; an interlaced frame puts it in row order[k].
        Frame frame;
        frame.width = 1;
        frame.height = height;
        for (int k = 0; k < height; ++k) frame.pixels.push_back(static_cast<std::uint8_t>(k));
        frame.lzw.minCodeSize = 5;
        GifBuilder gif;
        gif.Screen(1, height, 5).Descriptor(0, 0, 1, height, 0x40).Raw(gifbuild::ImageData(frame.pixels, frame.lzw));
        TGIFImage image;
        Parse(image, gif.Trailer().Bytes());
        const std::vector<std::uint8_t> rows = FirstColumn(image.FrameAt(0).FrameBitmap());
        for (int k = 0; k < height; ++k) EXPECT_EQ(rows[order[k]], k) << "height " << height << " row " << order[k];
    }
}

TEST(GIFInterlace, EveryRowIsVisitedOnce) {
    for (int height = 1; height <= 40; ++height) {
        std::vector<int> seen(height);
        int pass = 0;
        int visits = 0;
        for (int row = 0; row < height; row = NextInterlacedRow(row, pass, height)) {
            ++seen[row];
            ASSERT_LE(++visits, height);
        }
        EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), height) << height;
    }
}

TEST(GIFInterlace, AnInterlacedPictureDecodesToItsRows) {
    Frame frame = PatternFrame(23, 19, 64, 9, 6);
    frame.interlaced = true;
    EXPECT_EQ(Decode(OneFrameGif(frame, 6)).pixels, frame.pixels);
}

TEST(GIFDecoder, ClearCodesAndTheTableLimit) {
    // A busy 256-colour picture fills the 4096-entry table many times over.
    for (const auto& [whenFull, deferred] : {std::pair{LzwOptions::WhenFull::Clear, 0},
                                             {LzwOptions::WhenFull::Defer, 1},
                                             {LzwOptions::WhenFull::Defer, 700},
                                             {LzwOptions::WhenFull::Never, 0}}) {
        Frame frame = PatternFrame(150, 120, 256, 3, 8);
        frame.lzw.whenFull = whenFull;
        frame.lzw.deferredCodes = deferred;
        const Decoded decoded = Decode(OneFrameGif(frame, 8));
        EXPECT_EQ(decoded.pixels, frame.pixels) << deferred;
        EXPECT_FALSE(decoded.damaged);
    }
}

TEST(GIFDecoder, DataWithoutAClearCodeFirst) {
    Frame frame = PatternFrame(60, 40, 4, 2, 2);
    frame.lzw.initialClear = false;
    EXPECT_EQ(Decode(OneFrameGif(frame, 2)).pixels, frame.pixels);
}

TEST(GIFDecoder, DataThatEndsAfterTheLastPixelNeedsNoEndCode) {
    Frame frame = PatternFrame(31, 7, 32, 4, 5);
    frame.lzw.endCode = false;
    const Decoded decoded = Decode(OneFrameGif(frame, 5));
    EXPECT_EQ(decoded.pixels, frame.pixels);
    EXPECT_FALSE(decoded.damaged);
}

TEST(GIFDecoder, ThePixelMaskComesFromTheColourTable) {
    // Code size 8 over a 16-colour table, as encoders of small tables may write.
    const Frame frame = PatternFrame(33, 9, 16, 6, 8);
    EXPECT_EQ(Decode(OneFrameGif(frame, 4)).pixels, frame.pixels);
}

TEST(GIFDecoder, TheCodeSizeMayBeSmallerThanTheTableNeeds) {
    // A 16-colour frame under a 256-colour global table, coded with code size 4.
    const Frame frame = PatternFrame(41, 13, 16, 11, 4);
    EXPECT_EQ(Decode(OneFrameGif(frame, 8)).pixels, frame.pixels);
}

TEST(GIFDecoder, ACodeAfterAClearIsAPixelWhateverItsValue) {
    // Code size 2: clear 4, end 5. Clear, end writes one pixel of 5 & 3 and decoding goes on.
    BitWriter codes;
    codes.Put(4, 3);
    codes.Put(5, 3);
    codes.Put(2, 3);
    codes.Put(3, 3);
    codes.Put(5, 4);
    const Decoded decoded = Decode(RawCodesGif(5, 1, 2, 2, codes.Bytes()));
    EXPECT_EQ(decoded.pixels, (std::vector<std::uint8_t>{1, 2, 3, 0, 0}));
    EXPECT_FALSE(decoded.damaged);
}

TEST(GIFDecoder, AnEndCodeBeforeTheLastRowLeavesTheRestZero) {
    BitWriter codes;
    codes.Put(4, 3);
    codes.Put(3, 3);
    codes.Put(5, 3);
    const Decoded decoded = Decode(RawCodesGif(2, 2, 2, 2, codes.Bytes()));
    EXPECT_EQ(decoded.pixels, (std::vector<std::uint8_t>{3, 0, 0, 0}));
    EXPECT_FALSE(decoded.damaged);
}

TEST(GIFDecoder, DataCutShortKeepsTheRowsDecodedSoFar) {
    const Frame frame = CutShortFrame();
    const Decoded decoded = Decode(CutShortGif());
    EXPECT_TRUE(decoded.damaged);
    const auto firstDifference = std::mismatch(decoded.pixels.begin(), decoded.pixels.end(), frame.pixels.begin());
    const auto decodedCount = firstDifference.first - decoded.pixels.begin();
    EXPECT_GT(decodedCount, 64 * 16);
    EXPECT_LT(decodedCount, 64 * 64);
    EXPECT_TRUE(std::all_of(decoded.pixels.end() - 64, decoded.pixels.end(), [](auto v) { return v == 0; }));

    TGIFImage image;
    image.TolerateDamage = false;
    Parse(image, CutShortGif());
    try {
        image.FrameAt(0).FrameBitmap();
        FAIL() << "no exception";
    } catch (const EInvalidGraphicOperation& error) {
        EXPECT_EQ(error.Message(), "Stream read error");
    }
}

TEST(GIFDecoder, CodeSizesOutsideTwoToNineDamageTheFrame) {
    const Frame frame = PatternFrame(16, 16, 4, 8, 2);
    std::string one = OneFrameGif(frame, 2);
    const std::size_t codeSizeAt = 13 + 12 + 10;
    ASSERT_EQ(one[codeSizeAt], 2);
    one[codeSizeAt] = 1;
    std::string ten = one;
    ten[codeSizeAt] = 10;
    for (const std::string& bytes : {one, ten}) {
        const Decoded decoded = Decode(bytes);
        EXPECT_TRUE(decoded.damaged);
        EXPECT_LE(std::count_if(decoded.pixels.begin(), decoded.pixels.end(), [](auto v) { return v != 0; }), 1);
    }
    TGIFImage image;
    image.TolerateDamage = false;
    Parse(image, one);
    try {
        image.FrameAt(0).FrameBitmap();
        FAIL() << "no exception";
    } catch (const EInvalidGraphicOperation& error) {
        EXPECT_EQ(error.Message(), "GIF code size not in range 2 to 9");
    }
}

TEST(GIFDecoder, AStringThatLoopsOnItselfIsCorrupt) {
    // Codes above the next free one make an entry its own prefix; the walk
    // through it stops at the stack limit.
    BitWriter codes;
    codes.Put(4, 3);
    codes.Put(0, 3);
    codes.Put(7, 3);
    codes.Put(7, 3);
    codes.Put(7, 4);
    codes.Put(5, 4);
    const std::string bytes = RawCodesGif(10, 10, 2, 2, codes.Bytes());
    const Decoded decoded = Decode(bytes);
    EXPECT_TRUE(decoded.damaged);
    EXPECT_EQ(decoded.pixels, std::vector<std::uint8_t>(100, 0));

    TGIFImage image;
    image.TolerateDamage = false;
    Parse(image, bytes);
    try {
        image.FrameAt(0).FrameBitmap();
        FAIL() << "no exception";
    } catch (const EInvalidGraphicOperation& error) {
        EXPECT_EQ(error.Message(), "GIF encoded data is corrupt");
    }
}

TEST(GIFDecoder, ProgressIsReportedFromStartToEnd) {
    const Frame frame = PatternFrame(50, 50, 16, 1, 4);
    TGIFImage image;
    Parse(image, OneFrameGif(frame, 4));
    std::vector<std::tuple<TProgressStage, int, std::string>> reports;
    image.OnProgress = [&](TGraphic& sender, TProgressStage stage, int percent, const std::string& message) {
        EXPECT_EQ(&sender, &image);
        reports.emplace_back(stage, percent, message);
    };
    image.FrameAt(0).FrameBitmap();
    ASSERT_GT(reports.size(), 10u);
    EXPECT_EQ(reports.front(), std::make_tuple(TProgressStage::psStarting, 0, std::string()));
    EXPECT_EQ(reports.back(), std::make_tuple(TProgressStage::psEnding, 100, std::string()));
    int last = 0;
    for (std::size_t i = 1; i + 1 < reports.size(); ++i) {
        EXPECT_EQ(std::get<0>(reports[i]), TProgressStage::psRunning);
        EXPECT_GE(std::get<1>(reports[i]), last);
        last = std::get<1>(reports[i]);
    }
    EXPECT_GE(last, 90);
    EXPECT_LE(last, 100);
}

TEST(GIFDecoder, AFailureEndsTheProgressWithItsMessage) {
    const Frame frame = PatternFrame(8, 8, 4, 1, 2);
    std::string bytes = OneFrameGif(frame, 2);
    bytes[13 + 12 + 10] = 12;
    TGIFImage image;
    Parse(image, bytes);
    std::vector<std::tuple<TProgressStage, int, std::string>> reports;
    image.OnProgress = [&](TGraphic&, TProgressStage stage, int percent, const std::string& message) {
        reports.emplace_back(stage, percent, message);
    };
    image.TolerateDamage = false;
    EXPECT_THROW(image.FrameAt(0).FrameBitmap(), EInvalidGraphicOperation);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports.back(),
              std::make_tuple(TProgressStage::psEnding, 0, std::string("GIF code size not in range 2 to 9")));
}
