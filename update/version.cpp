#include "update/version.h"

#include <QStringList>

#include <tuple>

namespace LumoUpdate {

Version Version::parse(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (parts.isEmpty() || parts.size() > 3)
        return {};
    int numbers[3] = {0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        bool ok = false;
        numbers[i] = parts.at(i).toInt(&ok, 10);
        if (!ok)
            return {};
    }
    return {numbers[0], numbers[1], numbers[2]};
}

bool Version::operator==(const Version &other) const
{
    return major == other.major && minor == other.minor && patch == other.patch;
}

bool Version::operator<(const Version &other) const
{
    return std::tie(major, minor, patch) < std::tie(other.major, other.minor, other.patch);
}

} // namespace LumoUpdate
