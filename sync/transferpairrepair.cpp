#include "sync/transferpairrepair.h"

#include "data/database.h"
#include "data/syncstatus.h"
#include "data/transactionrepository.h"

#include <QDebug>
#include <QPair>
#include <QSqlError>
#include <QSqlQuery>

#include <limits>
#include <optional>

namespace {

// The wire carries whole seconds: a leg written here and its copy on another
// device must compare alike.
qint64 changedAt(const Transaction &leg)
{
    return leg.updatedAt.isValid() ? leg.updatedAt.toSecsSinceEpoch() : std::numeric_limits<qint64>::min();
}

// No amount of a stored row is INT64_MIN, but a database written before that
// rule may hold one: it has no negation, so it never leads.
bool canLead(const Transaction &leg)
{
    return leg.amount != std::numeric_limits<qint64>::min();
}

bool changedLater(const Transaction &a, const Transaction &b)
{
    if (canLead(a) != canLead(b))
        return canLead(a);
    if (changedAt(a) != changedAt(b))
        return changedAt(a) > changedAt(b);
    if (a.version != b.version)
        return a.version > b.version;
    return a.id < b.id;
}

} // namespace

TransferPairRepair::TransferPairRepair(Database *database, TransactionRepository *transactions)
    : m_database(database)
    , m_transactions(transactions)
{
}

int TransferPairRepair::repairBrokenPairs()
{
    // Each pair once (a.id < b.id), found through the link index.
    QSqlQuery query(*m_database->db());
    query.setForwardOnly(true);
    const bool found = query.exec(QStringLiteral(
        "SELECT a.id, b.id FROM transactions a"
        " JOIN transactions b ON b.id = a.transfer_link_id AND b.transfer_link_id = a.id"
        " JOIN accounts aa ON aa.id = a.account_id JOIN accounts ba ON ba.id = b.account_id"
        " WHERE a.transfer_link_id > '' AND a.id < b.id"
        " AND a.deleted_at IS NULL AND b.deleted_at IS NULL"
        " AND aa.deleted_at IS NULL AND ba.deleted_at IS NULL"
        // Not "a.amount != -b.amount": SQLite negates INT64_MIN into a
        // real number that no amount equals, and the pair would never be
        // found whole. A sum that overflows becomes a real, never 0.
        " AND (a.amount + b.amount != 0 OR a.date IS NOT b.date)"));
    if (!found) {
        qWarning() << "Sync: could not look for broken transfer pairs:" << query.lastError().text();
        return -1;
    }
    QList<QPair<QString, QString>> pairs;
    while (query.next())
        pairs.append({query.value(0).toString(), query.value(1).toString()});
    query.finish();
    if (pairs.isEmpty())
        return 0;

    SqlTransaction repair(m_database);
    bool written = repair.isActive();
    int repaired = 0;
    for (const auto &[firstId, secondId] : std::as_const(pairs)) {
        if (!written)
            break;
        const std::optional<Transaction> first = m_transactions->findById(firstId);
        const std::optional<Transaction> second = m_transactions->findById(secondId);
        if (!first || !second) {
            written = false;
            break;
        }
        const bool firstLeads = changedLater(*first, *second);
        const Transaction &leader = firstLeads ? *first : *second;
        Transaction follower = firstLeads ? *second : *first;
        if (!canLead(leader)) {
            qWarning() << "Sync: transfer pair" << leader.id << follower.id
                       << "cannot be made whole: neither leg holds an amount with a negation";
            continue;
        }
        follower.amount = -leader.amount;
        follower.date = leader.date;
        markEdited(follower);
        written = m_transactions->update(follower);
        ++repaired;
    }
    if (!written || !repair.commit()) {
        repair.rollback();
        qWarning() << "Sync: could not make" << pairs.size() << "transfer pair(s) whole again";
        return -1;
    }
    qInfo() << "Sync: made" << repaired << "transfer pair(s) whole again, each from its leg changed last";
    return repaired;
}
