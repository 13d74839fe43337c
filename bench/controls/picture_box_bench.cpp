// A question picture from its file to the pixels of the question screen's picture box: decode the
// 450 × 300 JPEG, fit it into 301 × 201 (stretch and proportional), resize it with the cubic filter
// (mode 2) into a bitmap of exactly the fitted size, give it to the box and let the box paint.
//
//   QT_QPA_PLATFORM=offscreen build/bench/controls/bench_controls_picture_box
//
// The JPEG is written here from a made-up photograph-like picture, so nothing has to be downloaded.

#include "controls/bitmap_image.h"
#include "controls/picture_box.h"
#include "pictures/fit_rect.h"
#include "pictures/jpeg_decoder.h"
#include "pictures/scaling.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>

namespace {

QString writeQuestionPicture(const QString &folder)
{
    QImage picture(450, 300, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const double u = x / 450.0, v = y / 300.0;
            int red = int(60 + 150 * v + 30 * std::sin(11 * u)), green = int(120 + 90 * u * v), blue = int(210 - 140 * v);
            if ((x - 300) * (x - 300) + (y - 110) * (y - 110) < 3600)
                red = 230, green = 200, blue = 40;
            picture.setPixel(x, y, qRgb(red, green, blue));
        }
    const QString path = folder + QStringLiteral("/frage.jpg");
    if (!picture.save(path, "JPEG", 85))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return path;
}

void BM_QuestionPicture_FileToPictureBox(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = writeQuestionPicture(folder.path());
    TPictureBox box;
    box.resize(301, 201);
    QImage screen(301, 201, QImage::Format_RGB32); // the widget's pixels
    TBitmap fitted;
    for (auto _ : state) {
        const TBitmap decoded = DecodeJpegFile(path);
        const TRect fit = FitRect(301, 201, decoded.width(), decoded.height(), true, true, false);
        fitted.reset(fit.width, fit.height, TPixelFormat::Bits24);
        DrawScaled(fitted, decoded, TRect{0, 0, fit.width, fit.height}, TResizeMode::Cubic);
        box.setBitmap(fitted);
        screen.fill(Qt::white);
        QPainter painter(&screen);
        box.render(&painter);
        painter.end();
        benchmark::DoNotOptimize(screen.constBits());
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_QuestionPicture_FileToPictureBox)->Unit(benchmark::kMillisecond)->Repetitions(15)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
