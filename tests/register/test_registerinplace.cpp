#include "registerharness.h"
#include "support/testmain.h"

#include "data/preferencesrepository.h"
#include "data/sqlvalues.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "register/dateentry.h"
#include "register/registerfilter.h"
#include "register/transactionactions.h"
#include "sync/syncapplier.h"

#include <QJsonArray>
#include <QJsonObject>

#include <QAbstractItemModelTester>
#include <QSignalSpy>

using SqlValues::isoDateTime;

namespace {

enum Commit {
    NewRowInTheMiddle,
    NewRowBeforeTheFirst,
    EditMovesTheRow,
    EditOntoASharedMoment,
    DeleteRow,
    NewTransfer,
    DeleteTransferLeg,
    SplitRow,
    ClearedMark,
};

// A register of one account as a test compares it: every listed row in
// display order, with the cells a commit can change, then the sums.
QStringList shown(const RegisterModel &model)
{
    QStringList lines;
    for (int row = 0; row < model.rowCount(); ++row) {
        if (!model.isTransactionRow(row))
            continue;
        const RegisterRow &r = model.rowAt(row);
        const Transaction &t = r.transaction;
        lines.append(QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8")
                         .arg(t.id.left(8), t.date.toString(Qt::ISODate), t.payee)
                         .arg(t.amount)
                         .arg(r.runningBalance ? QString::number(*r.runningBalance) : QStringLiteral("-"))
                         .arg(t.cleared ? QStringLiteral("C") : QStringLiteral("U"), r.categoryName,
                             t.isSplit ? QStringLiteral("split") : QString()));
    }
    lines.append(QStringLiteral("new row at %1").arg(model.newRowPosition()));
    lines.append(QStringLiteral("sums %1 %2")
                     .arg(model.clearedSum() ? QString::number(*model.clearedSum()) : QStringLiteral("-"),
                         model.unclearedSum() ? QString::number(*model.unclearedSum()) : QStringLiteral("-")));
    return lines;
}

} // namespace

// A commit made in the register puts the written rows in place instead of
// reading the account again: what it shows must be exactly what a fresh
// read of the whole account shows, in every sort and with a filter.
class TestRegisterInPlace : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { clearRegisterSettings(); }

    void commitsShowWhatAFullReadShows_data()
    {
        QTest::addColumn<int>("commit");
        QTest::addColumn<int>("sortColumn");
        QTest::addColumn<int>("sortOrder");
        QTest::addColumn<bool>("filtered");
        const struct
        {
            const char *name;
            int column;
            Qt::SortOrder order;
            bool filtered;
        } views[] = {
            {"by date", RegisterModel::DateColumn, Qt::AscendingOrder, false},
            {"newest first", RegisterModel::DateColumn, Qt::DescendingOrder, false},
            {"by payee", RegisterModel::PayeeColumn, Qt::AscendingOrder, false},
            {"by payment", RegisterModel::PaymentColumn, Qt::AscendingOrder, false},
            {"by deposit, largest first", RegisterModel::DepositColumn, Qt::DescendingOrder, false},
            {"by balance", RegisterModel::BalanceColumn, Qt::AscendingOrder, false},
            {"uncleared only", RegisterModel::DateColumn, Qt::AscendingOrder, true},
            {"uncleared only, by payee", RegisterModel::PayeeColumn, Qt::DescendingOrder, true},
        };
        const struct
        {
            const char *name;
            Commit commit;
        } commits[] = {
            {"new row in the middle", NewRowInTheMiddle},
            {"new row before the first", NewRowBeforeTheFirst},
            {"edit moves the row", EditMovesTheRow},
            {"edit onto a shared moment", EditOntoASharedMoment},
            {"delete", DeleteRow},
            {"new transfer", NewTransfer},
            {"delete a transfer leg", DeleteTransferLeg},
            {"split", SplitRow},
            {"cleared mark", ClearedMark},
        };
        for (const auto &commit : commits) {
            for (const auto &view : views) {
                QTest::addRow("%s, %s", commit.name, view.name)
                    << int(commit.commit) << view.column << int(view.order) << view.filtered;
            }
        }
    }

    void commitsShowWhatAFullReadShows()
    {
        QFETCH(int, commit);
        QFETCH(int, sortColumn);
        QFETCH(int, sortOrder);
        QFETCH(bool, filtered);

        RegisterHarness h;
        AppFixture &f = h.fixture();
        TransactionRepository *repository = h.app()->transactionRepository();
        // The starting balance is held on the account: its row is dated on
        // the earliest transaction.
        const Account checking = f.addAccount(QStringLiteral("Checking"), AccountType::Checking, Currency::USD, 50000);
        const Account savings = f.addAccount(QStringLiteral("Savings"), AccountType::Savings, Currency::USD, 0, 1);
        const Category food = f.addCategory(QStringLiteral("Food"));
        const Category fuel = f.addCategory(QStringLiteral("Fuel"));
        QList<Transaction> added;
        const struct
        {
            int day;
            const char *payee;
            qint64 amount;
            bool cleared;
        } rows[] = {
            {3, "Grocer", -4500, true}, {5, "Salary", 250000, true}, {5, "Grocer", -1200, false},
            {8, "Garage", -30000, false}, {12, "Grocer", -800, true}, {12, "Bakery", -800, false},
            {15, "Refund", 800, false}, {20, "Rent", -90000, false}, {20, "Bakery", -350, true},
        };
        for (const auto &row : rows) {
            Transaction t = f.addTransaction(checking.id, QDate(2024, 3, row.day), QLatin1String(row.payee), row.amount);
            t.cleared = row.cleared;
            t.categoryId = row.amount < 0 ? food.id : QString();
            QVERIFY(repository->update(t));
            added.append(*repository->findById(t.id));
        }
        // Three rows stored in the same second: they list in the order
        // they were stored.
        for (const int index : {3, 5, 6})
            QVERIFY(f.execSql(QStringLiteral("UPDATE transactions SET created_at = '%1' WHERE id = '%2'")
                                  .arg(isoDateTime(added[0].createdAt), added[index].id)));
        Transaction transfer = f.addTransaction(checking.id, QDate(2024, 3, 10), QStringLiteral("Transfer to Savings"), -7000);
        const Transaction transferOther = TransactionActions::makeTransferCounterpart(h.app(), transfer, savings.id);
        QVERIFY(repository->update(transfer));
        QVERIFY(repository->insert(transferOther));

        if (filtered) {
            RegisterFilter filter;
            filter.cleared = false;
            h.app()->preferencesRepository()->set(RegisterFilter::preferenceKey(checking.id), filter.toJson());
        }
        QAbstractItemModelTester tester(h.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        h.show(checking.id);
        h.model()->sort(sortColumn, Qt::SortOrder(sortOrder));
        QSignalSpy resets(h.model(), &QAbstractItemModel::modelReset);
        QSignalSpy shownInPlace(h.screen(), &RegisterScreen::localChangesShown);
        RegisterScreen *screen = h.screen();
        const auto rowOf = [&](const QString &id) {
            return h.model()->viewRowOfTransaction(*repository->findById(id));
        };
        const auto typeNewRow = [&](const QDate &date, const QString &payee, const QString &payment) {
            h.goTo(h.model()->newRowPosition(), RegisterModel::DateColumn);
            fillBuffer(h.model(), entryDateText(date), payee, payment, QString());
            screen->commitCurrentRow();
        };
        const auto editRow = [&](const QString &id, const QDate &date, const QString &payment) {
            const int row = rowOf(id);
            QVERIFY(row >= 0);
            h.goTo(row, RegisterModel::DateColumn);
            QCOMPARE(h.model()->editingRow(), row);
            h.model()->buffer().date = entryDateText(date);
            h.model()->buffer().payment = payment;
            screen->commitCurrentRow();
        };
        // Rows the filter hides are held all the same: a commit on them
        // goes through the repository in these cases.
        const QString hiddenOrShown = filtered ? added[2].id : added[4].id;

        switch (Commit(commit)) {
        case NewRowInTheMiddle:
            typeNewRow(QDate(2024, 3, 12), QStringLiteral("Florist"), QStringLiteral("25.00"));
            break;
        case NewRowBeforeTheFirst:
            typeNewRow(QDate(2024, 3, 1), QStringLiteral("Bakery"), QStringLiteral("3.00"));
            break;
        case EditMovesTheRow:
            editRow(added[2].id, QDate(2024, 3, 18), QStringLiteral("13.00"));
            break;
        case EditOntoASharedMoment:
            // Onto the date of a row stored in the same second after it.
            editRow(added[3].id, QDate(2024, 3, 12), QStringLiteral("300.00"));
            break;
        case DeleteRow:
            screen->deleteRow(rowOf(added[filtered ? 3 : 1].id));
            break;
        case NewTransfer:
            typeNewRow(QDate(2024, 3, 6), QStringLiteral("[Transfer] Savings"), QStringLiteral("40.00"));
            break;
        case DeleteTransferLeg:
            screen->deleteRow(rowOf(transfer.id));
            QVERIFY(repository->findById(transferOther.id)->deletedAt.has_value());
            break;
        case SplitRow:
            h.prompts().steps = {[&](QDialog *dialog) {
                QWidget *lines = findNamed<QWidget>(dialog, "splitLinesWidget");
                setSplitLine(lines, 0, food.name, 20000);
                setSplitLine(lines, 1, fuel.name, 10000);
                return int(QDialog::Accepted);
            }};
            screen->editSplitsForRow(rowOf(added[3].id));
            QVERIFY(repository->findById(added[3].id)->isSplit);
            break;
        case ClearedMark:
            screen->toggleClearedAt(rowOf(hiddenOrShown));
            break;
        }
        QCOMPARE(shownInPlace.size(), 1);
        // Sorted by balance, every row may move: only then are they laid
        // out again, still without reading the account.
        QCOMPARE(resets.size(), sortColumn == RegisterModel::BalanceColumn ? 1 : 0);

        RegisterModel fresh;
        if (filtered) {
            const RegisterFilter filter = screen->filter();
            fresh.setRowFilter([filter](const Transaction &t) { return filter.matches(t); });
        }
        fresh.setRows(repository->listRegister(checking.id));
        fresh.sort(sortColumn, Qt::SortOrder(sortOrder));
        QCOMPARE(shown(*h.model()), shown(fresh));
    }

    // Rows pulled from the sync service carry creation times written in
    // other zones. A row typed among them lands where a fresh read puts it,
    // with the same running balances.
    void rowsTypedAmongPulledRowsShowWhatAFullReadShows()
    {
        RegisterHarness h;
        AppFixture &f = h.fixture();
        AppState *app = h.app();
        const Account checking = f.addAccount(QStringLiteral("Checking"));
        const QDate day(2024, 3, 12);
        f.addTransaction(checking.id, day.addDays(-1), QStringLiteral("Earlier"), 100000);

        // One row created an hour ago, written five hours east of UTC; one
        // created in an hour, written five hours west: as text, each sorts
        // on the far side of a row typed now.
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const auto pulled = [&](const char *id, const QString &payee, qint64 amount, const QDateTime &created) {
            return QJsonObject{{"id", QString(QStringLiteral("srv-") + QLatin1String(id))}, {"client_id", QLatin1String(id)},
                               {"account_id", checking.id}, {"date", day.toString(Qt::ISODate)}, {"payee", payee},
                               {"amount", amount}, {"version", 1}, {"created_at", created.toString(Qt::ISODate)},
                               {"updated_at", created.toString(Qt::ISODate)}};
        };
        SyncApplier applier(app->database(), app->accountRepository(), app->transactionRepository(),
            app->categoryRepository(), app->recurringRepository(), app->reconciliationRepository(),
            app->splitLineRepository());
        applier.beginSync();
        QVERIFY(applier.applyPage(QJsonObject{{"transactions",
            QJsonArray{pulled("east", QStringLiteral("East"), -1000, now.addSecs(-3600).toOffsetFromUtc(5 * 3600)),
                pulled("west", QStringLiteral("West"), -50, now.addSecs(3600).toOffsetFromUtc(-5 * 3600))}}}));

        h.show(checking.id);
        h.model()->sort(RegisterModel::DateColumn, Qt::AscendingOrder);
        h.goTo(h.model()->newRowPosition(), RegisterModel::DateColumn);
        fillBuffer(h.model(), entryDateText(day), QStringLiteral("Typed"), QStringLiteral("0.50"), QString());
        h.screen()->commitCurrentRow();

        RegisterModel fresh;
        fresh.setRows(app->transactionRepository()->listRegister(checking.id));
        fresh.sort(RegisterModel::DateColumn, Qt::AscendingOrder);
        QCOMPARE(shown(*h.model()), shown(fresh));
        const QStringList lines = shown(fresh);
        QVERIFY(lines.at(1).contains(QLatin1String("East")) && lines.at(2).contains(QLatin1String("Typed"))
            && lines.at(3).contains(QLatin1String("West")));
    }

    // A local commit reads only the rows it wrote: a change made behind the
    // register's back stays unseen until a change from elsewhere reloads.
    void aLocalCommitReadsOnlyItsRows()
    {
        RegisterHarness h;
        AppFixture &f = h.fixture();
        const Account checking = f.addAccount(QStringLiteral("Checking"));
        const Transaction older = f.addTransaction(checking.id, QDate(2024, 3, 1), QStringLiteral("Grocer"), -500);
        const Transaction other = f.addTransaction(checking.id, QDate(2024, 3, 2), QStringLiteral("Bakery"), -300);
        h.show(checking.id);
        QVERIFY(f.execSql(QStringLiteral("UPDATE transactions SET payee = 'Behind' WHERE id = '%1'").arg(older.id)));

        h.goTo(h.model()->newRowPosition(), RegisterModel::DateColumn);
        fillBuffer(h.model(), entryDateText(QDate(2024, 3, 3)), QStringLiteral("Florist"), QStringLiteral("2.00"),
            QString());
        h.screen()->commitCurrentRow();
        h.screen()->toggleClearedAt(h.model()->viewRowOfTransaction(other.id));

        QCOMPARE(h.model()->listRowCount(), 3);
        QCOMPARE(h.model()->rowAt(h.model()->viewRowOfTransaction(older.id)).transaction.payee, QStringLiteral("Grocer"));
        QVERIFY(h.model()->rowAt(h.model()->viewRowOfTransaction(other.id)).transaction.cleared);
        QCOMPARE(*h.model()->rowAt(2).runningBalance, qint64(-1000));

        h.screen()->reload();
        QCOMPARE(h.model()->rowAt(h.model()->viewRowOfTransaction(older.id)).transaction.payee, QStringLiteral("Behind"));
    }

    // The register's read holds each repeated text once and gives the rows
    // as stored, opening balance and balances included.
    void theRegisterReadSharesRepeatedTexts()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        const Account checking = f.addAccount(QStringLiteral("Checking"), AccountType::Checking, Currency::USD, 1000);
        const Category home = f.addCategory(QStringLiteral("Home"));
        const Category repairs = f.addCategory(QStringLiteral("Repairs"), home.id);
        TransactionRepository *repository = f.app()->transactionRepository();
        for (int day = 1; day <= 6; ++day) {
            Transaction t = f.addTransaction(checking.id, QDate(2024, 5, 7 - day),
                day % 2 ? QStringLiteral("Hardware") : QStringLiteral("Bakery"), -100 * day);
            t.categoryId = day % 3 ? repairs.id : QString();
            t.memo = QStringLiteral("memo %1").arg(day);
            QVERIFY(repository->update(t));
        }
        const QList<RegisterRow> shared = repository->listRegister(checking.id);
        QCOMPARE(shared.size(), 7);
        QCOMPARE(shared[0].runningBalance, std::optional<qint64>(1000));
        qint64 running = 1000;
        for (int i = 1; i < shared.size(); ++i) {
            const Transaction &b = shared[i].transaction;
            const std::optional<Transaction> stored = repository->findById(b.id);
            QVERIFY(stored);
            const Transaction &a = *stored;
            QCOMPARE(b.date, a.date);
            QCOMPARE(b.payee, a.payee);
            QCOMPARE(b.memo, a.memo);
            QCOMPARE(b.categoryId, a.categoryId);
            QCOMPARE(b.accountId, a.accountId);
            QCOMPARE(b.version, a.version);
            QCOMPARE(b.syncStatus, a.syncStatus);
            QCOMPARE(b.createdAt, a.createdAt);
            QCOMPARE(shared[i].categoryName, a.categoryId.isEmpty() ? QString() : QStringLiteral("Home > Repairs"));
            running += a.amount;
            QCOMPARE(shared[i].runningBalance, std::optional<qint64>(running));
        }
        QCOMPARE(shared[2].categoryName, QStringLiteral("Home > Repairs"));
        QVERIFY(shared[1].transaction.payee.isSharedWith(shared[3].transaction.payee));
        QVERIFY(shared[1].transaction.accountId.isSharedWith(shared[2].transaction.accountId));
        QVERIFY(shared[2].categoryName.isSharedWith(shared[3].categoryName));
    }
};

TALLYRA_TEST(TestRegisterInPlace)
#include "test_registerinplace.moc"
