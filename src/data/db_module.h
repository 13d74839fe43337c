#pragma once

#include "data/record_table.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>

class IAudioBackend;
class IDialogPort;
class IEventPort;
class IRandomGenerator;
class IScreenPort;
class ISoundPort;
class TMusicEngine;
class TStoredUserValues;

// What the data module asks of the world around it. The user interface supplies the real ones;
// tests supply fakes. Every pointer must outlive the module.
struct TModulePorts
{
    IDialogPort *dialogs = nullptr;
    IScreenPort *screens = nullptr;
    ISoundPort *sounds = nullptr;
    IRandomGenerator *random = nullptr;
    IEventPort *events = nullptr;
    IAudioBackend *audio = nullptr; // the music engine plays through it; none: no music engine
};

// The kinds of test (TMainDataModule::TestKind).
namespace testkind {
inline constexpr quint8 ShortTest = 0;     // the weakest questions of the class
inline constexpr quint8 Questionnaire = 1; // a whole questionnaire
} // namespace testkind

// How the question screen shows the running test (TMainDataModule::ViewMode).
namespace viewmode {
inline constexpr quint8 Answering = 0;
inline constexpr quint8 Reviewing = 1; // after the evaluation, with the solutions
inline constexpr quint8 LookingUp = 2; // a questionnaire with its solutions, never evaluated
} // namespace viewmode

// The one object that holds the program's data: every record table, the amounts and links of the
// installation settings, the sound-cue lists and the state the exam screens share. Its operations
// that belong to the exam, the picture sets and the music live in the files of those subsystems.
class TMainDataModule : public QObject
{
    Q_OBJECT

public:
    // programFolder: the folder of the program file (version.ini, sounds/ lie there).
    TMainDataModule(TStoredUserValues &storedValues, const TModulePorts &ports, QString programFolder,
                    QObject *parent = nullptr);
    ~TMainDataModule() override;

    // --- tables ---
    TRecordTable FragenTable{QStringLiteral("FragenTable")};
    TRecordTable FrageboegenTable{QStringLiteral("FrageboegenTable")};
    TRecordTable TestTable{QStringLiteral("TestTable")};
    TRecordTable SortTable{QStringLiteral("SortTable")};
    TRecordTable SetsTable{QStringLiteral("SetsTable")};
    TRecordTable BilderTable{QStringLiteral("BilderTable")};
    TRecordTable TexteTable{QStringLiteral("TexteTable")};
    TRecordTable TextGruppenTable{QStringLiteral("TextGruppenTable")};

    // --- amounts: picture prices by rating, set prices by rating, points per test result ---
    qint32 Int1 = 20, Int2 = 40, Int3 = 50, Int4 = 75, Int5 = 300;
    qint32 Int6 = 100, Int7 = 250, Int8 = 400, Int9 = 650, Int10 = 2000;
    qint32 Int20 = 0, Int21 = 0, Int22 = 0, Int23 = 0, Int24 = 0;

    // --- links and switches of the installation settings ---
    QString LinkVelmoraSets; // "velmorasets": the picture-set web page
    QString LinkKranzhof;    // "kranzhof": the partner page behind the main window's link picture
    QString LinkBrennholt;   // "brennholt": the maker's page
    bool ShowGoodbyeForm = false;

    // The 16 sound-cue keys, in reading order, and their lists (empty until read).
    static const QStringList &CueKeys();
    QString CueList(const QString &key) const { return m_cueLists.value(key); }

    // --- state shared by the exam screens ---
    quint8 TestKind = testkind::ShortTest;
    quint8 ViewMode = viewmode::Answering;
    bool ReadyFlag = false;
    bool LastPassed = false;
    int LastErrorPoints = 0;
    int LastWrongCount = 0;
    int LastPoints = 0;
    int TeaserBildID = -1;
    int TeaserTextID = -1;
    QString CurrentClass = QStringLiteral("B");

    // --- own operations ---
    void OpenQuestions();
    // Loads the six tables of the user's data folder (db/): fragen.dat must be there, the others
    // are loaded when present.
    void LoadTables(const QString &dataFolder);
    bool TablesLoaded() const { return m_tablesLoaded; }
    // Posts what is being edited in any table, then saves the six tables into the data folder, each
    // with all its records whatever filter a screen left on it. Every table is attempted; a table that
    // cannot be saved keeps its old file, and the result holds one message per such table (empty when
    // all were saved). Tables that were never loaded hold nothing worth keeping and are not saved
    // (their files would be emptied).
    QStringList SaveTables(const QString &dataFolder);
    // Posts the record of every table that is being edited or inserted.
    void PostPendingEdits();
    // The points account, the stored value "PimpPoints"; a value never set counts as 0.
    int GetPimpPoints() const;
    void SetPimpPoints(int points);
    // Reads version.ini: links, goodbye switch, the amounts strictly in the order Int1 ... Int10,
    // Int20 ... Int24, then the cue lists. A missing or malformed amount stops the reading with
    // "'%s' ist kein gültiger Integerwert"; what was read before it stays, the cue lists stay as they were.
    void ReadInstallationSettings();

    // --- exam: test assembly and evaluation (src/exam/) ---
    // Replaces the running test by the questions of the questionnaire with this ID, in list order.
    // An ID that no visible questionnaire carries gives an empty test.
    void BuildTestFromQuestionnaire(int questionnaireId);
    // Draws a questionnaire of CurrentClass, favouring the ones never taken or often failed, and
    // builds from it; TestKind := 1, ReadyFlag from the class's last questionnaire in table order.
    // A class without questionnaires gives an empty test.
    void BuildRandomQuestionnaireTest();
    // Replaces the running test by at most `count` distinct questions of CurrentClass, favouring the
    // ones answered least often and most often wrongly; re-seeds the generator; TestKind := 0.
    void BuildWeakQuestionTest(int count);
    // Deletes every record of TestTable.
    void ClearTest();
    // "Klasse_" followed by the class code: the question's flag for that class.
    static QString ClassFlagFieldName(const QString &classCode);
    // The pass rule: class "MO" fails above 7 error points; any other class above 10, or at exactly
    // 10 from exactly two wrong answers.
    static bool IsFailed(const QString &classCode, int errorPoints, int wrongCount);
    // The points a result earns (Int20 ... Int24); testKind 0 short test, otherwise questionnaire test.
    int PointsForResult(int testKind, const QString &classCode, int errorPoints, int wrongCount) const;
    // Scores the running test against FragenTable, updates the statistics and counters, books the
    // points, plays the result cue and switches to "pimp" or "versager".
    void EvaluateTest();

    // --- picture sets: rules and archives (src/pictures/) ---

    // --- music (src/sound/) ---
    // The music engine, created with the module with shuffle on (nullptr without an audio back end).
    TMusicEngine *MusicEngine() const { return m_musicEngine.get(); }

    const TModulePorts &Ports() const { return m_ports; }
    IRandomGenerator &Random() const;
    const QString &ProgramFolder() const { return m_programFolder; }
    TStoredUserValues &StoredValues() const { return m_storedValues; }
    QTimer &ModuleTimer() { return m_moduleTimer; }

private:
    TStoredUserValues &m_storedValues;
    TModulePorts m_ports;
    QString m_programFolder;
    QHash<QString, QString> m_cueLists;
    QTimer m_moduleTimer;
    std::unique_ptr<TMusicEngine> m_musicEngine;
    bool m_tablesLoaded = false;
};
