// Fuzzes the JPEG decoding through our wrapper: any bytes either decode to a 24-bit picture of the
// size the header gives or fail with the program's own error; the decoder's errors never escape.
#include "core/velmora_error.h"
#include "pictures/jpeg_decoder.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    TJpegSize header;
    try {
        header = ReadJpegHeader(bytes);
    } catch (const VelmoraError &) {
        header = {-1, -1};
    }
    try {
        const TBitmap bitmap = DecodeJpeg(bytes);
        if (bitmap.width() != header.width || bitmap.height() != header.height || bitmap.bitsPerPixel() != 24)
            std::abort();
        // Touch the last row: every pixel was written or greyed.
        volatile uchar sink = 0;
        if (!bitmap.isEmpty())
            for (qsizetype i = 0; i < bitmap.bytesPerLine(); ++i)
                sink = sink ^ bitmap.scanLine(bitmap.height() - 1)[i];
    } catch (const VelmoraError &) {
    }
    return 0;
}
