#include "app/datadirectorylock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSysInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A copy that gives the lock up removes its file, and the next owner makes a
// new one; a copy that locked the removed file tries the new one. Only
// copies starting and ending at this very moment, over and over, exhaust it.
constexpr int kAttempts = 100;

bool sameFile(const struct stat &left, const struct stat &right)
{
    return left.st_dev == right.st_dev && left.st_ino == right.st_ino;
}

int openLockFile(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd >= 0 || (errno != EACCES && errno != EPERM && errno != EROFS))
        return fd;
    // A file left by another user, or read-only: locking needs no write access.
    return ::open(path.constData(), O_RDONLY | O_CLOEXEC);
}

int lockWithoutWaiting(int fd)
{
    int result;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    return result;
}

} // namespace

DataDirectoryLock::DataDirectoryLock(const QString &directory)
    : m_fileName(QDir(directory).filePath(lockFileName()))
{
}

DataDirectoryLock::~DataDirectoryLock()
{
    release();
}

QString DataDirectoryLock::fileName() const
{
    return m_fileName;
}

// Decided by the lock alone, never by the pid or host written in the file: a
// pid can be in use again (in a container every start may get the same one),
// and the lock ends with its process whatever the file says. The file is
// opened close-on-exec, so a program started by this copy never keeps the
// lock after it ends.
DataDirectoryLock::Result DataDirectoryLock::acquire()
{
    if (isHeld())
        return Result::Acquired;
    const QByteArray path = QFile::encodeName(m_fileName);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const int fd = openLockFile(path);
        if (fd < 0)
            return Result::Unusable;
        struct stat opened;
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            ::close(fd);
            return Result::Unusable;
        }
        if (lockWithoutWaiting(fd) != 0) {
            const int error = errno;
            ::close(fd);
            return error == EWOULDBLOCK ? Result::HeldByAnotherCopy : Result::Unusable;
        }
        // The copy that held it may have removed the file between our open
        // and our lock, and another may have made a new one: only the file
        // the name leads to counts.
        struct stat named;
        const bool found = ::stat(path.constData(), &named) == 0;
        if (found && sameFile(named, opened)) {
            m_fd = fd;
            writeOwner();
            return Result::Acquired;
        }
        const bool gone = !found && errno == ENOENT;
        ::close(fd);
        if (!found && !gone)
            return Result::Unusable;
    }
    return Result::HeldByAnotherCopy;
}

// For people who look at the file, in the lines QLockFile writes; the lock
// does not depend on them, so a failed write changes nothing.
void DataDirectoryLock::writeOwner() const
{
    const QByteArray owner = QByteArray::number(QCoreApplication::applicationPid()) + '\n'
                             + QCoreApplication::applicationName().toUtf8() + '\n'
                             + QSysInfo::machineHostName().toUtf8() + '\n';
    const bool written =
        ::ftruncate(m_fd, 0) == 0 && ::pwrite(m_fd, owner.constData(), size_t(owner.size()), 0) == owner.size();
    Q_UNUSED(written)
}

void DataDirectoryLock::release()
{
    if (!isHeld())
        return;
    // Removed while still held, and only when it is still ours: a copy that
    // opened it a moment ago then finds it gone and makes its own.
    const QByteArray path = QFile::encodeName(m_fileName);
    struct stat opened;
    struct stat named;
    if (::fstat(m_fd, &opened) == 0 && ::stat(path.constData(), &named) == 0 && sameFile(opened, named))
        ::unlink(path.constData());
    ::close(m_fd);
    m_fd = -1;
}
