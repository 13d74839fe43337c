#include "pictures/fit_rect.h"

#include <gtest/gtest.h>

// The screens fit with stretch and proportional on and centre off.
TEST(FitRect, StretchedProportionalFitsFillOneSideOfTheBox)
{
    EXPECT_EQ(FitRect(366, 512, 300, 400, true, true, false), (TRect{0, 0, 366, 488}));
    EXPECT_EQ(FitRect(366, 512, 1200, 900, true, true, false), (TRect{0, 0, 366, 274}));
    EXPECT_EQ(FitRect(301, 201, 600, 300, true, true, false), (TRect{0, 0, 301, 150}));
    EXPECT_EQ(FitRect(301, 201, 200, 200, true, true, false), (TRect{0, 0, 201, 201}));
    EXPECT_EQ(FitRect(366, 512, 10, 2000, true, true, false), (TRect{0, 0, 2, 512}));
}

TEST(FitRect, CentringSplitsTheRestAndTruncates)
{
    EXPECT_EQ(FitRect(366, 512, 300, 400, true, true, true), (TRect{0, 12, 366, 488}));
    EXPECT_EQ(FitRect(301, 201, 200, 200, true, true, true), (TRect{50, 0, 201, 201}));
    EXPECT_EQ(FitRect(10, 10, 13, 3, false, false, true), (TRect{-1, 3, 13, 3})); // toward zero
}

TEST(FitRect, WithoutStretchOnlyLargerPicturesAreReduced)
{
    EXPECT_EQ(FitRect(366, 512, 100, 80, false, true, false), (TRect{0, 0, 100, 80}));
    EXPECT_EQ(FitRect(366, 512, 800, 600, false, true, false), (TRect{0, 0, 366, 274}));
    EXPECT_EQ(FitRect(366, 512, 800, 600, false, false, false), (TRect{0, 0, 800, 600}));
}

TEST(FitRect, StretchWithoutProportionFillsTheBox)
{
    EXPECT_EQ(FitRect(366, 512, 100, 80, true, false, false), (TRect{0, 0, 366, 512}));
    EXPECT_EQ(FitRect(366, 512, 0, 80, true, true, false), (TRect{0, 0, 366, 512})); // no aspect without a width
}
