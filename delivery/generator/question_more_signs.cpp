// More traffic signs for the question pictures: town signs, warnings of oncoming traffic,
// narrowing, gradients and cyclists, further mandatory and prohibition signs, and a red light.
#include "question_pictures.h"
#include "sign_kit.h"

#include <QPainterPath>
#include <QPolygonF>

namespace {

using namespace SignKit;

// The warning triangles of this file all stand at the same place and size.
QPointF WarningCentre() { return Centre + QPointF(0, -5); }

void WarningTriangle(QPainter &p)
{
    Backdrop(p, 150);
    TriangleSign(p, WarningCentre(), 210, false);
}

void Speed50(QPainter &p)
{
    Backdrop(p);
    ProhibitionSign(p);
    CentredText(p, QRectF(Centre.x() - 70, Centre.y() - 50, 140, 100), QStringLiteral("50"), 78, SignBlack, false);
}

// The yellow town sign; at the end of the town the name is crossed out by a red band.
void TownSign(QPainter &p, bool end)
{
    Backdrop(p, 160);
    const QRectF plate(70, 40, 310, 150);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xEE, 0xEE, 0xEE));
    p.drawRoundedRect(plate.adjusted(-3, -3, 3, 3), 10, 10);
    p.setBrush(SignYellow);
    p.drawRoundedRect(plate, 8, 8);
    p.setPen(QPen(SignBlack, 5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(plate.adjusted(9, 9, -9, -9), 5, 5);
    CentredText(p, QRectF(plate.left(), plate.top() + 22, plate.width(), 70), QStringLiteral("Velmingen"), 50, SignBlack);
    CentredText(p, QRectF(plate.left(), plate.top() + 92, plate.width(), 36), QStringLiteral("Kreis Arnheide"), 24,
                SignBlack);
    if (end) {
        p.save();
        p.setClipRect(plate.adjusted(9, 9, -9, -9));
        p.setPen(QPen(SignRed, 16, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(plate.left(), plate.bottom()), QPointF(plate.right(), plate.top()));
        p.restore();
    }
}

void TownBegins(QPainter &p) { TownSign(p, false); }
void TownEnds(QPainter &p) { TownSign(p, true); }

void OncomingTraffic(QPainter &p)
{
    WarningTriangle(p);
    const QPointF c = WarningCentre();
    // Our way runs up on the right; the oncoming traffic comes down on the left.
    StraightArrow(p, c + QPointF(20, 42), c + QPointF(20, -34), 9, 16, SignBlack);
    StraightArrow(p, c + QPointF(-20, -34), c + QPointF(-20, 42), 9, 16, SignBlack);
}

void NarrowingRight(QPainter &p)
{
    WarningTriangle(p);
    const QPointF c = WarningCentre();
    p.setPen(QPen(SignBlack, 9, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(c + QPointF(-24, 44), c + QPointF(-24, -36));
    p.drawPolyline(QPolygonF({c + QPointF(26, 44), c + QPointF(26, 10), c + QPointF(6, -12), c + QPointF(6, -36)}));
}

void Downhill(QPainter &p)
{
    WarningTriangle(p);
    const QPointF c = WarningCentre();
    p.setPen(Qt::NoPen);
    p.setBrush(SignBlack);
    // The slope falls from left to right; the gradient is written above it.
    p.drawPolygon(QPolygonF({c + QPointF(-50, 6), c + QPointF(50, 44), c + QPointF(-50, 44)}));
    CentredText(p, QRectF(c.x() - 40, c.y() - 22, 60, 30), QStringLiteral("10%"), 24, SignBlack, false);
}

void CyclistsWarning(QPainter &p)
{
    WarningTriangle(p);
    Bicycle(p, WarningCentre() + QPointF(0, 14), 86, SignBlack);
}

void Expressway(QPainter &p)
{
    Backdrop(p);
    const QRectF face = BlueSquare(p, QRectF(Centre.x() - 88, Centre.y() - 88, 176, 176));
    CarFromBehind(p, QPointF(face.center().x(), face.bottom() - 40), 110, Qt::white);
    // The car's windows stay blue on the white car.
    const double x = face.center().x(), y = face.bottom() - 40, w = 110;
    p.setBrush(SignBlue);
    p.drawPolygon(QPolygonF({QPointF(x - w * 0.3, y - w * 0.53), QPointF(x - w * 0.23, y - w * 0.76),
                             QPointF(x + w * 0.23, y - w * 0.76), QPointF(x + w * 0.3, y - w * 0.53)}));
}

void PassRight(QPainter &p)
{
    Backdrop(p);
    MandatorySign(p);
    StraightArrow(p, Centre + QPointF(-40, -40), Centre + QPointF(42, 42), 18, 30, Qt::white);
}

void AheadOnly(QPainter &p)
{
    Backdrop(p);
    MandatorySign(p);
    StraightArrow(p, Centre + QPointF(0, 58), Centre + QPointF(0, -58), 20, 34, Qt::white);
}

void NoOvertakingEnds(QPainter &p)
{
    Backdrop(p);
    RoundSign(p, Centre, Radius, Qt::white, QColor(0x9A, 0x9A, 0x9A), 4);
    const QColor grey(0x9A, 0x9A, 0x9A);
    CarFromBehind(p, Centre + QPointF(-30, 30), 54, grey);
    CarFromBehind(p, Centre + QPointF(30, 30), 54, grey);
    EndOfRestrictionStripes(p);
}

// A lorry seen from the side, facing left, as on the prohibition sign for heavy vehicles.
void LorrySide(QPainter &p, QPointF bottomCentre, double w, const QColor &colour)
{
    const double x = bottomCentre.x() - w / 2, y = bottomCentre.y();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRect(QRectF(x + w * 0.3, y - w * 0.5, w * 0.7, w * 0.38));
    p.drawRoundedRect(QRectF(x, y - w * 0.4, w * 0.27, w * 0.28), 3, 3);
    p.drawRect(QRectF(x, y - w * 0.14, w, w * 0.05));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(x + w * 0.04, y - w * 0.36, w * 0.12, w * 0.1));
    p.setBrush(colour);
    for (double at : {0.14, 0.68, 0.86})
        p.drawEllipse(QPointF(x + w * at, y - w * 0.06), w * 0.075, w * 0.075);
}

void NoHeavyVehicles(QPainter &p)
{
    Backdrop(p);
    ProhibitionSign(p);
    LorrySide(p, Centre + QPointF(0, 34), 120, SignBlack);
}

void LightRed(QPainter &p)
{
    Backdrop(p, 200);
    TrafficLight(p, true, false, false, QPointF(188, 12));
}

void CycleStreet(QPainter &p)
{
    Backdrop(p, 150);
    const QRectF plate(105, 14, 240, 226);
    p.setPen(QPen(QColor(0x66, 0x66, 0x66), 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(plate, 10, 10);
    const QPointF c(225, 96);
    MandatorySign(p, c, 70);
    Bicycle(p, c + QPointF(0, 4), 100, Qt::white);
    CentredText(p, QRectF(plate.left(), 176, plate.width(), 52), QStringLiteral("Fahrradstraße"), 32, SignBlack);
}

} // namespace

void AddMoreSignPainters(QMap<QString, TPicturePainter> &painters)
{
    painters.insert(QStringLiteral("vz_tempo50.jpg"), Speed50);
    painters.insert(QStringLiteral("vz_ortstafel.jpg"), TownBegins);
    painters.insert(QStringLiteral("vz_ortsende.jpg"), TownEnds);
    painters.insert(QStringLiteral("vz_gegenverkehr.jpg"), OncomingTraffic);
    painters.insert(QStringLiteral("vz_verengt_re.jpg"), NarrowingRight);
    painters.insert(QStringLiteral("vz_gefaelle.jpg"), Downhill);
    painters.insert(QStringLiteral("vz_radverkehr.jpg"), CyclistsWarning);
    painters.insert(QStringLiteral("vz_kraftfahrstr.jpg"), Expressway);
    painters.insert(QStringLiteral("vz_rechts_vorbei.jpg"), PassRight);
    painters.insert(QStringLiteral("vz_geradeaus.jpg"), AheadOnly);
    painters.insert(QStringLiteral("vz_ende_ueberh.jpg"), NoOvertakingEnds);
    painters.insert(QStringLiteral("vz_verbot_lkw.jpg"), NoHeavyVehicles);
    painters.insert(QStringLiteral("ampel_rot.jpg"), LightRed);
    painters.insert(QStringLiteral("vz_fahrradstr.jpg"), CycleStreet);
}
