#pragma once
// Integers as files hold them: the least significant byte first.
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace skl {

template <class T>
T ReadLittleEndian(const std::uint8_t* bytes) {
    static_assert(std::is_integral_v<T>);
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) value |= std::uint64_t{bytes[i]} << (8 * i);
    return static_cast<T>(value);
}

template <class T>
void WriteLittleEndian(std::uint8_t* bytes, T value) {
    static_assert(std::is_integral_v<T>);
    for (std::size_t i = 0; i < sizeof(T); ++i) bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Fields one after another, each as wide as its type.
class TLittleEndianWriter {
public:
    explicit TLittleEndianWriter(std::uint8_t* out) : out_(out) {}
    template <class T>
    TLittleEndianWriter& Put(T value) {
        WriteLittleEndian(out_, value);
        out_ += sizeof(T);
        return *this;
    }

private:
    std::uint8_t* out_;
};

class TLittleEndianReader {
public:
    explicit TLittleEndianReader(const std::uint8_t* in) : in_(in) {}
    template <class T>
    T Get() {
        const T value = ReadLittleEndian<T>(in_);
        in_ += sizeof(T);
        return value;
    }

private:
    const std::uint8_t* in_;
};

}  // namespace skl
