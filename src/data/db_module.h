#pragma once

#include "core/program_folders.h"
#include "data/record_table.h"

#include <QFlags>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>

class IAudioBackend;
class IDialogPort;
class IEventPort;
class IPrintCanvas;
class IPrintPort;
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

// The tables a step of the user changed, as SaveProgress writes them.
enum class TProgressTable : quint8 {
    Fragen = 0x01,      // fragen.dat: the learning statistics
    Frageboegen = 0x02, // frageboegen.dat: the questionnaire counters
    Sets = 0x04,        // sets.dat
    Bilder = 0x08,      // bilder.dat
    Texte = 0x10,       // texte.dat
    TextGruppen = 0x20, // textgruppen.dat
};
Q_DECLARE_FLAGS(TProgressTables, TProgressTable)
Q_DECLARE_OPERATORS_FOR_FLAGS(TProgressTables)

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
    // are loaded when present; one that was loaded before and has no file now is emptied.
    void LoadTables(const QString &dataFolder);
    bool TablesLoaded() const { return m_tablesLoaded; }
    // Posts what is being edited in any table, then saves the six tables into the data folder, each
    // with all its records whatever filter a screen left on it. Every table is attempted; a table that
    // cannot be saved keeps its old file, and the result holds one message per such table (empty when
    // all were saved). Tables that were never loaded hold nothing worth keeping and are not saved
    // (their files would be emptied).
    QStringList SaveTables(const QString &dataFolder);
    // Keeps the user's progress safe from a crash: writes the changed tables into db/, each with all its
    // records whatever filter a screen has on it (the filters stay as they are), then the stored user
    // values (points, volume, music switch) with the class in force. Every file is replaced whole or
    // not at all, through the same savers as the shutdown. Called after each step that changes
    // progress: an evaluation, a purchase, a change of the class, an import, a change in the set
    // editor; pass no table when only the stored values changed. Tables never loaded and stored values
    // never restored are not written (they would replace the user's files with nothing). Returns one
    // text per file that could not be written; those are also shown in one message, and what they
    // hold stays in memory for the next save.
    QStringList SaveProgress(TProgressTables changed);
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
    // Builds the test from the questionnaire with this ID and prints it through the print dialog as
    // a solution sheet: six question blocks a page, headed by the questionnaire's number and class,
    // "Seite: k von N" at the foot. False when the test is empty or the dialog was cancelled; an
    // error of the printer ends the job and reaches the caller.
    bool PrintQuestionnaire(int questionnaireId, IPrintPort &printer);
    // One question block at the printer point (x0, y0), at block scale t, framed 10 pixels outside;
    // nrInTest is the question's place in the printed questionnaire.
    void PrintQuestionBlock(IPrintCanvas &canvas, int x0, int y0, int t, int frageId, int nrInTest);
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
    // Picture files live in db/sets/ under the names their records' "Bild" give. After every
    // operation that changes that folder, sets.dat and bilder.dat are saved, so files and tables
    // agree even after a crash.

    // Price of the current set: Int6 ... Int10 by its rating (below 1 counts as 1, above 5 as 5).
    qint64 SetPrice();
    // Price of the current picture: the nearest whole number to (place / 10 + 1) x base, halves to
    // the even neighbour, base Int1 ... Int5 by its rating (clamped as for sets), places below 1
    // counting as 1; never below 0.
    qint64 PicturePrice();
    // Unlocks the current set when the account holds at least its price; false: refused, nothing
    // changed (also on an empty view). A junk account text fails with "'%s' ist kein gültiger
    // Integerwert" before anything changes.
    bool BuySet();
    // Unlocks the current picture when the account holds at least its price, and the set with it
    // when every picture BilderTable shows is then unlocked. The picture stays current.
    bool BuyPicture();
    // Copies one regular file into db/sets/ under the lowest free number and appends it as a new
    // picture of the current set, at the place after the last picture BilderTable shows. A source
    // that cannot be copied fails with the file error and adds nothing.
    void AddPicture(const QString &sourcePath);
    // Deletes the picture with this ID and its file; a missing file is reported, the record goes.
    void DeletePicture(int id);
    // Deletes the set with this ID and every picture of it, with their files, whatever the view.
    void DeleteSet(int id);
    // Removes sets without a name, pictures without their file and pictures without their set,
    // one message each; true when nothing had to be removed.
    bool CheckIntegrity();
    // The full path of a picture file for a record's "Bild"; empty unless "Bild" is a plain file
    // name (not empty, no folder part, not "." or "..").
    QString SetPicturePath(const QString &bild) const;
    // Saves sets.dat and bilder.dat with all their records into db/.
    void SaveSetTables();

    // Writes the current set with its pictures as a set archive. The archive is built beside the
    // target and replaces it only when complete. No current set: the message "Export nicht
    // korrekt!", nothing written, false.
    bool ExportSetArchive(const QString &path);
    // Checks the whole archive, then adds its set (locked, new IDs and file names) as the current
    // set of SetsTable, whose filter text is cleared. An archive that fails a check changes no
    // table and fails with the reason. Returns one text per picture that was skipped (not a JPEG
    // picture, no member of that name).
    QStringList ImportSetArchive(const QString &path);
    // Imports every file below the folder as a set archive: the set becomes not editable, a copy is
    // written into imported/ under a free name, then the file is deleted. An archive that fails
    // changes nothing and stays. Returns one text per archive that failed or lost pictures.
    QStringList ImportArchiveFolder(const QString &folder);

    // --- music (src/sound/) ---
    // The music engine, created with the module with shuffle on (nullptr without an audio back end).
    TMusicEngine *MusicEngine() const { return m_musicEngine.get(); }

    const TModulePorts &Ports() const { return m_ports; }
    IRandomGenerator &Random() const;
    const QString &ProgramFolder() const { return m_programFolder; }
    const TProgramFolders &Folders() const { return m_folders; }
    TStoredUserValues &StoredValues() const { return m_storedValues; }
    QTimer &ModuleTimer() { return m_moduleTimer; }

private:
    void AddPictureFile(const QString &sourcePath, const QString &pictureName, int setId, bool setHasGirlName);
    bool DeletePictureUnsaved(int id);
    // Unlocks the set of the current picture when every picture BilderTable shows is unlocked.
    bool UnlockSetOfCompletedPictures();
    void RemoveSetWithPictures(int setId);
    QString FreePictureName() const;
    void ShowMessage(const QString &text) const;

    TStoredUserValues &m_storedValues;
    TModulePorts m_ports;
    QString m_programFolder;
    TProgramFolders m_folders;
    QHash<QString, QString> m_cueLists;
    QTimer m_moduleTimer;
    std::unique_ptr<TMusicEngine> m_musicEngine;
    bool m_tablesLoaded = false;
};
