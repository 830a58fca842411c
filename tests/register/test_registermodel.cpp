#include "support/testmain.h"

#include "data/money.h"
#include "register/registermodel.h"
#include "ui/palettehelpers.h"
#include "ui/thememanager.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QSignalSpy>
#include <QColor>
#include <QFont>
#include <QScopeGuard>

namespace {

RegisterRow makeRow(const QString &id, const QDate &date, const QString &payee, qint64 amount, qint64 balance,
    bool cleared = false, bool reconciled = false)
{
    RegisterRow row;
    row.transaction.id = id;
    row.transaction.accountId = QStringLiteral("acct");
    row.transaction.date = date;
    row.transaction.payee = payee;
    row.transaction.amount = amount;
    row.transaction.cleared = cleared;
    row.transaction.reconciled = reconciled;
    row.runningBalance = balance;
    return row;
}

// Ids of the list rows in view order.
QStringList viewOrder(const RegisterModel &model)
{
    QStringList ids;
    for (int row = 0; row < model.rowCount(); ++row) {
        if (!model.isNewRow(row))
            ids.append(model.rowAt(row).transaction.id);
    }
    return ids;
}

QList<RegisterRow> sampleRows()
{
    // In the repository's order: by date, then creation.
    return {
        makeRow(QStringLiteral("a"), QDate(2024, 1, 1), QStringLiteral("banana"), 5000, 5000, true, true),
        makeRow(QStringLiteral("b"), QDate(2024, 1, 2), QStringLiteral("Apple"), -1200, 3800, true),
        makeRow(QStringLiteral("c"), QDate(2024, 1, 2), QStringLiteral("cherry"), 0, 3800),
        makeRow(QStringLiteral("d"), QDate(2024, 1, 3), QStringLiteral("apple"), -300, 3500),
        makeRow(QStringLiteral("e"), QDate(2024, 1, 4), QStringLiteral("banana"), 700, 4200),
        makeRow(QStringLiteral("f"), QDate(2024, 1, 5), QStringLiteral("date"), -9000, -4800),
    };
}

} // namespace

class TestRegisterModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void staysConsistentThroughResetsSortsAndEdits()
    {
        RegisterModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setRows(sampleRows());
        for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
            model.sort(column, Qt::AscendingOrder);
            model.sort(column, Qt::DescendingOrder);
        }
        model.loadRowForEditing(2, QString());
        model.setEditingRow(2);
        QVERIFY(model.setData(model.index(2, RegisterModel::PayeeColumn), QStringLiteral("x")));
        model.setShowNewRow(false);
        model.setLiabilityAccount(true);
        model.setTwoLineMode(true);
        model.setRows({});
        QCOMPARE(model.rowCount(), 0);
    }

    void emptyRegisterShowsPlaceholders()
    {
        RegisterModel model;
        model.setRows({});
        QCOMPARE(model.rowCount(), 1);
        const QStringList expected = {QDate::currentDate().toString(QStringLiteral("M/d/yyyy")), "Chk #", "Payee",
            "Category", "Memo", "Payment", "Deposit", "Clr"};
        for (int column = 0; column <= RegisterModel::ClearedColumn; ++column) {
            const QModelIndex index = model.index(0, column);
            QCOMPARE(index.data().toString(), expected[column]);
            QVERIFY(index.data(Qt::BackgroundRole).value<QColor>().isValid());
            if (column > 0)
                QCOMPARE(index.data(Qt::ForegroundRole).value<QColor>(), QColor(QStringLiteral("#6E8A7E")));
            QVERIFY(model.flags(index) & Qt::ItemIsEditable || column == RegisterModel::ClearedColumn);
        }
        // Placeholders stay the same words on a liability account.
        model.setLiabilityAccount(true);
        QCOMPARE(model.index(0, RegisterModel::PaymentColumn).data().toString(), QStringLiteral("Payment"));
        QCOMPARE(model.headerData(RegisterModel::PaymentColumn, Qt::Horizontal).toString(), QStringLiteral("Charge"));
    }

    void newRowPlaceFollowsTheSort_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("order");
        QTest::addColumn<bool>("onTop");
        for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
            for (int order : {int(Qt::AscendingOrder), int(Qt::DescendingOrder)}) {
                const QByteArray name = QByteArray::number(column) + (order ? " descending" : " ascending");
                QTest::newRow(name.constData()) << column << order << (column == 0 && order == Qt::DescendingOrder);
            }
        }
    }

    void newRowPlaceFollowsTheSort()
    {
        QFETCH(int, column);
        QFETCH(int, order);
        QFETCH(bool, onTop);
        RegisterModel model;
        model.setRows(sampleRows());
        model.sort(column, Qt::SortOrder(order));
        QCOMPARE(model.rowCount(), 7);
        QCOMPARE(model.newRowPosition(), onTop ? 0 : 6);
        QCOMPARE(viewOrder(model).size(), 6); // no list row hidden by the move

        // Without the new row (search use) every row is a list row.
        model.setShowNewRow(false);
        QCOMPARE(model.rowCount(), 6);
        QCOMPARE(model.rowAt(0).transaction.id, viewOrder(model).first());
    }

    void sortOrders_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("ids");
        const int asc = Qt::AscendingOrder;
        const int desc = Qt::DescendingOrder;
        QTest::newRow("date ascending keeps same-day order") << 0 << asc << QStringList{"a", "b", "c", "d", "e", "f"};
        QTest::newRow("date descending keeps same-day order") << 0 << desc << QStringList{"f", "e", "d", "b", "c", "a"};
        // In the language's order, not by character codes; equal payees
        // put the newest first in both directions.
        QTest::newRow("payee ascending") << 2 << asc << QStringList{"d", "b", "e", "a", "c", "f"};
        QTest::newRow("payee descending") << 2 << desc << QStringList{"f", "c", "e", "a", "b", "d"};
        // Deposits (key -1) first, newest first, then the payments by size.
        QTest::newRow("payment ascending") << 5 << asc << QStringList{"e", "c", "a", "d", "b", "f"};
        QTest::newRow("payment descending") << 5 << desc << QStringList{"f", "b", "d", "e", "c", "a"};
        QTest::newRow("deposit ascending") << 6 << asc << QStringList{"f", "d", "b", "c", "e", "a"};
        QTest::newRow("cleared ascending") << 7 << asc << QStringList{"f", "e", "d", "c", "b", "a"};
        QTest::newRow("balance ascending") << 8 << asc << QStringList{"f", "d", "b", "c", "e", "a"};
    }

    void sortOrders()
    {
        QFETCH(int, column);
        QFETCH(int, order);
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(previous); });
        RegisterModel model;
        model.setRows(sampleRows());
        model.sort(column, Qt::SortOrder(order));
        QTEST(viewOrder(model), "ids");
    }

    // Same-day rows sorted by date read in the order their running balances
    // were added up, whatever the register was sorted by before.
    void dateSortPutsSameDayRowsInStoredOrder_data()
    {
        QTest::addColumn<int>("earlierColumn");
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("ids");
        const int asc = Qt::AscendingOrder;
        const int desc = Qt::DescendingOrder;
        // Both earlier sorts put "c" before "b", which were stored the other way round.
        for (const int earlier : {int(RegisterModel::PayeeColumn), int(RegisterModel::ClearedColumn)}) {
            QTest::addRow("after column %d, ascending", earlier) << earlier << asc
                                                                 << QStringList{"a", "b", "c", "d", "e", "f"};
            QTest::addRow("after column %d, descending", earlier) << earlier << desc
                                                                  << QStringList{"f", "e", "d", "b", "c", "a"};
        }
    }

    void dateSortPutsSameDayRowsInStoredOrder()
    {
        QFETCH(int, earlierColumn);
        QFETCH(int, order);
        RegisterModel model;
        model.setRows(sampleRows());
        model.sort(earlierColumn, earlierColumn == RegisterModel::PayeeColumn ? Qt::DescendingOrder : Qt::AscendingOrder);
        QVERIFY(viewOrder(model).indexOf(QStringLiteral("c")) < viewOrder(model).indexOf(QStringLiteral("b")));
        model.sort(RegisterModel::DateColumn, Qt::SortOrder(order));
        QTEST(viewOrder(model), "ids");
    }

    void sortingReportsAndIgnoresBadColumns()
    {
        RegisterModel model;
        model.setRows(sampleRows());
        QSignalSpy sorted(&model, &RegisterModel::sortChanged);
        model.sort(-1, Qt::DescendingOrder);
        model.sort(9, Qt::DescendingOrder);
        QCOMPARE(sorted.size(), 0);
        model.sort(2, Qt::DescendingOrder);
        QCOMPARE(sorted.size(), 1);
        QCOMPARE(sorted[0][0].toInt(), 2);
        QCOMPARE(sorted[0][1].value<Qt::SortOrder>(), Qt::DescendingOrder);
    }

    void cellsOfATransactionRow()
    {
        RegisterModel model;
        QList<RegisterRow> rows = sampleRows();
        rows[3].categoryName = QStringLiteral("Food > Fruit");
        rows[3].transaction.memo = QStringLiteral("weekly");
        rows[4].transaction.isSplit = true;
        rows[4].categoryName = QStringLiteral("Mixed");
        model.setRows(rows);
        const auto text = [&](int row, int column) { return model.index(row, column).data().toString(); };

        QCOMPARE(text(3, 0), QStringLiteral("1/3/2024"));
        QCOMPARE(text(3, 3), QStringLiteral("Food > Fruit"));
        QCOMPARE(text(3, 5), QStringLiteral("3.00"));
        QCOMPARE(text(3, 6), QString());
        QCOMPARE(text(2, 5), QString()); // zero is a deposit
        QCOMPARE(text(2, 6), QStringLiteral("0.00"));
        QCOMPARE(text(0, 7), QStringLiteral("R"));
        QCOMPARE(text(1, 7), QStringLiteral("C"));
        QCOMPARE(text(4, 3), QStringLiteral("—Split—"));
        QCOMPARE(model.index(4, 3).data(Qt::EditRole).toString(), QStringLiteral("Mixed"));
        QVERIFY(!model.index(0, 8).data(Qt::EditRole).isValid());
        QCOMPARE(text(5, 8), QStringLiteral("-48.00"));
        // Overdrawn: bold balance and a tinted row.
        QVERIFY(model.index(5, 8).data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(model.index(5, 2).data(Qt::BackgroundRole).value<QColor>().isValid());
        QCOMPARE(model.index(5, 8).data(Qt::ForegroundRole).value<QColor>(), negativeAmountColor());
        QVERIFY(!model.index(4, 2).data(Qt::BackgroundRole).isValid());
        QCOMPARE(model.index(4, 6).data(Qt::ForegroundRole).value<QColor>(), positiveAmountColor());
        QCOMPARE(model.index(0, 8).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
        QCOMPARE(model.index(0, 7).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        QVERIFY(!(model.flags(model.index(0, 2)) & Qt::ItemIsEditable));
    }

    void liabilityBalancesAreFlipped()
    {
        RegisterModel model;
        model.setLiabilityAccount(true);
        model.setBalanceMarks(false); // the screen turns the marks off on liabilities
        model.setRows({makeRow(QStringLiteral("a"), QDate(2024, 1, 1), QStringLiteral("Card"), 5000, 5000)});
        const QModelIndex balance = model.index(0, RegisterModel::BalanceColumn);
        QCOMPARE(balance.data().toString(), QStringLiteral("-50.00"));
        QCOMPARE(balance.data(Qt::ForegroundRole).value<QColor>(), negativeAmountColor());
        QVERIFY(!balance.data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(!balance.data(Qt::BackgroundRole).isValid());
        QCOMPARE(model.headerData(5, Qt::Horizontal).toString(), QStringLiteral("Charge"));
        QCOMPARE(model.headerData(6, Qt::Horizontal).toString(), QStringLiteral("Payment"));
    }

    // The cell colours are kept, not read per call: a theme switch must
    // still reach every cell that was shown before it.
    void cellColoursFollowAThemeSwitch()
    {
        const QPalette original = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(original); });
        RegisterModel model;
        model.setRows({makeRow(QStringLiteral("a"), QDate(2024, 1, 1), QStringLiteral("Shop"), -4800, -4800)});
        const QModelIndex payment = model.index(0, RegisterModel::PaymentColumn);
        const QModelIndex newRowDate = model.index(model.newRowPosition(), RegisterModel::DateColumn);
        QSignalSpy repainted(&model, &QAbstractItemModel::dataChanged);
        for (const bool dark : {true, false, true}) {
            QApplication::setPalette(dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette());
            QCOMPARE(isDarkPalette(), dark);
            QCOMPARE(payment.data(Qt::ForegroundRole).value<QColor>(), negativeAmountColor());
            QCOMPARE(newRowDate.data(Qt::BackgroundRole).value<QColor>().lightness() < 128, dark);
        }
        QVERIFY(repainted.count() >= 3);
    }

    void amountsUseTheAccountCurrency()
    {
        RegisterModel model;
        model.setCurrency(Currency::JPY);
        model.setRows({makeRow(QStringLiteral("a"), QDate(2024, 1, 1), QStringLiteral("Ramen"), -1500, 250000)});
        QCOMPARE(model.index(0, RegisterModel::PaymentColumn).data().toString(), QStringLiteral("1,500"));
        QCOMPARE(model.index(0, RegisterModel::BalanceColumn).data().toString(), QStringLiteral("250,000"));
        model.loadRowForEditing(0, QString());
        QCOMPARE(model.buffer().payment, QStringLiteral("1,500"));
        QCOMPARE(model.amountValue(QStringLiteral("¥2,000")), qint64(2000));
    }

    void theRowUnderEditShowsTheBuffer()
    {
        RegisterModel model;
        QList<RegisterRow> rows = sampleRows();
        rows[1].transaction.isSplit = true;
        model.setRows(rows);
        model.loadRowForEditing(1, QStringLiteral("Groceries"));
        model.setEditingRow(1);
        QVERIFY(model.setData(model.index(1, RegisterModel::PayeeColumn), QStringLiteral("Typed")));
        QCOMPARE(model.index(1, RegisterModel::PayeeColumn).data().toString(), QStringLiteral("Typed"));
        QCOMPARE(model.index(1, RegisterModel::CategoryColumn).data().toString(), QStringLiteral("—Split—"));
        QCOMPARE(model.index(1, RegisterModel::CategoryColumn).data(Qt::EditRole).toString(), QStringLiteral("Groceries"));
        QCOMPARE(model.index(1, RegisterModel::PaymentColumn).data().toString(), QStringLiteral("12.00"));
        QVERIFY(model.flags(model.index(1, RegisterModel::PayeeColumn)) & Qt::ItemIsEditable);
        QVERIFY(!(model.flags(model.index(1, RegisterModel::PaymentColumn)) & Qt::ItemIsEditable));
        QVERIFY(!(model.flags(model.index(1, RegisterModel::ClearedColumn)) & Qt::ItemIsEditable));
        // The new row shows nothing meanwhile, but can still be typed into.
        const int newRow = model.newRowPosition();
        QVERIFY(!model.index(newRow, RegisterModel::PayeeColumn).data().isValid());
        QVERIFY(!model.index(newRow, RegisterModel::PayeeColumn).data(Qt::BackgroundRole).isValid());
        QVERIFY(model.flags(model.index(newRow, RegisterModel::PayeeColumn)) & Qt::ItemIsEditable);

        // A sort keeps the buffer on the same transaction.
        model.sort(RegisterModel::PayeeColumn, Qt::DescendingOrder);
        QCOMPARE(model.rowAt(model.editingRow()).transaction.id, QStringLiteral("b"));
        QCOMPARE(model.index(model.editingRow(), RegisterModel::PayeeColumn).data().toString(), QStringLiteral("Typed"));
    }

    void setDataTakesOnlyTheEditRole()
    {
        RegisterModel model;
        model.setRows({});
        QVERIFY(!model.setData(model.index(0, RegisterModel::PayeeColumn), QStringLiteral("x"), Qt::DisplayRole));
        QVERIFY(model.buffer().payee.isEmpty());
        QVERIFY(model.setData(model.index(0, RegisterModel::BalanceColumn), QStringLiteral("x")));
        model.buffer().categoryId = QStringLiteral("food");
        model.buffer().category = QStringLiteral("Food");
        QVERIFY(model.setData(model.index(0, RegisterModel::CategoryColumn), QStringLiteral("Other")));
        QVERIFY(model.buffer().categoryId.isEmpty()); // new text, no id until someone names the item
    }

    void rowAtOutsideTheListIsEmpty()
    {
        RegisterModel model;
        model.setRows(sampleRows());
        for (const int row : {-1, model.newRowPosition(), model.rowCount(), 1000}) {
            QVERIFY2(model.rowAt(row).transaction.id.isEmpty(), qPrintable(QString::number(row)));
            QCOMPARE(model.rowAt(row).transaction.amount, qint64(0));
        }
        QVERIFY(!model.rowAt(0).transaction.id.isEmpty());
    }

    void newRowStartsOnTheLastDate()
    {
        RegisterModel model;
        model.buffer().lastDate = QStringLiteral("3/15/2024");
        model.buffer().payee = QStringLiteral("left over");
        model.resetNewRow();
        QCOMPARE(model.buffer().date, QStringLiteral("3/15/2024"));
        QVERIFY(model.buffer().payee.isEmpty());
    }

    void replacingTheRowsKeepsTheNewRowTyping()
    {
        RegisterModel model;
        model.setRows({});
        model.buffer().payee = QStringLiteral("half typed");
        model.setRows({makeRow(QStringLiteral("a"), QDate(2024, 1, 1), QStringLiteral("Shop"), -100, -100)});
        QCOMPARE(model.buffer().payee, QStringLiteral("half typed"));
        QCOMPARE(model.editingRow(), -1);
    }
};

TALLYRA_TEST(TestRegisterModel)
#include "test_registermodel.moc"
