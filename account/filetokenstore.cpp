#include "account/filetokenstore.h"

#include "account/pathsegment.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace LumoAccount {

std::unique_ptr<TokenStore> createTokenStore(const QString &serviceName)
{
    return std::make_unique<FileTokenStore>(serviceName);
}

FileTokenStore::FileTokenStore(const QString &serviceName, const QString &baseDirectory)
{
    const QString base = baseDirectory.isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::ConfigLocation)
        : baseDirectory;
    // A service name that could climb out of the folder gets no folder at all.
    if (isSafePathSegment(serviceName))
        m_directory = base + QStringLiteral("/Lumora/") + serviceName;
}

QString FileTokenStore::filePath(const QString &key) const
{
    if (m_directory.isEmpty() || !isSafePathSegment(key))
        return QString();
    return m_directory + QLatin1Char('/') + key;
}

bool FileTokenStore::ensureDirectory() const
{
    if (!QDir().mkpath(m_directory))
        return false;
    return QFile::setPermissions(m_directory,
                                 QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

std::optional<QString> FileTokenStore::read(const QString &key)
{
    const QString path = filePath(key);
    if (path.isEmpty())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromUtf8(file.readAll());
}

bool FileTokenStore::write(const QString &key, const QString &value)
{
    const QString path = filePath(key);
    if (path.isEmpty() || !ensureDirectory())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Set on the temporary file, so the secret is never readable by others.
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    const QByteArray bytes = value.toUtf8();
    // commit() keeps the file even when writing out its buffer failed.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
    return QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

bool FileTokenStore::remove(const QString &key)
{
    const QString path = filePath(key);
    return !path.isEmpty() && QFile::remove(path);
}

void FileTokenStore::clear()
{
    remove(QLatin1String(AccessTokenKey));
    remove(QLatin1String(RefreshTokenKey));
}

} // namespace LumoAccount
