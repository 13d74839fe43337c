#pragma once

#include <QString>

class IEventPort;

// Copying and deleting by pattern, the way a desktop shell does it without asking: a pattern is a
// folder path plus a file pattern ("db/*.*", "temp/*.tmp"). The file pattern matches files and
// folders alike; matching folders are copied or deleted with their whole content. Nothing is shown
// to the user.

// Whether a file name matches a file pattern: "*" stands for any run of characters, "?" for exactly
// one, letters compare without regard to case, and a pattern ending in ".*" also matches names
// without that part, so "*.*" matches every name, with a dot or without.
bool MatchesFilePattern(const QString &name, const QString &pattern);

// Copies everything the pattern matches into the destination folder, which is created when missing.
// Files already there are replaced, even read-only ones; the copies are writable by their owner.
// Links are copied as the file or folder they lead to, never as links; a link that leads nowhere or
// back into a folder being copied is left out. A folder is never copied into itself. Returns false when an entry could not be copied (the rest is
// copied all the same).
bool CopyFiles(const QString &sourcePattern, const QString &destinationFolder);

// Deletes everything the pattern matches, for good; links are removed, never followed. Returns false
// when an entry could not be deleted (the rest is deleted all the same).
bool DeleteFiles(const QString &pattern);

// Deletes every file that ListFiles finds below the folder, then removes the folder itself if that
// left it empty. Sub-folders stay (emptied of their files), and so does a top folder that holds them.
// Always true.
bool DeleteTree(const QString &folder, IEventPort *events = nullptr);
