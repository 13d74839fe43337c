#include "pictures/fit_rect.h"

#include <QtGlobal>
#include <climits>
#include <cmath>

namespace {

// trunc() of a placement length, kept inside the range of int for absurd aspect ratios.
int truncated(double value)
{
    if (!(value < double(INT_MAX)))
        return INT_MAX;
    if (!(value > double(INT_MIN)))
        return INT_MIN;
    return int(std::trunc(value));
}

} // namespace

TRect FitRect(int boxWidth, int boxHeight, int width, int height, bool stretch, bool proportional, bool centre)
{
    TRect placement;
    if (stretch || (proportional && (width > boxWidth || height > boxHeight))) {
        if (proportional && width > 0 && height > 0) {
            const double aspect = double(width) / double(height);
            if (height < width) {
                placement.width = boxWidth;
                placement.height = truncated(boxWidth / aspect);
                if (placement.height > boxHeight) {
                    placement.height = boxHeight;
                    placement.width = truncated(boxHeight * aspect);
                }
            } else {
                placement.height = boxHeight;
                placement.width = truncated(boxHeight * aspect);
                if (placement.width > boxWidth) {
                    placement.width = boxWidth;
                    placement.height = truncated(boxWidth / aspect);
                }
            }
        } else {
            placement.width = boxWidth;
            placement.height = boxHeight;
        }
    } else {
        placement.width = width;
        placement.height = height;
    }
    if (centre) {
        placement.x = int((qint64(boxWidth) - placement.width) / 2);
        placement.y = int((qint64(boxHeight) - placement.height) / 2);
    }
    return placement;
}
