#include "pictures/bmp_file.h"
#include "support/error_of.h"

#include "core/velmora_error.h"
#include "picture_test_support.h"
#include "support/fakes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

quint32 le32(const QByteArray &bytes, int offset)
{
    return quint8(bytes[offset]) | quint8(bytes[offset + 1]) << 8 | quint8(bytes[offset + 2]) << 16
        | quint32(quint8(bytes[offset + 3])) << 24;
}

} // namespace

TEST(BmpWrite, TwentyFourBitFilesHaveTheWindowsLayout)
{
    TBitmap picture(3, 2, TPixelFormat::Bits24);
    picture.setPixelColor(0, 0, {0x11, 0x22, 0x33}); // top-left
    picture.setPixelColor(2, 1, {0xAA, 0xBB, 0xCC}); // bottom-right
    const QByteArray bytes = EncodeBmp(picture);

    ASSERT_EQ(bytes.size(), 54 + 2 * 12);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(le32(bytes, 2), 78u);  // file size
    EXPECT_EQ(le32(bytes, 10), 54u); // pixel offset
    EXPECT_EQ(le32(bytes, 14), 40u); // header size
    EXPECT_EQ(le32(bytes, 18), 3u);
    EXPECT_EQ(le32(bytes, 22), 2u); // positive: bottom row first
    EXPECT_EQ(bytes[28], 24);
    EXPECT_EQ(le32(bytes, 30), 0u); // uncompressed
    // Bottom row first, blue-green-red, rows padded to 12 bytes with zeros.
    EXPECT_EQ(bytes.mid(54, 12), QByteArray::fromHex("000000000000ccbbaa000000"));
    EXPECT_EQ(bytes.mid(66, 12), QByteArray::fromHex("332211000000000000000000"));
}

TEST(BmpWrite, EveryFormatReadsBackUnchanged)
{
    std::vector<TBitmap> pictures = {
        randomBitmap(7, 5, TPixelFormat::Bits24, 1), randomBitmap(7, 5, TPixelFormat::Bits32, 2),
        randomBitmap(7, 5, TPixelFormat::Bits15, 3), randomBitmap(7, 5, TPixelFormat::Bits16, 4),
        TBitmap::withMasks(3, 3, {0x0F00, 0x00F0, 0x000F}),
        TBitmap::indexed(13, 3, 1, {{0, 0, 0}, {255, 255, 255}}),
        TBitmap::indexed(5, 3, 4, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}),
        TBitmap::indexed(5, 3, 8, {{1, 2, 3}, {40, 50, 60}}),
        TBitmap(0, 0, TPixelFormat::Bits24),
    };
    pictures[4].setPixelValue(1, 1, 0x0ABC);
    pictures[5].setPixelValue(12, 2, 1);
    pictures[6].setPixelValue(3, 1, 2);
    pictures[7].setPixelValue(4, 2, 1);
    for (const TBitmap &picture : pictures) {
        const TBitmap back = DecodeBmp(EncodeBmp(picture));
        EXPECT_TRUE(back.sameContent(picture)) << picture.bitsPerPixel() << " bits";
    }
}

TEST(BmpRead, TopDownAndMaskedFilesAreUnderstood)
{
    // A 2 × 2 32-bit top-down picture with red-green-blue-alpha masks (as some programs write).
    QByteArray bytes = QByteArray::fromHex("424d") + QByteArray(12, '\0');
    QByteArray header = QByteArray::fromHex("38000000" "02000000" "feffffff" "0100" "2000" "03000000")
        + QByteArray(20, '\0') + QByteArray::fromHex("ff000000" "00ff0000" "0000ff00" "000000ff");
    bytes += header;
    bytes[10] = char(bytes.size());
    bytes += QByteArray::fromHex("ff0000ff" "00ff00ff" "0000ffff" "102030ff");
    const TBitmap picture = DecodeBmp(bytes);
    ASSERT_EQ(picture.pixelFormat(), TPixelFormat::Bits32);
    EXPECT_EQ(picture.pixelColor(0, 0), (TRgb{255, 0, 0}));
    EXPECT_EQ(picture.pixelColor(1, 0), (TRgb{0, 255, 0}));
    EXPECT_EQ(picture.pixelColor(0, 1), (TRgb{0, 0, 255}));
    EXPECT_EQ(picture.pixelColor(1, 1), (TRgb{0x10, 0x20, 0x30}));
}

TEST(BmpRead, SixteenBitWithoutMasksIsFifteenBit)
{
    TBitmap picture(2, 1, TPixelFormat::Bits15);
    picture.setPixelValue(1, 0, 0x7C00);
    QByteArray bytes = EncodeBmp(picture);
    EXPECT_EQ(le32(bytes, 30), 0u);
    const TBitmap back = DecodeBmp(bytes);
    EXPECT_EQ(back.pixelFormat(), TPixelFormat::Bits15);
    EXPECT_EQ(back.pixelColor(1, 0), (TRgb{255, 0, 0}));
}

TEST(BmpRead, DamagedFilesAreRefused)
{
    const QString invalid = QStringLiteral("Bitmap ist ungültig");
    const QByteArray good = EncodeBmp(randomBitmap(4, 4, TPixelFormat::Bits24, 5));
    EXPECT_EQ(errorOf([] { DecodeBmp("not a bitmap at all, just text"); }), invalid);
    EXPECT_EQ(errorOf([&] { DecodeBmp(good.left(good.size() - 20)); }), invalid);
    EXPECT_EQ(errorOf([&] { DecodeBmp(good.left(30)); }), invalid);
    QByteArray rle = good;
    rle[30] = 1; // run-length compressed 24-bit does not exist
    EXPECT_EQ(errorOf([&] { DecodeBmp(rle); }), invalid);
    QByteArray huge = good;
    huge[21] = 0x7F; // width 2^31 - ...
    EXPECT_EQ(errorOf([&] { DecodeBmp(huge); }), invalid);
    // No pixel wide but almost 2^31 rows high: refused at once instead of walking every empty row.
    const QByteArray tall = QByteArray::fromBase64(
        "Qk2uAAAAAAEaADYABwAoAAAAAAAAAAAAc3IHQhAAAAAAAAD9/wAANQDZAAAAAAAAAABdenNyB0JNrgAAAL4=");
    EXPECT_EQ(errorOf([&] { DecodeBmp(tall); }), invalid);
    EXPECT_EQ(errorOf([] { TBitmap(0, int(kMaxBitmapPixels) + 1, TPixelFormat::Bits24); }).left(18),
              QStringLiteral("Bitmap ist zu groß"));
}

TEST(BmpFiles, FilesAreWrittenAndReadWithTheProgramsMessages)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("GUI_home.bmp"));
    const TBitmap picture = randomBitmap(9, 4, TPixelFormat::Bits24, 7);
    WriteBmpFile(picture, path);
    EXPECT_TRUE(ReadBmpFile(path).sameContent(picture));
    EXPECT_EQ(readWholeFile(path), EncodeBmp(picture));

    const QString missing = folder.filePath(QStringLiteral("fehlt.bmp"));
    EXPECT_TRUE(errorOf([&] { ReadBmpFile(missing); })
                    .startsWith(QStringLiteral("Datei %1 kann nicht geöffnet werden. ").arg(missing)));
    const QString noFolder = folder.filePath(QStringLiteral("nicht/da.bmp"));
    EXPECT_TRUE(errorOf([&] { WriteBmpFile(picture, noFolder); })
                    .startsWith(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. ").arg(noFolder)));
}
