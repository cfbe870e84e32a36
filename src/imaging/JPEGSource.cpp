#include "imaging/JPEGSource.h"

#include <algorithm>

#include <jerror.h>

namespace skl {

namespace {

constexpr std::size_t ChunkSize = 4096;
constexpr JOCTET EndOfImage[] = {0xFF, JPEG_EOI};

TJPEGSource& Source(j_decompress_ptr info) { return *static_cast<TJPEGSource*>(info->src); }

void InitSource(j_decompress_ptr info) {
    Source(info).Position = 0;
    Source(info).StartOfFile = true;
}

boolean FillInputBuffer(j_decompress_ptr info) {
    TJPEGSource& source = Source(info);
    const std::size_t chunk = std::min(ChunkSize, source.Size - source.Position);
    if (chunk > 0) {
        source.next_input_byte = source.Data + source.Position;
        source.bytes_in_buffer = chunk;
        source.Position += chunk;
    } else {
        if (source.StartOfFile) ERREXIT(info, JERR_INPUT_EMPTY);
        WARNMS(info, JWRN_JPEG_EOF);
        source.next_input_byte = EndOfImage;
        source.bytes_in_buffer = sizeof EndOfImage;
    }
    source.StartOfFile = false;
    return TRUE;
}

void SkipInputData(j_decompress_ptr info, long count) {
    if (count <= 0) return;
    TJPEGSource& source = Source(info);
    while (static_cast<std::size_t>(count) > source.bytes_in_buffer) {
        count -= static_cast<long>(source.bytes_in_buffer);
        FillInputBuffer(info);
    }
    source.next_input_byte += count;
    source.bytes_in_buffer -= static_cast<std::size_t>(count);
}

void TermSource(j_decompress_ptr) {}

}  // namespace

void AttachSource(jpeg_decompress_struct& info, TJPEGSource& source, const std::uint8_t* data, std::size_t size) {
    source.Data = data;
    source.Size = size;
    source.init_source = InitSource;
    source.fill_input_buffer = FillInputBuffer;
    source.skip_input_data = SkipInputData;
    source.resync_to_restart = jpeg_resync_to_restart;
    source.term_source = TermSource;
    source.next_input_byte = nullptr;
    source.bytes_in_buffer = 0;
    info.src = &source;
}

}  // namespace skl
