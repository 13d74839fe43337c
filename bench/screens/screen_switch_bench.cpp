// Every screen the main window knows, requested as the program requests it (ShowScreen on the real
// main window, which leaves the current screen, makes the new one through the screen registry, shows
// it and runs what follows its showing), until it is shown and the window painted; and the resident
// memory after each of five rounds that visit every screen, with Qt's pixmap cache as the style
// leaves it and emptied after each round.
//
//   QT_QPA_PLATFORM=offscreen build-test/bench/screens/bench_screens [program folder]
//       --benchmark_filter=ShowScreen --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//   QT_QPA_PLATFORM=offscreen build-test/bench/screens/bench_screens --benchmark_filter=ResidentMemory/iter
//   QT_QPA_PLATFORM=offscreen build-test/bench/screens/bench_screens --benchmark_filter=CacheEmptied
//
// Each request starts from the welcome screen (the welcome screen's own from the learning menu), with
// what the screen needs in place as the program's own way there leaves it: a test for the question
// screen, a result for the result screens, a chosen set for the pictures screen. The window runs on a
// copy of the assembled program folder (see program_bench_context.h).

#include "../program_bench_context.h"
#include "app/screen_registry.h"

#include <QApplication>
#include <QFile>
#include <QPixmapCache>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <malloc.h>
#include <memory>

namespace {

std::unique_ptr<BenchProgram> g_program;

BenchProgram &program()
{
    if (!g_program)
        g_program = std::make_unique<BenchProgram>();
    return *g_program;
}

// What the program's own way to the screen leaves behind.
void prepareFor(BenchProgram &p, const QString &name)
{
    TMainDataModule &data = *p.data;
    if (name == u"frage") {
        data.FrageboegenTable.First();
        data.ViewMode = viewmode::Answering;
        data.TestKind = testkind::Questionnaire;
        data.BuildTestFromQuestionnaire(data.FrageboegenTable.FieldByName(fields::frageboegen::ID).AsInteger());
    } else if (name == u"versager" || name == u"pimp") {
        const bool passed = name == u"pimp";
        data.TestKind = testkind::Questionnaire;
        data.LastPassed = passed;
        data.LastWrongCount = passed ? 1 : 4;
        data.LastErrorPoints = passed ? 3 : 14;
        data.LastPoints = passed ? 60 : -10;
        data.TeaserBildID = -1;
        data.TeaserTextID = -1;
    } else if (name == u"bilder") {
        data.SetsTable.First();
        data.BilderTable.SetFiltered(true);
        data.BilderTable.SetFilter(QStringLiteral("(SetID = %1)")
                                       .arg(data.SetsTable.FieldByName(fields::sets::ID).AsInteger()));
    }
}

// Back to where the next request starts, with the test and the set filter cleared.
void leave(BenchProgram &p, const QString &next)
{
    p.data->ClearTest();
    p.data->BilderTable.SetFilter(QString());
    p.data->BilderTable.SetFiltered(false);
    p.browse->ShowScreen(next == u"welcome" ? QStringLiteral("betreutes") : QStringLiteral("welcome"));
    p.settle();
}

void showAndPaint(BenchProgram &p, const QString &name)
{
    p.browse->ShowScreen(name);
    p.paint();
}

void checkShown(BenchProgram &p, const QString &name)
{
    if (p.browse->CurrentScreenName() != name || !p.browse->CurrentScreen() || !p.browse->CurrentScreen()->isVisible())
        throw std::runtime_error("the screen was not shown: " + name.toStdString());
}

void BM_ShowScreen(benchmark::State &state, const QString &name)
{
    BenchProgram &p = program();
    for (auto _ : state) {
        state.PauseTiming();
        leave(p, name);
        prepareFor(p, name);
        state.ResumeTiming();
        showAndPaint(p, name);
        state.PauseTiming();
        checkShown(p, name);
        state.ResumeTiming();
    }
}

// The resident memory and the heap in use (glibc's count; meaningless under AddressSanitizer) after
// each of five rounds over every screen. Qt's style draws the combo boxes through its pixmap cache,
// keyed among others by the palette of each control, so every new screen adds entries until the
// cache reaches its limit (QPixmapCache::cacheLimit(), 10 MB): with emptyPixmapCache that cache is
// emptied after each round, and what remains is the program's own memory.
void BM_FiveRoundsOfEveryScreenResidentMemory(benchmark::State &state, bool emptyPixmapCache)
{
    BenchProgram &p = program();
    for (auto _ : state) {
        const long started = ResidentKiB();
        state.counters["rss_started_MB"] = started / 1024.0;
        long first = 0;
        double firstHeap = 0;
        for (int round = 1; round <= 5; ++round) {
            for (const QString &name : TScreenRegistry::ScreenNames()) {
                leave(p, name);
                prepareFor(p, name);
                showAndPaint(p, name);
                checkShown(p, name);
            }
            leave(p, QString());
            if (emptyPixmapCache)
                QPixmapCache::clear();
            const long now = ResidentKiB();
            const double heap = mallinfo2().uordblks / 1048576.0;
            if (round == 1) {
                first = now;
                firstHeap = heap;
            }
            state.counters["rss_round" + std::to_string(round) + "_MB"] = now / 1024.0;
            std::fprintf(stderr, "round %d: resident %.1f MB, heap in use %.2f MB\n", round, now / 1024.0, heap);
            if (round == 5) {
                state.counters["growth_after_round1_MB"] = (now - first) / 1024.0;
                state.counters["heap_growth_after_round1_MB"] = heap - firstHeap;
            }
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (argc > 1)
        BenchProgramFolder() = QString::fromLocal8Bit(argv[1]);
    for (const QString &name : TScreenRegistry::ScreenNames())
        benchmark::RegisterBenchmark(QStringLiteral("BM_ShowScreen/%1").arg(name).toStdString().c_str(),
                                     [name](benchmark::State &state) { BM_ShowScreen(state, name); })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(20);
    benchmark::RegisterBenchmark("BM_FiveRoundsOfEveryScreenResidentMemory",
                                 [](benchmark::State &state) { BM_FiveRoundsOfEveryScreenResidentMemory(state, false); })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::RegisterBenchmark("BM_FiveRoundsOfEveryScreenResidentMemory/StylePixmapCacheEmptied",
                                 [](benchmark::State &state) { BM_FiveRoundsOfEveryScreenResidentMemory(state, true); })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_program.reset(); // the window goes before the application object
    return 0;
}
