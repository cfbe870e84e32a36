// Folder enumeration with the Windows rules the program relies on: "." and
// ".." are reported, patterns ignore letter case, and names starting with a
// dot count as hidden (as Wine shows them).
#include "framework/system/FileSearch.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "framework/core/Utf8.h"
#include "framework/posix/PosixPath.h"

namespace skl {

namespace {

struct TFoundEntry {
    std::string Name;
    int Attr = 0;
    std::int64_t Size = 0;
};

}  // namespace

struct TSearchHandle {
    std::vector<TFoundEntry> entries;
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
            while (n < name.size() && IsUtf8Continuation(name[n])) ++n;
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

// An open folder; its descriptor lists the names and finds their details.
// The names are read straight from the system: a directory stream would look
// up the folder's details once more for every folder listed.
class TFolderListing {
public:
    explicit TFolderListing(const std::string& folder)
        : folder_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}
    ~TFolderListing() {
        if (folder_ >= 0) ::close(folder_);
    }
    TFolderListing(const TFolderListing&) = delete;
    TFolderListing& operator=(const TFolderListing&) = delete;

    bool IsOpen() const { return folder_ >= 0; }

    // The names the pattern matches, "." and ".." left out.
    std::vector<std::string> Matching(std::string_view mask) const {
        std::vector<std::string> names;
        alignas(dirent64) char block[32768];
        for (ssize_t filled; (filled = ::getdents64(folder_, block, sizeof block)) > 0;) {
            for (ssize_t at = 0; at < filled;) {
                const auto* entry = reinterpret_cast<const dirent64*>(block + at);
                at += entry->d_reclen;
                const std::string_view name = entry->d_name;
                if (name != "." && name != ".." && Matches(mask, name)) names.emplace_back(name);
            }
        }
        return names;
    }

    // Names starting with a dot count as hidden, as Wine shows them.
    TFoundEntry Describe(std::string name) const {
        TFoundEntry entry{std::move(name)};
        struct stat info {};
        if (::fstatat(folder_, entry.Name.c_str(), &info, 0) != 0) return entry;
        entry.Attr = S_ISDIR(info.st_mode) ? faDirectory : faArchive;
        if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) entry.Attr |= faReadOnly;
        if (entry.Name.starts_with('.') && entry.Name != "." && entry.Name != "..") entry.Attr |= faHidden;
        if (!S_ISDIR(info.st_mode)) entry.Size = info.st_size;
        return entry;
    }

private:
    int folder_;
};

// NTFS order: letters compared in upper case; names equal so are told apart
// by their bytes. Each name is upper-cased once, not at every comparison.
void SortAsNtfs(std::vector<std::string>& names) {
    std::vector<std::pair<std::string, std::string>> keyed;
    keyed.reserve(names.size());
    for (std::string& name : names) {
        std::string upper = name;
        std::transform(upper.begin(), upper.end(), upper.begin(), Upper);
        keyed.emplace_back(std::move(upper), std::move(name));
    }
    std::sort(keyed.begin(), keyed.end());
    for (std::size_t i = 0; i < names.size(); ++i) names[i] = std::move(keyed[i].second);
}

int NextMatching(TSearchRec& rec) {
    TSearchHandle& search = *rec.FindHandle;
    while (search.next < search.entries.size()) {
        TFoundEntry& entry = search.entries[search.next++];
        if (entry.Attr & rec.ExcludeAttr) continue;
        rec.Name = std::move(entry.Name);
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
    const std::string_view mask = slash == std::string::npos ? std::string_view(path)
                                                             : std::string_view(path).substr(slash + 1);

    TFolderListing listing(folder);
    if (!listing.IsOpen()) return ErrorPathNotFound;
    std::vector<std::string> names = listing.Matching(mask);
    SortAsNtfs(names);

    auto search = std::make_unique<TSearchHandle>();
    search->entries.reserve(names.size() + 2);
    for (const char* dots : {".", ".."})
        if (Matches(mask, dots)) search->entries.push_back(listing.Describe(dots));
    for (std::string& name : names) search->entries.push_back(listing.Describe(std::move(name)));
    if (search->entries.empty()) return ErrorFileNotFound;
    rec.FindHandle.reset(search.release());
    const int result = NextMatching(rec);
    if (result != 0) FindClose(rec);
    return result;
}

int FindNext(TSearchRec& rec) { return rec.FindHandle ? NextMatching(rec) : ErrorNoMoreFiles; }

void FindClose(TSearchRec& rec) { rec.FindHandle.reset(); }

}  // namespace skl
