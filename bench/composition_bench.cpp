// Composing every frame of a large animation with mixed disposals: the
// animator (reading, decoding and composing) beside giflib's DGifSlurp plus
// a plain compositor over its frames, on the same bytes in the same run.
#include <gif_lib.h>

#include <cstdio>
#include <cstdlib>

#include "BenchTools.h"
#include "GifBuilder.h"
#include "GiflibFile.h"
#include "ReferenceComposition.h"
#include "framework/application/Application.h"
#include "framework/graphics/Colors.h"
#include "gif/GIFAnimator.h"

namespace {

constexpr int Width = 640;
constexpr int Height = 480;
constexpr int Frames = 200;
constexpr int Runs = 7;

// A scene as animations have them: bands of colour and scattered detail.
gifbuild::Frame Scene(int k, int left, int top, int width, int height) {
    gifbuild::Frame frame;
    frame.left = left;
    frame.top = top;
    frame.width = width;
    frame.height = height;
    const std::vector<std::uint8_t> detail = gifbuild::Pattern(width, height, 256, static_cast<std::uint32_t>(k + 1));
    frame.pixels.resize(detail.size());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::size_t at = static_cast<std::size_t>(y * width + x);
            frame.pixels[at] = (x / 32 + y / 24) % 5 == 0 ? detail[at]
                                                          : static_cast<std::uint8_t>((x / 16 + y / 12 + k) % 64);
        }
    return frame;
}

// Every tenth frame fills the screen; the others are sprites of a quarter of
// it that move, leave themselves, clear their place or undo themselves, some
// with a transparent colour.
std::string Animation() {
    gifbuild::GifBuilder gif;
    gif.Screen(Width, Height, 8).Loop(0);
    for (int k = 0; k < Frames; ++k) {
        if (k % 10 == 0) {
            gif.GraphicControl(1, 4).Image(Scene(k, 0, 0, Width, Height));
            continue;
        }
        const int left = (k * 37) % (Width - Width / 2);
        const int top = (k * 23) % (Height - Height / 2);
        gif.GraphicControl(k % 4, 4, k % 3 == 0 ? 7 : -1).Image(Scene(k, left, top, Width / 2, Height / 2));
    }
    return gif.Trailer().Bytes();
}

std::uint64_t ComposeWithGiflib(const std::string& bytes) {
    GiflibFile file(bytes);
    if (!file) std::abort();
    std::uint64_t sum = 0;
    reference::ComposeFrames(file.get(), skl::ColorToRGB(skl::clWindow),
                             [&](int, const reference::Picture& picture) { sum += picture[sum % picture.size()]; });
    return sum;
}

std::uint64_t ComposeWithTheAnimator(const std::string& bytes) {
    skl::TGIFAnimator animator(nullptr);
    skl::TGIFImage image;
    image.LoadFromMemory(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    animator.SetImage(image);
    std::uint64_t sum = 0;
    for (int k = 0; k < animator.Image().FrameCount(); ++k) {
        skl::TColor key = skl::clNone;
        skl::TBitmap& picture = animator.ComposeFrame(k, key);
        sum += picture.Canvas().Pixel(static_cast<int>(sum % Width), 0);
    }
    return sum;
}

}  // namespace

int main() {
    skl::TApplication application;
    const std::string bytes = Animation();
    std::printf("GIF composition: %d frames of %d x %d with disposals 0-3 and sprites, %zu bytes, %d runs\n", Frames,
                Width, Height, bytes.size(), Runs);
    bench::PrintLoad("before");
    bench::Series ours, peer;
    bench::TakeTurns(
        Runs, [&] { return bench::Measure([&] { ComposeWithTheAnimator(bytes); }); }, ours,
        [&] { return bench::Measure([&] { ComposeWithGiflib(bytes); }); }, peer);
    bench::PrintHeading();
    bench::PrintRow("TGIFAnimator (read+compose)", ours);
    bench::PrintRow("giflib + plain compositor", peer);
    bench::PrintRatio("ratio ours / giflib", ours, peer, 1.0);
    bench::PrintLoad("after");
}
