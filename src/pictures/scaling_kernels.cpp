#include "pictures/scaling_kernels.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#define VELMORA_X86_KERNELS 1
#include <immintrin.h>
#endif

namespace scaling_kernels {

TChannelLimits limitsOf(TPixelFormat format)
{
    switch (format) {
    case TPixelFormat::Bits15:
        return {{31, 31, 31, 255}};
    case TPixelFormat::Bits16:
        return {{31, 63, 31, 255}};
    default:
        return {{255, 255, 255, 255}};
    }
}

bool haveAvx2()
{
#ifdef VELMORA_X86_KERNELS
    static const bool avx2 = __builtin_cpu_supports("avx2");
    return avx2;
#else
    return false;
#endif
}

namespace {

// One source pixel as blue, green, red, 0.
void unpackPixel(const uchar *sourceRow, TPixelFormat format, int index, uchar *out)
{
    switch (format) {
    case TPixelFormat::Bits24:
        out[0] = sourceRow[3 * index];
        out[1] = sourceRow[3 * index + 1];
        out[2] = sourceRow[3 * index + 2];
        break;
    case TPixelFormat::Bits32:
        out[0] = sourceRow[4 * index];
        out[1] = sourceRow[4 * index + 1];
        out[2] = sourceRow[4 * index + 2];
        break;
    case TPixelFormat::Bits15:
    case TPixelFormat::Bits16: {
        const quint32 word = quint32(sourceRow[2 * index]) | quint32(sourceRow[2 * index + 1]) << 8;
        out[0] = uchar(word & 0x1F);
        if (format == TPixelFormat::Bits15) {
            out[1] = uchar((word >> 5) & 0x1F);
            out[2] = uchar((word >> 10) & 0x1F);
        } else {
            out[1] = uchar((word >> 5) & 0x3F);
            out[2] = uchar((word >> 11) & 0x1F);
        }
        break;
    }
    case TPixelFormat::Other:
        out[0] = out[1] = out[2] = 0;
        break;
    }
    out[3] = 0;
}

#ifdef VELMORA_X86_KERNELS
__attribute__((target("avx2"))) void unpackRun24Avx2(const uchar *source, int count, uchar *out)
{
    const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    int k = 0;
    for (; k + 6 <= count; k += 4) { // the 16-byte load reads 4 bytes past the 4 pixels
        const __m128i bgr = _mm_loadu_si128(reinterpret_cast<const __m128i *>(source + 3 * k));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + 4 * k), _mm_shuffle_epi8(bgr, spread));
    }
    for (; k < count; ++k)
        unpackPixel(source, TPixelFormat::Bits24, k, out + 4 * k);
}
#endif

void unpackRun(const uchar *sourceRow, TPixelFormat format, int begin, int count, uchar *out, bool simd)
{
#ifdef VELMORA_X86_KERNELS
    if (simd && format == TPixelFormat::Bits24) {
        unpackRun24Avx2(sourceRow + 3 * qsizetype(begin), count, out);
        return;
    }
#else
    Q_UNUSED(simd);
#endif
    if (format == TPixelFormat::Bits32) {
        std::memcpy(out, sourceRow + 4 * qsizetype(begin), size_t(count) * 4);
        for (int k = 0; k < count; ++k)
            out[4 * k + 3] = 0;
        return;
    }
    for (int k = 0; k < count; ++k)
        unpackPixel(sourceRow, format, begin + k, out + 4 * k);
}

#ifdef VELMORA_X86_KERNELS
__attribute__((target("avx2"))) void filterRowAvx2(const uchar *extended, const TContributionTable &table,
                                                   const TChannelLimits &limits, uchar *out)
{
    // Pairs: lane 0 gets pixels 0 and 1 as (b0 b1 g0 g1 r0 r1 x0 x1), lane 1 pixels 2 and 3.
    // Split weights: lane 0 gets pixel 0 twice, lane 1 pixel 1 twice.
    const __m256i pairs = _mm256_setr_epi8(0, -1, 4, -1, 1, -1, 5, -1, 2, -1, 6, -1, 3, -1, 7, -1, //
                                           8, -1, 12, -1, 9, -1, 13, -1, 10, -1, 14, -1, 11, -1, 15, -1);
    const __m256i splits = _mm256_setr_epi8(0, -1, 0, -1, 1, -1, 1, -1, 2, -1, 2, -1, 3, -1, 3, -1, //
                                            4, -1, 4, -1, 5, -1, 5, -1, 6, -1, 6, -1, 7, -1, 7, -1);
    const int taps = table.tapsPerChunk();
    const __m256i spread = taps == 4 ? pairs : splits;
    const __m128i zero = _mm_setzero_si128();
    const __m128i limit = _mm_loadu_si128(reinterpret_cast<const __m128i *>(limits.lane));
    const int begin = table.extendedBegin();
    const int m = table.destinationLength();
    for (int i = 0; i < m; ++i) {
        const uchar *pixels = extended + 4 * qsizetype(table.first(i) - begin);
        const __m256i *weights = reinterpret_cast<const __m256i *>(table.packedChunks(i));
        const int chunks = table.chunkCount(i);
        __m256i sum = _mm256_setzero_si256();
        for (int c = 0; c < chunks; ++c) {
            const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i *>(pixels + 4 * taps * c));
            const __m256i spreadPixels = _mm256_shuffle_epi8(_mm256_broadcastsi128_si256(four), spread);
            sum = _mm256_add_epi32(sum, _mm256_madd_epi16(spreadPixels, _mm256_loadu_si256(weights + c)));
        }
        __m128i channels = _mm_add_epi32(_mm256_castsi256_si128(sum), _mm256_extracti128_si256(sum, 1));
        channels = _mm_min_epi32(_mm_max_epi32(_mm_srai_epi32(channels, 16), zero), limit);
        channels = _mm_packus_epi16(_mm_packs_epi32(channels, zero), zero);
        const qint32 packed = _mm_cvtsi128_si32(channels) & 0x00FFFFFF;
        std::memcpy(out + 4 * qsizetype(i), &packed, 4);
    }
}

__attribute__((target("avx2"))) void filterColumnsPairsAvx2(const uchar *const *rowsA, const uchar *const *rowsB,
                                                            const qint32 *packedWeights, int pairCount,
                                                            qsizetype byteCount, const TChannelLimits &limits,
                                                            uchar *out)
{
    const __m128i limit4 = _mm_loadu_si128(reinterpret_cast<const __m128i *>(limits.lane));
    const __m256i limit = _mm256_broadcastsi128_si256(limit4);
    const __m256i zero = _mm256_setzero_si256();
    for (qsizetype x = 0; x < byteCount; x += 16) {
        __m256i low = zero, high = zero;
        for (int k = 0; k < pairCount; ++k) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(rowsA[k] + x));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(rowsB[k] + x));
            const __m256i weights = _mm256_set1_epi32(packedWeights[k]);
            low = _mm256_add_epi32(low, _mm256_madd_epi16(_mm256_cvtepu8_epi16(_mm_unpacklo_epi8(a, b)), weights));
            high = _mm256_add_epi32(high, _mm256_madd_epi16(_mm256_cvtepu8_epi16(_mm_unpackhi_epi8(a, b)), weights));
        }
        low = _mm256_min_epi32(_mm256_max_epi32(_mm256_srai_epi32(low, 16), zero), limit);
        high = _mm256_min_epi32(_mm256_max_epi32(_mm256_srai_epi32(high, 16), zero), limit);
        const __m256i words = _mm256_permute4x64_epi64(_mm256_packs_epi32(low, high), 0xD8);
        const __m128i bytes = _mm_packus_epi16(_mm256_castsi256_si128(words), _mm256_extracti128_si256(words, 1));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + x), bytes);
    }
}
#endif

void filterRowPlain(const uchar *extended, const TContributionTable &table, const TChannelLimits &limits, uchar *out)
{
    const int begin = table.extendedBegin();
    const int m = table.destinationLength();
    for (int i = 0; i < m; ++i) {
        const uchar *pixels = extended + 4 * qsizetype(table.first(i) - begin);
        const qint32 *weights = table.denseWeights(i);
        const int count = table.count(i);
        qint32 blue = 0, green = 0, red = 0;
        for (int k = 0; k < count; ++k) {
            blue += weights[k] * pixels[4 * k];
            green += weights[k] * pixels[4 * k + 1];
            red += weights[k] * pixels[4 * k + 2];
        }
        out[4 * i] = clampChannel(blue, limits.lane[0]);
        out[4 * i + 1] = clampChannel(green, limits.lane[1]);
        out[4 * i + 2] = clampChannel(red, limits.lane[2]);
        out[4 * i + 3] = 0;
    }
}

} // namespace

void unpackExtendedRow(const uchar *sourceRow, TPixelFormat format, const TContributionTable &table,
                       uchar *extended, bool simd)
{
    const int begin = table.extendedBegin();
    const int end = table.extendedEnd();
    const int n = table.sourceLength();
    const int innerBegin = std::clamp(0, begin, end);
    const int innerEnd = std::clamp(n, begin, end);
    for (int p = begin; p < innerBegin; ++p)
        unpackPixel(sourceRow, format, table.sourceIndexAt(p), extended + 4 * qsizetype(p - begin));
    if (innerBegin < innerEnd)
        unpackRun(sourceRow, format, innerBegin, innerEnd - innerBegin, extended + 4 * qsizetype(innerBegin - begin),
                  simd);
    for (int p = std::max(innerEnd, begin); p < end; ++p)
        unpackPixel(sourceRow, format, table.sourceIndexAt(p), extended + 4 * qsizetype(p - begin));
}

void filterRow(const uchar *extended, const TContributionTable &table, const TChannelLimits &limits, uchar *out,
               bool simd)
{
#ifdef VELMORA_X86_KERNELS
    if (simd && table.hasFastForms()) {
        filterRowAvx2(extended, table, limits, out);
        return;
    }
#else
    Q_UNUSED(simd);
#endif
    filterRowPlain(extended, table, limits, out);
}

void filterColumnsPairs(const uchar *const *rowsA, const uchar *const *rowsB, const qint32 *packedWeights,
                        int pairCount, qsizetype byteCount, const TChannelLimits &limits, uchar *out)
{
#ifdef VELMORA_X86_KERNELS
    filterColumnsPairsAvx2(rowsA, rowsB, packedWeights, pairCount, byteCount, limits, out);
#else
    Q_UNUSED(rowsA);
    Q_UNUSED(rowsB);
    Q_UNUSED(packedWeights);
    Q_UNUSED(pairCount);
    Q_UNUSED(byteCount);
    Q_UNUSED(limits);
    Q_UNUSED(out);
    Q_ASSERT(false);
#endif
}

void filterColumnsPlain(const uchar *const *rows, const qint32 *weights, int termCount, qsizetype byteCount,
                        const TChannelLimits &limits, qint32 *accumulator, uchar *out)
{
    std::fill(accumulator, accumulator + byteCount, 0);
    for (int k = 0; k < termCount; ++k) {
        const uchar *row = rows[k];
        const qint32 weight = weights[k];
        for (qsizetype x = 0; x < byteCount; ++x)
            accumulator[x] += weight * row[x];
    }
    for (qsizetype x = 0; x < byteCount; ++x)
        out[x] = clampChannel(accumulator[x], limits.lane[x & 3]);
}

void packRow(const uchar *pixels, int width, TPixelFormat format, uchar *destination)
{
    switch (format) {
    case TPixelFormat::Bits24:
        for (int x = 0; x < width; ++x) {
            destination[3 * x] = pixels[4 * x];
            destination[3 * x + 1] = pixels[4 * x + 1];
            destination[3 * x + 2] = pixels[4 * x + 2];
        }
        break;
    case TPixelFormat::Bits32:
        for (int x = 0; x < width; ++x) {
            destination[4 * x] = pixels[4 * x];
            destination[4 * x + 1] = pixels[4 * x + 1];
            destination[4 * x + 2] = pixels[4 * x + 2];
        }
        break;
    case TPixelFormat::Bits15:
    case TPixelFormat::Bits16: {
        const int redShift = format == TPixelFormat::Bits15 ? 10 : 11;
        for (int x = 0; x < width; ++x) {
            const quint32 word = quint32(pixels[4 * x]) | quint32(pixels[4 * x + 1]) << 5
                | quint32(pixels[4 * x + 2]) << redShift;
            destination[2 * x] = uchar(word);
            destination[2 * x + 1] = uchar(word >> 8);
        }
        break;
    }
    case TPixelFormat::Other:
        break;
    }
}

} // namespace scaling_kernels
