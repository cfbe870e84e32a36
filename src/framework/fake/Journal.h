#pragma once
// The headless backend's journal: one line per system call a test may want to
// see in order with others ("SetForegroundWindow 1", "TrackPopupMenu 10,20").
// Tests may add their own lines to place their hooks in the order.
#include <string>
#include <vector>

namespace skl::fake {

void Note(std::string line);
std::vector<std::string> Journal();
void ClearJournal();

}  // namespace skl::fake
