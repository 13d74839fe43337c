#include "data/progress_installation.h"

#include "data/table_fields.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Points the user's config folder into the test's own folder for as long as it lives; the child
// process inherits it.
class ConfigHomeGuard
{
public:
    explicit ConfigHomeGuard(const QString &folder) : m_saved(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder + QStringLiteral("/config")));
    }
    ~ConfigHomeGuard() { qputenv("XDG_CONFIG_HOME", m_saved); }

private:
    QByteArray m_saved;
};

// One field of the records of a table file, in file order.
QList<QVariant> column(const QString &file, const QString &field)
{
    TRecordTable table;
    table.LoadFromFile(file);
    QList<QVariant> values;
    for (table.First(); !table.Eof(); table.Next())
        values << table.FieldByName(field).AsVariant();
    return values;
}

// Runs the program side up to the step, kills it with SIGKILL once it is there.
void runAndKill(const QString &folder, const char *lastStep)
{
    QProcess child;
    child.start(QStringLiteral(VELMORA_PROGRESS_CHILD), {folder, QString::fromLatin1(lastStep)});
    ASSERT_TRUE(child.waitForStarted(20000));
    QByteArray said;
    while (!said.contains("ready") && child.state() == QProcess::Running) {
        child.waitForReadyRead(1000);
        said += child.readAllStandardOutput();
    }
    ASSERT_TRUE(said.contains("ready")) << child.readAllStandardError().toStdString();
    child.kill(); // SIGKILL: no destructor, no shutdown, nothing flushed by the program itself
    ASSERT_TRUE(child.waitForFinished(20000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
}

} // namespace

TEST(ProgressSave, KilledRightAfterAStepTheNextStartFindsWhatItChanged)
{
    struct Expected
    {
        const char *lastStep;
        QString points;
        bool bought;
        QString klasse;
    };
    for (const Expected &expected : {Expected{"evaluate", QStringLiteral("500"), false, QStringLiteral("B")},
                                     Expected{"purchase", QStringLiteral("378"), true, QStringLiteral("B")},
                                     Expected{"class", QStringLiteral("378"), true, QStringLiteral("C")}}) {
        SCOPED_TRACE(expected.lastStep);
        QTemporaryDir folder;
        ConfigHomeGuard config(folder.path());
        WriteProgressInstallation(folder.path());
        runAndKill(folder.path(), expected.lastStep);

        TStoredUserValues stored(folder.path() + QStringLiteral("/velmora"));
        stored.Restore();
        EXPECT_EQ(stored.pimpPoints, expected.points);
        EXPECT_EQ(stored.licenceClass, expected.klasse);
        const QString db = folder.path() + QStringLiteral("/db/");
        EXPECT_EQ(column(db + QStringLiteral("fragen.dat"), fields::fragen::Bearbeitet), (QList<QVariant>{1, 1}));
        EXPECT_EQ(column(db + QStringLiteral("fragen.dat"), fields::fragen::Falsch), (QList<QVariant>{-1, -1}));
        EXPECT_EQ(column(db + QStringLiteral("frageboegen.dat"), fields::frageboegen::Fehlerlos), QList<QVariant>{1});
        EXPECT_EQ(column(db + QStringLiteral("sets.dat"), fields::sets::Freigespielt),
                  (QList<QVariant>{expected.bought, expected.bought}));
        EXPECT_EQ(column(db + QStringLiteral("bilder.dat"), fields::bilder::Freigespielt),
                  QList<QVariant>{expected.bought});
    }
}

TEST(ProgressSave, WritesEveryRecordAndLeavesTheFilterOfAScreen)
{
    QTemporaryDir folder;
    ConfigHomeGuard config(folder.path());
    WriteProgressInstallation(folder.path());
    TProgressProgram program(folder.path());
    program.module->SetPimpPoints(1000);
    TRecordTable &sets = program.module->SetsTable;
    sets.SetFilter(QStringLiteral("Name = 'Kauf'"));
    sets.SetFiltered(true);
    ASSERT_TRUE(program.module->BuySet());
    EXPECT_TRUE(sets.Filtered());
    EXPECT_EQ(sets.RecordCount(), 1);
    EXPECT_EQ(column(folder.path() + QStringLiteral("/db/sets.dat"), fields::sets::Freigespielt),
              (QList<QVariant>{true, false}));
}

TEST(ProgressSave, AFailedSaveIsReportedAndTheProgressStaysForTheNextSave)
{
    QTemporaryDir folder;
    ConfigHomeGuard config(folder.path());
    WriteProgressInstallation(folder.path());
    FakeDialogPort dialogs;
    TProgressProgram program(folder.path(), &dialogs);
    const QString db = folder.path() + QStringLiteral("/db");
    ASSERT_TRUE(QDir().rename(db, db + QStringLiteral(".away")));
    writeWholeFile(db, "not a folder");

    program.EvaluateFaultlessQuestionnaire();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith(QStringLiteral("Der Fortschritt konnte nicht gespeichert werden:")));
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("fragen.dat")));
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("frageboegen.dat")));
    EXPECT_EQ(program.stored.pimpPoints, QStringLiteral("500")); // the points file could be written

    ASSERT_TRUE(QFile::remove(db));
    ASSERT_TRUE(QDir().rename(db + QStringLiteral(".away"), db));
    EXPECT_TRUE(program.module->SaveProgress(TProgressTable::Fragen | TProgressTable::Frageboegen).isEmpty());
    EXPECT_EQ(column(db + QStringLiteral("/fragen.dat"), fields::fragen::Bearbeitet), (QList<QVariant>{1, 1}));
}

TEST(ProgressSave, NeverWritesValuesThatWereNotRestoredOrTablesThatWereNotLoaded)
{
    QTemporaryDir folder;
    ConfigHomeGuard config(folder.path());
    TStoredUserValues stored(folder.path() + QStringLiteral("/velmora"));
    ScriptedRandom random;
    TModulePorts ports;
    ports.random = &random;
    TMainDataModule module(stored, ports, folder.path());
    EXPECT_TRUE(module.SaveProgress(TProgressTable::Fragen | TProgressTable::Sets).isEmpty());
    EXPECT_FALSE(QFile::exists(stored.settingsFilePath()));
    EXPECT_FALSE(QFile::exists(folder.path() + QStringLiteral("/db")));
}
