#pragma once
// The tip that the notification area shows for a hint.
#include <string>

namespace skl {

// The text of `hint` before its first "|" (all of it when there is none),
// cut to what the shell's tip holds: `units` UTF-16 units. The cut never
// splits a character; one that would not fit whole is left out.
std::string ShortHint(const std::string& hint, int units = 63);

}  // namespace skl
