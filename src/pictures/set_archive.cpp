#include "pictures/set_archive.h"

#include "core/velmora_error.h"
#include "data/record_table.h"
#include "data/table_fields.h"
#include "data/table_schemas.h"
#include "pictures/jpeg_decoder.h"
#include "pictures/set_picture_files.h"
#include "pictures/zip_archive.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <limits>

namespace fs = fields::sets;
namespace fb = fields::bilder;

namespace {

[[noreturn]] void refuse(const QString &archivePath, const QString &reason)
{
    throw VelmoraError(QStringLiteral("Set-Archiv %1: %2").arg(archivePath, reason));
}

void writeMember(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    // NewOnly: never through a link or over another member.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        throw VelmoraError(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2").arg(path, file.errorString()));
    }
}

// Values of a scratch table loaded from an archive: its fields are whatever the file declares, so
// every read copes with a missing field, a null and a value of another type.
QVariant valueOf(TRecordTable &table, QLatin1String name)
{
    const TField field = table.FindField(QString(name));
    return field.IsValid() ? field.AsVariant() : QVariant();
}

qint64 numberOf(TRecordTable &table, QLatin1String name, qint64 fallback)
{
    const QVariant value = valueOf(table, name);
    bool ok = false;
    const qint64 number = value.toLongLong(&ok);
    return ok ? number : fallback;
}

QString textOf(TRecordTable &table, QLatin1String name, int size = 0)
{
    QString text = valueOf(table, name).toString();
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);
    if (size > 0 && text.size() > size)
        text.truncate(size);
    return text;
}

bool flagOf(TRecordTable &table, QLatin1String name)
{
    return numberOf(table, name, 0) != 0;
}

int clampedRating(qint64 rating)
{
    return int(std::clamp<qint64>(rating, 1, 5));
}

void loadTable(TRecordTable &table, const QString &path, const QString &archivePath, const char *member)
{
    try {
        table.LoadFromFile(path);
    } catch (const VelmoraError &error) {
        refuse(archivePath, QStringLiteral("\"%1\" ist keine lesbare Tabelle (%2)").arg(QLatin1String(member), error.message()));
    }
}

TArchivedSet readSet(const QString &setsFile, const QString &archivePath)
{
    TRecordTable scratch;
    loadTable(scratch, setsFile, archivePath, setarchive::SetsMember);
    scratch.First();
    TArchivedSet set;
    if (scratch.IsEmpty() || (set.name = textOf(scratch, fs::Name, 30)).isEmpty())
        refuse(archivePath, QStringLiteral("\"sets.tmp\" enthält kein Set mit Namen"));
    set.autor = textOf(scratch, fs::Autor, 60);
    set.autorEmail = textOf(scratch, fs::Autor_email, 80);
    set.autorWebsite = textOf(scratch, fs::Autor_website, 80);
    set.girlName = textOf(scratch, fs::GirlName, 40);
    set.textGruppeId = qint32(std::clamp<qint64>(numberOf(scratch, fs::TextGruppeID, 0), std::numeric_limits<qint32>::min(),
                                                 std::numeric_limits<qint32>::max()));
    set.wertung = clampedRating(numberOf(scratch, fs::Wertung, 1));
    set.editierbar = flagOf(scratch, fs::Editierbar);
    set.freispielbar = flagOf(scratch, fs::Freispielbar);
    return set;
}

struct TMember
{
    QString path;
    qint64 size = 0;
    QString jpegProblem; // empty: a JPEG picture
    int width = 0, height = 0;
};

} // namespace

TSetArchiveContent ReadSetArchive(const QString &archivePath, const QString &extractFolder)
{
    if (!IsRegularFile(archivePath))
        throw VelmoraError(QStringLiteral("Datei %1 kann nicht geöffnet werden. Keine gewöhnliche Datei").arg(archivePath));
    const TZipReader archive(archivePath);
    if (archive.Count() > setarchive::MaxEntries)
        refuse(archivePath, QStringLiteral("mehr als %1 Einträge").arg(setarchive::MaxEntries));

    // Names and claimed sizes first: nothing is unpacked from an archive that fails them.
    QList<QString> names;
    QSet<QString> seen;
    qint64 claimedTotal = 0;
    for (qint64 index = 0; index < archive.Count(); ++index) {
        const TZipReader::Entry entry = archive.Stat(index);
        if (!IsPlainFileName(entry.name))
            refuse(archivePath, QStringLiteral("der Eintrag \"%1\" ist kein einfacher Dateiname").arg(entry.name));
        if (seen.contains(entry.name))
            refuse(archivePath, QStringLiteral("der Eintrag \"%1\" kommt doppelt vor").arg(entry.name));
        if (entry.size > setarchive::MaxEntryBytes)
            refuse(archivePath, QStringLiteral("der Eintrag \"%1\" ist größer als 64 MiB").arg(entry.name));
        claimedTotal += std::max<qint64>(entry.size, 0);
        if (claimedTotal > setarchive::MaxTotalBytes)
            refuse(archivePath, QStringLiteral("die Einträge sind zusammen größer als 1 GiB"));
        seen.insert(entry.name);
        names << entry.name;
    }
    const QString setsName = QLatin1String(setarchive::SetsMember);
    const QString bilderName = QLatin1String(setarchive::BilderMember);
    for (const QString &table : {setsName, bilderName}) {
        if (!seen.contains(table))
            refuse(archivePath, QStringLiteral("\"%1\" fehlt").arg(table));
    }

    // Every entry to its end: the checksums are checked there, and what an entry really unpacks to
    // is counted, not what it claims.
    QHash<QString, TMember> members;
    qint64 total = 0;
    for (qint64 index = 0; index < archive.Count(); ++index) {
        const QString &name = names.at(index);
        const QByteArray bytes = archive.Read(
            index, std::min(setarchive::MaxEntryBytes, setarchive::MaxTotalBytes - total),
            QStringLiteral("Der Eintrag \"%1\" ist zu groß").arg(name));
        total += bytes.size();
        TMember member;
        member.path = extractFolder + u'/' + name;
        member.size = bytes.size();
        if (name != setsName && name != bilderName) {
            try {
                const TJpegSize size = ReadJpegHeader(bytes);
                member.width = size.width;
                member.height = size.height;
            } catch (const VelmoraError &error) {
                member.jpegProblem = error.message();
            }
        }
        writeMember(member.path, bytes);
        members.insert(name, member);
    }

    TSetArchiveContent content;
    content.set = readSet(members.value(setsName).path, archivePath);

    TRecordTable pictures;
    loadTable(pictures, members.value(bilderName).path, archivePath, setarchive::BilderMember);
    if (pictures.RecordCount() > setarchive::MaxEntries)
        refuse(archivePath, QStringLiteral("\"bilder.tmp\" hat mehr als %1 Bilder").arg(setarchive::MaxEntries));
    if (!pictures.IsEmpty() && !pictures.FindField(QString(fb::Bild)).IsValid())
        refuse(archivePath, QStringLiteral("\"bilder.tmp\" hat kein Feld \"Bild\""));
    QSet<QString> taken;
    for (pictures.First(); !pictures.Eof(); pictures.Next()) {
        const QString bild = textOf(pictures, fb::Bild);
        const auto member = members.constFind(bild);
        if (bild == setsName || bild == bilderName || member == members.constEnd()) {
            content.skipped << QStringLiteral("Bild \"%1\" übersprungen: kein Bild des Archivs").arg(bild);
            continue;
        }
        if (taken.contains(bild)) {
            content.skipped << QStringLiteral("Bild \"%1\" übersprungen: schon einem anderen Bild zugeordnet").arg(bild);
            continue;
        }
        if (!member->jpegProblem.isEmpty()) {
            content.skipped << QStringLiteral("Bild \"%1\" übersprungen: kein JPEG-Bild (%2)").arg(bild, member->jpegProblem);
            continue;
        }
        taken.insert(bild);
        TArchivedPicture picture;
        picture.member = bild;
        picture.wertung = clampedRating(numberOf(pictures, fb::Wertung, 1));
        picture.nrInSet = qint32(std::clamp<qint64>(numberOf(pictures, fb::NrInSet, 1), 1, std::numeric_limits<qint32>::max()));
        picture.text = textOf(pictures, fb::Text);
        picture.size = member->size;
        picture.width = member->width;
        picture.height = member->height;
        content.pictures << picture;
    }
    return content;
}
