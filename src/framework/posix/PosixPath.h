#pragma once
// Headless paths: the program joins folders with "\" as on Windows; the
// headless backend reads every "\" of a path as "/".
#include <algorithm>
#include <string>

namespace skl {

inline std::string PosixPath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

}  // namespace skl
