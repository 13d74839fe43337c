// Backgrounds of the settings screen, the learning menu, the look-up screen and the two result screens.
// Places of controls drawn over these pictures are the screens' own layout places.

#include "skin_drawings.h"
#include "skin_style.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace velmora::skin {

namespace {

// A plate under a text button that has no background of its own.
void drawPlate(QPainter &painter, const QRectF &box, const ButtonLook &look)
{
    painter.save();
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0.0, look.top);
    fill.setColorAt(1.0, look.bottom);
    painter.setPen(QPen(look.top.lighter(125), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 9, 9);
    painter.restore();
}

// A caption beside a control, with a small pointer towards it.
void drawSideNote(QPainter &painter, qreal left, qreal top, qreal height, const QString &text,
                  const QColor &colour)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const qreal cy = top + height / 2;
    QPolygonF pointer;
    pointer << QPointF(left, cy) << QPointF(left + 7, cy - 5) << QPointF(left + 7, cy + 5);
    painter.drawPolygon(pointer);
    painter.restore();
    drawText(painter, QRectF(left + 16, top - 6, 300, height + 12),
             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text, font(14), colour);
}

// A result row: the number label of the screen lies at valueLeft; the caption follows it.
void drawResultCaption(QPainter &painter, qreal captionLeft, qreal top, qreal width, const QString &caption)
{
    drawText(painter, QRectF(captionLeft, top - 2, width, 24), Qt::AlignLeft | Qt::AlignVCenter, caption,
             fittedFont(caption, 15, false, width), colours::muted());
}

void drawDivider(QPainter &painter, qreal left, qreal y, qreal width)
{
    painter.fillRect(QRectF(left, y, width, 1), QColor(0xDD, 0xE7, 0xEC));
}

void drawTrafficLight(QPainter &painter, QPointF top, qreal scale, int lit)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x8A, 0x97, 0xA0));
    painter.drawRect(QRectF(top.x() - 5 * scale, top.y() + 150 * scale, 10 * scale, 120 * scale));
    const QRectF housing(top.x() - 32 * scale, top.y(), 64 * scale, 160 * scale);
    painter.setBrush(colours::navyDark());
    painter.drawRoundedRect(housing, 14 * scale, 14 * scale);
    const QColor on[3] = {QColor(0xE8, 0x4A, 0x3C), QColor(0xF2, 0xB3, 0x3D), QColor(0x3C, 0xB8, 0x5E)};
    for (int i = 0; i < 3; ++i) {
        const QPointF c(top.x(), top.y() + (30 + 50 * i) * scale);
        if (i == lit) {
            QRadialGradient glow(c, 40 * scale);
            glow.setColorAt(0.0, QColor(on[i].red(), on[i].green(), on[i].blue(), 140));
            glow.setColorAt(1.0, QColor(on[i].red(), on[i].green(), on[i].blue(), 0));
            painter.setBrush(glow);
            painter.drawEllipse(c, 40 * scale, 40 * scale);
            painter.setBrush(on[i]);
        } else {
            painter.setBrush(on[i].darker(320));
        }
        painter.drawEllipse(c, 18 * scale, 18 * scale);
    }
    painter.restore();
}

// The numbered steps of a short guide.
void drawSteps(QPainter &painter, qreal left, qreal top, qreal width, const QStringList &steps)
{
    qreal y = top;
    int number = 1;
    for (const QString &step : steps) {
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours::teal());
        painter.drawEllipse(QRectF(left, y, 28, 28));
        painter.restore();
        drawText(painter, QRectF(left, y, 28, 28), Qt::AlignCenter, QString::number(number), font(15, true),
                 Qt::white);
        drawParagraph(painter, QRectF(left + 40, y + 3, width - 40, 44), step, font(15), colours::ink());
        y += 52;
        ++number;
    }
}

} // namespace

QImage settingsBackground()
{
    QImage image = blankPicture(961, 566, Qt::black);
    QPainter painter(&image);
    prepare(painter);
    QLinearGradient ground(0, 0, 961, 566);
    ground.setColorAt(0.0, colours::navy());
    ground.setColorAt(1.0, QColor(0x08, 0x18, 0x26));
    painter.fillRect(image.rect(), ground);

    // A large faint gear behind the title side.
    drawIcon(painter, Icon::Gear, QRectF(-40, 230, 380, 380), QColor(255, 255, 255, 22), 6);
    drawHeading(painter, 36, 34, QStringLiteral("Einstellungen"), QStringLiteral("Tuning für Velmora"),
                Qt::white, QColor(0xA9, 0xDC, 0xD5), 36);
    drawParagraph(painter, QRectF(38, 150, 320, 120),
                  QStringLiteral("Hier stellen Sie die Musik ein, holen neue Bilder-Sets ins Programm und "
                                 "stellen eigene Sets zusammen."),
                  font(15), QColor(0xC9, 0xDD, 0xE4));

    // The controls stand on a black card: their own ground is black.
    const QRectF card(392, 34, 228, 478);
    drawShadow(painter, card, 14, 10, 80, 4);
    painter.setPen(QPen(QColor(0x2B, 0xB3, 0xA3, 120), 1));
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(card, 14, 14);

    drawPlate(painter, QRectF(410, 55, 191, 40), tealButton());
    drawPlate(painter, QRectF(410, 110, 191, 40), tealButton());
    drawIcon(painter, Icon::Info, QRectF(426, 168, 18, 18), colours::tealBright(), 1.8);
    drawDivider(painter, 410, 220, 191);
    drawPlate(painter, QRectF(410, 245, 191, 40), coralButton());
    drawPlate(painter, QRectF(410, 300, 191, 40), navyButton());
    drawDivider(painter, 410, 372, 191);
    drawIcon(painter, Icon::Music, QRectF(410, 394, 20, 20), colours::tealBright(), 1.8);
    drawText(painter, QRectF(436, 392, 160, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Musik"),
             font(14, true), colours::tealBright());

    const QColor note(0xC9, 0xDD, 0xE4);
    drawSideNote(painter, 630, 55, 40, QStringLiteral("Neue Bilder-Sets aus dem Internet holen"), note);
    drawSideNote(painter, 630, 110, 40, QStringLiteral("Eine heruntergeladene Set-Datei (*.set) einlesen"),
                 note);
    drawSideNote(painter, 630, 165, 24, QStringLiteral("Über dieses Programm"), note);
    drawSideNote(painter, 630, 245, 40, QStringLiteral("Alles auf den Auslieferungszustand zurücksetzen"),
                 QColor(0xF2, 0xA8, 0x96));
    drawSideNote(painter, 630, 300, 40, QStringLiteral("Eigene Bilder zu Sets zusammenstellen"), note);
    drawSideNote(painter, 630, 430, 40, QStringLiteral("Lautstärke der Hintergrundmusik"), note);
    drawSideNote(painter, 630, 472, 22, QStringLiteral("Musik ganz ausschalten"), note);
    return image;
}

QImage learningMenuBackground()
{
    QImage image = screenBackdrop(966, 571);
    QPainter painter(&image);
    prepare(painter);
    drawText(painter, QRectF(24, 12, 270, 40), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Betreutes Lernen"),
             fittedFont(QStringLiteral("Betreutes Lernen"), 28, true, 262), colours::navy());
    drawText(painter, QRectF(26, 52, 260, 22), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Wählen Sie Ihr Training"), font(15), colours::muted());

    // The points badge: the screen writes the total in white at 310, 20 (75 x 37).
    const QRectF badge(296, 8, 103, 76);
    drawShadow(painter, badge, 14, 6, 50, 3);
    QLinearGradient badgeFill(badge.topLeft(), badge.bottomLeft());
    badgeFill.setColorAt(0.0, colours::navy());
    badgeFill.setColorAt(1.0, colours::navyDark());
    painter.setPen(Qt::NoPen);
    painter.setBrush(badgeFill);
    painter.drawRoundedRect(badge, 14, 14);
    drawText(painter, QRectF(296, 60, 103, 18), Qt::AlignCenter, QStringLiteral("PimpPoints"), font(12, true),
             colours::amber());

    // The class choice: the screen frames it at 765, 20 (181 x 56).
    drawShadow(painter, QRectF(765, 20, 181, 56), 2, 6, 40, 3);
    drawText(painter, QRectF(560, 20, 192, 56), Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap,
             QStringLiteral("Ihre Führerschein-\nklasse"), font(14), colours::muted());

    // A road joining the three ways on, from the questionnaire to the gallery.
    QPainterPath route;
    route.moveTo(960, 120);
    route.cubicTo(QPointF(880, 190), QPointF(800, 230), QPointF(700, 300));
    route.cubicTo(QPointF(560, 400), QPointF(380, 420), QPointF(150, 460));
    route.lineTo(-10, 480);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xB9, 0xC8, 0xD0), 26, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(route);
    painter.setPen(QPen(Qt::white, 3, Qt::CustomDashLine, Qt::FlatCap));
    QPen dashes(Qt::white, 3, Qt::SolidLine, Qt::FlatCap);
    dashes.setDashPattern({4, 4});
    painter.setPen(dashes);
    painter.drawPath(route);

    // How it works, on a card in the free part of the screen.
    drawCard(painter, QRectF(24, 110, 440, 236), Qt::white);
    drawText(painter, QRectF(44, 124, 400, 28), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("So geht's"),
             font(19, true), colours::navy());
    drawSteps(painter, 44, 164, 400,
              {QStringLiteral("Einen Fragebogen oder zwei schnelle Fragen wählen."),
               QStringLiteral("Fragen beantworten und den Test auswerten."),
               QStringLiteral("PimpPoints sammeln und in der Galerie einlösen.")});
    drawStopSign(painter, QPointF(836, 320), 30);
    drawSpeedSign(painter, QPointF(900, 350), 26, QStringLiteral("30"));
    drawPrioritySign(painter, QPointF(380, 470), 46);

    drawClickAreas(painter, "gui_betreutes_lernen.bmp");
    return image;
}

QImage lookUpBackground()
{
    QImage image = screenBackdrop(961, 566);
    QPainter painter(&image);
    prepare(painter);
    drawHeading(painter, 40, 34, QStringLiteral("Nachschlagen"),
                QStringLiteral("Alle Fragebögen mit Lösungen – zum Lesen und zum Drucken"), colours::navy(),
                colours::muted());

    // An open book with a magnifier.
    const QPointF spine(290, 330);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xC9, 0xDA, 0xE1));
    painter.drawEllipse(QRectF(100, 460, 380, 28));
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath page;
        page.moveTo(spine + QPointF(0, -120));
        page.cubicTo(spine + QPointF(side * 60, -150), spine + QPointF(side * 140, -140),
                     spine + QPointF(side * 180, -128));
        page.lineTo(spine + QPointF(side * 180, 128));
        page.cubicTo(spine + QPointF(side * 140, 116), spine + QPointF(side * 60, 110),
                     spine + QPointF(0, 140));
        page.closeSubpath();
        painter.setPen(QPen(colours::navy(), 3));
        painter.setBrush(Qt::white);
        painter.drawPath(page);
        painter.setPen(QPen(QColor(0xB4, 0xC6, 0xD0), 3, Qt::SolidLine, Qt::RoundCap));
        for (int line = 0; line < 7; ++line) {
            const qreal y = spine.y() - 90 + line * 30;
            const qreal x0 = spine.x() + side * 24;
            const qreal x1 = spine.x() + side * (line == 6 ? 100 : 156);
            painter.drawLine(QPointF(x0, y), QPointF(x1, y));
        }
    }
    painter.setPen(QPen(colours::teal(), 5, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(QColor(0xDD, 0xF1, 0xEE, 150));
    painter.drawEllipse(QPointF(400, 360), 62, 62);
    painter.setPen(QPen(colours::teal(), 14, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(445, 405), QPointF(500, 460));
    painter.setPen(QPen(QColor(0x3C, 0xB8, 0x5E), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF{QPointF(378, 362), QPointF(394, 378), QPointF(424, 344)});

    // The choice: the screen puts its two boxes at 615, 430 and 615, 485.
    drawCard(painter, QRectF(500, 382, 436, 170), Qt::white);
    drawText(painter, QRectF(520, 390, 380, 30), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Fragebogen wählen"), font(17, true), colours::navy());
    drawText(painter, QRectF(510, 430, 96, 28), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Klasse:"),
             font(15, true), colours::ink());
    drawText(painter, QRectF(505, 485, 101, 28), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Nummer:"),
             font(15, true), colours::ink());
    drawClickAreas(painter, "GUI_nachschlagen.bmp");
    return image;
}

QImage failBackground()
{
    QImage image = screenBackdrop(961, 566);
    QPainter painter(&image);
    prepare(painter);

    // The result card: the screen writes the four numbers at left 40, tops 95, 145, 190 and 235, and the
    // reason into a text box at 40, 265 (261 x 126).
    drawCard(painter, QRectF(20, 22, 305, 386), Qt::white);
    drawText(painter, QRectF(40, 34, 270, 34), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Ihr Ergebnis"), font(21, true), colours::navy());
    drawResultCaption(painter, 112, 95, 200, QStringLiteral("falsche Antworten"));
    drawDivider(painter, 40, 128, 265);
    drawResultCaption(painter, 112, 145, 200, QStringLiteral("Fehlerpunkte"));
    drawDivider(painter, 40, 176, 265);
    drawResultCaption(painter, 112, 190, 200, QStringLiteral("PimpPoints gebucht"));
    drawDivider(painter, 40, 222, 265);
    drawResultCaption(painter, 112, 235, 200, QStringLiteral("PimpPoints gesamt"));

    drawText(painter, QRectF(360, 36, 580, 56), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Leider nicht bestanden"), font(38, true), colours::coral());
    painter.fillRect(QRectF(362, 96, 64, 5), colours::coral());
    drawParagraph(painter, QRectF(362, 118, 380, 90),
                  QStringLiteral("Kein Grund zur Sorge: Sehen Sie sich die Fragen mit den Lösungen an – "
                                 "beim nächsten Mal klappt es."),
                  font(17), colours::ink());
    drawTrafficLight(painter, QPointF(840, 120), 1.0, 0);

    // A tip on a soft card.
    const QRectF tip(362, 222, 380, 118);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours::tealLight());
    painter.drawRoundedRect(tip, 12, 12);
    drawIcon(painter, Icon::Info, QRectF(378, 236, 26, 26), colours::teal(), 2.2);
    drawText(painter, QRectF(414, 236, 300, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tipp"),
             font(16, true), colours::teal());
    drawParagraph(
        painter, QRectF(414, 266, 312, 70),
        QStringLiteral("„Zwei Fragen“ im betreuten Lernen wählt genau die Fragen, die Sie noch nicht "
                       "oder falsch beantwortet haben."),
        font(14), colours::ink());

    drawText(painter, QRectF(318, 388, 400, 28), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Wie geht es weiter?"), font(17, true), colours::navy());
    drawClickAreas(painter, "GUI_versager.bmp");
    return image;
}

QImage passBackground()
{
    QImage image = blankPicture(961, 566, Qt::white);
    QPainter painter(&image);
    prepare(painter);

    // The stage behind the teaser picture (the screen centres the picture in 285, 0, 666 x 566).
    QLinearGradient stage(285, 0, 961, 566);
    stage.setColorAt(0.0, colours::navy());
    stage.setColorAt(1.0, colours::navyDark());
    painter.fillRect(QRectF(285, 0, 676, 566), stage);
    const QColor confetti[4] = {colours::amber(), colours::tealBright(), QColor(0xF2, 0xA8, 0x96), Qt::white};
    for (int i = 0; i < 70; ++i) {
        // A fixed scatter: the same confetti on every build.
        const qreal x = 292 + std::fmod(i * 137.508, 662.0);
        const qreal y = 8 + std::fmod(i * 211.37 + (i % 7) * 31.0, 550.0);
        QColor c = confetti[i % 4];
        c.setAlpha(90 + (i * 37) % 120);
        painter.save();
        painter.translate(x, y);
        painter.rotate((i * 47) % 180);
        painter.setPen(Qt::NoPen);
        painter.setBrush(c);
        if (i % 3 == 0) {
            painter.drawPath(starPath(QPointF(0, 0), 7, 3));
        } else {
            painter.drawRoundedRect(QRectF(-5, -2, 10, 4), 1.5, 1.5);
        }
        painter.restore();
    }

    // The left column with the results: numbers at left 15, tops 110, 155, 200 and 245.
    QLinearGradient column(0, 0, 0, 566);
    column.setColorAt(0.0, Qt::white);
    column.setColorAt(1.0, colours::surface());
    painter.fillRect(QRectF(0, 0, 285, 566), column);
    painter.fillRect(QRectF(284, 0, 1, 566), QColor(0xC6, 0xDB, 0xE1));
    drawIcon(painter, Icon::Check, QRectF(16, 60, 34, 34), QColor(0x2D, 0x8A, 0x4A), 4);
    drawText(painter, QRectF(58, 56, 220, 42), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Geschafft!"),
             font(30, true), QColor(0x2D, 0x8A, 0x4A));
    drawResultCaption(painter, 92, 110, 186, QStringLiteral("falsche Antworten"));
    drawDivider(painter, 15, 141, 255);
    drawResultCaption(painter, 92, 155, 186, QStringLiteral("Fehlerpunkte"));
    drawDivider(painter, 15, 186, 255);
    drawResultCaption(painter, 92, 200, 186, QStringLiteral("PimpPoints gebucht"));
    drawDivider(painter, 15, 231, 255);
    drawResultCaption(painter, 92, 245, 186, QStringLiteral("PimpPoints gesamt"));

    // A speech bubble around the teaser text (15, 270, 171 x 96), pointing at the picture.
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(8, 265, 186, 107), 10, 10);
    QPolygonF tail;
    tail << QPointF(193, 300) << QPointF(214, 312) << QPointF(193, 324);
    bubble.addPolygon(tail);
    bubble = bubble.simplified();
    painter.setPen(QPen(colours::tealBright(), 2));
    painter.setBrush(Qt::white);
    painter.drawPath(bubble);

    drawClickAreas(painter, "GUI_pimp.bmp");
    return image;
}

QImage passLettering()
{
    // Drawn transparent: pure white is the see-through colour. The ribbon and its stars stand on pure
    // white and carry a broad pale rim, so the soft JPEG edge around them reads as the rim of a sticker
    // on whatever picture lies below. The top 30 rows lie above the screen.
    QImage image = blankPicture(316, 211, Qt::white);
    QPainter painter(&image);
    prepare(painter);
    painter.translate(162, 118);
    painter.rotate(-7);
    const QRectF ribbon(-122, -34, 244, 68);
    QPolygonF leftEnd;
    leftEnd << QPointF(-140, -18) << QPointF(-104, -18) << QPointF(-104, 50) << QPointF(-140, 50)
            << QPointF(-127, 16);
    QPolygonF rightEnd;
    rightEnd << QPointF(140, -18) << QPointF(104, -18) << QPointF(104, 50) << QPointF(140, 50)
             << QPointF(127, 16);
    QPainterPath stars;
    for (int i = -2; i <= 2; ++i) {
        stars.addPath(starPath(QPointF(i * 26, -48 + std::abs(i) * 4), i == 0 ? 11 : 8, i == 0 ? 4.6 : 3.4));
    }
    QPainterPath sticker;
    sticker.addRoundedRect(ribbon, 10, 10);
    sticker.addPolygon(leftEnd);
    sticker.addPolygon(rightEnd);
    sticker.addPath(stars);
    painter.setPen(QPen(QColor(0xE6, 0xF4, 0xF2), 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0xE6, 0xF4, 0xF2));
    painter.drawPath(sticker.simplified());

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1A, 0x6E, 0x74));
    painter.drawPolygon(leftEnd);
    painter.drawPolygon(rightEnd);
    QLinearGradient fill(ribbon.topLeft(), ribbon.bottomLeft());
    fill.setColorAt(0.0, QColor(0x3C, 0xC2, 0xB0));
    fill.setColorAt(1.0, colours::teal());
    painter.setBrush(fill);
    painter.drawRoundedRect(ribbon, 10, 10);
    const QString word = QStringLiteral("Bestanden!");
    const QFont wordFont = fittedFont(word, 38, true, ribbon.width() - 28);
    drawText(painter, ribbon.translated(0, 2), Qt::AlignCenter, word, wordFont, QColor(8, 50, 60, 140));
    drawText(painter, ribbon, Qt::AlignCenter, word, wordFont, Qt::white);
    painter.setBrush(colours::amber());
    painter.drawPath(stars);
    return image;
}

} // namespace velmora::skin
