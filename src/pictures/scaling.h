#pragma once

#include "pictures/bitmap.h"
#include "pictures/fit_rect.h"

// How ResizeBitmap smooths: 0 a plain stretch (pixels dropped or repeated), 1 bilinear, 2 a two-pass
// cubic filter. Modes 1 and 2 work in 16.16 fixed point on 15-, 16-, 24- and 32-bit pixels and give
// the same bytes on every machine; on other formats they leave the result blank.
enum class TResizeMode
{
    Stretch = 0,
    Bilinear = 1,
    Cubic = 2,
};

struct TResizeOptions
{
    // Threads for the cubic filter: 0 lets the resize choose (two on large pictures when two
    // processors are free), 1 keeps it on the calling thread.
    int threads = 0;
    // Use the AVX2 loops where the processor has them (the results are the same either way).
    bool vectorised = true;
    // Memory the cubic filter may use for filtered rows it needs again. Extreme reductions (a tall
    // picture to a few rows) need more; they then add each row's terms as soon as it is filtered.
    qsizetype rowCacheBytes = qsizetype(64) << 20;
};

// Resizes the bitmap in place to width × height. The result has the bitmap's pixel format (a 16-bit
// bitmap with 5-5-5 masks stays 15-bit) and starts blank, so a mode that cannot handle the format
// leaves it blank. A width or height of 0 or less gives an empty bitmap.
void ResizeBitmap(TBitmap &bitmap, int width, int height, TResizeMode mode);

// As ResizeBitmap, writing into `destination` (which must not be `source`). The destination keeps its
// memory when it is large enough, so resizing again and again touches no fresh memory.
void ResizeBitmapInto(const TBitmap &source, TBitmap &destination, int width, int height, TResizeMode mode,
                      const TResizeOptions &options = {});

// Draws the bitmap resized into the rectangle of the canvas (clipped to the canvas). A bitmap 0 pixels
// wide draws nothing.
void DrawScaled(TBitmap &canvas, const TBitmap &bitmap, const TRect &rectangle, TResizeMode mode);
