#pragma once
// What the conformance tests need of the backend beyond the system
// interface: a fresh start for each test, and time. The headless clock jumps;
// the real one is waited for.
#include <gtest/gtest.h>

namespace conformance {

void ResetBackend();
void LetTimePass(unsigned milliseconds);

class Test : public ::testing::Test {
protected:
    Test() { ResetBackend(); }
    ~Test() override { ResetBackend(); }
};

}  // namespace conformance
