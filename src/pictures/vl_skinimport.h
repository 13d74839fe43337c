#pragma once

#include <QString>

class IEventPort;

// Skins: a skin archive is a zip archive (whatever its extension, usually ".skin") whose members are
// JPEG pictures; importing it turns every member X.ext into the Windows bitmap X.bmp in the skin
// folder. Folder paths inside the archive are ignored.

// Unpacks the archive into the skin folder: empties tempFolder, extracts every member there under
// its bare name (a later member of the same name replaces an earlier one), creates the skin folder,
// converts each extracted file, in ListFiles order, into a 24-bit bitmap there (replacing a file of
// that name), and empties tempFolder again. A missing archive changes nothing. A member that is no
// JPEG picture stops the import with "JPEG-Fehler #<n>"; the pictures converted before it stay.
// Nothing is ever written outside tempFolder and the skin folder.
void ImportSkin(const QString &archivePath, const QString &tempFolder, const QString &skinFolder,
                IEventPort *events = nullptr);

// The name a member is extracted under: the last part of its path, "/" and "\" both separating;
// empty for members that name no file (folders, "", "." and "..").
QString BareMemberName(const QString &memberName);
