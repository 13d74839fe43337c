// Fuzzes the bitmap reader: any bytes either decode or fail with the program's own error; a picture
// that decoded writes to a file that decodes to the same pixels.
#include "core/velmora_error.h"
#include "pictures/bmp_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TBitmap bitmap;
    try {
        bitmap = DecodeBmp(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    } catch (const VelmoraError &) {
        return 0;
    }
    TBitmap again;
    try {
        again = DecodeBmp(EncodeBmp(bitmap));
    } catch (const VelmoraError &) {
        std::abort(); // what we write must read back
    }
    if (again.width() != bitmap.width() || again.height() != bitmap.height())
        std::abort();
    // A picture no pixel wide may still have millions of rows: nothing to compare in them.
    for (int y = 0; bitmap.width() > 0 && y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            if (!(again.pixelColor(x, y) == bitmap.pixelColor(x, y)))
                std::abort();
    return 0;
}
