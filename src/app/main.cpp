#include "app/velmora_application.h"
#include "app/vl_background.h"
#include "app/vl_browse.h"
#include "app/vl_uebersicht_small.h"
#include "app/widget_ports.h"
#include "core/random_generator.h"
#include "data/db_module.h"
#include "sound/sdl_audio_backend.h"

#include <QFileInfo>
#include <memory>

// Velmora reads no command line and no environment of its own: everything lies in the folder of the
// program file and in the user's stored values.
int main(int argc, char **argv)
{
    // The audio library would otherwise catch SIGINT and SIGTERM and turn them into events nobody
    // reads: the program could then not be ended from outside.
    qputenv("SDL_NO_SIGNAL_HANDLERS", "1");
    TVelmoraApplication application(argc, argv);
    // The program ends through its quit question only, never because a window closed.
    application.setQuitOnLastWindowClosed(false);
    const QString programFile = QCoreApplication::applicationFilePath();

    // The real ports: message boxes, the window system's events, the desktop's programs, the
    // audio library and a clock-seeded random generator.
    TWidgetDialogPort dialogs;
    TWidgetEventPort events;
    TDesktopDocumentPort documents;
    TWidgetFileDialogPort fileDialogs(dialogs);
    TSdlAudioBackend audio;
    ClockRandomGenerator random;

    TBrowseFormSetup setup;
    setup.programFilePath = programFile;
    setup.dialogs = &dialogs;
    setup.events = &events;
    setup.documents = &documents;
    setup.fileDialogs = &fileDialogs;
    setup.audio = &audio;
    setup.random = &random;
    setup.beep = SystemBeep;
    setup.reportError = ReportUnhandledError;
    setup.endMessageLoop = [] { QCoreApplication::exit(0); };
    auto browse = std::make_unique<TBrowseForm>(std::move(setup));
    auto dataModule = std::make_unique<TMainDataModule>(browse->StoredValues(), browse->ModulePorts(),
                                                        QFileInfo(programFile).absolutePath());
    browse->AttachDataModule(*dataModule);
    auto background = std::make_unique<TBackgroundForm>(browse.get());
    // The answer overview window exists for the whole run, hidden until a test shows it.
    auto overview = std::make_unique<TUebersichtForm>(browse.get());
    browse->AttachOverview(*overview);

    // The first showing of the main window restores the user's stored values; the start-up step
    // follows 500 ms later.
    browse->show();
    const int status = application.exec();

    // The screens go while the data module they work on still exists; the stored values are written
    // as the main window goes.
    overview.reset();
    background.reset();
    browse.reset();
    dataModule.reset();
    return status;
}
