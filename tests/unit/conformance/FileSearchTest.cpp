// File search as the picture scan relies on it: the codes that end a search.
#include <filesystem>

#include "../TempFolder.h"
#include "Backend.h"
#include "framework/system/FileSearch.h"

using namespace skl;

namespace {

class FileSearchConformance : public conformance::Test {
protected:
    FileSearchConformance() {
        folder.Write("c.jpg", "c");
        folder.Write(".hidden.jpg", "x");
        std::filesystem::create_directory(folder.Path("x"));
    }
    TempFolder folder;
};

}  // namespace

TEST_F(FileSearchConformance, ErrorCodesAsTheSystemGivesThem) {
    TSearchRec rec;
    EXPECT_EQ(FindFirst(folder.Path("*.gif"), faAnyFile, rec), 2) << "no such file";
    EXPECT_EQ(FindFirst(folder.Path("none") + "\\*.jpg", faAnyFile, rec), 3) << "no such folder";
    EXPECT_EQ(FindFirst(folder.Path(".hidden.jpg"), 0, rec), 18) << "a hidden file, not asked for";
    ASSERT_EQ(FindFirst(folder.Path("c.jpg"), 0, rec), 0);
    EXPECT_EQ(FindNext(rec), 18) << "no more files";
    FindClose(rec);
}
