#include "databasefixture.h"
#include "support/testmain.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"

#include <QRegularExpression>
#include <QSignalSpy>

namespace {

const QDateTime kCreated(QDate(2024, 3, 1), QTime(9, 0), Qt::UTC);

Account makeAccount(const QString &id, const QString &name, int sortOrder = 0)
{
    Account a;
    a.id = id;
    a.name = name;
    a.sortOrder = sortOrder;
    a.createdAt = kCreated;
    a.updatedAt = kCreated;
    return a;
}

Transaction makeTransaction(const QString &id, const QString &accountId, const QDate &date, qint64 amount)
{
    Transaction t;
    t.id = id;
    t.accountId = accountId;
    t.date = date;
    t.payee = QStringLiteral("Payee ") + id;
    t.amount = amount;
    t.createdAt = kCreated;
    t.updatedAt = kCreated;
    return t;
}

Category makeCategory(const QString &id, const QString &name, const QString &parentId = QString())
{
    Category c;
    c.id = id;
    c.name = name;
    c.parentId = parentId;
    c.createdAt = kCreated;
    c.updatedAt = kCreated;
    return c;
}

} // namespace

class RepositoryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void accountRoundTripAndEnumTexts()
    {
        DatabaseFixture f;
        AccountRepository repo(f.database.get());
        QSignalSpy changed(&repo, &AccountRepository::accountsChanged);

        Account a = makeAccount(QStringLiteral("a1"), QStringLiteral("Visa"));
        a.accountType = AccountType::CreditCard;
        a.currency = Currency::JPY;
        a.startingBalance = -123456789012LL;
        a.isShared = true;
        a.version = 4;
        a.syncStatus = SyncStatus::Synced;
        a.serverId = QStringLiteral("srv");
        QVERIFY(repo.insert(a));
        QCOMPARE(changed.count(), 1);

        const auto read = repo.findById(a.id);
        QVERIFY(read);
        QCOMPARE(read->accountType, AccountType::CreditCard);
        QCOMPARE(read->currency, Currency::JPY);
        QCOMPARE(read->startingBalance, a.startingBalance);
        QCOMPARE(read->version, 4);
        QCOMPARE(read->syncStatus, SyncStatus::Synced);
        QCOMPARE(read->createdAt, kCreated);
        QVERIFY(!read->deletedAt);
        // Empty optional texts are stored as '' rather than NULL.
        QCOMPARE(f.scalar(QStringLiteral("SELECT institution IS NULL FROM accounts")).toInt(), 0);
        QCOMPARE(f.scalar(QStringLiteral("SELECT account_type || currency FROM accounts")).toString(),
                 QStringLiteral("credit_cardJPY"));

        // Unknown stored texts read as the defaults.
        QVERIFY(f.exec(QStringLiteral(
            "UPDATE accounts SET account_type = 'Checking', currency = 'usd', sync_status = 'SYNCED'")));
        const auto odd = repo.findById(a.id);
        QCOMPARE(odd->accountType, AccountType::Other);
        QCOMPARE(odd->currency, Currency::USD);
        QCOMPARE(odd->syncStatus, SyncStatus::Pending);
    }

    void accountListingAndDeletion()
    {
        DatabaseFixture f;
        AccountRepository repo(f.database.get());
        QVERIFY(repo.insert(makeAccount(QStringLiteral("b"), QStringLiteral("Beta"), 1)));
        QVERIFY(repo.insert(makeAccount(QStringLiteral("a"), QStringLiteral("Alpha"), 1)));
        QVERIFY(repo.insert(makeAccount(QStringLiteral("z"), QStringLiteral("Zulu"), 0)));
        auto names = [](const QList<Account> &list) {
            QStringList n;
            for (const Account &a : list)
                n << a.name;
            return n;
        };
        QCOMPARE(names(repo.listAll()), QStringList({"Zulu", "Alpha", "Beta"}));

        QVERIFY(repo.softDelete(QStringLiteral("a")));
        const auto deleted = repo.findById(QStringLiteral("a"));
        QVERIFY(deleted->deletedAt);
        QCOMPARE(*deleted->deletedAt, deleted->updatedAt);
        QCOMPARE(deleted->version, 2);
        QCOMPARE(names(repo.listAll()), QStringList({"Zulu", "Beta"}));
        QCOMPARE(names(repo.listDeleted()), QStringList({"Alpha"}));

        QVERIFY(repo.markSynced(QStringLiteral("a"), QStringLiteral("s-a")));
        QVERIFY(repo.restore(QStringLiteral("a")));
        const auto restored = repo.findById(QStringLiteral("a"));
        QVERIFY(!restored->deletedAt);
        QCOMPARE(restored->version, 3);
        QCOMPARE(restored->syncStatus, SyncStatus::Pending);
    }

    void accountSyncBookkeeping()
    {
        DatabaseFixture f;
        AccountRepository repo(f.database.get());
        QSignalSpy changed(&repo, &AccountRepository::accountsChanged);
        QVERIFY(repo.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"))));
        QVERIFY(repo.insert(makeAccount(QStringLiteral("b"), QStringLiteral("B"))));
        changed.clear();

        // All pending: nothing to change, no signal.
        QCOMPARE(repo.markAllPendingForResync(), 0);
        QCOMPARE(changed.count(), 0);

        QVERIFY(repo.markSynced(QStringLiteral("a"), QStringLiteral("s-a")));
        QVERIFY(repo.markSynced(QStringLiteral("b"), QStringLiteral("s-b")));
        QCOMPARE(changed.count(), 0);
        QVERIFY(repo.listPendingSync().isEmpty());

        // Reordering keeps the version but makes both pending again.
        QVERIFY(repo.updateSortOrder({{QStringLiteral("a"), 2}, {QStringLiteral("b"), 1}}));
        QCOMPARE(changed.count(), 1);
        const auto a = repo.findById(QStringLiteral("a"));
        QCOMPARE(a->version, 1);
        QCOMPARE(a->sortOrder, 2);
        QCOMPARE(repo.listPendingSync().size(), 2);

        // A reorder in the same second as the state a push sent still tells them apart.
        const auto sent = repo.findById(QStringLiteral("b"));
        QVERIFY(repo.updateSortOrder({{QStringLiteral("b"), 7}}));
        QVERIFY(!repo.markSynced(QStringLiteral("b"), QStringLiteral("s-b"), sent->version, sent->updatedAt));
        QVERIFY(repo.findById(QStringLiteral("b"))->updatedAt > sent->updatedAt);

        // A push that sent an older state must not mark the newer row synced.
        QVERIFY(!repo.markSynced(QStringLiteral("a"), QStringLiteral("s-a"), 1, kCreated));
        QCOMPARE(repo.findById(QStringLiteral("a"))->syncStatus, SyncStatus::Pending);
        QVERIFY(repo.markSynced(QStringLiteral("a"), QStringLiteral("s-a"), a->version, a->updatedAt));
        QCOMPARE(repo.findById(QStringLiteral("a"))->syncStatus, SyncStatus::Synced);

        // A server deletion mirrors the server and stays synced.
        QVERIFY(repo.applyServerDeletion(QStringLiteral("a"), kCreated));
        QCOMPARE(repo.findById(QStringLiteral("a"))->syncStatus, SyncStatus::Synced);
        QVERIFY(repo.applyServerDeletion(QStringLiteral("a"), std::nullopt));
        QVERIFY(!repo.findById(QStringLiteral("a"))->deletedAt);

        // Writes to an id without a row still succeed and signal.
        changed.clear();
        QVERIFY(repo.update(makeAccount(QStringLiteral("nobody"), QStringLiteral("N"))));
        QCOMPARE(changed.count(), 1);
    }

    void aReorderMovesOnlyLiveAccounts_data()
    {
        QTest::addColumn<QString>("elsewhere");
        QTest::addColumn<bool>("moved");
        QTest::newRow("renamed by a pull") << "renamed" << true;
        QTest::newRow("deleted by a pull") << "deleted" << false;
        QTest::newRow("deleted here") << "deleted here" << false;
    }

    // The account list a drag reorders may be older than a deletion: the
    // deleted row keeps its sort order, time stamp and sync state (marked
    // pending, a push would send the deletion back as the device's own),
    // while a renamed one still takes its place and keeps the new name.
    void aReorderMovesOnlyLiveAccounts()
    {
        QFETCH(QString, elsewhere);
        QFETCH(bool, moved);
        DatabaseFixture f;
        AccountRepository repo(f.database.get());
        QVERIFY(repo.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"), 0)));
        QVERIFY(repo.insert(makeAccount(QStringLiteral("b"), QStringLiteral("B"), 1)));
        QVERIFY(repo.markSynced(QStringLiteral("b"), QStringLiteral("s-b")));
        if (elsewhere == QLatin1String("renamed")) {
            QVERIFY(f.exec(QStringLiteral("UPDATE accounts SET name = 'Pulled', version = 2, "
                                          "updated_at = '2024-04-01T00:00:00Z' WHERE id = 'b'")));
        } else if (elsewhere == QLatin1String("deleted")) {
            QVERIFY(f.exec(QStringLiteral("UPDATE accounts SET deleted_at = '2024-04-01T00:00:00Z', version = 2, "
                                          "updated_at = '2024-04-01T00:00:00Z' WHERE id = 'b'")));
        } else {
            QVERIFY(repo.softDelete(QStringLiteral("b")));
        }
        const Account before = *repo.findById(QStringLiteral("b"));

        QVERIFY(repo.updateSortOrder({{QStringLiteral("b"), 0}, {QStringLiteral("a"), 1}}));
        QCOMPARE(repo.findById(QStringLiteral("a"))->sortOrder, 1);
        const Account after = *repo.findById(QStringLiteral("b"));
        QCOMPARE(after.name, before.name);
        QCOMPARE(after.version, before.version);
        QCOMPARE(after.deletedAt, before.deletedAt);
        if (moved) {
            QCOMPARE(after.sortOrder, 0);
            QCOMPARE(after.syncStatus, SyncStatus::Pending);
            QVERIFY(after.updatedAt > before.updatedAt);
        } else {
            QCOMPARE(after.sortOrder, before.sortOrder);
            QCOMPARE(after.syncStatus, before.syncStatus);
            QCOMPARE(after.updatedAt, before.updatedAt);
        }
    }

    void sortOrderUpdateIsAllOrNothing()
    {
        DatabaseFixture f;
        AccountRepository repo(f.database.get());
        QVERIFY(repo.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"), 0)));
        QVERIFY(f.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE OF sort_order ON accounts WHEN "
                                      "new.sort_order = 99 BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        QSignalSpy changed(&repo, &AccountRepository::accountsChanged);
        QVERIFY(!repo.updateSortOrder({{QStringLiteral("a"), 5}, {QStringLiteral("a"), 99}}));
        QCOMPARE(repo.findById(QStringLiteral("a"))->sortOrder, 0);
        QCOMPARE(changed.count(), 0);
    }

    void transactionRoundTripKeepsNullsRight()
    {
        DatabaseFixture f;
        AccountRepository accounts(f.database.get());
        TransactionRepository repo(f.database.get());
        QVERIFY(accounts.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"))));
        QSignalSpy changed(&repo, &TransactionRepository::transactionsChanged);

        Transaction t = makeTransaction(QStringLiteral("t1"), QStringLiteral("a"), QDate(2024, 3, 5), -1999);
        t.payee.clear();
        t.cleared = true;
        t.isSplit = true;
        QVERIFY(repo.insert(t));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toString(), QStringLiteral("a"));
        QCOMPARE(f.scalar(QStringLiteral("SELECT category_id IS NULL FROM transactions")).toInt(), 1);
        QCOMPARE(f.scalar(QStringLiteral("SELECT memo = '' AND check_number = '' AND payee = '' FROM transactions"))
                     .toInt(),
                 1);

        const auto read = repo.findById(QStringLiteral("t1"));
        QCOMPARE(read->date, QDate(2024, 3, 5));
        QCOMPARE(read->amount, qint64(-1999));
        QVERIFY(read->categoryId.isEmpty());
        QVERIFY(read->cleared && read->isSplit && !read->reconciled);

        // update never moves a row to another account
        Transaction moved = *read;
        moved.accountId = QStringLiteral("elsewhere");
        moved.memo = QStringLiteral("note");
        QVERIFY(repo.update(moved));
        QCOMPARE(repo.findById(QStringLiteral("t1"))->accountId, QStringLiteral("a"));
        QCOMPARE(repo.findById(QStringLiteral("t1"))->memo, QStringLiteral("note"));

        // a duplicate id is refused
        QVERIFY(!repo.insert(t));

        // an update that finds no row stored nothing: a failure, unannounced
        changed.clear();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("update failed")));
        QVERIFY(!repo.update(makeTransaction(QStringLiteral("nobody"), QStringLiteral("a"), QDate(2024, 3, 5), 1)));
        QCOMPARE(changed.count(), 0);
    }

    void transactionDeletionAndRestoreByAccount()
    {
        DatabaseFixture f;
        AccountRepository accounts(f.database.get());
        TransactionRepository repo(f.database.get());
        QVERIFY(accounts.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"))));
        QVERIFY(repo.insert(makeTransaction(QStringLiteral("old"), QStringLiteral("a"), QDate(2024, 1, 1), 1)));
        QVERIFY(repo.insert(makeTransaction(QStringLiteral("t1"), QStringLiteral("a"), QDate(2024, 1, 2), 2)));
        QVERIFY(repo.insert(makeTransaction(QStringLiteral("t2"), QStringLiteral("a"), QDate(2024, 1, 3), 3)));
        QVERIFY(f.exec(QStringLiteral("UPDATE transactions SET deleted_at = '2020-01-01T00:00:00Z' WHERE id = 'old'")));

        QSignalSpy changed(&repo, &TransactionRepository::transactionsChanged);
        QVERIFY(!repo.softDelete(QStringLiteral("missing")));
        QCOMPARE(changed.count(), 0);

        QCOMPARE(repo.softDeleteByAccount(QStringLiteral("a")), 2);
        QCOMPARE(repo.softDeleteByAccount(QStringLiteral("a")), 0);
        QCOMPARE(changed.count(), 1);
        QVERIFY(repo.listByAccount(QStringLiteral("a")).isEmpty());
        QCOMPARE(repo.listPendingSync().size(), 3);

        QCOMPARE(repo.restoreByAccount(QStringLiteral("a"), QStringLiteral("2021-01-01T00:00:00Z")), 2);
        QCOMPARE(repo.listByAccount(QStringLiteral("a")).size(), 2);
        QCOMPARE(repo.findById(QStringLiteral("t1"))->version, 3);
        QVERIFY(repo.findById(QStringLiteral("old"))->deletedAt);
    }

    void bulkWriteHoldsBackSignals()
    {
        DatabaseFixture f;
        AccountRepository accounts(f.database.get());
        TransactionRepository repo(f.database.get());
        QVERIFY(accounts.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"))));
        QVERIFY(accounts.insert(makeAccount(QStringLiteral("b"), QStringLiteral("B"))));
        QSignalSpy changed(&repo, &TransactionRepository::transactionsChanged);
        QSignalSpy accountsChanged(&accounts, &AccountRepository::accountsChanged);
        QSignalSpy finished(f.database.get(), &Database::bulkWriteFinished);
        {
            BulkWriteScope bulk(f.database.get());
            {
                BulkWriteScope nested(f.database.get());
                for (int i = 0; i < 5; ++i)
                    QVERIFY(repo.insert(makeTransaction(QString::number(i), i % 2 ? "a" : "b", QDate(2024, 1, 1), i)));
            }
            QVERIFY(f.database->isBulkWriteInProgress());
            QVERIFY(accounts.update(makeAccount(QStringLiteral("a"), QStringLiteral("A2"))));
            QCOMPARE(changed.count(), 0);
            QCOMPARE(finished.count(), 0);
        }
        QVERIFY(!f.database->isBulkWriteInProgress());
        QCOMPARE(changed.count(), 2);
        QCOMPARE(accountsChanged.count(), 1);
        QCOMPARE(finished.count(), 1);
    }

    void changeSignalsAnnounceCommittedDataOnly()
    {
        DatabaseFixture f;
        AccountRepository accounts(f.database.get());
        TransactionRepository repo(f.database.get());
        PreferencesRepository preferences(f.database.get());
        for (const char *id : {"a", "b", "c"})
            QVERIFY(accounts.insert(makeAccount(QString::fromLatin1(id), QString::fromLatin1(id))));
        QSignalSpy changed(&repo, &TransactionRepository::transactionsChanged);
        QSignalSpy preferenceChanged(&preferences, &PreferencesRepository::changed);
        const auto changedAccounts = [&changed] {
            QStringList ids;
            for (const QList<QVariant> &arguments : std::as_const(changed))
                ids << arguments.at(0).toString();
            return ids;
        };
        {
            SqlTransaction outer(f.database.get());
            QVERIFY(repo.insert(makeTransaction("1", "a", QDate(2024, 1, 1), 1)));
            {
                SqlTransaction inner(f.database.get());
                QVERIFY(repo.insert(makeTransaction("2", "b", QDate(2024, 1, 1), 2)));
                QVERIFY(preferences.set(QStringLiteral("lost"), QStringLiteral("1")));
            } // rolled back: neither row nor signal
            {
                SqlTransaction inner(f.database.get());
                QVERIFY(repo.insert(makeTransaction("3", "c", QDate(2024, 1, 1), 3)));
                QVERIFY(repo.insert(makeTransaction("4", "a", QDate(2024, 1, 1), 4)));
                QVERIFY(inner.commit());
            }
            QCOMPARE(changed.count(), 0);
            QVERIFY(outer.commit());
        }
        QCOMPARE(changedAccounts(), QStringList({"a", "c"}));
        QCOMPARE(preferenceChanged.count(), 0);

        changed.clear();
        {
            SqlTransaction outer(f.database.get());
            SqlTransaction inner(f.database.get());
            QVERIFY(repo.insert(makeTransaction("5", "b", QDate(2024, 1, 1), 5)));
            QVERIFY(inner.commit());
        } // the outer scope rolls back what the inner one committed
        QCOMPARE(changed.count(), 0);
        QVERIFY(!repo.findById(QStringLiteral("5")));

        // Outside any transaction a change is announced at once.
        QVERIFY(repo.insert(makeTransaction("6", "b", QDate(2024, 1, 1), 6)));
        QCOMPARE(changedAccounts(), QStringList({"b"}));
        QVERIFY(!f.database->isBulkWriteInProgress());
    }

    void transactionInsideABulkWriteWaitsForTheBulkWrite()
    {
        DatabaseFixture f;
        AccountRepository accounts(f.database.get());
        TransactionRepository repo(f.database.get());
        QVERIFY(accounts.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"))));
        QSignalSpy changed(&repo, &TransactionRepository::transactionsChanged);
        {
            BulkWriteScope bulk(f.database.get());
            {
                SqlTransaction sql(f.database.get());
                QVERIFY(repo.insert(makeTransaction("1", "a", QDate(2024, 1, 1), 1)));
                QVERIFY(sql.commit());
            }
            QCOMPARE(changed.count(), 0);
        }
        QCOMPARE(changed.count(), 1);
    }

    void categoryRoundTripAndFullName()
    {
        DatabaseFixture f;
        CategoryRepository repo(f.database.get());
        QSignalSpy changed(&repo, &CategoryRepository::categoriesChanged);
        QVERIFY(repo.insert(makeCategory(QStringLiteral("p"), QStringLiteral("Home"))));
        Category child = makeCategory(QStringLiteral("c"), QStringLiteral("Rent"), QStringLiteral("p"));
        child.type = CategoryType::Income;
        child.isTaxRelevant = true;
        QVERIFY(repo.insert(child));
        QVERIFY(repo.insert(makeCategory(QStringLiteral("g"), QStringLiteral("Deposit"), QStringLiteral("c"))));
        QCOMPARE(changed.count(), 3);
        QCOMPARE(f.scalar(QStringLiteral("SELECT parent_id IS NULL AND account_id IS NULL FROM categories WHERE id = "
                                         "'p'"))
                     .toInt(),
                 1);
        QCOMPARE(repo.findById(QStringLiteral("c"))->type, CategoryType::Income);
        QCOMPARE(repo.fullName(QStringLiteral("g")), QStringLiteral("Home > Rent > Deposit"));
        QCOMPARE(repo.fullName(QStringLiteral("nobody")), QString());

        QVERIFY(repo.softDelete(QStringLiteral("p")));
        QCOMPARE(repo.fullName(QStringLiteral("c")), QStringLiteral("Home > Rent"));
        QVERIFY(!repo.findByName(QStringLiteral("Home")));
        QCOMPARE(repo.count(), 2);
        QCOMPARE(repo.listAll().size(), 2);

        // A parent cycle ends after sixteen names instead of looping.
        QVERIFY(f.exec(QStringLiteral("PRAGMA foreign_keys=OFF")));
        QVERIFY(f.exec(QStringLiteral("UPDATE categories SET parent_id = 'g' WHERE id = 'p'")));
        QCOMPARE(repo.fullName(QStringLiteral("g")).count(QStringLiteral(" > ")), 15);
        QVERIFY(f.exec(QStringLiteral("PRAGMA foreign_keys=ON")));

        QVERIFY(f.exec(QStringLiteral("UPDATE categories SET category_type = 'Income' WHERE id = 'c'")));
        QCOMPARE(repo.findById(QStringLiteral("c"))->type, CategoryType::Expense);
        QCOMPARE(CategoryRepository::categoryTypeToString(CategoryType(7)), QStringLiteral("expense"));
    }

    void recurringRoundTripAndOrdering()
    {
        DatabaseFixture f;
        AccountRepository accounts(f.database.get());
        RecurringRepository repo(f.database.get());
        QVERIFY(accounts.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"))));
        const QDate today = QDate::currentDate();
        auto rule = [&](const QString &id, const QString &payee, const QDate &due, bool active) {
            RecurringTransaction r;
            r.id = id;
            r.accountId = QStringLiteral("a");
            r.payee = payee;
            r.amount = -5000;
            r.startDate = due;
            r.nextDueDate = due;
            r.isActive = active;
            r.createdAt = kCreated;
            r.updatedAt = kCreated;
            return r;
        };
        RecurringTransaction full = rule(QStringLiteral("r1"), QStringLiteral("beta"), today, true);
        full.frequency = RecurringFrequency::Semimonthly;
        full.semimonthlyDay1 = 0;
        full.semimonthlyDay2 = 31;
        full.leadDays = 3;
        full.intervalCount = 2;
        full.endDate = today.addYears(1);
        full.autoPost = true;
        QVERIFY(repo.insert(full));
        QVERIFY(repo.insert(rule(QStringLiteral("r2"), QStringLiteral("Alpha"), today, true)));
        QVERIFY(repo.insert(rule(QStringLiteral("r3"), QStringLiteral("aaa"), today.addDays(-90), false)));
        QVERIFY(repo.insert(rule(QStringLiteral("r4"), QStringLiteral("later"), today.addDays(1), true)));

        const auto read = repo.findById(QStringLiteral("r1"));
        QCOMPARE(read->frequency, RecurringFrequency::Semimonthly);
        QCOMPARE(read->semimonthlyDay1, 0);
        QCOMPARE(read->semimonthlyDay2, 31);
        QCOMPARE(read->leadDays, 3);
        QCOMPARE(read->intervalCount, 2);
        QCOMPARE(read->endDate, std::optional<QDate>(today.addYears(1)));
        QVERIFY(!repo.findById(QStringLiteral("r2"))->endDate);
        QCOMPARE(f.scalar(QStringLiteral("SELECT end_date IS NULL FROM recurring_transactions WHERE id = 'r2'")).toInt(),
                 1);

        QStringList order;
        for (const auto &r : repo.listAll())
            order << r.id;
        QCOMPARE(order, QStringList({"r2", "r1", "r4", "r3"}));
        QStringList due;
        for (const auto &r : repo.listDue())
            due << r.id;
        due.sort();
        QCOMPARE(due, QStringList({"r1", "r2"}));

        QCOMPARE(RecurringRepository::frequencyToString(RecurringFrequency(12)), QStringLiteral("monthly"));
        QCOMPARE(RecurringRepository::frequencyFromString(QStringLiteral("Weekly")), RecurringFrequency::Monthly);
        QCOMPARE(RecurringRepository::frequencyFromString(QStringLiteral("semi_annual")), RecurringFrequency::SemiAnnual);

        // A broken next due date is logged, and the rule is still stored.
        RecurringTransaction broken = rule(QStringLiteral("r5"), QStringLiteral("x"), QDate(1999, 12, 31), true);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("saving recurring with broken nextDueDate")));
        QVERIFY(repo.insert(broken));
    }

    void reconciliationTimestampsAndLatest()
    {
        DatabaseFixture f;
        AccountRepository accounts(f.database.get());
        ReconciliationRepository repo(f.database.get());
        QVERIFY(accounts.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"))));
        Reconciliation jan;
        jan.id = QStringLiteral("jan");
        jan.accountId = QStringLiteral("a");
        jan.statementDate = QDate(2024, 1, 31);
        jan.statementBalance = 1000;
        jan.completedAt = kCreated;
        QVERIFY(repo.insert(jan)); // invalid stamps become now
        QVERIFY(repo.findById(QStringLiteral("jan"))->createdAt.isValid());
        Reconciliation feb = jan;
        feb.id = QStringLiteral("feb");
        feb.statementDate = QDate(2024, 2, 28);
        feb.createdAt = kCreated;
        feb.updatedAt = kCreated;
        QVERIFY(repo.insert(feb));
        QCOMPARE(repo.findById(QStringLiteral("feb"))->createdAt, kCreated);
        QCOMPARE(repo.latestForAccount(QStringLiteral("a"))->id, QStringLiteral("feb"));

        QCOMPARE(repo.softDeleteByAccount(QStringLiteral("a")), 2);
        QVERIFY(repo.listByAccount(QStringLiteral("a")).isEmpty());
        QCOMPARE(repo.listPendingSync().size(), 2);
        QCOMPARE(repo.restoreByAccount(QStringLiteral("a"), QStringLiteral("2000-01-01T00:00:00Z")), 2);
        QCOMPARE(repo.listByAccount(QStringLiteral("a")).size(), 2);
    }

    void preferences()
    {
        DatabaseFixture f;
        PreferencesRepository repo(f.database.get());
        QSignalSpy changed(&repo, &PreferencesRepository::changed);
        QVERIFY(!repo.get(QStringLiteral("k")));
        QCOMPARE(repo.value(QStringLiteral("k"), QStringLiteral("d")), QStringLiteral("d"));
        QVERIFY(repo.set(QStringLiteral("k"), QStringLiteral("v")));
        QVERIFY(repo.set(QStringLiteral("k"), QStringLiteral("v")));
        QCOMPARE(changed.count(), 2);
        QVERIFY(repo.set(QStringLiteral("empty"), QString()));
        QCOMPARE(repo.get(QStringLiteral("empty")), std::optional<QString>(QString()));
        repo.setInt(QStringLiteral("n"), -3);
        QCOMPARE(repo.value(QStringLiteral("n")), QStringLiteral("-3"));

        const QStringList falses = {QStringLiteral("TRUE"), QStringLiteral("yes"), QString()};
        for (const QString &text : falses) {
            repo.set(QStringLiteral("b"), text);
            QVERIFY(!repo.boolValue(QStringLiteral("b"), true));
        }
        repo.setBool(QStringLiteral("b"), true);
        QVERIFY(repo.boolValue(QStringLiteral("b"), false));
        QVERIFY(repo.boolValue(QStringLiteral("absent"), true));

        changed.clear();
        QVERIFY(repo.remove(QStringLiteral("k")));
        QVERIFY(!repo.get(QStringLiteral("k")));
        QCOMPARE(changed.count(), 0);
    }

    void splitLinesAreReplacedAsAWhole()
    {
        DatabaseFixture f;
        AccountRepository accounts(f.database.get());
        TransactionRepository transactions(f.database.get());
        CategoryRepository categories(f.database.get());
        SplitLineRepository repo(f.database.get());
        QVERIFY(accounts.insert(makeAccount(QStringLiteral("a"), QStringLiteral("A"))));
        QVERIFY(categories.insert(makeCategory(QStringLiteral("food"), QStringLiteral("Food"))));
        QVERIFY(categories.insert(makeCategory(QStringLiteral("fuel"), QStringLiteral("Fuel"))));
        QVERIFY(transactions.insert(makeTransaction(QStringLiteral("t"), QStringLiteral("a"), QDate(2024, 1, 1), -300)));

        auto line = [](const QString &id, const QString &category, qint64 amount) {
            SplitLine l;
            l.id = id;
            l.categoryId = category;
            l.amount = amount;
            l.createdAt = kCreated;
            l.updatedAt = kCreated;
            return l;
        };
        QVERIFY(repo.listByTransaction(QStringLiteral("t")).isEmpty());
        QVERIFY(repo.replaceForTransaction(QStringLiteral("t"), {line("1", "food", -100), line("2", "fuel", -200)}));
        QCOMPARE(repo.listByTransaction(QStringLiteral("t")).size(), 2);
        QCOMPARE(repo.listByTransaction(QStringLiteral("t")).first().transactionId, QStringLiteral("t"));

        // A new set with a bad line changes nothing.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("SplitLineRepository::insert failed")));
        QVERIFY(!repo.replaceForTransaction(QStringLiteral("t"), {line("3", "food", -300), line("4", QString(), 0)}));
        const auto kept = repo.listByTransaction(QStringLiteral("t"));
        QCOMPARE(kept.size(), 2);
        qint64 total = 0;
        for (const SplitLine &l : kept)
            total += l.amount;
        QCOMPARE(total, qint64(-300));

        QVERIFY(repo.deleteByTransaction(QStringLiteral("t")));
        QVERIFY(repo.deleteByTransaction(QStringLiteral("t")));
        QVERIFY(repo.listByTransaction(QStringLiteral("t")).isEmpty());
    }
};

TALLYRA_TEST(RepositoryTest)
#include "test_repositories.moc"
