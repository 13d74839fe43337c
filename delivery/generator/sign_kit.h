#pragma once

#include "drawing_kit.h"

#include <QPainter>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>

class QPainterPath;

// Pieces of the traffic-sign pictures (450 x 300): a sign stands at Centre on a post.
namespace SignKit {

inline const QColor SignRed(0xC8, 0x10, 0x2E);
inline const QColor SignBlue(0x0A, 0x5E, 0xB0);
inline const QColor SignYellow(0xF5, 0xC4, 0x00);
inline const QColor SignBlack(0x1A, 0x1A, 0x1A);
inline const QColor SignGreen(0x1E, 0x9E, 0x4A);
inline const QColor SignGrey(0x8D, 0x93, 0x9A);

inline constexpr double Pi = 3.14159265358979323846;
inline const QPointF Centre(225, 122);
inline constexpr double Radius = 88;

// Sky, a line of hills, a verge and the post the sign is fixed to.
void Backdrop(QPainter &p, double poleTop = 130, double poleX = 225);
void CentredText(QPainter &p, const QRectF &box, const QString &text, double size, const QColor &colour,
                 bool condensed = true);

// A round sign: a thin light rim, the ring and the face.
void RoundSign(QPainter &p, QPointF c, double r, const QColor &face, const QColor &ring, double ringWidth);
void ProhibitionSign(QPainter &p, QPointF c = Centre, double r = Radius); // white with a red ring
void MandatorySign(QPainter &p, QPointF c = Centre, double r = Radius);   // blue with a white rim
// The black diagonal stripes that end a restriction, across the face of the round sign at Centre.
void EndOfRestrictionStripes(QPainter &p);
// A square or oblong blue information sign with a white rim; returns the blue face.
QRectF BlueSquare(QPainter &p, QRectF box);
QPolygonF TrianglePoints(QPointF c, double side, bool pointDown);
// A warning or give-way triangle: red border with rounded corners, white face.
void TriangleSign(QPainter &p, QPointF c, double side, bool pointDown);

// An arrow along a path: a stroked shaft and a triangular head at its end.
void Arrow(QPainter &p, const QPainterPath &shaft, double width, double headLength, double headWidth, const QColor &colour);
void StraightArrow(QPainter &p, QPointF from, QPointF to, double width, double head, const QColor &colour);

// Pictograms: a car and a lorry seen from behind (overtaking signs), a bicycle.
void CarFromBehind(QPainter &p, QPointF bottomCentre, double w, const QColor &colour);
void TruckFromBehind(QPainter &p, QPointF bottomCentre, double w, const QColor &colour);
void Bicycle(QPainter &p, QPointF c, double size, const QColor &colour);

// A traffic light's housing with the lit lamps, its top-left corner given.
void TrafficLight(QPainter &p, bool red, bool yellow, bool green, QPointF topLeft);

} // namespace SignKit
