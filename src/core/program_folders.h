#pragma once

#include <QString>

// The folders below the program folder: what the program ships (mdl/, skins/, sounds/, mp3/),
// what it makes at its first start (db/, bmp/, temp/), the inbox of set archives imported at every
// start (sets/) and the copies of the sets that arrived there (imported/).
struct TProgramFolders
{
    QString program, bmp, mdl, db, dbImg, dbSets, temp, skins, sounds, mp3, sets, imported;
    static TProgramFolders Below(const QString &programFolder);
};
