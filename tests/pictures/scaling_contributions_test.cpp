#include "pictures/scaling_contributions.h"

#include "reference_scaling.h"

#include <gtest/gtest.h>
#include <map>
#include <numeric>
#include <thread>

namespace {

using TList = std::vector<TContribution>;

int sumOf(const TList &list)
{
    return std::accumulate(list.begin(), list.end(), 0, [](int sum, const TContribution &c) { return sum + c.weight; });
}

} // namespace

TEST(ContributionTable, EqualSizesGiveTheFilterAtWholeDistances)
{
    const TContributionTable table(4, 4);
    EXPECT_EQ(table.list(0), (TList{{1, 3641}, {0, 58254}, {1, 3641}}));
    EXPECT_EQ(table.list(3), (TList{{2, 3641}, {3, 58254}, {3, 3641}}));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(sumOf(table.list(i)), 65536);
}

TEST(ContributionTable, EnlargementsMirrorTheLeftEdgeAndRepeatTheRightOne)
{
    const TContributionTable table(2, 4);
    EXPECT_EQ(table.list(1), (TList{{1, -2276}, {0, 35044}, {1, 35044}, {1, -2276}}));
}

TEST(ContributionTable, ReductionWeightsAreNotNormalised)
{
    const TContributionTable table(5, 3);
    const TList expected{{3, -402}, {2, -559}, {1, 16550}, {0, 34953}, {1, 16550}, {2, -559}, {3, -402}};
    EXPECT_EQ(table.list(0), expected);
    EXPECT_EQ(sumOf(table.list(0)), 66131);
}

TEST(ContributionTable, HalvesRoundToTheEvenNeighbour)
{
    // 16 -> 9 meets an exact tie, 17094.5, which must give 17094.
    const TContributionTable table(16, 9);
    bool sawTie = false;
    for (int i = 0; i < 9; ++i)
        for (const TContribution &term : table.list(i))
            sawTie = sawTie || term.weight == 17094;
    EXPECT_TRUE(sawTie);
    for (int i = 0; i < 9; ++i)
        for (const TContribution &term : table.list(i))
            EXPECT_NE(term.weight, 17095);
}

// Mend: the mirror rule alone points outside the picture for sources of length 1, reductions to 1
// and a few sizes such as 41, 47 or 55 -> 2; such indexes are clamped into the picture.
TEST(ContributionTable, EveryIndexLiesInsideTheSource)
{
    for (int n : {1, 2, 3, 5, 41, 47, 55, 100})
        for (int m : {1, 2, 3, 7, 41, 200}) {
            const TContributionTable table(n, m);
            for (int i = 0; i < m; ++i) {
                ASSERT_FALSE(table.list(i).empty()) << n << " -> " << m;
                for (const TContribution &term : table.list(i))
                    ASSERT_TRUE(term.index >= 0 && term.index < n) << n << " -> " << m << " index " << term.index;
            }
        }
    EXPECT_EQ(MirrorIndex(-1, 5), 1);
    EXPECT_EQ(MirrorIndex(5, 5), 4);
    EXPECT_EQ(MirrorIndex(-1, 1), 0);
    EXPECT_EQ(MirrorIndex(-7, 5), 4);
    EXPECT_EQ(MirrorIndex(12, 5), 0);
}

TEST(ContributionTable, ListsAgreeWithThePlainImplementation)
{
    for (int n : {1, 2, 3, 4, 9, 16, 41, 300})
        for (int m : {1, 2, 3, 5, 9, 16, 55, 301}) {
            const TContributionTable table(n, m);
            const auto expected = reference::contributions(n, m);
            for (int i = 0; i < m; ++i) {
                TList list;
                for (const auto &[index, weight] : expected[size_t(i)])
                    list.push_back({index, weight});
                ASSERT_EQ(table.list(i), list) << n << " -> " << m << " at " << i;
            }
        }
}

TEST(ContributionTable, DenseFormsCarryTheSameTerms)
{
    for (auto [n, m] : {std::pair{4000, 666}, {3000, 499}, {7, 20}, {1, 3}, {300, 1}, {55, 2}}) {
        const TContributionTable table(n, m);
        ASSERT_TRUE(table.hasFastForms());
        for (int i = 0; i < m; ++i) {
            // Dense: position first + k stands for its mirrored index.
            std::map<int, qint64> fromList, fromDense, fromPairs;
            for (const TContribution &term : table.list(i))
                fromList[term.index] += term.weight;
            for (int k = 0; k < table.count(i); ++k)
                fromDense[table.sourceIndexAt(table.first(i) + k)] += table.denseWeights(i)[k];
            for (int k = 0; k < table.pairCount(i); ++k) {
                const TWeightPair &pair = table.pairs(i)[k];
                fromPairs[pair.indexA] += qint16(pair.packedWeights & 0xFFFF);
                fromPairs[pair.indexB] += qint16(quint32(pair.packedWeights) >> 16);
            }
            std::erase_if(fromDense, [](const auto &entry) { return entry.second == 0; });
            std::erase_if(fromPairs, [](const auto &entry) { return entry.second == 0; });
            std::erase_if(fromList, [](const auto &entry) { return entry.second == 0; });
            ASSERT_EQ(fromDense, fromList) << n << " -> " << m << " at " << i;
            ASSERT_EQ(fromPairs, fromList) << n << " -> " << m << " at " << i;
            ASSERT_GE(table.first(i), table.extendedBegin());
            ASSERT_LE(table.first(i) + table.chunkCount() * table.tapsPerChunk() + 4, table.extendedEnd());
        }
    }
}

TEST(ContributionCache, OneTablePerSizePairSharedByAllThreads)
{
    const int before = ContributionCacheSize();
    const TContributionTable *first = &ContributionTable(997, 13);
    EXPECT_EQ(&ContributionTable(997, 13), first);
    EXPECT_EQ(ContributionCacheSize(), before + 1);

    std::vector<const TContributionTable *> seen(8);
    std::vector<std::thread> threads;
    for (size_t t = 0; t < seen.size(); ++t)
        threads.emplace_back([&seen, t] { seen[t] = &ContributionTable(1999, 17); });
    for (std::thread &thread : threads)
        thread.join();
    for (const TContributionTable *table : seen)
        EXPECT_EQ(table, seen.front());
    EXPECT_EQ(ContributionCacheSize(), before + 2);
}
