#include "framework/system/FileHandle.h"

namespace skl {

std::int64_t FileRead(FileHandle file, void* buffer, std::int64_t count) {
    auto* bytes = static_cast<char*>(buffer);
    std::int64_t done = 0;
    while (done < count) {
        const std::int64_t got = FileReadSome(file, bytes + done, count - done);
        if (got <= 0) break;
        done += got;
    }
    return done;
}

std::int64_t FileWrite(FileHandle file, const void* buffer, std::int64_t count) {
    const auto* bytes = static_cast<const char*>(buffer);
    std::int64_t done = 0;
    while (done < count) {
        const std::int64_t put = FileWriteSome(file, bytes + done, count - done);
        if (put <= 0) break;
        done += put;
    }
    return done;
}

}  // namespace skl
