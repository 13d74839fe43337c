#pragma once

#include <QMap>
#include <QString>

class QPainter;

// Question pictures are drawn at 450 x 300 pixels: the 3:2 shape of the question screen's picture
// box (301 x 201), so that the fitted picture fills it.
inline constexpr int QuestionPictureWidth = 450;
inline constexpr int QuestionPictureHeight = 300;

using TPicturePainter = void (*)(QPainter &painter);

// Every question picture the generator can draw, by the file name a question gives in "Bild:".
const QMap<QString, TPicturePainter> &QuestionPicturePainters();

// The parts of the registry: traffic signs and lights, and situations seen from above.
void AddSignPainters(QMap<QString, TPicturePainter> &painters);
void AddMoreSignPainters(QMap<QString, TPicturePainter> &painters);
void AddScenePainters(QMap<QString, TPicturePainter> &painters);
void AddMoreScenePainters(QMap<QString, TPicturePainter> &painters);
