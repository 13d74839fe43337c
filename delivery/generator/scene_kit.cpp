// Drawing pieces shared by the situation pictures: grass, roads and junctions, simple vehicles seen
// from above, the arrows that show where a vehicle means to go, and small signs beside the road.
#include "scene_kit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>

namespace SceneKit {

void Grass(QPainter &p, std::uint64_t seed)
{
    QLinearGradient g(0, 0, 450, 300);
    g.setColorAt(0, QColor(0x86, 0xB5, 0x62));
    g.setColorAt(1, QColor(0x6C, 0x9E, 0x4E));
    p.fillRect(QRectF(0, 0, 450, 300), g);
    TDrawRandom random(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        p.setBrush(WithAlpha(QColor(0x4F, 0x7F, 0x38), 40));
        p.drawEllipse(QPointF(random.Range(0, 450), random.Range(0, 300)), random.Range(6, 22), random.Range(4, 12));
    }
}

void Line(QPainter &p, QPointF a, QPointF b, double width, bool dashed, const QColor &colour)
{
    QPen pen(colour, width, Qt::SolidLine, Qt::FlatCap);
    if (dashed)
        pen.setDashPattern({12.0 / width, 10.0 / width});
    p.setPen(pen);
    p.drawLine(a, b);
}

// A crossroads (or a T junction when one arm is left out) with edge and centre lines.
void Crossroads(QPainter &p, bool north, bool south, bool east, bool west)
{
    p.setPen(Qt::NoPen);
    p.setBrush(AsphaltGrey);
    p.drawRect(QRectF(RoadLeft, RoadTop, RoadRight - RoadLeft, RoadBottom - RoadTop));
    if (north)
        p.drawRect(QRectF(RoadLeft, 0, RoadRight - RoadLeft, RoadTop));
    if (south)
        p.drawRect(QRectF(RoadLeft, RoadBottom, RoadRight - RoadLeft, 300 - RoadBottom));
    if (west)
        p.drawRect(QRectF(0, RoadTop, RoadLeft, RoadBottom - RoadTop));
    if (east)
        p.drawRect(QRectF(RoadRight, RoadTop, 450 - RoadRight, RoadBottom - RoadTop));
    const double cx = (RoadLeft + RoadRight) / 2, cy = (RoadTop + RoadBottom) / 2;
    if (north) {
        Line(p, {cx, 0}, {cx, RoadTop - 14}, 3, true);
        Line(p, {RoadLeft + 4, 0}, {RoadLeft + 4, RoadTop - 4}, 2, false);
        Line(p, {RoadRight - 4, 0}, {RoadRight - 4, RoadTop - 4}, 2, false);
    } else {
        Line(p, {RoadLeft, RoadTop + 4}, {RoadRight, RoadTop + 4}, 2, false);
    }
    if (south) {
        Line(p, {cx, RoadBottom + 14}, {cx, 300}, 3, true);
        Line(p, {RoadLeft + 4, RoadBottom + 4}, {RoadLeft + 4, 300}, 2, false);
        Line(p, {RoadRight - 4, RoadBottom + 4}, {RoadRight - 4, 300}, 2, false);
    } else {
        Line(p, {RoadLeft, RoadBottom - 4}, {RoadRight, RoadBottom - 4}, 2, false);
    }
    if (west) {
        Line(p, {0, cy}, {RoadLeft - 14, cy}, 3, true);
        Line(p, {0, RoadTop + 4}, {RoadLeft - 4, RoadTop + 4}, 2, false);
        Line(p, {0, RoadBottom - 4}, {RoadLeft - 4, RoadBottom - 4}, 2, false);
    } else {
        Line(p, {RoadLeft + 4, RoadTop}, {RoadLeft + 4, RoadBottom}, 2, false);
    }
    if (east) {
        Line(p, {RoadRight + 14, cy}, {450, cy}, 3, true);
        Line(p, {RoadRight + 4, RoadTop + 4}, {450, RoadTop + 4}, 2, false);
        Line(p, {RoadRight + 4, RoadBottom - 4}, {450, RoadBottom - 4}, 2, false);
    } else {
        Line(p, {RoadRight - 4, RoadTop}, {RoadRight - 4, RoadBottom}, 2, false);
    }
}

void RoundaboutRoads(QPainter &p)
{
    const QPointF c = RoundaboutCentre;
    p.setPen(Qt::NoPen);
    p.setBrush(AsphaltGrey);
    p.drawRect(QRectF(190, 0, 70, 300));
    p.drawRect(QRectF(0, 115, 450, 70));
    p.drawEllipse(c, 108, 108);
    p.setPen(QPen(Marking, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 104, 104);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6E, 0xA0, 0x4A));
    p.drawEllipse(c, 52, 52);
    p.setBrush(QColor(0x5A, 0x88, 0x3C));
    p.drawEllipse(c, 22, 22);
    p.setPen(QPen(Marking, 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 54, 54);
    // Islands splitting each entry from its exit.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xDD, 0xDA, 0xD2));
    p.drawRoundedRect(QRectF(221, 262, 8, 38), 4, 4);
    p.drawRoundedRect(QRectF(221, 0, 8, 38), 4, 4);
    p.drawRoundedRect(QRectF(0, 146, 40, 8), 4, 4);
    p.drawRoundedRect(QRectF(410, 146, 40, 8), 4, 4);
}

// A straight road from west to east between two heights, with a dashed centre line.
void RoadEastWest(QPainter &p, double top, double bottom, bool centreLine)
{
    p.setPen(Qt::NoPen);
    p.setBrush(AsphaltGrey);
    p.drawRect(QRectF(0, top, 450, bottom - top));
    Line(p, {0, top + 4}, {450, top + 4}, 2, false);
    Line(p, {0, bottom - 4}, {450, bottom - 4}, 2, false);
    if (centreLine)
        Line(p, {0, (top + bottom) / 2}, {450, (top + bottom) / 2}, 3, true);
}

void Sidewalks(QPainter &p, double roadTop, double roadBottom)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Pavement);
    p.drawRect(QRectF(0, roadTop - 34, 450, 34));
    p.drawRect(QRectF(0, roadBottom, 450, 34));
    p.setPen(QPen(QColor(0xA8, 0xA4, 0x9C), 1));
    for (double x = 0; x < 450; x += 30) {
        p.drawLine(QPointF(x, roadTop - 34), QPointF(x, roadTop));
        p.drawLine(QPointF(x, roadBottom), QPointF(x, roadBottom + 34));
    }
}

// A car seen from above; heading 0 points up (north), 90 to the right (east).
void Car(QPainter &p, QPointF c, double heading, const QColor &colour, double length, double width)
{
    p.save();
    p.translate(c);
    p.rotate(heading);
    const double l = length, w = width;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 55));
    p.drawRoundedRect(QRectF(-w / 2 + 3, -l / 2 + 4, w, l), 8, 8);
    p.setBrush(colour);
    p.setPen(QPen(colour.darker(160), 1.5));
    p.drawRoundedRect(QRectF(-w / 2, -l / 2, w, l), 8, 8);
    p.setPen(Qt::NoPen);
    const QColor glass(0x2A, 0x36, 0x48);
    p.setBrush(glass);
    p.drawPolygon(QPolygonF({QPointF(-w * 0.4, -l * 0.2), QPointF(w * 0.4, -l * 0.2), QPointF(w * 0.32, -l * 0.04),
                             QPointF(-w * 0.32, -l * 0.04)}));
    p.drawPolygon(QPolygonF({QPointF(-w * 0.32, l * 0.24), QPointF(w * 0.32, l * 0.24), QPointF(w * 0.38, l * 0.34),
                             QPointF(-w * 0.38, l * 0.34)}));
    p.setBrush(colour.lighter(118));
    p.drawRoundedRect(QRectF(-w * 0.32, -l * 0.04, w * 0.64, l * 0.28), 3, 3);
    p.setBrush(QColor(0xFF, 0xF4, 0xC0));
    p.drawEllipse(QPointF(-w * 0.32, -l * 0.47), 3, 2);
    p.drawEllipse(QPointF(w * 0.32, -l * 0.47), 3, 2);
    p.restore();
}

void Truck(QPainter &p, QPointF c, double heading, const QColor &cab, const QColor &box, double length, double width)
{
    p.save();
    p.translate(c);
    p.rotate(heading);
    const double l = length, w = width;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 55));
    p.drawRect(QRectF(-w / 2 + 3, -l / 2 + 4, w, l));
    p.setBrush(cab);
    p.setPen(QPen(cab.darker(160), 1.5));
    p.drawRoundedRect(QRectF(-w / 2, -l / 2, w, l * 0.2), 5, 5);
    p.setBrush(box);
    p.setPen(QPen(box.darker(150), 1.5));
    p.drawRect(QRectF(-w / 2, -l / 2 + l * 0.23, w, l * 0.77));
    p.setPen(QPen(box.darker(115), 1));
    for (int i = 1; i < 5; ++i)
        p.drawLine(QPointF(-w / 2 + 3, -l / 2 + l * 0.23 + i * l * 0.77 / 5), QPointF(w / 2 - 3, -l / 2 + l * 0.23 + i * l * 0.77 / 5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2A, 0x36, 0x48));
    p.drawRect(QRectF(-w * 0.4, -l / 2 + 3, w * 0.8, l * 0.05));
    p.restore();
}

void Bus(QPainter &p, QPointF c, double heading, bool hazardLights)
{
    const double l = 140, w = 36;
    p.save();
    p.translate(c);
    p.rotate(heading);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 55));
    p.drawRoundedRect(QRectF(-w / 2 + 3, -l / 2 + 4, w, l), 6, 6);
    p.setBrush(QColor(0xF0, 0xD2, 0x3A));
    p.setPen(QPen(QColor(0xA8, 0x8E, 0x12), 1.5));
    p.drawRoundedRect(QRectF(-w / 2, -l / 2, w, l), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2A, 0x36, 0x48));
    p.drawRect(QRectF(-w * 0.42, -l / 2 + 3, w * 0.84, 8));
    p.setBrush(QColor(0xDD, 0xDD, 0xD5));
    for (int i = 0; i < 4; ++i)
        p.drawRoundedRect(QRectF(-w * 0.28, -l / 2 + 24 + i * 28, w * 0.56, 16), 3, 3);
    if (hazardLights) {
        for (QPointF corner : {QPointF(-w / 2, -l / 2), QPointF(w / 2, -l / 2), QPointF(-w / 2, l / 2), QPointF(w / 2, l / 2)}) {
            QRadialGradient glow(corner, 16);
            glow.setColorAt(0, QColor(0xFF, 0xA0, 0x10, 230));
            glow.setColorAt(1, QColor(0xFF, 0xA0, 0x10, 0));
            p.setBrush(glow);
            p.drawEllipse(corner, 16, 16);
        }
    }
    p.restore();
}

// A two-wheeler from above, with its rider's helmet; used for bicycles and motorcycles.
void TwoWheeler(QPainter &p, QPointF c, double heading, double length, const QColor &jacket)
{
    p.save();
    p.translate(c);
    p.rotate(heading);
    p.setPen(QPen(QColor(0x22, 0x22, 0x22), length * 0.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -length / 2), QPointF(0, length / 2));
    p.drawLine(QPointF(-length * 0.22, -length * 0.3), QPointF(length * 0.22, -length * 0.3));
    p.setPen(Qt::NoPen);
    p.setBrush(jacket);
    p.drawEllipse(QPointF(0, -length * 0.02), length * 0.24, length * 0.17);
    p.setBrush(QColor(0xF5, 0xF5, 0xF5));
    p.drawEllipse(QPointF(0, -length * 0.08), length * 0.12, length * 0.12);
    p.restore();
}

void Pedestrian(QPainter &p, QPointF c, double heading, const QColor &coat)
{
    p.save();
    p.translate(c);
    p.rotate(heading);
    p.setPen(QPen(coat.darker(150), 1));
    p.setBrush(coat);
    p.drawEllipse(QPointF(0, 0), 14, 8);
    p.setBrush(QColor(0x5A, 0x3E, 0x2A));
    p.drawEllipse(QPointF(0, -0.5), 6, 6);
    p.restore();
}

// The way a vehicle means to go: a broad translucent arrow.
void WayArrow(QPainter &p, const QPainterPath &shaft, const QColor &colour)
{
    const QColor c = WithAlpha(colour.lighter(125), 190);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, 9, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(shaft);
    const QPointF end = shaft.pointAtPercent(1);
    const double a = -shaft.angleAtPercent(1) * Pi / 180;
    const QPointF dir(std::cos(a), std::sin(a)), normal(-dir.y(), dir.x());
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(QPolygonF({end + dir * 18, end + normal * 13, end - normal * 13}));
}

void StraightWay(QPainter &p, QPointF from, QPointF to, const QColor &colour)
{
    QPainterPath path(from);
    path.lineTo(to);
    WayArrow(p, path, colour);
}

// Small sign symbols as they appear beside the road in the scenes.
void SmallGiveWay(QPainter &p, QPointF c, double size)
{
    const double h = size * std::sqrt(3.0) / 2;
    QPolygonF outer({QPointF(c.x() - size / 2, c.y() - h / 3), QPointF(c.x() + size / 2, c.y() - h / 3), QPointF(c.x(), c.y() + h * 2 / 3)});
    p.setPen(QPen(SignRed, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPolygon(outer);
}

void SmallPriority(QPainter &p, QPointF c, double size)
{
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({c + QPointF(0, -size), c + QPointF(size, 0), c + QPointF(0, size), c + QPointF(-size, 0)}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF5, 0xC4, 0x00));
    p.drawPolygon(QPolygonF({c + QPointF(0, -size * 0.6), c + QPointF(size * 0.6, 0), c + QPointF(0, size * 0.6),
                             c + QPointF(-size * 0.6, 0)}));
}

void SmallRoundabout(QPainter &p, QPointF c, double r)
{
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(SignBlue);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(Qt::white, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r * 0.55, c.y() - r * 0.55, r * 1.1, r * 1.1), 30 * 16, 300 * 16);
}

void Label(QPainter &p, QPointF at, const QString &text, const QColor &colour)
{
    p.setFont(SignFont(15, true, true));
    const QRectF box(at.x() - 40, at.y() - 11, 80, 22);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    const QRectF textBox = p.boundingRect(box, Qt::AlignCenter, text).adjusted(-5, -1, 5, 1);
    p.drawRoundedRect(textBox, 5, 5);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

// Looking along a road into the distance: the road narrows towards the horizon.
void PerspectiveRoad(QPainter &p, const QColor &road, double horizon)
{
    p.setPen(Qt::NoPen);
    p.setBrush(road);
    p.drawPolygon(QPolygonF({QPointF(40, 300), QPointF(410, 300), QPointF(232, horizon), QPointF(218, horizon)}));
    for (int i = 0; i < 7; ++i) {
        const double t0 = std::pow(0.62, i), t1 = std::pow(0.62, i + 0.45);
        const double y0 = horizon + (300 - horizon) * t0, y1 = horizon + (300 - horizon) * t1;
        const double w0 = 5 * t0, w1 = 5 * t1;
        p.setBrush(WithAlpha(Marking, 230));
        p.drawPolygon(QPolygonF({QPointF(225 - w0, y0), QPointF(225 + w0, y0), QPointF(225 + w1, y1), QPointF(225 - w1, y1)}));
    }
}


} // namespace SceneKit
