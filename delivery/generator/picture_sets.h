#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One picture of a set: either drawn by the generator from a motif ("Motiv: kueste 3") or copied
// from a JPEG file in delivery/bilder/ ("Datei: mein_bild.jpg").
struct TSetPictureSource
{
    QString name;      // the picture's "Name" (the file name it was added from)
    int rating = 1;
    QString motif;     // painter name, e.g. "kueste"
    int variant = 0;   // which picture of the motif
    QString file;      // a picture file instead of a motif
    QString text;      // its own teaser text, or empty
    bool unlocked = false;
    int line = 0;
};

struct TSetSource
{
    QString path;
    QString name;
    int rating = 1;
    QString author, authorEmail, authorWebsite;
    QString girlName;
    QString textGroup;   // name of the text group
    bool unlockable = true;  // "Freispielbar"
    bool editable = false;   // "Editierbar"
    bool unlocked = false;   // "Freigespielt"
    QList<TSetPictureSource> pictures;
};

struct TTextGroupSource
{
    QString path;
    QString name;
    QString description;
    QStringList texts;
};

// Reads delivery/sets/*.txt and delivery/textgruppen/*.txt (each sorted by file name) and checks
// that they fit the set tables: names and sizes, ratings 1 to 5, every set's text group exists.
struct TPictureSetSources
{
    QList<TSetSource> sets;
    QList<TTextGroupSource> textGroups;

    static TPictureSetSources Read(const QString &setFolder, const QString &textGroupFolder);
};
