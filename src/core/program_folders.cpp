#include "core/program_folders.h"

TProgramFolders TProgramFolders::Below(const QString &programFolder)
{
    const auto below = [](const QString &folder, const char *name) {
        return folder + u'/' + QString::fromLatin1(name);
    };
    TProgramFolders folders;
    folders.program = programFolder;
    folders.bmp = below(programFolder, "bmp");
    folders.mdl = below(programFolder, "mdl");
    folders.db = below(programFolder, "db");
    folders.dbImg = below(folders.db, "img");
    folders.dbSets = below(folders.db, "sets");
    folders.temp = below(programFolder, "temp");
    folders.skins = below(programFolder, "skins");
    folders.sounds = below(programFolder, "sounds");
    folders.mp3 = below(programFolder, "mp3");
    folders.sets = below(programFolder, "sets");
    folders.imported = below(programFolder, "imported");
    return folders;
}
