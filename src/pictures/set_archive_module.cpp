// Set archives as operations of the data module: export of the current set, import of one archive
// and of a whole folder (sets/ at every start, imported/ after a reset).

#include "core/ZephFileList.h"
#include "core/file_utils.h"
#include "core/velmora_error.h"
#include "data/db_module.h"
#include "data/filter_guard.h"
#include "data/table_fields.h"
#include "pictures/set_archive.h"
#include "pictures/set_picture_files.h"
#include "pictures/zip_archive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace fs = fields::sets;
namespace fb = fields::bilder;

namespace {

// JPEG data is compressed already: deflating it would make it larger.
bool looksLikeJpeg(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(3) == QByteArrayLiteral("\xFF\xD8\xFF");
}

// "a.set", then "a-2.set", "a-3.set", ...: the first name in the folder that nothing has yet.
QString freeArchivePath(const QString &folder, const QString &fileName)
{
    const QFileInfo name(fileName);
    const bool hasStem = !name.completeBaseName().isEmpty() && !name.suffix().isEmpty();
    const QString stem = hasStem ? name.completeBaseName() : fileName;
    const QString extension = hasStem ? u'.' + name.suffix() : QString();
    QString candidate = folder + u'/' + fileName;
    for (int n = 2; PathIsTaken(candidate); ++n)
        candidate = folder + u'/' + stem + u'-' + QString::number(n) + extension;
    return candidate;
}

} // namespace

bool TMainDataModule::ExportSetArchive(const QString &path)
{
    if (SetsTable.IsEmpty()) {
        ShowMessage(QStringLiteral("Export nicht korrekt!"));
        return false;
    }
    QDir().mkpath(m_folders.temp);
    DeleteFiles(m_folders.temp + QStringLiteral("/*.*"));
    // What the editor has not posted yet belongs in the archive.
    if (SetsTable.State() == TTableState::Edit || SetsTable.State() == TTableState::Insert)
        SetsTable.Post();
    const int setId = SetsTable.FieldByName(fs::ID).AsInteger();

    TZipWriter archive(path);
    {
        // Exactly the set's own pictures, whatever the table showed before.
        TFilterGuard pictures(BilderTable);
        pictures.Restrict(QStringLiteral("(SetID = %1)").arg(setId));
        const int bildField = BilderTable.FieldIndex(fb::Bild);
        QSet<QString> added;
        for (int row = 0, count = BilderTable.RecordCount(); row < count; ++row) {
            const QString bild = BilderTable.VisibleValue(row, bildField).toString();
            const QString file = SetPicturePath(bild);
            if (!IsRegularFile(file) || added.contains(bild))
                continue;
            archive.AddFile(bild, file, looksLikeJpeg(file));
            added.insert(bild);
        }
        BilderTable.SaveToFile(m_folders.temp + u'/' + QLatin1String(setarchive::BilderMember));
    }
    bool found = false;
    {
        TFilterGuard sets(SetsTable);
        sets.Restrict(QStringLiteral("(ID = %1)").arg(setId));
        found = !SetsTable.IsEmpty();
        if (found)
            SetsTable.SaveToFile(m_folders.temp + u'/' + QLatin1String(setarchive::SetsMember));
    }
    SetsTable.Locate(QString(fs::ID), setId); // putting the filter back moved the cursor
    if (!found) {
        DeleteFiles(m_folders.temp + QStringLiteral("/*.*"));
        ShowMessage(QStringLiteral("Export nicht korrekt!"));
        return false;
    }
    for (const QString &file : ListFiles(m_folders.temp)) {
        if (QFileInfo(file).absolutePath() == QFileInfo(m_folders.temp).absoluteFilePath())
            archive.AddFile(QFileInfo(file).fileName(), file, false);
    }
    archive.Commit();
    DeleteFiles(m_folders.temp + QStringLiteral("/*.*"));
    return true;
}

QStringList TMainDataModule::ImportSetArchive(const QString &path)
{
    DeleteTree(m_folders.temp, m_ports.events);
    QDir().mkpath(m_folders.temp);
    // The whole archive is checked before any table changes.
    const TSetArchiveContent content = ReadSetArchive(path, m_folders.temp);

    if (SetsTable.State() == TTableState::Edit || SetsTable.State() == TTableState::Insert)
        SetsTable.Post();
    // The new set must stay visible and current whatever its flags, as every caller wants it.
    if (!SetsTable.Filter().isEmpty())
        SetsTable.SetFilter(QString());
    SetsTable.Append();
    SetsTable.FieldByName(fs::Name).SetAsString(content.set.name);
    SetsTable.FieldByName(fs::Autor).SetAsString(content.set.autor);
    SetsTable.FieldByName(fs::Autor_email).SetAsString(content.set.autorEmail);
    SetsTable.FieldByName(fs::GirlName).SetAsString(content.set.girlName);
    SetsTable.FieldByName(fs::Autor_website).SetAsString(content.set.autorWebsite);
    SetsTable.FieldByName(fs::TextGruppeID).SetAsInteger(content.set.textGruppeId);
    SetsTable.FieldByName(fs::Wertung).SetAsInteger(content.set.wertung);
    SetsTable.FieldByName(fs::Editierbar).SetAsBoolean(content.set.editierbar);
    SetsTable.FieldByName(fs::Freispielbar).SetAsBoolean(content.set.freispielbar);
    SetsTable.FieldByName(fs::Freigespielt).SetAsBoolean(false);
    SetsTable.Post();
    const int setId = SetsTable.FieldByName(fs::ID).AsInteger();

    try {
        {
            TFilterGuard pictures(BilderTable);
            pictures.Restrict(QStringLiteral("(SetID = %1)").arg(setId));
            for (const TArchivedPicture &picture : content.pictures) {
                AddPictureFile(m_folders.temp + u'/' + picture.member, picture.member, setId,
                               !content.set.girlName.isEmpty());
                BilderTable.Edit();
                BilderTable.FieldByName(fb::Wertung).SetAsInteger(picture.wertung);
                BilderTable.FieldByName(fb::NrInSet).SetAsInteger(picture.nrInSet);
                BilderTable.FieldByName(fb::Text).SetAsString(picture.text);
                BilderTable.Post();
            }
        }
        if (SetsTable.FieldByName(fs::ID).AsInteger() != setId)
            SetsTable.Locate(QString(fs::ID), setId);
        SaveSetTables();
    } catch (...) {
        RemoveSetWithPictures(setId);
        throw;
    }
    return content.skipped;
}

void TMainDataModule::RemoveSetWithPictures(int setId)
{
    TFilterGuard pictures(BilderTable);
    TFilterGuard sets(SetsTable);
    if (BilderTable.State() != TTableState::Browse)
        BilderTable.Cancel();
    if (SetsTable.State() != TTableState::Browse)
        SetsTable.Cancel();
    BilderTable.SetFilter(QString());
    SetsTable.SetFilter(QString());
    while (BilderTable.Locate(QString(fb::SetID), setId)) {
        const QString file = SetPicturePath(BilderTable.FieldByName(fb::Bild).AsString());
        if (IsRegularFile(file))
            QFile::remove(file);
        BilderTable.Delete();
    }
    if (SetsTable.Locate(QString(fs::ID), setId))
        SetsTable.Delete();
    try {
        SaveSetTables();
    } catch (const VelmoraError &) {
        // The tables on disk never held the set: what the next save writes agrees with the files.
    }
    sets.Restore();
    pictures.Restore();
}

QStringList TMainDataModule::ImportArchiveFolder(const QString &folder)
{
    QStringList report;
    const QString importedFolder = QFileInfo(m_folders.imported).absoluteFilePath();
    const QStringList files = ListFiles(folder, m_ports.events);
    for (const QString &path : files) {
        if (!IsRegularFile(path))
            continue;
        const QFileInfo source(path);
        const QString name = source.fileName();
        try {
            // A file that cannot be removed afterwards would be imported again at every start.
            if (!QFileInfo(source.absolutePath()).isWritable())
                throw VelmoraError(QStringLiteral("Datei \"%1\" kann nicht gelöscht werden").arg(path));
            const QStringList skipped = ImportSetArchive(path);
            const int setId = SetsTable.FieldByName(fs::ID).AsInteger();
            try {
                SetsTable.Edit();
                SetsTable.FieldByName(fs::Editierbar).SetAsBoolean(false);
                SetsTable.Post();
                QDir().mkpath(m_folders.imported);
                // An archive of imported/ itself is written again under its own name; any other
                // takes a free name there, so no earlier copy is lost.
                const bool inImported = source.absolutePath() == importedFolder;
                const QString copy = inImported ? path : freeArchivePath(m_folders.imported, name);
                if (!ExportSetArchive(copy))
                    throw VelmoraError(QStringLiteral("Export nicht korrekt!"));
                if (!inImported && !QFile::remove(path)) {
                    QFile::remove(copy);
                    throw VelmoraError(QStringLiteral("Datei \"%1\" kann nicht gelöscht werden").arg(path));
                }
                SaveSetTables();
            } catch (...) {
                RemoveSetWithPictures(setId);
                throw;
            }
            for (const QString &picture : skipped)
                report << name + QStringLiteral(": ") + picture;
        } catch (const VelmoraError &error) {
            report << name + QStringLiteral(": ") + error.message() + QStringLiteral(" - nicht importiert, die Datei bleibt.");
        }
    }
    return report;
}
