#include "sync/syncrecords.h"

#include "data/categoryrepository.h"
#include "data/recurringrepository.h"
#include "data/sqlvalues.h"

#include <QJsonArray>
#include <QJsonValue>

#include <cmath>
#include <limits>

namespace SyncRecords {

namespace {

// Text columns never go as null: a missing value is "".
QJsonValue text(const QString &value)
{
    return value.isNull() ? QJsonValue(QLatin1String("")) : QJsonValue(value);
}

QJsonValue date(const QDate &value)
{
    return QJsonValue(SqlValues::isoDate(value));
}

QJsonValue timestamp(const QDateTime &value)
{
    return QJsonValue(SqlValues::isoDateTime(value));
}

QJsonValue money(qint64 cents)
{
    return QJsonValue(static_cast<qint64>(cents));
}

// Keys every payload carries: the ids and the three time stamps.
template <typename Record>
void putCommon(QJsonObject &payload, const Record &record)
{
    payload.insert(QLatin1String("client_id"), text(record.id));
    if (!record.serverId.isEmpty())
        payload.insert(QLatin1String("server_id"), record.serverId);
    payload.insert(QLatin1String("created_at"), timestamp(record.createdAt));
    payload.insert(QLatin1String("updated_at"), timestamp(record.updatedAt));
    if (record.deletedAt)
        payload.insert(QLatin1String("deleted_at"), timestamp(*record.deletedAt));
}

template <typename Record>
void readCommon(Record &record, const QJsonObject &object)
{
    record.serverId = readText(object, QLatin1String("id"));
    record.version = readInt(object, QLatin1String("version"));
    record.syncStatus = SyncStatus::Synced;
    record.createdAt = readTimestamp(object, QLatin1String("created_at"));
    record.updatedAt = readTimestamp(object, QLatin1String("updated_at"));
    const Deletion deletion = readDeletion(object);
    record.deletedAt = deletion.deletedAt;
}

// A whole JSON number that fits the range, else nothing.
std::optional<qint64> wholeNumber(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    constexpr qint64 kSentinel = std::numeric_limits<qint64>::min();
    const qint64 whole = value.toInteger(kSentinel);
    if (whole == kSentinel) {
        // toInteger also answers the sentinel for a value that really is
        // INT64_MIN; tell the two apart by the double.
        if (value.toDouble() == -9223372036854775808.0)
            return kSentinel;
        return std::nullopt;
    }
    return whole;
}

} // namespace

QJsonObject accountPayload(const Account &account)
{
    QJsonObject payload;
    putCommon(payload, account);
    payload.insert(QLatin1String("name"), text(account.name));
    payload.insert(QLatin1String("account_type"), accountTypeToString(account.accountType));
    payload.insert(QLatin1String("currency"), currencyToString(account.currency));
    payload.insert(QLatin1String("is_shared"), account.isShared);
    payload.insert(QLatin1String("institution"), text(account.institution));
    payload.insert(QLatin1String("account_number_last4"), text(account.accountNumberLast4));
    payload.insert(QLatin1String("starting_balance"), money(account.startingBalance));
    payload.insert(QLatin1String("sort_order"), account.sortOrder);
    payload.insert(QLatin1String("version"), account.version);
    return payload;
}

QJsonObject categoryPayload(const Category &category)
{
    QJsonObject payload;
    putCommon(payload, category);
    payload.insert(QLatin1String("name"), text(category.name));
    payload.insert(QLatin1String("category_type"), CategoryRepository::categoryTypeToString(category.type));
    payload.insert(QLatin1String("parent_id"), text(category.parentId));
    payload.insert(QLatin1String("is_tax_relevant"), category.isTaxRelevant);
    payload.insert(QLatin1String("tax_category"), text(category.taxCategory));
    payload.insert(QLatin1String("icon"), text(category.icon));
    payload.insert(QLatin1String("color"), text(category.color));
    payload.insert(QLatin1String("is_default"), category.isDefault);
    payload.insert(QLatin1String("account_id"), text(category.accountId));
    payload.insert(QLatin1String("version"), category.version);
    return payload;
}

QJsonObject recurringPayload(const RecurringTransaction &rule)
{
    QJsonObject payload;
    putCommon(payload, rule);
    payload.insert(QLatin1String("account_id"), text(rule.accountId));
    payload.insert(QLatin1String("payee"), text(rule.payee));
    payload.insert(QLatin1String("memo"), text(rule.memo));
    payload.insert(QLatin1String("amount"), money(rule.amount));
    payload.insert(QLatin1String("category_id"), text(rule.categoryId));
    payload.insert(QLatin1String("transfer_dest_account_id"), text(rule.transferDestAccountId));
    payload.insert(QLatin1String("frequency"), RecurringRepository::frequencyToString(rule.frequency));
    payload.insert(QLatin1String("start_date"), date(rule.startDate));
    if (rule.endDate)
        payload.insert(QLatin1String("end_date"), date(*rule.endDate));
    payload.insert(QLatin1String("next_due_date"), date(rule.nextDueDate));
    payload.insert(QLatin1String("auto_post"), rule.autoPost);
    payload.insert(QLatin1String("lead_days"), rule.leadDays);
    payload.insert(QLatin1String("interval_count"), rule.intervalCount);
    payload.insert(QLatin1String("semimonthly_day_1"), rule.semimonthlyDay1);
    payload.insert(QLatin1String("semimonthly_day_2"), rule.semimonthlyDay2);
    payload.insert(QLatin1String("is_active"), rule.isActive);
    return payload;
}

QJsonObject transactionPayload(const Transaction &transaction, const QList<SplitLine> &splitLines)
{
    QJsonObject payload;
    putCommon(payload, transaction);
    payload.insert(QLatin1String("account_id"), text(transaction.accountId));
    payload.insert(QLatin1String("date"), date(transaction.date));
    payload.insert(QLatin1String("payee"), text(transaction.payee));
    payload.insert(QLatin1String("memo"), text(transaction.memo));
    payload.insert(QLatin1String("amount"), money(transaction.amount));
    payload.insert(QLatin1String("category_id"), text(transaction.categoryId));
    payload.insert(QLatin1String("check_number"), text(transaction.checkNumber));
    payload.insert(QLatin1String("cleared"), transaction.cleared);
    payload.insert(QLatin1String("reconciled"), transaction.reconciled);
    payload.insert(QLatin1String("transfer_link_id"), text(transaction.transferLinkId));
    payload.insert(QLatin1String("transfer_dest_account_id"), text(transaction.transferDestAccountId));
    payload.insert(QLatin1String("is_split"), transaction.isSplit);
    payload.insert(QLatin1String("recurring_id"), text(transaction.recurringId));
    payload.insert(QLatin1String("version"), transaction.version);
    if (transaction.isSplit) {
        QJsonArray lines;
        for (const SplitLine &line : splitLines) {
            QJsonObject item;
            item.insert(QLatin1String("category_id"), text(line.categoryId));
            item.insert(QLatin1String("amount"), money(line.amount));
            item.insert(QLatin1String("memo"), text(line.memo));
            lines.append(item);
        }
        payload.insert(QLatin1String("split_lines"), lines);
    }
    return payload;
}

QJsonObject reconciliationPayload(const Reconciliation &reconciliation)
{
    QJsonObject payload;
    putCommon(payload, reconciliation);
    payload.insert(QLatin1String("account_id"), text(reconciliation.accountId));
    payload.insert(QLatin1String("statement_date"), date(reconciliation.statementDate));
    payload.insert(QLatin1String("statement_balance"), money(reconciliation.statementBalance));
    payload.insert(QLatin1String("reconciled_balance"), money(reconciliation.reconciledBalance));
    payload.insert(QLatin1String("completed_at"), timestamp(reconciliation.completedAt));
    payload.insert(QLatin1String("version"), reconciliation.version);
    return payload;
}

QJsonObject changeRecord(QLatin1String entityType, const QString &id, int version, bool deleted,
                         const QJsonObject &payload)
{
    QJsonObject record;
    record.insert(QLatin1String("entity_type"), entityType);
    record.insert(QLatin1String("entity_id"), text(id));
    record.insert(QLatin1String("action"), deleted ? QLatin1String("delete") : QLatin1String("upsert"));
    record.insert(QLatin1String("version"), version);
    record.insert(QLatin1String("payload"), payload);
    return record;
}

QString readText(const QJsonObject &object, QLatin1String key)
{
    const QJsonValue value = object.value(key);
    return value.isString() ? value.toString() : QString();
}

int readInt(const QJsonObject &object, QLatin1String key)
{
    const std::optional<qint64> whole = wholeNumber(object.value(key));
    if (!whole || *whole < std::numeric_limits<int>::min() || *whole > std::numeric_limits<int>::max())
        return 0;
    return static_cast<int>(*whole);
}

qint64 readMoney(const QJsonObject &object, QLatin1String key)
{
    const QJsonValue value = object.value(key);
    if (!value.isDouble())
        return 0;
    // A number that is no whole count of minor units in range reads as the
    // one amount no record may hold, so the record is refused rather than
    // stored as 0 or rounded.
    return wholeNumber(value).value_or(std::numeric_limits<qint64>::min());
}

bool readFlag(const QJsonObject &object, QLatin1String key)
{
    const QJsonValue value = object.value(key);
    if (value.isBool())
        return value.toBool();
    if (!value.isDouble())
        return false;
    const double number = value.toDouble();
    return std::isfinite(number) && number == std::trunc(number) && number != 0.0;
}

QDate parseServerDate(const QString &text)
{
    if (text.isEmpty())
        return QDate();
    if (text.size() == 10) {
        const QDate plain = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
        if (plain.isValid())
            return plain;
    }
    // The date part as written, in the text's own zone.
    const QDateTime stamp = QDateTime::fromString(text, Qt::ISODate);
    if (stamp.isValid() && text.contains(QLatin1Char('T')))
        return stamp.date();
    return QDate();
}

QDate readDate(const QJsonObject &object, QLatin1String key)
{
    return parseServerDate(readText(object, key));
}

QDateTime readTimestamp(const QJsonObject &object, QLatin1String key)
{
    const QString value = readText(object, key);
    if (value.isEmpty() || !value.contains(QLatin1Char('T')))
        return QDateTime();
    return QDateTime::fromString(value, Qt::ISODate);
}

Deletion readDeletion(const QJsonObject &object)
{
    Deletion deletion;
    const QString value = readText(object, QLatin1String("deleted_at"));
    if (value.isEmpty())
        return deletion;
    deletion.deleted = true;
    deletion.deletedAt = readTimestamp(object, QLatin1String("deleted_at"));
    return deletion;
}

Account accountFromServer(const QJsonObject &object)
{
    Account account;
    readCommon(account, object);
    account.name = readText(object, QLatin1String("name"));
    account.accountType = accountTypeFromString(readText(object, QLatin1String("account_type")));
    account.currency = currencyFromString(readText(object, QLatin1String("currency")));
    account.institution = readText(object, QLatin1String("institution"));
    account.accountNumberLast4 = readText(object, QLatin1String("account_number_last4"));
    account.startingBalance = readMoney(object, QLatin1String("starting_balance"));
    account.sortOrder = readInt(object, QLatin1String("sort_order"));
    account.isShared = readFlag(object, QLatin1String("is_shared"));
    return account;
}

Category categoryFromServer(const QJsonObject &object)
{
    Category category;
    readCommon(category, object);
    category.name = readText(object, QLatin1String("name"));
    category.type = CategoryRepository::categoryTypeFromString(readText(object, QLatin1String("category_type")));
    category.parentId = readText(object, QLatin1String("parent_id"));
    category.isTaxRelevant = readFlag(object, QLatin1String("is_tax_relevant"));
    category.taxCategory = readText(object, QLatin1String("tax_category"));
    category.icon = readText(object, QLatin1String("icon"));
    category.color = readText(object, QLatin1String("color"));
    category.isDefault = readFlag(object, QLatin1String("is_default"));
    category.accountId = readText(object, QLatin1String("account_id"));
    return category;
}

RecurringTransaction recurringFromServer(const QJsonObject &object, const RecurringTransaction *local)
{
    RecurringTransaction rule;
    readCommon(rule, object);
    rule.accountId = readText(object, QLatin1String("account_id"));
    rule.payee = readText(object, QLatin1String("payee"));
    rule.memo = readText(object, QLatin1String("memo"));
    rule.amount = readMoney(object, QLatin1String("amount"));
    rule.categoryId = readText(object, QLatin1String("category_id"));
    rule.frequency = RecurringRepository::frequencyFromString(readText(object, QLatin1String("frequency")));
    rule.startDate = readDate(object, QLatin1String("start_date"));
    const QString endDate = readText(object, QLatin1String("end_date"));
    if (!endDate.isEmpty())
        rule.endDate = parseServerDate(endDate);
    rule.nextDueDate = readDate(object, QLatin1String("next_due_date"));
    rule.autoPost = readFlag(object, QLatin1String("auto_post"));
    rule.isActive = readFlag(object, QLatin1String("is_active"));
    rule.transferDestAccountId = readText(object, QLatin1String("transfer_dest_account_id"));

    // Older servers do not know these columns: keep what the row has.
    const auto keepOrRead = [&object](QLatin1String key, int localValue) {
        return object.contains(key) ? readInt(object, key) : localValue;
    };
    rule.leadDays = keepOrRead(QLatin1String("lead_days"), local ? local->leadDays : 0);
    rule.intervalCount = keepOrRead(QLatin1String("interval_count"), local ? local->intervalCount : 1);
    rule.semimonthlyDay1 = keepOrRead(QLatin1String("semimonthly_day_1"), local ? local->semimonthlyDay1 : 1);
    rule.semimonthlyDay2 = keepOrRead(QLatin1String("semimonthly_day_2"), local ? local->semimonthlyDay2 : 15);
    return rule;
}

Transaction transactionFromServer(const QJsonObject &object)
{
    Transaction transaction;
    readCommon(transaction, object);
    transaction.accountId = readText(object, QLatin1String("account_id"));
    transaction.date = readDate(object, QLatin1String("date"));
    transaction.payee = readText(object, QLatin1String("payee"));
    transaction.memo = readText(object, QLatin1String("memo"));
    transaction.amount = readMoney(object, QLatin1String("amount"));
    transaction.categoryId = readText(object, QLatin1String("category_id"));
    transaction.checkNumber = readText(object, QLatin1String("check_number"));
    transaction.cleared = readFlag(object, QLatin1String("cleared"));
    transaction.reconciled = readFlag(object, QLatin1String("reconciled"));
    transaction.transferLinkId = readText(object, QLatin1String("transfer_link_id"));
    transaction.transferDestAccountId = readText(object, QLatin1String("transfer_dest_account_id"));
    transaction.isSplit = readFlag(object, QLatin1String("is_split"));
    transaction.recurringId = readText(object, QLatin1String("recurring_id"));
    return transaction;
}

Reconciliation reconciliationFromServer(const QJsonObject &object)
{
    Reconciliation reconciliation;
    readCommon(reconciliation, object);
    reconciliation.accountId = readText(object, QLatin1String("account_id"));
    reconciliation.statementDate = readDate(object, QLatin1String("statement_date"));
    reconciliation.statementBalance = readMoney(object, QLatin1String("statement_balance"));
    reconciliation.reconciledBalance = readMoney(object, QLatin1String("reconciled_balance"));
    reconciliation.completedAt = readTimestamp(object, QLatin1String("completed_at"));
    return reconciliation;
}

QList<SplitLine> splitLinesFromServer(const QJsonObject &object)
{
    QList<SplitLine> lines;
    const QJsonArray array = object.value(QLatin1String("split_lines")).toArray();
    lines.reserve(array.size());
    for (const QJsonValue &value : array) {
        const QJsonObject item = value.toObject();
        SplitLine line;
        line.categoryId = readText(item, QLatin1String("category_id"));
        line.amount = readMoney(item, QLatin1String("amount"));
        line.memo = readText(item, QLatin1String("memo"));
        lines.append(line);
    }
    return lines;
}

} // namespace SyncRecords
