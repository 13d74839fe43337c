#include "set_description.h"

#include "core/velmora_error.h"

#include <QFile>
#include <QStringList>

#include <limits>

namespace {

int numberIn(const QString &text, int line, int low, int high)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < low || value > high)
        throw VelmoraError(QStringLiteral("set.txt, Zeile %1: \"%2\" ist keine Zahl von %3 bis %4").arg(line).arg(text).arg(low).arg(high));
    return value;
}

} // namespace

TSetDescription ReadSetDescription(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw VelmoraError(QStringLiteral("Datei %1 kann nicht geöffnet werden. %2").arg(path, file.errorString()));
    TSetDescription set;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNumber = int(i + 1);
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype colon = line.indexOf(u':');
        if (colon <= 0)
            throw VelmoraError(QStringLiteral("set.txt, Zeile %1: \"Schlüssel: Wert\" erwartet").arg(lineNumber));
        const QString key = line.left(colon).trimmed();
        const QString value = line.mid(colon + 1).trimmed();
        if (key == QStringLiteral("Name"))
            set.name = value;
        else if (key == QStringLiteral("Wertung"))
            set.wertung = numberIn(value, lineNumber, 1, 5);
        else if (key == QStringLiteral("Autor"))
            set.autor = value;
        else if (key == QStringLiteral("Autor_email"))
            set.autorEmail = value;
        else if (key == QStringLiteral("Autor_website"))
            set.autorWebsite = value;
        else if (key == QStringLiteral("GirlName"))
            set.girlName = value;
        else if (key == QStringLiteral("TextGruppeID"))
            set.textGruppeId = numberIn(value, lineNumber, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        else if (key == QStringLiteral("Freispielbar"))
            set.freispielbar = value.compare(QStringLiteral("nein"), Qt::CaseInsensitive) != 0;
        else if (key == QStringLiteral("Bild")) {
            const QStringList parts = value.split(u'|');
            TPictureDescription picture;
            picture.file = parts.value(0).trimmed();
            if (parts.size() > 1 && !parts.at(1).trimmed().isEmpty())
                picture.wertung = numberIn(parts.at(1), lineNumber, 1, 5);
            if (parts.size() > 2)
                picture.text = parts.mid(2).join(u'|').trimmed();
            set.pictures << picture;
        } else {
            throw VelmoraError(QStringLiteral("set.txt, Zeile %1: unbekannter Schlüssel \"%2\"").arg(lineNumber).arg(key));
        }
    }
    if (set.name.isEmpty())
        throw VelmoraError(QStringLiteral("set.txt: \"Name\" fehlt"));
    return set;
}
