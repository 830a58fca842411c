#include "servicesfixture.h"

#include "data/reconciliationrepository.h"
#include "data/sqlvalues.h"
#include "services/accountoperations.h"
#include "support/testmain.h"

#include <QSignalSpy>

namespace {

struct AccountOperationsFixture : ServicesFixture
{
    ReconciliationRepository reconciliations{database.get()};
    AccountOperations operations{database.get(), &accounts, &transactions, &recurring, &reconciliations};

    Account newAccount(const QString &id, AccountType type = AccountType::Checking, qint64 startingBalance = 0)
    {
        Account account = makeAccount(id, Currency::USD, startingBalance);
        account.accountType = type;
        return account;
    }

    void addTransaction(const QString &id, const QString &accountId)
    {
        Transaction transaction;
        transaction.id = id;
        transaction.accountId = accountId;
        transaction.date = QDate(2024, 2, 1);
        transaction.payee = QStringLiteral("Payee ") + id;
        transaction.amount = -1000;
        transaction.createdAt = stamp();
        transaction.updatedAt = stamp();
        QVERIFY(transactions.insert(transaction));
    }

    void addRule(const QString &id, const QString &accountId)
    {
        RecurringTransaction rule;
        rule.id = id;
        rule.accountId = accountId;
        rule.payee = QStringLiteral("Rent");
        rule.amount = -90000;
        rule.startDate = QDate(2024, 1, 1);
        rule.nextDueDate = QDate(2024, 4, 1);
        rule.createdAt = stamp();
        rule.updatedAt = stamp();
        QVERIFY(recurring.insert(rule));
    }

    void addReconciliation(const QString &id, const QString &accountId)
    {
        Reconciliation reconciliation;
        reconciliation.id = id;
        reconciliation.accountId = accountId;
        reconciliation.statementDate = QDate(2024, 2, 29);
        reconciliation.completedAt = stamp();
        reconciliation.createdAt = stamp();
        reconciliation.updatedAt = stamp();
        QVERIFY(reconciliations.insert(reconciliation));
    }

    // Two accounts, each with transactions, a rule and a reconciliation.
    void addTwoFilledAccounts()
    {
        for (const QString &id : {QStringLiteral("a"), QStringLiteral("b")}) {
            QVERIFY(operations.createAccount(newAccount(id)));
            addTransaction(id + QStringLiteral("-t1"), id);
            addTransaction(id + QStringLiteral("-t2"), id);
            addRule(id + QStringLiteral("-r"), id);
            addReconciliation(id + QStringLiteral("-c"), id);
        }
    }

    // Every row's id, deletion time, version and sync status: equal
    // snapshots mean nothing was written.
    QStringList snapshot() const
    {
        QStringList rows;
        for (const char *table : {"accounts", "transactions", "recurring_transactions", "reconciliations"}) {
            QSqlQuery query(*database->db());
            query.exec(QStringLiteral("SELECT id, IFNULL(deleted_at, '-'), version, sync_status FROM %1 ORDER BY id")
                           .arg(QLatin1String(table)));
            while (query.next())
                rows << QStringLiteral("%1 %2 %3 %4")
                            .arg(query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                                 query.value(3).toString());
        }
        return rows;
    }

    int liveRows(const QString &accountId) const
    {
        int total = 0;
        for (const char *table : {"accounts", "transactions", "recurring_transactions", "reconciliations"}) {
            const QString column = qstrcmp(table, "accounts") == 0 ? QStringLiteral("id") : QStringLiteral("account_id");
            total += count(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = '%3' AND deleted_at IS NULL")
                               .arg(QLatin1String(table), column, accountId));
        }
        return total;
    }

    // Moves every deletion time of the account back, as if deleted long ago.
    void ageDeletions(const QString &accountId, int seconds)
    {
        for (const char *table : {"transactions", "recurring_transactions", "reconciliations"}) {
            QSqlQuery query(*database->db());
            QVERIFY(query.exec(QStringLiteral("SELECT id, deleted_at FROM %1 WHERE account_id = '%2' AND deleted_at IS "
                                              "NOT NULL")
                                   .arg(QLatin1String(table), accountId)));
            while (query.next()) {
                const QDateTime moved = SqlValues::parseIsoDateTime(query.value(1).toString()).addSecs(-seconds);
                QVERIFY(exec(QStringLiteral("UPDATE %1 SET deleted_at = '%2' WHERE id = '%3'")
                                 .arg(QLatin1String(table), SqlValues::isoDateTime(moved), query.value(0).toString())));
            }
        }
        const QDateTime moved = accounts.findById(accountId)->deletedAt->addSecs(-seconds);
        QVERIFY(exec(QStringLiteral("UPDATE accounts SET deleted_at = '%1' WHERE id = '%2'")
                         .arg(SqlValues::isoDateTime(moved.toUTC()), accountId)));
    }
};

// Alpha and Beta with one transfer of 100.00 from Beta to Alpha, and the
// steps that a deletion, an edit and a restore take on them.
struct TransferFixture : AccountOperationsFixture
{
    const QString alphaLeg = QStringLiteral("alpha-leg");
    const QString betaLeg = QStringLiteral("beta-leg");

    TransferFixture()
    {
        QVERIFY(operations.createAccount(newAccount(QStringLiteral("alpha"))));
        QVERIFY(operations.createAccount(newAccount(QStringLiteral("beta"))));
        QVERIFY(transactions.insert(leg(alphaLeg, QStringLiteral("alpha"), betaLeg, QStringLiteral("beta"), 10000)));
        QVERIFY(transactions.insert(leg(betaLeg, QStringLiteral("beta"), alphaLeg, QStringLiteral("alpha"), -10000)));
    }

    static Transaction leg(const QString &id, const QString &accountId, const QString &partnerId,
                           const QString &partnerAccountId, qint64 amount)
    {
        Transaction t;
        t.id = id;
        t.accountId = accountId;
        t.date = QDate(2024, 2, 1);
        t.payee = QStringLiteral("Transfer");
        t.amount = amount;
        t.transferLinkId = partnerId;
        t.transferDestAccountId = partnerAccountId;
        t.createdAt = t.updatedAt = stamp();
        return t;
    }

    QString legId(const QString &name) const { return name == QLatin1String("alpha") ? alphaLeg : betaLeg; }

    // "delete alpha", "restore beta", "edit beta -25000 2024-02-05",
    // "drop beta" (its leg deleted on its own), "drop beta early" (the
    // same, long before).
    bool run(const QString &step)
    {
        const QStringList words = step.split(u' ');
        const QString &verb = words.at(0);
        const QString &name = words.at(1);
        if (verb == QLatin1String("delete"))
            return operations.deleteAccount(name) == WriteResult::Written;
        if (verb == QLatin1String("restore"))
            return operations.restoreAccount(name);
        if (verb == QLatin1String("drop")) {
            if (!transactions.softDelete(legId(name)))
                return false;
            return words.size() < 3
                || exec(QStringLiteral("UPDATE transactions SET deleted_at = '2024-01-01T00:00:00Z' WHERE id = '%1'")
                            .arg(legId(name)));
        }
        if (verb == QLatin1String("edit")) {
            Transaction t = *transactions.findById(legId(name));
            t.amount = words.at(2).toLongLong();
            t.date = QDate::fromString(words.at(3), Qt::ISODate);
            markEdited(t);
            return transactions.update(t);
        }
        return false;
    }

    // "live 25000 2024-02-05" or "deleted ..."
    QString state(const QString &id) const
    {
        const Transaction t = *transactions.findById(id);
        return QStringLiteral("%1 %2 %3")
            .arg(t.deletedAt ? QStringLiteral("deleted") : QStringLiteral("live"), QString::number(t.amount),
                 t.date.toString(Qt::ISODate));
    }

    QString stored(const QString &id) const
    {
        return scalar(QStringLiteral("SELECT amount || '|' || date || '|' || IFNULL(deleted_at, '-') || '|' || "
                                     "version || '|' || updated_at || '|' || sync_status FROM transactions "
                                     "WHERE id = '%1'")
                          .arg(id))
            .toString();
    }
};

} // namespace

class AccountOperationsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newAccountMovesStartingBalanceIntoOpeningTransaction_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<qint64>("startingBalance");
        QTest::newRow("zero still gets its row") << int(AccountType::Checking) << qint64(0);
        QTest::newRow("savings deposit") << int(AccountType::Savings) << qint64(123456);
        QTest::newRow("card owed, already negated") << int(AccountType::CreditCard) << qint64(-25000);
    }

    void newAccountMovesStartingBalanceIntoOpeningTransaction()
    {
        QFETCH(int, type);
        QFETCH(qint64, startingBalance);
        AccountOperationsFixture f;
        const Account account = f.newAccount(QStringLiteral("new"), AccountType(type), startingBalance);
        QVERIFY(f.operations.createAccountWithOpeningBalance(account, QDate(2024, 1, 31), QStringLiteral("Anfangssaldo")));

        QCOMPARE(f.accounts.findById(account.id)->startingBalance, qint64(0));
        const auto opening = f.transactions.findById(TransactionRepository::openingBalanceId(account.id));
        QVERIFY(opening);
        QCOMPARE(opening->accountId, account.id);
        QCOMPARE(opening->amount, startingBalance);
        QCOMPARE(opening->date, QDate(2024, 1, 31));
        QCOMPARE(opening->payee, QStringLiteral("Anfangssaldo"));
        QVERIFY(opening->cleared && opening->reconciled && !opening->isSplit);
        QCOMPARE(opening->syncStatus, SyncStatus::Pending);
        QVERIFY(!opening->deletedAt);
        QCOMPARE(f.transactions.balance(account.id, 0), startingBalance);
    }

    void plainNewAccountIsStoredAsGivenWithoutTransactions()
    {
        AccountOperationsFixture f;
        const Account account = f.newAccount(QStringLiteral("qif"), AccountType::Cash, 0);
        QVERIFY(f.operations.createAccount(account));
        QVERIFY(f.accounts.findById(account.id));
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM transactions")), 0);
    }

    void failedNewAccountStoresNothing_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::newRow("opening transaction refused")
            << QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON transactions BEGIN SELECT RAISE(ABORT, 'no'); END");
        QTest::newRow("account refused")
            << QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON accounts BEGIN SELECT RAISE(ABORT, 'no'); END");
    }

    void failedNewAccountStoresNothing()
    {
        QFETCH(QString, trigger);
        AccountOperationsFixture f;
        QVERIFY(f.exec(trigger));
        QVERIFY(!f.operations.createAccountWithOpeningBalance(f.newAccount(QStringLiteral("x"), AccountType::Checking, 500),
                                                              QDate(2024, 1, 1), QStringLiteral("Opening Balance")));
        QCOMPARE(f.snapshot(), QStringList());
    }

    void newAccountFollowsTheCallersTransaction()
    {
        AccountOperationsFixture f;
        {
            BulkWriteScope bulk(f.database.get());
            SqlTransaction outer(f.database.get());
            QVERIFY(f.operations.createAccount(f.newAccount(QStringLiteral("dropped"))));
            QVERIFY(f.operations.createAccountWithOpeningBalance(f.newAccount(QStringLiteral("dropped2"), AccountType::Checking, 7),
                                                                 QDate(2024, 1, 1), QStringLiteral("Opening Balance")));
            outer.rollback();
        }
        QCOMPARE(f.snapshot(), QStringList());

        QSignalSpy accountsChanged(&f.accounts, &AccountRepository::accountsChanged);
        {
            BulkWriteScope bulk(f.database.get());
            SqlTransaction outer(f.database.get());
            QVERIFY(f.operations.createAccountWithOpeningBalance(f.newAccount(QStringLiteral("kept"), AccountType::Checking, 7),
                                                                 QDate(2024, 1, 1), QStringLiteral("Opening Balance")));
            QVERIFY(outer.commit());
            QCOMPARE(accountsChanged.count(), 0);
        }
        QVERIFY(accountsChanged.count() >= 1);
        QCOMPARE(f.liveRows(QStringLiteral("kept")), 2);
    }

    void deleteThenRestoreBringsBackWhatWentTogether()
    {
        AccountOperationsFixture f;
        f.addTwoFilledAccounts();
        // Deleted long before the account: must stay deleted after a restore.
        QVERIFY(f.transactions.softDelete(QStringLiteral("a-t2")));
        QVERIFY(f.exec(QStringLiteral("UPDATE transactions SET deleted_at = '2020-01-01T00:00:00Z' WHERE id = 'a-t2'")));
        const QStringList before = f.snapshot();
        const int otherLive = f.liveRows(QStringLiteral("b"));

        QCOMPARE(f.operations.deleteAccount(QStringLiteral("a")), WriteResult::Written);
        QCOMPARE(f.liveRows(QStringLiteral("a")), 0);
        QCOMPARE(f.liveRows(QStringLiteral("b")), otherLive);
        QCOMPARE(f.accounts.listDeleted().size(), 1);
        QCOMPARE(f.operations.deleteAccount(QStringLiteral("a")), WriteResult::AccountNotLive);
        QCOMPARE(f.operations.deleteAccount(QStringLiteral("missing")), WriteResult::AccountNotLive);

        f.ageDeletions(QStringLiteral("a"), 3600);
        QVERIFY(f.operations.restoreAccount(QStringLiteral("a")));
        QCOMPARE(f.liveRows(QStringLiteral("a")), 4);
        QVERIFY(f.transactions.findById(QStringLiteral("a-t2"))->deletedAt);
        QVERIFY(f.accounts.listDeleted().isEmpty());
        QVERIFY(f.snapshot() != before); // versions moved on, so sync pushes the restore
        QVERIFY(!f.operations.restoreAccount(QStringLiteral("missing")));
    }

    // A restored transfer leg never disagrees with its partner: it takes
    // the live partner's date and negated amount as a local change, stays
    // deleted when the partner was deleted on its own, and comes back alone
    // when the partner went with its own account, which then matches it
    // when restored in turn.
    void restoreKeepsTransfersWhole_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("alpha");
        QTest::addColumn<QString>("beta");

        QTest::newRow("partner edited while the account was deleted")
            << QStringList{"delete alpha", "edit beta -25000 2024-02-05", "restore alpha"}
            << "live 25000 2024-02-05" << "live -25000 2024-02-05";
        QTest::newRow("partner edited, the other way round")
            << QStringList{"delete beta", "edit alpha 40000 2024-02-09", "restore beta"}
            << "live 40000 2024-02-09" << "live -40000 2024-02-09";
        QTest::newRow("partner untouched") << QStringList{"delete alpha", "restore alpha"}
                                           << "live 10000 2024-02-01" << "live -10000 2024-02-01";
        QTest::newRow("partner deleted on its own: the leg stays deleted")
            << QStringList{"delete alpha", "drop beta", "restore alpha"} << "deleted 10000 2024-02-01"
            << "deleted -10000 2024-02-01";
        QTest::newRow("partner deleted on its own before its account was")
            << QStringList{"delete alpha", "drop beta early", "delete beta", "restore alpha"}
            << "deleted 10000 2024-02-01" << "deleted -10000 2024-02-01";
        QTest::newRow("partner deleted with its account: the leg comes back alone")
            << QStringList{"delete alpha", "delete beta", "restore alpha"} << "live 10000 2024-02-01"
            << "deleted -10000 2024-02-01";
        QTest::newRow("the partner's account restored later matches the leg")
            << QStringList{"delete alpha", "delete beta", "restore alpha", "edit alpha 30000 2024-02-07",
                   "restore beta"}
            << "live 30000 2024-02-07" << "live -30000 2024-02-07";
        QTest::newRow("the account restored last takes its partner's values")
            << QStringList{"delete alpha", "edit beta -25000 2024-02-05", "delete beta", "restore alpha",
                   "restore beta"}
            << "live 10000 2024-02-01" << "live -10000 2024-02-01";
    }

    void restoreKeepsTransfersWhole()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, alpha);
        QFETCH(QString, beta);

        TransferFixture f;
        const QString lastStep = steps.takeLast();
        for (const QString &step : std::as_const(steps))
            QVERIFY2(f.run(step), qPrintable(step));
        const QStringList legs{f.alphaLeg, f.betaLeg};
        QStringList before;
        for (const QString &id : legs)
            before.append(f.stored(id));
        const QDateTime restoredAt = QDateTime::currentDateTimeUtc().addSecs(-1);
        QVERIFY(f.run(lastStep));

        QCOMPARE(f.state(f.alphaLeg), alpha);
        QCOMPARE(f.state(f.betaLeg), beta);
        for (int i = 0; i < legs.size(); ++i) {
            const Transaction t = *f.transactions.findById(legs.at(i));
            const QStringList was = before.at(i).split(u'|');
            const bool wasDeleted = was.at(2) != QLatin1String("-");
            if (t.deletedAt && wasDeleted) {
                // Left exactly as it was: nothing for sync to send.
                QCOMPARE(f.stored(t.id), before.at(i));
            } else if (t.amount != was.at(0).toLongLong() || t.date.toString(Qt::ISODate) != was.at(1)) {
                // A repaired leg is a local change, sent like any other.
                QVERIFY(t.version > was.at(3).toInt());
                QCOMPARE(t.syncStatus, SyncStatus::Pending);
                QVERIFY(t.updatedAt >= restoredAt);
            }
        }
    }

    // The repair is part of the restore: when it cannot be written, the
    // account, its rows and the leg all stay as they were.
    void failedTransferRepairLeavesTheAccountDeleted()
    {
        TransferFixture f;
        QVERIFY(f.run(QStringLiteral("delete alpha")));
        QVERIFY(f.run(QStringLiteral("edit beta -25000 2024-02-05")));
        QVERIFY(f.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE OF amount ON transactions "
                                      "WHEN OLD.id = 'alpha-leg' BEGIN SELECT RAISE(ABORT, 'forced'); END")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("TransactionRepository::update failed")));
        const QStringList before = f.snapshot();

        QVERIFY(!f.operations.restoreAccount(QStringLiteral("alpha")));
        QCOMPARE(f.snapshot(), before);
        QCOMPARE(f.state(f.alphaLeg), QStringLiteral("deleted 10000 2024-02-01"));
        QCOMPARE(f.accounts.listDeleted().size(), 1);
    }

    void failureMidDeleteLeavesEverythingAsItWas_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("transactions") << QStringLiteral("transactions");
        QTest::newRow("recurring rules") << QStringLiteral("recurring_transactions");
        QTest::newRow("reconciliations") << QStringLiteral("reconciliations");
        QTest::newRow("the account itself") << QStringLiteral("accounts");
    }

    void failureMidDeleteLeavesEverythingAsItWas()
    {
        QFETCH(QString, table);
        AccountOperationsFixture f;
        f.addTwoFilledAccounts();
        QVERIFY(f.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE OF deleted_at ON %1 "
                                      "WHEN NEW.deleted_at IS NOT NULL BEGIN SELECT RAISE(ABORT, 'forced'); END")
                           .arg(table)));
        const QStringList before = f.snapshot();
        QSignalSpy accountsChanged(&f.accounts, &AccountRepository::accountsChanged);
        QSignalSpy transactionsChanged(&f.transactions, &TransactionRepository::transactionsChanged);

        QCOMPARE(f.operations.deleteAccount(QStringLiteral("a")), WriteResult::Failed);
        QCOMPARE(f.snapshot(), before);
        // Nothing was committed, so nobody is told of a change.
        QCOMPARE(accountsChanged.count(), 0);
        QCOMPARE(transactionsChanged.count(), 0);
    }

    void failureMidRestoreLeavesEverythingAsItWas_data()
    {
        failureMidDeleteLeavesEverythingAsItWas_data();
    }

    void failureMidRestoreLeavesEverythingAsItWas()
    {
        QFETCH(QString, table);
        AccountOperationsFixture f;
        f.addTwoFilledAccounts();
        QCOMPARE(f.operations.deleteAccount(QStringLiteral("a")), WriteResult::Written);
        QVERIFY(f.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE OF deleted_at ON %1 "
                                      "WHEN NEW.deleted_at IS NULL BEGIN SELECT RAISE(ABORT, 'forced'); END")
                           .arg(table)));
        const QStringList before = f.snapshot();

        QVERIFY(!f.operations.restoreAccount(QStringLiteral("a")));
        QCOMPARE(f.snapshot(), before);
        QCOMPARE(f.accounts.listDeleted().size(), 1);
    }
};

TALLYRA_TEST(AccountOperationsTest)
#include "test_accountoperations.moc"
