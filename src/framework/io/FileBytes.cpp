#include "framework/io/FileBytes.h"

#include "framework/core/Exceptions.h"
#include "framework/io/Streams.h"

namespace skl {

std::optional<std::string> ReadFileBytes(const std::string& path) {
    try {
        TFileStream file(path, TFileMode::OpenReadShareDenyWrite);
        std::string bytes(static_cast<std::size_t>(file.Size()), '\0');
        bytes.resize(static_cast<std::size_t>(file.Read(bytes.data(), static_cast<std::int64_t>(bytes.size()))));
        return bytes;
    } catch (const EFOpenError&) {
        return std::nullopt;
    }
}

bool ReplaceFileBytes(const std::string& path, const std::string& bytes) {
    try {
        TReplacingFileStream stream(path);
        stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
        stream.Commit();
        return true;
    } catch (const EStreamError&) {
        return false;
    }
}

}  // namespace skl
