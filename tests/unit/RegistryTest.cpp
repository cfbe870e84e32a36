#include <gtest/gtest.h>

#include <random>

#include "framework/io/Registry.h"

using namespace skl;

namespace {

// A key of its own for each test, emptied afterwards.
class RegistryTest : public ::testing::Test {
protected:
    RegistryTest() : key_("\\Software\\Skelvora Tests\\" + std::to_string(std::random_device{}())) {}
    ~RegistryTest() override {
        TRegistry registry;
        if (!registry.OpenKey(key_, false)) return;
        for (const char* name : {"Skelvora", "Wallpaper", "Other"}) registry.DeleteValue(name);
    }
    const std::string key_;
};

}  // namespace

TEST_F(RegistryTest, OpenKeyCreatesAMissingKeyOnlyWhenAsked) {
    TRegistry registry;
    EXPECT_FALSE(registry.OpenKey(key_, false));
    EXPECT_EQ(registry.CurrentPath(), "");
    ASSERT_TRUE(registry.OpenKey(key_, true));
    EXPECT_EQ(registry.CurrentPath(), key_.substr(1));
    registry.CloseKey();
    EXPECT_TRUE(registry.OpenKey(key_, false));
}

TEST_F(RegistryTest, WrittenStringsReadBackUnderAnyLetterCaseOfTheirName) {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(key_, true));
    EXPECT_FALSE(registry.ValueExists("Skelvora"));
    EXPECT_EQ(registry.ReadString("Skelvora"), "");
    registry.WriteString("Skelvora", "C:\\Програми\\Skelvora\\Skelvora.exe");
    EXPECT_TRUE(registry.ValueExists("SKELVORA"));
    EXPECT_EQ(registry.ReadString("skelvora"), "C:\\Програми\\Skelvora\\Skelvora.exe");

    TRegistry fresh;
    ASSERT_TRUE(fresh.OpenKey(key_, true));
    EXPECT_EQ(fresh.ReadString("Skelvora"), "C:\\Програми\\Skelvora\\Skelvora.exe");
}

TEST_F(RegistryTest, RewritingAValuePointingElsewhere) {
    const std::string wanted = "C:\\Now\\Skelvora.exe";
    {
        TRegistry registry;
        ASSERT_TRUE(registry.OpenKey(key_, true));
        registry.WriteString("Skelvora", "C:\\Before\\Skelvora.exe");
    }
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(key_, true));
    ASSERT_TRUE(registry.ValueExists("Skelvora"));
    if (registry.ReadString("Skelvora") != wanted) registry.WriteString("Skelvora", wanted);
    EXPECT_EQ(registry.ReadString("Skelvora"), wanted);
}

TEST_F(RegistryTest, DeletingAMissingValueIsHarmless) {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(key_, true));
    registry.WriteString("Skelvora", "x");
    EXPECT_TRUE(registry.DeleteValue("Skelvora"));
    EXPECT_FALSE(registry.ValueExists("Skelvora"));
    EXPECT_FALSE(registry.DeleteValue("Skelvora"));
}

TEST_F(RegistryTest, RelativePathsRunFromTheOpenKey) {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(key_, true));
    ASSERT_TRUE(registry.OpenKey("Inner", true));
    EXPECT_EQ(registry.CurrentPath(), key_.substr(1) + "\\Inner");
}

TEST(RegistryWithoutKey, ReadsNothingAndRefusesWrites) {
    TRegistry registry;
    EXPECT_FALSE(registry.ValueExists("Skelvora"));
    EXPECT_EQ(registry.ReadString("Skelvora"), "");
    EXPECT_FALSE(registry.DeleteValue("Skelvora"));
    try {
        registry.WriteString("Skelvora", "x");
        FAIL() << "no exception";
    } catch (const ERegistryException& error) {
        EXPECT_EQ(error.Message(), "Failed to set data for 'Skelvora'");
    }
}
