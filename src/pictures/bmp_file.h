#pragma once

#include "pictures/bitmap.h"

#include <QByteArray>
#include <QString>

// Windows bitmap files (.bmp). Reading takes 1-, 4- and 8-bit palette pictures and 16-bit (5-5-5,
// 5-6-5 or other masks), 24-bit and 32-bit pictures, uncompressed or with channel masks, stored
// bottom-up or top-down. Writing stores every format of TBitmap in its own depth, bottom-up; the
// pictures the program itself writes (skin pictures) are 24-bit.
//
// Errors are VelmoraError: "Bitmap ist ungültig" for a file that is not a bitmap we can read,
// "Datei %s kann nicht geöffnet werden. %s" / "Datei \"%s\" kann nicht erstellt werden. %s" (path,
// system reason) when the file cannot be opened or created, "Stream-Schreibfehler" when writing fails.
TBitmap DecodeBmp(const QByteArray &data);
QByteArray EncodeBmp(const TBitmap &bitmap);

TBitmap ReadBmpFile(const QString &path);
void WriteBmpFile(const TBitmap &bitmap, const QString &path);
