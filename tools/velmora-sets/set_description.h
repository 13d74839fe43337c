#pragma once

#include <QList>
#include <QString>

// The small text file "set.txt" beside the pictures of a set to be packed: one "Key: value" per
// line, UTF-8, blank lines and lines starting with "#" ignored.
//
//   Name: Küstenlicht            (needed)
//   Wertung: 3                   (1 ... 5, default 1)
//   Autor: / Autor_email: / Autor_website: / GirlName:
//   TextGruppeID: 0
//   Freispielbar: ja             (ja/nein, default ja)
//   Bild: strand.jpg | 4 | Am Strand mit %s     (file | rating | own text; rating and text optional)
//
// Without "Bild" lines every JPEG file of the folder is taken, in name order, rated 1.
struct TPictureDescription
{
    QString file;
    int wertung = 1;
    QString text;
};

struct TSetDescription
{
    QString name, autor, autorEmail, autorWebsite, girlName;
    int wertung = 1;
    int textGruppeId = 0;
    bool freispielbar = true;
    QList<TPictureDescription> pictures;
};

// Reads the description; a line it does not understand fails with a message naming the line.
TSetDescription ReadSetDescription(const QString &path);
