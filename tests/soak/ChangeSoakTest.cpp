// Ten thousand wallpaper changes in one run of the program: every change
// right, and the heap no larger at the end than after the first hundred.
// The sanitizer build checks at exit that nothing leaked.
#include <cstdio>

#include "../unit/headless/ProgramFixture.h"
#include "HeapInUse.h"
#include "framework/fake/Journal.h"

using namespace skl;

namespace {

constexpr int Changes = 10000;
constexpr int WarmUp = 100;
// Room for the allocator's own bookkeeping to move; a leak of one string a
// change would take a hundred kilobytes.
constexpr std::size_t Slack = 16 * 1024;

class ChangeSoak : public ProgramFixture {
protected:
    // What the test doubles note of each change would grow without end.
    void Change() {
        ClickTrayIcon();
        fake::ShellLog().WallpaperReloads.clear();
        fake::ClearShellCalls();
        fake::ClearJournal();
    }
};

}  // namespace

TEST_F(ChangeSoak, TenThousandChangesKeepTheHeapFlat) {
    AddPicture("a.jpg", "colour-3x2.jpg");
    AddPicture("b.jpg", "gray-5x3.jpg");
    AddPicture("літо/c.jpg", "colour-4x1.jpg");
    TFormSkelvora1& window = Start();

    for (int i = 0; i < WarmUp; ++i) Change();
    const std::size_t start = HeapInUse();
    std::size_t highest = start;
    for (int i = 1; i <= Changes; ++i) {
        Change();
        highest = std::max(highest, HeapInUse());
        if (i % 2000 == 0)
            std::printf("after %5d changes: %zu bytes on the heap\n", WarmUp + i, HeapInUse());
    }
    const std::size_t end = HeapInUse();
    std::printf("heap: %zu bytes after %d changes, %zu after %d more (%+lld), highest between changes %zu\n", start, WarmUp, end,
                Changes, static_cast<long long>(end) - static_cast<long long>(start), highest);

    EXPECT_LE(end, start + Slack);
    EXPECT_TRUE(Reports().empty());
    // 10,100 changes of 3 pictures: the last one showed picture 2 of 3.
    EXPECT_EQ(window.Caption(), "Skelvora - b.jpg (2/3)");
    EXPECT_EQ(Settings(), "[Options]\r\nImageN=3\r\n");
    EXPECT_EQ(folder.Read("Skelvora.bmp").size(), 1102u) << "the grey 5 x 3 picture in 8 bits";
}
