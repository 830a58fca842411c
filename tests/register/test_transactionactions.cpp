#include "registerfixture.h"
#include "support/testmain.h"

#include "data/accountrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "register/openingbalancebanner.h"
#include "register/transactionactions.h"
#include "register/writeresultprompt.h"
#include "services/accountoperations.h"

#include <QLabel>
#include <QLineEdit>
#include <QCheckBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>

#include "register/datefield.h"
#include "register/smartamountfield.h"

using namespace TransactionActions;

namespace {

// Stores a transfer of amount from one account to the other, both legs.
QPair<Transaction, Transaction> storeTransfer(AppFixture &f, const Account &from, const Account &to, qint64 amount)
{
    Transaction leg;
    leg.id = QStringLiteral("leg-%1").arg(from.id);
    leg.accountId = from.id;
    leg.date = QDate(2024, 3, 15);
    leg.amount = amount;
    leg.createdAt = QDateTime::currentDateTimeUtc();
    leg.updatedAt = leg.createdAt;
    const Transaction counterpart = makeTransferCounterpart(f.app(), leg, to.id);
    if (insertNewTransaction(f.app(), leg, counterpart) != WriteResult::Written)
        qWarning() << "storing the transfer failed";
    return {leg, counterpart};
}

Transaction reread(AppFixture &f, const QString &id)
{
    return f.app()->transactionRepository()->findById(id).value_or(Transaction());
}

void ignoreFailureWarnings()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("failed")));
}

// A deletion as a pull writes it: straight to the table, so no window hears
// of it, and an account's rows are deleted by records of their own.
bool deleteByPull(AppFixture &f, const QString &table, const QString &id)
{
    return f.execSql(QStringLiteral("UPDATE %1 SET deleted_at = '2024-05-01T00:00:00Z', version = version + 1 "
                                    "WHERE id = '%2'").arg(table, id));
}

} // namespace

class TestTransactionActions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newTransferWritesTwoLinkedLegsCounterpartFirst()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        FakePrompts prompts;
        const Account checking = f.addAccount(QStringLiteral("Checking"));
        const Account savings = f.addAccount(QStringLiteral("Savings"), AccountType::Savings);
        QSignalSpy changed(f.app()->transactionRepository(), &TransactionRepository::transactionsChanged);

        FormInput input;
        input.payee = QStringLiteral("[Transfer] Savings");
        input.cents = 5000;
        prompts.steps = {acceptForm(input)};
        QVERIFY(newTransaction(f.app(), checking.id));

        const QList<Transaction> out = f.liveTransactions(checking.id);
        const QList<Transaction> in = f.liveTransactions(savings.id);
        QCOMPARE(out.size(), 1);
        QCOMPARE(in.size(), 1);
        QCOMPARE(out[0].amount, qint64(-5000));
        QCOMPARE(out[0].payee, QStringLiteral("Transfer to Savings"));
        QCOMPARE(out[0].transferLinkId, in[0].id);
        QCOMPARE(out[0].transferDestAccountId, savings.id);
        QCOMPARE(in[0].amount, qint64(5000));
        QCOMPARE(in[0].payee, QStringLiteral("Transfer from Checking"));
        QCOMPARE(in[0].transferLinkId, out[0].id);
        QCOMPARE(in[0].transferDestAccountId, checking.id);
        QCOMPARE(in[0].date, out[0].date);
        QVERIFY(!changed.isEmpty());
        QCOMPARE(changed.first().first().toString(), savings.id);
        QVERIFY(prompts.messages.isEmpty());
    }

    void refusedSavesKeepTheInput_data()
    {
        QTest::addColumn<QString>("payee");
        QTest::addColumn<bool>("split");
        QTest::addColumn<QString>("warning");
        QTest::newRow("unknown account") << "[Transfer] Nowhere" << false << "Transfer account not found";
        QTest::newRow("the account itself") << "[Transfer] Checking" << false << "Transfer account not found";
        QTest::newRow("other currency") << "[Transfer] Euro Savings" << false
                                        << "Transfers require both accounts to use the same currency";
        QTest::newRow("split transfer") << "[Transfer] Savings" << true << "A transfer can't be split across categories";
        QTest::newRow("split line without category") << "Grocer" << true << "Choose a category for every split line.";
    }

    void refusedSavesKeepTheInput()
    {
        QFETCH(QString, payee);
        QFETCH(bool, split);
        QFETCH(QString, warning);

        AppFixture f;
        QVERIFY(f.isValid());
        FakePrompts prompts;
        const Account checking = f.addAccount(QStringLiteral("Checking"));
        f.addAccount(QStringLiteral("Savings"), AccountType::Savings);
        f.addAccount(QStringLiteral("Euro Savings"), AccountType::Savings, Currency::EUR);
        const Category food = f.addCategory(QStringLiteral("Food"));

        FormInput input;
        input.payee = payee;
        input.cents = 5000;
        input.category = payee.startsWith(u'[') ? food.name : QString();
        QString payeeOnReopen;
        qint64 amountOnReopen = 0;
        prompts.steps = {
            [&](QDialog *dialog) {
                fillTransactionForm(dialog, input);
                if (split)
                    findNamed<QPushButton>(dialog, "splitButton")->click();
                return int(QDialog::Accepted);
            },
            inspect([&](QDialog *dialog) {
                payeeOnReopen = findNamed<QLineEdit>(dialog, "payeeEdit")->text();
                amountOnReopen = findNamed<SmartAmountField>(dialog, "amountField")->minorUnits();
            }),
        };

        QVERIFY(!newTransaction(f.app(), checking.id));
        QCOMPARE(prompts.dialogRuns, 2);
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages[0].kind, QStringLiteral("warning"));
        QCOMPARE(prompts.messages[0].text, warning);
        QCOMPARE(payeeOnReopen, payee);
        QCOMPARE(amountOnReopen, qint64(5000));
        QCOMPARE(f.countRows(QStringLiteral("SELECT COUNT(*) FROM transactions")), 0);
    }

    void resolvesTheTransferTarget_data()
    {
        QTest::addColumn<QString>("payee");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("payeeAfter");
        QTest::newRow("plain payee") << "Grocer" << 0 << "" << "Grocer";
        QTest::newRow("lower-case prefix is a plain payee") << "[transfer] Savings" << 0 << "" << "[transfer] Savings";
        QTest::newRow("first of two same names in sort order") << "[Transfer] Savings" << 1 << "first"
                                                               << "Transfer to Savings";
        QTest::newRow("names compare case-sensitively") << "[Transfer] savings" << 2 << "" << "[Transfer] savings";
        QTest::newRow("trailing blank is part of the name") << "[Transfer] Savings " << 2 << "" << "[Transfer] Savings ";
        QTest::newRow("the source account") << "[Transfer] Checking" << 2 << "" << "[Transfer] Checking";
        QTest::newRow("deleted account") << "[Transfer] Old" << 2 << "" << "[Transfer] Old";
        QTest::newRow("other currency") << "[Transfer] Yen" << 3 << "" << "[Transfer] Yen";
    }

    void resolvesTheTransferTarget()
    {
        QFETCH(QString, payee);
        QFETCH(int, code);
        QFETCH(QString, target);
        QFETCH(QString, payeeAfter);

        AppFixture f;
        QVERIFY(f.isValid());
        const Account checking = f.addAccount(QStringLiteral("Checking"), AccountType::Checking, Currency::USD, 0, 0);
        f.addAccount(QStringLiteral("Savings"), AccountType::Savings, Currency::USD, 0, 5);
        const Account first = f.addAccount(QStringLiteral("Savings"), AccountType::Savings, Currency::USD, 0, 2);
        f.addAccount(QStringLiteral("Yen"), AccountType::Savings, Currency::JPY);
        const Account old = f.addAccount(QStringLiteral("Old"));
        QVERIFY(f.app()->accountRepository()->softDelete(old.id));

        QString targetId = QStringLiteral("stale");
        QCOMPARE(resolveTransferTarget(f.app(), checking.id, payee, targetId), code);
        QCOMPARE(targetId, target == QLatin1String("first") ? first.id : QString());
        QCOMPARE(payee, payeeAfter);
    }

    void deletingEitherLegDeletesBoth_data()
    {
        QTest::addColumn<bool>("deleteOutgoingLeg");
        QTest::newRow("outgoing leg") << true;
        QTest::newRow("incoming leg") << false;
    }

    void deletingEitherLegDeletesBoth()
    {
        QFETCH(bool, deleteOutgoingLeg);
        AppFixture f;
        QVERIFY(f.isValid());
        FakePrompts prompts;
        const Account checking = f.addAccount(QStringLiteral("Checking"));
        const Account savings = f.addAccount(QStringLiteral("Savings"));
        const auto [outgoing, incoming] = storeTransfer(f, checking, savings, -5000);

        QVERIFY(confirmDelete(f.app(), deleteOutgoingLeg ? outgoing : incoming));
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages[0].title, QStringLiteral("Delete Transaction"));
        QVERIFY(prompts.messages[0].text.contains(QStringLiteral("Both sides of the transfer will be deleted.")));
        QVERIFY(f.liveTransactions(checking.id).isEmpty());
        QVERIFY(f.liveTransactions(savings.id).isEmpty());
        QCOMPARE(reread(f, outgoing.id).version, 2);
        QCOMPARE(reread(f, incoming.id).version, 2);
    }

    void deleteQuestionShowsThePositiveDollarAmount_data()
    {
        QTest::addColumn<int>("currency");
        QTest::addColumn<qint64>("amount");
        QTest::addColumn<QString>("question");
        QTest::newRow("USD payment") << int(Currency::USD) << qint64(-4250) << "Delete \"Grocer\" for $42.50?";
        QTest::newRow("USD deposit") << int(Currency::USD) << qint64(4250) << "Delete \"Grocer\" for $42.50?";
        QTest::newRow("EUR payment") << int(Currency::EUR) << qint64(-4250) << "Delete \"Grocer\" for $42.50?";
        QTest::newRow("JPY payment") << int(Currency::JPY) << qint64(-1500) << "Delete \"Grocer\" for $1,500?";
    }

    void deleteQuestionShowsThePositiveDollarAmount()
    {
        QFETCH(int, currency);
        QFETCH(qint64, amount);
        QFETCH(QString, question);

        AppFixture f;
        QVERIFY(f.isValid());
        FakePrompts prompts;
        prompts.answerYes = false;
        const Account account = f.addAccount(QStringLiteral("Main"), AccountType::Checking, Currency(currency));
        const Transaction t = f.addTransaction(account.id, QDate(2024, 3, 1), QStringLiteral("Grocer"), amount);

        QVERIFY(!confirmDelete(f.app(), t));
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages[0].text, question);
        QCOMPARE(f.liveTransactions(account.id).size(), 1);
    }

    void theOpeningBalanceIsNeverDeleted()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        FakePrompts prompts;
        const Account account = f.addAccount(QStringLiteral("Main"));
        QVERIFY(TransactionActions::setOpeningBalance(f.app(), account.id, 10000, QDate(2024, 1, 1)));
        const Transaction opening = *f.app()->transactionRepository()->findOpeningBalance(account.id);

        QVERIFY(!confirmDelete(f.app(), opening));
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages[0].kind, QStringLiteral("information"));
        QCOMPARE(prompts.messages[0].title, QStringLiteral("Opening Balance"));
        QCOMPARE(reread(f, opening.id).version, opening.version);
        QVERIFY(!reread(f, opening.id).deletedAt);

        // The register's row for a balance still held on the account.
        const Account legacy = f.addAccount(QStringLiteral("Legacy"), AccountType::Checking, Currency::USD, 700);
        const RegisterRow synthetic = f.app()->transactionRepository()->listRegister(legacy.id).value(0);
        QVERIFY(synthetic.transaction.id.isEmpty());
        QVERIFY(!confirmDelete(f.app(), synthetic.transaction));
        QCOMPARE(prompts.messages.size(), 2);
        QCOMPARE(prompts.messages[1].title, QStringLiteral("Opening Balance"));
    }

    void aFailedTransferWriteLeavesNoHalf()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        FakePrompts prompts;
        const Account checking = f.addAccount(QStringLiteral("Checking"));
        const Account savings = f.addAccount(QStringLiteral("Savings"));
        // The counterpart goes in first and succeeds; the second leg fails.
        QVERIFY(f.execSql(QStringLiteral("CREATE TEMP TRIGGER fail_checking BEFORE INSERT ON transactions "
                                         "WHEN NEW.account_id = '%1' BEGIN SELECT RAISE(ABORT, 'forced'); END")
                              .arg(checking.id)));

        FormInput input;
        input.payee = QStringLiteral("[Transfer] Savings");
        input.cents = 5000;
        QString payeeOnReopen;
        prompts.steps = {acceptForm(input),
            inspect([&](QDialog *dialog) { payeeOnReopen = findNamed<QLineEdit>(dialog, "payeeEdit")->text(); })};
        ignoreFailureWarnings();
        QSignalSpy changed(f.app()->transactionRepository(), &TransactionRepository::transactionsChanged);

        QVERIFY(!newTransaction(f.app(), checking.id));
        QCOMPARE(f.countRows(QStringLiteral("SELECT COUNT(*) FROM transactions")), 0);
        // The savings leg was written and rolled back: nobody hears of it.
        QCOMPARE(changed.count(), 0);
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages[0].title, QStringLiteral("Save Failed"));
        // The store's own reason, in the message.
        QVERIFY2(prompts.messages[0].text.contains(QStringLiteral("could not be saved: forced.")),
            qPrintable(prompts.messages[0].text));
        QCOMPARE(payeeOnReopen, input.payee);
        QVERIFY(f.liveTransactions(savings.id).isEmpty());
    }

    void aFailedSplitWriteLosesNothing_data()
    {
        QTest::addColumn<bool>("throughForm");
        QTest::newRow("split editor") << false;
        QTest::newRow("transaction form") << true;
    }

    void aFailedSplitWriteLosesNothing()
    {
        QFETCH(bool, throughForm);
        AppFixture f;
        QVERIFY(f.isValid());
        FakePrompts prompts;
        const Account account = f.addAccount(QStringLiteral("Main"));
        const Category food = f.addCategory(QStringLiteral("Food"));
        const Category fuel = f.addCategory(QStringLiteral("Fuel"));
        Transaction t = f.addTransaction(account.id, QDate(2024, 3, 1), QStringLiteral("Store"), -10000);
        t.isSplit = true;
        t.version = 1;
        QVERIFY(f.app()->transactionRepository()->update(t));
        QVERIFY(saveSplitLines(f.app(), t, {makeSplitLine(food.id, -6000), makeSplitLine(fuel.id, -4000)}));
        QVERIFY(f.failInsertsInto(QStringLiteral("split_lines")));

        prompts.steps = {inspect([](QDialog *) {}, QDialog::Accepted)};
        ignoreFailureWarnings();
        const bool saved = throughForm ? editTransaction(f.app(), t) : editSplits(f.app(), t);

        QVERIFY(!saved);
        QCOMPARE(prompts.dialogRuns, 2);
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages[0].title, QStringLiteral("Save Failed"));
        QCOMPARE(reread(f, t.id).version, 1);
        const QList<SplitLine> lines = f.app()->splitLineRepository()->listByTransaction(t.id);
        QCOMPARE(lines.size(), 2);
    }

    void editSplitsStoresSignedLinesAndClearsTheCategory()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        FakePrompts prompts;
        const Account account = f.addAccount(QStringLiteral("Main"));
        const Category food = f.addCategory(QStringLiteral("Food"));
        const Category fuel = f.addCategory(QStringLiteral("Fuel"));
        Transaction t = f.addTransaction(account.id, QDate(2024, 3, 1), QStringLiteral("Store"), -10000);
        t.categoryId = food.id;
        QVERIFY(f.app()->transactionRepository()->update(t));

        prompts.steps = {[&](QDialog *dialog) {
            QWidget *lines = findNamed<QWidget>(dialog, "splitLinesWidget");
            setSplitLine(lines, 0, food.name, 6000);
            setSplitLine(lines, 1, fuel.name, 4000, QStringLiteral("diesel"));
            return int(QDialog::Accepted);
        }};
        QVERIFY(editSplits(f.app(), t));

        const Transaction stored = reread(f, t.id);
        QVERIFY(stored.isSplit);
        QVERIFY(stored.categoryId.isEmpty());
        QCOMPARE(stored.version, 2);
        QCOMPARE(stored.syncStatus, SyncStatus::Pending);
        const QList<SplitLine> lines = f.app()->splitLineRepository()->listByTransaction(t.id);
        QCOMPARE(lines.size(), 2);
        qint64 total = 0;
        for (const SplitLine &line : lines) {
            QVERIFY(line.amount < 0);
            total += line.amount;
        }
        QCOMPARE(total, qint64(-10000));
    }

    void toggleCleared_data()
    {
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<bool>("reconciled");
        QTest::addColumn<bool>("result");
        QTest::addColumn<bool>("clearedAfter");
        QTest::addColumn<int>("versionAfter");
        QTest::newRow("uncleared becomes cleared") << false << false << true << true << 2;
        QTest::newRow("cleared becomes uncleared") << true << false << true << false << 2;
        QTest::newRow("reconciled is refused") << true << true << false << true << 1;
    }

    void toggleCleared()
    {
        QFETCH(bool, cleared);
        QFETCH(bool, reconciled);
        QFETCH(bool, result);
        QFETCH(bool, clearedAfter);
        QFETCH(int, versionAfter);

        AppFixture f;
        QVERIFY(f.isValid());
        const Account account = f.addAccount(QStringLiteral("Main"));
        Transaction t = f.addTransaction(account.id, QDate(2024, 3, 1), QStringLiteral("Store"), -100);
        t.cleared = cleared;
        t.reconciled = reconciled;
        QVERIFY(f.app()->transactionRepository()->update(t));

        QCOMPARE(TransactionActions::toggleCleared(f.app(), t), result);
        QCOMPARE(reread(f, t.id).cleared, clearedAfter);
        QCOMPARE(reread(f, t.id).version, versionAfter);
    }

    // A row changed, deleted or removed elsewhere while the action's prompt
    // was open is not written over, nor is a row whose account was deleted;
    // a push that only stored a server id is no change, and the write keeps
    // that id.
    void aCopyNeverOverwritesNewerData_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("change");
        const char *actions[] = {"delete", "edit", "split", "toggle cleared", "flip cleared"};
        for (const char *action : actions) {
            for (const char *change : {"edited", "deleted", "gone", "pushed", "account deleted"})
                QTest::addRow("%s, %s", action, change) << QString::fromLatin1(action) << QString::fromLatin1(change);
        }
    }

    void aCopyNeverOverwritesNewerData()
    {
        QFETCH(QString, action);
        QFETCH(QString, change);

        AppFixture f;
        QVERIFY(f.isValid());
        FakePrompts prompts;
        TransactionRepository *transactions = f.app()->transactionRepository();
        const Account account = f.addAccount(QStringLiteral("Main"));
        const Category food = f.addCategory(QStringLiteral("Food"));
        const Category fuel = f.addCategory(QStringLiteral("Fuel"));
        const Transaction shown = transactions->findById(
            f.addTransaction(account.id, QDate(2024, 3, 1), QStringLiteral("Store"), -10000).id).value();

        std::optional<Transaction> afterChange;
        const auto changeElsewhere = [&] {
            if (afterChange)
                return;
            if (change == QLatin1String("edited")) {
                Transaction edited = shown;
                edited.amount = -12000;
                edited.version += 1;
                QVERIFY(transactions->update(edited));
            } else if (change == QLatin1String("deleted")) {
                QVERIFY(transactions->softDelete(shown.id));
            } else if (change == QLatin1String("gone")) {
                QVERIFY(f.execSql(QStringLiteral("DELETE FROM transactions WHERE id = '%1'").arg(shown.id)));
            } else if (change == QLatin1String("account deleted")) {
                QCOMPARE(f.app()->accountOperations()->deleteAccount(account.id), WriteResult::Written);
            } else {
                QVERIFY(transactions->markSynced(shown.id, QStringLiteral("server-7")));
            }
            afterChange = transactions->findById(shown.id).value_or(Transaction());
        };

        bool written = false;
        if (action == QLatin1String("delete")) {
            prompts.whilePrompting = changeElsewhere;
            written = confirmDelete(f.app(), shown);
        } else if (action == QLatin1String("edit")) {
            prompts.whilePrompting = changeElsewhere;
            prompts.steps = {inspect([](QDialog *) {}, QDialog::Accepted)};
            written = editTransaction(f.app(), shown);
        } else if (action == QLatin1String("split")) {
            prompts.whilePrompting = changeElsewhere;
            prompts.steps = {[&](QDialog *dialog) {
                QWidget *lines = findNamed<QWidget>(dialog, "splitLinesWidget");
                setSplitLine(lines, 0, food.name, 6000);
                setSplitLine(lines, 1, fuel.name, 4000);
                return int(QDialog::Accepted);
            }};
            written = editSplits(f.app(), shown);
        } else {
            // No prompt of its own: the copy went stale on screen.
            changeElsewhere();
            written = action == QLatin1String("toggle cleared") ? TransactionActions::toggleCleared(f.app(), shown)
                                                                 : flipCleared(f.app(), shown);
        }
        QVERIFY(afterChange);

        const std::optional<Transaction> stored = transactions->findById(shown.id);
        if (change == QLatin1String("pushed")) {
            QVERIFY(written);
            QCOMPARE(stored->version, shown.version + 1);
            QCOMPARE(stored->serverId, QStringLiteral("server-7"));
            return;
        }
        QVERIFY(!written);
        QCOMPARE(prompts.messages.last().title, change == QLatin1String("account deleted")
                ? QStringLiteral("Account Deleted") : QStringLiteral("Transaction Changed"));
        QCOMPARE(prompts.dialogRuns, action == QLatin1String("edit") || action == QLatin1String("split") ? 1 : 0);
        QCOMPARE(stored.has_value(), change != QLatin1String("gone"));
        if (stored) {
            QCOMPARE(stored->version, afterChange->version);
            QCOMPARE(stored->amount, afterChange->amount);
            QCOMPARE(stored->cleared, afterChange->cleared);
            QCOMPARE(stored->isSplit, false);
            QCOMPARE(stored->deletedAt.has_value(), afterChange->deletedAt.has_value());
        }
        QCOMPARE(f.countRows(QStringLiteral("SELECT COUNT(*) FROM split_lines")), 0);
    }

    // Editing one leg of a transfer moves the other leg too, so the edit
    // also needs the other leg's account live: a pull that deleted that
    // account (its rows come later) makes the edit write nothing, from the
    // register as from the form. A partner deleted on its own is left alone.
    void aTransferEditNeverWritesIntoADeletedAccount_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("elsewhere");
        QTest::addColumn<QString>("refusal");
        for (const char *from : {"register", "form"}) {
            QTest::addRow("%s, nothing else", from) << from << "nothing" << "";
            QTest::addRow("%s, other account deleted", from) << from << "other account deleted" << "Account Deleted";
            QTest::addRow("%s, own account deleted", from) << from << "own account deleted" << "Account Deleted";
            QTest::addRow("%s, leg changed", from) << from << "leg changed" << "Transaction Changed";
            QTest::addRow("%s, leg deleted", from) << from << "leg deleted" << "Transaction Changed";
            QTest::addRow("%s, other leg deleted alone", from) << from << "other leg deleted" << "";
        }
    }

    void aTransferEditNeverWritesIntoADeletedAccount()
    {
        QFETCH(QString, from);
        QFETCH(QString, elsewhere);
        QFETCH(QString, refusal);

        AppFixture f;
        QVERIFY(f.isValid());
        FakePrompts prompts;
        const Account alpha = f.addAccount(QStringLiteral("Alpha"));
        const Account beta = f.addAccount(QStringLiteral("Beta"));
        const auto [stored, storedPartner] = storeTransfer(f, alpha, beta, -10000);
        const Transaction shown = reread(f, stored.id);
        const Transaction partnerBefore = reread(f, storedPartner.id);

        QString storedWhenSaved;
        const auto changeElsewhere = [&] {
            bool changed = true;
            if (elsewhere == QLatin1String("other account deleted"))
                changed = deleteByPull(f, QStringLiteral("accounts"), beta.id);
            else if (elsewhere == QLatin1String("own account deleted"))
                changed = deleteByPull(f, QStringLiteral("accounts"), alpha.id);
            else if (elsewhere == QLatin1String("leg changed"))
                changed = f.execSql(QStringLiteral("UPDATE transactions SET memo = 'pulled', version = version + 1 "
                                                   "WHERE id = '%1'").arg(shown.id));
            else if (elsewhere == QLatin1String("leg deleted"))
                changed = deleteByPull(f, QStringLiteral("transactions"), shown.id);
            else if (elsewhere == QLatin1String("other leg deleted"))
                changed = deleteByPull(f, QStringLiteral("transactions"), partnerBefore.id);
            if (!changed)
                qWarning() << "the change elsewhere failed";
            storedWhenSaved = f.tableDump(QStringLiteral("transactions"));
        };

        if (from == QLatin1String("register")) {
            changeElsewhere();
            Transaction edited = shown;
            edited.amount = -25000;
            markEdited(edited);
            const WriteResult result = updateTransaction(f.app(), edited, shown);
            WriteResultPrompt::reportRefusal(result, WriteResultPrompt::Subject::Transaction, nullptr);
        } else {
            prompts.steps = {[&](QDialog *dialog) {
                changeElsewhere();
                findNamed<SmartAmountField>(dialog, "amountField")->setMinorUnits(25000);
                return int(QDialog::Accepted);
            }};
            editTransaction(f.app(), shown);
        }

        if (!refusal.isEmpty()) {
            QCOMPARE(prompts.messages.size(), 1);
            QCOMPARE(prompts.messages.first().title, refusal);
            QCOMPARE(f.tableDump(QStringLiteral("transactions")), storedWhenSaved);
            return;
        }
        QVERIFY(prompts.messages.isEmpty());
        QCOMPARE(reread(f, shown.id).amount, qint64(-25000));
        const Transaction partner = reread(f, partnerBefore.id);
        if (elsewhere == QLatin1String("other leg deleted")) {
            QVERIFY(partner.deletedAt);
            QCOMPARE(partner.amount, partnerBefore.amount);
            QCOMPARE(partner.version, partnerBefore.version + 1);
        } else {
            QCOMPARE(partner.amount, qint64(25000));
            QCOMPARE(partner.version, partnerBefore.version + 1);
        }
    }

    // A form opened on an account that is deleted before OK writes nothing,
    // for either leg of a transfer, and says why.
    void newTransactionsGoOnlyIntoLiveAccounts_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("transfer");
        QTest::addColumn<QString>("deleted");
        for (const char *action : {"new", "duplicate"}) {
            QTest::addRow("%s, own account deleted", action) << action << false << "Main";
            QTest::addRow("%s transfer, own account deleted", action) << action << true << "Main";
            QTest::addRow("%s transfer, other account deleted", action) << action << true << "Other";
        }
    }

    void newTransactionsGoOnlyIntoLiveAccounts()
    {
        QFETCH(QString, action);
        QFETCH(bool, transfer);
        QFETCH(QString, deleted);

        AppFixture f;
        QVERIFY(f.isValid());
        FakePrompts prompts;
        const Account main = f.addAccount(QStringLiteral("Main"));
        const Account other = f.addAccount(QStringLiteral("Other"));
        const Transaction seed = f.addTransaction(main.id, QDate(2024, 3, 1), QStringLiteral("Store"), -1000);
        const int before = f.countRows(QStringLiteral("SELECT COUNT(*) FROM transactions"));

        FormInput input;
        input.type = transfer ? FormInput::Transfer : FormInput::Negative;
        input.payee = QStringLiteral("Shop");
        input.cents = 2500;
        input.transferAccount = other.name;
        prompts.steps = {[&](QDialog *dialog) {
            if (!fillTransactionForm(dialog, input))
                qWarning() << "form not filled";
            if (f.app()->accountOperations()->deleteAccount(deleted == QLatin1String("Main") ? main.id : other.id)
                != WriteResult::Written)
                qWarning() << "the account could not be deleted";
            return int(QDialog::Accepted);
        }};
        const bool written = action == QLatin1String("new") ? newTransaction(f.app(), main.id)
                                                            : duplicateTransaction(f.app(), seed);
        QVERIFY(!written);
        // A transfer to an account that is gone is refused before the write,
        // and the form comes back with what was typed.
        const bool otherGone = deleted == QLatin1String("Other");
        QCOMPARE(prompts.dialogRuns, otherGone ? 2 : 1);
        QCOMPARE(prompts.messages.last().title, otherGone ? QStringLiteral("Transfer") : QStringLiteral("Account Deleted"));
        QCOMPARE(f.countRows(QStringLiteral("SELECT COUNT(*) FROM transactions")), before);
    }

    void duplicatingATransferLegMakesANewPair()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        FakePrompts prompts;
        const Account checking = f.addAccount(QStringLiteral("Checking"));
        const Account savings = f.addAccount(QStringLiteral("Savings"));
        auto [outgoing, incoming] = storeTransfer(f, checking, savings, -5000);
        outgoing.checkNumber = QStringLiteral("1001");
        outgoing.cleared = true;

        QString payee;
        QDate date;
        QString checkNumber;
        bool cleared = true;
        prompts.steps = {inspect(
            [&](QDialog *dialog) {
                payee = findNamed<QLineEdit>(dialog, "payeeEdit")->text();
                date = findNamed<DateField>(dialog, "dateField")->parsedDate();
                checkNumber = findNamed<QLineEdit>(dialog, "checkNumberEdit")->text();
                cleared = findNamed<QCheckBox>(dialog, "clearedCheck")->isChecked();
            },
            QDialog::Accepted)};
        QVERIFY(duplicateTransaction(f.app(), outgoing));

        QCOMPARE(payee, QStringLiteral("[Transfer] Savings"));
        QCOMPARE(date, QDate::currentDate());
        QVERIFY(checkNumber.isEmpty());
        QVERIFY(!cleared);
        QCOMPARE(f.liveTransactions(checking.id).size(), 2);
        QCOMPARE(f.liveTransactions(savings.id).size(), 2);
        const Transaction copy = f.liveTransactions(checking.id).first();
        QVERIFY(copy.id != outgoing.id);
        QCOMPARE(copy.amount, qint64(-5000));
        QVERIFY(!copy.transferLinkId.isEmpty() && copy.transferLinkId != incoming.id);
    }

    void backfillMigratesEachAccountOnce()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        const Account zero = f.addAccount(QStringLiteral("Zero"));
        f.addTransaction(zero.id, QDate(2024, 3, 5), QStringLiteral("Store"), -100);
        const Account legacy = f.addAccount(QStringLiteral("Legacy"), AccountType::Savings, Currency::USD, 5000);

        QCOMPARE(backfillOpeningBalances(f.app()), 2);

        const Transaction zeroOpening = reread(f, TransactionRepository::openingBalanceId(zero.id));
        QCOMPARE(zeroOpening.payee, QStringLiteral("Opening Balance"));
        QCOMPARE(zeroOpening.amount, qint64(0));
        QCOMPARE(zeroOpening.date, QDate(2024, 3, 4));
        QVERIFY(zeroOpening.cleared && zeroOpening.reconciled);
        QCOMPARE(f.app()->accountRepository()->findById(zero.id)->version, 1);

        const Transaction legacyOpening = reread(f, TransactionRepository::openingBalanceId(legacy.id));
        QCOMPARE(legacyOpening.amount, qint64(5000));
        QCOMPARE(legacyOpening.date, legacy.createdAt.date());
        const Account legacyAfter = *f.app()->accountRepository()->findById(legacy.id);
        QCOMPARE(legacyAfter.startingBalance, qint64(0));
        QCOMPARE(legacyAfter.version, 2);
        QCOMPARE(legacyAfter.syncStatus, SyncStatus::Pending);

        QCOMPARE(backfillOpeningBalances(f.app()), 0);
        QCOMPARE(f.countRows(QStringLiteral("SELECT COUNT(*) FROM transactions")), 3);
    }

    void backfillNeverOverwritesALiveOpeningBalanceRow()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        const Account account = f.addAccount(QStringLiteral("Main"), AccountType::Checking, Currency::USD, 100);
        Transaction renamed;
        renamed.id = TransactionRepository::openingBalanceId(account.id);
        renamed.accountId = account.id;
        renamed.date = QDate(2024, 1, 1);
        renamed.payee = QStringLiteral("Initial deposit");
        renamed.amount = 777;
        renamed.createdAt = QDateTime::currentDateTimeUtc();
        renamed.updatedAt = renamed.createdAt;
        QVERIFY(f.app()->transactionRepository()->insert(renamed));

        QCOMPARE(backfillOpeningBalances(f.app()), 0);
        const Transaction after = reread(f, renamed.id);
        QCOMPARE(after.payee, QStringLiteral("Initial deposit"));
        QCOMPARE(after.amount, qint64(777));
        QCOMPARE(after.version, 1);
        QCOMPARE(f.app()->accountRepository()->findById(account.id)->startingBalance, qint64(100));
    }

    void backfillRevivesADeletedOpeningBalanceRow()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        const Account account = f.addAccount(QStringLiteral("Main"), AccountType::Checking, Currency::USD, 2500);
        Transaction old;
        old.id = TransactionRepository::openingBalanceId(account.id);
        old.accountId = account.id;
        old.date = QDate(2023, 1, 1);
        old.payee = QStringLiteral("Opening Balance");
        old.amount = 1;
        old.version = 3;
        old.createdAt = QDateTime(QDate(2023, 1, 1), QTime(0, 0), Qt::UTC);
        old.updatedAt = old.createdAt;
        QVERIFY(f.app()->transactionRepository()->insert(old));
        QVERIFY(f.app()->transactionRepository()->softDelete(old.id)); // version 4

        QCOMPARE(backfillOpeningBalances(f.app()), 1);
        const Transaction revived = reread(f, old.id);
        QVERIFY(!revived.deletedAt);
        QCOMPARE(revived.amount, qint64(2500));
        QCOMPARE(revived.version, 5);
        QCOMPARE(revived.createdAt, old.createdAt);
        QCOMPARE(f.app()->accountRepository()->findById(account.id)->startingBalance, qint64(0));
    }

    void aFailedBackfillLeavesTheAccountAlone()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        const Account account = f.addAccount(QStringLiteral("Main"), AccountType::Checking, Currency::USD, 2500);
        QVERIFY(f.failInsertsInto(QStringLiteral("transactions")));
        ignoreFailureWarnings();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Opening balance backfill failed")));

        QCOMPARE(backfillOpeningBalances(f.app()), 0);
        const Account after = *f.app()->accountRepository()->findById(account.id);
        QCOMPARE(after.startingBalance, qint64(2500));
        QCOMPARE(after.version, 1);
    }

    void setOpeningBalance_data()
    {
        QTest::addColumn<QString>("existing"); // none, live, deleted
        QTest::addColumn<bool>("failWrites");
        QTest::addColumn<bool>("result");
        QTest::addColumn<qint64>("startingBalanceAfter");
        QTest::newRow("new row") << "none" << false << true << qint64(0);
        QTest::newRow("live row is updated") << "live" << false << true << qint64(0);
        QTest::newRow("deleted row is revived") << "deleted" << false << true << qint64(0);
        QTest::newRow("failed write keeps the starting balance") << "none" << true << false << qint64(900);
    }

    void setOpeningBalance()
    {
        QFETCH(QString, existing);
        QFETCH(bool, failWrites);
        QFETCH(bool, result);
        QFETCH(qint64, startingBalanceAfter);

        AppFixture f;
        QVERIFY(f.isValid());
        const Account account = f.addAccount(QStringLiteral("Main"), AccountType::Checking, Currency::USD, 900);
        const QString id = TransactionRepository::openingBalanceId(account.id);
        if (existing != QLatin1String("none")) {
            Transaction row;
            row.id = id;
            row.accountId = account.id;
            row.date = QDate(2023, 1, 1);
            row.payee = QStringLiteral("Opening Balance");
            row.amount = 1;
            row.createdAt = QDateTime::currentDateTimeUtc();
            row.updatedAt = row.createdAt;
            QVERIFY(f.app()->transactionRepository()->insert(row));
            if (existing == QLatin1String("deleted"))
                QVERIFY(f.app()->transactionRepository()->softDelete(id));
        }
        if (failWrites) {
            QVERIFY(f.failInsertsInto(QStringLiteral("transactions")));
            ignoreFailureWarnings();
        }

        QCOMPARE(TransactionActions::setOpeningBalance(f.app(), account.id, 12345, QDate(2024, 2, 1)), result);
        QCOMPARE(f.app()->accountRepository()->findById(account.id)->startingBalance, startingBalanceAfter);
        if (result) {
            const Transaction stored = reread(f, id);
            QVERIFY(!stored.deletedAt);
            QCOMPARE(stored.amount, qint64(12345));
            QCOMPARE(stored.date, QDate(2024, 2, 1));
            QCOMPARE(f.liveTransactions(account.id).size(), 1);
        } else {
            QVERIFY(f.liveTransactions(account.id).isEmpty());
        }
    }

    void liabilityOpeningBalanceSign_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<qint64>("amount");
        QTest::addColumn<bool>("offered");
        QTest::newRow("credit card credit") << int(AccountType::CreditCard) << qint64(12000) << true;
        QTest::newRow("loan credit") << int(AccountType::Loan) << qint64(1) << true;
        QTest::newRow("credit card owed") << int(AccountType::CreditCard) << qint64(-12000) << false;
        QTest::newRow("credit card zero") << int(AccountType::CreditCard) << qint64(0) << false;
        QTest::newRow("checking") << int(AccountType::Checking) << qint64(12000) << false;
    }

    void liabilityOpeningBalanceSign()
    {
        QFETCH(int, type);
        QFETCH(qint64, amount);
        QFETCH(bool, offered);

        AppFixture f;
        QVERIFY(f.isValid());
        const Account account = f.addAccount(QStringLiteral("Card"), AccountType(type));
        QVERIFY(TransactionActions::setOpeningBalance(f.app(), account.id, amount, QDate(2024, 1, 1)));

        const std::optional<Transaction> shown = positiveLiabilityOpeningBalance(f.app(), account.id);
        QCOMPARE(shown.has_value(), offered);
        if (shown)
            QCOMPARE(fixLiabilityOpeningBalanceSign(f.app(), *shown), WriteResult::Written);
        const Transaction opening = *f.app()->transactionRepository()->findOpeningBalance(account.id);
        QCOMPARE(opening.amount, offered ? -amount : amount);
        QVERIFY(!positiveLiabilityOpeningBalance(f.app(), account.id));
    }

    // "Yes, I owe this" turns the sign of the amount the banner showed, and
    // only while it is stored as shown, in a live credit card or loan
    // account; otherwise nothing is written and the user is told why.
    void theBannerCorrectsOnlyTheAmountItShowed_data()
    {
        QTest::addColumn<QString>("elsewhere");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("nothing") << "nothing" << "";
        QTest::newRow("opening balance changed") << "opening balance changed" << "Account Changed";
        QTest::newRow("opening balance deleted") << "opening balance deleted" << "Account Changed";
        QTest::newRow("now a checking account") << "now a checking account" << "Account Changed";
        QTest::newRow("account deleted") << "account deleted" << "Account Deleted";
    }

    void theBannerCorrectsOnlyTheAmountItShowed()
    {
        QFETCH(QString, elsewhere);
        QFETCH(QString, refusal);

        AppFixture f;
        QVERIFY(f.isValid());
        FakePrompts prompts;
        const Account card = f.addAccount(QStringLiteral("Card"), AccountType::CreditCard);
        QVERIFY(TransactionActions::setOpeningBalance(f.app(), card.id, 50000, QDate(2024, 1, 1)));
        const QString openingId = TransactionRepository::openingBalanceId(card.id);
        OpeningBalanceBanner banner(f.app());
        banner.showFor(card.id);
        QVERIFY(!banner.isHidden());
        QVERIFY(findNamed<QLabel>(&banner, "bannerLabel")->text().contains(QStringLiteral("credit of $500.00")));

        bool changed = true;
        if (elsewhere == QLatin1String("opening balance changed"))
            changed = f.execSql(QStringLiteral("UPDATE transactions SET amount = 70000, version = version + 1 "
                                               "WHERE id = '%1'").arg(openingId));
        else if (elsewhere == QLatin1String("opening balance deleted"))
            changed = deleteByPull(f, QStringLiteral("transactions"), openingId);
        else if (elsewhere == QLatin1String("now a checking account"))
            changed = f.execSql(QStringLiteral("UPDATE accounts SET account_type = 'checking', version = version + 1 "
                                               "WHERE id = '%1'").arg(card.id));
        else if (elsewhere == QLatin1String("account deleted"))
            changed = deleteByPull(f, QStringLiteral("accounts"), card.id);
        QVERIFY(changed);
        const QString storedBefore = f.tableDump(QStringLiteral("transactions"));

        QSignalSpy answered(&banner, &OpeningBalanceBanner::signCorrected);
        findNamed<QPushButton>(&banner, "bannerOweButton")->click();
        QCOMPARE(answered.size(), 1);
        if (refusal.isEmpty()) {
            QVERIFY(prompts.messages.isEmpty());
            QCOMPARE(reread(f, openingId).amount, qint64(-50000));
            return;
        }
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages.first().title, refusal);
        QCOMPARE(f.tableDump(QStringLiteral("transactions")), storedBefore);
    }
};

TALLYRA_TEST(TestTransactionActions)

#include "test_transactionactions.moc"
