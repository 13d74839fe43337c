#include "pictures/region.h"

#include <algorithm>

bool TRegion::contains(int x, int y) const
{
    return std::any_of(m_rects.begin(), m_rects.end(), [&](const TRect &r) {
        return x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height;
    });
}

TRect TRegion::boundingRect() const
{
    if (m_rects.empty())
        return {};
    int left = m_rects.front().x, top = m_rects.front().y;
    int right = left + m_rects.front().width, bottom = top + m_rects.front().height;
    for (const TRect &r : m_rects) {
        left = std::min(left, r.x);
        top = std::min(top, r.y);
        right = std::max(right, r.x + r.width);
        bottom = std::max(bottom, r.y + r.height);
    }
    return {left, top, right - left, bottom - top};
}

TRegion TRegion::translated(int dx, int dy) const
{
    TRegion moved = *this;
    for (TRect &r : moved.m_rects) {
        r.x += dx;
        r.y += dy;
    }
    return moved;
}

void TRegion::addRow(int y, const std::vector<TRect> &runs)
{
    // A row whose runs match those of the band just above it makes that band one row taller.
    bool extendsBand = !m_lastBand.empty() && m_lastBand.size() == runs.size();
    for (size_t k = 0; extendsBand && k < runs.size(); ++k) {
        const TRect &above = m_rects[m_lastBand[k]];
        extendsBand = above.x == runs[k].x && above.width == runs[k].width && above.y + above.height == y;
    }
    if (extendsBand) {
        for (size_t index : m_lastBand)
            ++m_rects[index].height;
        return;
    }
    m_lastBand.clear();
    for (const TRect &run : runs) {
        m_lastBand.push_back(m_rects.size());
        m_rects.push_back(run);
    }
}

std::optional<TRegion> RegionFromBitmap(const TBitmap &bitmap, TRgb transparent)
{
    if (bitmap.isEmpty())
        return std::nullopt;
    const bool palette = bitmap.bitsPerPixel() <= 8;
    const quint32 transparentValue = bitmap.valueOfColor(transparent);
    const quint32 colourBits = bitmap.masks().red | bitmap.masks().green | bitmap.masks().blue;
    auto isTransparent = [&](int x, int y) {
        if (palette)
            return bitmap.pixelColor(x, y) == transparent;
        return (bitmap.pixelValue(x, y) & colourBits) == transparentValue;
    };

    TRegion region;
    std::vector<TRect> runs;
    for (int y = 0; y < bitmap.height(); ++y) {
        runs.clear();
        int x = 0;
        while (x < bitmap.width()) {
            while (x < bitmap.width() && isTransparent(x, y))
                ++x;
            const int start = x;
            while (x < bitmap.width() && !isTransparent(x, y))
                ++x;
            if (x > start)
                runs.push_back({start, y, x - start, 1});
        }
        if (!runs.empty())
            region.addRow(y, runs);
    }
    if (region.isEmpty())
        return std::nullopt;
    return region;
}
