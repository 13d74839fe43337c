#include "pictures/scaling_cubic.h"

#include "pictures/scaling_contributions.h"
#include "pictures/scaling_kernels.h"

#include <algorithm>
#include <array>
#include <exception>
#include <thread>

#ifdef __linux__
#include <sched.h>
#endif

using namespace scaling_kernels;

namespace {

// Scratch memory above this size is given back after a resize.
constexpr size_t kKeptScratch = size_t(32) << 20;
// Below this many multiply-adds a second thread costs more than it saves.
constexpr double kWorkForTwoThreads = 3.0e6;

// Scratch memory of one thread. It lives as long as the thread that resizes, so repeated resizes of
// similar pictures reuse memory that has been touched already.
struct TLane
{
    std::vector<uchar> extended;
    std::vector<uchar> ring;
    std::vector<int> tags;
    std::vector<uchar> columnOut;
    std::vector<qint32> accumulator;
    std::vector<const uchar *> rowsA, rowsB;
    std::vector<qint32> weights;

    size_t bytes() const
    {
        return extended.capacity() + ring.capacity() + columnOut.capacity() + accumulator.capacity() * 4;
    }
    void release()
    {
        *this = TLane();
    }
};

int availableProcessors()
{
#ifdef __linux__
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) == 0)
        return std::max(1, CPU_COUNT(&set));
#endif
    return std::max(1, int(std::thread::hardware_concurrency()));
}

class TCubicResize
{
public:
    TCubicResize(const TBitmap &source, TBitmap &destination, const TResizeOptions &options)
        : m_source(source), m_destination(destination), m_format(source.pixelFormat()),
          m_rows(ContributionTable(source.width(), destination.width())),
          m_columns(ContributionTable(source.height(), destination.height())), m_limits(limitsOf(m_format)),
          m_vectorised(options.vectorised && haveAvx2() && m_rows.hasFastForms() && m_columns.hasFastForms())
    {
        m_direct = directRange(m_rows, m_format, m_vectorised);
        m_rowBytes = (qsizetype(destination.width()) * 4 + 15) / 16 * 16;
        m_ringRows = m_columns.largestIndexSpan();
        m_useRing = qsizetype(m_ringRows) * m_rowBytes <= options.rowCacheBytes;
        if (!m_useRing)
            m_ringRows = 1;
    }

    double work() const
    {
        return double(m_source.height()) * m_destination.width() * m_rows.averageCount()
            + double(m_destination.height()) * m_destination.width() * m_columns.averageCount();
    }

    void prepare(TLane &lane) const
    {
        lane.extended.resize(size_t(m_rows.extendedEnd() - m_rows.extendedBegin()) * 4 + 16);
        lane.ring.resize(size_t(m_ringRows) * size_t(m_rowBytes));
        lane.tags.assign(size_t(m_ringRows), -1);
        lane.columnOut.resize(size_t(m_rowBytes));
        lane.accumulator.resize(size_t(m_rowBytes));
        size_t terms = 1;
        for (int j = 0; j < m_destination.height(); ++j)
            terms = std::max({terms, m_columns.list(j).size(), size_t(m_vectorised ? m_columns.pairCount(j) : 0)});
        lane.rowsA.resize(terms);
        lane.rowsB.resize(terms);
        lane.weights.resize(terms);
    }

    void run(TLane &lane, int firstRow, int endRow) const
    {
        for (int j = firstRow; j < endRow; ++j) {
            if (m_useRing)
                sumColumnsFromRing(lane, j);
            else
                sumColumnsTermByTerm(lane, j);
            packRow(lane.columnOut.data(), m_destination.width(), m_format, m_destination.scanLine(j));
        }
    }

private:
    void filterSourceRow(TLane &lane, int y, uchar *out) const
    {
        const uchar *sourceRow = m_source.scanLine(y);
        unpackExtendedRow(sourceRow, m_format, m_rows, m_direct, lane.extended.data(), m_vectorised);
        filterRow(lane.extended.data(), sourceRow, m_format, m_rows, m_direct, m_limits, out, m_vectorised);
    }

    // The row pass of source row y, from the ring or computed into it. Rows of one column list never
    // share a slot: the ring holds as many rows as the widest list spans.
    const uchar *filteredRow(TLane &lane, int y) const
    {
        const int slot = y % m_ringRows;
        uchar *row = lane.ring.data() + qsizetype(slot) * m_rowBytes;
        if (lane.tags[size_t(slot)] != y) {
            filterSourceRow(lane, y, row);
            lane.tags[size_t(slot)] = y;
        }
        return row;
    }

    void sumColumnsFromRing(TLane &lane, int j) const
    {
        if (m_vectorised) {
            const TWeightPair *pairs = m_columns.pairs(j);
            const int count = m_columns.pairCount(j);
            for (int k = 0; k < count; ++k) {
                lane.rowsA[size_t(k)] = filteredRow(lane, pairs[k].indexA);
                lane.rowsB[size_t(k)] = filteredRow(lane, pairs[k].indexB);
                lane.weights[size_t(k)] = pairs[k].packedWeights;
            }
            filterColumnsPairs(lane.rowsA.data(), lane.rowsB.data(), lane.weights.data(), count, m_rowBytes,
                               m_limits, lane.columnOut.data());
            return;
        }
        const std::vector<TContribution> &list = m_columns.list(j);
        for (size_t k = 0; k < list.size(); ++k) {
            lane.rowsA[k] = filteredRow(lane, list[k].index);
            lane.weights[k] = list[k].weight;
        }
        filterColumnsPlain(lane.rowsA.data(), lane.weights.data(), int(list.size()), m_rowBytes, m_limits,
                           lane.accumulator.data(), lane.columnOut.data());
    }

    // For extreme reductions, whose column lists span more rows than we keep: each term is added to the
    // running sums as soon as its row is filtered.
    void sumColumnsTermByTerm(TLane &lane, int j) const
    {
        std::fill(lane.accumulator.begin(), lane.accumulator.end(), 0);
        for (const TContribution &term : m_columns.list(j)) {
            const uchar *row = filteredRow(lane, term.index);
            for (qsizetype x = 0; x < m_rowBytes; ++x)
                lane.accumulator[size_t(x)] += term.weight * row[x];
        }
        for (qsizetype x = 0; x < m_rowBytes; ++x)
            lane.columnOut[size_t(x)] = clampChannel(lane.accumulator[size_t(x)], m_limits.lane[x & 3]);
    }

    const TBitmap &m_source;
    TBitmap &m_destination;
    TPixelFormat m_format;
    const TContributionTable &m_rows;
    const TContributionTable &m_columns;
    TChannelLimits m_limits;
    bool m_vectorised;
    TDirectRange m_direct;
    qsizetype m_rowBytes = 0;
    int m_ringRows = 1;
    bool m_useRing = true;
};

} // namespace

void ResizeCubic(const TBitmap &source, TBitmap &destination, const TResizeOptions &options)
{
    thread_local std::array<TLane, 2> callerLanes;
    std::array<TLane, 2> &lanes = callerLanes; // the helper thread must use these, not its own
    const TCubicResize resize(source, destination, options);

    int threads = options.threads;
    if (threads <= 0)
        threads = resize.work() >= kWorkForTwoThreads ? availableProcessors() : 1;
    threads = std::clamp(threads, 1, std::min(2, destination.height()));

    for (int t = 0; t < threads; ++t)
        resize.prepare(lanes[size_t(t)]);
    if (threads == 1) {
        resize.run(lanes[0], 0, destination.height());
    } else {
        const int middle = destination.height() / 2;
        std::exception_ptr failure;
        std::thread helper([&] {
            try {
                resize.run(lanes[1], middle, destination.height());
            } catch (...) {
                failure = std::current_exception();
            }
        });
        try {
            resize.run(lanes[0], 0, middle);
        } catch (...) {
            helper.join();
            throw;
        }
        helper.join();
        if (failure)
            std::rethrow_exception(failure);
    }
    for (TLane &lane : lanes)
        if (lane.bytes() > kKeptScratch)
            lane.release();
}
