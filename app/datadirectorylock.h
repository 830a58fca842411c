#pragma once

#include <QLockFile>
#include <QString>

// One running copy of the program per data directory: the copy that holds
// the lock file there is the only one that opens the database in it. A lock
// left behind by a copy that ended without releasing it (a crash, a kill) is
// taken over. The lock is released when the object is destroyed.
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

    DataDirectoryLock(const DataDirectoryLock &) = delete;
    DataDirectoryLock &operator=(const DataDirectoryLock &) = delete;

    Result acquire();
    bool isHeld() const { return m_lockFile.isLocked(); }
    QString fileName() const;

    static QString lockFileName() { return QStringLiteral("tallyra.lock"); }

private:
    bool ownerIsReadable() const;
    Result resultOfFailure() const;

    QString m_fileName;
    QLockFile m_lockFile;
};
