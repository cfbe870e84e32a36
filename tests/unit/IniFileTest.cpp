#include <gtest/gtest.h>

#include "TempFolder.h"
#include "framework/io/IniFile.h"

using namespace skl;

TEST(IniFileReading, AMissingFileSectionOrKeyGivesTheDefault) {
    TempFolder folder;
    const TIniFile missing(folder.Path("Skelvora.ini"));
    EXPECT_EQ(missing.ReadInteger("Options", "Interval", 5), 5);
    EXPECT_EQ(missing.ReadString("Options", "Lng", "Ukraine"), "Ukraine");
    folder.Write("Skelvora.ini", "[Options]\r\nImageN=4\r\n");
    const TIniFile ini(folder.Path("Skelvora.ini"));
    EXPECT_EQ(ini.ReadInteger("Options", "ImageN", 1), 4);
    EXPECT_EQ(ini.ReadInteger("Options", "Interval", 5), 5);
    EXPECT_EQ(ini.ReadInteger("Other", "ImageN", 1), 1);
}

TEST(IniFileReading, IntegersByThePlatformRulesWithHexadecimal0x) {
    TempFolder folder;
    folder.Write("Skelvora.ini",
                 "[Options]\r\nInterval=0x0A\r\nImageN=abc\r\nRandomize=0X1f\r\nActiveDesktop=0x\r\n"
                 "a=0\r\nb=-7\r\nc=+3\r\nd=$10\r\ne=\r\nf=12abc\r\ng=-0x0A\r\nh=0x-1\r\n");
    const TIniFile ini(folder.Path("Skelvora.ini"));
    EXPECT_EQ(ini.ReadInteger("Options", "Interval", 5), 10);
    EXPECT_EQ(ini.ReadInteger("Options", "ImageN", 5), 5);
    EXPECT_EQ(ini.ReadInteger("Options", "Randomize", 0), 31);
    EXPECT_EQ(ini.ReadInteger("Options", "ActiveDesktop", 9), 9);
    EXPECT_EQ(ini.ReadInteger("Options", "a", 5), 0);
    EXPECT_EQ(ini.ReadInteger("Options", "b", 5), -7);
    EXPECT_EQ(ini.ReadInteger("Options", "c", 5), 3);
    EXPECT_EQ(ini.ReadInteger("Options", "d", 5), 16);
    EXPECT_EQ(ini.ReadInteger("Options", "e", 5), 5);
    EXPECT_EQ(ini.ReadInteger("Options", "f", 5), 5);
    EXPECT_EQ(ini.ReadInteger("Options", "g", 5), 5);
    EXPECT_EQ(ini.ReadInteger("Options", "h", 5), 5);
}

TEST(IniFileReading, SectionAndKeyIgnoreLetterCaseAndBlanks) {
    TempFolder folder;
    folder.Write("Skelvora.ini", "[OPTIONS]\r\n interval = 15 \r\nlng=English\r\n");
    const TIniFile ini(folder.Path("Skelvora.ini"));
    EXPECT_EQ(ini.ReadInteger("Options", "Interval", 5), 15);
    EXPECT_EQ(ini.ReadString("Options", "Lng", "Ukraine"), "English");
}

TEST(IniFileReading, QuotesAroundAValueAreDropped) {
    TempFolder folder;
    folder.Write("a.lng", "[Language]\r\nMenu3=\" Exit \"\r\nMenu1='About'\r\n");
    const TIniFile ini(folder.Path("a.lng"));
    EXPECT_EQ(ini.ReadString("Language", "Menu3", ""), " Exit ");
    EXPECT_EQ(ini.ReadString("Language", "Menu1", ""), "About");
}

TEST(IniFileReading, ValuesAndDefaultsAreCutAt2047Characters) {
    TempFolder folder;
    folder.Write("a.lng", "[Language]\r\nLic=" + std::string(5000, 'L') + "\r\n");
    const TIniFile ini(folder.Path("a.lng"));
    EXPECT_EQ(ini.ReadString("Language", "Lic", ""), std::string(2047, 'L'));
    EXPECT_EQ(ini.ReadString("Language", "Mes", std::string(3000, 'M')), std::string(2047, 'M'));
}

TEST(IniFileReading, AUtf8FileWithItsMarkIsReadAsUtf8) {
    TempFolder folder;
    folder.Write("u.lng", "\xEF\xBB\xBF[Language]\r\nMenu3=Вихід\r\nLabel1=" + std::string(3000, 'x') + "\r\n");
    const TIniFile ini(folder.Path("u.lng"));
    EXPECT_EQ(ini.ReadString("language", "MENU3", ""), "Вихід");
    EXPECT_EQ(ini.ReadString("Language", "Label1", "").size(), 2047u);
    EXPECT_EQ(ini.ReadString("Language", "Menu1", "Про програму  "), "Про програму");
}

TEST(IniFileWriting, CreatesTheFileWithSectionAndKey) {
    TempFolder folder;
    TIniFile(folder.Path("Skelvora.ini")).WriteInteger("Options", "ImageN", 4);
    EXPECT_EQ(folder.Read("Skelvora.ini"), "[Options]\r\nImageN=4\r\n");
}

TEST(IniFileWriting, AddsAndReplacesKeysAndKeepsTheOtherLines) {
    TempFolder folder;
    folder.Write("Skelvora.ini", "[Other]\r\nx=1\r\n[Options]\r\nImageN=3\r\nLng=English\r\n");
    const TIniFile ini(folder.Path("Skelvora.ini"));
    ini.WriteInteger("options", "imagen", 4);
    ini.WriteInteger("Options", "Interval", 10);
    ini.WriteString("Options", "Lng", "Ukraine");
    EXPECT_EQ(ini.ReadInteger("Options", "ImageN", 1), 4);
    EXPECT_EQ(ini.ReadInteger("Options", "Interval", 5), 10);
    EXPECT_EQ(ini.ReadString("Options", "Lng", ""), "Ukraine");
    EXPECT_EQ(ini.ReadString("Other", "x", ""), "1");
    EXPECT_EQ(folder.Read("Skelvora.ini"), "[Other]\r\nx=1\r\n[Options]\r\nImageN=4\r\nLng=Ukraine\r\nInterval=10\r\n");
}

TEST(IniFileWriting, NegativeAndLargeIntegersAreWrittenInDecimal) {
    TempFolder folder;
    const TIniFile ini(folder.Path("Skelvora.ini"));
    ini.WriteInteger("Options", "ImageN", -12);
    ini.WriteInteger("Options", "Interval", 2147483647);
    EXPECT_EQ(folder.Read("Skelvora.ini"), "[Options]\r\nImageN=-12\r\nInterval=2147483647\r\n");
}

TEST(IniFileWriting, ARefusedWriteNamesTheFile) {
    TempFolder folder;
    folder.Write("Skelvora.ini", "[Options]\r\nImageN=3\r\n");
    folder.MakeReadOnly("Skelvora.ini");
    for (const std::string& path : {folder.Path("Skelvora.ini"), folder.Path("missing") + "/Skelvora.ini"}) {
        try {
            TIniFile(path).WriteInteger("Options", "ImageN", 4);
            ADD_FAILURE() << "no exception for " << path;
        } catch (const EIniFileException& error) {
            EXPECT_EQ(error.Message(), "Unable to write to " + path);
        }
    }
    EXPECT_EQ(folder.Read("Skelvora.ini"), "[Options]\r\nImageN=3\r\n");
}

TEST(IniFileWriting, AUtf8FileKeepsItsMarkAndForm) {
    TempFolder folder;
    folder.Write("u.ini", "\xEF\xBB\xBF[Options]\r\nLng=Українська\r\n");
    const TIniFile ini(folder.Path("u.ini"));
    ini.WriteInteger("Options", "ImageN", 2);
    EXPECT_EQ(folder.Read("u.ini"), "\xEF\xBB\xBF[Options]\r\nLng=Українська\r\nImageN=2\r\n");
}
