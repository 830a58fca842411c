#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QUrlQuery>

#include <functional>

class QTcpServer;
class QTcpSocket;

// One HTTP request as the fake server received it.
struct FakeRequest
{
    QString method;
    QString path; // decoded, without the query
    QUrlQuery query;
    QHash<QByteArray, QByteArray> headers; // names in lower case
    QByteArray body;
    QStringList captures; // the "{}" segments of the matched route
    int connection = 0;   // which connection it came on, counted from 1

    QByteArray header(const QByteArray &name) const { return headers.value(name.toLower()); }
    bool hasHeader(const QByteArray &name) const { return headers.contains(name.toLower()); }
    QJsonObject json() const;
    // The token of an "Authorization: Bearer ..." header, or empty.
    QString bearerToken() const;
};

// What the fake server does with one request.
struct FakeResponse
{
    enum class Mode {
        Normal,    // status line, headers and the whole body
        Truncated, // announces the whole body, sends half of it, then closes
        Dropped,   // closes the connection without a byte
        NoReply,   // keeps the connection open and never answers
        Trickle,   // sends the head, then one body byte every trickleMs
        Closed,    // closes the connection in order, without a byte
    };

    int status = 200;
    QByteArray body;
    QByteArray contentType = "application/json";
    QList<QPair<QByteArray, QByteArray>> headers;
    int delayMs = 0;
    int trickleMs = 0;
    Mode mode = Mode::Normal;

    static FakeResponse json(int status, const QJsonObject &object);
    static FakeResponse json(int status, const QJsonArray &array);
    static FakeResponse html(int status, const QByteArray &page);
    static FakeResponse empty(int status);
    static FakeResponse redirect(const QUrl &location, int status = 302);
    static FakeResponse truncated(int status, const QJsonObject &object);
    static FakeResponse dropped();
    static FakeResponse noReply();
    static FakeResponse closed();
    static FakeResponse trickle(int status, const QJsonObject &object, int byteEveryMs);
    FakeResponse withDelay(int milliseconds) const;
};

using FakeHandler = std::function<FakeResponse(const FakeRequest &)>;

// In-process HTTP/1.1 server on 127.0.0.1 with a free port. Requests are
// answered by route handlers ("/accounts/{}/share" style patterns), unless a
// scripted response is queued for that method and path. Every request is
// recorded.
class FakeServer : public QObject
{
    Q_OBJECT

public:
    explicit FakeServer(QObject *parent = nullptr);
    ~FakeServer() override;

    bool start();
    quint16 port() const;
    // "http://127.0.0.1:<port>" followed by the path.
    QString url(const QString &path = QString()) const;

    // A later route for the same method and pattern replaces the earlier one.
    void route(const QString &method, const QString &pattern, FakeHandler handler);
    // Answers the next request for exactly this method and path with the
    // response; queued responses are used in order, then the routes again.
    void script(const QString &method, const QString &path, const FakeResponse &response);
    // Answers every request for this method and path with the response.
    void scriptAlways(const QString &method, const QString &path, const FakeResponse &response);
    // Lets the next request for this method and path be handled as usual
    // (the service stores what it stores), then answers it with the response
    // instead: a reply lost after the work was done.
    void scriptAfterHandling(const QString &method, const QString &path, const FakeResponse &response);
    void clearScripts();
    // Keeps each connection open after a whole answer, for the client's next
    // request, instead of closing it.
    void setKeepAlive(bool keepAlive) { m_keepAlive = keepAlive; }
    int connectionCount() const { return m_connectionCount; }

    QList<FakeRequest> requests() const { return m_requests; }
    QList<FakeRequest> requests(const QString &method, const QString &path) const;
    int count(const QString &method, const QString &path) const;
    void clearRequests() { m_requests.clear(); }

Q_SIGNALS:
    void requestReceived(const FakeRequest &request);

private:
    struct Route
    {
        QString method;
        QStringList segments;
        FakeHandler handler;
    };

    void onNewConnection();
    void onReadyRead(QTcpSocket *socket);
    FakeResponse respond(FakeRequest &request);
    void send(QTcpSocket *socket, const FakeResponse &response);
    void trickle(QTcpSocket *socket, const QByteArray &bytes, int intervalMs);

    QTcpServer *m_server = nullptr;
    QList<Route> m_routes;
    QHash<QString, QList<FakeResponse>> m_scripted;
    QHash<QString, FakeResponse> m_always;
    QHash<QString, QList<FakeResponse>> m_afterHandling;
    QList<FakeRequest> m_requests;
    bool m_keepAlive = false;
    int m_connectionCount = 0;
};
