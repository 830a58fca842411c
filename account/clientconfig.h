#pragma once

#include <QString>

namespace LumoAccount {

struct ClientConfig
{
    QString authBaseUrl;
    QString realm;
    QString accountApiUrl;
    QString clientId;
    QString appId;
    QString appName;
    QString appVersion;
    QString platform; // empty: derived from the operating system
    QString accountPortalUrl;
};

} // namespace LumoAccount
