#include "support/smallfilesystem.h"

#include <QFile>

#include <sys/mount.h>
#include <sys/statvfs.h>

namespace {

QByteArray sizeOption(qint64 bytes)
{
    return "size=" + QByteArray::number(bytes) + ",mode=0777";
}

} // namespace

SmallFileSystem::SmallFileSystem(qint64 bytes)
    : m_bytes(bytes)
{
    if (!m_dir.isValid())
        return;
    const QByteArray target = QFile::encodeName(m_dir.path());
    m_mounted = ::mount("tmpfs", target.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                    sizeOption(bytes).constData())
        == 0;
}

SmallFileSystem::~SmallFileSystem()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

bool SmallFileSystem::remount(unsigned long flags, qint64 bytes)
{
    if (!m_mounted)
        return false;
    const QByteArray target = QFile::encodeName(m_dir.path());
    if (::mount("tmpfs", target.constData(), "tmpfs", MS_REMOUNT | MS_NOSUID | MS_NODEV | flags,
            sizeOption(bytes).constData())
        != 0) {
        return false;
    }
    m_bytes = bytes;
    return true;
}

bool SmallFileSystem::resize(qint64 bytes)
{
    return remount(0, bytes);
}

bool SmallFileSystem::setReadOnly(bool readOnly)
{
    return remount(readOnly ? MS_RDONLY : 0, m_bytes);
}

bool SmallFileSystem::fill()
{
    QFile filler(filePath(QStringLiteral("filler-%1").arg(++m_fillers)));
    if (!filler.open(QIODevice::WriteOnly))
        return false;
    const QByteArray block(4096, 'x');
    while (filler.write(block) > 0 && filler.flush()) {
    }
    filler.close();
    return freeBytes() == 0;
}

qint64 SmallFileSystem::freeBytes() const
{
    struct statvfs info = {};
    if (::statvfs(QFile::encodeName(m_dir.path()).constData(), &info) != 0)
        return -1;
    return qint64(info.f_bavail) * qint64(info.f_frsize);
}
