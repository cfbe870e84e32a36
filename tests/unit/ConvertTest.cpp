#include <gtest/gtest.h>

#include "framework/Convert.h"

using skl::TryStrToInt;

TEST(TryStrToInt, ReadsDecimalWithSignAndLeadingBlanks) {
    EXPECT_EQ(TryStrToInt("10"), 10);
    EXPECT_EQ(TryStrToInt("  -7"), -7);
    EXPECT_EQ(TryStrToInt("+0"), 0);
    EXPECT_EQ(TryStrToInt("2147483647"), 2147483647);
    EXPECT_EQ(TryStrToInt("-2147483648"), INT32_MIN);
}

TEST(TryStrToInt, ReadsHexadecimalAfterDollar) {
    EXPECT_EQ(TryStrToInt("$0A"), 10);
    EXPECT_EQ(TryStrToInt("$ff"), 255);
    EXPECT_EQ(TryStrToInt("-$10"), -16);
    EXPECT_EQ(TryStrToInt("$FFFFFFFF"), -1);
}

TEST(TryStrToInt, RefusesEverythingElse) {
    for (const char* text : {"", " ", "abc", "0x0A", "12a", "1 ", "$", "-", "2147483648", "$100000000", "1.5"})
        EXPECT_EQ(TryStrToInt(text), std::nullopt) << '"' << text << '"';
}
