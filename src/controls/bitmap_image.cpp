#include "controls/bitmap_image.h"

#include <cstring>

namespace {

QImage::Format imageFormatOf(TPixelFormat format)
{
    switch (format) {
    case TPixelFormat::Bits15:
        return QImage::Format_RGB555;
    case TPixelFormat::Bits16:
        return QImage::Format_RGB16;
    case TPixelFormat::Bits24:
        return QImage::Format_BGR888;
    case TPixelFormat::Bits32:
        return QImage::Format_RGB32;
    case TPixelFormat::Other:
        break;
    }
    return QImage::Format_Invalid;
}

} // namespace

QImage ImageView(const TBitmap &bitmap)
{
    if (bitmap.isEmpty())
        return {};
    const QImage::Format format = imageFormatOf(bitmap.pixelFormat());
    if (format == QImage::Format_Invalid) {
        auto *converted = new TBitmap(ConvertBitmap(bitmap, TPixelFormat::Bits24));
        return QImage(converted->bits(), converted->width(), converted->height(), converted->bytesPerLine(),
                      QImage::Format_BGR888, [](void *owned) { delete static_cast<TBitmap *>(owned); }, converted);
    }
    // The const constructor: the image reads the bitmap's memory and copies only when written to.
    return QImage(bitmap.bits(), bitmap.width(), bitmap.height(), bitmap.bytesPerLine(), format);
}

TBitmap BitmapFromImage(const QImage &image)
{
    if (image.isNull())
        return {};
    TBitmap bitmap(image.width(), image.height(), TPixelFormat::Bits24);
    const int width = image.width();
    if (image.format() == QImage::Format_BGR888) {
        for (int y = 0; y < image.height(); ++y)
            std::memcpy(bitmap.scanLine(y), image.constScanLine(y), size_t(width) * 3);
        return bitmap;
    }
    const bool direct = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
    const QImage source = direct ? image : image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        uchar *out = bitmap.scanLine(y);
        for (int x = 0; x < width; ++x) {
            out[3 * x] = uchar(qBlue(in[x]));
            out[3 * x + 1] = uchar(qGreen(in[x]));
            out[3 * x + 2] = uchar(qRed(in[x]));
        }
    }
    return bitmap;
}
