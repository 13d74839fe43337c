// Fuzzes the set archive import: any bytes, taken as an archive, must either be refused with a
// VelmoraError that changed no table and no file of db/, or add exactly one set whose pictures are
// regular files in db/sets/; nothing may ever appear outside temp/ and db/ of the program folder.
#include "core/random_generator.h"
#include "core/stored_user_values.h"
#include "core/velmora_error.h"
#include "data/db_module.h"
#include "data/table_fields.h"
#include "pictures/set_picture_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

class TFuzzRandom final : public IRandomGenerator
{
public:
    int draw(int) override { return 0; }
    void reseed() override {}
};

struct TFuzzInstallation
{
    QTemporaryDir sandbox; // the program folder lies inside, so files beside it are seen too
    QString program = sandbox.path() + QStringLiteral("/velmora");
    TStoredUserValues stored{QStringLiteral("/opt/velmora/velmora")};
    TFuzzRandom random;
    std::unique_ptr<TMainDataModule> module;
};

TFuzzInstallation *installation = nullptr;

// Every file below the sandbox except temp/, with its size.
QStringList filesOutsideTemp()
{
    const QString tempFolder = installation->module->Folders().temp;
    const QString temp = tempFolder + u'/';
    QStringList files;
    QDirIterator it(installation->sandbox.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path != tempFolder && !path.startsWith(temp))
            files << path + u' ' + QString::number(it.fileInfo().size());
    }
    files.sort();
    return files;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    installation = new TFuzzInstallation;
    TModulePorts ports;
    ports.random = &installation->random;
    installation->module = std::make_unique<TMainDataModule>(installation->stored, ports, installation->program);
    QDir().mkpath(installation->module->Folders().dbSets);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TMainDataModule &module = *installation->module;
    const QString archive = installation->program + QStringLiteral("/input.set");
    QFile file(archive);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    const int sets = module.SetsTable.RecordCount();
    const int pictures = module.BilderTable.RecordCount();
    const QStringList before = filesOutsideTemp();
    try {
        module.ImportSetArchive(archive);
    } catch (const VelmoraError &) {
        if (module.SetsTable.RecordCount() != sets || module.BilderTable.RecordCount() != pictures ||
            filesOutsideTemp() != before)
            std::abort(); // a refused archive changed something
        return 0;
    }
    if (module.SetsTable.RecordCount() != sets + 1)
        std::abort();
    const int setId = module.SetsTable.FieldByName(fields::sets::ID).AsInteger();
    const QString db = module.Folders().db + u'/';
    for (const QString &entry : filesOutsideTemp()) {
        if (!before.contains(entry) && !entry.startsWith(db))
            std::abort(); // something appeared outside temp/ and db/
    }
    for (int row = 0; row < module.BilderTable.RecordCount(); ++row) {
        const QString bild = module.BilderTable.VisibleValue(row, module.BilderTable.FieldIndex(fields::bilder::Bild)).toString();
        if (!IsRegularFile(module.SetPicturePath(bild)))
            std::abort(); // a picture record without its file
    }
    module.DeleteSet(setId);
    if (module.SetsTable.RecordCount() != sets || module.BilderTable.RecordCount() != pictures)
        std::abort();
    return 0;
}
