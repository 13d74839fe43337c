#pragma once

// What the screen benches share: ports that answer nothing, and a question picture drawn for them.

#include "core/ports.h"

#include <QImage>
#include <QString>
#include <cmath>

// Answers every question with yes and shows nothing.
class QuietDialogs final : public IDialogPort
{
public:
    void showMessage(const QString &) override {}
    void showInformation(const QString &) override {}
    bool askYesNo(const QString &) override { return true; }
    bool askYesNoWarning(const QString &) override { return true; }
};

class NoEvents final : public IEventPort
{
public:
    void processPendingMessages() override {}
};

// A 450 x 300 JPEG with smooth colours that differ by `seed`, like a shipped question picture.
inline void writeQuestionPicture(const QString &path, int seed)
{
    QImage picture(450, 300, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const double u = x / 450.0, v = y / 300.0;
            picture.setPixel(x, y, qRgb(int(60 + 150 * v + 30 * std::sin(11 * u + seed)), int(120 + 90 * u * v),
                                        int(210 - 140 * v)));
        }
    picture.save(path, "JPEG", 85);
}
