#include "pictures/bitmap.h"

#include "core/velmora_error.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>

namespace {

TChannelMasks masksOf(TPixelFormat format)
{
    switch (format) {
    case TPixelFormat::Bits15:
        return kMasks555;
    case TPixelFormat::Bits16:
        return kMasks565;
    case TPixelFormat::Bits24:
    case TPixelFormat::Bits32:
        return {0xFF0000, 0x00FF00, 0x0000FF};
    case TPixelFormat::Other:
        break;
    }
    return {};
}

// Widens a channel of `bits` bits to 8 bits by repeating its top bits.
quint8 widenChannel(quint32 value, int bits)
{
    if (bits <= 0)
        return 0;
    if (bits >= 8)
        return quint8(value >> (bits - 8));
    quint32 widened = value;
    int widenedBits = bits;
    while (widenedBits < 8) {
        widened = (widened << bits) | value;
        widenedBits += bits;
    }
    return quint8(widened >> (widenedBits - 8));
}

quint8 channelFromMask(quint32 value, quint32 mask)
{
    if (mask == 0)
        return 0;
    return widenChannel((value & mask) >> std::countr_zero(mask), std::popcount(mask));
}

quint32 maskFromChannel(quint8 channel, quint32 mask)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const int bits = std::popcount(mask);
    const quint32 narrowed = bits >= 8 ? quint32(channel) << (bits - 8) : quint32(channel) >> (8 - bits);
    return (narrowed << shift) & mask;
}

} // namespace

int bitsPerPixelOf(TPixelFormat format)
{
    switch (format) {
    case TPixelFormat::Bits15:
    case TPixelFormat::Bits16:
        return 16;
    case TPixelFormat::Bits24:
        return 24;
    case TPixelFormat::Bits32:
        return 32;
    case TPixelFormat::Other:
        break;
    }
    return 0;
}

TBitmap::TBitmap(int width, int height, TPixelFormat format)
{
    reset(width, height, format);
}

TBitmap TBitmap::withMasks(int width, int height, TChannelMasks masks)
{
    TBitmap bitmap;
    bitmap.allocate(width, height, 16);
    bitmap.m_masks = masks;
    if (masks == kMasks555)
        bitmap.m_format = TPixelFormat::Bits15;
    else if (masks == kMasks565)
        bitmap.m_format = TPixelFormat::Bits16;
    else
        bitmap.m_format = TPixelFormat::Other;
    return bitmap;
}

TBitmap TBitmap::indexed(int width, int height, int bitsPerPixel, std::vector<TRgb> palette)
{
    Q_ASSERT(bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8);
    TBitmap bitmap;
    bitmap.allocate(width, height, bitsPerPixel);
    bitmap.m_format = TPixelFormat::Other;
    bitmap.m_palette = std::move(palette);
    return bitmap;
}

void TBitmap::allocate(int width, int height, int bitsPerPixel)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    // An empty side counts as one: the rows of a bitmap 0 pixels wide are still walked one by one.
    if (qint64(std::max(width, 1)) * qint64(std::max(height, 1)) > kMaxBitmapPixels)
        throw VelmoraError(QStringLiteral("Bitmap ist zu groß (%1 × %2 Bildpunkte)").arg(width).arg(height));
    m_width = width;
    m_height = height;
    m_bitsPerPixel = bitsPerPixel;
    m_bytesPerLine = qsizetype((qint64(width) * bitsPerPixel + 31) / 32 * 4);
    m_pixels.assign(size_t(m_bytesPerLine) * size_t(height), 0);
    m_palette.clear();
    m_masks = {};
}

void TBitmap::reset(int width, int height, TPixelFormat format)
{
    Q_ASSERT(format != TPixelFormat::Other);
    allocate(width, height, bitsPerPixelOf(format));
    m_format = format;
    m_masks = masksOf(format);
}

void TBitmap::resetLike(int width, int height, const TBitmap &model)
{
    std::vector<TRgb> palette = model.m_palette;
    allocate(width, height, model.m_bitsPerPixel);
    m_format = model.m_format;
    m_masks = model.m_masks;
    m_palette = std::move(palette);
}

quint32 TBitmap::pixelValue(int x, int y) const
{
    Q_ASSERT(x >= 0 && x < m_width && y >= 0 && y < m_height);
    const uchar *line = scanLine(y);
    switch (m_bitsPerPixel) {
    case 1:
        return (line[x >> 3] >> (7 - (x & 7))) & 1;
    case 4:
        return (line[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F;
    case 8:
        return line[x];
    case 16:
        return quint32(line[2 * x]) | quint32(line[2 * x + 1]) << 8;
    case 24:
        return quint32(line[3 * x]) | quint32(line[3 * x + 1]) << 8 | quint32(line[3 * x + 2]) << 16;
    case 32:
        return quint32(line[4 * x]) | quint32(line[4 * x + 1]) << 8 | quint32(line[4 * x + 2]) << 16;
    default:
        return 0;
    }
}

void TBitmap::setPixelValue(int x, int y, quint32 value)
{
    Q_ASSERT(x >= 0 && x < m_width && y >= 0 && y < m_height);
    uchar *line = scanLine(y);
    switch (m_bitsPerPixel) {
    case 1: {
        const uchar bit = uchar(0x80 >> (x & 7));
        line[x >> 3] = uchar((value & 1) ? (line[x >> 3] | bit) : (line[x >> 3] & ~bit));
        break;
    }
    case 4: {
        const int shift = (x & 1) ? 0 : 4;
        line[x >> 1] = uchar((line[x >> 1] & ~(0x0F << shift)) | ((value & 0x0F) << shift));
        break;
    }
    case 8:
        line[x] = uchar(value);
        break;
    case 16:
        line[2 * x] = uchar(value);
        line[2 * x + 1] = uchar(value >> 8);
        break;
    case 24:
        line[3 * x] = uchar(value);
        line[3 * x + 1] = uchar(value >> 8);
        line[3 * x + 2] = uchar(value >> 16);
        break;
    case 32:
        line[4 * x] = uchar(value);
        line[4 * x + 1] = uchar(value >> 8);
        line[4 * x + 2] = uchar(value >> 16);
        break;
    default:
        break;
    }
}

TRgb TBitmap::colorOfValue(quint32 value) const
{
    if (m_bitsPerPixel <= 8) {
        if (value < m_palette.size())
            return m_palette[value];
        return {};
    }
    return {channelFromMask(value, m_masks.red), channelFromMask(value, m_masks.green),
            channelFromMask(value, m_masks.blue)};
}

quint32 TBitmap::valueOfColor(TRgb color) const
{
    if (m_bitsPerPixel <= 8) {
        quint32 best = 0;
        int bestDistance = INT_MAX;
        for (size_t i = 0; i < m_palette.size(); ++i) {
            const TRgb &entry = m_palette[i];
            const int dr = entry.red - color.red, dg = entry.green - color.green, db = entry.blue - color.blue;
            const int distance = dr * dr + dg * dg + db * db;
            if (distance < bestDistance) {
                bestDistance = distance;
                best = quint32(i);
            }
        }
        return best;
    }
    return maskFromChannel(color.red, m_masks.red) | maskFromChannel(color.green, m_masks.green)
        | maskFromChannel(color.blue, m_masks.blue);
}

TRgb TBitmap::pixelColor(int x, int y) const
{
    return colorOfValue(pixelValue(x, y));
}

void TBitmap::setPixelColor(int x, int y, TRgb color)
{
    setPixelValue(x, y, valueOfColor(color));
}

bool TBitmap::sameContent(const TBitmap &other) const
{
    if (m_width != other.m_width || m_height != other.m_height || m_bitsPerPixel != other.m_bitsPerPixel
        || m_format != other.m_format || m_masks != other.m_masks || m_palette != other.m_palette)
        return false;
    const qint64 bits = qint64(m_width) * m_bitsPerPixel;
    const size_t fullBytes = size_t(bits / 8);
    const int restBits = int(bits % 8);
    for (int y = 0; y < m_height; ++y) {
        const uchar *a = scanLine(y);
        const uchar *b = other.scanLine(y);
        if (std::memcmp(a, b, fullBytes) != 0)
            return false;
        if (restBits != 0) {
            const uchar mask = uchar(0xFF00 >> restBits);
            if ((a[fullBytes] & mask) != (b[fullBytes] & mask))
                return false;
        }
    }
    return true;
}

TBitmap ConvertBitmap(const TBitmap &source, TPixelFormat format)
{
    Q_ASSERT(format != TPixelFormat::Other);
    if (source.pixelFormat() == format)
        return source;
    TBitmap result(source.width(), source.height(), format);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            result.setPixelColor(x, y, source.pixelColor(x, y));
    return result;
}

void DrawBitmap(TBitmap &target, int x, int y, const TBitmap &source)
{
    DrawBitmapClipped(target, x, y, source, TRect{0, 0, target.width(), target.height()});
}

void DrawBitmapClipped(TBitmap &target, int x, int y, const TBitmap &source, const TRect &clip)
{
    const int left = std::max({x, 0, clip.x});
    const int top = std::max({y, 0, clip.y});
    const int right = int(std::min({qint64(x) + source.width(), qint64(target.width()), qint64(clip.x) + clip.width}));
    const int bottom =
        int(std::min({qint64(y) + source.height(), qint64(target.height()), qint64(clip.y) + clip.height}));
    if (left >= right || top >= bottom)
        return;
    const bool sameFormat = source.bitsPerPixel() == target.bitsPerPixel() && source.masks() == target.masks()
        && source.palette() == target.palette();
    if (sameFormat && source.bitsPerPixel() >= 8) {
        const int bytesPerPixel = source.bitsPerPixel() / 8;
        for (int row = top; row < bottom; ++row)
            std::memcpy(target.scanLine(row) + qsizetype(left) * bytesPerPixel,
                        source.scanLine(row - y) + qsizetype(left - x) * bytesPerPixel,
                        size_t(right - left) * size_t(bytesPerPixel));
        return;
    }
    for (int row = top; row < bottom; ++row)
        for (int column = left; column < right; ++column) {
            if (sameFormat)
                target.setPixelValue(column, row, source.pixelValue(column - x, row - y));
            else
                target.setPixelColor(column, row, source.pixelColor(column - x, row - y));
        }
}
