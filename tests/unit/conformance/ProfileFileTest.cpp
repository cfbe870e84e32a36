// Profile files as the settings rely on them. (How a write lays out the
// other lines of a file in the code page differs: Windows keeps them byte
// for byte, Wine writes them anew; their values stay.) A text the code page
// lacks turns the file into UTF-8 with its mark, laid out alike everywhere.
#include <filesystem>

#include "../TempFolder.h"
#include "Backend.h"
#include "framework/system/ProfileFile.h"

using namespace skl;

namespace {

class ProfileFileConformance : public conformance::Test {
protected:
    std::string Read(const std::string& section, const std::string& key) {
        return ReadProfileEntry(folder.Path("Skelvora.ini"), section, key, "<none>");
    }
    TempFolder folder;
};

}  // namespace

TEST_F(ProfileFileConformance, AWriteChangesItsKeyAndEveryOtherValueAndCommentStays) {
    folder.Write("Skelvora.ini", "; my settings\n[Options]\n  ImageN = 3 \nLng=English\n\n[Other]\n\tx = 1\n; the end");
    const std::string path = folder.Path("Skelvora.ini");
    ASSERT_TRUE(WriteProfileEntry(path, "options", "IMAGEN", "4"));
    ASSERT_TRUE(WriteProfileEntry(path, "Options", "Interval", "10"));
    ASSERT_TRUE(WriteProfileEntry(path, "Third", "Randomize", "1"));
    EXPECT_EQ(Read("Options", "ImageN"), "4");
    EXPECT_EQ(Read("Options", "Interval"), "10");
    EXPECT_EQ(Read("Options", "Lng"), "English");
    EXPECT_EQ(Read("Other", "x"), "1");
    EXPECT_EQ(Read("Third", "Randomize"), "1");
    EXPECT_EQ(Read("Third", "ImageN"), "<none>");
    const std::string text = folder.Read("Skelvora.ini");
    EXPECT_NE(text.find("; my settings"), std::string::npos) << text;
    EXPECT_NE(text.find("; the end"), std::string::npos) << text;
}

TEST_F(ProfileFileConformance, AMissingFileIsMadeByTheFirstWrite) {
    EXPECT_EQ(Read("Options", "ImageN"), "<none>");
    ASSERT_TRUE(WriteProfileEntry(folder.Path("Skelvora.ini"), "Options", "ImageN", "2"));
    EXPECT_EQ(folder.Read("Skelvora.ini"), "[Options]\r\nImageN=2\r\n");
}

TEST_F(ProfileFileConformance, AFolderInPlaceOfTheFileReadsAsMissingAndRefusesWrites) {
    std::filesystem::create_directory(folder.Path("Skelvora.ini"));
    EXPECT_EQ(Read("Options", "Interval"), "<none>");
    EXPECT_FALSE(WriteProfileEntry(folder.Path("Skelvora.ini"), "Options", "Interval", "6"));
}

TEST_F(ProfileFileConformance, AValueTheCodePageLacksTurnsTheFileUtf8AndEveryValueStays) {
    // No 8-bit code page holds these three scripts together.
    const std::string language = "中文 Ελληνικά Українська";
    folder.Write("Skelvora.ini", "[Options]\r\nImageN=3\r\n");
    const std::string path = folder.Path("Skelvora.ini");
    ASSERT_TRUE(WriteProfileEntry(path, "Options", "Lng", language));
    EXPECT_EQ(folder.Read("Skelvora.ini"), "\xEF\xBB\xBF[Options]\r\nImageN=3\r\nLng=" + language + "\r\n");
    EXPECT_EQ(Read("Options", "Lng"), language);
    ASSERT_TRUE(WriteProfileEntry(path, "Options", "ImageN", "4"));
    EXPECT_EQ(folder.Read("Skelvora.ini"), "\xEF\xBB\xBF[Options]\r\nImageN=4\r\nLng=" + language + "\r\n")
        << "a UTF-8 file stays one";
}

TEST_F(ProfileFileConformance, AFileWhoseTextsFitTheCodePageStaysInIt) {
    folder.Write("Skelvora.ini", "[Options]\r\nImageN=3\r\n");
    ASSERT_TRUE(WriteProfileEntry(folder.Path("Skelvora.ini"), "Options", "Lng", "English"));
    EXPECT_EQ(folder.Read("Skelvora.ini"), "[Options]\r\nImageN=3\r\nLng=English\r\n");
}
