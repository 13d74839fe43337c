#pragma once

#include "pictures/bitmap.h"

#include <utility>
#include <vector>

// A straightforward second implementation of resize modes 1 and 2, written from the description of
// the filters in the order the description gives the loops (for mode 2 the row pass is recomputed
// for every destination column). It shares no code with the library, so agreeing bytes mean
// something. Slow; for tests only.
namespace reference {

using TList = std::vector<std::pair<int, int>>; // (source index, weight)

std::vector<TList> contributions(int sourceLength, int destinationLength);
TBitmap bilinear(const TBitmap &source, int width, int height);
TBitmap cubic(const TBitmap &source, int width, int height);

} // namespace reference
