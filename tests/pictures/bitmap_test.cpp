#include "pictures/bitmap.h"

#include "core/velmora_error.h"
#include "picture_test_support.h"

#include <gtest/gtest.h>

TEST(BitmapFormat, SixteenBitMasksDecideBetweenFifteenAndSixteenBits)
{
    EXPECT_EQ(TBitmap::withMasks(2, 2, kMasks555).pixelFormat(), TPixelFormat::Bits15);
    EXPECT_EQ(TBitmap::withMasks(2, 2, kMasks565).pixelFormat(), TPixelFormat::Bits16);
    EXPECT_EQ(TBitmap::withMasks(2, 2, {0x0F00, 0x00F0, 0x000F}).pixelFormat(), TPixelFormat::Other);
    EXPECT_EQ(TBitmap::indexed(2, 2, 8, {{0, 0, 0}}).pixelFormat(), TPixelFormat::Other);
    EXPECT_EQ(TBitmap(2, 2, TPixelFormat::Bits15).masks(), kMasks555);
}

TEST(BitmapLayout, RowsStartOnFourByteBoundariesAndStartBlank)
{
    const TBitmap bitmap(5, 3, TPixelFormat::Bits24);
    EXPECT_EQ(bitmap.bytesPerLine(), 16);
    EXPECT_EQ(bitmap.byteCount(), 48);
    for (qsizetype i = 0; i < bitmap.byteCount(); ++i)
        ASSERT_EQ(bitmap.bits()[i], 0);
    EXPECT_EQ(TBitmap(3, 1, TPixelFormat::Bits15).bytesPerLine(), 8);
    EXPECT_EQ(TBitmap::indexed(9, 1, 1, {}).bytesPerLine(), 4);
    EXPECT_TRUE(TBitmap(0, 4, TPixelFormat::Bits32).isEmpty());
}

TEST(BitmapLayout, ResetKeepsTheMemoryItHolds)
{
    TBitmap bitmap(100, 100, TPixelFormat::Bits32);
    bitmap.scanLine(0)[0] = 7;
    const uchar *memory = bitmap.bits();
    bitmap.reset(50, 40, TPixelFormat::Bits24);
    EXPECT_EQ(bitmap.bits(), memory);
    EXPECT_EQ(bitmap.bits()[0], 0);
    EXPECT_EQ(bitmap.width(), 50);
    EXPECT_EQ(bitmap.pixelFormat(), TPixelFormat::Bits24);
}

TEST(BitmapLayout, AbsurdSizesAreRefusedBeforeAnyMemoryIsTaken)
{
    EXPECT_THROW(TBitmap(1 << 20, 1 << 20, TPixelFormat::Bits24), VelmoraError);
}

TEST(BitmapPixels, ColoursSurviveEveryFormatAtItsDepth)
{
    const TRgb colour{0xF8, 0x84, 0x18};
    for (TPixelFormat format : {TPixelFormat::Bits15, TPixelFormat::Bits16, TPixelFormat::Bits24, TPixelFormat::Bits32}) {
        TBitmap bitmap(3, 2, format);
        bitmap.setPixelColor(2, 1, colour);
        const TRgb back = bitmap.pixelColor(2, 1);
        EXPECT_EQ(back.red & 0xF8, 0xF8);
        EXPECT_EQ(back.blue & 0xF8, 0x18);
        EXPECT_EQ(bitmap.pixelColor(1, 1), TRgb{});
    }
    TBitmap words(1, 1, TPixelFormat::Bits16);
    words.setPixelColor(0, 0, {255, 255, 255});
    EXPECT_EQ(words.pixelValue(0, 0), 0xFFFFu);
    EXPECT_EQ(words.pixelColor(0, 0), (TRgb{255, 255, 255})); // 31 and 63 widen to 255
    TBitmap fifteen(1, 1, TPixelFormat::Bits15);
    fifteen.setPixelColor(0, 0, {255, 0, 0});
    EXPECT_EQ(fifteen.pixelValue(0, 0), 0x7C00u);
}

TEST(BitmapPixels, PaletteBitmapsAddressSubBytePixels)
{
    TBitmap one = TBitmap::indexed(10, 1, 1, {{0, 0, 0}, {255, 255, 255}});
    one.setPixelValue(9, 0, 1);
    one.setPixelValue(0, 0, 1);
    EXPECT_EQ(one.scanLine(0)[0], 0x80);
    EXPECT_EQ(one.scanLine(0)[1], 0x40);
    EXPECT_EQ(one.pixelColor(9, 0), (TRgb{255, 255, 255}));

    TBitmap four = TBitmap::indexed(3, 1, 4, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    four.setPixelColor(1, 0, {7, 8, 10}); // nearest entry: 2
    four.setPixelValue(0, 0, 1);
    EXPECT_EQ(four.scanLine(0)[0], 0x12);
    EXPECT_EQ(four.pixelColor(1, 0), (TRgb{7, 8, 9}));
}

TEST(BitmapCopy, CopiesAreDeep)
{
    TBitmap original = randomBitmap(4, 4, TPixelFormat::Bits24, 1);
    TBitmap copy = original;
    copy.scanLine(2)[5] ^= 0xFF;
    EXPECT_FALSE(copy.sameContent(original));
    copy.scanLine(2)[5] ^= 0xFF;
    EXPECT_TRUE(copy.sameContent(original));
}

TEST(BitmapConvert, PaletteAndWordPicturesBecomeTrueColour)
{
    TBitmap indexed = TBitmap::indexed(2, 1, 8, {{10, 20, 30}, {200, 100, 50}});
    indexed.setPixelValue(1, 0, 1);
    const TBitmap converted = ConvertBitmap(indexed, TPixelFormat::Bits24);
    EXPECT_EQ(converted.pixelFormat(), TPixelFormat::Bits24);
    EXPECT_EQ(converted.pixelColor(0, 0), (TRgb{10, 20, 30}));
    EXPECT_EQ(converted.pixelColor(1, 0), (TRgb{200, 100, 50}));
}

TEST(BitmapDraw, DrawsClippedAndConvertsFormats)
{
    TBitmap canvas(4, 3, TPixelFormat::Bits32);
    TBitmap picture(3, 2, TPixelFormat::Bits24);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            picture.setPixelColor(x, y, {quint8(10 * x + 1), quint8(y + 1), 9});
    DrawBitmap(canvas, 2, -1, picture);
    EXPECT_EQ(canvas.pixelColor(2, 0), (TRgb{1, 2, 9}));
    EXPECT_EQ(canvas.pixelColor(3, 0), (TRgb{11, 2, 9}));
    EXPECT_EQ(canvas.pixelColor(1, 0), TRgb{});
    EXPECT_EQ(canvas.pixelColor(2, 1), TRgb{});

    TBitmap sameFormat(4, 3, TPixelFormat::Bits24);
    DrawBitmap(sameFormat, -1, 1, picture);
    EXPECT_EQ(sameFormat.pixelColor(0, 1), (TRgb{11, 1, 9}));
    EXPECT_EQ(sameFormat.pixelColor(1, 2), (TRgb{21, 2, 9}));
    EXPECT_EQ(sameFormat.pixelColor(2, 2), TRgb{});
}
