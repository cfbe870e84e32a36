#pragma once
// Plain GIF composition from giflib's decoded frames, as the format describes
// it: each frame is drawn over what the frames before it left, its
// transparent index leaving the picture as it was, and then disposed of as
// its graphic control block says (2: its rectangle back to the background,
// 3: the picture back to what it was before the frame).
#include <gif_lib.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace reference {

// Colours are 0x00BBGGRR; the picture's rows go top down.
using Picture = std::vector<std::uint32_t>;

inline std::uint32_t ColorOf(const GifColorType& entry) {
    return static_cast<std::uint32_t>(entry.Red | entry.Green << 8 | entry.Blue << 16);
}

// Calls visit(k, picture) with the picture after frame k, for every frame.
template <class Visit>
void ComposeFrames(GifFileType* file, std::uint32_t background, Visit visit) {
    const int width = file->SWidth;
    const int height = file->SHeight;
    Picture picture(static_cast<std::size_t>(width * height), background);
    Picture saved;
    for (int k = 0; k < file->ImageCount; ++k) {
        const SavedImage& image = file->SavedImages[k];
        const GifImageDesc& d = image.ImageDesc;
        const ColorMapObject* colors = d.ColorMap ? d.ColorMap : file->SColorMap;
        GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
        DGifSavedExtensionToGCB(file, k, &control);
        if (control.DisposalMode == DISPOSE_PREVIOUS) saved = picture;
        const int right = std::min(d.Left + d.Width, width);
        const int bottom = std::min(d.Top + d.Height, height);
        for (int y = d.Top; y < bottom; ++y)
            for (int x = d.Left; x < right; ++x) {
                const int index = image.RasterBits[(y - d.Top) * d.Width + (x - d.Left)];
                if (index != control.TransparentColor)
                    picture[static_cast<std::size_t>(y * width + x)] = ColorOf(colors->Colors[index]);
            }
        visit(k, picture);
        if (control.DisposalMode == DISPOSE_BACKGROUND)
            for (int y = d.Top; y < bottom; ++y)
                std::fill_n(picture.begin() + y * width + d.Left, std::max(right - d.Left, 0), background);
        if (control.DisposalMode == DISPOSE_PREVIOUS) picture = saved;
    }
}

}  // namespace reference
