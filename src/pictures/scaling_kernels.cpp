#include "pictures/scaling_kernels.h"

#include <algorithm>
#include <array>
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
// The byte shuffle that spreads the pixels of one 16-byte load into 16-bit lanes for vpmaddwd.
// Pairs: lane 0 gets pixels 0 and 1 as (b0 b1 g0 g1 r0 r1 0 0), lane 1 pixels 2 and 3.
// Split weights: lane 0 gets pixel 0 twice, lane 1 pixel 1 twice. The fourth byte is never read.
std::array<qint8, 32> spreadMask(int bytesPerPixel, int taps)
{
    std::array<qint8, 32> mask;
    mask.fill(-1);
    for (int lane = 0; lane < 2; ++lane)
        for (int channel = 0; channel < 3; ++channel)
            for (int half = 0; half < 2; ++half) {
                const int pixel = taps == 4 ? 2 * lane + half : lane;
                mask[size_t(16 * lane + 4 * channel + 2 * half)] = qint8(bytesPerPixel * pixel + channel);
            }
    return mask;
}

__attribute__((target("avx2"))) inline __m256i termsOfChunk(const uchar *pixels, const __m256i *weights, int c,
                                                            int stepBytes, __m256i spread)
{
    const __m128i raw = _mm_loadu_si128(reinterpret_cast<const __m128i *>(pixels + qsizetype(stepBytes) * c));
    return _mm256_madd_epi16(_mm256_shuffle_epi8(_mm256_broadcastsi128_si256(raw), spread),
                             _mm256_loadu_si256(weights + c));
}

// Adds the halves of two sums and clamps them: [output a | output b], four 32-bit channels each.
__attribute__((target("avx2"))) inline __m256i finishTwo(__m256i a, __m256i b, __m256i limit)
{
    const __m256i sum = _mm256_add_epi32(_mm256_permute2x128_si256(a, b, 0x20), _mm256_permute2x128_si256(a, b, 0x31));
    return _mm256_min_epi32(_mm256_max_epi32(_mm256_srai_epi32(sum, 16), _mm256_setzero_si256()), limit);
}

// Destination indexes iBegin ... iEnd - 1 of the row pass, reading pixels of bytesPerPixel bytes;
// position p of the table lies at row + bytesPerPixel * (p - origin).
__attribute__((target("avx2"))) void filterOutputsAvx2(const uchar *row, int origin, int bytesPerPixel,
                                                       const TContributionTable &table, int iBegin, int iEnd,
                                                       const TChannelLimits &limits, uchar *out)
{
    const int taps = table.tapsPerChunk();
    const int chunks = table.chunkCount();
    const int stepBytes = bytesPerPixel * taps;
    const std::array<qint8, 32> mask = spreadMask(bytesPerPixel, taps);
    const __m256i spread = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(mask.data()));
    const __m256i limit = _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i *>(limits.lane)));
    const __m256i order = _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7);
    auto pixelsOf = [&](int i) { return row + qsizetype(bytesPerPixel) * (table.first(i) - origin); };
    auto weightsOf = [&](int i) { return reinterpret_cast<const __m256i *>(table.packedChunks(i)); };

    int i = iBegin;
    for (; i + 4 <= iEnd; i += 4) {
        // Four destination indexes side by side: one loop, four independent sums.
        const uchar *p0 = pixelsOf(i), *p1 = pixelsOf(i + 1), *p2 = pixelsOf(i + 2), *p3 = pixelsOf(i + 3);
        const __m256i *w0 = weightsOf(i), *w1 = w0 + chunks, *w2 = w1 + chunks, *w3 = w2 + chunks;
        __m256i s0 = _mm256_setzero_si256(), s1 = s0, s2 = s0, s3 = s0;
        for (int c = 0; c < chunks; ++c) {
            s0 = _mm256_add_epi32(s0, termsOfChunk(p0, w0, c, stepBytes, spread));
            s1 = _mm256_add_epi32(s1, termsOfChunk(p1, w1, c, stepBytes, spread));
            s2 = _mm256_add_epi32(s2, termsOfChunk(p2, w2, c, stepBytes, spread));
            s3 = _mm256_add_epi32(s3, termsOfChunk(p3, w3, c, stepBytes, spread));
        }
        // [o0 | o1] and [o2 | o3] -> words [o0 o2 | o1 o3] -> bytes -> o0 o1 o2 o3.
        const __m256i words = _mm256_packs_epi32(finishTwo(s0, s1, limit), finishTwo(s2, s3, limit));
        const __m256i bytes = _mm256_permutevar8x32_epi32(_mm256_packus_epi16(words, words), order);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + 4 * qsizetype(i)), _mm256_castsi256_si128(bytes));
    }
    for (; i < iEnd; ++i) {
        const uchar *p = pixelsOf(i);
        const __m256i *w = weightsOf(i);
        __m256i sum = _mm256_setzero_si256();
        for (int c = 0; c < chunks; ++c)
            sum = _mm256_add_epi32(sum, termsOfChunk(p, w, c, stepBytes, spread));
        const __m256i words = _mm256_packs_epi32(finishTwo(sum, sum, limit), _mm256_setzero_si256());
        const qint32 packed = _mm_cvtsi128_si32(_mm256_castsi256_si128(_mm256_packus_epi16(words, words)));
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

// Unpacks the extended positions from ... to - 1 of one source row.
void unpackPositions(const uchar *sourceRow, TPixelFormat format, const TContributionTable &table, int from, int to,
                     uchar *extended, bool simd)
{
    const int begin = table.extendedBegin();
    const int n = table.sourceLength();
    const int innerBegin = std::clamp(0, from, std::max(from, to));
    const int innerEnd = std::clamp(n, from, std::max(from, to));
    for (int p = from; p < innerBegin; ++p)
        unpackPixel(sourceRow, format, table.sourceIndexAt(p), extended + 4 * qsizetype(p - begin));
    if (innerBegin < innerEnd)
        unpackRun(sourceRow, format, innerBegin, innerEnd - innerBegin, extended + 4 * qsizetype(innerBegin - begin),
                  simd);
    for (int p = std::max(innerEnd, from); p < to; ++p)
        unpackPixel(sourceRow, format, table.sourceIndexAt(p), extended + 4 * qsizetype(p - begin));
}

} // namespace

TDirectRange directRange(const TContributionTable &table, TPixelFormat format, bool simd)
{
    TDirectRange range;
    range.leftEnd = range.rightBegin = table.extendedEnd();
    if (!simd || !table.hasFastForms() || (format != TPixelFormat::Bits24 && format != TPixelFormat::Bits32))
        return range;
    const int bytesPerPixel = format == TPixelFormat::Bits24 ? 3 : 4;
    const qint64 reach = qint64(table.tapsPerChunk()) * (table.chunkCount() - 1);
    auto direct = [&](int i) {
        return table.first(i) >= 0
            && bytesPerPixel * (table.first(i) + reach) + 16 <= qint64(bytesPerPixel) * table.sourceLength();
    };
    const int m = table.destinationLength();
    while (range.begin < m && !direct(range.begin))
        ++range.begin;
    range.end = range.begin;
    while (range.end < m && direct(range.end))
        ++range.end;
    if (range.begin == range.end)
        range = {};
    // The positions the other indexes read, as far as their last vector load reaches.
    range.leftEnd = table.extendedBegin();
    range.rightBegin = table.extendedEnd();
    const int span = table.tapsPerChunk() * table.chunkCount() + 4;
    for (int i = 0; i < range.begin; ++i)
        range.leftEnd = std::max(range.leftEnd, std::min(table.first(i) + span, table.extendedEnd()));
    for (int i = range.end; i < m; ++i)
        range.rightBegin = std::min(range.rightBegin, table.first(i));
    if (range.begin == range.end)
        range.leftEnd = range.rightBegin = table.extendedEnd();
    return range;
}

void unpackExtendedRow(const uchar *sourceRow, TPixelFormat format, const TContributionTable &table,
                       const TDirectRange &direct, uchar *extended, bool simd)
{
    const int begin = table.extendedBegin();
    const int end = table.extendedEnd();
    if (direct.leftEnd >= direct.rightBegin) { // the ranges meet: unpack everything once
        unpackPositions(sourceRow, format, table, begin, end, extended, simd);
        return;
    }
    unpackPositions(sourceRow, format, table, begin, direct.leftEnd, extended, simd);
    unpackPositions(sourceRow, format, table, direct.rightBegin, end, extended, simd);
}

void filterRow(const uchar *extended, const uchar *sourceRow, TPixelFormat format, const TContributionTable &table,
               const TDirectRange &direct, const TChannelLimits &limits, uchar *out, bool simd)
{
#ifdef VELMORA_X86_KERNELS
    if (simd && table.hasFastForms()) {
        const int m = table.destinationLength();
        const int origin = table.extendedBegin();
        if (direct.begin >= direct.end) {
            filterOutputsAvx2(extended, origin, 4, table, 0, m, limits, out);
            return;
        }
        filterOutputsAvx2(extended, origin, 4, table, 0, direct.begin, limits, out);
        filterOutputsAvx2(sourceRow, 0, format == TPixelFormat::Bits24 ? 3 : 4, table, direct.begin, direct.end, limits,
                          out);
        filterOutputsAvx2(extended, origin, 4, table, direct.end, m, limits, out);
        return;
    }
#else
    Q_UNUSED(simd);
#endif
    Q_UNUSED(sourceRow);
    Q_UNUSED(format);
    Q_UNUSED(direct);
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
