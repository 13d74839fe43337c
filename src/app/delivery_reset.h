#pragma once

#include <QString>
#include <QStringList>

class IEventPort;
struct TProgramFolders;

// The file steps of the reset to the delivery state, apart from the screen that asks for it.

// Empty when the delivery copy can take the place of the user's data (mdl/fragen.dat loads);
// otherwise the reason, for a message before anything is changed.
QString CheckDeliveryCopy(const TProgramFolders &folders);

// Empties db/ (its sub-folders stay), creates it when it is gone and copies mdl/ into it. Returns
// one text per thing that failed: a file below db/ that could not be deleted, db/ that could not be
// made, a delivery file that did not arrive whole.
QStringList ReplaceDataByDelivery(const TProgramFolders &folders, IEventPort *events);
