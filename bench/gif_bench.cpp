// Decoding every frame of a large animation: our reader and frame bitmaps
// beside giflib's DGifSlurp on the same bytes, in the same run.
#include <gif_lib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "GifBuilder.h"
#include "GiflibFile.h"
#include "framework/io/Streams.h"
#include "gif/GIFImage.h"

namespace {

constexpr int Width = 640;
constexpr int Height = 480;
constexpr int Frames = 200;
constexpr int Runs = 7;

// A scene as animations have them: bands of colour, a moving disc, and
// scattered detail.
std::vector<std::uint8_t> Scene(int frame) {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(Width) * Height);
    const std::vector<std::uint8_t> detail = gifbuild::Pattern(Width, Height, 256, frame + 1);
    const int cx = (frame * 7) % Width;
    const int cy = Height / 2 + (frame % 40) - 20;
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * Width + x;
            const int dx = x - cx;
            const int dy = y - cy;
            std::uint8_t value = static_cast<std::uint8_t>((x / 16 + y / 12 + frame) % 64);
            if (dx * dx + dy * dy < 90 * 90) value = static_cast<std::uint8_t>(64 + (dx * dx + dy * dy) / 200);
            if ((x / 32 + y / 24) % 5 == 0) value = detail[at];
            pixels[at] = value;
        }
    }
    return pixels;
}

std::string Animation() {
    gifbuild::GifBuilder gif;
    gif.Screen(Width, Height, 8).Loop(0);
    for (int i = 0; i < Frames; ++i) {
        gifbuild::Frame frame;
        frame.width = Width;
        frame.height = Height;
        frame.pixels = Scene(i);
        gif.GraphicControl(1, 4).Image(frame);
    }
    return gif.Trailer().Bytes();
}

std::size_t DecodeWithGiflib(const std::string& bytes) {
    GiflibFile file(bytes);
    if (!file) std::abort();
    return static_cast<std::size_t>(file->ImageCount);
}

std::size_t DecodeWithOurs(const std::string& bytes) {
    skl::TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    stream.SetPosition(0);
    skl::TGIFImage image;
    image.ParseGIF(stream, static_cast<std::int64_t>(bytes.size()), false);
    for (int i = 0; i < image.FrameCount(); ++i) image.FrameAt(i).FrameBitmap();
    return static_cast<std::size_t>(image.FrameCount());
}

double Milliseconds(const std::function<std::size_t()>& decode) {
    const auto start = std::chrono::steady_clock::now();
    if (decode() != Frames) std::abort();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    const std::string bytes = Animation();
    std::printf("GIF decode: %d frames of %d x %d, %zu bytes, median of %d runs\n", Frames, Width, Height,
                bytes.size(), Runs);
    std::vector<double> ours;
    std::vector<double> giflib;
    for (int run = 0; run < Runs; ++run) {
        ours.push_back(Milliseconds([&] { return DecodeWithOurs(bytes); }));
        giflib.push_back(Milliseconds([&] { return DecodeWithGiflib(bytes); }));
    }
    const double ourMedian = Median(ours);
    const double giflibMedian = Median(giflib);
    std::printf("  TGIFImage + FrameBitmap  %8.1f ms\n", ourMedian);
    std::printf("  giflib DGifSlurp         %8.1f ms\n", giflibMedian);
    std::printf("  ratio ours / giflib      %8.2f\n", ourMedian / giflibMedian);
}
