#pragma once

#include "account/apiclient.h"
#include "account/client.h"
#include "support/fakeonlineservices.h"
#include "support/fakeserver.h"
#include "support/memorytokenstore.h"

#include <QtTest>

#include <memory>

// A client wired to the fake services, with its tokens kept in memory.
struct OnlineFixture
{
    FakeServer server;
    std::unique_ptr<FakeOnlineServices> services;
    std::shared_ptr<MemoryTokenStore::Map> store = std::make_shared<MemoryTokenStore::Map>();
    std::unique_ptr<LumoAccount::Client> client;

    OnlineFixture()
    {
        if (!server.start())
            qFatal("fake server did not start");
        services = std::make_unique<FakeOnlineServices>(&server);
    }

    // Builds the client; tokens already in the store are what it starts with.
    LumoAccount::Client *makeClient(int transferTimeoutMs = 5000)
    {
        client = std::make_unique<LumoAccount::Client>(
            services->config(), std::make_unique<MemoryTokenStore>(store));
        client->syncApi()->setBaseUrl(QUrl(services->syncBaseUrl()));
        for (LumoAccount::ApiClient *api :
             {client->authApi(), client->accountApi(), client->syncApi()})
            api->setTransferTimeout(transferTimeoutMs);
        return client.get();
    }

    void storeTokens(const QString &access, const QString &refresh)
    {
        store->insert(QLatin1String(LumoAccount::AccessTokenKey), access);
        store->insert(QLatin1String(LumoAccount::RefreshTokenKey), refresh);
    }

    // Stores a pair the services accept, and loads it into the client's manager.
    QPair<QString, QString> signIn(qint64 lifetimeSeconds = 3600);

    QString storedAccess() const
    {
        return store->value(QLatin1String(LumoAccount::AccessTokenKey));
    }
    QString storedRefresh() const
    {
        return store->value(QLatin1String(LumoAccount::RefreshTokenKey));
    }
};

#include "account/tokenmanager.h"

inline QPair<QString, QString> OnlineFixture::signIn(qint64 lifetimeSeconds)
{
    const auto tokens = services->issueTokens(lifetimeSeconds);
    storeTokens(tokens.first, tokens.second);
    if (client)
        client->tokenManager()->loadTokens();
    return tokens;
}

// Collects the (ok, status, body) of API callbacks.
struct ApiResult
{
    int calls = 0;
    bool ok = false;
    int status = -1;
    QJsonObject body;

    LumoAccount::ApiCallback callback()
    {
        return [this](bool resultOk, int resultStatus, const QJsonObject &resultBody) {
            ++calls;
            ok = resultOk;
            status = resultStatus;
            body = resultBody;
        };
    }
};
