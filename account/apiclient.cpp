#include "account/apiclient.h"

#include "account/singleusebody.h"
#include "account/tokenmanager.h"

#include <QDebug>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

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

// Why the client itself ended a reply; kept on the reply for its handler.
const char *const kFailureProperty = "tallyraFailure";

int effectivePort(const QUrl &url)
{
    return url.port(url.scheme() == QLatin1String("https") ? 443 : 80);
}

// Scheme, host and port: a bearer token or a body may only travel there.
bool sameOrigin(const QUrl &a, const QUrl &b)
{
    return a.scheme() == b.scheme() && a.host() == b.host() && effectivePort(a) == effectivePort(b);
}

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

void endReply(QNetworkReply *reply, const QString &why)
{
    if (reply->isFinished())
        return;
    reply->setProperty(kFailureProperty, why);
    reply->abort();
}

// Empty when the body of a successful reply can be used; else why not.
QString unreadableBody(const QNetworkReply *reply, const QByteArray &bytes, ReplyBody expected)
{
    if (reply->error() != QNetworkReply::NoError)
        return QStringLiteral("Unreadable reply body: %1").arg(reply->errorString());
    if (bytes.isEmpty())
        return expected == ReplyBody::JsonObject ? QStringLiteral("Empty reply body") : QString();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return QStringLiteral("Reply body is not JSON: %1").arg(error.errorString());
    if (expected == ReplyBody::JsonObject && !document.isObject())
        return QStringLiteral("Reply body is not a JSON object");
    return QString();
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

void ApiClient::get(const QString &path, ApiCallback callback, const QUrlQuery &query,
                    ReplyBody expected)
{
    sendRequest(QStringLiteral("GET"), path, {}, std::move(callback), query, true, expected);
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

namespace {

QByteArray bodyBytes(const QJsonObject &body)
{
    return body.isEmpty() ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact);
}

} // namespace

void ApiClient::postWithToken(const QString &path, const QJsonObject &body,
                              const QString &accessToken, ApiCallback callback)
{
    executeRequest({QStringLiteral("POST"), requestUrl(path, {}), bodyBytes(body), std::move(callback)},
                   accessToken, false);
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
                            ApiCallback callback, const QUrlQuery &query, bool authenticated,
                            ReplyBody expected)
{
    const Outgoing request{method, requestUrl(path, query), bodyBytes(body), std::move(callback),
                           expected};

    if (!authenticated || !m_tokenManager) {
        executeRequest(request, QString(), false);
        return;
    }
    if (!m_tokenManager->needsRefresh()) {
        executeRequest(request, m_tokenManager->validAccessToken(), true);
        return;
    }

    qDebug() << "ApiClient: token needs refresh before" << method << request.url.path();
    sendAfterRefresh(request, true);
}

void ApiClient::executeRequest(const Outgoing &first, const QString &accessToken,
                               bool allowRetry)
{
    Outgoing outgoing = first;
    if (outgoing.deadline.isForever() && m_requestDeadlineMs > 0)
        outgoing.deadline.setRemainingTime(m_requestDeadlineMs);
    QNetworkRequest request(outgoing.url);
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
    // Redirects are followed here, one request per step, where the origin,
    // loops and the body are checked in one place.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);

    const QString &method = outgoing.method;
    // POST and PATCH are not idempotent: the network layer must not send
    // them a second time on its own.
    SingleUseBody *body = nullptr;
    if (method == QLatin1String("POST") || method == QLatin1String("PATCH")) {
        body = new SingleUseBody(outgoing.body);
        request.setHeader(QNetworkRequest::ContentLengthHeader, outgoing.body.size());
        request.setAttribute(QNetworkRequest::DoNotBufferUploadDataAttribute, true);
    }
    QNetworkReply *reply = nullptr;
    if (method == QLatin1String("GET"))
        reply = m_network->get(request);
    else if (method == QLatin1String("POST"))
        reply = m_network->post(request, body);
    else if (method == QLatin1String("PUT"))
        reply = m_network->put(request, outgoing.body);
    else if (method == QLatin1String("PATCH"))
        reply = m_network->sendCustomRequest(request, "PATCH", body);
    else if (method == QLatin1String("DELETE"))
        reply = m_network->deleteResource(request);

    if (!reply) {
        delete body;
        call(outgoing.callback, false, 0);
        return;
    }
    if (body)
        body->setParent(reply);
    watchReply(reply, outgoing.deadline);
    connect(reply, &QNetworkReply::finished, this, [this, reply, outgoing, accessToken, allowRetry] {
        handleReply(reply, outgoing, accessToken, allowRetry);
    });
}

void ApiClient::watchReply(QNetworkReply *reply, QDeadlineTimer deadline)
{
    // The transfer time-out restarts with every byte; this bounds the whole.
    if (!deadline.isForever()) {
        QTimer::singleShot(qMax<qint64>(0, deadline.remainingTime()), reply, [reply] {
            endReply(reply, QStringLiteral("Request deadline exceeded"));
        });
    }
}

void ApiClient::handleReply(QNetworkReply *reply, const Outgoing &request, const QString &accessToken,
                            bool allowRetry)
{
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray bytes = reply->isOpen() ? reply->readAll() : QByteArray();
    const auto noAnswer = [this, &request](const QString &why) {
        Q_EMIT networkError(why);
        call(request.callback, false, 0);
    };

    const QString ownFailure = reply->property(kFailureProperty).toString();
    if (!ownFailure.isEmpty()) {
        qWarning() << "ApiClient:" << ownFailure << "for" << request.method << request.url.path();
        noAnswer(ownFailure);
        return;
    }
    // A status line followed by a broken transfer is no answer either: the body
    // cannot be trusted, so even a 2xx must not reach the caller as success.
    if (isTransportFailure(reply->error())) {
        noAnswer(reply->errorString());
        return;
    }
    if (isRedirect(status) && followRedirect(reply, status, request, accessToken, allowRetry))
        return;
    if (status == 401 && allowRetry && m_tokenManager) {
        sendAfterRefresh(request, false);
        return;
    }
    if (status == 0 && reply->error() == QNetworkReply::ContentReSendError) {
        // The network layer would have repeated it; see SingleUseBody.
        noAnswer(QStringLiteral("Connection closed before the reply; the request was not sent again"));
        return;
    }
    if (status == 0 && reply->error() != QNetworkReply::NoError) {
        noAnswer(reply->errorString());
        return;
    }
    const bool ok = status >= 200 && status <= 299;
    if (ok) {
        // A success whose body cannot be read (a broken compressed stream, text
        // that is not JSON) would hand the caller an empty result as if real.
        const QString unreadable = unreadableBody(reply, bytes, request.expected);
        if (!unreadable.isEmpty()) {
            qWarning() << "ApiClient:" << unreadable << "for" << request.method << request.url.path();
            noAnswer(unreadable);
            return;
        }
    }
    call(request.callback, ok, status, jsonObjectOf(bytes));
}

bool ApiClient::followRedirect(QNetworkReply *reply, int status, const Outgoing &request,
                               const QString &accessToken, bool allowRetry)
{
    // The header itself: a relative address is no valid Location header to Qt.
    const QUrl target = QUrl::fromEncoded(reply->rawHeader("Location"));
    if (target.isEmpty() || !target.isValid())
        return false;
    const QUrl resolved = reply->url().resolved(target);
    QList<QUrl> asked = request.redirectedFrom;
    asked.append(request.url);
    // The headers, the token and the body go wherever a redirect points.
    QString refusal;
    if (!sameOrigin(asked.constFirst(), resolved))
        refusal = QStringLiteral("Redirect to another origin refused: %1")
                      .arg(resolved.toDisplayString(QUrl::RemoveUserInfo | QUrl::RemoveQuery));
    else if (asked.contains(resolved))
        refusal = QStringLiteral("Redirect loop at %1")
                      .arg(resolved.toDisplayString(QUrl::RemoveUserInfo | QUrl::RemoveQuery));
    else if (request.redirectedFrom.size() >= QNetworkRequest(resolved).maximumRedirectsAllowed())
        refusal = QStringLiteral("Too many redirects");
    if (!refusal.isEmpty()) {
        qWarning() << "ApiClient:" << refusal << "for" << request.method << request.url.path();
        Q_EMIT networkError(refusal);
        call(request.callback, false, 0);
        return true;
    }

    Outgoing next = request;
    next.url = resolved;
    next.redirectedFrom = asked;
    // A 307 or 308 says the service did not act: the same request goes to the
    // new address, once. Any other redirect points at a result to fetch.
    if (status != 307 && status != 308 && request.method != QLatin1String("GET")) {
        next.method = QStringLiteral("GET");
        next.body.clear();
    }
    executeRequest(next, accessToken, allowRetry);
    return true;
}

void ApiClient::sendAfterRefresh(const Outgoing &request, bool beforeFirstSend)
{
    QPointer<ApiClient> self(this);
    m_tokenManager->refresh([self, request, beforeFirstSend](RefreshResult result) {
        if (!self)
            return;
        switch (result) {
        case RefreshResult::Success: {
            // Sent first after a due refresh, a 401 may still earn one resend;
            // a resend after a 401 never does. With its new token it is a new
            // request, with a deadline of its own.
            Outgoing again = request;
            again.deadline = QDeadlineTimer(QDeadlineTimer::Forever);
            self->executeRequest(again, self->m_tokenManager->validAccessToken(), beforeFirstSend);
            break;
        }
        case RefreshResult::AuthFailed:
            if (beforeFirstSend)
                qWarning() << "ApiClient: token refresh" << "rejected" << "for" << request.method
                           << request.url.path();
            Q_EMIT self->authenticationRequired();
            call(request.callback, false, 401);
            break;
        case RefreshResult::TransientError:
            if (beforeFirstSend)
                qWarning() << "ApiClient: token refresh" << "failed (transient)" << "for"
                           << request.method << request.url.path();
            call(request.callback, false, 0);
            break;
        }
    });
}

} // namespace LumoAccount
