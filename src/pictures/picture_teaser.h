#pragma once

#include "pictures/bitmap.h"
#include "pictures/region.h"

#include <QString>

#include <optional>

// How a locked set picture is shown: a black area through which the picture shows only inside a
// question-mark shape, and the picture files behind it.

// The teaser's shape from the question-mark picture: the region of its pixels that are not pure
// white, moved 40 pixels right and 20 down; none when every pixel is white.
std::optional<TRegion> TeaserShape(const TBitmap &questionMask);

// A black 24-bit bitmap of width x height with the picture drawn on it unscaled, its top-left corner
// at 0, 0, only where it falls inside the shape.
TBitmap MakeTeaser(const TBitmap &picture, const std::optional<TRegion> &shape, int width, int height);

// The width and height of the picture shown when a set picture cannot be: its file is missing or
// no JPEG picture the decoder can read. One bad file must not stop a screen.
inline constexpr int kBlankPictureSize = 400;

// Reads a set picture file (a full path; empty for no valid name) as JPEG; a blank (black)
// 400 x 400 picture when the path names no regular file or the file cannot be decoded.
TBitmap LoadSetPicture(const QString &path);
