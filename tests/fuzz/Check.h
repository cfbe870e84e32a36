#pragma once
// A broken promise of the code under test: the fuzzer keeps the input that
// broke it.
#include <cstdlib>

inline void Check(bool condition) {
    if (!condition) std::abort();
}
