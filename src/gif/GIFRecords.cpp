#include "gif/GIFRecords.h"

#include "framework/core/Exceptions.h"

namespace skl {

static_assert(sizeof(TGIFPaletteTable::TRGBTriple) == 3, "colour tables are read as they lie in the file");

int BitsForCount(int count) {
    for (int bits = 1; bits <= 8; ++bits)
        if (count == 1 << bits) return bits;
    throw EInvalidGraphicOperation(SWrongColorCount);
}

}  // namespace skl
