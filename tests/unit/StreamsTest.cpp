#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "framework/core/Exceptions.h"
#include "framework/io/Streams.h"
#include "TempFolder.h"

using namespace skl;

TEST(MemoryStream, ReadsBackWhatWasWrittenAndStopsAtTheEnd) {
    TMemoryStream stream;
    stream.WriteBuffer("abcdef", 6);
    EXPECT_EQ(stream.Size(), 6);
    stream.SetPosition(4);
    char out[4] = {};
    EXPECT_EQ(stream.Read(out, 4), 2);
    EXPECT_EQ(std::string(out, 2), "ef");
    stream.SetPosition(5);
    EXPECT_THROW(stream.ReadBuffer(out, 2), EReadError);
}

TEST(FileStream, OpeningAMissingFileNamesThePath) {
    TempFolder folder;
    const std::string path = folder.Path("missing.jpg");
    try {
        TFileStream stream(path, TFileMode::OpenReadShareDenyWrite);
        FAIL() << "no exception";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(error.Message(), "Cannot open file " + path);
    }
}

TEST(FileStream, CreateTruncatesALargerFile) {
    TempFolder folder;
    const std::string path = folder.Path("out.bin");
    folder.Write("out.bin", std::string(1000, 'x'));
    {
        TFileStream stream(path, TFileMode::Create);
        stream.WriteBuffer("new", 3);
    }
    EXPECT_EQ(folder.Read("out.bin"), "new");
}

TEST(ReplacingFileStream, LeavesTheOldFileWhenNotCommitted) {
    TempFolder folder;
    folder.Write("wall.bmp", "old contents");
    {
        TReplacingFileStream stream(folder.Path("wall.bmp"));
        stream.WriteBuffer("half", 4);
    }
    EXPECT_EQ(folder.Read("wall.bmp"), "old contents");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"wall.bmp"});
}

TEST(ReplacingFileStream, CommitReplacesTheFileWhole) {
    TempFolder folder;
    folder.Write("wall.bmp", std::string(500, 'o'));
    TReplacingFileStream stream(folder.Path("wall.bmp"));
    stream.WriteBuffer("new", 3);
    stream.Commit();
    EXPECT_EQ(folder.Read("wall.bmp"), "new");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"wall.bmp"});
}

TEST(ReplacingFileStream, RefusesAReadOnlyFileAndLeavesIt) {
    TempFolder folder;
    folder.Write("wall.bmp", "kept");
    folder.MakeReadOnly("wall.bmp");
    const std::string path = folder.Path("wall.bmp");
    try {
        TReplacingFileStream stream(path);
        FAIL() << "no exception";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(error.Message(), "Cannot create file " + path);
    }
    EXPECT_EQ(folder.Read("wall.bmp"), "kept");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"wall.bmp"});
}

TEST(ReplacingFileStream, ALeftoverTemporaryFileOrEmptyFolderIsClearedAndAFullFolderNamed) {
    TempFolder folder;
    folder.Write("Skelvora.bmp.tmp", "half a wallpaper");
    folder.MakeReadOnly("Skelvora.bmp.tmp");
    {
        TReplacingFileStream stream(folder.Path("Skelvora.bmp"));
        stream.WriteBuffer("new", 3);
        stream.Commit();
    }
    std::filesystem::create_directories(folder.Path("Skelvora.bmp.tmp"));
    {
        TReplacingFileStream stream(folder.Path("Skelvora.bmp"));
        stream.WriteBuffer("newer", 5);
        stream.Commit();
    }
    EXPECT_EQ(folder.Read("Skelvora.bmp"), "newer");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Skelvora.bmp"});

    std::filesystem::create_directories(folder.Path("Skelvora.bmp.tmp"));
    folder.Write("Skelvora.bmp.tmp/mine.txt", "keep me");
    try {
        TReplacingFileStream stream(folder.Path("Skelvora.bmp"));
        FAIL() << "no exception";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(error.Message(), "Cannot create file " + folder.Path("Skelvora.bmp.tmp"));
    }
    EXPECT_EQ(folder.Read("Skelvora.bmp.tmp/mine.txt"), "keep me");
}
