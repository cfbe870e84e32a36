#include <gtest/gtest.h>

#include "GifBuilder.h"
#include "GifTestSupport.h"
#include "framework/core/Exceptions.h"
#include "gif/GIFImage.h"
#include "gif/GIFReader.h"

using namespace skl;
using gifbuild::GifBuilder;
using gifbuild::PatternFrame;
using gifbuild::TestColorValue;

namespace {

// A 4 x 2 picture with a global table of 4 colours and one frame.
GifBuilder OneFrame(const std::string& signature = "GIF89a") {
    GifBuilder gif;
    gif.Screen(4, 2, 2, 0, signature).Image(PatternFrame(4, 2, 4, 1, 2));
    return gif;
}

template <class E>
std::string MessageOf(const std::string& bytes, bool decodeFirst = false, bool tolerateDamage = true) {
    TGIFImage image;
    image.TolerateDamage = tolerateDamage;
    try {
        Parse(image, bytes, decodeFirst);
    } catch (const E& error) {
        return error.Message();
    }
    return "no exception";
}

}  // namespace

TEST(GIFSignature, AnyLetterCaseIsAccepted) {
    for (const auto& [signature, version] : {std::pair{"GIF87a", 1}, {"GIF89a", 2}, {"gif89a", 2}, {"GiF87A", 1},
                                             {"gIf89A", 2}}) {
        TGIFImage image;
        Parse(image, OneFrame(signature).Trailer().Bytes());
        EXPECT_EQ(image.FormatVersion(), version) << signature;
        EXPECT_EQ(image.FrameCount(), 1) << signature;
    }
}

TEST(GIFSignature, OtherVersionsAndSignaturesAreRefused) {
    for (const char* signature : {"GIF88a", "HIF89a", "GIF8 a", "GIF\0\0\0"}) {
        const std::string bytes = std::string(signature, 6) + OneFrame().Bytes().substr(6);
        EXPECT_EQ(MessageOf<EInvalidGraphicOperation>(bytes), "Unknown GIF version") << signature;
    }
}

TEST(GIFRead, NoDataGivesAnEmptyPictureAndStillNotifies) {
    TGIFImage image;
    int changes = 0;
    image.OnChange = [&](TGraphic&) { ++changes; };
    Parse(image, "");
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(image.Empty());
    EXPECT_EQ(image.FrameCount(), 0);
    EXPECT_EQ(image.ActiveFrame(), -1);
    EXPECT_EQ(image.FormatVersion(), 0);
    EXPECT_EQ(image.LogicalWidth(), 0);
    EXPECT_EQ(image.Width(), 0);
}

TEST(GIFRead, ScreenDescriptorAndGlobalTable) {
    GifBuilder gif;
    gif.Screen(4, 2, 3, 5).Image(PatternFrame(4, 2, 8, 1, 3)).Trailer();
    TGIFImage image;
    int changes = 0;
    image.OnChange = [&](TGraphic&) { ++changes; };
    Parse(image, gif.Bytes());
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(image.PaletteModified);
    EXPECT_EQ(image.LogicalWidth(), 4);
    EXPECT_EQ(image.LogicalHeight(), 2);
    EXPECT_EQ(image.Header().ColorBits, 3);
    EXPECT_EQ(image.Header().ColorResolution, 8);
    EXPECT_EQ(image.Header().GlobalTable.EntryCount, 8);
    EXPECT_EQ(image.Header().GlobalTable.Color(7), TestColorValue(7));
    EXPECT_EQ(image.Header().GlobalTable.Color(8), 0u);
    EXPECT_EQ(image.BackdropColor(), TestColorValue(5));
    EXPECT_EQ(image.ActiveFrame(), 0);
    EXPECT_EQ(image.LoopPresent(), false);
    EXPECT_EQ(image.LoopCount(), 1);
    const TGIFFrame& frame = image.FrameAt(0);
    EXPECT_EQ(frame.Item().ColorBits, 3);
    EXPECT_FALSE(frame.OwnColors);
    EXPECT_EQ(frame.Item().ColorTable, image.Header().GlobalTable);
    EXPECT_EQ(frame.Item().CodeData->Position(), 0);
}

TEST(GIFRead, BackgroundIndexOutsideTheTableLeavesNoBackdrop) {
    GifBuilder gif;
    gif.Screen(4, 2, 2, 4).Image(PatternFrame(4, 2, 4, 1, 2)).Trailer();
    TGIFImage image;
    Parse(image, gif.Bytes());
    EXPECT_EQ(image.BackdropColor(), clNone);
}

TEST(GIFRead, LocalTablesBelongToTheirFrame) {
    GifBuilder gif;
    gifbuild::Frame local = PatternFrame(4, 2, 16, 2, 4);
    local.localBits = 4;
    gif.Screen(4, 2, 1).Image(PatternFrame(4, 2, 2, 1, 2)).Image(local).Trailer();
    TGIFImage image;
    Parse(image, gif.Bytes());
    ASSERT_EQ(image.FrameCount(), 2);
    EXPECT_FALSE(image.FrameAt(0).OwnColors);
    EXPECT_EQ(image.FrameAt(0).Item().ColorBits, 1);
    EXPECT_TRUE(image.FrameAt(1).OwnColors);
    EXPECT_EQ(image.FrameAt(1).Item().ColorBits, 4);
    EXPECT_EQ(image.FrameAt(1).Item().ColorTable.EntryCount, 16);
    EXPECT_EQ(image.FrameAt(1).Item().ColorTable.Color(15), TestColorValue(15));
}

TEST(GIFRead, LoopBlocks) {
    auto loopOf = [](const GifBuilder& blocks) {
        GifBuilder gif;
        gif.Screen(4, 2, 2).Raw(blocks.Bytes()).Image(PatternFrame(4, 2, 4, 1, 2)).Trailer();
        TGIFImage image;
        Parse(image, gif.Bytes());
        return std::pair<bool, int>{image.LoopPresent(), image.LoopCount()};
    };
    EXPECT_EQ(loopOf(GifBuilder().Loop(0)), std::pair(true, 0));
    EXPECT_EQ(loopOf(GifBuilder().Loop(5)), std::pair(true, 5));
    EXPECT_EQ(loopOf(GifBuilder().Loop(40000)), std::pair(true, 30000));
    EXPECT_EQ(loopOf(GifBuilder().Loop(7, "ANIMEXTS1.0")), std::pair(true, 7));
    EXPECT_EQ(loopOf(GifBuilder().Loop(7, "XMP DataXMP")), std::pair(false, 1));
    EXPECT_EQ(loopOf(GifBuilder().Application("NETSCAPE2.0", {std::string("\x02\x05\x00", 3)})), std::pair(false, 1));
    EXPECT_EQ(loopOf(GifBuilder().Application("NETSCAPE2.0", {std::string("\x01\x05", 2)})), std::pair(false, 1));
    EXPECT_EQ(loopOf(GifBuilder()), std::pair(false, 1));
    // The identifier is compared over the length the block gives it.
    EXPECT_EQ(loopOf(GifBuilder().Raw("!\xFF\x03NETSCAPE2.0\x03\x01\x09").Byte(0).Byte(0)), std::pair(true, 9));
}

TEST(GIFRead, GraphicControlSetsTimingTransparencyAndDisposal) {
    GifBuilder gif;
    gif.Screen(4, 2, 2).GraphicControl(2, 7, 3).Image(PatternFrame(4, 2, 4, 1, 2)).Trailer();
    TGIFImage image;
    Parse(image, gif.Bytes());
    const TGIFFrame& frame = image.FrameAt(0);
    EXPECT_EQ(frame.DelayMs, 70);
    EXPECT_EQ(frame.Disposal, 2);
    EXPECT_EQ(frame.TransparentKey, TestColorValue(3));
    ASSERT_EQ(frame.ExtensionList.size(), 1u);
    EXPECT_EQ(frame.ExtensionList[0].Kind, TExtensionKind::ekGraphicControl);
    EXPECT_EQ(frame.ExtensionList[0].Header, (std::vector<std::uint8_t>{4, 2 << 2 | 1, 7, 0, 3, 0}));
}

TEST(GIFRead, TheLongerDelayAndTheLaterBlockWin) {
    GifBuilder gif;
    gif.Screen(4, 2, 2).GraphicControl(1, 5, 2).GraphicControl(3, 20).Image(PatternFrame(4, 2, 4, 1, 2)).Trailer();
    TGIFImage image;
    Parse(image, gif.Bytes());
    const TGIFFrame& frame = image.FrameAt(0);
    EXPECT_EQ(frame.DelayMs, 200);
    EXPECT_EQ(frame.Disposal, 3);
    EXPECT_EQ(frame.TransparentKey, clNone);
    EXPECT_EQ(frame.ExtensionList.size(), 2u);
}

TEST(GIFRead, ATransparentIndexOutsideTheTableGivesNoKey) {
    GifBuilder gif;
    gif.Screen(4, 2, 2).GraphicControl(0, 0, 4).Image(PatternFrame(4, 2, 4, 1, 2)).Trailer();
    TGIFImage image;
    Parse(image, gif.Bytes());
    EXPECT_EQ(image.FrameAt(0).TransparentKey, clNone);
}

TEST(GIFRead, LongDelaysStopAtTheLargestMillisecondValue) {
    GifBuilder gif;
    gif.Screen(4, 2, 2).GraphicControl(0, 7000).Image(PatternFrame(4, 2, 4, 1, 2)).Trailer();
    TGIFImage image;
    Parse(image, gif.Bytes());
    EXPECT_EQ(image.FrameAt(0).DelayMs, 65535);
}

TEST(GIFRead, APlainTextBlockTakesTheGraphicControlBeforeIt) {
    GifBuilder gif;
    gif.Screen(4, 2, 2).GraphicControl(2, 50, 1).PlainText().Image(PatternFrame(4, 2, 4, 1, 2)).Trailer();
    TGIFImage image;
    Parse(image, gif.Bytes());
    const TGIFFrame& frame = image.FrameAt(0);
    EXPECT_EQ(frame.DelayMs, 0);
    EXPECT_EQ(frame.Disposal, 0);
    EXPECT_EQ(frame.TransparentKey, clNone);
    EXPECT_TRUE(frame.ExtensionList.empty());
}

TEST(GIFRead, ZeroWidthOrHeightTakesTheLogicalScreen) {
    GifBuilder gif;
    gifbuild::Frame frame = PatternFrame(6, 3, 4, 1, 2);
    gif.Screen(6, 3, 2).Descriptor(0, 0, 0, 3, 0).Raw(gifbuild::ImageData(frame.pixels, frame.lzw));
    gif.Descriptor(0, 0, 6, 0, 0).Raw(gifbuild::ImageData(frame.pixels, frame.lzw)).Trailer();
    TGIFImage image;
    Parse(image, gif.Bytes());
    ASSERT_EQ(image.FrameCount(), 2);
    EXPECT_EQ(image.FrameAt(0).Item().PixelWidth, 6);
    EXPECT_EQ(image.FrameAt(1).Item().PixelHeight, 3);
    EXPECT_EQ(Indices(image.FrameAt(0).FrameBitmap()), frame.pixels);
}

TEST(GIFRead, FramePositionAndInterlaceFlag) {
    GifBuilder gif;
    gifbuild::Frame frame = PatternFrame(2, 3, 4, 1, 2);
    frame.left = 5;
    frame.top = 7;
    frame.interlaced = true;
    gif.Screen(10, 10, 2).Image(frame).Trailer();
    TGIFImage image;
    Parse(image, gif.Bytes());
    EXPECT_EQ(image.FrameAt(0).FramePos, (TPoint{5, 7}));
    EXPECT_TRUE(image.FrameAt(0).IsInterlaced);
    EXPECT_EQ(image.FrameAt(0).Item().DescriptorFlags, 0x40);
}

TEST(GIFRead, DataMayEndWithoutTrailerOrRightAfterAnImage) {
    TGIFImage image;
    Parse(image, OneFrame().Bytes());
    EXPECT_EQ(image.FrameCount(), 1);
    EXPECT_FALSE(image.FrameAt(0).Damaged);
    const std::string bytes = OneFrame().Bytes();
    Parse(image, bytes.substr(0, bytes.size() - 1));  // no terminator either
    EXPECT_EQ(image.FrameCount(), 1);
    EXPECT_FALSE(image.FrameAt(0).Damaged);
}

TEST(GIFRead, ZeroBytesBetweenBlocksAreSkipped) {
    GifBuilder gif;
    gif.Screen(4, 2, 2).Raw(std::string(3, '\0')).GraphicControl(1, 4).Raw(std::string(2, '\0'));
    gif.Image(PatternFrame(4, 2, 4, 1, 2)).Raw(std::string(2, '\0')).Image(PatternFrame(4, 2, 4, 2, 2)).Trailer();
    TGIFImage image;
    Parse(image, gif.Bytes());
    EXPECT_EQ(image.FrameCount(), 2);
    EXPECT_EQ(image.FrameAt(0).DelayMs, 40);
}

TEST(GIFRead, OtherBytesAfterAnImageEndTheDataQuietly) {
    GifBuilder gif;
    gif.Screen(4, 2, 2).Image(PatternFrame(4, 2, 4, 1, 2)).Raw("X").Image(PatternFrame(4, 2, 4, 2, 2)).Trailer();
    TGIFImage image;
    Parse(image, gif.Bytes());
    EXPECT_EQ(image.FrameCount(), 1);
}

TEST(GIFRead, OtherBytesAfterAnExtensionFail) {
    GifBuilder afterControl;
    afterControl.Screen(4, 2, 2).Image(PatternFrame(4, 2, 4, 1, 2)).GraphicControl(0, 1).Raw("X").Trailer();
    EXPECT_EQ(MessageOf<EInvalidGraphicOperation>(afterControl.Bytes()), "Stream read error");
    GifBuilder afterComment;
    afterComment.Screen(4, 2, 2).Image(PatternFrame(4, 2, 4, 1, 2)).Comment({"note"}).Raw("X").Trailer();
    EXPECT_EQ(MessageOf<EInvalidGraphicOperation>(afterComment.Bytes()), "Stream read error");
}

TEST(GIFRead, AFailureKeepsTheFramesReadBeforeIt) {
    GifBuilder gif;
    gif.Screen(4, 2, 2).Image(PatternFrame(4, 2, 4, 1, 2)).Raw("!\x3A");
    TGIFImage image;
    int changes = 0;
    image.OnChange = [&](TGraphic&) { ++changes; };
    try {
        Parse(image, gif.Bytes());
        FAIL() << "no exception";
    } catch (const EInvalidGraphicOperation& error) {
        EXPECT_EQ(error.Message(), "Unrecognized extension block: 3A");
    }
    EXPECT_EQ(image.FrameCount(), 1);
    EXPECT_EQ(image.ActiveFrame(), -1);
    EXPECT_EQ(changes, 0);
}

TEST(GIFRead, MissingBytesAreStreamReadErrors) {
    const std::string bytes = OneFrame().Trailer().Bytes();
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), 10);
    stream.SetPosition(0);
    TGIFImage image;
    EXPECT_THROW(image.ParseGIF(stream, 11, false), EReadError);
    EXPECT_THROW(image.ParseGIF(stream, -1, false), EReadError);
    // Cut inside the screen descriptor, the global table, the image descriptor and before the code size byte.
    for (std::size_t length : {8u, 15u, 28u, 35u}) {
        EXPECT_EQ(MessageOf<EReadError>(bytes.substr(0, length)), "Stream read error") << length;
    }
    GifBuilder header;
    header.Screen(4, 2, 2).Raw("!\xF9\x04\x00");
    EXPECT_EQ(MessageOf<EReadError>(header.Bytes()), "Stream read error");
}

TEST(GIFRead, ACutShortSubBlockDamagesTheFrameAndKeepsTheWholeBlocks) {
    gifbuild::Frame frame = PatternFrame(40, 30, 4, 3, 2);
    frame.lzw.subBlockSize = 16;
    GifBuilder gif;
    gif.Screen(40, 30, 2).Image(frame);
    const std::string whole = gif.Bytes();
    const std::size_t dataStart = 13 + 12 + 10;  // the code size byte after screen, table and descriptor
    const std::string cut = whole.substr(0, whole.size() - 5);
    TGIFImage image;
    Parse(image, cut);
    ASSERT_EQ(image.FrameCount(), 1);
    const TGIFFrame& read = image.FrameAt(0);
    EXPECT_TRUE(read.Damaged);
    std::size_t end = dataStart + 1;
    while (end + 1 + static_cast<std::uint8_t>(whole[end]) <= cut.size()) end += 1 + static_cast<std::uint8_t>(whole[end]);
    const std::string expected = whole.substr(dataStart, end - dataStart);
    EXPECT_LT(expected.size(), cut.size() - dataStart);
    const TMemoryStream& codeData = *read.Item().CodeData;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(codeData.Memory()), static_cast<std::size_t>(codeData.Length())), expected);
}

TEST(GIFRead, AnImageWithoutAnySubBlockIsDamaged) {
    GifBuilder gif;
    gif.Screen(4, 2, 2).Descriptor(0, 0, 4, 2, 0).Byte(2);
    TGIFImage image;
    Parse(image, gif.Bytes());
    ASSERT_EQ(image.FrameCount(), 1);
    EXPECT_TRUE(image.FrameAt(0).Damaged);
    EXPECT_EQ(image.FrameAt(0).Item().CodeData->Length(), 1);
}

TEST(GIFRead, WithoutToleranceCutShortDataFails) {
    GifBuilder gif;
    gif.Screen(4, 2, 2).Image(PatternFrame(4, 2, 4, 1, 2));
    const std::string bytes = gif.Bytes();
    EXPECT_EQ(MessageOf<EInvalidGraphicOperation>(bytes.substr(0, bytes.size() - 3), false, false),
              "Stream read error");
}

TEST(GIFComments, BeforeAnImageTheyBelongToTheFrame) {
    GifBuilder gif;
    gif.Screen(4, 2, 2).Comment({"first"}).GraphicControl(1, 1).Comment({"made by", "us"});
    gif.Image(PatternFrame(4, 2, 4, 1, 2)).Trailer();
    TGIFImage image;
    Parse(image, gif.Bytes());
    TGIFFrame& frame = image.FrameAt(0);
    ASSERT_EQ(frame.ExtensionList.size(), 3u);
    EXPECT_EQ(frame.ExtensionList[0].Kind, TExtensionKind::ekComment);
    EXPECT_EQ(frame.ExtensionList[1].Kind, TExtensionKind::ekGraphicControl);
    EXPECT_EQ(frame.FrameComment(), (std::vector<std::string>{"made by", "us"}));
    EXPECT_TRUE(image.ImageComment().empty());
}

TEST(GIFComments, AfterTheLastImageTheyBelongToThePicture) {
    GifBuilder gif;
    gif.Screen(4, 2, 2).Image(PatternFrame(4, 2, 4, 1, 2)).Comment({"one", "two"}).Comment({"three"}).Trailer();
    TGIFImage image;
    Parse(image, gif.Bytes());
    EXPECT_EQ(image.ImageComment(), (std::vector<std::string>{"one", "two", "\r\n\r\n", "three"}));
}

TEST(GIFComments, ReadingAFrameCommentMakesAnEmptyOneAndSettingReplacesIt) {
    TGIFImage image;
    Parse(image, OneFrame().Trailer().Bytes());
    TGIFFrame& frame = image.FrameAt(0);
    EXPECT_TRUE(frame.FrameComment().empty());
    ASSERT_EQ(frame.ExtensionList.size(), 1u);
    EXPECT_EQ(frame.ExtensionList[0].Kind, TExtensionKind::ekComment);
    frame.SetFrameComment({"new"});
    EXPECT_EQ(frame.FrameComment(), (std::vector<std::string>{"new"}));
    EXPECT_EQ(frame.ExtensionList.size(), 1u);
}

TEST(GIFRead, AFileWithoutColourTablesReadsButCannotBuildBitmaps) {
    GifBuilder gif;
    gif.Screen(4, 2, 0).Image(PatternFrame(4, 2, 4, 1, 2)).Trailer();
    TGIFImage image;
    Parse(image, gif.Bytes());
    ASSERT_EQ(image.FrameCount(), 1);
    EXPECT_EQ(image.FrameAt(0).Item().ColorBits, 0);
    try {
        image.FrameAt(0).FrameBitmap();
        FAIL() << "no exception";
    } catch (const EInvalidGraphicOperation& error) {
        EXPECT_EQ(error.Message(), "Wrong number of colors; must be a power of 2");
    }
    EXPECT_THROW(image.FrameAt(0).FrameBitmap(), EInvalidGraphicOperation);
    // Reading with the first frame decoded drops that frame and fails.
    TGIFImage decoded;
    EXPECT_THROW(Parse(decoded, gif.Bytes(), true), EInvalidGraphicOperation);
    EXPECT_EQ(decoded.FrameCount(), 0);
    EXPECT_EQ(decoded.ActiveFrame(), -1);
}

TEST(GIFRead, ReadingAgainReplacesEverything) {
    GifBuilder first;
    first.Screen(4, 2, 2).Loop(3).Image(PatternFrame(4, 2, 4, 1, 2)).Image(PatternFrame(4, 2, 4, 2, 2)).Trailer();
    TGIFImage image;
    Parse(image, first.Bytes());
    EXPECT_EQ(image.FrameCount(), 2);
    Parse(image, OneFrame("GIF87a").Trailer().Bytes());
    EXPECT_EQ(image.FrameCount(), 1);
    EXPECT_FALSE(image.LoopPresent());
    EXPECT_EQ(image.LoopCount(), 1);
    EXPECT_EQ(image.FormatVersion(), 1);
}

TEST(GIFPicture, SizeIsTheActiveFramesAndCannotBeChanged) {
    GifBuilder gif;
    gif.Screen(10, 10, 2).Image(PatternFrame(3, 5, 4, 1, 2)).Trailer();
    TGIFImage image;
    Parse(image, gif.Bytes(), true);
    EXPECT_EQ(image.Width(), 3);
    EXPECT_EQ(image.Height(), 5);
    try {
        image.SetWidth(4);
        FAIL() << "no exception";
    } catch (const EInvalidGraphicOperation& error) {
        EXPECT_EQ(error.Message(), "Cannot change the Size of a GIF image");
    }
    EXPECT_THROW(image.SetHeight(4), EInvalidGraphicOperation);
}

TEST(GIFPicture, EmptyAndTransparentTests) {
    TGIFImage image;
    EXPECT_TRUE(image.Empty());
    EXPECT_FALSE(image.Transparent());
    GifBuilder gif;
    gif.Screen(4, 2, 2).Image(PatternFrame(4, 2, 4, 1, 2)).GraphicControl(0, 0, 1).Image(PatternFrame(4, 2, 4, 2, 2));
    Parse(image, gif.Trailer().Bytes());
    EXPECT_FALSE(image.Empty());
    EXPECT_TRUE(image.Transparent());
    image.SetTransparent(false);
    EXPECT_FALSE(image.Transparent());
    Parse(image, OneFrame().Trailer().Bytes());
    image.SetTransparent(true);
    EXPECT_FALSE(image.Transparent());
}

TEST(GIFLoopBlock, RecognisesBothIdentifiers) {
    TExtension extension;
    extension.Kind = TExtensionKind::ekApplication;
    extension.Header = {11, 'A', 'N', 'I', 'M', 'E', 'X', 'T', 'S', '1', '.', '0'};
    extension.SubBlocks = {std::string("\x01\x00\x00", 3)};
    EXPECT_TRUE(IsLoopBlock(extension));
    extension.Header[1] = 'a';
    EXPECT_FALSE(IsLoopBlock(extension));
    extension.Header = {12, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    EXPECT_FALSE(IsLoopBlock(extension));
    extension.Kind = TExtensionKind::ekComment;
    extension.Header = {11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    EXPECT_FALSE(IsLoopBlock(extension));
}
