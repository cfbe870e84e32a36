#pragma once
// A shown form on the headless desktop whose window pixels a test reads.
#include <vector>

#include "framework/application/Application.h"
#include "framework/application/Form.h"
#include "framework/fake/Desktop.h"
#include "framework/graphics/Colors.h"
#include "framework/system/WindowPaint.h"
#include "FreshFakes.h"

class PaintFixture : public FreshFakes {
protected:
    PaintFixture() {
        form.SetBounds(0, 0, 60, 40);
        form.Show();
    }

    skl::TWindowHandle Window() { return form.Handle(); }
    skl::TColor Pixel(int x, int y) { return skl::fake::WindowPixel(Window(), x, y); }
    // The window's pixels of row y from x0 to x1 (exclusive).
    std::vector<skl::TColor> Row(int y, int x0, int x1) {
        std::vector<skl::TColor> row;
        for (int x = x0; x < x1; ++x) row.push_back(Pixel(x, y));
        return row;
    }
    // Has the whole window painted by the message loop.
    void PaintAll() {
        skl::InvalidateWindowRect(Window(), {0, 0, 60, 40}, true);
        application.ProcessMessages();
    }

    static constexpr skl::TColor Face = 0xC8D0D4;  // the headless button face
    skl::TApplication application;
    skl::TForm form{nullptr};
};
