#include "feedserver.h"

#include <QTcpServer>
#include <QTcpSocket>

FeedServer::FeedServer(QObject *parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
{
    if (!m_server->listen(QHostAddress::LocalHost, 0))
        qFatal("feed server cannot listen");
    connect(m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

FeedServer::~FeedServer() = default;

void FeedServer::serve(const QString &path, const QByteArray &body, int status)
{
    m_replies.insert(path, {status, body});
}

QUrl FeedServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server->serverPort()).arg(path));
}

QStringList FeedServer::requestedPaths() const
{
    QStringList paths;
    for (const Request &request : m_requests)
        paths << request.path;
    return paths;
}

void FeedServer::onReadyRead(QTcpSocket *socket)
{
    QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0) {
        socket->setProperty("buffer", buffer);
        return;
    }
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    Request request;
    request.path = QUrl::fromPercentEncoding(requestLine.value(1));
    for (const QByteArray &line : lines) {
        if (line.toLower().startsWith("user-agent:"))
            request.userAgent = line.mid(11).trimmed();
    }
    m_requests << request;

    const Reply reply = m_replies.value(request.path, {404, QByteArray("not found")});
    QByteArray response = "HTTP/1.1 " + QByteArray::number(reply.status) + " Status\r\n";
    response += "Content-Type: text/plain; charset=utf-8\r\n";
    response += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    response += "Connection: close\r\n\r\n";
    response += reply.body;
    socket->write(response);
    socket->disconnectFromHost();
}
