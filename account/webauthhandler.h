#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

class QTcpServer;
class QTcpSocket;

namespace LumoAccount {

struct CallbackTokens
{
    QString accessToken;
    QString refreshToken;
    bool complete() const { return !accessToken.isEmpty() && !refreshToken.isEmpty(); }
};

// The tokens of a sign-in redirect: from the fragment when it holds an access
// token, else from the query.
CallbackTokens callbackTokens(const QUrl &url);

// One-shot HTTP listener on the loopback address that receives the sign-in
// service's redirect and hands its URL on.
class WebAuthHandler : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 PreferredPort = 19876;

    explicit WebAuthHandler(QObject *parent = nullptr);
    ~WebAuthHandler() override;

    // The redirect URI, or an empty text when no port could be bound.
    QString start();
    QString redirectUri() const;
    quint16 port() const { return m_port; }

Q_SIGNALS:
    void callbackReceived(const QUrl &url);

private Q_SLOTS:
    void onNewConnection();

private:
    void onReadyRead(QTcpSocket *socket);
    void finish(QTcpSocket *socket, const QByteArray &reply);

    QTcpServer *m_server = nullptr;
    quint16 m_port = 0;
    bool m_callbackTaken = false;
};

} // namespace LumoAccount
