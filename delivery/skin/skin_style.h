#pragma once

// The look of the standard skin: one palette, one typeface (DejaVu Sans) and a few drawing helpers
// that every picture shares, so buttons, cards and click areas look alike on every screen.

#include "skin_pictures.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace velmora::skin {

// The palette: calm blues and teals, a warm amber for points and stars, a muted coral for warnings.
namespace colours {
QColor navyDark();       // title band, frame
QColor navy();           // headings, dark buttons
QColor teal();           // main action colour
QColor tealBright();     // accents, lines
QColor tealLight();      // soft fills
QColor surface();        // light screen background
QColor strip();          // the toolbar strip of the frame
QColor ink();            // text on light ground
QColor muted();          // secondary text
QColor amber();          // points, stars, buy
QColor coral();          // cancel, fail, danger
QColor questionGround(); // the question screen's tooltip yellow
} // namespace colours

// Loads the DejaVu fonts from the given folder; false when one is missing.
bool loadFonts(const QString &fontFolder);

QFont font(int pixelSize, bool bold = false, bool condensed = false);
// The font at pixelSize or smaller (down to 60 %) so that text fits into maxWidth.
QFont fittedFont(const QString &text, int pixelSize, bool bold, qreal maxWidth);

QImage blankPicture(int width, int height, const QColor &fill);
// The light ground of a screen: the surface colour with two soft teal circles in the upper corners.
QImage screenBackdrop(int width, int height);
// Text in a box, wrapped at word ends.
void drawParagraph(QPainter &painter, const QRectF &box, const QString &text, const QFont &font,
                   const QColor &colour);
// A painter with antialiasing for shapes and text.
void prepare(QPainter &painter);

void drawText(QPainter &painter, const QRectF &box, int flags, const QString &text, const QFont &font,
              const QColor &colour);
// A soft shadow below a rounded rectangle, spread pixels wide.
void drawShadow(QPainter &painter, const QRectF &box, qreal radius, int spread, int strength = 40,
                qreal dy = 3);
// A rounded card with a soft shadow and a hairline border.
void drawCard(QPainter &painter, const QRectF &box, const QColor &fill, qreal radius = 12);
// A screen heading: the title in navy, a teal underline and the subtitle below it.
void drawHeading(QPainter &painter, qreal left, qreal top, const QString &title, const QString &subtitle,
                 const QColor &titleColour, const QColor &subtitleColour, int titleSize = 34);

// The visible mark of an invisible click ellipse: a teal ellipse with a white ring that fills the
// rectangle exactly, its caption in white.
void drawClickArea(QPainter &painter, const ClickArea &area);
// Every click area of the named picture.
void drawClickAreas(QPainter &painter, std::string_view pictureName);

enum class Icon
{
    None,
    ArrowLeft,
    ArrowRight,
    Home,
    Power,
    Check,
    Cross,
    Grid,
    UTurn,
    Coin,
    Picture,
    Globe,
    Gear,
    Printer,
    Magnifier,
    Book,
    Music,
    Star,
    Info,
    Lock,
};
// Draws a line icon centred in box, strokes in colour.
void drawIcon(QPainter &painter, Icon icon, const QRectF &box, const QColor &colour, qreal lineWidth = 2.4);
// A five-pointed star path centred at c.
QPainterPath starPath(QPointF centre, qreal outerRadius, qreal innerRadius);

// Traffic signs used as decoration.
void drawStopSign(QPainter &painter, QPointF centre, qreal radius);
void drawGiveWaySign(QPainter &painter, QPointF centre, qreal size);
void drawSpeedSign(QPainter &painter, QPointF centre, qreal radius, const QString &number);
void drawPrioritySign(QPainter &painter, QPointF centre, qreal size);

struct ButtonLook
{
    QColor top;
    QColor bottom;
    QColor text;
};
ButtonLook tealButton();
ButtonLook navyButton();
ButtonLook coralButton();
ButtonLook amberButton();
ButtonLook greenButton();

// A picture button: a rounded body at bodyBox on the surround colour, icon and caption (and an optional
// smaller detail line). Pressed: darker, sunk by two pixels, no shadow.
struct ButtonText
{
    QString caption;
    QString detail;
    Icon icon = Icon::None;
    bool iconRight = false;
};
QImage buttonPicture(int width, int height, const QRectF &bodyBox, const ButtonLook &look,
                     const ButtonText &text, bool pressed, const QColor &surround, int captionSize = 17);

} // namespace velmora::skin
