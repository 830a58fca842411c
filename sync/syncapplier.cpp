#include "sync/syncapplier.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/reconciliationrepository.h"
#include "data/recordid.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "sync/syncrecords.h"

#include <QDebug>
#include <QJsonDocument>
#include <QSqlQuery>

#include <algorithm>
#include <limits>
#include <optional>
#include <type_traits>

using namespace SyncRecords;

namespace {

const QString kAccountsTable = QStringLiteral("accounts");
const QString kCategoriesTable = QStringLiteral("categories");
const QString kRecurringTable = QStringLiteral("recurring_transactions");
const QString kTransactionsTable = QStringLiteral("transactions");
const QString kReconciliationsTable = QStringLiteral("reconciliations");

const QString &tableOf(SyncApplier::Kind kind)
{
    switch (kind) {
    case SyncApplier::Kind::Account:
        return kAccountsTable;
    case SyncApplier::Kind::Category:
        return kCategoriesTable;
    case SyncApplier::Kind::Recurring:
        return kRecurringTable;
    case SyncApplier::Kind::Transaction:
        return kTransactionsTable;
    case SyncApplier::Kind::Reconciliation:
        break;
    }
    return kReconciliationsTable;
}

// Kept records are known by kind and by the id the row has everywhere, so a
// later copy of the same record replaces an earlier one.
QString keyOf(SyncApplier::Kind kind, const QJsonObject &record)
{
    const QString clientId = readText(record, QLatin1String("client_id"));
    const QString prefix = QString::number(int(kind));
    if (!clientId.isEmpty())
        return prefix + QLatin1String("|c|") + clientId;
    return prefix + QLatin1String("|s|") + readText(record, QLatin1String("id"));
}

// What stops a record from being written now.
struct ParentCheck
{
    QString missing;   // a parent row that has not arrived yet
    QString malformed; // the record can never be written
};

} // namespace

SyncApplier::SyncApplier(Database *database, AccountRepository *accounts, TransactionRepository *transactions,
                         CategoryRepository *categories, RecurringRepository *recurring,
                         ReconciliationRepository *reconciliations, SplitLineRepository *splitLines)
    : m_database(database)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_categories(categories)
    , m_recurring(recurring)
    , m_reconciliations(reconciliations)
    , m_splitLines(splitLines)
{
}

void SyncApplier::beginSync(const QList<RefusedChange> &refused)
{
    discardLookups();
    m_refused.clear();
    for (const RefusedChange &change : refused)
        m_refused.insert(tableOf(change.kind) + QLatin1Char('\n') + change.id, change);
}

template <typename Record>
bool SyncApplier::refusedAsItIs(Kind kind, const Record &local) const
{
    // Refused as sent: a change made since then has not been sent at all.
    const auto refused = m_refused.constFind(tableOf(kind) + QLatin1Char('\n') + local.id);
    return refused != m_refused.constEnd() && refused->version == local.version
           && refused->updatedAt == local.updatedAt;
}

std::optional<SyncApplier::Kind> SyncApplier::kindOfEntityType(const QString &entityType)
{
    if (entityType == kAccount)
        return Kind::Account;
    if (entityType == kCategory)
        return Kind::Category;
    if (entityType == kRecurring)
        return Kind::Recurring;
    if (entityType == kTransaction)
        return Kind::Transaction;
    if (entityType == kReconciliation)
        return Kind::Reconciliation;
    return std::nullopt;
}

void SyncApplier::discardLookups()
{
    m_serverIds.clear();
    m_knownRows.clear();
}

void SyncApplier::rollBackPage()
{
    m_accountsOnPage.clear();
    m_kept = m_keptBeforePage;
    m_parentTombstones = m_parentTombstonesBeforePage;
    discardLookups();
}

bool SyncApplier::applyPage(const QJsonObject &page)
{
    BulkWriteTransaction bulk(m_database);
    if (applyPage(page, bulk) && bulk.commit())
        return true;
    rollBackPage();
    return false;
}

bool SyncApplier::applyPage(const QJsonObject &page, BulkWriteTransaction &bulk)
{
    m_bulk = &bulk;
    m_unitFailed = !bulk.isActive();
    m_accountsOnPage.clear();
    m_keptBeforePage = m_kept;
    m_parentTombstonesBeforePage = m_parentTombstones;
    const auto arrayOf = [&page](QLatin1String key) { return page.value(key).toArray(); };

    if (page.contains(QLatin1String("accounts")))
        applyAccount(arrayOf(QLatin1String("accounts")));
    if (page.contains(QLatin1String("categories")))
        applyCategory(arrayOf(QLatin1String("categories")));
    if (page.contains(QLatin1String("recurring_transactions")))
        applyRecurring(arrayOf(QLatin1String("recurring_transactions")));
    else if (page.contains(QLatin1String("recurring")))
        applyRecurring(arrayOf(QLatin1String("recurring")));
    if (page.contains(QLatin1String("transactions")))
        applyTransactionChange(arrayOf(QLatin1String("transactions")));
    if (page.contains(QLatin1String("reconciliations")))
        applyReconciliation(arrayOf(QLatin1String("reconciliations")));

    retryKept();
    m_bulk = nullptr;
    return !m_unitFailed;
}

void SyncApplier::applyAccount(const QJsonArray &records)
{
    applyArray(Kind::Account, records);
}

void SyncApplier::applyCategory(const QJsonArray &records)
{
    applyArray(Kind::Category, records);
}

void SyncApplier::applyRecurring(const QJsonArray &records)
{
    applyArray(Kind::Recurring, records);
}

void SyncApplier::applyTransactionChange(const QJsonArray &records)
{
    applyArray(Kind::Transaction, records);
}

void SyncApplier::applyReconciliation(const QJsonArray &records)
{
    applyArray(Kind::Reconciliation, records);
}

void SyncApplier::applyArray(Kind kind, const QJsonArray &records)
{
    if (m_unitFailed)
        return;
    findAbsentIds(kind, records);
    for (const QJsonValue &value : records) {
        if (m_unitFailed)
            return;
        const QJsonObject record = value.toObject();
        // The newest copy of a record decides; an older kept copy goes.
        if (!m_kept.isEmpty())
            m_kept.remove(keyOf(kind, record));
        applyOne(kind, record);
    }
}

int SyncApplier::retryKept()
{
    int applied = 0;
    m_absentIds.clear();
    while (!m_kept.isEmpty() && !m_unitFailed) {
        QList<KeptRecord> pending = m_kept.values();
        std::sort(pending.begin(), pending.end(), [](const KeptRecord &a, const KeptRecord &b) {
            return a.kind != b.kind ? a.kind < b.kind : a.sequence < b.sequence;
        });
        int appliedThisPass = 0;
        for (const KeptRecord &kept : pending) {
            if (m_unitFailed)
                return applied;
            m_kept.remove(keyOf(kept.kind, kept.record));
            if (applyOne(kept.kind, kept.record) == Outcome::Applied)
                ++appliedThisPass;
        }
        applied += appliedThisPass;
        if (appliedThisPass == 0)
            break;
    }
    return applied;
}

void SyncApplier::keep(Kind kind, const QJsonObject &record, const QString &reason)
{
    KeptRecord kept;
    kept.kind = kind;
    kept.sequence = ++m_sequence;
    kept.record = record;
    kept.reason = reason;
    m_kept.insert(keyOf(kind, record), kept);
}

QString SyncApplier::keptState() const
{
    QList<KeptRecord> kept = m_kept.values();
    std::sort(kept.begin(), kept.end(),
              [](const KeptRecord &a, const KeptRecord &b) { return a.sequence < b.sequence; });
    QJsonArray records;
    for (const KeptRecord &record : std::as_const(kept)) {
        records.append(QJsonObject{{QStringLiteral("table"), tableOf(record.kind)},
                                   {QStringLiteral("reason"), record.reason},
                                   {QStringLiteral("record"), record.record}});
    }
    QJsonObject parents;
    for (auto table = m_parentTombstones.cbegin(); table != m_parentTombstones.cend(); ++table) {
        QJsonObject byId;
        for (auto parent = table->cbegin(); parent != table->cend(); ++parent)
            byId.insert(parent.key(), parent.value());
        if (!byId.isEmpty())
            parents.insert(table.key(), byId);
    }
    if (kept.isEmpty() && parents.isEmpty())
        return QString();
    const QJsonObject state{{QStringLiteral("records"), records}, {QStringLiteral("parents"), parents}};
    return QString::fromUtf8(QJsonDocument(state).toJson(QJsonDocument::Compact));
}

void SyncApplier::restoreKept(const QString &state)
{
    m_kept.clear();
    m_parentTombstones.clear();
    if (state.isEmpty())
        return;
    const QJsonObject object = QJsonDocument::fromJson(state.toUtf8()).object();
    const auto kindOfTable = [](const QString &table) -> std::optional<Kind> {
        for (Kind kind : {Kind::Account, Kind::Category, Kind::Recurring, Kind::Transaction, Kind::Reconciliation}) {
            if (tableOf(kind) == table)
                return kind;
        }
        return std::nullopt;
    };
    for (const QJsonValue &value : object.value(QLatin1String("records")).toArray()) {
        const QJsonObject kept = value.toObject();
        const std::optional<Kind> kind = kindOfTable(readText(kept, QLatin1String("table")));
        if (kind)
            keep(*kind, kept.value(QLatin1String("record")).toObject(), readText(kept, QLatin1String("reason")));
    }
    const QJsonObject parents = object.value(QLatin1String("parents")).toObject();
    for (const QString &table : {kAccountsTable, kCategoriesTable}) {
        const QJsonObject byId = parents.value(table).toObject();
        for (auto parent = byId.constBegin(); parent != byId.constEnd(); ++parent)
            m_parentTombstones[table].insert(parent.key(), parent.value().toObject());
    }
}

void SyncApplier::logKept() const
{
    if (m_kept.isEmpty())
        return;
    qWarning() << "Sync: keeping" << m_kept.size() << "server records that could not be applied yet";
    int shown = 0;
    for (const KeptRecord &kept : m_kept) {
        if (++shown > 20)
            break;
        qWarning() << "Sync: kept" << tableOf(kept.kind) << readText(kept.record, QLatin1String("id"))
                   << readText(kept.record, QLatin1String("client_id")) << kept.reason;
    }
}

SyncApplier::Outcome SyncApplier::applyOne(Kind kind, const QJsonObject &record)
{
    switch (kind) {
    case Kind::Account:
        return applyRecord<Account>(kind, m_accounts, record);
    case Kind::Category:
        return applyRecord<Category>(kind, m_categories, record);
    case Kind::Recurring:
        return applyRecord<RecurringTransaction>(kind, m_recurring, record);
    case Kind::Transaction:
        return applyRecord<Transaction>(kind, m_transactions, record);
    case Kind::Reconciliation:
        break;
    }
    return applyRecord<Reconciliation>(kind, m_reconciliations, record);
}

namespace {

template <typename Record>
Record recordFromServer(const QJsonObject &json, const std::optional<Record> &local)
{
    if constexpr (std::is_same_v<Record, Account>)
        return accountFromServer(json);
    else if constexpr (std::is_same_v<Record, Category>)
        return categoryFromServer(json);
    else if constexpr (std::is_same_v<Record, RecurringTransaction>)
        return recurringFromServer(json, local ? &*local : nullptr);
    else if constexpr (std::is_same_v<Record, Transaction>)
        return transactionFromServer(json);
    else
        return reconciliationFromServer(json);
}

// Rows dated before 2000 come from broken date handling elsewhere; they are
// left out rather than stored a century off.
template <typename Record>
bool reportBrokenKeyDate(const Record &record)
{
    const auto broken = [](const QDate &date) { return !date.isValid() || date.year() < 2000; };
    if constexpr (std::is_same_v<Record, RecurringTransaction>) {
        if (broken(record.nextDueDate)) {
            qWarning() << "applyRecurring: skipping server record with broken nextDueDate:" << record.serverId
                       << record.payee << record.nextDueDate;
            return true;
        }
    } else if constexpr (std::is_same_v<Record, Transaction>) {
        if (broken(record.date)) {
            qWarning() << "applyTransactionChange: skipping server record with broken date:" << record.serverId
                       << record.payee << record.date;
            return true;
        }
    } else if constexpr (std::is_same_v<Record, Reconciliation>) {
        if (broken(record.statementDate)) {
            qWarning() << "applyReconciliation: skipping server record with broken statementDate:"
                       << record.serverId << record.statementDate;
            return true;
        }
    }
    return false;
}

// The one amount that has no negation cannot be stored: sums and signs of
// every balance would break on it.
template <typename Record>
bool reportImpossibleAmount(const Record &record, const QJsonObject &json)
{
    constexpr qint64 impossible = std::numeric_limits<qint64>::min();
    QList<qint64> amounts;
    if constexpr (std::is_same_v<Record, Account>) {
        amounts = {record.startingBalance};
    } else if constexpr (std::is_same_v<Record, RecurringTransaction>) {
        amounts = {record.amount};
    } else if constexpr (std::is_same_v<Record, Transaction>) {
        amounts = {record.amount};
        if (record.isSplit) {
            for (const SplitLine &line : splitLinesFromServer(json))
                amounts.append(line.amount);
        }
    } else if constexpr (std::is_same_v<Record, Reconciliation>) {
        amounts = {record.statementBalance, record.reconciledBalance};
    }
    if (!amounts.contains(impossible))
        return false;
    qWarning() << "Sync: skipping server record with an amount that is no whole number in range:" << record.serverId;
    return true;
}

} // namespace

template <typename Record, typename Repository>
SyncApplier::Outcome SyncApplier::applyRecord(Kind kind, Repository *repository, const QJsonObject &json)
{
    const QString &table = tableOf(kind);
    const QString serverId = readText(json, QLatin1String("id"));
    const QString clientId = readText(json, QLatin1String("client_id"));
    if (serverId.isEmpty() && clientId.isEmpty()) {
        // Stored under a fresh id it could never be matched again, and each
        // later pull would add another copy.
        qWarning() << "Sync: skipping server record without any id in" << table;
        return Outcome::Skipped;
    }

    // Matching: the id the row has on every device, then the server's id.
    std::optional<Record> local;
    QString id;
    if (!clientId.isEmpty() && !m_absentIds.contains(clientId)) {
        local = repository->findById(clientId);
        if (local)
            id = clientId;
    }
    if (!local && !serverId.isEmpty()) {
        const QString mapped = localIdForServerId(table, serverId);
        if (!mapped.isEmpty()) {
            local = repository->findById(mapped);
            if (local)
                id = mapped;
        }
    }
    if (id.isEmpty())
        id = clientId.isEmpty() ? newRecordId() : clientId;
    if (kind == Kind::Account && local)
        m_accountsOnPage.insert(id);

    Record record = recordFromServer<Record>(json, local);
    record.id = id;
    if (reportBrokenKeyDate(record) || reportImpossibleAmount(record, json))
        return Outcome::Skipped;

    const Deletion deletion = readDeletion(json);
    if (local) {
        if (record.version < local->version)
            return Outcome::Unchanged;
        // At equal versions a local change that is still to be sent (made
        // during this sync, or its push went unanswered) goes with the next
        // push. A row with nothing pending, or whose change the server has
        // just refused, takes the server's copy, so both sides end alike.
        if (record.version == local->version && local->syncStatus == SyncStatus::Pending
            && !refusedAsItIs(kind, *local))
            return Outcome::Unchanged;
    } else if (deletion.deleted) {
        // A tombstone for a row never seen here is not stored, unless a
        // record that still refers to it needs it as a parent.
        if (!clientId.isEmpty() && (kind == Kind::Account || kind == Kind::Category))
            m_parentTombstones[table].insert(clientId, json);
        return Outcome::Unchanged;
    }

    // Parent rows that the write would reference.
    const bool inserting = !local;
    ParentCheck check;
    const auto needParent = [&](const QString &parentTable, const QString &parentId, const char *what) {
        if (!check.missing.isEmpty() || !check.malformed.isEmpty() || parentId.isEmpty())
            return;
        if (!parentAvailable(parentTable, parentId, 0))
            check.missing = QLatin1String(what) + QLatin1Char(' ') + parentId;
    };
    const auto needAccount = [&](const QString &accountId) {
        if (accountId.isEmpty())
            check.malformed = QStringLiteral("no account id");
        else
            needParent(kAccountsTable, accountId, "account");
    };
    if constexpr (std::is_same_v<Record, Category>) {
        if (record.parentId != record.id)
            needParent(kCategoriesTable, record.parentId, "parent category");
    } else if constexpr (std::is_same_v<Record, RecurringTransaction> || std::is_same_v<Record, Transaction>) {
        // An existing row keeps its account: only a new row references it.
        if (inserting)
            needAccount(record.accountId);
        needParent(kCategoriesTable, record.categoryId, "category");
    } else if constexpr (std::is_same_v<Record, Reconciliation>) {
        needAccount(record.accountId);
    }
    if constexpr (std::is_same_v<Record, Transaction>) {
        if (record.isSplit) {
            const QList<SplitLine> lines = splitLinesFromServer(json);
            for (const SplitLine &line : lines) {
                if (line.categoryId.isEmpty())
                    check.malformed = QStringLiteral("a split line without category");
                needParent(kCategoriesTable, line.categoryId, "split category");
            }
        }
    }
    if (!check.malformed.isEmpty()) {
        qWarning() << "Sync: skipping server record" << table << serverId << clientId << check.malformed;
        return Outcome::Skipped;
    }
    if (m_unitFailed)
        return Outcome::Failed; // a stand-in parent could not be written
    if (!check.missing.isEmpty()) {
        qInfo() << "Sync: keeping server record" << table << serverId << "until its" << check.missing << "arrives";
        keep(kind, json, QStringLiteral("waiting for ") + check.missing);
        return Outcome::Kept;
    }

    // The record with its split lines is one unit: all of it or nothing. A
    // lone insert is a unit by itself.
    bool singleWrite = inserting;
    if constexpr (std::is_same_v<Record, Transaction>)
        singleWrite = singleWrite && !record.isSplit;
    std::optional<SqlTransaction> unit;
    if (!singleWrite)
        unit.emplace(m_database);
    bool written = (!unit || unit->isActive()) && (inserting ? repository->insert(record) : repository->update(record))
                   && writeRecord(record, local, deletion.deleted, deletion.deletedAt, json)
                   && (!unit || unit->commit());
    if (!written && unit)
        unit->rollback();
    // The first write that fails ends the page, and the sync with it.
    if (!m_bulk->record(written)) {
        qWarning() << "Sync: could not write server record" << table << serverId << clientId;
        m_unitFailed = true;
        return Outcome::Failed;
    }
    m_absentIds.remove(id);
    rememberRow(table, id, record.serverId);
    m_refused.remove(table + QLatin1Char('\n') + id);
    if (kind == Kind::Account)
        m_accountsOnPage.insert(id);
    return Outcome::Applied;
}

// The steps after the row itself: the deletion step and the split lines.
template <typename Record>
bool SyncApplier::writeRecord(const Record &record, const std::optional<Record> &local, bool serverDeleted,
                              const std::optional<QDateTime> &serverDeletedAt, const QJsonObject &json)
{
    if constexpr (!std::is_same_v<Record, Reconciliation>) {
        if (local) {
            // Whatever the server's copy says wins here: a local deletion that
            // was to win has stopped at the version rule.
            const bool localDeleted = local->deletedAt.has_value();
            if (serverDeleted != localDeleted) {
                std::optional<QDateTime> deletedAt;
                if (serverDeleted) {
                    // A deletion whose time does not parse still deletes.
                    deletedAt = serverDeletedAt && serverDeletedAt->isValid()
                                    ? *serverDeletedAt
                                    : QDateTime::currentDateTimeUtc();
                }
                bool applied = false;
                if constexpr (std::is_same_v<Record, Account>)
                    applied = m_accounts->applyServerDeletion(record.id, deletedAt);
                else if constexpr (std::is_same_v<Record, Category>)
                    applied = m_categories->applyServerDeletion(record.id, deletedAt);
                else if constexpr (std::is_same_v<Record, RecurringTransaction>)
                    applied = m_recurring->applyServerDeletion(record.id, deletedAt);
                else
                    applied = m_transactions->applyServerDeletion(record.id, deletedAt, local->accountId);
                if (!applied)
                    return false;
            }
        }
    }
    if constexpr (std::is_same_v<Record, Transaction>) {
        if (record.isSplit || (local && local->isSplit)) {
            QList<SplitLine> lines;
            if (record.isSplit) {
                lines = splitLinesFromServer(json);
                for (SplitLine &line : lines) {
                    line.id = newRecordId();
                    line.transactionId = record.id;
                    line.createdAt = record.createdAt;
                    line.updatedAt = record.updatedAt;
                }
            }
            if (!m_splitLines->replaceForTransaction(record.id, lines))
                return false;
        }
    }
    Q_UNUSED(json)
    return true;
}

void SyncApplier::findAbsentIds(Kind kind, const QJsonArray &records)
{
    // One query per array tells which client ids are new here, so the
    // common case of a record never seen costs no lookup of its own.
    m_absentIds.clear();
    QStringList ids;
    for (const QJsonValue &value : records) {
        const QString clientId = readText(value.toObject(), QLatin1String("client_id"));
        if (!clientId.isEmpty())
            ids.append(clientId);
    }
    if (ids.isEmpty())
        return;
    QSqlQuery query(*m_database->db());
    query.setForwardOnly(true);
    QString placeholders = QStringLiteral("?");
    placeholders += QStringLiteral(",?").repeated(ids.size() - 1);
    query.prepare(QStringLiteral("SELECT id FROM %1 WHERE id IN (%2)").arg(tableOf(kind), placeholders));
    for (const QString &id : std::as_const(ids))
        query.addBindValue(id);
    if (!query.exec())
        return; // nothing known absent: every record is looked up
    QSet<QString> present;
    while (query.next())
        present.insert(query.value(0).toString());
    for (const QString &id : std::as_const(ids)) {
        if (!present.contains(id))
            m_absentIds.insert(id);
    }
}

bool SyncApplier::parentAvailable(const QString &table, const QString &id, int depth)
{
    if (rowExists(table, id))
        return true;
    const QJsonObject tombstone = m_parentTombstones.value(table).value(id);
    if (tombstone.isEmpty() || depth > 16 || m_unitFailed)
        return false;

    // Store the deleted parent so its children can be written; it stays
    // deleted, as it is on the server.
    SqlTransaction unit(m_database);
    if (!m_bulk->record(unit.isActive())) {
        m_unitFailed = true;
        return false;
    }
    const Deletion deletion = readDeletion(tombstone);
    const std::optional<QDateTime> deletedAt =
        deletion.deletedAt && deletion.deletedAt->isValid() ? deletion.deletedAt : QDateTime::currentDateTimeUtc();
    bool written = false;
    if (table == kAccountsTable) {
        Account account = accountFromServer(tombstone);
        account.id = id;
        written = m_accounts->insert(account) && m_accounts->applyServerDeletion(id, deletedAt);
    } else {
        Category category = categoryFromServer(tombstone);
        category.id = id;
        const bool parentReady = category.parentId.isEmpty() || category.parentId == id
                                 || parentAvailable(kCategoriesTable, category.parentId, depth + 1);
        if (!parentReady)
            return false;
        written = m_categories->insert(category) && m_categories->applyServerDeletion(id, deletedAt);
    }
    written = written && unit.commit();
    if (!written)
        unit.rollback();
    if (!m_bulk->record(written)) {
        m_unitFailed = true;
        return false;
    }
    m_parentTombstones[table].remove(id);
    m_absentIds.remove(id);
    rememberRow(table, id, readText(tombstone, QLatin1String("id")));
    if (table == kAccountsTable)
        m_accountsOnPage.insert(id);
    return true;
}

bool SyncApplier::rowExists(const QString &table, const QString &id)
{
    QSet<QString> &known = m_knownRows[table];
    if (known.contains(id))
        return true;
    QSqlQuery query(*m_database->db());
    query.prepare(QStringLiteral("SELECT 1 FROM %1 WHERE id = ?").arg(table));
    query.addBindValue(id);
    if (!query.exec() || !query.next())
        return false;
    known.insert(id);
    return true;
}

void SyncApplier::rememberRow(const QString &table, const QString &id, const QString &serverId)
{
    m_knownRows[table].insert(id);
    const auto map = m_serverIds.find(table);
    if (map != m_serverIds.end() && !serverId.isEmpty())
        map->insert(serverId, id);
}

QString SyncApplier::localIdForServerId(const QString &table, const QString &serverId)
{
    if (serverId.isEmpty())
        return QString();
    auto map = m_serverIds.find(table);
    if (map == m_serverIds.end()) {
        QHash<QString, QString> ids;
        QSqlQuery query(*m_database->db());
        query.setForwardOnly(true);
        if (query.exec(QStringLiteral("SELECT server_id, id FROM %1 WHERE server_id IS NOT NULL AND server_id != '' "
                                      "ORDER BY rowid")
                           .arg(table))) {
            while (query.next()) {
                const QString server = query.value(0).toString();
                if (!ids.contains(server))
                    ids.insert(server, query.value(1).toString());
            }
        } else {
            // Not cached: the next record asks again.
            return QString();
        }
        map = m_serverIds.insert(table, ids);
    }
    return map->value(serverId);
}

void SyncApplier::checkIntegrity(const QJsonObject &integrity) const
{
    const int serverCount = readInt(integrity, QLatin1String("category_count"));
    const int localCount = m_categories->count();
    if (serverCount >= 1 && serverCount != localCount)
        qWarning() << "Category count mismatch: local=" << localCount << "server=" << serverCount
                   << "(informational only — use Force Full Sync if data appears wrong)";
}
