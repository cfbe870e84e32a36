#pragma once
// Builds GIF data for tests: blocks put together by hand, and an LZW encoder
// that makes the choices real encoders make about clear codes (at once when
// the table fills, some codes later, or never).
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace gifbuild {

struct LzwOptions {
    int minCodeSize = 8;
    bool initialClear = true;
    enum class WhenFull { Clear, Defer, Never } whenFull = WhenFull::Clear;
    // With Defer: codes sent against the full table before the clear code.
    int deferredCodes = 0;
    bool endCode = true;
    int subBlockSize = 255;
    bool terminator = true;
};

// Packs codes of varying width, least significant bit first.
class BitWriter {
public:
    void Put(std::uint32_t code, int width) {
        buffer_ |= std::uint64_t{code} << bits_;
        bits_ += width;
        while (bits_ >= 8) {
            bytes_.push_back(static_cast<std::uint8_t>(buffer_));
            buffer_ >>= 8;
            bits_ -= 8;
        }
    }
    std::vector<std::uint8_t> Bytes() const {
        std::vector<std::uint8_t> bytes = bytes_;
        if (bits_ > 0) bytes.push_back(static_cast<std::uint8_t>(buffer_));
        return bytes;
    }

private:
    std::vector<std::uint8_t> bytes_;
    std::uint64_t buffer_ = 0;
    int bits_ = 0;
};

// The code stream (without sub-blocks) of the pixels.
inline std::vector<std::uint8_t> LzwCodes(const std::vector<std::uint8_t>& pixels, const LzwOptions& options) {
    const int m = options.minCodeSize;
    const int clearCode = 1 << m;
    const int endCode = clearCode + 1;
    const int firstFree = clearCode + 2;
    constexpr int TableSize = 4096;

    BitWriter out;
    // The dictionary: child[prefix * 256 + byte], valid when stamped with the
    // current generation (so that a clear needs no wiping).
    std::vector<std::uint16_t> child(TableSize * 256);
    std::vector<std::uint32_t> stamp(TableSize * 256);
    std::uint32_t generation = 1;
    int next = firstFree;
    // The decoder's view: its next free code, its width, whether its table is full.
    int width = m + 1;
    int decoderNext = firstFree;
    bool decoderFull = false;
    bool firstAfterClear = true;
    int codesSinceFull = 0;

    auto emit = [&](int code) {
        out.Put(static_cast<std::uint32_t>(code), width);
        if (firstAfterClear) {
            firstAfterClear = false;
            return;
        }
        if (decoderFull) return;
        if (++decoderNext >= 1 << width) {
            if (width < 12) ++width;
            else decoderFull = true;
        }
    };
    auto emitClear = [&]() {
        out.Put(static_cast<std::uint32_t>(clearCode), width);
        width = m + 1;
        decoderNext = firstFree;
        decoderFull = false;
        firstAfterClear = true;
        next = firstFree;
        ++generation;
        codesSinceFull = 0;
    };

    if (options.initialClear) emitClear();
    int prefix = -1;
    for (std::uint8_t pixel : pixels) {
        if (pixel >= clearCode) throw std::invalid_argument("pixel value above the code size");
        if (prefix < 0) {
            prefix = pixel;
            continue;
        }
        const std::size_t key = static_cast<std::size_t>(prefix) * 256 + pixel;
        if (stamp[key] == generation) {
            prefix = child[key];
            continue;
        }
        emit(prefix);
        if (next < TableSize) {
            stamp[key] = generation;
            child[key] = static_cast<std::uint16_t>(next++);
        } else if (options.whenFull == LzwOptions::WhenFull::Defer && ++codesSinceFull > options.deferredCodes) {
            emitClear();
        }
        if (next == TableSize && options.whenFull == LzwOptions::WhenFull::Clear) emitClear();
        prefix = pixel;
    }
    if (prefix >= 0) emit(prefix);
    if (options.endCode) out.Put(static_cast<std::uint32_t>(endCode), width);
    return out.Bytes();
}

// Bytes as data sub-blocks of at most `blockSize` bytes.
inline std::string SubBlocks(const std::vector<std::uint8_t>& bytes, int blockSize = 255, bool terminator = true) {
    std::string out;
    for (std::size_t at = 0; at < bytes.size(); at += blockSize) {
        const std::size_t count = std::min<std::size_t>(blockSize, bytes.size() - at);
        out += static_cast<char>(count);
        out.append(reinterpret_cast<const char*>(bytes.data() + at), count);
    }
    if (terminator) out += '\0';
    return out;
}

// The code size byte and the sub-blocks of the pixels' codes.
inline std::string ImageData(const std::vector<std::uint8_t>& pixels, const LzwOptions& options) {
    return static_cast<char>(options.minCodeSize) +
           SubBlocks(LzwCodes(pixels, options), options.subBlockSize, options.terminator);
}

// The rows of a picture in the order an interlaced frame sends them.
inline std::vector<std::uint8_t> Interlaced(const std::vector<std::uint8_t>& pixels, int width, int height) {
    std::vector<std::uint8_t> out;
    const int starts[4] = {0, 4, 2, 1};
    const int steps[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int row = starts[pass]; row < height; row += steps[pass])
            out.insert(out.end(), pixels.begin() + row * width, pixels.begin() + (row + 1) * width);
    return out;
}

// A distinct colour for each index: red, green, blue.
struct Rgb {
    std::uint8_t red, green, blue;
};
inline Rgb TestColor(int index) {
    return {static_cast<std::uint8_t>(index * 37 + 11), static_cast<std::uint8_t>(index * 91 + 7),
            static_cast<std::uint8_t>(index * 53 + 200)};
}
// The same colour as a 0x00BBGGRR value.
inline std::uint32_t TestColorValue(int index) {
    const Rgb c = TestColor(index);
    return c.red | c.green << 8 | c.blue << 16;
}

// Pixels with runs and noise, as drawings have: deterministic for a seed.
inline std::vector<std::uint8_t> Pattern(int width, int height, int colors, std::uint32_t seed) {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height);
    std::uint32_t state = seed * 2654435761u + 1;
    auto random = [&state]() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    };
    std::size_t at = 0;
    while (at < pixels.size()) {
        const std::uint8_t value = static_cast<std::uint8_t>(random() % colors);
        const std::size_t run = 1 + random() % 12;
        for (std::size_t i = 0; i < run && at < pixels.size(); ++i) pixels[at++] = value;
    }
    return pixels;
}

struct Frame {
    int left = 0, top = 0, width = 0, height = 0;
    int localBits = 0;  // 0: no local colour table
    bool interlaced = false;
    std::vector<std::uint8_t> pixels;  // rows top to bottom
    LzwOptions lzw;
};

class GifBuilder {
public:
    GifBuilder& Raw(const std::string& bytes) {
        bytes_ += bytes;
        return *this;
    }
    GifBuilder& Byte(int value) { return Raw(std::string(1, static_cast<char>(value))); }
    GifBuilder& Word(int value) { return Byte(value & 0xFF).Byte(value >> 8 & 0xFF); }

    // Signature and version, then the logical screen descriptor and the
    // global table of 2^globalBits test colours (none for 0).
    GifBuilder& Screen(int width, int height, int globalBits, int background = 0,
                       const std::string& signature = "GIF89a") {
        Raw(signature).Word(width).Word(height);
        Byte((globalBits > 0 ? 0x80 | (globalBits - 1) : 0) | 0x70).Byte(background).Byte(0);
        if (globalBits > 0) Table(globalBits);
        return *this;
    }
    GifBuilder& Table(int bits) {
        for (int i = 0; i < 1 << bits; ++i) {
            const Rgb c = TestColor(i);
            Byte(c.red).Byte(c.green).Byte(c.blue);
        }
        return *this;
    }
    GifBuilder& GraphicControl(int disposal, int delay, int transparentIndex = -1) {
        Raw("!\xF9\x04").Byte(disposal << 2 | (transparentIndex >= 0 ? 1 : 0)).Word(delay);
        return Byte(transparentIndex >= 0 ? transparentIndex : 0).Byte(0);
    }
    GifBuilder& Application(const std::string& identifier, const std::vector<std::string>& blocks) {
        Raw("!\xFF").Byte(static_cast<int>(identifier.size())).Raw(identifier);
        return Blocks(blocks);
    }
    GifBuilder& Loop(int count, const std::string& identifier = "NETSCAPE2.0") {
        std::string data = "\x01";
        data += static_cast<char>(count & 0xFF);
        data += static_cast<char>(count >> 8 & 0xFF);
        return Application(identifier, {data});
    }
    GifBuilder& Comment(const std::vector<std::string>& blocks) { return Raw("!\xFE").Blocks(blocks); }
    GifBuilder& PlainText() { return Raw("!\x01\x0C").Raw(std::string(12, '\0')).Blocks({"text"}); }
    GifBuilder& Descriptor(int left, int top, int width, int height, int flags) {
        return Byte(',').Word(left).Word(top).Word(width).Word(height).Byte(flags);
    }
    GifBuilder& Image(const Frame& frame) {
        Descriptor(frame.left, frame.top, frame.width, frame.height,
                   (frame.localBits > 0 ? 0x80 | (frame.localBits - 1) : 0) | (frame.interlaced ? 0x40 : 0));
        if (frame.localBits > 0) Table(frame.localBits);
        return Raw(ImageData(frame.interlaced ? Interlaced(frame.pixels, frame.width, frame.height) : frame.pixels,
                             frame.lzw));
    }
    GifBuilder& Trailer() { return Byte(';'); }

    const std::string& Bytes() const { return bytes_; }

private:
    GifBuilder& Blocks(const std::vector<std::string>& blocks) {
        for (const std::string& block : blocks) Byte(static_cast<int>(block.size())).Raw(block);
        return Byte(0);
    }

    std::string bytes_;
};

// A frame of the pattern at (left, top), encoded with the given code size.
inline Frame PatternFrame(int width, int height, int colors, std::uint32_t seed, int minCodeSize) {
    Frame frame;
    frame.width = width;
    frame.height = height;
    frame.pixels = Pattern(width, height, colors, seed);
    frame.lzw.minCodeSize = minCodeSize;
    return frame;
}

}  // namespace gifbuild
