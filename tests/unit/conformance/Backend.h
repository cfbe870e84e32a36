#pragma once
// What the conformance tests need of the backend beyond the system
// interface: a fresh start for each test, and time. The headless clock jumps;
// the real one is waited for. The registry tests keep to one key of the
// current user's hive, which the fresh start removes.
#include <gtest/gtest.h>

namespace conformance {

inline constexpr const char* RegistryRoot = "Software\\Skelvora Conformance";

void ResetBackend();
void LetTimePass(unsigned milliseconds);

class Test : public ::testing::Test {
protected:
    Test() { ResetBackend(); }
    ~Test() override { ResetBackend(); }
};

}  // namespace conformance
