#include <gtest/gtest.h>

#include <filesystem>

#include "../TempFolder.h"
#include "framework/system/FileSearch.h"
#include "framework/system/Folders.h"
#include "framework/fake/ProgramFolder.h"

using namespace skl;

namespace {

std::vector<std::string> Enumerate(const std::string& pattern, int attr) {
    std::vector<std::string> names;
    TSearchRec rec;
    for (int result = FindFirst(pattern, attr, rec); result == 0; result = FindNext(rec)) names.push_back(rec.Name);
    return names;
}

class HeadlessFileSearch : public ::testing::Test {
protected:
    HeadlessFileSearch() {
        for (const char* name : {"b.jpg", "A.jpg", "B.JPG", "c.jpg", ".hidden.jpg", "Ґ.jpg", "noext"})
            folder_.Write(name, "x");
        for (const char* name : {"x", ".git", "Y"}) std::filesystem::create_directory(folder_.Path(name));
    }
    TempFolder folder_;
};

}  // namespace

TEST_F(HeadlessFileSearch, DotEntriesFirstThenNamesInNtfsOrder) {
    EXPECT_EQ(Enumerate(folder_.Path("*"), faAnyFile),
              (std::vector<std::string>{".", "..", ".git", ".hidden.jpg", "A.jpg", "B.JPG", "b.jpg", "c.jpg", "noext",
                                        "x", "Y", "Ґ.jpg"}));
}

TEST_F(HeadlessFileSearch, DotNamesAreHiddenAndLeftOutOfAFolderSearch) {
    EXPECT_EQ(Enumerate(folder_.Path("*"), faDirectory),
              (std::vector<std::string>{".", "..", "A.jpg", "B.JPG", "b.jpg", "c.jpg", "noext", "x", "Y", "Ґ.jpg"}));
    TSearchRec rec;
    ASSERT_EQ(FindFirst(folder_.Path(".hidden.jpg"), faAnyFile, rec), 0);
    EXPECT_EQ(rec.Attr, faHidden | faArchive);
    ASSERT_EQ(FindFirst(folder_.Path(".git"), faAnyFile, rec), 0);
    EXPECT_EQ(rec.Attr, faHidden | faDirectory);
}

TEST_F(HeadlessFileSearch, WildcardsMatchCharactersWithoutRegardToCase) {
    EXPECT_EQ(Enumerate(folder_.Path("?.JPG"), 0),
              (std::vector<std::string>{"A.jpg", "B.JPG", "b.jpg", "c.jpg", "Ґ.jpg"}));
    EXPECT_EQ(Enumerate(folder_.Path("*.*"), faAnyFile), Enumerate(folder_.Path("*"), faAnyFile));
    EXPECT_EQ(Enumerate(folder_.Path("*e*t"), 0), std::vector<std::string>{"noext"});
    EXPECT_EQ(Enumerate(folder_.Path("b*"), 0), (std::vector<std::string>{"B.JPG", "b.jpg"}));
}

TEST(HeadlessProgramFolder, IsSettableAndEndsWithASeparator) {
    const std::string own = ProgramFolder();
    EXPECT_TRUE(own.ends_with('/'));
    skl::fake::SetProgramFolder("/srv/skelvora");
    EXPECT_EQ(ProgramFolder(), "/srv/skelvora/");
    EXPECT_EQ(ProgramFolder() + "Images\\x\\c.jpg", "/srv/skelvora/Images\\x\\c.jpg");
    skl::fake::SetProgramFolder("C:\\Skelvora\\");
    EXPECT_EQ(ProgramFolder(), "C:\\Skelvora\\");
    skl::fake::SetProgramFolder("");
    EXPECT_EQ(ProgramFolder(), own);
}
