#include "register/registerfixture.h"
#include "support/testmain.h"

#include "data/accountrepository.h"
#include "data/money.h"
#include "data/reconciliationrepository.h"
#include "data/transactionrepository.h"
#include "register/datefield.h"
#include "register/smartamountfield.h"
#include "register/transactionactions.h"
#include "screens/reconciliationmodel.h"
#include "screens/reconciliationscreen.h"
#include "services/accountoperations.h"
#include "ui/palettehelpers.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>

namespace {

// One account with rows in every reconciliation state, and the screen on it.
struct ReconcileFixture
{
    AppFixture f;
    FakePrompts prompts;
    Account account;
    std::unique_ptr<ReconciliationScreen> screen;

    explicit ReconcileFixture(AccountType type = AccountType::Checking, Currency currency = Currency::USD,
        qint64 startingBalance = 0)
    {
        account = f.addAccount(QStringLiteral("Main"), type, currency, startingBalance);
        screen = std::make_unique<ReconciliationScreen>(f.app());
    }

    TransactionRepository *transactions() const { return f.app()->transactionRepository(); }

    Transaction add(const QDate &date, const QString &payee, qint64 amount, bool cleared = false,
        bool reconciled = false)
    {
        Transaction t = f.addTransaction(account.id, date, payee, amount);
        if (cleared || reconciled) {
            t.cleared = cleared || reconciled;
            t.reconciled = reconciled;
            transactions()->update(t);
        }
        return t;
    }

    void addReconciliation(const QDate &statementDate)
    {
        Reconciliation r;
        r.id = QStringLiteral("rec-") + statementDate.toString(Qt::ISODate);
        r.accountId = account.id;
        r.statementDate = statementDate;
        r.completedAt = QDateTime(statementDate, QTime(12, 0), Qt::UTC);
        f.app()->reconciliationRepository()->insert(r);
    }

    void open() { screen->setAccount(account.id); }

    QString value(const char *name) const { return screen->findChild<QLabel *>(QLatin1String(name))->text(); }
    QLabel *label(const char *name) const { return screen->findChild<QLabel *>(QLatin1String(name)); }
    SmartAmountField *amountField() const
    {
        return screen->findChild<SmartAmountField *>(QStringLiteral("statementAmountField"));
    }
    QDate statementDate() const { return screen->findChild<DateField *>(QStringLiteral("statementDateField"))->date(); }
    bool canFinish() const { return screen->findChild<QPushButton *>(QStringLiteral("finishButton"))->isEnabled(); }

    int rowOf(const QString &payee) const
    {
        for (int row = 0; row < screen->model()->rowCount(); ++row) {
            if (screen->model()->rowAt(row).payee == payee)
                return row;
        }
        return -1;
    }
    bool ticked(const QString &payee) const { return screen->model()->isTicked(rowOf(payee)); }
    void select(const QString &payee)
    {
        screen->table()->setCurrentIndex(screen->model()->index(rowOf(payee), ReconciliationModel::PayeeColumn));
    }

    int count(const QString &sql) { return f.countRows(sql); }
    int reconciledRows() { return count(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE reconciled = 1")); }
    int reconciliations() { return count(QStringLiteral("SELECT COUNT(*) FROM reconciliations")); }
};

} // namespace

class TestReconciliationScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void previousBalanceAndStatementDate_data()
    {
        QTest::addColumn<qint64>("startingBalance");
        QTest::addColumn<QDate>("lastStatement");  // invalid: none
        QTest::addColumn<QDate>("reconciledDate"); // invalid: no reconciled row
        QTest::addColumn<QString>("expectedPrevious");
        QTest::addColumn<QDate>("expectedDate"); // invalid: today

        QTest::newRow("nothing reconciled yet") << qint64(12345) << QDate() << QDate() << "$123.45" << QDate();
        QTest::newRow("statement Jan 31 of a leap year")
            << qint64(0) << QDate(2024, 1, 31) << QDate() << "$0.00" << QDate(2024, 2, 29);
        QTest::newRow("statement Jan 31") << qint64(0) << QDate(2023, 1, 31) << QDate() << "$0.00"
                                          << QDate(2023, 2, 28);
        QTest::newRow("a row reconciled after the statement")
            << qint64(100) << QDate(2024, 3, 31) << QDate(2024, 4, 10) << "$51.00" << QDate(2024, 5, 10);
        QTest::newRow("a row reconciled before the statement")
            << qint64(100) << QDate(2024, 3, 31) << QDate(2024, 3, 20) << "$51.00" << QDate(2024, 4, 30);
        QTest::newRow("reconciled rows, no statement")
            << qint64(0) << QDate() << QDate(2024, 1, 31) << "$50.00" << QDate(2024, 2, 29);
    }

    void previousBalanceAndStatementDate()
    {
        QFETCH(qint64, startingBalance);
        QFETCH(QDate, lastStatement);
        QFETCH(QDate, reconciledDate);
        QFETCH(QString, expectedPrevious);
        QFETCH(QDate, expectedDate);

        ReconcileFixture s(AccountType::Checking, Currency::USD, startingBalance);
        if (lastStatement.isValid())
            s.addReconciliation(lastStatement);
        if (reconciledDate.isValid()) {
            s.add(reconciledDate.addDays(-5), QStringLiteral("Earlier"), 7000, true, true);
            s.add(reconciledDate, QStringLiteral("Latest"), -2000, true, true);
            // Deleted and unreconciled rows do not count.
            const Transaction gone = s.add(reconciledDate.addDays(3), QStringLiteral("Gone"), 999, true, true);
            QVERIFY(s.transactions()->softDelete(gone.id));
        }
        s.add(QDate(2024, 6, 1), QStringLiteral("Open"), 400, true);
        s.open();

        QCOMPARE(s.value("previousBalanceValue"), expectedPrevious);
        QCOMPARE(s.statementDate(), expectedDate.isValid() ? expectedDate : QDate::currentDate());
        QCOMPARE(s.screen->model()->rowCount(), 1);
    }

    void summary_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<qint64>("typedStatement");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("values"); // previous, deposits, withdrawals, cleared, statement, difference
        QTest::addColumn<bool>("balanced");

        // Ticked: +1000 (cleared), -15000 and -10000 (cleared); unticked: -700.
        QTest::newRow("credit card at 250.00 owed, ticked by hand")
            << int(AccountType::CreditCard) << qint64(24000)
            << QStringList{"Statement Balance Owed:", "Cleared Payments", "Cleared Charges"}
            << QStringList{"$0.00", "-$10.00", "$250.00", "$240.00", "$240.00", "$0.00"} << true;
        QTest::newRow("checking, off by a cent")
            << int(AccountType::Checking) << qint64(-23999)
            << QStringList{"Statement Balance:", "Cleared Deposits", "Cleared Withdrawals"}
            << QStringList{"$0.00", "$10.00", "-$250.00", "-$240.00", "-$239.99", "$0.01"} << false;
        QTest::newRow("loan is a liability") << int(AccountType::Loan) << qint64(0)
                                             << QStringList{"Statement Balance Owed:", "Cleared Payments",
                                                    "Cleared Charges"}
                                             << QStringList{"$0.00", "-$10.00", "$250.00", "$240.00", "$0.00",
                                                    "-$240.00"}
                                             << false;
    }

    void summary()
    {
        QFETCH(int, type);
        QFETCH(qint64, typedStatement);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, values);
        QFETCH(bool, balanced);

        ReconcileFixture s{AccountType(type)};
        s.add(QDate(2024, 5, 1), QStringLiteral("Payment"), 1000, true);
        s.add(QDate(2024, 5, 2), QStringLiteral("Fuel"), -15000, true);
        s.add(QDate(2024, 5, 3), QStringLiteral("Food"), -10000, true);
        s.add(QDate(2024, 5, 4), QStringLiteral("Later"), -700);
        s.open();
        s.amountField()->setMinorUnits(typedStatement);

        QStringList shownCaptions;
        for (const QLabel *label : s.screen->findChildren<QLabel *>()) {
            if (label->text().startsWith(QLatin1String("Statement Balance")) && label->text().endsWith(u':'))
                shownCaptions.prepend(label->text());
            else if (label->text().startsWith(QLatin1String("Cleared ")) && label->text() != QLatin1String("Cleared Balance"))
                shownCaptions.append(label->text());
        }
        QCOMPARE(shownCaptions, captions);
        QCOMPARE((QStringList{s.value("previousBalanceValue"), s.value("clearedDepositsValue"),
                     s.value("clearedWithdrawalsValue"), s.value("clearedBalanceValue"),
                     s.value("statementBalanceValue"), s.value("differenceValue")}),
            values);
        QCOMPARE(s.canFinish(), balanced);
        const QColor colour = balanced ? positiveAmountColor() : negativeAmountColor();
        QCOMPARE(s.label("differenceValue")->styleSheet(), QStringLiteral("color: %1;").arg(colour.name()));
    }

    void theCreditCardCaseFromTheStatement()
    {
        // A card statement of 250.00 typed positive: S is -25000.
        ReconcileFixture s(AccountType::CreditCard);
        s.add(QDate(2024, 5, 2), QStringLiteral("Fuel"), -15000);
        s.add(QDate(2024, 5, 3), QStringLiteral("Food"), -10000);
        s.open();
        s.amountField()->setMinorUnits(25000);
        QVERIFY(!s.canFinish());
        s.screen->model()->toggle(s.rowOf(QStringLiteral("Fuel")));
        s.screen->model()->toggle(s.rowOf(QStringLiteral("Food")));
        QCOMPARE(s.value("statementBalanceValue"), QStringLiteral("$250.00"));
        QCOMPARE(s.value("differenceValue"), QStringLiteral("$0.00"));
        QVERIFY(s.canFinish());
    }

    void tableShowsTheRows()
    {
        ReconcileFixture s(AccountType::Checking, Currency::JPY);
        s.add(QDate(2024, 5, 2), QStringLiteral("<i>Shop</i>"), -300, true);
        s.add(QDate(2024, 5, 1), QStringLiteral("Salary"), 1500);
        s.open();
        ReconciliationModel *model = s.screen->model();
        QCOMPARE(model->columnCount(), 5);
        const QStringList headers = {"", "Date", "Payee", "Amount", "Clr"};
        for (int column = 0; column < 5; ++column)
            QCOMPARE(model->headerData(column, Qt::Horizontal).toString(), headers.at(column));
        auto text = [model](int row, int column) { return model->index(row, column).data().toString(); };
        QCOMPARE((QStringList{text(0, 1), text(0, 2), text(0, 3), text(0, 4)}),
            (QStringList{"05/01/2024", "Salary", "$1,500", ""}));
        QCOMPARE((QStringList{text(1, 1), text(1, 2), text(1, 3), text(1, 4)}),
            (QStringList{"05/02/2024", "<i>Shop</i>", "-$300", "C"}));
        QCOMPARE(model->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QCOMPARE(model->index(1, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QVERIFY(model->flags(model->index(0, 0)) & Qt::ItemIsUserCheckable);
        QCOMPARE(model->index(1, 3).data(Qt::ForegroundRole).value<QColor>(), negativeAmountColor());
        QVERIFY(!model->index(0, 3).data(Qt::ForegroundRole).isValid());

        // Whole yen: typing 1200 is 1,200 yen, not 120,000.
        QCOMPARE(s.amountField()->decimals(), 0);
        QCOMPARE(s.amountField()->prefix(), QStringLiteral("$ "));
        s.amountField()->setValue(1200);
        QVERIFY(model->setData(model->index(0, 0), Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(s.value("clearedBalanceValue"), QStringLiteral("\u00A51,200"));
        QCOMPARE(s.value("differenceValue"), QStringLiteral("\u00A50"));
        QVERIFY(s.canFinish());
    }

    void keysToggleTheCurrentRow_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("C") << int(Qt::Key_C);
        QTest::newRow("R with Shift") << int(Qt::Key_R);
    }

    void keysToggleTheCurrentRow()
    {
        QFETCH(int, key);
        ReconcileFixture s;
        s.add(QDate(2024, 5, 1), QStringLiteral("Rent"), -5000);
        s.open();

        // No current row: the key is eaten and nothing changes.
        QKeyEvent press(QEvent::KeyPress, key, Qt::ShiftModifier);
        QVERIFY(s.screen->eventFilter(s.screen->table(), &press));
        QVERIFY(!s.ticked(QStringLiteral("Rent")));

        s.select(QStringLiteral("Rent"));
        QVERIFY(s.screen->eventFilter(s.screen->table(), &press));
        QVERIFY(s.ticked(QStringLiteral("Rent")));
        QCOMPARE(s.value("clearedBalanceValue"), QStringLiteral("-$50.00"));
        QTest::keyClick(s.screen->table(), Qt::Key(key));
        QVERIFY(!s.ticked(QStringLiteral("Rent")));
        QCOMPARE(s.value("clearedBalanceValue"), QStringLiteral("$0.00"));
    }

    void ticksSurviveAReload()
    {
        ReconcileFixture s;
        s.add(QDate(2024, 5, 1), QStringLiteral("Ticked by hand"), -100);
        s.add(QDate(2024, 5, 2), QStringLiteral("Unticked by hand"), -200, true);
        s.open();
        s.screen->model()->toggle(s.rowOf(QStringLiteral("Ticked by hand")));
        s.screen->model()->toggle(s.rowOf(QStringLiteral("Unticked by hand")));

        s.prompts.steps = {acceptForm({FormInput::Negative, QStringLiteral("Added"), 300, {}, {}})};
        s.screen->addTransaction();
        QCOMPARE(s.screen->model()->rowCount(), 3);
        QVERIFY(s.ticked(QStringLiteral("Ticked by hand")));
        QVERIFY(!s.ticked(QStringLiteral("Unticked by hand")));
        // New and not cleared: not ticked.
        QVERIFY(!s.ticked(QStringLiteral("Added")));
        QCOMPARE(s.value("clearedBalanceValue"), QStringLiteral("-$1.00"));
    }

    void finishMarksTheTickedRowsOnly()
    {
        ReconcileFixture s(AccountType::Checking, Currency::USD, 10000);
        const Transaction old = s.add(QDate(2024, 4, 1), QStringLiteral("Old"), 500, true, true);
        const Transaction a = s.add(QDate(2024, 5, 1), QStringLiteral("A"), -2500, true);
        const Transaction b = s.add(QDate(2024, 5, 2), QStringLiteral("B"), 1000);
        const Transaction c = s.add(QDate(2024, 5, 3), QStringLiteral("C"), -7000);
        s.open();
        s.screen->model()->toggle(s.rowOf(QStringLiteral("B")));
        s.amountField()->setMinorUnits(9000);
        QVERIFY(s.canFinish());

        QSignalSpy completed(s.screen.get(), &ReconciliationScreen::reconciliationCompleted);
        QSignalSpy changed(s.transactions(), &TransactionRepository::transactionsChanged);
        s.screen->finish();
        QCOMPARE(completed.count(), 1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(s.prompts.messages.size(), 1);
        QCOMPARE(s.prompts.messages.at(0).title, QStringLiteral("Reconciliation Complete"));

        for (const Transaction &before : {a, b}) {
            const Transaction after = *s.transactions()->findById(before.id);
            QVERIFY(after.cleared && after.reconciled);
            QCOMPARE(after.version, before.version + 1);
            QCOMPARE(after.syncStatus, SyncStatus::Pending);
            QVERIFY(qAbs(after.updatedAt.secsTo(QDateTime::currentDateTimeUtc())) < 60);
            QCOMPARE(after.payee, before.payee);
            QCOMPARE(after.amount, before.amount);
        }
        QVERIFY(!s.transactions()->findById(c.id)->reconciled);
        QCOMPARE(s.transactions()->findById(old.id)->version, old.version);

        const auto stored = s.f.app()->reconciliationRepository()->latestForAccount(s.account.id);
        QVERIFY(stored);
        QCOMPARE(stored->statementBalance, qint64(9000));
        QCOMPARE(stored->reconciledBalance, qint64(9000));
        QCOMPARE(stored->statementDate, QDate(2024, 5, 1)); // a month after "Old"
        QCOMPARE(stored->syncStatus, SyncStatus::Pending);
        QVERIFY(stored->completedAt.isValid());
    }

    void finishWithNoTicksStoresThePreviousBalance()
    {
        ReconcileFixture s(AccountType::Checking, Currency::USD, 4200);
        s.add(QDate(2024, 5, 3), QStringLiteral("C"), -7000);
        s.open();
        s.amountField()->setMinorUnits(4200);
        QVERIFY(s.canFinish());
        s.screen->finish();
        QCOMPARE(s.reconciliations(), 1);
        QCOMPARE(s.f.app()->reconciliationRepository()->latestForAccount(s.account.id)->reconciledBalance,
            qint64(4200));
        QCOMPARE(s.reconciledRows(), 0);
    }

    void finishRefusesWhatChangedAfterLoading_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("expectedKind");
        QTest::addColumn<QString>("expectedTitle");
        QTest::addColumn<bool>("reloaded");
        QTest::addColumn<bool>("balancedAfter");
        QTest::addColumn<bool>("closed");

        const char *changed = "Reconciliation Changed";
        QTest::newRow("a ticked row's amount edited") << "edit amount" << "information" << changed << true << false << false;
        // The same amount, but no longer the row the user found on the statement.
        QTest::newRow("a ticked row's date edited") << "edit date" << "information" << changed << true << true << false;
        QTest::newRow("a ticked row deleted") << "delete" << "information" << changed << true << false << false;
        // It moves into the previous balance: what is left still matches.
        QTest::newRow("a ticked row reconciled elsewhere") << "reconcile" << "information" << changed << true << true << false;
        QTest::newRow("an unticked row reconciled elsewhere")
            << "reconcile other" << "warning" << "Reconciliation Not Finished" << true << false << false;
        QTest::newRow("the account deleted, rows ticked")
            << "delete account" << "information" << "Account Deleted" << false << false << true;
        QTest::newRow("the account deleted, nothing ticked")
            << "delete account, no ticks" << "information" << "Account Deleted" << false << false << true;
        QTest::newRow("the reconciliation insert fails")
            << "fail insert" << "warning" << "Reconciliation Failed" << false << true << false;
        QTest::newRow("the second row's update fails")
            << "fail update" << "warning" << "Reconciliation Failed" << false << true << false;
    }

    void finishRefusesWhatChangedAfterLoading()
    {
        QFETCH(QString, change);
        QFETCH(QString, expectedKind);
        QFETCH(QString, expectedTitle);
        QFETCH(bool, reloaded);
        QFETCH(bool, balancedAfter);
        QFETCH(bool, closed);

        ReconcileFixture s;
        const Transaction a = s.add(QDate(2024, 5, 1), QStringLiteral("Rent <b>"), -2500, true);
        const Transaction b = s.add(QDate(2024, 5, 2), QStringLiteral("Pay"), 10000, true);
        const Transaction other = s.add(QDate(2024, 5, 3), QStringLiteral("Other"), -100);
        s.screen->show();
        s.open();
        s.amountField()->setMinorUnits(7500);
        if (change == QLatin1String("delete account, no ticks")) {
            s.screen->model()->toggle(s.rowOf(QStringLiteral("Rent <b>")));
            s.screen->model()->toggle(s.rowOf(QStringLiteral("Pay")));
            s.amountField()->setMinorUnits(0);
        }
        QVERIFY(s.canFinish());

        Transaction edited = *s.transactions()->findById(a.id);
        if (change == QLatin1String("edit amount")) {
            edited.amount = -2600;
            QVERIFY(s.transactions()->update(edited));
        } else if (change == QLatin1String("edit date")) {
            edited.date = QDate(2024, 4, 30);
            QVERIFY(s.transactions()->update(edited));
        } else if (change == QLatin1String("delete")) {
            QVERIFY(s.transactions()->softDelete(a.id));
        } else if (change == QLatin1String("reconcile")) {
            edited.reconciled = true;
            QVERIFY(s.transactions()->update(edited));
        } else if (change == QLatin1String("reconcile other")) {
            Transaction o = *s.transactions()->findById(other.id);
            o.reconciled = true;
            QVERIFY(s.transactions()->update(o));
        } else if (change.startsWith(QLatin1String("delete account"))) {
            QCOMPARE(s.f.app()->accountOperations()->deleteAccount(s.account.id), WriteResult::Written);
        } else if (change == QLatin1String("fail insert")) {
            QVERIFY(s.f.failInsertsInto(QStringLiteral("reconciliations")));
        } else {
            QVERIFY(s.f.execSql(QStringLiteral("CREATE TEMP TRIGGER fail_update BEFORE UPDATE ON transactions "
                                               "WHEN new.id = '%1' BEGIN SELECT RAISE(ABORT, 'forced'); END")
                                    .arg(b.id)));
        }
        const int reconciledBefore = s.reconciledRows();
        const int versionOfA = s.transactions()->findById(a.id)->version;
        const int versionOfB = s.transactions()->findById(b.id)->version;

        QSignalSpy completed(s.screen.get(), &ReconciliationScreen::reconciliationCompleted);
        s.screen->finish();
        QCOMPARE(completed.count(), 0);
        QCOMPARE(s.reconciliations(), 0);
        QCOMPARE(s.reconciledRows(), reconciledBefore);
        QCOMPARE(s.transactions()->findById(a.id)->version, versionOfA);
        QCOMPARE(s.transactions()->findById(b.id)->version, versionOfB);
        QCOMPARE(s.prompts.messages.size(), 1);
        QCOMPARE(s.prompts.messages.at(0).kind, expectedKind);
        QCOMPARE(s.prompts.messages.at(0).title, expectedTitle);
        // A store failure says why: the triggers' own words.
        if (change.startsWith(QLatin1String("fail ")))
            QVERIFY2(s.prompts.messages.at(0).text.contains(QRegularExpression(
                         QStringLiteral("The reconciliation could not be saved: forced( failure)?\\. Nothing was changed\\."))),
                qPrintable(s.prompts.messages.at(0).text));
        QCOMPARE(!s.screen->isVisible(), closed);
        if (closed)
            return;

        QCOMPARE(s.canFinish(), balancedAfter);
        if (reloaded) {
            // The list shows what is stored now, and the difference follows it.
            const int row = s.rowOf(QStringLiteral("Rent <b>"));
            QCOMPARE(row >= 0 ? s.screen->model()->rowAt(row).amount : 0,
                change == QLatin1String("edit amount")                                              ? qint64(-2600)
                    : change == QLatin1String("edit date") || change == QLatin1String("reconcile other") ? -2500
                                                                                                        : 0);
            // The rows still listed keep their ticks.
            QVERIFY(s.ticked(QStringLiteral("Pay")));
            if (row >= 0)
                QVERIFY(s.ticked(QStringLiteral("Rent <b>")));
        } else {
            // Nothing changed in the list: the ticks stay for another try.
            QVERIFY(s.ticked(QStringLiteral("Rent <b>")));
            QVERIFY(s.ticked(QStringLiteral("Pay")));
        }
    }

    void rowActionsIntoADeletedAccountWriteNothing_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("add") << "add";
        QTest::newRow("edit") << "edit";
        QTest::newRow("delete") << "delete";
    }

    // The window stays open while its account is deleted elsewhere.
    void rowActionsIntoADeletedAccountWriteNothing()
    {
        QFETCH(QString, action);
        ReconcileFixture s;
        const Transaction shown = s.add(QDate(2024, 5, 1), QStringLiteral("Rent"), -2500);
        s.screen->show();
        s.open();
        s.select(QStringLiteral("Rent"));
        QCOMPARE(s.f.app()->accountOperations()->deleteAccount(s.account.id), WriteResult::Written);
        const Transaction deleted = *s.transactions()->findById(shown.id);
        const int rowsBefore = s.count(QStringLiteral("SELECT COUNT(*) FROM transactions"));

        if (action == QLatin1String("add")) {
            s.prompts.steps = {acceptForm({FormInput::Negative, QStringLiteral("Added"), 300, {}, {}})};
            s.screen->addTransaction();
        } else if (action == QLatin1String("edit")) {
            s.prompts.steps = {acceptForm({FormInput::Negative, QStringLiteral("Edited"), 300, {}, {}})};
            s.screen->editSelectedTransaction();
        } else {
            s.screen->deleteSelectedTransaction();
        }

        QCOMPARE(s.count(QStringLiteral("SELECT COUNT(*) FROM transactions")), rowsBefore);
        QCOMPARE(s.count(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NULL")), 0);
        const Transaction after = *s.transactions()->findById(shown.id);
        QCOMPARE(after.version, deleted.version);
        QCOMPARE(after.payee, deleted.payee);
        QVERIFY(!s.prompts.messages.isEmpty());
        QCOMPARE(s.prompts.messages.constLast().title, QStringLiteral("Account Deleted"));
        QVERIFY(!s.screen->isVisible());
    }

    void deleteRemovesBothLegsOfATransfer()
    {
        ReconcileFixture s;
        const Account savings = s.f.addAccount(QStringLiteral("Savings"));
        Transaction leg;
        leg.id = QStringLiteral("leg-1");
        leg.accountId = s.account.id;
        leg.date = QDate(2024, 5, 1);
        leg.amount = -5000;
        leg.createdAt = QDateTime::currentDateTimeUtc();
        leg.updatedAt = leg.createdAt;
        const Transaction partner = TransactionActions::makeTransferCounterpart(s.f.app(), leg, savings.id);
        QCOMPARE(TransactionActions::insertNewTransaction(s.f.app(), leg, partner), WriteResult::Written);
        s.add(QDate(2024, 5, 2), QStringLiteral("Stays"), -100);
        s.open();

        s.prompts.answerYes = false;
        s.select(leg.payee);
        s.screen->deleteSelectedTransaction();
        QCOMPARE(s.prompts.messages.at(0).title, QStringLiteral("Delete Transaction"));
        QVERIFY(s.prompts.messages.at(0).text.contains(QStringLiteral("Delete the transaction for Transfer to Savings?")));
        QVERIFY(!s.transactions()->findById(leg.id)->deletedAt);

        s.prompts.answerYes = true;
        s.screen->deleteSelectedTransaction();
        QVERIFY(s.transactions()->findById(leg.id)->deletedAt);
        QVERIFY(s.transactions()->findById(partner.id)->deletedAt);
        QCOMPARE(s.screen->model()->rowCount(), 1);
    }

    void theOpeningBalanceIsNotDeleted()
    {
        ReconcileFixture s;
        QVERIFY(TransactionActions::setOpeningBalance(s.f.app(), s.account.id, 10000, QDate(2024, 1, 1)));
        // Only an unreconciled opening balance is listed (one pulled from another device, say).
        QVERIFY(s.f.execSql(QStringLiteral("UPDATE transactions SET reconciled = 0")));
        s.open();
        QCOMPARE(s.screen->model()->rowCount(), 1);
        s.screen->table()->setCurrentIndex(s.screen->model()->index(0, 1));
        s.screen->deleteSelectedTransaction();
        QCOMPARE(s.prompts.messages.size(), 1);
        QCOMPARE(s.prompts.messages.at(0).kind, QStringLiteral("information"));
        QCOMPARE(s.prompts.messages.at(0).title, QStringLiteral("Opening Balance"));
        QCOMPARE(s.count(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NULL")), 1);
    }

    void rowActionsWithoutARowOrAccountDoNothing()
    {
        ReconcileFixture s;
        s.add(QDate(2024, 5, 2), QStringLiteral("Row"), -100);
        s.screen->addTransaction();
        s.screen->setAccount(QStringLiteral("no such account"));
        QCOMPARE(s.screen->model()->rowCount(), 0);
        s.open();
        s.screen->editSelectedTransaction();
        s.screen->deleteSelectedTransaction();
        QCOMPARE(s.prompts.dialogRuns, 0);
        QVERIFY(s.prompts.messages.isEmpty());
    }

    void tooLargeBalancesAreNotShownWrapped()
    {
        ReconcileFixture s(AccountType::Checking, Currency::USD, 0);
        const qint64 huge = std::numeric_limits<qint64>::max() / 2 + 1;
        s.add(QDate(2024, 5, 1), QStringLiteral("A"), huge, true);
        s.add(QDate(2024, 5, 2), QStringLiteral("B"), huge, true);
        s.open();
        QCOMPARE(s.value("clearedBalanceValue"), sumTooLargeText());
        QCOMPARE(s.value("differenceValue"), sumTooLargeText());
        QVERIFY(!s.canFinish());
        // Unticking one brings the figure back.
        s.screen->model()->toggle(0);
        QCOMPARE(s.value("clearedBalanceValue"), formatMoney(huge));

        // A previous balance whose sum does not fit in 64 bits.
        ReconcileFixture r(AccountType::Checking, Currency::USD, 0);
        r.add(QDate(2024, 4, 1), QStringLiteral("A"), huge, true, true);
        r.add(QDate(2024, 4, 2), QStringLiteral("B"), huge, true, true);
        r.open();
        QCOMPARE(r.value("previousBalanceValue"), sumTooLargeText());
        QVERIFY(!r.canFinish());
    }
};

TALLYRA_TEST(TestReconciliationScreen)
#include "test_reconciliationscreen.moc"
