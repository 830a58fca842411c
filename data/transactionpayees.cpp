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

#include <algorithm>

using namespace SqlValues;

namespace {

// A seek in the payee index costs about what reading thirty of its entries
// in order does.
constexpr qint64 kSeekCost = 30;
// How many entries of the payee index the first list reads in order to
// guess how many rows each payee has.
constexpr qint64 kProbeEntries = 256;

// The first ?1 entries of the payee index, in order.
const char kPayeeProbeSql[] =
    "SELECT payee FROM transactions WHERE deleted_at IS NULL AND payee > '' ORDER BY payee LIMIT ?1";
// The live payees after ?2 in order, one seek of the payee index each, at
// most ?1.
const char kPayeeStepsSql[] =
    "WITH RECURSIVE p(payee) AS (SELECT MIN(payee) FROM transactions WHERE deleted_at IS NULL AND payee > ?2 "
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

// Builds the payee list from texts read in index order, each sharing the
// storage of the equal text of an earlier list where there is one. The
// earlier list is in the same order, so one pass through it finds them; and
// while the texts read are the earlier list's own, it is taken whole.
class PayeeListBuilder
{
public:
    PayeeListBuilder(const QStringList &earlier, qsizetype expected)
        : m_earlier(earlier)
        , m_expected(expected)
    {
    }

    qsizetype size() const { return m_copying ? m_result.size() : m_next; }
    // The last text so far; empty when there is none.
    QString last() const
    {
        if (m_copying)
            return m_result.isEmpty() ? QString() : m_result.last();
        return m_next > 0 ? m_earlier.at(m_next - 1) : QString();
    }

    void append(const SqlStatement &statement)
    {
        if (!m_copying) {
            if (m_next < m_earlier.size() && statement.textEquals(0, m_earlier.at(m_next))) {
                ++m_next;
                return;
            }
            startCopying();
        }
        while (m_next < m_earlier.size()) {
            const QString &candidate = m_earlier.at(m_next);
            if (statement.textEquals(0, candidate)) {
                m_result.append(candidate);
                ++m_next;
                return;
            }
            // The index orders by the stored UTF-8 bytes.
            if (m_nextUtf8Index != m_next) {
                m_nextUtf8 = candidate.toUtf8();
                m_nextUtf8Index = m_next;
            }
            if (QByteArrayView(m_nextUtf8).compare(statement.utf8(0)) > 0)
                break;
            ++m_next;
        }
        m_result.append(statement.text(0));
    }

    // Appends the first column of every row; false on an error.
    bool appendRows(SqlStatement &statement)
    {
        while (statement.next())
            append(statement);
        return statement.ok();
    }

    QStringList take()
    {
        if (m_copying)
            return std::move(m_result);
        return m_next == m_earlier.size() ? m_earlier : m_earlier.first(m_next);
    }

private:
    void startCopying()
    {
        m_copying = true;
        // Room for as many as expected: a list of hundreds of thousands of
        // texts grown step by step costs a good part of the reading.
        m_result.reserve(std::max(m_expected, m_next) + m_expected / 64 + 16);
        for (qsizetype i = 0; i < m_next; ++i)
            m_result.append(m_earlier.at(i));
    }

    const QStringList &m_earlier;
    const qsizetype m_expected;
    QStringList m_result;
    bool m_copying = false;
    qsizetype m_next = 0;
    QByteArray m_nextUtf8;
    qsizetype m_nextUtf8Index = -1;
};

} // namespace

QStringList TransactionRepository::distinctPayees() const
{
    return distinctPayees(QStringList());
}

QStringList TransactionRepository::distinctPayees(const QStringList &earlier) const
{
    // Stepping from payee to payee costs a seek each and wins while payees
    // are few and each has many rows; reading the whole index wins when they
    // are many (bank files often give every row a payee of its own). The
    // last list's size decides; the first time, the index's first entries
    // do. Steps are taken only while they cost less than the reading would,
    // and the reading goes on from where they stopped.
    qint64 stepBudget = 1;
    {
        SqlStatement size(m_database, kTableSizeSql);
        if (!size.next())
            return {};
        stepBudget += size.int64(0) / kSeekCost;
    }
    PayeeListBuilder list(earlier, std::max<qsizetype>(m_payeeCount, earlier.size()));
    bool step = m_payeeCount >= 0 && m_payeeCount < stepBudget;
    if (m_payeeCount < 0) {
        SqlStatement probe(m_database, kPayeeProbeSql);
        probe.bindInt64(1, kProbeEntries);
        qint64 entries = 0;
        QByteArray last;
        while (probe.next()) {
            ++entries;
            const QByteArrayView payee = probe.utf8(0);
            if (entries == 1 || payee != QByteArrayView(last)) {
                last = payee.toByteArray();
                list.append(probe);
            }
        }
        if (!probe.ok())
            return {};
        if (entries < kProbeEntries) {
            m_payeeCount = list.size();
            return list.take();
        }
        step = list.size() * kSeekCost < kProbeEntries;
    }
    if (step) {
        SqlStatement steps(m_database, kPayeeStepsSql);
        steps.bindInt64(1, stepBudget);
        steps.bindText(2, list.last());
        const qsizetype before = list.size();
        if (!list.appendRows(steps))
            return {};
        if (list.size() - before < stepBudget) {
            m_payeeCount = list.size();
            return list.take();
        }
    }
    SqlStatement rest(m_database, kPayeesAfterSql);
    rest.bindText(1, list.last());
    if (!list.appendRows(rest))
        return {};
    m_payeeCount = list.size();
    return list.take();
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
