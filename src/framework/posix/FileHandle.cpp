// POSIX files with the Windows rules the program relies on: a file without
// any write permission bit counts as read-only, also for the superuser, and
// "\" in a path separates folders.
#include "framework/system/FileHandle.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "framework/posix/FileCalls.h"
#include "framework/posix/PosixPath.h"

namespace skl {

FileHandle OpenForReading(const std::string& path) {
    const int fd = ::open(PosixPath(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return InvalidFile;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        return InvalidFile;
    }
    return FileHandle(fd);
}

bool RefusesWriting(const std::string& path) {
    struct stat info {};
    if (::stat(PosixPath(path).c_str(), &info) != 0) return false;
    return S_ISDIR(info.st_mode) || (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

FileHandle posix::CreateExclusive(const std::string& path) {
    if (RefusesWriting(path)) return InvalidFile;
    const int fd = ::open(PosixPath(path).c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return fd < 0 ? InvalidFile : FileHandle(fd);
}

std::int64_t FileReadSome(FileHandle file, void* buffer, std::int64_t count) {
    return ::read(static_cast<int>(file.Get()), buffer, static_cast<std::size_t>(count));
}

std::int64_t posix::FileWriteSome(FileHandle file, const void* buffer, std::int64_t count) {
    return ::write(static_cast<int>(file.Get()), buffer, static_cast<std::size_t>(count));
}

std::int64_t FileSeek(FileHandle file, std::int64_t offset, int origin) {
    static constexpr int whence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    return ::lseek(static_cast<int>(file.Get()), offset, whence[origin]);
}

void posix::FileClose(FileHandle file) { ::close(static_cast<int>(file.Get())); }

bool posix::MoveFileOver(const std::string& source, const std::string& target) {
    return std::rename(PosixPath(source).c_str(), PosixPath(target).c_str()) == 0;
}

void RemoveFile(const std::string& path) { ::unlink(PosixPath(path).c_str()); }

bool RemoveLeftover(const std::string& path) {
    const std::string posixPath = PosixPath(path);
    struct stat info {};
    if (::lstat(posixPath.c_str(), &info) != 0) return errno == ENOENT;
    return (S_ISDIR(info.st_mode) ? ::rmdir(posixPath.c_str()) : ::unlink(posixPath.c_str())) == 0;
}

}  // namespace skl
