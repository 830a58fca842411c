#include "account/deviceidentity.h"

#include <QCryptographicHash>
#include <QSysInfo>

namespace LumoAccount {

namespace {

std::function<QString()> &machineIdSource()
{
    static std::function<QString()> source;
    return source;
}

QString machineId()
{
    if (machineIdSource())
        return machineIdSource()();
    return QString::fromUtf8(QSysInfo::machineUniqueId());
}

} // namespace

void setMachineIdSource(std::function<QString()> source)
{
    machineIdSource() = std::move(source);
}

QString machineHostName()
{
    return QSysInfo::machineHostName();
}

QString platformName()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("Windows");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("macOS");
#else
    return QStringLiteral("Linux");
#endif
}

QString deviceFingerprint()
{
    const QString id = machineId();
    if (!id.isEmpty())
        return id;
    const QByteArray digest =
        QCryptographicHash::hash(machineHostName().toUtf8(), QCryptographicHash::Sha256);
    return QString::fromLatin1(digest.toHex()).left(32);
}

} // namespace LumoAccount
