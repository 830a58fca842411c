#include "services/sampledataservice.h"

#include "data/database.h"
#include "data/sqlvalues.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QUuid>

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

#define SAMPLE_TEXT(source) QT_TRANSLATE_NOOP("SampleDataService", source)

const SampleRow kCheckingRows[] = {
    {-60, SAMPLE_TEXT("Brightpath Inc"), SAMPLE_TEXT("Biweekly paycheck"), 285000, SAMPLE_TEXT("Salary / Wages"), nullptr, nullptr},
    {-59, SAMPLE_TEXT("Pinecrest Apartments"), SAMPLE_TEXT("Monthly rent"), -145000, SAMPLE_TEXT("Housing"), SAMPLE_TEXT("Rent/Mortgage Payment"), "1041"},
    {-57, SAMPLE_TEXT("Fresh Basket Market"), SAMPLE_TEXT("Weekly groceries"), -8743, SAMPLE_TEXT("Groceries"), nullptr, nullptr},
    {-55, SAMPLE_TEXT("Quickfill Gas"), nullptr, -4210, SAMPLE_TEXT("Transportation"), SAMPLE_TEXT("Gas/Fuel"), nullptr},
    {-53, SAMPLE_TEXT("Metro Power & Light"), SAMPLE_TEXT("Electric bill"), -9618, SAMPLE_TEXT("Utilities"), SAMPLE_TEXT("Electric"), nullptr},
    {-52, SAMPLE_TEXT("Fresh Basket Market"), SAMPLE_TEXT("Weekly groceries"), -6427, SAMPLE_TEXT("Groceries"), nullptr, nullptr},
    {-50, SAMPLE_TEXT("City Water Department"), SAMPLE_TEXT("Water bill"), -3850, SAMPLE_TEXT("Utilities"), SAMPLE_TEXT("Water"), nullptr},
    {-48, SAMPLE_TEXT("StreamFlix"), SAMPLE_TEXT("Monthly subscription"), -1599, SAMPLE_TEXT("Entertainment"), SAMPLE_TEXT("Streaming"), nullptr},
    {-46, SAMPLE_TEXT("Brightpath Inc"), SAMPLE_TEXT("Biweekly paycheck"), 285000, SAMPLE_TEXT("Salary / Wages"), nullptr, nullptr},
    {-45, SAMPLE_TEXT("Fresh Basket Market"), SAMPLE_TEXT("Weekly groceries"), -9215, SAMPLE_TEXT("Groceries"), nullptr, nullptr},
    {-43, SAMPLE_TEXT("Corner Bistro"), SAMPLE_TEXT("Dinner"), -4860, SAMPLE_TEXT("Dining & Restaurants"), nullptr, nullptr},
    {-41, SAMPLE_TEXT("Quickfill Gas"), nullptr, -3985, SAMPLE_TEXT("Transportation"), SAMPLE_TEXT("Gas/Fuel"), nullptr},
    {-38, SAMPLE_TEXT("Fiberlink Internet"), SAMPLE_TEXT("Internet service"), -6999, SAMPLE_TEXT("Utilities"), SAMPLE_TEXT("Internet"), nullptr},
    {-37, SAMPLE_TEXT("Fresh Basket Market"), SAMPLE_TEXT("Weekly groceries"), -7134, SAMPLE_TEXT("Groceries"), nullptr, nullptr},
    {-36, SAMPLE_TEXT("Shieldline Insurance"), SAMPLE_TEXT("Auto insurance premium"), -12400, SAMPLE_TEXT("Insurance"), SAMPLE_TEXT("Auto"), nullptr},
    {-35, SAMPLE_TEXT("Hope Community Fund"), SAMPLE_TEXT("Donation"), -10000, SAMPLE_TEXT("Charitable Donations"), nullptr, "1042"},
    {-33, SAMPLE_TEXT("Brightpath Inc"), SAMPLE_TEXT("Biweekly paycheck"), 285000, SAMPLE_TEXT("Salary / Wages"), nullptr, nullptr},
    {-32, SAMPLE_TEXT("Lakeside Family Clinic"), SAMPLE_TEXT("Doctor visit copay"), -3500, SAMPLE_TEXT("Medical Expenses"), nullptr, nullptr},
    {-29, SAMPLE_TEXT("Pinecrest Apartments"), SAMPLE_TEXT("Monthly rent"), -145000, SAMPLE_TEXT("Housing"), SAMPLE_TEXT("Rent/Mortgage Payment"), "1043"},
    {-28, SAMPLE_TEXT("Fresh Basket Market"), SAMPLE_TEXT("Weekly groceries"), -8390, SAMPLE_TEXT("Groceries"), nullptr, nullptr},
    {-26, SAMPLE_TEXT("Quickfill Gas"), nullptr, -4425, SAMPLE_TEXT("Transportation"), SAMPLE_TEXT("Gas/Fuel"), nullptr},
    {-24, SAMPLE_TEXT("Metro Power & Light"), SAMPLE_TEXT("Electric bill"), -8872, SAMPLE_TEXT("Utilities"), SAMPLE_TEXT("Electric"), nullptr},
    {-22, SAMPLE_TEXT("Corner Bistro"), SAMPLE_TEXT("Lunch with friends"), -3645, SAMPLE_TEXT("Dining & Restaurants"), nullptr, nullptr},
    {-20, SAMPLE_TEXT("Fresh Basket Market"), SAMPLE_TEXT("Weekly groceries"), -5812, SAMPLE_TEXT("Groceries"), nullptr, nullptr},
    {-19, SAMPLE_TEXT("Brightpath Inc"), SAMPLE_TEXT("Biweekly paycheck"), 285000, SAMPLE_TEXT("Salary / Wages"), nullptr, nullptr},
    {-18, SAMPLE_TEXT("StreamFlix"), SAMPLE_TEXT("Monthly subscription"), -1599, SAMPLE_TEXT("Entertainment"), SAMPLE_TEXT("Streaming"), nullptr},
    {-16, SAMPLE_TEXT("City Water Department"), SAMPLE_TEXT("Water bill"), -4120, SAMPLE_TEXT("Utilities"), SAMPLE_TEXT("Water"), nullptr},
    {-14, SAMPLE_TEXT("Bookworm Online"), SAMPLE_TEXT("Course textbook"), -6400, SAMPLE_TEXT("Education Expenses"), nullptr, nullptr},
    {-12, SAMPLE_TEXT("Quickfill Gas"), nullptr, -4060, SAMPLE_TEXT("Transportation"), SAMPLE_TEXT("Gas/Fuel"), nullptr},
    {-6, SAMPLE_TEXT("Brightpath Inc"), SAMPLE_TEXT("Biweekly paycheck"), 285000, SAMPLE_TEXT("Salary / Wages"), nullptr, nullptr},
    {-1, SAMPLE_TEXT("Fresh Basket Market"), SAMPLE_TEXT("Weekly groceries"), -9548, SAMPLE_TEXT("Groceries"), nullptr, nullptr},
};

const SampleRow kSavingsRows[] = {
    {-45, SAMPLE_TEXT("Riverbend Credit Union"), SAMPLE_TEXT("Interest payment"), 820, SAMPLE_TEXT("Interest Income"), nullptr, nullptr},
    {-15, SAMPLE_TEXT("Riverbend Credit Union"), SAMPLE_TEXT("Interest payment"), 875, SAMPLE_TEXT("Interest Income"), nullptr, nullptr},
};

const SampleRow kVisaRows[] = {
    {-55, SAMPLE_TEXT("Corner Bistro"), SAMPLE_TEXT("Dinner"), -2780, SAMPLE_TEXT("Dining & Restaurants"), nullptr, nullptr},
    {-50, SAMPLE_TEXT("TechHub Electronics"), SAMPLE_TEXT("Wireless headphones"), -7999, SAMPLE_TEXT("Shopping"), SAMPLE_TEXT("Electronics"), nullptr},
    {-46, SAMPLE_TEXT("Quickfill Gas"), nullptr, -3540, SAMPLE_TEXT("Transportation"), SAMPLE_TEXT("Gas/Fuel"), nullptr},
    {-40, SAMPLE_TEXT("CloudBox Storage"), SAMPLE_TEXT("Cloud storage plan"), -999, SAMPLE_TEXT("Subscriptions"), nullptr, nullptr},
    {-33, SAMPLE_TEXT("Fresh Basket Market"), SAMPLE_TEXT("Weekly groceries"), -4567, SAMPLE_TEXT("Groceries"), nullptr, nullptr},
    {-29, SAMPLE_TEXT("Corner Bistro"), SAMPLE_TEXT("Lunch"), -3210, SAMPLE_TEXT("Dining & Restaurants"), nullptr, nullptr},
    {-25, SAMPLE_TEXT("PagePass Audiobooks"), SAMPLE_TEXT("Monthly subscription"), -1495, SAMPLE_TEXT("Subscriptions"), nullptr, nullptr},
    {-18, SAMPLE_TEXT("Quickfill Gas"), nullptr, -3820, SAMPLE_TEXT("Transportation"), SAMPLE_TEXT("Gas/Fuel"), nullptr},
    {-9, SAMPLE_TEXT("TechHub Electronics"), SAMPLE_TEXT("Phone charger"), -2499, SAMPLE_TEXT("Shopping"), SAMPLE_TEXT("Electronics"), nullptr},
    {-2, SAMPLE_TEXT("Corner Bistro"), SAMPLE_TEXT("Dinner"), -4135, SAMPLE_TEXT("Dining & Restaurants"), nullptr, nullptr},
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

bool execute(QSqlQuery &query, const QVariantList &values)
{
    for (qsizetype i = 0; i < values.size(); ++i)
        query.bindValue(int(i), values.at(i));
    return query.exec();
}

} // namespace

SampleDataService::SampleDataService(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{
}

QString SampleDataService::makeId(const QString &kind)
{
    return QStringLiteral("sample-%1-%2").arg(kind, QUuid::createUuid().toString(QUuid::WithoutBraces).left(8));
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

bool SampleDataService::insertAccount(const QString &id, const QString &name, const QString &typeText,
                                      const QString &institution, const QString &last4, qint64 startingBalance,
                                      int sortOrder)
{
    QSqlQuery query(*m_database->db());
    query.prepare(QStringLiteral(
        "INSERT INTO accounts (id, name, account_type, currency, institution, account_number_last4, "
        "starting_balance, sort_order, is_shared, version, sync_status, created_at, updated_at) "
        "VALUES (?, ?, ?, 'USD', ?, ?, ?, ?, 0, 1, 'pending', ?, ?)"));
    return execute(query, {id, name, typeText, institution, last4, SqlValues::sqlInt64(startingBalance), sortOrder,
                           m_timestamp, m_timestamp});
}

bool SampleDataService::insertTransaction(const QString &accountId, int dayOffset, const QString &payee,
                                          const QString &memo, qint64 amount, const QString &categoryId,
                                          const QString &checkNumber, const QString &status,
                                          const QString &transferLink, const QString &transferDestAccountId,
                                          bool isSplit, const QString &explicitId)
{
    QSqlQuery query(*m_database->db());
    query.prepare(QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, check_number, cleared, "
        "reconciled, transfer_link_id, transfer_dest_account_id, is_split, version, sync_status, created_at, "
        "updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, 'pending', ?, ?)"));
    const bool cleared = status == QLatin1String("C") || status == QLatin1String("R");
    const bool reconciled = status == QLatin1String("R");
    return execute(query, {explicitId.isEmpty() ? makeId(QStringLiteral("txn")) : explicitId, accountId,
                           SqlValues::isoDate(m_today.addDays(dayOffset)), SqlValues::sqlText(payee),
                           SqlValues::sqlText(memo), SqlValues::sqlInt64(amount),
                           SqlValues::sqlTextOrNull(categoryId), SqlValues::sqlTextOrNull(checkNumber),
                           SqlValues::sqlBool(cleared), SqlValues::sqlBool(reconciled),
                           SqlValues::sqlTextOrNull(transferLink), SqlValues::sqlTextOrNull(transferDestAccountId),
                           SqlValues::sqlBool(isSplit), m_timestamp, m_timestamp});
}

bool SampleDataService::insertRecurring(const QString &accountId, const QString &payee, const QString &memo,
                                        qint64 amount, const QString &categoryId, const QString &frequencyText,
                                        int daysUntilDue)
{
    QSqlQuery query(*m_database->db());
    query.prepare(QStringLiteral(
        "INSERT INTO recurring_transactions (id, account_id, payee, memo, amount, category_id, frequency, "
        "start_date, next_due_date, auto_post, is_active, version, sync_status, created_at, updated_at) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 1, 1, 'pending', ?, ?)"));
    return execute(query, {makeId(QStringLiteral("rec")), accountId, payee, SqlValues::sqlText(memo),
                           SqlValues::sqlInt64(amount), SqlValues::sqlTextOrNull(categoryId), frequencyText,
                           SqlValues::isoDate(m_today.addDays(-60)), SqlValues::isoDate(m_today.addDays(daysUntilDue)),
                           m_timestamp, m_timestamp});
}

bool SampleDataService::loadSampleData()
{
    BulkWriteScope bulk(m_database);
    SqlTransaction transaction(m_database);
    buildCategoryPaths();
    m_timestamp = SqlValues::nowUtcIso();
    m_today = QDate::currentDate();
    const QString institution = text("Riverbend Credit Union");
    const QString openingBalance = text("Opening Balance");

    bool ok = true;
    ok &= insertAccount(kChecking, text("Main Checking"), QStringLiteral("checking"), institution,
                        QStringLiteral("4521"), 0, 0);
    ok &= insertAccount(kSavings, text("Savings"), QStringLiteral("savings"), institution, QStringLiteral("8834"), 0, 1);
    ok &= insertAccount(kVisa, text("Visa Rewards"), QStringLiteral("credit_card"), text("Summit Bank"),
                        QStringLiteral("7712"), 0, 2);

    const auto insertRows = [&](const QString &accountId, const auto &rows) {
        for (const SampleRow &row : rows) {
            ok &= insertTransaction(accountId, row.dayOffset, text(row.payee), text(row.memo), row.amount,
                                    categoryId(text(row.category), text(row.child)),
                                    QString::fromLatin1(row.checkNumber), statusFor(accountId, row.dayOffset),
                                    QString(), QString(), false);
        }
    };
    const auto insertOpening = [&](const QString &accountId, int dayOffset, qint64 amount) {
        ok &= insertTransaction(accountId, dayOffset, openingBalance, QString(), amount, QString(), QString(),
                                QStringLiteral("R"), QString(), QString(), false);
    };
    // Each leg's link names its partner row, as the register's transfers do.
    const auto insertTransfer = [&](int dayOffset) {
        const QString checkingLeg = makeId(QStringLiteral("txn"));
        const QString savingsLeg = makeId(QStringLiteral("txn"));
        const QString memo = text("Monthly savings");
        ok &= insertTransaction(kChecking, dayOffset, text("Transfer to Savings"), memo, -50000, QString(), QString(),
                                statusFor(kChecking, dayOffset), savingsLeg, kSavings, false, checkingLeg);
        ok &= insertTransaction(kSavings, dayOffset, text("Transfer from Checking"), memo, 50000, QString(),
                                QString(), statusFor(kSavings, dayOffset), checkingLeg, kChecking, false, savingsLeg);
    };

    insertOpening(kChecking, -61, 250000);
    insertRows(kChecking, kCheckingRows);
    insertOpening(kSavings, -46, 1000000);
    insertRows(kSavings, kSavingsRows);
    insertOpening(kVisa, -61, 0);
    insertRows(kVisa, kVisaRows);
    const QString cardPayment = text("Payment - Thank You");
    const QString cardMemo = text("Credit card payment");
    ok &= insertTransaction(kVisa, -35, cardPayment, cardMemo, 10123, QString(), QString(), statusFor(kVisa, -35),
                            QString(), QString(), false);
    ok &= insertTransaction(kVisa, -15, cardPayment, cardMemo, 12993, QString(), QString(), statusFor(kVisa, -15),
                            QString(), QString(), false);
    insertTransfer(-30);
    insertTransfer(0);

    ok &= insertRecurring(kChecking, text("Pinecrest Apartments"), text("Monthly rent"), -145000,
                          categoryId(text("Housing"), text("Rent/Mortgage Payment")), QStringLiteral("monthly"), 1);
    ok &= insertRecurring(kChecking, text("Brightpath Inc"), text("Biweekly paycheck"), 285000,
                          categoryId(text("Salary / Wages")), QStringLiteral("biweekly"), 8);
    ok &= insertRecurring(kChecking, text("Transfer to Savings"), text("Monthly savings"), -50000, QString(),
                          QStringLiteral("monthly"), 1);

    return transaction.commit() && ok;
}

bool SampleDataService::clearSampleData()
{
    // Everything tied to a sample account goes with it (the foreign keys
    // would refuse the account otherwise); rows of other accounts stay.
    static const char *const statements[] = {
        "DELETE FROM split_lines WHERE transaction_id IN (SELECT id FROM transactions WHERE account_id IN "
        "(SELECT id FROM accounts WHERE id LIKE 'sample-%'))",
        "DELETE FROM reconciliations WHERE account_id IN (SELECT id FROM accounts WHERE id LIKE 'sample-%')",
        "DELETE FROM recurring_transactions WHERE account_id IN (SELECT id FROM accounts WHERE id LIKE 'sample-%')",
        "DELETE FROM transaction_templates WHERE account_id IN (SELECT id FROM accounts WHERE id LIKE 'sample-%')",
        "DELETE FROM transactions WHERE account_id IN (SELECT id FROM accounts WHERE id LIKE 'sample-%')",
        "DELETE FROM accounts WHERE id LIKE 'sample-%'",
        "DELETE FROM sync_queue WHERE entity_id LIKE 'sample-%'",
    };
    BulkWriteScope bulk(m_database);
    SqlTransaction transaction(m_database);
    if (!transaction.isActive())
        return false;
    QSqlQuery query(*m_database->db());
    for (const char *statement : statements) {
        if (!query.exec(QLatin1String(statement)))
            return false;
    }
    return transaction.commit();
}
