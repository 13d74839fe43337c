#include "pictures/set_archive.h"
#include "pictures/set_archive_builder.h"
#include "pictures/set_fixture.h"
#include "pictures/zip_archive.h"
#include "support/error_of.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <sys/stat.h>
#include <zip.h>

namespace fs = fields::sets;
namespace fb = fields::bilder;

namespace {

class SetArchiveTest : public SetFixture
{
protected:
    // A set with pictures data3.img and data7.img (places 2 and 5, ratings 4 and 2, one with a
    // text), unlocked, text group 2; its files exist.
    int makeExportableSet()
    {
        const int setId = addSet(QStringLiteral("Testset"), 3, QStringLiteral("Mia"));
        TRecordTable &sets = data().SetsTable;
        sets.Edit();
        sets.FieldByName(fs::Autor).SetAsString(QStringLiteral("Anna"));
        sets.FieldByName(fs::TextGruppeID).SetAsInteger(2);
        sets.FieldByName(fs::Freigespielt).SetAsBoolean(true);
        sets.Post();
        addPictureRecord(setId, 2, QStringLiteral("data3.img"), 4, true);
        addPictureRecord(setId, 5, QStringLiteral("data7.img"), 2);
        data().BilderTable.Edit();
        data().BilderTable.FieldByName(fb::Text).SetAsString(QStringLiteral("Am Strand, %s"));
        data().BilderTable.Post();
        writeFile(QStringLiteral("db/sets/data3.img"), jpeg(3));
        writeFile(QStringLiteral("db/sets/data7.img"), jpeg(7));
        return setId;
    }
    QString exportTestSet()
    {
        const int setId = makeExportableSet();
        // Another set and its picture must stay out of the archive, whatever the view.
        addSet(QStringLiteral("Fremd"));
        addPictureRecord(setId + 1, 1, QStringLiteral("data0.img"));
        writeFile(QStringLiteral("db/sets/data0.img"), jpeg(0));
        data().SetsTable.Locate(QString(fs::ID), setId);
        const QString archive = m_folder.path() + QStringLiteral("/out/test.set");
        QDir().mkpath(QFileInfo(archive).absolutePath());
        EXPECT_TRUE(data().ExportSetArchive(archive));
        return archive;
    }
    QStringList entriesOf(const QString &archivePath)
    {
        TZipReader archive(archivePath);
        QStringList names;
        for (qint64 i = 0; i < archive.Count(); ++i)
            names << archive.Stat(i).name;
        return names;
    }
    // Every file below the test's own temporary folder, apart from temp/, with its size.
    QStringList filesOutsideTemp()
    {
        QStringList files;
        QDirIterator it(m_folder.path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (!path.startsWith(folders().temp + u'/'))
                files << path + u' ' + QString::number(QFileInfo(path).size());
        }
        files.sort();
        return files;
    }
};

TEST_F(SetArchiveTest, Export_HoldsExactlyTheSetItsPicturesAndTheTwoTablesAtTheTopLevel)
{
    const QString archive = exportTestSet();
    EXPECT_EQ(entriesOf(archive), (QStringList{QStringLiteral("data3.img"), QStringLiteral("data7.img"),
                                               QStringLiteral("bilder.tmp"), QStringLiteral("sets.tmp")}));
    zip_t *zip = zip_open(QFile::encodeName(archive).constData(), ZIP_RDONLY, nullptr);
    ASSERT_NE(zip, nullptr);
    zip_stat_t stat;
    zip_stat(zip, "data3.img", 0, &stat);
    EXPECT_EQ(stat.comp_method, ZIP_CM_STORE); // a JPEG does not shrink
    zip_stat(zip, "bilder.tmp", 0, &stat);
    EXPECT_EQ(stat.comp_method, ZIP_CM_DEFLATE);
    EXPECT_LT(stat.comp_size, stat.size);
    zip_discard(zip);

    // A file to share: the permissions of any new file, not those of a private scratch file.
    struct stat status;
    ASSERT_EQ(::stat(QFile::encodeName(archive).constData(), &status), 0);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(status.st_mode & 0777, 0666 & ~mask);

    // Nothing is left beside the archive or in temp/.
    EXPECT_EQ(QDir(QFileInfo(archive).absolutePath()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("test.set")});
    EXPECT_TRUE(QDir(folders().temp).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_EQ(data().SetsTable.FieldByName(fs::Name).AsString(), QStringLiteral("Testset"));
}

TEST_F(SetArchiveTest, Export_OpensWithStandardZipReadersToTheSameBytes)
{
    const QString archive = exportTestSet();
    const QString unzip = QStandardPaths::findExecutable(QStringLiteral("unzip"));
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (unzip.isEmpty() || python.isEmpty())
        GTEST_SKIP() << "unzip or python3 missing";

    QProcess list;
    list.start(unzip, {QStringLiteral("-l"), archive});
    ASSERT_TRUE(list.waitForFinished());
    EXPECT_EQ(list.exitCode(), 0);
    const QString listing = QString::fromUtf8(list.readAllStandardOutput());
    for (const char *name : {"data3.img", "data7.img", "bilder.tmp", "sets.tmp"})
        EXPECT_TRUE(listing.contains(QLatin1String(name))) << name;

    QProcess extract;
    extract.start(unzip, {QStringLiteral("-p"), archive, QStringLiteral("data7.img")});
    ASSERT_TRUE(extract.waitForFinished());
    EXPECT_EQ(extract.readAllStandardOutput(), readWholeFile(dbSets(QStringLiteral("data7.img"))));

    const QString script = QStringLiteral(
        "import sys, zipfile\n"
        "z = zipfile.ZipFile(sys.argv[1])\n"
        "assert z.testzip() is None\n"
        "assert z.read('data3.img') == open(sys.argv[2], 'rb').read()\n"
        "print(' '.join(z.namelist()))\n");
    QProcess py;
    py.start(python, {QStringLiteral("-c"), script, archive, dbSets(QStringLiteral("data3.img"))});
    ASSERT_TRUE(py.waitForFinished());
    EXPECT_EQ(py.exitCode(), 0) << py.readAllStandardError().toStdString();
    EXPECT_EQ(py.readAllStandardOutput().trimmed(), QByteArrayLiteral("data3.img data7.img bilder.tmp sets.tmp"));
}

TEST_F(SetArchiveTest, RoundTrip_IntoAFreshInstallationGivesNewNamesAndIdsAndArrivesLocked)
{
    const QString archive = exportTestSet();
    const QByteArray picture3 = readWholeFile(dbSets(QStringLiteral("data3.img")));

    SetInstallation fresh;
    for (int k = 0; k <= 3; ++k)
        fresh.writeFile(QStringLiteral("db/sets/data%1.img").arg(k), jpeg(10 + k));
    fresh.addSet(QStringLiteral("Schon da"));
    // A screen's filter would hide the locked new set: the import shows it all the same.
    fresh.data().SetsTable.SetFilter(QStringLiteral("(Freigespielt)"));
    fresh.data().SetsTable.SetFiltered(true);
    EXPECT_TRUE(fresh.data().ImportSetArchive(archive).isEmpty());

    TRecordTable &sets = fresh.data().SetsTable;
    EXPECT_EQ(sets.FieldByName(fs::Name).AsString(), QStringLiteral("Testset"));
    EXPECT_EQ(sets.FieldByName(fs::ID).AsInteger(), 1);
    EXPECT_EQ(sets.FieldByName(fs::Autor).AsString(), QStringLiteral("Anna"));
    EXPECT_EQ(sets.FieldByName(fs::GirlName).AsString(), QStringLiteral("Mia"));
    EXPECT_EQ(sets.FieldByName(fs::Wertung).AsInteger(), 3);
    EXPECT_EQ(sets.FieldByName(fs::TextGruppeID).AsInteger(), 2); // a bare number
    EXPECT_TRUE(sets.FieldByName(fs::Freispielbar).AsBoolean());
    EXPECT_FALSE(sets.FieldByName(fs::Freigespielt).AsBoolean());
    EXPECT_EQ(fresh.picturesOfCurrentSet(),
              (QStringList{QStringLiteral("data4.img data3.img 2 4 0 "), QStringLiteral("data5.img data7.img 5 2 0 Am Strand, %s")}));
    EXPECT_EQ(readWholeFile(fresh.dbSets(QStringLiteral("data4.img"))), picture3);
    // The change is on disk at once.
    EXPECT_EQ(recordsOf(fresh.folders().db + QStringLiteral("/sets.dat"), {QString(fs::Name)}),
              (QStringList{QStringLiteral("Name=Schon da"), QStringLiteral("Name=Testset")}));
}

TEST_F(SetArchiveTest, RoundTrip_AnEmptySetAndTheSameArchiveTwice)
{
    addSet(QStringLiteral("Leer"));
    const QString empty = m_folder.path() + QStringLiteral("/leer.set");
    ASSERT_TRUE(data().ExportSetArchive(empty));
    EXPECT_TRUE(data().ImportSetArchive(empty).isEmpty());
    EXPECT_EQ(data().SetsTable.RecordCount(), 2);
    EXPECT_TRUE(picturesOfCurrentSet().isEmpty());

    const QString archive = exportTestSet();
    data().ImportSetArchive(archive);
    const int first = data().SetsTable.FieldByName(fs::ID).AsInteger();
    const QStringList firstPictures = picturesOfCurrentSet();
    data().ImportSetArchive(archive);
    EXPECT_NE(data().SetsTable.FieldByName(fs::ID).AsInteger(), first);
    const QStringList secondPictures = picturesOfCurrentSet();
    ASSERT_EQ(firstPictures.size(), 2);
    ASSERT_EQ(secondPictures.size(), 2);
    EXPECT_NE(firstPictures.first().section(u' ', 0, 0), secondPictures.first().section(u' ', 0, 0));
    EXPECT_EQ(setFiles().size(), 3 + 4);
}

TEST_F(SetArchiveTest, Export_WithoutASetOrToAnUnwritablePlaceKeepsTheOldFile)
{
    const QString target = writeFile(QStringLiteral("alt.set"), "old archive");
    EXPECT_FALSE(data().ExportSetArchive(target));
    EXPECT_EQ(m_dialogs.messages, QStringList{QStringLiteral("Export nicht korrekt!")});
    EXPECT_EQ(data().SetsTable.RecordCount(), 0);
    EXPECT_EQ(readWholeFile(target), QByteArrayLiteral("old archive"));

    addSet(QStringLiteral("Set"));
    const QString nowhere = m_folder.path() + QStringLiteral("/fehlt/x.set");
    EXPECT_TRUE(errorOf([&] { data().ExportSetArchive(nowhere); })
                    .startsWith(QStringLiteral("Datei \"%1\" kann nicht erstellt werden.").arg(nowhere)));
    ASSERT_TRUE(data().ExportSetArchive(target));
    EXPECT_EQ(entriesOf(target), (QStringList{QStringLiteral("bilder.tmp"), QStringLiteral("sets.tmp")}));
}

struct HostileCase
{
    const char *what;
    std::function<void(const QString &path)> make;
};

TEST_F(SetArchiveTest, HostileArchives_AreRefusedWholeAndChangeNothingOutsideTemp)
{
    const QByteArray picture = jpeg(1);
    const auto withMember = [picture](const QByteArray &name) {
        return [picture, name](const QString &path) {
            QList<TRawMember> members = soundMembers({{QStringLiteral("data0.img"), picture}});
            members.prepend(TRawMember{name, "evil"});
            writeRawZip(path, members);
        };
    };
    const auto without = [picture](const QByteArray &table) {
        return [picture, table](const QString &path) {
            QList<TRawMember> members = soundMembers({{QStringLiteral("data0.img"), picture}});
            members.removeIf([&](const TRawMember &m) { return m.name == table; });
            writeRawZip(path, members);
        };
    };
    const std::vector<HostileCase> cases = {
        {"../x", withMember("../evil.txt")},
        {"/abs", withMember("/tmp/velmora-evil.txt")},
        {"a/b", withMember("sub/evil.txt")},
        {"..\\x", withMember("..\\evil.txt")},
        {"drive prefix", withMember("C:evil.txt")},
        {"empty name", withMember("")},
        {"..", withMember("..")},
        {"a table file twice",
         [picture](const QString &path) {
             QList<TRawMember> members = soundMembers({{QStringLiteral("data0.img"), picture}});
             members << TRawMember{"sets.tmX", members.last().bytes, true};
             writeRawZip(path, members);
             patchFile(path, "sets.tmX", "sets.tmp");
         }},
        {"no sets.tmp", without("sets.tmp")},
        {"no bilder.tmp", without("bilder.tmp")},
        {"sets.tmp not a table",
         [picture](const QString &path) {
             QList<TRawMember> members = soundMembers({{QStringLiteral("data0.img"), picture}});
             members.last().bytes = "TPF0 and then nonsense";
             writeRawZip(path, members);
         }},
        {"sets.tmp without a set",
         [picture](const QString &path) {
             QList<TRawMember> members = soundMembers({{QStringLiteral("data0.img"), picture}});
             members.last().bytes = setsTableFile({});
             writeRawZip(path, members);
         }},
        {"a member claiming more than 64 MiB",
         [picture](const QString &path) {
             writeRawZip(path, soundMembers({{QStringLiteral("data0.img"), picture}}));
             patchClaimedSize(path, "data0.img", (64u << 20) + 1);
         }},
        {"a member inflating beyond what it claims and beyond 64 MiB",
         [](const QString &path) {
             QList<TRawMember> members = soundMembers({});
             members.prepend(TRawMember{"data0.img", QByteArray((64 << 20) + 4096, '\0'), true});
             writeRawZip(path, members);
             patchClaimedSize(path, "data0.img", 1000);
         }},
        {"a CRC error",
         [picture](const QString &path) {
             writeRawZip(path, soundMembers({{QStringLiteral("data0.img"), picture}}));
             patchFile(path, picture.mid(200, 8), QByteArray(8, 'x'));
         }},
        {"a truncated archive",
         [picture](const QString &path) {
             writeRawZip(path, soundMembers({{QStringLiteral("data0.img"), picture}}));
             writeWholeFile(path, readWholeFile(path).chopped(40));
         }},
        {"a text file named .set",
         [](const QString &path) { writeWholeFile(path, "Das ist kein Archiv.\r\n"); }},
        {"more than 5000 entries",
         [](const QString &path) {
             QList<TRawMember> members = soundMembers({});
             for (int i = 0; i < 5000; ++i)
                 members << TRawMember{"x" + QByteArray::number(i), "x"};
             writeRawZip(path, members);
         }},
    };

    const int setId = addSet(QStringLiteral("Vorhanden"));
    addPictureRecord(setId, 1, QStringLiteral("data0.img"));
    writeFile(QStringLiteral("db/sets/data0.img"), jpeg(0));
    data().SaveSetTables();
    for (const HostileCase &hostile : cases) {
        SCOPED_TRACE(hostile.what);
        const QString archive = folders().program + QStringLiteral("/downloads/hostile.set");
        QDir().mkpath(QFileInfo(archive).absolutePath());
        hostile.make(archive);
        const QStringList before = filesOutsideTemp();
        EXPECT_FALSE(errorOf([&] { data().ImportSetArchive(archive); }).isEmpty());
        EXPECT_EQ(filesOutsideTemp(), before);
        EXPECT_EQ(data().SetsTable.RecordCount(), 1);
        EXPECT_EQ(data().BilderTable.RecordCount(), 1);
        EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/tmp/velmora-evil.txt")));
        qint64 tempBytes = 0;
        for (const QFileInfo &file : QDir(folders().temp).entryInfoList(QDir::Files | QDir::Hidden))
            tempBytes += file.size();
        EXPECT_LE(tempBytes, setarchive::MaxEntryBytes);
        QFile::remove(archive);
    }
}

TEST_F(SetArchiveTest, Import_ClampsForeignValuesAndSkipsPicturesItCannotTake)
{
    const QString archive = m_folder.path() + QStringLiteral("/werte.set");
    QList<TRawMember> members = {{"a.jpg", jpeg(1)}, {"b.jpg", jpeg(2)}, {"c.png", "\x89PNG\r\n\x1a\n not a jpeg"}};
    members << TRawMember{"bilder.tmp",
                          bilderTableFile({
                              {{QStringLiteral("Bild"), QStringLiteral("a.jpg")}, {QStringLiteral("Wertung"), 0}, {QStringLiteral("NrInSet"), -20}},
                              {{QStringLiteral("Bild"), QStringLiteral("b.jpg")}, {QStringLiteral("Wertung"), 65535}, {QStringLiteral("NrInSet"), 3}},
                              {{QStringLiteral("Bild"), QStringLiteral("c.png")}},
                              {{QStringLiteral("Bild"), QStringLiteral("../../x")}},
                              {{QStringLiteral("Bild"), QStringLiteral("fehlt.jpg")}},
                              {{QStringLiteral("Bild"), QStringLiteral("sets.tmp")}},
                              {{QStringLiteral("Bild"), QStringLiteral("a.jpg")}},
                          })};
    members << TRawMember{"sets.tmp",
                          setsTableFile({{{QStringLiteral("Name"), QString(30, u'N')},
                                          {QStringLiteral("Wertung"), 0},
                                          {QStringLiteral("TextGruppeID"), -3},
                                          {QStringLiteral("Editierbar"), true},
                                          {QStringLiteral("Freigespielt"), true}}})};
    writeRawZip(archive, members);

    const QStringList skipped = data().ImportSetArchive(archive);
    EXPECT_EQ(skipped.size(), 5);
    EXPECT_TRUE(skipped.at(0).contains(QStringLiteral("c.png")) && skipped.at(0).contains(QStringLiteral("JPEG-Fehler #")));
    TRecordTable &sets = data().SetsTable;
    EXPECT_EQ(sets.FieldByName(fs::Wertung).AsInteger(), 1);
    EXPECT_EQ(sets.FieldByName(fs::TextGruppeID).AsInteger(), -3);
    EXPECT_TRUE(sets.FieldByName(fs::Editierbar).AsBoolean());
    EXPECT_FALSE(sets.FieldByName(fs::Freigespielt).AsBoolean());
    EXPECT_EQ(picturesOfCurrentSet(),
              (QStringList{QStringLiteral("data0.img a.jpg 1 1 0 "), QStringLiteral("data1.img b.jpg 3 5 0 ")}));
    EXPECT_EQ(setFiles(), (QStringList{QStringLiteral("data0.img"), QStringLiteral("data1.img")}));
    EXPECT_FALSE(QFileInfo::exists(m_folder.path() + QStringLiteral("/x")));
}

TEST_F(SetArchiveTest, ReadSetArchive_CutsTextsToTheirFieldSizes)
{
    const QString archive = m_folder.path() + QStringLiteral("/lang.set");
    TRecordTable wide;
    // A table file may declare wider fields than the program's own.
    wide.AddField(QStringLiteral("Name"), TFieldType::String, 200);
    wide.AddField(QStringLiteral("Autor"), TFieldType::Memo);
    wide.Open();
    wide.Append();
    wide.FieldByName(QStringLiteral("Name")).SetAsString(QString(200, u'n'));
    wide.FieldByName(QStringLiteral("Autor")).SetAsString(QString(500, u'a'));
    wide.Post();
    wide.SaveToFile(m_folder.path() + QStringLiteral("/wide.tmp"));
    writeRawZip(archive, {{"bilder.tmp", bilderTableFile({})}, {"sets.tmp", readWholeFile(m_folder.path() + QStringLiteral("/wide.tmp"))}});
    QDir().mkpath(m_folder.path() + QStringLiteral("/x"));
    const TSetArchiveContent content = ReadSetArchive(archive, m_folder.path() + QStringLiteral("/x"));
    EXPECT_EQ(content.set.name.size(), 30);
    EXPECT_EQ(content.set.autor.size(), 60);
}

TEST_F(SetArchiveTest, GoldenArchives_ImportOrAreRefusedAsTheirNamesSay)
{
    const QDir golden(QStringLiteral(VELMORA_GOLDEN_SET_ARCHIVES));
    const QStringList archives = golden.entryList({QStringLiteral("*.set")}, QDir::Files, QDir::Name);
    ASSERT_EQ(archives.size(), 12);
    for (const QString &name : archives) {
        SCOPED_TRACE(name.toStdString());
        const int setsBefore = data().SetsTable.RecordCount();
        QStringList skipped;
        const QString error = errorOf([&] { skipped = data().ImportSetArchive(golden.filePath(name)); });
        if (name.startsWith(QStringLiteral("refused-"))) {
            EXPECT_FALSE(error.isEmpty());
            EXPECT_EQ(data().SetsTable.RecordCount(), setsBefore);
            continue;
        }
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        EXPECT_EQ(data().SetsTable.FieldByName(fs::Name).AsString(), QStringLiteral("Goldenes Set"));
        if (name == QStringLiteral("good.set")) {
            EXPECT_TRUE(skipped.isEmpty());
            EXPECT_EQ(data().SetsTable.FieldByName(fs::TextGruppeID).AsInteger(), 2);
            EXPECT_EQ(data().SetsTable.FieldByName(fs::GirlName).AsString(), QStringLiteral("Mia"));
            EXPECT_EQ(picturesOfCurrentSet(), (QStringList{QStringLiteral("data0.img strand.jpg 1 3 0 Am Strand mit %s"),
                                                           QStringLiteral("data1.img duene.jpg 2 5 0 ")}));
        } else {
            EXPECT_EQ(skipped.size(), 1);
            EXPECT_EQ(picturesOfCurrentSet().size(), 1);
        }
    }
}

TEST_F(SetArchiveTest, ImportArchiveFolder_MovesGoodArchivesToImportedAndLeavesFailingOnes)
{
    const QString good = exportTestSet();
    const QByteArray goodBytes = readWholeFile(good);
    writeFile(QStringLiteral("sets/a.set"), goodBytes);
    writeFile(QStringLiteral("sets/kaputt.set"), "kein Archiv");
    writeFile(QStringLiteral("sets/sub/a.set"), goodBytes);
    writeFile(QStringLiteral("imported/a.set"), "an earlier copy");
    const int setsBefore = data().SetsTable.RecordCount();

    const QStringList report = data().ImportArchiveFolder(folders().sets);
    ASSERT_EQ(report.size(), 1);
    EXPECT_TRUE(report.first().startsWith(QStringLiteral("kaputt.set: Datei ")));
    EXPECT_EQ(QDir(folders().sets).entryList(QDir::Files), QStringList{QStringLiteral("kaputt.set")});
    EXPECT_FALSE(QFileInfo::exists(folders().sets + QStringLiteral("/sub/a.set")));
    EXPECT_EQ(readWholeFile(folders().imported + QStringLiteral("/a.set")), QByteArrayLiteral("an earlier copy"));
    EXPECT_EQ(data().SetsTable.RecordCount(), setsBefore + 2);
    EXPECT_FALSE(data().SetsTable.FieldByName(fs::Editierbar).AsBoolean());

    // The copies hold only their own set, and a reset imports them again under their own names.
    for (const char *copy : {"/a-2.set", "/a-3.set"})
        EXPECT_EQ(entriesOf(folders().imported + QLatin1String(copy)).size(), 4) << copy;
    QFile::remove(folders().imported + QStringLiteral("/a.set"));
    EXPECT_TRUE(data().ImportArchiveFolder(folders().imported).isEmpty());
    EXPECT_EQ(QDir(folders().imported).entryList(QDir::Files),
              (QStringList{QStringLiteral("a-2.set"), QStringLiteral("a-3.set")}));
    EXPECT_EQ(data().SetsTable.RecordCount(), setsBefore + 4);
}

TEST_F(SetArchiveTest, ImportArchiveFolder_AFailedCopyKeepsTheSourceAndAddsNoSet)
{
    writeFile(QStringLiteral("sets/a.set"), readWholeFile(exportTestSet()));
    writeFile(QStringLiteral("imported"), "a file where the folder belongs");
    const int setsBefore = data().SetsTable.RecordCount();
    const int picturesBefore = data().BilderTable.RecordCount();
    const QStringList filesBefore = setFiles();

    const QStringList report = data().ImportArchiveFolder(folders().sets);
    ASSERT_EQ(report.size(), 1);
    EXPECT_TRUE(QFileInfo::exists(folders().sets + QStringLiteral("/a.set")));
    EXPECT_EQ(data().SetsTable.RecordCount(), setsBefore);
    EXPECT_EQ(data().BilderTable.RecordCount(), picturesBefore);
    EXPECT_EQ(setFiles(), filesBefore);
}

} // namespace
