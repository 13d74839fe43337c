#include "pictures/region.h"

#include "picture_test_support.h"

#include <gtest/gtest.h>

namespace {

const TRgb kWhite{255, 255, 255};

// Every pixel lies in the region exactly when it is not the transparent colour.
void expectRegionMatchesPixels(const TBitmap &bitmap, const TRegion &region, TRgb transparent)
{
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            ASSERT_EQ(region.contains(x, y), bitmap.pixelColor(x, y) != transparent) << x << "," << y;
    for (size_t a = 0; a < region.rects().size(); ++a)
        for (size_t b = a + 1; b < region.rects().size(); ++b) {
            const TRect &p = region.rects()[a], &q = region.rects()[b];
            const bool overlap = p.x < q.x + q.width && q.x < p.x + p.width && p.y < q.y + q.height && q.y < p.y + p.height;
            ASSERT_FALSE(overlap);
        }
}

TBitmap whiteBitmap(int width, int height, TPixelFormat format)
{
    TBitmap bitmap(width, height, format);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.setPixelColor(x, y, kWhite);
    return bitmap;
}

} // namespace

TEST(RegionFromBitmap, AllTransparentOrEmptyBitmapsGiveNone)
{
    EXPECT_FALSE(RegionFromBitmap(whiteBitmap(6, 4, TPixelFormat::Bits24), kWhite).has_value());
    EXPECT_FALSE(RegionFromBitmap(whiteBitmap(6, 4, TPixelFormat::Bits16), kWhite).has_value());
    EXPECT_FALSE(RegionFromBitmap(TBitmap(0, 4, TPixelFormat::Bits24), kWhite).has_value());
    EXPECT_FALSE(RegionFromBitmap(TBitmap(4, 0, TPixelFormat::Bits24), kWhite).has_value());
}

TEST(RegionFromBitmap, TheRegionIsTheUnionOfTheNonTransparentRuns)
{
    // A question-mark-like shape: a ring and a dot.
    TBitmap bitmap = whiteBitmap(12, 10, TPixelFormat::Bits24);
    for (int y = 1; y < 6; ++y)
        for (int x = 2; x < 10; ++x)
            if (y == 1 || y == 5 || x == 2 || x == 9)
                bitmap.setPixelColor(x, y, {0, 0, 0});
    bitmap.setPixelColor(5, 8, {250, 255, 255}); // nearly white is not white
    const auto region = RegionFromBitmap(bitmap, kWhite);
    ASSERT_TRUE(region.has_value());
    expectRegionMatchesPixels(bitmap, *region, kWhite);
    EXPECT_EQ(region->boundingRect(), (TRect{2, 1, 8, 8}));
}

TEST(RegionFromBitmap, RowsWithTheSameRunsMergeIntoOneRectangle)
{
    TBitmap bitmap = whiteBitmap(8, 8, TPixelFormat::Bits32);
    for (int y = 2; y < 7; ++y)
        for (int x = 1; x < 4; ++x)
            bitmap.setPixelColor(x, y, {1, 2, 3});
    const auto region = RegionFromBitmap(bitmap, kWhite);
    ASSERT_TRUE(region.has_value());
    EXPECT_EQ(region->rects(), (std::vector<TRect>{{1, 2, 3, 5}}));
    EXPECT_EQ(region->translated(40, 20).rects(), (std::vector<TRect>{{41, 22, 3, 5}}));
}

TEST(RegionFromBitmap, OtherFormatsCompareColours)
{
    for (TPixelFormat format : {TPixelFormat::Bits15, TPixelFormat::Bits16, TPixelFormat::Bits32}) {
        TBitmap bitmap = randomBitmap(9, 7, format, 11);
        for (int x = 0; x < 9; ++x)
            bitmap.setPixelColor(x, 3, kWhite);
        const auto region = RegionFromBitmap(bitmap, kWhite);
        ASSERT_TRUE(region.has_value());
        expectRegionMatchesPixels(bitmap, *region, kWhite);
    }
    TBitmap palette = TBitmap::indexed(5, 5, 4, {kWhite, {0, 0, 0}});
    palette.setPixelValue(2, 2, 1);
    const auto region = RegionFromBitmap(palette, kWhite);
    ASSERT_TRUE(region.has_value());
    EXPECT_EQ(region->rects(), (std::vector<TRect>{{2, 2, 1, 1}}));
}
