#include "ui/support/skin_fixture.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <stdexcept>

void WriteTestBitmap(const QString &path, QSize size, QColor colour)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, QImage::Format_RGB888);
    image.fill(colour);
    if (!image.save(path, "BMP"))
        throw std::runtime_error("cannot write test bitmap " + path.toStdString());
}
