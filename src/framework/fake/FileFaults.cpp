#include "framework/fake/FileFaults.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <optional>
#include <utility>

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

bool CreateFails() {
    std::lock_guard hold(State().mutex);
    return std::exchange(State().failCreate, false);
}

void Created(FileHandle file) {
    std::lock_guard hold(State().mutex);
    if (State().nextBudget) State().budgets[file] = *std::exchange(State().nextBudget, std::nullopt);
}

std::int64_t WritableBytes(FileHandle file, std::int64_t count) {
    std::lock_guard hold(State().mutex);
    const auto found = State().budgets.find(file);
    if (found == State().budgets.end()) return count;
    const std::int64_t writable = std::min(count, found->second);
    found->second -= writable;
    return writable;
}

void Closed(FileHandle file) {
    std::lock_guard hold(State().mutex);
    State().budgets.erase(file);
}

bool ReplaceFails() {
    std::lock_guard hold(State().mutex);
    return std::exchange(State().failReplace, false);
}

}  // namespace skl::fake
