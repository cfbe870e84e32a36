#include <gtest/gtest.h>

#include "framework/io/ProfileText.h"

using namespace skl;

TEST(ProfileTextReading, NamesMatchWithoutRegardToCaseAndBlanks) {
    const std::string text = "[options]\r\n  imagen =  7 \r\nInterval\t=\t10\r\n";
    EXPECT_EQ(FindProfileValue(text, "Options", "ImageN"), "7");
    EXPECT_EQ(FindProfileValue(text, " OPTIONS ", "INTERVAL"), "10");
    EXPECT_EQ(FindProfileValue(text, "Options", "Lng"), std::nullopt);
    EXPECT_EQ(FindProfileValue(text, "Other", "ImageN"), std::nullopt);
    EXPECT_EQ(FindProfileValue("", "Options", "ImageN"), std::nullopt);
}

TEST(ProfileTextReading, APairOfEqualQuotesIsDropped) {
    const std::string text = "[s]\na=\" x \"\nb='y'\nc=\"z'\nd=\"\ne=\"\"\nf=\"in\"side\"\n";
    EXPECT_EQ(FindProfileValue(text, "s", "a"), " x ");
    EXPECT_EQ(FindProfileValue(text, "s", "b"), "y");
    EXPECT_EQ(FindProfileValue(text, "s", "c"), "\"z'");
    EXPECT_EQ(FindProfileValue(text, "s", "d"), "\"");
    EXPECT_EQ(FindProfileValue(text, "s", "e"), "");
    EXPECT_EQ(FindProfileValue(text, "s", "f"), "in\"side");
}

TEST(ProfileTextReading, TheFirstSectionAndTheFirstKeyOfANameCount) {
    const std::string text = "[A]\nk=1\nk=2\n[B]\nk=3\n[a]\nk=4\nonly=5\n";
    EXPECT_EQ(FindProfileValue(text, "a", "K"), "1");
    EXPECT_EQ(FindProfileValue(text, "b", "k"), "3");
    EXPECT_EQ(FindProfileValue(text, "A", "only"), std::nullopt);
}

TEST(ProfileTextReading, LinesWithoutEqualsAndKeysBeforeAnySectionAreNoKeys) {
    const std::string text = "k=0\n[s]\n; k\nk\nv = a=b\n[t] ; note\nx=9\n[u\ny=8";
    EXPECT_EQ(FindProfileValue(text, "s", "k"), std::nullopt);
    EXPECT_EQ(FindProfileValue(text, "s", "v"), "a=b");
    EXPECT_EQ(FindProfileValue(text, "t", "x"), "9");
    EXPECT_EQ(FindProfileValue(text, "t", "y"), "8");
    EXPECT_EQ(FindProfileValue(text, "u", "y"), std::nullopt);
}

TEST(ProfileTextReading, ASemicolonIsPartOfTheKeyName) {
    EXPECT_EQ(FindProfileValue("[s]\n;a=1\n", "s", ";a"), "1");
    EXPECT_EQ(FindProfileValue("[s]\n;a=1\n", "s", "a"), std::nullopt);
}

TEST(ProfileTextReading, ValuesAreCutAt2047Characters) {
    const std::string longValue(3000, 'x');
    EXPECT_EQ(FindProfileValue("[s]\nk=" + longValue + "\n", "s", "k"), std::string(2047, 'x'));
    EXPECT_EQ(FindProfileValue("[s]\nk=\"" + longValue + "\"\n", "s", "k"), std::string(2047, 'x'));
    std::string cyrillic;
    for (int i = 0; i < 2100; ++i) cyrillic += "ї";
    EXPECT_EQ(FindProfileValue("[s]\nk=" + cyrillic, "s", "k")->size(), 2047u * 2);
}

TEST(ProfileTextReading, DefaultsLoseTrailingBlanksAndAreCut) {
    EXPECT_EQ(ProfileDefault("Ukraine  "), "Ukraine");
    EXPECT_EQ(ProfileDefault("  a b"), "  a b");
    EXPECT_EQ(ProfileDefault(std::string(2100, 'd')), std::string(2047, 'd'));
}

TEST(ProfileTextWriting, AnEmptyTextGetsTheSectionAndTheKey) {
    EXPECT_EQ(WithProfileValue("", "Options", "ImageN", "4"), "[Options]\r\nImageN=4\r\n");
}

TEST(ProfileTextWriting, AnExistingKeyLineIsReplacedAndNothingElse) {
    const std::string text = "; mine\r\n[options]\r\n  imagen = 3 \r\nInterval=10\r\n\r\n[Other]\r\nImageN=1\r\n";
    EXPECT_EQ(WithProfileValue(text, "Options", "ImageN", "4"),
              "; mine\r\n[options]\r\nimagen=4\r\nInterval=10\r\n\r\n[Other]\r\nImageN=1\r\n");
    EXPECT_EQ(WithProfileValue("[s]\nk=1\nk=2", "S", "K", "x"), "[s]\nk=x\nk=2");
}

TEST(ProfileTextWriting, AMissingKeyGoesAfterTheLastLineOfItsSection) {
    const std::string text = "[Options]\r\nImageN=3\r\n\r\n[Other]\r\nx=1\r\n";
    EXPECT_EQ(WithProfileValue(text, "options", "Interval", "5"),
              "[Options]\r\nImageN=3\r\nInterval=5\r\n\r\n[Other]\r\nx=1\r\n");
    EXPECT_EQ(WithProfileValue("[Options]", "Options", "Lng", "English"), "[Options]\r\nLng=English");
    EXPECT_EQ(WithProfileValue("[Options]\n[Options]\n", "Options", "a", "1"), "[Options]\na=1\r\n[Options]\n");
}

TEST(ProfileTextWriting, AMissingSectionGoesAtTheEndAfterABlankLine) {
    EXPECT_EQ(WithProfileValue("[A]\r\nx=1\r\n", "Options", "Randomize", "0"),
              "[A]\r\nx=1\r\n\r\n[Options]\r\nRandomize=0\r\n");
    EXPECT_EQ(WithProfileValue("[A]\nx=1", "Options", "Randomize", "0"),
              "[A]\nx=1\r\n\r\n[Options]\r\nRandomize=0\r\n");
    EXPECT_EQ(WithProfileValue("[A]\r\n\r\n", "B", "k", "v"), "[A]\r\n\r\n[B]\r\nk=v\r\n");
}

TEST(ProfileTextWriting, WhatIsWrittenReadsBackInAnyLetterCase) {
    const std::pair<const char*, const char*> keys[] = {
        {"ImageN", "IMAGEN"}, {"Randomize", "randomize"}, {"Interval", "Interval"}, {"Lng", "lNG"}};
    std::string text = "junk\n[Options]\nImageN=2\n";
    for (const auto& [written, read] : keys) text = WithProfileValue(text, "Options", written, written);
    for (const auto& [written, read] : keys) EXPECT_EQ(FindProfileValue(text, "OPTIONS", read), written);
}
