#include "gif/GIFReader.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "framework/core/Exceptions.h"
#include "framework/core/LittleEndian.h"

namespace skl {

namespace {

constexpr std::uint8_t ExtensionIntroducer = 0x21;  // "!"
constexpr std::uint8_t ImageSeparator = 0x2C;       // ","
constexpr std::uint8_t Trailer = 0x3B;              // ";"

constexpr std::uint8_t GraphicControlLabel = 0xF9;
constexpr std::uint8_t CommentLabel = 0xFE;
constexpr std::uint8_t PlainTextLabel = 0x01;
constexpr std::uint8_t ApplicationLabel = 0xFF;

constexpr std::size_t GraphicControlHeaderSize = 6;
constexpr std::size_t PlainTextHeaderSize = 13;
constexpr std::size_t ApplicationHeaderSize = 12;
constexpr std::size_t ImageDescriptorSize = 9;

constexpr int MaxLoopCount = 30000;
constexpr int MaxDelayMs = 0xFFFF;
constexpr const char* CommentSeparator = "\r\n\r\n";

bool SameText(const std::uint8_t* bytes, const char* text, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        if (std::tolower(bytes[i]) != std::tolower(static_cast<unsigned char>(text[i]))) return false;
    return true;
}

bool IsIntroducer(std::uint8_t c) { return c == ExtensionIntroducer || c == ImageSeparator || c == Trailer; }

}  // namespace

bool IsLoopBlock(const TExtension& extension) {
    if (extension.Kind != TExtensionKind::ekApplication || extension.SubBlocks.empty() || extension.Header.empty())
        return false;
    // The identifier is compared over as many bytes as the block says it has.
    const std::size_t length = extension.Header[0];
    if (length > extension.Header.size() - 1) return false;
    const std::uint8_t* identifier = extension.Header.data() + 1;
    const bool known = std::memcmp(identifier, "NETSCAPE2.0", length) == 0 ||
                       std::memcmp(identifier, "ANIMEXTS1.0", length) == 0;
    const std::string& data = extension.SubBlocks.front();
    return known && data.size() >= 3 && data[0] == 1;
}

GIFReader::GIFReader(const std::uint8_t* data, std::size_t size, bool tolerateDamage)
    : data_(data), size_(size), tolerateDamage_(tolerateDamage) {}

TGIFContents GIFReader::Read() {
    try {
        ReadSignature();
        ReadScreenDescriptor();
        ReadBlocks(SkipZeroBytes());
    } catch (...) {
        contents_.Failure = std::current_exception();
    }
    return std::move(contents_);
}

std::uint8_t GIFReader::ReadByte() {
    if (AtEnd()) throw EReadError(SReadError);
    return data_[position_++];
}

void GIFReader::ReadBytes(void* buffer, std::size_t count) {
    if (size_ - position_ < count) throw EReadError(SReadError);
    if (count == 0) return;
    std::memcpy(buffer, data_ + position_, count);
    position_ += count;
}

std::uint16_t GIFReader::ReadWord() {
    std::uint8_t bytes[2];
    ReadBytes(bytes, 2);
    return ReadLittleEndian<std::uint16_t>(bytes);
}

void GIFReader::ReadSignature() {
    std::uint8_t signature[3];
    ReadBytes(signature, 3);
    if (!SameText(signature, "GIF", 3)) throw EInvalidGraphicOperation(SUnknownGIFVersion);
    std::uint8_t version[3];
    ReadBytes(version, 3);
    if (SameText(version, "87a", 3)) contents_.Screen.FormatVersion = 1;
    else if (SameText(version, "89a", 3)) contents_.Screen.FormatVersion = 2;
    else throw EInvalidGraphicOperation(SUnknownGIFVersion);
}

void GIFReader::ReadScreenDescriptor() {
    TGIFData& header = *contents_.Header;
    contents_.Screen.LogicalWidth = ReadWord();
    contents_.Screen.LogicalHeight = ReadWord();
    const std::uint8_t flags = ReadByte();
    const std::uint8_t background = ReadByte();
    header.AspectByte = ReadByte();
    header.ColorBits = static_cast<std::uint8_t>((flags & 7) + 1);
    header.ColorResolution = static_cast<std::uint8_t>(((flags & 0x70) >> 4) + 1);
    if ((flags & 0x80) == 0) return;
    TGIFPaletteTable& table = header.GlobalTable;
    table.EntryCount = 1 << header.ColorBits;
    ReadBytes(table.Entries.data(), 3 * static_cast<std::size_t>(table.EntryCount));
    if (background < table.EntryCount) contents_.Screen.BackdropColor = table.Color(background);
}

std::uint8_t GIFReader::SkipZeroBytes() {
    std::uint8_t c = 0;
    while (c == 0 && !AtEnd()) c = ReadByte();
    return c;
}

std::uint8_t GIFReader::NextIntroducer() { return AtEnd() ? Trailer : SkipZeroBytes(); }

void GIFReader::ReadBlocks(std::uint8_t c) {
    while (c != 0 && c != Trailer && !AtEnd()) {
        std::vector<TExtension> pending = ReadExtensionRun(c);
        if (c == ImageSeparator) {
            contents_.Frames.push_back(ReadImage(std::move(pending)));
            c = NextIntroducer();
            // Anything else after an image ends the data quietly.
            if (!IsIntroducer(c)) c = 0;
        } else if (contents_.Header->ImageComment.empty() && !pending.empty()) {
            TakeImageComment(pending);
        } else if (c != 0 && c != Trailer) {
            throw EInvalidGraphicOperation(SReadError);
        }
    }
}

std::vector<TExtension> GIFReader::ReadExtensionRun(std::uint8_t& c) {
    std::vector<TExtension> pending;
    while (c == ExtensionIntroducer) {
        TExtension extension = ReadExtensionBlock();
        // Blocks before a plain-text block belong to it, and it is not kept.
        if (extension.Kind == TExtensionKind::ekPlainText) pending.clear();
        if (extension.Kind == TExtensionKind::ekPlainText || extension.Kind == TExtensionKind::ekApplication) {
            if (IsLoopBlock(extension)) {
                const std::string& data = extension.SubBlocks.front();
                const int count = static_cast<std::uint8_t>(data[1]) + 256 * static_cast<std::uint8_t>(data[2]);
                contents_.Screen.LoopPresent = true;
                contents_.Screen.LoopCount = static_cast<std::uint16_t>(std::min(count, MaxLoopCount));
            }
        } else {
            pending.push_back(std::move(extension));
        }
        c = NextIntroducer();
    }
    return pending;
}

TExtension GIFReader::ReadExtensionBlock() {
    TExtension extension;
    const std::uint8_t label = ReadByte();
    switch (label) {
        case GraphicControlLabel:
            extension.Kind = TExtensionKind::ekGraphicControl;
            extension.Header.resize(GraphicControlHeaderSize);
            break;
        case CommentLabel: extension.Kind = TExtensionKind::ekComment; break;
        case PlainTextLabel:
            extension.Kind = TExtensionKind::ekPlainText;
            extension.Header.resize(PlainTextHeaderSize);
            break;
        case ApplicationLabel:
            extension.Kind = TExtensionKind::ekApplication;
            extension.Header.resize(ApplicationHeaderSize);
            break;
        default: throw EInvalidGraphicOperation(Format(SUnrecognizedExtension, label));
    }
    ReadBytes(extension.Header.data(), extension.Header.size());
    if (extension.Kind != TExtensionKind::ekGraphicControl) extension.SubBlocks = ReadSubBlocks();
    return extension;
}

std::unique_ptr<TGIFFrame> GIFReader::ReadImage(std::vector<TExtension> pending) {
    auto frame = std::make_unique<TGIFFrame>();
    const TGIFPaletteTable& global = contents_.Header->GlobalTable;
    if (global.EntryCount > 0) frame->Item().ColorBits = static_cast<std::uint8_t>(BitsForCount(global.EntryCount));
    frame->ExtensionList = std::move(pending);
    ReadImageBlock(*frame);
    return frame;
}

void GIFReader::ReadImageBlock(TGIFFrame& frame) {
    TGIFItem& item = frame.Item();
    item.CodeData = std::make_unique<TMemoryStream>();
    try {
        std::uint8_t descriptor[ImageDescriptorSize];
        ReadBytes(descriptor, sizeof descriptor);
        const std::uint8_t flags = descriptor[8];
        frame.IsInterlaced = (flags & 0x40) != 0;
        frame.OwnColors = (flags & 0x80) != 0;
        if (frame.OwnColors) {
            item.ColorBits = static_cast<std::uint8_t>((flags & 7) + 1);
            item.ColorTable.EntryCount = 1 << item.ColorBits;
            ReadBytes(item.ColorTable.Entries.data(), 3 * static_cast<std::size_t>(item.ColorTable.EntryCount));
        } else {
            item.ColorTable = TGIFPaletteTable{};
        }
        CopyCodeData(frame);
        if (frame.Damaged && !tolerateDamage_) throw EInvalidGraphicOperation(SReadError);
        item.CodeData->SetPosition(0);

        const std::uint16_t width = ReadLittleEndian<std::uint16_t>(descriptor + 4);
        const std::uint16_t height = ReadLittleEndian<std::uint16_t>(descriptor + 6);
        frame.FramePos = {ReadLittleEndian<std::uint16_t>(descriptor), ReadLittleEndian<std::uint16_t>(descriptor + 2)};
        item.PixelWidth = width != 0 ? width : contents_.Screen.LogicalWidth;
        item.PixelHeight = height != 0 ? height : contents_.Screen.LogicalHeight;
        item.DescriptorFlags = flags;
        if (!frame.OwnColors) item.ColorTable = contents_.Header->GlobalTable;
        ApplyGraphicControl(frame);
    } catch (...) {
        item.CodeData.reset();
        throw;
    }
}

// CodeData is the byte range of the file from the code size byte to the last
// complete sub-block.
void GIFReader::CopyCodeData(TGIFFrame& frame) {
    const std::size_t start = position_;
    ReadByte();
    if (AtEnd()) frame.Damaged = true;
    while (!AtEnd()) {
        const std::size_t length = data_[position_];
        if (size_ - position_ - 1 < length) {
            frame.Damaged = true;
            break;
        }
        position_ += 1 + length;
        if (length == 0) break;
    }
    frame.Item().CodeData->WriteBuffer(data_ + start, static_cast<std::int64_t>(position_ - start));
    if (frame.Damaged) position_ = size_;
}

void GIFReader::ApplyGraphicControl(TGIFFrame& frame) {
    const TGIFPaletteTable& table = frame.Item().ColorTable;
    frame.DelayMs = 0;
    for (const TExtension& extension : frame.ExtensionList) {
        if (extension.Kind != TExtensionKind::ekGraphicControl) continue;
        const std::uint8_t flags = extension.Header[1];
        const int delay = extension.Header[2] + 256 * extension.Header[3];
        const int transparentIndex = extension.Header[4];
        if ((flags & 1) == 0) frame.TransparentKey = clNone;
        else if (transparentIndex < table.EntryCount) frame.TransparentKey = table.Color(transparentIndex);
        frame.DelayMs = static_cast<std::uint16_t>(std::max<int>(frame.DelayMs, std::min(10 * delay, MaxDelayMs)));
        frame.Disposal = static_cast<std::uint8_t>((flags >> 2) & 7);
    }
}

void GIFReader::TakeImageComment(const std::vector<TExtension>& pending) {
    std::vector<std::string>& comment = contents_.Header->ImageComment;
    for (const TExtension& extension : pending) {
        if (extension.Kind != TExtensionKind::ekComment) continue;
        if (!comment.empty()) comment.emplace_back(CommentSeparator);
        comment.insert(comment.end(), extension.SubBlocks.begin(), extension.SubBlocks.end());
    }
}

std::vector<std::string> GIFReader::ReadSubBlocks() {
    std::vector<std::string> blocks;
    std::size_t length = 0;
    do {
        length = ReadByte();
        if (length == 0) break;
        // A sub-block cut short by the end of the data keeps the bytes present.
        const std::size_t count = std::min(length, size_ - position_);
        blocks.emplace_back(reinterpret_cast<const char*>(data_ + position_), count);
        position_ += count;
    } while (!AtEnd());
    return blocks;
}

}  // namespace skl
