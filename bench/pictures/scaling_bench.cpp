// Resize benchmarks on photograph-sized pictures, as the question, pass and pictures screens do them.
//
//   build/bench/pictures/bench_pictures_scaling --benchmark_min_time=2
//
// The pictures are made up here: smooth gradients, a few hard-edged shapes and sensor-like noise, so
// that nothing has to be downloaded and every run sees the same pixels. The result bitmap is reused
// across iterations, as the screens' pictures are, so the figures show the resize and not the first
// touch of fresh memory.

#include "pictures/bitmap.h"
#include "pictures/scaling.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <random>

namespace {

TBitmap photographLike(int width, int height, std::uint32_t seed)
{
    TBitmap picture(width, height, TPixelFormat::Bits24);
    std::mt19937 random(seed);
    std::normal_distribution<float> noise(0.0f, 6.0f);
    const double cx = width * 0.6, cy = height * 0.4, radius = std::min(width, height) * 0.25;
    for (int y = 0; y < height; ++y) {
        uchar *line = picture.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const double u = double(x) / width, v = double(y) / height;
            double red = 40 + 170 * v + 30 * std::sin(9 * u), green = 90 + 100 * u * v, blue = 200 - 150 * v;
            if ((x - cx) * (x - cx) + (y - cy) * (y - cy) < radius * radius) { // a bright disc
                red = 230 - 40 * u;
                green = 190;
                blue = 120;
            }
            if (x > width / 8 && x < width / 3 && y > height / 2) // a dark block with hard edges
                red = green = blue = 25 + 20 * u;
            const double channels[3] = {blue, green, red};
            for (int c = 0; c < 3; ++c)
                line[3 * x + c] = uchar(std::clamp(channels[c] + noise(random), 0.0, 255.0));
        }
    }
    return picture;
}

const TBitmap &photo4000()
{
    static const TBitmap picture = photographLike(4000, 3000, 1);
    return picture;
}

const TBitmap &photo1200()
{
    static const TBitmap picture = photographLike(1200, 900, 2);
    return picture;
}

void resizeBenchmark(benchmark::State &state, const TBitmap &source, int width, int height, TResizeMode mode,
                     int threads)
{
    TBitmap result;
    TResizeOptions options;
    options.threads = threads;
    ResizeBitmapInto(source, result, width, height, mode, options); // filter tables and result memory
    for (auto _ : state) {
        ResizeBitmapInto(source, result, width, height, mode, options);
        benchmark::DoNotOptimize(result.bits());
        benchmark::ClobberMemory();
    }
    state.counters["source_Mpx_per_s"] = benchmark::Counter(double(source.width()) * source.height() / 1e6,
                                                            benchmark::Counter::kIsIterationInvariantRate);
}

void BM_Cubic_4000x3000_to_666x499(benchmark::State &state)
{
    resizeBenchmark(state, photo4000(), 666, 499, TResizeMode::Cubic, int(state.range(0)));
}
void BM_Cubic_4000x3000_to_366x512(benchmark::State &state)
{
    resizeBenchmark(state, photo4000(), 366, 512, TResizeMode::Cubic, int(state.range(0)));
}
void BM_Bilinear_4000x3000_to_366x512(benchmark::State &state)
{
    resizeBenchmark(state, photo4000(), 366, 512, TResizeMode::Bilinear, 1);
}
void BM_Cubic_1200x900_to_301x201(benchmark::State &state)
{
    resizeBenchmark(state, photo1200(), 301, 201, TResizeMode::Cubic, int(state.range(0)));
}

// Argument: threads (0 = the resize's own choice, two on these pictures; 1 = one core).
BENCHMARK(BM_Cubic_4000x3000_to_666x499)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Cubic_4000x3000_to_366x512)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Bilinear_4000x3000_to_366x512)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Cubic_1200x900_to_301x201)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
