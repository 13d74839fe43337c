#include "pictures/set_picture_files.h"

#include "core/velmora_error.h"

#include <QFile>
#include <QFileInfo>

bool IsPlainFileName(const QString &name)
{
    if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral(".."))
        return false;
    if (name.contains(u'/') || name.contains(u'\\') || name.contains(QChar(0)))
        return false;
    return !(name.size() >= 2 && name.at(1) == u':' && name.at(0).isLetter());
}

bool IsRegularFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isFile() && !info.isSymLink();
}

bool PathIsTaken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

void CopyRegularFile(const QString &sourcePath, const QString &targetPath)
{
    QFile source(sourcePath);
    if (!IsRegularFile(sourcePath) || !source.open(QIODevice::ReadOnly)) {
        const QString reason = PathIsTaken(sourcePath) && !IsRegularFile(sourcePath)
                                   ? QStringLiteral("Keine gewöhnliche Datei")
                                   : source.errorString();
        throw VelmoraError(QStringLiteral("Datei %1 kann nicht geöffnet werden. %2").arg(sourcePath, reason));
    }
    QFile target(targetPath);
    // NewOnly: never through a link or over a file that appeared meanwhile.
    if (!target.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        throw VelmoraError(
            QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2").arg(targetPath, target.errorString()));
    }
    const auto fail = [&](const QString &reason) {
        target.close();
        QFile::remove(targetPath);
        throw VelmoraError(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2").arg(targetPath, reason));
    };
    const qint64 expected = source.size();
    qint64 copied = 0;
    char buffer[65536];
    for (;;) {
        const qint64 got = source.read(buffer, sizeof buffer);
        if (got < 0)
            fail(source.errorString());
        if (got == 0)
            break;
        if (target.write(buffer, got) != got)
            fail(target.errorString());
        copied += got;
    }
    if (!target.flush() || copied != expected)
        fail(copied != expected ? QStringLiteral("Die Quelle hat sich beim Kopieren verändert") : target.errorString());
    target.close();
    if (target.error() != QFileDevice::NoError)
        fail(target.errorString());
}
