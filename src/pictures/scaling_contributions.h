#pragma once

#include <QtGlobal>
#include <cstdint>
#include <vector>

// One term of a cubic filter sum: a source pixel index along one axis and its weight in 16.16 fixed
// point (65536 = 1.0; weights may be negative and a list's weights need not add up to 65536).
struct TContribution
{
    int index = 0;
    int weight = 0;

    friend bool operator==(const TContribution &, const TContribution &) = default;
};

// Two terms handed to a 16-bit multiply-add: indexes a and b with weights that each fit 16 bits,
// packed as (weightA & 0xFFFF) | weightB << 16. A weight too large for 16 bits is split into two
// halves on the same index.
struct TWeightPair
{
    int indexA = 0;
    int indexB = 0;
    qint32 packedWeights = 0;
};

// The cubic filter weights for one axis of the picture: for a source length n and a destination
// length m, one list of contributions per destination index. The lists are what the resizing sums;
// the other members hold the same weights arranged for fast loops.
class TContributionTable
{
public:
    TContributionTable(int sourceLength, int destinationLength);

    int sourceLength() const { return m_sourceLength; }
    int destinationLength() const { return m_destinationLength; }
    const std::vector<TContribution> &list(int destinationIndex) const { return m_lists[size_t(destinationIndex)]; }

    // Dense form. The terms of list i come from the consecutive positions first(i) ... first(i) +
    // count(i) - 1 of the source extended beyond both ends; position p stands for the source pixel
    // sourceIndexAt(p) (the edges are mirrored). denseWeights(i)[k] belongs to position first(i) + k.
    int first(int i) const { return m_first[size_t(i)]; }
    int count(int i) const { return m_count[size_t(i)]; }
    const qint32 *denseWeights(int i) const { return m_dense.data() + size_t(i) * size_t(m_denseStride); }
    int sourceIndexAt(qint64 position) const;
    // The extended source a fast loop reads: positions extendedBegin() ... extendedEnd() - 1 (a little
    // beyond the last term of every list, so vector loads stay inside).
    int extendedBegin() const { return m_extendedBegin; }
    int extendedEnd() const { return m_extendedEnd; }

    // The weights of list i packed for 16-bit multiply-adds over pixels of four 8-bit channels:
    // chunkCount() chunks of 16 values, each covering tapsPerChunk() positions from first(i) onward
    // (4 positions as pairs, or 2 positions whose weights are split into two halves). Every list has
    // the same number of chunks (the shorter ones end in zero weights), so loops over them run alike.
    // hasFastForms() is false only for weights beyond +-65534, which the filter never gives.
    bool hasFastForms() const { return m_tapsPerChunk != 0; }
    int tapsPerChunk() const { return m_tapsPerChunk; }
    int chunkCount() const { return m_chunkCount; }
    const qint16 *packedChunks(int i) const { return m_packed.data() + size_t(i) * size_t(m_chunkCount) * 16; }

    // The list of i as pairs for 16-bit multiply-adds (same terms, same sum).
    const TWeightPair *pairs(int i) const { return m_pairs.data() + m_pairBegin[size_t(i)]; }
    int pairCount(int i) const { return int(m_pairBegin[size_t(i) + 1] - m_pairBegin[size_t(i)]); }

    // The largest distance between the smallest and the largest index of one list, plus one.
    int largestIndexSpan() const { return m_largestIndexSpan; }
    // Average number of terms per list.
    double averageCount() const { return m_averageCount; }

private:
    void buildDenseForms();

    int m_sourceLength;
    int m_destinationLength;
    std::vector<std::vector<TContribution>> m_lists;
    std::vector<int> m_first, m_count;
    std::vector<qint32> m_dense;
    int m_denseStride = 0;
    int m_extendedBegin = 0, m_extendedEnd = 0;
    int m_tapsPerChunk = 4;
    int m_chunkCount = 0;
    std::vector<qint16> m_packed;
    std::vector<TWeightPair> m_pairs;
    std::vector<size_t> m_pairBegin;
    int m_largestIndexSpan = 1;
    double m_averageCount = 0;
};

// The cubic filter (Mitchell-Netravali, B = C = 1/3) at x >= 0.
double CubicFilter(double x);

// The mirrored index of position j in a source of length n: the left edge reflects without repeating
// pixel 0 (-1 gives 1), the right edge repeats the last pixel (n gives n - 1); an index that would
// still lie outside the source (very short sources, strong reductions) is clamped into it.
int MirrorIndex(qint64 j, int n);

// The table for (sourceLength, destinationLength), made on first use and kept for the whole run.
// Callers on any thread share one cache; a lock guards it.
const TContributionTable &ContributionTable(int sourceLength, int destinationLength);
// How many tables the cache holds.
int ContributionCacheSize();
