#pragma once
// Reads GIF data from memory into a picture: signature and version, logical
// screen, global colour table, then the blocks up to the trailer.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gif/Extension.h"

namespace skl {

class TGIFImage;
class TGIFFrame;

class GIFReader {
public:
    GIFReader(TGIFImage& image, const std::uint8_t* data, std::size_t size);
    // Fills the (freshly reset) picture; frames completed before a failure
    // stay in it.
    void Read();

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

    TGIFImage& image_;
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

// A "NETSCAPE2.0" or "ANIMEXTS1.0" application block whose first sub-block
// starts with 1.
bool IsLoopBlock(const TExtension& extension);

}  // namespace skl
