// Folder enumeration with the Windows rules the program relies on: "." and
// ".." are reported, patterns ignore letter case, and names starting with a
// dot count as hidden (as Wine shows them).
#include "framework/FileSearch.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <vector>

#include "framework/headless/PosixPath.h"

namespace skl {

struct TSearchHandle {
    std::vector<TSearchRec> entries;  // only Name, Attr and Size are used
    std::size_t next = 0;
};

void TSearchHandleCloser::operator()(TSearchHandle* handle) const noexcept {
    std::default_delete<TSearchHandle>()(handle);
}

namespace {

constexpr int ErrorFileNotFound = 2;
constexpr int ErrorPathNotFound = 3;
constexpr int ErrorNoMoreFiles = 18;

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool ContinuesCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// "*" matches any run of characters, "?" exactly one; on a mismatch the last
// "*" takes one more character.
bool Matches(std::string_view pattern, std::string_view name) {
    if (pattern == "*.*") pattern = "*";
    std::size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && pattern[p] == '?') {
            ++p;
            ++n;
            while (n < name.size() && ContinuesCharacter(name[n])) ++n;
        } else if (p < pattern.size() && Upper(pattern[p]) == Upper(name[n])) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

std::string UpperName(const std::string& name) {
    std::string upper = name;
    std::transform(upper.begin(), upper.end(), upper.begin(), Upper);
    return upper;
}

bool NtfsOrder(const std::string& a, const std::string& b) {
    const std::string upperA = UpperName(a), upperB = UpperName(b);
    return upperA != upperB ? upperA < upperB : a < b;
}

TSearchRec Describe(const std::string& folder, const std::string& name) {
    TSearchRec entry;
    entry.Name = name;
    struct stat info {};
    if (::stat((folder + "/" + name).c_str(), &info) != 0) return entry;
    entry.Attr = S_ISDIR(info.st_mode) ? faDirectory : faArchive;
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) entry.Attr |= faReadOnly;
    if (name.starts_with('.') && name != "." && name != "..") entry.Attr |= faHidden;
    if (!S_ISDIR(info.st_mode)) entry.Size = info.st_size;
    return entry;
}

int NextMatching(TSearchRec& rec) {
    TSearchHandle& search = *rec.FindHandle;
    while (search.next < search.entries.size()) {
        TSearchRec& entry = search.entries[search.next++];
        if (entry.Attr & rec.ExcludeAttr) continue;
        rec.Name = entry.Name;
        rec.Attr = entry.Attr;
        rec.Size = entry.Size;
        return 0;
    }
    return ErrorNoMoreFiles;
}

}  // namespace

int FindFirst(const std::string& pattern, int attr, TSearchRec& rec) {
    FindClose(rec);
    rec.ExcludeAttr = SearchExclusions(attr);
    const std::string path = PosixPath(pattern);
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const std::string mask = slash == std::string::npos ? path : path.substr(slash + 1);

    std::error_code error;
    std::filesystem::directory_iterator listing(folder, error);
    if (error) return ErrorPathNotFound;
    std::vector<std::string> names;
    for (const auto& entry : listing) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end(), NtfsOrder);
    names.insert(names.begin(), {".", ".."});

    auto search = std::make_unique<TSearchHandle>();
    for (const std::string& name : names)
        if (Matches(mask, name)) search->entries.push_back(Describe(folder, name));
    if (search->entries.empty()) return ErrorFileNotFound;
    rec.FindHandle.reset(search.release());
    const int result = NextMatching(rec);
    if (result != 0) FindClose(rec);
    return result;
}

int FindNext(TSearchRec& rec) { return rec.FindHandle ? NextMatching(rec) : ErrorNoMoreFiles; }

void FindClose(TSearchRec& rec) { rec.FindHandle.reset(); }

}  // namespace skl
