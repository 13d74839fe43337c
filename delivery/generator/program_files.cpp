#include "program_files.h"

#include "source_text.h"

const QStringList &TInstallationSettingsSource::RequiredKeys()
{
    static const QStringList keys = [] {
        QStringList k = {QStringLiteral("velmorasets"), QStringLiteral("kranzhof"), QStringLiteral("brennholt"),
                         QStringLiteral("showgoodbyeform")};
        for (int i = 1; i <= 10; ++i)
            k << QStringLiteral("Int%1").arg(i);
        for (int i = 20; i <= 24; ++i)
            k << QStringLiteral("Int%1").arg(i);
        for (const char *cue : {"pop", "leavebilder", "versager", "pimp", "auswerten", "quit", "nocheintest",
                                "datenzuruecksetzen", "naechstefrage", "vorherigefrage", "bildgekauft", "zuteuer",
                                "bilderanzeigen", "pimptraining", "nachschlagen", "einstellungen"})
            k << QStringLiteral("snd_") + QLatin1String(cue);
        return k;
    }();
    return keys;
}

TInstallationSettingsSource TInstallationSettingsSource::Read(const QString &path)
{
    const TSourceFile file = TSourceFile::Read(path);
    TInstallationSettingsSource settings;
    for (const TSourceLine &line : file.Lines()) {
        const qsizetype eq = line.text.indexOf(QLatin1Char('='));
        if (eq <= 0)
            file.Fail(line.number, QStringLiteral("\"schlüssel=wert\" erwartet"));
        const QString key = line.text.left(eq), value = line.text.mid(eq + 1);
        // The program takes keys and values untrimmed; blanks next to "=" would make a key unreadable.
        if (key != key.trimmed() || value != value.trimmed())
            file.Fail(line.number, QStringLiteral("keine Leerzeichen vor oder nach \"=\""));
        if (!IsWindows1252Text(line.text))
            file.Fail(line.number, QStringLiteral("der Text enthält Zeichen, die es in Windows-1252 nicht gibt"));
        for (const auto &entry : settings.m_entries)
            if (entry.first.compare(key, Qt::CaseInsensitive) == 0)
                file.Fail(line.number, QStringLiteral("\"%1\" steht zweimal in der Datei").arg(key));
        if (key.startsWith(QLatin1String("Int"))) {
            bool ok = false;
            value.toInt(&ok);
            if (!ok)
                file.Fail(line.number, QStringLiteral("\"%1\" braucht eine ganze Zahl").arg(key));
        }
        if (key == u"snd_auswerten" && value.contains(QLatin1Char(';')))
            file.Fail(line.number, QStringLiteral("snd_auswerten wird als ein einziger Dateiname gelesen"));
        if (key.startsWith(QLatin1String("snd_")))
            for (const QString &name : value.split(QLatin1Char(';')))
                if (name.isEmpty() || name != name.trimmed())
                    file.Fail(line.number, QStringLiteral("leerer Dateiname oder Leerzeichen in der Liste \"%1\"").arg(value));
        settings.m_entries.append({key, value});
        settings.m_lines << line.text;
    }
    for (const QString &key : RequiredKeys()) {
        bool found = false;
        for (const auto &entry : settings.m_entries)
            found = found || entry.first == key;
        if (!found)
            throw TDeliveryError(QStringLiteral("%1: der Schlüssel \"%2\" fehlt").arg(path, key));
    }
    return settings;
}

QStringList TInstallationSettingsSource::CueFileNames() const
{
    QStringList names;
    for (const auto &entry : m_entries)
        if (entry.first.startsWith(QLatin1String("snd_")))
            for (const QString &name : entry.second.split(QLatin1Char(';')))
                if (!names.contains(name))
                    names << name;
    return names;
}

QByteArray TInstallationSettingsSource::ProgramFileBytes() const
{
    QByteArray bytes;
    for (const QString &line : m_lines)
        bytes += ToWindows1252(line) + "\r\n";
    return bytes;
}
