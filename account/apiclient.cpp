#include "account/apiclient.h"

#include "account/tokenmanager.h"

#include <QDebug>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>

namespace LumoAccount {

namespace {

void call(const ApiCallback &callback, bool ok, int status, const QJsonObject &body = {})
{
    if (callback)
        callback(ok, status, body);
}

// Failures below HTTP: no connection, a reset or truncated transfer, a
// time-out. HTTP error statuses are reported in the 200+ error ranges.
bool isTransportFailure(QNetworkReply::NetworkError error)
{
    const int code = static_cast<int>(error);
    return (code > 0 && code < 200) || error == QNetworkReply::ProtocolFailure;
}

QJsonObject jsonObjectOf(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return {};
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    return document.isObject() ? document.object() : QJsonObject();
}

} // namespace

ApiClient::ApiClient(TokenManager *tokenManager, QObject *parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
    , m_tokenManager(tokenManager)
{
}

void ApiClient::setAppInfo(const QString &appId, const QString &appVersion,
                           const QString &platform)
{
    m_appId = appId;
    m_appVersion = appVersion;
    m_platform = platform;
}

void ApiClient::get(const QString &path, ApiCallback callback, const QUrlQuery &query)
{
    sendRequest(QStringLiteral("GET"), path, {}, std::move(callback), query, true);
}

void ApiClient::getPublic(const QString &path, ApiCallback callback, const QUrlQuery &query)
{
    sendRequest(QStringLiteral("GET"), path, {}, std::move(callback), query, false);
}

void ApiClient::post(const QString &path, const QJsonObject &body, ApiCallback callback)
{
    sendRequest(QStringLiteral("POST"), path, body, std::move(callback), {}, true);
}

void ApiClient::postPublic(const QString &path, const QJsonObject &body, ApiCallback callback)
{
    sendRequest(QStringLiteral("POST"), path, body, std::move(callback), {}, false);
}

void ApiClient::patch(const QString &path, const QJsonObject &body, ApiCallback callback)
{
    sendRequest(QStringLiteral("PATCH"), path, body, std::move(callback), {}, true);
}

void ApiClient::del(const QString &path, ApiCallback callback)
{
    sendRequest(QStringLiteral("DELETE"), path, {}, std::move(callback), {}, true);
}

void ApiClient::postWithToken(const QString &path, const QJsonObject &body,
                              const QString &accessToken, ApiCallback callback)
{
    const QByteArray bytes =
        body.isEmpty() ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact);
    executeRequest(QStringLiteral("POST"), requestUrl(path, {}), bytes, accessToken,
                   std::move(callback), false);
}

QUrl ApiClient::requestUrl(const QString &path, const QUrlQuery &query) const
{
    QUrl url = m_baseUrl;
    url.setPath(m_baseUrl.path(QUrl::FullyDecoded) + path, QUrl::DecodedMode);
    if (!query.isEmpty())
        url.setQuery(query);
    return url;
}

void ApiClient::sendRequest(const QString &method, const QString &path, const QJsonObject &body,
                            ApiCallback callback, const QUrlQuery &query, bool authenticated)
{
    const QUrl url = requestUrl(path, query);
    const QByteArray bytes =
        body.isEmpty() ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact);

    if (!authenticated || !m_tokenManager) {
        executeRequest(method, url, bytes, QString(), std::move(callback), false);
        return;
    }
    if (!m_tokenManager->needsRefresh()) {
        executeRequest(method, url, bytes, m_tokenManager->validAccessToken(),
                       std::move(callback), true);
        return;
    }

    qDebug() << "ApiClient: token needs refresh before" << method << url.path();
    sendAfterRefresh(method, url, bytes, std::move(callback), true);
}

void ApiClient::executeRequest(const QString &method, const QUrl &url, const QByteArray &body,
                               const QString &accessToken, ApiCallback callback, bool allowRetry)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    request.setRawHeader("Accept", "application/json");
    if (!m_appId.isEmpty())
        request.setRawHeader("X-App-Id", m_appId.toUtf8());
    if (!m_appVersion.isEmpty())
        request.setRawHeader("X-App-Version", m_appVersion.toUtf8());
    if (!m_platform.isEmpty())
        request.setRawHeader("X-Platform", m_platform.toUtf8());
    if (!accessToken.isEmpty())
        request.setRawHeader("Authorization", QStringLiteral("Bearer %1").arg(accessToken).toUtf8());
    request.setTransferTimeout(m_transferTimeoutMs);

    QNetworkReply *reply = nullptr;
    if (method == QLatin1String("GET"))
        reply = m_network->get(request);
    else if (method == QLatin1String("POST"))
        reply = m_network->post(request, body);
    else if (method == QLatin1String("PUT"))
        reply = m_network->put(request, body);
    else if (method == QLatin1String("PATCH"))
        reply = m_network->sendCustomRequest(request, "PATCH", body);
    else if (method == QLatin1String("DELETE"))
        reply = m_network->deleteResource(request);

    if (!reply) {
        call(callback, false, 0);
        return;
    }
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, method, url, body, callback, allowRetry] {
                handleReply(reply, method, url, body, callback, allowRetry);
            });
}

void ApiClient::handleReply(QNetworkReply *reply, const QString &method, const QUrl &url,
                            const QByteArray &body, ApiCallback callback, bool allowRetry)
{
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray bytes = reply->isOpen() ? reply->readAll() : QByteArray();

    // A status line followed by a broken transfer is no answer either: the body
    // cannot be trusted, so even a 2xx must not reach the caller as success.
    if (isTransportFailure(reply->error())) {
        Q_EMIT networkError(reply->errorString());
        call(callback, false, 0);
        return;
    }
    if (status == 401 && allowRetry && m_tokenManager) {
        sendAfterRefresh(method, url, body, std::move(callback), false);
        return;
    }
    if (status == 0 && reply->error() != QNetworkReply::NoError) {
        Q_EMIT networkError(reply->errorString());
        call(callback, false, 0);
        return;
    }
    call(callback, status >= 200 && status <= 299, status, jsonObjectOf(bytes));
}

void ApiClient::sendAfterRefresh(const QString &method, const QUrl &url, const QByteArray &body,
                                 ApiCallback callback, bool beforeFirstSend)
{
    QPointer<ApiClient> self(this);
    m_tokenManager->refresh([self, method, url, body, callback, beforeFirstSend](RefreshResult result) {
        if (!self)
            return;
        switch (result) {
        case RefreshResult::Success:
            // Sent first after a due refresh, a 401 may still earn one resend;
            // a resend after a 401 never does.
            self->executeRequest(method, url, body, self->m_tokenManager->validAccessToken(),
                                 callback, beforeFirstSend);
            break;
        case RefreshResult::AuthFailed:
            if (beforeFirstSend)
                qWarning() << "ApiClient: token refresh" << "rejected" << "for" << method
                           << url.path();
            Q_EMIT self->authenticationRequired();
            call(callback, false, 401);
            break;
        case RefreshResult::TransientError:
            if (beforeFirstSend)
                qWarning() << "ApiClient: token refresh" << "failed (transient)" << "for" << method
                           << url.path();
            call(callback, false, 0);
            break;
        }
    });
}

} // namespace LumoAccount
