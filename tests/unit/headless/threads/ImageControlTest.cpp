#include <gtest/gtest.h>

#include <functional>
#include <future>

#include "../PaintFixture.h"
#include "framework/controls/GraphicControl.h"
#include "framework/fake/Foreground.h"
#include "gif/ImageControl.h"
#include "gif/PaintUnderlay.h"

using namespace skl;

namespace {

constexpr TColor Red = 0x0000FF;
constexpr TColor Green = 0x00FF00;
constexpr TColor Blue = 0xFF0000;

// Draws what a test asks for; by default its colour over all of it and beyond.
class TPictureControl : public TImageControl {
public:
    TPictureControl(TWinControl& parent, TRect bounds) : TImageControl(nullptr) {
        SetParent(&parent);
        SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    }
    using TImageControl::Drawing;
    using TImageControl::Picture;
    TColor Shade = Red;
    std::function<void()> Render;

protected:
    void PaintCanvas() override { PaintWithBackground(); }
    void RenderImage() override {
        if (Render) return Render();
        Canvas().Brush.Color = Shade;
        Canvas().FillRect({-3, -3, Width() + 3, Height() + 3});
    }
};

class TSwatch : public TGraphicControl {
public:
    TSwatch(TWinControl& parent, TRect bounds, TColor color) : TGraphicControl(nullptr), shade_(color) {
        SetParent(&parent);
        SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    }

protected:
    void PaintCanvas() override {
        Canvas().Brush.Color = shade_;
        Canvas().FillRect({0, 0, Width(), Height()});
    }

private:
    TColor shade_;
};

class ImageControls : public PaintFixture {};

}  // namespace

TEST_F(ImageControls, APaintMessageWithoutAContextPaintsNothing) {
    TPictureControl picture(form, {0, 0, 5, 5});
    int renders = 0;
    picture.Render = [&] { ++renders; };
    TMessage paint{wm::Paint, 0, 0, 0};
    picture.Perform(paint);
    EXPECT_EQ(renders, 0);
}

TEST_F(ImageControls, APaintReachesTheWindowInOneBlockWhenTheControlIsDone) {
    TPictureControl picture(form, {4, 4, 10, 6});
    PaintAll();
    EXPECT_EQ(Pixel(5, 5), Red);
    std::vector<TColor> seenWhileDrawing;
    picture.Render = [&] {
        picture.Canvas().Brush.Color = Blue;
        picture.Canvas().FillRect({0, 0, 6, 2});
        seenWhileDrawing = Row(5, 3, 11);
    };
    picture.Repaint();
    EXPECT_EQ(seenWhileDrawing, (std::vector<TColor>{Face, Red, Red, Red, Red, Red, Red, Face}));
    EXPECT_EQ(Row(5, 3, 11), (std::vector<TColor>{Face, Blue, Blue, Blue, Blue, Blue, Blue, Face}));
}

TEST_F(ImageControls, PaintNowFromAWorkerPaintsOnTheParentsWindowInsideTheControl) {
    TPictureControl picture(form, {10, 10, 12, 11});
    picture.Shade = Blue;
    std::async(std::launch::async, [&] { picture.PaintNow(); }).get();
    EXPECT_EQ(Row(10, 9, 13), (std::vector<TColor>{Face, Blue, Blue, Face}));
    EXPECT_EQ(Pixel(10, 9), Face);
    EXPECT_EQ(Pixel(10, 11), Face);

    picture.Shade = Green;
    picture.PaintNow();
    EXPECT_EQ(Pixel(11, 10), Green) << "on the user-interface thread it paints at once as well";
}

TEST_F(ImageControls, ImageUpdatedInvalidatesUnlessCalledFromItsOwnPaint) {
    TPictureControl picture(form, {2, 3, 4, 5});
    PaintAll();
    picture.ImageUpdated();
    EXPECT_EQ(fake::InvalidRect(Window()), (TRect{2, 3, 4, 5}));
    application.ProcessMessages();
    bool drawing = false;
    picture.Render = [&] {
        drawing = picture.Drawing();
        picture.ImageUpdated();
    };
    picture.Repaint();
    EXPECT_TRUE(drawing);
    EXPECT_EQ(fake::InvalidRect(Window()), std::nullopt);
    EXPECT_FALSE(picture.Drawing());
}

TEST_F(ImageControls, ANewPaletteIsShownByTheActiveFormOnly) {
    TPictureControl picture(form, {0, 0, 4, 4});
    TBitmap colours;
    colours.SetPixelFormat(TPixelFormat::pf8bit);
    colours.SetSize(2, 2);
    picture.Picture = &colours;
    struct TPaletteOf : TPictureControl {
        using TPictureControl::TPictureControl;
        TGraphic* Source = nullptr;
        const std::vector<TRGBQuad>* Palette() const override { return Source ? Source->Palette() : nullptr; }
    } paletted(form, {0, 0, 4, 4});
    paletted.Picture = paletted.Source = &colours;

    colours.PaletteModified = true;
    EXPECT_FALSE(paletted.NotifyPaletteChange()) << "the form is not active";
    EXPECT_TRUE(colours.PaletteModified);
    fake::SetActiveWindow(Window());
    EXPECT_TRUE(paletted.NotifyPaletteChange());
    EXPECT_FALSE(colours.PaletteModified);
    EXPECT_EQ(fake::PendingMessages(), 1u);
    EXPECT_FALSE(paletted.NotifyPaletteChange()) << "nothing new to show";

    colours.PaletteModified = true;
    EXPECT_FALSE(picture.NotifyPaletteChange()) << "a control without a palette";
    EXPECT_FALSE(colours.PaletteModified);
    picture.Picture = nullptr;
    paletted.Picture = nullptr;
}

TEST_F(ImageControls, PaintUnderlayPaintsTheParentAndTheSiblingsBelowOnly) {
    form.SetColor(Green);
    TSwatch below(form, {0, 0, 3, 3}, Red);
    TPictureControl picture(form, {1, 1, 4, 4});
    TSwatch above(form, {3, 1, 6, 2}, Blue);
    std::vector<TColor> underlay;
    picture.Render = [&] {
        PaintUnderlay(&picture, picture.Canvas());
        for (int x = 0; x < 3; ++x) underlay.push_back(picture.Canvas().Pixel(x, 0));
    };
    picture.Repaint();
    EXPECT_EQ(underlay, (std::vector<TColor>{Red, Red, Green}));
    EXPECT_FALSE(form.PaintCopy);
    EXPECT_FALSE(below.PaintCopy);

    TPictureControl orphan(form, {0, 0, 2, 2});
    orphan.SetParent(nullptr);
    EXPECT_NO_THROW(PaintUnderlay(&orphan, orphan.Canvas()));
    EXPECT_NO_THROW(PaintUnderlay(nullptr, orphan.Canvas()));
}
