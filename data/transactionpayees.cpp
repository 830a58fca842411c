// The payee list, and renaming payees: a payee is only the text of the
// transactions that carry it, so a rename rewrites every one of them, often
// tens of thousands.

#include "data/database.h"
#include "data/sqlstatement.h"
#include "data/sqlvalues.h"
#include "data/transactionrepository.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

using namespace SqlValues;

namespace {

// A seek in the payee index costs about what reading thirty of its entries
// in order does.
constexpr qint64 kSeekCost = 30;

// The live payees in order, one seek of the payee index each, at most ?1.
const char kPayeeStepsSql[] =
    "WITH RECURSIVE p(payee) AS (SELECT MIN(payee) FROM transactions WHERE deleted_at IS NULL AND payee > '' "
    "UNION ALL SELECT (SELECT MIN(t.payee) FROM transactions t WHERE t.deleted_at IS NULL AND t.payee > p.payee) "
    "FROM p WHERE p.payee IS NOT NULL LIMIT ?1) "
    "SELECT payee FROM p WHERE payee IS NOT NULL";
// The live payees after ?1 in order, from one read of the payee index.
const char kPayeesAfterSql[] =
    "SELECT DISTINCT payee FROM transactions WHERE deleted_at IS NULL AND payee > ?1 ORDER BY payee";
// The largest rowid tells the table's size without counting it (deleted
// rows stay in the table, marked).
const char kTableSizeSql[] = "SELECT MAX(rowid) FROM transactions";

QString jsonTextArray(const QStringList &texts)
{
    return QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(texts)).toJson(QJsonDocument::Compact));
}

} // namespace

QStringList TransactionRepository::distinctPayees() const
{
    // Stepping from payee to payee costs a seek each and wins while payees
    // are few and each has many rows; reading the whole index wins when they
    // are many (bank files often give every row a payee of its own). The
    // last list's size decides; without one, steps are taken while they cost
    // less than the reading would, and the reading goes on from there.
    qint64 stepBudget = 1;
    {
        SqlStatement size(m_database, kTableSizeSql);
        if (!size.next())
            return {};
        stepBudget += size.int64(0) / kSeekCost;
    }
    QStringList result;
    if (m_payeeCount < 0 || m_payeeCount < stepBudget) {
        SqlStatement steps(m_database, kPayeeStepsSql);
        steps.bindInt64(1, stepBudget);
        while (steps.next())
            result.append(steps.text(0));
        if (!steps.ok())
            return {};
        if (result.size() < stepBudget) {
            m_payeeCount = result.size();
            return result;
        }
    }
    SqlStatement rest(m_database, kPayeesAfterSql);
    rest.bindText(1, result.isEmpty() ? QString() : result.last());
    while (rest.next())
        result.append(rest.text(0));
    if (!rest.ok())
        return {};
    m_payeeCount = result.size();
    return result;
}

QStringList TransactionRepository::payees(const QString &accountId) const
{
    Q_UNUSED(accountId)
    return distinctPayees();
}

TransactionRepository::PayeeRename TransactionRepository::renamePayees(const QStringList &oldPayees,
                                                                       const QString &newPayee)
{
    PayeeRename result;
    if (newPayee.isEmpty()) {
        qWarning().noquote() << "TransactionRepository::renamePayees failed: the new payee is empty";
        result.outcome = PayeeRename::Failed;
        return result;
    }
    // Only the opening balance carries those words: another row given them
    // would read as a second opening balance wherever words are compared.
    if (isOpeningBalancePayee(newPayee)) {
        result.outcome = PayeeRename::OpeningBalanceName;
        return result;
    }
    QStringList renamed;
    for (const QString &payee : oldPayees) {
        if (payee != newPayee && !renamed.contains(payee))
            renamed.append(payee);
    }
    if (renamed.isEmpty())
        return result;

    const auto failed = [&result](const QString &reason) {
        qWarning().noquote() << "TransactionRepository::renamePayees failed:" << reason;
        result = PayeeRename();
        result.outcome = PayeeRename::Failed;
        return result;
    };
    SqlTransaction sql(m_database);
    if (!sql.isActive())
        return failed(m_database->lastNativeError());
    // Opening balances keep their payee whatever it reads.
    QStringList openingIds;
    {
        QStringList accountIds;
        SqlStatement accounts(m_database, "SELECT id FROM accounts WHERE deleted_at IS NULL");
        while (accounts.next())
            accountIds.append(accounts.text(0));
        if (!accounts.ok())
            return failed(accounts.errorText());
        for (const QString &accountId : std::as_const(accountIds)) {
            const QString id = openingBalanceRowId(accountId);
            if (!id.isEmpty())
                openingIds.append(id);
        }
    }
    const QString renamedJson = jsonTextArray(renamed);
    const QString openingJson = jsonTextArray(openingIds);

    // The rows of the chosen payees that keep their text: opening balances,
    // and transfer legs, whose payee names the account at the other end.
    {
        SqlStatement kept(m_database,
            "SELECT COALESCE(SUM(id IN (SELECT value FROM json_each(?2))), 0), "
            "COALESCE(SUM(id NOT IN (SELECT value FROM json_each(?2)) AND COALESCE(transfer_link_id, '') <> ''), 0) "
            "FROM transactions WHERE deleted_at IS NULL AND payee IN (SELECT value FROM json_each(?1)) "
            "AND account_id IN (SELECT id FROM accounts WHERE deleted_at IS NULL) "
            "AND (id IN (SELECT value FROM json_each(?2)) OR COALESCE(transfer_link_id, '') <> '')");
        kept.bindText(1, renamedJson);
        kept.bindText(2, openingJson);
        if (!kept.next())
            return failed(kept.errorText());
        result.keptOpeningBalances = int(kept.int64(0));
        result.keptTransfers = int(kept.int64(1));
    }

    // One statement for the whole set, whatever its size: the texts travel
    // as one JSON array instead of one bound value each.
    SqlStatement update(m_database,
        "UPDATE transactions SET payee = ?1, updated_at = ?2, version = version + 1, sync_status = 'pending' "
        "WHERE deleted_at IS NULL AND payee IN (SELECT value FROM json_each(?3)) "
        "AND account_id IN (SELECT id FROM accounts WHERE deleted_at IS NULL) "
        "AND id NOT IN (SELECT value FROM json_each(?4)) AND COALESCE(transfer_link_id, '') = '' "
        "RETURNING account_id");
    update.bindText(1, newPayee);
    update.bindText(2, nowUtcIso());
    update.bindText(3, renamedJson);
    update.bindText(4, openingJson);
    QSet<QString> touchedAccounts;
    while (update.next()) {
        ++result.renamed;
        touchedAccounts.insert(update.text(0));
    }
    if (!update.ok())
        return failed(update.errorText());
    // Held back by the transaction: listeners hear of the rename once it is committed.
    for (const QString &accountId : std::as_const(touchedAccounts))
        notifyChanged(accountId);
    if (!sql.commit())
        return failed(m_database->lastNativeError());
    return result;
}
