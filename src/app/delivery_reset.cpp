#include "app/delivery_reset.h"

#include "core/ZephFileList.h"
#include "core/file_utils.h"
#include "core/program_folders.h"
#include "core/velmora_error.h"
#include "data/record_table.h"

#include <QDir>
#include <QFileInfo>
#include <exception>

QString CheckDeliveryCopy(const TProgramFolders &folders)
{
    const QString questions = folders.mdl + QStringLiteral("/fragen.dat");
    if (!QFileInfo(questions).isFile())
        return QStringLiteral("Datei \"%1\" fehlt").arg(questions);
    try {
        TRecordTable probe;
        probe.LoadFromFile(questions);
    } catch (const VelmoraError &error) {
        return error.message();
    } catch (const std::exception &error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

QStringList ReplaceDataByDelivery(const TProgramFolders &folders, IEventPort *events)
{
    QStringList failures;
    DeleteTree(folders.db, events);
    // DeleteTree leaves what it could not delete: that is named, as the copy may not replace it.
    for (const QString &left : ListFiles(folders.db, events))
        failures << QStringLiteral("Datei \"%1\" kann nicht gelöscht werden").arg(left);
    if (!QDir().mkpath(folders.db)) {
        failures << QStringLiteral("Ordner \"%1\" kann nicht erstellt werden").arg(folders.db);
        return failures;
    }
    CopyFiles(folders.mdl + QStringLiteral("/*.*"), folders.db);
    // Every delivery file must now lie in db/ with its size.
    const QDir delivery(folders.mdl);
    for (const QString &source : ListFiles(folders.mdl, events)) {
        const QString relative = delivery.relativeFilePath(source);
        const QFileInfo copy(folders.db + u'/' + relative);
        if (!copy.isFile() || copy.size() != QFileInfo(source).size())
            failures << QStringLiteral("Datei \"%1\" kann nicht nach \"%2\" kopiert werden").arg(source, folders.db);
    }
    return failures;
}
