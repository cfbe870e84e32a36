#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "../TempFolder.h"
#include "framework/io/Streams.h"

using namespace skl;

// As the shell does when it loads the wallpaper: it holds the file for a
// moment, sharing it for reading only.
TEST(ReplacingFileStream, AProgramReadingTheOldFileForAMomentDoesNotStopTheReplace) {
    TempFolder folder;
    folder.Write("Skelvora.bmp", "old wallpaper");
    auto reader = std::make_unique<TFileStream>(folder.Path("Skelvora.bmp"), TFileMode::OpenReadShareDenyWrite);
    TReplacingFileStream stream(folder.Path("Skelvora.bmp"));
    stream.WriteBuffer("new wallpaper", 13);
    std::thread done([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        reader.reset();
    });
    stream.Commit();
    done.join();
    EXPECT_EQ(folder.Read("Skelvora.bmp"), "new wallpaper");
}
