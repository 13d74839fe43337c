#include "pictures/scaling_contributions.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <mutex>

// The weights are fixed to the bit: this file is built with -ffp-contract=off (no fused multiply-add),
// the distances are rounded to single precision, the filter is evaluated in double precision and the
// weights are rounded half to even (nearbyint in the default rounding mode).

double CubicFilter(double x)
{
    if (x < 1.0)
        return ((7.0 / 6.0 * x - 2.0) * x * x) + 8.0 / 9.0;
    if (x < 2.0)
        return (((-7.0 / 18.0 * x + 2.0) * x - 10.0 / 3.0) * x) + 16.0 / 9.0;
    return 0.0;
}

int MirrorIndex(qint64 j, int n)
{
    qint64 index = j;
    if (j < 0)
        index = -j;
    else if (j >= n)
        index = 2 * qint64(n) - 1 - j;
    return int(std::clamp<qint64>(index, 0, n - 1));
}

int TContributionTable::sourceIndexAt(qint64 position) const
{
    return MirrorIndex(position, m_sourceLength);
}

TContributionTable::TContributionTable(int sourceLength, int destinationLength)
    : m_sourceLength(sourceLength), m_destinationLength(destinationLength)
{
    Q_ASSERT(sourceLength >= 1 && destinationLength >= 1);
    const qint64 n = sourceLength;
    const qint64 m = destinationLength;
    m_lists.resize(size_t(m));
    m_first.assign(size_t(m), 0);
    m_count.assign(size_t(m), 0);
    std::vector<std::vector<qint32>> dense(static_cast<size_t>(m));

    const bool reduction = m < n;
    const float scale = reduction ? float(m) / float(n) : float(n) / float(m);
    for (qint64 i = 0; i < m; ++i) {
        std::vector<TContribution> &list = m_lists[size_t(i)];
        std::vector<qint32> &weights = dense[size_t(i)];
        qint64 left, right;
        float centre = 0.0f;
        if (reduction) {
            left = ((i - 2) * n - m + 1) / m;
            right = ((i + 2) * n + m - 1) / m;
        } else {
            centre = float(double(i) * double(scale));
            left = (i * n - 3 * m + 1) / m;
            right = (i * n + 3 * m - 1) / m;
        }
        qint64 firstTerm = 0;
        for (qint64 j = left; j <= right; ++j) {
            double weight;
            if (reduction) {
                const float x = float(std::fabs(double(i) - double(j) * double(scale)));
                if (!(x < 2.0f))
                    continue;
                weight = CubicFilter(x) * double(scale) * 65536.0;
            } else {
                const float x = float(std::fabs(double(centre) - double(j)));
                if (!(x < 2.0f))
                    continue;
                weight = CubicFilter(x) * 65536.0;
            }
            const int rounded = int(std::nearbyint(weight));
            if (list.empty())
                firstTerm = j;
            list.push_back({MirrorIndex(j, sourceLength), rounded});
            weights.resize(size_t(j - firstTerm + 1), 0);
            weights.back() += rounded;
        }
        m_first[size_t(i)] = int(firstTerm);
        m_count[size_t(i)] = int(weights.size());
    }

    m_denseStride = 1;
    for (const auto &weights : dense)
        m_denseStride = std::max(m_denseStride, int(weights.size()));
    m_dense.assign(size_t(m) * size_t(m_denseStride), 0);
    for (size_t i = 0; i < dense.size(); ++i)
        std::copy(dense[i].begin(), dense[i].end(), m_dense.begin() + qsizetype(i * size_t(m_denseStride)));
    buildDenseForms();
}

void TContributionTable::buildDenseForms()
{
    const size_t m = m_lists.size();
    bool fitsSixteenBits = true;
    bool splittable = true;
    qint64 totalCount = 0;
    for (size_t i = 0; i < m; ++i) {
        int lowest = m_sourceLength, highest = 0;
        for (const TContribution &term : m_lists[i]) {
            fitsSixteenBits = fitsSixteenBits && term.weight >= -32768 && term.weight <= 32767;
            splittable = splittable && term.weight >= -65536 && term.weight <= 65534;
            lowest = std::min(lowest, term.index);
            highest = std::max(highest, term.index);
        }
        totalCount += qint64(m_lists[i].size());
        if (!m_lists[i].empty())
            m_largestIndexSpan = std::max(m_largestIndexSpan, highest - lowest + 1);
    }
    m_averageCount = m == 0 ? 0.0 : double(totalCount) / double(m);

    // Dense chunks for the row filter.
    m_tapsPerChunk = fitsSixteenBits ? 4 : (splittable ? 2 : 0);
    const int taps = std::max(m_tapsPerChunk, 1);
    m_chunkCount = 1;
    for (size_t i = 0; i < m; ++i)
        m_chunkCount = std::max(m_chunkCount, (m_count[i] + taps - 1) / taps);
    m_extendedBegin = m == 0 ? 0 : m_first[0];
    m_extendedEnd = m_extendedBegin;
    for (size_t i = 0; i < m; ++i) {
        m_extendedBegin = std::min(m_extendedBegin, m_first[i]);
        m_extendedEnd = std::max(m_extendedEnd, m_first[i] + m_chunkCount * taps + 4);
    }
    if (m_tapsPerChunk != 0) {
        m_packed.assign(m * size_t(m_chunkCount) * 16, 0);
        for (size_t i = 0; i < m; ++i) {
            const qint32 *weights = denseWeights(int(i));
            qint16 *chunk = m_packed.data() + i * size_t(m_chunkCount) * 16;
            for (int c = 0; c < m_chunkCount; ++c, chunk += 16) {
                auto weightAt = [&](int k) { return k < m_count[i] ? weights[k] : 0; };
                for (int half = 0; half < 2; ++half)
                    for (int lane = 0; lane < 4; ++lane) {
                        qint16 *pair = chunk + half * 8 + lane * 2;
                        if (m_tapsPerChunk == 4) {
                            pair[0] = qint16(weightAt(4 * c + 2 * half));
                            pair[1] = qint16(weightAt(4 * c + 2 * half + 1));
                        } else {
                            const qint32 weight = weightAt(2 * c + half);
                            const qint32 high = weight >> 1;
                            pair[0] = qint16(high);
                            pair[1] = qint16(weight - high);
                        }
                    }
            }
        }
    }

    // Pairs for the column filter.
    m_pairBegin.assign(m + 1, 0);
    if (m_tapsPerChunk == 0)
        return;
    auto pack = [](qint32 a, qint32 b) { return qint32((quint32(a) & 0xFFFF) | (quint32(b) << 16)); };
    for (size_t i = 0; i < m; ++i) {
        m_pairBegin[i] = m_pairs.size();
        const std::vector<TContribution> &list = m_lists[i];
        if (fitsSixteenBits) {
            for (size_t k = 0; k < list.size(); k += 2) {
                const TContribution &a = list[k];
                const TContribution b = k + 1 < list.size() ? list[k + 1] : TContribution{a.index, 0};
                m_pairs.push_back({a.index, b.index, pack(a.weight, b.weight)});
            }
        } else {
            for (const TContribution &term : list) {
                const qint32 high = term.weight >> 1;
                m_pairs.push_back({term.index, term.index, pack(high, term.weight - high)});
            }
        }
    }
    m_pairBegin[m] = m_pairs.size();
}

namespace {

struct TContributionCache
{
    std::mutex mutex;
    std::map<std::pair<int, int>, std::unique_ptr<const TContributionTable>> tables;
};

TContributionCache &contributionCache()
{
    static TContributionCache cache;
    return cache;
}

} // namespace

const TContributionTable &ContributionTable(int sourceLength, int destinationLength)
{
    TContributionCache &cache = contributionCache();
    const std::lock_guard lock(cache.mutex); // held for the whole lookup or build, released on every way out
    const auto key = std::make_pair(sourceLength, destinationLength);
    auto found = cache.tables.find(key);
    if (found == cache.tables.end())
        found = cache.tables.emplace(key, std::make_unique<const TContributionTable>(sourceLength, destinationLength)).first;
    return *found->second;
}

int ContributionCacheSize()
{
    TContributionCache &cache = contributionCache();
    const std::lock_guard lock(cache.mutex);
    return int(cache.tables.size());
}
