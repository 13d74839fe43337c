#include "core/velmora_error.h"
#include "pictures/vl_skinimport.h"
#include "support/fakes.h"
#include "ui/support/skin_fixture.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SkinImportTest : public ::testing::Test
{
protected:
    QString path(const QString &relative) const { return root.filePath(relative); }
    void import() { ImportSkin(path(QStringLiteral("skins/standard.skin")), path(QStringLiteral("temp")), path(QStringLiteral("bmp"))); }
    QColor colourOf(const QString &relative) const { return QImage(path(relative)).pixelColor(2, 2); }
    static bool near(QColor a, QColor b)
    {
        return std::abs(a.red() - b.red()) < 8 && std::abs(a.green() - b.green()) < 8 && std::abs(a.blue() - b.blue()) < 8;
    }

    QTemporaryDir root;
};

} // namespace

TEST_F(SkinImportTest, MembersBecomeBitmapsUnderTheirBareNamesAndTheLastOfANameWins)
{
    WriteTestBitmap(path(QStringLiteral("bmp/GUI_keep.bmp")), QSize(4, 4), Qt::cyan);
    WriteTestBitmap(path(QStringLiteral("bmp/GUI_exit.bmp")), QSize(4, 4), Qt::cyan);
    writeWholeFile(path(QStringLiteral("temp/stale.jpg")), "stale");
    WriteTestZip(path(QStringLiteral("skins/standard.skin")),
                 {{QStringLiteral("img/GUI_home.jpg"), TestJpeg(QSize(8, 6), Qt::red)},
                  {QStringLiteral("a/GUI_exit.jpeg"), TestJpeg(QSize(8, 6), Qt::green)},
                  {QStringLiteral("b/GUI_exit.JPG"), TestJpeg(QSize(8, 6), Qt::blue)},
                  {QStringLiteral("folder/"), QByteArray()}});
    import();

    const QImage home(path(QStringLiteral("bmp/GUI_home.bmp")));
    EXPECT_EQ(home.size(), QSize(8, 6));
    EXPECT_TRUE(near(home.pixelColor(2, 2), Qt::red));
    EXPECT_TRUE(near(colourOf(QStringLiteral("bmp/GUI_exit.bmp")), Qt::blue)) << "b/ was extracted last";
    EXPECT_TRUE(near(colourOf(QStringLiteral("bmp/GUI_keep.bmp")), Qt::cyan)) << "other pictures stay";
    EXPECT_EQ(QImage(path(QStringLiteral("bmp/GUI_home.bmp"))).depth(), 32) << "read back as RGB";
    EXPECT_TRUE(QDir(path(QStringLiteral("temp"))).isEmpty());
}

TEST_F(SkinImportTest, NamesThatClimbOutOfTheFolderStayInside)
{
    WriteTestZip(path(QStringLiteral("skins/standard.skin")),
                 {{QStringLiteral("../../escape.jpg"), TestJpeg(QSize(4, 4), Qt::red)},
                  {QStringLiteral("/abs/root.jpg"), TestJpeg(QSize(4, 4), Qt::red)},
                  {QStringLiteral("C:/win\\back.jpg"), TestJpeg(QSize(4, 4), Qt::red)},
                  {QStringLiteral(".."), TestJpeg(QSize(4, 4), Qt::red)}});
    import();
    EXPECT_EQ(QDir(path(QStringLiteral("bmp"))).entryList(QDir::Files),
              (QStringList{QStringLiteral("back.bmp"), QStringLiteral("escape.bmp"), QStringLiteral("root.bmp")}));
    EXPECT_FALSE(QFileInfo::exists(root.filePath(QStringLiteral("../escape.jpg"))));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("escape.jpg"))));
    EXPECT_EQ(BareMemberName(QStringLiteral("C:x.jpg")), QStringLiteral("x.jpg"));
    EXPECT_EQ(BareMemberName(QStringLiteral("a/.")), QString());
}

TEST_F(SkinImportTest, AMemberThatIsNoJpegStopsTheImportAndKeepsWhatWasConverted)
{
    WriteTestZip(path(QStringLiteral("skins/standard.skin")),
                 {{QStringLiteral("a_first.jpg"), TestJpeg(QSize(4, 4), Qt::red)},
                  {QStringLiteral("b_broken.jpg"), QByteArray("this is text")},
                  {QStringLiteral("c_last.jpg"), TestJpeg(QSize(4, 4), Qt::red)}});
    try {
        import();
        FAIL() << "no error";
    } catch (const VelmoraError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("JPEG-Fehler #53"));
    }
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("bmp/a_first.bmp"))));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("bmp/c_last.bmp"))));
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("temp/c_last.jpg")))) << "the rest waits for the next clearing";
}

TEST_F(SkinImportTest, AMissingArchiveChangesNothingAndABrokenOneIsAFileError)
{
    import();
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("bmp"))));

    writeWholeFile(path(QStringLiteral("skins/standard.skin")), "not a zip archive");
    try {
        import();
        FAIL() << "no error";
    } catch (const VelmoraError &error) {
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("Datei %1 kann nicht geöffnet werden. ")
                                                   .arg(path(QStringLiteral("skins/standard.skin")))));
    }
}
