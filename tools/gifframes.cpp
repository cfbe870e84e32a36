// gifframes IN.gif OUTDIR: lists the frames of a GIF picture and writes each
// frame's bitmap image, as the frame's bitmap is built from it, to
// OUTDIR/frame-NNN.bmp.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "framework/io/Streams.h"
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

void WriteFrames(const std::string& input, const std::string& folder) {
    skl::TFileStream file(input, skl::TFileMode::OpenReadShareDenyWrite);
    skl::TGIFImage image;
    image.ParseGIF(file, file.Size(), false);
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

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: gifframes IN.gif OUTDIR\n");
        return 2;
    }
    try {
        WriteFrames(argv[1], argv[2]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
