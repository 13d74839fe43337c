// The real program's windows and ports, started as the program entry starts them, that opens a test
// on the question screen by itself once the start-up step has finished: the learning menu that
// leads there in the program is not part of this build. The result screens are stand-ins of one
// colour (magenta), so that a screenshot tells that the evaluation led to one of them.
// Usage: velmora-frage-e2e <program folder> <questionnaire ID>
#include "app/velmora_application.h"
#include "app/vl_background.h"
#include "app/vl_browse.h"
#include "app/vl_uebersicht_small.h"
#include "app/widget_ports.h"
#include "core/random_generator.h"
#include "data/db_module.h"
#include "screen/vl_model.h"
#include "sound/sdl_audio_backend.h"

#include <QTimer>
#include <memory>

namespace {

class TResultStandIn : public TModelFrame
{
public:
    TResultStandIn(IScreenContext &context, QWidget *parent) : TModelFrame(context, parent)
    {
        setAutoFillBackground(true);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, QColor(255, 0, 255));
        setPalette(palette);
    }
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("SDL_NO_SIGNAL_HANDLERS", "1");
    TVelmoraApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    if (argc != 3)
        return 2;
    const QString programFolder = QString::fromLocal8Bit(argv[1]);
    const int questionnaireId = QString::fromLocal8Bit(argv[2]).toInt();

    TWidgetDialogPort dialogs;
    TWidgetEventPort events;
    TDesktopDocumentPort documents;
    TSdlAudioBackend audio;
    ClockRandomGenerator random;

    TBrowseFormSetup setup;
    setup.programFilePath = programFolder + QStringLiteral("/velmora");
    setup.dialogs = &dialogs;
    setup.events = &events;
    setup.documents = &documents;
    setup.audio = &audio;
    setup.random = &random;
    setup.beep = SystemBeep;
    setup.reportError = ReportUnhandledError;
    setup.endMessageLoop = [] { QCoreApplication::exit(0); };
    setup.registerScreens = [](TScreenRegistry &registry) {
        for (const char *name : {"pimp", "versager"})
            registry.Register(QString::fromLatin1(name), QStringLiteral("ResultStandIn"),
                              [](IScreenContext &context, QWidget *parent) {
                                  return new TResultStandIn(context, parent);
                              });
    };
    auto browse = std::make_unique<TBrowseForm>(std::move(setup));
    auto dataModule = std::make_unique<TMainDataModule>(browse->StoredValues(), browse->ModulePorts(), programFolder);
    browse->AttachDataModule(*dataModule);
    auto background = std::make_unique<TBackgroundForm>(browse.get());
    auto overview = std::make_unique<TUebersichtForm>(browse.get());
    browse->AttachOverview(*overview);
    browse->show();

    QTimer opener;
    opener.setInterval(50);
    QObject::connect(&opener, &QTimer::timeout, [&] {
        if (!dataModule->TablesLoaded() || browse->SplashShown())
            return;
        opener.stop();
        dataModule->ViewMode = viewmode::Answering;
        dataModule->TestKind = testkind::Questionnaire;
        dataModule->BuildTestFromQuestionnaire(questionnaireId);
        browse->PauseMusic();
        browse->ShowScreen(QStringLiteral("frage"));
    });
    opener.start();
    const int status = application.exec();

    overview.reset();
    background.reset();
    browse.reset();
    dataModule.reset();
    return status;
}
