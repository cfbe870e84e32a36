// jpg2bmp IN.jpg OUT.bmp: converts a JPEG file to a BMP file through the same
// steps as a wallpaper change.
#include <cstdio>
#include <exception>
#include <memory>

#include "framework/graphics/Bitmap.h"
#include "imaging/JPEGImage.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: jpg2bmp IN.jpg OUT.bmp\n");
        return 2;
    }
    try {
        skl::TBitmap bitmap;
        auto picture = std::make_unique<skl::TJPEGImage>();
        picture->LoadFromFile(argv[1]);
        bitmap.Assign(*picture);
        bitmap.SaveToFile(argv[2]);
        picture.reset();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
