#pragma once
// The LZW decoder of GIF frames: variable-width codes, least significant bit
// first, turned into palette indices laid out as the rows of a bottom-up
// device-independent bitmap.
#include <cstdint>

#include "framework/core/PixelRows.h"
#include "framework/graphics/Graphic.h"
#include "framework/io/Streams.h"

namespace skl {

// How the codes of one frame are decoded.
struct TFrameDecoding {
    // The rows come in the four-pass order of an interlaced frame.
    bool Interlaced = false;
    // The depth of the frame's colour table: pixel values are kept to
    // (1 << ColorBits) - 1.
    int ColorBits = 8;
    // Damaged data keeps the pixels decoded so far, the rest stay 0, instead
    // of raising EInvalidGraphicOperation.
    bool TolerateDamage = true;
    // Told of the decoding's progress, when given.
    TGraphic* Progress = nullptr;
};

// Decodes `codes` (the minimum code size byte, then the data sub-blocks) into
// `pixels`, zero-filled rows of 1, 4 or 8 bits per pixel. Returns true when
// the data proved damaged.
bool DecodeFrame(const TMemoryStream& codes, const TPixelRows& pixels, const TFrameDecoding& decoding);

// The row that an interlaced frame of `height` rows writes after `row`, in
// the pass that `pass` (0 to 3, updated) holds: rows 0, 8, 16, ...; 4, 12,
// ...; 2, 6, 10, ...; 1, 3, 5, .... At or beyond `height` once all are done.
int NextInterlacedRow(int row, int& pass, int height);

}  // namespace skl
