#pragma once

#include <QString>
#include <QStringList>

class IEventPort;

// Every file below a folder, as full paths: the folder's own files first, then each sub-folder
// completely before the next (depth first). Within one folder the names come in alphabetical order
// without regard to case. Sub-folders whose name begins with a dot are skipped, and so are links to
// folders (a link could lead out of the tree or round in a circle). A folder that cannot be read
// adds nothing; a missing folder gives an empty list. When `events` is given, the window system's
// pending messages are processed once after the search.
QStringList ListFiles(const QString &folder, IEventPort *events = nullptr);
