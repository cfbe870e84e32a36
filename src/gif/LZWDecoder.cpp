#include "gif/LZWDecoder.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "framework/Exceptions.h"
#include "gif/GIFRecords.h"

namespace skl {

namespace {

constexpr int MaxCodeWidth = 12;
constexpr int TableSize = 1 << MaxCodeWidth;
constexpr int StackLimit = 4096;
constexpr std::uint32_t EndOfData = 0xFFFF;

// Reads codes from the data sub-blocks through a buffer that holds one
// sub-block and the few bytes left over from the one before.
class CodeReader {
public:
    CodeReader(const std::uint8_t* data, std::size_t size, std::size_t position)
        : data_(data), size_(size), position_(position) {}

    void SetWidth(int width) {
        width_ = width;
        mask_ = (1u << width) - 1;
    }

    // The next code, or EndOfData when the data ends first.
    std::uint32_t Next() {
        while (bitPosition_ + width_ > bitsLoaded_) {
            if (position_ >= size_) return EndOfData;
            LoadSubBlock();
        }
        const int byte = bitPosition_ >> 3;
        std::uint32_t value = buffer_[byte] | buffer_[byte + 1] << 8 | buffer_[byte + 2] << 16;
        value >>= bitPosition_ & 7;
        bitPosition_ += width_;
        return value & mask_;
    }

    std::size_t Position() const { return position_; }

private:
    // Keeps the unread bytes (at most two, with a spare) at the front and
    // appends the next sub-block after them.
    void LoadSubBlock() {
        const int byte = bitPosition_ >> 3;
        std::memmove(buffer_, buffer_ + byte, 3);
        bitPosition_ &= 7;
        bitsLoaded_ -= 8 * byte;
        const std::size_t length = data_[position_++];
        if (length > size_ - position_) throw EReadError(SReadError);
        std::memcpy(buffer_ + bitsLoaded_ / 8, data_ + position_, length);
        position_ += length;
        bitsLoaded_ += 8 * static_cast<int>(length);
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_;
    std::uint8_t buffer_[260] = {};
    int bitPosition_ = 0;
    int bitsLoaded_ = 0;
    int width_ = 0;
    std::uint32_t mask_ = 0;
};

// Stores palette indices at the current pixel and moves on row by row.
class PixelWriter {
public:
    PixelWriter(std::uint8_t* pixels, int width, int height, int depth, bool interlaced)
        : pixels_(pixels), width_(width), height_(height), depth_(depth), interlaced_(interlaced),
          stride_((static_cast<std::int64_t>(width) * depth + 31) / 32 * 4) {
        if (width_ <= 0) y_ = height_;
        SelectRow();
    }

    bool Done() const { return y_ >= height_; }

    // Writes the low bytes of the stack's entries, the top one first; at 8
    // bits per pixel row by row in one go.
    void PutStack(const std::uint16_t* stack, int depth) {
        if (depth_ != 8) {
            while (depth > 0) Put(stack[--depth] & 0xFF);
            return;
        }
        while (depth > 0 && y_ < height_) {
            const int count = std::min(depth, width_ - x_);
            std::uint8_t* out = row_ + x_;
            const std::uint16_t* in = stack + depth - 1;
            for (int i = 0; i < count; ++i) out[i] = static_cast<std::uint8_t>(in[-i]);
            depth -= count;
            x_ += count;
            if (x_ == width_) NextRow();
        }
    }

    void Put(std::uint32_t value) {
        if (y_ >= height_) return;
        switch (depth_) {
            case 8: row_[x_] = static_cast<std::uint8_t>(value); break;
            case 4:
                if (x_ & 1) row_[x_ >> 1] |= static_cast<std::uint8_t>(value);
                else row_[x_ >> 1] = static_cast<std::uint8_t>(value << 4);
                break;
            default:
                if (x_ & 7) row_[x_ >> 3] |= static_cast<std::uint8_t>(value << (7 - (x_ & 7)));
                else row_[x_ >> 3] = static_cast<std::uint8_t>(value << 7);
                break;
        }
        if (++x_ == width_) NextRow();
    }

private:
    void NextRow() {
        x_ = 0;
        y_ = interlaced_ ? NextInterlacedRow(y_, pass_, height_) : y_ + 1;
        SelectRow();
    }

    void SelectRow() {
        if (y_ < height_) row_ = pixels_ + (height_ - 1 - y_) * stride_;
    }

    std::uint8_t* pixels_;
    int width_;
    int height_;
    int depth_;
    bool interlaced_;
    std::int64_t stride_;
    int x_ = 0;
    int y_ = 0;
    int pass_ = 0;
    std::uint8_t* row_ = nullptr;
};

class ProgressReport {
public:
    ProgressReport(TGraphic* target, std::size_t size) : target_(target && target->OnProgress ? target : nullptr), size_(size) {}
    void Start() const { Report(TProgressStage::psStarting, 0); }
    void Running(std::size_t position) const {
        if (target_ && size_ > 0) Report(TProgressStage::psRunning, static_cast<int>(position * 100 / size_));
    }
    void End(int percentDone, const std::string& message = "") const {
        Report(TProgressStage::psEnding, percentDone, message);
    }

private:
    void Report(TProgressStage stage, int percentDone, const std::string& message = "") const {
        if (target_) target_->Progress(stage, percentDone, message);
    }

    TGraphic* target_;
    std::size_t size_;
};

struct Tables {
    std::uint16_t prefix[TableSize];
    std::uint16_t suffix[TableSize];
    std::uint16_t stack[StackLimit + 2];
};

bool Decode(const TMemoryStream& codes, PixelWriter& out, const ProgressReport& report, int colorBits,
            bool tolerate) {
    bool damaged = false;
    if (codes.Length() < 1) throw EReadError(SReadError);
    int codeSize = codes.Memory()[0];
    if (codeSize < 2 || codeSize > 9) {
        if (!tolerate) throw EInvalidGraphicOperation(SCodeSizeRange);
        damaged = true;
        codeSize = std::clamp(codeSize, 2, 9);
    }
    CodeReader reader(codes.Memory(), codes.Length(), 1);
    const int initialWidth = codeSize + 1;
    int width = initialWidth;
    reader.SetWidth(width);
    const std::uint32_t clearCode = 1u << codeSize;
    const std::uint32_t endCode = clearCode + 1;
    const std::uint32_t firstFree = clearCode + 2;
    std::uint32_t nextFree = firstFree;
    std::uint32_t limit = 1u << width;
    std::uint32_t oldCode = 0;
    std::uint32_t firstChar = 0;
    bool tableFull = false;
    bool started = false;
    const std::uint32_t pixelMask = (1u << colorBits) - 1;
    // Roots are the codes below the clear code that the colour table can
    // show: a frame may use a smaller code size than its table's depth.
    const std::uint32_t lastRoot = std::min(pixelMask, clearCode - 1);
    const auto tables = std::make_unique<Tables>();
    std::uint16_t* const prefix = tables->prefix;
    std::uint16_t* const suffix = tables->suffix;
    std::uint16_t* const stack = tables->stack;

    std::uint32_t code = reader.Next();
    while (code != endCode && code != EndOfData && !out.Done()) {
        // The first code of the data is taken as one that follows a clear
        // code: it is a pixel and adds no string to the table.
        if (code == clearCode || !started) {
            if (code == clearCode) {
                width = initialWidth;
                limit = 1u << width;
                reader.SetWidth(width);
                nextFree = firstFree;
                code = reader.Next();
                oldCode = code;
                if (code == EndOfData) break;
            }
            started = true;
            oldCode = code;
            firstChar = code & pixelMask;
            out.Put(firstChar);
            tableFull = false;
        } else {
            std::uint32_t current = code;
            int depth = 0;
            if (current >= nextFree) {
                current = oldCode;
                stack[depth++] = static_cast<std::uint16_t>(firstChar);
            }
            while (current > lastRoot) {
                if (depth > StackLimit) {
                    if (!tolerate) throw EInvalidGraphicOperation(SGIFDataCorrupt);
                    damaged = true;
                    break;
                }
                stack[depth++] = suffix[current];
                current = prefix[current];
            }
            if (damaged) break;
            firstChar = current & pixelMask;
            stack[depth++] = static_cast<std::uint16_t>(firstChar);
            out.PutStack(stack, depth);
            if (!tableFull) {
                prefix[nextFree] = static_cast<std::uint16_t>(oldCode);
                suffix[nextFree] = static_cast<std::uint16_t>(firstChar);
                if (++nextFree >= limit) {
                    if (width < MaxCodeWidth) {
                        ++width;
                        limit <<= 1;
                        reader.SetWidth(width);
                    } else {
                        tableFull = true;
                    }
                }
            }
            oldCode = code;
        }
        code = reader.Next();
        report.Running(reader.Position());
    }
    // Data that ends before the last row keeps the rows decoded so far.
    if (code == EndOfData && !out.Done()) {
        if (!tolerate) throw EInvalidGraphicOperation(SReadError);
        damaged = true;
    }
    return damaged;
}

}  // namespace

int NextInterlacedRow(int row, int& pass, int height) {
    static constexpr int Steps[4] = {8, 8, 4, 2};
    const int next = row + Steps[pass];
    if (next < height || pass == 3) return next;
    if (pass == 0) {
        pass = 1;
        if (height > 4) return 4;
    }
    if (pass == 1) {
        pass = 2;
        if (height > 2) return 2;
    }
    pass = 3;
    return 1;
}

bool DecodeFrame(const TMemoryStream& codes, int width, int height, int depth, bool interlaced, TGraphic* progress,
                 std::uint8_t* pixels, int colorBits, bool tolerate) {
    const ProgressReport report(progress, static_cast<std::size_t>(codes.Length()));
    report.Start();
    bool damaged = false;
    try {
        PixelWriter out(pixels, width, height, depth, interlaced);
        damaged = Decode(codes, out, report, colorBits, tolerate);
    } catch (const std::exception& error) {
        report.End(0, error.what());
        throw;
    }
    report.End(100);
    return damaged;
}

}  // namespace skl
