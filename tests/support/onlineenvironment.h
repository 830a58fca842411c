#pragma once

#include "support/environmentoverride.h"
#include "support/fakeonlineservices.h"
#include "support/fakeserver.h"

#include <memory>

// The fake online services on a loopback server, with the three service
// addresses in the environment pointing at them, for code that reads its
// configuration from the environment (the application state).
struct OnlineEnvironment
{
    FakeServer server;
    std::unique_ptr<FakeOnlineServices> services;
    std::unique_ptr<EnvironmentOverride> authUrl;
    std::unique_ptr<EnvironmentOverride> accountUrl;
    std::unique_ptr<EnvironmentOverride> syncUrl;

    bool start()
    {
        if (!server.start())
            return false;
        services = std::make_unique<FakeOnlineServices>(&server);
        const LumoAccount::ClientConfig config = services->config();
        authUrl = std::make_unique<EnvironmentOverride>("AUTH_BASE_URL", config.authBaseUrl.toUtf8());
        accountUrl = std::make_unique<EnvironmentOverride>("ACCOUNT_API_URL", config.accountApiUrl.toUtf8());
        syncUrl = std::make_unique<EnvironmentOverride>("SYNC_API_URL", services->syncBaseUrl().toUtf8());
        return true;
    }
};
