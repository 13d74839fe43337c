#include "core/file_utils.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

TEST(MatchesFilePattern, StarDotStarMatchesEveryNameWithOrWithoutDot)
{
    for (const char *name : {"fragen.dat", "README", ".hidden", "a.b.c", "x."})
        EXPECT_TRUE(MatchesFilePattern(QString::fromLatin1(name), QStringLiteral("*.*"))) << name;
}

TEST(MatchesFilePattern, WildcardsAndCase)
{
    struct Case
    {
        const char *name, *pattern;
        bool matches;
    };
    const Case cases[] = {
        {"X.DAT", "*.dat", true},
        {"x.dat.bak", "*.dat", false},
        {"data1.img", "data?.img", true},
        {"data12.img", "data?.img", false},
        {"abc", "abc.*", true},
        {"abc.txt", "abc.*", true},
        {"abcd", "abc.*", false},
        {"sets.tmp", "*s.t*", true},
        {"GUI_Home.bmp", "gui_*.BMP", true},
        {"", "*", true},
        {"a", "", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MatchesFilePattern(QString::fromLatin1(c.name), QString::fromLatin1(c.pattern)), c.matches)
            << c.name << " against " << c.pattern;
}

class FileUtilsTest : public ::testing::Test
{
protected:
    QString path(const QString &relative) const { return root.path() + u'/' + relative; }
    void file(const QString &relative, const QByteArray &bytes = "x")
    {
        writeWholeFile(path(relative), bytes);
    }
    bool exists(const QString &relative) const { return QFileInfo::exists(path(relative)); }
    QByteArray read(const QString &relative) const { return readWholeFile(path(relative)); }

    QTemporaryDir root;
};

TEST_F(FileUtilsTest, CopyFiles_IntoFolderHoldingSameNames_ReplacesThemKeepsOthersAndCopiesSubFolders)
{
    file(QStringLiteral("mdl/fragen.dat"), "new questions");
    file(QStringLiteral("mdl/README"), "no dot");
    file(QStringLiteral("mdl/img/1.jpg"), "picture");
    file(QStringLiteral("mdl/img/deep/2.jpg"), "deeper");
    file(QStringLiteral("db/fragen.dat"), "old questions, longer than the new ones");
    file(QStringLiteral("db/only-here.dat"), "mine");
    file(QStringLiteral("db/img/3.jpg"), "mine too");

    EXPECT_TRUE(CopyFiles(path(QStringLiteral("mdl/*.*")), path(QStringLiteral("db"))));

    EXPECT_EQ(read(QStringLiteral("db/fragen.dat")), "new questions");
    EXPECT_EQ(read(QStringLiteral("db/README")), "no dot");
    EXPECT_EQ(read(QStringLiteral("db/img/1.jpg")), "picture");
    EXPECT_EQ(read(QStringLiteral("db/img/deep/2.jpg")), "deeper");
    EXPECT_EQ(read(QStringLiteral("db/only-here.dat")), "mine");
    EXPECT_EQ(read(QStringLiteral("db/img/3.jpg")), "mine too");
    EXPECT_EQ(read(QStringLiteral("mdl/fragen.dat")), "new questions"); // the source stays
}

TEST_F(FileUtilsTest, CopyFiles_CreatesMissingDestinationAndCopiesOnlyWhatMatches)
{
    file(QStringLiteral("src/a.dat"));
    file(QStringLiteral("src/b.txt"));
    file(QStringLiteral("src/folder.DAT/inner.txt"), "inside");

    EXPECT_TRUE(CopyFiles(path(QStringLiteral("src/*.dat")), path(QStringLiteral("new/deeper"))));

    EXPECT_TRUE(exists(QStringLiteral("new/deeper/a.dat")));
    EXPECT_FALSE(exists(QStringLiteral("new/deeper/b.txt")));
    EXPECT_EQ(read(QStringLiteral("new/deeper/folder.DAT/inner.txt")), "inside"); // a matching folder, whole
}

TEST_F(FileUtilsTest, CopyFiles_ReplacesReadOnlyFilesAndLeavesCopiesWritable)
{
    file(QStringLiteral("mdl/fragen.dat"), "delivery");
    file(QStringLiteral("db/fragen.dat"), "old");
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QFile::setPermissions(path(QStringLiteral("mdl/fragen.dat")), readOnly);
    QFile::setPermissions(path(QStringLiteral("db/fragen.dat")), readOnly);

    EXPECT_TRUE(CopyFiles(path(QStringLiteral("mdl/*.*")), path(QStringLiteral("db"))));

    EXPECT_EQ(read(QStringLiteral("db/fragen.dat")), "delivery");
    EXPECT_TRUE(QFile::permissions(path(QStringLiteral("db/fragen.dat"))) & QFileDevice::WriteOwner);
}

TEST_F(FileUtilsTest, CopyFiles_NeverWritesThroughALinkInTheDestination)
{
    file(QStringLiteral("mdl/fragen.dat"), "delivery");
    file(QStringLiteral("elsewhere.dat"), "not to be touched");
    QDir().mkpath(path(QStringLiteral("db")));
    ASSERT_EQ(::symlink(QFile::encodeName(path(QStringLiteral("elsewhere.dat"))).constData(),
                        QFile::encodeName(path(QStringLiteral("db/fragen.dat"))).constData()),
              0);

    EXPECT_TRUE(CopyFiles(path(QStringLiteral("mdl/*.*")), path(QStringLiteral("db"))));

    EXPECT_EQ(read(QStringLiteral("elsewhere.dat")), "not to be touched");
    EXPECT_FALSE(QFileInfo(path(QStringLiteral("db/fragen.dat"))).isSymLink());
    EXPECT_EQ(read(QStringLiteral("db/fragen.dat")), "delivery");
}

TEST_F(FileUtilsTest, CopyFiles_CopiesWhatLinksLeadToAndNeverMakesALink)
{
    const auto link = [this](const char *to, const char *at) {
        ASSERT_EQ(::symlink(QFile::encodeName(path(QLatin1String(to))).constData(),
                            QFile::encodeName(path(QLatin1String(at))).constData()),
                  0);
    };
    file(QStringLiteral("shared/img/1.jpg"), "picture");
    file(QStringLiteral("mdl/fragen.dat"), "delivery");
    link("shared/img", "mdl/img");
    link("nowhere", "mdl/dangling.dat");
    link("mdl", "mdl/img/back"); // leads round in a circle through the linked folder
    // A folder link in the destination is replaced, not written through.
    QDir().mkpath(path(QStringLiteral("db")));
    QDir().mkpath(path(QStringLiteral("outside")));
    link("outside", "db/img");

    EXPECT_FALSE(CopyFiles(path(QStringLiteral("mdl/*.*")), path(QStringLiteral("db"))));

    const QFileInfo copiedFolder(path(QStringLiteral("db/img")));
    EXPECT_TRUE(copiedFolder.isDir());
    EXPECT_FALSE(copiedFolder.isSymLink());
    EXPECT_EQ(read(QStringLiteral("db/img/1.jpg")), "picture");
    EXPECT_FALSE(exists(QStringLiteral("db/img/back")));
    EXPECT_FALSE(QFileInfo(path(QStringLiteral("db/dangling.dat"))).isSymLink());
    EXPECT_EQ(read(QStringLiteral("db/fragen.dat")), "delivery");
    EXPECT_TRUE(QDir(path(QStringLiteral("outside"))).isEmpty());

    // The copy is the user's own: changing it leaves the delivery alone.
    writeWholeFile(path(QStringLiteral("db/img/1.jpg")), "changed");
    EXPECT_EQ(read(QStringLiteral("shared/img/1.jpg")), "picture");
}

TEST_F(FileUtilsTest, CopyFiles_IntoOwnSubFolderEndsAndCopiesTheRest)
{
    file(QStringLiteral("a/one.dat"), "1");
    file(QStringLiteral("a/target/two.dat"), "2");

    EXPECT_FALSE(CopyFiles(path(QStringLiteral("a/*.*")), path(QStringLiteral("a/target"))));

    EXPECT_EQ(read(QStringLiteral("a/target/one.dat")), "1");
    EXPECT_FALSE(exists(QStringLiteral("a/target/target")));
}

TEST_F(FileUtilsTest, DeleteFiles_RemovesMatchingFilesAndFoldersWholeButNotTheFolderItself)
{
    file(QStringLiteral("temp/a.bmp"));
    file(QStringLiteral("temp/NOEXT"));
    file(QStringLiteral("temp/sub/deep/b.bmp"));
    file(QStringLiteral("keep/precious.dat"), "precious");
    ASSERT_EQ(::symlink(QFile::encodeName(path(QStringLiteral("keep"))).constData(),
                        QFile::encodeName(path(QStringLiteral("temp/link"))).constData()),
              0);

    EXPECT_TRUE(DeleteFiles(path(QStringLiteral("temp/*.*"))));

    EXPECT_TRUE(QDir(path(QStringLiteral("temp")))
                    .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("temp"))).isDir());
    EXPECT_EQ(read(QStringLiteral("keep/precious.dat")), "precious"); // a link is removed, not followed
}

TEST_F(FileUtilsTest, DeleteFiles_PatternLimitsWhatGoes)
{
    file(QStringLiteral("temp/a.TMP"));
    file(QStringLiteral("temp/b.dat"));

    EXPECT_TRUE(DeleteFiles(path(QStringLiteral("temp/*.tmp"))));
    EXPECT_TRUE(DeleteFiles(path(QStringLiteral("missing/*.*"))));

    EXPECT_FALSE(exists(QStringLiteral("temp/a.TMP")));
    EXPECT_TRUE(exists(QStringLiteral("temp/b.dat")));
}

TEST_F(FileUtilsTest, DeleteTree_WithSubFolder_EmptiesAllButKeepsTheFolders)
{
    file(QStringLiteral("temp/a.bmp"));
    file(QStringLiteral("temp/sub/b.bmp"));
    file(QStringLiteral("temp/sub/c"));
    CountingEventPort events;

    EXPECT_TRUE(DeleteTree(path(QStringLiteral("temp")), &events));

    EXPECT_FALSE(exists(QStringLiteral("temp/a.bmp")));
    EXPECT_FALSE(exists(QStringLiteral("temp/sub/b.bmp")));
    EXPECT_FALSE(exists(QStringLiteral("temp/sub/c")));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("temp/sub"))).isDir());
    EXPECT_EQ(events.calls, 1);
}

TEST_F(FileUtilsTest, DeleteTree_FilesOnlyRemovesTheFolderAndMissingFolderIsFine)
{
    file(QStringLiteral("temp/a.bmp"));
    file(QStringLiteral("temp/.b"));

    EXPECT_TRUE(DeleteTree(path(QStringLiteral("temp"))));
    EXPECT_FALSE(exists(QStringLiteral("temp")));

    EXPECT_TRUE(DeleteTree(path(QStringLiteral("temp"))));
}

} // namespace
