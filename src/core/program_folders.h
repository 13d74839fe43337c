#pragma once

#include <QString>

// The folders below the program folder: what the program ships (mdl/, skins/, sounds/, mp3/) and
// what it makes at its first start (db/, bmp/, temp/).
struct TProgramFolders
{
    QString program, bmp, mdl, db, dbImg, dbSets, temp, skins, sounds, mp3, sets;
    static TProgramFolders Below(const QString &programFolder);
};
