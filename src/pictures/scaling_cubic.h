#pragma once

#include "pictures/bitmap.h"
#include "pictures/scaling.h"

// The two-pass cubic filter (resize mode 2) for 15-, 16-, 24- and 32-bit bitmaps. `destination`
// already has its size and format and is blank; `source` is not empty and has the same format.
//
// Every destination pixel is clamp(sum over the column list of weight × clamp(sum over the row list
// of weight × source pixel)). Sums of whole numbers do not depend on their order, so the row pass is
// done once per source row that a destination row needs (kept in a small ring of rows), not once per
// destination column, and the result is the same to the bit.
void ResizeCubic(const TBitmap &source, TBitmap &destination, const TResizeOptions &options);
