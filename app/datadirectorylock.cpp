#include "app/datadirectorylock.h"

#include <QDir>

namespace {

// A copy that has just created the lock file writes its details into it a
// moment later; an empty file older than this was left by a crash.
constexpr int kOwnerWriteGraceMs = 500;

} // namespace

DataDirectoryLock::DataDirectoryLock(const QString &directory)
    : m_fileName(QDir(directory).filePath(lockFileName()))
    , m_lockFile(m_fileName)
{
    // The program holds the lock for as long as it runs; the default would
    // let another copy take it over after 30 seconds. A lock whose owner is
    // no longer running is still recognised as stale.
    m_lockFile.setStaleLockTime(0);
}

QString DataDirectoryLock::fileName() const
{
    return m_fileName;
}

DataDirectoryLock::Result DataDirectoryLock::acquire()
{
    if (m_lockFile.isLocked() || m_lockFile.tryLock())
        return Result::Acquired;
    if (m_lockFile.error() != QLockFile::LockFailedError || ownerIsReadable())
        return resultOfFailure();

    // No owner can be read from the file: either another copy is starting at
    // this very moment, or a crash left the file empty.
    if (m_lockFile.tryLock(kOwnerWriteGraceMs))
        return Result::Acquired;
    if (m_lockFile.error() != QLockFile::LockFailedError || ownerIsReadable())
        return resultOfFailure();
    // Refused while a running process still holds the file's native lock.
    if (m_lockFile.removeStaleLockFile() && m_lockFile.tryLock())
        return Result::Acquired;
    return resultOfFailure();
}

bool DataDirectoryLock::ownerIsReadable() const
{
    qint64 pid = 0;
    QString hostName;
    QString application;
    return m_lockFile.getLockInfo(&pid, &hostName, &application);
}

DataDirectoryLock::Result DataDirectoryLock::resultOfFailure() const
{
    return m_lockFile.error() == QLockFile::LockFailedError ? Result::HeldByAnotherCopy : Result::Unusable;
}
