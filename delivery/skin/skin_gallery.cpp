// Backgrounds of the gallery and of the pictures screen.

#include "skin_drawings.h"
#include "skin_style.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace velmora::skin {

namespace {

void drawCaption(QPainter &painter, qreal left, qreal top, const QString &text)
{
    drawText(painter, QRectF(left, top, 280, 20), Qt::AlignLeft | Qt::AlignVCenter, text, font(13, true),
             colours::muted());
}

// A small framed landscape, tilted, as a stand-in for a picture of a set.
void drawPhoto(QPainter &painter, QPointF centre, qreal angle, const QColor &sky, const QColor &hill)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    const QRectF frame(-58, -44, 116, 88);
    drawShadow(painter, frame, 3, 6, 60, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(frame, 3, 3);
    const QRectF photo = frame.adjusted(7, 7, -7, -7);
    painter.setBrush(sky);
    painter.drawRect(photo);
    QPainterPath hills;
    hills.moveTo(photo.left(), photo.bottom() - 18);
    hills.cubicTo(QPointF(photo.left() + 30, photo.bottom() - 44),
                  QPointF(photo.left() + 60, photo.bottom() - 8),
                  QPointF(photo.right(), photo.bottom() - 30));
    hills.lineTo(photo.bottomRight());
    hills.lineTo(photo.bottomLeft());
    hills.closeSubpath();
    painter.setBrush(hill);
    painter.drawPath(hills);
    painter.setBrush(QColor(0xFF, 0xE3, 0x9A));
    painter.drawEllipse(QPointF(photo.right() - 20, photo.top() + 16), 8, 8);
    painter.restore();
}

void drawCoin(QPainter &painter, QPointF centre, qreal radius)
{
    painter.save();
    QLinearGradient fill(centre - QPointF(0, radius), centre + QPointF(0, radius));
    fill.setColorAt(0.0, QColor(0xF8, 0xC8, 0x5A));
    fill.setColorAt(1.0, QColor(0xDE, 0x93, 0x1F));
    painter.setPen(QPen(QColor(0xB8, 0x78, 0x14), 1.5));
    painter.setBrush(fill);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0xF1, 0xC8));
    painter.drawPath(starPath(centre, radius * 0.55, radius * 0.24));
    painter.restore();
}

} // namespace

QImage galleryBackground()
{
    QImage image = screenBackdrop(966, 571);
    QPainter painter(&image);
    prepare(painter);
    drawHeading(painter, 30, 22, QStringLiteral("Galerie"), QStringLiteral("Bilder-Sets freispielen"),
                colours::navy(), colours::muted());

    // Points: the screen writes the total at 60, 265.
    drawCard(painter, QRectF(30, 212, 220, 100), Qt::white);
    drawCaption(painter, 60, 234, QStringLiteral("Ihre PimpPoints"));
    drawCoin(painter, QPointF(214, 278), 18);

    // The list of sets at 280, 120 (156 x 316).
    drawCard(painter, QRectF(268, 90, 180, 358), Qt::white);
    drawCaption(painter, 282, 96, QStringLiteral("Bilder-Sets"));

    // Details of the chosen set: name 485, 150; stars 485, 195; unlocked mark 670, 140; price 485, 405.
    drawCard(painter, QRectF(468, 90, 316, 358), Qt::white);
    drawCaption(painter, 485, 128, QStringLiteral("Set"));
    drawCaption(painter, 485, 174, QStringLiteral("Bewertung"));
    drawParagraph(painter, QRectF(485, 262, 280, 100),
                  QStringLiteral("Kaufen Sie ein ganzes Set mit Ihren PimpPoints – oder schauen Sie sich "
                                 "die Bilder an und kaufen Sie einzelne frei."),
                  font(14), colours::ink());
    painter.fillRect(QRectF(485, 372, 282, 1), QColor(0xDD, 0xE7, 0xEC));
    drawCaption(painter, 485, 382, QStringLiteral("Preis"));

    // A small pile of pictures beside the details.
    drawPhoto(painter, QPointF(878, 178), -8, QColor(0xC9, 0xE7, 0xEF), QColor(0x74, 0xB9, 0xAF));
    drawPhoto(painter, QPointF(884, 282), 6, QColor(0xF6, 0xD2, 0x9A), QColor(0x2C, 0x62, 0x72));
    drawPhoto(painter, QPointF(872, 384), -4, QColor(0xD6, 0xE6, 0xF2), QColor(0x5F, 0xAE, 0x90));
    return image;
}

QImage picturesBackground()
{
    QImage image = screenBackdrop(961, 566);
    QPainter painter(&image);
    prepare(painter);

    // The set's name, written by the screen centred in 75, 65 (266 x 46).
    drawCard(painter, QRectF(40, 24, 336, 104), Qt::white);
    drawText(painter, QRectF(40, 34, 336, 22), Qt::AlignCenter, QStringLiteral("Bilder-Set"), font(13, true),
             colours::muted());
    painter.fillRect(QRectF(176, 113, 64, 4), colours::tealBright());

    // A short guide.
    drawText(painter, QRectF(44, 158, 420, 28), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("So geht's"),
             font(18, true), colours::navy());
    struct Hint
    {
        Icon icon;
        QString text;
    };
    const Hint hints[] = {
        {Icon::ArrowRight, QStringLiteral("Wählen Sie rechts in der Liste ein Bild des Sets.")},
        {Icon::Lock, QStringLiteral("Ein gesperrtes Bild zeigt nur einen Ausschnitt. Kaufen Sie es mit Ihren "
                                    "PimpPoints frei.")},
        {Icon::Picture, QStringLiteral("„Vollbild“ zeigt ein freigespieltes Bild in voller Größe.")},
    };
    qreal y = 196;
    for (const Hint &hint : hints) {
        drawIcon(painter, hint.icon, QRectF(46, y + 1, 22, 22), colours::teal(), 2);
        drawParagraph(painter, QRectF(80, y, 390, 60), hint.text, font(15), colours::ink());
        y += 66;
    }

    // The points: the screen writes the total at 80, 480.
    drawCard(painter, QRectF(40, 444, 166, 76), Qt::white);
    drawText(painter, QRectF(80, 452, 120, 22), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Ihre PimpPoints"), font(12, true), colours::muted());

    // The list of pictures at 500, 15 (71 x 381).
    drawCard(painter, QRectF(492, 8, 88, 396), Qt::white, 8);
    drawText(painter, QRectF(492, 406, 88, 20), Qt::AlignCenter, QStringLiteral("Bild Nr."), font(12, true),
             colours::muted());

    // The viewer: the picture box 590, 5 (366 x 512) on a dark mat, and below it the stars (595, 519),
    // the price (785, 535) and the full-size button (870, 525) on a white strip.
    const QRectF mat(586, 1, 372, 518);
    drawShadow(painter, mat, 6, 6, 50, 3);
    QLinearGradient matFill(mat.topLeft(), mat.bottomLeft());
    matFill.setColorAt(0.0, QColor(0x1F, 0x2C, 0x38));
    matFill.setColorAt(1.0, QColor(0x12, 0x1B, 0x24));
    painter.setPen(Qt::NoPen);
    painter.setBrush(matFill);
    painter.drawRoundedRect(mat, 6, 6);
    drawIcon(painter, Icon::Picture, QRectF(733, 221, 78, 78), QColor(255, 255, 255, 40), 3);
    painter.fillRect(QRectF(586, 519, 372, 45), Qt::white);
    painter.fillRect(QRectF(586, 563, 372, 1), QColor(0xC9, 0xDA, 0xE1));
    return image;
}

} // namespace velmora::skin
