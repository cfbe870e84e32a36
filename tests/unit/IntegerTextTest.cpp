#include <gtest/gtest.h>

#include "framework/core/IntegerText.h"

using namespace skl;

TEST(IntegerText, DecimalWithOptionalSign) {
    EXPECT_EQ(TextToInteger("10"), 10);
    EXPECT_EQ(TextToInteger("+7"), 7);
    EXPECT_EQ(TextToInteger("-3"), -3);
    EXPECT_EQ(TextToInteger("007"), 7);
    EXPECT_EQ(TextToInteger("2147483647"), 2147483647);
    EXPECT_EQ(TextToInteger("-2147483648"), -2147483647 - 1);
}

TEST(IntegerText, DollarMeansHexadecimalAsA32BitPattern) {
    EXPECT_EQ(TextToInteger("$0A"), 10);
    EXPECT_EQ(TextToInteger("$ff"), 255);
    EXPECT_EQ(TextToInteger("-$10"), -16);
    EXPECT_EQ(TextToInteger("$FFFFFFFF"), -1);
    EXPECT_EQ(TextToInteger("$100000000"), std::nullopt);
}

TEST(IntegerText, AnythingElseIsNoInteger) {
    for (const char* text : {"", "abc", "-", "+", "$", "0x0A", "10abc", " 10", "10 ", "1.5", "2147483648",
                             "-2147483649", "--1", "$-1", "99999999999999999999999"})
        EXPECT_EQ(TextToInteger(text), std::nullopt) << text;
    EXPECT_EQ(StrToIntDef("abc", 5), 5);
    EXPECT_EQ(StrToIntDef("12", 5), 12);
}
