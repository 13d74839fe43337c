#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// Set pictures are portraits of 900 x 1200 pixels, painted from a motif and a variant number:
// the same motif and variant always give the same picture.
inline constexpr int SetPictureWidth = 900;
inline constexpr int SetPictureHeight = 1200;

// "kueste" (coasts), "berge" (mountains), "stadt" (cities at night), "auto" (classic cars),
// "polar" (northern lights).
const QStringList &SetPictureMotifs();

// Paints the picture; fails with a TDeliveryError for an unknown motif.
QImage PaintSetPicture(const QString &motif, int variant);
