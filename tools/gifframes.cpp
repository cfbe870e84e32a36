// gifframes IN.gif OUTDIR: lists the frames of a GIF picture and writes each
// frame's bitmap image, as the frame's bitmap is built from it, to
// OUTDIR/frame-NNN.bmp.
// gifframes --composed IN.gif OUTDIR: writes to OUTDIR/frame-NNN.bmp the
// whole logical screen, 24 bits per pixel, as the animator shows frame NNN
// right after a jump to it, and lists each frame's see-through colour.
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/application/Application.h"
#include "framework/io/Streams.h"
#include "gif/GIFAnimator.h"
#include "gif/GIFImage.h"

namespace {

std::string Key(skl::TColor key) {
    if (key == skl::clNone) return "none";
    char text[16];
    std::snprintf(text, sizeof text, "%06X", key);
    return text;
}

std::string FramePath(const std::string& folder, int index) {
    char name[32];
    std::snprintf(name, sizeof name, "frame-%03d.bmp", index);
    return (std::filesystem::path(folder) / name).string();
}

void ReadPicture(const std::string& input, skl::TGIFImage& image) {
    skl::TFileStream file(input, skl::TFileMode::OpenReadShareDenyWrite);
    image.ParseGIF(file, file.Size(), false);
}

void WriteFrames(const std::string& input, const std::string& folder) {
    skl::TGIFImage image;
    ReadPicture(input, image);
    std::filesystem::create_directories(folder);
    for (int i = 0; i < image.FrameCount(); ++i) {
        skl::TGIFFrame& frame = image.FrameAt(i);
        skl::TMemoryStream bitmap;
        frame.BuildBitmapImage(bitmap);
        std::printf("frame %d: pos %d,%d size %dx%d delay %d disposal %d transparent %s damaged %s\n", i,
                    frame.FramePos.X, frame.FramePos.Y, frame.Item().PixelWidth, frame.Item().PixelHeight,
                    frame.DelayMs, frame.Disposal, Key(frame.TransparentKey).c_str(), frame.Damaged ? "yes" : "no");
        skl::TFileStream out(FramePath(folder, i), skl::TFileMode::Create);
        out.WriteBuffer(bitmap.Memory(), bitmap.Length());
    }
}

void WriteComposedFrames(const std::string& input, const std::string& folder) {
    skl::TApplication application;
    skl::TGIFImage image;
    ReadPicture(input, image);
    skl::TGIFAnimator animator(nullptr);
    animator.SetImage(image);
    std::filesystem::create_directories(folder);
    // Backwards, no frame follows the one composed before it: each is
    // composed as after a jump.
    std::vector<skl::TColor> keys(static_cast<std::size_t>(image.FrameCount()), skl::clNone);
    for (int k = image.FrameCount() - 1; k >= 0; --k)
        animator.ComposeFrame(k, keys[static_cast<std::size_t>(k)]).SaveToFile(FramePath(folder, k));
    for (int k = 0; k < image.FrameCount(); ++k)
        std::printf("frame %d: see-through %s\n", k, Key(keys[static_cast<std::size_t>(k)]).c_str());
}

}  // namespace

int main(int argc, char** argv) {
    const bool composed = argc == 4 && std::strcmp(argv[1], "--composed") == 0;
    if (argc != 3 && !composed) {
        std::fprintf(stderr, "usage: gifframes [--composed] IN.gif OUTDIR\n");
        return 2;
    }
    try {
        if (composed)
            WriteComposedFrames(argv[2], argv[3]);
        else
            WriteFrames(argv[1], argv[2]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
