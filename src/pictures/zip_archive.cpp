#include "pictures/zip_archive.h"

#include "core/velmora_error.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <zip.h>

namespace {

QString libzipReason(int errorCode)
{
    zip_error_t error;
    zip_error_init_with_code(&error, errorCode);
    const QString reason = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return reason;
}

} // namespace

// ---------------------------------------------------------------- reading

TZipReader::TZipReader(const QString &archivePath) : m_path(archivePath)
{
    int errorCode = 0;
    // Consistency checks: an archive whose directory contradicts itself is refused at once.
    m_archive = zip_open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &errorCode);
    if (m_archive == nullptr) {
        throw VelmoraError(
            QStringLiteral("Datei %1 kann nicht geöffnet werden. %2").arg(archivePath, libzipReason(errorCode)));
    }
    m_count = zip_get_num_entries(m_archive, 0);
}

TZipReader::~TZipReader()
{
    if (m_archive != nullptr)
        zip_discard(m_archive);
}

void TZipReader::FailRead(const QString &reason) const
{
    throw VelmoraError(QStringLiteral("Datei %1 kann nicht gelesen werden. %2").arg(m_path, reason));
}

TZipReader::Entry TZipReader::Stat(qint64 index) const
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(m_archive, zip_uint64_t(index), ZIP_FL_ENC_GUESS, &stat) != 0)
        FailRead(QString::fromUtf8(zip_strerror(m_archive)));
    Entry entry;
    if ((stat.valid & ZIP_STAT_NAME) != 0 && stat.name != nullptr)
        entry.name = QString::fromUtf8(stat.name);
    if ((stat.valid & ZIP_STAT_SIZE) != 0)
        entry.size = stat.size > zip_uint64_t(std::numeric_limits<qint64>::max()) ? std::numeric_limits<qint64>::max()
                                                                                    : qint64(stat.size);
    return entry;
}

QByteArray TZipReader::Read(qint64 index, qint64 maxBytes, const QString &tooBig) const
{
    zip_file_t *member = zip_fopen_index(m_archive, zip_uint64_t(index), 0);
    if (member == nullptr)
        FailRead(QString::fromUtf8(zip_strerror(m_archive)));
    auto closeMember = qScopeGuard([member] { zip_fclose(member); });
    QByteArray content;
    char buffer[65536];
    // Read to the very end: the checksum is only verified there.
    for (;;) {
        const zip_int64_t got = zip_fread(member, buffer, sizeof buffer);
        if (got < 0)
            FailRead(QString::fromUtf8(zip_file_strerror(member)));
        if (got == 0)
            break;
        if (content.size() + got > maxBytes)
            FailRead(tooBig);
        content.append(buffer, qsizetype(got));
    }
    return content;
}

// ---------------------------------------------------------------- writing

TZipWriter::TZipWriter(const QString &targetPath) : m_target(targetPath)
{
    const QFileInfo target(targetPath);
    QTemporaryFile scratch(target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX"));
    scratch.setAutoRemove(false);
    if (!scratch.open())
        FailCreate(scratch.errorString());
    m_scratch = scratch.fileName();
    scratch.close();
    int errorCode = 0;
    m_archive = zip_open(QFile::encodeName(m_scratch).constData(), ZIP_CREATE | ZIP_TRUNCATE, &errorCode);
    if (m_archive == nullptr)
        FailCreate(libzipReason(errorCode));
}

TZipWriter::~TZipWriter()
{
    Discard();
}

void TZipWriter::Discard()
{
    if (m_archive != nullptr) {
        zip_discard(m_archive);
        m_archive = nullptr;
    }
    if (!m_scratch.isEmpty()) {
        QFile::remove(m_scratch);
        m_scratch.clear();
    }
}

void TZipWriter::FailCreate(const QString &reason)
{
    Discard();
    throw VelmoraError(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2").arg(m_target, reason));
}

void TZipWriter::AddFile(const QString &name, const QString &filePath, bool store)
{
    zip_source_t *source = zip_source_file(m_archive, QFile::encodeName(filePath).constData(), 0, -1);
    if (source == nullptr)
        FailCreate(QString::fromUtf8(zip_strerror(m_archive)));
    const zip_int64_t index = zip_file_add(m_archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        FailCreate(QString::fromUtf8(zip_strerror(m_archive)));
    }
    if (zip_set_file_compression(m_archive, zip_uint64_t(index), store ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0) != 0)
        FailCreate(QString::fromUtf8(zip_strerror(m_archive)));
}

void TZipWriter::Commit()
{
    if (zip_close(m_archive) != 0)
        FailCreate(QString::fromUtf8(zip_strerror(m_archive)));
    m_archive = nullptr;
    // The scratch file was made private; the archive gets the permissions of any new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(QFile::encodeName(m_scratch).constData(), 0666 & ~mask);
    if (std::rename(QFile::encodeName(m_scratch).constData(), QFile::encodeName(m_target).constData()) != 0)
        FailCreate(QString::fromLocal8Bit(std::strerror(errno)));
    m_scratch.clear();
}
