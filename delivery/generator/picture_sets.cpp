#include "picture_sets.h"

#include "source_text.h"

namespace {

void CheckSize(const TSourceFile &file, int line, const QString &what, const QString &value, int size)
{
    if (value.size() > size)
        file.Fail(line, QStringLiteral("%1 höchstens %2 Zeichen").arg(what).arg(size));
    if (!IsWindows1252Text(value))
        file.Fail(line, QStringLiteral("der Text enthält Zeichen, die es in Windows-1252 nicht gibt"));
}

// A teaser text names the set's presenter with exactly one "%s" and has no other "%" in it.
void CheckTeaser(const TSourceFile &file, int line, const QString &text)
{
    if (text.count(QLatin1String("%s")) != 1 || text.count(QLatin1Char('%')) != 1)
        file.Fail(line, QStringLiteral("ein Text braucht genau ein \"%s\" für den Namen und kein weiteres \"%\""));
    CheckSize(file, line, QStringLiteral("Text"), text, 400);
}

TSetSource ReadSet(const QString &path)
{
    const TSourceFile file = TSourceFile::Read(path);
    TSetSource set;
    set.path = path;
    TSetPictureSource *picture = nullptr;
    bool haveName = false;
    for (const TSourceLine &line : file.Lines()) {
        const QString text = line.text.trimmed();
        if (text == u"[Bild]") {
            set.pictures.append(TSetPictureSource());
            picture = &set.pictures.last();
            picture->line = line.number;
            continue;
        }
        QString key, value;
        if (!SplitKeyValue(text, key, value))
            file.Fail(line.number, QStringLiteral("Zeile nicht verstanden: \"%1\"").arg(text));
        if (picture == nullptr) {
            if (key == u"Name") {
                CheckSize(file, line.number, key, value, 30);
                set.name = value;
                haveName = !value.isEmpty();
            } else if (key == u"Wertung") {
                set.rating = ParseInteger(file, line.number, value, 1, 5);
            } else if (key == u"Autor") {
                CheckSize(file, line.number, key, value, 60);
                set.author = value;
            } else if (key == u"Autor_email") {
                CheckSize(file, line.number, key, value, 80);
                set.authorEmail = value;
            } else if (key == u"Autor_website") {
                CheckSize(file, line.number, key, value, 80);
                set.authorWebsite = value;
            } else if (key == u"GirlName") {
                CheckSize(file, line.number, key, value, 40);
                set.girlName = value;
            } else if (key == u"Textgruppe") {
                set.textGroup = value;
            } else if (key == u"Freispielbar") {
                set.unlockable = ParseYesNo(file, line.number, value);
            } else if (key == u"Editierbar") {
                set.editable = ParseYesNo(file, line.number, value);
            } else if (key == u"Freigespielt") {
                set.unlocked = ParseYesNo(file, line.number, value);
            } else {
                file.Fail(line.number, QStringLiteral("unbekannte Angabe \"%1:\"").arg(key));
            }
            continue;
        }
        if (key == u"Name") {
            CheckSize(file, line.number, key, value, 40);
            picture->name = value;
        } else if (key == u"Wertung") {
            picture->rating = ParseInteger(file, line.number, value, 1, 5);
        } else if (key == u"Motiv") {
            const QStringList parts = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (parts.size() != 2)
                file.Fail(line.number, QStringLiteral("\"Motiv: name nummer\" erwartet"));
            picture->motif = parts[0];
            picture->variant = ParseInteger(file, line.number, parts[1], 0, 999);
        } else if (key == u"Datei") {
            picture->file = value;
        } else if (key == u"Text") {
            // A picture's own text is shown as it stands; the presenter's name is not filled in.
            if (value.contains(QLatin1Char('%')))
                file.Fail(line.number, QStringLiteral("der eigene Text eines Bildes wird nicht ergänzt: kein \"%\""));
            CheckSize(file, line.number, key, value, 400);
            picture->text = value;
        } else if (key == u"Freigespielt") {
            picture->unlocked = ParseYesNo(file, line.number, value);
        } else {
            file.Fail(line.number, QStringLiteral("unbekannte Angabe \"%1:\"").arg(key));
        }
    }
    if (!haveName)
        file.Fail(1, QStringLiteral("ein Set braucht einen Namen (\"Name:\")"));
    if (set.pictures.isEmpty())
        file.Fail(1, QStringLiteral("ein Set braucht mindestens ein Bild"));
    for (const TSetPictureSource &p : set.pictures) {
        if (p.name.isEmpty())
            file.Fail(p.line, QStringLiteral("das Bild braucht einen Namen"));
        if (p.motif.isEmpty() == p.file.isEmpty())
            file.Fail(p.line, QStringLiteral("das Bild braucht entweder \"Motiv:\" oder \"Datei:\""));
    }
    return set;
}

TTextGroupSource ReadTextGroup(const QString &path)
{
    const TSourceFile file = TSourceFile::Read(path);
    TTextGroupSource group;
    group.path = path;
    bool inTexts = false;
    for (const TSourceLine &line : file.Lines()) {
        const QString text = line.text.trimmed();
        if (inTexts) {
            CheckTeaser(file, line.number, text);
            group.texts << text;
            continue;
        }
        if (text == u"Texte:") {
            inTexts = true;
            continue;
        }
        QString key, value;
        if (!SplitKeyValue(text, key, value))
            file.Fail(line.number, QStringLiteral("Zeile nicht verstanden: \"%1\"").arg(text));
        if (key == u"Name") {
            CheckSize(file, line.number, key, value, 40);
            group.name = value;
        } else if (key == u"Beschreibung") {
            CheckSize(file, line.number, key, value, 400);
            group.description = value;
        } else {
            file.Fail(line.number, QStringLiteral("unbekannte Angabe \"%1:\"").arg(key));
        }
    }
    if (group.name.isEmpty())
        file.Fail(1, QStringLiteral("eine Textgruppe braucht einen Namen (\"Name:\")"));
    if (group.texts.isEmpty())
        file.Fail(1, QStringLiteral("eine Textgruppe braucht Texte nach der Zeile \"Texte:\""));
    return group;
}

} // namespace

TPictureSetSources TPictureSetSources::Read(const QString &setFolder, const QString &textGroupFolder)
{
    TPictureSetSources sources;
    for (const QString &path : SourceFilesIn(textGroupFolder, QStringLiteral(".txt"))) {
        TTextGroupSource group = ReadTextGroup(path);
        for (const TTextGroupSource &other : sources.textGroups)
            if (other.name == group.name)
                throw TDeliveryError(QStringLiteral("%1: die Textgruppe \"%2\" gibt es schon").arg(path, group.name));
        sources.textGroups << group;
    }
    for (const QString &path : SourceFilesIn(setFolder, QStringLiteral(".txt"))) {
        TSetSource set = ReadSet(path);
        bool found = set.textGroup.isEmpty();
        for (const TTextGroupSource &group : sources.textGroups)
            found = found || group.name == set.textGroup;
        if (!found)
            throw TDeliveryError(QStringLiteral("%1: die Textgruppe \"%2\" gibt es nicht").arg(path, set.textGroup));
        sources.sets << set;
    }
    return sources;
}
