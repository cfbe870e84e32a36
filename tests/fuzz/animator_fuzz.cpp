// Fuzzes the GIF animator: any bytes read as GIF data are shown by an
// animator that composes every frame, in order and after jumps, and paints
// itself centred, stretched, transparent and not. No crash, no hang, no
// access outside a buffer.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "framework/application/Application.h"
#include "framework/core/Exceptions.h"
#include "framework/graphics/BitmapDC.h"
#include "gif/GIFAnimator.h"
#include "ParseAny.h"

namespace {

// Pictures are composed up to this many pixels in all: beyond it the run only
// measures the machine's memory.
constexpr std::int64_t PixelBudget = 8 * 1024 * 1024;

bool WithinBudget(skl::TGIFImage& image) {
    std::int64_t pixels = std::int64_t{image.LogicalWidth()} * image.LogicalHeight() * image.FrameCount();
    for (int i = 0; i < image.FrameCount(); ++i)
        pixels += std::int64_t{image.FrameAt(i).Item().PixelWidth} * image.FrameAt(i).Item().PixelHeight;
    return pixels <= PixelBudget;
}

void ComposeEveryFrame(skl::TGIFAnimator& animator, int first, int step) {
    const int count = animator.Image().FrameCount();
    for (int i = 0; i < count; ++i) {
        skl::TColor key = skl::clNone;
        try {
            animator.ComposeFrame((first + i * step + count) % count, key);
        } catch (const skl::Exception&) {
        }
    }
}

void PaintInEveryWay(skl::TGIFAnimator& animator) {
    skl::TBitmap window;
    window.SetSize(24, 18);
    skl::TBitmapDC dc(window);
    for (int way = 0; way < 4; ++way) {
        animator.SetCenter(way == 1);
        animator.SetStretch(way == 2);
        animator.SetTransparent(way != 3);
        animator.SetFrameIndex(way % std::max(animator.Image().FrameCount(), 1));
        try {
            animator.PaintOn(dc);
        } catch (const skl::Exception&) {
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static skl::TApplication application;
    skl::TGIFImage image;
    ParseAny(image, data, size);
    if (image.FrameCount() == 0 || !WithinBudget(image)) return 0;

    skl::TGIFAnimator animator(nullptr);
    animator.SetAutoSize(false);
    animator.SetBounds(3, 2, 20, 15);
    animator.SetImage(image);
    ComposeEveryFrame(animator, 0, 1);
    ComposeEveryFrame(animator, -1, -1);
    PaintInEveryWay(animator);
    return 0;
}
