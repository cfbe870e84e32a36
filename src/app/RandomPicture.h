#pragma once
// The random draw of the wallpaper change: a linear congruential generator
// reseeded from the clock before every draw.
#include <cstdint>

#include "framework/system/Clock.h"

namespace skl {

class TRandomPicture {
public:
    // Seed := milliseconds since midnight of the given time of day.
    void Randomize(const TSystemTime& time) {
        seed_ = static_cast<std::uint32_t>(((time.Hour * 60 + time.Minute) * 60 + time.Second) * 1000 +
                                           time.Millisecond);
    }
    // A number from 0 to count - 1 (0 when count is 0).
    std::uint32_t Draw(std::uint32_t count) {
        seed_ = seed_ * 134775813u + 1u;
        return static_cast<std::uint32_t>((std::uint64_t{seed_} * count) >> 32);
    }

private:
    std::uint32_t seed_ = 0;
};

}  // namespace skl
