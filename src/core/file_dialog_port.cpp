#include "core/file_dialog_port.h"

#include <QFileInfo>

QStringList NameFiltersOf(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        filters << QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), patterns.simplified());
    }
    return filters;
}

QString SuffixOf(const QString &defaultExtension)
{
    QString suffix = defaultExtension.trimmed();
    if (suffix.startsWith(u'*'))
        suffix.remove(0, 1);
    if (suffix.startsWith(u'.'))
        suffix.remove(0, 1);
    // "*" alone (any extension) is no extension to add.
    return suffix.contains(u'*') ? QString() : suffix;
}

QString WithDefaultExtension(const QString &path, const QString &defaultExtension)
{
    const QString suffix = SuffixOf(defaultExtension);
    if (path.isEmpty() || suffix.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + u'.' + suffix;
}
