#pragma once
// A list of texts numbered from 1 that grows as slots are written. Slots
// above the count in use keep what was written there before; a slot never
// written reads as empty.
#include <string>
#include <vector>

namespace skl {

class TNumberedList {
public:
    const std::string& operator[](int number) const {
        static const std::string empty;
        return number >= 1 && number <= static_cast<int>(slots_.size()) ? slots_[number - 1] : empty;
    }
    void Put(int number, std::string text) {
        if (number < 1) return;
        if (number > static_cast<int>(slots_.size())) slots_.resize(number);
        slots_[number - 1] = std::move(text);
    }

private:
    std::vector<std::string> slots_;
};

}  // namespace skl
