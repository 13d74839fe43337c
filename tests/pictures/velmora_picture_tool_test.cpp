#include "pictures/bmp_file.h"
#include "pictures/jpeg_decoder.h"
#include "pictures/scaling.h"

#include "picture_test_support.h"
#include "support/fakes.h"
#include "support/run_tool.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TToolRun runTool(const QStringList &arguments)
{
    return ::runTool(QStringLiteral(VELMORA_PICTURE_TOOL), arguments);
}

} // namespace

TEST(VelmoraPictureTool, FitPrintsThePlacement)
{
    EXPECT_EQ(runTool({QStringLiteral("fit"), QStringLiteral("366"), QStringLiteral("512"), QStringLiteral("300"),
                       QStringLiteral("400"), QStringLiteral("--centre")})
                  .out,
              QStringLiteral("0 12 366 488\n"));
    EXPECT_EQ(runTool({QStringLiteral("fit"), QStringLiteral("366"), QStringLiteral("512"), QStringLiteral("100"),
                       QStringLiteral("80"), QStringLiteral("--no-stretch")})
                  .out,
              QStringLiteral("0 0 100 80\n"));
}

TEST(VelmoraPictureTool, ResizeWritesWhatTheLibraryComputes)
{
    QTemporaryDir folder;
    const QString in = folder.filePath(QStringLiteral("in.jpg")), out = folder.filePath(QStringLiteral("out.bmp"));
    writeWholeFile(in, encodeTestJpeg(randomBitmap(120, 90, TPixelFormat::Bits24, 1), TJpegKind::Colour));
    const TToolRun run = runTool({QStringLiteral("resize"), QStringLiteral("--mode"), QStringLiteral("1"), in, out,
                              QStringLiteral("30"), QStringLiteral("20")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    TBitmap expected = DecodeJpeg(readWholeFile(in));
    ResizeBitmap(expected, 30, 20, TResizeMode::Bilinear);
    EXPECT_TRUE(ReadBmpFile(out).sameContent(expected));

    // A BMP picture in, cubic by default.
    const QString again = folder.filePath(QStringLiteral("again.bmp"));
    ASSERT_EQ(runTool({QStringLiteral("resize"), out, again, QStringLiteral("7"), QStringLiteral("5")}).exitCode, 0);
    ResizeBitmap(expected, 7, 5, TResizeMode::Cubic);
    EXPECT_TRUE(ReadBmpFile(again).sameContent(expected));
}

TEST(VelmoraPictureTool, BenchPrintsTheMedian)
{
    QTemporaryDir folder;
    const QString in = folder.filePath(QStringLiteral("in.bmp"));
    WriteBmpFile(randomBitmap(64, 48, TPixelFormat::Bits24, 2), in);
    const TToolRun run = runTool({QStringLiteral("bench"), QStringLiteral("--runs"), QStringLiteral("3"), in,
                              QStringLiteral("16"), QStringLiteral("12")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("median_ms="))) << run.out.toStdString();
}

TEST(VelmoraPictureTool, BadInputIsReported)
{
    QTemporaryDir folder;
    const QString text = folder.filePath(QStringLiteral("bild.jpg"));
    writeWholeFile(text, "kein Bild");
    const TToolRun notJpeg = runTool({QStringLiteral("resize"), text, folder.filePath(QStringLiteral("o.bmp")),
                                  QStringLiteral("5"), QStringLiteral("5")});
    EXPECT_EQ(notJpeg.exitCode, 1);
    EXPECT_TRUE(notJpeg.err.contains(QStringLiteral("JPEG-Fehler #53."))) << notJpeg.err.toStdString();
    EXPECT_EQ(runTool({QStringLiteral("resize"), QStringLiteral("--mode"), QStringLiteral("3"), text, text,
                       QStringLiteral("5"), QStringLiteral("5")})
                  .exitCode,
              2);
    EXPECT_EQ(runTool({QStringLiteral("fit"), QStringLiteral("1")}).exitCode, 2);
    EXPECT_EQ(runTool({}).exitCode, 2);
}
