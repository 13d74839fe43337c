#include "support/tiny_file_system.h"

#include <QFile>
#include <QProcess>
#include <unistd.h>

namespace {

bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString fillerPath(const QString &folder)
{
    return folder + QStringLiteral("/.filler");
}

} // namespace

TinyFileSystem::TinyFileSystem(int kib)
{
    if (geteuid() != 0 || !m_folder.isValid())
        return;
    m_mounted = run(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                              QStringLiteral("size=%1k").arg(kib), QStringLiteral("tmpfs"), path()});
}

TinyFileSystem::~TinyFileSystem()
{
    if (m_mounted)
        run(QStringLiteral("umount"), {QStringLiteral("-l"), path()});
}

void TinyFileSystem::fill()
{
    QFile filler(fillerPath(path()));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) > 0) {
    }
    const QByteArray byte(1, 'x');
    while (filler.write(byte) > 0) {
    }
}

void TinyFileSystem::free()
{
    QFile::remove(fillerPath(path()));
}

bool TinyFileSystem::setReadOnly(bool readOnly)
{
    return run(QStringLiteral("mount"), {QStringLiteral("-o"), readOnly ? QStringLiteral("remount,ro") : QStringLiteral("remount,rw"), path()});
}
