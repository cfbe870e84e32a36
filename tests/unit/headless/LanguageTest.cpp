#include <algorithm>

#include "ProgramFixture.h"
#include "app/Version.h"

using namespace skl;

namespace {

class Languages : public ProgramFixture {
protected:
    Languages() { MakeImages(); }
    // The user opens Options and chooses the language in the list.
    void Choose(TFormSkelvora1& window, const std::string& language) {
        window.Options1.Click();
        const auto& items = window.Layout.ComboBox1.Items();
        const auto found = std::find(items.begin(), items.end(), language);
        window.Layout.ComboBox1.Choose(static_cast<int>(found - items.begin()));
        ASSERT_EQ(window.Layout.ComboBox1.Text(), language);
    }
};

}  // namespace

TEST_F(Languages, WithoutLanguageFilesTheChoiceShowsUkraineAndTheBuiltInTexts) {
    TFormSkelvora1& window = Start();
    EXPECT_EQ(window.Layout.ComboBox1.Items(), std::vector<std::string>{"Ukraine"});
    EXPECT_EQ(window.Layout.ComboBox1.Text(), "Ukraine");
    EXPECT_EQ(window.Exit1.Caption(), "Вихід");
    EXPECT_EQ(window.Layout.Label5.Caption(), std::string("Версія ") + ProgramVersion);
    EXPECT_EQ(window.Layout.Button3.Caption(), "Обновити список файлів");
    EXPECT_EQ(window.Refresh, "Список файлів обновлено! Всього файлів -");
}

TEST_F(Languages, AChosenLanguageFileGivesItsTextsAndMissingKeysKeepTheBuiltInOnes) {
    AddFile("English.lng", "[Language]\nLabel2=Version\nMenu1=About\nTab1=Options\n");
    WriteSettings("[Options]\nLng=English\n");
    TFormSkelvora1& window = Start();
    EXPECT_EQ(window.Layout.ComboBox1.Items(), (std::vector<std::string>{"English", "Ukraine"}));
    EXPECT_EQ(window.Layout.ComboBox1.Text(), "English");
    EXPECT_EQ(window.Layout.Label5.Caption(), std::string("Version ") + ProgramVersion);
    EXPECT_EQ(window.About1.Caption(), "About");
    EXPECT_EQ(window.Layout.TabSheet1.Caption(), "Options");
    EXPECT_EQ(window.Exit1.Caption(), "Вихід");
}

TEST_F(Languages, AFileNamedUkraineAddsASecondEntry) {
    AddFile("Ukraine.lng", "[Language]\n");
    TFormSkelvora1& window = Start();
    EXPECT_EQ(window.Layout.ComboBox1.Items(), (std::vector<std::string>{"Ukraine", "Ukraine"}));
    EXPECT_EQ(window.Layout.ComboBox1.Text(), "Ukraine");
}

TEST_F(Languages, ALanguageWithoutAFileLeavesTheChoiceEmptyAndOkKeepsItsName) {
    WriteSettings("[Options]\nLng=Klingon\n");
    TFormSkelvora1& window = Start();
    EXPECT_EQ(window.Layout.ComboBox1.ItemIndex(), -1);
    EXPECT_EQ(window.Layout.ComboBox1.Text(), "");
    EXPECT_EQ(window.Options1.Caption(), "Опції");
    window.Options1.Click();
    window.Layout.BitBtn3.Click();
    EXPECT_EQ(Settings(), "[Options]\nLng=Klingon\nInterval=5\r\nRandomize=0\r\nActiveDesktop=0\r\n");
}

TEST_F(Languages, AmongFortyFilesTheConfiguredLanguageIsSelectedAndOkKeepsIt) {
    for (int i = 1; i <= 40; ++i) {
        const std::string name = (i < 10 ? "Lang0" : "Lang") + std::to_string(i);
        AddFile(name + ".lng", "[Language]\nMenu3=Exit " + name + "\n");
    }
    WriteSettings("[Options]\nLng=Lang40\n");
    TFormSkelvora1& window = Start();
    EXPECT_EQ(window.Layout.ComboBox1.Items().size(), 41u);
    EXPECT_EQ(window.Layout.ComboBox1.Text(), "Lang40");
    EXPECT_EQ(window.Exit1.Caption(), "Exit Lang40");
    window.Options1.Click();
    window.Layout.SpinEdit1.SetValue(10);
    window.Layout.BitBtn3.Click();
    EXPECT_EQ(Settings(), "[Options]\nLng=Lang40\nInterval=10\r\nRandomize=0\r\nActiveDesktop=0\r\n");
}

TEST_F(Languages, ChoosingALanguageAppliesItAtOnceAndCancelKeepsTheTextsUnsaved) {
    AddFile("English.lng", "[Language]\nMenu3=Exit\nHint=Wallpaper changer\n");
    TFormSkelvora1& window = Start();
    window.Options1.Click();
    window.Layout.ComboBox1.Choose(0);
    EXPECT_EQ(window.Exit1.Caption(), "Exit");
    EXPECT_EQ(window.TrayIcon1.Hint(), "Wallpaper changer");
    window.Layout.BitBtn2.Click();
    EXPECT_FALSE(std::filesystem::exists(Folder() + "Skelvora.ini"));
    EXPECT_EQ(window.Exit1.Caption(), "Exit");
}

TEST_F(Languages, ANameOutsideTheCodePageTurnsTheSettingsFileUtf8AndIsBackAtTheNextStart) {
    AddFile("Ελληνικά.lng", "\xEF\xBB\xBF[Language]\r\nMenu3=Έξοδος\r\n");
    // "Note=Привіт" in Windows-1251, the headless code page: it must survive the change.
    WriteSettings("[Options]\r\nNote=\xCF\xF0\xE8\xE2\xB3\xF2\r\n");
    TFormSkelvora1& window = Start();
    Choose(window, "Ελληνικά");
    window.Layout.BitBtn3.Click();
    EXPECT_EQ(Settings(), "\xEF\xBB\xBF[Options]\r\nNote=Привіт\r\nInterval=5\r\nRandomize=0\r\n"
                          "Lng=Ελληνικά\r\nActiveDesktop=0\r\n");

    TApplication restart;
    TFormSkelvora1& restarted = restart.CreateForm<TFormSkelvora1>();
    EXPECT_EQ(restarted.Layout.ComboBox1.Text(), "Ελληνικά");
    EXPECT_EQ(restarted.Exit1.Caption(), "Έξοδος");
}

TEST_F(Languages, ANameTheCodePageHoldsKeepsTheSettingsFileInIt) {
    AddFile("Українська.lng", "[Language]\r\n");
    TFormSkelvora1& window = Start();
    Choose(window, "Українська");
    window.Layout.BitBtn3.Click();
    EXPECT_EQ(Settings(), "[Options]\r\nInterval=5\r\nRandomize=0\r\nLng=\xD3\xEA\xF0\xE0\xBF\xED\xF1\xFC\xEA\xE0\r\n"
                          "ActiveDesktop=0\r\n");
}
