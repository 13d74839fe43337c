#pragma once

#include "pictures/bitmap.h"

#include <QImage>

// The edge between our bitmaps and Qt's pictures.

// The bitmap's pixels seen as a QImage, without a copy: 24-bit bitmaps as BGR888, 32-bit ones as
// RGB32, 16-bit ones as RGB16 or RGB555. The image is valid while the bitmap lives unchanged;
// writing to it detaches a copy. Palette and other bitmaps are converted to 24 bits first (the image
// then owns that copy). An empty bitmap gives a null image.
QImage ImageView(const TBitmap &bitmap);

// A 24-bit bitmap with the picture's colours, written in one pass (alpha is dropped).
TBitmap BitmapFromImage(const QImage &image);
