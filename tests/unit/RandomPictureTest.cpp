#include <gtest/gtest.h>

#include "app/RandomPicture.h"

using namespace skl;

TEST(RandomPicture, SeedsFromMillisecondsSinceMidnightAndDrawsByTheUpperBits) {
    TRandomPicture random;
    random.Randomize({12, 34, 56, 789});  // 45296789 ms
    EXPECT_EQ(random.Draw(1000), 488u);
    EXPECT_EQ(random.Draw(1000), 270u) << "successive draws go on from the last seed";
}

TEST(RandomPicture, DrawsStayBelowTheCountAndZeroForNoPictures) {
    TRandomPicture random;
    random.Randomize({23, 59, 59, 999});
    for (int i = 0; i < 1000; ++i) EXPECT_LT(random.Draw(3), 3u);
    EXPECT_EQ(random.Draw(0), 0u);
    random.Randomize({0, 0, 0, 0});
    EXPECT_EQ(random.Draw(0xFFFFFFFF), 0u) << "seed 0 gives 1, far below 2^32";
}
