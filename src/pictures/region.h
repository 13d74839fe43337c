#pragma once

#include "pictures/bitmap.h"
#include "pictures/fit_rect.h"

#include <optional>
#include <vector>

// A clip region: a union of rectangles that do not overlap. Rows with the same runs of pixels are
// merged into taller rectangles.
class TRegion
{
public:
    const std::vector<TRect> &rects() const { return m_rects; }
    bool isEmpty() const { return m_rects.empty(); }
    bool contains(int x, int y) const;
    TRect boundingRect() const;
    // The region moved by dx, dy.
    TRegion translated(int dx, int dy) const;

    // Adds the rectangles of one pixel row (runs x1 ... x2 - 1 as TRect{x1, y, x2 - x1, 1}) below the
    // rows added so far.
    void addRow(int y, const std::vector<TRect> &runs);

private:
    std::vector<TRect> m_rects;
    std::vector<size_t> m_lastBand; // indexes of the rectangles that end at the last row added
};

// The region of the bitmap's pixels whose colour is not the transparent colour; none when the bitmap
// is empty or every pixel is transparent. In a 15- or 16-bit bitmap the transparent colour is first
// narrowed to the bitmap's format (white stays white).
std::optional<TRegion> RegionFromBitmap(const TBitmap &bitmap, TRgb transparent);
