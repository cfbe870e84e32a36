#include <gtest/gtest.h>

#include "FreshFakes.h"
#include "framework/fake/Desktop.h"
#include "framework/fake/RegistryKey.h"

using namespace skl;

namespace {

const std::string RunKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string DesktopKey = "\\Control Panel\\Desktop";
const std::string Exe = "C:\\Skelvora\\Skelvora.exe";
const std::string Wallpaper = "C:\\Skelvora\\SKELVORA.BMP";

TRegistryValue Text(const std::string& text) { return {TRegDataType::String, text}; }

class HeadlessRegistry : public FreshFakes {};

// The start-up registry work: keep the autostart value at this program and
// point the desktop at its wallpaper file.
void StartUp(TRegistry& registry) {
    registry.OpenKey(RunKey, true);
    if (registry.ValueExists("Skelvora") && registry.ReadString("Skelvora") != Exe)
        registry.WriteString("Skelvora", Exe);
    registry.OpenKey(DesktopKey, true);
    std::string wallpaper;
    if (registry.ValueExists("Wallpaper")) wallpaper = registry.ReadString("Wallpaper");
    if (wallpaper != Wallpaper) registry.WriteString("Wallpaper", Wallpaper);
}

}  // namespace

TEST_F(HeadlessRegistry, StartUpRewritesValuesPointingElsewhereOrInAnotherCase) {
    skl::fake::PutRegistryValue(RunKey, "Skelvora", Text("D:\\Old\\Skelvora.exe"));
    skl::fake::PutRegistryValue(DesktopKey, "Wallpaper", Text("c:\\skelvora\\Skelvora.bmp"));
    TRegistry registry;
    StartUp(registry);
    EXPECT_EQ(skl::fake::GetRegistryValue(RunKey, "Skelvora"), Text(Exe));
    EXPECT_EQ(skl::fake::GetRegistryValue(DesktopKey, "Wallpaper"), Text(Wallpaper));
    EXPECT_EQ(registry.CurrentPath(), "Control Panel\\Desktop");
}

TEST_F(HeadlessRegistry, StartUpOnAnEmptyHiveMakesTheKeysAndOnlyTheWallpaper) {
    TRegistry registry;
    StartUp(registry);
    EXPECT_TRUE(skl::fake::RegistryKeyExists(RunKey));
    EXPECT_TRUE(skl::fake::RegistryKeyExists("Software\\Microsoft"));
    EXPECT_EQ(skl::fake::GetRegistryValue(RunKey, "Skelvora"), std::nullopt);
    EXPECT_EQ(skl::fake::GetRegistryValue(DesktopKey, "Wallpaper"), Text(Wallpaper));
}

TEST_F(HeadlessRegistry, AValueOfAnotherTypeCannotBeReadAsAString) {
    skl::fake::PutRegistryValue(DesktopKey, "Wallpaper", {TRegDataType::DWord, std::string("\x01\0\0\0", 4)});
    skl::fake::PutRegistryValue(DesktopKey, "Empty", {TRegDataType::Binary, ""});
    skl::fake::PutRegistryValue(DesktopKey, "Expand", {TRegDataType::ExpandString, "%USERPROFILE%\\a.bmp"});
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(DesktopKey, false));
    EXPECT_TRUE(registry.ValueExists("Wallpaper"));
    try {
        registry.ReadString("Wallpaper");
        FAIL() << "no exception";
    } catch (const ERegistryException& error) {
        EXPECT_EQ(error.Message(), "Invalid data type for 'Wallpaper'");
    }
    EXPECT_THROW(registry.ReadString("Empty"), ERegistryException);
    EXPECT_EQ(registry.ReadString("Expand"), "%USERPROFILE%\\a.bmp");
}

TEST_F(HeadlessRegistry, ARefusedWriteNamesTheValueAndChangesNothing) {
    skl::fake::PutRegistryValue(RunKey, "Skelvora", Text("D:\\Old\\Skelvora.exe"));
    skl::fake::SetRegistryWritesFail(true);
    TRegistry registry;
    try {
        StartUp(registry);
        FAIL() << "no exception";
    } catch (const ERegistryException& error) {
        EXPECT_EQ(error.Message(), "Failed to set data for 'Skelvora'");
    }
    EXPECT_EQ(skl::fake::GetRegistryValue(RunKey, "Skelvora"), Text("D:\\Old\\Skelvora.exe"));
}

TEST_F(HeadlessRegistry, NamesMatchInAnyCaseAndKeepTheirFirstSpelling) {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("\\software\\microsoft\\windows\\currentversion\\run", true));
    registry.WriteString("SKELVORA", Exe);
    EXPECT_EQ(skl::fake::GetRegistryValue(RunKey, "Skelvora"), Text(Exe));
    EXPECT_TRUE(registry.DeleteValue("skelvora"));
    EXPECT_FALSE(registry.DeleteValue("Skelvora"));
    EXPECT_EQ(skl::fake::GetRegistryValue(RunKey, "Skelvora"), std::nullopt);
}

TEST_F(HeadlessRegistry, AMissingKeyIsNotOpenedWithoutCreation) {
    TRegistry registry;
    EXPECT_FALSE(registry.OpenKey(RunKey, false));
    EXPECT_FALSE(skl::fake::RegistryKeyExists(RunKey));
    ASSERT_TRUE(registry.OpenKey(RunKey, true));
    EXPECT_FALSE(registry.OpenKey("\\Missing", false));
    EXPECT_EQ(registry.CurrentPath(), RunKey.substr(1));
}
