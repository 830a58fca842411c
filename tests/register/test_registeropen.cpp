#include "registerharness.h"
#include "support/testmain.h"

#include "data/transactionrepository.h"
#include "register/dateentry.h"
#include "register/registerloader.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>

#include <limits>

namespace {

// What the window shows: the visible cells as painted, the scroll position,
// the current cell and the header's sums.
QStringList screenful(RegisterHarness &h)
{
    RegisterTableView *table = h.table();
    const QAbstractItemModel *model = table->model();
    QStringList lines;
    lines.append(QStringLiteral("rows %1 scrolled to %2 current %3,%4")
                     .arg(model->rowCount())
                     .arg(table->verticalScrollBar()->value())
                     .arg(table->currentIndex().row())
                     .arg(table->currentIndex().column()));
    const int first = table->rowAt(0);
    int last = table->rowAt(table->viewport()->height() - 1);
    if (last < 0)
        last = model->rowCount() - 1;
    for (int row = qMax(0, first); row <= last; ++row) {
        QStringList cells;
        for (int column = 0; column < RegisterModel::ColumnCount; ++column)
            cells.append(model->index(row, column).data().toString());
        lines.append(cells.join(QLatin1Char('|')));
    }
    for (const char *name : {"clearedValue", "unclearedValue", "balanceValue"})
        lines.append(h.screen()->findChild<QLabel *>(QLatin1String(name))->text());
    return lines;
}

} // namespace

// Opening an account lists its newest rows at once and reads the rest on
// a thread of its own: the first screen, the rows once all are read, and
// a commit or a switch made in between must all look exactly as with the
// whole account read before the first paint.
class TestRegisterOpen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { clearRegisterSettings(); }

    void opensLikeAFullRead_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("perDay");
        QTest::addColumn<qint64>("startingBalance");
        QTest::addColumn<qint64>("amountScale");
        QTest::addColumn<int>("sortOrder");
        QTest::addColumn<qint64>("lastDayAmount");
        QTest::addColumn<bool>("newestFirst");
        const qint64 huge = std::numeric_limits<qint64>::max() / 2000;
        const qint64 overHalf = std::numeric_limits<qint64>::max() / 10 * 6;
        QTest::newRow("by date") << 1500 << 3 << qint64(0) << qint64(1) << int(Qt::AscendingOrder) << qint64(0) << true;
        QTest::newRow("newest first") << 1500 << 3 << qint64(0) << qint64(1) << int(Qt::DescendingOrder) << qint64(0) << true;
        QTest::newRow("opening balance on the account")
            << 900 << 2 << qint64(123456) << qint64(1) << int(Qt::AscendingOrder) << qint64(0) << true;
        // 40 rows of one second a day: the 300th newest row falls inside a day.
        QTest::newRow("ties across the first rows' edge")
            << 1000 << 40 << qint64(0) << qint64(1) << int(Qt::AscendingOrder) << qint64(0) << true;
        QTest::newRow("ties across the edge, newest first")
            << 1000 << 40 << qint64(-500) << qint64(1) << int(Qt::DescendingOrder) << qint64(0) << true;
        QTest::newRow("fewer rows than a first screen")
            << 120 << 2 << qint64(700) << qint64(1) << int(Qt::AscendingOrder) << qint64(0) << false;
        // Partial sums may leave the range: only the whole account tells
        // where the balances stop.
        QTest::newRow("sums that may not fit")
            << 1500 << 3 << qint64(0) << huge << int(Qt::AscendingOrder) << qint64(0) << false;
        // The total fits and so does a sum taken in another order, but the
        // running sum does not: rows of one second stored as +a, +a, -a.
        QTest::newRow("running sum that does not fit, total that does")
            << 900 << 3 << qint64(0) << qint64(1) << int(Qt::AscendingOrder) << overHalf << false;
    }

    void opensLikeAFullRead()
    {
        QFETCH(int, rows);
        QFETCH(int, perDay);
        QFETCH(qint64, startingBalance);
        QFETCH(qint64, amountScale);
        QFETCH(int, sortOrder);
        QFETCH(qint64, lastDayAmount);
        QFETCH(bool, newestFirst);

        RegisterHarness h;
        AppFixture &f = h.fixture();
        const Account small = f.addAccount(QStringLiteral("Small"));
        const Account big = f.addAccount(QStringLiteral("Big"), AccountType::Checking, Currency::USD, startingBalance, 1);
        f.addTransaction(small.id, QDate(2024, 1, 2), QStringLiteral("Coffee"), -300);
        QVERIFY(addGeneratedRows(f, big.id, rows, perDay, amountScale));
        if (lastDayAmount != 0) {
            int n = 0;
            for (const qint64 amount : {lastDayAmount, lastDayAmount, -lastDayAmount}) {
                QVERIFY(f.execSql(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, "
                                                 "created_at, updated_at) VALUES ('last-%1', '%2', '2030-01-01', "
                                                 "'Last', %3, '2030-01-01T09:00:00Z', '2030-01-01T09:00:00Z')")
                                      .arg(QString::number(n++), big.id, QString::number(amount))));
            }
        }
        h.screen()->resize(900, 600);
        h.show(small.id);
        h.model()->sort(RegisterModel::DateColumn, Qt::SortOrder(sortOrder));
        QAbstractItemModelTester tester(h.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);

        h.screen()->setAccount(big.id);
        QCOMPARE(h.screen()->readingEarlierRows(), newestFirst);
        QApplication::processEvents();
        const QStringList firstScreen = screenful(h);
        QTRY_VERIFY_WITH_TIMEOUT(!h.screen()->readingEarlierRows(), 60000);
        const QStringList afterAllRows = screenful(h);
        const QStringList allRows = registerLines(*h.model());

        // The whole account read at once, the new row chosen as on opening.
        h.screen()->reload();
        QVERIFY(!h.screen()->readingEarlierRows());
        h.screen()->selectNewRow();
        QApplication::processEvents();
        const QStringList fullScreen = screenful(h);
        QCOMPARE(registerLines(*h.model()), allRows);
        QCOMPARE(firstScreen, fullScreen);
        QCOMPARE(afterAllRows, fullScreen);
        QCOMPARE(firstScreen.size(), fullScreen.size());
        // The first screen shows transactions with their balances.
        QVERIFY(firstScreen.size() > 10);
    }

    void changesWhileReadingEndLikeAFullRead_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("new row") << QStringLiteral("new row");
        QTest::newRow("delete the newest row") << QStringLiteral("delete");
        QTest::newRow("sort by payee") << QStringLiteral("sort");
        QTest::newRow("reload") << QStringLiteral("reload");
    }

    void changesWhileReadingEndLikeAFullRead()
    {
        QFETCH(QString, change);
        RegisterHarness h;
        AppFixture &f = h.fixture();
        const Account small = f.addAccount(QStringLiteral("Small"));
        const Account big = f.addAccount(QStringLiteral("Big"), AccountType::Checking, Currency::USD, 2500, 1);
        f.addTransaction(small.id, QDate(2024, 1, 2), QStringLiteral("Coffee"), -300);
        QVERIFY(addGeneratedRows(f, big.id, 3000, 4, 1));
        h.show(small.id);
        QAbstractItemModelTester tester(h.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);

        // The earlier rows are held back until the change is made.
        ReadGate gate;
        h.screen()->loader()->reader()->setGate(gate.gate());
        h.screen()->setAccount(big.id);
        QVERIFY(gate.waitForArrival());
        QVERIFY(h.screen()->readingEarlierRows());
        QSignalSpy resets(h.model(), &QAbstractItemModel::modelReset);
        if (change == QLatin1String("new row")) {
            h.goTo(h.model()->newRowPosition(), RegisterModel::DateColumn);
            fillBuffer(h.model(), entryDateText(QDate(2020, 6, 1)), QStringLiteral("Florist"),
                QStringLiteral("25.00"), QString());
            h.screen()->commitCurrentRow();
        } else if (change == QLatin1String("delete")) {
            h.screen()->deleteRow(h.model()->newRowPosition() - 1);
        } else if (change == QLatin1String("sort")) {
            h.model()->sort(RegisterModel::PayeeColumn, Qt::AscendingOrder);
        } else {
            h.screen()->reload();
        }
        // Nothing waits for the rows being read: the change goes in place on
        // top of them once they are in.
        QVERIFY(h.screen()->readingEarlierRows());
        gate.open();
        QTRY_VERIFY_WITH_TIMEOUT(!h.screen()->readingEarlierRows(), 60000);
        if (change == QLatin1String("new row") || change == QLatin1String("delete"))
            QCOMPARE(resets.count(), 0);
        const QStringList rows = registerLines(*h.model());
        if (change == QLatin1String("new row"))
            QVERIFY(rows.join(QLatin1Char('\n')).contains(QLatin1String("Florist -2500")));
        if (change == QLatin1String("delete"))
            QCOMPARE(f.countRows(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NULL AND "
                                                "account_id = '%1'").arg(big.id)),
                2999);
        // Rows read for the open that come late change nothing.
        QTest::qWait(300);
        QCOMPARE(registerLines(*h.model()), rows);
        h.screen()->reload();
        QCOMPARE(registerLines(*h.model()), rows);
    }

    void switchingAwayDropsTheRowsStillBeingRead()
    {
        RegisterHarness h;
        AppFixture &f = h.fixture();
        const Account small = f.addAccount(QStringLiteral("Small"));
        const Account big = f.addAccount(QStringLiteral("Big"), AccountType::Checking, Currency::USD, 0, 1);
        f.addTransaction(small.id, QDate(2024, 1, 2), QStringLiteral("Coffee"), -300);
        f.addTransaction(small.id, QDate(2024, 1, 3), QStringLiteral("Bakery"), -450);
        QVERIFY(addGeneratedRows(f, big.id, 3000, 4, 1));
        h.show(small.id);
        QAbstractItemModelTester tester(h.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        h.screen()->reload();
        const QStringList smallRows = registerLines(*h.model());

        h.screen()->setAccount(big.id);
        QVERIFY(h.screen()->readingEarlierRows());
        h.screen()->setAccount(small.id);
        QVERIFY(!h.screen()->readingEarlierRows());
        QTest::qWait(500);
        QCOMPARE(h.screen()->accountId(), small.id);
        QCOMPARE(registerLines(*h.model()), smallRows);

        // Back again: the rows of this open arrive, not the earlier ones.
        h.screen()->setAccount(big.id);
        QTRY_VERIFY_WITH_TIMEOUT(!h.screen()->readingEarlierRows(), 60000);
        const QStringList bigRows = registerLines(*h.model());
        QCOMPARE(bigRows.size(), 3000 + 2);
        h.screen()->reload();
        QCOMPARE(registerLines(*h.model()), bigRows);
    }
};

TALLYRA_TEST(TestRegisterOpen)
#include "test_registeropen.moc"
