#include "core/ZephFileList.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

class ListFilesTest : public ::testing::Test
{
protected:
    QString path(const QString &relative) const { return root.path() + u'/' + relative; }
    void file(const QString &relative) { writeWholeFile(path(relative), "x"); }

    QTemporaryDir root;
};

TEST_F(ListFilesTest, OwnFilesFirstThenEachSubFolderDepthFirst)
{
    file(QStringLiteral("x/y/c.mp3"));
    file(QStringLiteral("x/b.mp3"));
    file(QStringLiteral("z/d.mp3"));
    file(QStringLiteral("B.txt"));
    file(QStringLiteral("a.mp3"));
    QDir().mkpath(path(QStringLiteral("empty")));

    const QStringList expected{path(QStringLiteral("a.mp3")), path(QStringLiteral("B.txt")),
                               path(QStringLiteral("x/b.mp3")), path(QStringLiteral("x/y/c.mp3")),
                               path(QStringLiteral("z/d.mp3"))};
    EXPECT_EQ(ListFiles(root.path()), expected);
    // A folder given with a trailing separator gives the same paths, not doubled separators.
    EXPECT_EQ(ListFiles(root.path() + u'/'), expected);
}

TEST_F(ListFilesTest, DotFoldersAreSkippedButDotFilesAndNamesWithoutDotAreListed)
{
    file(QStringLiteral(".hidden/secret.mp3"));
    file(QStringLiteral(".profile"));
    file(QStringLiteral("README"));

    EXPECT_EQ(ListFiles(root.path()),
              (QStringList{path(QStringLiteral(".profile")), path(QStringLiteral("README"))}));
}

TEST_F(ListFilesTest, LinksToFoldersAreNotFollowedButLinksToFilesAreListed)
{
    file(QStringLiteral("sub/a.mp3"));
    ASSERT_EQ(::symlink(QFile::encodeName(root.path()).constData(),
                        QFile::encodeName(path(QStringLiteral("sub/loop"))).constData()),
              0);
    ASSERT_EQ(::symlink("a.mp3", QFile::encodeName(path(QStringLiteral("sub/link.mp3"))).constData()), 0);
    ASSERT_EQ(::symlink("nowhere", QFile::encodeName(path(QStringLiteral("sub/dangling"))).constData()), 0);

    EXPECT_EQ(ListFiles(root.path()),
              (QStringList{path(QStringLiteral("sub/a.mp3")), path(QStringLiteral("sub/dangling")),
                           path(QStringLiteral("sub/link.mp3"))}));
}

TEST_F(ListFilesTest, MissingFolderGivesEmptyListAndStillLetsMessagesThroughOnce)
{
    CountingEventPort events;
    EXPECT_TRUE(ListFiles(path(QStringLiteral("missing")), &events).isEmpty());
    EXPECT_EQ(events.calls, 1);

    file(QStringLiteral("a/b/c/d.mp3"));
    EXPECT_EQ(ListFiles(root.path(), &events).size(), 1);
    EXPECT_EQ(events.calls, 2); // once per search, not once per folder
}

TEST_F(ListFilesTest, UnreadableSubFolderAddsNothingAndTheSearchGoesOn)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every folder";
    file(QStringLiteral("a/locked.mp3"));
    file(QStringLiteral("b/open.mp3"));
    QFile::setPermissions(path(QStringLiteral("a")), QFileDevice::Permissions());
    const QStringList files = ListFiles(root.path());
    QFile::setPermissions(path(QStringLiteral("a")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(files, QStringList{path(QStringLiteral("b/open.mp3"))});
}

} // namespace
