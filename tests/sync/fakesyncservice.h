#pragma once

#include "support/fakeserver.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// The sync service's two endpoints on a FakeServer: "/sync/push" stores
// change records (upsert by client id) and "/sync/pull" serves them back
// page by page from a change log with a cursor. Faults can be placed on any
// numbered request.
//
// Conflict policy: a pushed change, an upsert or a deletion alike, is taken
// when its version is at least the stored one (equal included) and refused
// with status "conflict" when it is lower. The stricter mode takes only a
// higher version, refusing equal ones too.
class FakeSyncService
{
public:
    enum class ConflictPolicy { TakeEqualOrHigher, TakeHigherOnly };

    // The pull reply's array keys, in apply order.
    static const QStringList &kinds();
    static QString kindOfEntityType(const QString &entityType);

    explicit FakeSyncService(FakeServer *server);

    // Answers request number n (1-based, counted per endpoint) with the
    // response instead of the normal one. With afterProcessing the service
    // first does its work (the reply is lost, the change is not).
    void failPush(int requestNumber, const FakeResponse &response, bool afterProcessing = false);
    void failPull(int requestNumber, const FakeResponse &response, bool afterProcessing = false);
    void clearFaults();

    // Edits a normal reply before it is sent.
    std::function<void(QJsonObject &reply, const QJsonArray &changes)> editPushReply;
    std::function<void(QJsonObject &page, int requestNumber)> editPullPage;
    // Called when a push request arrives, before it is processed.
    std::function<void(int requestNumber)> onPush;
    // Answers a change with status "error" and does not store it.
    std::function<bool(const QJsonObject &change)> rejectChange;
    // Serves pages smaller than the client asks for (0: as asked).
    int pageSize = 0;
    ConflictPolicy conflictPolicy = ConflictPolicy::TakeEqualOrHigher;
    // When set, a request it does not accept is answered 401.
    std::function<bool(const FakeRequest &request)> authorize;

    // Server-side edits, as another device would make them. Returns the
    // server id. The record is stored as given plus "id" and "version".
    QString putRecord(const QString &kind, QJsonObject record);
    std::optional<QJsonObject> recordByClientId(const QString &kind, const QString &clientId) const;
    QList<QJsonObject> records(const QString &kind) const;
    int liveCount(const QString &kind) const;

    int pushCount() const { return m_pushCount; }
    int pullCount() const { return m_pullCount; }
    // The batch sizes of every push request received.
    QList<int> pushBatchSizes() const { return m_batchSizes; }
    QList<QString> pullCursors() const { return m_pullCursors; }
    void setSendIntegrity(bool send) { m_sendIntegrity = send; }
    QString cursorAt(int position) const;

private:
    struct Fault
    {
        FakeResponse response;
        bool afterProcessing = false;
    };
    struct LogEntry
    {
        QString kind;
        QString serverId;
    };

    FakeResponse handlePush(const FakeRequest &request);
    FakeResponse handlePull(const FakeRequest &request);
    QJsonObject pushOne(const QJsonObject &change);
    QJsonObject page(int start, int limit, int *end) const;
    QString store(const QString &kind, QJsonObject record);

    QHash<QString, QHash<QString, QJsonObject>> m_records; // kind -> server id -> record
    QHash<QString, QHash<QString, QString>> m_byClientId;  // kind -> client id -> server id
    QList<LogEntry> m_log;
    QHash<int, Fault> m_pushFaults;
    QHash<int, Fault> m_pullFaults;
    QList<int> m_batchSizes;
    QList<QString> m_pullCursors;
    int m_pushCount = 0;
    int m_pullCount = 0;
    int m_nextServerId = 0;
    bool m_sendIntegrity = false;
};
