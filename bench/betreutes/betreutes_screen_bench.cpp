// The learning menu and the pass screen on the real main window, over a copy of the assembled
// program folder (the standard skin, the 512 shipped questions, 59 questionnaires, five sets):
//
//   - the click on the first questionnaire tile of class B to its first question shown (the test
//     built, the learning menu left, the question screen made with its skin, the first question
//     with its picture shown, the window painted);
//   - the evaluation click on the last question to the pass screen shown with its teaser drawn
//     (the test scored, the progress saved, the question screen left, the pass screen made, the set
//     picture decoded, fitted and resized, the window painted). The sounds cost nothing here: the
//     audio back end is silent, so the evaluation sound, which the program plays to its end, is
//     left out of the figure.
//
//   QT_QPA_PLATFORM=offscreen build-test/bench/betreutes/bench_betreutes_screen [program folder]
//       --benchmark_repetitions=5
//
// Each repetition makes a fixed number of clicks: the way back to the menu between them is not timed
// but lasts longer than the clicks. The evaluation saves the progress with the files synced to the
// disk; with TMPDIR=/dev/shm the copy lies in memory and the figure leaves the disk out.
//
// The program folder defaults to the one the build assembles; it is copied into a temporary folder,
// and the creation step imports the skin and copies the data there as on a first start.

#include "../screen_bench_support.h"
#include "app/vl_betreutes.h"
#include "app/vl_browse.h"
#include "app/vl_frage.h"
#include "app/vl_pimp.h"
#include "app/vl_uebersicht_small.h"
#include "controls/picture_box.h"
#include "controls/gradient_panel.h"
#include "controls/picture_button.h"
#include "controls/questionnaire_tile.h"
#include "core/file_dialog_port.h"
#include "core/print_port.h"
#include "core/random_generator.h"
#include "data/db_module.h"
#include "data/table_fields.h"
#include "exam/next_token.h"
#include "sound/audio_backend.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace {

QString g_programFolder = QStringLiteral(VELMORA_PROGRAM_DIR);

// Every sound "plays" at once and the music never sounds.
class SilentAudio final : public IAudioBackend
{
public:
    bool openMusic(const QString &) override { return false; }
    void releaseMusic() override {}
    void playMusic() override {}
    void stopMusic() override {}
    bool musicPlaying() const override { return false; }
    bool musicFailed() const override { return false; }
    std::optional<qint64> musicPositionMs() const override { return std::nullopt; }
    std::optional<qint64> musicLengthMs() const override { return std::nullopt; }
    int volume() const override { return m_volume; }
    void setVolume(int volume) override { m_volume = volume; }
    CueResult playCue(const QString &, bool) override { return CueResult::Played; }

private:
    int m_volume = 100;
};

class NoDocuments final : public IDocumentPort
{
public:
    bool openDocument(const QString &) override { return true; }
};

class NoFileDialogs final : public IFileDialogPort
{
public:
    QString openFile(const TFileDialogOptions &) override { return QString(); }
    QStringList openFiles(const TFileDialogOptions &) override { return QStringList(); }
    QString saveFile(const TFileDialogOptions &) override { return QString(); }
};

class NoPrinter final : public IPrintPort
{
public:
    bool Print(const QString &, const std::function<void(IPrintCanvas &)> &) override { return false; }
};

// The window system's events, as the program's own event port runs them.
class RealEvents final : public IEventPort
{
public:
    void processPendingMessages() override { QCoreApplication::processEvents(); }
};

void copyFolder(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(source, target);
    }
}

// The main window with its data module and answer overview, made as the program entry makes them,
// started, and on the learning menu.
struct Program
{
    QTemporaryDir folder;
    QuietDialogs dialogs;
    RealEvents events;
    NoDocuments documents;
    NoFileDialogs fileDialogs;
    NoPrinter printer;
    SilentAudio audio;
    ClockRandomGenerator random;
    std::unique_ptr<TBrowseForm> browse;
    std::unique_ptr<TMainDataModule> data;
    std::unique_ptr<TUebersichtForm> overview;
    QImage pixels{1008, 765, QImage::Format_RGB32};

    Program()
    {
        if (!QFileInfo::exists(g_programFolder + QStringLiteral("/mdl/fragen.dat")))
            throw std::runtime_error("no assembled program folder (build the target velmora_delivery): " +
                                     g_programFolder.toStdString());
        copyFolder(g_programFolder, folder.path());
        for (const char *made : {"db", "bmp", "temp", "imported"})
            QDir(folder.filePath(QLatin1String(made))).removeRecursively();
        TBrowseFormSetup setup;
        setup.programFilePath = folder.filePath(QStringLiteral("velmora"));
        setup.dialogs = &dialogs;
        setup.events = &events;
        setup.documents = &documents;
        setup.fileDialogs = &fileDialogs;
        setup.printer = &printer;
        setup.audio = &audio;
        setup.random = &random;
        setup.beep = [] {};
        setup.reportError = [](const QString &message) {
            std::fprintf(stderr, "error: %s\n", qPrintable(message));
        };
        setup.endMessageLoop = [] {};
        setup.startUpDelayMs = 0;
        // A left screen lives on while its click handler ends, as in the program, but not for the
        // program's full second: the benches wait for it between clicks.
        setup.retireDelayMs = 100;
        browse = std::make_unique<TBrowseForm>(std::move(setup));
        data = std::make_unique<TMainDataModule>(browse->StoredValues(), browse->ModulePorts(), folder.path());
        browse->AttachDataModule(*data);
        overview = std::make_unique<TUebersichtForm>(browse.get());
        browse->AttachOverview(*overview);
        browse->show();
        while (browse->SplashShown())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        toMenu();
    }

    ~Program()
    {
        overview.reset();
        browse.reset();
        data.reset();
    }

    template <typename Screen>
    Screen *current() const
    {
        auto *screen = qobject_cast<Screen *>(browse->CurrentScreen());
        if (!screen)
            throw std::runtime_error("unexpected screen: " + browse->CurrentScreenName().toStdString());
        return screen;
    }

    // Lets the screens left behind go, as the running program does between clicks.
    void settle()
    {
        QCoreApplication::processEvents();
        while (browse->PendingRetirements() > 0)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }

    void toMenu()
    {
        data->ClearTest();
        browse->ShowScreen(QStringLiteral("betreutes"));
        settle();
    }

    void paint()
    {
        QPainter painter(&pixels);
        browse->render(&painter);
        painter.end();
        benchmark::DoNotOptimize(pixels.constBits());
    }

    // The first tile of the questionnaire panel, which opens as the user opens it.
    TQuestionnaireTile &firstTile() const
    {
        TBetreutesFrame *menu = current<TBetreutesFrame>();
        if (menu->FrageboegenPanel->isHidden())
            menu->FragebogenShapeClick();
        const auto &tiles = menu->Tiles();
        if (tiles.isEmpty() || !tiles.first())
            throw std::runtime_error("the learning menu shows no questionnaire");
        return *tiles.first();
    }

    // Ticks every answer of the running test as the catalogue marks it and shows the first question
    // again with its ticks, so that the evaluation passes.
    void answerEverythingRight()
    {
        TRecordTable &test = data->TestTable;
        TRecordTable &fragen = data->FragenTable;
        const QLatin1String testTicks[] = {fields::test::Antwort1kreuz, fields::test::Antwort2kreuz,
                                           fields::test::Antwort3kreuz};
        const QLatin1String marks[] = {fields::fragen::Antwort1kreuz, fields::fragen::Antwort2kreuz,
                                       fields::fragen::Antwort3kreuz};
        for (test.First(); !test.Eof(); test.Next()) {
            if (!fragen.Locate(fields::fragen::ID, test.FieldByName(fields::test::FrageID).AsInteger()))
                continue;
            test.Edit();
            for (int i = 0; i < 3; ++i)
                test.FieldByName(testTicks[i]).SetAsBoolean(fragen.FieldByName(marks[i]).AsBoolean());
            test.FieldByName(fields::test::Antwort)
                .SetAsString(NumberSolution(fragen.FieldByName(fields::fragen::Antwort1).AsString()));
            test.Post();
        }
        current<TFrageFrame>()->ShowFirstQuestion(data->ViewMode);
    }
};

std::unique_ptr<Program> g_program;

// Made once for both benches: a start of the program costs seconds.
Program &program()
{
    if (!g_program)
        g_program = std::make_unique<Program>();
    return *g_program;
}

void BM_TileClickToFirstQuestionShown(benchmark::State &state)
{
    Program &p = program();
    for (auto _ : state) {
        state.PauseTiming();
        p.toMenu();
        TQuestionnaireTile &tile = p.firstTile();
        state.ResumeTiming();
        Q_EMIT tile.clicked(tile.QuestionnaireID());
        p.current<TFrageFrame>();
        p.paint();
    }
    state.counters["questions"] = double(p.data->TestTable.RecordCount());
}
BENCHMARK(BM_TileClickToFirstQuestionShown)->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_EvaluationClickToPassScreenWithTeaser(benchmark::State &state)
{
    Program &p = program();
    int teasers = 0, runs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        p.toMenu();
        Q_EMIT p.firstTile().clicked(p.firstTile().QuestionnaireID());
        p.settle();
        p.answerEverythingRight();
        TFrageFrame *frage = p.current<TFrageFrame>();
        state.ResumeTiming();
        Q_EMIT frage->AuswertenImage->clicked();
        TPimpFrame *pass = p.current<TPimpFrame>();
        p.paint();
        state.PauseTiming();
        ++runs;
        teasers += pass->ContentPicture->isVisible() ? 1 : 0;
        state.ResumeTiming();
    }
    state.counters["teaser_shown"] = runs ? double(teasers) / runs : 0.0;
}
BENCHMARK(BM_EvaluationClickToPassScreenWithTeaser)->Unit(benchmark::kMillisecond)->Iterations(15);

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (argc > 1)
        g_programFolder = QString::fromLocal8Bit(argv[1]);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_program.reset(); // the window goes before the application object
    return 0;
}
