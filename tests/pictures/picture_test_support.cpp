#include "picture_test_support.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

TBitmap randomBitmap(int width, int height, TPixelFormat format, std::uint32_t seed)
{
    TBitmap bitmap(width, height, format);
    std::mt19937 random(seed);
    const qsizetype rowBytes = (qsizetype(width) * bitsPerPixelOf(format) + 7) / 8;
    for (int y = 0; y < height; ++y)
        for (qsizetype x = 0; x < rowBytes; ++x)
            bitmap.scanLine(y)[x] = uchar(random() & 0xFF);
    return bitmap;
}

TBitmap colourBlocks(int width, int height, int blockSize, const std::vector<TRgb> &colours)
{
    TBitmap bitmap(width, height, TPixelFormat::Bits24);
    const int blocksPerRow = (width + blockSize - 1) / blockSize;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const size_t block = size_t((y / blockSize) * blocksPerRow + x / blockSize);
            bitmap.setPixelColor(x, y, colours[block % colours.size()]);
        }
    return bitmap;
}

namespace {

// CMYK inks of a colour: k is the darkness, c, m, y what is missing of each primary.
void colourToInks(TRgb colour, JSAMPLE *inks, bool inverted)
{
    const int light = std::max({colour.red, colour.green, colour.blue});
    int c = 255, m = 255, y = 255; // no ink
    if (light > 0) {
        c = colour.red * 255 / light;
        m = colour.green * 255 / light;
        y = colour.blue * 255 / light;
    }
    const int values[4] = {c, m, y, light};
    for (int i = 0; i < 4; ++i)
        inks[i] = JSAMPLE(inverted ? values[i] : 255 - values[i]);
}

} // namespace

QByteArray encodeTestJpeg(const TBitmap &picture, TJpegKind kind, bool progressive, int quality)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);

    info.image_width = JDIMENSION(picture.width());
    info.image_height = JDIMENSION(picture.height());
    const bool cmyk = kind == TJpegKind::CmykAdobe || kind == TJpegKind::YcckAdobe || kind == TJpegKind::CmykPlain;
    if (kind == TJpegKind::Grey) {
        info.input_components = 1;
        info.in_color_space = JCS_GRAYSCALE;
    } else if (cmyk) {
        info.input_components = 4;
        info.in_color_space = JCS_CMYK;
    } else {
        info.input_components = 3;
        info.in_color_space = JCS_EXT_BGR;
    }
    jpeg_set_defaults(&info);
    if (kind == TJpegKind::YcckAdobe)
        jpeg_set_colorspace(&info, JCS_YCCK);
    if (kind == TJpegKind::CmykPlain)
        info.write_Adobe_marker = FALSE;
    jpeg_set_quality(&info, quality, TRUE);
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);

    std::vector<JSAMPLE> row(size_t(picture.width()) * 4);
    while (info.next_scanline < info.image_height) {
        const int y = int(info.next_scanline);
        JSAMPROW rowPointer = row.data();
        if (kind == TJpegKind::Colour) {
            rowPointer = const_cast<JSAMPLE *>(picture.scanLine(y));
        } else {
            for (int x = 0; x < picture.width(); ++x) {
                const TRgb colour = picture.pixelColor(x, y);
                if (kind == TJpegKind::Grey)
                    row[size_t(x)] = colour.green;
                else
                    colourToInks(colour, &row[size_t(x) * 4], kind != TJpegKind::CmykPlain);
            }
        }
        jpeg_write_scanlines(&info, &rowPointer, 1);
    }
    jpeg_finish_compress(&info);
    QByteArray bytes(reinterpret_cast<const char *>(buffer), qsizetype(size));
    jpeg_destroy_compress(&info);
    free(buffer);
    return bytes;
}
