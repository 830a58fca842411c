#include "account/webauthhandler.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrlQuery>

namespace LumoAccount {

namespace {

constexpr qint64 MaxRequestLineBytes = 16384;

const QByteArray SuccessReply =
    "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n"
    "<html><body style='font-family: sans-serif; text-align: center; padding: 40px;'>"
    "<h2>Authentication complete!</h2>"
    "<p>You can close this tab and return to the application.</p></body></html>";

const QByteArray FailureReply =
    "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n"
    "<html><body style='font-family: sans-serif; text-align: center; padding: 40px;'>"
    "<h2>Authentication failed</h2>"
    "<p>No sign-in tokens were received. Return to the application and try again.</p>"
    "</body></html>";

const QByteArray NotFoundReply =
    "HTTP/1.1 404 Not Found\r\nContent-Type: text/plain\r\nConnection: close\r\n\r\nNot Found";

const QByteArray BadRequestReply =
    "HTTP/1.1 400 Bad Request\r\nContent-Type: text/plain\r\nConnection: close\r\n\r\n"
    "Bad Request";

CallbackTokens tokensOf(const QUrlQuery &query)
{
    return {query.queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded),
            query.queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded)};
}

} // namespace

CallbackTokens callbackTokens(const QUrl &url)
{
    const CallbackTokens fromFragment = tokensOf(QUrlQuery(url.fragment(QUrl::FullyEncoded)));
    if (!fromFragment.accessToken.isEmpty())
        return fromFragment;
    return tokensOf(QUrlQuery(url));
}

WebAuthHandler::WebAuthHandler(QObject *parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &WebAuthHandler::onNewConnection);
}

WebAuthHandler::~WebAuthHandler()
{
    if (m_server->isListening())
        m_server->close();
}

QString WebAuthHandler::start()
{
    if (!m_server->isListening()) {
        if (!m_server->listen(QHostAddress::LocalHost, PreferredPort)
            && !m_server->listen(QHostAddress::LocalHost, 0))
            return QString();
        m_port = m_server->serverPort();
    }
    return redirectUri();
}

QString WebAuthHandler::redirectUri() const
{
    return QStringLiteral("http://localhost:%1/callback").arg(m_port);
}

void WebAuthHandler::onNewConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
    }
}

void WebAuthHandler::onReadyRead(QTcpSocket *socket)
{
    if (socket->property("lumoAnswered").toBool())
        return;
    // The request line may arrive in several pieces; look at it only when whole.
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > MaxRequestLineBytes)
            finish(socket, BadRequestReply);
        return;
    }
    const QByteArray bytes = socket->readLine(MaxRequestLineBytes);
    const QStringList words = QString::fromUtf8(bytes).trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    // A line cut at the limit would hand on a shortened target.
    if (!bytes.endsWith('\n') || words.size() < 2) {
        finish(socket, BadRequestReply);
        return;
    }
    const QUrl url(QStringLiteral("http://localhost:%1%2").arg(QString::number(m_port), words.at(1)),
                   QUrl::TolerantMode);
    const bool isCallback =
        words.at(0) == QLatin1String("GET") && url.path() == QLatin1String("/callback");
    if (!isCallback || m_callbackTaken) {
        finish(socket, NotFoundReply);
        return;
    }

    m_callbackTaken = true;
    finish(socket, callbackTokens(url).complete() ? SuccessReply : FailureReply);
    Q_EMIT callbackReceived(url);
    if (m_server->isListening())
        m_server->close();
}

void WebAuthHandler::finish(QTcpSocket *socket, const QByteArray &reply)
{
    socket->setProperty("lumoAnswered", true);
    // Let the reply reach the browser even when this handler is deleted first.
    socket->setParent(nullptr);
    socket->write(reply);
    socket->flush();
    socket->disconnectFromHost();
}

} // namespace LumoAccount
