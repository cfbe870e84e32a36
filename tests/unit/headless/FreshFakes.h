#pragma once
// Each test starts and ends with every test double as a fresh process finds
// it. The reset happens in the constructor, before a fixture's own windows
// are made, and again after they are gone.
#include <gtest/gtest.h>

#include "framework/fake/ResetAll.h"

class FreshFakes : public ::testing::Test {
protected:
    FreshFakes() { skl::fake::ResetAll(); }
    ~FreshFakes() override { skl::fake::ResetAll(); }
};
