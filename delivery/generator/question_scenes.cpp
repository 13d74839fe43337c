// Traffic situations for the question pictures, mostly seen from above (north is up, traffic keeps
// to the right): roads, junctions and simple vehicles, with arrows for the intended way.
#include "question_pictures.h"
#include "scene_kit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>

namespace {

using namespace SceneKit;

// --- the scenes -----------------------------------------------------------------------------

void RightBeforeLeftScene(QPainter &p)
{
    Grass(p, 11);
    Crossroads(p, true, true, true, true);
    StraightWay(p, {NorthboundX, 222}, {NorthboundX, 40}, Blue);
    StraightWay(p, {318, WestboundY}, {60, WestboundY}, Red);
    Car(p, {NorthboundX, 255}, 0, Blue);
    Car(p, {352, WestboundY}, 270, Red);
}

void ThreeCarsScene(QPainter &p)
{
    Grass(p, 12);
    Crossroads(p, true, true, true, true);
    StraightWay(p, {NorthboundX, 222}, {NorthboundX, 40}, Blue);
    StraightWay(p, {318, WestboundY}, {60, WestboundY}, Red);
    StraightWay(p, {132, EastboundY}, {395, EastboundY}, Green);
    Car(p, {NorthboundX, 255}, 0, Blue);
    Car(p, {352, WestboundY}, 270, Red);
    Car(p, {98, EastboundY}, 90, Green);
}

void LeftTurnScene(QPainter &p)
{
    Grass(p, 13);
    Crossroads(p, true, true, true, true);
    QPainterPath turn(QPointF(NorthboundX, 222));
    turn.lineTo(NorthboundX, 170);
    turn.quadTo(NorthboundX, WestboundY, NorthboundX - 50, WestboundY);
    turn.lineTo(70, WestboundY);
    WayArrow(p, turn, Blue);
    StraightWay(p, {SouthboundX, 78}, {SouthboundX, 262}, Yellow);
    Car(p, {NorthboundX, 255}, 0, Blue);
    Car(p, {SouthboundX, 44}, 180, Yellow);
}

void MainRoadScene(QPainter &p)
{
    Grass(p, 14);
    Crossroads(p, false, true, true, true);
    StraightWay(p, {132, EastboundY}, {400, EastboundY}, Blue);
    QPainterPath way(QPointF(NorthboundX, 232));
    way.lineTo(NorthboundX, 214);
    WayArrow(p, way, Green);
    Car(p, {98, EastboundY}, 90, Blue);
    Car(p, {NorthboundX, 266}, 0, Green);
    SmallPriority(p, {60, 226});
    SmallGiveWay(p, {304, 236});
}

void RoundaboutScene(QPainter &p)
{
    Grass(p, 15);
    const QPointF c = RoundaboutCentre;
    RoundaboutRoads(p);
    QPainterPath in(QPointF(242, 236));
    in.lineTo(242, 214);
    in.quadTo(250, 196, 284, 188);
    WayArrow(p, in, Blue);
    Car(p, {242, 268}, 0, Blue, 52, 27);
    Car(p, {c.x() + 80, c.y() + 10}, 0, Red, 52, 27);
    Car(p, {c.x() - 40, c.y() - 72}, 245, Yellow, 52, 27);
    SmallRoundabout(p, {290, 262});
    SmallGiveWay(p, {290, 292}, 26);
}

void BusStopScene(QPainter &p)
{
    Grass(p, 16);
    Sidewalks(p, 90, 210);
    RoadEastWest(p, 90, 210);
    Bus(p, {320, 180}, 90, true);
    Car(p, {100, 180}, 90, Blue);
    Car(p, {180, 120}, 270, Red);
    // The stop sign: a yellow disc with a green H.
    p.setPen(QPen(QColor(0x1E, 0x7D, 0x3C), 3));
    p.setBrush(QColor(0xF5, 0xD0, 0x20));
    p.drawEllipse(QPointF(396, 228), 14, 14);
    p.setFont(SignFont(18, true, false));
    p.drawText(QRectF(382, 214, 28, 28), Qt::AlignCenter, QStringLiteral("H"));
}

void MergeScene(QPainter &p)
{
    Grass(p, 17);
    p.setPen(Qt::NoPen);
    p.setBrush(AsphaltGrey);
    p.drawRect(QRectF(0, 80, 450, 100));
    p.drawPolygon(QPolygonF({QPointF(0, 180), QPointF(330, 180), QPointF(420, 180), QPointF(330, 226), QPointF(0, 226)}));
    p.setBrush(QColor(0x9A, 0x9E, 0xA3));
    p.drawRect(QRectF(0, 62, 450, 14));
    Line(p, {0, 84}, {450, 84}, 2, false);
    Line(p, {0, 130}, {450, 130}, 3, true);
    QPen block(Marking, 4, Qt::SolidLine, Qt::FlatCap);
    block.setDashPattern({3.0, 1.5});
    p.setPen(block);
    p.drawLine(QPointF(0, 180), QPointF(330, 180));
    Line(p, {0, 222}, {330, 222}, 2, false);
    Line(p, {330, 222}, {420, 181}, 2, false);
    Line(p, {420, 176}, {450, 176}, 2, false);
    StraightWay(p, {240, 203}, {300, 203}, Blue);
    Car(p, {205, 203}, 90, Blue);
    Truck(p, {110, 155}, 90, QColor(0xE0, 0xE0, 0xE0), Red, 110, 34);
    Car(p, {330, 106}, 90, QColor(0x70, 0x74, 0x7A));
}

void NarrowingScene(QPainter &p)
{
    Grass(p, 18);
    p.setPen(Qt::NoPen);
    p.setBrush(AsphaltGrey);
    p.drawPolygon(QPolygonF({QPointF(0, 90), QPointF(450, 90), QPointF(450, 160), QPointF(390, 160), QPointF(320, 210),
                             QPointF(0, 210)}));
    Line(p, {0, 94}, {450, 94}, 2, false);
    Line(p, {0, 150}, {320, 150}, 3, true);
    Line(p, {0, 206}, {320, 206}, 2, false);
    Line(p, {320, 206}, {390, 157}, 2, false);
    Line(p, {390, 156}, {450, 156}, 2, false);
    // Barrier boards where the lane ends.
    p.save();
    p.translate(352, 190);
    p.rotate(-35);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(i % 2 == 0 ? QColor(0xD8, 0x1E, 0x1E) : QColor(Qt::white));
        p.drawRect(QRectF(-26 + i * 13, -5, 13, 10));
    }
    p.restore();
    Car(p, {70, 122}, 90, QColor(0x70, 0x74, 0x7A));
    Car(p, {180, 122}, 90, Green);
    Car(p, {300, 122}, 90, Yellow);
    Car(p, {120, 180}, 90, Red);
    Car(p, {250, 180}, 90, Blue);
}

void LevelCrossingScene(QPainter &p)
{
    Grass(p, 19);
    p.setPen(Qt::NoPen);
    p.setBrush(AsphaltGrey);
    p.drawRect(QRectF(RoadLeft, 0, RoadRight - RoadLeft, 300));
    Line(p, {RoadLeft + 4, 0}, {RoadLeft + 4, 300}, 2, false);
    Line(p, {RoadRight - 4, 0}, {RoadRight - 4, 300}, 2, false);
    Line(p, {225, 0}, {225, 60}, 3, true);
    Line(p, {225, 160}, {225, 300}, 3, true);
    // Tracks: sleepers and two rails, running across the road.
    p.setBrush(QColor(0x8A, 0x7A, 0x64));
    for (double x = 0; x < 450; x += 16)
        if (x < RoadLeft - 8 || x > RoadRight)
            p.drawRect(QRectF(x, 84, 9, 52));
    p.setBrush(QColor(0x7A, 0x7F, 0x85));
    p.drawRect(QRectF(RoadLeft, 84, RoadRight - RoadLeft, 52));
    p.setPen(QPen(QColor(0xB8, 0xBC, 0xC2), 4));
    p.drawLine(QPointF(0, 98), QPointF(450, 98));
    p.drawLine(QPointF(0, 122), QPointF(450, 122));
    // The barrier arm coming down over the right half of the road, with red lights beside it.
    p.save();
    p.translate(RoadRight + 14, 160);
    p.rotate(180);
    for (int i = 0; i < 7; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 == 0 ? QColor(0xD8, 0x1E, 0x1E) : QColor(Qt::white));
        p.drawRect(QRectF(i * 11.0, -4, 11, 8));
    }
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawRect(QRectF(RoadRight + 8, 152, 14, 16));
    QRadialGradient glow(QPointF(RoadRight + 40, 172), 18);
    glow.setColorAt(0, QColor(0xFF, 0x20, 0x10, 240));
    glow.setColorAt(1, QColor(0xFF, 0x20, 0x10, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(RoadRight + 40, 172), 18, 18);
    p.setBrush(QColor(0xFF, 0x30, 0x20));
    p.drawEllipse(QPointF(RoadRight + 40, 172), 6, 6);
    // The St Andrew's cross beside the road, seen from above as a small cross.
    p.setPen(QPen(Qt::white, 5));
    p.drawLine(QPointF(RoadRight + 30, 186), QPointF(RoadRight + 50, 206));
    p.drawLine(QPointF(RoadRight + 50, 186), QPointF(RoadRight + 30, 206));
    p.setPen(QPen(SignRed, 2));
    p.drawLine(QPointF(RoadRight + 30, 186), QPointF(RoadRight + 50, 206));
    p.drawLine(QPointF(RoadRight + 50, 186), QPointF(RoadRight + 30, 206));
    Car(p, {NorthboundX, 250}, 0, Blue);
}

void CyclistScene(QPainter &p)
{
    Grass(p, 20);
    RoadEastWest(p, 95, 205);
    TwoWheeler(p, {262, 186}, 90, 34, QColor(0xE0, 0x6A, 0x1C));
    Car(p, {128, 178}, 90, Blue);
    QPainterPath way(QPointF(162, 176));
    way.cubicTo(QPointF(200, 174), QPointF(206, 124), QPointF(250, 124));
    way.lineTo(330, 124);
    WayArrow(p, way, Blue);
}

void NarrowPointScene(QPainter &p)
{
    Grass(p, 21);
    RoadEastWest(p, 95, 205);
    // A skip and barrier boards block the eastbound lane.
    p.setPen(QPen(QColor(0x5A, 0x3A, 0x10), 2));
    p.setBrush(QColor(0xE0, 0x8A, 0x1A));
    p.drawRect(QRectF(236, 158, 70, 40));
    for (int i = 0; i < 6; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 == 0 ? QColor(0xD8, 0x1E, 0x1E) : QColor(Qt::white));
        p.drawRect(QRectF(214, 154 + i * 8.0, 8, 8));
    }
    Car(p, {120, 178}, 90, Blue);
    Car(p, {360, 124}, 270, Yellow);
    StraightWay(p, {326, 124}, {190, 124}, Yellow);
}

void FogScene(QPainter &p)
{
    const double horizon = 118;
    p.fillRect(QRectF(0, 0, 450, 300), QColor(0xB9, 0xBE, 0xC2));
    p.fillRect(QRectF(0, horizon, 450, 300 - horizon), QColor(0x7E, 0x8A, 0x78));
    PerspectiveRoad(p, QColor(0x60, 0x65, 0x6A), horizon);
    // A car ahead, barely visible, with its tail lights.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x48, 0x4C, 0x50));
    p.drawRoundedRect(QRectF(224, 150, 34, 22), 4, 4);
    p.setBrush(QColor(0xFF, 0x30, 0x20));
    p.drawEllipse(QPointF(229, 165), 3, 2.4);
    p.drawEllipse(QPointF(253, 165), 3, 2.4);
    // Fog: thick far away, thinner close by.
    QLinearGradient fog(0, 0, 0, 300);
    fog.setColorAt(0, QColor(0xDD, 0xE0, 0xE2, 255));
    fog.setColorAt(0.45, QColor(0xDD, 0xE0, 0xE2, 200));
    fog.setColorAt(0.62, QColor(0xDD, 0xE0, 0xE2, 150));
    fog.setColorAt(1, QColor(0xDD, 0xE0, 0xE2, 60));
    p.fillRect(QRectF(0, 0, 450, 300), fog);
    QRadialGradient glow(QPointF(241, 165), 26);
    glow.setColorAt(0, QColor(0xFF, 0x40, 0x30, 110));
    glow.setColorAt(1, QColor(0xFF, 0x40, 0x30, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(241, 165), 26, 26);
}

void IceScene(QPainter &p)
{
    const double horizon = 112;
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(0xA9, 0xB8, 0xC8));
    sky.setColorAt(1, QColor(0xE4, 0xEA, 0xF0));
    p.fillRect(QRectF(0, 0, 450, horizon), sky);
    p.fillRect(QRectF(0, horizon, 450, 300 - horizon), QColor(0xF4, 0xF7, 0xFA));
    TDrawRandom random(22);
    // Snow-covered firs along the road.
    for (int i = 0; i < 14; ++i) {
        const bool left = i % 2 == 0;
        const double t = random.Range(0.05, 1.0);
        const double y = horizon + 6 + t * 60;
        const double x = left ? random.Range(0, 150) * (1 - t * 0.3) : 450 - random.Range(0, 150) * (1 - t * 0.3);
        const double h = 24 + t * 60;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2E, 0x4A, 0x3A));
        p.drawPolygon(QPolygonF({QPointF(x, y - h), QPointF(x - h * 0.32, y), QPointF(x + h * 0.32, y)}));
        p.setBrush(QColor(0xF0, 0xF4, 0xF8));
        p.drawPolygon(QPolygonF({QPointF(x, y - h), QPointF(x - h * 0.12, y - h * 0.62), QPointF(x + h * 0.1, y - h * 0.66)}));
    }
    PerspectiveRoad(p, QColor(0x9C, 0xA6, 0xB2), horizon);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        const double y = random.Range(horizon + 10, 300);
        const double t = (y - horizon) / (300 - horizon);
        const double x = 225 + random.Range(-185, 185) * t;
        p.setBrush(WithAlpha(QColor(0xFA, 0xFC, 0xFF), 200));
        p.drawEllipse(QPointF(x, y), 14 * t + 2, 4 * t + 1);
    }
    for (int i = 0; i < 160; ++i) {
        p.setBrush(WithAlpha(Qt::white, 220));
        const double r = random.Range(1, 3.2);
        p.drawEllipse(QPointF(random.Range(0, 450), random.Range(0, 300)), r, r);
    }
}

void ParkingScene(QPainter &p)
{
    Grass(p, 23);
    Crossroads(p, true, true, true, true);
    Car(p, {RoadRight + 56, EastboundY + 8}, 90, QColor(0x70, 0x74, 0x7A), 52, 27);
    Car(p, {RoadRight + 120, EastboundY + 8}, 90, Red, 52, 27);
    Car(p, {RoadRight + 184, EastboundY + 8}, 90, Green, 52, 27);
    p.setPen(QPen(Qt::white, 2, Qt::DashLine));
    p.drawLine(QPointF(RoadRight, RoadBottom + 12), QPointF(RoadRight + 30, RoadBottom + 12));
    Label(p, {RoadRight + 15, RoadBottom + 30}, QStringLiteral("? m"));
}

void ZebraScene(QPainter &p)
{
    Grass(p, 24);
    Sidewalks(p, 100, 200);
    RoadEastWest(p, 100, 200, false);
    Line(p, {0, 150}, {230, 150}, 3, true);
    Line(p, {340, 150}, {450, 150}, 3, true);
    p.setPen(Qt::NoPen);
    p.setBrush(Marking);
    for (int i = 0; i < 8; ++i)
        p.drawRect(QRectF(258, 104 + i * 12.0, 62, 7));
    // The crossing's blue sign with its white triangle on the pavement.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(336, 206, 30, 30));
    p.setBrush(SignBlue);
    p.drawRect(QRectF(338, 208, 26, 26));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(351, 211), QPointF(362, 231), QPointF(340, 231)}));
    Car(p, {120, 175}, 90, Blue);
    StraightWay(p, {155, 175}, {225, 175}, Blue);
}

void CurveScene(QPainter &p)
{
    Grass(p, 25);
    const QPointF c(450, 330);
    p.setPen(QPen(AsphaltGrey, 96, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    const QRectF arc(c.x() - 300, c.y() - 300, 600, 600);
    p.drawArc(arc, 90 * 16, 90 * 16);
    p.setPen(QPen(Marking, 2));
    p.drawArc(QRectF(c.x() - 346, c.y() - 346, 692, 692), 90 * 16, 90 * 16);
    p.drawArc(QRectF(c.x() - 254, c.y() - 254, 508, 508), 90 * 16, 90 * 16);
    QPen dash(Marking, 3, Qt::SolidLine, Qt::FlatCap);
    dash.setDashPattern({5, 4});
    p.setPen(dash);
    p.drawArc(arc, 90 * 16, 90 * 16);
    // The line a rider follows through the right-hand bend.
    QPen line(QColor(0xFF, 0xD4, 0x3A, 220), 3, Qt::DotLine, Qt::RoundCap);
    p.setPen(line);
    p.drawArc(QRectF(c.x() - 276, c.y() - 276, 552, 552), 100 * 16, 75 * 16);
    const double a = 160 * Pi / 180;
    TwoWheeler(p, c + QPointF(std::cos(a) * 276, -std::sin(a) * 276), 20, 42, QColor(0x20, 0x40, 0x90));
}

void TruckTurnScene(QPainter &p)
{
    Grass(p, 26);
    Crossroads(p, true, true, true, true);
    // A cycle lane on the right of the northbound lane.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xB8, 0x4A, 0x3C));
    p.drawRect(QRectF(RoadRight + 4, RoadBottom, 26, 100));
    p.drawRect(QRectF(RoadRight + 4, 0, 26, RoadTop));
    // The driver's blind spot beside the truck.
    p.setBrush(QColor(0xFF, 0x80, 0x20, 90));
    p.drawPolygon(QPolygonF({QPointF(NorthboundX + 18, 205), QPointF(NorthboundX + 78, 232), QPointF(NorthboundX + 78, 300),
                             QPointF(NorthboundX + 18, 300)}));
    QPainterPath turn(QPointF(NorthboundX, 196));
    turn.quadTo(NorthboundX, EastboundY, NorthboundX + 40, EastboundY);
    turn.lineTo(420, EastboundY);
    WayArrow(p, turn, QColor(0xE0, 0x60, 0x20));
    Truck(p, {NorthboundX, 262}, 0, QColor(0xE8, 0xE8, 0xE8), QColor(0xE0, 0x60, 0x20), 120, 38);
    TwoWheeler(p, {RoadRight + 17, 248}, 0, 32, QColor(0x1C, 0x8C, 0x3C));
}

void TractorScene(QPainter &p)
{
    QLinearGradient sky(0, 0, 0, 170);
    sky.setColorAt(0, QColor(0x84, 0xB8, 0xE2));
    sky.setColorAt(1, QColor(0xE2, 0xEF, 0xF8));
    p.fillRect(QRectF(0, 0, 450, 300), sky);
    QPainterPath hills;
    hills.moveTo(0, 170);
    hills.cubicTo(120, 120, 230, 150, 300, 130);
    hills.cubicTo(360, 115, 410, 140, 450, 128);
    hills.lineTo(450, 300);
    hills.lineTo(0, 300);
    hills.closeSubpath();
    p.fillPath(hills, QColor(0x8C, 0xB8, 0x64));
    // The road runs downhill to the right.
    p.save();
    p.translate(0, 196);
    p.rotate(7);
    p.fillRect(QRectF(-20, 0, 520, 34), AsphaltGrey);
    p.fillRect(QRectF(-20, 34, 520, 60), QColor(0x6E, 0x9E, 0x4E));
    // Trailer.
    const double ground = 0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xB8, 0x3A, 0x2A));
    p.drawRect(QRectF(40, ground - 72, 130, 44));
    p.setBrush(QColor(0x6A, 0x4A, 0x2A));
    p.drawRect(QRectF(44, ground - 84, 122, 12));
    p.setBrush(QColor(0x40, 0x40, 0x40));
    p.drawRect(QRectF(170, ground - 42, 48, 5));
    for (double x : {80.0, 132.0}) {
        p.setBrush(QColor(0x22, 0x22, 0x22));
        p.drawEllipse(QPointF(x, ground - 18), 18, 18);
        p.setBrush(QColor(0x9A, 0x9A, 0x9A));
        p.drawEllipse(QPointF(x, ground - 18), 7, 7);
    }
    // Tractor.
    p.setBrush(QColor(0x2E, 0x8B, 0x3E));
    p.drawRect(QRectF(214, ground - 64, 106, 30));
    p.drawRect(QRectF(214, ground - 118, 54, 56));
    p.setBrush(QColor(0xC8, 0xE4, 0xF4));
    p.drawRect(QRectF(222, ground - 110, 38, 30));
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawRect(QRectF(296, ground - 84, 6, 22));
    p.setBrush(QColor(0x22, 0x22, 0x22));
    p.drawEllipse(QPointF(240, ground - 34), 34, 34);
    p.drawEllipse(QPointF(304, ground - 20), 20, 20);
    p.setBrush(QColor(0xE8, 0xC0, 0x20));
    p.drawEllipse(QPointF(240, ground - 34), 14, 14);
    p.drawEllipse(QPointF(304, ground - 20), 8, 8);
    // The orange warning light on the cab roof.
    p.setBrush(QColor(0xFF, 0x9A, 0x10));
    p.drawEllipse(QPointF(241, ground - 122), 6, 5);
    p.restore();
}

} // namespace

void AddScenePainters(QMap<QString, TPicturePainter> &painters)
{
    painters.insert(QStringLiteral("sit_rechts_links.jpg"), RightBeforeLeftScene);
    painters.insert(QStringLiteral("sit_drei_autos.jpg"), ThreeCarsScene);
    painters.insert(QStringLiteral("sit_abbiegen_li.jpg"), LeftTurnScene);
    painters.insert(QStringLiteral("sit_hauptstrasse.jpg"), MainRoadScene);
    painters.insert(QStringLiteral("sit_kreisverkehr.jpg"), RoundaboutScene);
    painters.insert(QStringLiteral("sit_bus_haltest.jpg"), BusStopScene);
    painters.insert(QStringLiteral("sit_einfaedeln.jpg"), MergeScene);
    painters.insert(QStringLiteral("sit_verengung.jpg"), NarrowingScene);
    painters.insert(QStringLiteral("sit_bahnschranke.jpg"), LevelCrossingScene);
    painters.insert(QStringLiteral("sit_radfahrer.jpg"), CyclistScene);
    painters.insert(QStringLiteral("sit_engstelle.jpg"), NarrowPointScene);
    painters.insert(QStringLiteral("sit_nebel.jpg"), FogScene);
    painters.insert(QStringLiteral("sit_glaette.jpg"), IceScene);
    painters.insert(QStringLiteral("sit_parken.jpg"), ParkingScene);
    painters.insert(QStringLiteral("sit_zebra.jpg"), ZebraScene);
    painters.insert(QStringLiteral("sit_kurvenlinie.jpg"), CurveScene);
    painters.insert(QStringLiteral("sit_lkw_abbiegen.jpg"), TruckTurnScene);
    painters.insert(QStringLiteral("sit_traktor_anh.jpg"), TractorScene);
}
