#include "fakesyncservice.h"

#include <QDateTime>
#include <QSet>
#include <QUrl>

namespace {

const QString kCursorPrefix = QStringLiteral("c+");

} // namespace

const QStringList &FakeSyncService::kinds()
{
    static const QStringList list = {QStringLiteral("accounts"), QStringLiteral("categories"),
                                     QStringLiteral("recurring_transactions"), QStringLiteral("transactions"),
                                     QStringLiteral("reconciliations")};
    return list;
}

QString FakeSyncService::kindOfEntityType(const QString &entityType)
{
    if (entityType == QLatin1String("account"))
        return QStringLiteral("accounts");
    if (entityType == QLatin1String("category"))
        return QStringLiteral("categories");
    if (entityType == QLatin1String("recurring"))
        return QStringLiteral("recurring_transactions");
    if (entityType == QLatin1String("transaction"))
        return QStringLiteral("transactions");
    if (entityType == QLatin1String("reconciliation"))
        return QStringLiteral("reconciliations");
    return QString();
}

FakeSyncService::FakeSyncService(FakeServer *server)
{
    server->route(QStringLiteral("POST"), QStringLiteral("/sync/push"),
                  [this](const FakeRequest &request) { return handlePush(request); });
    server->route(QStringLiteral("GET"), QStringLiteral("/sync/pull"),
                  [this](const FakeRequest &request) { return handlePull(request); });
}

void FakeSyncService::failPush(int requestNumber, const FakeResponse &response, bool afterProcessing)
{
    m_pushFaults.insert(requestNumber, Fault{response, afterProcessing});
}

void FakeSyncService::failPull(int requestNumber, const FakeResponse &response, bool afterProcessing)
{
    m_pullFaults.insert(requestNumber, Fault{response, afterProcessing});
}

void FakeSyncService::clearFaults()
{
    m_pushFaults.clear();
    m_pullFaults.clear();
}

QString FakeSyncService::cursorAt(int position) const
{
    // A "+" that the client fails to escape reads as a blank here, as it
    // does on form-decoding servers.
    return kCursorPrefix + QString::number(position);
}

FakeResponse FakeSyncService::handlePush(const FakeRequest &request)
{
    if (authorize && !authorize(request))
        return FakeResponse::json(401, QJsonObject{{QStringLiteral("error"), QStringLiteral("unauthorized")}});
    const int number = ++m_pushCount;
    if (onPush)
        onPush(number);
    const QJsonArray changes = request.json().value(QLatin1String("changes")).toArray();
    m_batchSizes.append(int(changes.size()));

    const auto fault = m_pushFaults.constFind(number);
    if (fault != m_pushFaults.constEnd() && !fault->afterProcessing)
        return fault->response;

    QJsonArray results;
    for (const QJsonValue &change : changes)
        results.append(pushOne(change.toObject()));
    QJsonObject reply;
    reply.insert(QLatin1String("results"), results);
    if (editPushReply)
        editPushReply(reply, changes);

    if (fault != m_pushFaults.constEnd())
        return fault->response;
    return FakeResponse::json(200, reply);
}

QJsonObject FakeSyncService::pushOne(const QJsonObject &change)
{
    const QString entityType = change.value(QLatin1String("entity_type")).toString();
    const QString clientId = change.value(QLatin1String("entity_id")).toString();
    const QString kind = kindOfEntityType(entityType);
    QJsonObject result;
    result.insert(QLatin1String("entity_type"), entityType);
    result.insert(QLatin1String("entity_id"), clientId);
    if (kind.isEmpty() || clientId.isEmpty() || (rejectChange && rejectChange(change))) {
        result.insert(QLatin1String("status"), QLatin1String("error"));
        result.insert(QLatin1String("message"), QLatin1String("unknown entity"));
        return result;
    }
    const int version = change.value(QLatin1String("version")).toInt();
    const QString existingId = m_byClientId.value(kind).value(clientId);
    if (!existingId.isEmpty()) {
        const int stored = m_records[kind].value(existingId).value(QLatin1String("version")).toInt();
        const bool equalRefused = conflictPolicy == ConflictPolicy::TakeHigherOnly && version == stored;
        if (version < stored || equalRefused) {
            result.insert(QLatin1String("status"), QLatin1String("conflict"));
            result.insert(QLatin1String("message"), QLatin1String("stale version"));
            return result;
        }
    }
    QJsonObject record = change.value(QLatin1String("payload")).toObject();
    record.remove(QLatin1String("server_id"));
    record.insert(QLatin1String("client_id"), clientId);
    record.insert(QLatin1String("version"), version);
    if (!existingId.isEmpty())
        record.insert(QLatin1String("id"), existingId);
    if (change.value(QLatin1String("action")).toString() == QLatin1String("delete")
        && record.value(QLatin1String("deleted_at")).toString().isEmpty())
        record.insert(QLatin1String("deleted_at"), QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    const QString serverId = store(kind, record);
    result.insert(QLatin1String("status"), QLatin1String("ok"));
    result.insert(QLatin1String("server_id"), serverId);
    return result;
}

QString FakeSyncService::putRecord(const QString &kind, QJsonObject record)
{
    return store(kind, record);
}

QString FakeSyncService::store(const QString &kind, QJsonObject record)
{
    QString serverId = record.value(QLatin1String("id")).toString();
    const QString clientId = record.value(QLatin1String("client_id")).toString();
    if (serverId.isEmpty())
        serverId = m_byClientId.value(kind).value(clientId);
    if (serverId.isEmpty())
        serverId = QStringLiteral("srv-%1").arg(++m_nextServerId);
    record.insert(QLatin1String("id"), serverId);
    if (!clientId.isEmpty())
        m_byClientId[kind].insert(clientId, serverId);
    m_records[kind].insert(serverId, record);
    m_log.append(LogEntry{kind, serverId});
    return serverId;
}

std::optional<QJsonObject> FakeSyncService::recordByClientId(const QString &kind, const QString &clientId) const
{
    const QString serverId = m_byClientId.value(kind).value(clientId);
    if (serverId.isEmpty())
        return std::nullopt;
    return m_records.value(kind).value(serverId);
}

QList<QJsonObject> FakeSyncService::records(const QString &kind) const
{
    return m_records.value(kind).values();
}

int FakeSyncService::liveCount(const QString &kind) const
{
    int live = 0;
    for (const QJsonObject &record : m_records.value(kind))
        live += record.value(QLatin1String("deleted_at")).toString().isEmpty() ? 1 : 0;
    return live;
}

FakeResponse FakeSyncService::handlePull(const FakeRequest &request)
{
    if (authorize && !authorize(request))
        return FakeResponse::json(401, QJsonObject{{QStringLiteral("error"), QStringLiteral("unauthorized")}});
    const int number = ++m_pullCount;
    // Read the cursor as a form-decoding server would.
    QString raw = request.query.queryItemValue(QStringLiteral("cursor"), QUrl::FullyEncoded);
    raw.replace(QLatin1Char('+'), QLatin1Char(' '));
    const QString cursor = QUrl::fromPercentEncoding(raw.toUtf8());
    m_pullCursors.append(cursor);

    const auto fault = m_pullFaults.constFind(number);
    if (fault != m_pullFaults.constEnd() && !fault->afterProcessing)
        return fault->response;

    int start = 0;
    if (cursor.startsWith(kCursorPrefix))
        start = cursor.mid(kCursorPrefix.size()).toInt();
    else if (!cursor.isEmpty())
        return FakeResponse::json(400, QJsonObject{{QStringLiteral("error"), QStringLiteral("bad cursor")}});
    int limit = request.query.queryItemValue(QStringLiteral("limit")).toInt();
    if (limit <= 0)
        limit = 200;
    if (pageSize > 0)
        limit = pageSize;
    int end = start;
    QJsonObject reply = page(start, limit, &end);
    if (editPullPage)
        editPullPage(reply, number);
    if (fault != m_pullFaults.constEnd())
        return fault->response;
    return FakeResponse::json(200, reply);
}

QJsonObject FakeSyncService::page(int start, int limit, int *end) const
{
    QHash<QString, QJsonArray> arrays;
    QSet<QString> sent;
    int position = start;
    int count = 0;
    while (position < m_log.size() && count < limit) {
        const LogEntry &entry = m_log.at(position++);
        const QString key = entry.kind + QLatin1Char('/') + entry.serverId;
        if (sent.contains(key))
            continue;
        sent.insert(key);
        arrays[entry.kind].append(m_records.value(entry.kind).value(entry.serverId));
        ++count;
    }
    *end = position;
    QJsonObject reply;
    for (const QString &kind : kinds())
        reply.insert(kind, arrays.value(kind));
    reply.insert(QLatin1String("cursor"), cursorAt(position));
    reply.insert(QLatin1String("has_more"), position < m_log.size());
    if (m_sendIntegrity)
        reply.insert(QLatin1String("integrity"),
                     QJsonObject{{QStringLiteral("category_count"), liveCount(QStringLiteral("categories"))}});
    return reply;
}
