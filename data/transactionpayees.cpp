// Renaming payees: a payee is only the text of the transactions that carry
// it, so a rename rewrites every one of them, often tens of thousands.

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

QString jsonTextArray(const QStringList &texts)
{
    return QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(texts)).toJson(QJsonDocument::Compact));
}

} // namespace

std::optional<int> TransactionRepository::renamePayees(const QStringList &oldPayees, const QString &newPayee)
{
    if (newPayee.isEmpty()) {
        qWarning().noquote() << "TransactionRepository::renamePayees failed: the new payee is empty";
        return std::nullopt;
    }
    QStringList renamed;
    for (const QString &payee : oldPayees) {
        if (payee != newPayee && !renamed.contains(payee))
            renamed.append(payee);
    }
    if (renamed.isEmpty())
        return 0;

    SqlTransaction sql(m_database);
    if (!sql.isActive()) {
        qWarning().noquote() << "TransactionRepository::renamePayees failed:" << m_database->lastNativeError();
        return std::nullopt;
    }
    // An opening balance is recognised by its derived id and keeps its text.
    QStringList openingIds;
    {
        SqlStatement accounts(m_database, "SELECT id FROM accounts");
        while (accounts.next())
            openingIds.append(openingBalanceId(accounts.text(0)));
        if (!accounts.ok()) {
            qWarning().noquote() << "TransactionRepository::renamePayees failed:" << accounts.errorText();
            return std::nullopt;
        }
    }
    // One statement for the whole set, whatever its size: the texts travel
    // as one JSON array instead of one bound value each.
    SqlStatement update(m_database,
        "UPDATE transactions SET payee = ?, updated_at = ?, version = version + 1, sync_status = 'pending' "
        "WHERE deleted_at IS NULL AND payee IN (SELECT value FROM json_each(?)) "
        "AND id NOT IN (SELECT value FROM json_each(?)) RETURNING account_id");
    update.bindText(1, newPayee);
    update.bindText(2, nowUtcIso());
    update.bindText(3, jsonTextArray(renamed));
    update.bindText(4, jsonTextArray(openingIds));
    int changed = 0;
    QSet<QString> touchedAccounts;
    while (update.next()) {
        ++changed;
        touchedAccounts.insert(update.text(0));
    }
    if (!update.ok()) {
        qWarning().noquote() << "TransactionRepository::renamePayees failed:" << update.errorText();
        return std::nullopt;
    }
    // Held back by the transaction: listeners hear of the rename once it is committed.
    for (const QString &accountId : std::as_const(touchedAccounts))
        notifyChanged(accountId);
    if (!sql.commit()) {
        qWarning().noquote() << "TransactionRepository::renamePayees failed:" << m_database->lastNativeError();
        return std::nullopt;
    }
    return changed;
}
