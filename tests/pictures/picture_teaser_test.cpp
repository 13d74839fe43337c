#include "pictures/picture_teaser.h"

#include "picture_test_support.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const TRgb kWhite{255, 255, 255};
const TRgb kBlack{0, 0, 0};

// A white mask with a black ring of crossing shapes: enough runs to make several rectangles.
TBitmap maskPicture()
{
    TBitmap mask(60, 50, TPixelFormat::Bits24);
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            const bool inside = (x >= 10 && x < 30 && y >= 5 && y < 15) || (x >= 20 && x < 25 && y >= 15 && y < 40)
                || (x + y) % 17 == 0;
            mask.setPixelColor(x, y, inside ? kBlack : kWhite);
        }
    return mask;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(PictureTeaser, ShowsThePictureUnscaledInsideTheMovedMaskAndBlackElsewhere)
{
    const TBitmap mask = maskPicture();
    const TBitmap picture = randomBitmap(90, 70, TPixelFormat::Bits24, 7);
    const std::optional<TRegion> shape = TeaserShape(mask);
    ASSERT_TRUE(shape.has_value());
    const TBitmap teaser = MakeTeaser(picture, shape, 80, 100);
    ASSERT_EQ(teaser.width(), 80);
    ASSERT_EQ(teaser.height(), 100);
    // The plain rule, pixel by pixel: inside the mask moved by (40, 20) and inside the picture, the
    // picture's pixel; anywhere else black.
    for (int y = 0; y < teaser.height(); ++y)
        for (int x = 0; x < teaser.width(); ++x) {
            const int mx = x - 40, my = y - 20;
            const bool inMask = mx >= 0 && my >= 0 && mx < mask.width() && my < mask.height()
                && mask.pixelColor(mx, my) != kWhite;
            const bool inPicture = x < picture.width() && y < picture.height();
            const TRgb expected = inMask && inPicture ? picture.pixelColor(x, y) : kBlack;
            ASSERT_EQ(teaser.pixelColor(x, y), expected) << x << "," << y;
        }
}

TEST(PictureTeaser, AnAllWhiteMaskGivesABlackBoxOfOtherFormatsToo)
{
    TBitmap white(8, 8, TPixelFormat::Bits24);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            white.setPixelColor(x, y, kWhite);
    EXPECT_FALSE(TeaserShape(white).has_value());
    const TBitmap teaser = MakeTeaser(randomBitmap(20, 20, TPixelFormat::Bits16, 3), TeaserShape(white), 10, 10);
    EXPECT_TRUE(teaser.sameContent(TBitmap(10, 10, TPixelFormat::Bits24)));
    // A 16-bit picture through a mask is converted, not copied byte for byte.
    TBitmap all(4, 4, TPixelFormat::Bits24);
    const TBitmap picture = randomBitmap(60, 40, TPixelFormat::Bits16, 5);
    const TBitmap through = MakeTeaser(picture, TeaserShape(all), 50, 30);
    EXPECT_EQ(through.pixelColor(41, 21), picture.pixelColor(41, 21));
    EXPECT_EQ(through.pixelColor(39, 21), kBlack);
}

TEST(LoadSetPicture, DecodesAJpegAndShowsMissingOrBadFilesAsTheBlankPicture)
{
    QTemporaryDir dir;
    const TBitmap picture = colourBlocks(30, 20, 10, {TRgb{200, 40, 40}});
    writeFile(dir.filePath(QStringLiteral("good.img")), encodeTestJpeg(picture, TJpegKind::Colour));
    writeFile(dir.filePath(QStringLiteral("png.img")), QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(200, 'x'));
    writeFile(dir.filePath(QStringLiteral("empty.img")), {});
    const TBitmap blank(kBlankPictureSize, kBlankPictureSize, TPixelFormat::Bits24);

    const TBitmap good = LoadSetPicture(dir.filePath(QStringLiteral("good.img")));
    EXPECT_EQ(good.width(), 30);
    EXPECT_EQ(good.height(), 20);
    for (const QString &bad : {dir.filePath(QStringLiteral("png.img")), dir.filePath(QStringLiteral("empty.img")),
                               dir.filePath(QStringLiteral("missing.img")), dir.path(), QString()})
        EXPECT_TRUE(LoadSetPicture(bad).sameContent(blank)) << bad.toStdString();
}
