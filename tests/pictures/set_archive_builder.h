#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariantMap>

// Builds set archives for the tests, well-formed or deliberately broken: member names are written
// byte for byte (libzip takes "../x" or "/abs" as they are), table files come from small maps of
// field values.

struct TRawMember
{
    QByteArray name;
    QByteArray bytes;
    bool deflate = false;
};

// A table file with the set table's fields and one record per map (field name -> value).
QByteArray setsTableFile(const QList<QVariantMap> &records);
// A table file with the picture table's fields and one record per map.
QByteArray bilderTableFile(const QList<QVariantMap> &records);
// The members of a sound archive: the pictures (name, bytes), bilder.tmp naming them at places 1, 2,
// ... and sets.tmp with one set "Testset".
QList<TRawMember> soundMembers(const QList<std::pair<QString, QByteArray>> &pictures);
// Writes a zip archive of the members, in order.
void writeRawZip(const QString &path, const QList<TRawMember> &members);
// Replaces every occurrence of a byte run in a file by another of the same length (names in the
// local and central headers, data of stored members).
void patchFile(const QString &path, const QByteArray &from, const QByteArray &to);
// Sets the unpacked size that the local and central headers claim for the named member.
void patchClaimedSize(const QString &path, const QByteArray &memberName, quint32 size);
