#pragma once

#include <QString>

namespace LumoUpdate {

// A release version of up to three numeric parts; text that is not such a
// version reads as 0.0.0.
struct Version
{
    int major = 0;
    int minor = 0;
    int patch = 0;

    static Version parse(const QString &text);

    bool operator==(const Version &other) const;
    bool operator<(const Version &other) const;
};

} // namespace LumoUpdate
