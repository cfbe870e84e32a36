#pragma once
// A plain, non-alertable pause of the calling thread (SleepEx on Windows).
#include <cstdint>

namespace skl {

void SleepEx(std::uint32_t milliseconds);

}  // namespace skl
