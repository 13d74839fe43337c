#pragma once

#include <QFont>
#include <QString>

// The one place that turns the layouts' fonts into installed Linux fonts. The layouts are drawn for
// "MS Sans Serif" at 8, 10, 12 and 24 point (11, 13, 16 and 32 pixels on a 96 dpi screen) and at
// pixel sizes such as 11, 16, 19 and 32; on Linux they are drawn with Liberation Sans (Debian
// fonts-liberation2) whatever the screen's resolution: at the design's pixel size up to 15 pixels,
// a pixel or two smaller above (16 -> 15, 19 -> 18, 32 -> 30), where Liberation Sans would otherwise
// outgrow the boxes cut for the design face. DejaVu Sans stands in where Liberation Sans is missing.

// The family every layout font is drawn with, and the one standing in for it.
inline constexpr const char *kLayoutFontFamily = "Liberation Sans";
inline constexpr const char *kLayoutFallbackFamily = "DejaVu Sans";
// The face the layouts name; it is mapped to the family above.
inline constexpr const char *kLayoutDesignFamily = "MS Sans Serif";

enum class TFontStyle
{
    Normal = 0,
    Bold = 1,
    Underline = 2,
    BoldUnderline = 3,
};

// A layout font given in points (as the layouts give "8", "bold 12", "24"), from the pixel size of a
// 96 dpi screen.
QFont LayoutFont(int points, TFontStyle style = TFontStyle::Normal);
// A layout font given in pixels ("11 px", "bold 32 px").
QFont LayoutFontPx(int pixels, TFontStyle style = TFontStyle::Normal);
// Pixels of a point size on a 96 dpi screen: 8 -> 11, 10 -> 13, 12 -> 16, 24 -> 32.
int PixelsOfPoints(int points);

// Maps "MS Sans Serif" (and the application's default font) to the layout family; called once
// when the application starts, before any window is made.
void InstallLayoutFonts();
