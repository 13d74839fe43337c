#pragma once

#include <QString>
#include <QTemporaryDir>

// A file system of a few KiB (tmpfs) mounted on a temporary folder, so a test can see what a full
// disk or a read-only one does to a save. Only the superuser can mount: elsewhere valid() is false
// and the test skips.
class TinyFileSystem
{
public:
    explicit TinyFileSystem(int kib = 64);
    ~TinyFileSystem();
    TinyFileSystem(const TinyFileSystem &) = delete;
    TinyFileSystem &operator=(const TinyFileSystem &) = delete;

    bool valid() const { return m_mounted; }
    QString path() const { return m_folder.path(); }
    // Takes the space that is left with one file (removable with free()).
    void fill();
    void free();
    // Mounts it again read-only or writable.
    bool setReadOnly(bool readOnly);

private:
    QTemporaryDir m_folder;
    bool m_mounted = false;
};
