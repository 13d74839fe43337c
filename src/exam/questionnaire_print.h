#pragma once

#include <QRect>

// The geometry of the printed solution sheet: six question blocks per page, two columns and three
// rows, on a page measured in layout units (an A4 page at 72 units per inch).
namespace questionnaire_print {

inline constexpr int kPageWidthUnits = 595;
inline constexpr int kBlockWidthUnits = 508;
inline constexpr int kBlockHeightUnits = 342;
inline constexpr int kSlotWidthUnits = 256;
inline constexpr int kSlotHeightUnits = 181;
inline constexpr int kBlocksPerPage = 6;

// The block scale for a page scale s: nearest(s / 2) where a block of that scale fits its slot,
// otherwise the largest whole scale that fits (at least 1).
int BlockScale(double pageScale);

// The printer rectangle of a block element (left, top, width, height in block units) for a block
// at (x0, y0) with scale t.
QRect BlockElement(int x0, int y0, int t, int left, int top, int width, int height);

// ceil(questions / 6): the pages a questionnaire of this many questions fills.
int PageCount(int questions);

} // namespace questionnaire_print
