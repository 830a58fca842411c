#pragma once

#include <QDeadlineTimer>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QUrlQuery>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

namespace LumoAccount {

class TokenManager;

// ok is true exactly for a status from 200 to 299; status 0 means no answer.
using ApiCallback = std::function<void(bool ok, int httpStatus, const QJsonObject &body)>;

// What a successful reply's body must be for the caller to use it.
enum class ReplyBody {
    AnyJson,   // empty, or any JSON text (a non-object reads as an empty object)
    JsonObject // a JSON object; anything else is no usable answer
};

// JSON-over-HTTP request layer: joins paths to its base address, adds the
// application headers and the bearer token, refreshes the token before
// sending when it is due, and resends once after a 401.
class ApiClient : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultTransferTimeoutMs = 60000;
    static constexpr int DefaultRequestDeadlineMs = 120000;

    explicit ApiClient(TokenManager *tokenManager, QObject *parent = nullptr);

    void setBaseUrl(const QUrl &url) { m_baseUrl = url; }
    QUrl baseUrl() const { return m_baseUrl; }
    void setAppInfo(const QString &appId, const QString &appVersion, const QString &platform);
    // A request that has not finished within this time ends as status 0.
    void setTransferTimeout(int milliseconds) { m_transferTimeoutMs = milliseconds; }
    int transferTimeout() const { return m_transferTimeoutMs; }
    // A request that has not finished this long after it was sent ends as
    // status 0, however steadily bytes arrive.
    void setRequestDeadline(int milliseconds) { m_requestDeadlineMs = milliseconds; }
    int requestDeadline() const { return m_requestDeadlineMs; }

    void get(const QString &path, ApiCallback callback, const QUrlQuery &query = QUrlQuery(),
             ReplyBody expected = ReplyBody::AnyJson);
    void getPublic(const QString &path, ApiCallback callback, const QUrlQuery &query = QUrlQuery());
    void post(const QString &path, const QJsonObject &body, ApiCallback callback);
    void postPublic(const QString &path, const QJsonObject &body, ApiCallback callback);
    void patch(const QString &path, const QJsonObject &body, ApiCallback callback);
    void del(const QString &path, ApiCallback callback);
    // Sends with exactly this token: no refresh first and no resend after a 401.
    void postWithToken(const QString &path, const QJsonObject &body, const QString &accessToken,
                       ApiCallback callback);

    void sendRequest(const QString &method, const QString &path, const QJsonObject &body,
                     ApiCallback callback, const QUrlQuery &query, bool authenticated,
                     ReplyBody expected = ReplyBody::AnyJson);

Q_SIGNALS:
    void authenticationRequired();
    void networkError(const QString &message);

private:
    QUrl requestUrl(const QString &path, const QUrlQuery &query) const;
    // One request as sent, kept for a resend after a token refresh.
    struct Outgoing
    {
        QString method;
        QUrl url;
        QByteArray body;
        ApiCallback callback;
        ReplyBody expected = ReplyBody::AnyJson;
        QList<QUrl> redirectedFrom = {}; // the addresses asked before this one
        // Set when first sent; the redirects it is sent on to share it.
        QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever);
    };

    void executeRequest(const Outgoing &request, const QString &accessToken, bool allowRetry);
    void watchReply(QNetworkReply *reply, QDeadlineTimer deadline);
    void handleReply(QNetworkReply *reply, const Outgoing &request, const QString &accessToken,
                     bool allowRetry);
    // Sends the request on to where a redirect points, or ends it when it may
    // not go there. False when the reply names no address to go to.
    bool followRedirect(QNetworkReply *reply, int status, const Outgoing &request,
                        const QString &accessToken, bool allowRetry);
    void sendAfterRefresh(const Outgoing &request, bool beforeFirstSend);

    QNetworkAccessManager *m_network = nullptr;
    TokenManager *m_tokenManager = nullptr;
    QUrl m_baseUrl;
    QString m_appId;
    QString m_appVersion;
    QString m_platform;
    int m_transferTimeoutMs = DefaultTransferTimeoutMs;
    int m_requestDeadlineMs = DefaultRequestDeadlineMs;
};

} // namespace LumoAccount
