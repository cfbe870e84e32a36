// Writing a picture as GIF data. The frames' pixel data goes out as it was
// read, so nothing is encoded again; frame timing and transparency come from
// the frames' fields, so that copied frames keep theirs.
#include <algorithm>
#include <string>
#include <vector>

#include "framework/core/LittleEndian.h"
#include "gif/GIFImage.h"

namespace skl {

namespace {

class ByteWriter {
public:
    void Put(std::uint8_t byte) { bytes_.push_back(byte); }
    void PutWord(int value) {
        std::uint8_t bytes[2];
        WriteLittleEndian(bytes, static_cast<std::uint16_t>(value));
        PutBytes(bytes, 2);
    }
    void PutBytes(const void* data, std::size_t count) {
        const auto* begin = static_cast<const std::uint8_t*>(data);
        bytes_.insert(bytes_.end(), begin, begin + count);
    }
    void PutText(const std::string& text) { PutBytes(text.data(), text.size()); }
    // The text as data sub-blocks, without the terminator.
    void PutSubBlocks(const std::string& text) {
        for (std::size_t at = 0; at < text.size(); at += 255) {
            const std::size_t count = std::min<std::size_t>(255, text.size() - at);
            Put(static_cast<std::uint8_t>(count));
            PutBytes(text.data() + at, count);
        }
    }
    void PutTable(const TGIFPaletteTable& table, int bits) { PutBytes(table.Entries.data(), 3 * (std::size_t{1} << bits)); }
    void PutComment(const std::vector<std::string>& lines) {
        PutText("!\xFE");
        for (const std::string& line : lines) PutSubBlocks(line);
        Put(0);
    }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

int IndexOf(const TGIFPaletteTable& table, TColor color) {
    for (int i = 0; i < table.EntryCount; ++i)
        if (table.Color(i) == color) return i;
    return -1;
}

bool EndsWithTerminator(const TMemoryStream& codeData) {
    const std::uint8_t* data = codeData.Memory();
    for (std::int64_t at = 1; at < codeData.Length(); at += 1 + data[at])
        if (data[at] == 0) return true;
    return false;
}

void PutGraphicControl(ByteWriter& out, const TGIFFrame& frame) {
    const int transparentIndex = frame.TransparentKey == clNone ? -1 : IndexOf(frame.Item().ColorTable, frame.TransparentKey);
    out.PutText("!\xF9\x04");
    out.Put(static_cast<std::uint8_t>((frame.Disposal & 7) << 2 | (transparentIndex >= 0 ? 1 : 0)));
    out.PutWord(frame.DelayMs / 10);
    out.Put(static_cast<std::uint8_t>(std::max(transparentIndex, 0)));
    out.Put(0);
}

void PutFrame(ByteWriter& out, TGIFFrame& frame, bool extensions) {
    const TGIFItem& item = frame.Item();
    for (const TExtension& extension : frame.ExtensionList)
        if (extension.Kind == TExtensionKind::ekComment) out.PutComment(extension.SubBlocks);
    if (extensions) PutGraphicControl(out, frame);
    const bool localTable = frame.OwnColors && item.ColorBits > 0;
    out.Put(',');
    out.PutWord(frame.FramePos.X);
    out.PutWord(frame.FramePos.Y);
    out.PutWord(item.PixelWidth);
    out.PutWord(item.PixelHeight);
    out.Put(static_cast<std::uint8_t>((localTable ? 0x80 | (item.ColorBits - 1) : 0) | (frame.IsInterlaced ? 0x40 : 0) |
                                      (item.DescriptorFlags & 0x20)));
    if (localTable) out.PutTable(item.ColorTable, item.ColorBits);
    out.PutBytes(item.CodeData->Memory(), static_cast<std::size_t>(item.CodeData->Length()));
    if (!EndsWithTerminator(*item.CodeData)) out.Put(0);
}

}  // namespace

void TGIFImage::SaveToStream(TStream& stream) {
    if (frames_.empty()) return;  // an empty picture has no GIF data
    const TGIFData& header = *header_;
    const TGIFPaletteTable& global = header.GlobalTable;
    const bool globalTable = global.EntryCount > 0;
    const int bits = globalTable ? BitsForCount(global.EntryCount) : std::max<int>(header.ColorBits, 1);
    const bool extensions = screen_.FormatVersion != 1;

    ByteWriter out;
    out.PutText(extensions ? "GIF89a" : "GIF87a");
    out.PutWord(screen_.LogicalWidth);
    out.PutWord(screen_.LogicalHeight);
    out.Put(static_cast<std::uint8_t>((globalTable ? 0x80 : 0) | ((std::max<int>(header.ColorResolution, 1) - 1) & 7) << 4 |
                                      (bits - 1)));
    out.Put(static_cast<std::uint8_t>(globalTable ? std::max(IndexOf(global, screen_.BackdropColor), 0) : 0));
    out.Put(header.AspectByte);
    if (globalTable) out.PutTable(global, bits);
    if (screen_.LoopPresent) {
        out.PutText("!\xFF\x0BNETSCAPE2.0\x03\x01");
        out.PutWord(screen_.LoopCount);
        out.Put(0);
    }
    for (const auto& frame : frames_)
        if (frame->Item().CodeData) PutFrame(out, *frame, extensions);
    if (!header.ImageComment.empty()) out.PutComment(header.ImageComment);
    out.Put(';');
    stream.WriteBuffer(out.Bytes().data(), static_cast<std::int64_t>(out.Bytes().size()));
}

}  // namespace skl
