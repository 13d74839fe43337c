#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// Set archives: zip archives that carry one picture set. At the top level they hold the picture
// files, "bilder.tmp" (the picture records) and "sets.tmp" (the set record), the two tables as
// table files. Archives come from other people: everything in them is checked before it is used.

namespace setarchive {
inline constexpr qint64 MaxEntries = 5000;
inline constexpr qint64 MaxEntryBytes = qint64(64) << 20; // 64 MiB
inline constexpr qint64 MaxTotalBytes = qint64(1) << 30;  // 1 GiB
inline constexpr char SetsMember[] = "sets.tmp";
inline constexpr char BilderMember[] = "bilder.tmp";
} // namespace setarchive

// The set as the import takes it over: texts cut to their field sizes, the rating within 1 ... 5.
struct TArchivedSet
{
    QString name, autor, autorEmail, autorWebsite, girlName;
    qint32 textGruppeId = 0;
    int wertung = 1;
    bool editierbar = false;
    bool freispielbar = false;
};

// One picture the import takes over: its member (a JPEG picture of the archive) and the values of its
// record, the rating within 1 ... 5 and the place at least 1.
struct TArchivedPicture
{
    QString member;
    int wertung = 1;
    qint32 nrInSet = 1;
    QString text;
    qint64 size = 0;
    int width = 0, height = 0;
};

struct TSetArchiveContent
{
    TArchivedSet set;
    QList<TArchivedPicture> pictures; // in the order of the picture records
    QStringList skipped;              // one text per picture record that is not taken over
};

// Reads and checks a whole set archive and extracts its members into the folder, each under its
// own name. Fails with the reason, having written nothing outside the folder, when:
// the file is no readable zip archive; it has more than MaxEntries entries; an entry name is not a
// plain file name (empty, ".", "..", a folder part, "\", a drive prefix) or comes twice; an entry
// is larger than MaxEntryBytes or all of them together than MaxTotalBytes (claimed or found while
// unpacking); an entry does not unpack to its end with a matching checksum; "sets.tmp" or
// "bilder.tmp" is missing or no readable table file; "sets.tmp" holds no set with a name; "bilder.tmp"
// holds more records than MaxEntries or lacks the field "Bild". A picture record whose "Bild" is not
// the name of a picture member, names one already taken, or whose member is no JPEG picture, is skipped.
TSetArchiveContent ReadSetArchive(const QString &archivePath, const QString &extractFolder);
