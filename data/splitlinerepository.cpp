#include "data/splitlinerepository.h"

#include "data/database.h"
#include "data/sqlvalues.h"

#include <QSqlQuery>

using namespace SqlValues;

SplitLineRepository::SplitLineRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{
}

QList<SplitLine> SplitLineRepository::listByTransaction(const QString &transactionId) const
{
    QList<SplitLine> result;
    QSqlQuery query = prepare(m_database->db(),
                              QStringLiteral("SELECT id, transaction_id, category_id, amount, memo, created_at, "
                                             "updated_at FROM split_lines WHERE transaction_id = ?"),
                              {transactionId});
    if (!exec(query))
        return result;
    while (query.next()) {
        SplitLine line;
        line.id = query.value(0).toString();
        line.transactionId = query.value(1).toString();
        line.categoryId = query.value(2).toString();
        line.amount = query.value(3).toLongLong();
        line.memo = query.value(4).toString();
        line.createdAt = parseIsoDateTime(query.value(5).toString());
        line.updatedAt = parseIsoDateTime(query.value(6).toString());
        result.append(line);
    }
    return result;
}

bool SplitLineRepository::insert(const SplitLine &line)
{
    // An empty category binds as NULL so the NOT NULL constraint refuses it.
    QSqlQuery query = prepare(m_database->db(),
                              QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, "
                                             "created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                              {sqlText(line.id), sqlText(line.transactionId), sqlTextOrNull(line.categoryId),
                               sqlInt64(line.amount), sqlText(line.memo), sqlDateTime(line.createdAt),
                               sqlDateTime(line.updatedAt)});
    return exec(query, "SplitLineRepository::insert");
}

bool SplitLineRepository::deleteByTransaction(const QString &transactionId)
{
    QSqlQuery query = prepare(m_database->db(), QStringLiteral("DELETE FROM split_lines WHERE transaction_id = ?"),
                              {transactionId});
    return exec(query);
}

bool SplitLineRepository::replaceForTransaction(const QString &transactionId, const QList<SplitLine> &lines)
{
    SqlTransaction transaction(m_database);
    if (!transaction.isActive() || !deleteByTransaction(transactionId))
        return false;
    for (SplitLine line : lines) {
        line.transactionId = transactionId;
        if (!insert(line))
            return false;
    }
    return transaction.commit();
}
