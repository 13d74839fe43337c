#include "pictures/scaling.h"

#include "pictures/scaling_cubic.h"

#include <algorithm>
#include <cstring>

namespace {

// Mode 0: every destination pixel repeats the source pixel its top-left corner falls on.
void stretchPlain(const TBitmap &source, TBitmap &destination)
{
    const int sw = source.width(), sh = source.height();
    const int dw = destination.width(), dh = destination.height();
    const int bitsPerPixel = source.bitsPerPixel();
    for (int j = 0; j < dh; ++j) {
        const int sy = int(qint64(j) * sh / dh);
        const uchar *from = source.scanLine(sy);
        uchar *to = destination.scanLine(j);
        for (int i = 0; i < dw; ++i) {
            const int sx = int(qint64(i) * sw / dw);
            if (bitsPerPixel >= 8)
                std::memcpy(to + qsizetype(i) * (bitsPerPixel / 8), from + qsizetype(sx) * (bitsPerPixel / 8),
                            size_t(bitsPerPixel / 8));
            else
                destination.setPixelValue(i, j, source.pixelValue(sx, sy));
        }
    }
}

// The sampling grid of mode 1 along one axis: source position i * step in 16.16 fixed point, with
// 64-bit arithmetic so that sources of 32768 pixels and more do not overflow.
struct TBilinearStep
{
    int near;        // source index
    int far;         // next source index, or the same one at the last pixel
    quint32 fraction; // 0 ... 65535
};

std::vector<TBilinearStep> bilinearSteps(int sourceLength, int destinationLength)
{
    const qint64 step = qint64(sourceLength) * 65536 / destinationLength;
    std::vector<TBilinearStep> steps(static_cast<size_t>(destinationLength));
    for (int i = 0; i < destinationLength; ++i) {
        const qint64 position = i * step;
        const int near = int(position >> 16);
        steps[size_t(i)] = {near, near >= sourceLength - 1 ? near : near + 1, quint32(position & 0xFFFF)};
    }
    return steps;
}

// The four weights of mode 1. They add up to 65535, not 65536: a channel value c >= 1 among equal
// neighbours comes out as c - 1.
struct TBilinearWeights
{
    quint32 topLeft, topRight, bottomLeft, bottomRight;
};

TBilinearWeights bilinearWeights(quint32 fx, quint32 fy)
{
    const quint32 gy = 65535 - fy;
    const quint32 topRight = (gy * fx) >> 16;
    const quint32 bottomRight = (fy * fx) >> 16;
    return {gy - topRight, topRight, fy - bottomRight, bottomRight};
}

void bilinearBytes(const TBitmap &source, TBitmap &destination, int bytesPerPixel)
{
    const std::vector<TBilinearStep> columns = bilinearSteps(source.width(), destination.width());
    const std::vector<TBilinearStep> rows = bilinearSteps(source.height(), destination.height());
    for (int j = 0; j < destination.height(); ++j) {
        const uchar *top = source.scanLine(rows[size_t(j)].near);
        const uchar *bottom = source.scanLine(rows[size_t(j)].far);
        uchar *out = destination.scanLine(j);
        for (int i = 0; i < destination.width(); ++i, out += bytesPerPixel) {
            const TBilinearStep &column = columns[size_t(i)];
            const TBilinearWeights w = bilinearWeights(column.fraction, rows[size_t(j)].fraction);
            const qsizetype left = qsizetype(column.near) * bytesPerPixel;
            const qsizetype right = qsizetype(column.far) * bytesPerPixel;
            for (int c = 0; c < 3; ++c) // the fourth byte of 32-bit pixels is not written
                out[c] = uchar((w.topLeft * top[left + c] + w.topRight * top[right + c]
                                + w.bottomLeft * bottom[left + c] + w.bottomRight * bottom[right + c])
                               >> 16);
        }
    }
}

quint32 wordAt(const uchar *row, int index)
{
    return quint32(row[2 * index]) | quint32(row[2 * index + 1]) << 8;
}

// 15- and 16-bit pixels: each channel is blended where it lies in the word and masked back.
void bilinearWords(const TBitmap &source, TBitmap &destination, TChannelMasks masks)
{
    const std::vector<TBilinearStep> columns = bilinearSteps(source.width(), destination.width());
    const std::vector<TBilinearStep> rows = bilinearSteps(source.height(), destination.height());
    const quint32 channelMasks[3] = {masks.blue, masks.green, masks.red};
    for (int j = 0; j < destination.height(); ++j) {
        const uchar *top = source.scanLine(rows[size_t(j)].near);
        const uchar *bottom = source.scanLine(rows[size_t(j)].far);
        uchar *out = destination.scanLine(j);
        for (int i = 0; i < destination.width(); ++i) {
            const TBilinearStep &column = columns[size_t(i)];
            const TBilinearWeights w = bilinearWeights(column.fraction, rows[size_t(j)].fraction);
            const quint32 tl = wordAt(top, column.near), tr = wordAt(top, column.far);
            const quint32 bl = wordAt(bottom, column.near), br = wordAt(bottom, column.far);
            quint32 word = 0;
            for (quint32 mask : channelMasks) // unsigned: 65535 × 0xF800 needs all 32 bits
                word |= ((w.topLeft * (tl & mask) + w.topRight * (tr & mask) + w.bottomLeft * (bl & mask)
                          + w.bottomRight * (br & mask))
                         >> 16)
                    & mask;
            out[2 * i] = uchar(word);
            out[2 * i + 1] = uchar(word >> 8);
        }
    }
}

void resizeBilinear(const TBitmap &source, TBitmap &destination)
{
    switch (source.pixelFormat()) {
    case TPixelFormat::Bits24:
        bilinearBytes(source, destination, 3);
        break;
    case TPixelFormat::Bits32:
        bilinearBytes(source, destination, 4);
        break;
    case TPixelFormat::Bits15:
        bilinearWords(source, destination, kMasks555);
        break;
    case TPixelFormat::Bits16:
        bilinearWords(source, destination, kMasks565);
        break;
    case TPixelFormat::Other:
        break;
    }
}

} // namespace

void ResizeBitmapInto(const TBitmap &source, TBitmap &destination, int width, int height, TResizeMode mode,
                      const TResizeOptions &options)
{
    Q_ASSERT(&source != &destination);
    destination.resetLike(std::max(width, 0), std::max(height, 0), source);
    if (source.isEmpty() || destination.isEmpty())
        return;
    switch (mode) {
    case TResizeMode::Stretch:
        stretchPlain(source, destination);
        break;
    case TResizeMode::Bilinear:
        resizeBilinear(source, destination);
        break;
    case TResizeMode::Cubic:
        if (source.pixelFormat() != TPixelFormat::Other)
            ResizeCubic(source, destination, options);
        break;
    }
}

void ResizeBitmap(TBitmap &bitmap, int width, int height, TResizeMode mode)
{
    TBitmap result;
    ResizeBitmapInto(bitmap, result, width, height, mode);
    bitmap = std::move(result);
}

void DrawScaled(TBitmap &canvas, const TBitmap &bitmap, const TRect &rectangle, TResizeMode mode)
{
    if (bitmap.width() == 0)
        return;
    TBitmap copy;
    ResizeBitmapInto(bitmap, copy, rectangle.width, rectangle.height, mode);
    DrawBitmap(canvas, rectangle.x, rectangle.y, copy);
}
