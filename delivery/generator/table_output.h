#pragma once

#include <QString>
#include <QStringList>

class TCatalogue;
struct TPictureSetSources;

// Writes fragen.dat and frageboegen.dat into the folder.
void WriteQuestionTables(const TCatalogue &catalogue, const QString &folder);

// Writes textgruppen.dat, texte.dat, sets.dat and bilder.dat; pictureFiles holds the "Bild" name
// (data<k>.img) of every picture, sets and pictures taken in source order.
void WriteSetTables(const TPictureSetSources &sources, const QStringList &pictureFiles, const QString &folder);
