// The question screen's forward click: from the click to the next question fully shown (texts,
// ticks and number, the 450 x 300 JPEG decoded, fitted into 301 x 201 and resized with the cubic
// filter, the screen's navigation refreshed and the screen painted), over a test of 30 questions
// that each have a picture. A second run makes 300 forward clicks and reports how far the resident
// memory moved.
//
//   QT_QPA_PLATFORM=offscreen build/bench/frage/bench_frage_screen --benchmark_repetitions=5
//
// The program folder (skin buttons, catalogue, pictures) is written here into a temporary folder.

#include "../screen_bench_context.h"
#include "app/vl_frage.h"
#include "controls/picture_button.h"
#include "data/db_module.h"
#include "data/table_fields.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

// A program folder with the screen's skin buttons and a test of 30 questions with pictures.
struct Setup
{
    QTemporaryDir folder;
    std::unique_ptr<BenchContext> context;
    std::unique_ptr<TFrageFrame> screen;
    QImage pixels{966, 571, QImage::Format_RGB32};

    Setup()
    {
        const QString bmp = folder.filePath(QStringLiteral("bmp"));
        const QString img = folder.filePath(QStringLiteral("db/img"));
        QDir().mkpath(bmp);
        QDir().mkpath(img);
        QImage button(186, 66, QImage::Format_RGB888);
        button.fill(QColor(40, 140, 60));
        for (const char *name : {"Abbrechen", "Auswerten", "Uebersicht", "previousquestion", "nextquestion",
                                 "zurueckfrage"})
            button.save(bmp + QStringLiteral("/GUI_%1.bmp").arg(QLatin1String(name)), "BMP");
        context = std::make_unique<BenchContext>(folder.path());
        TMainDataModule &data = *context->DataModule();
        if (!data.FragenTable.Active())
            data.FragenTable.Open();
        for (int id = 1; id <= 30; ++id) {
            const QString picture = QStringLiteral("bild%1.jpg").arg(id);
            writeQuestionPicture(img + QLatin1Char('/') + picture, id);
            TRecordTable &fragen = data.FragenTable;
            fragen.Append();
            fragen.FieldByName(fields::fragen::ID).SetAsInteger(id);
            fragen.FieldByName(fields::fragen::Fragetyp).SetAsInteger(1);
            fragen.FieldByName(fields::fragen::Frage).SetAsString(QStringLiteral("Welche Aussage zu Frage %1 ist richtig?").arg(id));
            fragen.FieldByName(fields::fragen::Antwort1).SetAsString(QStringLiteral("Die erste Antwort"));
            fragen.FieldByName(fields::fragen::Antwort2).SetAsString(QStringLiteral("Die zweite Antwort"));
            fragen.FieldByName(fields::fragen::Antwort3).SetAsString(QStringLiteral("Die dritte Antwort"));
            fragen.FieldByName(fields::fragen::Fehlerpunkte).SetAsInteger(3);
            fragen.FieldByName(fields::fragen::Bild).SetAsString(picture);
            fragen.Post();
            TRecordTable &test = data.TestTable;
            test.Append();
            test.FieldByName(fields::test::FrageID).SetAsInteger(id);
            test.FieldByName(fields::test::NrInTest).SetAsInteger(id);
            test.Post();
        }
        screen = std::make_unique<TFrageFrame>(*context, nullptr);
        context->screen = screen.get();
        screen->OnCreation();
        screen->ShowFirstQuestion(0);
    }

    // One forward click and the screen painted; from the last question back to the first.
    void forward()
    {
        if (screen->ForwardImage->isHidden())
            screen->ShowFirstQuestion(0);
        else
            screen->ForwardImage->clicked();
        QPainter painter(&pixels);
        screen->render(&painter);
    }
};

long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> parts = statm.readAll().split(' ');
    return parts.size() > 1 ? parts[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

void BM_ForwardClickToNextQuestionShown(benchmark::State &state)
{
    Setup setup;
    for (auto _ : state) {
        state.PauseTiming();
        if (setup.screen->ForwardImage->isHidden())
            setup.screen->ShowFirstQuestion(0);
        state.ResumeTiming();
        setup.screen->ForwardImage->clicked();
        QPainter painter(&setup.pixels);
        setup.screen->render(&painter);
        painter.end();
        benchmark::DoNotOptimize(setup.pixels.constBits());
    }
}
BENCHMARK(BM_ForwardClickToNextQuestionShown)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ThreeHundredSwitchesResidentMemory(benchmark::State &state)
{
    for (auto _ : state) {
        Setup setup;
        for (int i = 0; i < 30; ++i)
            setup.forward();
        const long before = residentKiB();
        std::vector<double> times;
        for (int i = 0; i < 300; ++i) {
            QElapsedTimer clock;
            clock.start();
            setup.forward();
            times.push_back(clock.nsecsElapsed() / 1e6);
        }
        const long after = residentKiB();
        std::sort(times.begin(), times.end());
        state.counters["rss_change_KiB"] = double(after - before);
        state.counters["median_ms"] = times[times.size() / 2];
    }
}
BENCHMARK(BM_ThreeHundredSwitchesResidentMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

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
