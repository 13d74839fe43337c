#pragma once

#include "drawing_kit.h"

#include <QPainter>
#include <QPointF>

#include <cstdint>

class QPainterPath;

// Pieces of the situation pictures (450 x 300), seen from above: north is up, traffic keeps right.
namespace SceneKit {

inline const QColor AsphaltGrey(0x5B, 0x60, 0x66);
inline const QColor Marking(0xF2, 0xF2, 0xF0);
inline const QColor Pavement(0xC9, 0xC6, 0xBF);
inline const QColor Blue(0x1F, 0x6F, 0xD1);
inline const QColor Red(0xD2, 0x33, 0x2B);
inline const QColor Green(0x2E, 0x9E, 0x4F);
inline const QColor Yellow(0xF2, 0xC2, 0x1B);
inline const QColor SignRed(0xC8, 0x10, 0x2E);
inline const QColor SignBlue(0x0A, 0x5E, 0xB0);

inline constexpr double Pi = 3.14159265358979323846;

// Road geometry of the junction scenes: a 100 pixel wide road each way, lanes of 50 pixels.
inline constexpr double RoadLeft = 175, RoadRight = 275, RoadTop = 100, RoadBottom = 200;
inline constexpr double NorthboundX = 250, SouthboundX = 200, EastboundY = 175, WestboundY = 125;

void Grass(QPainter &p, std::uint64_t seed = 1);
void Line(QPainter &p, QPointF a, QPointF b, double width, bool dashed, const QColor &colour = Marking);
// A crossroads (or a T junction when one arm is left out) with edge and centre lines.
void Crossroads(QPainter &p, bool north, bool south, bool east, bool west);
// A roundabout at RoundaboutCentre with four arms; its ring runs between radius 54 and 108.
inline const QPointF RoundaboutCentre(225, 150);
void RoundaboutRoads(QPainter &p);
// A straight road from west to east between two heights, with a dashed centre line.
void RoadEastWest(QPainter &p, double top, double bottom, bool centreLine = true);
void Sidewalks(QPainter &p, double roadTop, double roadBottom);
// Looking along a road into the distance: the road narrows towards the horizon.
void PerspectiveRoad(QPainter &p, const QColor &road, double horizon);

// Vehicles from above; heading 0 points up (north), 90 to the right (east).
void Car(QPainter &p, QPointF c, double heading, const QColor &colour, double length = 58, double width = 30);
void Truck(QPainter &p, QPointF c, double heading, const QColor &cab, const QColor &box, double length = 120, double width = 36);
void Bus(QPainter &p, QPointF c, double heading, bool hazardLights);
// A bicycle or motorcycle with its rider's helmet.
void TwoWheeler(QPainter &p, QPointF c, double heading, double length, const QColor &jacket);
// A person on foot seen from above: shoulders and head.
void Pedestrian(QPainter &p, QPointF c, double heading, const QColor &coat);

// The way a vehicle means to go: a broad translucent arrow.
void WayArrow(QPainter &p, const QPainterPath &shaft, const QColor &colour);
void StraightWay(QPainter &p, QPointF from, QPointF to, const QColor &colour);

// Small signs beside the road, and a caption on a dark tab.
void SmallGiveWay(QPainter &p, QPointF c, double size = 30);
void SmallPriority(QPainter &p, QPointF c, double size = 18);
void SmallRoundabout(QPainter &p, QPointF c, double r = 15);
void Label(QPainter &p, QPointF at, const QString &text, const QColor &colour = Qt::white);

} // namespace SceneKit
