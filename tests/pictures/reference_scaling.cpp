#include "reference_scaling.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace reference {

namespace {

double filter(double x)
{
    if (x < 1)
        return ((7.0 / 6.0 * x - 2) * x * x) + 8.0 / 9.0;
    if (x < 2)
        return (((-7.0 / 18.0 * x + 2) * x - 10.0 / 3.0) * x) + 16.0 / 9.0;
    return 0;
}

int mirror(std::int64_t j, int n)
{
    std::int64_t k = j < 0 ? -j : (j >= n ? 2 * std::int64_t(n) - 1 - j : j);
    return int(std::min<std::int64_t>(std::max<std::int64_t>(k, 0), n - 1));
}

// Channel values at their own depth: blue, green, red.
using TChannels = std::array<std::int64_t, 3>;

struct TFormatInfo
{
    int shifts[3];
    std::int64_t limits[3];
};

TFormatInfo infoOf(TPixelFormat format)
{
    if (format == TPixelFormat::Bits15)
        return {{0, 5, 10}, {31, 31, 31}};
    if (format == TPixelFormat::Bits16)
        return {{0, 5, 11}, {31, 63, 31}};
    return {{0, 8, 16}, {255, 255, 255}};
}

TChannels channelsAt(const TBitmap &bitmap, int x, int y)
{
    const uchar *line = bitmap.scanLine(y);
    const TFormatInfo info = infoOf(bitmap.pixelFormat());
    if (bitmap.pixelFormat() == TPixelFormat::Bits24)
        return {line[3 * x], line[3 * x + 1], line[3 * x + 2]};
    if (bitmap.pixelFormat() == TPixelFormat::Bits32)
        return {line[4 * x], line[4 * x + 1], line[4 * x + 2]};
    const std::int64_t word = line[2 * x] | line[2 * x + 1] << 8;
    TChannels channels;
    for (int c = 0; c < 3; ++c)
        channels[c] = (word >> info.shifts[c]) & info.limits[c];
    return channels;
}

void setChannels(TBitmap &bitmap, int x, int y, const TChannels &channels)
{
    uchar *line = bitmap.scanLine(y);
    const TFormatInfo info = infoOf(bitmap.pixelFormat());
    if (bitmap.pixelFormat() == TPixelFormat::Bits24 || bitmap.pixelFormat() == TPixelFormat::Bits32) {
        const int size = bitmap.pixelFormat() == TPixelFormat::Bits24 ? 3 : 4;
        for (int c = 0; c < 3; ++c)
            line[size * x + c] = uchar(channels[c]);
        return;
    }
    std::int64_t word = 0;
    for (int c = 0; c < 3; ++c)
        word |= channels[c] << info.shifts[c];
    line[2 * x] = uchar(word);
    line[2 * x + 1] = uchar(word >> 8);
}

std::int64_t clampSum(std::int64_t sum, std::int64_t limit)
{
    if (sum < 0)
        return 0;
    if (sum > limit * 65536)
        return limit;
    return sum / 65536;
}

} // namespace

std::vector<TList> contributions(int sourceLength, int destinationLength)
{
    const std::int64_t n = sourceLength, m = destinationLength;
    std::vector<TList> lists(static_cast<size_t>(m));
    for (std::int64_t i = 0; i < m; ++i) {
        if (m < n) {
            const float s = float(m) / float(n);
            const std::int64_t left = ((i - 2) * n - m + 1) / m, right = ((i + 2) * n + m - 1) / m;
            for (std::int64_t j = left; j <= right; ++j) {
                const float x = float(std::fabs(double(i) - double(j) * double(s)));
                if (x < 2)
                    lists[size_t(i)].push_back({mirror(j, sourceLength), int(std::nearbyint(filter(x) * s * 65536))});
            }
        } else {
            const float s = float(n) / float(m);
            const float c = float(double(i) * double(s));
            const std::int64_t left = (i * n - 3 * m + 1) / m, right = (i * n + 3 * m - 1) / m;
            for (std::int64_t j = left; j <= right; ++j) {
                const float x = float(std::fabs(double(c) - double(j)));
                if (x < 2)
                    lists[size_t(i)].push_back({mirror(j, sourceLength), int(std::nearbyint(filter(x) * 65536))});
            }
        }
    }
    return lists;
}

TBitmap bilinear(const TBitmap &source, int width, int height)
{
    TBitmap result;
    result.resetLike(width, height, source);
    const std::int64_t sw = source.width(), sh = source.height();
    const std::int64_t stepx = sw * 65536 / width, stepy = sh * 65536 / height;
    const bool words = source.bitsPerPixel() == 16;
    const std::int64_t masks[3] = {std::int64_t(source.masks().blue), std::int64_t(source.masks().green),
                                   std::int64_t(source.masks().red)};
    for (int j = 0; j < height; ++j) {
        const std::int64_t ty = j * stepy, sy = ty / 65536, fy = ty % 65536, gy = 65535 - fy;
        const std::int64_t sy2 = sy >= sh - 1 ? sy : sy + 1;
        for (int i = 0; i < width; ++i) {
            const std::int64_t tx = i * stepx, sx = tx / 65536, fx = tx % 65536;
            const std::int64_t sx2 = sx >= sw - 1 ? sx : sx + 1;
            const std::int64_t wTR = gy * fx / 65536, wTL = gy - wTR, wBR = fy * fx / 65536, wBL = fy - wBR;
            if (words) {
                const std::int64_t tl = source.pixelValue(int(sx), int(sy)), tr = source.pixelValue(int(sx2), int(sy));
                const std::int64_t bl = source.pixelValue(int(sx), int(sy2)), br = source.pixelValue(int(sx2), int(sy2));
                std::int64_t word = 0;
                for (std::int64_t mask : masks)
                    word |= ((wTL * (tl & mask) + wTR * (tr & mask) + wBL * (bl & mask) + wBR * (br & mask)) / 65536)
                        & mask;
                result.setPixelValue(i, j, quint32(word));
            } else {
                const TChannels tl = channelsAt(source, int(sx), int(sy)), tr = channelsAt(source, int(sx2), int(sy));
                const TChannels bl = channelsAt(source, int(sx), int(sy2)), br = channelsAt(source, int(sx2), int(sy2));
                TChannels out;
                for (int c = 0; c < 3; ++c)
                    out[c] = (wTL * tl[c] + wTR * tr[c] + wBL * bl[c] + wBR * br[c]) / 65536;
                setChannels(result, i, j, out);
            }
        }
    }
    return result;
}

TBitmap cubic(const TBitmap &source, int width, int height)
{
    TBitmap result;
    result.resetLike(width, height, source);
    const std::vector<TList> horizontal = contributions(source.width(), width);
    const std::vector<TList> vertical = contributions(source.height(), height);
    const TFormatInfo info = infoOf(source.pixelFormat());
    std::vector<TChannels> column(static_cast<size_t>(source.height()));
    for (int i = 0; i < width; ++i) {
        for (int y = 0; y < source.height(); ++y) {
            TChannels sums{0, 0, 0};
            for (const auto &[index, weight] : horizontal[size_t(i)]) {
                const TChannels pixel = channelsAt(source, index, y);
                for (int c = 0; c < 3; ++c)
                    sums[c] += weight * pixel[c];
            }
            for (int c = 0; c < 3; ++c)
                column[size_t(y)][c] = clampSum(sums[c], info.limits[c]);
        }
        for (int j = 0; j < height; ++j) {
            TChannels sums{0, 0, 0};
            for (const auto &[index, weight] : vertical[size_t(j)])
                for (int c = 0; c < 3; ++c)
                    sums[c] += weight * column[size_t(index)][c];
            TChannels out;
            for (int c = 0; c < 3; ++c)
                out[c] = clampSum(sums[c], info.limits[c]);
            setChannels(result, i, j, out);
        }
    }
    return result;
}

} // namespace reference
