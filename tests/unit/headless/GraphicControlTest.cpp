#include <gtest/gtest.h>

#include "PaintFixture.h"
#include "framework/controls/GraphicControl.h"
#include "framework/core/Exceptions.h"

using namespace skl;

namespace {

constexpr TColor Red = 0x0000FF;
constexpr TColor Blue = 0xFF0000;

// Fills more than its rectangle with its colour: the clip keeps it inside.
class TSwatch : public TGraphicControl {
public:
    TSwatch(TComponent* owner, TWinControl& parent, TRect bounds, TColor color) : TGraphicControl(owner), Shade(color) {
        SetParent(&parent);
        SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    }
    TColor Shade;
    int Paints = 0;
    bool Fails = false;

protected:
    void PaintCanvas() override {
        ++Paints;
        Canvas().Brush.Color = Shade;
        Canvas().FillRect({-5, -5, Width() + 5, Height() + 5});
        if (Fails) throw EInvalidGraphic("the picture failed");
    }
};

class GraphicControls : public PaintFixture {};

}  // namespace

TEST_F(GraphicControls, TheParentsPaintShowsEachWindowlessControlInItsRectangle) {
    TSwatch red(nullptr, form, {10, 5, 14, 8}, Red);
    TSwatch blue(nullptr, form, {12, 6, 20, 7}, Blue);
    PaintAll();
    EXPECT_EQ(Row(5, 9, 15), (std::vector<TColor>{Face, Red, Red, Red, Red, Face}));
    EXPECT_EQ(Row(6, 9, 21), (std::vector<TColor>{Face, Red, Red, Blue, Blue, Blue, Blue, Blue, Blue, Blue, Blue, Face}))
        << "the later control lies above";
    EXPECT_EQ(Row(8, 9, 15), std::vector<TColor>(6, Face));
    EXPECT_EQ(fake::InvalidRect(Window()), std::nullopt);
}

TEST_F(GraphicControls, InvalidateWaitsForTheLoopAndRepaintPaintsAtOnce) {
    TSwatch swatch(nullptr, form, {0, 0, 4, 4}, Red);
    swatch.ControlStyle |= csOpaque;
    PaintAll();
    swatch.Shade = Blue;
    swatch.Invalidate();
    EXPECT_EQ(fake::InvalidRect(Window()), (TRect{0, 0, 4, 4}));
    EXPECT_EQ(Pixel(1, 1), Red);
    application.ProcessMessages();
    EXPECT_EQ(Pixel(1, 1), Blue);

    swatch.Shade = Red;
    swatch.Repaint();
    EXPECT_EQ(Pixel(1, 1), Red);
    EXPECT_EQ(fake::InvalidRect(Window()), std::nullopt);

    swatch.Hide();
    const int paints = swatch.Paints;
    swatch.Repaint();
    application.ProcessMessages();
    EXPECT_EQ(swatch.Paints, paints) << "a hidden control is not painted";
    EXPECT_EQ(Pixel(1, 1), Face) << "what lay beneath shows again";
}

TEST_F(GraphicControls, APaintThatFailsShowsNoneOfItsPicture) {
    TSwatch swatch(nullptr, form, {0, 0, 4, 4}, Red);
    swatch.ControlStyle |= csOpaque;
    PaintAll();
    swatch.Shade = Blue;
    swatch.Fails = true;
    EXPECT_THROW(swatch.Repaint(), EInvalidGraphic);
    EXPECT_EQ(Row(1, 0, 5), (std::vector<TColor>{Red, Red, Red, Red, Face}));

    swatch.Fails = false;
    swatch.Repaint();
    EXPECT_EQ(Pixel(1, 1), Blue) << "the next paint shows";
}
