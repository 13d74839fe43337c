#pragma once

#include <QColor>
#include <QSize>
#include <QString>

// Writes a plain-coloured Windows bitmap of the given size, creating folders on the way.
void WriteTestBitmap(const QString &path, QSize size, QColor colour);
