#include "pictures/jpeg_decoder.h"

#include "core/velmora_error.h"

#include <QDir>
#include <QFile>
#include <csetjmp>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return: we jump back to the
// decoding function and hand the message code on. Only C frames lie between the two.
struct TJpegErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

extern "C" void jpegErrorExit(j_common_ptr info)
{
    auto *manager = reinterpret_cast<TJpegErrorManager *>(info->err);
    std::longjmp(manager->jump, 1);
}

// Warnings (a picture cut short, corrupt data the decoder works around) are not printed.
extern "C" void jpegOutputMessage(j_common_ptr) {}

quint8 inkToLight(unsigned inverted, unsigned black)
{
    return quint8((inverted * black + 127) / 255);
}

// Converts one row of CMYK pixels into blue, green, red bytes. Adobe programs store the inks
// inverted (255 means no ink); other writers store them plain.
void cmykRowToBgr(const JSAMPLE *cmyk, uchar *bgr, JDIMENSION width, bool adobeInverted)
{
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
        unsigned c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!adobeInverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        bgr[0] = inkToLight(y, k);
        bgr[1] = inkToLight(m, k);
        bgr[2] = inkToLight(c, k);
    }
}

// Decodes into *bitmap; returns 0 or the decoder's message code. No object with a destructor lives in
// this frame, so the jump back from jpegErrorExit skips nothing.
int decodeInto(jpeg_decompress_struct *info, TJpegErrorManager *errors, const QByteArray &data, void *out)
{
    auto *bitmap = static_cast<TBitmap *>(out);
    if (setjmp(errors->jump) != 0)
        return errors->base.msg_code;

    jpeg_mem_src(info, reinterpret_cast<const unsigned char *>(data.constData()), static_cast<unsigned long>(data.size()));
    jpeg_read_header(info, TRUE);
    const bool cmyk = info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
    info->out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
    if (qint64(info->image_width) * qint64(info->image_height) > kMaxBitmapPixels)
        return JERR_IMAGE_TOO_BIG;
    jpeg_start_decompress(info);

    bitmap->reset(int(info->output_width), int(info->output_height), TPixelFormat::Bits24);
    JSAMPARRAY cmykRow = nullptr;
    if (cmyk)
        cmykRow = (*info->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(info), JPOOL_IMAGE,
                                             info->output_width * 4, 1);
    while (info->output_scanline < info->output_height) {
        uchar *line = bitmap->scanLine(int(info->output_scanline));
        if (cmyk) {
            jpeg_read_scanlines(info, cmykRow, 1);
            cmykRowToBgr(cmykRow[0], line, info->output_width, info->saw_Adobe_marker);
        } else {
            JSAMPROW row = line;
            jpeg_read_scanlines(info, &row, 1);
        }
    }
    jpeg_finish_decompress(info);
    return 0;
}

// Reads the header into *size; returns 0 or the decoder's message code (as decodeInto).
int readHeaderInto(jpeg_decompress_struct *info, TJpegErrorManager *errors, const QByteArray &data, void *out)
{
    auto *size = static_cast<TJpegSize *>(out);
    if (setjmp(errors->jump) != 0)
        return errors->base.msg_code;
    jpeg_mem_src(info, reinterpret_cast<const unsigned char *>(data.constData()), static_cast<unsigned long>(data.size()));
    jpeg_read_header(info, TRUE);
    if (qint64(info->image_width) * qint64(info->image_height) > kMaxBitmapPixels)
        return JERR_IMAGE_TOO_BIG;
    *size = TJpegSize{int(info->image_width), int(info->image_height)};
    return 0;
}

struct TDecompressGuard
{
    jpeg_decompress_struct *info;
    ~TDecompressGuard() { jpeg_destroy_decompress(info); }
};

// Runs a step of the decoder on a fresh decompressor whose fatal errors come back as message codes;
// a code other than 0 becomes "JPEG-Fehler #<n>".
using TDecoderStep = int (*)(jpeg_decompress_struct *, TJpegErrorManager *, const QByteArray &, void *);
void runDecoder(TDecoderStep step, const QByteArray &data, void *out)
{
    jpeg_decompress_struct info{};
    TJpegErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jpegErrorExit;
    errors.base.output_message = jpegOutputMessage;
    jpeg_create_decompress(&info);
    TDecompressGuard guard{&info};
    const int code = step(&info, &errors, data, out);
    if (code != 0)
        throw VelmoraError(QStringLiteral("JPEG-Fehler #%1").arg(code));
}

} // namespace

TBitmap DecodeJpeg(const QByteArray &data)
{
    TBitmap bitmap;
    runDecoder(decodeInto, data, &bitmap);
    return bitmap;
}

TBitmap DecodeJpegFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw VelmoraError(QStringLiteral("Datei %1 kann nicht geöffnet werden. %2")
                               .arg(QDir::toNativeSeparators(path), file.errorString()));
    return DecodeJpeg(file.readAll());
}

TJpegSize ReadJpegHeader(const QByteArray &data)
{
    TJpegSize size;
    runDecoder(readHeaderInto, data, &size);
    return size;
}
