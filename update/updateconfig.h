#pragma once

#include <QString>
#include <QUrl>

namespace LumoUpdate {

// Where the release feed lives and which version is running; copied into
// every update object.
struct UpdateConfig
{
    static constexpr int DefaultTransferTimeoutMs = 60000;

    QString appId;
    QString channel;
    QUrl manifestBaseUrl;
    QString currentVersion;
    // A feed or notes request that receives nothing for this long fails, so
    // a server that stops answering cannot leave a check running forever.
    int transferTimeoutMs = DefaultTransferTimeoutMs;
};

} // namespace LumoUpdate
