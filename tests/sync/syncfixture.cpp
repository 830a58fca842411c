#include "syncfixture.h"

#include "fakesyncservice.h"
#include "sync/syncrecords.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {

const QDateTime kStamp(QDate(2024, 5, 6), QTime(7, 8, 9), Qt::UTC);

QString idOf(const QString &prefix, const char *kind, int index)
{
    return QStringLiteral("%1-%2-%3").arg(prefix, QLatin1String(kind)).arg(index);
}

template <typename Record>
void stamp(Record &record, int index)
{
    record.version = 1 + index % 3;
    record.syncStatus = SyncStatus::Pending;
    record.createdAt = kStamp.addSecs(index);
    record.updatedAt = kStamp.addSecs(2 * index + 7);
}

} // namespace

SampleData SampleData::make(const QString &prefix, int accounts, int categories, int recurring, int transactions,
                            int reconciliations)
{
    SampleData data;
    for (int i = 0; i < accounts; ++i) {
        Account a;
        a.id = idOf(prefix, "acc", i);
        a.name = QStringLiteral("Account %1 \"ü\"").arg(i);
        a.accountType = AccountType(i % 7);
        a.currency = Currency(i % 6);
        a.institution = QStringLiteral("Bank %1").arg(i);
        a.accountNumberLast4 = QStringLiteral("%1").arg(1000 + i);
        a.startingBalance = (i % 2 ? -1 : 1) * (9007199254740993LL - i); // beyond a double's exact range
        a.sortOrder = i;
        a.isShared = i % 2;
        stamp(a, i);
        data.accounts.append(a);
    }
    for (int i = 0; i < categories; ++i) {
        Category c;
        c.id = idOf(prefix, "cat", i);
        c.name = QStringLiteral("Category %1").arg(i);
        c.type = CategoryType(i % 3);
        c.parentId = i >= 2 && i % 2 ? idOf(prefix, "cat", i - 1) : QString();
        c.isTaxRelevant = i % 2;
        c.taxCategory = QStringLiteral("tax-%1").arg(i);
        c.icon = QStringLiteral("icon%1").arg(i);
        c.color = QStringLiteral("#%1").arg(i, 6, 10, QLatin1Char('0'));
        c.isDefault = i % 3 == 0;
        c.accountId = accounts > 0 && i % 4 == 0 ? idOf(prefix, "acc", i % accounts) : QString();
        stamp(c, i);
        data.categories.append(c);
    }
    for (int i = 0; i < recurring && accounts > 0; ++i) {
        RecurringTransaction r;
        r.id = idOf(prefix, "rec", i);
        r.accountId = idOf(prefix, "acc", i % accounts);
        r.payee = QStringLiteral("Rent %1").arg(i);
        r.memo = QStringLiteral("memo %1").arg(i);
        r.amount = -125000 - i;
        r.categoryId = categories > 0 ? idOf(prefix, "cat", i % categories) : QString();
        r.frequency = RecurringFrequency(i % 8);
        r.intervalCount = 1 + i % 4;
        r.semimonthlyDay1 = i % 2 ? 0 : 5;
        r.semimonthlyDay2 = 20;
        r.startDate = QDate(2023, 1, 1).addDays(i);
        if (i % 2)
            r.endDate = QDate(2030, 12, 31);
        r.nextDueDate = QDate(2024, 6, 1).addDays(i);
        r.autoPost = i % 2;
        r.leadDays = i % 5;
        r.isActive = i % 3 != 0;
        r.transferDestAccountId = accounts > 1 && i % 2 ? idOf(prefix, "acc", (i + 1) % accounts) : QString();
        stamp(r, i);
        data.recurring.append(r);
    }
    for (int i = 0; i < transactions && accounts > 0; ++i) {
        Transaction t;
        t.id = idOf(prefix, "txn", i);
        t.accountId = idOf(prefix, "acc", i % accounts);
        t.date = QDate(2024, 1, 1).addDays(i % 300);
        t.payee = QStringLiteral("Payee %1").arg(i % 50);
        t.memo = i % 3 ? QStringLiteral("memo %1").arg(i) : QString();
        t.amount = (i % 2 ? -1 : 1) * (1234 + i);
        t.checkNumber = i % 5 ? QString() : QString::number(100 + i);
        t.cleared = i % 2;
        t.reconciled = i % 4 == 0;
        t.transferLinkId = i % 7 == 0 ? QStringLiteral("link-%1").arg(i) : QString();
        t.transferDestAccountId = i % 7 == 0 && accounts > 1 ? idOf(prefix, "acc", (i + 1) % accounts) : QString();
        t.recurringId = recurring > 0 && i % 9 == 0 ? idOf(prefix, "rec", i % recurring) : QString();
        t.isSplit = categories > 0 && i % 10 == 3;
        t.categoryId = !t.isSplit && categories > 0 && i % 3 ? idOf(prefix, "cat", i % categories) : QString();
        stamp(t, i);
        if (t.isSplit) {
            QList<SplitLine> lines;
            for (int l = 0; l < 3; ++l) {
                SplitLine line;
                line.id = QStringLiteral("%1-line-%2").arg(t.id).arg(l);
                line.transactionId = t.id;
                line.categoryId = idOf(prefix, "cat", (i + l) % categories);
                line.amount = t.amount / 3 + l;
                line.memo = QStringLiteral("part %1").arg(l);
                line.createdAt = t.createdAt;
                line.updatedAt = t.updatedAt;
                lines.append(line);
            }
            data.splitLines.insert(t.id, lines);
        }
        data.transactions.append(t);
    }
    for (int i = 0; i < reconciliations && accounts > 0; ++i) {
        Reconciliation r;
        r.id = idOf(prefix, "rcn", i);
        r.accountId = idOf(prefix, "acc", i % accounts);
        r.statementDate = QDate(2024, 2, 28).addMonths(i);
        r.statementBalance = 500000 + i;
        r.reconciledBalance = 499000 + i;
        r.completedAt = kStamp.addDays(i);
        stamp(r, i);
        data.reconciliations.append(r);
    }
    return data;
}

void SampleData::putInto(FakeSyncService &service) const
{
    using namespace SyncRecords;
    for (const Account &a : accounts)
        service.putRecord(QStringLiteral("accounts"), serverRecordFromPayload(accountPayload(a), a.version));
    for (const Category &c : categories)
        service.putRecord(QStringLiteral("categories"), serverRecordFromPayload(categoryPayload(c), c.version));
    for (const RecurringTransaction &r : recurring)
        service.putRecord(QStringLiteral("recurring_transactions"),
                          serverRecordFromPayload(recurringPayload(r), r.version));
    for (const Transaction &t : transactions)
        service.putRecord(QStringLiteral("transactions"),
                          serverRecordFromPayload(transactionPayload(t, splitLines.value(t.id)), t.version));
    for (const Reconciliation &r : reconciliations)
        service.putRecord(QStringLiteral("reconciliations"),
                          serverRecordFromPayload(reconciliationPayload(r), r.version));
}

QJsonObject comparablePayload(QJsonObject payload)
{
    const QJsonArray lines = payload.value(QLatin1String("split_lines")).toArray();
    if (!lines.isEmpty()) {
        QStringList texts;
        for (const QJsonValue &line : lines)
            texts << QString::fromUtf8(QJsonDocument(line.toObject()).toJson(QJsonDocument::Compact));
        texts.sort();
        payload.insert(QLatin1String("split_lines"), QJsonArray::fromStringList(texts));
    }
    return payload;
}

QJsonObject serverRecordFromPayload(const QJsonObject &payload, int version, const QString &serverId)
{
    QJsonObject record = payload;
    record.remove(QStringLiteral("server_id"));
    record.insert(QStringLiteral("version"), version);
    if (!serverId.isEmpty())
        record.insert(QStringLiteral("id"), serverId);
    return record;
}

LocalStore::LocalStore(const QString &baseUrl)
    : baseUrl(baseUrl)
{
    open();
}

LocalStore::LocalStore(LumoAccount::ApiClient *sharedApi)
    : externalApi(sharedApi)
{
    open();
}

void LocalStore::restart()
{
    engine.reset();
    api.reset();
    preferences.reset();
    splitLines.reset();
    reconciliations.reset();
    recurring.reset();
    categories.reset();
    transactions.reset();
    accounts.reset();
    database.reset();
    open();
}

void LocalStore::open()
{
    database = std::make_unique<Database>();
    if (!database->open(dir.filePath(QStringLiteral("tallyra.db"))) || !database->migrate())
        qFatal("cannot create the test database");
    Database *db = database.get();
    accounts = std::make_unique<AccountRepository>(db);
    transactions = std::make_unique<TransactionRepository>(db);
    categories = std::make_unique<CategoryRepository>(db);
    recurring = std::make_unique<RecurringRepository>(db);
    reconciliations = std::make_unique<ReconciliationRepository>(db);
    splitLines = std::make_unique<SplitLineRepository>(db);
    preferences = std::make_unique<PreferencesRepository>(db);
    LumoAccount::ApiClient *requests = externalApi;
    if (!requests) {
        api = std::make_unique<LumoAccount::ApiClient>(nullptr);
        api->setBaseUrl(QUrl(baseUrl));
        requests = api.get();
    }
    engine = std::make_unique<SyncEngine>(requests, accounts.get(), transactions.get(), categories.get(),
                                          recurring.get(), reconciliations.get(), splitLines.get(),
                                          preferences.get(), db);
}

LocalStore::~LocalStore()
{
    engine.reset();
    api.reset();
}

bool LocalStore::insert(const SampleData &data)
{
    bool ok = true;
    for (const Account &a : data.accounts)
        ok = accounts->insert(a) && ok;
    for (const Category &c : data.categories)
        ok = categories->insert(c) && ok;
    for (const RecurringTransaction &r : data.recurring)
        ok = recurring->insert(r) && ok;
    for (const Transaction &t : data.transactions) {
        ok = transactions->insert(t) && ok;
        if (t.isSplit)
            ok = splitLines->replaceForTransaction(t.id, data.splitLines.value(t.id)) && ok;
    }
    for (const Reconciliation &r : data.reconciliations)
        ok = reconciliations->insert(r) && ok;
    return ok;
}

QMap<QString, QString> LocalStore::snapshot() const
{
    QMap<QString, QString> rows;
    const QStringList tables = {QStringLiteral("accounts"), QStringLiteral("categories"),
                                QStringLiteral("recurring_transactions"), QStringLiteral("transactions"),
                                QStringLiteral("reconciliations")};
    for (const QString &table : tables) {
        QSqlQuery query(*database->db());
        query.exec(QStringLiteral("SELECT * FROM %1").arg(table));
        while (query.next()) {
            const QSqlRecord record = query.record();
            QStringList values;
            for (int i = 0; i < record.count(); ++i)
                values << record.fieldName(i) + QLatin1Char('=')
                              + (record.isNull(i) ? QStringLiteral("NULL") : record.value(i).toString());
            rows.insert(table + QLatin1Char('/') + record.value(QStringLiteral("id")).toString(),
                        values.join(QLatin1Char('|')));
        }
    }
    QSqlQuery lines(*database->db());
    lines.exec(QStringLiteral("SELECT transaction_id, category_id, amount, memo, COUNT(*) FROM split_lines "
                              "GROUP BY transaction_id, category_id, amount, memo"));
    while (lines.next())
        rows.insert(QStringLiteral("split_lines/%1/%2/%3/%4")
                        .arg(lines.value(0).toString(), lines.value(1).toString(), lines.value(2).toString(),
                             lines.value(3).toString()),
                    lines.value(4).toString());
    return rows;
}

QStringList LocalStore::pendingRows() const
{
    QStringList ids;
    const QStringList tables = {QStringLiteral("accounts"), QStringLiteral("categories"),
                                QStringLiteral("recurring_transactions"), QStringLiteral("transactions"),
                                QStringLiteral("reconciliations")};
    for (const QString &table : tables) {
        QSqlQuery query(*database->db());
        query.exec(QStringLiteral("SELECT id FROM %1 WHERE sync_status = 'pending' ORDER BY id").arg(table));
        while (query.next())
            ids << table + QLatin1Char('/') + query.value(0).toString();
    }
    return ids;
}

int LocalStore::count(const QString &sql) const
{
    QSqlQuery query(*database->db());
    if (!query.exec(sql) || !query.next())
        return -1;
    return query.value(0).toInt();
}

bool LocalStore::exec(const QString &sql) const
{
    QSqlQuery query(*database->db());
    return query.exec(sql);
}

bool LocalStore::sync(int timeoutMs)
{
    QSignalSpy completed(engine.get(), &SyncEngine::syncCompleted);
    QSignalSpy failed(engine.get(), &SyncEngine::syncFailed);
    engine->syncNow();
    waitUntil([&] { return !completed.isEmpty() || !failed.isEmpty(); }, timeoutMs);
    return completed.count() == 1 && failed.isEmpty();
}

bool waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

QStringList snapshotDifferences(const QMap<QString, QString> &before, const QMap<QString, QString> &after)
{
    QStringList changes;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!after.contains(it.key()))
            changes << QStringLiteral("removed ") + it.key();
        else if (after.value(it.key()) != it.value())
            changes << QStringLiteral("changed ") + it.key() + QStringLiteral(": ") + it.value()
                           + QStringLiteral(" -> ") + after.value(it.key());
    }
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (!before.contains(it.key()))
            changes << QStringLiteral("added ") + it.key();
    }
    return changes;
}
