// The reconciliation half of TransactionRepository: reads and writes that
// touch thousands of rows at once, straight on the SQLite handle.

#include "data/database.h"
#include "data/sqlstatement.h"
#include "data/sqlvalues.h"
#include "data/transactionreader.h"
#include "data/transactionrepository.h"

#include <QDebug>

using namespace SqlValues;

// The columns TransactionReader reads, as a literal: cached statements are
// keyed by their text's address.
#define TRANSACTION_COLUMNS                                                                                        \
    "t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, t.cleared, "           \
    "t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, t.recurring_id, t.version, "      \
    "t.sync_status, t.server_id, t.created_at, t.updated_at, t.deleted_at"

QList<Transaction> TransactionRepository::listUnreconciled(const QString &accountId) const
{
    // The reconciliation screen opens on every unreconciled row of the
    // account, often tens of thousands.
    SqlStatement statement(m_database,
        "SELECT " TRANSACTION_COLUMNS " FROM transactions t WHERE t.account_id = ? AND t.deleted_at IS NULL AND "
        "t.reconciled = 0 ORDER BY t.date ASC, t.created_at ASC");
    QList<Transaction> rows;
    statement.bindText(1, accountId);
    while (statement.next())
        rows.append(TransactionReader::read(TransactionReader::StatementRow{statement}));
    if (!statement.ok()) {
        qWarning().noquote() << "TransactionRepository::listUnreconciled failed:" << statement.errorText();
        rows.clear();
    }
    return rows;
}

std::optional<TransactionRepository::ReconciledSum> TransactionRepository::reconciledSum(
    const QString &accountId) const
{
    // SQLite's SUM fails on an integer overflow instead of wrapping.
    SqlStatement statement(m_database,
        "SELECT COALESCE(SUM(amount), 0), MAX(date) FROM transactions WHERE account_id = ? AND deleted_at IS NULL "
        "AND reconciled = 1");
    statement.bindText(1, accountId);
    if (!statement.next()) {
        qWarning().noquote() << "TransactionRepository::reconciledSum failed:" << statement.errorText();
        return std::nullopt;
    }
    ReconciledSum result;
    result.sum = statement.int64(0);
    if (!statement.isNull(1))
        result.latestDate = parseIsoDate(statement.text(1));
    return result;
}

QList<Transaction> TransactionRepository::findByIds(const QStringList &ids) const
{
    QList<Transaction> found;
    found.reserve(ids.size());
    for (const QString &id : ids) {
        SqlStatement statement(m_database,
            "SELECT " TRANSACTION_COLUMNS " FROM transactions t WHERE t.id = ?");
        statement.bindText(1, id);
        if (statement.next())
            found.append(TransactionReader::read(TransactionReader::StatementRow{statement}));
    }
    return found;
}

bool TransactionRepository::markReconciled(const QString &accountId, const QStringList &ids)
{
    const QString now = nowUtcIso();
    for (const QString &id : ids) {
        SqlStatement statement(m_database,
            "UPDATE transactions SET cleared = 1, reconciled = 1, version = version + 1, updated_at = ?, "
            "sync_status = 'pending' WHERE id = ?");
        statement.bindText(1, now);
        statement.bindText(2, id);
        if (!statement.exec()) {
            qWarning().noquote() << "TransactionRepository::markReconciled failed:" << statement.errorText();
            return false;
        }
    }
    notifyChanged(accountId);
    return true;
}
