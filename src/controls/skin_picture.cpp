#include "controls/skin_picture.h"

#include "core/velmora_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <cerrno>
#include <cstring>

namespace {

// Why a picture could not be read: the system's reason when the file cannot be opened, otherwise
// the image reader's.
QString failureReason(const QString &path, const QImageReader &reader)
{
    if (!QFileInfo::exists(path))
        return QString::fromLocal8Bit(std::strerror(ENOENT));
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return QString::fromLocal8Bit(std::strerror(errno != 0 ? errno : EACCES));
    return reader.errorString();
}

} // namespace

QString FindSkinFile(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    const QString exact = dir.filePath(name);
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return exact;
}

QPixmap LoadSkinPicture(const QString &folder, const QString &name)
{
    const QString path = FindSkinFile(folder, name);
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        throw VelmoraError(QStringLiteral("Datei %1 kann nicht geöffnet werden. %2")
                               .arg(QDir::toNativeSeparators(path), failureReason(path, reader)));
    }
    return QPixmap::fromImage(image);
}

QString DownPictureName(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0)
        return name + QStringLiteral("_down");
    return name.left(dot) + QStringLiteral("_down") + name.mid(dot);
}
