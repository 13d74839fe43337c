#pragma once

#include <QPixmap>
#include <QString>

// Skin pictures are Windows bitmaps in the skin folder bmp/. Windows and screens ask for them by a
// fixed name ("GUI_home.bmp"); a skin may spell the same name in another case ("GUI_Home.bmp"), so
// the lookup ignores case whenever the exact name is not there.

// The path of the picture `name` in `folder`: the exact name when it exists, otherwise the first
// entry (in name order) whose name equals `name` without regard to case, otherwise the exact path.
QString FindSkinFile(const QString &folder, const QString &name);

// Loads the skin picture `name` from `folder`. A missing or unreadable picture raises
// "Datei %s kann nicht geöffnet werden. %s" with the path and the system's reason.
QPixmap LoadSkinPicture(const QString &folder, const QString &name);

// The name of the pressed-look partner of a picture: "GUI_buy.bmp" -> "GUI_buy_down.bmp".
QString DownPictureName(const QString &name);
