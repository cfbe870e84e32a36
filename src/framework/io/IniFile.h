#pragma once
// The INI file object: one profile file, opened for one operation.
#include <cstdint>
#include <string>

#include "framework/core/Exceptions.h"

namespace skl {

class EIniFileException : public Exception {
public:
    using Exception::Exception;
};

inline constexpr const char* SIniFileWriteError = "Unable to write to %s";

class TIniFile {
public:
    explicit TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

    const std::string& FileName() const { return fileName_; }

    // A missing file, section or key gives `fallback`; values are cut to
    // 2047 characters.
    std::string ReadString(const std::string& section, const std::string& ident, const std::string& fallback) const;
    // "0x"/"0X" in front (with more after it) means hexadecimal; text that is
    // no integer gives `fallback`.
    std::int32_t ReadInteger(const std::string& section, const std::string& ident, std::int32_t fallback) const;

    // EIniFileException "Unable to write to <file>" when the write is refused.
    void WriteString(const std::string& section, const std::string& ident, const std::string& value) const;
    void WriteInteger(const std::string& section, const std::string& ident, std::int32_t value) const;

private:
    std::string fileName_;
};

}  // namespace skl
