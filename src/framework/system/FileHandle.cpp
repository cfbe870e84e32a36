#include "framework/system/FileHandle.h"

namespace skl {

namespace {

// Calls `some` on the rest of the bytes until all `count` are done or it
// does no more.
template <typename Byte, typename Some>
std::int64_t UntilDone(Byte* bytes, std::int64_t count, Some some) {
    std::int64_t done = 0;
    while (done < count) {
        const std::int64_t step = some(bytes + done, count - done);
        if (step <= 0) break;
        done += step;
    }
    return done;
}

}  // namespace

std::int64_t FileRead(FileHandle file, void* buffer, std::int64_t count) {
    return UntilDone(static_cast<char*>(buffer), count,
                     [file](char* rest, std::int64_t left) { return FileReadSome(file, rest, left); });
}

std::int64_t FileWrite(FileHandle file, const void* buffer, std::int64_t count) {
    return UntilDone(static_cast<const char*>(buffer), count,
                     [file](const char* rest, std::int64_t left) { return FileWriteSome(file, rest, left); });
}

}  // namespace skl
