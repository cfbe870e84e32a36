#include <gtest/gtest.h>

#include "ui/ShortHint.h"

using namespace skl;

TEST(ShortHint, IsTheTextBeforeTheFirstBar) {
    EXPECT_EQ(ShortHint("tip|long hint|more"), "tip");
    EXPECT_EQ(ShortHint("no bar"), "no bar");
    EXPECT_EQ(ShortHint("|starts with a bar"), "");
    EXPECT_EQ(ShortHint(""), "");
}

TEST(ShortHint, KeepsAtMost63Characters) {
    const std::string seventy(70, 'x');
    EXPECT_EQ(ShortHint(seventy), std::string(63, 'x'));
    EXPECT_EQ(ShortHint(std::string(63, 'y')), std::string(63, 'y'));
    EXPECT_EQ(ShortHint(std::string(70, 'z') + "|tail"), std::string(63, 'z'));
}

TEST(ShortHint, CountsCharactersNotBytesOfCyrillicText) {
    std::string seventy;
    for (int i = 0; i < 70; ++i) seventy += "ж";  // two bytes each
    std::string sixtyThree;
    for (int i = 0; i < 63; ++i) sixtyThree += "ж";
    EXPECT_EQ(ShortHint(seventy), sixtyThree);
    EXPECT_EQ(ShortHint("Змінювач обоїв на робочому столі"), "Змінювач обоїв на робочому столі");
}

TEST(ShortHint, ACharacterOutsideTheBasicPlaneTakesTwoUnitsAndIsNeverSplit) {
    const std::string clover = "\xF0\x9F\x8D\x80";  // U+1F340: two UTF-16 units
    const std::string sixtyOne(61, 'a');
    EXPECT_EQ(ShortHint(sixtyOne + clover + "b"), sixtyOne + clover);   // units 62 and 63
    const std::string sixtyTwo(62, 'a');
    EXPECT_EQ(ShortHint(sixtyTwo + clover + "b"), sixtyTwo);            // would need unit 64
}

TEST(ShortHint, AMalformedSequenceCountsByteByByteAndIsCutWithoutHarm) {
    const std::string broken = std::string(62, 'a') + "\xD0" + "bc";  // a lead byte without its follower
    EXPECT_EQ(ShortHint(broken), std::string(62, 'a') + "\xD0");
    EXPECT_EQ(ShortHint(std::string(62, 'a') + "\xE2\x82"), std::string(62, 'a') + "\xE2");
}
