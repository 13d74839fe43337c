#pragma once

#include <QString>

// Whether a music entry is a web address: it begins with "http://", "https://" or "ftp://", in any
// case. Such entries are played as network streams and kept as they are written.
bool IsWebAddress(const QString &entry);

// The file at this path, found whatever the case of its name and of the folders on the way
// ("Klick1.wav" finds "klick1.wav"), as skin pictures are. A name that matches exactly wins; the
// path comes back unchanged when no such file exists at all.
QString FindSoundFile(const QString &path);
