#include "ui/support/skin_fixture.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

void WriteTestBitmap(const QString &path, QSize size, QColor colour)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, QImage::Format_RGB888);
    image.fill(colour);
    if (!image.save(path, "BMP"))
        throw std::runtime_error("cannot write test bitmap " + path.toStdString());
}

#include <QBuffer>
#include <zip.h>

void WriteTestZip(const QString &path, const QList<QPair<QString, QByteArray>> &members)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (archive == nullptr)
        throw std::runtime_error("cannot create test zip");
    for (const auto &[name, content] : members) {
        // The buffer must live until zip_close: libzip copies it when asked to free it.
        zip_source_t *source = nullptr;
        if (content.isEmpty()) {
            source = zip_source_buffer(archive, nullptr, 0, 0);
        } else {
            void *copy = std::malloc(size_t(content.size()));
            std::memcpy(copy, content.constData(), size_t(content.size()));
            source = zip_source_buffer(archive, copy, zip_uint64_t(content.size()), 1);
        }
        const zip_int64_t index = zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0)
            throw std::runtime_error("cannot add test zip member");
        zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_STORE, 0);
    }
    if (zip_close(archive) != 0)
        throw std::runtime_error("cannot write test zip");
}

QByteArray TestJpeg(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB888);
    image.fill(colour);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 95);
    return jpeg;
}
