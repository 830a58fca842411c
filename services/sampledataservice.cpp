#include "services/sampledataservice.h"

#include "data/database.h"
#include "data/recordid.h"
#include "data/sqlvalues.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace {

const QString kChecking = QStringLiteral("sample-acct-checking");
const QString kSavings = QStringLiteral("sample-acct-savings");
const QString kVisa = QStringLiteral("sample-acct-visa");

QString text(const char *source)
{
    return source ? QCoreApplication::translate("SampleDataService", source) : QString();
}

struct SampleRow
{
    int dayOffset;
    const char *payee;
    const char *memo;
    qint64 amount;
    const char *category; // top-level name, or the parent of `child`
    const char *child;
    const char *checkNumber;
};

const SampleRow kCheckingRows[] = {
    {-60, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"), QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, QT_TRANSLATE_NOOP("SampleDataService", "Salary / Wages"), nullptr, nullptr},
    {-59, QT_TRANSLATE_NOOP("SampleDataService", "Pinecrest Apartments"), QT_TRANSLATE_NOOP("SampleDataService", "Monthly rent"), -145000, QT_TRANSLATE_NOOP("SampleDataService", "Housing"), QT_TRANSLATE_NOOP("SampleDataService", "Rent/Mortgage Payment"), "1041"},
    {-57, QT_TRANSLATE_NOOP("SampleDataService", "Fresh Basket Market"), QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -8743, QT_TRANSLATE_NOOP("SampleDataService", "Groceries"), nullptr, nullptr},
    {-55, QT_TRANSLATE_NOOP("SampleDataService", "Quickfill Gas"), nullptr, -4210, QT_TRANSLATE_NOOP("SampleDataService", "Transportation"), QT_TRANSLATE_NOOP("SampleDataService", "Gas/Fuel"), nullptr},
    {-53, QT_TRANSLATE_NOOP("SampleDataService", "Metro Power & Light"), QT_TRANSLATE_NOOP("SampleDataService", "Electric bill"), -9618, QT_TRANSLATE_NOOP("SampleDataService", "Utilities"), QT_TRANSLATE_NOOP("SampleDataService", "Electric"), nullptr},
    {-52, QT_TRANSLATE_NOOP("SampleDataService", "Fresh Basket Market"), QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -6427, QT_TRANSLATE_NOOP("SampleDataService", "Groceries"), nullptr, nullptr},
    {-50, QT_TRANSLATE_NOOP("SampleDataService", "City Water Department"), QT_TRANSLATE_NOOP("SampleDataService", "Water bill"), -3850, QT_TRANSLATE_NOOP("SampleDataService", "Utilities"), QT_TRANSLATE_NOOP("SampleDataService", "Water"), nullptr},
    {-48, QT_TRANSLATE_NOOP("SampleDataService", "StreamFlix"), QT_TRANSLATE_NOOP("SampleDataService", "Monthly subscription"), -1599, QT_TRANSLATE_NOOP("SampleDataService", "Entertainment"), QT_TRANSLATE_NOOP("SampleDataService", "Streaming"), nullptr},
    {-46, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"), QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, QT_TRANSLATE_NOOP("SampleDataService", "Salary / Wages"), nullptr, nullptr},
    {-45, QT_TRANSLATE_NOOP("SampleDataService", "Fresh Basket Market"), QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -9215, QT_TRANSLATE_NOOP("SampleDataService", "Groceries"), nullptr, nullptr},
    {-43, QT_TRANSLATE_NOOP("SampleDataService", "Corner Bistro"), QT_TRANSLATE_NOOP("SampleDataService", "Dinner"), -4860, QT_TRANSLATE_NOOP("SampleDataService", "Dining & Restaurants"), nullptr, nullptr},
    {-41, QT_TRANSLATE_NOOP("SampleDataService", "Quickfill Gas"), nullptr, -3985, QT_TRANSLATE_NOOP("SampleDataService", "Transportation"), QT_TRANSLATE_NOOP("SampleDataService", "Gas/Fuel"), nullptr},
    {-38, QT_TRANSLATE_NOOP("SampleDataService", "Fiberlink Internet"), QT_TRANSLATE_NOOP("SampleDataService", "Internet service"), -6999, QT_TRANSLATE_NOOP("SampleDataService", "Utilities"), QT_TRANSLATE_NOOP("SampleDataService", "Internet"), nullptr},
    {-37, QT_TRANSLATE_NOOP("SampleDataService", "Fresh Basket Market"), QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -7134, QT_TRANSLATE_NOOP("SampleDataService", "Groceries"), nullptr, nullptr},
    {-36, QT_TRANSLATE_NOOP("SampleDataService", "Shieldline Insurance"), QT_TRANSLATE_NOOP("SampleDataService", "Auto insurance premium"), -12400, QT_TRANSLATE_NOOP("SampleDataService", "Insurance"), QT_TRANSLATE_NOOP("SampleDataService", "Auto"), nullptr},
    {-35, QT_TRANSLATE_NOOP("SampleDataService", "Hope Community Fund"), QT_TRANSLATE_NOOP("SampleDataService", "Donation"), -10000, QT_TRANSLATE_NOOP("SampleDataService", "Charitable Donations"), nullptr, "1042"},
    {-33, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"), QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, QT_TRANSLATE_NOOP("SampleDataService", "Salary / Wages"), nullptr, nullptr},
    {-32, QT_TRANSLATE_NOOP("SampleDataService", "Lakeside Family Clinic"), QT_TRANSLATE_NOOP("SampleDataService", "Doctor visit copay"), -3500, QT_TRANSLATE_NOOP("SampleDataService", "Medical Expenses"), nullptr, nullptr},
    {-29, QT_TRANSLATE_NOOP("SampleDataService", "Pinecrest Apartments"), QT_TRANSLATE_NOOP("SampleDataService", "Monthly rent"), -145000, QT_TRANSLATE_NOOP("SampleDataService", "Housing"), QT_TRANSLATE_NOOP("SampleDataService", "Rent/Mortgage Payment"), "1043"},
    {-28, QT_TRANSLATE_NOOP("SampleDataService", "Fresh Basket Market"), QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -8390, QT_TRANSLATE_NOOP("SampleDataService", "Groceries"), nullptr, nullptr},
    {-26, QT_TRANSLATE_NOOP("SampleDataService", "Quickfill Gas"), nullptr, -4425, QT_TRANSLATE_NOOP("SampleDataService", "Transportation"), QT_TRANSLATE_NOOP("SampleDataService", "Gas/Fuel"), nullptr},
    {-24, QT_TRANSLATE_NOOP("SampleDataService", "Metro Power & Light"), QT_TRANSLATE_NOOP("SampleDataService", "Electric bill"), -8872, QT_TRANSLATE_NOOP("SampleDataService", "Utilities"), QT_TRANSLATE_NOOP("SampleDataService", "Electric"), nullptr},
    {-22, QT_TRANSLATE_NOOP("SampleDataService", "Corner Bistro"), QT_TRANSLATE_NOOP("SampleDataService", "Lunch with friends"), -3645, QT_TRANSLATE_NOOP("SampleDataService", "Dining & Restaurants"), nullptr, nullptr},
    {-20, QT_TRANSLATE_NOOP("SampleDataService", "Fresh Basket Market"), QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -5812, QT_TRANSLATE_NOOP("SampleDataService", "Groceries"), nullptr, nullptr},
    {-19, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"), QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, QT_TRANSLATE_NOOP("SampleDataService", "Salary / Wages"), nullptr, nullptr},
    {-18, QT_TRANSLATE_NOOP("SampleDataService", "StreamFlix"), QT_TRANSLATE_NOOP("SampleDataService", "Monthly subscription"), -1599, QT_TRANSLATE_NOOP("SampleDataService", "Entertainment"), QT_TRANSLATE_NOOP("SampleDataService", "Streaming"), nullptr},
    {-16, QT_TRANSLATE_NOOP("SampleDataService", "City Water Department"), QT_TRANSLATE_NOOP("SampleDataService", "Water bill"), -4120, QT_TRANSLATE_NOOP("SampleDataService", "Utilities"), QT_TRANSLATE_NOOP("SampleDataService", "Water"), nullptr},
    {-14, QT_TRANSLATE_NOOP("SampleDataService", "Bookworm Online"), QT_TRANSLATE_NOOP("SampleDataService", "Course textbook"), -6400, QT_TRANSLATE_NOOP("SampleDataService", "Education Expenses"), nullptr, nullptr},
    {-12, QT_TRANSLATE_NOOP("SampleDataService", "Quickfill Gas"), nullptr, -4060, QT_TRANSLATE_NOOP("SampleDataService", "Transportation"), QT_TRANSLATE_NOOP("SampleDataService", "Gas/Fuel"), nullptr},
    {-6, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"), QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, QT_TRANSLATE_NOOP("SampleDataService", "Salary / Wages"), nullptr, nullptr},
    {-1, QT_TRANSLATE_NOOP("SampleDataService", "Fresh Basket Market"), QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -9548, QT_TRANSLATE_NOOP("SampleDataService", "Groceries"), nullptr, nullptr},
};

const SampleRow kSavingsRows[] = {
    {-45, QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"), QT_TRANSLATE_NOOP("SampleDataService", "Interest payment"), 820, QT_TRANSLATE_NOOP("SampleDataService", "Interest Income"), nullptr, nullptr},
    {-15, QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"), QT_TRANSLATE_NOOP("SampleDataService", "Interest payment"), 875, QT_TRANSLATE_NOOP("SampleDataService", "Interest Income"), nullptr, nullptr},
};

const SampleRow kVisaRows[] = {
    {-55, QT_TRANSLATE_NOOP("SampleDataService", "Corner Bistro"), QT_TRANSLATE_NOOP("SampleDataService", "Dinner"), -2780, QT_TRANSLATE_NOOP("SampleDataService", "Dining & Restaurants"), nullptr, nullptr},
    {-50, QT_TRANSLATE_NOOP("SampleDataService", "TechHub Electronics"), QT_TRANSLATE_NOOP("SampleDataService", "Wireless headphones"), -7999, QT_TRANSLATE_NOOP("SampleDataService", "Shopping"), QT_TRANSLATE_NOOP("SampleDataService", "Electronics"), nullptr},
    {-46, QT_TRANSLATE_NOOP("SampleDataService", "Quickfill Gas"), nullptr, -3540, QT_TRANSLATE_NOOP("SampleDataService", "Transportation"), QT_TRANSLATE_NOOP("SampleDataService", "Gas/Fuel"), nullptr},
    {-40, QT_TRANSLATE_NOOP("SampleDataService", "CloudBox Storage"), QT_TRANSLATE_NOOP("SampleDataService", "Cloud storage plan"), -999, QT_TRANSLATE_NOOP("SampleDataService", "Subscriptions"), nullptr, nullptr},
    {-33, QT_TRANSLATE_NOOP("SampleDataService", "Fresh Basket Market"), QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -4567, QT_TRANSLATE_NOOP("SampleDataService", "Groceries"), nullptr, nullptr},
    {-29, QT_TRANSLATE_NOOP("SampleDataService", "Corner Bistro"), QT_TRANSLATE_NOOP("SampleDataService", "Lunch"), -3210, QT_TRANSLATE_NOOP("SampleDataService", "Dining & Restaurants"), nullptr, nullptr},
    {-25, QT_TRANSLATE_NOOP("SampleDataService", "PagePass Audiobooks"), QT_TRANSLATE_NOOP("SampleDataService", "Monthly subscription"), -1495, QT_TRANSLATE_NOOP("SampleDataService", "Subscriptions"), nullptr, nullptr},
    {-18, QT_TRANSLATE_NOOP("SampleDataService", "Quickfill Gas"), nullptr, -3820, QT_TRANSLATE_NOOP("SampleDataService", "Transportation"), QT_TRANSLATE_NOOP("SampleDataService", "Gas/Fuel"), nullptr},
    {-9, QT_TRANSLATE_NOOP("SampleDataService", "TechHub Electronics"), QT_TRANSLATE_NOOP("SampleDataService", "Phone charger"), -2499, QT_TRANSLATE_NOOP("SampleDataService", "Shopping"), QT_TRANSLATE_NOOP("SampleDataService", "Electronics"), nullptr},
    {-2, QT_TRANSLATE_NOOP("SampleDataService", "Corner Bistro"), QT_TRANSLATE_NOOP("SampleDataService", "Dinner"), -4135, QT_TRANSLATE_NOOP("SampleDataService", "Dining & Restaurants"), nullptr, nullptr},
};

// Older rows are reconciled or cleared, recent ones still open.
QString statusFor(const QString &accountId, int dayOffset)
{
    if (accountId == kChecking)
        return dayOffset <= -30 ? QStringLiteral("R") : dayOffset <= -9 ? QStringLiteral("C") : QStringLiteral("U");
    if (accountId == kSavings)
        return dayOffset <= -15 ? QStringLiteral("C") : QStringLiteral("U");
    return dayOffset <= -25 ? QStringLiteral("C") : QStringLiteral("U");
}

} // namespace

SampleDataService::SampleDataService(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{
}

QString SampleDataService::makeId(const QString &kind)
{
    return QStringLiteral("sample-%1-%2").arg(kind, newRecordId().left(8));
}

bool SampleDataService::hasSampleData() const
{
    QSqlQuery query(*m_database->db());
    return query.exec(QStringLiteral("SELECT 1 FROM accounts WHERE id LIKE 'sample-%' LIMIT 1")) && query.next();
}

void SampleDataService::buildCategoryPaths()
{
    m_categoryPaths.clear();
    QSqlQuery query(*m_database->db());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT c.id, c.name, p.name AS parent_name FROM categories c "
                                   "LEFT JOIN categories p ON c.parent_id = p.id WHERE c.deleted_at IS NULL")))
        return;
    while (query.next()) {
        const QString id = query.value(0).toString();
        const QString name = query.value(1).toString();
        m_categoryPaths.insert(name, id);
        if (!query.value(2).isNull())
            m_categoryPaths.insert(query.value(2).toString() + QLatin1Char('/') + name, id);
    }
}

QString SampleDataService::categoryId(const QString &name, const QString &child) const
{
    if (child.isEmpty())
        return m_categoryPaths.value(name);
    return m_categoryPaths.value(name + QLatin1Char('/') + child, m_categoryPaths.value(name));
}

bool SampleDataService::insertAccount(BulkWriteTransaction &bulk, const QString &id, const QString &name, const QString &typeText,
                                      const QString &institution, const QString &last4, qint64 startingBalance,
                                      int sortOrder)
{
    QSqlQuery query = SqlValues::prepare(
        m_database->db(),
        QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, institution, account_number_last4, "
                       "starting_balance, sort_order, is_shared, version, sync_status, created_at, updated_at) "
                       "VALUES (?, ?, ?, 'USD', ?, ?, ?, ?, 0, 1, 'pending', ?, ?)"),
        {id, name, typeText, institution, last4, SqlValues::sqlInt64(startingBalance), sortOrder, m_timestamp,
         m_timestamp});
    return bulk.exec(query);
}

bool SampleDataService::insertTransaction(BulkWriteTransaction &bulk, const QString &accountId, int dayOffset, const QString &payee,
                                          const QString &memo, qint64 amount, const QString &categoryId,
                                          const QString &checkNumber, const QString &status,
                                          const QString &transferLink, const QString &transferDestAccountId,
                                          bool isSplit, const QString &explicitId)
{
    const bool cleared = status == QLatin1String("C") || status == QLatin1String("R");
    const bool reconciled = status == QLatin1String("R");
    QSqlQuery query = SqlValues::prepare(
        m_database->db(),
        QStringLiteral(
            "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, check_number, "
            "cleared, reconciled, transfer_link_id, transfer_dest_account_id, is_split, version, sync_status, "
            "created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, 'pending', ?, ?)"),
        {explicitId.isEmpty() ? makeId(QStringLiteral("txn")) : explicitId, accountId,
         SqlValues::isoDate(m_today.addDays(dayOffset)), SqlValues::sqlText(payee), SqlValues::sqlText(memo),
         SqlValues::sqlInt64(amount), SqlValues::sqlTextOrNull(categoryId), SqlValues::sqlTextOrNull(checkNumber),
         SqlValues::sqlBool(cleared), SqlValues::sqlBool(reconciled), SqlValues::sqlTextOrNull(transferLink),
         SqlValues::sqlTextOrNull(transferDestAccountId), SqlValues::sqlBool(isSplit), m_timestamp, m_timestamp});
    return bulk.exec(query);
}

bool SampleDataService::insertRecurring(BulkWriteTransaction &bulk, const QString &accountId, const QString &payee, const QString &memo,
                                        qint64 amount, const QString &categoryId, const QString &frequencyText,
                                        int daysUntilDue)
{
    QSqlQuery query = SqlValues::prepare(
        m_database->db(),
        QStringLiteral("INSERT INTO recurring_transactions (id, account_id, payee, memo, amount, category_id, "
                       "frequency, start_date, next_due_date, auto_post, is_active, version, sync_status, "
                       "created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 1, 1, 'pending', ?, ?)"),
        {makeId(QStringLiteral("rec")), accountId, payee, SqlValues::sqlText(memo), SqlValues::sqlInt64(amount),
         SqlValues::sqlTextOrNull(categoryId), frequencyText, SqlValues::isoDate(m_today.addDays(-60)),
         SqlValues::isoDate(m_today.addDays(daysUntilDue)), m_timestamp, m_timestamp});
    return bulk.exec(query);
}

bool SampleDataService::loadSampleData(QString *failureReason)
{
    BulkWriteTransaction bulk(m_database);
    const auto failed = [&bulk, failureReason] {
        if (failureReason)
            *failureReason = bulk.failureReason();
        return false;
    };
    if (!bulk.isActive())
        return failed();
    buildCategoryPaths();
    m_timestamp = SqlValues::nowUtcIso();
    m_today = QDate::currentDate();
    const QString institution = text(QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"));
    const QString openingBalance = text(QT_TRANSLATE_NOOP("SampleDataService", "Opening Balance"));

    bool ok = true;
    ok = ok && insertAccount(bulk, kChecking, text(QT_TRANSLATE_NOOP("SampleDataService", "Main Checking")), QStringLiteral("checking"), institution,
                        QStringLiteral("4521"), 0, 0);
    ok = ok && insertAccount(bulk, kSavings, text(QT_TRANSLATE_NOOP("SampleDataService", "Savings")), QStringLiteral("savings"), institution, QStringLiteral("8834"), 0, 1);
    ok = ok && insertAccount(bulk, kVisa, text(QT_TRANSLATE_NOOP("SampleDataService", "Visa Rewards")), QStringLiteral("credit_card"), text(QT_TRANSLATE_NOOP("SampleDataService", "Summit Bank")),
                        QStringLiteral("7712"), 0, 2);

    const auto insertRows = [&](const QString &accountId, const auto &rows) {
        for (const SampleRow &row : rows) {
            ok = ok && insertTransaction(bulk, accountId, row.dayOffset, text(row.payee), text(row.memo), row.amount,
                                    categoryId(text(row.category), text(row.child)),
                                    QString::fromLatin1(row.checkNumber), statusFor(accountId, row.dayOffset),
                                    QString(), QString(), false);
        }
    };
    const auto insertOpening = [&](const QString &accountId, int dayOffset, qint64 amount) {
        ok = ok && insertTransaction(bulk, accountId, dayOffset, openingBalance, QString(), amount, QString(), QString(),
                                QStringLiteral("R"), QString(), QString(), false);
    };
    // Each leg's link names its partner row, as the register's transfers do.
    const auto insertTransfer = [&](int dayOffset) {
        const QString checkingLeg = makeId(QStringLiteral("txn"));
        const QString savingsLeg = makeId(QStringLiteral("txn"));
        const QString memo = text(QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings"));
        ok = ok && insertTransaction(bulk, kChecking, dayOffset, text(QT_TRANSLATE_NOOP("SampleDataService", "Transfer to Savings")), memo, -50000, QString(), QString(),
                                statusFor(kChecking, dayOffset), savingsLeg, kSavings, false, checkingLeg);
        ok = ok && insertTransaction(bulk, kSavings, dayOffset, text(QT_TRANSLATE_NOOP("SampleDataService", "Transfer from Checking")), memo, 50000, QString(),
                                QString(), statusFor(kSavings, dayOffset), checkingLeg, kChecking, false, savingsLeg);
    };

    insertOpening(kChecking, -61, 250000);
    insertRows(kChecking, kCheckingRows);
    insertOpening(kSavings, -46, 1000000);
    insertRows(kSavings, kSavingsRows);
    insertOpening(kVisa, -61, 0);
    insertRows(kVisa, kVisaRows);
    const QString cardPayment = text(QT_TRANSLATE_NOOP("SampleDataService", "Payment - Thank You"));
    const QString cardMemo = text(QT_TRANSLATE_NOOP("SampleDataService", "Credit card payment"));
    ok = ok && insertTransaction(bulk, kVisa, -35, cardPayment, cardMemo, 10123, QString(), QString(), statusFor(kVisa, -35),
                            QString(), QString(), false);
    ok = ok && insertTransaction(bulk, kVisa, -15, cardPayment, cardMemo, 12993, QString(), QString(), statusFor(kVisa, -15),
                            QString(), QString(), false);
    insertTransfer(-30);
    insertTransfer(0);

    ok = ok && insertRecurring(bulk, kChecking, text(QT_TRANSLATE_NOOP("SampleDataService", "Pinecrest Apartments")), text(QT_TRANSLATE_NOOP("SampleDataService", "Monthly rent")), -145000,
                          categoryId(text(QT_TRANSLATE_NOOP("SampleDataService", "Housing")), text(QT_TRANSLATE_NOOP("SampleDataService", "Rent/Mortgage Payment"))), QStringLiteral("monthly"), 1);
    ok = ok && insertRecurring(bulk, kChecking, text(QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc")), text(QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck")), 285000,
                          categoryId(text(QT_TRANSLATE_NOOP("SampleDataService", "Salary / Wages"))), QStringLiteral("biweekly"), 8);
    ok = ok && insertRecurring(bulk, kChecking, text(QT_TRANSLATE_NOOP("SampleDataService", "Transfer to Savings")), text(QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings")), -50000, QString(),
                          QStringLiteral("monthly"), 1);

    // A set with rows missing is not kept: loading twice would otherwise add a
    // second copy of every transaction under the existing accounts.
    if (!ok || !bulk.commit())
        return failed();
    return true;
}

QString SampleDataService::loadFailedMessage(const QString &failureReason)
{
    return tr("The sample data could not be loaded: %1. Nothing was added.").arg(failureReason);
}

bool SampleDataService::clearSampleData(QStringList *keptAccountNames, QString *failureReason)
{
    // Sample transactions, less the partner legs of the user's own transfers.
    static const char removedTransactions[] =
        "SELECT id FROM transactions WHERE id LIKE 'sample-%' "
        "AND id NOT IN (SELECT transfer_link_id FROM transactions "
        "WHERE id NOT LIKE 'sample-%' AND transfer_link_id IS NOT NULL) "
        "AND COALESCE(transfer_link_id, '') NOT IN (SELECT id FROM transactions WHERE id NOT LIKE 'sample-%')";
    // Run after the sample rows are gone: whatever still names a sample
    // account is the user's and keeps it.
    static const char unusedAccounts[] =
        "id LIKE 'sample-%' "
        "AND id NOT IN (SELECT account_id FROM transactions) "
        "AND id NOT IN (SELECT transfer_dest_account_id FROM transactions WHERE transfer_dest_account_id IS NOT NULL) "
        "AND id NOT IN (SELECT account_id FROM recurring_transactions) "
        "AND id NOT IN (SELECT transfer_dest_account_id FROM recurring_transactions "
        "WHERE transfer_dest_account_id IS NOT NULL) "
        "AND id NOT IN (SELECT account_id FROM reconciliations) "
        "AND id NOT IN (SELECT account_id FROM transaction_templates) "
        "AND id NOT IN (SELECT account_id FROM categories WHERE account_id IS NOT NULL)";
    const QString statements[] = {
        QStringLiteral("DELETE FROM split_lines WHERE transaction_id IN (%1)").arg(QLatin1String(removedTransactions)),
        QStringLiteral("DELETE FROM transactions WHERE id IN (%1)").arg(QLatin1String(removedTransactions)),
        QStringLiteral("DELETE FROM reconciliations WHERE id LIKE 'sample-%'"),
        // A rule stays while a posting of it remains.
        QStringLiteral("DELETE FROM recurring_transactions WHERE id LIKE 'sample-%' "
                       "AND id NOT IN (SELECT recurring_id FROM transactions WHERE recurring_id IS NOT NULL)"),
        QStringLiteral("DELETE FROM accounts WHERE %1").arg(QLatin1String(unusedAccounts)),
        QStringLiteral("DELETE FROM sync_queue WHERE entity_id LIKE 'sample-%' "
                       "AND entity_id NOT IN (SELECT id FROM accounts UNION SELECT id FROM transactions "
                       "UNION SELECT id FROM recurring_transactions)"),
    };
    BulkWriteTransaction bulk(m_database);
    const auto failed = [&bulk, failureReason] {
        if (failureReason)
            *failureReason = bulk.failureReason();
        return false;
    };
    QSqlQuery query(*m_database->db());
    for (const QString &statement : statements) {
        if (!bulk.exec(query, statement))
            return failed();
    }
    QStringList kept;
    if (!bulk.exec(query,
            QStringLiteral("SELECT name FROM accounts WHERE id LIKE 'sample-%' ORDER BY sort_order, name"))) {
        return failed();
    }
    while (query.next())
        kept << query.value(0).toString();
    query.finish();
    if (!bulk.commit())
        return failed();
    if (keptAccountNames)
        *keptAccountNames = kept;
    return true;
}

QString SampleDataService::clearFailedMessage(const QString &failureReason)
{
    return tr("The sample data could not be cleared: %1. Nothing was removed.").arg(failureReason);
}

QString SampleDataService::clearedMessage(const QStringList &keptAccountNames)
{
    if (keptAccountNames.isEmpty())
        return tr("Sample data cleared");
    return tr("Sample data cleared. These sample accounts stay because they hold your own entries: %1")
        .arg(keptAccountNames.join(QStringLiteral(", ")));
}
