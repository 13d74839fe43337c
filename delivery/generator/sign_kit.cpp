// Drawing pieces shared by the traffic-sign pictures: the backdrop with its post, sign shapes in
// the colours of German road signs, arrows and the small pictograms on the signs.
#include "sign_kit.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

namespace SignKit {

// Sky, a line of hills, a verge and the post the sign is fixed to.
void Backdrop(QPainter &p, double poleTop, double poleX)
{
    QLinearGradient sky(0, 0, 0, 232);
    sky.setColorAt(0, QColor(0x86, 0xBB, 0xE0));
    sky.setColorAt(1, QColor(0xE6, 0xF2, 0xFB));
    p.fillRect(QRectF(0, 0, 450, 232), sky);
    QPainterPath hills;
    hills.moveTo(0, 232);
    hills.cubicTo(90, 196, 170, 214, 240, 204);
    hills.cubicTo(320, 192, 380, 212, 450, 200);
    hills.lineTo(450, 232);
    hills.closeSubpath();
    p.fillPath(hills, QColor(0x9D, 0xBF, 0x8A));
    QLinearGradient verge(0, 228, 0, 300);
    verge.setColorAt(0, QColor(0x7C, 0xA8, 0x5B));
    verge.setColorAt(1, QColor(0x5E, 0x8C, 0x44));
    p.fillRect(QRectF(0, 228, 450, 72), verge);
    p.fillRect(QRectF(poleX - 6, poleTop, 12, 286 - poleTop), SignGrey);
    p.fillRect(QRectF(poleX - 6, poleTop, 4, 286 - poleTop), QColor(0xB4, 0xBA, 0xC0));
}

void CentredText(QPainter &p, const QRectF &box, const QString &text, double size, const QColor &colour,
                 bool condensed)
{
    p.setFont(SignFont(size, true, condensed));
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

// A round sign: a thin light rim, the ring and the face.
void RoundSign(QPainter &p, QPointF c, double r, const QColor &face, const QColor &ring, double ringWidth)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xEE, 0xEE, 0xEE));
    p.drawEllipse(c, r + 2.5, r + 2.5);
    p.setBrush(ring);
    p.drawEllipse(c, r, r);
    p.setBrush(face);
    p.drawEllipse(c, r - ringWidth, r - ringWidth);
}

void ProhibitionSign(QPainter &p, QPointF c, double r)
{
    RoundSign(p, c, r, Qt::white, SignRed, r * 0.2);
}

void MandatorySign(QPainter &p, QPointF c, double r)
{
    RoundSign(p, c, r, SignBlue, Qt::white, r * 0.05);
}

// A square or oblong blue information sign with a white rim; returns the blue face.
QRectF BlueSquare(QPainter &p, QRectF box)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(box, 8, 8);
    const QRectF face = box.adjusted(5, 5, -5, -5);
    p.setBrush(SignBlue);
    p.drawRoundedRect(face, 5, 5);
    return face;
}

QPolygonF TrianglePoints(QPointF c, double side, bool pointDown)
{
    const double h = side * std::sqrt(3.0) / 2;
    const double s = pointDown ? -1 : 1;
    return QPolygonF({QPointF(c.x(), c.y() - s * h * 2 / 3), QPointF(c.x() - side / 2, c.y() + s * h / 3),
                      QPointF(c.x() + side / 2, c.y() + s * h / 3)});
}

// A warning or give-way triangle: red border with rounded corners, white face.
void TriangleSign(QPainter &p, QPointF c, double side, bool pointDown)
{
    p.setPen(QPen(QColor(0xEE, 0xEE, 0xEE), 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xEE, 0xEE, 0xEE));
    p.drawPolygon(TrianglePoints(c, side, pointDown));
    p.setPen(QPen(SignRed, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(SignRed);
    p.drawPolygon(TrianglePoints(c, side, pointDown));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(TrianglePoints(c, side * 0.66, pointDown));
}

// An arrow along a path: a stroked shaft and a triangular head at its end.
void Arrow(QPainter &p, const QPainterPath &shaft, double width, double headLength, double headWidth, const QColor &colour)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(shaft);
    const QPointF tip0 = shaft.pointAtPercent(1);
    const double angle = -shaft.angleAtPercent(1) * Pi / 180; // screen coordinates: y grows downwards
    const QPointF dir(std::cos(angle), std::sin(angle));
    const QPointF normal(-dir.y(), dir.x());
    const QPointF tip = tip0 + dir * headLength;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({tip, tip0 + normal * (headWidth / 2), tip0 - normal * (headWidth / 2)}));
}

void StraightArrow(QPainter &p, QPointF from, QPointF to, double width, double head, const QColor &colour)
{
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    const QPointF unit = d / len;
    QPainterPath shaft(from);
    shaft.lineTo(to - unit * head);
    Arrow(p, shaft, width, head, head * 1.5, colour);
}

// A car seen from behind, as on the overtaking signs.
void CarFromBehind(QPainter &p, QPointF bottomCentre, double w, const QColor &colour)
{
    const double x = bottomCentre.x(), y = bottomCentre.y();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(x - w * 0.42, y - w * 0.12, w * 0.18, w * 0.14), 2, 2);
    p.drawRoundedRect(QRectF(x + w * 0.24, y - w * 0.12, w * 0.18, w * 0.14), 2, 2);
    p.drawRoundedRect(QRectF(x - w / 2, y - w * 0.5, w, w * 0.4), w * 0.08, w * 0.08);
    QPolygonF cabin({QPointF(x - w * 0.38, y - w * 0.48), QPointF(x - w * 0.28, y - w * 0.82),
                     QPointF(x + w * 0.28, y - w * 0.82), QPointF(x + w * 0.38, y - w * 0.48)});
    p.drawPolygon(cabin);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(x - w * 0.3, y - w * 0.53), QPointF(x - w * 0.23, y - w * 0.76),
                             QPointF(x + w * 0.23, y - w * 0.76), QPointF(x + w * 0.3, y - w * 0.53)}));
}

void TruckFromBehind(QPainter &p, QPointF bottomCentre, double w, const QColor &colour)
{
    const double x = bottomCentre.x(), y = bottomCentre.y();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRect(QRectF(x - w * 0.45, y - w * 0.14, w * 0.3, w * 0.15));
    p.drawRect(QRectF(x + w * 0.15, y - w * 0.14, w * 0.3, w * 0.15));
    p.drawRoundedRect(QRectF(x - w / 2, y - w * 1.05, w, w * 0.95), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(x - w * 0.02, y - w * 0.98, w * 0.04, w * 0.8));
}

void Bicycle(QPainter &p, QPointF c, double size, const QColor &colour)
{
    const double r = size * 0.22;
    const QPointF rear(c.x() - size * 0.32, c.y() + size * 0.12), front(c.x() + size * 0.32, c.y() + size * 0.12);
    const QPointF crank(c.x() - size * 0.02, c.y() + size * 0.12);
    const QPointF seat(c.x() - size * 0.12, c.y() - size * 0.2), head(c.x() + size * 0.22, c.y() - size * 0.18);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, size * 0.045, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawEllipse(rear, r, r);
    p.drawEllipse(front, r, r);
    p.drawPolyline(QPolygonF({rear, seat, crank, rear}));
    p.drawPolyline(QPolygonF({seat, head, crank}));
    p.drawLine(head, front);
    p.drawLine(seat + QPointF(-size * 0.07, -size * 0.04), seat + QPointF(size * 0.06, -size * 0.04));
    p.drawLine(head + QPointF(-size * 0.03, -size * 0.05), head + QPointF(size * 0.08, -size * 0.07));
}

void TrafficLight(QPainter &p, bool red, bool yellow, bool green, QPointF topLeft)
{
    const QRectF housing(topLeft.x(), topLeft.y(), 74, 196);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2B, 0x2E, 0x33));
    p.drawRoundedRect(housing, 12, 12);
    const QColor on[3] = {QColor(0xFF, 0x2A, 0x1A), QColor(0xFF, 0xB8, 0x00), QColor(0x18, 0xD0, 0x5A)};
    const bool lit[3] = {red, yellow, green};
    for (int i = 0; i < 3; ++i) {
        const QPointF c(housing.center().x(), housing.top() + 34 + i * 64);
        if (lit[i]) {
            QRadialGradient glow(c, 40);
            glow.setColorAt(0, WithAlpha(on[i], 160));
            glow.setColorAt(1, WithAlpha(on[i], 0));
            p.setBrush(glow);
            p.drawEllipse(c, 40, 40);
        }
        p.setBrush(lit[i] ? on[i] : Mix(on[i], QColor(0x30, 0x30, 0x30), 0.8));
        p.drawEllipse(c, 24, 24);
    }
}

void EndOfRestrictionStripes(QPainter &p)
{
    p.save();
    QPainterPath clip;
    clip.addEllipse(Centre, Radius - 4, Radius - 4);
    p.setClipPath(clip);
    p.setPen(QPen(SignBlack, 3));
    for (int i = -3; i <= 3; ++i) {
        const QPointF offset(i * 7.0, i * 7.0);
        p.drawLine(Centre + QPointF(-Radius, Radius) + offset, Centre + QPointF(Radius, -Radius) + offset);
    }
    p.restore();
}

} // namespace SignKit
