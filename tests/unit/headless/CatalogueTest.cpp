#include "ProgramFixture.h"

using namespace skl;

namespace {

using Catalogue = ProgramFixture;

// "p<number>.jpg", built without the temporaries that trip a false compiler warning.
std::string Numbered(int number) {
    std::string name = "p";
    name += std::to_string(number);
    name += ".jpg";
    return name;
}

}  // namespace

TEST_F(Catalogue, ListsPicturesOfImagesThenOfEachSubfolderOneLevelDeep) {
    AddPicture("a.jpg");
    AddPicture("B.JPG");
    AddPicture("notes.txt");
    AddPicture("x/c.jpg");
    AddPicture("x/y/d.jpg");
    TFormSkelvora1& window = Start();
    EXPECT_EQ(window.PictureCount, 3);
    EXPECT_EQ(window.PictureList[1], "a.jpg");
    EXPECT_EQ(window.PictureList[2], "B.JPG");
    EXPECT_EQ(window.PictureList[3], "x\\c.jpg");
    EXPECT_EQ(window.FolderCount, 3) << ". .. and x";
    EXPECT_EQ(window.FolderList[3], "x");
}

TEST_F(Catalogue, AFolderNamedLikeAPictureIsNotListed) {
    AddPicture("a.jpg");
    AddPicture("x.jpg/b.jpg");
    TFormSkelvora1& window = Start();
    EXPECT_EQ(window.PictureCount, 2);
    EXPECT_EQ(window.PictureList[1], "a.jpg");
    EXPECT_EQ(window.PictureList[2], "x.jpg\\b.jpg") << "its pictures are, as a subfolder's";
}

TEST_F(Catalogue, RefreshKeepsTheNumberWhenItStillFitsAndReportsTheCount) {
    for (int i = 1; i <= 9; ++i) AddPicture(Numbered(i));
    WriteSettings("[Options]\nImageN=7\n");
    TFormSkelvora1& window = Start();
    window.Layout.Button3.Click();
    EXPECT_EQ(window.CurrentPicture, 7);
    EXPECT_EQ(window.Caption(), "Skelvora - p7.jpg (7/9)");
    EXPECT_EQ(window.TrayIcon1.Hint(), "p7.jpg (7/9)");
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Список файлів обновлено! Всього файлів - 9"});
    EXPECT_EQ(window.ActiveControl(), &window.Layout.BitBtn3);

    for (int i = 6; i <= 9; ++i) std::filesystem::remove(Folder() + "Images/" + Numbered(i));
    window.Layout.Button3.Click();
    EXPECT_EQ(window.CurrentPicture, 1);
    EXPECT_EQ(window.PictureList[6], "p6.jpg") << "slots above N keep the earlier scan";
}

TEST_F(Catalogue, RefreshOfAnEmptyFolderShowsZero) {
    AddPicture("a.jpg");
    TFormSkelvora1& window = Start();
    std::filesystem::remove(Folder() + "Images/a.jpg");
    window.Layout.Button3.Click();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Список файлів обновлено! Всього файлів - 0"});
    EXPECT_EQ(window.Caption(), "Skelvora - a.jpg (1/0)");
}

TEST_F(Catalogue, GrowsBeyondTheOldTableSizes) {
    for (int i = 0; i < 10005; ++i) std::filesystem::create_directories(Folder() + "Images/f" + std::to_string(i));
    AddPicture("f10004/last.jpg");
    TFormSkelvora1& window = Start();
    EXPECT_EQ(window.FolderCount, 10007);
    EXPECT_EQ(window.PictureCount, 1);
    EXPECT_EQ(window.PictureList[1], "f10004\\last.jpg");
}
