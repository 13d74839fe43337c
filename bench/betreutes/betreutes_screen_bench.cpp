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

#include "../program_bench_context.h"
#include "app/vl_pimp.h"
#include "controls/picture_box.h"
#include "controls/picture_button.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

std::unique_ptr<BenchProgram> g_program;

// Made once for both benches: a start of the program costs seconds.
BenchProgram &program()
{
    if (!g_program)
        g_program = std::make_unique<BenchProgram>();
    return *g_program;
}

void BM_TileClickToFirstQuestionShown(benchmark::State &state)
{
    BenchProgram &p = program();
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
    BenchProgram &p = program();
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
        BenchProgramFolder() = QString::fromLocal8Bit(argv[1]);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_program.reset(); // the window goes before the application object
    return 0;
}
