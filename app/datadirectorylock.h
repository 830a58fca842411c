#pragma once

#include <QString>

// One running copy of the program per data directory: the copy that holds
// the lock file there is the only one that opens the database in it. The
// lock is the operating system's lock on the open file, so it ends with the
// process that holds it however that process ends; a file left behind by a
// crash is taken over whatever it says. The lock is released when the
// object is destroyed.
class DataDirectoryLock
{
public:
    enum class Result {
        Acquired,
        HeldByAnotherCopy,
        // The directory cannot hold the lock file (missing, not writable).
        Unusable,
    };

    explicit DataDirectoryLock(const QString &directory);
    ~DataDirectoryLock();

    DataDirectoryLock(const DataDirectoryLock &) = delete;
    DataDirectoryLock &operator=(const DataDirectoryLock &) = delete;

    Result acquire();
    bool isHeld() const { return m_fd >= 0; }
    QString fileName() const;

    static QString lockFileName() { return QStringLiteral("tallyra.lock"); }

private:
    void writeOwner() const;
    void release();

    QString m_fileName;
    int m_fd = -1;
};
