#pragma once

#include "pictures/bitmap.h"
#include "pictures/scaling_contributions.h"

// The inner loops of the cubic resize. Rows in the middle of the computation hold four bytes per
// pixel: blue, green, red and an unused fourth byte, each channel at its own depth (0 ... 31 or 63 for
// 15- and 16-bit pictures, 0 ... 255 otherwise). Every loop exists twice: a plain one and one for
// processors with AVX2, which gives the same bytes.
namespace scaling_kernels {

// The largest value of each channel: blue, green, red, unused.
struct TChannelLimits
{
    qint32 lane[4] = {255, 255, 255, 255};
};
TChannelLimits limitsOf(TPixelFormat format);

// clamp(s) of the cubic filter: 0 below 0, the limit above limit * 65536, otherwise s div 65536.
inline quint8 clampChannel(qint32 sum, qint32 limit)
{
    if (sum < 0)
        return 0;
    if (sum > limit * 65536)
        return quint8(limit);
    return quint8(sum >> 16);
}

bool haveAvx2();

// The destination indexes of the row pass that the AVX2 loop reads straight from a 24- or 32-bit
// source row: those whose terms and vector loads all lie inside the row. Empty for other formats and
// for the plain loop.
struct TDirectRange
{
    int begin = 0;
    int end = 0;
    // The other indexes read the extended positions before leftEnd and from rightBegin on.
    int leftEnd = 0;
    int rightBegin = 0;
};
TDirectRange directRange(const TContributionTable &table, TPixelFormat format, bool simd);

// Fills `extended` with the table's extended source positions (see TContributionTable) of one source
// row, four bytes per pixel: those that the destination indexes outside the direct range read.
void unpackExtendedRow(const uchar *sourceRow, TPixelFormat format, const TContributionTable &table,
                       const TDirectRange &direct, uchar *extended, bool simd);

// The row pass: for every destination index i, out[i] = clamp(sum of weight x pixel) per channel.
void filterRow(const uchar *extended, const uchar *sourceRow, TPixelFormat format, const TContributionTable &table,
               const TDirectRange &direct, const TChannelLimits &limits, uchar *out, bool simd);

// The column pass over `byteCount` bytes of four-byte pixels (a multiple of 16 for the AVX2 form,
// whose rows must be readable that far): out[x] = clamp(sum over the terms of weight x row[x]).
void filterColumnsPairs(const uchar *const *rowsA, const uchar *const *rowsB, const qint32 *packedWeights,
                        int pairCount, qsizetype byteCount, const TChannelLimits &limits, uchar *out);
void filterColumnsPlain(const uchar *const *rows, const qint32 *weights, int termCount, qsizetype byteCount,
                        const TChannelLimits &limits, qint32 *accumulator, uchar *out);

// Packs `width` four-byte pixels into a destination row of the format; the fourth byte of 32-bit
// pixels is left as it is.
void packRow(const uchar *pixels, int width, TPixelFormat format, uchar *destination);

} // namespace scaling_kernels
