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

void copyValue(TField field, const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        field.SetAsBoolean(value.toBool());
        break;
    case QMetaType::Int:
    case QMetaType::LongLong:
        field.SetAsInteger(value.toInt());
        break;
    case QMetaType::Double:
        field.SetAsFloat(value.toDouble());
        break;
    case QMetaType::QString:
        field.SetAsString(value.toString());
        break;
    default: // null, or a kind the catalogue does not hold
        break;
    }
}

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
        // The added questions are copies of the last shipped one, every field, under IDs of their own.
        TRecordTable &questions = module->FragenTable;
        questions.Last();
        QList<QVariant> model;
        for (int field = 0; field < questions.FieldCount(); ++field)
            model << questions.Field(field).AsVariant();
        const int idIndex = questions.FieldByName(fields::fragen::ID).Index();
        for (int next = questions.RecordCount() + 1; large && questions.RecordCount() < LargeCatalogue; ++next) {
            questions.Append();
            for (int field = 0; field < questions.FieldCount(); ++field)
                copyValue(questions.Field(field), model[field]);
            questions.Field(idIndex).SetAsInteger(100000 + next);
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
