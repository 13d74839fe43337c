// Fuzzes the skin import: any bytes, taken as a skin archive, either import or fail with the
// program's own error; nothing is ever written outside the scratch folder and the skin folder, and
// every file in the skin folder is a bitmap that reads back.
#include "core/file_utils.h"
#include "core/velmora_error.h"
#include "pictures/bmp_file.h"
#include "pictures/vl_skinimport.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QTemporaryDir *sandbox = nullptr;

QString below(const char *name)
{
    return sandbox->path() + u'/' + QString::fromLatin1(name);
}

// Every entry below the sandbox that lies neither in the scratch folder nor in the skin folder.
QStringList strayEntries()
{
    const QString archive = below("input.skin");
    QStringList stray;
    QDirIterator it(sandbox->path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path != archive && path != below("temp") && path != below("bmp") &&
            !path.startsWith(below("temp") + u'/') && !path.startsWith(below("bmp") + u'/'))
            stray << path;
    }
    return stray;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    sandbox = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    DeleteTree(below("bmp"));
    QFile file(below("input.skin"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    try {
        ImportSkin(below("input.skin"), below("temp"), below("bmp"));
    } catch (const VelmoraError &) {
    }
    if (!strayEntries().isEmpty())
        std::abort(); // written outside the two folders
    QDirIterator it(below("bmp"), QDir::Files);
    while (it.hasNext()) {
        try {
            (void)ReadBmpFile(it.next());
        } catch (const VelmoraError &) {
            std::abort(); // the import wrote a bitmap that does not read back
        }
    }
    return 0;
}
