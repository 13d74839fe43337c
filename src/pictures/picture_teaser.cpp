#include "pictures/picture_teaser.h"

#include "core/velmora_error.h"
#include "pictures/jpeg_decoder.h"
#include "pictures/set_picture_files.h"

std::optional<TRegion> TeaserShape(const TBitmap &questionMask)
{
    const std::optional<TRegion> shape = RegionFromBitmap(questionMask, TRgb{255, 255, 255});
    if (!shape)
        return std::nullopt;
    return shape->translated(40, 20);
}

TBitmap MakeTeaser(const TBitmap &picture, const std::optional<TRegion> &shape, int width, int height)
{
    TBitmap teaser(width, height, TPixelFormat::Bits24); // blank is black
    if (shape) {
        for (const TRect &part : shape->rects())
            DrawBitmapClipped(teaser, 0, 0, picture, part);
    }
    return teaser;
}

TBitmap LoadSetPicture(const QString &path)
{
    if (IsRegularFile(path)) {
        try {
            return DecodeJpegFile(path);
        } catch (const VelmoraError &) {
            // A file that is no JPEG picture, or one that cannot be read, is shown as a missing one.
        }
    }
    return TBitmap(kBlankPictureSize, kBlankPictureSize, TPixelFormat::Bits24);
}
