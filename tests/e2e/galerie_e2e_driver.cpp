// The real program's windows and ports, started as the program entry starts them, that opens the
// gallery by itself once the start-up step has finished, with the sets table as the learning menu
// leaves it (unlockable sets only, best rated first): the learning menu that leads there in the
// program is not part of this build. Its back action leads to a stand-in of one colour (magenta).
// Usage: velmora-galerie-e2e <program folder>
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

class TMenuStandIn : public TModelFrame
{
public:
    TMenuStandIn(IScreenContext &context, QWidget *parent) : TModelFrame(context, parent)
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
    if (argc != 2)
        return 2;
    const QString programFolder = QString::fromLocal8Bit(argv[1]);

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
        TRecordTable &sets = dataModule->SetsTable;
        sets.SetFilter(QStringLiteral("(Freispielbar)"));
        sets.SetFiltered(true);
        sets.SortOn(QStringLiteral("Wertung"), true);
        browse->ShowScreen(QStringLiteral("galerie"));
    });
    opener.start();
    const int status = application.exec();

    overview.reset();
    background.reset();
    browse.reset();
    dataModule.reset();
    return status;
}
