#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

class QTcpServer;
class QTcpSocket;

// A release feed on 127.0.0.1 with a free port: answers GET requests from a
// table of paths and records every request it sees.
class FeedServer : public QObject
{
    Q_OBJECT

public:
    struct Request
    {
        QString path;
        QByteArray userAgent;
    };

    explicit FeedServer(QObject *parent = nullptr);
    ~FeedServer() override;

    // Paths not served answer 404.
    void serve(const QString &path, const QByteArray &body, int status = 200);
    QUrl url(const QString &path) const;

    QList<Request> requests() const { return m_requests; }
    QStringList requestedPaths() const;

private:
    void onReadyRead(QTcpSocket *socket);

    struct Reply
    {
        int status;
        QByteArray body;
    };

    QTcpServer *m_server;
    QHash<QString, Reply> m_replies;
    QList<Request> m_requests;
};
