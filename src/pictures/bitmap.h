#pragma once

#include "pictures/fit_rect.h"

#include <QtGlobal>
#include <cstdint>
#include <vector>

// A colour as red, green and blue bytes.
struct TRgb
{
    quint8 red = 0;
    quint8 green = 0;
    quint8 blue = 0;

    friend bool operator==(const TRgb &, const TRgb &) = default;
};

// Where the channels of a 16-bit pixel word lie.
struct TChannelMasks
{
    quint32 red = 0;
    quint32 green = 0;
    quint32 blue = 0;

    friend bool operator==(const TChannelMasks &, const TChannelMasks &) = default;
};

inline constexpr TChannelMasks kMasks555{0x7C00, 0x03E0, 0x001F};
inline constexpr TChannelMasks kMasks565{0xF800, 0x07E0, 0x001F};

// The pixel formats the scaling knows. A 16-bit bitmap is Bits15 with 5-5-5 masks and Bits16 with
// 5-6-5 masks; any other masks, and palette bitmaps of 1, 4 or 8 bits, are Other.
enum class TPixelFormat
{
    Other,
    Bits15, // one word: blue 0-4, green 5-9, red 10-14, bit 15 zero
    Bits16, // one word: blue 0-4, green 5-10, red 11-15
    Bits24, // three bytes: blue, green, red
    Bits32, // four bytes: blue, green, red, a fourth byte nobody interprets
};

// A rectangular array of pixels in plain memory, stored top row first. Every row starts on a
// 4-byte boundary (as in a Windows bitmap), so a row is bytesPerLine() long, padding included.
// Copies are deep. A new bitmap starts blank: all bytes zero.
class TBitmap
{
public:
    TBitmap() = default;
    TBitmap(int width, int height, TPixelFormat format);

    // A 16-bit bitmap with the given channel masks (5-5-5 and 5-6-5 give Bits15 and Bits16).
    static TBitmap withMasks(int width, int height, TChannelMasks masks);
    // A palette bitmap of 1, 4 or 8 bits per pixel; pixels are indexes into the palette.
    static TBitmap indexed(int width, int height, int bitsPerPixel, std::vector<TRgb> palette);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isEmpty() const { return m_width <= 0 || m_height <= 0; }
    int bitsPerPixel() const { return m_bitsPerPixel; }
    TPixelFormat pixelFormat() const { return m_format; }
    // Channel masks of a 15-, 16-, 24- or 32-bit bitmap; zero for palette bitmaps.
    TChannelMasks masks() const { return m_masks; }
    const std::vector<TRgb> &palette() const { return m_palette; }
    qsizetype bytesPerLine() const { return m_bytesPerLine; }

    uchar *scanLine(int y) { return m_pixels.data() + y * m_bytesPerLine; }
    const uchar *scanLine(int y) const { return m_pixels.data() + y * m_bytesPerLine; }
    uchar *bits() { return m_pixels.data(); }
    const uchar *bits() const { return m_pixels.data(); }
    qsizetype byteCount() const { return qsizetype(m_pixels.size()); }

    // Gives the bitmap a new size and format, all bytes zero. Keeps the memory it already holds when
    // it is large enough, so a bitmap reused for results of one size touches no fresh memory.
    void reset(int width, int height, TPixelFormat format);
    // As reset(), for a bitmap with the same format, masks and palette as the model.
    void resetLike(int width, int height, const TBitmap &model);

    // Slow but general pixel access, for every format. Channels of 15- and 16-bit pixels are widened
    // to 8 bits by repeating their top bits (31 becomes 255); palette pixels give their palette colour.
    TRgb pixelColor(int x, int y) const;
    // Stores the colour, narrowed to the format (palette bitmaps: the nearest palette entry).
    void setPixelColor(int x, int y, TRgb color);
    // The raw pixel value: a palette index, a 16-bit word, or 0xRRGGBB for 24 and 32 bits.
    quint32 pixelValue(int x, int y) const;
    void setPixelValue(int x, int y, quint32 value);
    // The raw value the colour gets in this bitmap's format.
    quint32 valueOfColor(TRgb color) const;
    // The colour a raw value stands for.
    TRgb colorOfValue(quint32 value) const;

    // Compares size, format, masks, palette and the visible pixel bytes (not the row padding).
    bool sameContent(const TBitmap &other) const;

private:
    void allocate(int width, int height, int bitsPerPixel);

    int m_width = 0;
    int m_height = 0;
    int m_bitsPerPixel = 0;
    TPixelFormat m_format = TPixelFormat::Other;
    TChannelMasks m_masks;
    std::vector<TRgb> m_palette;
    qsizetype m_bytesPerLine = 0;
    std::vector<uchar> m_pixels;
};

// Bits per pixel of a direct format (0 for Other).
int bitsPerPixelOf(TPixelFormat format);
// The largest bitmap we agree to hold, in pixels; larger pictures are refused by the readers.
inline constexpr qint64 kMaxBitmapPixels = qint64(1) << 28;

// Converts a bitmap of any format into a direct format (e.g. a palette bitmap into 24 bits).
TBitmap ConvertBitmap(const TBitmap &source, TPixelFormat format);

// Copies the source unscaled into the target with its top-left corner at x, y, clipped to the
// target; pixels are converted when the formats differ.
void DrawBitmap(TBitmap &target, int x, int y, const TBitmap &source);
// As DrawBitmap, changing only the target's pixels inside the clip rectangle.
void DrawBitmapClipped(TBitmap &target, int x, int y, const TBitmap &source, const TRect &clip);
