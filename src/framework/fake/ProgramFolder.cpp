#include "framework/fake/ProgramFolder.h"

#include <filesystem>

namespace skl {

namespace {

std::string& Folder() {
    static std::string folder;
    return folder;
}

std::string ExecutableFolder() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? "./" : executable.parent_path().string() + "/";
}

}  // namespace

std::string ProgramFolder() {
    if (Folder().empty()) Folder() = ExecutableFolder();
    return Folder();
}

void fake::SetProgramFolder(const std::string& folder) {
    Folder() = folder;
    if (!folder.empty() && !folder.ends_with('/') && !folder.ends_with('\\')) Folder() += '/';
}

}  // namespace skl
