// What keeping the progress safe costs after a step: SaveProgress with the shipped catalogue and with
// a catalogue of 20,000 questions, for an evaluation (questions and questionnaires) and a purchase
// (sets and pictures). The files go to a temporary folder; the stored values to a temporary config
// folder. Run: build/bench/data/bench_progress_save (medians of 10 repetitions).
#include "core/stored_user_values.h"
#include "data/db_module.h"
#include "data/table_fields.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int LargeCatalogue = 20000;

// A program whose tables are the shipped ones, loaded as at a start; with a catalogue grown to
// 20,000 questions when asked.
struct Installation
{
    explicit Installation(bool large)
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path() + QStringLiteral("/config")));
        const QString db = folder.path() + QStringLiteral("/db");
        QDir().mkpath(db);
        const QString shipped = QStringLiteral(VELMORA_SHIPPED_TABLES);
        for (const QString &file : QDir(shipped).entryList({QStringLiteral("*.dat")}, QDir::Files))
            QFile::copy(shipped + u'/' + file, db + u'/' + file);
        stored.Restore();
        module = std::make_unique<TMainDataModule>(stored, TModulePorts{}, folder.path());
        module->LoadTables(db);
        TRecordTable &questions = module->FragenTable;
        questions.Last();
        const QString text = questions.FieldByName(fields::fragen::Frage).AsString();
        TField id = questions.FieldByName(fields::fragen::ID);
        TField frage = questions.FieldByName(fields::fragen::Frage);
        for (int next = questions.RecordCount() + 1; large && questions.RecordCount() < LargeCatalogue; ++next) {
            questions.Append();
            id.SetAsInteger(100000 + next);
            frage.SetAsString(text);
            questions.Post();
        }
    }

    QTemporaryDir folder;
    TStoredUserValues stored{folder.path() + QStringLiteral("/velmora")};
    std::unique_ptr<TMainDataModule> module;
};

void saveAfter(benchmark::State &state, bool large, TProgressTables changed)
{
    Installation installation(large);
    state.counters["questions"] = installation.module->FragenTable.RecordCount();
    for (auto _ : state) {
        if (!installation.module->SaveProgress(changed).isEmpty())
            state.SkipWithError("the save failed");
    }
}

void BM_SaveAfterEvaluation_Shipped(benchmark::State &state)
{
    saveAfter(state, false, TProgressTable::Fragen | TProgressTable::Frageboegen);
}
void BM_SaveAfterEvaluation_20000Questions(benchmark::State &state)
{
    saveAfter(state, true, TProgressTable::Fragen | TProgressTable::Frageboegen);
}
void BM_SaveAfterPurchase_Shipped(benchmark::State &state)
{
    saveAfter(state, false, TProgressTable::Sets | TProgressTable::Bilder);
}

BENCHMARK(BM_SaveAfterEvaluation_Shipped)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_SaveAfterEvaluation_20000Questions)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SaveAfterPurchase_Shipped)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
