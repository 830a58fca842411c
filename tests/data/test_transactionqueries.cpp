#include "databasefixture.h"
#include "support/testmain.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/transactionrepository.h"

namespace {

struct QueryFixture : DatabaseFixture
{
    AccountRepository accounts{database.get()};
    TransactionRepository transactions{database.get()};
    CategoryRepository categories{database.get()};
    int sequence = 0;

    void addAccount(const QString &id, qint64 startingBalance = 0)
    {
        Account a;
        a.id = id;
        a.name = id;
        a.startingBalance = startingBalance;
        a.createdAt = a.updatedAt = QDateTime::currentDateTimeUtc();
        QVERIFY(accounts.insert(a));
    }

    // Rows created later get later creation times, in call order.
    Transaction add(const QString &accountId, const QDate &date, qint64 amount, const QString &payee = QString(),
                    const QString &memo = QString(), const QString &categoryId = QString())
    {
        Transaction t;
        t.id = QStringLiteral("t%1").arg(++sequence);
        t.accountId = accountId;
        t.date = date;
        t.amount = amount;
        t.payee = payee.isNull() ? t.id : payee;
        t.memo = memo;
        t.categoryId = categoryId;
        t.createdAt = QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC).addSecs(sequence);
        t.updatedAt = t.createdAt;
        if (!transactions.insert(t))
            qFatal("insert failed");
        return t;
    }

    QStringList searchIds(const QString &text, const TransactionSearchFilter &filter = {})
    {
        QStringList ids;
        for (const RegisterRow &row : transactions.search(text, filter))
            ids << row.transaction.id;
        return ids;
    }
};

} // namespace

class TransactionQueryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void registerRowsCarryRunningBalances()
    {
        QueryFixture f;
        f.addAccount(QStringLiteral("a"), 1000);
        const QDate march1(2024, 3, 1);
        f.add(QStringLiteral("a"), march1.addDays(5), 25);
        f.add(QStringLiteral("a"), march1, -200);
        f.add(QStringLiteral("a"), march1, 50);
        const QList<RegisterRow> rows = f.transactions.listRegister(QStringLiteral("a"));
        QCOMPARE(rows.size(), 4);
        // Synthetic opening row first, dated like the earliest transaction.
        QVERIFY(rows[0].transaction.id.isEmpty());
        QCOMPARE(rows[0].transaction.payee, QStringLiteral("Opening Balance"));
        QCOMPARE(rows[0].transaction.date, march1);
        QVERIFY(rows[0].transaction.cleared && rows[0].transaction.reconciled);
        QCOMPARE(rows[0].runningBalance, std::optional<qint64>(1000));
        QCOMPARE(rows[1].runningBalance, std::optional<qint64>(800));
        QCOMPARE(rows[2].runningBalance, std::optional<qint64>(850));
        QCOMPARE(rows[3].runningBalance, std::optional<qint64>(875));
    }

    void registerOpeningRowWithoutTransactions()
    {
        QueryFixture f;
        f.addAccount(QStringLiteral("a"), 5000);
        f.addAccount(QStringLiteral("b"), 0);
        const auto rows = f.transactions.listRegister(QStringLiteral("a"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].transaction.date, QDate::currentDate());
        QCOMPARE(rows[0].runningBalance, std::optional<qint64>(5000));
        QVERIFY(f.transactions.listRegister(QStringLiteral("b")).isEmpty());
    }

    void registerCategoryNames()
    {
        QueryFixture f;
        f.addAccount(QStringLiteral("a"));
        Category parent;
        parent.id = QStringLiteral("p");
        parent.name = QStringLiteral("Auto");
        parent.createdAt = parent.updatedAt = QDateTime::currentDateTimeUtc();
        QVERIFY(f.categories.insert(parent));
        Category child = parent;
        child.id = QStringLiteral("c");
        child.name = QStringLiteral("Fuel");
        child.parentId = QStringLiteral("p");
        QVERIFY(f.categories.insert(child));
        f.add(QStringLiteral("a"), QDate(2024, 1, 1), -1, {}, {}, QStringLiteral("c"));
        f.add(QStringLiteral("a"), QDate(2024, 1, 2), -1, {}, {}, QStringLiteral("p"));
        f.add(QStringLiteral("a"), QDate(2024, 1, 3), -1);
        QVERIFY(f.categories.softDelete(QStringLiteral("p")));
        const auto rows = f.transactions.listRegister(QStringLiteral("a"));
        QCOMPARE(rows[0].categoryName, QStringLiteral("Auto > Fuel"));
        QCOMPARE(rows[1].categoryName, QStringLiteral("Auto"));
        QCOMPARE(rows[2].categoryName, QString());
    }

    // Register rows read their texts in a faster way than single rows do;
    // both must give the same strings, whatever the characters.
    void registerRowsReadTextsAsStored_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QStringLiteral("Corner Shop");
        QTest::newRow("empty") << QString(QLatin1String(""));
        QTest::newRow("accented") << QStringLiteral("Caf\u00E9 M\u00FCller");
        QTest::newRow("japanese") << QStringLiteral("\u671F\u9996\u6B8B\u9AD8");
        QTest::newRow("outside the basic plane") << QStringLiteral("Tea \U0001F375");
        QTest::newRow("control and quote") << QStringLiteral("a\tb'c\"");
    }

    void registerRowsReadTextsAsStored()
    {
        QFETCH(QString, text);
        QueryFixture f;
        f.addAccount(QStringLiteral("a"));
        Category category;
        category.id = text.isEmpty() ? QStringLiteral("c") : text;
        category.name = text.isEmpty() ? QStringLiteral("c") : text;
        category.createdAt = category.updatedAt = QDateTime::currentDateTimeUtc();
        QVERIFY(f.categories.insert(category));
        // Two rows share each text, as payees and categories repeat down a register.
        for (int i = 0; i < 2; ++i) {
            Transaction t = f.add(QStringLiteral("a"), QDate(2024, 1, 1 + i), -1, text, text, category.id);
            t.checkNumber = text;
            t.transferDestAccountId = text;
            t.recurringId = text;
            t.serverId = text;
            QVERIFY(f.transactions.update(t));
        }
        const QList<RegisterRow> rows = f.transactions.listRegister(QStringLiteral("a"));
        QCOMPARE(rows.size(), 2);
        for (const RegisterRow &row : rows) {
            const std::optional<Transaction> stored = f.transactions.findById(row.transaction.id);
            QVERIFY(stored);
            const Transaction &t = row.transaction;
            QCOMPARE(t.payee, stored->payee);
            QCOMPARE(t.payee, text);
            QCOMPARE(t.memo, stored->memo);
            QCOMPARE(t.checkNumber, stored->checkNumber);
            QCOMPARE(t.categoryId, stored->categoryId);
            QCOMPARE(t.transferDestAccountId, stored->transferDestAccountId);
            QCOMPARE(t.recurringId, stored->recurringId);
            QCOMPARE(t.serverId, stored->serverId);
            QCOMPARE(t.accountId, stored->accountId);
            QCOMPARE(t.transferLinkId.isNull(), stored->transferLinkId.isNull());
            QCOMPARE(t.createdAt, stored->createdAt);
            QCOMPARE(row.categoryName, category.name);
        }
    }

    void balanceModes()
    {
        QueryFixture f;
        f.addAccount(QStringLiteral("a"), 100);
        const QDate today = QDate::currentDate();
        Transaction cleared = f.add(QStringLiteral("a"), today, 10);
        cleared.cleared = true;
        QVERIFY(f.transactions.update(cleared));
        Transaction reconciled = f.add(QStringLiteral("a"), today.addDays(-3), 20);
        reconciled.reconciled = true;
        QVERIFY(f.transactions.update(reconciled));
        f.add(QStringLiteral("a"), today.addDays(1), 1000);
        const Transaction deleted = f.add(QStringLiteral("a"), today, 5000);
        QVERIFY(f.transactions.softDelete(deleted.id));

        QCOMPARE(f.transactions.balance(QStringLiteral("a"), TransactionRepository::CurrentBalance), std::optional<qint64>(1130));
        QCOMPARE(f.transactions.balance(QStringLiteral("a"), TransactionRepository::ClearedBalance), std::optional<qint64>(130));
        QCOMPARE(f.transactions.balance(QStringLiteral("a"), TransactionRepository::BalanceAsOfToday), std::optional<qint64>(130));
        QCOMPARE(f.transactions.balance(QStringLiteral("nobody"), 0), std::optional<qint64>(0));
    }

    void balancesThatDoNotFitAreReported()
    {
        // Two amounts of 50,000,000,000,000,000.00: their sum exceeds int64.
        constexpr qint64 half = 5000000000000000000;
        QueryFixture f;
        f.addAccount(QStringLiteral("a"));
        f.add(QStringLiteral("a"), QDate(2024, 1, 1), half);
        f.add(QStringLiteral("a"), QDate(2024, 1, 2), half);
        f.add(QStringLiteral("a"), QDate(2024, 1, 3), -half);
        const QList<RegisterRow> rows = f.transactions.listRegister(QStringLiteral("a"));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].runningBalance, std::optional<qint64>(half));
        QVERIFY(!rows[1].runningBalance);
        QVERIFY2(!rows[2].runningBalance, "a balance after one that did not fit is unknown too");
        for (const int mode : {TransactionRepository::CurrentBalance, TransactionRepository::BalanceAsOfToday})
            QVERIFY(!f.transactions.balance(QStringLiteral("a"), mode));

        // The starting balance alone fits, the sum with it does not.
        f.addAccount(QStringLiteral("b"), std::numeric_limits<qint64>::max());
        f.add(QStringLiteral("b"), QDate(2024, 1, 1), 1);
        QVERIFY(!f.transactions.balance(QStringLiteral("b"), TransactionRepository::CurrentBalance));
        QVERIFY(!f.transactions.listRegister(QStringLiteral("b")).constLast().runningBalance);
    }

    // The register's index orders rows of one second by amount; the register
    // lists them in the order they were stored, in the whole account and in
    // its newest rows alike.
    void rowsOfOneSecondKeepTheOrderTheyWereStored()
    {
        QueryFixture f;
        f.addAccount(QStringLiteral("a"), 5);
        for (int day = 1; day <= 4; ++day)
            f.add(QStringLiteral("a"), QDate(2024, 1, day), 1);
        QStringList stored;
        for (const qint64 amount : {300, -100, 200, 100})
            stored << f.add(QStringLiteral("a"), QDate(2024, 2, 1), amount).id;
        QVERIFY(f.exec(QStringLiteral("UPDATE transactions SET created_at = '2024-06-01T09:00:00Z' "
                                      "WHERE date = '2024-02-01'")));
        const QList<RegisterRow> rows = f.transactions.listRegister(QStringLiteral("a"));
        QCOMPARE(rows.size(), 9);
        QStringList listed;
        QList<qint64> balances;
        for (qsizetype i = 5; i < rows.size(); ++i) {
            listed << rows[i].transaction.id;
            balances << *rows[i].runningBalance;
        }
        QCOMPARE(listed, stored);
        QCOMPARE(balances, (QList<qint64>{309, 209, 409, 509}));

        const auto newest = f.transactions.listRegisterNewest(QStringLiteral("a"), 2);
        QVERIFY(newest);
        QCOMPARE(newest->rows.size(), 4);
        QCOMPARE(newest->earlierRows, 5);
        for (qsizetype i = 0; i < newest->rows.size(); ++i) {
            QCOMPARE(newest->rows[i].transaction.id, stored[i]);
            QCOMPARE(newest->rows[i].runningBalance, rows[5 + i].runningBalance);
        }
    }

    // Account sums are kept between reads while the table is unchanged: each
    // way of changing it must be seen.
    void balancesFollowEveryWriter()
    {
        QueryFixture f;
        f.addAccount(QStringLiteral("a"), 100);
        for (int day = 1; day <= 5; ++day)
            f.add(QStringLiteral("a"), QDate(2024, 1, day), 10 * day);
        const auto stored = [&f] {
            return 100 + f.scalar(QStringLiteral("SELECT SUM(amount) FROM transactions WHERE account_id = 'a' "
                                                 "AND deleted_at IS NULL")).toLongLong();
        };
        const auto check = [&f, &stored](const char *step) {
            const std::optional<qint64> balance =
                f.transactions.balance(QStringLiteral("a"), TransactionRepository::CurrentBalance);
            QVERIFY2(balance && *balance == stored(), step);
            const auto newest = f.transactions.listRegisterNewest(QStringLiteral("a"), 1);
            QVERIFY2(newest && newest->rows.constLast().runningBalance == balance, step);
        };
        check("first read");

        f.add(QStringLiteral("a"), QDate(2024, 1, 9), 7);
        check("a row added through the repository");

        QVERIFY(f.exec(QStringLiteral("UPDATE transactions SET amount = amount + 1000 WHERE account_id = 'a'")));
        check("rows changed in SQL on the same connection");

        {
            Database other;
            QVERIFY(other.open(f.dir.filePath(QStringLiteral("tallyra.db"))));
            QSqlQuery query(*other.db());
            QVERIFY(query.exec(QStringLiteral("UPDATE transactions SET deleted_at = '2024-02-01T00:00:00Z' "
                                              "WHERE date = '2024-01-09'")));
        }
        check("a row deleted by another connection");

        const std::optional<qint64> before =
            f.transactions.balance(QStringLiteral("a"), TransactionRepository::CurrentBalance);
        {
            SqlTransaction transaction(f.database.get());
            f.add(QStringLiteral("a"), QDate(2024, 1, 10), 99);
            // Read inside the transaction: the row counts, but must not be
            // kept once the transaction rolls back.
            QCOMPARE(f.transactions.balance(QStringLiteral("a"), TransactionRepository::CurrentBalance),
                     std::optional<qint64>(*before + 99));
        }
        QCOMPARE(f.transactions.balance(QStringLiteral("a"), TransactionRepository::CurrentBalance), before);
        check("a rolled-back write");
    }

    void ftsQuery_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("query");
        QTest::newRow("words become prefixes") << "Corner Shop #12" << "Corner* Shop* 12*";
        QTest::newRow("punctuation only") << "#-!" << "";
        QTest::newRow("operators are words") << "Portland OR" << "Portland* \"OR\"*";
        QTest::newRow("all three operators") << "AND NOT OR" << "\"AND\"* \"NOT\"* \"OR\"*";
        QTest::newRow("lower-case is no operator") << "rock or roll" << "rock* or* roll*";
        QTest::newRow("quotes cannot leak") << "\"x\" (y)" << "x* y*";
        QTest::newRow("letters outside the basic plane")
            << QStringLiteral("\U00020BB7\u91CE\u5BB6 \U0001D400x") << QStringLiteral("\U00020BB7\u91CE\u5BB6* \U0001D400x*");
        QTest::newRow("emoji is no letter") << QStringLiteral("tea\U0001F375cake") << "tea* cake*";
        QTest::newRow("non-latin letters") << QStringLiteral("Caf\u00E9 \u671F\u9996") << QStringLiteral("Caf\u00E9* \u671F\u9996*");
    }

    void ftsQuery()
    {
        QFETCH(QString, text);
        QFETCH(QString, query);
        QCOMPARE(TransactionRepository::buildFtsQuery(text), query);
    }

    void searchFollowsWritesAndFilters()
    {
        QueryFixture f;
        f.addAccount(QStringLiteral("a"));
        f.addAccount(QStringLiteral("b"));
        const Transaction coffee = f.add(QStringLiteral("a"), QDate(2024, 1, 10), -450, QStringLiteral("Coffee Shop"));
        const Transaction memo = f.add(QStringLiteral("b"), QDate(2024, 2, 10), -300, QStringLiteral("Bakery"),
                                       QStringLiteral("two coffees"));
        const Transaction portland = f.add(QStringLiteral("a"), QDate(2024, 3, 10), -100,
                                           QStringLiteral("Portland OR Grocery"));
        f.add(QStringLiteral("a"), QDate(2024, 3, 11), -100, QStringLiteral("Hardware"));

        QCOMPARE(f.searchIds(QStringLiteral("coffee")), QStringList({memo.id, coffee.id}));
        QCOMPARE(f.searchIds(QStringLiteral("Portland OR")), QStringList({portland.id}));
        TransactionSearchFilter onlyA;
        onlyA.accountId = QStringLiteral("a");
        QCOMPARE(f.searchIds(QStringLiteral("coffee"), onlyA), QStringList({coffee.id}));
        TransactionSearchFilter dates;
        dates.toDate = QDate(2024, 1, 31);
        QCOMPARE(f.searchIds(QStringLiteral("coffee"), dates), QStringList({coffee.id}));
        dates.fromDate = QDate(2024, 2, 1);
        QVERIFY(f.searchIds(QString(), dates).isEmpty());
        TransactionSearchFilter cleared;
        cleared.cleared = true;
        QVERIFY(f.searchIds(QStringLiteral("coffee"), cleared).isEmpty());
        QCOMPARE(f.searchIds(QStringLiteral("#!")).size(), 4);

        // The index follows updates and hard deletes; soft-deleted rows are filtered out.
        Transaction renamed = coffee;
        renamed.payee = QStringLiteral("Tea House");
        QVERIFY(f.transactions.update(renamed));
        QCOMPARE(f.searchIds(QStringLiteral("coffee")), QStringList({memo.id}));
        QCOMPARE(f.searchIds(QStringLiteral("tea")), QStringList({coffee.id}));
        QVERIFY(f.transactions.softDelete(memo.id));
        QVERIFY(f.searchIds(QStringLiteral("coffees")).isEmpty());
        QCOMPARE(f.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH 'coffees*'"))
                     .toInt(),
                 1);
        QVERIFY(f.exec(QStringLiteral("DELETE FROM transactions WHERE id = '%1'").arg(memo.id)));
        QCOMPARE(f.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH 'coffees*'"))
                     .toInt(),
                 0);
    }

    void searchForALetterOutsideTheBasicPlane()
    {
        QueryFixture f;
        f.addAccount(QStringLiteral("a"));
        const Transaction noodles = f.add(QStringLiteral("a"), QDate(2024, 1, 1), -900,
                                          QStringLiteral("\U00020BB7\u91CE\u5BB6"));
        f.add(QStringLiteral("a"), QDate(2024, 1, 2), -100, QStringLiteral("Bakery"));
        QCOMPARE(f.searchIds(QStringLiteral("\U00020BB7")), QStringList({noodles.id}));
    }

    void searchIsCappedAt200()
    {
        QueryFixture f;
        f.addAccount(QStringLiteral("a"));
        for (int i = 0; i < 210; ++i)
            f.add(QStringLiteral("a"), QDate(2024, 1, 1).addDays(i), -1, QStringLiteral("Rent"));
        const QStringList ids = f.searchIds(QStringLiteral("rent"));
        QCOMPARE(ids.size(), 200);
        QCOMPARE(ids.first(), QStringLiteral("t210"));
    }

    void payees()
    {
        QueryFixture f;
        f.addAccount(QStringLiteral("a"));
        f.addAccount(QStringLiteral("b"));
        f.add(QStringLiteral("a"), QDate(2024, 1, 1), -1, QStringLiteral("shop"));
        f.add(QStringLiteral("b"), QDate(2024, 1, 2), -2, QStringLiteral("Shop"));
        f.add(QStringLiteral("a"), QDate(2024, 1, 3), -3, QStringLiteral("Shop"));
        f.add(QStringLiteral("a"), QDate(2024, 1, 1), -4, QStringLiteral(""));
        QVERIFY(f.transactions.softDelete(f.add(QStringLiteral("a"), QDate(2024, 1, 1), -5, QStringLiteral("Gone")).id));
        f.add(QStringLiteral("b"), QDate(2024, 1, 4), -6, QStringLiteral("Apple"));
        f.add(QStringLiteral("a"), QDate(2024, 1, 4), -7, QStringLiteral("Zed"));
        // In byte order, each once, past the deleted row's payee.
        QCOMPARE(f.transactions.distinctPayees(), QStringList({"Apple", "Shop", "Zed", "shop"}));
        QCOMPARE(f.transactions.payees(QStringLiteral("a")), f.transactions.distinctPayees());
        QCOMPARE(f.transactions.findLastByPayee(QStringLiteral("Shop"), QStringLiteral("a"))->amount, qint64(-3));
        QVERIFY(!f.transactions.findLastByPayee(QStringLiteral("SHOP"), QStringLiteral("a")));
    }

    // The payee list is read by stepping from payee to payee, by reading
    // the payee index whole, or by stepping and then reading on; each gives
    // the same list, whatever the list held the time before.
    void payeeListReadEveryWay_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("payees");
        QTest::addColumn<int>("leadingRows");
        QTest::newRow("few payees, many rows each") << 300 << 3 << 0;
        QTest::newRow("a payee for nearly every row") << 300 << 290 << 0;
        QTest::newRow("one more payee than steps") << 300 << 12 << 0;
        QTest::newRow("no rows") << 0 << 0 << 0;
        // The first payees in order have many rows, the rest one each.
        QTest::newRow("one payee's many rows, then a payee for each row") << 290 << 290 << 300;
    }

    void payeeListReadEveryWay()
    {
        QFETCH(int, rows);
        QFETCH(int, payees);
        QFETCH(int, leadingRows);
        QueryFixture f;
        f.addAccount(QStringLiteral("a"));
        QStringList expected;
        for (int i = 0; i < leadingRows; ++i)
            f.add(QStringLiteral("a"), QDate(2024, 1, 1), -1, QStringLiteral("A"));
        if (leadingRows > 0)
            expected.append(QStringLiteral("A"));
        for (int i = 0; i < rows; ++i) {
            const QString payee = QStringLiteral("P%1").arg(i % payees, 3, 10, QLatin1Char('0'));
            f.add(QStringLiteral("a"), QDate(2024, 1, 1), -1, payee);
            if (!expected.contains(payee))
                expected.append(payee);
        }
        f.add(QStringLiteral("a"), QDate(2024, 1, 1), -1, QStringLiteral(""));
        QVERIFY(f.transactions.softDelete(f.add(QStringLiteral("a"), QDate(2024, 1, 1), -1, QStringLiteral("Q")).id));
        expected.sort();
        QCOMPARE(f.transactions.distinctPayees(), expected);
        QCOMPARE(f.transactions.distinctPayees(), expected);
        // Now one payee where there were many, and many again.
        QVERIFY(f.exec(QStringLiteral("UPDATE transactions SET payee = 'Same' WHERE payee LIKE 'P%' OR payee = 'A'")));
        QCOMPARE(f.transactions.distinctPayees(),
            rows + leadingRows > 0 ? QStringList{QStringLiteral("Same")} : QStringList());
        QVERIFY(f.exec(QStringLiteral("UPDATE transactions SET payee = 'P' || rowid WHERE payee = 'Same'")));
        QCOMPARE(f.transactions.distinctPayees().size(), rows + leadingRows);
    }

    // A list refilled from an earlier one is the list read afresh, whatever
    // the earlier one held; the texts both hold share their storage.
    void payeeListRefilledFromAnEarlierOne_data()
    {
        QTest::addColumn<QStringList>("earlier");
        QTest::addColumn<bool>("sharesEveryKeptText");
        const QStringList now{"Apple", "Bakery", "Corner Shop", "Zed", "caf\u00e9", "\u03a9mega", "\u6771\u4eac"};
        QTest::newRow("unchanged") << now << true;
        QTest::newRow("none before") << QStringList() << true;
        QTest::newRow("payees added first, between and last")
            << QStringList{"Bakery", "Zed", "caf\u00e9"} << true;
        QTest::newRow("payees gone first, between and last")
            << QStringList{"Aardvark", "Apple", "Bakery", "Bank", "Corner Shop", "Zed", "Zoo", "cafe",
                   "caf\u00e9", "\u03a9mega", "\u6771\u4eac", "\u6771\u4eac\u99c5"}
            << true;
        QTest::newRow("a payee added last") << now.first(6) << true;
        QTest::newRow("a payee gone last") << now + QStringList{"\u6771\u4eac\u99c5"} << true;
        QTest::newRow("a payee renamed between")
            << QStringList{"Apple", "Bakery", "Corner Store", "Zed", "caf\u00e9", "\u03a9mega", "\u6771\u4eac"}
            << true;
        QTest::newRow("other case") << QStringList{"APPLE", "apple", "zed"} << true;
        QTest::newRow("out of order") << QStringList{"\u6771\u4eac", "Zed", "Apple", "", "Zed"} << false;
    }

    void payeeListRefilledFromAnEarlierOne()
    {
        QFETCH(QStringList, earlier);
        QFETCH(bool, sharesEveryKeptText);
        QueryFixture f;
        f.addAccount(QStringLiteral("a"));
        const QStringList payees{"Zed", "\u6771\u4eac", "Apple", "caf\u00e9", "Corner Shop", "\u03a9mega", "Bakery"};
        QVERIFY(f.transactions.softDelete(f.add(QStringLiteral("a"), QDate(2024, 1, 1), -1, QStringLiteral("Bank")).id));
        f.add(QStringLiteral("a"), QDate(2024, 1, 1), -1, QStringLiteral(""));
        // Copies made here, so that sharing cannot come from literals.
        for (QString &text : earlier)
            text = QString(text.constData(), text.size());
        const QStringList expected{"Apple", "Bakery", "Corner Shop", "Zed", "caf\u00e9", "\u03a9mega", "\u6771\u4eac"};
        // With one row each, the list is read from the first entries of the
        // payee index and then whole; with forty, by stepping from payee to
        // payee.
        for (const int copies : {1, 39}) {
            for (int copy = 0; copy < copies; ++copy) {
                for (const QString &payee : payees)
                    f.add(QStringLiteral("a"), QDate(2024, 1, 1), -1, payee);
            }
            for (int reading = 0; reading < 2; ++reading) {
                const QStringList refilled = f.transactions.distinctPayees(earlier);
                QCOMPARE(refilled, expected);
                if (!sharesEveryKeptText)
                    continue;
                for (const QString &text : refilled) {
                    const qsizetype at = earlier.indexOf(text);
                    if (at >= 0)
                        QCOMPARE(static_cast<const void *>(text.constData()),
                            static_cast<const void *>(earlier.at(at).constData()));
                }
            }
        }
    }

    void openingBalanceRecognition()
    {
        QueryFixture f;
        f.addAccount(QStringLiteral("a"));
        QVERIFY(TransactionRepository::isOpeningBalancePayee(QStringLiteral("  Saldo Inicial  ")));
        QVERIFY(TransactionRepository::isOpeningBalancePayee(QStringLiteral("\u671F\u9996\u6B8B\u9AD8")));
        QVERIFY(!TransactionRepository::isOpeningBalancePayee(QStringLiteral("Opening")));

        f.add(QStringLiteral("a"), QDate(2024, 1, 5), -10, QStringLiteral("Groceries"));
        const Transaction later = f.add(QStringLiteral("a"), QDate(2024, 2, 1), 100, QStringLiteral("Opening Balance"));
        const Transaction first = f.add(QStringLiteral("a"), QDate(2024, 1, 1), 500, QStringLiteral("Opening Balance"));
        QVERIFY(f.transactions.isOpeningBalance(first));
        QVERIFY(!f.transactions.isOpeningBalance(later));
        QCOMPARE(f.transactions.findOpeningBalance(QStringLiteral("a"))->id, first.id);

        // Two on the same date: both lookups pick the one created last.
        const Transaction sameDay = f.add(QStringLiteral("a"), QDate(2024, 1, 1), 7, QStringLiteral("anfangssaldo"));
        QCOMPARE(f.transactions.findOpeningBalance(QStringLiteral("a"))->id, sameDay.id);
        QVERIFY(f.transactions.isOpeningBalance(sameDay));
        QVERIFY(!f.transactions.isOpeningBalance(first));

        const OpeningBalanceProbe probe = f.transactions.openingBalanceProbe(QStringLiteral("a"));
        QVERIFY(probe.hasOpeningBalancePayee);
        QCOMPARE(probe.earliestDate, QDate(2024, 1, 1));
        const OpeningBalanceProbe empty = f.transactions.openingBalanceProbe(QStringLiteral("none"));
        QVERIFY(!empty.hasOpeningBalancePayee);
        QVERIFY(!empty.earliestDate.isValid());
    }

    // Once a row carries the account's derived id, it alone is the opening
    // balance: a row that merely reads "Opening Balance" (typed, imported,
    // renamed) is an ordinary transaction, also when it is dated earlier.
    void openingBalanceIsTheDerivedRow_data()
    {
        QTest::addColumn<QString>("derivedPayee");
        QTest::addColumn<bool>("derivedDeleted");
        QTest::addColumn<QString>("wordsPayee");
        QTest::addColumn<QString>("expected"); // derived, words or none

        QTest::newRow("derived row beats an earlier row with the words")
            << QStringLiteral("Opening Balance") << false << QStringLiteral("Opening Balance")
            << QStringLiteral("derived");
        QTest::newRow("derived row under another payee")
            << QStringLiteral("Initial deposit") << false << QStringLiteral(" anfangssaldo ")
            << QStringLiteral("derived");
        QTest::newRow("derived row in another language")
            << QStringLiteral("\u671F\u9996\u6B8B\u9AD8") << false << QStringLiteral("Saldo inicial")
            << QStringLiteral("derived");
        QTest::newRow("deleted derived row leaves no opening balance")
            << QStringLiteral("Opening Balance") << true << QStringLiteral("Solde d'ouverture")
            << QStringLiteral("none");
        QTest::newRow("no derived row: the earliest row with the words")
            << QString() << false << QStringLiteral("Opening Balance") << QStringLiteral("words");
    }

    void openingBalanceIsTheDerivedRow()
    {
        QFETCH(QString, derivedPayee);
        QFETCH(bool, derivedDeleted);
        QFETCH(QString, wordsPayee);
        QFETCH(QString, expected);

        QueryFixture f;
        const QString account = QStringLiteral("a");
        f.addAccount(account);
        Transaction derived;
        if (!derivedPayee.isNull()) {
            derived.id = TransactionRepository::openingBalanceId(account);
            derived.accountId = account;
            derived.date = QDate(2024, 1, 10);
            derived.payee = derivedPayee;
            derived.amount = 50000;
            derived.createdAt = derived.updatedAt = QDateTime(QDate(2024, 1, 10), QTime(9, 0), Qt::UTC);
            QVERIFY(f.transactions.insert(derived));
            if (derivedDeleted)
                QVERIFY(f.transactions.softDelete(derived.id));
        }
        const Transaction words = f.add(account, QDate(2024, 1, 2), -100, wordsPayee);
        const Transaction ordinary = f.add(account, QDate(2024, 1, 1), -200, QStringLiteral("Groceries"));

        const std::optional<Transaction> found = f.transactions.findOpeningBalance(account);
        QCOMPARE(f.transactions.isOpeningBalance(ordinary), false);
        if (expected == QLatin1String("derived")) {
            QVERIFY(found);
            QCOMPARE(found->id, derived.id);
            QVERIFY(f.transactions.isOpeningBalance(derived));
            QVERIFY(!f.transactions.isOpeningBalance(words));
        } else if (expected == QLatin1String("words")) {
            QVERIFY(found);
            QCOMPARE(found->id, words.id);
            QVERIFY(f.transactions.isOpeningBalance(words));
        } else {
            QVERIFY(!found);
            QVERIFY(!f.transactions.isOpeningBalance(words));
        }
    }

    void openingBalanceIdIsDerived()
    {
        QCOMPARE(TransactionRepository::openingBalanceId(QStringLiteral("acc-1")),
                 QStringLiteral("a605d24d-8d40-5d00-82a8-8a5e7b01cc1d"));
        QVERIFY(TransactionRepository::openingBalanceId(QStringLiteral("acc-2"))
                != TransactionRepository::openingBalanceId(QStringLiteral("acc-1")));
    }
};

TALLYRA_TEST(TransactionQueryTest)
#include "test_transactionqueries.moc"
