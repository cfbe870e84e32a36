#include <gtest/gtest.h>

#include "GifBuilder.h"
#include "GifTestSupport.h"
#include "framework/core/Exceptions.h"
#include "gif/GIFImage.h"

using namespace skl;
using gifbuild::Frame;
using gifbuild::GifBuilder;
using gifbuild::PatternFrame;
using gifbuild::TestColorValue;

namespace {

// Two frames: a full one with the global table, then a smaller one at (2, 1)
// with a local table, a transparent colour, a comment and a delay.
std::string TwoFrames() {
    Frame second = PatternFrame(5, 3, 16, 2, 4);
    second.left = 2;
    second.top = 1;
    second.localBits = 4;
    GifBuilder gif;
    gif.Screen(8, 6, 3, 2).Loop(4).Image(PatternFrame(8, 6, 8, 1, 3));
    gif.Comment({"second"}).GraphicControl(2, 30, 5).Image(second).Comment({"end"}).Trailer();
    return gif.Bytes();
}

// How many frames share the frame's pixel data record.
int Shares(const TGIFFrame& frame) { return frame.Item().RefCount(); }

}  // namespace

TEST(GIFCopy, APictureCopySharesTheRecords) {
    TGIFImage source;
    Parse(source, TwoFrames(), true);
    TGIFImage copy;
    int changes = 0;
    copy.OnChange = [&](TGraphic&) { ++changes; };
    copy.Assign(source);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(copy.Equals(source));
    EXPECT_TRUE(source.Equals(copy));
    EXPECT_EQ(copy.Header().RefCount(), 2);
    ASSERT_EQ(copy.FrameCount(), 2);
    EXPECT_EQ(&copy.FrameAt(1).Item(), &source.FrameAt(1).Item());
    EXPECT_EQ(Shares(copy.FrameAt(1)), 2);
    EXPECT_EQ(copy.FormatVersion(), 2);
    EXPECT_TRUE(copy.LoopPresent());
    EXPECT_EQ(copy.LoopCount(), 4);
    EXPECT_EQ(copy.BackdropColor(), TestColorValue(2));
    EXPECT_EQ(copy.LogicalWidth(), 8);
    EXPECT_EQ(copy.LogicalHeight(), 6);
    EXPECT_EQ(copy.ActiveFrame(), 0);
    EXPECT_EQ(copy.ImageComment(), (std::vector<std::string>{"end"}));
    TGIFFrame& frame = copy.FrameAt(1);
    EXPECT_EQ(frame.FramePos, (TPoint{2, 1}));
    EXPECT_EQ(frame.DelayMs, 300);
    EXPECT_EQ(frame.Disposal, 2);
    EXPECT_EQ(frame.TransparentKey, TestColorValue(5));
    EXPECT_TRUE(frame.OwnColors);
    EXPECT_FALSE(copy.FrameAt(0).OwnColors);
    EXPECT_EQ(frame.FrameComment(), (std::vector<std::string>{"second"}));
    EXPECT_EQ(Indices(frame.FrameBitmap()), Indices(source.FrameAt(1).FrameBitmap()));
    // Frame 0's bitmap was built when the source was read; the copy has its own bitmap object.
    EXPECT_NE(&copy.FrameAt(0).FrameBitmap(), &source.FrameAt(0).FrameBitmap());
    EXPECT_FALSE(copy.Equals(copy.FrameAt(0).FrameBitmap()));
}

TEST(GIFCopy, RecordsGoWithTheirLastReference) {
    TGIFImage source;
    Parse(source, TwoFrames());
    {
        TGIFImage copy;
        copy.Assign(source);
        EXPECT_EQ(Shares(source.FrameAt(0)), 2);
    }
    EXPECT_EQ(Shares(source.FrameAt(0)), 1);
    EXPECT_EQ(source.Header().RefCount(), 1);
}

TEST(GIFCopy, ReadingIntoACopyLeavesTheOriginalAlone) {
    TGIFImage source;
    Parse(source, TwoFrames());
    TGIFImage copy;
    copy.Assign(source);
    Parse(copy, GifBuilder().Screen(2, 2, 1).Image(PatternFrame(2, 2, 2, 1, 2)).Trailer().Bytes());
    EXPECT_FALSE(copy.Equals(source));
    EXPECT_EQ(source.FrameCount(), 2);
    EXPECT_EQ(source.Header().GlobalTable.EntryCount, 8);
    EXPECT_EQ(source.ImageComment(), (std::vector<std::string>{"end"}));
}

TEST(GIFCopy, CopyingFromNothingEmptiesThePicture) {
    TGIFImage image;
    Parse(image, TwoFrames());
    int changes = 0;
    image.OnChange = [&](TGraphic&) { ++changes; };
    image.Clear();
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(image.Empty());
    EXPECT_EQ(image.FrameCount(), 0);
    EXPECT_EQ(image.ActiveFrame(), -1);
    EXPECT_EQ(image.LoopCount(), 1);
}

TEST(GIFCopy, APictureFromOneFrame) {
    TGIFImage source;
    Parse(source, TwoFrames());
    TGIFImage image;
    image.Assign(source.FrameAt(1));
    ASSERT_EQ(image.FrameCount(), 1);
    EXPECT_EQ(image.ActiveFrame(), 0);
    EXPECT_EQ(image.FormatVersion(), 1);
    EXPECT_EQ(image.Header().GlobalTable, source.Header().GlobalTable);
    EXPECT_EQ(image.Header().ColorBits, 3);
    EXPECT_TRUE(image.FrameAt(0).OwnColors);
    EXPECT_EQ(&image.FrameAt(0).Item(), &source.FrameAt(1).Item());
    // The logical screen is where the frame reaches.
    EXPECT_EQ(image.LogicalWidth(), 7);
    EXPECT_EQ(image.LogicalHeight(), 4);
    // A picture's own frame can become the whole picture.
    source.Assign(source.FrameAt(1));
    EXPECT_EQ(source.FrameCount(), 1);
    EXPECT_EQ(source.FrameAt(0).DelayMs, 300);
}

TEST(GIFCopy, FrameCopiesAndTheirColourFlag) {
    TGIFImage source;
    Parse(source, TwoFrames());
    source.FrameAt(0).FrameBitmap();
    // Within one picture the flag is taken over.
    source.FrameAt(1).Assign(source.FrameAt(0));
    EXPECT_FALSE(source.FrameAt(1).OwnColors);
    EXPECT_EQ(source.FrameAt(1).FramePos, (TPoint{0, 0}));
    EXPECT_EQ(source.FrameAt(1).FrameComment(), (std::vector<std::string>{"second"}));
    // From another picture it is set.
    TGIFImage other;
    Parse(other, TwoFrames());
    other.FrameAt(1).Assign(source.FrameAt(0));
    EXPECT_TRUE(other.FrameAt(1).OwnColors);
    EXPECT_EQ(Shares(source.FrameAt(0)), 3);
    EXPECT_EQ(Indices(other.FrameAt(1).FrameBitmap()), Indices(source.FrameAt(0).FrameBitmap()));
}

TEST(GIFCopy, AFrameFromAPictureTakesItsActiveFrame) {
    TGIFImage source;
    Parse(source, TwoFrames());
    TGIFImage image;
    Parse(image, TwoFrames());
    image.FrameAt(1).Assign(source);
    EXPECT_EQ(&image.FrameAt(1).Item(), &source.FrameAt(0).Item());
    TGIFImage empty;
    image.FrameAt(1).Assign(empty);
    EXPECT_FALSE(image.FrameAt(1).Item().CodeData);
    EXPECT_EQ(image.FrameAt(1).FrameWidth(), 0);
}

TEST(GIFCopy, AddFrameAppendsAndActivates) {
    TGIFImage source;
    Parse(source, TwoFrames());
    TGIFImage image;
    EXPECT_EQ(image.AddFrame(source.FrameAt(0)), 0);
    EXPECT_EQ(image.FormatVersion(), 1);
    EXPECT_EQ(image.AddFrame(source.FrameAt(1)), 1);
    EXPECT_EQ(image.ActiveFrame(), 1);
    EXPECT_EQ(image.FormatVersion(), 2);
    EXPECT_EQ(image.LogicalWidth(), 8);
    TBitmap bitmap;
    EXPECT_THROW(image.AddFrame(bitmap), EConvertError);
    EXPECT_EQ(image.FrameCount(), 2);
}

TEST(GIFCopy, ToABitmap) {
    TGIFImage source;
    Parse(source, TwoFrames(), true);
    TBitmap bitmap;
    bitmap.Assign(source);
    EXPECT_EQ(Indices(bitmap), Indices(source.FrameAt(0).FrameBitmap()));
    EXPECT_FALSE(bitmap.Transparent());
    bitmap.Assign(source.FrameAt(1));
    EXPECT_EQ(bitmap.Width(), 5);
    EXPECT_TRUE(bitmap.Transparent());
    EXPECT_EQ(bitmap.TransparentColor(), TestColorValue(5));
    TGIFImage empty;
    bitmap.Assign(empty);
    EXPECT_TRUE(bitmap.Empty());
}

TEST(GIFCopy, FromABitmapIsRefused) {
    TBitmap bitmap;
    TGIFImage image;
    try {
        image.Assign(bitmap);
        FAIL() << "no exception";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), "Cannot assign a TBitmap to a TGIFImage");
    }
}

TEST(GIFStoredForm, ALengthThenTheGIFData) {
    const std::string gif = TwoFrames();
    const auto length = static_cast<std::uint32_t>(gif.size());
    std::string stored = {static_cast<char>(length), static_cast<char>(length >> 8), static_cast<char>(length >> 16),
                          static_cast<char>(length >> 24)};
    stored += gif + "tail";
    TMemoryStream stream;
    stream.WriteBuffer(stored.data(), static_cast<std::int64_t>(stored.size()));
    stream.SetPosition(0);
    TGIFImage image;
    image.ReadData(stream);
    EXPECT_EQ(image.FrameCount(), 2);
    EXPECT_EQ(stream.Position(), 4 + static_cast<std::int64_t>(gif.size()));
    EXPECT_FALSE(image.FrameAt(0).FrameBitmap().Empty());
}

TEST(GIFStoredForm, WrittenDataReadsBackTheSame) {
    TGIFImage source;
    Parse(source, TwoFrames());
    TMemoryStream stored;
    source.WriteData(stored);
    const std::uint8_t* bytes = stored.Memory();
    EXPECT_EQ(bytes[0] | bytes[1] << 8 | bytes[2] << 16 | bytes[3] << 24, stored.Length() - 4);
    stored.SetPosition(0);
    TGIFImage image;
    image.ReadData(stored);
    ASSERT_EQ(image.FrameCount(), 2);
    EXPECT_EQ(image.FormatVersion(), 2);
    EXPECT_EQ(image.LogicalWidth(), 8);
    EXPECT_EQ(image.LogicalHeight(), 6);
    EXPECT_EQ(image.BackdropColor(), source.BackdropColor());
    EXPECT_EQ(image.LoopCount(), 4);
    EXPECT_EQ(image.ImageComment(), source.ImageComment());
    EXPECT_EQ(image.Header().GlobalTable, source.Header().GlobalTable);
    for (int i = 0; i < 2; ++i) {
        TGIFFrame& read = image.FrameAt(i);
        TGIFFrame& original = source.FrameAt(i);
        EXPECT_EQ(read.FramePos, original.FramePos);
        EXPECT_EQ(read.DelayMs, original.DelayMs);
        EXPECT_EQ(read.Disposal, original.Disposal);
        EXPECT_EQ(read.TransparentKey, original.TransparentKey);
        EXPECT_EQ(read.OwnColors, original.OwnColors);
        EXPECT_EQ(read.Item().ColorTable, original.Item().ColorTable);
        EXPECT_EQ(read.FrameComment(), original.FrameComment());
        EXPECT_EQ(Indices(read.FrameBitmap()), Indices(original.FrameBitmap()));
    }
    TGIFImage empty;
    TMemoryStream nothing;
    empty.WriteData(nothing);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(nothing.Memory()), static_cast<std::size_t>(nothing.Length())), std::string(4, '\0'));
}
