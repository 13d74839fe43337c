#include "pictures/jpeg_decoder.h"

#include "core/velmora_error.h"
#include "picture_test_support.h"
#include "support/fakes.h"

#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

const std::vector<TRgb> kColours = {
    {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}, {0, 0, 0}, {200, 120, 40}, {30, 90, 160}, {128, 128, 128},
};

// A picture of 16-pixel blocks, so that every block centre is far from the JPEG's blurred edges.
TBitmap blocks()
{
    return colourBlocks(64, 32, 16, kColours);
}

testing::AssertionResult near(TRgb actual, TRgb expected, int tolerance)
{
    if (std::abs(actual.red - expected.red) <= tolerance && std::abs(actual.green - expected.green) <= tolerance
        && std::abs(actual.blue - expected.blue) <= tolerance)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "got " << int(actual.red) << "," << int(actual.green) << ","
                                       << int(actual.blue) << " expected " << int(expected.red) << ","
                                       << int(expected.green) << "," << int(expected.blue);
}

void expectBlockColours(const TBitmap &decoded, bool grey)
{
    ASSERT_EQ(decoded.width(), 64);
    ASSERT_EQ(decoded.height(), 32);
    ASSERT_EQ(decoded.pixelFormat(), TPixelFormat::Bits24);
    for (size_t block = 0; block < kColours.size(); ++block) {
        const int x = int(block % 4) * 16 + 8, y = int(block / 4) * 16 + 8;
        TRgb expected = kColours[block];
        if (grey)
            expected = {expected.green, expected.green, expected.green};
        EXPECT_TRUE(near(decoded.pixelColor(x, y), expected, 6)) << "block " << block;
    }
}

QString jpegError(const QByteArray &bytes)
{
    try {
        DecodeJpeg(bytes);
    } catch (const VelmoraError &error) {
        return error.message();
    }
    return QStringLiteral("no error");
}

} // namespace

TEST(JpegDecode, ColourPicturesDecodeToTheirColours)
{
    expectBlockColours(DecodeJpeg(encodeTestJpeg(blocks(), TJpegKind::Colour)), false);
}

TEST(JpegDecode, ProgressivePicturesDecodeLikeBaselineOnes)
{
    const QByteArray progressive = encodeTestJpeg(blocks(), TJpegKind::Colour, true);
    ASSERT_NE(progressive.indexOf("\xFF\xC2"), -1); // a progressive frame marker
    const TBitmap decoded = DecodeJpeg(progressive);
    expectBlockColours(decoded, false);
    EXPECT_TRUE(decoded.sameContent(DecodeJpeg(encodeTestJpeg(blocks(), TJpegKind::Colour, false))));
}

TEST(JpegDecode, GreyPicturesBecomeGreyColours)
{
    expectBlockColours(DecodeJpeg(encodeTestJpeg(blocks(), TJpegKind::Grey)), true);
}

TEST(JpegDecode, CmykAndYcckPicturesAreTurnedIntoRgb)
{
    expectBlockColours(DecodeJpeg(encodeTestJpeg(blocks(), TJpegKind::CmykAdobe)), false);
    expectBlockColours(DecodeJpeg(encodeTestJpeg(blocks(), TJpegKind::YcckAdobe)), false);
    expectBlockColours(DecodeJpeg(encodeTestJpeg(blocks(), TJpegKind::CmykPlain)), false);
}

TEST(JpegDecode, APictureCutShortDecodesWhatIsThereAndGreyForTheRest)
{
    // Noise makes the image data much longer than the header; the top-left block is plain red.
    TBitmap picture = randomBitmap(64, 64, TPixelFormat::Bits24, 3);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            picture.setPixelColor(x, y, {255, 0, 0});
    const QByteArray whole = encodeTestJpeg(picture, TJpegKind::Colour);
    const TBitmap decoded = DecodeJpeg(whole.left(whole.size() / 2));
    ASSERT_EQ(decoded.width(), 64);
    ASSERT_EQ(decoded.height(), 64);
    EXPECT_TRUE(near(decoded.pixelColor(4, 4), {255, 0, 0}, 6));
    EXPECT_TRUE(near(decoded.pixelColor(60, 60), {128, 128, 128}, 6));
}

TEST(JpegErrors, TheDecodersMessageCodeNamesTheError)
{
    EXPECT_EQ(jpegError("Dies ist ein Text, kein Bild.\r\n"), QStringLiteral("JPEG-Fehler #53"));
    EXPECT_EQ(jpegError(QByteArray()), QStringLiteral("JPEG-Fehler #42"));
    const QByteArray whole = encodeTestJpeg(blocks(), TJpegKind::Colour);
    const QString cutInHeader = jpegError(whole.left(40));
    EXPECT_TRUE(cutInHeader.startsWith(QStringLiteral("JPEG-Fehler #"))) << cutInHeader.toStdString();
    EXPECT_NE(cutInHeader, QStringLiteral("JPEG-Fehler #0"));
}

TEST(JpegFiles, FilesDecodeAndMissingFilesSayWhy)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("data0.img"));
    writeWholeFile(path, encodeTestJpeg(blocks(), TJpegKind::Colour));
    expectBlockColours(DecodeJpegFile(path), false);

    const QString textFile = folder.filePath(QStringLiteral("bild.jpg"));
    writeWholeFile(textFile, "kein JPEG");
    EXPECT_THROW(
        {
            try {
                DecodeJpegFile(textFile);
            } catch (const VelmoraError &error) {
                EXPECT_EQ(error.message(), QStringLiteral("JPEG-Fehler #53"));
                throw;
            }
        },
        VelmoraError);

    const QString missing = folder.filePath(QStringLiteral("fehlt.jpg"));
    try {
        DecodeJpegFile(missing);
        FAIL() << "no error";
    } catch (const VelmoraError &error) {
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("Datei %1 kann nicht geöffnet werden. ").arg(missing)));
    }
}
