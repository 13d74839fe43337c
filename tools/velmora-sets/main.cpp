// velmora-sets: lists, checks and packs set archives, for people who make and share picture sets.
// Run it without arguments for the usage.

#include "set_description.h"

#include "core/velmora_error.h"
#include "data/record_table.h"
#include "data/table_fields.h"
#include "data/table_schemas.h"
#include "pictures/jpeg_decoder.h"
#include "pictures/set_archive.h"
#include "pictures/set_picture_files.h"
#include "pictures/zip_archive.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const char kUsage[] =
    "Usage:\n"
    "  velmora-sets list ARCHIVE\n"
    "      Prints the set of a set archive and its pictures (place, rating, size in bytes and pixels).\n"
    "  velmora-sets check ARCHIVE\n"
    "      Applies every check of the program's import; prints \"OK\" and exits with 0, or prints\n"
    "      each reason and exits with 1.\n"
    "  velmora-sets pack FOLDER ARCHIVE\n"
    "      Packs the JPEG pictures of FOLDER and the set described in FOLDER/set.txt into an\n"
    "      archive that the program imports (see the README for set.txt).\n";

void print(const QString &text)
{
    std::fputs(text.toUtf8().constData(), stdout);
}

void printError(const QString &text)
{
    std::fputs((text + u'\n').toUtf8().constData(), stderr);
}

TSetArchiveContent readArchive(const QString &path)
{
    QTemporaryDir scratch;
    if (!scratch.isValid())
        throw VelmoraError(QStringLiteral("Kein temporärer Ordner: %1").arg(scratch.errorString()));
    return ReadSetArchive(path, scratch.path());
}

QString yesNo(bool value)
{
    return value ? QStringLiteral("ja") : QStringLiteral("nein");
}

int list(const QString &path)
{
    const TSetArchiveContent content = readArchive(path);
    const TArchivedSet &set = content.set;
    print(QStringLiteral("Name: %1\nWertung: %2\nAutor: %3\nAutor_email: %4\nAutor_website: %5\nGirlName: %6\n"
                         "TextGruppeID: %7\nEditierbar: %8\nFreispielbar: %9\n")
              .arg(set.name)
              .arg(set.wertung)
              .arg(set.autor, set.autorEmail, set.autorWebsite, set.girlName)
              .arg(set.textGruppeId)
              .arg(yesNo(set.editierbar), yesNo(set.freispielbar)));
    print(QStringLiteral("Bilder: %1\n").arg(content.pictures.size()));
    for (const TArchivedPicture &picture : content.pictures) {
        print(QStringLiteral("  Platz %1  Wertung %2  %3 Bytes  %4 x %5  %6\n")
                  .arg(picture.nrInSet)
                  .arg(picture.wertung)
                  .arg(picture.size)
                  .arg(picture.width)
                  .arg(picture.height)
                  .arg(picture.member));
    }
    for (const QString &skipped : content.skipped)
        print(QStringLiteral("  %1\n").arg(skipped));
    return 0;
}

int check(const QString &path)
{
    const TSetArchiveContent content = readArchive(path);
    if (!content.skipped.isEmpty()) {
        for (const QString &skipped : content.skipped)
            printError(skipped);
        return 1;
    }
    print(QStringLiteral("OK: \"%1\" mit %2 Bildern\n").arg(content.set.name).arg(content.pictures.size()));
    return 0;
}

bool isJpegName(const QString &name)
{
    const QString suffix = QFileInfo(name).suffix().toLower();
    return suffix == QStringLiteral("jpg") || suffix == QStringLiteral("jpeg") || suffix == QStringLiteral("jpe") ||
           suffix == QStringLiteral("jfif");
}

int pack(const QString &folder, const QString &archivePath)
{
    TSetDescription set = ReadSetDescription(folder + QStringLiteral("/set.txt"));
    if (set.pictures.isEmpty()) {
        QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name);
        for (const QString &name : names) {
            if (isJpegName(name))
                set.pictures << TPictureDescription{name, 1, {}};
        }
    }
    if (set.pictures.size() > setarchive::MaxEntries - 2)
        throw VelmoraError(QStringLiteral("Mehr als %1 Bilder").arg(setarchive::MaxEntries - 2));

    QTemporaryDir scratch;
    TRecordTable pictures;
    DefineBilderTable(pictures);
    pictures.Open();
    int place = 0;
    for (const TPictureDescription &picture : std::as_const(set.pictures)) {
        const QString file = folder + u'/' + picture.file;
        if (!IsPlainFileName(picture.file) || !IsRegularFile(file))
            throw VelmoraError(QStringLiteral("Bild \"%1\": keine Datei im Ordner").arg(picture.file));
        if (picture.file == QLatin1String(setarchive::SetsMember) || picture.file == QLatin1String(setarchive::BilderMember))
            throw VelmoraError(QStringLiteral("Bild \"%1\": der Name gehört einer Tabelle").arg(picture.file));
        QFile bytes(file);
        if (!bytes.open(QIODevice::ReadOnly))
            throw VelmoraError(QStringLiteral("Datei %1 kann nicht geöffnet werden. %2").arg(file, bytes.errorString()));
        if (bytes.size() > setarchive::MaxEntryBytes)
            throw VelmoraError(QStringLiteral("Bild \"%1\": größer als 64 MiB").arg(picture.file));
        try {
            ReadJpegHeader(bytes.readAll());
        } catch (const VelmoraError &error) {
            throw VelmoraError(QStringLiteral("Bild \"%1\": kein JPEG-Bild (%2)").arg(picture.file, error.message()));
        }
        pictures.Append();
        pictures.FieldByName(fields::bilder::NrInSet).SetAsInteger(++place);
        pictures.FieldByName(fields::bilder::Name).SetAsString(picture.file);
        pictures.FieldByName(fields::bilder::Bild).SetAsString(picture.file);
        pictures.FieldByName(fields::bilder::Wertung).SetAsInteger(picture.wertung);
        pictures.FieldByName(fields::bilder::Text).SetAsString(picture.text);
        pictures.FieldByName(fields::bilder::Freigespielt).SetAsBoolean(false);
        pictures.Post();
    }
    TRecordTable sets;
    DefineSetsTable(sets);
    sets.Open();
    sets.Append();
    sets.FieldByName(fields::sets::Name).SetAsString(set.name);
    sets.FieldByName(fields::sets::Wertung).SetAsInteger(set.wertung);
    sets.FieldByName(fields::sets::Autor).SetAsString(set.autor);
    sets.FieldByName(fields::sets::Autor_email).SetAsString(set.autorEmail);
    sets.FieldByName(fields::sets::Autor_website).SetAsString(set.autorWebsite);
    sets.FieldByName(fields::sets::GirlName).SetAsString(set.girlName);
    sets.FieldByName(fields::sets::TextGruppeID).SetAsInteger(set.textGruppeId);
    sets.FieldByName(fields::sets::Editierbar).SetAsBoolean(false);
    sets.FieldByName(fields::sets::Freispielbar).SetAsBoolean(set.freispielbar);
    sets.FieldByName(fields::sets::Freigespielt).SetAsBoolean(false);
    sets.Post();
    const QString bilderFile = scratch.filePath(QLatin1String(setarchive::BilderMember));
    const QString setsFile = scratch.filePath(QLatin1String(setarchive::SetsMember));
    pictures.SaveToFile(bilderFile);
    sets.SaveToFile(setsFile);

    TZipWriter archive(archivePath);
    for (const TPictureDescription &picture : std::as_const(set.pictures))
        archive.AddFile(picture.file, folder + u'/' + picture.file, true);
    archive.AddFile(QLatin1String(setarchive::BilderMember), bilderFile, false);
    archive.AddFile(QLatin1String(setarchive::SetsMember), setsFile, false);
    archive.Commit();
    print(QStringLiteral("%1: \"%2\" mit %3 Bildern\n").arg(archivePath, set.name).arg(set.pictures.size()));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments().mid(1);
    const QString command = arguments.value(0);
    try {
        if (command == QStringLiteral("list") && arguments.size() == 2)
            return list(arguments.at(1));
        if (command == QStringLiteral("check") && arguments.size() == 2)
            return check(arguments.at(1));
        if (command == QStringLiteral("pack") && arguments.size() == 3)
            return pack(arguments.at(1), arguments.at(2));
    } catch (const VelmoraError &error) {
        printError(error.message());
        return 1;
    }
    std::fputs(kUsage, stderr);
    return 2;
}
