#pragma once

#include "pictures/bitmap.h"

#include <QByteArray>
#include <QString>

// Decodes a JPEG picture (baseline or progressive; colour, grey-scale, CMYK or YCCK) into a 24-bit
// bitmap. Grey pictures come out as grey colours; CMYK and YCCK pictures (as Adobe programs write
// them, with inverted values) are turned into RGB.
//
// A picture the decoder cannot read raises VelmoraError "JPEG-Fehler #<n>", n being the decoder's
// message code (53: not a JPEG picture, 42: empty input). A picture cut short inside its image data
// is no error: what is there is decoded and the rest comes out grey.
TBitmap DecodeJpeg(const QByteArray &data);

// As DecodeJpeg() for a file; a file that cannot be opened raises
// "Datei %s kann nicht geöffnet werden. %s" (path, system reason).
TBitmap DecodeJpegFile(const QString &path);

// Reads only the header of a JPEG picture, as far as the decoder needs it to start decoding, and
// returns the picture's size. Raises "JPEG-Fehler #<n>" as DecodeJpeg() does when the header cannot be
// read or the picture is too large to decode.
struct TJpegSize
{
    int width = 0;
    int height = 0;
};
TJpegSize ReadJpegHeader(const QByteArray &data);
