#include "support/fakeserver.h"

#include <QHostAddress>
#include <QJsonDocument>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <utility>

namespace {

QString scriptKey(const QString &method, const QString &path)
{
    return method + QLatin1Char(' ') + path;
}

QStringList segmentsOf(const QString &path)
{
    return path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 201: return "Created";
    case 204: return "No Content";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 307: return "Temporary Redirect";
    case 308: return "Permanent Redirect";
    case 400: return "Bad Request";
    case 401: return "Unauthorized";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 409: return "Conflict";
    case 500: return "Internal Server Error";
    case 502: return "Bad Gateway";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}

} // namespace

QJsonObject FakeRequest::json() const
{
    return QJsonDocument::fromJson(body).object();
}

QString FakeRequest::bearerToken() const
{
    const QByteArray value = header("authorization");
    return value.startsWith("Bearer ") ? QString::fromUtf8(value.mid(7)) : QString();
}

FakeResponse FakeResponse::json(int status, const QJsonObject &object)
{
    FakeResponse response;
    response.status = status;
    response.body = QJsonDocument(object).toJson(QJsonDocument::Compact);
    return response;
}

FakeResponse FakeResponse::json(int status, const QJsonArray &array)
{
    FakeResponse response;
    response.status = status;
    response.body = QJsonDocument(array).toJson(QJsonDocument::Compact);
    return response;
}

FakeResponse FakeResponse::html(int status, const QByteArray &page)
{
    FakeResponse response;
    response.status = status;
    response.body = page;
    response.contentType = "text/html";
    return response;
}

FakeResponse FakeResponse::empty(int status)
{
    FakeResponse response;
    response.status = status;
    response.contentType.clear();
    return response;
}

FakeResponse FakeResponse::redirect(const QUrl &location, int status)
{
    FakeResponse response = empty(status);
    response.headers.append({"Location", location.toEncoded()});
    return response;
}

FakeResponse FakeResponse::truncated(int status, const QJsonObject &object)
{
    FakeResponse response = json(status, object);
    response.mode = Mode::Truncated;
    return response;
}

FakeResponse FakeResponse::dropped()
{
    FakeResponse response;
    response.mode = Mode::Dropped;
    return response;
}

FakeResponse FakeResponse::noReply()
{
    FakeResponse response;
    response.mode = Mode::NoReply;
    return response;
}

FakeResponse FakeResponse::closed()
{
    FakeResponse response;
    response.mode = Mode::Closed;
    return response;
}

FakeResponse FakeResponse::trickle(int status, const QJsonObject &object, int byteEveryMs)
{
    FakeResponse response = json(status, object);
    response.mode = Mode::Trickle;
    response.trickleMs = byteEveryMs;
    return response;
}

FakeResponse FakeResponse::withDelay(int milliseconds) const
{
    FakeResponse response = *this;
    response.delayMs = milliseconds;
    return response;
}

FakeServer::FakeServer(QObject *parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &FakeServer::onNewConnection);
}

FakeServer::~FakeServer() = default;

bool FakeServer::start()
{
    return m_server->isListening() || m_server->listen(QHostAddress::LocalHost, 0);
}

quint16 FakeServer::port() const
{
    return m_server->serverPort();
}

QString FakeServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(port()) + path;
}

void FakeServer::route(const QString &method, const QString &pattern, FakeHandler handler)
{
    const QStringList segments = segmentsOf(pattern);
    for (Route &existing : m_routes) {
        if (existing.method == method && existing.segments == segments) {
            existing.handler = std::move(handler);
            return;
        }
    }
    m_routes.append({method, segments, std::move(handler)});
}

void FakeServer::script(const QString &method, const QString &path, const FakeResponse &response)
{
    m_scripted[scriptKey(method, path)].append(response);
}

void FakeServer::scriptAlways(const QString &method, const QString &path,
                              const FakeResponse &response)
{
    m_always.insert(scriptKey(method, path), response);
}

void FakeServer::scriptAfterHandling(const QString &method, const QString &path, const FakeResponse &response)
{
    m_afterHandling[scriptKey(method, path)].append(response);
}

void FakeServer::clearScripts()
{
    m_scripted.clear();
    m_always.clear();
    m_afterHandling.clear();
}

QList<FakeRequest> FakeServer::requests(const QString &method, const QString &path) const
{
    QList<FakeRequest> matching;
    for (const FakeRequest &request : m_requests) {
        if (request.method == method && request.path == path)
            matching.append(request);
    }
    return matching;
}

int FakeServer::count(const QString &method, const QString &path) const
{
    return static_cast<int>(requests(method, path).size());
}

void FakeServer::onNewConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        socket->setProperty("fakeConnection", ++m_connectionCount);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
    }
}

void FakeServer::onReadyRead(QTcpSocket *socket)
{
    // Requests are small: keep the bytes on the socket until one is whole.
    QByteArray buffer = socket->property("fakeBuffer").toByteArray() + socket->readAll();
    socket->setProperty("fakeBuffer", buffer);
    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return;

    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    FakeRequest request;
    request.connection = socket->property("fakeConnection").toInt();
    request.method = QString::fromLatin1(requestLine.value(0));
    const QUrl target(QString::fromUtf8(requestLine.value(1)));
    request.path = target.path(QUrl::FullyDecoded);
    request.query = QUrlQuery(target);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines.at(i).indexOf(':');
        if (colon > 0)
            request.headers.insert(lines.at(i).left(colon).trimmed().toLower(),
                                   lines.at(i).mid(colon + 1).trimmed());
    }
    const qsizetype length = request.header("content-length").toLongLong();
    if (buffer.size() < headerEnd + 4 + length)
        return;
    request.body = buffer.mid(headerEnd + 4, length);
    socket->setProperty("fakeBuffer", buffer.mid(headerEnd + 4 + length));
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);

    const FakeResponse response = respond(request);
    m_requests.append(request);
    Q_EMIT requestReceived(request);

    if (response.delayMs <= 0) {
        send(socket, response);
        return;
    }
    QPointer<QTcpSocket> guarded(socket);
    QTimer::singleShot(response.delayMs, this, [this, guarded, response] {
        if (guarded)
            send(guarded, response);
    });
}

FakeResponse FakeServer::respond(FakeRequest &request)
{
    const QString key = scriptKey(request.method, request.path);
    auto afterHandling = m_afterHandling.find(key);
    if (afterHandling != m_afterHandling.end() && !afterHandling->isEmpty()) {
        // Set the queue aside so the usual handling cannot take from it.
        QList<FakeResponse> queued = std::exchange(*afterHandling, {});
        const FakeResponse instead = queued.takeFirst();
        respond(request);
        m_afterHandling[key] = queued + m_afterHandling.value(key);
        return instead;
    }
    auto scripted = m_scripted.find(key);
    if (scripted != m_scripted.end() && !scripted->isEmpty())
        return scripted->takeFirst();
    if (m_always.contains(key))
        return m_always.value(key);

    const QStringList segments = segmentsOf(request.path);
    for (const Route &route : std::as_const(m_routes)) {
        if (route.method != request.method || route.segments.size() != segments.size())
            continue;
        QStringList captures;
        bool matches = true;
        for (qsizetype i = 0; i < segments.size() && matches; ++i) {
            if (route.segments.at(i) == QLatin1String("{}"))
                captures.append(segments.at(i));
            else
                matches = route.segments.at(i) == segments.at(i);
        }
        if (matches) {
            request.captures = captures;
            return route.handler(request);
        }
    }
    return FakeResponse::json(404, QJsonObject{{QStringLiteral("error"), QStringLiteral("not found")}});
}

void FakeServer::send(QTcpSocket *socket, const FakeResponse &response)
{
    switch (response.mode) {
    case FakeResponse::Mode::NoReply:
        return;
    case FakeResponse::Mode::Dropped:
        socket->abort();
        return;
    case FakeResponse::Mode::Closed:
        socket->disconnectFromHost();
        return;
    case FakeResponse::Mode::Normal:
    case FakeResponse::Mode::Truncated:
    case FakeResponse::Mode::Trickle:
        break;
    }
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' '
        + reasonPhrase(response.status) + "\r\n";
    if (!response.contentType.isEmpty())
        head += "Content-Type: " + response.contentType + "\r\n";
    for (const auto &header : response.headers)
        head += header.first + ": " + header.second + "\r\n";
    head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    const bool keepAlive = m_keepAlive && response.mode == FakeResponse::Mode::Normal;
    head += keepAlive ? "Connection: keep-alive\r\n\r\n" : "Connection: close\r\n\r\n";
    if (response.mode == FakeResponse::Mode::Trickle) {
        socket->write(head);
        trickle(socket, response.body, response.trickleMs);
        return;
    }
    const bool truncated = response.mode == FakeResponse::Mode::Truncated;
    socket->write(head + (truncated ? response.body.left(response.body.size() / 2) : response.body));
    socket->flush();
    if (!keepAlive) {
        socket->disconnectFromHost();
        return;
    }
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
    if (!socket->property("fakeBuffer").toByteArray().isEmpty() || socket->bytesAvailable() > 0)
        onReadyRead(socket);
}

void FakeServer::trickle(QTcpSocket *socket, const QByteArray &bytes, int intervalMs)
{
    // Each byte restarts a transfer time-out, so only an overall deadline ends this.
    QPointer<QTcpSocket> guarded(socket);
    QTimer::singleShot(intervalMs, this, [this, guarded, bytes, intervalMs] {
        if (!guarded || guarded->state() != QAbstractSocket::ConnectedState)
            return;
        if (bytes.isEmpty()) {
            guarded->disconnectFromHost();
            return;
        }
        guarded->write(bytes.left(1));
        guarded->flush();
        trickle(guarded, bytes.mid(1), intervalMs);
    });
}
