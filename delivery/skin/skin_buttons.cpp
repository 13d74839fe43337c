// Picture buttons of the question screen, the gallery and the pictures screen, the unlocked stamp, the
// web link of the gallery, the stars and the question-mark shape.

#include "skin_drawings.h"
#include "skin_style.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

namespace velmora::skin {

QImage questionButton(QuestionButton which, bool pressed)
{
    // The buttons stand side by side every 190 pixels on the tooltip-yellow screen.
    const QRectF body(4, 3, 178, 56);
    ButtonLook look = tealButton();
    ButtonText text;
    switch (which) {
    case QuestionButton::Cancel:
        look = coralButton();
        text = {QStringLiteral("Abbrechen"), {}, Icon::Cross, false};
        break;
    case QuestionButton::Evaluate:
        look = greenButton();
        text = {QStringLiteral("Auswerten"), {}, Icon::Check, false};
        break;
    case QuestionButton::Previous:
        text = {QStringLiteral("Vorherige"), QStringLiteral("Frage"), Icon::ArrowLeft, false};
        break;
    case QuestionButton::Next:
        text = {QStringLiteral("Nächste"), QStringLiteral("Frage"), Icon::ArrowRight, true};
        break;
    case QuestionButton::BackFromQuestion:
        look = navyButton();
        text = {QStringLiteral("Zurück"), {}, Icon::UTurn, false};
        break;
    case QuestionButton::Overview:
        look = navyButton();
        text = {QStringLiteral("Übersicht"), {}, Icon::Grid, false};
        break;
    }
    return buttonPicture(186, 66, body, look, text, pressed, colours::questionGround(), 19);
}

QImage galleryButton(GalleryButton which, bool pressed)
{
    // The body fills the top 66 rows (with its shadow): the pictures screen shows only those.
    const QRectF body(4, 3, 173, 57);
    switch (which) {
    case GalleryButton::Buy:
        return buttonPicture(181, 71, body, amberButton(),
                             {QStringLiteral("Kaufen"), QStringLiteral("mit PimpPoints"), Icon::Coin, false},
                             pressed, colours::surface(), 19);
    case GalleryButton::ShowPictures:
        return buttonPicture(
            181, 71, body, tealButton(),
            {QStringLiteral("Bilder"), QStringLiteral("des Sets ansehen"), Icon::Picture, false}, pressed,
            colours::surface(), 19);
    case GalleryButton::BackToGallery:
        return buttonPicture(
            181, 71, body, navyButton(),
            {QStringLiteral("Zurück"), QStringLiteral("zur Galerie"), Icon::ArrowLeft, false}, pressed,
            colours::surface(), 19);
    }
    return {};
}

QImage unlockedStamp()
{
    // On the white details card of the gallery.
    QImage image = blankPicture(96, 91, Qt::white);
    QPainter painter(&image);
    prepare(painter);
    const QPointF centre(48, 45);
    QLinearGradient fill(0, 3, 0, 87);
    fill.setColorAt(0.0, QColor(0x5C, 0xBF, 0x72));
    fill.setColorAt(1.0, QColor(0x2D, 0x8A, 0x4A));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawEllipse(centre, 42, 42);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 37, 37);
    drawIcon(painter, Icon::Check, QRectF(32, 12, 32, 32), Qt::white, 5);
    drawText(painter, QRectF(8, 44, 80, 13), Qt::AlignCenter, QStringLiteral("frei-"), font(11, true),
             Qt::white);
    drawText(painter, QRectF(8, 56, 80, 13), Qt::AlignCenter, QStringLiteral("gespielt"), font(11, true),
             Qt::white);
    return image;
}

QImage moreSetsLink()
{
    QImage image = blankPicture(271, 46, colours::surface());
    QPainter painter(&image);
    prepare(painter);
    const QRectF pill(2, 3, 267, 40);
    painter.setPen(QPen(colours::teal(), 2));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(pill, 20, 20);
    drawIcon(painter, Icon::Globe, QRectF(16, 11, 24, 24), colours::teal(), 2);
    drawText(painter, QRectF(48, 3, 214, 40), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Neue Bilder-Sets im Internet  ›"),
             fittedFont(QStringLiteral("Neue Bilder-Sets im Internet  ›"), 16, true, 212), colours::teal());
    return image;
}

QImage starPicture(bool lit)
{
    // On the white panel of the rating control.
    QImage image = blankPicture(31, 36, Qt::white);
    QPainter painter(&image);
    prepare(painter);
    const QPainterPath star = starPath(QPointF(15.5, 19.5), 15, 6.3);
    if (lit) {
        QLinearGradient fill(0, 4, 0, 33);
        fill.setColorAt(0.0, QColor(0xFB, 0xD1, 0x5F));
        fill.setColorAt(1.0, QColor(0xE8, 0x9A, 0x1E));
        painter.setPen(QPen(QColor(0xC0, 0x7A, 0x10), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(fill);
    } else {
        painter.setPen(QPen(QColor(0xB4, 0xC1, 0xC9), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(QColor(0xE6, 0xEC, 0xEF));
    }
    painter.drawPath(star);
    return image;
}

QImage questionMask()
{
    // The screen takes every pixel that is not pure white as part of the shape. JPEG keeps a block of
    // 8 x 8 pixels exact only when it is uniform, so the shape is built from whole 8 x 8 cells: a
    // question mark drawn smoothly, then each cell made black when the mark covers half of it.
    constexpr int kWidth = 288;
    constexpr int kHeight = 472;
    constexpr int kCell = 8;
    QImage smooth(kWidth, kHeight, QImage::Format_Grayscale8);
    smooth.fill(0);
    {
        QPainter painter(&smooth);
        prepare(painter);
        QPainterPath glyph;
        glyph.addText(0, 0, font(400, true), QStringLiteral("?"));
        const QRectF bounds = glyph.boundingRect();
        const QRectF target(16, 16, kWidth - 32, kHeight - 32);
        const qreal scale = std::min(target.width() / bounds.width(), target.height() / bounds.height());
        painter.translate(target.center());
        painter.scale(scale, scale);
        painter.translate(-bounds.center());
        painter.fillPath(glyph, Qt::white);
    }
    QImage mask = blankPicture(kWidth, kHeight, Qt::white);
    for (int cy = 0; cy < kHeight; cy += kCell) {
        for (int cx = 0; cx < kWidth; cx += kCell) {
            int coverage = 0;
            for (int y = cy; y < cy + kCell; ++y) {
                const uchar *row = smooth.constScanLine(y);
                for (int x = cx; x < cx + kCell; ++x) {
                    coverage += row[x];
                }
            }
            if (coverage * 2 >= kCell * kCell * 255) {
                for (int y = cy; y < cy + kCell; ++y) {
                    auto *row = reinterpret_cast<QRgb *>(mask.scanLine(y));
                    std::fill(row + cx, row + cx + kCell, qRgb(0, 0, 0));
                }
            }
        }
    }
    return mask;
}

} // namespace velmora::skin
