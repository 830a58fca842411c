#pragma once

#include <QString>
#include <QTemporaryDir>

// A file system of a given size (a tmpfs) mounted on a temporary directory
// for as long as this lives: a full disk for the tests. Mounting needs the
// privilege to mount; without it isMounted() is false and the test skips.
class SmallFileSystem
{
public:
    explicit SmallFileSystem(qint64 bytes);
    ~SmallFileSystem();

    SmallFileSystem(const SmallFileSystem &) = delete;
    SmallFileSystem &operator=(const SmallFileSystem &) = delete;

    bool isMounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // Mounts it again with another size (what it holds stays), or read-only.
    bool resize(qint64 bytes);
    bool setReadOnly(bool readOnly);
    qint64 freeBytes() const;
    // Takes up all the room left with a file of its own.
    bool fill();

private:
    bool remount(unsigned long flags, qint64 bytes);

    QTemporaryDir m_dir;
    qint64 m_bytes = 0;
    int m_fillers = 0;
    bool m_mounted = false;
};
