#pragma once

#include <QColor>
#include <QSize>
#include <QString>

// Writes a plain-coloured Windows bitmap of the given size, creating folders on the way.
void WriteTestBitmap(const QString &path, QSize size, QColor colour);

#include <QByteArray>
#include <QList>
#include <QPair>

// Writes a zip archive with the given members (name, content), stored uncompressed.
void WriteTestZip(const QString &path, const QList<QPair<QString, QByteArray>> &members);
// A JPEG picture of one colour.
QByteArray TestJpeg(QSize size, QColor colour);
