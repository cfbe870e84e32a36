#pragma once
// Each test starts and ends on an empty headless desktop. The reset happens in
// the constructor, before a fixture's own windows are made.
#include <gtest/gtest.h>

#include "framework/headless/Desktop.h"

class FreshDesktop : public ::testing::Test {
protected:
    FreshDesktop() { skl::headless::ResetDesktop(); }
    ~FreshDesktop() override { skl::headless::ResetDesktop(); }
};
