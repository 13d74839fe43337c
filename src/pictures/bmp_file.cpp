#include "pictures/bmp_file.h"

#include "core/velmora_error.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <cstring>

namespace {

constexpr quint32 kBiRgb = 0;
constexpr quint32 kBiBitfields = 3;
constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;

[[noreturn]] void invalidBitmap()
{
    throw VelmoraError(QStringLiteral("Bitmap ist ungültig"));
}

class TByteReader
{
public:
    explicit TByteReader(const QByteArray &data) : m_data(data) {}

    bool has(qint64 offset, qint64 count) const { return offset >= 0 && count >= 0 && offset + count <= m_data.size(); }
    quint32 u8(qint64 offset) const { return quint8(m_data[qsizetype(offset)]); }
    quint32 u16(qint64 offset) const
    {
        if (!has(offset, 2))
            invalidBitmap();
        return u8(offset) | u8(offset + 1) << 8;
    }
    quint32 u32(qint64 offset) const
    {
        if (!has(offset, 4))
            invalidBitmap();
        return u8(offset) | u8(offset + 1) << 8 | u8(offset + 2) << 16 | u8(offset + 3) << 24;
    }
    const uchar *at(qint64 offset) const { return reinterpret_cast<const uchar *>(m_data.constData()) + offset; }

private:
    const QByteArray &m_data;
};

void put16(QByteArray &out, quint32 value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void put32(QByteArray &out, quint32 value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// Builds a 32-bit bitmap from pixels with unusual 32-bit channel masks.
TBitmap convertMasked32(int width, int height, TChannelMasks masks, const TByteReader &reader, qint64 offset,
                        qint64 stride, bool bottomUp)
{
    TBitmap masked = TBitmap::withMasks(1, 1, masks); // only used to widen channels
    TBitmap result(width, height, TPixelFormat::Bits32);
    for (int y = 0; y < height; ++y) {
        const uchar *row = reader.at(offset + stride * (bottomUp ? height - 1 - y : y));
        for (int x = 0; x < width; ++x) {
            quint32 value;
            std::memcpy(&value, row + 4 * x, 4);
            value = qFromLittleEndian(value);
            result.setPixelColor(x, y, masked.colorOfValue(value));
        }
    }
    return result;
}

} // namespace

TBitmap DecodeBmp(const QByteArray &data)
{
    const TByteReader reader(data);
    if (!reader.has(0, kFileHeaderSize + 12) || data[0] != 'B' || data[1] != 'M')
        invalidBitmap();
    const qint64 pixelOffset = reader.u32(10);
    const quint32 headerSize = reader.u32(kFileHeaderSize);

    qint64 width = 0, height = 0;
    quint32 bitsPerPixel = 0, compression = kBiRgb, colorsUsed = 0;
    int paletteEntrySize = 4;
    TChannelMasks masks;
    qint64 afterHeader = kFileHeaderSize + qint64(headerSize);
    if (headerSize == 12) { // the old OS/2 header
        width = reader.u16(18);
        height = reader.u16(20);
        bitsPerPixel = reader.u16(24);
        paletteEntrySize = 3;
    } else if (headerSize >= kInfoHeaderSize && headerSize <= 1024) {
        width = qint32(reader.u32(18));
        height = qint32(reader.u32(22));
        bitsPerPixel = reader.u16(28);
        compression = reader.u32(30);
        colorsUsed = reader.u32(46);
        if (compression == kBiBitfields) {
            const qint64 maskOffset = kFileHeaderSize + kInfoHeaderSize;
            masks = {reader.u32(maskOffset), reader.u32(maskOffset + 4), reader.u32(maskOffset + 8)};
            if (headerSize == kInfoHeaderSize)
                afterHeader += 12;
        }
    } else {
        invalidBitmap();
    }

    const bool bottomUp = height > 0;
    height = qAbs(height);
    // A side of length 0 counts as 1: a picture 0 pixels wide but billions of rows high is no picture
    // worth walking through row by row.
    if (width < 0 || qMax<qint64>(width, 1) * qMax<qint64>(height, 1) > kMaxBitmapPixels)
        invalidBitmap();
    const qint64 stride = (width * bitsPerPixel + 31) / 32 * 4;
    const qint64 rowBytes = (width * bitsPerPixel + 7) / 8;
    if (height > 0 && width > 0 && !reader.has(pixelOffset, stride * (height - 1) + rowBytes))
        invalidBitmap();

    TBitmap bitmap;
    switch (bitsPerPixel) {
    case 1:
    case 4:
    case 8: {
        if (compression != kBiRgb)
            invalidBitmap();
        const quint32 maxColors = 1u << bitsPerPixel;
        const quint32 colors = (colorsUsed == 0 || colorsUsed > maxColors) ? maxColors : colorsUsed;
        std::vector<TRgb> palette;
        for (quint32 i = 0; i < colors; ++i) {
            const qint64 entry = afterHeader + qint64(i) * paletteEntrySize;
            if (!reader.has(entry, paletteEntrySize))
                invalidBitmap();
            palette.push_back({quint8(reader.u8(entry + 2)), quint8(reader.u8(entry + 1)), quint8(reader.u8(entry))});
        }
        bitmap = TBitmap::indexed(int(width), int(height), int(bitsPerPixel), std::move(palette));
        break;
    }
    case 16:
        if (compression == kBiRgb)
            masks = kMasks555;
        else if (compression != kBiBitfields)
            invalidBitmap();
        bitmap = TBitmap::withMasks(int(width), int(height), masks);
        break;
    case 24:
        if (compression != kBiRgb)
            invalidBitmap();
        bitmap = TBitmap(int(width), int(height), TPixelFormat::Bits24);
        break;
    case 32:
        if (compression == kBiBitfields && masks != TChannelMasks{0xFF0000, 0x00FF00, 0x0000FF})
            return convertMasked32(int(width), int(height), masks, reader, pixelOffset, stride, bottomUp);
        if (compression != kBiRgb && compression != kBiBitfields)
            invalidBitmap();
        bitmap = TBitmap(int(width), int(height), TPixelFormat::Bits32);
        break;
    default:
        invalidBitmap();
    }

    for (int y = 0; rowBytes > 0 && y < bitmap.height(); ++y) {
        const qint64 source = pixelOffset + stride * (bottomUp ? height - 1 - y : y);
        std::memcpy(bitmap.scanLine(y), reader.at(source), size_t(rowBytes));
    }
    return bitmap;
}

QByteArray EncodeBmp(const TBitmap &bitmap)
{
    const int bitsPerPixel = bitmap.bitsPerPixel() == 0 ? 24 : bitmap.bitsPerPixel();
    const bool withMasks = bitsPerPixel == 16 && bitmap.masks() != kMasks555;
    const quint32 paletteBytes = bitsPerPixel <= 8 ? quint32(bitmap.palette().size()) * 4 : 0;
    const quint32 pixelOffset = kFileHeaderSize + kInfoHeaderSize + (withMasks ? 12 : 0) + paletteBytes;
    const qint64 stride = bitmap.bytesPerLine();
    const qint64 imageSize = stride * bitmap.height();

    QByteArray out;
    out.reserve(qsizetype(pixelOffset + imageSize));
    out.append("BM");
    put32(out, quint32(pixelOffset + imageSize));
    put32(out, 0);
    put32(out, pixelOffset);
    put32(out, kInfoHeaderSize);
    put32(out, quint32(bitmap.width()));
    put32(out, quint32(bitmap.height()));
    put16(out, 1);
    put16(out, quint32(bitsPerPixel));
    put32(out, withMasks ? kBiBitfields : kBiRgb);
    put32(out, quint32(imageSize));
    put32(out, 0);
    put32(out, 0);
    put32(out, bitsPerPixel <= 8 ? quint32(bitmap.palette().size()) : 0);
    put32(out, 0);
    if (withMasks) {
        put32(out, bitmap.masks().red);
        put32(out, bitmap.masks().green);
        put32(out, bitmap.masks().blue);
    }
    if (bitsPerPixel <= 8)
        for (const TRgb &color : bitmap.palette()) {
            out.append(char(color.blue));
            out.append(char(color.green));
            out.append(char(color.red));
            out.append('\0');
        }
    const qint64 rowBytes = (qint64(bitmap.width()) * bitsPerPixel + 7) / 8;
    for (int y = bitmap.height() - 1; y >= 0; --y) {
        out.append(reinterpret_cast<const char *>(bitmap.scanLine(y)), qsizetype(rowBytes));
        out.append(qsizetype(stride - rowBytes), '\0'); // padding is always written as zeros
    }
    return out;
}

TBitmap ReadBmpFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw VelmoraError(QStringLiteral("Datei %1 kann nicht geöffnet werden. %2")
                               .arg(QDir::toNativeSeparators(path), file.errorString()));
    return DecodeBmp(file.readAll());
}

void WriteBmpFile(const TBitmap &bitmap, const QString &path)
{
    const QByteArray bytes = EncodeBmp(bitmap);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw VelmoraError(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2")
                               .arg(QDir::toNativeSeparators(path), file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw VelmoraError(QStringLiteral("Stream-Schreibfehler"));
}
