#include "pictures/set_archive_builder.h"
#include "pictures/set_fixture.h"
#include "support/run_tool.h"


namespace fs = fields::sets;

namespace {

TToolRun runTool(const QStringList &arguments)
{
    return ::runTool(QStringLiteral(VELMORA_SETS_TOOL), arguments);
}

class VelmoraSetsTool : public SetFixture
{
};

TEST_F(VelmoraSetsTool, PackMakesAnArchiveThatChecksAndImports)
{
    writeFile(QStringLiteral("neu/b.jpg"), jpeg(2));
    writeFile(QStringLiteral("neu/a.jpg"), jpeg(1, 64, 40));
    writeFile(QStringLiteral("neu/set.txt"),
              "# Ein Set zum Teilen\nName: Küstenlicht\nWertung: 4\nAutor: Anna\n"
              "Bild: b.jpg | 5 | Am Strand mit %s\nBild: a.jpg\n");
    const QString archive = m_folder.path() + QStringLiteral("/neu.set");
    const TToolRun packed = runTool({QStringLiteral("pack"), m_folder.path() + QStringLiteral("/neu"), archive});
    ASSERT_EQ(packed.exitCode, 0) << packed.err.toStdString();

    const TToolRun checked = runTool({QStringLiteral("check"), archive});
    EXPECT_EQ(checked.exitCode, 0);
    EXPECT_EQ(checked.out, QStringLiteral("OK: \"Küstenlicht\" mit 2 Bildern\n"));
    const TToolRun listed = runTool({QStringLiteral("list"), archive});
    EXPECT_TRUE(listed.out.contains(QStringLiteral("Wertung: 4\n")));
    EXPECT_TRUE(listed.out.contains(QStringLiteral("Platz 2  Wertung 1  %1 Bytes  64 x 40  a.jpg").arg(jpeg(1, 64, 40).size())));

    EXPECT_TRUE(data().ImportSetArchive(archive).isEmpty());
    EXPECT_EQ(data().SetsTable.FieldByName(fs::Name).AsString(), QStringLiteral("Küstenlicht"));
    EXPECT_EQ(picturesOfCurrentSet(), (QStringList{QStringLiteral("data0.img b.jpg 1 5 0 Am Strand mit %s"),
                                                   QStringLiteral("data1.img a.jpg 2 1 0 ")}));
}

TEST_F(VelmoraSetsTool, CheckAndPackRefuseWhatTheImportWouldNotTake)
{
    const QString archive = m_folder.path() + QStringLiteral("/x.set");
    QList<TRawMember> members = soundMembers({{QStringLiteral("data0.img"), "no picture"}});
    writeRawZip(archive, members);
    const TToolRun skipped = runTool({QStringLiteral("check"), archive});
    EXPECT_EQ(skipped.exitCode, 1);
    EXPECT_TRUE(skipped.err.contains(QStringLiteral("data0.img"))) << skipped.err.toStdString();

    members.prepend(TRawMember{"../x", "evil"});
    writeRawZip(archive, members);
    const TToolRun refused = runTool({QStringLiteral("check"), archive});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("\"../x\""))) << refused.err.toStdString();

    writeFile(QStringLiteral("falsch/set.txt"), "Name: X\nBild: bild.png\n");
    writeFile(QStringLiteral("falsch/bild.png"), "\x89PNG");
    const TToolRun notJpeg = runTool({QStringLiteral("pack"), m_folder.path() + QStringLiteral("/falsch"), archive});
    EXPECT_EQ(notJpeg.exitCode, 1);
    EXPECT_TRUE(notJpeg.err.contains(QStringLiteral("kein JPEG-Bild")));
    EXPECT_EQ(runTool({}).exitCode, 2);
}

} // namespace
