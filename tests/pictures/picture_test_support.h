#pragma once

#include "pictures/bitmap.h"

#include <QByteArray>
#include <cstdint>

// Pictures made up for the picture tests.

// A bitmap of the format filled with seeded pseudo-random bytes (all bytes of every pixel, so the
// fourth byte of 32-bit pixels and bit 15 of 15-bit pixels carry noise too).
TBitmap randomBitmap(int width, int height, TPixelFormat format, std::uint32_t seed);

// A 24-bit bitmap of solid colour blocks, blockSize pixels square, colours from the list in turn.
TBitmap colourBlocks(int width, int height, int blockSize, const std::vector<TRgb> &colours);

enum class TJpegKind
{
    Colour,       // YCbCr
    Grey,         // one component: the green channel
    CmykAdobe,    // CMYK with the Adobe marker, inks stored inverted as Adobe programs do
    YcckAdobe,    // YCCK with the Adobe marker
    CmykPlain,    // CMYK without the Adobe marker, inks stored plainly
};

// Encodes a 24-bit bitmap with libjpeg's compressor.
QByteArray encodeTestJpeg(const TBitmap &picture, TJpegKind kind, bool progressive = false, int quality = 95);
