#include "servicesfixture.h"
#include "support/lockholder.h"
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
        CategoryService(f.database.get(), &f.categories).ensureDefaultCategories();
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

        QStringList kept{QStringLiteral("stale")};
        QVERIFY(service.clearSampleData(&kept));
        QVERIFY(kept.isEmpty());
        QCOMPARE(SampleDataService::clearedMessage(kept), QStringLiteral("Sample data cleared"));
        QVERIFY(!service.hasSampleData());
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM transactions")), 1);
        QCOMPARE(f.scalar(QStringLiteral("SELECT id FROM transactions")).toString(), QStringLiteral("my-tx"));
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM accounts")), 1);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM recurring_transactions")), 0);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM categories")), 56);
    }

    // What the user entered in or against the sample accounts outlives a
    // clear, with every link it has; only sample rows are removed.
    void clearKeepsTheUsersRowsWhole_data()
    {
        QTest::addColumn<QStringList>("userRows");
        QTest::addColumn<QStringList>("keptAccounts");
        QTest::addColumn<int>("sampleRowsLeft");

        const QString mine = QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, "
                                            "transfer_link_id, transfer_dest_account_id, recurring_id, created_at, "
                                            "updated_at) VALUES ");
        QTest::newRow("nothing in the sample accounts")
            << QStringList{mine + QStringLiteral("('my-tx', 'mine', '2024-01-01', 'Me', -100, NULL, NULL, NULL, "
                                                 "'x', 'x')")}
            << QStringList() << 0;
        QTest::newRow("own transfer into sample savings")
            << QStringList{mine + QStringLiteral("('my-out', 'mine', '2024-01-01', '[Transfer] Savings', -100, "
                                                 "'my-in', 'sample-acct-savings', NULL, 'x', 'x')"),
                           mine + QStringLiteral("('my-in', 'sample-acct-savings', '2024-01-01', '[Transfer] Mine', "
                                                 "100, 'my-out', 'mine', NULL, 'x', 'x')")}
            << QStringList{QStringLiteral("Savings")} << 0;
        QTest::newRow("confirmed posting of a sample rule")
            << QStringList{mine + QStringLiteral("('posted', 'sample-acct-checking', '2024-01-01', 'Pinecrest "
                                                 "Apartments', -145000, NULL, NULL, (SELECT id FROM "
                                                 "recurring_transactions WHERE memo = 'Monthly rent'), 'x', 'x')")}
            << QStringList{QStringLiteral("Main Checking")} << 1;
        QTest::newRow("own payment made the partner of a sample card row")
            << QStringList{mine + QStringLiteral("('my-pay', 'mine', '2024-01-01', '[Transfer] Visa', -10123, "
                                                 "(SELECT id FROM transactions WHERE amount = 10123), "
                                                 "'sample-acct-visa', NULL, 'x', 'x')"),
                           QStringLiteral("UPDATE transactions SET transfer_link_id = 'my-pay', "
                                          "transfer_dest_account_id = 'mine' WHERE amount = 10123")}
            << QStringList{QStringLiteral("Visa Rewards")} << 1;
        QTest::newRow("split purchase and reconciliation on the sample card")
            << QStringList{mine + QStringLiteral("('my-split', 'sample-acct-visa', '2024-01-01', 'Me', -1, NULL, "
                                                 "NULL, NULL, 'x', 'x')"),
                           QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, "
                                          "created_at, updated_at) SELECT 'my-line', 'my-split', id, -1, 'x', 'x' "
                                          "FROM categories LIMIT 1"),
                           QStringLiteral("INSERT INTO reconciliations (id, account_id, statement_date, "
                                          "statement_balance, reconciled_balance, completed_at) VALUES ('my-rec', "
                                          "'sample-acct-visa', '2024-01-01', 0, 0, 'x')")}
            << QStringList{QStringLiteral("Visa Rewards")} << 0;
        QTest::newRow("own rule paying into sample savings")
            << QStringList{QStringLiteral("INSERT INTO recurring_transactions (id, account_id, payee, amount, "
                                          "start_date, next_due_date, transfer_dest_account_id, created_at, "
                                          "updated_at) VALUES ('my-rule', 'mine', '[Transfer] Savings', -100, "
                                          "'2024-01-01', '2024-02-01', 'sample-acct-savings', 'x', 'x')")}
            << QStringList{QStringLiteral("Savings")} << 0;
    }

    void clearKeepsTheUsersRowsWhole()
    {
        QFETCH(QStringList, userRows);
        QFETCH(QStringList, keptAccounts);
        QFETCH(int, sampleRowsLeft);
        ServicesFixture f;
        CategoryService(f.database.get(), &f.categories).ensureDefaultCategories();
        f.addAccount(QStringLiteral("mine"));
        SampleDataService service(f.database.get());
        QVERIFY(service.loadSampleData());
        for (const QString &sql : userRows)
            QVERIFY2(f.exec(sql), qPrintable(sql));
        const QString userRowsQuery = QStringLiteral(
            "SELECT group_concat(row, ' ') FROM (SELECT id || ':' || account_id || ':' || amount || ':' || "
            "COALESCE(transfer_link_id, '') || ':' || COALESCE(recurring_id, '') AS row FROM transactions "
            "WHERE id NOT LIKE 'sample-%' UNION ALL SELECT id FROM split_lines UNION ALL SELECT id FROM "
            "reconciliations UNION ALL SELECT id FROM recurring_transactions WHERE id NOT LIKE 'sample-%' "
            "ORDER BY row)");
        const QString before = f.scalar(userRowsQuery).toString();

        QStringList kept;
        QVERIFY(service.clearSampleData(&kept));
        QCOMPARE(f.scalar(userRowsQuery).toString(), before);
        QCOMPARE(f.count(QStringLiteral("SELECT (SELECT COUNT(*) FROM transactions WHERE id LIKE 'sample-%') + "
                                        "(SELECT COUNT(*) FROM recurring_transactions WHERE id LIKE 'sample-%')")),
                 sampleRowsLeft);
        // Nothing left pointing at a removed row.
        QVERIFY(!f.scalar(QStringLiteral("PRAGMA foreign_key_check")).isValid());
        QCOMPARE(f.count(QStringLiteral(
                     "SELECT COUNT(*) FROM transactions t WHERE t.transfer_link_id IS NOT NULL AND NOT EXISTS "
                     "(SELECT 1 FROM transactions p WHERE p.id = t.transfer_link_id AND p.transfer_link_id = t.id "
                     "AND p.account_id = t.transfer_dest_account_id)")),
                 0);
        QCOMPARE(f.count(QStringLiteral(
                     "SELECT COUNT(*) FROM recurring_transactions WHERE transfer_dest_account_id IS NOT NULL "
                     "AND transfer_dest_account_id NOT IN (SELECT id FROM accounts)")),
                 0);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE recurring_id IS NOT NULL "
                                        "AND recurring_id NOT IN (SELECT id FROM recurring_transactions)")),
                 0);

        QCOMPARE(kept, keptAccounts);
        QCOMPARE(service.hasSampleData(), !keptAccounts.isEmpty());
        for (const QString &name : keptAccounts)
            QVERIFY(SampleDataService::clearedMessage(kept).contains(name));
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

    // A clear the store refuses removes nothing and says why.
    void failedClearChangesNothing_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("refused by a rule") << "rule" << "kept";
        QTest::newRow("held by another program") << "held" << "the data is in use by another program";
    }

    void failedClearChangesNothing()
    {
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        ServicesFixture f;
        SampleDataService service(f.database.get());
        QVERIFY(service.loadSampleData());
        const int before = totalRows(f);
        std::unique_ptr<LockHolder> holder;
        if (fault == QLatin1String("rule")) {
            QVERIFY(f.exec(QStringLiteral("CREATE TRIGGER keep_accounts BEFORE DELETE ON accounts "
                                          "BEGIN SELECT RAISE(ABORT, 'kept'); END")));
        } else {
            QVERIFY(f.exec(QStringLiteral("PRAGMA busy_timeout = 300")));
            holder = std::make_unique<LockHolder>(f.dir.filePath(QStringLiteral("tallyra.db")));
            QVERIFY(holder->isHolding());
        }
        QString failure;
        QVERIFY(!service.clearSampleData(nullptr, &failure));
        QCOMPARE(failure, reason);
        QCOMPARE(SampleDataService::clearFailedMessage(failure),
            QStringLiteral("The sample data could not be cleared: %1. Nothing was removed.").arg(reason));
        if (holder)
            QVERIFY(holder->release());
        QCOMPARE(totalRows(f), before);
        QVERIFY(service.hasSampleData());
    }
};

TALLYRA_TEST(SampleDataServiceTest)
#include "test_sampledataservice.moc"
