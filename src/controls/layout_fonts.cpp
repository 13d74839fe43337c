#include "controls/layout_fonts.h"

#include <QApplication>
#include <QStringList>
#include <cmath>

namespace {

QStringList families()
{
    return {QString::fromLatin1(kLayoutFontFamily), QString::fromLatin1(kLayoutFallbackFamily)};
}

// Liberation Sans is a little wider than the design face at the same height: from 16 pixels up a
// text drawn at the design's size would outgrow the labels that were cut to fit it ("Bitte haben Sie
// einen Moment Geduld..." needs 284 of its 282 pixels at 16). These sizes keep every text inside.
int drawnPixels(int designPixels)
{
    if (designPixels < 16)
        return designPixels;
    return designPixels - (designPixels + 8) / 16; // 16 -> 15, 19 -> 18, 24 -> 22, 32 -> 30
}

QFont fontOfPixels(int pixels, TFontStyle style)
{
    QFont font;
    font.setFamilies(families());
    font.setPixelSize(pixels > 0 ? drawnPixels(pixels) : 1);
    font.setBold(style == TFontStyle::Bold || style == TFontStyle::BoldUnderline);
    font.setUnderline(style == TFontStyle::Underline || style == TFontStyle::BoldUnderline);
    // Labels keep their text on the design's pixel grid: no kerning or hinting may widen it.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace

int PixelsOfPoints(int points)
{
    return int(std::lround(points * 96.0 / 72.0));
}

QFont LayoutFont(int points, TFontStyle style)
{
    return fontOfPixels(PixelsOfPoints(points), style);
}

QFont LayoutFontPx(int pixels, TFontStyle style)
{
    return fontOfPixels(pixels, style);
}

void InstallLayoutFonts()
{
    QFont::insertSubstitutions(QString::fromLatin1(kLayoutDesignFamily), families());
    // Controls without a font of their own ("MS Sans Serif" 8 in the layouts) use the default one.
    QApplication::setFont(LayoutFont(8));
}
