#include "framework/FileBytes.h"

#include "framework/Exceptions.h"
#include "framework/FileHandle.h"
#include "framework/Streams.h"

namespace skl {

namespace {

struct OpenFile {
    explicit OpenFile(const std::string& path) : handle(OpenForReading(path)) {}
    ~OpenFile() {
        if (handle != InvalidFile) FileClose(handle);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    FileHandle handle;
};

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path) {
    const OpenFile file(path);
    if (file.handle == InvalidFile) return std::nullopt;
    std::string bytes;
    char buffer[4096];
    for (std::int64_t got; (got = FileRead(file.handle, buffer, sizeof buffer)) > 0;) bytes.append(buffer, got);
    return bytes;
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
