#pragma once

#include <QJsonObject>
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

// JSON-over-HTTP request layer: joins paths to its base address, adds the
// application headers and the bearer token, refreshes the token before
// sending when it is due, and resends once after a 401.
class ApiClient : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultTransferTimeoutMs = 60000;

    explicit ApiClient(TokenManager *tokenManager, QObject *parent = nullptr);

    void setBaseUrl(const QUrl &url) { m_baseUrl = url; }
    QUrl baseUrl() const { return m_baseUrl; }
    void setAppInfo(const QString &appId, const QString &appVersion, const QString &platform);
    // A request that has not finished within this time ends as status 0.
    void setTransferTimeout(int milliseconds) { m_transferTimeoutMs = milliseconds; }
    int transferTimeout() const { return m_transferTimeoutMs; }

    void get(const QString &path, ApiCallback callback, const QUrlQuery &query = QUrlQuery());
    void getPublic(const QString &path, ApiCallback callback, const QUrlQuery &query = QUrlQuery());
    void post(const QString &path, const QJsonObject &body, ApiCallback callback);
    void postPublic(const QString &path, const QJsonObject &body, ApiCallback callback);
    void patch(const QString &path, const QJsonObject &body, ApiCallback callback);
    void del(const QString &path, ApiCallback callback);
    // Sends with exactly this token: no refresh first and no resend after a 401.
    void postWithToken(const QString &path, const QJsonObject &body, const QString &accessToken,
                       ApiCallback callback);

    void sendRequest(const QString &method, const QString &path, const QJsonObject &body,
                     ApiCallback callback, const QUrlQuery &query, bool authenticated);

Q_SIGNALS:
    void authenticationRequired();
    void networkError(const QString &message);

private:
    QUrl requestUrl(const QString &path, const QUrlQuery &query) const;
    void executeRequest(const QString &method, const QUrl &url, const QByteArray &body,
                        const QString &accessToken, ApiCallback callback, bool allowRetry);
    void handleReply(QNetworkReply *reply, const QString &method, const QUrl &url,
                     const QByteArray &body, ApiCallback callback, bool allowRetry);
    void sendAfterRefresh(const QString &method, const QUrl &url, const QByteArray &body,
                          ApiCallback callback, bool beforeFirstSend);

    QNetworkAccessManager *m_network = nullptr;
    TokenManager *m_tokenManager = nullptr;
    QUrl m_baseUrl;
    QString m_appId;
    QString m_appVersion;
    QString m_platform;
    int m_transferTimeoutMs = DefaultTransferTimeoutMs;
};

} // namespace LumoAccount
