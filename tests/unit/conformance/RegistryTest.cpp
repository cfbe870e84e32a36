// The current user's registry as the start-up and the options rely on it: the
// autostart and wallpaper values are strings found whatever the case of their
// names, a key is made only when asked, and a deleted value is gone.
#include "Backend.h"
#include "framework/system/RegistryKey.h"

using namespace skl;

namespace {

class RegistryConformance : public conformance::Test {
protected:
    ~RegistryConformance() override {
        if (key != NoRegistryKey) CloseRegistryKey(key);
    }
    RegistryKey key = NoRegistryKey;
};

const std::string RunKey = std::string(conformance::RegistryRoot) + "\\Run";

}  // namespace

TEST_F(RegistryConformance, AStringIsReadBackAsWrittenWhateverTheCaseOfItsName) {
    key = OpenRegistryKey(RunKey, true);
    ASSERT_NE(key, NoRegistryKey);
    const std::string path = "C:\\Програми\\Skelvora.exe";
    ASSERT_TRUE(SetRegistryString(key, "Skelvora", "old"));
    ASSERT_TRUE(SetRegistryString(key, "SKELVORA", path));
    EXPECT_EQ(QueryRegistryValue(key, "skelvora"), (TRegistryValue{TRegDataType::String, path}));
    ASSERT_TRUE(SetRegistryString(key, "Empty", ""));
    EXPECT_EQ(QueryRegistryValue(key, "Empty"), (TRegistryValue{TRegDataType::String, ""}));
    EXPECT_EQ(QueryRegistryValue(key, "Other"), std::nullopt);

    CloseRegistryKey(key);
    key = OpenRegistryKey(RunKey, false);
    ASSERT_NE(key, NoRegistryKey) << "the key stays once made";
    EXPECT_EQ(QueryRegistryValue(key, "Skelvora"), (TRegistryValue{TRegDataType::String, path}));
}

TEST_F(RegistryConformance, AMissingKeyOpensOnlyWhenItMayBeMade) {
    const std::string missing = RunKey + "\\Deeper\\Still";
    EXPECT_EQ(OpenRegistryKey(missing, false), NoRegistryKey);
    key = OpenRegistryKey(missing, true);
    ASSERT_NE(key, NoRegistryKey);
    CloseRegistryKey(key);
    key = OpenRegistryKey(missing, false);
    EXPECT_NE(key, NoRegistryKey);
}

TEST_F(RegistryConformance, ADeletedValueIsGoneAndOnlyTheFirstDeleteSucceeds) {
    key = OpenRegistryKey(RunKey, true);
    ASSERT_NE(key, NoRegistryKey);
    ASSERT_TRUE(SetRegistryString(key, "Skelvora", "C:\\Skelvora.exe"));
    ASSERT_TRUE(SetRegistryString(key, "Neighbour", "stays"));
    EXPECT_TRUE(DeleteRegistryValue(key, "skelvora"));
    EXPECT_EQ(QueryRegistryValue(key, "Skelvora"), std::nullopt);
    EXPECT_FALSE(DeleteRegistryValue(key, "Skelvora"));
    EXPECT_EQ(QueryRegistryValue(key, "Neighbour"), (TRegistryValue{TRegDataType::String, "stays"}));
}
