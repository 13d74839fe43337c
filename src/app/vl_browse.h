#pragma once

#include "app/screen_registry.h"
#include "app/vl_uebersicht_small.h"
#include "core/ports.h"
#include "core/print_port.h"
#include "core/program_folders.h"
#include "core/stored_user_values.h"
#include "screen/screen_context.h"

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class IAudioBackend;
class IRandomGenerator;
class QFrame;
class QTimer;
class TClickShape;
class TCuePlayer;
class TCueSoundPort;
class TGoodbyeForm;
class TMainDataModule;
class TModelFrame;
class TMusicController;
class TPictureBox;
class TPictureButton;
class TVLStartupForm;
struct TModulePorts;

// What the main window is built with. The program entry passes the real ports (message boxes, the
// window system's event processing, the desktop's default programs, the SDL2_mixer back end, a
// clock-seeded random generator); tests pass fakes. Every port must be given and outlive the window.
struct TBrowseFormSetup
{
    QString programFilePath; // the program file; its folder is the program folder
    IDialogPort *dialogs = nullptr;
    IEventPort *events = nullptr;
    IDocumentPort *documents = nullptr;
    // The open and save dialogs; none given: the window system's, asking through `dialogs`.
    IFileDialogPort *fileDialogs = nullptr;
    // The print dialog and job; none given: the window system's.
    IPrintPort *printer = nullptr;
    IAudioBackend *audio = nullptr;
    IRandomGenerator *random = nullptr;
    std::function<void()> beep;                                  // the system's default beep
    std::function<void(const QString &message)> reportError;    // the application's error box
    std::function<void()> endMessageLoop;                       // ends the application's event loop
    // Registers screens besides (or instead of) the standard ones.
    std::function<void(TScreenRegistry &registry)> registerScreens;
    // The pause between the creation step and the start-up step, and the time a retired screen
    // lives on. The program uses the default values; tests may shorten them.
    int startUpDelayMs = 500;
    int retireDelayMs = 1000;
};

// The main window: a borderless 1008 x 765 window whose frame, navigation buttons and link picture
// are skin pictures, with the screen area in which one screen at a time is shown. It owns the screens,
// the wave player of the sound cues, the music controls and the user's stored values, runs the
// start-up and the orderly shutdown, and is the context its screens work in.
class TBrowseForm : public QWidget, public IScreenContext
{
    Q_OBJECT
public:
    // Runs the creation step: splash, folders, emptied temp/, the standard skin and the delivery data
    // on the first start, the frame pictures, the welcome screen, the value "Exe", and arms the
    // start-up timer. An error in it is shown and ends the step.
    explicit TBrowseForm(TBrowseFormSetup setup, QWidget *parent = nullptr);
    ~TBrowseForm() override;

    // The ports the data module is created with: the window's own dialogs, screens, sounds,
    // random generator, event processing and audio back end.
    TModulePorts ModulePorts();
    // Hands over the data module (created right after the main window); the start-up step needs it.
    void AttachDataModule(TMainDataModule &dataModule);
    // The answer overview window, made once at program start; the question and result screens use it.
    // It is told who the current question screen is.
    void AttachOverview(TUebersichtForm &overview);
    TUebersichtForm *Overview() const override { return m_overview; }

    // --- steps ---
    void StartUpTimerTimer();
    void LoadSkinFrame();
    // Ends the program in order. When a table or the stored values cannot be saved, the user is told
    // why and chooses: quit anyway, or go back to the running program and quit again later.
    void Shutdown();
    // The question after a shutdown that could not save everything.
    static QString UnsavedQuestion(const QStringList &failures);
    // The one message after the start-up about the archives of sets/ that failed or lost pictures.
    static QString ArchiveImportMessage(const QStringList &report,
                                        const QString &folderName = QStringLiteral("sets"));

    // --- screens ---
    TModelFrame *CurrentScreen() const override;
    QString CurrentScreenName() const { return m_currentName; }
    // Retired screens whose destruction is still pending.
    int PendingRetirements() const { return m_pendingRetirements; }

    // --- the screen context ---
    TMainDataModule *DataModule() const override;
    IDialogPort &Dialogs() const override { return *m_setup.dialogs; }
    IDocumentPort &Documents() const override { return *m_setup.documents; }
    IEventPort &Events() const override { return *m_setup.events; }
    IFileDialogPort &FileDialogs() const override { return *m_fileDialogs; }
    IPrintPort &Printer() const override { return *m_printer; }
    TStoredUserValues &StoredValues() const override { return m_storage; }
    const TProgramFolders &Folders() const override { return m_folders; }
    void ShowScreen(const QString &screenName) override;
    void UpdateNavigation() override;
    QString CueList(const QString &key) const override;
    void PlayCue(const QString &cueList) override;
    void StartMusic() override;
    void StopMusic() override;
    void PauseMusic() override;
    void ResumeMusic() override;
    void SetMusicVolume(int volume) override;
    void ReloadAfterReset() override;
    void RequestQuit() override { Shutdown(); }

    TCuePlayer &WavePlayer() const { return *m_wavePlayer; }
    TMusicController *Music() const { return m_music.get(); }
    IRandomGenerator &Random() const { return *m_setup.random; }
    QString ProgramFilePath() const { return m_setup.programFilePath; }
    bool SplashShown() const { return m_splash != nullptr; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    class ScreenPort;

    void FormCreate();
    void RunStartUpStep(bool importKeptArchives);
    void BuildControls();
    void InvertControlVisibility();
    void ShowNewScreen(const QString &screenName);
    void Retire(TModelFrame *screen);
    void RetireLater(TModelFrame *screen);
    void BackImageClick();
    void HomeImageClick();
    void ExitImageClick();
    void OpenLink(const QString &address);
    void ReportError(const QString &message);
    void EndMessageLoop();
    void ReturnFromShutdown();

    TBrowseFormSetup m_setup;
    TProgramFolders m_folders;
    mutable TStoredUserValues m_storage;
    std::unique_ptr<ScreenPort> m_screenPort;
    std::unique_ptr<IFileDialogPort> m_ownFileDialogs;
    IFileDialogPort *m_fileDialogs = nullptr;
    std::unique_ptr<IPrintPort> m_ownPrinter;
    IPrintPort *m_printer = nullptr;
    std::unique_ptr<TCueSoundPort> m_soundPort;
    std::unique_ptr<TCuePlayer> m_wavePlayer;
    std::unique_ptr<TMusicController> m_music;
    QPointer<TMainDataModule> m_dataModule;
    QPointer<TUebersichtForm> m_overview;

    // controls, named as in the layout
    QFrame *BrowsePanel = nullptr;
    TPictureBox *TopImage = nullptr;
    TPictureBox *LeftImage = nullptr;
    TPictureBox *RightImage = nullptr;
    TPictureBox *BottomImage = nullptr;
    TPictureButton *BackImage = nullptr;
    TPictureButton *HomeImage = nullptr;
    TPictureButton *ExitImage = nullptr;
    TPictureBox *ForwardImage = nullptr;
    TPictureBox *PimpSeiteImage = nullptr;
    TClickShape *BrennholtShape = nullptr;
    QTimer *StartUpTimer = nullptr;
    QList<QWidget *> m_ownControls;

    TScreenRegistry m_registry;
    QHash<QString, QPointer<TModelFrame>> m_slots;
    QPointer<TModelFrame> m_current;
    QString m_currentName;
    int m_pendingRetirements = 0;

    TVLStartupForm *m_splash = nullptr;
    QPointer<TGoodbyeForm> m_goodbye;
    bool m_restored = false;
};
