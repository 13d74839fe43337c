// The painted pictures of the shipped picture sets: landscapes, skies, cities and cars built from
// gradients, layered silhouettes and seeded noise. Every random choice comes from a generator seeded
// with the motif and the variant, so the pictures are the same on every build.
#include "set_pictures.h"

#include "drawing_kit.h"
#include "source_text.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <vector>

namespace {

constexpr int W = SetPictureWidth;
constexpr int H = SetPictureHeight;
constexpr double Pi = 3.14159265358979323846;

struct TPalette
{
    QColor skyTop, skyMiddle, skyHorizon, sun, land, haze;
};

// Skies from dawn to night; a variant picks one.
const TPalette Palettes[] = {
    {QColor(0x1D, 0x2B, 0x5A), QColor(0xC0, 0x5A, 0x7A), QColor(0xFF, 0xB0, 0x6A), QColor(0xFF, 0xE6, 0xA8), QColor(0x2A, 0x24, 0x38), QColor(0xE8, 0x9A, 0x8A)},
    {QColor(0x3A, 0x7B, 0xC8), QColor(0x8C, 0xC0, 0xEA), QColor(0xE8, 0xF4, 0xFA), QColor(0xFF, 0xFB, 0xE8), QColor(0x2F, 0x4A, 0x3A), QColor(0xB8, 0xD2, 0xE4)},
    {QColor(0x10, 0x16, 0x3A), QColor(0x4A, 0x3A, 0x7A), QColor(0xF0, 0x82, 0x4A), QColor(0xFF, 0xC8, 0x7A), QColor(0x1A, 0x18, 0x2A), QColor(0xA0, 0x6A, 0x8A)},
    {QColor(0x5A, 0x8E, 0xC0), QColor(0xF2, 0xC2, 0x9A), QColor(0xFF, 0xE0, 0xB0), QColor(0xFF, 0xF2, 0xD0), QColor(0x3A, 0x3A, 0x4A), QColor(0xE8, 0xC8, 0xB8)},
    {QColor(0x0A, 0x0E, 0x24), QColor(0x1C, 0x2A, 0x5A), QColor(0x3A, 0x5A, 0x8A), QColor(0xF4, 0xF0, 0xE0), QColor(0x0C, 0x10, 0x1C), QColor(0x4A, 0x5A, 0x7A)},
};
constexpr int PaletteCount = int(sizeof(Palettes) / sizeof(Palettes[0]));

std::uint64_t SeedOf(const QString &motif, int variant)
{
    std::uint64_t h = 1469598103934665603ull;
    for (QChar c : motif)
        h = (h ^ c.unicode()) * 1099511628211ull;
    return h ^ (std::uint64_t(variant) * 0x9E3779B97F4A7C15ull);
}

void Sky(QPainter &p, const TPalette &pal, double horizon)
{
    QLinearGradient g(0, 0, 0, horizon);
    g.setColorAt(0, pal.skyTop);
    g.setColorAt(0.55, pal.skyMiddle);
    g.setColorAt(1, pal.skyHorizon);
    p.fillRect(QRectF(0, 0, W, horizon + 2), g);
}

void Sun(QPainter &p, QPointF c, double r, const QColor &colour)
{
    QRadialGradient glow(c, r * 5);
    glow.setColorAt(0, WithAlpha(colour, 150));
    glow.setColorAt(0.3, WithAlpha(colour, 50));
    glow.setColorAt(1, WithAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, r * 5, r * 5);
    p.setBrush(colour);
    p.drawEllipse(c, r, r);
}

void Stars(QPainter &p, TDrawRandom &random, double bottom, int count)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double y = random.Range(0, bottom);
        const double fade = 1.0 - y / bottom;
        const double r = random.Range(0.6, 1.0) + (random.Unit() < 0.05 ? 1.2 : 0);
        p.setBrush(QColor(255, 255, 245, int(60 + 195 * fade * random.Range(0.4, 1.0))));
        p.drawEllipse(QPointF(random.Range(0, W), y), r, r);
    }
}

void Clouds(QPainter &p, TDrawRandom &random, double top, double bottom, const QColor &colour, int count)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double cx = random.Range(-100, W + 100), cy = random.Range(top, bottom);
        const double len = random.Range(160, 420);
        for (int k = 0; k < 9; ++k) {
            const double x = cx + random.Range(-len / 2, len / 2);
            const double y = cy + random.Range(-12, 12);
            QRadialGradient puff(QPointF(x, y), len * 0.25);
            puff.setColorAt(0, WithAlpha(colour, 70));
            puff.setColorAt(1, WithAlpha(colour, 0));
            p.setBrush(puff);
            p.drawEllipse(QPointF(x, y), len * 0.25, len * 0.08);
        }
    }
}

// A smooth random skyline: value noise with several octaves.
std::vector<double> RidgeHeights(TDrawRandom &random, double roughness, double amplitude)
{
    std::vector<double> heights(W + 1, 0.0);
    double amp = amplitude;
    for (int octave = 0; octave < 5; ++octave) {
        const int spacing = std::max(8, int(360 / std::pow(2.0, octave)));
        const int points = W / spacing + 3;
        std::vector<double> control(static_cast<size_t>(points));
        for (double &c : control)
            c = random.Range(-1, 1);
        for (int x = 0; x <= W; ++x) {
            const int i = x / spacing;
            const double t = double(x % spacing) / spacing;
            const double s = t * t * (3 - 2 * t);
            heights[size_t(x)] += amp * (control[size_t(i)] * (1 - s) + control[size_t(i + 1)] * s);
        }
        amp *= roughness;
    }
    return heights;
}

QPainterPath RidgePath(const std::vector<double> &heights, double base, double bottom)
{
    QPainterPath path(QPointF(0, bottom));
    for (int x = 0; x <= W; x += 4)
        path.lineTo(x, base + heights[size_t(x)]);
    path.lineTo(W, bottom);
    path.closeSubpath();
    return path;
}

// Mirrors everything above the water line into the water, with ripples and a tint.
void Reflect(QImage &image, double waterLine, const QColor &tint, TDrawRandom &random)
{
    const int top = int(waterLine);
    const int depth = H - top;
    const QImage above = image.copy(0, std::max(0, top - depth), W, std::min(depth, top)).mirrored(false, true);
    QPainter p(&image);
    SmoothPainter(p);
    const double phase = random.Range(0, 2 * Pi);
    for (int y = 0; y < above.height() && top + y < H; ++y) {
        const double shift = std::sin(y * 0.21 + phase) * (2 + y * 0.02) + std::sin(y * 0.047 + phase * 2) * 3;
        // Each row is drawn a little wider than the picture, so that the ripple never bares an edge.
        p.drawImage(QRectF(shift - 12, top + y, W + 24, 1), above, QRectF(0, y, W, 1));
    }
    QLinearGradient water(0, top, 0, H);
    water.setColorAt(0, WithAlpha(tint, 90));
    water.setColorAt(1, WithAlpha(tint, 200));
    p.fillRect(QRectF(0, top, W, H - top), water);
    p.setPen(QPen(QColor(255, 255, 255, 28), 1.5));
    for (int i = 0; i < 140; ++i) {
        const double y = random.Range(top + 4, H);
        const double x = random.Range(-50, W);
        p.drawLine(QPointF(x, y), QPointF(x + random.Range(30, 140), y));
    }
}

void Conifer(QPainter &p, QPointF base, double height, const QColor &colour)
{
    QPainterPath tree;
    const int tiers = 6;
    for (int i = 0; i < tiers; ++i) {
        const double t0 = double(i) / tiers;
        const double y = base.y() - height * t0 - height * 0.05;
        const double half = height * 0.26 * (1 - t0 * 0.8);
        tree.addPolygon(QPolygonF({QPointF(base.x() - half, y), QPointF(base.x() + half, y),
                                   QPointF(base.x(), y - height * 0.32)}));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(tree);
    p.drawRect(QRectF(base.x() - height * 0.02, base.y() - height * 0.08, height * 0.04, height * 0.08));
}

// --- motifs ---------------------------------------------------------------------------------

void Coast(QImage &image, int variant, TDrawRandom &random)
{
    QPainter p(&image);
    SmoothPainter(p);
    const TPalette &pal = Palettes[variant % 4];
    const double horizon = H * random.Range(0.5, 0.58);
    Sky(p, pal, horizon);
    const QPointF sun(random.Range(W * 0.25, W * 0.75), horizon - random.Range(60, 260));
    Sun(p, sun, random.Range(36, 58), pal.sun);
    Clouds(p, random, horizon * 0.15, horizon * 0.8, pal.haze.lighter(120), 7);
    // Distant headland.
    const auto headland = RidgeHeights(random, 0.5, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(Mix(pal.land, pal.haze, 0.6));
    const bool left = random.Unit() < 0.5;
    p.save();
    p.setClipRect(left ? QRectF(0, 0, W * 0.45, H) : QRectF(W * 0.55, 0, W * 0.45, H));
    p.drawPath(RidgePath(headland, horizon - 30, horizon + 1));
    p.restore();
    p.end();
    Reflect(image, horizon, Mix(pal.skyTop, QColor(0x10, 0x30, 0x50), 0.5), random);
    QPainter q(&image);
    SmoothPainter(q);
    // The sun's glitter path on the water.
    for (int i = 0; i < 90; ++i) {
        const double y = random.Range(horizon + 3, H * 0.82);
        const double spread = 12 + (y - horizon) * 0.35;
        const double x = sun.x() + random.Range(-spread, spread);
        q.setPen(QPen(WithAlpha(pal.sun, int(random.Range(80, 200))), random.Range(1.5, 3)));
        q.drawLine(QPointF(x, y), QPointF(x + random.Range(10, 40), y));
    }
    // Dunes and beach grass in front.
    const auto dune = RidgeHeights(random, 0.45, 40);
    QLinearGradient sand(0, H * 0.82, 0, H);
    sand.setColorAt(0, Mix(QColor(0xE6, 0xC8, 0x96), pal.skyHorizon, 0.3));
    sand.setColorAt(1, Mix(QColor(0x9A, 0x7A, 0x52), pal.land, 0.4));
    q.setPen(Qt::NoPen);
    q.setBrush(sand);
    q.drawPath(RidgePath(dune, H * 0.86, H));
    const QColor grass = Mix(QColor(0x4A, 0x5A, 0x2A), pal.land, 0.5);
    for (int i = 0; i < 260; ++i) {
        const double x = random.Range(0, W);
        const double y = H * 0.86 + dune[size_t(std::clamp(int(x), 0, W))] + random.Range(0, 30);
        const double h = random.Range(40, 120);
        const double lean = random.Range(-30, 30);
        q.setPen(QPen(WithAlpha(grass, 220), random.Range(1.5, 3)));
        QPainterPath blade(QPointF(x, y));
        blade.quadTo(QPointF(x + lean * 0.3, y - h * 0.6), QPointF(x + lean, y - h));
        q.drawPath(blade);
    }
    if (variant % 3 == 1) {
        // A lighthouse on the headland.
        const double x = left ? W * 0.2 : W * 0.8, base = horizon - 24;
        q.setBrush(QColor(0xF0, 0xEC, 0xE4));
        q.drawPolygon(QPolygonF({QPointF(x - 14, base), QPointF(x + 14, base), QPointF(x + 9, base - 110), QPointF(x - 9, base - 110)}));
        q.setBrush(QColor(0xC0, 0x30, 0x30));
        q.drawRect(QRectF(x - 12, base - 40, 24, 18));
        q.drawRect(QRectF(x - 10, base - 86, 20, 16));
        q.setBrush(QColor(0xFF, 0xF0, 0xB0));
        q.drawRect(QRectF(x - 8, base - 124, 16, 14));
        q.setBrush(QColor(0x30, 0x30, 0x30));
        q.drawPolygon(QPolygonF({QPointF(x - 11, base - 124), QPointF(x + 11, base - 124), QPointF(x, base - 138)}));
    }
}

void Mountains(QImage &image, int variant, TDrawRandom &random)
{
    QPainter p(&image);
    SmoothPainter(p);
    const TPalette &pal = Palettes[(variant + 1) % 4];
    const double lake = H * random.Range(0.66, 0.74);
    Sky(p, pal, lake);
    Sun(p, QPointF(random.Range(W * 0.2, W * 0.8), random.Range(H * 0.12, H * 0.3)), random.Range(30, 46), pal.sun);
    Clouds(p, random, H * 0.08, H * 0.35, Qt::white, 5);
    const int layers = 5;
    for (int i = 0; i < layers; ++i) {
        const double t = double(i) / (layers - 1);
        const auto heights = RidgeHeights(random, 0.52, 150 - t * 70);
        const double base = H * (0.36 + t * 0.26);
        QLinearGradient shade(0, base - 200, 0, lake);
        const QColor colour = Mix(pal.haze, pal.land, 0.25 + t * 0.75);
        shade.setColorAt(0, colour.lighter(112));
        shade.setColorAt(1, colour);
        p.setPen(Qt::NoPen);
        p.setBrush(shade);
        p.drawPath(RidgePath(heights, base, lake + 2));
        if (i == 0) {
            // Snow on the highest ridge, fading out towards its foot.
            p.save();
            p.setClipPath(RidgePath(heights, base, lake));
            QLinearGradient snow(0, base - 120, 0, base + 10);
            snow.setColorAt(0, QColor(255, 255, 255, 235));
            snow.setColorAt(0.6, QColor(255, 255, 255, 150));
            snow.setColorAt(1, QColor(255, 255, 255, 0));
            p.fillRect(QRectF(0, base - 400, W, 410), snow);
            p.restore();
        }
        QLinearGradient mist(0, base + 30, 0, base + 170);
        mist.setColorAt(0, WithAlpha(pal.haze, 0));
        mist.setColorAt(0.5, WithAlpha(pal.haze, 80));
        mist.setColorAt(1, WithAlpha(pal.haze, 0));
        p.fillRect(QRectF(0, base + 30, W, 140), mist);
    }
    for (int i = 0; i < 26; ++i) {
        const double x = random.Range(-20, W + 20);
        Conifer(p, QPointF(x, lake + 2), random.Range(60, 170), pal.land.darker(140));
    }
    p.end();
    Reflect(image, lake, Mix(pal.skyTop, QColor(0x14, 0x2A, 0x30), 0.6), random);
    QPainter q(&image);
    SmoothPainter(q);
    // The near shore with a few large firs.
    const auto shore = RidgeHeights(random, 0.4, 30);
    q.setPen(Qt::NoPen);
    q.setBrush(pal.land.darker(180));
    q.drawPath(RidgePath(shore, H * 0.93, H));
    for (int i = 0; i < 4; ++i) {
        const double x = random.Unit() < 0.5 ? random.Range(-40, W * 0.25) : random.Range(W * 0.75, W + 40);
        Conifer(q, QPointF(x, H * 0.95), random.Range(380, 620), pal.land.darker(220));
    }
}

void City(QImage &image, int variant, TDrawRandom &random)
{
    QPainter p(&image);
    SmoothPainter(p);
    const TPalette &pal = Palettes[variant % 2 == 0 ? 2 : 4];
    const double water = H * random.Range(0.64, 0.7);
    Sky(p, pal, water);
    Stars(p, random, water * 0.6, 260);
    if (variant % 2 == 1) {
        const QPointF moon(random.Range(W * 0.2, W * 0.8), random.Range(H * 0.08, H * 0.2));
        Sun(p, moon, 34, QColor(0xF4, 0xF0, 0xDC));
        p.setBrush(pal.skyTop);
        p.drawEllipse(moon + QPointF(14, -8), 30, 30);
    }
    // Three rows of buildings, the far ones hazier and with fewer lights.
    for (int row = 0; row < 3; ++row) {
        const double t = row / 2.0;
        const QColor wall = Mix(Mix(pal.skyMiddle, pal.skyTop, 0.5), QColor(0x08, 0x0A, 0x14), 0.35 + t * 0.55);
        double x = random.Range(-60, 0);
        while (x < W) {
            const double w = random.Range(40, 120) * (1 + t * 0.5);
            const double h = random.Range(120, 420) * (1.25 - t * 0.35) + (random.Unit() < 0.12 ? 220 : 0);
            const QRectF b(x, water - h, w, h + 2);
            p.setPen(Qt::NoPen);
            p.setBrush(wall);
            p.drawRect(b);
            if (random.Unit() < 0.3) {
                p.drawRect(QRectF(b.center().x() - 2, b.top() - random.Range(20, 70), 4, 70));
                p.setBrush(QColor(0xFF, 0x40, 0x30));
                p.drawEllipse(QPointF(b.center().x(), b.top() - 60), 3, 3);
            }
            const double lit = 0.18 + t * 0.2;
            for (double wy = b.top() + 10; wy < water - 12; wy += 16)
                for (double wx = b.left() + 7; wx < b.right() - 10; wx += 12)
                    if (random.Unit() < lit) {
                        p.setBrush(WithAlpha(Mix(QColor(0xFF, 0xD8, 0x8A), QColor(0xFF, 0xF6, 0xE0), random.Unit()),
                                             int(140 + 100 * t)));
                        p.drawRect(QRectF(wx, wy, 6, 8));
                    }
            x += w + random.Range(0, 12);
        }
    }
    p.end();
    Reflect(image, water, QColor(0x06, 0x0A, 0x1C), random);
    QPainter q(&image);
    SmoothPainter(q);
    // A quay in front, with lamps along it.
    q.setPen(Qt::NoPen);
    q.setBrush(QColor(0x0C, 0x0C, 0x14));
    q.drawRect(QRectF(0, H * 0.92, W, H * 0.08));
    for (int i = 0; i < 5; ++i) {
        const double x = 80 + i * 190 + random.Range(-20, 20);
        q.setBrush(QColor(0x18, 0x18, 0x20));
        q.drawRect(QRectF(x - 3, H * 0.92 - 120, 6, 120));
        QRadialGradient lamp(QPointF(x, H * 0.92 - 124), 60);
        lamp.setColorAt(0, QColor(0xFF, 0xD0, 0x80, 200));
        lamp.setColorAt(1, QColor(0xFF, 0xD0, 0x80, 0));
        q.setBrush(lamp);
        q.drawEllipse(QPointF(x, H * 0.92 - 124), 60, 60);
    }
}

// A classic car in profile on an open road, in front of a big sky.
void ClassicCar(QImage &image, int variant, TDrawRandom &random)
{
    QPainter p(&image);
    SmoothPainter(p);
    const TPalette &pal = Palettes[(variant + 2) % 4];
    const double horizon = H * 0.62;
    Sky(p, pal, horizon);
    Sun(p, QPointF(random.Range(W * 0.2, W * 0.8), random.Range(H * 0.25, H * 0.45)), random.Range(50, 80), pal.sun);
    Clouds(p, random, H * 0.1, H * 0.5, pal.haze.lighter(115), 6);
    const auto hills = RidgeHeights(random, 0.5, 50);
    p.setPen(Qt::NoPen);
    p.setBrush(Mix(pal.land, pal.haze, 0.5));
    p.drawPath(RidgePath(hills, horizon - 20, horizon + 2));
    QLinearGradient ground(0, horizon, 0, H);
    ground.setColorAt(0, Mix(pal.land, pal.skyHorizon, 0.3));
    ground.setColorAt(1, pal.land.darker(130));
    p.fillRect(QRectF(0, horizon, W, H - horizon), ground);
    // The road: a band across the picture, with a wet sheen.
    const double roadTop = H * 0.74, roadBottom = H * 0.9;
    QLinearGradient road(0, roadTop, 0, roadBottom);
    road.setColorAt(0, QColor(0x3A, 0x3C, 0x44));
    road.setColorAt(1, QColor(0x22, 0x24, 0x2A));
    p.fillRect(QRectF(0, roadTop, W, roadBottom - roadTop), road);
    p.setPen(QPen(QColor(0xE8, 0xE0, 0xC0, 200), 5, Qt::SolidLine, Qt::FlatCap));
    for (double x = -40; x < W; x += 120)
        p.drawLine(QPointF(x, roadBottom - 14), QPointF(x + 70, roadBottom - 14));

    static const QColor bodies[] = {QColor(0xB0, 0x1E, 0x2A), QColor(0x1E, 0x4E, 0x8A), QColor(0x2E, 0x6A, 0x4A),
                                    QColor(0xE8, 0xD8, 0xB8), QColor(0x3A, 0x3A, 0x40), QColor(0xE0, 0x8A, 0x2A)};
    const QColor body = bodies[variant % 6];
    const double l = W * 0.86, left = (W - l) / 2, ground0 = roadTop + 120;
    const double wheelR = l * 0.085;
    const bool roundRoof = variant % 2 == 0;
    // Body: long bonnet, rounded wings, cabin set back.
    QPainterPath shell;
    shell.moveTo(left, ground0 - wheelR * 0.9);
    shell.cubicTo(left, ground0 - wheelR * 2.3, left + l * 0.06, ground0 - wheelR * 2.5, left + l * 0.16, ground0 - wheelR * 2.45);
    shell.lineTo(left + l * 0.36, ground0 - wheelR * 2.55);
    if (roundRoof) {
        shell.cubicTo(left + l * 0.42, ground0 - wheelR * 4.3, left + l * 0.68, ground0 - wheelR * 4.4, left + l * 0.76, ground0 - wheelR * 2.6);
    } else {
        shell.lineTo(left + l * 0.42, ground0 - wheelR * 3.9);
        shell.lineTo(left + l * 0.7, ground0 - wheelR * 3.9);
        shell.lineTo(left + l * 0.8, ground0 - wheelR * 2.6);
    }
    shell.cubicTo(left + l * 0.94, ground0 - wheelR * 2.55, left + l, ground0 - wheelR * 2.2, left + l, ground0 - wheelR * 1.1);
    shell.lineTo(left + l, ground0 - wheelR * 0.9);
    shell.closeSubpath();
    QLinearGradient paint(0, ground0 - wheelR * 4.4, 0, ground0);
    paint.setColorAt(0, body.lighter(150));
    paint.setColorAt(0.45, body);
    paint.setColorAt(1, body.darker(170));
    p.setPen(QPen(body.darker(220), 2));
    p.setBrush(paint);
    p.drawPath(shell);
    // Windows.
    QPainterPath glass;
    if (roundRoof) {
        glass.moveTo(left + l * 0.4, ground0 - wheelR * 2.7);
        glass.cubicTo(left + l * 0.45, ground0 - wheelR * 3.95, left + l * 0.66, ground0 - wheelR * 4.0, left + l * 0.72, ground0 - wheelR * 2.7);
    } else {
        glass.moveTo(left + l * 0.43, ground0 - wheelR * 2.7);
        glass.lineTo(left + l * 0.46, ground0 - wheelR * 3.65);
        glass.lineTo(left + l * 0.68, ground0 - wheelR * 3.65);
        glass.lineTo(left + l * 0.76, ground0 - wheelR * 2.7);
    }
    glass.closeSubpath();
    QLinearGradient sheen(left + l * 0.4, ground0 - wheelR * 4, left + l * 0.75, ground0 - wheelR * 2.6);
    sheen.setColorAt(0, Mix(pal.skyHorizon, QColor(0x20, 0x28, 0x38), 0.3));
    sheen.setColorAt(1, QColor(0x18, 0x20, 0x2C));
    p.setPen(QPen(QColor(0xD8, 0xDA, 0xDE), 3));
    p.setBrush(sheen);
    p.drawPath(glass);
    p.drawLine(QPointF(left + l * 0.575, ground0 - wheelR * 2.7), QPointF(left + l * 0.575, ground0 - wheelR * 3.9));
    // Chrome: side strip and bumpers, lights.
    p.setPen(QPen(QColor(0xE4, 0xE6, 0xEA), 4));
    p.drawLine(QPointF(left + l * 0.04, ground0 - wheelR * 1.9), QPointF(left + l * 0.96, ground0 - wheelR * 1.9));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD8, 0xDA, 0xDE));
    p.drawRoundedRect(QRectF(left + l * 0.965, ground0 - wheelR * 1.25, l * 0.045, wheelR * 0.35), 5, 5);
    p.drawRoundedRect(QRectF(left - l * 0.01, ground0 - wheelR * 1.25, l * 0.045, wheelR * 0.35), 5, 5);
    QRadialGradient headlight(QPointF(left + l * 0.985, ground0 - wheelR * 1.75), 46);
    headlight.setColorAt(0, QColor(0xFF, 0xF8, 0xD8, 255));
    headlight.setColorAt(1, QColor(0xFF, 0xF8, 0xD8, 0));
    p.setBrush(headlight);
    p.drawEllipse(QPointF(left + l * 0.985, ground0 - wheelR * 1.75), 46, 46);
    p.setBrush(QColor(0xE0, 0x20, 0x20));
    p.drawRoundedRect(QRectF(left + l * 0.002, ground0 - wheelR * 2.0, l * 0.012, wheelR * 0.4), 3, 3);
    // Wheels with white walls and hub caps.
    for (double wx : {left + l * 0.2, left + l * 0.8}) {
        const QPointF c(wx, ground0 - wheelR);
        p.setBrush(QColor(0x14, 0x14, 0x16));
        p.drawEllipse(c, wheelR * 1.12, wheelR * 1.12);
        p.setBrush(QColor(0x10, 0x10, 0x10));
        p.drawEllipse(c, wheelR, wheelR);
        p.setBrush(QColor(0xEE, 0xEE, 0xE8));
        p.drawEllipse(c, wheelR * 0.72, wheelR * 0.72);
        QRadialGradient hub(c - QPointF(wheelR * 0.15, wheelR * 0.15), wheelR * 0.6);
        hub.setColorAt(0, QColor(0xFA, 0xFA, 0xFA));
        hub.setColorAt(1, QColor(0x80, 0x84, 0x8A));
        p.setBrush(hub);
        p.drawEllipse(c, wheelR * 0.55, wheelR * 0.55);
    }
    p.end();
    // Its mirror image on the wet road, fading away from the wheels.
    const QRect carBox(int(left - l * 0.02), int(ground0 - wheelR * 4.5), int(l * 1.06), int(wheelR * 4.5));
    QImage mirror = image.copy(carBox).mirrored(false, true).convertToFormat(QImage::Format_ARGB32);
    {
        QPainter fade(&mirror);
        fade.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QLinearGradient g(0, 0, 0, mirror.height() * 0.6);
        g.setColorAt(0, QColor(0, 0, 0, 90));
        g.setColorAt(1, QColor(0, 0, 0, 0));
        fade.fillRect(mirror.rect(), g);
    }
    QPainter q(&image);
    q.setClipRect(QRectF(0, ground0, W, roadBottom - ground0));
    q.drawImage(carBox.topLeft() + QPoint(0, carBox.height()), mirror);
}

void NorthernLights(QImage &image, int variant, TDrawRandom &random)
{
    QPainter p(&image);
    SmoothPainter(p);
    const TPalette &pal = Palettes[4];
    const double lake = H * random.Range(0.68, 0.74);
    Sky(p, pal, lake);
    Stars(p, random, lake, 700);
    static const QColor curtains[][2] = {
        {QColor(0x40, 0xFF, 0x9A), QColor(0x7A, 0x5A, 0xFF)},
        {QColor(0x30, 0xE8, 0xC8), QColor(0x40, 0xA0, 0xFF)},
        {QColor(0x8A, 0xFF, 0x6A), QColor(0xFF, 0x5A, 0xB8)},
    };
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    const int bands = 2 + variant % 2;
    for (int b = 0; b < bands; ++b) {
        const QColor low = curtains[(variant + b) % 3][0], high = curtains[(variant + b) % 3][1];
        const double base = H * random.Range(0.3, 0.5);
        const double amp = random.Range(60, 160), freq = random.Range(1.2, 2.6), phase = random.Range(0, 2 * Pi);
        for (int x = -20; x < W + 20; x += 3) {
            const double y = base + amp * std::sin(x / double(W) * freq * Pi + phase) + 30 * std::sin(x * 0.021 + phase);
            const double h = random.Range(160, 380) * (0.6 + 0.4 * std::sin(x * 0.013 + phase * 3));
            QLinearGradient ray(0, y, 0, y - h);
            ray.setColorAt(0, WithAlpha(low, 0));
            ray.setColorAt(0.08, WithAlpha(low, 38));
            ray.setColorAt(0.5, WithAlpha(Mix(low, high, 0.5), 16));
            ray.setColorAt(1, WithAlpha(high, 0));
            p.setPen(QPen(QBrush(ray), 4));
            p.drawLine(QPointF(x, y), QPointF(x + 6, y - h));
        }
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // Snowy hills with dark forests.
    for (int i = 0; i < 2; ++i) {
        const auto hills = RidgeHeights(random, 0.5, 60 - i * 20);
        p.setPen(Qt::NoPen);
        p.setBrush(Mix(QColor(0x9A, 0xAE, 0xCC), pal.skyTop, 0.35 + i * 0.3));
        p.drawPath(RidgePath(hills, lake - 90 + i * 60, lake + 2));
    }
    for (int i = 0; i < 40; ++i)
        Conifer(p, QPointF(random.Range(-20, W + 20), lake + 2), random.Range(40, 110), QColor(0x06, 0x0A, 0x12));
    if (variant % 3 == 0) {
        // A small cabin with a lit window on the shore.
        const double x = random.Range(W * 0.2, W * 0.7), y = lake;
        p.setBrush(QColor(0x1A, 0x12, 0x10));
        p.drawRect(QRectF(x, y - 44, 70, 44));
        p.drawPolygon(QPolygonF({QPointF(x - 8, y - 44), QPointF(x + 78, y - 44), QPointF(x + 35, y - 76)}));
        p.setBrush(QColor(0xFF, 0xC8, 0x60));
        p.drawRect(QRectF(x + 12, y - 32, 14, 12));
        QRadialGradient glow(QPointF(x + 19, y - 26), 40);
        glow.setColorAt(0, QColor(0xFF, 0xC8, 0x60, 90));
        glow.setColorAt(1, QColor(0xFF, 0xC8, 0x60, 0));
        p.setBrush(glow);
        p.drawEllipse(QPointF(x + 19, y - 26), 40, 40);
    }
    p.end();
    Reflect(image, lake, QColor(0x04, 0x08, 0x14), random);
    QPainter q(&image);
    SmoothPainter(q);
    // Snow on the near shore.
    const auto shore = RidgeHeights(random, 0.45, 26);
    QLinearGradient snow(0, H * 0.9, 0, H);
    snow.setColorAt(0, QColor(0xB8, 0xC8, 0xE0));
    snow.setColorAt(1, QColor(0x5A, 0x6A, 0x8A));
    q.setPen(Qt::NoPen);
    q.setBrush(snow);
    q.drawPath(RidgePath(shore, H * 0.93, H));
}

} // namespace

const QStringList &SetPictureMotifs()
{
    static const QStringList motifs = {QStringLiteral("kueste"), QStringLiteral("berge"), QStringLiteral("stadt"),
                                       QStringLiteral("auto"), QStringLiteral("polar")};
    return motifs;
}

QImage PaintSetPicture(const QString &motif, int variant)
{
    QImage image = NewCanvas(W, H);
    TDrawRandom random(SeedOf(motif, variant));
    if (motif == u"kueste")
        Coast(image, variant, random);
    else if (motif == u"berge")
        Mountains(image, variant, random);
    else if (motif == u"stadt")
        City(image, variant, random);
    else if (motif == u"auto")
        ClassicCar(image, variant, random);
    else if (motif == u"polar")
        NorthernLights(image, variant, random);
    else
        throw TDeliveryError(QStringLiteral("unbekanntes Motiv \"%1\" (bekannt: %2)").arg(motif, SetPictureMotifs().join(QStringLiteral(", "))));
    return image;
}
