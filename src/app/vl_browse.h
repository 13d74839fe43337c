#pragma once

#include "app/ports.h"
#include "app/screen_registry.h"
#include "app/stored_user_values.h"

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class IAudioBackend;
class IRandomGenerator;
class QFrame;
class QLabel;
class QTimer;
class TClickShape;
class TCuePlayer;
class TGoodbyeForm;
class TMainDataModule;
class TModelFrame;
class TMusicController;
class TPictureBox;
class TPictureButton;
class TVLStartupForm;
struct TModulePorts;

// The folders below the program folder, computed once at the start of the creation step.
struct TShellFolders
{
    QString program, bmp, mdl, db, dbImg, dbSets, temp, skins, sounds, mp3;
    static TShellFolders Below(const QString &programFolder);
};

// What the main window is built with. Everything left empty gets the real thing: message boxes, the
// window system's event processing, the desktop's default programs, the SDL2_mixer back end, a
// clock-seeded random generator, the system beep, the application's error box and the end of the
// application's event loop. Tests replace them.
struct TBrowseFormSetup
{
    QString programFilePath; // the program file; its folder is the program folder
    IDialogPort *dialogs = nullptr;
    IEventPort *events = nullptr;
    IDocumentPort *documents = nullptr;
    IAudioBackend *audio = nullptr;
    IRandomGenerator *random = nullptr;
    std::function<void()> beep;
    std::function<void(const QString &message)> reportError;
    std::function<void()> endMessageLoop;
    // Imports one set archive found in sets/ at start-up; none: the archives stay where they are.
    std::function<void(const QString &archivePath)> importSetArchive;
    // Registers screens besides (or instead of) the standard ones.
    std::function<void(TScreenRegistry &registry)> registerScreens;
};

// The main window: a borderless 1008 x 765 window whose frame, navigation buttons and link picture
// are skin pictures, with the screen area in which one screen at a time is shown. It owns the screens,
// the wave player of the sound cues, the music controls and the user's stored values, and runs the
// start-up and the orderly shutdown.
class TBrowseForm : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kStartUpDelayMs = 500;
    static constexpr int kRetireDelayMs = 1000;

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
    TMainDataModule *DataModule() const;

    // --- steps ---
    void StartUpTimerTimer();
    void LoadSkinFrame();
    void Shutdown();

    // --- screens ---
    void ShowScreen(const QString &screenName);
    void UpdateNavigation();
    TModelFrame *CurrentScreen() const;
    QString CurrentScreenName() const { return m_currentName; }
    // Retired screens whose destruction is still pending.
    int PendingRetirements() const { return m_pendingRetirements; }

    // --- sound and music ---
    void PlayCue(const QString &cueList);
    QString CueList(const QString &key) const;
    void StartMusic();
    void StopMusic();
    void PauseMusic();
    void ResumeMusic();
    void SetMusicVolume(int volume);
    TCuePlayer &WavePlayer() const { return *m_wavePlayer; }
    TMusicController *Music() const { return m_music.get(); }

    // --- the stored values shown in the hidden labels ---
    QString VolumeText() const;           // caption of VolumeLabel: the music volume, "25"
    void SetVolumeText(const QString &text);
    int MusicOffFlag() const;             // tag of VolumeLabel: 0 music on, 1 off
    void SetMusicOffFlag(int flag);
    QString StoredClass() const;          // caption of AktKlasseLabel: the class stored at the last end
    void SetStoredClass(const QString &licenceClass);
    TStoredUserValues &StoredValues() { return m_storage; }

    // --- what the screens use ---
    const TShellFolders &Folders() const { return m_folders; }
    IDialogPort &Dialogs() const { return *m_dialogs; }
    IEventPort &Events() const { return *m_events; }
    IDocumentPort &Documents() const { return *m_documents; }
    IRandomGenerator &Random() const { return *m_random; }
    QString ProgramFilePath() const { return m_setup.programFilePath; }
    bool SplashShown() const { return m_splash != nullptr; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    class ScreenPort;
    class SoundPort;

    void FormCreate();
    void BuildControls();
    void InvertControlVisibility();
    void LoadTables();
    void SaveTables();
    void RetireLater(TModelFrame *screen);
    void BackImageClick();
    void HomeImageClick();
    void ExitImageClick();
    void OpenLink(const QString &address);
    void ReportError(const QString &message);

    TBrowseFormSetup m_setup;
    TShellFolders m_folders;
    TStoredUserValues m_storage;
    std::unique_ptr<IDialogPort> m_ownDialogs;
    std::unique_ptr<IEventPort> m_ownEvents;
    std::unique_ptr<IDocumentPort> m_ownDocuments;
    std::unique_ptr<IAudioBackend> m_ownAudio;
    std::unique_ptr<IRandomGenerator> m_ownRandom;
    IDialogPort *m_dialogs;
    IEventPort *m_events;
    IDocumentPort *m_documents;
    IAudioBackend *m_audio;
    IRandomGenerator *m_random;
    std::unique_ptr<ScreenPort> m_screenPort;
    std::unique_ptr<SoundPort> m_soundPort;
    std::unique_ptr<TCuePlayer> m_wavePlayer;
    std::unique_ptr<TMusicController> m_music;
    QPointer<TMainDataModule> m_dataModule;

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
    QLabel *VolumeLabel = nullptr;
    QLabel *AktKlasseLabel = nullptr;
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
    bool m_questionsLoaded = false;
};
