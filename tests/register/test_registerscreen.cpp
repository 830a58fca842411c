#include "registerharness.h"
#include "support/lockholder.h"
#include "support/testmain.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/money.h"
#include "data/preferencesrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "register/datefield.h"
#include "register/registerdelegate.h"
#include "register/smartamountfield.h"
#include "register/registerfilter.h"
#include "register/smartdateedit.h"
#include "register/transactionactions.h"
#include "services/accountoperations.h"
#include "screens/recurringformdialog.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QSignalSpy>

#include <sqlite3.h>

namespace {

std::optional<Transaction> findByPayee(const QList<Transaction> &list, const QString &payee)
{
    for (const Transaction &transaction : list) {
        if (transaction.payee == payee)
            return transaction;
    }
    return std::nullopt;
}

Transaction addFull(AppFixture &f, const QString &accountId, const QDate &date, const QString &payee, qint64 amount,
    const QString &categoryId = QString(), const QString &memo = QString(), bool cleared = false)
{
    Transaction transaction = f.addTransaction(accountId, date, payee, amount);
    transaction.categoryId = categoryId;
    transaction.memo = memo;
    transaction.cleared = cleared;
    f.app()->transactionRepository()->update(transaction);
    return transaction;
}

} // namespace

class TestRegisterScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        clearRegisterSettings();
        setAmountAutoDecimal(false);
    }

    void cleanup() { setAmountAutoDecimal(false); }

    void typedPaymentAndDepositAreStored()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        const Category food = h.fixture().addCategory(QStringLiteral("Food"));
        QAbstractItemModelTester tester(h.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        h.show(checking.id);

        h.typeNewRow({QStringLiteral("3/15/2024"), QStringLiteral("Corner Shop"), QStringLiteral("Food"),
            QStringLiteral("milk"), QStringLiteral("12.34"), QString()});
        h.typeNewRow({QStringLiteral("3/16/2024"), QStringLiteral("Employer"), QString(), QString(), QString(),
            QStringLiteral("1,500.00")});

        const QList<Transaction> stored = h.fixture().liveTransactions(checking.id);
        QCOMPARE(stored.size(), 2);
        const std::optional<Transaction> payment = findByPayee(stored, QStringLiteral("Corner Shop"));
        const std::optional<Transaction> deposit = findByPayee(stored, QStringLiteral("Employer"));
        QVERIFY(payment && deposit);
        QCOMPARE(payment->amount, qint64(-1234));
        QCOMPARE(payment->date, QDate(2024, 3, 15));
        QCOMPARE(payment->categoryId, food.id);
        QCOMPARE(payment->memo, QStringLiteral("milk"));
        QCOMPARE(payment->version, 1);
        QCOMPARE(payment->syncStatus, SyncStatus::Pending);
        QCOMPARE(payment->createdAt, payment->updatedAt);
        QCOMPARE(deposit->amount, qint64(150000));
        QVERIFY(deposit->categoryId.isEmpty());
        // The next new row starts on the date of the last one saved, and is
        // where the cursor waits.
        QCOMPARE(h.model()->buffer().date, QStringLiteral("3/16/2024"));
        QCOMPARE(h.table()->currentIndex().row(), h.model()->newRowPosition());
        QCOMPARE(h.cellText(h.model()->newRowPosition(), RegisterModel::DateColumn), QStringLiteral("3/16/2024"));
    }

    void typedTransferWritesBothLegs()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        const Account savings = h.fixture().addAccount(QStringLiteral("Savings"), AccountType::Savings);
        h.show(checking.id);

        h.typeNewRow({QStringLiteral("4/1/2024"), QStringLiteral("[Transfer] Savings"), QString(), QString(),
            QStringLiteral("50.00"), QString()});

        const QList<Transaction> out = h.fixture().liveTransactions(checking.id);
        const QList<Transaction> in = h.fixture().liveTransactions(savings.id);
        QCOMPARE(out.size(), 1);
        QCOMPARE(in.size(), 1);
        QCOMPARE(out[0].payee, QStringLiteral("Transfer to Savings"));
        QCOMPARE(out[0].amount, qint64(-5000));
        QCOMPARE(in[0].payee, QStringLiteral("Transfer from Checking"));
        QCOMPARE(in[0].amount, qint64(5000));
        QCOMPARE(in[0].date, QDate(2024, 4, 1));
        QCOMPARE(out[0].transferLinkId, in[0].id);
        QCOMPARE(in[0].transferLinkId, out[0].id);
        QCOMPARE(out[0].transferDestAccountId, savings.id);
    }

    void refusedTransfersKeepTheRow_data()
    {
        QTest::addColumn<QString>("payee");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("currencyError");
        QTest::newRow("into the account itself") << "[Transfer] Checking" << "Transfer account not found" << false;
        QTest::newRow("unknown account") << "[Transfer] Nowhere" << "Transfer account not found" << false;
        QTest::newRow("other currency") << "[Transfer] Euro Savings" << "" << true;
    }

    void refusedTransfersKeepTheRow()
    {
        QFETCH(QString, payee);
        QFETCH(QString, status);
        QFETCH(bool, currencyError);
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        h.fixture().addAccount(QStringLiteral("Euro Savings"), AccountType::Savings, Currency::EUR);
        h.show(checking.id);
        QSignalSpy errors(h.screen(), &RegisterScreen::errorMessage);

        fillBuffer(h.model(), QStringLiteral("4/1/2024"), payee, QStringLiteral("10.00"), QString());
        h.screen()->commitCurrentRow();

        QCOMPARE(h.fixture().countRows(QStringLiteral("SELECT COUNT(*) FROM transactions")), 0);
        QCOMPARE(h.statusText(), status);
        QCOMPARE(errors.size(), currencyError ? 1 : 0);
        if (currencyError)
            QCOMPARE(errors[0][0].toString(), QStringLiteral("Transfers require both accounts to use the same currency"));
        QCOMPARE(h.model()->buffer().payee, payee);
    }

    void commitReadsTheBuffer_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("payment");
        QTest::addColumn<QString>("deposit");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QDate>("expectedDate");
        QTest::addColumn<qint64>("expectedAmount");
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<bool>("reconciled");
        const QDate today = QDate::currentDate();
        QTest::newRow("two-digit year of this century") << "1/2/24" << "5" << "" << "" << QDate(2024, 1, 2)
                                                        << qint64(-500) << false << false;
        QTest::newRow("two-digit year 69") << "12/31/69" << "" << "1" << "" << QDate(2069, 12, 31) << qint64(100)
                                           << false << false;
        QTest::newRow("two-digit year 70") << "01/02/70" << "" << "1" << "" << QDate(1970, 1, 2) << qint64(100)
                                           << false << false;
        QTest::newRow("padded four-digit year") << "03/05/2024" << "" << "1" << "" << QDate(2024, 3, 5)
                                                << qint64(100) << false << false;
        QTest::newRow("month 13 is today") << "13/1/2024" << "" << "1" << "" << today << qint64(100) << false
                                           << false;
        QTest::newRow("payment wins over deposit") << "1/1/2024" << "2.00" << "9.00" << "" << QDate(2024, 1, 1)
                                                   << qint64(-200) << false << false;
        QTest::newRow("grouped deposit") << "1/1/2024" << "" << "$1,234.56" << "c" << QDate(2024, 1, 1)
                                         << qint64(123456) << true << false;
        QTest::newRow("lower-case r reconciles") << "1/1/2024" << "1" << "" << " r " << QDate(2024, 1, 1)
                                                 << qint64(-100) << true << true;
    }

    void commitReadsTheBuffer()
    {
        QFETCH(QString, date);
        QFETCH(QString, payment);
        QFETCH(QString, deposit);
        QFETCH(QString, mark);
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        h.show(checking.id);

        fillBuffer(h.model(), date, QStringLiteral("  Shop  "), payment, deposit, mark);
        h.screen()->commitCurrentRow();

        const QList<Transaction> stored = h.fixture().liveTransactions(checking.id);
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored[0].payee, QStringLiteral("Shop"));
        QTEST(stored[0].date, "expectedDate");
        QTEST(stored[0].amount, "expectedAmount");
        QTEST(stored[0].cleared, "cleared");
        QTEST(stored[0].reconciled, "reconciled");
    }

    void incompleteRowsAreRefused_data()
    {
        QTest::addColumn<QString>("payee");
        QTest::addColumn<QString>("payment");
        QTest::addColumn<QString>("status");
        QTest::newRow("no payee") << "   " << "5.00" << "Payee is required";
        QTest::newRow("no amount") << "Shop" << "  " << "Enter a payment or deposit amount";
    }

    void incompleteRowsAreRefused()
    {
        QFETCH(QString, payee);
        QFETCH(QString, payment);
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        h.show(checking.id);
        fillBuffer(h.model(), QStringLiteral("1/1/2024"), payee, payment, QString());
        h.press(Qt::Key_Return, Qt::ControlModifier);
        QTEST(h.statusText(), "status");
        QCOMPARE(h.fixture().liveTransactions(checking.id).size(), 0);
        QCOMPARE(h.model()->buffer().payee, payee);
    }

    void typedAmountTexts_data()
    {
        constexpr qint64 highest = std::numeric_limits<qint64>::max();
        QTest::addColumn<int>("currency");
        QTest::addColumn<QString>("payment");
        QTest::addColumn<QString>("deposit");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<qint64>("amount");
        const int usd = int(Currency::USD);
        const int eur = int(Currency::EUR);
        const int jpy = int(Currency::JPY);
        QTest::newRow("decimal comma") << eur << "12,50" << "" << true << qint64(-1250);
        QTest::newRow("grouping dots and a decimal comma") << eur << "" << "1.234,56" << true << qint64(123456);
        QTest::newRow("grouping comma") << usd << "" << "1,234" << true << qint64(123400);
        QTest::newRow("extra decimals round") << usd << "" << "12.345" << true << qint64(1235);
        QTest::newRow("yen with decimals") << jpy << "1200.50" << "" << false << qint64(0);
        QTest::newRow("yen with a decimal comma") << jpy << "" << "1200,50" << false << qint64(0);
        QTest::newRow("grouped yen") << jpy << "1,200" << "" << true << qint64(-1200);
        QTest::newRow("largest payment") << usd << "92233720368547758.07" << "" << true << -highest;
        QTest::newRow("past the largest") << usd << "" << "92233720368547758.08" << false << qint64(0);
        QTest::newRow("negative past the largest") << usd << "" << "-92233720368547758.08" << false << qint64(0);
        QTest::newRow("text that is no amount") << usd << "abc" << "" << false << qint64(0);
    }

    void typedAmountTexts()
    {
        QFETCH(int, currency);
        QFETCH(QString, payment);
        QFETCH(QString, deposit);
        QFETCH(bool, saved);
        RegisterHarness h;
        const Account account = h.fixture().addAccount(QStringLiteral("Wallet"), AccountType::Cash, Currency(currency));
        h.show(account.id);
        fillBuffer(h.model(), QStringLiteral("1/1/2024"), QStringLiteral("Shop"), payment, deposit);
        h.screen()->commitCurrentRow();

        const QList<Transaction> stored = h.fixture().liveTransactions(account.id);
        QCOMPARE(stored.size(), saved ? 1 : 0);
        if (saved) {
            QTEST(stored[0].amount, "amount");
            return;
        }
        // Refused with a message; what was typed stays in the row.
        const QString typed = payment.isEmpty() ? deposit : payment;
        QVERIFY2(h.statusText().contains(typed), qPrintable(h.statusText()));
        QCOMPARE(h.model()->buffer().payment, payment);
        QCOMPARE(h.model()->buffer().deposit, deposit);
    }

    void balancesThatDoNotFitAreShownAsSuch()
    {
        // 50,000,000,000,000,000.00 twice: the second running balance and the
        // header total do not fit in an amount.
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        h.fixture().addTransaction(checking.id, QDate(2024, 1, 1), QStringLiteral("First"), 5000000000000000000);
        h.fixture().addTransaction(checking.id, QDate(2024, 1, 2), QStringLiteral("Second"), 5000000000000000000);
        h.show(checking.id);
        QCOMPARE(h.cellText(0, RegisterModel::BalanceColumn), QStringLiteral("50,000,000,000,000,000.00"));
        QCOMPARE(h.cellText(1, RegisterModel::BalanceColumn), sumTooLargeText());
        QCOMPARE(h.screen()->findChild<QLabel *>(QStringLiteral("balanceValue"))->text(), sumTooLargeText());
        QCOMPARE(h.screen()->findChild<QLabel *>(QStringLiteral("unclearedValue"))->text(), sumTooLargeText());
        QCOMPARE(h.screen()->findChild<QLabel *>(QStringLiteral("clearedValue"))->text(), QStringLiteral("$0.00"));
    }

    void editingOneTransferLegMovesTheOther_data()
    {
        QTest::addColumn<bool>("throughForm");
        QTest::newRow("typed into the register") << false;
        QTest::newRow("through the transaction form") << true;
    }

    void editingOneTransferLegMovesTheOther()
    {
        QFETCH(bool, throughForm);
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        const Account savings = h.fixture().addAccount(QStringLiteral("Savings"), AccountType::Savings);
        h.show(checking.id);
        h.typeNewRow({QStringLiteral("4/1/2024"), QStringLiteral("[Transfer] Savings"), QString(), QString(),
            QStringLiteral("50.00"), QString()});
        const Transaction out = h.fixture().liveTransactions(checking.id).value(0);
        const int row = h.model()->viewRowOfTransaction(out.id);
        const QDate moved(2024, 4, 9);

        if (throughForm) {
            h.prompts().steps = {[moved](QDialog *dialog) {
                findNamed<SmartAmountField>(dialog, "amountField")->setMinorUnits(7500);
                findNamed<DateField>(dialog, "dateField")->setDate(moved);
                return int(QDialog::Accepted);
            }};
            h.screen()->editRowInDialog(row);
        } else {
            h.goTo(row, RegisterModel::PaymentColumn);
            h.model()->buffer().payment = QStringLiteral("75.00");
            h.model()->buffer().date = QStringLiteral("4/9/2024");
            h.press(Qt::Key_Return, Qt::ControlModifier);
        }

        const Transaction stored = h.app()->transactionRepository()->findById(out.id).value();
        QCOMPARE(stored.amount, qint64(-7500));
        QCOMPARE(stored.date, moved);
        const QList<Transaction> in = h.fixture().liveTransactions(savings.id);
        QCOMPARE(in.size(), 1);
        QCOMPARE(in[0].amount, qint64(7500));
        QCOMPARE(in[0].date, moved);
        QCOMPARE(in[0].syncStatus, SyncStatus::Pending);
        QVERIFY(in[0].version > 1);
    }

    void reloadWaitsForTheOpenEditor()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        h.show(checking.id);
        h.goTo(h.model()->newRowPosition(), RegisterModel::PayeeColumn);
        h.press(Qt::Key_Return);
        h.type(QStringLiteral("Half"));
        QVERIFY(h.table()->openEditor());

        h.fixture().addTransaction(checking.id, QDate(2024, 1, 1), QStringLiteral("Synced"), -100);
        h.screen()->reload();
        QCOMPARE(h.model()->listRowCount(), 0);
        auto *payee = h.table()->openEditor()->findChild<QLineEdit *>(QStringLiteral("payeeEdit"));
        QVERIFY(payee ? payee->text() == QStringLiteral("Half")
                      : qobject_cast<QLineEdit *>(h.table()->openEditor())->text() == QStringLiteral("Half"));

        // Leaving the cell keeps the text; the reload then runs.
        h.screen()->commitOpenEditor();
        h.press(Qt::Key_Escape);
        QVERIFY(!h.table()->openEditor());
        QCOMPARE(h.model()->listRowCount(), 1);
        QCOMPARE(h.model()->buffer().payee, QStringLiteral("Half"));
        QCOMPARE(h.table()->currentIndex().row(), h.model()->newRowPosition());
    }

    void reloadKeepsTheCursorAndTheTyping_data()
    {
        QTest::addColumn<bool>("newestFirst");
        QTest::addColumn<bool>("onNewRow");
        QTest::newRow("new row below the list") << false << true;
        QTest::newRow("new row above the list") << true << true;
        QTest::newRow("transaction, oldest first") << false << false;
        QTest::newRow("transaction, newest first") << true << false;
    }

    void reloadKeepsTheCursorAndTheTyping()
    {
        QFETCH(bool, newestFirst);
        QFETCH(bool, onNewRow);
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        const Transaction middle = h.fixture().addTransaction(checking.id, QDate(2024, 3, 1),
            QStringLiteral("Middle"), -100);
        h.show(checking.id);
        h.table()->sortByColumn(RegisterModel::DateColumn, newestFirst ? Qt::DescendingOrder : Qt::AscendingOrder);
        const int row = onNewRow ? h.model()->newRowPosition() : h.model()->viewRowOfTransaction(middle.id);
        h.goTo(row, RegisterModel::PayeeColumn);
        QVERIFY(h.model()->setData(h.model()->index(row, RegisterModel::PayeeColumn), QStringLiteral("Typed")));

        // Rows arrive from elsewhere on both sides of the current one.
        h.fixture().addTransaction(checking.id, QDate(2024, 1, 1), QStringLiteral("Earlier"), -200);
        h.fixture().addTransaction(checking.id, QDate(2024, 5, 1), QStringLiteral("Later"), -300);
        h.screen()->reload();
        h.screen()->setAccount(checking.id);

        QCOMPARE(h.model()->listRowCount(), 3);
        const int expected = onNewRow ? h.model()->newRowPosition() : h.model()->viewRowOfTransaction(middle.id);
        QCOMPARE(h.table()->currentIndex().row(), expected);
        QCOMPARE(h.model()->buffer().payee, QStringLiteral("Typed"));

        // The next entry goes where the cursor was, and nowhere else.
        h.model()->buffer().payment = QStringLiteral("5.00");
        h.press(Qt::Key_Return, Qt::ControlModifier);
        const QList<Transaction> stored = h.fixture().liveTransactions(checking.id);
        QCOMPARE(stored.size(), onNewRow ? 4 : 3);
        QCOMPARE(findByPayee(stored, QStringLiteral("Middle")).has_value(), onNewRow);
        QVERIFY(findByPayee(stored, QStringLiteral("Earlier")) && findByPayee(stored, QStringLiteral("Later")));
        const std::optional<Transaction> typed = findByPayee(stored, QStringLiteral("Typed"));
        QVERIFY(typed);
        QCOMPARE(typed->id == middle.id, !onNewRow);
        QCOMPARE(typed->amount, qint64(-500));
    }

    void reloadAfterTheCurrentRowWasDeletedElsewhere()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        h.fixture().addTransaction(checking.id, QDate(2024, 1, 1), QStringLiteral("First"), -100);
        const Transaction gone = h.fixture().addTransaction(checking.id, QDate(2024, 2, 1), QStringLiteral("Gone"),
            -200);
        h.fixture().addTransaction(checking.id, QDate(2024, 3, 1), QStringLiteral("Third"), -300);
        h.show(checking.id);
        h.goTo(h.model()->viewRowOfTransaction(gone.id), RegisterModel::PayeeColumn);
        QCOMPARE(h.model()->buffer().payee, QStringLiteral("Gone"));

        QVERIFY(h.app()->transactionRepository()->softDelete(gone.id));
        h.screen()->reload();
        QCOMPARE(h.table()->currentIndex().row(), h.model()->newRowPosition());
        QVERIFY2(h.model()->buffer().payee.isEmpty(), "the new row must not inherit the deleted row");
    }

    void reloadDuringAPromptLeavesTheActionItsRecord_data()
    {
        QTest::addColumn<bool>("duplicate");
        QTest::newRow("delete") << false;
        QTest::newRow("duplicate") << true;
    }

    void reloadDuringAPromptLeavesTheActionItsRecord()
    {
        QFETCH(bool, duplicate);
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        const Account savings = h.fixture().addAccount(QStringLiteral("Savings"));
        h.show(checking.id);
        h.typeNewRow({QStringLiteral("1/5/2024"), QStringLiteral("[Transfer] Savings"), QString(), QString(),
            QStringLiteral("25.00"), QString()});
        const Transaction leg = h.fixture().liveTransactions(checking.id).value(0);
        // Rows added elsewhere make the reload replace every row record.
        h.prompts().whilePrompting = [&h, &checking] {
            h.fixture().addTransaction(checking.id, QDate(2024, 1, 1), QStringLiteral("Synced"), -1);
            h.screen()->reload();
        };
        const int row = h.model()->viewRowOfTransaction(leg.id);
        if (duplicate) {
            FormInput input;
            input.payee = QStringLiteral("[Transfer] Savings");
            input.cents = 2500;
            h.prompts().steps = {acceptForm(input)};
            h.screen()->duplicateRow(row);
            QCOMPARE(h.fixture().liveTransactions(savings.id).size(), 2);
        } else {
            h.screen()->deleteRow(row);
            QVERIFY(h.app()->transactionRepository()->findById(leg.id)->deletedAt);
            QVERIFY(h.fixture().liveTransactions(savings.id).isEmpty());
        }
    }

    void amountsFollowTheAccountCurrencyAndAutoDecimal_data()
    {
        QTest::addColumn<int>("currency");
        QTest::addColumn<bool>("autoDecimal");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qint64>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("dollars") << int(Currency::USD) << false << "12.5" << qint64(1250) << "12.50";
        QTest::newRow("yen are whole") << int(Currency::JPY) << false << "1500" << qint64(1500) << "1,500";
        QTest::newRow("automatic decimals") << int(Currency::USD) << true << "1234" << qint64(1234) << "12.34";
        QTest::newRow("automatic decimals in yen") << int(Currency::JPY) << true << "1234" << qint64(1234) << "1,234";
    }

    void amountsFollowTheAccountCurrencyAndAutoDecimal()
    {
        QFETCH(int, currency);
        QFETCH(bool, autoDecimal);
        QFETCH(QString, typed);
        RegisterHarness h;
        const Account account = h.fixture().addAccount(QStringLiteral("Wallet"), AccountType::Cash, Currency(currency));
        setAmountAutoDecimal(autoDecimal);
        h.show(account.id);

        h.typeNewRow({QStringLiteral("2/2/2024"), QStringLiteral("Salary"), QString(), QString(), QString(), typed});

        const QList<Transaction> stored = h.fixture().liveTransactions(account.id);
        QCOMPARE(stored.size(), 1);
        QTEST(stored[0].amount, "stored");
        const int row = h.model()->viewRowOfTransaction(stored[0].id);
        QTEST(h.cellText(row, RegisterModel::DepositColumn), "shown");
    }

    void returnMovesFieldToFieldAndSavesPastTheLastCell()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        h.show(checking.id);
        h.table()->setColumnHidden(RegisterModel::CheckNumberColumn, true);
        h.table()->setColumnHidden(RegisterModel::MemoColumn, true);

        h.press(Qt::Key_Return);
        QList<int> visited;
        for (int step = 0; step < 5; ++step) {
            visited.append(h.table()->currentIndex().column());
            QVERIFY(h.table()->openEditor());
            if (h.table()->currentIndex().column() == RegisterModel::PayeeColumn)
                h.type(QStringLiteral("Bakery"));
            if (h.table()->currentIndex().column() == RegisterModel::PaymentColumn)
                h.type(QStringLiteral("3.50"));
            h.press(Qt::Key_Return);
        }
        visited.append(h.table()->currentIndex().column());
        QCOMPARE(visited, (QList<int>{0, 2, 3, 5, 6, 7}));
        QVERIFY(!h.table()->openEditor()); // Clr is toggled, never typed into
        QCOMPARE(h.fixture().liveTransactions(checking.id).size(), 0);

        h.press(Qt::Key_Return); // past the last cell: saved
        const QList<Transaction> stored = h.fixture().liveTransactions(checking.id);
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored[0].payee, QStringLiteral("Bakery"));
        QCOMPARE(stored[0].amount, qint64(-350));
    }

    void tabMovesWithinTheRowOnly()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        h.fixture().addTransaction(checking.id, QDate(2024, 1, 5), QStringLiteral("Shop"), -100);
        h.show(checking.id);
        const int newRow = h.model()->newRowPosition();

        h.goTo(newRow, RegisterModel::DepositColumn);
        h.press(Qt::Key_Tab);
        QCOMPARE(h.table()->currentIndex(), h.model()->index(newRow, RegisterModel::ClearedColumn));
        h.press(Qt::Key_Tab);
        QCOMPARE(h.table()->currentIndex(), h.model()->index(newRow, RegisterModel::ClearedColumn));

        h.goTo(newRow, RegisterModel::DateColumn);
        h.press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(h.table()->currentIndex(), h.model()->index(newRow, RegisterModel::DateColumn));

        // Tab out of an open editor keeps the typed text and opens the next cell.
        h.goTo(newRow, RegisterModel::PayeeColumn);
        h.press(Qt::Key_Return);
        h.type(QStringLiteral("Kiosk"));
        h.press(Qt::Key_Tab);
        QApplication::processEvents();
        QCOMPARE(h.model()->buffer().payee, QStringLiteral("Kiosk"));
        QCOMPARE(h.table()->currentIndex(), h.model()->index(newRow, RegisterModel::CategoryColumn));
        QVERIFY(h.table()->openEditor());
    }

    void arrowKeysNeverRestOnBalance()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        h.fixture().addTransaction(checking.id, QDate(2024, 1, 5), QStringLiteral("Shop"), -100);
        h.show(checking.id);
        h.goTo(0, RegisterModel::DepositColumn);
        h.press(Qt::Key_Right);
        h.press(Qt::Key_Right);
        QCOMPARE(h.table()->currentIndex().column(), int(RegisterModel::ClearedColumn));
        h.press(Qt::Key_End);
        QCOMPARE(h.table()->currentIndex().column(), int(RegisterModel::ClearedColumn));
    }

    void ctrlDDeletesButNeverTheOpeningBalance()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        QVERIFY(TransactionActions::setOpeningBalance(h.app(), checking.id, 10000, QDate(2024, 1, 1)));
        const Transaction shop = h.fixture().addTransaction(checking.id, QDate(2024, 1, 5), QStringLiteral("Shop"), -100);
        h.show(checking.id);

        h.goTo(h.model()->viewRowOfTransaction(shop.id), RegisterModel::PayeeColumn);
        h.press(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(h.prompts().messages.size(), 1);
        QCOMPARE(h.prompts().messages[0].kind, QStringLiteral("question"));
        QCOMPARE(h.fixture().liveTransactions(checking.id).size(), 1);
        QCOMPARE(h.model()->listRowCount(), 1);

        h.goTo(h.model()->viewRowOfTransaction(TransactionRepository::openingBalanceId(checking.id)),
            RegisterModel::PayeeColumn);
        h.press(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(h.prompts().messages.size(), 2);
        QCOMPARE(h.prompts().messages[1].kind, QStringLiteral("information"));
        QCOMPARE(h.fixture().liveTransactions(checking.id).size(), 1);
    }

    void ctrlDOnTheNewRowClearsIt()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        h.show(checking.id);
        h.press(Qt::Key_Return);
        h.press(Qt::Key_Return);
        h.press(Qt::Key_Return);
        h.type(QStringLiteral("Half typed"));
        h.press(Qt::Key_D, Qt::ControlModifier);
        QApplication::processEvents();
        QVERIFY(h.model()->buffer().payee.isEmpty());
        QCOMPARE(h.statusText(), QStringLiteral("Fields cleared"));
        QCOMPARE(h.table()->currentIndex().column(), int(RegisterModel::DateColumn));
        QVERIFY(h.table()->openEditor());
    }

    void ctrlMMemorizesIntoARule()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        const Category housing = h.fixture().addCategory(QStringLiteral("Housing"));
        const Transaction rent = addFull(h.fixture(), checking.id, QDate(2024, 3, 1), QStringLiteral("Rent"), -120000,
            housing.id, QStringLiteral("flat"));
        h.show(checking.id);
        QString title;
        h.prompts().steps = {inspect([&](QDialog *dialog) { title = dialog->windowTitle(); }, QDialog::Accepted)};

        h.goTo(h.model()->viewRowOfTransaction(rent.id), RegisterModel::PayeeColumn);
        h.press(Qt::Key_M, Qt::ControlModifier);

        QCOMPARE(title, QStringLiteral("Memorize Transaction"));
        const QList<RecurringTransaction> rules = h.app()->recurringRepository()->listAll();
        QCOMPARE(rules.size(), 1);
        QCOMPARE(rules[0].payee, QStringLiteral("Rent"));
        QCOMPARE(rules[0].amount, qint64(-120000));
        QCOMPARE(rules[0].categoryId, housing.id);
        QCOMPARE(rules[0].accountId, checking.id);
        QCOMPARE(rules[0].frequency, RecurringFrequency::Monthly);
        QCOMPARE(rules[0].startDate, QDate(2024, 3, 1));
        QCOMPARE(rules[0].nextDueDate, QDate(2024, 3, 1));
        QCOMPARE(rules[0].updatedAt, rules[0].createdAt);
        QCOMPARE(h.statusText(), QStringLiteral("Transaction memorized as recurring"));
    }

    void aFailedMemorizeKeepsTheForm()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        const Transaction rent = h.fixture().addTransaction(checking.id, QDate(2024, 3, 1), QStringLiteral("Rent"),
            -120000);
        h.show(checking.id);
        QVERIFY(h.fixture().failInsertsInto(QStringLiteral("recurring_transactions")));
        QString payeeOnReopen;
        h.prompts().steps = {[](QDialog *dialog) {
                                 findNamed<QLineEdit>(dialog, "payeeEdit")->setText(QStringLiteral("Rent, flat"));
                                 return int(QDialog::Accepted);
                             },
            inspect([&](QDialog *dialog) { payeeOnReopen = findNamed<QLineEdit>(dialog, "payeeEdit")->text(); })};
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("RecurringRepository.*forced failure")));

        h.screen()->memorizeRow(h.model()->viewRowOfTransaction(rent.id));
        QCOMPARE(h.prompts().dialogRuns, 2);
        QCOMPARE(payeeOnReopen, QStringLiteral("Rent, flat"));
        QCOMPARE(h.prompts().messages.size(), 1);
        QCOMPARE(h.prompts().messages[0].title, QStringLiteral("Save Failed"));
        QVERIFY2(h.prompts().messages[0].text.contains(
                     QStringLiteral("The recurring transaction could not be saved: forced failure.")),
            qPrintable(h.prompts().messages[0].text));
        QCOMPARE(h.fixture().countRows(QStringLiteral("SELECT COUNT(*) FROM recurring_transactions")), 0);
    }

    void memorizeRefusesOldDatesAndCancel()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        const Transaction old = h.fixture().addTransaction(checking.id, QDate(1999, 12, 31), QStringLiteral("Old"), -1);
        const Transaction recent = h.fixture().addTransaction(checking.id, QDate(2024, 1, 1), QStringLiteral("New"), -1);
        h.show(checking.id);

        h.goTo(h.model()->viewRowOfTransaction(old.id), RegisterModel::PayeeColumn);
        h.press(Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(h.statusText(), QStringLiteral("Cannot memorize: source transaction has an invalid date"));
        QCOMPARE(h.prompts().dialogRuns, 0);

        h.goTo(h.model()->viewRowOfTransaction(recent.id), RegisterModel::PayeeColumn);
        h.press(Qt::Key_M, Qt::ControlModifier); // the scripted prompts cancel
        QCOMPARE(h.prompts().dialogRuns, 1);
        QVERIFY(h.app()->recurringRepository()->listAll().isEmpty());
    }

    void typingOnACellKeepsEveryKey_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("twoLine");
        QTest::addColumn<QString>("typed");
        QTest::newRow("date") << int(RegisterModel::DateColumn) << false << "3/4/2024";
        QTest::newRow("check number") << int(RegisterModel::CheckNumberColumn) << false << "1042";
        QTest::newRow("payee") << int(RegisterModel::PayeeColumn) << false << "Bakery";
        QTest::newRow("payee and memo editor") << int(RegisterModel::PayeeColumn) << true << "Bakery";
        QTest::newRow("category") << int(RegisterModel::CategoryColumn) << false << "Nowhere";
        QTest::newRow("memo") << int(RegisterModel::MemoColumn) << false << "for the party";
        QTest::newRow("payment") << int(RegisterModel::PaymentColumn) << false << "12.50";
        QTest::newRow("deposit") << int(RegisterModel::DepositColumn) << false << "7";
    }

    // The first key on a closed cell opens its editor and lands in it.
    void typingOnACellKeepsEveryKey()
    {
        QFETCH(int, column);
        QFETCH(bool, twoLine);
        QFETCH(QString, typed);
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        h.app()->preferencesRepository()->setBool(QStringLiteral("registerTwoLine"), twoLine);
        h.show(checking.id);
        const int newRow = h.model()->newRowPosition();
        h.goTo(newRow, column);
        QVERIFY(!h.table()->openEditor());
        h.type(typed);
        QVERIFY(h.table()->openEditor());
        h.press(Qt::Key_Return);
        QCOMPARE(h.model()->bufferText(column), typed);
    }

    void keysOnARegisterWithoutListedRows_data()
    {
        QTest::addColumn<bool>("filteredOut");
        QTest::newRow("empty account") << false;
        QTest::newRow("filter hides every row") << true;
    }

    // Only the new row is listed: row keys find nothing to act on, and the
    // new row still saves.
    void keysOnARegisterWithoutListedRows()
    {
        QFETCH(bool, filteredOut);
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        if (filteredOut) {
            h.fixture().addTransaction(checking.id, QDate(2024, 1, 5), QStringLiteral("Shop"), -100);
            RegisterFilter hideAll;
            hideAll.cleared = true;
            h.app()->preferencesRepository()->set(RegisterFilter::preferenceKey(checking.id), hideAll.toJson());
        }
        h.show(checking.id);
        QCOMPARE(h.model()->listRowCount(), 0);
        QCOMPARE(h.model()->rowCount(), 1);

        for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
            h.table()->sortByColumn(column, Qt::DescendingOrder);
            h.screen()->reload();
        }
        h.table()->sortByColumn(RegisterModel::DateColumn, Qt::AscendingOrder);
        const QList<QPair<int, Qt::KeyboardModifiers>> keys = {{Qt::Key_Up, Qt::NoModifier},
            {Qt::Key_Down, Qt::NoModifier}, {Qt::Key_Apostrophe, Qt::NoModifier}, {Qt::Key_M, Qt::ControlModifier},
            {Qt::Key_Return, Qt::AltModifier}, {Qt::Key_D, Qt::ControlModifier}, {Qt::Key_Escape, Qt::NoModifier},
            {Qt::Key_Space, Qt::NoModifier}, {Qt::Key_Tab, Qt::NoModifier}, {Qt::Key_Backtab, Qt::ShiftModifier}};
        for (const auto &[key, modifiers] : keys) {
            h.goTo(0, RegisterModel::PayeeColumn);
            h.press(key, modifiers);
        }
        QCOMPARE(h.prompts().dialogRuns, 0);
        QVERIFY(h.prompts().messages.isEmpty());

        fillBuffer(h.model(), QStringLiteral("2/1/2024"), QStringLiteral("Cafe"), QStringLiteral("4.00"), QString());
        h.press(Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(h.fixture().liveTransactions(checking.id).size(), filteredOut ? 2 : 1);
        QCOMPARE(h.model()->listRowCount(), filteredOut ? 0 : 1);
    }

    void switchingAccountsMidEntryShowsTheNewAccount()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        const Account savings = h.fixture().addAccount(QStringLiteral("Savings"));
        h.fixture().addTransaction(checking.id, QDate(2024, 1, 5), QStringLiteral("Shop"), -100);
        h.show(checking.id);
        h.goTo(h.model()->newRowPosition(), RegisterModel::PayeeColumn);
        h.press(Qt::Key_Return);
        h.type(QStringLiteral("Half typed"));
        QVERIFY(h.table()->openEditor());

        h.screen()->setAccount(savings.id);
        QVERIFY(!h.table()->openEditor());
        QCOMPARE(h.model()->listRowCount(), 0);
        QVERIFY(h.model()->buffer().payee.isEmpty());
        h.press(Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(h.fixture().liveTransactions(savings.id).isEmpty());
        QCOMPARE(h.fixture().liveTransactions(checking.id).size(), 1);
    }

    void apostropheCopiesTheCellAbove()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        h.fixture().addTransaction(checking.id, QDate(2024, 1, 5), QStringLiteral("Gym"), -3000);
        h.show(checking.id);
        const int newRow = h.model()->newRowPosition();
        QCOMPARE(newRow, 1);

        h.goTo(newRow, RegisterModel::PayeeColumn);
        h.press(Qt::Key_Apostrophe);
        QCOMPARE(h.model()->buffer().payee, QStringLiteral("Gym"));
        h.goTo(newRow, RegisterModel::PaymentColumn);
        h.press(Qt::Key_Apostrophe);
        QCOMPARE(h.model()->buffer().payment, QStringLiteral("30.00"));

        // With the newest first the new row is on top: nothing above it.
        h.table()->sortByColumn(RegisterModel::DateColumn, Qt::DescendingOrder);
        h.goTo(0, RegisterModel::MemoColumn);
        h.press(Qt::Key_Apostrophe);
        QVERIFY(h.model()->buffer().memo.isEmpty());
    }

    void categoryIdFollowsTheTypedText_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("retyped"); // "'" copies the cell above
        QTest::addColumn<QString>("expected"); // category name, empty for none
        QTest::newRow("kept choice") << "Food" << "" << "Food";
        QTest::newRow("cleared text") << "Food" << "<clear>" << "";
        QTest::newRow("retyped name") << "Food" << "Travel" << "Travel";
        // Text naming no category is not saved as no category: the row waits.
        QTest::newRow("unknown name") << "Food" << "Nothing like it" << "<refused>";
        QTest::newRow("copied from above") << "Food" << "'" << "Travel";
        QTest::newRow("child by its full label") << "Home > Garden" << "" << "Garden";
    }

    void categoryIdFollowsTheTypedText()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, retyped);
        QFETCH(QString, expected);
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        h.fixture().addCategory(QStringLiteral("Food"));
        const Category travel = h.fixture().addCategory(QStringLiteral("Travel"));
        const Category home = h.fixture().addCategory(QStringLiteral("Home"));
        h.fixture().addCategory(QStringLiteral("Garden"), home.id);
        addFull(h.fixture(), checking.id, QDate(2024, 1, 1), QStringLiteral("Airline"), -100, travel.id);
        h.show(checking.id);
        const int newRow = h.model()->newRowPosition();

        h.goTo(newRow, RegisterModel::CategoryColumn);
        h.press(Qt::Key_Return);
        h.type(chosen);
        if (QApplication::activePopupWidget())
            h.press(Qt::Key_Return);
        h.press(Qt::Key_Return); // on to Memo
        QVERIFY(!h.model()->buffer().categoryId.isEmpty());

        h.goTo(newRow, RegisterModel::CategoryColumn);
        if (retyped == QLatin1String("'")) {
            h.press(Qt::Key_Apostrophe);
        } else if (!retyped.isEmpty()) {
            h.press(Qt::Key_Return);
            auto *combo = qobject_cast<QComboBox *>(h.table()->openEditor());
            QVERIFY(combo);
            combo->lineEdit()->selectAll();
            h.press(Qt::Key_Backspace);
            if (retyped != QLatin1String("<clear>"))
                h.type(retyped);
            if (QApplication::activePopupWidget())
                h.press(Qt::Key_Escape);
            h.press(Qt::Key_Return);
        }
        fillBuffer(h.model(), QStringLiteral("2/1/2024"), QStringLiteral("Payee"), QStringLiteral("1"), QString());
        h.screen()->commitCurrentRow();

        const std::optional<Transaction> stored =
            findByPayee(h.fixture().liveTransactions(checking.id), QStringLiteral("Payee"));
        if (expected == QLatin1String("<refused>")) {
            QVERIFY(!stored);
            QCOMPARE(h.model()->buffer().category, retyped);
            QVERIFY(h.statusText().contains(retyped));
            return;
        }
        QVERIFY(stored);
        const std::optional<Category> category = h.app()->categoryRepository()->findById(stored->categoryId);
        QCOMPARE(category ? category->name : QString(), expected);
    }

    void payeeAutofillTakesTheLastTransaction()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        const Account other = h.fixture().addAccount(QStringLiteral("Other"));
        const Category food = h.fixture().addCategory(QStringLiteral("Food"));
        addFull(h.fixture(), checking.id, QDate(2024, 1, 1), QStringLiteral("Corner Shop"), -1000, QString(),
            QStringLiteral("old"));
        addFull(h.fixture(), checking.id, QDate(2024, 2, 1), QStringLiteral("Corner Shop"), -2550, food.id,
            QStringLiteral("weekly"));
        addFull(h.fixture(), other.id, QDate(2024, 3, 1), QStringLiteral("Corner Shop"), 999);
        h.show(checking.id);
        const int newRow = h.model()->newRowPosition();

        h.goTo(newRow, RegisterModel::DepositColumn);
        h.press(Qt::Key_Return);
        h.type(QStringLiteral("7.00"));
        h.goTo(newRow, RegisterModel::PayeeColumn);
        h.press(Qt::Key_Return);
        h.type(QStringLiteral("Corner Shop"));
        if (QApplication::activePopupWidget())
            h.press(Qt::Key_Escape);
        h.press(Qt::Key_Return);

        const RegisterModel::EditBuffer &buffer = h.model()->buffer();
        QCOMPARE(buffer.payment, QStringLiteral("25.50"));
        QVERIFY(buffer.deposit.isEmpty());
        QCOMPARE(buffer.category, QStringLiteral("Food"));
        QCOMPARE(buffer.categoryId, food.id);
        QCOMPARE(buffer.memo, QStringLiteral("weekly"));

        // The completer's choice replaces what was typed the same way.
        h.model()->buffer().payment.clear();
        h.model()->buffer().deposit = QStringLiteral("1.00");
        h.screen()->autofillFromPayee(newRow, QStringLiteral("Corner Shop"));
        QCOMPARE(buffer.payment, QStringLiteral("25.50"));
        QVERIFY(buffer.deposit.isEmpty());
    }

    void passingThroughTheCategoryCellKeepsTheStoredCategory_data()
    {
        QTest::addColumn<bool>("autofill");
        QTest::newRow("autofilled from the payee") << true;
        QTest::newRow("soft-deleted category of an existing row") << false;
    }

    // Return through every cell of the row, changing nothing in the
    // category cell, then save.
    void passingThroughTheCategoryCellKeepsTheStoredCategory()
    {
        QFETCH(bool, autofill);
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        const Category housing = h.fixture().addCategory(QStringLiteral("Housing"));
        h.fixture().addCategory(QStringLiteral("Maintenance"), housing.id);
        const Category transport = h.fixture().addCategory(QStringLiteral("Transportation"));
        const Category car = h.fixture().addCategory(QStringLiteral("Maintenance"), transport.id);
        const Transaction last = addFull(h.fixture(), checking.id, QDate(2024, 1, 1), QStringLiteral("Garage"), -5000,
            car.id);
        if (!autofill)
            QVERIFY(h.app()->categoryRepository()->softDelete(car.id));
        h.show(checking.id);

        const int row = autofill ? h.model()->newRowPosition() : h.model()->viewRowOfTransaction(last.id);
        h.goTo(row, RegisterModel::PayeeColumn);
        h.press(Qt::Key_Return);
        if (autofill) {
            h.type(QStringLiteral("Garage"));
            if (QApplication::activePopupWidget())
                h.press(Qt::Key_Escape);
        }
        // Past the last cell Return saves the row and the cursor moves on.
        for (int step = 0; step < 10 && h.table()->currentIndex().row() == row; ++step)
            h.press(Qt::Key_Return);

        const QList<Transaction> stored = h.fixture().liveTransactions(checking.id);
        QCOMPARE(stored.size(), autofill ? 2 : 1);
        for (const Transaction &transaction : stored)
            QCOMPARE(transaction.categoryId, car.id);
    }

    void payeeCompletionOffersOtherAccountsAsTransfers()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        h.fixture().addAccount(QStringLiteral("Savings"));
        h.fixture().addTransaction(checking.id, QDate(2024, 1, 1), QStringLiteral("Bakery"), -1);
        h.show(checking.id);
        const QStringList payees = h.screen()->delegate()->payeeModel()->stringList();
        QVERIFY(payees.contains(QStringLiteral("Bakery")));
        QVERIFY(payees.contains(QStringLiteral("[Transfer] Savings")));
        QVERIFY(!payees.contains(QStringLiteral("[Transfer] Checking")));

        // A new payee is offered once the transactions changed.
        h.fixture().addTransaction(checking.id, QDate(2024, 1, 2), QStringLiteral("Butcher"), -1);
        QVERIFY(h.screen()->delegate()->payeeModel()->stringList().contains(QStringLiteral("Butcher")));
    }

    void editingAnExistingRow()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        const Transaction first = h.fixture().addTransaction(checking.id, QDate(2024, 1, 1), QStringLiteral("A"), -100);
        const Transaction second = h.fixture().addTransaction(checking.id, QDate(2024, 1, 2), QStringLiteral("B"), -200);
        QAbstractItemModelTester tester(h.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        h.show(checking.id);
        const int row = h.model()->viewRowOfTransaction(first.id);

        h.goTo(row, RegisterModel::PayeeColumn);
        QCOMPARE(h.model()->editingRow(), row);
        h.press(Qt::Key_Return);
        qobject_cast<QLineEdit *>(h.focused())->selectAll();
        h.type(QStringLiteral("Alpha"));
        h.press(Qt::Key_Return, Qt::ControlModifier);

        const Transaction stored = h.app()->transactionRepository()->findById(first.id).value();
        QCOMPARE(stored.payee, QStringLiteral("Alpha"));
        QCOMPARE(stored.amount, qint64(-100));
        QCOMPARE(stored.version, first.version + 1);
        QCOMPARE(stored.syncStatus, SyncStatus::Pending);
        // The row below becomes the one under edit.
        const int below = h.model()->viewRowOfTransaction(second.id);
        QCOMPARE(h.table()->currentIndex().row(), below);
        QCOMPARE(h.model()->editingRow(), below);
        QCOMPARE(h.cellText(row, RegisterModel::PayeeColumn), QStringLiteral("Alpha"));
    }

    // The register's rows are a copy: a commit made from it writes nothing
    // when the row changed or went away meanwhile, or its account was
    // deleted; it says so and shows what is stored.
    void commitsFromAStaleCopyWriteNothing_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("title");
        QTest::newRow("edited row, changed elsewhere") << "existing" << "changed" << "Transaction Changed";
        QTest::newRow("edited row, deleted elsewhere") << "existing" << "deleted" << "Transaction Changed";
        QTest::newRow("edited row, account deleted") << "existing" << "account deleted" << "Account Deleted";
        QTest::newRow("new row, account deleted") << "new" << "account deleted" << "Account Deleted";
        // Refused before any write, as for any unknown account.
        QTest::newRow("new transfer, other account deleted") << "transfer" << "other account deleted" << QString();
    }

    void commitsFromAStaleCopyWriteNothing()
    {
        QFETCH(QString, row);
        QFETCH(QString, change);
        QFETCH(QString, title);

        RegisterHarness h;
        TransactionRepository *transactions = h.app()->transactionRepository();
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        const Account savings = h.fixture().addAccount(QStringLiteral("Savings"));
        const Transaction shown = h.fixture().addTransaction(checking.id, QDate(2024, 1, 1), QStringLiteral("A"), -100);
        h.show(checking.id);

        if (change == QLatin1String("changed")) {
            Transaction other = shown;
            other.amount = -5555;
            markEdited(other);
            QVERIFY(transactions->update(other));
        } else if (change == QLatin1String("deleted")) {
            QVERIFY(transactions->softDelete(shown.id));
        } else if (change == QLatin1String("account deleted")) {
            QCOMPARE(h.app()->accountOperations()->deleteAccount(checking.id), WriteResult::Written);
        } else {
            QCOMPARE(h.app()->accountOperations()->deleteAccount(savings.id), WriteResult::Written);
        }
        const QString before = h.fixture().tableDump(QStringLiteral("transactions"));

        if (row == QLatin1String("existing")) {
            h.goTo(h.model()->viewRowOfTransaction(shown.id), RegisterModel::MemoColumn);
            h.model()->buffer().memo = QStringLiteral("typed memo");
        } else {
            fillBuffer(h.model(), QStringLiteral("2/1/2024"),
                row == QLatin1String("transfer") ? QStringLiteral("[Transfer] Savings") : QStringLiteral("Shop"),
                QStringLiteral("40"), QString());
        }
        h.screen()->commitCurrentRow();

        QCOMPARE(h.fixture().tableDump(QStringLiteral("transactions")), before);
        QCOMPARE(h.prompts().messages.size(), title.isEmpty() ? 0 : 1);
        if (!title.isEmpty())
            QCOMPARE(h.prompts().messages.at(0).title, title);
        else
            QVERIFY(h.statusText().contains(QStringLiteral("Transfer account not found")));
        if (change == QLatin1String("changed"))
            QCOMPARE(h.cellText(h.model()->viewRowOfTransaction(shown.id), RegisterModel::PaymentColumn),
                QStringLiteral("55.55"));
        if (change == QLatin1String("deleted"))
            QCOMPARE(h.model()->viewRowOfTransaction(shown.id), -1);
        // A new row typed into a live account keeps what was typed.
        if (row == QLatin1String("transfer"))
            QCOMPARE(h.model()->buffer().payment, QStringLiteral("40"));
    }

    void editingTheOpeningBalanceAsksForTheAccount()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        QVERIFY(TransactionActions::setOpeningBalance(h.app(), checking.id, 5000, QDate(2024, 1, 1)));
        h.show(checking.id);
        QSignalSpy editAccount(h.screen(), &RegisterScreen::editAccountRequested);
        const int row = h.model()->viewRowOfTransaction(TransactionRepository::openingBalanceId(checking.id));
        h.goTo(row, RegisterModel::PaymentColumn);
        h.model()->buffer().deposit = QStringLiteral("99.00");
        h.screen()->commitCurrentRow();
        QCOMPARE(editAccount.size(), 1);
        QCOMPARE(h.fixture().liveTransactions(checking.id).value(0).amount, qint64(5000));
    }

    // Another program holds the write lock while a row is saved: the save
    // waits for it within the busy time-out and goes through once it is let
    // go; held past the time-out, the save fails, says why, and keeps the
    // typed row.
    void savingWhileAnotherProgramHoldsTheLock_data()
    {
        QTest::addColumn<int>("holdMs");
        QTest::addColumn<int>("busyTimeoutMs");
        QTest::addColumn<bool>("saved");
        QTest::newRow("let go within the time-out") << 1500 << 60000 << true;
        QTest::newRow("held past the time-out") << -1 << 300 << false;
    }

    void savingWhileAnotherProgramHoldsTheLock()
    {
        QFETCH(int, holdMs);
        QFETCH(int, busyTimeoutMs);
        QFETCH(bool, saved);
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        h.show(checking.id);
        sqlite3_busy_timeout(h.app()->database()->nativeHandle(), busyTimeoutMs);

        LockHolder other(h.app()->database()->db()->databaseName(), holdMs);
        QVERIFY(other.isHolding());
        if (!saved)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot begin")));
        fillBuffer(h.model(), QStringLiteral("2/1/2024"), QStringLiteral("Corner Shop"), QStringLiteral("12.50"),
            QString());
        h.screen()->commitCurrentRow();
        QVERIFY(other.release());

        QCOMPARE(h.fixture().liveTransactions(checking.id).size(), saved ? 1 : 0);
        if (!saved) {
            QCOMPARE(h.statusText(), QStringLiteral("The transaction could not be saved: the data is in use by "
                                                    "another program. Your entries are still in the row."));
            QCOMPARE(h.model()->buffer().payee, QStringLiteral("Corner Shop"));
            QCOMPARE(h.model()->buffer().payment, QStringLiteral("12.50"));
        }
    }

    void failedCommitsKeepTheTypedRow()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        const Account savings = h.fixture().addAccount(QStringLiteral("Savings"));
        const Transaction existing = h.fixture().addTransaction(checking.id, QDate(2024, 1, 1), QStringLiteral("A"), -100);
        h.show(checking.id);
        // Inserts into the register's own account fail; the mirrored leg of
        // a transfer is written first and must not stay behind.
        QVERIFY(h.fixture().execSql(QStringLiteral("CREATE TEMP TRIGGER fail_checking BEFORE INSERT ON transactions "
                                                   "WHEN NEW.account_id = '%1' BEGIN SELECT RAISE(ABORT, 'forced'); END")
                                        .arg(checking.id)));
        QVERIFY(h.fixture().execSql(QStringLiteral("CREATE TEMP TRIGGER fail_update BEFORE UPDATE ON transactions "
                                                   "BEGIN SELECT RAISE(ABORT, 'forced'); END")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("failed")));

        fillBuffer(h.model(), QStringLiteral("2/1/2024"), QStringLiteral("[Transfer] Savings"), QStringLiteral("40"),
            QString());
        h.screen()->commitCurrentRow();
        QCOMPARE(h.fixture().liveTransactions(savings.id).size(), 0);
        QCOMPARE(h.fixture().liveTransactions(checking.id).size(), 1);
        QCOMPARE(h.model()->buffer().payee, QStringLiteral("[Transfer] Savings"));
        QCOMPARE(h.model()->buffer().payment, QStringLiteral("40"));
        QVERIFY(h.statusText().contains(QStringLiteral("could not be saved")));
        QVERIFY2(h.statusText().contains(QStringLiteral("forced")), qPrintable(h.statusText()));

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("failed")));
        const int row = h.model()->viewRowOfTransaction(existing.id);
        h.goTo(row, RegisterModel::PayeeColumn);
        h.model()->buffer().payee = QStringLiteral("Renamed");
        h.screen()->commitCurrentRow();
        QCOMPARE(h.model()->editingRow(), row);
        QCOMPARE(h.model()->buffer().payee, QStringLiteral("Renamed"));
        QCOMPARE(h.app()->transactionRepository()->findById(existing.id)->payee, QStringLiteral("A"));
    }

    void dialogCommandsFromTheKeyboard()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        const Transaction shop = h.fixture().addTransaction(checking.id, QDate(2024, 1, 1), QStringLiteral("Shop"), -100);
        h.show(checking.id);
        const int newRow = h.model()->newRowPosition();
        QStringList seen;
        const auto look = [&seen](QDialog *dialog) {
            auto *payee = findNamed<QLineEdit>(dialog, "payeeEdit");
            seen.append(dialog->metaObject()->className() + (payee ? QStringLiteral(":") + payee->text() : QString()));
        };

        // Ctrl+E on the new row hands what was typed to the form.
        h.model()->buffer().payee = QStringLiteral("  Typed payee ");
        h.goTo(newRow, RegisterModel::PayeeColumn);
        h.prompts().steps = {inspect(look)};
        h.press(Qt::Key_E, Qt::ControlModifier);
        // Ctrl+E and Alt+Return on a transaction row.
        h.goTo(h.model()->viewRowOfTransaction(shop.id), RegisterModel::MemoColumn);
        h.prompts().steps = {inspect(look), inspect(look)};
        h.press(Qt::Key_E, Qt::ControlModifier);
        h.press(Qt::Key_Return, Qt::AltModifier);
        QCOMPARE(seen, (QStringList{QStringLiteral("TransactionFormDialog:Typed payee"),
                           QStringLiteral("TransactionFormDialog:Shop"), QStringLiteral("TransactionDetailsDialog")}));

        // Ctrl+I starts a blank new row with its date open.
        h.model()->buffer().payee = QStringLiteral("leftover");
        h.press(Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(h.table()->currentIndex(), h.model()->index(newRow, RegisterModel::DateColumn));
        QVERIFY(h.model()->buffer().payee.isEmpty());
        QCOMPARE(h.model()->editingRow(), -1);
        QVERIFY(qobject_cast<SmartDateEdit *>(h.table()->openEditor()));
    }

    void mouseClicksEditAndToggle()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        const Transaction shop = h.fixture().addTransaction(checking.id, QDate(2024, 1, 1), QStringLiteral("Shop"), -100);
        h.show(checking.id);
        const int row = h.model()->viewRowOfTransaction(shop.id);
        QWidget *viewport = h.table()->viewport();
        const auto centre = [&](int column) { return h.table()->visualRect(h.model()->index(row, column)).center(); };

        QTest::mouseClick(viewport, Qt::LeftButton, {}, centre(RegisterModel::PayeeColumn));
        QApplication::processEvents();
        QCOMPARE(h.model()->editingRow(), row);
        QVERIFY(h.table()->openEditor());

        QTest::mouseClick(viewport, Qt::LeftButton, {}, centre(RegisterModel::ClearedColumn));
        QApplication::processEvents();
        QVERIFY(h.app()->transactionRepository()->findById(shop.id)->cleared);

        QTest::mouseClick(viewport, Qt::LeftButton, {}, centre(RegisterModel::BalanceColumn));
        QApplication::processEvents();
        QVERIFY(!h.table()->openEditor());
    }

    void splitRowsKeepTheirAmountsAndCategory()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        Transaction split = h.fixture().addTransaction(checking.id, QDate(2024, 1, 1), QStringLiteral("Market"), -900);
        split.isSplit = true;
        QVERIFY(h.app()->transactionRepository()->update(split));
        h.show(checking.id);
        const int row = h.model()->viewRowOfTransaction(split.id);

        h.goTo(row, RegisterModel::CategoryColumn);
        QCOMPARE(h.cellText(row, RegisterModel::CategoryColumn), QStringLiteral("—Split—"));
        h.press(Qt::Key_Return);
        QCOMPARE(h.table()->currentIndex().column(), int(RegisterModel::MemoColumn));
        h.goTo(row, RegisterModel::PaymentColumn);
        h.press(Qt::Key_Return);
        QCOMPARE(h.table()->currentIndex().column(), int(RegisterModel::DepositColumn));
        QVERIFY(!h.table()->openEditor());

        // A double click on its category opens the whole transaction in the form.
        const QPoint centre = h.table()->visualRect(h.model()->index(row, RegisterModel::CategoryColumn)).center();
        QTest::mouseClick(h.table()->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(h.table()->viewport(), Qt::LeftButton, {}, centre);
        QApplication::processEvents();
        QCOMPARE(h.prompts().dialogRuns, 1);
    }

    void theOpeningBalanceRowOffersNoWrites()
    {
        RegisterHarness h;
        const Account legacy = h.fixture().addAccount(QStringLiteral("Legacy"), AccountType::Checking, Currency::USD,
            70000);
        h.fixture().addTransaction(legacy.id, QDate(2024, 1, 2), QStringLiteral("Shop"), -100);
        h.show(legacy.id);
        const int row = 0;
        QVERIFY(h.model()->rowAt(row).transaction.id.isEmpty());

        QStringList texts;
        QTimer::singleShot(0, [&texts] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction *action : menu->actions()) {
                if (!action->isSeparator())
                    texts.append(action->text());
            }
            menu->close();
        });
        h.screen()->onContextMenu(h.table()->visualRect(h.model()->index(row, 2)).center());
        QCOMPARE(texts, (QStringList{"&Insert New", "&New Transaction...", "Show &Details..."}));

        // The same commands from keys and clicks, and the actions themselves.
        h.screen()->editRowInDialog(row);
        h.screen()->duplicateRow(row);
        h.screen()->memorizeRow(row);
        h.screen()->toggleClearedAt(row);
        const Transaction synthetic = h.model()->rowAt(row).transaction;
        QVERIFY(!TransactionActions::editTransaction(h.app(), synthetic));
        QVERIFY(!TransactionActions::editSplits(h.app(), synthetic));
        QVERIFY(!TransactionActions::duplicateTransaction(h.app(), synthetic));
        QVERIFY(!TransactionActions::toggleCleared(h.app(), synthetic));
        QCOMPARE(h.prompts().dialogRuns, 0);
        QCOMPARE(h.fixture().liveTransactions(legacy.id).size(), 1);
        QCOMPARE(h.fixture().countRows(QStringLiteral("SELECT COUNT(*) FROM recurring_transactions")), 0);
        QCOMPARE(h.app()->accountRepository()->findById(legacy.id)->startingBalance, qint64(70000));
    }

    void contextMenuOffersTheRowCommands()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        const Transaction shop = h.fixture().addTransaction(checking.id, QDate(2024, 1, 1), QStringLiteral("Shop"), -100);
        h.show(checking.id);
        QStringList texts;
        // Runs inside the menu's loop: reads it and marks the row cleared.
        QTimer::singleShot(0, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            QAction *mark = nullptr;
            for (QAction *action : menu->actions()) {
                if (!action->isSeparator())
                    texts.append(action->text());
                if (action->text() == QLatin1String("Mark &Cleared"))
                    mark = action;
            }
            menu->close();
            if (mark)
                mark->trigger();
        });
        const int row = h.model()->viewRowOfTransaction(shop.id);
        h.screen()->onContextMenu(h.table()->visualRect(h.model()->index(row, 2)).center());
        QCOMPARE(texts, (QStringList{"&Insert New", "&New Transaction...", "Show &Details...", "&Split Transaction...",
                            "&Edit in Dialog...", "D&uplicate...", "Mark &Cleared", "&Delete"}));
        const Transaction stored = h.app()->transactionRepository()->findById(shop.id).value();
        QVERIFY(stored.cleared);
        QCOMPARE(stored.version, shop.version + 1);
    }

    void clickOnClrTogglesTheMark()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        const Transaction shop = h.fixture().addTransaction(checking.id, QDate(2024, 1, 1), QStringLiteral("A"), -100);
        h.show(checking.id);
        const int row = h.model()->viewRowOfTransaction(shop.id);
        h.goTo(row, RegisterModel::ClearedColumn);
        h.press(Qt::Key_Space);
        QVERIFY(h.app()->transactionRepository()->findById(shop.id)->cleared);
        QCOMPARE(h.cellText(row, RegisterModel::ClearedColumn), QStringLiteral("C"));

        const int newRow = h.model()->newRowPosition();
        h.goTo(newRow, RegisterModel::ClearedColumn);
        h.press(Qt::Key_C);
        QCOMPARE(h.model()->buffer().clearedMark, QStringLiteral("C"));
        h.press(Qt::Key_C);
        QVERIFY(h.model()->buffer().clearedMark.isEmpty());
    }
};

TALLYRA_TEST(TestRegisterScreen)
#include "test_registerscreen.moc"
