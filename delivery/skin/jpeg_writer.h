#pragma once

#include <QByteArray>
#include <QImage>

namespace velmora::skin {

// Encodes a picture as baseline JPEG with full colour resolution (no chroma subsampling), so that every
// 8 x 8 block of one colour decodes to exactly that colour. Same picture, same bytes. Returns an empty
// array when the encoder fails.
QByteArray encodeJpeg(const QImage &picture, int quality);

} // namespace velmora::skin
