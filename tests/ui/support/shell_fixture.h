#pragma once

#include "app/vl_browse.h"
#include "screen/vl_model.h"
#include "data/db_module.h"
#include "sound/fake_audio_backend.h"
#include "support/fakes.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class TRecordTable;

// Lets the event loop run until the condition holds; false when it did not within the time.
bool WaitFor(const std::function<bool()> &condition, int timeoutMs);

// Draws always give 0: a cue list of one name always plays that name.
class FirstDraw final : public IRandomGenerator
{
public:
    int draw(int) override { return 0; }
    void reseed() override {}
};

class RecordingDocumentPort final : public IDocumentPort
{
public:
    bool openDocument(const QString &address) override
    {
        opened << address;
        return true;
    }
    QStringList opened;
};

// A stand-in for a screen of a later part of the program: back available, forward not, and its back
// action notes how many cues had sounded when it ran.
class TTestScreen : public TModelFrame
{
    Q_OBJECT
public:
    TTestScreen(IScreenContext &context, QWidget *parent, const FakeAudioBackend &audio)
        : TModelFrame(context, parent), m_audio(audio)
    {
    }
    bool ForwardAvailable() override { return false; }
    void BackAction() override { cuesAtBackAction = int(m_audio.cues.size()); }
    int cuesAtBackAction = -1;

private:
    const FakeAudioBackend &m_audio;
};

// A program folder in a temporary folder (skin pictures, table files, sounds, version.ini), a private
// config folder, and the main window with its data module on fakes, created the way the program
// entry creates them.
class ShellFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    QString programPath(const QString &relative) const { return folder.filePath(relative); }
    // Skin pictures of the frame, the welcome screen and the goodbye window.
    void writeSkin();
    // The six table files with a few records each (three sets, one of them unlockable, ...).
    void writeTables(const QString &relativeFolder = QStringLiteral("db"));
    void writeVersionIni(const QByteArray &content);
    void writeSounds();
    // The usual installation: skin, tables, sounds and a version.ini with links and cue lists.
    void writeInstallation();

    // The main window's setup as create() makes it, on the fixture's fakes.
    TBrowseFormSetup setup();
    // Creates the main window, the data module and shows the window (the creation step and the
    // restoring of the stored values run).
    void create();
    // create(), then waits for the start-up step.
    void start();
    void destroy();

    // Clicks a control of the main window by its name, through the window system.
    void clickControl(const char *name);
    QWidget *control(const char *name) const;
    static int recordCount(const QString &tableFile, void (*define)(TRecordTable &));

    QTemporaryDir folder;
    QTemporaryDir configHome;
    QByteArray savedConfigHome;
    FakeDialogPort dialogs;
    CountingEventPort events;
    IEventPort *eventPort = &events; // the port the window gets; a test may give it the real one
    RecordingDocumentPort documents;
    FakeFileDialogPort fileDialogs;
    IPrintPort *printer = nullptr; // none: the window system's print dialog
    FakeAudioBackend audio;
    FirstDraw random;
    IRandomGenerator *randomPort = &random; // the generator the window gets; a test may give its own
    QStringList errors;
    QStringList beeps;
    int loopEnds = 0;
    bool registerTestScreen = true;
    // The screens of later parts of the program that stand-ins take the place of.
    QStringList testScreenNames{QStringLiteral("betreutes")};
    // The start-up step follows at once and retired screens go soon: no test waits on the clock
    // unless it is about the timing.
    int startUpDelayMs = 0;
    int retireDelayMs = 20;
    std::unique_ptr<TBrowseForm> browse;
    std::unique_ptr<TMainDataModule> data;

    static const QByteArray kStandardVersionIni;
};
