// Loading and saving a question catalogue of 20,000 questions, and counting and locating under a filter.
// Run: build/bench/data/bench_data_tables   (figures: bytes_per_second = MB/s, records = records/s)
#include "data/record_table.h"
#include "data/table_file.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int questionCount = 20000;
const char *const classes[] = {"A", "A1", "B", "C", "CE", "C1", "D", "D1", "L", "M", "MO", "T", "S"};

void defineQuestions(TRecordTable &table)
{
    table.AddField(QStringLiteral("ID"), TFieldType::AutoInc);
    table.AddField(QStringLiteral("Klasse"), TFieldType::String, 2);
    table.AddField(QStringLiteral("Fragebogen"), TFieldType::Integer);
    table.AddField(QStringLiteral("NrInFragebogen"), TFieldType::Integer);
    table.AddField(QStringLiteral("Fehlerpunkte"), TFieldType::Integer);
    table.AddField(QStringLiteral("Fragetyp"), TFieldType::Word);
    table.AddField(QStringLiteral("Frage"), TFieldType::Memo);
    for (int i = 1; i <= 3; ++i) {
        table.AddField(QStringLiteral("Antwort%1").arg(i), TFieldType::Memo);
        table.AddField(QStringLiteral("Antwort%1kreuz").arg(i), TFieldType::Boolean);
    }
    table.AddField(QStringLiteral("Falsch"), TFieldType::Integer);
    table.AddField(QStringLiteral("Bearbeitet"), TFieldType::Integer);
    table.AddField(QStringLiteral("Bild"), TFieldType::String, 20);
    table.AddField(QStringLiteral("Zusatzstoff"), TFieldType::Boolean);
    for (const char *code : classes)
        table.AddField(QStringLiteral("Klasse_") + QString::fromLatin1(code), TFieldType::Boolean);
    table.AddField(QStringLiteral("Info"), TFieldType::String, 240);
    table.AddIndexDef({QStringLiteral("ID"), QStringLiteral("ID"), false, false, false, true});
    table.SetIndexName(QStringLiteral("ID"));
}

// A catalogue of questions with German texts, as a table file in memory.
const QByteArray &catalogueFile()
{
    static const QByteArray bytes = [] {
        TRecordTable table(QStringLiteral("FragenTable"));
        defineQuestions(table);
        table.Open();
        const QString frage = QStringLiteral(
            "Sie nähern sich einer Kreuzung, an der Fußgänger die Fahrbahn überqueren. Welches Verhalten ist "
            "richtig, wenn die Straße nass ist und die Sicht durch Nebel eingeschränkt wird? (Frage %1)");
        const QString antworten[] = {QStringLiteral("Ich verringere die Geschwindigkeit und bin bremsbereit"),
                                     QStringLiteral("Ich überhole zügig, bevor die Fußgänger die Straße betreten"),
                                     QStringLiteral("Ich halte Abstand und achte auf Radfahrer im Straßenverkehr")};
        for (int i = 0; i < questionCount; ++i) {
            table.Append();
            table.FieldByName(QStringLiteral("Klasse")).SetAsString(QString::fromLatin1(classes[i % 13]));
            table.FieldByName(QStringLiteral("Fragebogen")).SetAsInteger(i / 30);
            table.FieldByName(QStringLiteral("NrInFragebogen")).SetAsInteger(i % 30 + 1);
            table.FieldByName(QStringLiteral("Fehlerpunkte")).SetAsInteger(2 + i % 4);
            table.FieldByName(QStringLiteral("Fragetyp")).SetAsInteger(i % 7 == 0 ? 1 : 0);
            table.FieldByName(QStringLiteral("Frage")).SetAsString(frage.arg(i));
            for (int a = 0; a < 3; ++a) {
                table.FieldByName(QStringLiteral("Antwort%1").arg(a + 1)).SetAsString(antworten[a]);
                table.FieldByName(QStringLiteral("Antwort%1kreuz").arg(a + 1)).SetAsBoolean((i + a) % 2 == 0);
            }
            table.FieldByName(QStringLiteral("Falsch")).SetAsInteger(i % 5);
            table.FieldByName(QStringLiteral("Bearbeitet")).SetAsInteger(i % 9);
            if (i % 4 == 0)
                table.FieldByName(QStringLiteral("Bild")).SetAsString(QStringLiteral("b%1.jpg").arg(i));
            table.FieldByName(QStringLiteral("Zusatzstoff")).SetAsBoolean(i % 3 == 0);
            for (int c = 0; c < 13; ++c)
                table.FieldByName(QStringLiteral("Klasse_") + QString::fromLatin1(classes[c]))
                    .SetAsBoolean((i + c) % 3 != 0);
            table.FieldByName(QStringLiteral("Info")).SetAsString(QStringLiteral("Straßenverkehrs-Ordnung §%1").arg(i % 50));
            table.Post();
        }
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        TTableFile::Save(table, buffer);
        return buffer.data();
    }();
    return bytes;
}

void loadFrom(TRecordTable &table, const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    TTableFile::Load(table, buffer);
}

void reportRate(benchmark::State &state, qint64 bytes)
{
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["records"] = benchmark::Counter(double(state.iterations()) * questionCount,
                                                   benchmark::Counter::kIsRate);
    state.counters["file_MB"] = double(bytes) / 1e6;
}

void BM_LoadCatalogue(benchmark::State &state)
{
    const QByteArray &bytes = catalogueFile();
    TRecordTable table(QStringLiteral("FragenTable"));
    defineQuestions(table);
    loadFrom(table, bytes); // warm: the table's memory is reused from here on
    for (auto _ : state) {
        loadFrom(table, bytes);
        benchmark::DoNotOptimize(table.RecordCount());
    }
    reportRate(state, bytes.size());
}
BENCHMARK(BM_LoadCatalogue)->Unit(benchmark::kMillisecond);

void BM_SaveCatalogue(benchmark::State &state)
{
    const QByteArray &bytes = catalogueFile();
    TRecordTable table(QStringLiteral("FragenTable"));
    loadFrom(table, bytes);
    QByteArray target;
    target.reserve(bytes.size() + 65536);
    QBuffer buffer(&target);
    buffer.open(QIODevice::WriteOnly);
    for (auto _ : state) {
        buffer.seek(0);
        TTableFile::Save(table, buffer);
        benchmark::DoNotOptimize(target.data());
    }
    if (target != bytes)
        state.SkipWithError("the saved catalogue differs from the loaded one");
    reportRate(state, bytes.size());
}
BENCHMARK(BM_SaveCatalogue)->Unit(benchmark::kMillisecond);

// Through real files: the load reads a file, the save writes a temporary file and replaces the old one.
void BM_LoadCatalogueFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fragen.dat"));
    TRecordTable table(QStringLiteral("FragenTable"));
    loadFrom(table, catalogueFile());
    table.SaveToFile(path);
    for (auto _ : state)
        table.LoadFromFile(path);
    reportRate(state, catalogueFile().size());
}
BENCHMARK(BM_LoadCatalogueFile)->Unit(benchmark::kMillisecond);

void BM_SaveCatalogueFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fragen.dat"));
    TRecordTable table(QStringLiteral("FragenTable"));
    loadFrom(table, catalogueFile());
    for (auto _ : state)
        table.SaveToFile(path);
    reportRate(state, catalogueFile().size());
}
BENCHMARK(BM_SaveCatalogueFile)->Unit(benchmark::kMillisecond);

void BM_FilteredRecordCount(benchmark::State &state, const char *filter)
{
    TRecordTable table(QStringLiteral("FragenTable"));
    loadFrom(table, catalogueFile());
    table.SetFilter(QString::fromLatin1(filter));
    table.SetFiltered(true);
    int count = 0;
    for (auto _ : state) {
        count = table.RecordCount();
        benchmark::DoNotOptimize(count);
    }
    state.counters["visible"] = count;
    state.counters["records"] = benchmark::Counter(double(state.iterations()) * questionCount,
                                                   benchmark::Counter::kIsRate);
}
BENCHMARK_CAPTURE(BM_FilteredRecordCount, klasse_text, "(Klasse = 'B')")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FilteredRecordCount, fragebogen_integer, "Fragebogen = 600")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FilteredRecordCount, boolean_field, "(Klasse_B)")->Unit(benchmark::kMicrosecond);

// Locating the last question of class "B" while the class filter is on: a walk over the whole table.
void BM_FilteredLocate(benchmark::State &state)
{
    TRecordTable table(QStringLiteral("FragenTable"));
    loadFrom(table, catalogueFile());
    table.SetFilter(QStringLiteral("(Klasse = 'B')"));
    table.SetFiltered(true);
    table.Last();
    const int lastId = table.FieldByName(QStringLiteral("ID")).AsInteger();
    for (auto _ : state) {
        table.First();
        if (!table.Locate(QStringLiteral("ID"), lastId))
            state.SkipWithError("not found");
    }
    state.counters["records"] = benchmark::Counter(double(state.iterations()) * questionCount,
                                                   benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FilteredLocate)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
