#pragma once

#include "core/stored_user_values.h"
#include "data/db_module.h"
#include "data/table_fields.h"
#include "support/fakes.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable texts in failure messages.
inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

// A data module on a fresh, temporary program folder with fake ports, and small helpers to make
// sets, pictures and JPEG bytes.
struct SetInstallation
{
    SetInstallation();

    TMainDataModule &data() { return *m_module; }
    const TProgramFolders &folders() const { return m_module->Folders(); }
    QString dbSets(const QString &name) const { return folders().dbSets + u'/' + name; }

    // Appends a set and makes it current; returns its ID.
    int addSet(const QString &name, int rating = 1, const QString &girlName = {});
    // Appends a picture record of the set (no file); returns its ID.
    int addPictureRecord(int setId, int place, const QString &bild, int rating = 1, bool unlocked = false);
    // A small JPEG picture; the seed changes its colours, so every seed gives other bytes.
    static QByteArray jpeg(int seed = 0, int width = 48, int height = 32);
    // Writes a file below the program folder (folders made on the way); returns its full path.
    QString writeFile(const QString &relativePath, const QByteArray &bytes);
    // Restricts BilderTable to the set's pictures in place order, as the editor shows them.
    void showPicturesOf(int setId);
    // The names of the files in db/sets/, sorted.
    QStringList setFiles() const;
    // The picture records of the current set in place order: "Bild Name place rating unlocked text".
    QStringList picturesOfCurrentSet();
    // The records of a table file, field by field ("Name=Küstenlicht;Wertung=2"), in file order.
    static QStringList recordsOf(const QString &tableFile, const QStringList &fieldNames);

    QTemporaryDir m_folder;
    TStoredUserValues m_stored{QStringLiteral("/opt/velmora/velmora")};
    ScriptedRandom m_random;
    FakeDialogPort m_dialogs;
    CountingEventPort m_events;
    std::unique_ptr<TMainDataModule> m_module;
};

class SetFixture : public ::testing::Test, public SetInstallation
{
};
