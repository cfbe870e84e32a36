#pragma once
// Reads GIF data from memory: signature and version, logical screen, global
// colour table, then the blocks up to the trailer.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "gif/Extension.h"
#include "gif/GIFFrame.h"
#include "gif/GIFRecords.h"

namespace skl {

// What a picture's GIF data holds, as far as it could be read.
struct TGIFContents {
    TSharedRef<TGIFData> Header = MakeShared<TGIFData>();
    // Frames without an owner yet.
    std::vector<std::unique_ptr<TGIFFrame>> Frames;
    TGIFScreen Screen;
    // The failure that ended the reading early; the frames completed before
    // it are kept.
    std::exception_ptr Failure;
};

class GIFReader {
public:
    // Without `tolerateDamage`, pixel data cut short by the end of the data
    // fails the reading instead of leaving a frame flagged Damaged.
    GIFReader(const std::uint8_t* data, std::size_t size, bool tolerateDamage);
    TGIFContents Read();

private:
    bool AtEnd() const { return position_ >= size_; }
    std::uint8_t ReadByte();
    void ReadBytes(void* buffer, std::size_t count);
    std::uint16_t ReadWord();

    void ReadSignature();
    void ReadScreenDescriptor();
    std::uint8_t SkipZeroBytes();
    // The introducer after a block: the next non-zero byte, or ";" at the end.
    std::uint8_t NextIntroducer();
    void ReadBlocks(std::uint8_t introducer);
    std::vector<TExtension> ReadExtensionRun(std::uint8_t& introducer);
    TExtension ReadExtensionBlock();
    std::unique_ptr<TGIFFrame> ReadImage(std::vector<TExtension> pending);
    void ReadImageBlock(TGIFFrame& frame);
    void CopyCodeData(TGIFFrame& frame);
    void ApplyGraphicControl(TGIFFrame& frame);
    void TakeImageComment(const std::vector<TExtension>& pending);
    std::vector<std::string> ReadSubBlocks();

    const std::uint8_t* data_;
    std::size_t size_;
    bool tolerateDamage_;
    std::size_t position_ = 0;
    TGIFContents contents_;
};

// A "NETSCAPE2.0" or "ANIMEXTS1.0" application block whose first sub-block
// starts with 1.
bool IsLoopBlock(const TExtension& extension);

}  // namespace skl
