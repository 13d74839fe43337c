// Fuzzes the playlist reader: the same bytes are read as an .m3u and as a .pls file. Reading never
// fails; every entry it gives is a web address or an absolute path.
#include "sound/music_engine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QTemporaryDir *folder = nullptr;

void readAs(const char *name, const uint8_t *data, size_t size)
{
    const QString path = folder->path() + u'/' + QString::fromLatin1(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    for (const QString &entry : TMusicEngine::ReadPlaylistFile(path)) {
        if (entry.isEmpty() || (!TMusicEngine::IsWebAddress(entry) && QDir::isRelativePath(entry)))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    folder = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    readAs("input.m3u", data, size);
    readAs("input.pls", data, size);
    return 0;
}
