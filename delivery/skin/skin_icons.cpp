// Line icons for buttons and click areas, and the traffic signs that decorate the screens. Every icon
// is drawn in a square box of any size from a 24-unit design grid.

#include "skin_style.h"

#include <QPainterPath>
#include <QtMath>

namespace velmora::skin {

namespace {

// Maps the 24 x 24 design grid onto box.
void toGrid(QPainter &painter, const QRectF &box)
{
    const qreal side = std::min(box.width(), box.height());
    painter.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    painter.scale(side / 24.0, side / 24.0);
}

QPainterPath globePath()
{
    QPainterPath path;
    path.addEllipse(QPointF(12, 12), 9.5, 9.5);
    path.addEllipse(QPointF(12, 12), 4.2, 9.5);
    path.moveTo(2.5, 12);
    path.lineTo(21.5, 12);
    path.moveTo(4.2, 7);
    path.lineTo(19.8, 7);
    path.moveTo(4.2, 17);
    path.lineTo(19.8, 17);
    return path;
}

} // namespace

QPainterPath starPath(QPointF centre, qreal outerRadius, qreal innerRadius)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0) ? outerRadius : innerRadius;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF p(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
        if (i == 0) {
            path.moveTo(p);
        } else {
            path.lineTo(p);
        }
    }
    path.closeSubpath();
    return path;
}

void drawIcon(QPainter &painter, Icon icon, const QRectF &box, const QColor &colour, qreal lineWidth)
{
    if (icon == Icon::None) {
        return;
    }
    painter.save();
    toGrid(painter, box);
    const qreal side = std::min(box.width(), box.height());
    QPen pen(colour, lineWidth * 24.0 / side, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    QPainterPath path;
    switch (icon) {
    case Icon::None:
        break;
    case Icon::ArrowLeft:
        path.moveTo(20, 12);
        path.lineTo(4.5, 12);
        path.moveTo(11, 5);
        path.lineTo(4, 12);
        path.lineTo(11, 19);
        break;
    case Icon::ArrowRight:
        path.moveTo(4, 12);
        path.lineTo(19.5, 12);
        path.moveTo(13, 5);
        path.lineTo(20, 12);
        path.lineTo(13, 19);
        break;
    case Icon::Home:
        path.moveTo(3, 11.5);
        path.lineTo(12, 3.5);
        path.lineTo(21, 11.5);
        path.moveTo(6, 9.5);
        path.lineTo(6, 20.5);
        path.lineTo(18, 20.5);
        path.lineTo(18, 9.5);
        path.moveTo(10, 20.5);
        path.lineTo(10, 14.5);
        path.lineTo(14, 14.5);
        path.lineTo(14, 20.5);
        break;
    case Icon::Power:
        path.arcMoveTo(QRectF(3.5, 4.5, 17, 17), 122);
        path.arcTo(QRectF(3.5, 4.5, 17, 17), 122, 296);
        path.moveTo(12, 2.5);
        path.lineTo(12, 12);
        break;
    case Icon::Check:
        path.moveTo(4, 12.5);
        path.lineTo(9.5, 18);
        path.lineTo(20, 6);
        break;
    case Icon::Cross:
        path.moveTo(5.5, 5.5);
        path.lineTo(18.5, 18.5);
        path.moveTo(18.5, 5.5);
        path.lineTo(5.5, 18.5);
        break;
    case Icon::Grid:
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                path.addRoundedRect(QRectF(3.5 + column * 6.2, 3.5 + row * 6.2, 4.2, 4.2), 1, 1);
            }
        }
        break;
    case Icon::UTurn:
        path.moveTo(18, 20);
        path.lineTo(18, 11);
        path.arcTo(QRectF(6, 5, 12, 12), 0, 180);
        path.lineTo(6, 13);
        path.moveTo(2.5, 9.5);
        path.lineTo(6, 13.5);
        path.lineTo(9.5, 9.5);
        break;
    case Icon::Coin:
        path.addEllipse(QPointF(12, 12), 9.5, 9.5);
        path.addPath(starPath(QPointF(12, 12.6), 5.2, 2.3));
        break;
    case Icon::Picture:
        path.addRoundedRect(QRectF(3, 5, 18, 14), 2, 2);
        path.moveTo(4, 17.5);
        path.lineTo(9.5, 11.5);
        path.lineTo(13.5, 15.5);
        path.lineTo(16, 13);
        path.lineTo(20, 17);
        path.addEllipse(QPointF(15.5, 9), 1.6, 1.6);
        break;
    case Icon::Globe:
        path = globePath();
        break;
    case Icon::Gear: {
        for (int i = 0; i < 8; ++i) {
            const qreal a = i * M_PI / 4;
            path.moveTo(12 + 6.5 * std::cos(a), 12 + 6.5 * std::sin(a));
            path.lineTo(12 + 10 * std::cos(a), 12 + 10 * std::sin(a));
        }
        path.addEllipse(QPointF(12, 12), 6.5, 6.5);
        path.addEllipse(QPointF(12, 12), 2.6, 2.6);
        break;
    }
    case Icon::Printer:
        path.addRect(QRectF(7, 3, 10, 6));
        path.addRoundedRect(QRectF(3, 9, 18, 8), 2, 2);
        path.addRect(QRectF(7, 14, 10, 7));
        path.moveTo(9.5, 17.5);
        path.lineTo(14.5, 17.5);
        break;
    case Icon::Magnifier:
        path.addEllipse(QPointF(10, 10), 6.5, 6.5);
        path.moveTo(15, 15);
        path.lineTo(21, 21);
        break;
    case Icon::Book:
        path.moveTo(12, 6);
        path.cubicTo(9, 4, 5, 4, 2.5, 5);
        path.lineTo(2.5, 19);
        path.cubicTo(5, 18, 9, 18, 12, 20);
        path.cubicTo(15, 18, 19, 18, 21.5, 19);
        path.lineTo(21.5, 5);
        path.cubicTo(19, 4, 15, 4, 12, 6);
        path.lineTo(12, 20);
        break;
    case Icon::Music:
        path.moveTo(9, 18);
        path.lineTo(9, 5);
        path.lineTo(20, 3);
        path.lineTo(20, 16);
        path.addEllipse(QPointF(6.5, 18), 2.6, 2.2);
        path.addEllipse(QPointF(17.5, 16), 2.6, 2.2);
        break;
    case Icon::Star:
        path = starPath(QPointF(12, 12.8), 10, 4.2);
        break;
    case Icon::Info:
        path.addEllipse(QPointF(12, 12), 9.5, 9.5);
        path.moveTo(12, 11);
        path.lineTo(12, 17);
        path.moveTo(12, 7.2);
        path.lineTo(12, 7.3);
        break;
    case Icon::Lock:
        path.addRoundedRect(QRectF(5, 11, 14, 10), 2, 2);
        path.moveTo(8, 11);
        path.lineTo(8, 8);
        path.arcTo(QRectF(8, 4, 8, 8), 180, -180);
        path.lineTo(16, 11);
        break;
    }
    painter.drawPath(path);
    painter.restore();
}

void drawStopSign(QPainter &painter, QPointF centre, qreal radius)
{
    painter.save();
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i) {
        const qreal a = M_PI / 8 + i * M_PI / 4;
        octagon << QPointF(centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a));
    }
    painter.setPen(QPen(Qt::white, radius * 0.08));
    painter.setBrush(QColor(0xC8, 0x2B, 0x2B));
    painter.drawPolygon(octagon);
    QFont f = font(int(radius * 0.55), true);
    drawText(painter, QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
             Qt::AlignCenter, QStringLiteral("STOP"), f, Qt::white);
    painter.restore();
}

void drawGiveWaySign(QPainter &painter, QPointF centre, qreal size)
{
    painter.save();
    const qreal h = size * 0.866;
    QPolygonF triangle;
    triangle << QPointF(centre.x() - size / 2, centre.y() - h / 2)
             << QPointF(centre.x() + size / 2, centre.y() - h / 2) << QPointF(centre.x(), centre.y() + h / 2);
    painter.setPen(QPen(QColor(0xC8, 0x2B, 0x2B), size * 0.12, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPolygon(triangle);
    painter.restore();
}

void drawSpeedSign(QPainter &painter, QPointF centre, qreal radius, const QString &number)
{
    painter.save();
    painter.setPen(QPen(QColor(0xC8, 0x2B, 0x2B), radius * 0.2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, radius * 0.9, radius * 0.9);
    drawText(painter, QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
             Qt::AlignCenter, number, font(int(radius * 0.8), true), QColor(0x16, 0x16, 0x16));
    painter.restore();
}

void drawPrioritySign(QPainter &painter, QPointF centre, qreal size)
{
    painter.save();
    auto diamond = [&](qreal half) {
        QPolygonF p;
        p << QPointF(centre.x(), centre.y() - half) << QPointF(centre.x() + half, centre.y())
          << QPointF(centre.x(), centre.y() + half) << QPointF(centre.x() - half, centre.y());
        return p;
    };
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    painter.setBrush(Qt::white);
    painter.drawPolygon(diamond(size / 2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xF2, 0xC0, 0x1E));
    painter.drawPolygon(diamond(size * 0.3));
    painter.restore();
}

} // namespace velmora::skin
