#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The installation settings as written in delivery/version.ini (UTF-8): "key=value" lines.
class TInstallationSettingsSource
{
public:
    static TInstallationSettingsSource Read(const QString &path);

    // Every key the program reads, in its reading order; the source must give each of them.
    static const QStringList &RequiredKeys();
    // The wave-file names of all "snd_" cue lists, each once, in order of appearance.
    QStringList CueFileNames() const;
    // The file as the program reads it: Windows-1252, lines ending in CR LF.
    QByteArray ProgramFileBytes() const;

private:
    QList<QPair<QString, QString>> m_entries;
    QStringList m_lines;
};
