#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "TempFolder.h"
#include "framework/system/FileSearch.h"
#include "framework/system/Folders.h"

using namespace skl;

namespace {

// Entry name -> attributes, as an enumeration returns them.
std::map<std::string, int> Enumerate(const std::string& pattern, int attr) {
    std::map<std::string, int> found;
    TSearchRec rec;
    for (int result = FindFirst(pattern, attr, rec); result == 0; result = FindNext(rec)) found[rec.Name] = rec.Attr;
    FindClose(rec);
    return found;
}

std::vector<std::string> Names(const std::map<std::string, int>& entries) {
    std::vector<std::string> names;
    for (const auto& [name, attr] : entries) names.push_back(name);
    return names;
}

// Restores the current directory before the folder goes away (Windows keeps
// a current directory from being removed).
class CurrentDirKeeper {
public:
    ~CurrentDirKeeper() { SetCurrentDir(saved_); }

private:
    std::string saved_ = GetCurrentDir();
};

class FileSearchTest : public ::testing::Test {
protected:
    FileSearchTest() {
        folder_.Write("a.jpg", "aaaa");
        folder_.Write("B.JPG", "b");
        folder_.Write("c.jpeg", "c");
        folder_.Write("d.txt", "d");
        folder_.Write("r.jpg", "r");
        folder_.MakeReadOnly("r.jpg");
        std::filesystem::create_directory(folder_.Path("x"));
        std::filesystem::create_directory(folder_.Path("y.jpg"));
        folder_.Write("x/c.jpg", "c");
    }
    TempFolder folder_;
    CurrentDirKeeper keeper_;
};

}  // namespace

TEST_F(FileSearchTest, FolderSearchReportsDotEntriesFoldersAndFiles) {
    ASSERT_TRUE(SetCurrentDir(folder_.Path()));
    const auto entries = Enumerate("*", faDirectory);
    EXPECT_EQ(Names(entries),
              (std::vector<std::string>{".", "..", "B.JPG", "a.jpg", "c.jpeg", "d.txt", "r.jpg", "x", "y.jpg"}));
    for (const char* name : {".", "..", "x", "y.jpg"}) EXPECT_TRUE(entries.at(name) & faDirectory) << name;
    for (const char* name : {"a.jpg", "d.txt"}) EXPECT_FALSE(entries.at(name) & faDirectory) << name;
}

TEST_F(FileSearchTest, PatternsIgnoreLetterCaseAndAnyFileIncludesFolders) {
    ASSERT_TRUE(SetCurrentDir(folder_.Path()));
    const std::vector<std::string> jpegs = {"B.JPG", "a.jpg", "r.jpg", "y.jpg"};
    EXPECT_EQ(Names(Enumerate("*.jpg", faAnyFile)), jpegs);
    EXPECT_EQ(Names(Enumerate("*.JPG", faAnyFile)), jpegs);
    EXPECT_EQ(Names(Enumerate("?.jPg", faAnyFile)), jpegs);
    const auto entries = Enumerate("*.jpg", faAnyFile);
    EXPECT_TRUE(entries.at("y.jpg") & faDirectory);
    EXPECT_TRUE(entries.at("r.jpg") & faReadOnly);
    EXPECT_FALSE(entries.at("a.jpg") & (faReadOnly | faDirectory));
}

TEST_F(FileSearchTest, APatternMayNameItsFolder) {
    EXPECT_EQ(Names(Enumerate(folder_.Path("x") + "\\*.jpg", faAnyFile)), std::vector<std::string>{"c.jpg"});
}

TEST_F(FileSearchTest, TheRecordCarriesTheSize) {
    TSearchRec rec;
    ASSERT_EQ(FindFirst(folder_.Path("a.jpg"), faAnyFile, rec), 0);
    EXPECT_EQ(rec.Name, "a.jpg");
    EXPECT_EQ(rec.Size, 4);
}

TEST_F(FileSearchTest, NoMatchOrNoFolderIsAnErrorAndTheEndStaysTheEnd) {
    TSearchRec rec;
    EXPECT_NE(FindFirst(folder_.Path("*.gif"), faAnyFile, rec), 0);
    EXPECT_FALSE(rec.FindHandle);
    EXPECT_NE(FindFirst(folder_.Path("missing") + "\\*.jpg", faAnyFile, rec), 0);
    ASSERT_EQ(FindFirst(folder_.Path("x") + "\\*.jpg", faAnyFile, rec), 0);
    EXPECT_NE(FindNext(rec), 0);
    EXPECT_NE(FindNext(rec), 0);
    FindClose(rec);
    EXPECT_NE(FindNext(rec), 0);
}

TEST_F(FileSearchTest, FoldersAreMadeEnteredAndTold) {
    EXPECT_TRUE(DirectoryExists(folder_.Path("x")));
    EXPECT_FALSE(FileExists(folder_.Path("x")));
    EXPECT_TRUE(FileExists(folder_.Path("a.jpg")));
    EXPECT_FALSE(DirectoryExists(folder_.Path("a.jpg")));
    EXPECT_FALSE(FileExists(folder_.Path("none")));

    EXPECT_TRUE(CreateDir(folder_.Path("Images")));
    EXPECT_TRUE(DirectoryExists(folder_.Path("Images")));
    EXPECT_FALSE(CreateDir(folder_.Path("Images")));
    EXPECT_FALSE(CreateDir(folder_.Path("no") + "\\Images"));

    ASSERT_TRUE(SetCurrentDir(folder_.Path("Images")));
    EXPECT_TRUE(std::filesystem::equivalent(GetCurrentDir(), folder_.Path("Images")));
    EXPECT_FALSE(SetCurrentDir(folder_.Path("none")));
    EXPECT_TRUE(std::filesystem::equivalent(GetCurrentDir(), folder_.Path("Images")));
}
