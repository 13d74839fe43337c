// The main window's frame and buttons, the welcome screen and the goodbye window.

#include "skin_drawings.h"
#include "skin_style.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace velmora::skin {

namespace {

// The window: 1008 x 765, the screen area at 21, 173, 965 x 576. The frame pieces overlap the screen
// area by a few pixels, and some reach beyond the window's right and bottom edge; drawing the whole
// frame once in window coordinates and cutting the pieces from it makes every seam fit.
constexpr int kWindowWidth = 1008;
constexpr int kWindowHeight = 765;
constexpr int kBandHeight = 110;
constexpr int kScreenLeft = 21;
constexpr int kScreenTop = 173;
constexpr int kScreenRight = 986;  // first column right of the screen area
constexpr int kScreenBottom = 749; // first row below the screen area

const QImage &frameCanvas()
{
    static const QImage canvas = [] {
        QImage image = blankPicture(1024, 766, Qt::white);
        QPainter painter(&image);
        prepare(painter);
        const QRectF window(0, 0, kWindowWidth, kWindowHeight);

        // The frame body: navy with rounded outer corners (white outside, like the window).
        QPainterPath outline;
        outline.addRoundedRect(window, 14, 14);
        QLinearGradient body(0, 0, 0, kWindowHeight);
        body.setColorAt(0.0, colours::navyDark());
        body.setColorAt(0.14, colours::navy());
        body.setColorAt(1.0, colours::navyDark());
        painter.fillPath(outline, body);

        // Faint arcs of a speedometer on the right of the title band.
        painter.save();
        painter.setClipRect(QRectF(0, 0, kWindowWidth, kBandHeight));
        painter.setBrush(Qt::NoBrush);
        for (int i = 0; i < 5; ++i) {
            painter.setPen(QPen(QColor(255, 255, 255, 14 + 3 * i), 2));
            const qreal r = 60 + 26 * i;
            painter.drawEllipse(QPointF(955, 120), r, r);
        }
        painter.restore();

        // The teal accent line under the band and the light toolbar strip.
        painter.fillRect(QRectF(0, kBandHeight - 3, kWindowWidth, 3), colours::tealBright());
        painter.fillRect(
            QRectF(kScreenLeft, kBandHeight, kScreenRight - kScreenLeft, kScreenTop - kBandHeight),
            colours::strip());
        painter.fillRect(QRectF(kScreenLeft, kScreenTop - 2, kScreenRight - kScreenLeft, 1),
                         QColor(0xC6, 0xDB, 0xE1));

        // The emblem: a steering wheel on a teal tile.
        const QRectF tile(28, 22, 62, 62);
        QLinearGradient tileFill(tile.topLeft(), tile.bottomRight());
        tileFill.setColorAt(0.0, colours::tealBright());
        tileFill.setColorAt(1.0, colours::teal());
        painter.setPen(Qt::NoPen);
        painter.setBrush(tileFill);
        painter.drawRoundedRect(tile, 14, 14);
        painter.setPen(QPen(Qt::white, 4.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(tile.center(), 20, 20);
        painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(tile.center() + QPointF(-19, -2), tile.center() + QPointF(-6, 1));
        painter.drawLine(tile.center() + QPointF(19, -2), tile.center() + QPointF(6, 1));
        painter.drawLine(tile.center() + QPointF(0, 7), tile.center() + QPointF(0, 19));
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawEllipse(tile.center() + QPointF(0, 1), 7, 7);

        drawText(painter, QRectF(106, 18, 500, 50), Qt::AlignLeft | Qt::AlignVCenter,
                 QStringLiteral("Velmora"), font(42, true), Qt::white);
        drawText(painter, QRectF(108, 66, 560, 24), Qt::AlignLeft | Qt::AlignVCenter,
                 QStringLiteral("Theorie-Training für den Führerschein"), font(17), QColor(0xA9, 0xDC, 0xD5));

        // The web link beside the title band's right end, and its caption.
        drawClickAreas(painter, "GUI_main_bodytop.bmp");
        drawText(painter, QRectF(798, 73, 60, 16), Qt::AlignCenter, QStringLiteral("Web"), font(11, true),
                 QColor(0xBF, 0xE3, 0xDE));

        // The frame's lower band with a short line of text in its visible part.
        drawText(painter, QRectF(0, kScreenBottom, kWindowWidth, kWindowHeight - kScreenBottom),
                 Qt::AlignCenter, QStringLiteral("Velmora  ·  Viel Erfolg bei der Theorieprüfung!"), font(11),
                 QColor(0x8F, 0xB8, 0xC8));
        return image;
    }();
    return canvas;
}

QImage navigationButton(Icon icon, const QString &caption, const ButtonLook &look)
{
    return buttonPicture(91, 37, QRectF(2, 2, 87, 31), look, ButtonText{caption, {}, icon, false}, false,
                         colours::strip(), 13);
}

// A landscape with a road running to the horizon, used by the welcome screen and the goodbye window.
struct Landscape
{
    QRectF area;
    qreal horizon;
    QPointF vanishing;
    qreal roadLeft; // road edges at the bottom of area
    qreal roadRight;
    bool evening;
};

void drawLandscape(QPainter &painter, const Landscape &scene)
{
    const QRectF &a = scene.area;
    QLinearGradient sky(0, a.top(), 0, scene.horizon);
    if (scene.evening) {
        sky.setColorAt(0.0, colours::navyDark());
        sky.setColorAt(0.55, QColor(0x2A, 0x6E, 0x86));
        sky.setColorAt(1.0, QColor(0xF6, 0xC9, 0x86));
    } else {
        sky.setColorAt(0.0, QColor(0xC9, 0xE7, 0xEF));
        sky.setColorAt(1.0, QColor(0xF6, 0xFB, 0xFC));
    }
    painter.fillRect(QRectF(a.left(), a.top(), a.width(), scene.horizon - a.top() + 1), sky);

    // The sun, low and soft.
    const QPointF sun = scene.evening ? QPointF(a.left() + a.width() * 0.72, scene.horizon - 44)
                                      : QPointF(a.left() + a.width() * 0.8, a.top() + a.height() * 0.2);
    QRadialGradient glow(sun, scene.evening ? 120 : 140);
    glow.setColorAt(0.0, scene.evening ? QColor(0xFF, 0xD9, 0x8A, 230) : QColor(0xFF, 0xE6, 0xA8, 200));
    glow.setColorAt(0.25, scene.evening ? QColor(0xFF, 0xC8, 0x70, 120) : QColor(0xFF, 0xF0, 0xC8, 90));
    glow.setColorAt(1.0, QColor(255, 240, 200, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(sun, 140, 140);
    painter.setBrush(scene.evening ? QColor(0xFF, 0xD2, 0x7A) : QColor(0xFF, 0xE3, 0x9A));
    painter.drawEllipse(sun, 26, 26);

    // Hills in three layers, lighter the farther away.
    const QColor layers[3] = {scene.evening ? QColor(0x3E, 0x78, 0x86) : QColor(0xBF, 0xE0, 0xDC),
                              scene.evening ? QColor(0x2C, 0x62, 0x72) : QColor(0x98, 0xCE, 0xC6),
                              scene.evening ? QColor(0x1D, 0x4D, 0x5C) : QColor(0x74, 0xB9, 0xAF)};
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath hills;
        const qreal base = scene.horizon + layer * 6;
        hills.moveTo(a.left(), base);
        const int waves = 4 - layer;
        for (int i = 0; i < waves; ++i) {
            const qreal x0 = a.left() + a.width() * i / waves;
            const qreal x1 = a.left() + a.width() * (i + 1) / waves;
            const qreal lift = (28 - layer * 6) * (1 + 0.35 * ((i + layer) % 3));
            hills.cubicTo(QPointF(x0 + (x1 - x0) * 0.3, base - lift),
                          QPointF(x0 + (x1 - x0) * 0.7, base - lift), QPointF(x1, base));
        }
        hills.lineTo(a.right(), a.bottom());
        hills.lineTo(a.left(), a.bottom());
        hills.closeSubpath();
        painter.setBrush(layers[layer]);
        painter.drawPath(hills);
    }
    // The meadow.
    QLinearGradient meadow(0, scene.horizon, 0, a.bottom());
    meadow.setColorAt(0.0, scene.evening ? QColor(0x1F, 0x55, 0x5A) : QColor(0x8E, 0xCB, 0xB0));
    meadow.setColorAt(1.0, scene.evening ? QColor(0x12, 0x3C, 0x44) : QColor(0x5F, 0xAE, 0x90));
    painter.setBrush(meadow);
    painter.drawRect(QRectF(a.left(), scene.horizon + 14, a.width(), a.bottom() - scene.horizon - 14));

    // The road and its dashed centre line, narrowing towards the vanishing point.
    QPainterPath road;
    road.moveTo(scene.vanishing + QPointF(-3, 0));
    road.lineTo(scene.vanishing + QPointF(3, 0));
    road.lineTo(scene.roadRight, a.bottom());
    road.lineTo(scene.roadLeft, a.bottom());
    road.closeSubpath();
    QLinearGradient asphalt(0, scene.vanishing.y(), 0, a.bottom());
    asphalt.setColorAt(0.0, scene.evening ? QColor(0x4A, 0x5E, 0x6C) : QColor(0x9A, 0xAC, 0xB6));
    asphalt.setColorAt(1.0, scene.evening ? QColor(0x2C, 0x38, 0x42) : QColor(0x5A, 0x6F, 0x7C));
    painter.setBrush(asphalt);
    painter.drawPath(road);
    const QPointF bottomMiddle((scene.roadLeft + scene.roadRight) / 2, a.bottom());
    painter.setBrush(QColor(255, 255, 255, scene.evening ? 170 : 230));
    for (int i = 0; i < 7; ++i) {
        // Dash i covers the stretch t0 .. t1 of the way from the horizon to the bottom (perspective-spaced).
        const qreal t0 = std::pow((i + 0.35) / 7.0, 1.7);
        const qreal t1 = std::pow((i + 0.75) / 7.0, 1.7);
        const QPointF p0 = scene.vanishing + (bottomMiddle - scene.vanishing) * t0;
        const QPointF p1 = scene.vanishing + (bottomMiddle - scene.vanishing) * t1;
        const qreal w0 = 0.6 + 6 * t0;
        const qreal w1 = 0.6 + 6 * t1;
        QPolygonF dash;
        dash << p0 + QPointF(-w0 / 2, 0) << p0 + QPointF(w0 / 2, 0) << p1 + QPointF(w1 / 2, 0)
             << p1 + QPointF(-w1 / 2, 0);
        painter.drawPolygon(dash);
    }
}

// A sign on a post standing on the meadow.
void drawPost(QPainter &painter, QPointF top, qreal height, qreal width)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x8A, 0x97, 0xA0));
    painter.drawRect(QRectF(top.x() - width / 2, top.y(), width, height));
}

// A small tag with an arrow pointing down, e.g. "Hier starten" above the main click area.
void drawTag(QPainter &painter, const QRectF &box, const QString &text)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours::amber());
    painter.drawRoundedRect(box, box.height() / 2, box.height() / 2);
    QPolygonF arrow;
    arrow << QPointF(box.center().x() - 7, box.bottom() - 1)
          << QPointF(box.center().x() + 7, box.bottom() - 1) << QPointF(box.center().x(), box.bottom() + 7);
    painter.drawPolygon(arrow);
    painter.restore();
    drawText(painter, box, Qt::AlignCenter, text, font(14, true), QColor(0x3A, 0x24, 0x05));
}

} // namespace

QImage framePiece(int left, int top, int width, int height)
{
    return frameCanvas().copy(left, top, width, height);
}

QImage backButton()
{
    return navigationButton(Icon::ArrowLeft, QStringLiteral("Zurück"), tealButton());
}

QImage homeButton()
{
    return navigationButton(Icon::Home, QStringLiteral("Start"), tealButton());
}

QImage exitButton()
{
    return navigationButton(Icon::Power, QStringLiteral("Ende"), coralButton());
}

QImage webLinkPicture()
{
    QImage image = blankPicture(253, 19, colours::strip());
    QPainter painter(&image);
    prepare(painter);
    drawIcon(painter, Icon::Globe, QRectF(2, 1, 17, 17), colours::teal(), 1.5);
    const QString text = QStringLiteral("Velmora im Internet besuchen  ›");
    drawText(painter, QRectF(25, 0, 226, 19), Qt::AlignLeft | Qt::AlignVCenter, text, font(13, true),
             colours::teal());
    return image;
}

QImage welcomeBackground()
{
    QImage image = blankPicture(966, 566, Qt::white);
    QPainter painter(&image);
    prepare(painter);
    drawLandscape(painter, Landscape{QRectF(0, 0, 966, 566), 330, QPointF(520, 318), 330, 650, false});

    // Signs along the road.
    drawPost(painter, QPointF(728, 262), 70, 5);
    drawSpeedSign(painter, QPointF(728, 258), 22, QStringLiteral("50"));
    drawPost(painter, QPointF(432, 300), 38, 3);
    drawGiveWaySign(painter, QPointF(432, 294), 26);

    drawHeading(painter, 60, 44, QStringLiteral("Willkommen bei Velmora"),
                QStringLiteral("Ihr Trainer für die Führerschein-Theorieprüfung"), colours::navy(),
                colours::muted(), 38);
    drawText(painter, QRectF(68, 250, 260, 26), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Wohin möchten Sie?"), font(17, true), colours::navy());
    drawTag(painter, QRectF(720, 318, 132, 26), QStringLiteral("Hier starten"));
    drawClickAreas(painter, "GUI_welcome.bmp");
    return image;
}

QImage goodbyePicture()
{
    QImage image = blankPicture(644, 484, Qt::white);
    QPainter painter(&image);
    prepare(painter);
    drawLandscape(painter, Landscape{QRectF(0, 0, 644, 484), 300, QPointF(330, 290), 170, 520, true});
    drawPost(painter, QPointF(150, 268), 56, 4);
    drawSpeedSign(painter, QPointF(150, 264), 18, QStringLiteral("30"));

    drawText(painter, QRectF(0, 70, 644, 60), Qt::AlignCenter, QStringLiteral("Auf Wiedersehen!"),
             font(44, true), Qt::white);
    drawText(painter, QRectF(0, 132, 644, 30), Qt::AlignCenter,
             QStringLiteral("Gute Fahrt und viel Erfolg bei der Prüfung."), font(19),
             QColor(0xE4, 0xF4, 0xF2));
    drawText(painter, QRectF(0, 172, 644, 24), Qt::AlignCenter, QStringLiteral("Velmora wird beendet …"),
             font(14), QColor(0xC8, 0xE3, 0xE6));
    painter.setPen(QPen(colours::navyDark(), 4));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(2, 2, 640, 480));
    return image;
}

} // namespace velmora::skin
