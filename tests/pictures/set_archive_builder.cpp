#include "pictures/set_archive_builder.h"

#include "data/record_table.h"
#include "data/table_file.h"
#include "data/table_schemas.h"
#include "support/fakes.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>
#include <stdexcept>
#include <zip.h>

namespace {

QByteArray tableFile(void (*define)(TRecordTable &), const QList<QVariantMap> &records)
{
    TRecordTable table;
    define(table);
    table.Open();
    for (const QVariantMap &record : records) {
        table.Append();
        for (auto it = record.begin(); it != record.end(); ++it) {
            TField field = table.FieldByName(it.key());
            if (it.value().typeId() == QMetaType::Bool)
                field.SetAsBoolean(it.value().toBool());
            else
                field.SetAsString(it.value().toString());
        }
        table.Post();
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TTableFile::Save(table, buffer);
    return buffer.data();
}

} // namespace

QByteArray setsTableFile(const QList<QVariantMap> &records)
{
    return tableFile(DefineSetsTable, records);
}

QByteArray bilderTableFile(const QList<QVariantMap> &records)
{
    return tableFile(DefineBilderTable, records);
}

QList<TRawMember> soundMembers(const QList<std::pair<QString, QByteArray>> &pictures)
{
    QList<TRawMember> members;
    QList<QVariantMap> records;
    int place = 0;
    for (const auto &[name, bytes] : pictures) {
        members << TRawMember{name.toUtf8(), bytes};
        records << QVariantMap{{QStringLiteral("Bild"), name}, {QStringLiteral("NrInSet"), ++place},
                               {QStringLiteral("Wertung"), 2}};
    }
    members << TRawMember{"bilder.tmp", bilderTableFile(records), true};
    members << TRawMember{"sets.tmp",
                          setsTableFile({{{QStringLiteral("Name"), QStringLiteral("Testset")},
                                          {QStringLiteral("Wertung"), 3},
                                          {QStringLiteral("Freispielbar"), true}}}),
                          true};
    return members;
}

void writeRawZip(const QString &path, const QList<TRawMember> &members)
{
    QFile::remove(path);
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_EXCL, &error);
    if (archive == nullptr)
        throw std::runtime_error("cannot create the test archive");
    for (const TRawMember &member : members) {
        // The source keeps its own copy: the bytes are read at zip_close.
        void *copy = malloc(size_t(std::max<qsizetype>(member.bytes.size(), 1)));
        memcpy(copy, member.bytes.constData(), size_t(member.bytes.size()));
        zip_source_t *source = zip_source_buffer(archive, copy, zip_uint64_t(member.bytes.size()), 1);
        const zip_int64_t index = zip_file_add(archive, member.name.constData(), source, ZIP_FL_ENC_RAW);
        if (index < 0)
            throw std::runtime_error(std::string("cannot add ") + member.name.constData() + ": " + zip_strerror(archive));
        zip_set_file_compression(archive, zip_uint64_t(index), member.deflate ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
    }
    if (zip_close(archive) != 0)
        throw std::runtime_error(std::string("cannot write the test archive: ") + zip_strerror(archive));
}

void patchFile(const QString &path, const QByteArray &from, const QByteArray &to)
{
    QByteArray bytes = readWholeFile(path);
    if (from.size() != to.size() || !bytes.contains(from))
        throw std::runtime_error("nothing to patch");
    bytes.replace(from, to);
    writeWholeFile(path, bytes);
}

void patchClaimedSize(const QString &path, const QByteArray &memberName, quint32 size)
{
    QByteArray bytes = readWholeFile(path);
    // Local header: signature, then the unpacked size at 22 and the name at 30.
    // Central header: signature, then the unpacked size at 24 and the name at 46.
    const struct { QByteArray signature; int sizeAt; int nameAt; } headers[] = {
        {QByteArrayLiteral("PK\x03\x04"), 22, 30}, {QByteArrayLiteral("PK\x01\x02"), 24, 46}};
    int patched = 0;
    for (const auto &header : headers) {
        for (qsizetype at = bytes.indexOf(header.signature); at >= 0; at = bytes.indexOf(header.signature, at + 4)) {
            if (bytes.mid(at + header.nameAt, memberName.size()) != memberName)
                continue;
            qToLittleEndian<quint32>(size, bytes.data() + at + header.sizeAt);
            ++patched;
        }
    }
    if (patched != 2)
        throw std::runtime_error("member headers not found");
    writeWholeFile(path, bytes);
}
