#pragma once

#include <QString>

// File handling shared by the set rules and the set archives. Picture files and archive members are
// named by plain file names only, and only single regular files are ever copied or deleted.

// A name that can only mean a file of the folder it is joined to: not empty, not "." or "..", no
// "/" or "\" and no NUL, no drive prefix such as "C:".
bool IsPlainFileName(const QString &name);
// A regular file (not a folder, not a link, not a device) at this path; false for an empty path.
bool IsRegularFile(const QString &path);
// Something (a file, a folder, a link, even one leading nowhere) has this path.
bool PathIsTaken(const QString &path);
// Copies one regular file to a path where nothing is yet, checking that every byte arrived. A
// source that is missing or no regular file fails with "Datei %s kann nicht geöffnet werden. %s";
// a failed write with "Datei "%s" kann nicht erstellt werden. %s" and leaves no target behind.
void CopyRegularFile(const QString &sourcePath, const QString &targetPath);
