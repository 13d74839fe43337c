#include "app/vl_browse.h"

#include "app/ZephFileList.h"
#include "app/file_utils.h"
#include "app/random_generator.h"
#include "app/velmora_application.h"
#include "app/velmora_error.h"
#include "app/vl_goodbye.h"
#include "app/vl_model.h"
#include "app/vl_skinimport.h"
#include "app/vl_startup.h"
#include "app/widget_ports.h"
#include "controls/click_shape.h"
#include "controls/picture_box.h"
#include "controls/picture_button.h"
#include "controls/skin_picture.h"
#include "data/db_module.h"
#include "sound/cue_player.h"
#include "sound/music_controller.h"
#include "sound/sdl_audio_backend.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int kWindowWidth = 1008;
constexpr int kWindowHeight = 765;
// Shutdown lets the window system work this many times in a row before it goes on.
constexpr int kShutdownEventRounds = 201;

QString joined(const QString &folder, const QString &name)
{
    return folder + u'/' + name;
}

} // namespace

// --- ports the data module is given ---

class TBrowseForm::ScreenPort final : public IScreenPort
{
public:
    explicit ScreenPort(TBrowseForm &browse) : m_browse(browse) {}
    void showScreen(const QString &screenName) override { m_browse.ShowScreen(screenName); }

private:
    TBrowseForm &m_browse;
};

class TBrowseForm::SoundPort final : public ISoundPort
{
public:
    explicit SoundPort(TBrowseForm &browse) : m_browse(browse) {}
    void playCue(const QString &cueList) override { m_browse.PlayCue(cueList); }
    void playSoundSync(const QString &fileName) override { m_browse.WavePlayer().PlaySoundSync(fileName); }
    void beep() override
    {
        if (m_browse.m_setup.beep)
            m_browse.m_setup.beep();
        else
            SystemBeep();
    }

private:
    TBrowseForm &m_browse;
};

TShellFolders TShellFolders::Below(const QString &programFolder)
{
    TShellFolders folders;
    folders.program = programFolder;
    folders.bmp = joined(programFolder, QStringLiteral("bmp"));
    folders.mdl = joined(programFolder, QStringLiteral("mdl"));
    folders.db = joined(programFolder, QStringLiteral("db"));
    folders.dbImg = joined(folders.db, QStringLiteral("img"));
    folders.dbSets = joined(folders.db, QStringLiteral("sets"));
    folders.temp = joined(programFolder, QStringLiteral("temp"));
    folders.skins = joined(programFolder, QStringLiteral("skins"));
    folders.sounds = joined(programFolder, QStringLiteral("sounds"));
    folders.mp3 = joined(programFolder, QStringLiteral("mp3"));
    return folders;
}

TBrowseForm::TBrowseForm(TBrowseFormSetup setup, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_setup(std::move(setup)),
      m_storage(m_setup.programFilePath)
{
    m_dialogs = m_setup.dialogs;
    if (m_dialogs == nullptr) {
        m_ownDialogs = std::make_unique<TWidgetDialogPort>();
        m_dialogs = m_ownDialogs.get();
    }
    m_events = m_setup.events;
    if (m_events == nullptr) {
        m_ownEvents = std::make_unique<TWidgetEventPort>();
        m_events = m_ownEvents.get();
    }
    m_documents = m_setup.documents;
    if (m_documents == nullptr) {
        m_ownDocuments = std::make_unique<TDesktopDocumentPort>();
        m_documents = m_ownDocuments.get();
    }
    m_audio = m_setup.audio;
    if (m_audio == nullptr) {
        m_ownAudio = std::make_unique<TSdlAudioBackend>();
        m_audio = m_ownAudio.get();
    }
    m_random = m_setup.random;
    if (m_random == nullptr) {
        m_ownRandom = std::make_unique<ClockRandomGenerator>();
        m_random = m_ownRandom.get();
    }
    m_screenPort = std::make_unique<ScreenPort>(*this);
    m_soundPort = std::make_unique<SoundPort>(*this);
    m_folders = TShellFolders::Below(QFileInfo(m_setup.programFilePath).absolutePath());
    m_wavePlayer = std::make_unique<TCuePlayer>(*m_audio, *m_random, m_folders.sounds, m_soundPort.get());

    setObjectName(QStringLiteral("BrowseForm"));
    setWindowTitle(QStringLiteral("Velmora"));
    setFixedSize(kWindowWidth, kWindowHeight);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    RegisterStandardScreens(m_registry);
    if (m_setup.registerScreens)
        m_setup.registerScreens(m_registry);

    BuildControls();
    try {
        FormCreate();
    } catch (const VelmoraError &error) {
        ReportError(error.message());
    } catch (const std::exception &error) {
        ReportError(QString::fromUtf8(error.what()));
    }
}

TBrowseForm::~TBrowseForm()
{
    // The stored values are written as the main window goes, once they have been restored.
    if (m_restored) {
        m_storage.volumeCaption = VolumeText();
        m_storage.volumeTag = MusicOffFlag();
        m_storage.classCaption = StoredClass();
        m_storage.Write();
    }
    m_music.reset();
    delete m_splash;
    delete m_goodbye;
}

TModulePorts TBrowseForm::ModulePorts()
{
    TModulePorts ports;
    ports.dialogs = m_dialogs;
    ports.screens = m_screenPort.get();
    ports.sounds = m_soundPort.get();
    ports.random = m_random;
    ports.events = m_events;
    ports.audio = m_audio;
    return ports;
}

void TBrowseForm::AttachDataModule(TMainDataModule &dataModule)
{
    m_dataModule = &dataModule;
    m_music.reset();
    if (TMusicEngine *engine = dataModule.MusicEngine())
        m_music = std::make_unique<TMusicController>(*engine, m_folders.mp3);
    // The music controls work on the module's engine: they go with it.
    connect(&dataModule, &QObject::destroyed, this, [this] { m_music.reset(); });
}

TMainDataModule *TBrowseForm::DataModule() const
{
    return m_dataModule.data();
}

void TBrowseForm::ReportError(const QString &message)
{
    if (m_setup.reportError)
        m_setup.reportError(message);
    else
        ReportUnhandledError(message);
}

// --- controls ---

void TBrowseForm::BuildControls()
{
    // The screen area lies beneath the frame pictures, which overlap its edges.
    BrowsePanel = new QFrame(this);
    BrowsePanel->setObjectName(QStringLiteral("BrowsePanel"));
    BrowsePanel->setFrameShape(QFrame::NoFrame);
    BrowsePanel->setAutoFillBackground(true);
    BrowsePanel->setGeometry(21, 173, 965, 576);

    auto picture = [this](const char *name, QRect place) {
        auto *box = new TPictureBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(place);
        return box;
    };
    auto button = [this](const char *name, QRect place, const char *hint) {
        auto *b = new TPictureButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(place);
        b->setCursor(Qt::PointingHandCursor);
        b->setToolTip(QString::fromUtf8(hint));
        return b;
    };

    TopImage = picture("TopImage", QRect(0, 0, 1024, 176));
    LeftImage = picture("LeftImage", QRect(0, 175, 21, 576));
    RightImage = picture("RightImage", QRect(986, 175, 25, 576));
    BottomImage = picture("BottomImage", QRect(0, 743, 1011, 23));
    BottomImage->setTransparent(true);
    BackImage = button("BackImage", QRect(30, 124, 91, 37), "Zurück");
    HomeImage = button("HomeImage", QRect(120, 124, 91, 37), "Startseite anzeigen");
    ExitImage = button("ExitImage", QRect(210, 124, 91, 37), "Programm beenden");
    ForwardImage = picture("ForwardImage", QRect(310, 125, 11, 16));
    PimpSeiteImage = picture("PimpSeiteImage", QRect(640, 127, 253, 19));
    PimpSeiteImage->setAutoSize(true);
    PimpSeiteImage->setCursor(Qt::PointingHandCursor);
    BrennholtShape = new TClickShape(TClickShape::Shape::Rectangle, this);
    BrennholtShape->setObjectName(QStringLiteral("BrennholtShape"));
    BrennholtShape->setGeometry(815, 45, 26, 26);
    BrennholtShape->setCursor(Qt::PointingHandCursor);

    VolumeLabel = new QLabel(QStringLiteral("25"), this);
    VolumeLabel->setObjectName(QStringLiteral("VolumeLabel"));
    VolumeLabel->move(940, 70);
    VolumeLabel->setProperty("Tag", 0);
    VolumeLabel->hide();
    AktKlasseLabel = new QLabel(QStringLiteral("B"), this);
    AktKlasseLabel->setObjectName(QStringLiteral("AktKlasseLabel"));
    AktKlasseLabel->move(925, 70);
    AktKlasseLabel->hide();

    StartUpTimer = new QTimer(this);
    StartUpTimer->setObjectName(QStringLiteral("StartUpTimer"));
    StartUpTimer->setInterval(kStartUpDelayMs);
    connect(StartUpTimer, &QTimer::timeout, this, &TBrowseForm::StartUpTimerTimer);

    connect(BackImage, &TPictureButton::clicked, this, &TBrowseForm::BackImageClick);
    connect(HomeImage, &TPictureButton::clicked, this, &TBrowseForm::HomeImageClick);
    connect(ExitImage, &TPictureButton::clicked, this, &TBrowseForm::ExitImageClick);
    connect(PimpSeiteImage, &TPictureBox::clicked, this,
            [this] { OpenLink(m_dataModule ? m_dataModule->LinkKranzhof : QString()); });
    connect(BrennholtShape, &TClickShape::clicked, this,
            [this] { OpenLink(m_dataModule ? m_dataModule->LinkBrennholt : QString()); });

    m_ownControls = {TopImage,      LeftImage,      RightImage,     BottomImage, BackImage,
                     HomeImage,     ExitImage,      ForwardImage,   PimpSeiteImage,
                     BrennholtShape, VolumeLabel,   AktKlasseLabel, BrowsePanel};
}

void TBrowseForm::LoadSkinFrame()
{
    const QString &bmp = m_folders.bmp;
    TopImage->setPicture(LoadSkinPicture(bmp, QStringLiteral("GUI_main_bodytop.bmp")));
    LeftImage->setPicture(LoadSkinPicture(bmp, QStringLiteral("GUI_main_bodyleft.bmp")));
    RightImage->setPicture(LoadSkinPicture(bmp, QStringLiteral("GUI_main_bodyright.bmp")));
    BottomImage->setPicture(LoadSkinPicture(bmp, QStringLiteral("GUI_main_bodybottom.bmp")));
    BackImage->LoadSkin(bmp, QStringLiteral("GUI_back.bmp"));
    BackImage->Refresh();
    HomeImage->LoadSkin(bmp, QStringLiteral("GUI_home.bmp"));
    HomeImage->Refresh();
    ExitImage->LoadSkin(bmp, QStringLiteral("GUI_exit.bmp"));
    ExitImage->Refresh();
    PimpSeiteImage->setPicture(LoadSkinPicture(bmp, QStringLiteral("GUI_pimpseite.bmp")));
}

void TBrowseForm::InvertControlVisibility()
{
    QList<QWidget *> controls = m_ownControls;
    if (m_current)
        controls << m_current.data();
    for (QWidget *control : std::as_const(controls))
        control->setVisible(control->isHidden());
}

// --- creation, start-up, shutdown ---

void TBrowseForm::FormCreate()
{
    m_splash = new TVLStartupForm;
    m_splash->show();
    m_events->processPendingMessages();

    // The folders (m_folders) were laid out with the window.
    DeleteTree(m_folders.temp);
    QDir().mkpath(m_folders.temp);

    m_slots.clear();
    m_current = nullptr;
    m_currentName.clear();

    if (!QFileInfo::exists(FindSkinFile(m_folders.bmp, QStringLiteral("GUI_welcome.bmp"))))
        ImportSkin(joined(m_folders.skins, QStringLiteral("standard.skin")), m_folders.temp, m_folders.bmp);

    if (!QFileInfo::exists(joined(m_folders.db, QStringLiteral("fragen.dat")))) {
        QDir().mkpath(m_folders.db);
        CopyFiles(joined(m_folders.mdl, QStringLiteral("*.*")), m_folders.db);
    }

    LoadSkinFrame();
    ShowScreen(QStringLiteral("welcome"));

    // While the splash is up the window shows nothing of its frame or screen.
    InvertControlVisibility();
    BackImage->hide();

    m_storage.WriteExe();
    StartUpTimer->start();
}

void TBrowseForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_splash)
        m_splash->raise(); // the splash stays above everything while it is up
    if (m_restored)
        return;
    // The first showing restores what the user had at the last end.
    m_restored = true;
    m_storage.Restore();
    SetVolumeText(m_storage.volumeCaption);
    SetMusicOffFlag(m_storage.volumeTag);
    SetStoredClass(m_storage.classCaption);
}

void TBrowseForm::StartUpTimerTimer()
{
    StartUpTimer->stop();
    if (!m_dataModule)
        throw VelmoraError(QStringLiteral("Das Datenmodul fehlt"));
    TMainDataModule &data = *m_dataModule;

    LoadTables();

    if (m_setup.importSetArchive) {
        const QStringList archives = ListFiles(joined(m_folders.program, QStringLiteral("sets")), m_events);
        for (const QString &archive : archives)
            m_setup.importSetArchive(archive);
    }

    m_storage.exeName = m_setup.programFilePath;

    if (m_splash) {
        delete m_splash;
        m_splash = nullptr;
        InvertControlVisibility();
        BackImage->hide();
        ForwardImage->hide();
    }

    // A typing error among the amounts of version.ini is shown, and the start-up goes on: the
    // amounts from the faulty key on keep their values and the cue lists stay unread.
    try {
        data.ReadInstallationSettings();
    } catch (const VelmoraError &error) {
        ReportError(error.message());
    }

    if (MusicOffFlag() == 0)
        StartMusic();
    data.CurrentClass = StoredClass();

    show();
    raise();
    activateWindow();
}

void TBrowseForm::LoadTables()
{
    TMainDataModule &data = *m_dataModule;
    data.FragenTable.LoadFromFile(joined(m_folders.db, QStringLiteral("fragen.dat")));
    m_questionsLoaded = true;
    const std::pair<const char *, TRecordTable *> optional[] = {
        {"textgruppen.dat", &data.TextGruppenTable}, {"texte.dat", &data.TexteTable},
        {"bilder.dat", &data.BilderTable},           {"sets.dat", &data.SetsTable},
        {"frageboegen.dat", &data.FrageboegenTable},
    };
    for (const auto &[file, table] : optional) {
        const QString path = joined(m_folders.db, QString::fromLatin1(file));
        if (QFileInfo::exists(path))
            table->LoadFromFile(path);
    }
}

void TBrowseForm::SaveTables()
{
    // Tables that were never loaded hold nothing worth keeping; writing them would empty the files.
    if (!m_questionsLoaded || !m_dataModule)
        return;
    TMainDataModule &data = *m_dataModule;
    const QString &db = m_folders.db;
    data.FragenTable.SaveToFile(joined(db, QStringLiteral("fragen.dat")));
    data.TextGruppenTable.SaveToFile(joined(db, QStringLiteral("textgruppen.dat")));
    // A table file holds only what passes the table's filter: a screen's filter must not cost records.
    data.TexteTable.SetFiltered(false);
    data.TexteTable.SaveToFile(joined(db, QStringLiteral("texte.dat")));
    data.BilderTable.SetFiltered(false);
    data.BilderTable.SaveToFile(joined(db, QStringLiteral("bilder.dat")));
    data.SetsTable.SetFiltered(false);
    data.SetsTable.SaveToFile(joined(db, QStringLiteral("sets.dat")));
    data.FrageboegenTable.SaveToFile(joined(db, QStringLiteral("frageboegen.dat")));
}

void TBrowseForm::Shutdown()
{
    if (m_dataModule)
        SetStoredClass(m_dataModule->CurrentClass);
    StopMusic();
    for (int round = 0; round < kShutdownEventRounds; ++round)
        m_events->processPendingMessages();
    if (m_dataModule && m_dataModule->ShowGoodbyeForm) {
        m_goodbye = new TGoodbyeForm(m_folders.bmp);
        m_goodbye->show();
    }
    m_events->processPendingMessages();
    m_wavePlayer->SetSynchronous(true);
    PlayCue(CueList(QStringLiteral("snd_quit")));
    SaveTables();
    DeleteTree(m_folders.temp);
    QDir().mkpath(m_folders.temp);
    if (m_setup.endMessageLoop)
        m_setup.endMessageLoop();
    else
        QCoreApplication::exit(0);
}

void TBrowseForm::closeEvent(QCloseEvent *event)
{
    // The window goes only through Shutdown; a close request asks the current screen's exit action.
    event->ignore();
    if (m_current) {
        m_current->ExitAction();
    } else {
        // Half started (no screen could be shown): nothing was loaded, so nothing is saved.
        if (m_setup.endMessageLoop)
            m_setup.endMessageLoop();
        else
            QCoreApplication::exit(0);
    }
}

// --- screens ---

void TBrowseForm::ShowScreen(const QString &screenName)
{
    // A name that cannot be shown is refused before the current screen is given up.
    m_registry.CheckRequest(screenName);

    if (TModelFrame *leaving = m_current) {
        leaving->OnLeave();
        leaving->hide();
        m_events->processPendingMessages();
        m_slots.remove(m_currentName);
        m_current = nullptr;
        m_currentName.clear();
        leaving->setObjectName(QString());
        RetireLater(leaving);
    }

    QPointer<TModelFrame> screen = m_slots.value(screenName);
    if (!screen) {
        screen = m_registry.Create(screenName, *this, BrowsePanel);
        m_slots.insert(screenName, screen);
        screen->OnCreation();
    }
    screen->BeforeShow();
    screen->move(0, 0);
    screen->show();
    m_current = screen;
    m_currentName = screenName;
    UpdateNavigation();
    screen->OnShow();
    m_registry.RunAfterShown(screenName, *screen);
}

TModelFrame *TBrowseForm::CurrentScreen() const
{
    return m_current.data();
}

void TBrowseForm::RetireLater(TModelFrame *screen)
{
    // Each retired screen has its own timer; it is destroyed 1000 ms after it was left.
    auto *timer = new QTimer(this);
    timer->setSingleShot(true);
    QPointer<TModelFrame> doomed(screen);
    ++m_pendingRetirements;
    connect(timer, &QTimer::timeout, this, [this, timer, doomed] {
        delete doomed.data();
        --m_pendingRetirements;
        timer->deleteLater();
    });
    timer->start(kRetireDelayMs);
}

void TBrowseForm::UpdateNavigation()
{
    if (!m_current)
        return;
    BackImage->setVisible(m_current->BackAvailable());
    ForwardImage->setVisible(m_current->ForwardAvailable());
    HomeImage->setVisible(m_current->HomeAvailable());
    ExitImage->setVisible(m_current->ExitAvailable());
}

void TBrowseForm::BackImageClick()
{
    PlayCue(CueList(QStringLiteral("snd_pop")));
    if (m_current)
        m_current->BackAction();
}

void TBrowseForm::HomeImageClick()
{
    PlayCue(CueList(QStringLiteral("snd_pop")));
    if (m_current)
        m_current->HomeAction();
}

void TBrowseForm::ExitImageClick()
{
    PlayCue(CueList(QStringLiteral("snd_pop")));
    if (m_current)
        m_current->ExitAction();
}

void TBrowseForm::OpenLink(const QString &address)
{
    m_documents->openDocument(address);
}

// --- sound and music ---

void TBrowseForm::PlayCue(const QString &cueList)
{
    m_wavePlayer->PlayCue(cueList);
}

QString TBrowseForm::CueList(const QString &key) const
{
    return m_dataModule ? m_dataModule->CueList(key) : QString();
}

void TBrowseForm::StartMusic()
{
    if (m_music)
        m_music->StartMusic(VolumeText());
}

void TBrowseForm::StopMusic()
{
    if (m_music)
        m_music->StopMusic();
}

void TBrowseForm::PauseMusic()
{
    if (m_music)
        m_music->PauseMusic(MusicOffFlag() != 0);
}

void TBrowseForm::ResumeMusic()
{
    if (m_music)
        m_music->ResumeMusic(MusicOffFlag() != 0);
}

void TBrowseForm::SetMusicVolume(int volume)
{
    if (m_music)
        m_music->SetMusicVolume(volume);
}

// --- stored values ---

QString TBrowseForm::VolumeText() const
{
    return VolumeLabel->text();
}

void TBrowseForm::SetVolumeText(const QString &text)
{
    VolumeLabel->setText(text);
}

int TBrowseForm::MusicOffFlag() const
{
    return VolumeLabel->property("Tag").toInt();
}

void TBrowseForm::SetMusicOffFlag(int flag)
{
    VolumeLabel->setProperty("Tag", flag);
}

QString TBrowseForm::StoredClass() const
{
    return AktKlasseLabel->text();
}

void TBrowseForm::SetStoredClass(const QString &licenceClass)
{
    AktKlasseLabel->setText(licenceClass);
}
