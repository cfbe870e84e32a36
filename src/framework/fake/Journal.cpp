#include "framework/fake/Journal.h"

#include <mutex>

namespace skl::fake {

namespace {

std::mutex mutex;
std::vector<std::string> lines;

}  // namespace

void Note(std::string line) {
    std::lock_guard hold(mutex);
    lines.push_back(std::move(line));
}

std::vector<std::string> Journal() {
    std::lock_guard hold(mutex);
    return lines;
}

void ClearJournal() {
    std::lock_guard hold(mutex);
    lines.clear();
}

}  // namespace skl::fake
