#include "sound/sound_files.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

bool IsWebAddress(const QString &entry)
{
    for (const char *scheme : {"http://", "https://", "ftp://"}) {
        if (entry.startsWith(QLatin1String(scheme), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QString FindSoundFile(const QString &path)
{
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash < 0)
        return path;
    const QString name = path.mid(slash + 1);
    const QString folder = slash == 0 ? QStringLiteral("/") : FindSoundFile(path.left(slash));
    if (name.isEmpty() || name == u"." || name == u"..")
        return folder == u"/" ? folder + name : folder + u'/' + name;
    const QDir dir(folder);
    if (!dir.exists())
        return path;
    if (QFileInfo::exists(dir.filePath(name)))
        return dir.filePath(name);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return path;
}
