#include "data/db_module.h"

#include "core/stored_user_values.h"
#include "core/velmora_error.h"
#include "core/version_ini.h"
#include "data/table_schemas.h"
#include "sound/music_engine.h"

#include <QFileInfo>

TMainDataModule::TMainDataModule(TStoredUserValues &storedValues, const TModulePorts &ports,
                                 QString programFolder, QObject *parent)
    : QObject(parent), m_storedValues(storedValues), m_ports(ports), m_programFolder(std::move(programFolder)),
      m_folders(TProgramFolders::Below(m_programFolder))
{
    if (m_ports.audio) {
        m_musicEngine = std::make_unique<TMusicEngine>(*m_ports.audio, *m_ports.random, m_ports.events);
        m_musicEngine->SetShuffle(true);
    }

    DefineFragenTable(FragenTable);
    DefineFrageboegenTable(FrageboegenTable);
    DefineTestTable(TestTable);
    DefineSortTable(SortTable);
    DefineSetsTable(SetsTable);
    DefineBilderTable(BilderTable);
    DefineTexteTable(TexteTable);
    DefineTextGruppenTable(TextGruppenTable);

    // FragenTable and SortTable stay closed: the questions open with the module timer or their load,
    // the scratch table only during a draw.
    FrageboegenTable.Open();
    FrageboegenTable.SetFiltered(true);
    TestTable.Open();
    SetsTable.Open();
    BilderTable.Open();
    TexteTable.Open();
    TexteTable.SetFiltered(true);
    TextGruppenTable.Open();

    m_moduleTimer.setSingleShot(true);
    m_moduleTimer.setInterval(500);
    connect(&m_moduleTimer, &QTimer::timeout, this, &TMainDataModule::OpenQuestions);
    m_moduleTimer.start();
}

TMainDataModule::~TMainDataModule() = default;

const QStringList &TMainDataModule::CueKeys()
{
    static const QStringList keys = {
        QStringLiteral("snd_pop"),          QStringLiteral("snd_leavebilder"),
        QStringLiteral("snd_versager"),     QStringLiteral("snd_pimp"),
        QStringLiteral("snd_auswerten"),    QStringLiteral("snd_quit"),
        QStringLiteral("snd_nocheintest"),  QStringLiteral("snd_datenzuruecksetzen"),
        QStringLiteral("snd_naechstefrage"), QStringLiteral("snd_vorherigefrage"),
        QStringLiteral("snd_bildgekauft"),  QStringLiteral("snd_zuteuer"),
        QStringLiteral("snd_bilderanzeigen"), QStringLiteral("snd_pimptraining"),
        QStringLiteral("snd_nachschlagen"), QStringLiteral("snd_einstellungen"),
    };
    return keys;
}

void TMainDataModule::OpenQuestions()
{
    m_moduleTimer.stop();
    if (!FragenTable.Active())
        FragenTable.Open();
}

namespace {

QString tableFile(const QString &folder, const char *name)
{
    return folder + u'/' + QString::fromLatin1(name);
}

} // namespace

void TMainDataModule::LoadTables(const QString &dataFolder)
{
    FragenTable.LoadFromFile(tableFile(dataFolder, "fragen.dat"));
    m_tablesLoaded = true;
    const std::pair<const char *, TRecordTable *> optional[] = {
        {"textgruppen.dat", &TextGruppenTable}, {"texte.dat", &TexteTable},
        {"bilder.dat", &BilderTable},           {"sets.dat", &SetsTable},
        {"frageboegen.dat", &FrageboegenTable},
    };
    for (const auto &[file, table] : optional) {
        const QString path = tableFile(dataFolder, file);
        if (QFileInfo::exists(path)) {
            table->LoadFromFile(path);
        } else if (table->Active()) {
            // Loaded before from a file that is gone now (a reset to a delivery copy without it):
            // its old records would outlive their files.
            table->Close();
            table->Open();
        }
    }
}

void TMainDataModule::PostPendingEdits()
{
    for (TRecordTable *table : {&FragenTable, &FrageboegenTable, &TestTable, &SortTable, &SetsTable,
                                &BilderTable, &TexteTable, &TextGruppenTable}) {
        if (table->State() == TTableState::Edit || table->State() == TTableState::Insert)
            table->Post();
    }
}

QStringList TMainDataModule::SaveTables(const QString &dataFolder)
{
    if (!m_tablesLoaded)
        return {};
    PostPendingEdits();
    // A table file holds only what passes the table's filter: a screen's filter must not cost records.
    for (TRecordTable *table : {&TexteTable, &BilderTable, &SetsTable})
        table->SetFiltered(false);
    const std::pair<const char *, TRecordTable *> tables[] = {
        {"fragen.dat", &FragenTable}, {"textgruppen.dat", &TextGruppenTable}, {"texte.dat", &TexteTable},
        {"bilder.dat", &BilderTable}, {"sets.dat", &SetsTable},           {"frageboegen.dat", &FrageboegenTable},
    };
    QStringList failures;
    for (const auto &[file, table] : tables) {
        try {
            table->SaveToFile(tableFile(dataFolder, file));
        } catch (const VelmoraError &error) {
            failures << error.message();
        }
    }
    return failures;
}

int TMainDataModule::GetPimpPoints() const
{
    const QString &text = m_storedValues.pimpPoints;
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const int points = text.toInt(&ok, 10);
    if (!ok)
        throw VelmoraError(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text));
    return points;
}

void TMainDataModule::SetPimpPoints(int points)
{
    m_storedValues.pimpPoints = QString::number(points);
}

IRandomGenerator &TMainDataModule::Random() const
{
    return *m_ports.random;
}

void TMainDataModule::ReadInstallationSettings()
{
    const TVersionIni ini = TVersionIni::fromFile(m_programFolder + QStringLiteral("/version.ini"));
    LinkVelmoraSets = ini.value(QStringLiteral("velmorasets"));
    LinkKranzhof = ini.value(QStringLiteral("kranzhof"));
    LinkBrennholt = ini.value(QStringLiteral("brennholt"));
    ShowGoodbyeForm = ini.value(QStringLiteral("showgoodbyeform")) == QStringLiteral("yes");

    const std::pair<const char16_t *, qint32 *> amounts[] = {
        {u"Int1", &Int1},   {u"Int2", &Int2},   {u"Int3", &Int3},   {u"Int4", &Int4},   {u"Int5", &Int5},
        {u"Int6", &Int6},   {u"Int7", &Int7},   {u"Int8", &Int8},   {u"Int9", &Int9},   {u"Int10", &Int10},
        {u"Int20", &Int20}, {u"Int21", &Int21}, {u"Int22", &Int22}, {u"Int23", &Int23}, {u"Int24", &Int24},
    };
    for (const auto &[key, member] : amounts)
        *member = ParseAmount(ini.value(QString::fromUtf16(key)));

    for (const QString &key : CueKeys())
        m_cueLists.insert(key, ini.value(key));
}
