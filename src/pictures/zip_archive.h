#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <functional>

struct zip;

// A zip archive opened for reading. Errors are thrown as VelmoraError with the program's texts:
// "Datei %s kann nicht geöffnet werden. %s" when the archive cannot be opened, "Datei %s kann nicht
// gelesen werden. %s" when an entry cannot be read (a damaged entry, a checksum that does not match).
class TZipReader
{
public:
    explicit TZipReader(const QString &archivePath);
    ~TZipReader();
    TZipReader(const TZipReader &) = delete;
    TZipReader &operator=(const TZipReader &) = delete;

    struct Entry
    {
        QString name;      // as the archive writes it, folders and all
        qint64 size = -1;  // the size the archive claims for the unpacked entry; -1 when unknown
    };

    qint64 Count() const { return m_count; }
    Entry Stat(qint64 index) const;
    // Reads the entry to its very end, so that its checksum is checked, and returns its bytes. More
    // than maxBytes coming out (whatever the archive claims) fails with "... gelesen werden. <tooBig>".
    QByteArray Read(qint64 index, qint64 maxBytes, const QString &tooBig) const;

private:
    [[noreturn]] void FailRead(const QString &reason) const;

    QString m_path;
    zip *m_archive = nullptr;
    qint64 m_count = 0;
};

// A new zip archive, written to a scratch file beside the target and moved over the target only
// when it is complete: a failure leaves whatever file had the target's name as it was.
class TZipWriter
{
public:
    // Fails with "Datei "%s" kann nicht erstellt werden. %s" when nothing can be created there.
    explicit TZipWriter(const QString &targetPath);
    ~TZipWriter(); // discards an archive that was not committed
    TZipWriter(const TZipWriter &) = delete;
    TZipWriter &operator=(const TZipWriter &) = delete;

    // Adds a file under a name; its bytes are read when the archive is committed. Stored entries are
    // kept as they are, the others deflated at the normal level.
    void AddFile(const QString &name, const QString &filePath, bool store);
    // Writes the archive and moves it over the target; fails with the "kann nicht erstellt werden" error.
    void Commit();

private:
    [[noreturn]] void FailCreate(const QString &reason);
    void Discard();

    QString m_target;
    QString m_scratch;
    zip *m_archive = nullptr;
};
