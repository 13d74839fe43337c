#include "core/ZephFileList.h"

#include "core/ports.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

QFileInfoList sortedEntries(const QDir &dir, QDir::Filters filters)
{
    QFileInfoList entries = dir.entryInfoList(filters, QDir::Unsorted);
    std::sort(entries.begin(), entries.end(), [](const QFileInfo &a, const QFileInfo &b) {
        const int folded = a.fileName().compare(b.fileName(), Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a.fileName() < b.fileName();
    });
    return entries;
}

void collectFiles(const QString &folder, QStringList &paths)
{
    const QDir dir(folder);
    const QString prefix = folder.endsWith(u'/') ? folder : folder + u'/';

    // Files, including dot files and dangling links (QDir::System), never folders.
    for (const QFileInfo &entry : sortedEntries(dir, QDir::Files | QDir::Hidden | QDir::System))
        paths << prefix + entry.fileName();

    for (const QFileInfo &entry :
         sortedEntries(dir, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks)) {
        if (entry.fileName().startsWith(u'.'))
            continue;
        collectFiles(prefix + entry.fileName(), paths);
    }
}

} // namespace

QStringList ListFiles(const QString &folder, IEventPort *events)
{
    QStringList paths;
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        collectFiles(folder, paths);
    if (events)
        events->processPendingMessages();
    return paths;
}
