// Our decoder and giflib agree on the palette indices of every frame of GIF
// data that our own test encoder makes, in all the shapes encoders give it.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "GifBuilder.h"
#include "GiflibFile.h"
#include "GifTestSupport.h"
#include "gif/GIFImage.h"

using namespace skl;
using gifbuild::Frame;
using gifbuild::GifBuilder;
using gifbuild::LzwOptions;
using gifbuild::PatternFrame;

namespace {

struct PeerFrame {
    std::vector<std::uint8_t> pixels;
    int left, top, width, height;
    int delayMs, disposal, transparentIndex;
};

std::vector<PeerFrame> DecodeWithGiflib(const std::string& bytes) {
    GiflibFile file(bytes);
    if (!file) throw std::runtime_error("giflib cannot read the data");
    std::vector<PeerFrame> frames;
    for (int i = 0; i < file->ImageCount; ++i) {
        const SavedImage& image = file->SavedImages[i];
        const GifImageDesc& d = image.ImageDesc;
        GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
        DGifSavedExtensionToGCB(file.get(), i, &control);
        frames.push_back({std::vector<std::uint8_t>(image.RasterBits, image.RasterBits + d.Width * d.Height), d.Left,
                          d.Top, d.Width, d.Height, control.DelayTime * 10, control.DisposalMode,
                          control.TransparentColor});
    }
    return frames;
}

void ExpectAgreement(const std::string& bytes) {
    const std::vector<PeerFrame> peer = DecodeWithGiflib(bytes);
    TGIFImage image;
    Parse(image, bytes, true);
    ASSERT_EQ(image.FrameCount(), static_cast<int>(peer.size()));
    for (int i = 0; i < image.FrameCount(); ++i) {
        TGIFFrame& frame = image.FrameAt(i);
        const PeerFrame& expected = peer[i];
        EXPECT_EQ(frame.FramePos, (TPoint{expected.left, expected.top})) << "frame " << i;
        EXPECT_EQ(frame.FrameWidth(), expected.width) << "frame " << i;
        EXPECT_EQ(frame.FrameHeight(), expected.height) << "frame " << i;
        EXPECT_EQ(frame.DelayMs, expected.delayMs) << "frame " << i;
        EXPECT_EQ(frame.Disposal, expected.disposal) << "frame " << i;
        const TGIFPaletteTable& table = frame.Item().ColorTable;
        EXPECT_EQ(frame.TransparentKey,
                  expected.transparentIndex >= 0 ? table.Color(expected.transparentIndex) : clNone)
            << "frame " << i;
        EXPECT_EQ(Indices(frame.FrameBitmap()), expected.pixels) << "frame " << i;
        EXPECT_FALSE(frame.Damaged) << "frame " << i;
    }
}

std::string OneFrame(const Frame& frame, int bits) {
    GifBuilder gif;
    gif.Screen(frame.width, frame.height, bits).Image(frame).Trailer();
    return gif.Bytes();
}

}  // namespace

TEST(GifPeer, EveryTableDepth) {
    for (int bits = 1; bits <= 8; ++bits) {
        SCOPED_TRACE(bits);
        ExpectAgreement(OneFrame(PatternFrame(37, 11, 1 << bits, bits, std::max(bits, 2)), bits));
    }
}

TEST(GifPeer, InterlacedFrames) {
    for (int height : {1, 2, 3, 5, 8, 10, 19, 64}) {
        SCOPED_TRACE(height);
        Frame frame = PatternFrame(23, height, 16, height, 4);
        frame.interlaced = true;
        ExpectAgreement(OneFrame(frame, 4));
    }
}

TEST(GifPeer, FramesSmallerThanTheScreenWithTheirOwnTables) {
    GifBuilder gif;
    gif.Screen(120, 90, 8).Loop(0);
    for (int i = 0; i < 6; ++i) {
        Frame frame = PatternFrame(10 + 13 * i, 5 + 11 * i, 1 << (i + 1), 100 + i, std::max(i + 1, 2));
        frame.left = 3 * i;
        frame.top = 2 * i;
        frame.localBits = i % 2 == 0 ? i + 1 : 0;
        frame.interlaced = i % 3 == 1;
        gif.GraphicControl(i % 4, 3 + i).Image(frame);
    }
    ExpectAgreement(gif.Trailer().Bytes());
}

TEST(GifPeer, TransparentFrames) {
    GifBuilder gif;
    gif.Screen(40, 30, 4);
    gif.GraphicControl(2, 10, 0).Image(PatternFrame(40, 30, 16, 1, 4));
    gif.GraphicControl(1, 10, 15).Image(PatternFrame(40, 30, 16, 2, 4));
    gif.GraphicControl(3, 10).Image(PatternFrame(40, 30, 16, 3, 4));
    ExpectAgreement(gif.Trailer().Bytes());
}

TEST(GifPeer, ManyFrames) {
    GifBuilder gif;
    gif.Screen(32, 24, 6).Loop(3);
    for (int i = 0; i < 150; ++i) gif.GraphicControl(1, i % 7).Image(PatternFrame(32, 24, 64, 1000 + i, 6));
    ExpectAgreement(gif.Trailer().Bytes());
}

TEST(GifPeer, TheTableFillsAndTheDataGoesOnWithoutAClear) {
    Frame frame = PatternFrame(320, 200, 256, 77, 8);
    frame.lzw.whenFull = LzwOptions::WhenFull::Never;
    ExpectAgreement(OneFrame(frame, 8));
    Frame small = PatternFrame(300, 100, 4, 78, 2);
    small.lzw.whenFull = LzwOptions::WhenFull::Never;
    ExpectAgreement(OneFrame(small, 2));
}

TEST(GifPeer, DeferredClears) {
    for (int deferred : {0, 1, 17, 400, 3000}) {
        SCOPED_TRACE(deferred);
        Frame frame = PatternFrame(256, 160, 256, deferred, 8);
        frame.lzw.whenFull = LzwOptions::WhenFull::Defer;
        frame.lzw.deferredCodes = deferred;
        ExpectAgreement(OneFrame(frame, 8));
    }
}

TEST(GifPeer, ShortSubBlocksAndNoInitialClear) {
    Frame frame = PatternFrame(77, 33, 32, 5, 5);
    frame.lzw.subBlockSize = 1;
    ExpectAgreement(OneFrame(frame, 5));
    frame.lzw.subBlockSize = 7;
    frame.lzw.initialClear = false;
    ExpectAgreement(OneFrame(frame, 5));
}

TEST(GifPeer, LargerCodeSizesThanTheTableNeeds) {
    ExpectAgreement(OneFrame(PatternFrame(50, 20, 2, 9, 8), 1));
    ExpectAgreement(OneFrame(PatternFrame(50, 20, 16, 9, 7), 4));
}
