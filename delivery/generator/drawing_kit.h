#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QString>

#include <cstdint>

// A small, fully specified random generator (SplitMix64), so that every picture and sound comes
// out the same on every machine and run for the same seed.
class TDrawRandom
{
public:
    explicit TDrawRandom(std::uint64_t seed) : m_state(seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull) {}
    std::uint64_t NextBits()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double Unit() { return double(NextBits() >> 11) * (1.0 / 9007199254740992.0); }
    double Range(double low, double high) { return low + (high - low) * Unit(); }
    int Below(int n) { return int(NextBits() % std::uint64_t(n)); }

private:
    std::uint64_t m_state;
};

inline QColor Mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t), float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

inline QColor WithAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

// The sans-serif face used for every lettering (DejaVu, present on every Debian desktop).
QFont SignFont(double pixelSize, bool bold = true, bool condensed = true);

// Writes the image as a baseline JPEG with the given quality; fails with a TDeliveryError.
void SaveJpeg(const QImage &image, const QString &path, int quality);

// A fresh RGB image filled with white, and a painter set up for smooth drawing.
QImage NewCanvas(int width, int height);
void SmoothPainter(QPainter &painter);
