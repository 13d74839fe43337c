#include "skin_archive.h"

#include <QFile>

#include <zip.h>

namespace velmora::skin {

namespace {

// 1 January 2024, 00:00, in the DOS format of zip headers: no time zone enters.
constexpr zip_uint16_t kDosDate = ((2024 - 1980) << 9) | (1 << 5) | 1;
constexpr zip_uint16_t kDosTime = 0;

QString archiveError(zip_t *archive)
{
    return QString::fromLocal8Bit(zip_strerror(archive));
}

} // namespace

QString writeStoredZip(const QString &path, const std::vector<std::pair<std::string, QByteArray>> &members)
{
    QFile::remove(path);
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_EXCL, &error);
    if (archive == nullptr) {
        zip_error_t details;
        zip_error_init_with_code(&details, error);
        const QString reason = QString::fromLocal8Bit(zip_error_strerror(&details));
        zip_error_fini(&details);
        return reason;
    }
    for (const auto &[name, bytes] : members) {
        // The buffers outlive zip_close, which is when libzip reads them.
        zip_source_t *source = zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        if (source == nullptr) {
            const QString reason = archiveError(archive);
            zip_discard(archive);
            return reason;
        }
        const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            const QString reason = archiveError(archive);
            zip_discard(archive);
            return reason;
        }
        const auto entry = zip_uint64_t(index);
        if (zip_set_file_compression(archive, entry, ZIP_CM_STORE, 0) != 0 ||
            zip_file_set_dostime(archive, entry, kDosTime, kDosDate, 0) != 0) {
            const QString reason = archiveError(archive);
            zip_discard(archive);
            return reason;
        }
    }
    if (zip_close(archive) != 0) {
        const QString reason = archiveError(archive);
        zip_discard(archive);
        return reason;
    }
    return {};
}

} // namespace velmora::skin
