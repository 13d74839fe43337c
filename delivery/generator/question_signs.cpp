// Traffic signs and traffic lights for the question pictures: each sign stands on a post in front
// of a soft sky, drawn from simple shapes in the colours of German road signs.
#include "drawing_kit.h"
#include "question_pictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace {

const QColor SignRed(0xC8, 0x10, 0x2E);
const QColor SignBlue(0x0A, 0x5E, 0xB0);
const QColor SignYellow(0xF5, 0xC4, 0x00);
const QColor SignBlack(0x1A, 0x1A, 0x1A);
const QColor SignGreen(0x1E, 0x9E, 0x4A);
const QColor SignGrey(0x8D, 0x93, 0x9A);

constexpr double Pi = 3.14159265358979323846;
const QPointF Centre(225, 122);
constexpr double Radius = 88;

// Sky, a line of hills, a verge and the post the sign is fixed to.
void Backdrop(QPainter &p, double poleTop = 130, double poleX = 225)
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
                 bool condensed = true)
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

void ProhibitionSign(QPainter &p, QPointF c = Centre, double r = Radius)
{
    RoundSign(p, c, r, Qt::white, SignRed, r * 0.2);
}

void MandatorySign(QPainter &p, QPointF c = Centre, double r = Radius)
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

// --- the signs ------------------------------------------------------------------------------

void Stop(QPainter &p)
{
    Backdrop(p);
    auto octagon = [](double r) {
        QPolygonF poly;
        for (int i = 0; i < 8; ++i) {
            const double a = (22.5 + 45 * i) * Pi / 180;
            poly << Centre + QPointF(std::cos(a) * r, std::sin(a) * r);
        }
        return poly;
    };
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xEE, 0xEE, 0xEE));
    p.drawPolygon(octagon(Radius + 3));
    p.setBrush(SignRed);
    p.drawPolygon(octagon(Radius));
    p.setPen(QPen(Qt::white, 5));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(octagon(Radius - 8));
    CentredText(p, QRectF(Centre.x() - 80, Centre.y() - 40, 160, 80), QStringLiteral("STOP"), 44, Qt::white, false);
}

void GiveWay(QPainter &p)
{
    Backdrop(p, 150);
    TriangleSign(p, Centre + QPointF(0, 5), 200, true);
}

void PriorityRoadDiamond(QPainter &p, bool ended)
{
    Backdrop(p);
    auto diamond = [](double r) {
        return QPolygonF({Centre + QPointF(0, -r), Centre + QPointF(r, 0), Centre + QPointF(0, r), Centre + QPointF(-r, 0)});
    };
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 2));
    p.setBrush(Qt::white);
    p.drawPolygon(diamond(Radius + 6));
    p.setPen(Qt::NoPen);
    p.setBrush(SignYellow);
    p.drawPolygon(diamond(Radius * 0.62));
    if (ended) {
        // The end sign is crossed out with black stripes from the lower left to the upper right.
        p.save();
        p.setClipRegion(QRegion(diamond(Radius + 4).toPolygon()));
        p.setPen(QPen(SignBlack, 5));
        for (int i = -2; i <= 2; ++i) {
            const QPointF offset(i * 9.0, i * 9.0);
            p.drawLine(Centre + QPointF(-Radius, Radius) + offset, Centre + QPointF(Radius, -Radius) + offset);
        }
        p.restore();
    }
}

void PriorityRoad(QPainter &p) { PriorityRoadDiamond(p, false); }
void PriorityRoadEnds(QPainter &p) { PriorityRoadDiamond(p, true); }

void PriorityNextJunction(QPainter &p)
{
    Backdrop(p, 150);
    const QPointF c = Centre + QPointF(0, -5);
    TriangleSign(p, c, 210, false);
    p.setPen(Qt::NoPen);
    p.setBrush(SignBlack);
    p.drawRect(QRectF(c.x() - 7, c.y() - 34, 14, 72));
    p.drawRect(QRectF(c.x() - 28, c.y() - 4, 56, 7));
}

void RightBeforeLeft(QPainter &p)
{
    Backdrop(p, 150);
    const QPointF c = Centre + QPointF(0, -5);
    TriangleSign(p, c, 210, false);
    p.setPen(QPen(SignBlack, 11, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(c + QPointF(-24, -22), c + QPointF(24, 30));
    p.drawLine(c + QPointF(24, -22), c + QPointF(-24, 30));
}

void Danger(QPainter &p)
{
    Backdrop(p, 150);
    const QPointF c = Centre + QPointF(0, -5);
    TriangleSign(p, c, 210, false);
    p.setPen(Qt::NoPen);
    p.setBrush(SignBlack);
    QPolygonF bar({c + QPointF(-7, -30), c + QPointF(7, -30), c + QPointF(4, 16), c + QPointF(-4, 16)});
    p.drawPolygon(bar);
    p.drawEllipse(c + QPointF(0, 28), 6.5, 6.5);
}

void CurveRight(QPainter &p)
{
    Backdrop(p, 150);
    const QPointF c = Centre + QPointF(0, -5);
    TriangleSign(p, c, 210, false);
    QPainterPath shaft(c + QPointF(-14, 40));
    shaft.cubicTo(c + QPointF(-16, 0), c + QPointF(-10, -18), c + QPointF(8, -24));
    Arrow(p, shaft, 11, 16, 26, SignBlack);
}

void SpeedLimitSign(QPainter &p, const QString &value)
{
    Backdrop(p);
    ProhibitionSign(p);
    CentredText(p, QRectF(Centre.x() - 70, Centre.y() - 50, 140, 100), value, 78, SignBlack, false);
}

void Speed30(QPainter &p) { SpeedLimitSign(p, QStringLiteral("30")); }

void Zone30(QPainter &p)
{
    Backdrop(p, 150);
    const QRectF plate(115, 18, 220, 214);
    p.setPen(QPen(QColor(0x66, 0x66, 0x66), 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(plate, 10, 10);
    const QPointF c(225, 94);
    ProhibitionSign(p, c, 62);
    CentredText(p, QRectF(c.x() - 50, c.y() - 36, 100, 72), QStringLiteral("30"), 56, SignBlack, false);
    CentredText(p, QRectF(plate.left(), 168, plate.width(), 54), QStringLiteral("ZONE"), 44, SignBlack, false);
}

void EndOfLimit(QPainter &p)
{
    Backdrop(p);
    RoundSign(p, Centre, Radius, Qt::white, QColor(0x9A, 0x9A, 0x9A), 4);
    CentredText(p, QRectF(Centre.x() - 70, Centre.y() - 50, 140, 100), QStringLiteral("60"), 76, QColor(0x9A, 0x9A, 0x9A), false);
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

void MinimumSpeed(QPainter &p)
{
    Backdrop(p);
    MandatorySign(p);
    CentredText(p, QRectF(Centre.x() - 70, Centre.y() - 50, 140, 100), QStringLiteral("30"), 80, Qt::white, false);
}

void AdvisorySpeed(QPainter &p)
{
    Backdrop(p);
    const QRectF face = BlueSquare(p, QRectF(Centre.x() - 88, Centre.y() - 88, 176, 176));
    CentredText(p, face, QStringLiteral("130"), 74, Qt::white, false);
}

void NoOvertaking(QPainter &p)
{
    Backdrop(p);
    ProhibitionSign(p);
    CarFromBehind(p, Centre + QPointF(-30, 30), 54, SignRed);
    CarFromBehind(p, Centre + QPointF(30, 30), 54, SignBlack);
}

void NoOvertakingTrucks(QPainter &p)
{
    Backdrop(p);
    ProhibitionSign(p);
    TruckFromBehind(p, Centre + QPointF(-30, 32), 50, SignRed);
    CarFromBehind(p, Centre + QPointF(32, 32), 52, SignBlack);
}

void NoEntry(QPainter &p)
{
    Backdrop(p);
    RoundSign(p, Centre, Radius, SignRed, SignRed, 0);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(Centre.x() - 62, Centre.y() - 14, 124, 28));
}

void NoVehicles(QPainter &p)
{
    Backdrop(p);
    ProhibitionSign(p);
}

void NoStopping(QPainter &p, bool restricted)
{
    Backdrop(p);
    RoundSign(p, Centre, Radius, SignBlue, SignRed, Radius * 0.17);
    p.save();
    QPainterPath clip;
    clip.addEllipse(Centre, Radius - 4, Radius - 4);
    p.setClipPath(clip);
    p.setPen(QPen(SignRed, Radius * 0.17, Qt::SolidLine, Qt::FlatCap));
    const double d = Radius * 0.72;
    p.drawLine(Centre + QPointF(-d, -d), Centre + QPointF(d, d));
    if (!restricted)
        p.drawLine(Centre + QPointF(d, -d), Centre + QPointF(-d, d));
    p.restore();
}

void NoStoppingAbsolute(QPainter &p) { NoStopping(p, false); }
void NoStoppingRestricted(QPainter &p) { NoStopping(p, true); }

void TurnRight(QPainter &p)
{
    Backdrop(p);
    MandatorySign(p);
    QPainterPath shaft(Centre + QPointF(-22, 52));
    shaft.lineTo(Centre + QPointF(-22, 6));
    shaft.quadTo(Centre + QPointF(-22, -18), Centre + QPointF(2, -18));
    shaft.lineTo(Centre + QPointF(14, -18));
    Arrow(p, shaft, 18, 28, 46, Qt::white);
}

void Roundabout(QPainter &p)
{
    Backdrop(p);
    MandatorySign(p);
    for (int i = 0; i < 3; ++i) {
        // Three arrows chasing each other anticlockwise round the centre.
        const double start = 90 + 120 * i + 18;
        QPainterPath shaft;
        const QRectF ring(Centre.x() - 44, Centre.y() - 44, 88, 88);
        shaft.arcMoveTo(ring, start);
        shaft.arcTo(ring, start, 62);
        Arrow(p, shaft, 13, 20, 32, Qt::white);
    }
}

void OneWay(QPainter &p)
{
    Backdrop(p, 140);
    const QRectF face = BlueSquare(p, QRectF(60, 82, 330, 96));
    const double y = face.center().y();
    QPolygonF arrow({QPointF(face.left() + 16, y - 20), QPointF(face.right() - 72, y - 20), QPointF(face.right() - 72, y - 36),
                     QPointF(face.right() - 14, y), QPointF(face.right() - 72, y + 36), QPointF(face.right() - 72, y + 20),
                     QPointF(face.left() + 16, y + 20)});
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(arrow);
    CentredText(p, QRectF(face.left() + 20, y - 20, 220, 40), QStringLiteral("Einbahnstraße"), 25, SignBlack);
}

void LevelCrossingSign(QPainter &p)
{
    Backdrop(p);
    p.save();
    p.translate(Centre);
    for (int angle : {38, -38}) {
        p.save();
        p.rotate(angle);
        const QRectF bar(-112, -15, 224, 30);
        p.setPen(QPen(QColor(0xEE, 0xEE, 0xEE), 3));
        p.setBrush(Qt::white);
        p.drawRect(bar);
        p.setPen(Qt::NoPen);
        p.setBrush(SignRed);
        p.drawRect(QRectF(-112, -15, 44, 30));
        p.drawRect(QRectF(68, -15, 44, 30));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(SignRed, 3));
        p.drawRect(bar.adjusted(2, 2, -2, -2));
        p.restore();
    }
    p.restore();
}

void Motorway(QPainter &p)
{
    Backdrop(p);
    const QRectF face = BlueSquare(p, QRectF(Centre.x() - 88, Centre.y() - 88, 176, 176));
    const double cx = face.center().x();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    // The bridge across the motorway, and the two carriageways running towards the viewer.
    p.drawRect(QRectF(face.left() + 14, face.top() + 38, face.width() - 28, 16));
    p.drawRect(QRectF(face.left() + 22, face.top() + 54, 10, 20));
    p.drawRect(QRectF(face.right() - 32, face.top() + 54, 10, 20));
    p.drawPolygon(QPolygonF({QPointF(cx - 10, face.top() + 60), QPointF(cx - 4, face.top() + 60),
                             QPointF(cx - 12, face.bottom() - 10), QPointF(cx - 60, face.bottom() - 10)}));
    p.drawPolygon(QPolygonF({QPointF(cx + 4, face.top() + 60), QPointF(cx + 10, face.top() + 60),
                             QPointF(cx + 60, face.bottom() - 10), QPointF(cx + 12, face.bottom() - 10)}));
}

void WeightLimit(QPainter &p)
{
    Backdrop(p);
    ProhibitionSign(p);
    CentredText(p, QRectF(Centre.x() - 70, Centre.y() - 50, 140, 100), QStringLiteral("7,5 t"), 50, SignBlack);
}

void HeightLimit(QPainter &p)
{
    Backdrop(p);
    ProhibitionSign(p);
    p.setPen(Qt::NoPen);
    p.setBrush(SignBlack);
    p.drawPolygon(QPolygonF({Centre + QPointF(-16, -58), Centre + QPointF(16, -58), Centre + QPointF(0, -36)}));
    p.drawPolygon(QPolygonF({Centre + QPointF(-16, 58), Centre + QPointF(16, 58), Centre + QPointF(0, 36)}));
    CentredText(p, QRectF(Centre.x() - 70, Centre.y() - 30, 140, 60), QStringLiteral("3,8 m"), 44, SignBlack);
}

void PriorityToOncoming(QPainter &p)
{
    Backdrop(p);
    ProhibitionSign(p);
    StraightArrow(p, Centre + QPointF(-22, 50), Centre + QPointF(-22, -50), 9, 20, SignRed);
    StraightArrow(p, Centre + QPointF(22, -50), Centre + QPointF(22, 50), 14, 24, SignBlack);
}

void PriorityOverOncoming(QPainter &p)
{
    Backdrop(p);
    const QRectF face = BlueSquare(p, QRectF(Centre.x() - 88, Centre.y() - 88, 176, 176));
    const QPointF c = face.center();
    StraightArrow(p, c + QPointF(-22, 58), c + QPointF(-22, -58), 16, 26, Qt::white);
    StraightArrow(p, c + QPointF(24, -50), c + QPointF(24, 50), 9, 20, SignRed);
}

void Parking(QPainter &p)
{
    Backdrop(p);
    const QRectF face = BlueSquare(p, QRectF(Centre.x() - 88, Centre.y() - 88, 176, 176));
    CentredText(p, face, QStringLiteral("P"), 130, Qt::white, false);
}

void DeadEnd(QPainter &p)
{
    Backdrop(p);
    const QRectF face = BlueSquare(p, QRectF(Centre.x() - 88, Centre.y() - 88, 176, 176));
    const QPointF c = face.center();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(c.x() - 20, c.y() - 24, 40, 98));
    p.setBrush(SignRed);
    p.drawRect(QRectF(c.x() - 56, c.y() - 58, 112, 30));
}

void Bake(QPainter &p)
{
    Backdrop(p, 240, 225);
    const QRectF post(182, 10, 86, 262);
    p.setPen(QPen(QColor(0x77, 0x77, 0x77), 2));
    p.setBrush(Qt::white);
    p.drawRect(post);
    p.save();
    p.setClipRect(post.adjusted(1, 1, -1, -1));
    p.setPen(Qt::NoPen);
    p.setBrush(SignRed);
    for (int i = 0; i < 3; ++i) {
        const double y = post.top() + 40 + i * 76;
        p.drawPolygon(QPolygonF({QPointF(post.left(), y + 30), QPointF(post.right(), y - 10), QPointF(post.right(), y + 22),
                                 QPointF(post.left(), y + 62)}));
    }
    p.restore();
}

void CycleTrack(QPainter &p)
{
    Backdrop(p);
    MandatorySign(p);
    Bicycle(p, Centre + QPointF(0, -6), 118, Qt::white);
}

// --- traffic lights -----------------------------------------------------------------------

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

void LightYellow(QPainter &p)
{
    Backdrop(p, 200);
    TrafficLight(p, false, true, false, QPointF(188, 12));
}

void LightRedYellow(QPainter &p)
{
    Backdrop(p, 200);
    TrafficLight(p, true, true, false, QPointF(188, 12));
}

void GreenArrow(QPainter &p)
{
    Backdrop(p, 200, 190);
    TrafficLight(p, true, false, false, QPointF(153, 12));
    const QRectF plate(240, 150, 74, 56);
    p.setPen(Qt::NoPen);
    p.setBrush(SignBlack);
    p.drawRoundedRect(plate, 4, 4);
    StraightArrow(p, plate.center() + QPointF(-24, 0), plate.center() + QPointF(26, 0), 10, 16, SignGreen);
    p.fillRect(QRectF(228, 166, 12, 20), QColor(0x2B, 0x2E, 0x33));
}

} // namespace

void AddSignPainters(QMap<QString, TPicturePainter> &painters)
{
    painters.insert(QStringLiteral("vz_stop.jpg"), Stop);
    painters.insert(QStringLiteral("vz_vorfahrt_gew.jpg"), GiveWay);
    painters.insert(QStringLiteral("vz_hauptstrasse.jpg"), PriorityRoad);
    painters.insert(QStringLiteral("vz_ende_hauptstr.jpg"), PriorityRoadEnds);
    painters.insert(QStringLiteral("vz_vorfahrt.jpg"), PriorityNextJunction);
    painters.insert(QStringLiteral("vz_kreuzung.jpg"), RightBeforeLeft);
    painters.insert(QStringLiteral("vz_gefahr.jpg"), Danger);
    painters.insert(QStringLiteral("vz_kurve.jpg"), CurveRight);
    painters.insert(QStringLiteral("vz_tempo30.jpg"), Speed30);
    painters.insert(QStringLiteral("vz_zone30.jpg"), Zone30);
    painters.insert(QStringLiteral("vz_ende_tempo.jpg"), EndOfLimit);
    painters.insert(QStringLiteral("vz_mindestgeschw.jpg"), MinimumSpeed);
    painters.insert(QStringLiteral("vz_richtgeschw.jpg"), AdvisorySpeed);
    painters.insert(QStringLiteral("vz_ueberholen.jpg"), NoOvertaking);
    painters.insert(QStringLiteral("vz_lkw_ueberholv.jpg"), NoOvertakingTrucks);
    painters.insert(QStringLiteral("vz_einfahrt_verb.jpg"), NoEntry);
    painters.insert(QStringLiteral("vz_verbot_alle.jpg"), NoVehicles);
    painters.insert(QStringLiteral("vz_halteverbot.jpg"), NoStoppingAbsolute);
    painters.insert(QStringLiteral("vz_eingeschr_hv.jpg"), NoStoppingRestricted);
    painters.insert(QStringLiteral("vz_rechts.jpg"), TurnRight);
    painters.insert(QStringLiteral("vz_kreisverkehr.jpg"), Roundabout);
    painters.insert(QStringLiteral("vz_einbahn.jpg"), OneWay);
    painters.insert(QStringLiteral("vz_andreaskreuz.jpg"), LevelCrossingSign);
    painters.insert(QStringLiteral("vz_autobahn.jpg"), Motorway);
    painters.insert(QStringLiteral("vz_gewicht.jpg"), WeightLimit);
    painters.insert(QStringLiteral("vz_hoehe.jpg"), HeightLimit);
    painters.insert(QStringLiteral("vz_vorrang_gegen.jpg"), PriorityToOncoming);
    painters.insert(QStringLiteral("vz_vorrang_vor.jpg"), PriorityOverOncoming);
    painters.insert(QStringLiteral("vz_parken.jpg"), Parking);
    painters.insert(QStringLiteral("vz_sackgasse.jpg"), DeadEnd);
    painters.insert(QStringLiteral("vz_bake.jpg"), Bake);
    painters.insert(QStringLiteral("vz_radweg.jpg"), CycleTrack);
    painters.insert(QStringLiteral("ampel_gelb.jpg"), LightYellow);
    painters.insert(QStringLiteral("ampel_rotgelb.jpg"), LightRedYellow);
    painters.insert(QStringLiteral("vz_gruenpfeil.jpg"), GreenArrow);
}
