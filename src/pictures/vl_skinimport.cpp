#include "pictures/vl_skinimport.h"

#include "core/ZephFileList.h"
#include "core/file_utils.h"
#include "core/velmora_error.h"
#include "pictures/bmp_file.h"
#include "pictures/jpeg_decoder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <zip.h>

namespace {

QString joined(const QString &folder, const QString &name)
{
    return folder + u'/' + name;
}

QByteArray readMember(zip_t *archive, zip_uint64_t index, const QString &archivePath)
{
    zip_file_t *member = zip_fopen_index(archive, index, 0);
    if (member == nullptr) {
        throw VelmoraError(QStringLiteral("Datei %1 kann nicht gelesen werden. %2")
                               .arg(archivePath, QString::fromUtf8(zip_strerror(archive))));
    }
    auto closeMember = qScopeGuard([member] { zip_fclose(member); });
    QByteArray content;
    char buffer[65536];
    // Read to the very end: the checksum is only verified there.
    for (;;) {
        const zip_int64_t got = zip_fread(member, buffer, sizeof buffer);
        if (got < 0) {
            throw VelmoraError(QStringLiteral("Datei %1 kann nicht gelesen werden. %2")
                                   .arg(archivePath, QString::fromUtf8(zip_file_strerror(member))));
        }
        if (got == 0)
            break;
        content.append(buffer, qsizetype(got));
    }
    return content;
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size()) {
        throw VelmoraError(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2").arg(path, file.errorString()));
    }
}

void extractMembers(const QString &archivePath, const QString &tempFolder)
{
    int errorCode = 0;
    zip_t *archive = zip_open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY, &errorCode);
    if (archive == nullptr) {
        zip_error_t error;
        zip_error_init_with_code(&error, errorCode);
        const QString reason = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
        throw VelmoraError(QStringLiteral("Datei %1 kann nicht geöffnet werden. %2").arg(archivePath, reason));
    }
    auto closeArchive = qScopeGuard([archive] { zip_discard(archive); });
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t index = 0; index < count; ++index) {
        const char *name = zip_get_name(archive, zip_uint64_t(index), ZIP_FL_ENC_GUESS);
        if (name == nullptr)
            continue;
        const QString bare = BareMemberName(QString::fromUtf8(name));
        if (bare.isEmpty())
            continue;
        writeFile(joined(tempFolder, bare), readMember(archive, zip_uint64_t(index), archivePath));
    }
}

} // namespace

QString BareMemberName(const QString &memberName)
{
    const qsizetype cut = std::max(memberName.lastIndexOf(u'/'), memberName.lastIndexOf(u'\\'));
    const QString bare = memberName.mid(cut + 1);
    if (bare == QStringLiteral(".") || bare == QStringLiteral(".."))
        return QString();
    // A drive prefix ("C:name") is no part of a file name either.
    if (bare.size() >= 2 && bare.at(1) == u':' && bare.at(0).isLetter())
        return bare.mid(2);
    return bare;
}

void ImportSkin(const QString &archivePath, const QString &tempFolder, const QString &skinFolder, IEventPort *events)
{
    if (!QFileInfo(archivePath).isFile())
        return;
    QDir().mkpath(tempFolder);
    DeleteFiles(joined(tempFolder, QStringLiteral("*.*")));
    extractMembers(archivePath, tempFolder);
    QDir().mkpath(skinFolder);
    const QStringList extracted = ListFiles(tempFolder, events);
    for (const QString &file : extracted) {
        const TBitmap picture = DecodeJpegFile(file);
        WriteBmpFile(picture, joined(skinFolder, QFileInfo(file).completeBaseName() + QStringLiteral(".bmp")));
    }
    DeleteFiles(joined(tempFolder, QStringLiteral("*.*")));
}
