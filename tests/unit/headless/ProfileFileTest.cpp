#include <gtest/gtest.h>

#include <filesystem>

#include "../TempFolder.h"
#include "framework/io/IniFile.h"
#include "framework/posix/AnsiText.h"
#include "lang/BuiltInTexts.h"
#include "lang/LanguageFile.h"

using namespace skl;

TEST(HeadlessProfileFile, AWriteLeavesEveryOtherLineByteForByte) {
    TempFolder folder;
    const std::string before = "; my settings\n[Options]\n  ImageN = 3 \n\n[Other]\n\tx = 1\n; the end";
    folder.Write("Skelvora.ini", before);
    const TIniFile ini(folder.Path("Skelvora.ini"));
    ini.WriteInteger("Options", "imagen", 4);
    EXPECT_EQ(folder.Read("Skelvora.ini"), "; my settings\n[Options]\nImageN=4\n\n[Other]\n\tx = 1\n; the end");
    ini.WriteInteger("Options", "Interval", 10);
    ini.WriteInteger("Other", "y", 2);
    ini.WriteString("Third", "Lng", "English");
    EXPECT_EQ(folder.Read("Skelvora.ini"),
              "; my settings\n[Options]\nImageN=4\nInterval=10\r\n\n[Other]\n\tx = 1\n; the end\r\ny=2"
              "\r\n\r\n[Third]\r\nLng=English\r\n");
}

TEST(HeadlessProfileFile, FilesWithoutTheMarkAreInWindows1251) {
    TempFolder folder;
    folder.Write("Skelvora.ini", "[Options]\r\nLng=\xD3\xEA\xF0\xE0\xBF\xED\xE0\r\nx=\x98\xFF\r\n");
    const TIniFile ini(folder.Path("Skelvora.ini"));
    EXPECT_EQ(ini.ReadString("Options", "Lng", ""), "Україна");
    ini.WriteString("Options", "Lng", "Ґанок €");
    EXPECT_EQ(folder.Read("Skelvora.ini"), "[Options]\r\nLng=\xA5\xE0\xED\xEE\xEA \x88\r\nx=\x98\xFF\r\n");
}

TEST(HeadlessProfileFile, TheCodePageRoundTripsEveryByte) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(bytes)), bytes);
    EXPECT_EQ(AnsiToUtf8("\xCF\xF0\xEE \xB2\xB3\xAA\xBA\xAF\xBF"), "Про ІіЄєЇї");
    EXPECT_EQ(Utf8ToAnsi("\xD0"), "?");
}

TEST(HeadlessProfileFile, ALanguageFileInWindows1251GivesTheBuiltInTexts) {
    TempFolder folder;
    std::string file = "[Language]\r\n";
    for (const TLanguageText& text : BuiltInTexts) file += std::string(text.Key) + "=" + Utf8ToAnsi(text.Text) + "\r\n";
    folder.Write("Ukraine.lng", file);
    std::size_t index = 0;
    ApplyLanguageFile(TIniFile(folder.Path("Ukraine.lng")), [&](std::string_view key, const std::string& text) {
        EXPECT_EQ(key, BuiltInTexts[index].Key);
        EXPECT_EQ(text, BuiltInTexts[index].Text);
        ++index;
    });
    EXPECT_EQ(index, BuiltInTexts.size());
}

TEST(HeadlessProfileFile, BackslashesInAPathSeparateFolders) {
    TempFolder folder;
    std::filesystem::create_directory(folder.Path("sub"));
    const TIniFile ini(folder.Path() + "\\sub\\Skelvora.ini");
    ini.WriteInteger("Options", "ImageN", 2);
    EXPECT_EQ(folder.Read("sub/Skelvora.ini"), "[Options]\r\nImageN=2\r\n");
    EXPECT_EQ(ini.ReadInteger("Options", "ImageN", 1), 2);
}
