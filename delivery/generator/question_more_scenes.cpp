// More traffic situations for the question pictures, seen from above like the others: leaving a
// roundabout, two left turners, people on foot and on bicycles near cars, an emergency vehicle,
// overtaking against oncoming traffic and a bus turning right.
#include "question_pictures.h"
#include "scene_kit.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>

namespace {

using namespace SceneKit;

const QColor ParkedGrey(0x70, 0x74, 0x7A);
const QColor Jacket(0xE0, 0x6A, 0x1C);
const QColor CycleTrackRed(0xB8, 0x5A, 0x4A);

// An amber glow at a point: a lit direction indicator or hazard light.
void Indicator(QPainter &p, QPointF at)
{
    QRadialGradient glow(at, 12);
    glow.setColorAt(0, QColor(0xFF, 0xA0, 0x10, 240));
    glow.setColorAt(1, QColor(0xFF, 0xA0, 0x10, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(at, 12, 12);
}

// A cycle track beside the east edge of the crossroads' southern arm, crossing the eastern arm.
void CycleTrackEast(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(CycleTrackRed);
    p.drawRect(QRectF(RoadRight + 6, RoadBottom, 20, 300 - RoadBottom));
    p.drawRect(QRectF(RoadRight + 6, 0, 20, RoadTop));
    // Where it crosses the side road the track is marked with broken lines.
    p.setBrush(WithAlpha(CycleTrackRed, 150));
    p.drawRect(QRectF(RoadRight + 6, RoadTop, 20, RoadBottom - RoadTop));
    Line(p, {RoadRight + 6, RoadTop}, {RoadRight + 6, RoadBottom}, 2, true);
    Line(p, {RoadRight + 26, RoadTop}, {RoadRight + 26, RoadBottom}, 2, true);
}

QPainterPath RightTurnFromSouth()
{
    QPainterPath turn(QPointF(NorthboundX, 222));
    turn.lineTo(NorthboundX, 212);
    turn.quadTo(NorthboundX, EastboundY, NorthboundX + 40, EastboundY);
    turn.lineTo(420, EastboundY);
    return turn;
}

void RoundaboutExitScene(QPainter &p)
{
    Grass(p, 31);
    RoundaboutRoads(p);
    const QPointF c = RoundaboutCentre;
    // Blue drives anticlockwise round the ring and leaves by the eastern exit.
    const double angle = 38 * Pi / 180;
    const QPointF blue = c + QPointF(std::cos(angle) * 80, std::sin(angle) * 80);
    QPainterPath out(blue + QPointF(14, -16));
    out.quadTo(QPointF(318, 166), QPointF(350, 166));
    out.lineTo(432, 166);
    WayArrow(p, out, Blue);
    Car(p, blue, 38, Blue, 52, 27);
    Indicator(p, blue + QPointF(std::cos(angle) * 12 + std::sin(angle) * 24, std::sin(angle) * 12 - std::cos(angle) * 24));
    Car(p, {242, 268}, 0, Red, 52, 27);
    Car(p, {c.x() - 40, c.y() - 72}, 245, Yellow, 52, 27);
    SmallRoundabout(p, {290, 262});
    SmallGiveWay(p, {290, 292}, 26);
}

void TwoLeftTurnersScene(QPainter &p)
{
    Grass(p, 32);
    Crossroads(p, true, true, true, true);
    // Turning in front of each other: each swings left before the middle of the junction, so the
    // two pass right side to right side and neither drives round the other.
    QPainterPath blueWay(QPointF(NorthboundX, 222));
    blueWay.lineTo(NorthboundX, 195);
    blueWay.quadTo(NorthboundX, 168, 222, 168);
    blueWay.cubicTo(185, 168, 185, WestboundY, RoadLeft - 15, WestboundY);
    blueWay.lineTo(70, WestboundY);
    WayArrow(p, blueWay, Blue);
    QPainterPath yellowWay(QPointF(SouthboundX, 78));
    yellowWay.lineTo(SouthboundX, 105);
    yellowWay.quadTo(SouthboundX, 132, 228, 132);
    yellowWay.cubicTo(265, 132, 265, EastboundY, RoadRight + 15, EastboundY);
    yellowWay.lineTo(380, EastboundY);
    WayArrow(p, yellowWay, Yellow);
    Car(p, {NorthboundX, 255}, 0, Blue);
    Car(p, {SouthboundX, 44}, 180, Yellow);
    Indicator(p, {NorthboundX - 13, 228});
    Indicator(p, {SouthboundX + 13, 71});
}

void BallScene(QPainter &p)
{
    Grass(p, 33);
    Sidewalks(p, 70, 230);
    RoadEastWest(p, 70, 230);
    for (double x : {60.0, 130.0, 270.0, 340.0, 410.0})
        Car(p, {x, 211}, 90, x < 200 ? ParkedGrey : (x < 300 ? Green : Red), 58, 28);
    // The ball rolls out of the gap between the parked cars.
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(202, 190), 9, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(Red);
    p.drawPie(QRectF(193, 181, 18, 18), 30 * 16, 120 * 16);
    p.drawPie(QRectF(193, 181, 18, 18), 210 * 16, 120 * 16);
    p.setPen(QPen(WithAlpha(Qt::white, 200), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(196 + i * 6, 206 + i), QPointF(196 + i * 6, 218 + i));
    StraightWay(p, {90, 172}, {150, 172}, Blue);
    Car(p, {52, 172}, 90, Blue);
}

void DoorAndCyclistScene(QPainter &p)
{
    Grass(p, 34);
    Sidewalks(p, 90, 210);
    RoadEastWest(p, 90, 210);
    Car(p, {370, 190}, 90, ParkedGrey, 58, 28);
    const QPointF blue(270, 190);
    Car(p, blue, 90, Blue, 58, 28);
    // The driver's door, on the side of the traffic, is about to open.
    p.setPen(QPen(Blue.darker(160), 1.5));
    p.setBrush(Blue.lighter(115));
    p.save();
    p.translate(blue + QPointF(6, -14));
    p.rotate(-35);
    p.drawRect(QRectF(-2, -3, 22, 5));
    p.restore();
    TwoWheeler(p, {150, 164}, 90, 34, Jacket);
    StraightWay(p, {176, 164}, {330, 164}, Jacket);
}

void RightTurnCyclistScene(QPainter &p)
{
    Grass(p, 35);
    Crossroads(p, true, true, true, false);
    CycleTrackEast(p);
    WayArrow(p, RightTurnFromSouth(), Blue);
    StraightWay(p, {RoadRight + 16, 238}, {RoadRight + 16, 40}, Jacket);
    Car(p, {NorthboundX, 255}, 0, Blue);
    Indicator(p, {NorthboundX + 13, 228});
    TwoWheeler(p, {RoadRight + 16, 272}, 0, 34, Jacket);
}

void PedestriansCrossingScene(QPainter &p)
{
    Grass(p, 36);
    Crossroads(p, true, true, true, true);
    WayArrow(p, RightTurnFromSouth(), Blue);
    Car(p, {NorthboundX, 255}, 0, Blue);
    Indicator(p, {NorthboundX + 13, 228});
    // Two people cross the road the car turns into, walking north.
    QPen path(WithAlpha(Qt::white, 170), 2, Qt::DashLine);
    p.setPen(path);
    p.drawLine(QPointF(318, 204), QPointF(318, 96));
    Pedestrian(p, {318, 126}, 0, QColor(0x8E, 0x44, 0xAD));
    Pedestrian(p, {330, 160}, 0, QColor(0x2E, 0x86, 0xC1));
}

void EmergencyVehicleScene(QPainter &p)
{
    Grass(p, 37);
    RoadEastWest(p, 95, 205);
    QPainterPath aside(QPointF(282, 176));
    aside.quadTo(QPointF(320, 190), QPointF(360, 192));
    WayArrow(p, aside, Blue);
    Car(p, {250, 176}, 90, Blue);
    // The ambulance: white with a red band and blue lights on the roof.
    const QPointF ambulance(110, 176);
    Car(p, ambulance, 90, QColor(0xF4, 0xF4, 0xF0), 70, 32);
    p.setPen(Qt::NoPen);
    p.setBrush(Red);
    p.drawRect(QRectF(ambulance.x() - 30, ambulance.y() - 3, 60, 6));
    for (double dy : {-10.0, 10.0}) {
        const QPointF lamp(ambulance.x() + 16, ambulance.y() + dy);
        QRadialGradient glow(lamp, 18);
        glow.setColorAt(0, QColor(0x30, 0x70, 0xFF, 240));
        glow.setColorAt(1, QColor(0x30, 0x70, 0xFF, 0));
        p.setBrush(glow);
        p.drawEllipse(lamp, 18, 18);
    }
    Car(p, {390, 124}, 270, Yellow);
}

void OvertakingScene(QPainter &p)
{
    Grass(p, 38);
    RoadEastWest(p, 95, 205);
    QPainterPath pass(QPointF(100, 176));
    pass.cubicTo(QPointF(130, 176), QPointF(140, 126), QPointF(180, 126));
    pass.lineTo(250, 126);
    WayArrow(p, pass, Blue);
    Car(p, {66, 176}, 90, Blue);
    Truck(p, {210, 176}, 90, QColor(0xE0, 0xE0, 0xE0), Green, 110, 34);
    Car(p, {392, 124}, 270, Red);
    StraightWay(p, {358, 124}, {300, 124}, Red);
}

void BusRightTurnScene(QPainter &p)
{
    Grass(p, 39);
    Crossroads(p, true, true, true, false);
    CycleTrackEast(p);
    WayArrow(p, RightTurnFromSouth(), Blue);
    StraightWay(p, {RoadRight + 16, 220}, {RoadRight + 16, 40}, Jacket);
    Bus(p, {NorthboundX, 262}, 0, false);
    Indicator(p, {NorthboundX + 18, 194});
    TwoWheeler(p, {RoadRight + 16, 252}, 0, 34, Jacket);
}

} // namespace

void AddMoreScenePainters(QMap<QString, TPicturePainter> &painters)
{
    painters.insert(QStringLiteral("sit_kreisel_aus.jpg"), RoundaboutExitScene);
    painters.insert(QStringLiteral("sit_zwei_links.jpg"), TwoLeftTurnersScene);
    painters.insert(QStringLiteral("sit_ball.jpg"), BallScene);
    painters.insert(QStringLiteral("sit_tuer_rad.jpg"), DoorAndCyclistScene);
    painters.insert(QStringLiteral("sit_rechts_rad.jpg"), RightTurnCyclistScene);
    painters.insert(QStringLiteral("sit_fussg_abb.jpg"), PedestriansCrossingScene);
    painters.insert(QStringLiteral("sit_einsatzfahrz.jpg"), EmergencyVehicleScene);
    painters.insert(QStringLiteral("sit_ueberholen.jpg"), OvertakingScene);
    painters.insert(QStringLiteral("sit_bus_abbiegen.jpg"), BusRightTurnScene);
}
