#pragma once
// The LZW decoder of GIF frames: variable-width codes, least significant bit
// first, turned into palette indices laid out as the rows of a bottom-up
// device-independent bitmap.
#include <cstdint>

#include "framework/graphics/Graphic.h"
#include "framework/io/Streams.h"

namespace skl {

// Decodes `codes` (the minimum code size byte, then the data sub-blocks) into
// `pixels`: a zero-filled buffer of `height` rows, bottom-up, each
// ((width x depth + 31) / 32) x 4 bytes, at `depth` 1, 4 or 8 bits per pixel;
// an interlaced frame's rows come in their four-pass order. Pixel values are
// kept to the colour table's range, (1 << colorBits) - 1. Reports progress to
// `progress` when given.
// Returns true when the data proved damaged: with `tolerate` the pixels
// decoded so far stay and the rest stay 0; without it damage raises
// EInvalidGraphicOperation.
bool DecodeFrame(const TMemoryStream& codes, int width, int height, int depth, bool interlaced, TGraphic* progress,
                 std::uint8_t* pixels, int colorBits, bool tolerate);

// The row that an interlaced frame of `height` rows writes after `row`, in
// the pass that `pass` (0 to 3, updated) holds: rows 0, 8, 16, ...; 4, 12,
// ...; 2, 6, 10, ...; 1, 3, 5, .... At or beyond `height` once all are done.
int NextInterlacedRow(int row, int& pass, int height);

}  // namespace skl
