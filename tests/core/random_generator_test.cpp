#include "core/random_generator.h"

#include <gtest/gtest.h>

TEST(Nearest, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(nearest(0.5), 0);
    EXPECT_EQ(nearest(1.5), 2);
    EXPECT_EQ(nearest(2.5), 2);
    EXPECT_EQ(nearest(-0.5), 0);
    EXPECT_EQ(nearest(-1.5), -2);
    EXPECT_EQ(nearest(2.4999), 2);
    EXPECT_EQ(nearest(17094.5), 17094);
}

TEST(ClockRandomGenerator, DrawStaysInRangeAndReachesEveryValue)
{
    ClockRandomGenerator random;
    EXPECT_EQ(random.draw(0), 0);
    EXPECT_EQ(random.draw(1), 0);
    int seen[5] = {};
    for (int i = 0; i < 2000; ++i) {
        const int value = random.draw(5);
        ASSERT_GE(value, 0);
        ASSERT_LT(value, 5);
        ++seen[value];
    }
    for (int count : seen)
        EXPECT_GT(count, 250);
}
