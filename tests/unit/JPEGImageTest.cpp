#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>

#include "framework/graphics/Bitmap.h"
#include "framework/core/Exceptions.h"
#include "imaging/JPEGImage.h"
#include "Samples.h"
#include "TempFolder.h"

using namespace skl;

namespace {

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::unique_ptr<TBitmap> Decode(const std::string& path, const TJPEGOptions* options = nullptr) {
    auto bitmap = std::make_unique<TBitmap>();
    TJPEGImage picture;
    picture.LoadFromFile(path);
    if (options) picture.SetOptions(*options);
    bitmap->Assign(picture);
    return bitmap;
}

std::string Pixels(const TBitmap& bitmap) {
    const TBitmapImage& image = *bitmap.Image();
    return std::string(reinterpret_cast<const char*>(image.Bits()), image.Header.biSizeImage);
}

std::string Pixels(const std::unique_ptr<TBitmap>& bitmap) { return Pixels(*bitmap); }

std::string ColourTable(const TBitmap& bitmap) {
    const auto& table = bitmap.Image()->ColorTable;
    return std::string(reinterpret_cast<const char*>(table.data()), table.size() * sizeof(TRGBQuad));
}

// Blue, green, red of pixel x of the row that starts at `row`.
void ExpectPixel(const std::uint8_t* row, int x, int red, int green, int blue) {
    constexpr int tolerance = 3;
    EXPECT_NEAR(row[3 * x + 2], red, tolerance) << "pixel " << x;
    EXPECT_NEAR(row[3 * x + 1], green, tolerance) << "pixel " << x;
    EXPECT_NEAR(row[3 * x], blue, tolerance) << "pixel " << x;
}

template <class E>
std::string FailureOf(auto action) {
    try {
        action();
    } catch (const E& error) {
        return error.Message();
    }
    return "no failure";
}

// A JPEG whose frame header claims another size.
std::string WithFrameSize(std::string jpeg, int width, int height) {
    const std::size_t frame = jpeg.find("\xFF\xC0");
    jpeg[frame + 5] = static_cast<char>(height >> 8);
    jpeg[frame + 6] = static_cast<char>(height);
    jpeg[frame + 7] = static_cast<char>(width >> 8);
    jpeg[frame + 8] = static_cast<char>(width);
    return jpeg;
}

// The scans of a JPEG file: its start-of-scan markers, which the entropy
// coded data cannot hold (a 0xFF byte there is followed by 0).
int ScanCount(const std::string& jpeg) {
    int scans = 0;
    for (std::size_t at = jpeg.find("\xFF\xDA"); at != std::string::npos; at = jpeg.find("\xFF\xDA", at + 2)) ++scans;
    return scans;
}

// What a progressive display shows: the picture after each scan shown, the
// notifications in order (S starting, R a scan shown, E ending) and the
// picture and colour table it ends with.
struct ProgressiveShow {
    std::vector<std::string> Shown;
    std::string Stages;
    std::string Final;
    std::string FinalColours;
};

ProgressiveShow ShowProgressively(const std::string& path, TJPEGOptions options) {
    options.ProgressiveDisplay = true;
    TJPEGImage picture;
    picture.LoadFromFile(path);
    picture.SetOptions(options);
    ProgressiveShow show;
    picture.OnProgress = [&](TGraphic&, TProgressStage stage, int, const std::string&) {
        show.Stages += "SRE"[static_cast<int>(stage)];
        if (stage == TProgressStage::psRunning) show.Shown.push_back(Pixels(picture.Bitmap()));
    };
    show.Final = Pixels(picture.Bitmap());
    show.FinalColours = ColourTable(picture.Bitmap());
    return show;
}

class TPen : public TPersistent {
public:
    const char* ClassName() const override { return "TPen"; }
};

}  // namespace

TEST(JPEGDecoding, ColourPictureBecomesBottomUp24BitBlueGreenRed) {
    const auto bitmap = Decode(SamplePath("colour-3x2.jpg"));
    const TBitmapImage& image = *bitmap->Image();
    EXPECT_EQ(bitmap->PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(image.Header.biWidth, 3);
    EXPECT_EQ(image.Header.biHeight, 2);
    EXPECT_EQ(image.Header.biBitCount, 24);
    EXPECT_EQ(image.Pitch(), 12);
    const std::uint8_t* bottom = image.Bits();
    const std::uint8_t* top = image.Bits() + 12;
    ExpectPixel(top, 0, 255, 0, 0);
    ExpectPixel(top, 1, 0, 255, 0);
    ExpectPixel(top, 2, 0, 0, 255);
    ExpectPixel(bottom, 0, 255, 255, 255);
    ExpectPixel(bottom, 1, 0, 0, 0);
    ExpectPixel(bottom, 2, 128, 128, 128);
    for (const std::uint8_t* row : {bottom, top}) EXPECT_EQ(std::string(row + 9, row + 12), std::string(3, '\0'));
}

TEST(JPEGDecoding, OneRowPictureDecodesLikeAnyOther) {
    const auto bitmap = Decode(SamplePath("colour-4x1.jpg"));
    ASSERT_EQ(bitmap->Image()->Header.biWidth, 4);
    ASSERT_EQ(bitmap->Image()->Header.biHeight, 1);
    ExpectPixel(bitmap->Image()->Bits(), 3, 255, 255, 0);
}

TEST(JPEGDecoding, GrayscalePictureIndexes236DitheredGrays) {
    const auto bitmap = Decode(SamplePath("gray-5x3.jpg"));
    const TBitmapImage& image = *bitmap->Image();
    EXPECT_EQ(bitmap->PixelFormat(), TPixelFormat::pf8bit);
    EXPECT_EQ(image.Pitch(), 8);
    ASSERT_EQ(image.ColorTable.size(), 256u);
    for (int j = 0; j < 236; ++j) {
        const std::uint8_t level = static_cast<std::uint8_t>((255 * j + 117) / 235);
        EXPECT_EQ(image.ColorTable[j], (TRGBQuad{level, level, level, 0})) << "entry " << j;
    }
    const int topRow[5] = {0, 64, 128, 192, 255};
    const std::uint8_t* top = image.Bits() + 2 * image.Pitch();
    for (int x = 0; x < 5; ++x) EXPECT_NEAR(image.ColorTable[top[x]].Red, topRow[x], 3) << "pixel " << x;
}

TEST(JPEGDecoding, EightBitFormatQuantizesColourTo236ColoursInBlueGreenRedOrder) {
    TJPEGOptions options;
    options.PixelFormat = TJPEGPixelFormat::Bits8;
    const auto bitmap = Decode(SamplePath("baseline.jpg"), &options);
    const TBitmapImage& image = *bitmap->Image();
    ASSERT_EQ(bitmap->PixelFormat(), TPixelFormat::pf8bit);
    std::set<int> used;
    for (int y = 0; y < image.Header.biHeight; ++y)
        for (int x = 0; x < image.Header.biWidth; ++x) used.insert(image.Bits()[y * image.Pitch() + x]);
    EXPECT_LE(used.size(), 236u);
    EXPECT_GT(used.size(), 100u);

    const auto red = Decode(SamplePath("colour-3x2.jpg"), &options);
    const TRGBQuad topLeft = red->Image()->ColorTable[red->Image()->Bits()[red->Image()->Pitch()]];
    EXPECT_GT(topLeft.Red, 200);
    EXPECT_LT(topLeft.Blue, 60);
}

TEST(JPEGDecoding, ProgressiveAndRestartMarkersGiveTheBaselinePixels) {
    const std::string baseline = Pixels(Decode(SamplePath("baseline.jpg")));
    EXPECT_EQ(Pixels(Decode(SamplePath("progressive.jpg"))), baseline);
    EXPECT_EQ(Pixels(Decode(SamplePath("restart.jpg"))), baseline);
    EXPECT_EQ(Pixels(Decode(SamplePath("arithmetic.jpg"))), baseline);
}

TEST(JPEGDecoding, FourComponentPictureBecomesBlueGreenRed) {
    const auto bitmap = Decode(SamplePath("cmyk.jpg"));
    ASSERT_EQ(bitmap->PixelFormat(), TPixelFormat::pf24bit);
    const std::uint8_t* row = bitmap->Image()->Bits();
    ExpectPixel(row, 8, 255, 0, 0);
    ExpectPixel(row, 24, 0, 255, 0);
    ExpectPixel(row, 40, 0, 0, 255);
    ExpectPixel(row, 56, 255, 255, 255);
}

TEST(JPEGDecoding, CutOffPictureDecodesItsRowsThatTheDataReach) {
    const auto whole = Decode(SamplePath("baseline.jpg"));
    const auto cut = Decode(SamplePath("truncated.jpg"));
    ASSERT_EQ(cut->Image()->Header.biWidth, 320);
    ASSERT_EQ(cut->Image()->Header.biHeight, 240);
    const auto pitch = static_cast<std::size_t>(whole->Image()->Pitch());
    const std::string top = Pixels(whole).substr(Pixels(whole).size() - 16 * pitch);
    EXPECT_EQ(Pixels(cut).substr(Pixels(cut).size() - 16 * pitch), top);
    EXPECT_NE(Pixels(cut), Pixels(whole));
}

TEST(JPEGDecoding, BytesAfterTheEndMakeNoDifference) {
    EXPECT_EQ(Pixels(Decode(SamplePath("trailing.jpg"))), Pixels(Decode(SamplePath("colour-17x9.jpg"))));
}

TEST(JPEGDecoding, CorruptPictureDataStillYieldsAPicture) {
    std::string jpeg = FileBytes(SamplePath("baseline.jpg"));
    for (std::size_t i = jpeg.size() / 2; i < jpeg.size() / 2 + 64; ++i) jpeg[i] = static_cast<char>(i * 37);
    TempFolder folder;
    folder.Write("corrupt.jpg", jpeg);
    const auto bitmap = Decode(folder.Path("corrupt.jpg"));
    EXPECT_EQ(bitmap->Image()->Header.biWidth, 320);
}

TEST(JPEGDecoding, HalfScaleHalvesTheSizeRoundingUp) {
    TJPEGImage picture;
    picture.LoadFromFile(SamplePath("colour-17x9.jpg"));
    TJPEGOptions options;
    options.Scale = TJPEGScale::Half;
    picture.SetOptions(options);
    EXPECT_EQ(picture.Width(), 9);
    EXPECT_EQ(picture.Height(), 5);
    EXPECT_EQ(picture.Bitmap().Width(), 9);
    EXPECT_EQ(picture.Bitmap().Height(), 5);
}

TEST(JPEGProgressiveDisplay, ShowsEachScanFastThenEndsWithAPassAtTheSettingsAskedFor) {
    const std::string path = SamplePath("progressive.jpg");
    const auto scans = static_cast<std::size_t>(ScanCount(FileBytes(path)));
    ASSERT_GT(scans, 2u);
    const ProgressiveShow show = ShowProgressively(path, {});
    EXPECT_EQ(show.Stages, std::string("S").append(scans, 'R').append("E"));
    ASSERT_EQ(show.Shown.size(), scans);
    EXPECT_TRUE(show.Shown.front() != show.Shown.back()) << "the first scan holds only the coarse colours";
    TJPEGOptions fast;
    fast.Performance = TJPEGPerformance::BestSpeed;
    EXPECT_TRUE(show.Shown.back() == Pixels(Decode(path, &fast)));
    EXPECT_TRUE(show.Final == Pixels(Decode(path)));
    EXPECT_TRUE(show.Final != show.Shown.back());
}

TEST(JPEGProgressiveDisplay, EightBitScansAreDitheredFastAndTheLastPassChoosesItsColoursInTwoPasses) {
    const std::string path = SamplePath("progressive.jpg");
    TJPEGOptions options;
    options.PixelFormat = TJPEGPixelFormat::Bits8;
    const ProgressiveShow show = ShowProgressively(path, options);
    ASSERT_FALSE(show.Shown.empty());
    const auto normal = Decode(path, &options);
    EXPECT_TRUE(show.Final == Pixels(normal));
    EXPECT_TRUE(show.FinalColours == ColourTable(*normal));
    options.Performance = TJPEGPerformance::BestSpeed;
    EXPECT_TRUE(show.Shown.back() == Pixels(Decode(path, &options)));

    const std::string gray = SamplePath("gray-progressive.jpg");
    const ProgressiveShow grayShow = ShowProgressively(gray, {});
    EXPECT_EQ(grayShow.Shown.size(), static_cast<std::size_t>(ScanCount(FileBytes(gray))));
    EXPECT_TRUE(grayShow.Final == Pixels(Decode(gray)));
    EXPECT_TRUE(grayShow.FinalColours == ColourTable(*Decode(gray)));
}

TEST(JPEGProgressiveDisplay, AFileOfOneScanDecodesAsEver) {
    const ProgressiveShow show = ShowProgressively(SamplePath("baseline.jpg"), {});
    EXPECT_EQ(show.Stages, "SE");
    EXPECT_TRUE(show.Final == Pixels(Decode(SamplePath("baseline.jpg"))));
}

TEST(JPEGProgressiveDisplay, AnObserversAbortEndsTheDecodingQuietlyWithThePictureShownSoFar) {
    const std::string path = SamplePath("progressive.jpg");
    TJPEGImage picture;
    picture.LoadFromFile(path);
    TJPEGOptions options;
    options.ProgressiveDisplay = true;
    picture.SetOptions(options);
    std::string stages, firstScan;
    picture.OnProgress = [&](TGraphic&, TProgressStage stage, int, const std::string&) {
        stages += "SRE"[static_cast<int>(stage)];
        if (stage != TProgressStage::psRunning) return;
        firstScan = Pixels(picture.Bitmap());
        throw EAbort("");
    };
    const std::string shown = Pixels(picture.Bitmap());
    EXPECT_EQ(stages, "SRE");
    EXPECT_TRUE(shown == firstScan);
    EXPECT_TRUE(shown != Pixels(Decode(path)));
}

TEST(JPEGPicture, LoadingReadsOnlyTheHeader) {
    TJPEGImage picture;
    EXPECT_TRUE(picture.Empty());
    picture.LoadFromFile(SamplePath("gray.jpg"));
    EXPECT_FALSE(picture.Empty());
    EXPECT_EQ(picture.Width(), 320);
    EXPECT_EQ(picture.Height(), 240);
    EXPECT_TRUE(picture.Grayscale());
    EXPECT_EQ(FailureOf<EInvalidGraphicOperation>([&] { picture.SetWidth(10); }),
              "Cannot change the size of a JPEG image");
    EXPECT_EQ(FailureOf<EInvalidGraphicOperation>([&] { picture.SetHeight(10); }),
              "Cannot change the size of a JPEG image");
}

TEST(JPEGPicture, TheBitmapSharesTheDecodedImageAndKeepsIt) {
    TBitmap bitmap;
    {
        TJPEGImage picture;
        picture.LoadFromFile(SamplePath("colour-3x2.jpg"));
        bitmap.Assign(picture);
        EXPECT_EQ(bitmap.Image(), picture.Bitmap().Image());
        EXPECT_EQ(bitmap.Image()->RefCount(), 2);
    }
    EXPECT_EQ(bitmap.Image()->RefCount(), 1);
    ExpectPixel(bitmap.Image()->Bits() + 12, 0, 255, 0, 0);
}

TEST(JPEGPicture, AConstSourceDecodesOnceAndTellsItsObserversWithItselfAsSender) {
    TJPEGImage picture;
    picture.LoadFromFile(SamplePath("colour-3x2.jpg"));
    std::vector<TProgressStage> stages;
    picture.OnProgress = [&](TGraphic& sender, TProgressStage stage, int, const std::string&) {
        EXPECT_EQ(&sender, &picture);
        stages.push_back(stage);
    };
    const TJPEGImage& source = picture;
    TBitmap first;
    TBitmap second;
    first.Assign(source);
    second.Assign(source);
    EXPECT_EQ(stages, (std::vector<TProgressStage>{TProgressStage::psStarting, TProgressStage::psEnding}));
    EXPECT_EQ(first.Image(), second.Image());
    EXPECT_EQ(first.Image(), source.Bitmap().Image());
}

TEST(JPEGPicture, DrawingDecodesOnFirstNeedAndStretchesIntoTheRectangle) {
    TJPEGImage picture;
    picture.LoadFromFile(SamplePath("colour-3x2.jpg"));
    TBitmap canvas;
    canvas.SetSize(8, 6);
    canvas.Canvas().Brush.Color = clWhite;
    canvas.Canvas().FillRect({0, 0, 8, 6});
    canvas.Canvas().StretchDraw({1, 1, 7, 5}, picture);
    // Each picture pixel covers 2 x 2 of the rectangle; the white border stays.
    const std::vector<std::vector<int>> expected = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255},
                                                    {255, 255, 255}, {0, 0, 0}, {128, 128, 128}};
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            const TColor colour = canvas.Canvas().Pixel(x, y);
            const bool inside = x >= 1 && x < 7 && y >= 1 && y < 5;
            const auto& rgb = inside ? expected[static_cast<std::size_t>((y - 1) / 2 * 3 + (x - 1) / 2)]
                                     : std::vector<int>{255, 255, 255};
            EXPECT_NEAR(static_cast<int>(colour & 0xFF), rgb[0], 3) << x << "," << y;
            EXPECT_NEAR(static_cast<int>((colour >> 8) & 0xFF), rgb[1], 3) << x << "," << y;
            EXPECT_NEAR(static_cast<int>((colour >> 16) & 0xFF), rgb[2], 3) << x << "," << y;
        }
    }
}

TEST(JPEGPicture, RefusesToBeAssignedToAnythingButABitmap) {
    TJPEGImage picture;
    picture.LoadFromFile(SamplePath("colour-3x2.jpg"));
    TPen pen;
    EXPECT_EQ(FailureOf<EConvertError>([&] { pen.Assign(picture); }), "Cannot assign a TJPEGImage to a TPen");
}

TEST(JPEGPicture, StoredFormIsACountAndTheFileBytes) {
    const std::string jpeg = FileBytes(SamplePath("colour-4x1.jpg"));
    TJPEGImage picture;
    picture.LoadFromFile(SamplePath("colour-4x1.jpg"));
    TMemoryStream stored;
    picture.WriteData(stored);
    const std::string bytes(reinterpret_cast<const char*>(stored.Memory()), static_cast<std::size_t>(stored.Length()));
    ASSERT_EQ(bytes.size(), jpeg.size() + 4);
    const std::size_t count = static_cast<std::uint8_t>(bytes[0]) | static_cast<std::uint8_t>(bytes[1]) << 8;
    EXPECT_EQ(count, jpeg.size());
    EXPECT_EQ(bytes.substr(2, 2), std::string(2, '\0'));
    EXPECT_EQ(bytes.substr(4), jpeg);

    stored.WriteBuffer("after", 5);
    stored.SetPosition(0);
    TJPEGImage copy;
    copy.ReadData(stored);
    EXPECT_EQ(stored.Position(), static_cast<std::int64_t>(jpeg.size() + 4));
    EXPECT_EQ(copy.Width(), 4);
    TMemoryStream saved;
    copy.SaveToStream(saved);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(saved.Memory()), static_cast<std::size_t>(saved.Length())), jpeg);

    TJPEGImage empty;
    TMemoryStream nothing;
    empty.WriteData(nothing);
    EXPECT_EQ(nothing.Length(), 4);
}

TEST(JPEGPicture, LoadingFromAStreamStartsAtItsPosition) {
    TMemoryStream stream;
    stream.WriteBuffer("prefix", 6);
    const std::string jpeg = FileBytes(SamplePath("colour-17x9.jpg"));
    stream.WriteBuffer(jpeg.data(), jpeg.size());
    stream.SetPosition(6);
    TJPEGImage picture;
    picture.LoadFromStream(stream);
    EXPECT_EQ(picture.Width(), 17);
    EXPECT_EQ(picture.Height(), 9);
}

TEST(JPEGFailures, FileOfAnotherFormatFailsAtLoadWithCode52) {
    TempFolder folder;
    folder.Write("picture.jpg", "GIF89a\x01\x00\x01\x00 not a JPEG");
    TJPEGImage picture;
    EXPECT_EQ(FailureOf<EJPEG>([&] { picture.LoadFromFile(folder.Path("picture.jpg")); }), "JPEG error #52");
    EXPECT_EQ(FailureOf<EInvalidGraphic>([&] { picture.LoadFromFile(folder.Path("picture.jpg")); }),
              "JPEG error #52");
}

TEST(JPEGFailures, EmptyFileLoadsAndFailsAtDecodeWithCode41) {
    TempFolder folder;
    folder.Write("empty.jpg", "");
    TJPEGImage picture;
    picture.LoadFromFile(folder.Path("empty.jpg"));
    TBitmap bitmap;
    EXPECT_EQ(FailureOf<EJPEG>([&] { bitmap.Assign(picture); }), "JPEG error #41");
    EXPECT_EQ(FailureOf<EJPEG>([&] { bitmap.Assign(picture); }), "JPEG error #41");
    EXPECT_TRUE(bitmap.Empty());
}

TEST(JPEGFailures, DrawingAnEmptyPictureFailsWithCode41) {
    TempFolder folder;
    folder.Write("empty.jpg", "");
    TJPEGImage fresh, loaded;
    loaded.LoadFromFile(folder.Path("empty.jpg"));
    for (TJPEGImage* picture : {&fresh, &loaded}) {
        std::string ending;
        picture->OnProgress = [&](TGraphic&, TProgressStage stage, int percent, const std::string& message) {
            if (stage == TProgressStage::psEnding) ending = std::to_string(percent) + " " + message;
        };
        TBitmap canvas;
        canvas.SetSize(4, 4);
        EXPECT_EQ(FailureOf<EJPEG>([&] { canvas.Canvas().StretchDraw({0, 0, 4, 4}, *picture); }), "JPEG error #41");
        EXPECT_EQ(ending, "0 JPEG error #41");
        EXPECT_EQ(FailureOf<EJPEG>([&] { canvas.Canvas().Draw(0, 0, *picture); }), "JPEG error #41");
        EXPECT_TRUE(picture->Empty());
    }
}

TEST(JPEGFailures, MissingFileNamesThePath) {
    TempFolder folder;
    const std::string path = folder.Path("missing.jpg");
    TJPEGImage picture;
    EXPECT_EQ(FailureOf<EFOpenError>([&] { picture.LoadFromFile(path); }), "Cannot open file " + path);
}

TEST(JPEGFailures, ShortStoredFormIsAReadError) {
    TMemoryStream stream;
    const std::uint8_t count[4] = {100, 0, 0, 0};
    stream.WriteBuffer(count, 4);
    stream.WriteBuffer("\xFF\xD8", 2);
    stream.SetPosition(0);
    TJPEGImage picture;
    EXPECT_EQ(FailureOf<EReadError>([&] { picture.ReadData(stream); }), "Stream read error");
}

TEST(JPEGFailures, ConversionTheLibraryLacksIsAJPEGError) {
    TJPEGImage picture;
    picture.LoadFromFile(SamplePath("cmyk.jpg"));
    TJPEGOptions options;
    options.Grayscale = true;
    picture.SetOptions(options);
    EXPECT_EQ(FailureOf<EJPEG>([&] { picture.Bitmap(); }), "JPEG error #26");
}

TEST(JPEGFailures, SurfaceTooLargeForTheSystemIsOutOfResources) {
    TempFolder folder;
    folder.Write("huge.jpg", WithFrameSize(FileBytes(SamplePath("colour-1x1.jpg")), 60000, 60000));
    TJPEGImage picture;
    picture.LoadFromFile(folder.Path("huge.jpg"));
    EXPECT_EQ(picture.Width(), 60000);
    EXPECT_EQ(FailureOf<EOutOfResources>([&] { picture.Bitmap(); }), "Out of system resources");
}

TEST(JPEGFailures, StreamPositionedPastItsEndLoadsNothing) {
    TMemoryStream stream;
    stream.WriteBuffer("\xFF\xD8", 2);
    stream.SetPosition(10);
    TJPEGImage picture;
    picture.LoadFromStream(stream);
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(FailureOf<EJPEG>([&] { picture.Bitmap(); }), "JPEG error #41");
}
