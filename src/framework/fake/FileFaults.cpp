#include "framework/fake/FileFaults.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <optional>
#include <utility>

#include "framework/posix/FileCalls.h"

namespace skl::fake {

namespace {

struct Faults {
    std::mutex mutex;
    std::optional<std::int64_t> nextBudget;  // for the next file made
    bool failCreate = false;
    bool failReplace = false;
    std::map<FileHandle, std::int64_t> budgets;  // bytes each such file still takes
};

Faults& State() {
    static Faults faults;
    return faults;
}

}  // namespace

void FailWritesAfter(std::int64_t bytes) {
    std::lock_guard hold(State().mutex);
    State().nextBudget = bytes;
}

void FailNextCreate() {
    std::lock_guard hold(State().mutex);
    State().failCreate = true;
}

void FailNextReplace() {
    std::lock_guard hold(State().mutex);
    State().failReplace = true;
}

void ClearFileFaults() {
    std::lock_guard hold(State().mutex);
    State().nextBudget.reset();
    State().failCreate = State().failReplace = false;
    State().budgets.clear();
}

}  // namespace skl::fake

namespace skl {

using fake::State;

FileHandle CreateExclusive(const std::string& path) {
    std::lock_guard hold(State().mutex);
    if (std::exchange(State().failCreate, false)) return InvalidFile;
    const FileHandle file = posix::CreateExclusive(path);
    if (file != InvalidFile && State().nextBudget)
        State().budgets[file] = *std::exchange(State().nextBudget, std::nullopt);
    return file;
}

std::int64_t FileWriteSome(FileHandle file, const void* buffer, std::int64_t count) {
    std::int64_t writable = count;
    {
        std::lock_guard hold(State().mutex);
        const auto found = State().budgets.find(file);
        if (found != State().budgets.end()) {
            writable = std::min(count, found->second);
            found->second -= writable;
        }
    }
    if (writable == 0 && count > 0) return -1;
    return posix::FileWriteSome(file, buffer, writable);
}

void FileClose(FileHandle file) {
    {
        std::lock_guard hold(State().mutex);
        State().budgets.erase(file);
    }
    posix::FileClose(file);
}

bool MoveFileOver(const std::string& source, const std::string& target) {
    {
        std::lock_guard hold(State().mutex);
        if (std::exchange(State().failReplace, false)) return false;
    }
    return posix::MoveFileOver(source, target);
}

}  // namespace skl
