#pragma once

#include <QString>
#include <QUrl>

namespace LumoUpdate {

// Where the release feed lives and which version is running; copied into
// every update object.
struct UpdateConfig
{
    QString appId;
    QString channel;
    QUrl manifestBaseUrl;
    QString currentVersion;
};

} // namespace LumoUpdate
