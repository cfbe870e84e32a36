#include "framework/system/FileHandle.h"

#include <windows.h>

#include <algorithm>

#include "framework/win32/WideText.h"

namespace skl {

namespace {

HANDLE AsHandle(FileHandle file) { return reinterpret_cast<HANDLE>(file.Get()); }

FileHandle FromHandle(HANDLE handle) {
    return handle == INVALID_HANDLE_VALUE ? InvalidFile : FileHandle(reinterpret_cast<std::intptr_t>(handle));
}

// At most 1 GiB per call: the system counts bytes in 32 bits.
DWORD Chunk(std::int64_t count) { return static_cast<DWORD>(std::min<std::int64_t>(count, 1 << 30)); }

}  // namespace

FileHandle OpenForReading(const std::string& path) {
    return FromHandle(CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
}

FileHandle CreateExclusive(const std::string& path) {
    // Windows refuses to write a read-only file; say so here as well, since
    // Wine running as the superuser would let the write through.
    if (RefusesWriting(path)) return InvalidFile;
    return FromHandle(CreateFileW(Wide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
}

// No opening to try: the shell reads the wallpaper file now and then, and a
// trial open without sharing would fail for no reason while it does.
bool RefusesWriting(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
}

std::int64_t FileReadSome(FileHandle file, void* buffer, std::int64_t count) {
    DWORD got = 0;
    if (!::ReadFile(AsHandle(file), buffer, Chunk(count), &got, nullptr)) return -1;
    return got;
}

std::int64_t FileWriteSome(FileHandle file, const void* buffer, std::int64_t count) {
    DWORD put = 0;
    if (!::WriteFile(AsHandle(file), buffer, Chunk(count), &put, nullptr)) return -1;
    return put;
}

std::int64_t FileSeek(FileHandle file, std::int64_t offset, int origin) {
    LARGE_INTEGER distance{}, position{};
    distance.QuadPart = offset;
    if (!SetFilePointerEx(AsHandle(file), distance, &position, static_cast<DWORD>(origin))) return -1;
    return position.QuadPart;
}

void FileClose(FileHandle file) { CloseHandle(AsHandle(file)); }

// The shell reads the wallpaper file now and then and holds it for a moment
// without letting anyone replace it: the replace is tried again for a while.
bool MoveFileOver(const std::string& source, const std::string& target) {
    constexpr int Attempts = 20;
    constexpr DWORD Pause = 25;  // milliseconds
    const std::wstring from = Wide(source), to = Wide(target);
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
        const DWORD error = GetLastError();
        if ((error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) || attempt == Attempts) return false;
        Sleep(Pause);
    }
}

void RemoveFile(const std::string& path) { DeleteFileW(Wide(path).c_str()); }

bool RemoveLeftover(const std::string& path) {
    const std::wstring wide = Wide(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return true;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return RemoveDirectoryW(wide.c_str()) != 0;
    SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
    return DeleteFileW(wide.c_str()) != 0;
}

}  // namespace skl
