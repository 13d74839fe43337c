#include "app/vl_browse.h"
#include "app/vl_frage.h"

#include "app/velmora_application.h"
#include "app/vl_goodbye.h"
#include "app/vl_startup.h"
#include "app/widget_ports.h"
#include "controls/click_shape.h"
#include "controls/picture_box.h"
#include "controls/picture_button.h"
#include "controls/skin_picture.h"
#include "core/ZephFileList.h"
#include "core/file_utils.h"
#include "core/velmora_error.h"
#include "data/db_module.h"
#include "layout/browse.h"
#include "pictures/vl_skinimport.h"
#include "screen/layout_geometry.h"
#include "screen/vl_model.h"
#include "sound/cue_player.h"
#include "sound/cue_sound_port.h"
#include "sound/music_controller.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <stdexcept>

namespace {

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

TBrowseForm::TBrowseForm(TBrowseFormSetup setup, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_setup(std::move(setup)),
      m_storage(m_setup.programFilePath)
{
    if (!m_setup.dialogs || !m_setup.events || !m_setup.documents || !m_setup.audio || !m_setup.random)
        throw std::invalid_argument("TBrowseForm needs every port of its setup");
    m_screenPort = std::make_unique<ScreenPort>(*this);
    m_fileDialogs = m_setup.fileDialogs;
    if (!m_fileDialogs) {
        m_ownFileDialogs = std::make_unique<TWidgetFileDialogPort>(*m_setup.dialogs);
        m_fileDialogs = m_ownFileDialogs.get();
    }
    m_printer = m_setup.printer;
    if (!m_printer) {
        m_ownPrinter = std::make_unique<TWidgetPrintPort>();
        m_printer = m_ownPrinter.get();
    }
    m_soundPort = std::make_unique<TCueSoundPort>(m_setup.beep);
    m_folders = TProgramFolders::Below(QFileInfo(m_setup.programFilePath).absolutePath());
    m_wavePlayer = std::make_unique<TCuePlayer>(*m_setup.audio, *m_setup.random, m_folders.sounds, m_soundPort.get());
    m_soundPort->AttachPlayer(*m_wavePlayer);

    setObjectName(QStringLiteral("BrowseForm"));
    setWindowTitle(QStringLiteral("Velmora"));
    setFixedSize(layout::browse::kWindowWidth, layout::browse::kWindowHeight);
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
    if (m_restored)
        m_storage.Write();
    m_music.reset();
    delete m_splash;
    delete m_goodbye;
}

TModulePorts TBrowseForm::ModulePorts()
{
    TModulePorts ports;
    ports.dialogs = m_setup.dialogs;
    ports.screens = m_screenPort.get();
    ports.sounds = m_soundPort.get();
    ports.random = m_setup.random;
    ports.events = m_setup.events;
    ports.audio = m_setup.audio;
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

void TBrowseForm::EndMessageLoop()
{
    if (m_setup.endMessageLoop)
        m_setup.endMessageLoop();
    else
        QCoreApplication::exit(0);
}

// --- controls ---

void TBrowseForm::BuildControls()
{
    namespace place = layout::browse;
    // The screen area lies beneath the frame pictures, which overlap its edges.
    BrowsePanel = Placed(new QFrame(this), place::BrowsePanel);
    BrowsePanel->setFrameShape(QFrame::NoFrame);
    BrowsePanel->setAutoFillBackground(true);

    auto picture = [this](const TLayoutRect &where) { return Placed(new TPictureBox(this), where); };
    auto button = [this](const TLayoutRect &where, const char *hint) {
        auto *b = Placed(new TPictureButton(this), where);
        b->setCursor(Qt::PointingHandCursor);
        b->setToolTip(QString::fromUtf8(hint));
        return b;
    };

    TopImage = picture(place::TopImage);
    LeftImage = picture(place::LeftImage);
    RightImage = picture(place::RightImage);
    BottomImage = picture(place::BottomImage);
    BottomImage->setTransparent(true);
    BackImage = button(place::BackImage, "Zurück");
    HomeImage = button(place::HomeImage, "Startseite anzeigen");
    ExitImage = button(place::ExitImage, "Programm beenden");
    ForwardImage = picture(place::ForwardImage);
    PimpSeiteImage = picture(place::PimpSeiteImage);
    PimpSeiteImage->setAutoSize(true);
    PimpSeiteImage->setCursor(Qt::PointingHandCursor);
    BrennholtShape = Placed(new TClickShape(TClickShape::Shape::Rectangle, this), place::BrennholtShape);
    BrennholtShape->setCursor(Qt::PointingHandCursor);

    StartUpTimer = new QTimer(this);
    StartUpTimer->setObjectName(QStringLiteral("StartUpTimer"));
    StartUpTimer->setInterval(m_setup.startUpDelayMs);
    connect(StartUpTimer, &QTimer::timeout, this, &TBrowseForm::StartUpTimerTimer);

    connect(BackImage, &TPictureButton::clicked, this, &TBrowseForm::BackImageClick);
    connect(HomeImage, &TPictureButton::clicked, this, &TBrowseForm::HomeImageClick);
    connect(ExitImage, &TPictureButton::clicked, this, &TBrowseForm::ExitImageClick);
    connect(PimpSeiteImage, &TPictureBox::clicked, this,
            [this] { OpenLink(m_dataModule ? m_dataModule->LinkKranzhof : QString()); });
    connect(BrennholtShape, &TClickShape::clicked, this,
            [this] { OpenLink(m_dataModule ? m_dataModule->LinkBrennholt : QString()); });

    m_ownControls = {TopImage,  LeftImage, RightImage,   BottomImage,    BackImage,      HomeImage,
                     ExitImage, ForwardImage, PimpSeiteImage, BrennholtShape, BrowsePanel};
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
    m_setup.events->processPendingMessages();

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
}

void TBrowseForm::StartUpTimerTimer()
{
    StartUpTimer->stop();
    RunStartUpStep(false);
}

void TBrowseForm::ReloadAfterReset()
{
    RunStartUpStep(true);
}

void TBrowseForm::RunStartUpStep(bool importKeptArchives)
{
    if (!m_dataModule)
        throw VelmoraError(QStringLiteral("Das Datenmodul fehlt"));
    TMainDataModule &data = *m_dataModule;

    data.LoadTables(m_folders.db);

    // After a reset the sets kept in imported/ come back first: an archive that reaches imported/
    // from sets/ in this very step is then imported once, not a second time from its copy.
    QStringList keptReport;
    if (importKeptArchives && QFileInfo(m_folders.imported).isDir())
        keptReport = data.ImportArchiveFolder(m_folders.imported);
    // An archive that fails changes nothing and stays in sets/; the start-up goes on, and one
    // message at its end names every archive that failed, with its reason.
    const QStringList archiveReport = data.ImportArchiveFolder(m_folders.sets);

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

    if (!m_storage.musicOff)
        StartMusic();
    data.CurrentClass = m_storage.licenceClass;

    show();
    raise();
    activateWindow();

    if (!keptReport.isEmpty())
        m_setup.dialogs->showMessage(ArchiveImportMessage(keptReport, QStringLiteral("imported")));
    if (!archiveReport.isEmpty())
        m_setup.dialogs->showMessage(ArchiveImportMessage(archiveReport));
}

QString TBrowseForm::ArchiveImportMessage(const QStringList &report, const QString &folderName)
{
    return QStringLiteral("Beim Import der Set-Archive aus dem Ordner \"%1\" gab es Probleme:\n\n").arg(folderName) +
           report.join(u'\n');
}

void TBrowseForm::Shutdown()
{
    if (m_dataModule)
        m_storage.licenceClass = m_dataModule->CurrentClass;
    StopMusic();
    for (int round = 0; round < kShutdownEventRounds; ++round)
        m_setup.events->processPendingMessages();
    if (m_dataModule && m_dataModule->ShowGoodbyeForm) {
        m_goodbye = new TGoodbyeForm(m_folders.bmp);
        m_goodbye->show();
    }
    m_setup.events->processPendingMessages();
    m_wavePlayer->SetSynchronous(true);
    PlayCue(CueList(QStringLiteral("snd_quit")));
    QStringList failures = m_dataModule ? m_dataModule->SaveTables(m_folders.db) : QStringList();
    if (m_restored && !m_storage.Write()) {
        failures << QStringLiteral("Datei \"%1\" kann nicht erstellt werden. Die Einstellungen wurden nicht gespeichert")
                        .arg(m_storage.settingsFilePath());
    }
    // What could not be saved is still in memory: the user may free space and quit again.
    if (!failures.isEmpty() && !m_setup.dialogs->askYesNo(UnsavedQuestion(failures))) {
        ReturnFromShutdown();
        return;
    }
    DeleteTree(m_folders.temp);
    QDir().mkpath(m_folders.temp);
    EndMessageLoop();
}

QString TBrowseForm::UnsavedQuestion(const QStringList &failures)
{
    return QStringLiteral("Velmora konnte nicht alles speichern:\r\n\r\n") + failures.join(QStringLiteral("\r\n")) +
           QStringLiteral("\r\n\r\nTrotzdem beenden? (Was nicht gespeichert werden konnte, geht dann verloren.)");
}

void TBrowseForm::ReturnFromShutdown()
{
    delete m_goodbye;
    m_wavePlayer->SetSynchronous(false);
    if (!m_storage.musicOff)
        StartMusic();
    show();
    raise();
    activateWindow();
}

void TBrowseForm::closeEvent(QCloseEvent *event)
{
    // The window goes only through Shutdown; a close request asks the current screen's exit action,
    // or, when no screen could be shown, the quit question itself.
    event->ignore();
    if (m_current) {
        m_current->ExitAction();
    } else if (m_setup.dialogs->askYesNo(TModelFrame::QuitQuestion())) {
        Shutdown();
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
        // Retired before the window system works, so nothing that runs meanwhile can show it again.
        m_current = nullptr;
        m_currentName.clear();
        Retire(leaving);
        m_setup.events->processPendingMessages();
    }
    // A timer that ran while the last screen was leaving may have shown a screen of its own: this
    // request came first and was still under way, so that screen gives way too.
    if (TModelFrame *shownMeanwhile = m_current) {
        shownMeanwhile->OnLeave();
        shownMeanwhile->hide();
        m_current = nullptr;
        m_currentName.clear();
        Retire(shownMeanwhile);
    }

    try {
        ShowNewScreen(screenName);
    } catch (...) {
        // A screen that could not be made is taken away whole, and the user finds the welcome
        // screen instead of an empty window before the error is shown.
        if (QPointer<TModelFrame> halfMade = m_slots.take(screenName)) {
            if (m_current == halfMade) {
                m_current = nullptr;
                m_currentName.clear();
            }
            delete halfMade.data();
        }
        if (!m_current && screenName != u"welcome") {
            try {
                ShowNewScreen(QStringLiteral("welcome"));
            } catch (...) {
                // Even the welcome screen failed: the original error is the one to show.
            }
        }
        throw;
    }
}

void TBrowseForm::ShowNewScreen(const QString &screenName)
{
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

void TBrowseForm::Retire(TModelFrame *screen)
{
    // By identity: the slot that holds this very screen is emptied, whatever name is current now.
    for (auto it = m_slots.begin(); it != m_slots.end();) {
        if (it.value() == screen)
            it = m_slots.erase(it);
        else
            ++it;
    }
    screen->setObjectName(QString());
    RetireLater(screen);
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
    timer->start(m_setup.retireDelayMs);
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
    m_setup.documents->openDocument(address);
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
        m_music->StartMusic(QString::number(m_storage.musicVolume));
}

void TBrowseForm::StopMusic()
{
    if (m_music)
        m_music->StopMusic();
}

void TBrowseForm::PauseMusic()
{
    if (m_music)
        m_music->PauseMusic(m_storage.musicOff);
}

void TBrowseForm::ResumeMusic()
{
    if (m_music)
        m_music->ResumeMusic(m_storage.musicOff);
}

void TBrowseForm::SetMusicVolume(int volume)
{
    if (m_music)
        m_music->SetMusicVolume(volume);
}

void TBrowseForm::AttachOverview(TUebersichtForm &overview)
{
    m_overview = &overview;
    overview.SetQuestionScreenSource([this]() -> TFrageFrame * {
        return m_currentName == QStringLiteral("frage") ? qobject_cast<TFrageFrame *>(CurrentScreen()) : nullptr;
    });
}
