#include "gif/LZWDecoder.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "framework/core/Exceptions.h"
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
        std::uint32_t value =
            static_cast<std::uint32_t>(buffer_[byte] | buffer_[byte + 1] << 8 | buffer_[byte + 2] << 16);
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

// Stores palette indices pixel by pixel in the order of the frame's data:
// row by row, an interlaced frame's rows in their four passes.
class FrameWriter {
public:
    FrameWriter(const TPixelRows& rows, bool interlaced) : rows_(rows), interlaced_(interlaced) {
        if (rows_.Width() <= 0) y_ = rows_.Height();
        SelectRow();
    }

    bool Done() const { return y_ >= rows_.Height(); }

    // Writes the low bytes of the stack's entries, the top one first; at 8
    // bits per pixel row by row in one go.
    void PutStack(const std::uint16_t* stack, int depth) {
        if (rows_.Bits() != 8) {
            while (depth > 0) Put(stack[--depth] & 0xFF);
            return;
        }
        while (depth > 0 && !Done()) {
            const int count = std::min(depth, rows_.Width() - x_);
            std::uint8_t* out = row_.Bytes() + x_;
            const std::uint16_t* in = stack + depth - 1;
            for (int i = 0; i < count; ++i) out[i] = static_cast<std::uint8_t>(in[-i]);
            depth -= count;
            x_ += count;
            if (x_ == rows_.Width()) NextRow();
        }
    }

    void Put(std::uint32_t value) {
        if (Done()) return;
        row_.SetIndex(x_, static_cast<int>(value));
        if (++x_ == rows_.Width()) NextRow();
    }

private:
    void NextRow() {
        x_ = 0;
        y_ = interlaced_ ? NextInterlacedRow(y_, pass_, rows_.Height()) : y_ + 1;
        SelectRow();
    }

    void SelectRow() {
        if (!Done()) row_ = rows_.Row(y_);
    }

    TPixelRows rows_;
    bool interlaced_;
    int x_ = 0;
    int y_ = 0;
    int pass_ = 0;
    TPixelRow row_{nullptr, 8};
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

// The table-driven decoder of one run: the string table as prefix and
// suffix arrays, and a stack on which a string's pixels are gathered last
// first.
class Decoder {
public:
    Decoder(const TMemoryStream& codes, FrameWriter& out, const ProgressReport& report, const TFrameDecoding& decoding)
        : codes_(codes), out_(out), report_(report),
          reader_(codes.Memory(), static_cast<std::size_t>(codes.Length()), 1),
          pixelMask_((1u << decoding.ColorBits) - 1), tolerate_(decoding.TolerateDamage) {}

    // Decodes to the end code, the end of the data or the last row; true
    // when the data proved damaged.
    bool Run() {
        SetCodeSize();
        std::uint32_t code = reader_.Next();
        bool started = false;
        while (code != endCode_ && code != EndOfData && !out_.Done()) {
            // The first code of the data is taken as one that follows a
            // clear code: a pixel that adds no string to the table.
            if (code == clearCode_ || !started) {
                if (code == clearCode_) {
                    Clear();
                    code = reader_.Next();
                    if (code == EndOfData) break;
                }
                started = true;
                PutFirst(code);
            } else {
                if (!PutString(code)) break;
                AddString();
                oldCode_ = code;
            }
            code = reader_.Next();
            report_.Running(reader_.Position());
        }
        // Data that ends before the last row keeps the rows decoded so far.
        if (code == EndOfData && !out_.Done()) Damage(SReadError);
        return damaged_;
    }

private:
    void SetCodeSize() {
        if (codes_.Length() < 1) throw EReadError(SReadError);
        int codeSize = codes_.Memory()[0];
        if (codeSize < 2 || codeSize > 9) {
            Damage(SCodeSizeRange);
            codeSize = std::clamp(codeSize, 2, 9);
        }
        initialWidth_ = codeSize + 1;
        clearCode_ = 1u << codeSize;
        endCode_ = clearCode_ + 1;
        firstFree_ = clearCode_ + 2;
        // Roots are the codes below the clear code that the colour table
        // can show: a frame may use a smaller code size than its table's depth.
        lastRoot_ = std::min(pixelMask_, clearCode_ - 1);
        Clear();
    }

    void Clear() {
        width_ = initialWidth_;
        limit_ = 1u << width_;
        reader_.SetWidth(width_);
        nextFree_ = firstFree_;
    }

    void PutFirst(std::uint32_t code) {
        oldCode_ = code;
        firstChar_ = code & pixelMask_;
        out_.Put(firstChar_);
        tableFull_ = false;
    }

    // Writes the string of the code; a code not yet in the table is the
    // previous string and its first pixel. False when the data is corrupt.
    bool PutString(std::uint32_t code) {
        if (damaged_) return false;  // a damaged code size decodes no strings
        std::uint16_t* const stack = tables_->stack;
        std::uint32_t current = code;
        int depth = 0;
        if (current >= nextFree_) {
            current = oldCode_;
            stack[depth++] = static_cast<std::uint16_t>(firstChar_);
        }
        while (current > lastRoot_) {
            if (depth > StackLimit) {
                Damage(SGIFDataCorrupt);
                return false;
            }
            stack[depth++] = tables_->suffix[current];
            current = tables_->prefix[current];
        }
        firstChar_ = current & pixelMask_;
        stack[depth++] = static_cast<std::uint16_t>(firstChar_);
        out_.PutStack(stack, depth);
        return true;
    }

    // The previous string and the first pixel of this one make a new
    // string; a full table stays full until the next clear code.
    void AddString() {
        if (tableFull_) return;
        tables_->prefix[nextFree_] = static_cast<std::uint16_t>(oldCode_);
        tables_->suffix[nextFree_] = static_cast<std::uint16_t>(firstChar_);
        if (++nextFree_ < limit_) return;
        if (width_ < MaxCodeWidth) {
            ++width_;
            limit_ <<= 1;
            reader_.SetWidth(width_);
        } else {
            tableFull_ = true;
        }
    }

    void Damage(const char* message) {
        if (!tolerate_) throw EInvalidGraphicOperation(message);
        damaged_ = true;
    }

    struct Tables {
        std::uint16_t prefix[TableSize];
        std::uint16_t suffix[TableSize];
        std::uint16_t stack[StackLimit + 2];
    };

    const TMemoryStream& codes_;
    FrameWriter& out_;
    const ProgressReport& report_;
    CodeReader reader_;
    const std::unique_ptr<Tables> tables_ = std::make_unique<Tables>();
    const std::uint32_t pixelMask_;
    const bool tolerate_;
    bool damaged_ = false;
    int initialWidth_ = 0;
    int width_ = 0;
    std::uint32_t clearCode_ = 0;
    std::uint32_t endCode_ = 0;
    std::uint32_t firstFree_ = 0;
    std::uint32_t lastRoot_ = 0;
    std::uint32_t nextFree_ = 0;
    std::uint32_t limit_ = 0;
    std::uint32_t oldCode_ = 0;
    std::uint32_t firstChar_ = 0;
    bool tableFull_ = false;
};

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

bool DecodeFrame(const TMemoryStream& codes, const TPixelRows& pixels, const TFrameDecoding& decoding) {
    const ProgressReport report(decoding.Progress, static_cast<std::size_t>(codes.Length()));
    report.Start();
    bool damaged = false;
    try {
        FrameWriter out(pixels, decoding.Interlaced);
        damaged = Decoder(codes, out, report, decoding).Run();
    } catch (const std::exception& error) {
        report.End(0, error.what());
        throw;
    }
    report.End(100);
    return damaged;
}

}  // namespace skl
