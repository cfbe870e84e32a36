#include "framework/io/IniFile.h"

#include "framework/core/IntegerText.h"
#include "framework/io/ProfileFile.h"
#include "framework/system/FileHandle.h"

namespace skl {

std::string TIniFile::ReadString(const std::string& section, const std::string& ident,
                                 const std::string& fallback) const {
    return ReadProfileEntry(fileName_, section, ident, fallback);
}

std::int32_t TIniFile::ReadInteger(const std::string& section, const std::string& ident, std::int32_t fallback) const {
    std::string text = ReadString(section, ident, "");
    if (text.size() > 2 && (text.starts_with("0x") || text.starts_with("0X"))) text.replace(0, 2, "$");
    return StrToIntDef(text, fallback);
}

// A read-only file is refused here as on Windows, also where the system
// would let the superuser write it.
void TIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value) const {
    if (RefusesWriting(fileName_) || !WriteProfileEntry(fileName_, section, ident, value))
        throw EIniFileException(Format(SIniFileWriteError, fileName_.c_str()));
}

void TIniFile::WriteInteger(const std::string& section, const std::string& ident, std::int32_t value) const {
    WriteString(section, ident, std::to_string(value));
}

}  // namespace skl
