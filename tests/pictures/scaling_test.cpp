#include "pictures/scaling.h"

#include "picture_test_support.h"
#include "reference_scaling.h"

#include <gtest/gtest.h>

namespace {

const TPixelFormat kFormats[] = {TPixelFormat::Bits15, TPixelFormat::Bits16, TPixelFormat::Bits24,
                                 TPixelFormat::Bits32};

const char *nameOf(TPixelFormat format)
{
    switch (format) {
    case TPixelFormat::Bits15:
        return "15-bit";
    case TPixelFormat::Bits16:
        return "16-bit";
    case TPixelFormat::Bits24:
        return "24-bit";
    case TPixelFormat::Bits32:
        return "32-bit";
    default:
        return "other";
    }
}

struct TSizes
{
    int sw, sh, dw, dh;
};

// Edges of every kind: single pixels, reductions to 1 and 2 (where the mirror rule alone would read
// outside), equal sizes, enlargements, and strong reductions with long filter windows.
const TSizes kSizes[] = {
    {1, 1, 1, 1},    {1, 1, 3, 2},     {1, 1, 5, 5},     {2, 2, 1, 1},    {5, 3, 1, 1},     {5, 3, 2, 2},
    {41, 47, 2, 2},  {55, 41, 2, 1},   {47, 55, 1, 2},   {2, 2, 4, 4},    {7, 5, 20, 13},   {4, 4, 4, 4},
    {16, 9, 9, 16},  {13, 11, 13, 11}, {64, 48, 31, 17}, {100, 3, 7, 9},  {3, 100, 9, 7},   {33, 29, 66, 58},
    {200, 150, 67, 50}, {20, 15, 200, 3}, {97, 61, 5, 60}, {300, 40, 11, 39},
};

// Every way the cubic resize can run: plain or vectorised loops, one or two threads, with filtered
// rows kept for reuse or added term by term.
const TResizeOptions kVariants[] = {{1, false, 1 << 20}, {1, true, 1 << 20}, {2, false, 1 << 20},
                                    {2, true, 1 << 20},  {1, false, 0},      {2, true, 0}};

TBitmap resized(const TBitmap &source, int width, int height, TResizeMode mode, const TResizeOptions &options = {})
{
    TBitmap result;
    ResizeBitmapInto(source, result, width, height, mode, options);
    return result;
}

std::string describe(const TSizes &s, TPixelFormat format, const TResizeOptions &options = {})
{
    return std::to_string(s.sw) + "x" + std::to_string(s.sh) + " -> " + std::to_string(s.dw) + "x"
        + std::to_string(s.dh) + " " + nameOf(format) + " threads " + std::to_string(options.threads)
        + (options.vectorised ? " vectorised" : " plain") + (options.rowCacheBytes == 0 ? " term by term" : "");
}

TBitmap uniform(int width, int height, TPixelFormat format, quint8 value)
{
    TBitmap bitmap(width, height, format);
    for (int y = 0; y < height; ++y)
        std::fill(bitmap.scanLine(y), bitmap.scanLine(y) + bitmap.bytesPerLine(), value);
    return bitmap;
}

} // namespace

TEST(CubicResize, AgreesToTheByteWithThePlainImplementation)
{
    std::uint32_t seed = 1;
    for (const TSizes &sizes : kSizes)
        for (TPixelFormat format : kFormats) {
            const TBitmap source = randomBitmap(sizes.sw, sizes.sh, format, seed++);
            const TBitmap expected = reference::cubic(source, sizes.dw, sizes.dh);
            for (const TResizeOptions &options : kVariants)
                ASSERT_TRUE(resized(source, sizes.dw, sizes.dh, TResizeMode::Cubic, options).sameContent(expected))
                    << describe(sizes, format, options);
        }
}

TEST(CubicResize, APhotographSizedReductionOnTwoThreadsAgreesToo)
{
    const TBitmap source = randomBitmap(1200, 900, TPixelFormat::Bits24, 99);
    const TBitmap expected = reference::cubic(source, 301, 201);
    EXPECT_TRUE(resized(source, 301, 201, TResizeMode::Cubic, {2, true, 1 << 20}).sameContent(expected));
    EXPECT_TRUE(resized(source, 301, 201, TResizeMode::Cubic).sameContent(expected));
}

TEST(CubicResize, SourcesOf32768PixelsAndMoreAreReducedSafely)
{
    const TBitmap wide = randomBitmap(40000, 2, TPixelFormat::Bits24, 5);
    EXPECT_TRUE(resized(wide, 3, 1, TResizeMode::Cubic).sameContent(reference::cubic(wide, 3, 1)));
    const TBitmap tall = randomBitmap(1, 33000, TPixelFormat::Bits16, 6);
    EXPECT_TRUE(resized(tall, 2, 2, TResizeMode::Cubic).sameContent(reference::cubic(tall, 2, 2)));
}

TEST(CubicResize, NegativeWeightsAreClampedNotWrapped)
{
    // One white pixel on black: the negative lobes would go below 0 next to it.
    TBitmap spot(9, 9, TPixelFormat::Bits24);
    spot.setPixelColor(4, 4, {255, 255, 255});
    TBitmap result = resized(spot, 20, 20, TResizeMode::Cubic);
    EXPECT_TRUE(result.sameContent(reference::cubic(spot, 20, 20)));
    EXPECT_GT(result.pixelColor(9, 9).red, 100);
    EXPECT_EQ(result.pixelColor(0, 0), TRgb{});
    EXPECT_EQ(result.pixelColor(19, 0), TRgb{});

    // One black pixel on white: the lobes would rise above 255; they stay at 255.
    TBitmap hole = uniform(9, 9, TPixelFormat::Bits24, 255);
    hole.setPixelColor(4, 4, {0, 0, 0});
    result = resized(hole, 20, 20, TResizeMode::Cubic);
    EXPECT_TRUE(result.sameContent(reference::cubic(hole, 20, 20)));
    EXPECT_LT(result.pixelColor(9, 9).red, 100);
    EXPECT_EQ(result.pixelColor(0, 0), (TRgb{255, 255, 255}));
}

TEST(BilinearResize, AgreesToTheByteWithThePlainImplementation)
{
    std::uint32_t seed = 1000;
    for (const TSizes &sizes : kSizes)
        for (TPixelFormat format : kFormats) {
            const TBitmap source = randomBitmap(sizes.sw, sizes.sh, format, seed++);
            ASSERT_TRUE(resized(source, sizes.dw, sizes.dh, TResizeMode::Bilinear)
                            .sameContent(reference::bilinear(source, sizes.dw, sizes.dh)))
                << describe(sizes, format);
        }
    const TBitmap wide = randomBitmap(40000, 2, TPixelFormat::Bits32, 7);
    EXPECT_TRUE(resized(wide, 3, 2, TResizeMode::Bilinear).sameContent(reference::bilinear(wide, 3, 2)));
}

TEST(BilinearResize, WeightsAddUpTo65535)
{
    for (TPixelFormat format : {TPixelFormat::Bits24, TPixelFormat::Bits32}) {
        const TBitmap white = resized(uniform(5, 4, format, 255), 7, 9, TResizeMode::Bilinear);
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 7; ++x)
                ASSERT_EQ(white.pixelColor(x, y), (TRgb{254, 254, 254}));
        const TBitmap black = resized(uniform(5, 4, format, 0), 7, 9, TResizeMode::Bilinear);
        EXPECT_EQ(black.pixelColor(3, 3), TRgb{});
    }
}

TEST(BilinearResize, GridsAreAlignedAtTheTopLeftCorner)
{
    TBitmap source(2, 2, TPixelFormat::Bits24);
    for (int y = 0; y < 2; ++y) {
        source.setPixelColor(0, y, {100, 100, 100});
        source.setPixelColor(1, y, {200, 200, 200});
    }
    const TBitmap result = resized(source, 4, 4, TResizeMode::Bilinear);
    const int expected[4] = {99, 149, 199, 199}; // column 1 half-way, columns 2 and 3 on source column 1
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(result.pixelColor(x, 0).red, expected[x]) << "column " << x;
}

TEST(ResizeFormats, FifteenBitPicturesStayFifteenBit)
{
    for (TResizeMode mode : {TResizeMode::Stretch, TResizeMode::Bilinear, TResizeMode::Cubic}) {
        TBitmap bitmap = TBitmap::withMasks(6, 6, kMasks555);
        ResizeBitmap(bitmap, 3, 4, mode);
        EXPECT_EQ(bitmap.pixelFormat(), TPixelFormat::Bits15);
        EXPECT_EQ(bitmap.masks(), kMasks555);
        EXPECT_EQ(bitmap.width(), 3);
        EXPECT_EQ(bitmap.height(), 4);
    }
}

TEST(ResizeFormats, FormatsTheFiltersDoNotKnowStayBlank)
{
    TBitmap palette = TBitmap::indexed(4, 4, 8, {{0, 0, 0}, {255, 255, 255}});
    TBitmap oddMasks = TBitmap::withMasks(4, 4, {0x0F00, 0x00F0, 0x000F});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            palette.setPixelValue(x, y, 1);
            oddMasks.setPixelValue(x, y, 0x0FFF);
        }
    for (const TBitmap &source : {palette, oddMasks})
        for (TResizeMode mode : {TResizeMode::Bilinear, TResizeMode::Cubic}) {
            const TBitmap result = resized(source, 3, 3, mode);
            EXPECT_EQ(result.bitsPerPixel(), source.bitsPerPixel());
            EXPECT_EQ(result.palette(), source.palette());
            EXPECT_EQ(result.pixelValue(1, 1), 0u);
        }
    EXPECT_EQ(resized(palette, 3, 3, TResizeMode::Stretch).pixelValue(1, 1), 1u);
}

TEST(StretchResize, RepeatsAndDropsPixels)
{
    TBitmap source = TBitmap::indexed(2, 2, 1, {{0, 0, 0}, {255, 255, 255}});
    source.setPixelValue(1, 0, 1);
    const TBitmap larger = resized(source, 4, 3, TResizeMode::Stretch);
    EXPECT_EQ(larger.pixelValue(0, 0), 0u);
    EXPECT_EQ(larger.pixelValue(1, 0), 0u);
    EXPECT_EQ(larger.pixelValue(2, 0), 1u);
    EXPECT_EQ(larger.pixelValue(3, 1), 1u);
    EXPECT_EQ(larger.pixelValue(3, 2), 0u);

    const TBitmap picture = randomBitmap(9, 9, TPixelFormat::Bits24, 3);
    const TBitmap smaller = resized(picture, 3, 3, TResizeMode::Stretch);
    EXPECT_EQ(smaller.pixelValue(1, 2), picture.pixelValue(3, 6));
}

TEST(ResizeSizes, EmptySizesGiveEmptyOrBlankResults)
{
    const TBitmap picture = randomBitmap(5, 5, TPixelFormat::Bits24, 4);
    for (TResizeMode mode : {TResizeMode::Stretch, TResizeMode::Bilinear, TResizeMode::Cubic}) {
        EXPECT_TRUE(resized(picture, 0, 5, mode).isEmpty());
        EXPECT_TRUE(resized(picture, 5, -3, mode).isEmpty());
        const TBitmap fromEmpty = resized(TBitmap(0, 5, TPixelFormat::Bits24), 4, 4, mode);
        EXPECT_EQ(fromEmpty.width(), 4);
        EXPECT_EQ(fromEmpty.pixelValue(2, 2), 0u);
    }
}

TEST(ResizeBitmap, ChangesTheBitmapInPlace)
{
    TBitmap bitmap = randomBitmap(30, 20, TPixelFormat::Bits32, 8);
    const TBitmap expected = reference::cubic(bitmap, 12, 8);
    ResizeBitmap(bitmap, 12, 8, TResizeMode::Cubic);
    EXPECT_TRUE(bitmap.sameContent(expected));
}

TEST(DrawScaled, DrawsTheResizedPictureAtTheRectangle)
{
    TBitmap canvas = uniform(40, 30, TPixelFormat::Bits24, 7);
    const TBitmap picture = randomBitmap(20, 10, TPixelFormat::Bits24, 9);
    DrawScaled(canvas, picture, {5, 6, 10, 5}, TResizeMode::Bilinear);
    const TBitmap expected = reference::bilinear(picture, 10, 5);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 5 && x < 15 && y >= 6 && y < 11;
            ASSERT_EQ(canvas.pixelColor(x, y), (inside ? expected.pixelColor(x - 5, y - 6) : TRgb{7, 7, 7}))
                << x << "," << y;
        }
}

TEST(DrawScaled, AZeroWidePictureDrawsNothing)
{
    TBitmap canvas = uniform(8, 8, TPixelFormat::Bits24, 7);
    const TBitmap before = canvas;
    DrawScaled(canvas, TBitmap(0, 4, TPixelFormat::Bits24), {0, 0, 8, 8}, TResizeMode::Cubic);
    EXPECT_TRUE(canvas.sameContent(before));
}
