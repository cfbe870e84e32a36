#pragma once
// Enumeration of a folder's entries by a wildcard pattern ("*" any run of
// characters, "?" one character, letters matched without regard to case),
// with the attributes the system reports. "." and ".." are entries too.
//
// Order: Windows gives the file system's order (sorted on NTFS, the
// directory's own order under Wine). Headless gives ".", "..", then the
// names sorted as NTFS sorts them (letters compared in upper case).
#include <cstdint>
#include <memory>
#include <string>

namespace skl {

inline constexpr int faReadOnly = 0x01;
inline constexpr int faHidden = 0x02;
inline constexpr int faSysFile = 0x04;
inline constexpr int faVolumeID = 0x08;
inline constexpr int faDirectory = 0x10;
inline constexpr int faArchive = 0x20;
inline constexpr int faAnyFile = 0x3F;

struct TSearchHandle;
struct TSearchHandleCloser {
    void operator()(TSearchHandle* handle) const noexcept;
};

struct TSearchRec {
    std::string Name;
    int Attr = 0;
    std::int64_t Size = 0;
    // Entries with any of these attributes are skipped.
    int ExcludeAttr = 0;
    std::unique_ptr<TSearchHandle, TSearchHandleCloser> FindHandle;
};

// The search attribute `attr` admits hidden, system, volume and folder
// entries by their bits; every other entry is always found. Both return 0
// with `rec` holding the entry found, or the system's error code: 2 (no
// entry matches), 3 (no such folder), 18 (no more entries).
int FindFirst(const std::string& pattern, int attr, TSearchRec& rec);
int FindNext(TSearchRec& rec);
// Ends the enumeration; dropping the record does the same.
void FindClose(TSearchRec& rec);

inline int SearchExclusions(int attr) { return ~attr & (faHidden | faSysFile | faVolumeID | faDirectory); }

}  // namespace skl
