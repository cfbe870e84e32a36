#include "framework/system/Folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>

#include "framework/posix/PosixPath.h"

namespace skl {

namespace {

bool Stat(const std::string& path, struct stat& info) { return ::stat(PosixPath(path).c_str(), &info) == 0; }

}  // namespace

std::string GetCurrentDir() {
    char buffer[PATH_MAX];
    return ::getcwd(buffer, sizeof buffer) ? buffer : "";
}

bool SetCurrentDir(const std::string& folder) { return ::chdir(PosixPath(folder).c_str()) == 0; }

bool CreateDir(const std::string& folder) { return ::mkdir(PosixPath(folder).c_str(), 0777) == 0; }

bool DirectoryExists(const std::string& folder) {
    struct stat info {};
    return Stat(folder, info) && S_ISDIR(info.st_mode);
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return Stat(path, info) && !S_ISDIR(info.st_mode);
}

}  // namespace skl
