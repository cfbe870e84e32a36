#include "framework/system/FileSearch.h"

#include <windows.h>

#include "framework/win32/WideText.h"

namespace skl {

struct TSearchHandle {
    HANDLE handle = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAW data{};
};

void TSearchHandleCloser::operator()(TSearchHandle* search) const noexcept {
    if (search->handle != INVALID_HANDLE_VALUE) ::FindClose(search->handle);
    std::default_delete<TSearchHandle>()(search);
}

namespace {

// Skips the excluded entries from the one in hand on.
int NextMatching(TSearchRec& rec) {
    TSearchHandle& search = *rec.FindHandle;
    while (static_cast<int>(search.data.dwFileAttributes) & rec.ExcludeAttr)
        if (!FindNextFileW(search.handle, &search.data)) return static_cast<int>(GetLastError());
    rec.Name = Narrow(search.data.cFileName);
    rec.Attr = static_cast<int>(search.data.dwFileAttributes);
    rec.Size = (static_cast<std::int64_t>(search.data.nFileSizeHigh) << 32) | search.data.nFileSizeLow;
    return 0;
}

}  // namespace

int FindFirst(const std::string& pattern, int attr, TSearchRec& rec) {
    FindClose(rec);
    rec.ExcludeAttr = SearchExclusions(attr);
    auto search = std::make_unique<TSearchHandle>();
    search->handle = FindFirstFileW(Wide(pattern).c_str(), &search->data);
    if (search->handle == INVALID_HANDLE_VALUE) return static_cast<int>(GetLastError());
    rec.FindHandle.reset(search.release());
    const int result = NextMatching(rec);
    if (result != 0) FindClose(rec);
    return result;
}

int FindNext(TSearchRec& rec) {
    if (!rec.FindHandle) return ERROR_NO_MORE_FILES;
    if (!FindNextFileW(rec.FindHandle->handle, &rec.FindHandle->data)) return static_cast<int>(GetLastError());
    return NextMatching(rec);
}

void FindClose(TSearchRec& rec) { rec.FindHandle.reset(); }

}  // namespace skl
