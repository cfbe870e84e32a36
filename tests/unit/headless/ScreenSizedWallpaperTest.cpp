// The wallpaper file at the size the screen shows, for the user's wallpaper
// style and the monitors there are.
#include <memory>
#include <utility>

#include "../PlainReduction.h"
#include "ProgramFixture.h"
#include "framework/fake/Screen.h"

using namespace skl;

namespace {

const std::string DesktopKey = "\\Control Panel\\Desktop";
const std::vector<TRect> OneMonitor = {{0, 0, 200, 150}};
// Beside it a portrait one, taller and narrower.
const std::vector<TRect> TwoMonitors = {{0, 0, 200, 150}, {200, 0, 290, 160}};

struct Style {
    const char* Name;
    const char* WallpaperStyle;
    const char* TileWallpaper;
};
const Style Centre{"centre", "0", "0"}, Stretch{"stretch", "2", "0"}, Fit{"fit", "6", "0"}, Fill{"fill", "10", "0"},
    Span{"span", "22", "0"}, Tile{"tile", "0", "1"}, Unknown{"unknown", "3", "0"};

class ScreenSizedWallpaper : public ProgramFixture {
protected:
    void UseStyle(const Style& style) {
        fake::PutRegistryValue(DesktopKey, "WallpaperStyle", {TRegDataType::String, style.WallpaperStyle});
        fake::PutRegistryValue(DesktopKey, "TileWallpaper", {TRegDataType::String, style.TileWallpaper});
    }
    // One picture, shown at every click.
    void StartWith(const std::string& sample, const std::string& settings = "") {
        AddPicture("picture.jpg", sample);
        if (!settings.empty()) WriteSettings(settings);
        Start();
    }
    std::unique_ptr<TBitmap> ChangeAndRead() {
        ClickTrayIcon();
        auto written = std::make_unique<TBitmap>();
        written->LoadFromFile(Folder() + "Skelvora.bmp");
        return written;
    }
    static std::unique_ptr<TBitmap> WholeDecoding(const std::string& sample) {
        TJPEGImage picture;
        picture.LoadFromFile(SamplePath(sample));
        auto whole = std::make_unique<TBitmap>();
        whole->Assign(picture);
        return whole;
    }
    // The file a change wrote before the screen's size counted.
    std::string FullSizeFile(const std::string& sample) {
        WholeDecoding(sample)->SaveToFile(Folder() + "full.bmp");
        return folder.Read("full.bmp");
    }
};

}  // namespace

TEST_F(ScreenSizedWallpaper, EachStyleWritesWhatTheLargestMonitorNeedsOfTheLargerPicture) {
    struct Case {
        Style style;
        std::vector<TRect> monitors;
        int width, height;
    };
    // The picture is 801 x 601.
    const Case cases[] = {
        {Centre, OneMonitor, 200, 150},   {Centre, TwoMonitors, 200, 160},  // the middle, at its own size
        {Stretch, OneMonitor, 200, 151},  {Stretch, TwoMonitors, 214, 160},  // covering each monitor
        {Fill, OneMonitor, 200, 151},     {Fill, TwoMonitors, 214, 160},
        {Fit, OneMonitor, 200, 150},      {Fit, TwoMonitors, 200, 150},  // inside each monitor
        {Span, OneMonitor, 200, 151},     {Span, TwoMonitors, 290, 218},  // covering the desktop over both
        {Tile, OneMonitor, 801, 601},     {Tile, TwoMonitors, 801, 601},  // whole
        {Unknown, OneMonitor, 801, 601},  {Unknown, TwoMonitors, 801, 601},
    };
    StartWith("mosaic.jpg");
    for (const Case& c : cases) {
        UseStyle(c.style);
        fake::SetMonitors(c.monitors);
        const auto written = ChangeAndRead();
        EXPECT_EQ(std::pair(written->Width(), written->Height()), std::pair(c.width, c.height))
            << c.style.Name << " on " << c.monitors.size() << " monitor(s)";
        EXPECT_EQ(written->PixelFormat(), TPixelFormat::pf24bit);
    }
    EXPECT_TRUE(Reports().empty());
}

TEST_F(ScreenSizedWallpaper, WithoutStyleValuesTheCentreStyleHoldsAndTheProgramWritesNone) {
    StartWith("mosaic.jpg");
    fake::SetMonitors(OneMonitor);
    EXPECT_EQ(ChangeAndRead()->Width(), 200);
    EXPECT_EQ(fake::GetRegistryValue(DesktopKey, "WallpaperStyle"), std::nullopt);
    EXPECT_EQ(fake::GetRegistryValue(DesktopKey, "TileWallpaper"), std::nullopt);
}

TEST_F(ScreenSizedWallpaper, AStyleValueThatIsNoNumberOrNoTextWritesTheWholePicture) {
    StartWith("mosaic.jpg");
    fake::SetMonitors(OneMonitor);
    fake::PutRegistryValue(DesktopKey, "WallpaperStyle", {TRegDataType::String, "fill"});
    EXPECT_EQ(ChangeAndRead()->Width(), 801);
    fake::PutRegistryValue(DesktopKey, "WallpaperStyle", {TRegDataType::DWord, std::string("\x0A\0\0\0", 4)});
    EXPECT_EQ(ChangeAndRead()->Width(), 801);
    EXPECT_TRUE(Reports().empty());
}

TEST_F(ScreenSizedWallpaper, TheCentreStyleWritesTheMiddleOfTheWholeDecodingPixelForPixel) {
    // The picture is 320 x 240; a monitor lower than it and wider takes every row it shows.
    struct Case {
        const char* sample;
        std::vector<TRect> monitors;
        TRect middle;
    };
    const Case cases[] = {{"baseline.jpg", OneMonitor, {60, 45, 260, 195}},
                          {"baseline.jpg", TwoMonitors, {60, 40, 260, 200}},
                          {"baseline.jpg", {{0, 0, 400, 100}}, {0, 70, 320, 170}},
                          {"progressive.jpg", TwoMonitors, {60, 40, 260, 200}},
                          {"gray.jpg", OneMonitor, {60, 45, 260, 195}}};
    // Shown in the catalogue's order, one a click.
    std::string name = "a.jpg";
    for (const Case& c : cases) {
        AddPicture(name, c.sample);
        ++name[0];
    }
    Start();
    for (const Case& c : cases) {
        fake::SetMonitors(c.monitors);
        const auto written = ChangeAndRead();
        ASSERT_EQ(std::pair(written->Width(), written->Height()), std::pair(c.middle.Width(), c.middle.Height()))
            << c.sample;
        EXPECT_EQ(PlainPixels(*written), PlainPixels(*WholeDecoding(c.sample), c.middle)) << c.sample;
        EXPECT_EQ(written->PixelFormat(), WholeDecoding(c.sample)->PixelFormat()) << c.sample;
    }
}

TEST_F(ScreenSizedWallpaper, TheScaledStylesWriteThePlainReductionOfTheWholeDecodingWithinTwoLevels) {
    StartWith("mosaic.jpg");
    const auto whole = WholeDecoding("mosaic.jpg");
    for (const Style& style : {Stretch, Fit, Fill, Span})
        for (const auto& monitors : {OneMonitor, TwoMonitors}) {
            UseStyle(style);
            fake::SetMonitors(monitors);
            const auto written = ChangeAndRead();
            ASSERT_LT(written->Width(), 801) << style.Name;
            EXPECT_LE(LargestDifference(PlainPixels(*written), PlainReduction(*whole, written->Width(), written->Height())), 2)
                << style.Name << " on " << monitors.size() << " monitor(s)";
        }
}

TEST_F(ScreenSizedWallpaper, APictureNoLargerThanTheScreenAndTheTileStyleGiveTheSameBytesAsBefore) {
    StartWith("baseline.jpg");
    fake::SetMonitors({{0, 0, 320, 240}});
    for (const Style& style : {Centre, Stretch, Fit, Fill, Span, Tile}) {
        UseStyle(style);
        ClickTrayIcon();
        EXPECT_EQ(folder.Read("Skelvora.bmp"), FullSizeFile("baseline.jpg")) << style.Name;
    }
    fake::SetMonitors(OneMonitor);
    UseStyle(Tile);
    ClickTrayIcon();
    EXPECT_EQ(folder.Read("Skelvora.bmp"), FullSizeFile("baseline.jpg")) << "tiled on a smaller screen";
}

TEST_F(ScreenSizedWallpaper, FullSizeWallpaperOneGivesTheSameBytesAsBefore) {
    StartWith("baseline.jpg", "[Options]\nFullSizeWallpaper=1\n");
    fake::SetMonitors(OneMonitor);
    for (const Style& style : {Centre, Fill}) {
        UseStyle(style);
        ClickTrayIcon();
        EXPECT_EQ(folder.Read("Skelvora.bmp"), FullSizeFile("baseline.jpg")) << style.Name;
    }
}
