// The pictures screen's next picture: from moving to the next picture of the set to that picture
// fully shown (the 900 x 1200 JPEG decoded, then either fitted into the 366 x 512 box with the
// bilinear filter or drawn as the teaser through the question-mark shape; stars and price set; the
// screen painted), over a set of 9 pictures, as shipped sets are.
//
//   QT_QPA_PLATFORM=offscreen build/bench/bilder/bench_bilder_screen --benchmark_repetitions=5
//
// The program folder (skin pictures, set pictures) is written here into a temporary folder.

#include "../screen_bench_context.h"
#include "app/vl_bilder.h"
#include "data/db_module.h"
#include "data/table_fields.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

constexpr int kPictures = 9;

void writeSkinPicture(const QString &path, QSize size, QColor colour)
{
    QImage picture(size, QImage::Format_RGB888);
    picture.fill(colour);
    picture.save(path, "BMP");
}

// A white picture with a black question mark drawn in it, about as large as the box.
void writeQuestionMask(const QString &path)
{
    QImage mask(290, 470, QImage::Format_RGB888);
    mask.fill(Qt::white);
    QPainter painter(&mask);
    painter.setPen(QPen(Qt::black, 40));
    painter.drawArc(30, 20, 230, 230, 180 * 16, -270 * 16);
    painter.drawLine(145, 250, 145, 350);
    painter.setBrush(Qt::black);
    painter.drawEllipse(120, 400, 50, 50);
    painter.end();
    mask.save(path, "BMP");
}

// A 900 x 1200 JPEG with smooth colours that differ by `seed`, like a shipped set picture.
void writeSetPicture(const QString &path, int seed)
{
    QImage picture(900, 1200, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const double u = x / 900.0, v = y / 1200.0;
            picture.setPixel(x, y, qRgb(int(60 + 150 * v + 30 * std::sin(11 * u + seed)), int(120 + 90 * u * v),
                                        int(210 - 140 * v)));
        }
    picture.save(path, "JPEG", 85);
}

// A program folder with the screen's skin and one set of 9 pictures, locked or bought.
struct Setup
{
    QTemporaryDir folder;
    std::unique_ptr<BenchContext> context;
    std::unique_ptr<TBilderFrame> screen;
    QImage pixels{966, 571, QImage::Format_RGB32};

    explicit Setup(bool bought)
    {
        const QString bmp = folder.filePath(QStringLiteral("bmp/"));
        const QString sets = folder.filePath(QStringLiteral("db/sets/"));
        QDir().mkpath(bmp);
        QDir().mkpath(sets);
        writeSkinPicture(bmp + QStringLiteral("GUI_bilder.bmp"), QSize(961, 566), QColor(40, 40, 80));
        writeSkinPicture(bmp + QStringLiteral("GUI_buy.bmp"), QSize(181, 66), QColor(40, 140, 60));
        writeSkinPicture(bmp + QStringLiteral("GUI_zurueck.bmp"), QSize(181, 71), QColor(40, 140, 60));
        writeSkinPicture(bmp + QStringLiteral("star.bmp"), QSize(31, 36), QColor(240, 200, 0));
        writeSkinPicture(bmp + QStringLiteral("star_deaktiviert.bmp"), QSize(31, 36), QColor(128, 128, 128));
        writeQuestionMask(bmp + QStringLiteral("GUI_questionmask.bmp"));

        context = std::make_unique<BenchContext>(folder.path());
        TMainDataModule &data = *context->DataModule();
        TRecordTable &setsTable = data.SetsTable;
        TRecordTable &pictures = data.BilderTable;
        if (!setsTable.Active())
            setsTable.Open();
        if (!pictures.Active())
            pictures.Open();
        setsTable.Append();
        setsTable.FieldByName(fields::sets::ID).SetAsInteger(1);
        setsTable.FieldByName(fields::sets::Name).SetAsString(QStringLiteral("Polarlichter"));
        setsTable.FieldByName(fields::sets::Wertung).SetAsInteger(5);
        setsTable.FieldByName(fields::sets::Freispielbar).SetAsBoolean(true);
        setsTable.FieldByName(fields::sets::Freigespielt).SetAsBoolean(bought);
        setsTable.Post();
        for (int place = 1; place <= kPictures; ++place) {
            const QString file = QStringLiteral("data%1.img").arg(place - 1);
            writeSetPicture(sets + file, place);
            pictures.Append();
            pictures.FieldByName(fields::bilder::ID).SetAsInteger(place);
            pictures.FieldByName(fields::bilder::SetID).SetAsInteger(1);
            pictures.FieldByName(fields::bilder::NrInSet).SetAsInteger(place);
            pictures.FieldByName(fields::bilder::Wertung).SetAsInteger(1 + place % 5);
            pictures.FieldByName(fields::bilder::Bild).SetAsString(file);
            pictures.FieldByName(fields::bilder::Freigespielt).SetAsBoolean(false);
            pictures.Post();
        }
        pictures.SetFiltered(true);
        pictures.SetFilter(QStringLiteral("(SetID = 1)"));
        pictures.First();

        screen = std::make_unique<TBilderFrame>(*context, nullptr);
        context->screen = screen.get();
        screen->OnCreation();
        screen->OnShow();
    }

    // The next picture of the set, after the last the first again; then the screen painted.
    void next()
    {
        TRecordTable &pictures = context->DataModule()->BilderTable;
        pictures.Next();
        if (pictures.Eof())
            pictures.First();
        QPainter painter(&pixels);
        screen->render(&painter);
    }
};

void BM_NextPicture(benchmark::State &state, bool bought)
{
    Setup setup(bought);
    for (auto _ : state) {
        setup.next();
        benchmark::DoNotOptimize(setup.pixels.constBits());
    }
}
BENCHMARK_CAPTURE(BM_NextPicture, Bought, true)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_NextPicture, LockedTeaser, false)->Unit(benchmark::kMillisecond)->MinTime(2.0);

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
