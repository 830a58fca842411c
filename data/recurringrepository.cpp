#include "data/recurringrepository.h"

#include "data/database.h"
#include "data/sqlvalues.h"

#include <QSqlQuery>

using namespace SqlValues;

namespace {
const QString kColumns = QStringLiteral(
    "id, account_id, payee, memo, amount, category_id, frequency, start_date, end_date, next_due_date, auto_post, "
    "is_active, transfer_dest_account_id, version, sync_status, server_id, created_at, updated_at, deleted_at, "
    "lead_days, interval_count, semimonthly_day_1, semimonthly_day_2");
}

RecurringRepository::RecurringRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_table(database, "recurring_transactions", "RecurringRepository")
{
}

void RecurringRepository::notifyChanged()
{
    m_database->announceChange(this, QString(), [this] { Q_EMIT recurringChanged(); });
}

QString RecurringRepository::frequencyToString(RecurringFrequency frequency)
{
    switch (frequency) {
    case RecurringFrequency::Daily:
        return QStringLiteral("daily");
    case RecurringFrequency::Weekly:
        return QStringLiteral("weekly");
    case RecurringFrequency::Biweekly:
        return QStringLiteral("biweekly");
    case RecurringFrequency::Semimonthly:
        return QStringLiteral("semimonthly");
    case RecurringFrequency::Quarterly:
        return QStringLiteral("quarterly");
    case RecurringFrequency::SemiAnnual:
        return QStringLiteral("semi_annual");
    case RecurringFrequency::Annual:
        return QStringLiteral("annual");
    case RecurringFrequency::Monthly:
        break;
    }
    return QStringLiteral("monthly");
}

RecurringFrequency RecurringRepository::frequencyFromString(const QString &text)
{
    if (text == QLatin1String("daily"))
        return RecurringFrequency::Daily;
    if (text == QLatin1String("weekly"))
        return RecurringFrequency::Weekly;
    if (text == QLatin1String("biweekly"))
        return RecurringFrequency::Biweekly;
    if (text == QLatin1String("semimonthly"))
        return RecurringFrequency::Semimonthly;
    if (text == QLatin1String("quarterly"))
        return RecurringFrequency::Quarterly;
    if (text == QLatin1String("semi_annual"))
        return RecurringFrequency::SemiAnnual;
    if (text == QLatin1String("annual"))
        return RecurringFrequency::Annual;
    return RecurringFrequency::Monthly;
}

RecurringTransaction RecurringRepository::readRecurring(const QSqlQuery &query)
{
    RecurringTransaction r;
    r.id = query.value(0).toString();
    r.accountId = query.value(1).toString();
    r.payee = query.value(2).toString();
    r.memo = query.value(3).toString();
    r.amount = query.value(4).toLongLong();
    r.categoryId = query.value(5).toString();
    r.frequency = frequencyFromString(query.value(6).toString());
    r.startDate = parseIsoDate(query.value(7).toString());
    r.endDate = parseOptionalDate(query.value(8).toString());
    r.nextDueDate = parseIsoDate(query.value(9).toString());
    r.autoPost = query.value(10).toBool();
    r.isActive = query.value(11).toBool();
    r.transferDestAccountId = query.value(12).toString();
    r.version = query.value(13).toInt();
    r.syncStatus = syncStatusFromString(query.value(14).toString());
    r.serverId = query.value(15).toString();
    r.createdAt = parseIsoDateTime(query.value(16).toString());
    r.updatedAt = parseIsoDateTime(query.value(17).toString());
    r.deletedAt = parseOptionalDateTime(query.value(18).toString());
    r.leadDays = query.value(19).toInt();
    r.intervalCount = query.value(20).toInt();
    r.semimonthlyDay1 = query.value(21).toInt();
    r.semimonthlyDay2 = query.value(22).toInt();
    return r;
}

QList<RecurringTransaction> RecurringRepository::list(const QString &sql, const QVariantList &values) const
{
    QList<RecurringTransaction> result;
    QSqlQuery query = prepare(m_database->db(), sql.arg(kColumns), values);
    if (!exec(query))
        return result;
    while (query.next())
        result.append(readRecurring(query));
    return result;
}

QList<RecurringTransaction> RecurringRepository::listAll() const
{
    return list(QStringLiteral("SELECT %1 FROM recurring_transactions WHERE deleted_at IS NULL ORDER BY is_active "
                               "DESC, next_due_date ASC, payee COLLATE NOCASE ASC"));
}

std::optional<RecurringTransaction> RecurringRepository::findById(const QString &id) const
{
    const auto found = list(QStringLiteral("SELECT %1 FROM recurring_transactions WHERE id = ?"), {id});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

QList<RecurringTransaction> RecurringRepository::listDue() const
{
    return listDue(QDate::currentDate());
}

QList<RecurringTransaction> RecurringRepository::listDue(const QDate &today) const
{
    // A rule whose account is deleted can never post, so it is never due.
    return list(QStringLiteral("SELECT %1 FROM recurring_transactions WHERE deleted_at IS NULL AND is_active = 1 AND "
                               "next_due_date <= ? AND account_id IN (SELECT id FROM accounts WHERE deleted_at IS "
                               "NULL) ORDER BY next_due_date ASC, payee COLLATE NOCASE ASC"),
                {isoDate(today)});
}

QList<RecurringTransaction> RecurringRepository::listPendingSync() const
{
    return list(QStringLiteral("SELECT %1 FROM recurring_transactions WHERE sync_status = 'pending'"));
}

void RecurringRepository::warnBrokenNextDueDate(const char *operation, const RecurringTransaction &rule) const
{
    if (rule.nextDueDate.isValid() && rule.nextDueDate >= QDate(2000, 1, 1))
        return;
    qWarning().noquote() << "RecurringRepository::" + QLatin1String(operation)
                         << "saving recurring with broken nextDueDate:"
                         << "id=" << rule.id << "payee=" << rule.payee << "nextDueDate=" << isoDate(rule.nextDueDate)
                         << "startDate=" << isoDate(rule.startDate) << "frequency=" << int(rule.frequency);
}

bool RecurringRepository::insert(const RecurringTransaction &r)
{
    warnBrokenNextDueDate("insert", r);
    QSqlQuery query = prepare(
        m_database->db(),
        QStringLiteral("INSERT INTO recurring_transactions (id, account_id, payee, memo, amount, category_id, "
                       "frequency, start_date, end_date, next_due_date, auto_post, is_active, "
                       "transfer_dest_account_id, version, sync_status, server_id, created_at, updated_at, "
                       "lead_days, interval_count, semimonthly_day_1, semimonthly_day_2) VALUES (?, ?, ?, ?, ?, ?, "
                       "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {sqlText(r.id), sqlText(r.accountId), sqlText(r.payee), sqlText(r.memo), sqlInt64(r.amount),
         sqlTextOrNull(r.categoryId), frequencyToString(r.frequency), sqlDate(r.startDate),
         sqlOptionalDate(r.endDate), sqlDate(r.nextDueDate), sqlBool(r.autoPost), sqlBool(r.isActive),
         sqlText(r.transferDestAccountId), r.version, syncStatusToString(r.syncStatus), sqlText(r.serverId),
         sqlDateTime(r.createdAt), sqlDateTime(r.updatedAt), r.leadDays, r.intervalCount, r.semimonthlyDay1,
         r.semimonthlyDay2});
    if (!exec(query, "RecurringRepository::insert"))
        return false;
    notifyChanged();
    return true;
}

bool RecurringRepository::update(const RecurringTransaction &r)
{
    warnBrokenNextDueDate("update", r);
    QSqlQuery query = prepare(
        m_database->db(),
        QStringLiteral("UPDATE recurring_transactions SET payee=?, memo=?, amount=?, category_id=?, frequency=?, "
                       "start_date=?, end_date=?, next_due_date=?, auto_post=?, is_active=?, "
                       "transfer_dest_account_id=?, version=?, sync_status=?, server_id=?, updated_at=?, "
                       "lead_days=?, interval_count=?, semimonthly_day_1=?, semimonthly_day_2=? WHERE id=?"),
        {sqlText(r.payee), sqlText(r.memo), sqlInt64(r.amount), sqlTextOrNull(r.categoryId),
         frequencyToString(r.frequency), sqlDate(r.startDate), sqlOptionalDate(r.endDate), sqlDate(r.nextDueDate),
         sqlBool(r.autoPost), sqlBool(r.isActive), sqlText(r.transferDestAccountId), r.version,
         syncStatusToString(r.syncStatus), sqlText(r.serverId), sqlDateTime(r.updatedAt), r.leadDays,
         r.intervalCount, r.semimonthlyDay1, r.semimonthlyDay2, r.id});
    if (!exec(query, "RecurringRepository::update"))
        return false;
    notifyChanged();
    return true;
}

bool RecurringRepository::softDelete(const QString &id)
{
    if (!m_table.softDelete(id, false))
        return false;
    notifyChanged();
    return true;
}

int RecurringRepository::softDeleteByAccount(const QString &accountId)
{
    const int changed = m_table.softDeleteByAccount(accountId);
    if (changed > 0)
        notifyChanged();
    return changed;
}

int RecurringRepository::restoreByAccount(const QString &accountId, const QString &deletedSince)
{
    const int changed = m_table.restoreByAccount(accountId, deletedSince);
    if (changed > 0)
        notifyChanged();
    return changed;
}

bool RecurringRepository::markSynced(const QString &id, const QString &serverId)
{
    return m_table.markSynced(id, serverId);
}

bool RecurringRepository::markSynced(const QString &id, const QString &serverId, int sentVersion,
                              const QDateTime &sentUpdatedAt)
{
    return m_table.markSyncedIfUnchanged(id, serverId, sentVersion, sentUpdatedAt);
}

int RecurringRepository::markAllPendingForResync()
{
    const int changed = m_table.markAllPendingForResync();
    if (changed > 0)
        notifyChanged();
    return changed;
}

bool RecurringRepository::applyServerDeletion(const QString &id, const std::optional<QDateTime> &deletedAt)
{
    if (!m_table.applyServerDeletion(id, deletedAt))
        return false;
    notifyChanged();
    return true;
}
