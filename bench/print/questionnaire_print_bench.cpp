// Printing a questionnaire of 30 questions with pictures into a PDF file through the real print
// code: the wall time of one sheet and the size of the file. VELMORA_BENCH_PDF names a file to keep
// the last sheet in.
#include "../screen_bench_support.h"
#include "app/widget_ports.h"
#include "core/ports.h"
#include "core/stored_user_values.h"
#include "data/db_module.h"
#include "data/table_fields.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

void BM_PrintThirtyQuestionsWithPicturesToPdf(benchmark::State &state)
{
    QTemporaryDir folder;
    QDir().mkpath(folder.filePath(QStringLiteral("db/img")));
    TStoredUserValues values(folder.filePath(QStringLiteral("velmora")));
    QuietDialogs dialogs;
    NoEvents events;
    TModulePorts ports;
    ports.dialogs = &dialogs;
    ports.events = &events;
    TMainDataModule data(values, ports, folder.path());
    for (TRecordTable *table : {&data.FragenTable, &data.FrageboegenTable})
        if (!table->Active())
            table->Open();
    QStringList list;
    for (int id = 1; id <= 30; ++id) {
        const QString picture = QStringLiteral("bild%1.jpg").arg(id);
        writeQuestionPicture(folder.filePath(QStringLiteral("db/img/")) + picture, id);
        TRecordTable &fragen = data.FragenTable;
        fragen.Append();
        fragen.FieldByName(fields::fragen::ID).SetAsInteger(id);
        fragen.FieldByName(fields::fragen::Fragetyp).SetAsInteger(1);
        fragen.FieldByName(fields::fragen::Frage)
            .SetAsString(QStringLiteral("Welche Aussage zu Frage %1 ist richtig, wenn Sie an einer Kreuzung "
                                        "mit abknickender Vorfahrt stehen?").arg(id));
        fragen.FieldByName(fields::fragen::Antwort1).SetAsString(QStringLiteral("Die erste Antwort"));
        fragen.FieldByName(fields::fragen::Antwort2).SetAsString(QStringLiteral("Die zweite Antwort"));
        fragen.FieldByName(fields::fragen::Antwort3).SetAsString(QStringLiteral("Die dritte Antwort"));
        fragen.FieldByName(fields::fragen::Antwort1kreuz).SetAsBoolean(true);
        fragen.FieldByName(fields::fragen::Fehlerpunkte).SetAsInteger(3);
        fragen.FieldByName(fields::fragen::Bild).SetAsString(picture);
        fragen.Post();
        list << QString::number(id);
    }
    TRecordTable &boegen = data.FrageboegenTable;
    boegen.Append();
    boegen.FieldByName(fields::frageboegen::ID).SetAsInteger(7);
    boegen.FieldByName(fields::frageboegen::Klasse).SetAsString(QStringLiteral("B"));
    boegen.FieldByName(fields::frageboegen::Nummer).SetAsInteger(1);
    boegen.FieldByName(fields::frageboegen::Fragen).SetAsString(list.join(QStringLiteral("\r\n")));
    boegen.Post();

    const QString kept = qEnvironmentVariable("VELMORA_BENCH_PDF");
    const QString path = kept.isEmpty() ? folder.filePath(QStringLiteral("sheet.pdf")) : kept;
    TPdfPrintPort printer(path);
    for (auto _ : state) {
        if (!data.PrintQuestionnaire(7, printer))
            state.SkipWithError("nothing printed");
    }
    state.counters["pdf_bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_PrintThirtyQuestionsWithPicturesToPdf)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
