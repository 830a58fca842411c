#include "servicesfixture.h"
#include "support/testmain.h"

#include "services/categoryservice.h"
#include "services/sampledataservice.h"

namespace {

QString daysFromToday(int days)
{
    return QDate::currentDate().addDays(days).toString(Qt::ISODate);
}

int totalRows(const ServicesFixture &f)
{
    int total = 0;
    for (const char *table : {"accounts", "transactions", "split_lines", "recurring_transactions",
                              "reconciliations", "categories"})
        total += f.count(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table));
    return total;
}

} // namespace

class SampleDataServiceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadThenClearLeavesNothingBehind()
    {
        ServicesFixture f;
        CategoryService(&f.categories).ensureDefaultCategories();
        f.addAccount(QStringLiteral("mine"));
        QVERIFY(f.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, "
                                      "updated_at) VALUES ('my-tx', 'mine', '2024-01-01', 'Me', -100, 'x', 'x')")));
        SampleDataService service(f.database.get());
        QVERIFY(!service.hasSampleData());

        QVERIFY(service.loadSampleData());
        QVERIFY(service.hasSampleData());
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM accounts WHERE id LIKE 'sample-%'")), 3);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE id LIKE 'sample-txn-%'")), 52);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE account_id = "
                                        "'sample-acct-checking'")),
                 34);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE account_id = 'sample-acct-savings'")),
                 5);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE account_id LIKE 'sample-%' "
                                        "AND category_id IS NOT NULL")),
                 43);
        QCOMPARE(f.scalar(QStringLiteral("SELECT MIN(date) FROM transactions WHERE id LIKE 'sample-%'")).toString(),
                 daysFromToday(-61));
        QCOMPARE(f.scalar(QStringLiteral("SELECT MAX(date) FROM transactions WHERE id LIKE 'sample-%'")).toString(),
                 daysFromToday(0));
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM recurring_transactions WHERE id LIKE 'sample-rec-%' "
                                        "AND start_date = '%1' AND auto_post = 0 AND is_active = 1")
                             .arg(daysFromToday(-60))),
                 3);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE payee = 'Opening Balance' "
                                        "AND reconciled = 1 AND category_id IS NULL")),
                 3);
        // Savings: the 10,000.00 opening, two interest payments, two transfers in.
        QCOMPARE(f.count(QStringLiteral("SELECT SUM(amount) FROM transactions WHERE account_id = "
                                        "'sample-acct-savings'")),
                 1000000 + 820 + 875 + 100000);

        // Each transfer leg names its partner row, in the other account.
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE transfer_link_id IS NOT NULL")), 4);
        QCOMPARE(f.count(QStringLiteral(
                     "SELECT COUNT(*) FROM transactions t JOIN transactions p ON t.transfer_link_id = p.id "
                     "WHERE p.transfer_link_id = t.id AND p.account_id = t.transfer_dest_account_id "
                     "AND p.amount = -t.amount AND p.date = t.date")),
                 4);

        // Rows the user added to a sample account go with it.
        QVERIFY(f.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, "
                                      "updated_at) VALUES ('user-tx', 'sample-acct-visa', '2024-01-01', 'Me', -1, "
                                      "'x', 'x')")));
        QVERIFY(f.exec(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, created_at, "
                                      "updated_at) SELECT 'user-split', 'user-tx', id, -1, 'x', 'x' FROM categories "
                                      "LIMIT 1")));
        QVERIFY(f.exec(QStringLiteral("INSERT INTO reconciliations (id, account_id, statement_date, "
                                      "statement_balance, reconciled_balance, completed_at) VALUES ('user-rec', "
                                      "'sample-acct-visa', '2024-01-01', 0, 0, 'x')")));

        QVERIFY(service.clearSampleData());
        QVERIFY(!service.hasSampleData());
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM transactions")), 1);
        QCOMPARE(f.scalar(QStringLiteral("SELECT id FROM transactions")).toString(), QStringLiteral("my-tx"));
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM accounts")), 1);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM split_lines")), 0);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM reconciliations")), 0);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM recurring_transactions")), 0);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM categories")), 56);
    }

    void categoriesAreLookedUpByName_data()
    {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<int>("categorized");
        QTest::addColumn<int>("fuelUnderTransportation");

        QTest::newRow("no categories at all") << QStringList() << 0 << 0;
        QTest::newRow("plain parent stands in for a missing child")
            << QStringList({"INSERT INTO categories (id, name, created_at, updated_at) VALUES "
                            "('transport', 'Transportation', 'x', 'x')"})
            << 6 << 6;
        QTest::newRow("deleted categories do not count")
            << QStringList({"INSERT INTO categories (id, name, created_at, updated_at, deleted_at) VALUES "
                            "('transport', 'Transportation', 'x', 'x', 'x')"})
            << 0 << 0;
    }

    void categoriesAreLookedUpByName()
    {
        QFETCH(QStringList, setup);
        QFETCH(int, categorized);
        QFETCH(int, fuelUnderTransportation);
        ServicesFixture f;
        for (const QString &sql : setup)
            QVERIFY(f.exec(sql));
        QVERIFY(SampleDataService(f.database.get()).loadSampleData());
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE category_id IS NOT NULL")),
                 categorized);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE payee = 'Quickfill Gas' "
                                        "AND category_id = 'transport'")),
                 fuelUnderTransportation);
    }

    void secondLoadWritesNothing()
    {
        ServicesFixture f;
        SampleDataService service(f.database.get());
        QVERIFY(service.loadSampleData());
        const int before = totalRows(f);
        // The fixed account ids already exist: the whole set is refused.
        QVERIFY(!service.loadSampleData());
        QCOMPARE(totalRows(f), before);
    }

    void failedClearChangesNothing()
    {
        ServicesFixture f;
        SampleDataService service(f.database.get());
        QVERIFY(service.loadSampleData());
        const int before = totalRows(f);
        QVERIFY(f.exec(QStringLiteral("CREATE TRIGGER keep_accounts BEFORE DELETE ON accounts "
                                      "BEGIN SELECT RAISE(ABORT, 'kept'); END")));
        QVERIFY(!service.clearSampleData());
        QCOMPARE(totalRows(f), before);
        QVERIFY(service.hasSampleData());
    }
};

TALLYRA_TEST(SampleDataServiceTest)
#include "test_sampledataservice.moc"
