#include "registerharness.h"
#include "support/testmain.h"

#include "data/transactionrepository.h"
#include "register/datefield.h"
#include "register/dateentry.h"
#include "register/registerloader.h"
#include "register/smartamountfield.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>

namespace {

// The transaction of the current cell, or "new row".
QString currentPlace(RegisterHarness &h)
{
    const QModelIndex current = h.table()->currentIndex();
    if (!current.isValid())
        return QStringLiteral("none");
    if (h.model()->isNewRow(current.row()))
        return QStringLiteral("new row, column %1").arg(current.column());
    return QStringLiteral("%1, column %2").arg(h.model()->rowAt(current.row()).transaction.id).arg(current.column());
}

// The rows listed right now that are transactions: each must come out of a
// full read exactly as shown, balance included.
QStringList transactionLines(const QStringList &lines)
{
    QStringList result;
    for (const QString &line : lines) {
        if (line != QLatin1String("new row") && line != QLatin1String("a row not read")
            && !line.startsWith(QLatin1String("sums ")))
            result.append(line);
    }
    return result;
}

} // namespace

// Changes made while the rest of a large account is still being read: the
// window never waits for the read (the read is held at a gate the test
// opens only afterwards), a change that touches only rows already listed
// shows at once, any other when the rows arrive, and the end is what one
// read of the whole account shows, with the cursor where the user left it.
class TestRegisterReading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { clearRegisterSettings(); }

    void changesDuringTheReadEndLikeAFullRead_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("showsAtOnce");
        QTest::newRow("save a new row among the rows read") << QStringLiteral("save newest") << true;
        QTest::newRow("save a new row among the rows not read") << QStringLiteral("save earlier") << false;
        QTest::newRow("edit a row read") << QStringLiteral("edit read") << true;
        QTest::newRow("edit a row read into the rows not read") << QStringLiteral("edit into earlier") << false;
        QTest::newRow("edit a row in the form into the rows not read") << QStringLiteral("form") << false;
        QTest::newRow("edit a row not read, from search") << QStringLiteral("search") << false;
        QTest::newRow("delete a row read") << QStringLiteral("delete") << true;
    }

    void changesDuringTheReadEndLikeAFullRead()
    {
        QFETCH(QString, change);
        QFETCH(bool, showsAtOnce);
        ReadGate gate;
        RegisterHarness h;
        AppFixture &f = h.fixture();
        const Account small = f.addAccount(QStringLiteral("Small"));
        const Account big = f.addAccount(QStringLiteral("Big"), AccountType::Checking, Currency::USD, 2500, 1);
        f.addTransaction(small.id, QDate(2024, 1, 2), QStringLiteral("Coffee"), -300);
        QVERIFY(addGeneratedRows(f, big.id, 3000, 4, 1));
        h.show(small.id);
        QAbstractItemModelTester tester(h.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        h.screen()->loader()->reader()->setGate(gate.gate());

        h.screen()->setAccount(big.id);
        QVERIFY(gate.waitForArrival());
        QVERIFY(h.screen()->readingEarlierRows());
        const int newest = h.model()->newRowPosition() - 1;
        const Transaction read = h.model()->rowAt(newest).transaction;
        QVERIFY(!read.id.isEmpty());

        if (change == QLatin1String("save newest") || change == QLatin1String("save earlier")) {
            const QDate date = change == QLatin1String("save newest") ? read.date : QDate(2020, 6, 1);
            h.goTo(h.model()->newRowPosition(), RegisterModel::DateColumn);
            fillBuffer(h.model(), entryDateText(date), QStringLiteral("Florist"), QStringLiteral("25.00"), QString());
            h.press(Qt::Key_Return, Qt::ControlModifier);
            QCOMPARE(f.countRows(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE payee = 'Florist'")), 1);
        } else if (change == QLatin1String("edit read") || change == QLatin1String("edit into earlier")) {
            h.goTo(newest, RegisterModel::PaymentColumn);
            h.model()->buffer().payment = QStringLiteral("12.34");
            h.model()->buffer().deposit.clear();
            if (change == QLatin1String("edit into earlier"))
                h.model()->buffer().date = entryDateText(QDate(2020, 3, 3));
            h.press(Qt::Key_Return, Qt::ControlModifier);
            QCOMPARE(h.app()->transactionRepository()->findById(read.id)->amount, qint64(-1234));
        } else if (change == QLatin1String("form")) {
            h.prompts().steps = {[](QDialog *dialog) {
                findNamed<SmartAmountField>(dialog, "amountField")->setMinorUnits(4321);
                findNamed<DateField>(dialog, "dateField")->setDate(QDate(2020, 2, 2));
                return int(QDialog::Accepted);
            }};
            h.screen()->editRowInDialog(newest);
            QCOMPARE(h.app()->transactionRepository()->findById(read.id)->date, QDate(2020, 2, 2));
        } else if (change == QLatin1String("search")) {
            // Written by another window, which tells the register to reload.
            Transaction early = h.app()->transactionRepository()->findById(big.id + QStringLiteral("-000000")).value();
            early.amount = 99999;
            early.version += 1;
            early.syncStatus = SyncStatus::Pending;
            early.updatedAt = QDateTime::currentDateTimeUtc();
            QVERIFY(h.app()->transactionRepository()->update(early));
            h.screen()->reload();
            QVERIFY(gate.waitForArrival());
        } else {
            h.screen()->deleteRow(newest);
            QVERIFY(h.app()->transactionRepository()->findById(read.id)->deletedAt);
        }
        // The window's thread came back while the read is still held.
        QVERIFY(h.screen()->readingEarlierRows());
        const QStringList duringRead = registerLines(*h.model());
        // The user goes on to a row already listed: it stays current.
        h.goTo(h.model()->newRowPosition() - 3, RegisterModel::PayeeColumn);
        const QString place = currentPlace(h);

        gate.open();
        QTRY_VERIFY_WITH_TIMEOUT(!h.screen()->readingEarlierRows(), 60000);
        const QStringList afterRead = registerLines(*h.model());
        QCOMPARE(currentPlace(h), place);
        QVERIFY(!afterRead.contains(QStringLiteral("a row not read")));

        h.screen()->reload();
        QVERIFY(!h.screen()->readingEarlierRows());
        QCOMPARE(afterRead, registerLines(*h.model()));
        const QStringList full = registerLines(*h.model());
        // Shown at once: every row listed during the read was right then.
        if (showsAtOnce) {
            for (const QString &line : transactionLines(duringRead))
                QVERIFY2(full.contains(line), qPrintable(line));
            QCOMPARE(duringRead.last(), full.last());
        }
        if (change.startsWith(QLatin1String("save")))
            QVERIFY(full.join(QLatin1Char('\n')).contains(QLatin1String(" Florist -2500 ")));
    }

    // Rows that arrive while a cell editor is open leave the typing alone,
    // also when a change kept for them goes in place at the same time.
    void typingSurvivesTheRowsArriving()
    {
        ReadGate gate;
        RegisterHarness h;
        AppFixture &f = h.fixture();
        const Account big = f.addAccount(QStringLiteral("Big"));
        QVERIFY(addGeneratedRows(f, big.id, 3000, 4, 1));
        const Account small = f.addAccount(QStringLiteral("Small"), AccountType::Checking, Currency::USD, 0, 1);
        h.show(small.id);
        h.screen()->loader()->reader()->setGate(gate.gate());
        h.screen()->setAccount(big.id);
        QVERIFY(gate.waitForArrival());

        h.goTo(h.model()->newRowPosition(), RegisterModel::DateColumn);
        fillBuffer(h.model(), entryDateText(QDate(2020, 6, 1)), QStringLiteral("Florist"), QStringLiteral("25.00"),
            QString());
        h.press(Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(h.screen()->readingEarlierRows());
        h.goTo(h.model()->newRowPosition(), RegisterModel::PayeeColumn);
        h.press(Qt::Key_Return);
        auto *editor = qobject_cast<QLineEdit *>(h.table()->openEditor());
        QVERIFY(editor);
        h.type(QStringLiteral("Bake"));

        gate.open();
        QTRY_VERIFY_WITH_TIMEOUT(!h.screen()->readingEarlierRows(), 60000);
        QApplication::processEvents();
        QCOMPARE(h.table()->openEditor(), editor);
        QCOMPARE(editor->text(), QStringLiteral("Bake"));
        QVERIFY(h.model()->isNewRow(h.table()->currentIndex().row()));
        QVERIFY(registerLines(*h.model()).join(QLatin1Char('\n')).contains(QLatin1String(" Florist -2500 ")));
    }

    // Closing the register lets its read go before waiting for the
    // thread: the thread held at the gate leaves it because of that.
    void closingStopsTheRead()
    {
        ReadGate gate;
        RegisterHarness h;
        AppFixture &f = h.fixture();
        const Account big = f.addAccount(QStringLiteral("Big"));
        QVERIFY(addGeneratedRows(f, big.id, 3000, 4, 1));
        h.screen()->loader()->reader()->setGate(gate.gate());
        h.show(big.id);
        QVERIFY(gate.waitForArrival());
        QVERIFY(h.screen()->readingEarlierRows());
        h.closeScreen();
        QCOMPARE(gate.leftStale(), 1);
    }
};

TALLYRA_TEST(TestRegisterReading)
#include "test_registerreading.moc"
