// Traffic signs and traffic lights for the question pictures: each sign stands on a post in front
// of a soft sky, drawn from simple shapes in the colours of German road signs.
#include "question_pictures.h"
#include "sign_kit.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace {

using namespace SignKit;

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
    EndOfRestrictionStripes(p);
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
