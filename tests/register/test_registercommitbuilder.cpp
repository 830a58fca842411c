#include "registerfixture.h"
#include "support/testmain.h"

#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "register/registercommitbuilder.h"
#include "register/registermodel.h"
#include "register/transactionactions.h"

#include <QRegularExpression>

using Refusal = RegisterCommitBuilder::Refusal;

namespace {

// Two categories share the name "Maintenance" under different parents.
struct Books
{
    AppFixture f;
    Account checking;
    Account savings;
    QHash<QString, QString> categoryIds;

    Books()
    {
        checking = f.addAccount(QStringLiteral("Checking"));
        savings = f.addAccount(QStringLiteral("Savings"), AccountType::Savings);
        f.addAccount(QStringLiteral("Yen"), AccountType::Savings, Currency::JPY);
        const Category home = f.addCategory(QStringLiteral("Home"));
        const Category car = f.addCategory(QStringLiteral("Car"));
        categoryIds.insert(QStringLiteral("food"), f.addCategory(QStringLiteral("Food")).id);
        categoryIds.insert(QStringLiteral("home"), home.id);
        categoryIds.insert(QStringLiteral("car"), car.id);
        categoryIds.insert(QStringLiteral("home maintenance"), f.addCategory(QStringLiteral("Maintenance"), home.id).id);
        categoryIds.insert(QStringLiteral("car maintenance"), f.addCategory(QStringLiteral("Maintenance"), car.id).id);
    }

    // The register of the checking account, the given row loaded for
    // editing as the screen does.
    void editRow(RegisterModel &model, const QString &transactionId)
    {
        model.setRows(f.app()->transactionRepository()->listRegister(checking.id));
        const int row = model.viewRowOfTransaction(transactionId);
        model.loadRowForEditing(row, model.rowAt(row).categoryName);
        model.setEditingRow(row);
    }
};

void typeNewRow(RegisterModel &model, const QString &payee, const QString &payment, const QString &deposit,
    const QString &category = QString(), const QString &categoryId = QString())
{
    model.resetNewRow();
    fillBuffer(&model, QStringLiteral("3/15/2024"), payee, payment, deposit);
    model.buffer().category = category;
    model.buffer().categoryId = categoryId;
}

} // namespace

class TestRegisterCommitBuilder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newRows_data()
    {
        QTest::addColumn<QString>("payee");
        QTest::addColumn<QString>("payment");
        QTest::addColumn<QString>("deposit");
        QTest::addColumn<QString>("categoryText");
        QTest::addColumn<QString>("chosenCategory");
        QTest::addColumn<QString>("storedPayee");
        QTest::addColumn<qint64>("amount");
        QTest::addColumn<QString>("category");
        QTest::addColumn<bool>("transfer");

        QTest::newRow("plain row") << "Grocer" << "12.50" << "" << "Food" << "food" << "Grocer" << qint64(-1250)
                                   << "food" << false;
        QTest::newRow("transfer out") << "[Transfer] Savings" << "40.00" << "" << "" << "" << "Transfer to Savings"
                                      << qint64(-4000) << "" << true;
        QTest::newRow("transfer in") << "[Transfer] Savings" << "" << "40.00" << "" << "" << "Transfer to Savings"
                                     << qint64(4000) << "" << true;
        QTest::newRow("category typed as a label") << "Garage" << "80.00" << "" << "Car > Maintenance" << ""
                                                   << "Garage" << qint64(-8000) << "car maintenance" << false;
        QTest::newRow("category typed as a name") << "Grocer" << "5.00" << "" << "Food" << "" << "Grocer"
                                                  << qint64(-500) << "food" << false;
        // The label alone could be either "Maintenance": the chosen id decides.
        QTest::newRow("category chosen") << "Garage" << "80.00" << "" << "Maintenance" << "car maintenance"
                                         << "Garage" << qint64(-8000) << "car maintenance" << false;
        QTest::newRow("no category") << "Grocer" << "" << "1.00" << "" << "" << "Grocer" << qint64(100) << ""
                                     << false;
    }

    void newRows()
    {
        QFETCH(QString, payee);
        QFETCH(QString, payment);
        QFETCH(QString, deposit);
        QFETCH(QString, categoryText);
        QFETCH(QString, chosenCategory);
        QFETCH(QString, storedPayee);
        QFETCH(qint64, amount);
        QFETCH(QString, category);
        QFETCH(bool, transfer);

        Books books;
        QVERIFY(books.f.isValid());
        RegisterModel model;
        typeNewRow(model, payee, payment, deposit, categoryText, books.categoryIds.value(chosenCategory));
        const RegisterCommitBuilder builder(books.f.app(), books.checking.id);

        const RegisterCommitBuilder::Commit commit = builder.build(model);
        QCOMPARE(commit.refusal, Refusal::None);
        QVERIFY(commit.isNew);
        QCOMPARE(builder.write(commit), WriteResult::Written);

        const QList<Transaction> rows = books.f.liveTransactions(books.checking.id);
        QCOMPARE(rows.size(), 1);
        const Transaction &stored = rows.first();
        QCOMPARE(stored.id, commit.transaction.id);
        QCOMPARE(stored.date, QDate(2024, 3, 15));
        QCOMPARE(stored.payee, storedPayee);
        QCOMPARE(stored.amount, amount);
        QCOMPARE(stored.categoryId, books.categoryIds.value(category));
        QCOMPARE(stored.version, 1);

        const QList<Transaction> other = books.f.liveTransactions(books.savings.id);
        QCOMPARE(commit.counterpart.has_value(), transfer);
        QCOMPARE(other.size(), transfer ? 1 : 0);
        if (transfer) {
            QCOMPARE(other.first().amount, -amount);
            QCOMPARE(other.first().payee, QStringLiteral("Transfer from Checking"));
            QCOMPARE(other.first().date, stored.date);
            QCOMPARE(other.first().transferLinkId, stored.id);
            QCOMPARE(stored.transferLinkId, other.first().id);
            QCOMPARE(stored.transferDestAccountId, books.savings.id);
        }
    }

    // An edited row is the stored one with the typed fields over it: its
    // links, split flag and lines stay, and it is a local change.
    void editedRows_data()
    {
        QTest::addColumn<bool>("split");
        QTest::addColumn<QString>("payment");
        QTest::addColumn<qint64>("amount");
        QTest::newRow("plain row, new amount") << false << "20.00" << qint64(-2000);
        QTest::newRow("split row, new memo") << true << "100.00" << qint64(-10000);
    }

    void editedRows()
    {
        QFETCH(bool, split);
        QFETCH(QString, payment);
        QFETCH(qint64, amount);

        Books books;
        QVERIFY(books.f.isValid());
        Transaction t = books.f.addTransaction(books.checking.id, QDate(2024, 3, 1), QStringLiteral("Store"), -10000);
        t.categoryId = books.categoryIds.value(QStringLiteral("food"));
        if (split) {
            t.isSplit = true;
            t.categoryId.clear();
            QVERIFY(TransactionActions::saveSplitLines(books.f.app(), t,
                {makeSplitLine(books.categoryIds.value(QStringLiteral("food")), -6000),
                    makeSplitLine(books.categoryIds.value(QStringLiteral("home")), -4000)}));
        }
        QVERIFY(books.f.app()->transactionRepository()->update(t));
        RegisterModel model;
        books.editRow(model, t.id);
        model.buffer().memo = QStringLiteral("note");
        model.buffer().payment = payment;
        const Transaction before = books.f.app()->transactionRepository()->findById(t.id).value();
        const RegisterCommitBuilder builder(books.f.app(), books.checking.id);

        const RegisterCommitBuilder::Commit commit = builder.build(model, before);
        QCOMPARE(commit.refusal, Refusal::None);
        QVERIFY(!commit.isNew);
        QCOMPARE(builder.write(commit), WriteResult::Written);

        const Transaction stored = books.f.app()->transactionRepository()->findById(t.id).value();
        QCOMPARE(stored.memo, QStringLiteral("note"));
        QCOMPARE(stored.amount, amount);
        QCOMPARE(stored.isSplit, split);
        QCOMPARE(stored.categoryId, split ? QString() : books.categoryIds.value(QStringLiteral("food")));
        QCOMPARE(stored.version, before.version + 1);
        QCOMPARE(stored.syncStatus, SyncStatus::Pending);
        QCOMPARE(stored.createdAt, before.createdAt);
        QCOMPARE(books.f.app()->splitLineRepository()->listByTransaction(t.id).size(), split ? 2 : 0);
        QCOMPARE(books.f.liveTransactions(books.checking.id).size(), 1);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("payee");
        QTest::addColumn<QString>("payment");
        QTest::addColumn<int>("refusal");
        QTest::addColumn<QString>("unreadable");
        QTest::addColumn<QString>("categoryText");
        QTest::newRow("no payee") << "  " << "1.00" << int(Refusal::PayeeMissing) << "" << "";
        QTest::newRow("no amount") << "Grocer" << "" << int(Refusal::AmountMissing) << "" << "";
        QTest::newRow("unreadable amount") << "Grocer" << "12x" << int(Refusal::AmountUnreadable) << "12x" << "";
        QTest::newRow("unknown transfer account") << "[Transfer] Nowhere" << "1.00"
                                                  << int(Refusal::TransferAccountNotFound) << "" << "";
        QTest::newRow("transfer to the account itself") << "[Transfer] Checking" << "1.00"
                                                        << int(Refusal::TransferAccountNotFound) << "" << "";
        QTest::newRow("transfer in another currency") << "[Transfer] Yen" << "1.00"
                                                      << int(Refusal::TransferCurrenciesDiffer) << "" << "";
        // Typed category text is never dropped for no category.
        QTest::newRow("category naming none") << "Grocer" << "1.00" << int(Refusal::CategoryUnknown) << ""
                                              << "groc";
        QTest::newRow("category typed as a name two share") << "Garage" << "80.00" << int(Refusal::CategoryUnknown)
                                                            << "" << "Maintenance";
    }

    void refusals()
    {
        QFETCH(QString, payee);
        QFETCH(QString, payment);
        QFETCH(int, refusal);
        QFETCH(QString, unreadable);
        QFETCH(QString, categoryText);

        Books books;
        QVERIFY(books.f.isValid());
        RegisterModel model;
        typeNewRow(model, payee, payment, QString(), categoryText);
        const RegisterCommitBuilder builder(books.f.app(), books.checking.id);

        const RegisterCommitBuilder::Commit commit = builder.build(model);
        QCOMPARE(int(commit.refusal), refusal);
        QCOMPARE(commit.unreadableAmount, unreadable);
        QCOMPARE(commit.unknownCategory, categoryText);
        QCOMPARE(builder.write(commit), WriteResult::Failed);
        QCOMPARE(books.f.countRows(QStringLiteral("SELECT COUNT(*) FROM transactions")), 0);
    }

    // The other leg goes in first; when the own leg then fails, neither stays.
    void aFailedWriteStoresNothing()
    {
        Books books;
        QVERIFY(books.f.isValid());
        QVERIFY(books.f.execSql(QStringLiteral("CREATE TEMP TRIGGER fail_checking BEFORE INSERT ON transactions "
                                               "WHEN NEW.account_id = '%1' BEGIN SELECT RAISE(ABORT, 'forced'); END")
                                    .arg(books.checking.id)));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("failed")));
        RegisterModel model;
        typeNewRow(model, QStringLiteral("[Transfer] Savings"), QStringLiteral("40.00"), QString());
        const RegisterCommitBuilder builder(books.f.app(), books.checking.id);

        const RegisterCommitBuilder::Commit commit = builder.build(model);
        QCOMPARE(commit.refusal, Refusal::None);
        QCOMPARE(builder.write(commit), WriteResult::Failed);
        QCOMPARE(books.f.countRows(QStringLiteral("SELECT COUNT(*) FROM transactions")), 0);
    }
};

TALLYRA_TEST(TestRegisterCommitBuilder)

#include "test_registercommitbuilder.moc"
