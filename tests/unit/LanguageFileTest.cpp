#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "TempFolder.h"
#include "framework/io/FileBytes.h"
#include "framework/system/FileSearch.h"
#include "framework/system/Folders.h"
#include "framework/system/ProgramFolder.h"
#include "lang/BuiltInTexts.h"
#include "lang/LanguageFile.h"

using namespace skl;

namespace {

using Texts = std::vector<std::pair<std::string, std::string>>;

Texts Applied(const std::string& path) {
    Texts texts;
    ApplyLanguageFile(TIniFile(path), [&](std::string_view key, const std::string& text) {
        texts.emplace_back(std::string(key), text);
    });
    return texts;
}

Texts BuiltIn() {
    Texts texts;
    for (const TLanguageText& text : BuiltInTexts) texts.emplace_back(std::string(text.Key), std::string(text.Text));
    return texts;
}

std::string TextOf(const Texts& texts, const std::string& key) {
    for (const auto& [k, text] : texts)
        if (k == key) return text;
    return "<missing>";
}

// The keys of a file's lines, in file order.
std::vector<std::string> KeysIn(const std::string& bytes) {
    std::vector<std::string> keys;
    std::istringstream lines(bytes);
    for (std::string line; std::getline(lines, line);)
        if (const auto equals = line.find('='); equals != std::string::npos) keys.push_back(line.substr(0, equals));
    return keys;
}

std::vector<std::string> TableKeys() {
    std::vector<std::string> keys;
    for (const TLanguageText& text : BuiltInTexts) keys.emplace_back(text.Key);
    return keys;
}

}  // namespace

TEST(LanguageFile, AMissingFileGivesEveryBuiltInTextInTableOrder) {
    TempFolder folder;
    EXPECT_EQ(Applied(folder.Path("Ukraine.lng")), BuiltIn());
}

TEST(LanguageFile, MissingKeysKeepTheirBuiltInTexts) {
    TempFolder folder;
    folder.Write("English.lng", "[Language]\r\nMenu1=About\r\nLabel2=Version\r\nMenu2=\r\n");
    const Texts texts = Applied(folder.Path("English.lng"));
    EXPECT_EQ(TextOf(texts, "Menu1"), "About");
    EXPECT_EQ(TextOf(texts, "Label2"), "Version");
    EXPECT_EQ(TextOf(texts, "Menu2"), "");
    EXPECT_EQ(TextOf(texts, "Menu3"), "Вихід");
    EXPECT_EQ(TextOf(texts, "Refresh"), "Список файлів обновлено! Всього файлів -");
    EXPECT_EQ(texts.size(), BuiltInTexts.size());
}

TEST(LanguageFile, TheTableHoldsEachKeyOnceInItsOrder) {
    EXPECT_EQ(TableKeys(),
              (std::vector<std::string>{"Tab1",   "Tab2",    "Hint",   "Menu1",  "Menu2",  "Menu3",  "Label1",
                                        "Label2", "Label3",  "Label4", "Label5", "Label6", "Label7", "Label8",
                                        "Label9", "Label10", "Mes",    "Lic",    "LicB",   "Button", "Refresh"}));
}

// The built-in texts are Ukrainian: a Ukraine.lng would only add a second
// "Ukraine" to the choice.
TEST(ShippedLanguageFiles, EnglishAloneIsShipped) {
    std::vector<std::string> shipped;
    TSearchRec found;
    for (int result = FindFirst(ProgramFolder() + "*.lng", faAnyFile, found); result == 0; result = FindNext(found))
        shipped.push_back(found.Name);
    EXPECT_EQ(shipped, std::vector<std::string>{"English.lng"});
}

TEST(ShippedLanguageFiles, EnglishTranslatesEveryKey) {
    const std::string path = ProgramFolder() + "English.lng";
    ASSERT_TRUE(FileExists(path)) << path;
    const std::string bytes = *ReadFileBytes(path);
    EXPECT_EQ(KeysIn(bytes), TableKeys());
    for (const unsigned char c : bytes) EXPECT_LT(c, 0x80) << "English.lng is plain ASCII";
    const Texts texts = Applied(path);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_FALSE(texts[i].second.empty()) << texts[i].first;
        EXPECT_NE(texts[i].second, BuiltInTexts[i].Text) << texts[i].first;
    }
    EXPECT_EQ(TextOf(texts, "Menu3"), "Exit");
}

TEST(ProgramFolder, EndsWithASeparatorAndHoldsTheShippedFiles) {
    const std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(folder.ends_with('\\') || folder.ends_with('/')) << folder;
    EXPECT_TRUE(DirectoryExists(folder));
}
