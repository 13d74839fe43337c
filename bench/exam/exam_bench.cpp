// Building a short test and evaluating a questionnaire test on a catalogue of 20,000 questions.
// Run: build/bench/exam/bench_exam (medians of 10 repetitions).
#include "core/ports.h"
#include "core/random_generator.h"
#include "core/stored_user_values.h"
#include "data/db_module.h"
#include "data/table_schemas.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

constexpr int CatalogueSize = 20000;
constexpr int QuestionnaireCount = 600;
constexpr int TestSize = 30;

class SilentPorts final : public IDialogPort, public IScreenPort, public ISoundPort
{
public:
    void showMessage(const QString &) override {}
    void showInformation(const QString &) override {}
    bool askYesNo(const QString &) override { return true; }
    bool askYesNoWarning(const QString &) override { return true; }
    void showScreen(const QString &) override {}
    void playCue(const QString &) override {}
    void playSoundSync(const QString &) override {}
    void beep() override {}
};

// A module with a catalogue of 20,000 questions, every one in the pool of class B, with spread
// statistics, and 600 questionnaires of 30 questions each.
struct Catalogue
{
    Catalogue()
    {
        module = std::make_unique<TMainDataModule>(
            stored, TModulePorts{&ports, &ports, &ports, &random, nullptr}, folder.path());
        module->OpenQuestions();
        std::mt19937 pick(4711);
        TRecordTable &questions = module->FragenTable;
        TField id = questions.FieldByName(QStringLiteral("ID"));
        TField fragetyp = questions.FieldByName(QStringLiteral("Fragetyp"));
        TField antwort1 = questions.FieldByName(QStringLiteral("Antwort1"));
        TField kreuz1 = questions.FieldByName(QStringLiteral("Antwort1kreuz"));
        TField kreuz3 = questions.FieldByName(QStringLiteral("Antwort3kreuz"));
        TField fehlerpunkte = questions.FieldByName(QStringLiteral("Fehlerpunkte"));
        TField falsch = questions.FieldByName(QStringLiteral("Falsch"));
        TField bearbeitet = questions.FieldByName(QStringLiteral("Bearbeitet"));
        TField frage = questions.FieldByName(QStringLiteral("Frage"));
        TField klasseB = questions.FieldByName(QStringLiteral("Klasse_B"));
        TField klasseA = questions.FieldByName(QStringLiteral("Klasse_A"));
        for (int i = 0; i < CatalogueSize; ++i) {
            questions.Append();
            id.SetAsInteger(i + 1);
            const bool number = i % 10 == 0;
            fragetyp.SetAsInteger(number ? 2 : 1);
            frage.SetAsString(QStringLiteral("Wie verhalten Sie sich in dieser Situation? (%1)").arg(i));
            antwort1.SetAsString(number ? QStringLiteral("Anhalteweg (Lsg: 42) m")
                                        : QStringLiteral("Ich bremse"));
            kreuz1.SetAsBoolean(pick() % 2 == 0);
            kreuz3.SetAsBoolean(pick() % 2 == 0);
            fehlerpunkte.SetAsInteger(2 + int(pick() % 4));
            falsch.SetAsInteger(int(pick() % 9) - 3);
            bearbeitet.SetAsInteger(int(pick() % 9));
            klasseB.SetAsBoolean(true);
            klasseA.SetAsBoolean(pick() % 2 == 0);
            questions.Post();
        }
        TRecordTable &questionnaires = module->FrageboegenTable;
        for (int q = 0; q < QuestionnaireCount; ++q) {
            QString list;
            for (int k = 0; k < TestSize; ++k)
                list += QString::number(1 + int(pick() % CatalogueSize)) + QStringLiteral("\r\n");
            questionnaires.Append();
            questionnaires.FieldByName(QStringLiteral("Klasse")).SetAsString(QStringLiteral("B"));
            questionnaires.FieldByName(QStringLiteral("Nummer")).SetAsInteger(q + 1);
            questionnaires.FieldByName(QStringLiteral("Fragen")).SetAsString(list);
            questionnaires.Post();
        }
    }

    QTemporaryDir folder;
    TStoredUserValues stored{QStringLiteral("/opt/velmora/velmora")};
    SilentPorts ports;
    ClockRandomGenerator random;
    std::unique_ptr<TMainDataModule> module;
};

Catalogue &catalogue()
{
    static Catalogue instance;
    return instance;
}

void BM_BuildWeakQuestionTest(benchmark::State &state)
{
    TMainDataModule &module = *catalogue().module;
    for (auto _ : state) {
        module.BuildWeakQuestionTest(2);
        benchmark::DoNotOptimize(module.TestTable.RecordCount());
    }
}
BENCHMARK(BM_BuildWeakQuestionTest)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// Evaluates a 30-question questionnaire test (the last questionnaire, so its lookup walks the whole
// table) with a tick on every first answer.
void BM_EvaluateTest(benchmark::State &state)
{
    TMainDataModule &module = *catalogue().module;
    TRecordTable &questionnaires = module.FrageboegenTable;
    questionnaires.Last();
    module.TestKind = 1;
    module.BuildTestFromQuestionnaire(questionnaires.FieldByName(QStringLiteral("ID")).AsInteger());
    TRecordTable &test = module.TestTable;
    for (test.First(); !test.Eof(); test.Next()) {
        test.Edit();
        test.FieldByName(QStringLiteral("Antwort1kreuz")).SetAsBoolean(true);
        test.FieldByName(QStringLiteral("Antwort")).SetAsString(QStringLiteral("42"));
        test.Post();
    }
    for (auto _ : state) {
        module.EvaluateTest();
        benchmark::DoNotOptimize(module.LastErrorPoints);
    }
}
BENCHMARK(BM_EvaluateTest)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// Where the time of the weak-question build goes: the walk over the catalogue alone ...
void BM_WeakDrawPart_CatalogueWalk(benchmark::State &state)
{
    TMainDataModule &module = *catalogue().module;
    TRecordTable &questions = module.FragenTable;
    TField flag = questions.FieldByName(QStringLiteral("Klasse_B"));
    TField id = questions.FieldByName(QStringLiteral("ID"));
    TField falsch = questions.FieldByName(QStringLiteral("Falsch"));
    TField bearbeitet = questions.FieldByName(QStringLiteral("Bearbeitet"));
    for (auto _ : state) {
        qint64 sum = 0;
        for (questions.First(); !questions.Eof(); questions.Next()) {
            if (flag.AsBoolean())
                sum += id.AsInteger() + falsch.AsInteger() - bearbeitet.AsInteger();
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_WeakDrawPart_CatalogueWalk)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// ... filling the scratch table with 20,000 records, and filling and ordering it by value.
void scratchDraw(benchmark::State &state, bool sort)
{
    TMainDataModule &module = *catalogue().module;
    TRecordTable &scratch = module.SortTable;
    std::mt19937 pick(7);
    for (auto _ : state) {
        scratch.Open();
        TField id = scratch.FieldByName(QStringLiteral("FrageID"));
        TField value = scratch.FieldByName(QStringLiteral("Value"));
        for (int i = 0; i < CatalogueSize; ++i) {
            scratch.Append();
            id.SetAsInteger(i + 1);
            value.SetAsInteger(-int(pick() % 10));
            scratch.Post();
        }
        if (sort)
            scratch.SortOn(QStringLiteral("Value"));
        scratch.Close();
    }
}
void BM_WeakDrawPart_ScratchFill(benchmark::State &state)
{
    scratchDraw(state, false);
}
void BM_WeakDrawPart_ScratchFillAndSort(benchmark::State &state)
{
    scratchDraw(state, true);
}
BENCHMARK(BM_WeakDrawPart_ScratchFill)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_WeakDrawPart_ScratchFillAndSort)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// Where the time of the evaluation goes: finding 30 questions by ID in the catalogue.
void BM_EvaluatePart_LocateThirtyQuestions(benchmark::State &state)
{
    TMainDataModule &module = *catalogue().module;
    std::mt19937 pick(11);
    QList<int> ids;
    for (int k = 0; k < TestSize; ++k)
        ids << 1 + int(pick() % CatalogueSize);
    for (auto _ : state) {
        for (const int id : ids)
            benchmark::DoNotOptimize(module.FragenTable.Locate(QStringLiteral("ID"), id));
    }
}
BENCHMARK(BM_EvaluatePart_LocateThirtyQuestions)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    catalogue();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
