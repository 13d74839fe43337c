#include "core/stored_user_values.h"
#include "core/velmora_error.h"
#include "data/db_module.h"
#include "sound/fake_audio_backend.h"
#include "sound/music_engine.h"
#include "support/fakes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ExpectedField
{
    const char *name;
    TFieldType type;
    int size;
    int displayWidth;
};

constexpr auto AutoInc = TFieldType::AutoInc;
constexpr auto Integer = TFieldType::Integer;
constexpr auto Word = TFieldType::Word;
constexpr auto Boolean = TFieldType::Boolean;
constexpr auto String = TFieldType::String;
constexpr auto Memo = TFieldType::Memo;

class DataModuleTest : public ::testing::Test
{
protected:
    TMainDataModule &module()
    {
        if (!m_module)
            m_module = std::make_unique<TMainDataModule>(m_stored, m_ports, m_folder.path());
        return *m_module;
    }

    void writeVersionIni(const QByteArray &bytes) { writeWholeFile(m_folder.path() + QStringLiteral("/version.ini"), bytes); }

    QString readSettingsError()
    {
        try {
            module().ReadInstallationSettings();
        } catch (const VelmoraError &error) {
            return error.message();
        }
        return QString();
    }

    // Saves the table, loads the file into a fresh table and compares what came back with the list.
    void expectSchema(TRecordTable &table, const std::vector<ExpectedField> &expected)
    {
        const bool wasOpen = table.Active();
        if (!wasOpen)
            table.Open();
        const QString path = m_folder.path() + QStringLiteral("/schema.dat");
        table.SaveToFile(path);
        if (!wasOpen)
            table.Close();
        TRecordTable loaded;
        loaded.LoadFromFile(path);
        ASSERT_EQ(loaded.FieldCount(), int(expected.size())) << table.Name().toStdString();
        for (int i = 0; i < loaded.FieldCount(); ++i) {
            const TFieldDef &def = loaded.FieldDef(i);
            const ExpectedField &want = expected[size_t(i)];
            SCOPED_TRACE(table.Name().toStdString() + "." + want.name);
            EXPECT_EQ(def.name, QString::fromLatin1(want.name));
            EXPECT_EQ(def.type, want.type);
            EXPECT_EQ(def.size, want.size);
            EXPECT_EQ(def.displayWidth, want.displayWidth);
        }
        EXPECT_EQ(loaded.RecordCount(), 0);
    }

    QTemporaryDir m_folder;
    TStoredUserValues m_stored{QStringLiteral("/opt/velmora/velmora")};
    ScriptedRandom m_random;
    FakeDialogPort m_dialogs;
    TModulePorts m_ports{&m_dialogs, nullptr, nullptr, &m_random, nullptr};
    std::unique_ptr<TMainDataModule> m_module;
};

} // namespace

TEST_F(DataModuleTest, EveryTableHasItsSchema)
{
    TMainDataModule &m = module();
    std::vector<ExpectedField> fragen = {
        {"ID", AutoInc, 0, 10},       {"Klasse", String, 2, 2},          {"Fragebogen", Integer, 0, 10},
        {"NrInFragebogen", Integer, 0, 10}, {"Fehlerpunkte", Integer, 0, 10}, {"Fragetyp", Word, 0, 10},
        {"Frage", Memo, 0, 10},       {"Antwort1", Memo, 0, 10},         {"Antwort1kreuz", Boolean, 0, 6},
        {"Antwort2", Memo, 0, 10},    {"Antwort2kreuz", Boolean, 0, 6},  {"Antwort3", Memo, 0, 10},
        {"Antwort3kreuz", Boolean, 0, 6}, {"Falsch", Integer, 0, 10},    {"Bearbeitet", Integer, 0, 10},
        {"Bild", String, 20, 20},     {"Zusatzstoff", Boolean, 0, 6},
    };
    for (const char *flag : {"Klasse_A", "Klasse_A1", "Klasse_B", "Klasse_C", "Klasse_CE", "Klasse_C1", "Klasse_D",
                             "Klasse_D1", "Klasse_L", "Klasse_M", "Klasse_MO", "Klasse_T", "Klasse_S"})
        fragen.push_back({flag, Boolean, 0, 6});
    fragen.push_back({"Info", String, 240, 240});
    expectSchema(m.FragenTable, fragen);

    expectSchema(m.FrageboegenTable, {{"ID", AutoInc, 0, 10}, {"Klasse", String, 3, 3}, {"Nummer", Integer, 0, 10},
                                      {"Fragen", Memo, 0, 10}, {"Fehlerlos", Integer, 0, 10},
                                      {"Bestanden", Integer, 0, 10}, {"Durchgefallen", Integer, 0, 10}});
    expectSchema(m.TestTable, {{"ID", AutoInc, 0, 10}, {"FrageID", Integer, 0, 10}, {"Antwort1kreuz", Boolean, 0, 6},
                               {"Antwort2kreuz", Boolean, 0, 6}, {"Antwort3kreuz", Boolean, 0, 6},
                               {"Antwort", String, 20, 20}, {"NrInFragebogen", Word, 0, 10},
                               {"NrInTest", Integer, 0, 10}, {"Fragebogen", Integer, 0, 10}});
    expectSchema(m.SortTable, {{"FrageID", Integer, 0, 10}, {"Value", Integer, 0, 10}});
    expectSchema(m.SetsTable, {{"ID", AutoInc, 0, 10}, {"Name", String, 30, 30}, {"Wertung", Word, 0, 10},
                               {"Autor", String, 60, 60}, {"Autor_email", String, 80, 80},
                               {"Autor_website", String, 80, 80}, {"Editierbar", Boolean, 0, 6},
                               {"Freispielbar", Boolean, 0, 6}, {"GirlName", String, 40, 40},
                               {"TextGruppeID", Integer, 0, 10}, {"Freigespielt", Boolean, 0, 6}});
    expectSchema(m.BilderTable, {{"ID", AutoInc, 0, 10}, {"SetID", Integer, 0, 10}, {"NrInSet", Integer, 0, 10},
                                 {"Name", String, 40, 20}, {"Wertung", Word, 0, 10}, {"Bild", String, 20, 20},
                                 {"Editierbar", Boolean, 0, 6}, {"GirlName", String, 40, 40}, {"Text", Memo, 0, 10},
                                 {"Freigespielt", Boolean, 0, 6}});
    expectSchema(m.TexteTable, {{"ID", AutoInc, 0, 10}, {"TextGruppeID", Integer, 0, 10}, {"Text", Memo, 0, 10}});
    expectSchema(m.TextGruppenTable, {{"Name", String, 40, 40}, {"Beschreibung", Memo, 0, 10}, {"ID", AutoInc, 0, 10}});

    ASSERT_EQ(m.FragenTable.IndexDefs().size(), 1u);
    EXPECT_EQ(m.FragenTable.IndexDefs()[0].fields, QStringLiteral("ID"));
    EXPECT_TRUE(m.FragenTable.IndexDefs()[0].unique);
}

TEST_F(DataModuleTest, QuestionsOpenOnlyWhenTheModuleTimerFires)
{
    TMainDataModule &m = module();
    EXPECT_TRUE(m.FrageboegenTable.Active());
    EXPECT_TRUE(m.FrageboegenTable.Filtered());
    EXPECT_TRUE(m.TexteTable.Filtered());
    EXPECT_FALSE(m.SetsTable.Filtered());
    EXPECT_FALSE(m.SortTable.Active());
    try {
        (void)m.FragenTable.RecordCount();
        FAIL() << "a closed table must not count";
    } catch (const VelmoraError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("FragenTable: Operation bei geschlossener Datenmenge nicht ausführbar"));
    }
    QElapsedTimer clock;
    clock.start();
    while (!m.FragenTable.Active() && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_TRUE(m.FragenTable.Active());
    EXPECT_GE(clock.elapsed(), 400);
    EXPECT_EQ(m.FragenTable.RecordCount(), 0);
}

TEST_F(DataModuleTest, StartsWithTheDeliveryAmountsAndAnEmptyExamState)
{
    const TMainDataModule &m = module();
    EXPECT_EQ(m.Int1, 20);
    EXPECT_EQ(m.Int5, 300);
    EXPECT_EQ(m.Int10, 2000);
    EXPECT_EQ(m.Int24, 0);
    EXPECT_EQ(m.CurrentClass, QStringLiteral("B"));
    EXPECT_EQ(m.TeaserBildID, -1);
    EXPECT_EQ(m.TeaserTextID, -1);
    EXPECT_EQ(m.GetPimpPoints(), 0);
}

TEST_F(DataModuleTest, PointsGoThroughTheStoredValue)
{
    TMainDataModule &m = module();
    m.SetPimpPoints(-35);
    EXPECT_EQ(m_stored.pimpPoints, QStringLiteral("-35"));
    EXPECT_EQ(m.GetPimpPoints(), -35);
    m_stored.pimpPoints = QStringLiteral("1x");
    EXPECT_THROW(m.GetPimpPoints(), VelmoraError);
}

TEST_F(DataModuleTest, InstallationSettingsSetLinksAmountsAndCueLists)
{
    writeVersionIni(QByteArrayLiteral("velmorasets=http://sets.example.org\r\nshowgoodbyeform=yes\r\n"
                                      "Int1=1\r\nint2=2\r\nInt3=70\r\nInt4=4\r\nInt5=5\r\nInt6=6\r\nInt7=7\r\n"
                                      "Int8=8\r\nInt9=9\r\nInt10=10\r\nInt20=20\r\nInt21=21\r\nInt22=22\r\n"
                                      "Int23=23\r\nInt24=-50\r\nsnd_pop=pop1.wav;pop2.wav\r\n"
                                      "snd_pimp=gl\xFC" "ck.wav\r\n"));
    EXPECT_EQ(readSettingsError(), QString());
    const TMainDataModule &m = module();
    EXPECT_EQ(m.LinkVelmoraSets, QStringLiteral("http://sets.example.org"));
    EXPECT_TRUE(m.ShowGoodbyeForm);
    EXPECT_EQ(m.Int2, 2);
    EXPECT_EQ(m.Int3, 70);
    EXPECT_EQ(m.Int24, -50);
    EXPECT_EQ(m.CueList(QStringLiteral("snd_pop")), QStringLiteral("pop1.wav;pop2.wav"));
    EXPECT_EQ(m.CueList(QStringLiteral("snd_pimp")), QStringLiteral("glück.wav"));
    EXPECT_EQ(m.CueList(QStringLiteral("snd_quit")), QString());
}

TEST_F(DataModuleTest, GoodbyeSwitchNeedsExactlyYes)
{
    for (const char *line : {"showgoodbyeform=Yes", "showgoodbyeform= yes", "other=yes"}) {
        writeVersionIni(QByteArray(line) + "\r\n");
        readSettingsError();
        EXPECT_FALSE(module().ShowGoodbyeForm) << line;
    }
}

TEST_F(DataModuleTest, AMalformedAmountStopsTheReadingAndLeavesTheRestAsItWas)
{
    writeVersionIni(QByteArrayLiteral("Int1=5\nInt1=9\nInt2=6\nInt3 = 7\nInt4=8\nsnd_pop=a.wav\n"));
    EXPECT_EQ(readSettingsError(), QStringLiteral("'' ist kein gültiger Integerwert"));
    TMainDataModule &m = module();
    EXPECT_EQ(m.Int1, 5);
    EXPECT_EQ(m.Int2, 6);
    EXPECT_EQ(m.Int3, 50);
    EXPECT_EQ(m.Int4, 75);
    EXPECT_EQ(m.CueList(QStringLiteral("snd_pop")), QString());

    // A missing file stops at Int1 with every amount unchanged.
    QFile::remove(m_folder.path() + QStringLiteral("/version.ini"));
    m.Int1 = 20;
    EXPECT_EQ(readSettingsError(), QStringLiteral("'' ist kein gültiger Integerwert"));
    EXPECT_EQ(m.Int1, 20);
    EXPECT_EQ(m.Int2, 6);
}

TEST_F(DataModuleTest, CueListsAreReadAfterValidAmountsAndKeptWhenALaterReadingFails)
{
    QByteArray amounts;
    for (const char *key : {"Int1", "Int2", "Int3", "Int4", "Int5", "Int6", "Int7", "Int8", "Int9", "Int10", "Int20",
                            "Int21", "Int22", "Int23", "Int24"})
        amounts += QByteArray(key) + "=1\r\n";
    writeVersionIni(amounts + "snd_quit=bye.wav");
    EXPECT_EQ(readSettingsError(), QString());
    EXPECT_EQ(module().CueList(QStringLiteral("snd_quit")), QStringLiteral("bye.wav"));

    writeVersionIni("Int1=x\r\nsnd_quit=other.wav\r\n");
    EXPECT_EQ(readSettingsError(), QStringLiteral("'x' ist kein gültiger Integerwert"));
    EXPECT_EQ(module().CueList(QStringLiteral("snd_quit")), QStringLiteral("bye.wav"));
}

TEST_F(DataModuleTest, OwnsAShufflingMusicEngineWhenGivenAnAudioBackEnd)
{
    EXPECT_EQ(module().MusicEngine(), nullptr);
    m_module.reset();
    FakeAudioBackend audio;
    m_ports.audio = &audio;
    ASSERT_NE(module().MusicEngine(), nullptr);
    EXPECT_TRUE(module().MusicEngine()->Shuffle());
}
