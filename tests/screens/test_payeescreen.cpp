#include "register/registerfixture.h"
#include "support/testmain.h"

#include "data/accountrepository.h"
#include "data/database.h"
#include "data/transactionrepository.h"
#include "register/transactionactions.h"
#include "screens/payeescreen.h"
#include "services/accountoperations.h"

#include <QLineEdit>
#include <QListView>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTextDocumentFragment>

namespace {

const QDate kDay(2024, 3, 4);

// Three accounts: "Acme" in two of them (one of its rows deleted), a
// differently cased "ACME", a few other payees, and opening balances whose
// payee text is also typed on an ordinary row.
struct PayeeFixture : AppFixture
{
    FakePrompts prompts;
    Account checking = addAccount(QStringLiteral("Checking"));
    Account savings = addAccount(QStringLiteral("Savings"), AccountType::Savings);
    Account cash = addAccount(QStringLiteral("Cash"), AccountType::Cash);
    Transaction deletedAcme;
    Transaction opening;
    Transaction cashOpening;
    std::unique_ptr<PayeeScreen> screen;
    std::unique_ptr<QSignalSpy> accountSignals;
    std::unique_ptr<QSignalSpy> payeeSignals;

    PayeeFixture()
    {
        addTransaction(checking.id, kDay, QStringLiteral("Acme"), -100);
        addTransaction(checking.id, kDay, QStringLiteral("Acme"), -200);
        addTransaction(savings.id, kDay, QStringLiteral("Acme"), -300);
        deletedAcme = addTransaction(savings.id, kDay, QStringLiteral("Acme"), -400);
        app()->transactionRepository()->softDelete(deletedAcme.id);
        deletedAcme = *app()->transactionRepository()->findById(deletedAcme.id);
        addTransaction(checking.id, kDay, QStringLiteral("ACME"), -500);
        addTransaction(savings.id, kDay, QStringLiteral("Bakery"), -600);
        addTransaction(cash.id, kDay, QStringLiteral("Corner Shop"), -700);
        addTransaction(cash.id, kDay, QStringLiteral("Opening Balance"), 800);

        opening.id = TransactionRepository::openingBalanceId(checking.id);
        opening.accountId = checking.id;
        opening.date = kDay.addDays(-1);
        opening.payee = QStringLiteral("Opening Balance");
        opening.amount = 10000;
        opening.createdAt = QDateTime(kDay, QTime(7, 0), Qt::UTC);
        opening.updatedAt = opening.createdAt;
        app()->transactionRepository()->insert(opening);
        cashOpening = addOpeningBalance(cash.id, QStringLiteral("Opening Balance"), 2000);

        screen = std::make_unique<PayeeScreen>(app());
        screen->reloadPayees();
        accountSignals =
            std::make_unique<QSignalSpy>(app()->transactionRepository(), &TransactionRepository::transactionsChanged);
        payeeSignals = std::make_unique<QSignalSpy>(screen.get(), &PayeeScreen::payeesChanged);
    }

    Transaction addOpeningBalance(const QString &accountId, const QString &payee, qint64 amount)
    {
        Transaction row;
        row.id = TransactionRepository::openingBalanceId(accountId);
        row.accountId = accountId;
        row.date = kDay.addDays(-10);
        row.payee = payee;
        row.amount = amount;
        row.cleared = row.reconciled = true;
        row.createdAt = QDateTime(kDay, QTime(6, 0), Qt::UTC);
        row.updatedAt = row.createdAt;
        app()->transactionRepository()->insert(row);
        return row;
    }

    // The rows a rename must never touch, beside the fixture's opening
    // balances and deleted row: a transfer between checking and savings,
    // a German opening balance, and a closed account whose row still reads
    // "Acme" (left live there, as a pull can leave it). Cash also has a
    // typed "Transfer to Savings" that is no transfer.
    QStringList protectedIds;
    void addProtectedRows()
    {
        Transaction toSavings = addTransaction(checking.id, kDay, QStringLiteral("Transfer to Savings"), -5000);
        Transaction fromChecking = addTransaction(savings.id, kDay, QStringLiteral("Transfer from Checking"), 5000);
        toSavings.transferLinkId = fromChecking.id;
        toSavings.transferDestAccountId = savings.id;
        fromChecking.transferLinkId = toSavings.id;
        fromChecking.transferDestAccountId = checking.id;
        app()->transactionRepository()->update(toSavings);
        app()->transactionRepository()->update(fromChecking);
        addTransaction(cash.id, kDay, QStringLiteral("Transfer to Savings"), -1);

        const Account depot = addAccount(QStringLiteral("Depot"));
        const Transaction german = addOpeningBalance(depot.id, QStringLiteral("Anfangssaldo"), 3000);

        const Account closed = addAccount(QStringLiteral("Closed"));
        const Transaction closedAcme = addTransaction(closed.id, kDay, QStringLiteral("Acme"), -900);
        app()->accountRepository()->softDelete(closed.id);

        protectedIds = {opening.id, cashOpening.id, german.id, toSavings.id, fromChecking.id, deletedAcme.id,
            closedAcme.id};
        screen->reloadPayees();
        accountSignals->clear();
    }

    // Payee, version, time stamp and sync mark of the rows a rename must
    // leave alone.
    QStringList protectedRows() const
    {
        QStringList rows;
        for (const QString &id : protectedIds) {
            const Transaction t = *app()->transactionRepository()->findById(id);
            rows.append(QStringLiteral("%1|%2|%3|%4|%5")
                            .arg(t.payee, QString::number(t.version), t.updatedAt.toString(Qt::ISODate),
                                syncStatusToString(t.syncStatus), t.deletedAt ? QStringLiteral("deleted") : QString()));
        }
        return rows;
    }

    QString everyRow()
    {
        QSqlQuery query(*app()->database()->db());
        query.exec(QStringLiteral("SELECT id, payee, version, updated_at, sync_status FROM transactions ORDER BY id"));
        QStringList rows;
        while (query.next())
            rows.append(QStringList{query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                query.value(3).toString(), query.value(4).toString()}.join(u'|'));
        return rows.join(u'\n');
    }

    // Messages as the user reads them: questions and escaped texts as plain text.
    QStringList shownMessages() const
    {
        QStringList shown;
        for (const FakePrompts::Message &message : prompts.messages) {
            const QString text = Qt::mightBeRichText(message.text)
                ? QTextDocumentFragment::fromHtml(message.text).toPlainText()
                : message.text;
            shown.append(message.kind + u'|' + message.title + u'|' + text);
        }
        return shown;
    }

    QStringList listed() const
    {
        const QAbstractItemModel *model = screen->payeeList()->model();
        QStringList texts;
        for (int row = 0; row < model->rowCount(); ++row)
            texts.append(model->index(row, 0).data().toString());
        return texts;
    }

    // Selects the payees in the order given, as Ctrl+clicks do.
    void select(const QStringList &payees)
    {
        QListView *list = screen->payeeList();
        list->clearSelection();
        for (const QString &payee : payees) {
            const QModelIndexList found =
                list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, payee, -1, Qt::MatchExactly);
            if (found.size() == 1)
                list->selectionModel()->select(found.first(), QItemSelectionModel::Select);
            else
                qWarning() << "no single list item for" << payee;
        }
    }

    int rowsWith(const QString &payee, const QString &accountId = QString())
    {
        QString sql = QStringLiteral("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NULL AND payee = '%1'")
                          .arg(QString(payee).replace(u'\'', QStringLiteral("''")));
        if (!accountId.isEmpty())
            sql += QStringLiteral(" AND account_id = '%1'").arg(accountId);
        return countRows(sql);
    }

    QStringList signalledAccounts() const
    {
        QStringList ids;
        for (const QList<QVariant> &call : *accountSignals)
            ids.append(call.at(0).toString());
        ids.sort();
        return ids;
    }

    QStringList messageLines() const
    {
        QStringList lines;
        for (const FakePrompts::Message &message : prompts.messages)
            lines.append(message.kind + QLatin1Char('|') + message.title + QLatin1Char('|') + message.text);
        return lines;
    }
};

} // namespace

class TestPayeeScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listHoldsLivePayeesInByteOrder()
    {
        PayeeFixture f;
        f.addTransaction(f.cash.id, kDay, QStringLiteral("apple"), -1);
        f.addTransaction(f.cash.id, kDay, QString(), -1);
        const Transaction ghost = f.addTransaction(f.cash.id, kDay, QStringLiteral("Ghost"), -1);
        f.app()->transactionRepository()->softDelete(ghost.id);
        f.screen->reloadPayees();
        QCOMPARE(f.listed(), (QStringList{QStringLiteral("ACME"), QStringLiteral("Acme"), QStringLiteral("Bakery"),
                                 QStringLiteral("Corner Shop"), QStringLiteral("Opening Balance"),
                                 QStringLiteral("apple")}));
        QCOMPARE(f.screen->payeeList()->selectionMode(), QAbstractItemView::ExtendedSelection);
        QVERIFY(f.screen->payeeList()->uniformItemSizes());
        // The texts are renamed through the field below, never in the list.
        QCOMPARE(f.screen->payeeList()->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    // The rename is one local change: every live row with an old text, in
    // every account, gets the new text, a newer version, an ISO UTC time
    // stamp and the pending mark; each touched account hears of it once.
    void renameRewritesEveryLiveRowAsOneChange()
    {
        PayeeFixture f;
        const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
        f.select({QStringLiteral("Acme"), QStringLiteral("Opening Balance")});
        f.screen->nameEdit()->setText(QStringLiteral("  Acme Corp "));
        f.screen->onRename();

        QCOMPARE(f.messageLines(),
            QStringList{QStringLiteral("information|Rename Complete|Renamed 4 transaction(s).\n\n2 opening balance(s) "
                                       "kept their payee: an account's opening balance is not renamed.")});
        QCOMPARE(f.rowsWith(QStringLiteral("Acme Corp"), f.checking.id), 2);
        QCOMPARE(f.rowsWith(QStringLiteral("Acme Corp"), f.savings.id), 1);
        QCOMPARE(f.rowsWith(QStringLiteral("Acme Corp"), f.cash.id), 1);
        QCOMPARE(f.rowsWith(QStringLiteral("ACME")), 1);
        QStringList touched{f.checking.id, f.savings.id, f.cash.id};
        touched.sort();
        QCOMPARE(f.signalledAccounts(), touched);
        QCOMPARE(f.payeeSignals->count(), 1);

        for (const Account &account : {f.checking, f.savings, f.cash}) {
            for (const Transaction &t : f.liveTransactions(account.id)) {
                if (t.payee != QLatin1String("Acme Corp"))
                    continue;
                QCOMPARE(t.version, 2);
                QCOMPARE(t.syncStatus, SyncStatus::Pending);
                QVERIFY2(t.updatedAt >= before, qPrintable(t.updatedAt.toString(Qt::ISODate)));
            }
        }
        QCOMPARE(f.countRows(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE payee = 'Acme Corp' AND "
                                            "updated_at NOT GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]T*Z'")),
            0);

        // The opening balances and the deleted row keep their text and version.
        for (const Transaction &before : {f.opening, f.cashOpening}) {
            const Transaction opening = *f.app()->transactionRepository()->findById(before.id);
            QCOMPARE(opening.payee, QStringLiteral("Opening Balance"));
            QCOMPARE(opening.version, before.version);
        }
        const Transaction deleted = *f.app()->transactionRepository()->findById(f.deletedAcme.id);
        QCOMPARE(deleted.payee, QStringLiteral("Acme"));
        QCOMPARE(deleted.version, f.deletedAcme.version);

        QCOMPARE(f.listed(), (QStringList{QStringLiteral("ACME"), QStringLiteral("Acme Corp"),
                                 QStringLiteral("Bakery"), QStringLiteral("Corner Shop"),
                                 QStringLiteral("Opening Balance")}));
        QCOMPARE(f.screen->nameEdit()->text(), QStringLiteral("  Acme Corp "));
        // The full-text index follows the rewritten rows.
        QCOMPARE(f.app()->transactionRepository()->search(QStringLiteral("Corp"), {}).size(), 4);
    }

    void renameAndMergeCases_data()
    {
        QTest::addColumn<bool>("merge");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("listAfter");

        const QStringList all{QStringLiteral("ACME"), QStringLiteral("Acme"), QStringLiteral("Bakery"),
            QStringLiteral("Corner Shop"), QStringLiteral("Opening Balance")};

        QTest::newRow("rename to its own text changes nothing")
            << false << QStringList{QStringLiteral("Acme")} << QStringLiteral("Acme") << true
            << QStringList{QStringLiteral("information|Rename Complete|Renamed 0 transaction(s).")} << all;
        QTest::newRow("rename with an empty name does nothing")
            << false << QStringList{QStringLiteral("Acme")} << QStringLiteral("   ") << true << QStringList{} << all;
        QTest::newRow("rename with nothing selected does nothing")
            << false << QStringList{} << QStringLiteral("Acme") << true << QStringList{} << all;
        QTest::newRow("rename several into one payee")
            << false << QStringList{QStringLiteral("ACME"), QStringLiteral("Acme")} << QStringLiteral("Acme Inc")
            << true << QStringList{QStringLiteral("information|Rename Complete|Renamed 4 transaction(s).")}
            << QStringList{QStringLiteral("Acme Inc"), QStringLiteral("Bakery"), QStringLiteral("Corner Shop"),
                   QStringLiteral("Opening Balance")};
        QTest::newRow("merge needs two payees")
            << true << QStringList{QStringLiteral("Acme")} << QString() << true
            << QStringList{QStringLiteral("information|Merge|Select 2 or more payees to merge.")} << all;
        QTest::newRow("merge into one of the selected rewrites only the others")
            << true << QStringList{QStringLiteral("ACME"), QStringLiteral("Acme"), QStringLiteral("Bakery")}
            << QStringLiteral("Acme") << true
            << QStringList{QStringLiteral("question|Merge Payees|Merge 3 payees into \"Acme\"?"),
                   QStringLiteral("information|Merge Complete|Merged 2 transaction(s).")}
            << QStringList{QStringLiteral("Acme"), QStringLiteral("Corner Shop"), QStringLiteral("Opening Balance")};
        QTest::newRow("merge without a name uses the first selected payee")
            << true << QStringList{QStringLiteral("Corner Shop"), QStringLiteral("ACME")} << QString() << true
            << QStringList{QStringLiteral("question|Merge Payees|Merge 2 payees into \"Corner Shop\"?"),
                   QStringLiteral("information|Merge Complete|Merged 1 transaction(s).")}
            << QStringList{QStringLiteral("Acme"), QStringLiteral("Bakery"), QStringLiteral("Corner Shop"),
                   QStringLiteral("Opening Balance")};
        QTest::newRow("merge answered No changes nothing")
            << true << QStringList{QStringLiteral("ACME"), QStringLiteral("Acme")} << QStringLiteral("X") << false
            << QStringList{QStringLiteral("question|Merge Payees|Merge 2 payees into \"X\"?")} << all;
    }

    void renameAndMergeCases()
    {
        QFETCH(bool, merge);
        QFETCH(QStringList, selected);
        QFETCH(QString, name);
        QFETCH(bool, answerYes);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, listAfter);

        PayeeFixture f;
        f.prompts.answerYes = answerYes;
        f.select(selected);
        f.screen->nameEdit()->setText(name);
        if (merge)
            f.screen->onMerge();
        else
            f.screen->onRename();

        // Questions carry their text as escaped markup; compare what they show.
        QStringList shown;
        for (const FakePrompts::Message &message : f.prompts.messages) {
            const QString text = message.kind == QLatin1String("question")
                ? QTextDocumentFragment::fromHtml(message.text).toPlainText()
                : message.text;
            shown.append(message.kind + u'|' + message.title + u'|' + text);
        }
        QCOMPARE(shown, messages);
        QCOMPARE(f.listed(), listAfter);
        const bool completed = messages.size() > 0 && messages.last().contains(QLatin1String("Complete"));
        QCOMPARE(f.payeeSignals->count(), completed ? 1 : 0);
        // The deleted row is never rewritten.
        QCOMPARE(f.app()->transactionRepository()->findById(f.deletedAcme.id)->payee, QStringLiteral("Acme"));
    }

    // A write that fails part way leaves every row as it was, says so, and
    // announces nothing.
    void failedRenameWritesNothing_data()
    {
        QTest::addColumn<bool>("merge");
        QTest::addColumn<QString>("expected");
        QTest::newRow("rename") << false << QStringLiteral("warning|Rename Failed|");
        QTest::newRow("merge") << true << QStringLiteral("warning|Merge Failed|");
    }

    void failedRenameWritesNothing()
    {
        QFETCH(bool, merge);
        QFETCH(QString, expected);
        PayeeFixture f;
        // The savings row is written after the checking rows: the failure
        // comes after part of the rename has been done.
        QVERIFY(f.execSql(QStringLiteral("CREATE TEMP TRIGGER fail_savings BEFORE UPDATE OF payee ON transactions "
                                         "WHEN old.account_id = '%1' BEGIN SELECT RAISE(ABORT, 'forced failure'); END")
                              .arg(f.savings.id)));
        f.select({QStringLiteral("Acme"), QStringLiteral("ACME")});
        f.screen->nameEdit()->setText(QStringLiteral("Acme Inc"));
        const QString versionsBefore = QString::number(
            f.countRows(QStringLiteral("SELECT SUM(version) FROM transactions")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("renamePayees failed")));
        if (merge)
            f.screen->onMerge();
        else
            f.screen->onRename();

        QCOMPARE(f.prompts.messages.last().kind + u'|' + f.prompts.messages.last().title + u'|', expected);
        QVERIFY2(f.prompts.messages.last().text.contains(QStringLiteral("The payees could not be renamed: forced "
                                                                        "failure. No transaction was changed.")),
            qPrintable(f.prompts.messages.last().text));
        QCOMPARE(f.rowsWith(QStringLiteral("Acme Inc")), 0);
        QCOMPARE(f.rowsWith(QStringLiteral("Acme")), 3);
        QCOMPARE(QString::number(f.countRows(QStringLiteral("SELECT SUM(version) FROM transactions"))),
            versionsBefore);
        QCOMPARE(f.accountSignals->count(), 0);
        QCOMPARE(f.payeeSignals->count(), 0);
    }

    // No row but the opening balance may carry its words, in any interface
    // language and however typed: the rename or merge is refused before
    // anything is asked or written, and says why.
    void openingBalanceWordsAreRefusedAsTheNewName_data()
    {
        QTest::addColumn<bool>("merge");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shownName");

        const QStringList acme{QStringLiteral("Acme"), QStringLiteral("ACME")};
        const struct
        {
            const char *tag;
            QString name;
            QString shown;
        } words[] = {
            {"English", QStringLiteral("Opening Balance"), QStringLiteral("Opening Balance")},
            {"German, upper case", QStringLiteral("ANFANGSSALDO"), QStringLiteral("ANFANGSSALDO")},
            {"Spanish, padded", QStringLiteral("  saldo inicial "), QStringLiteral("saldo inicial")},
            {"French", QStringLiteral("Solde d'ouverture"), QStringLiteral("Solde d'ouverture")},
            {"Japanese", QStringLiteral("\u671F\u9996\u6B8B\u9AD8"), QStringLiteral("\u671F\u9996\u6B8B\u9AD8")},
        };
        for (const auto &word : words) {
            QTest::addRow("rename to %s", word.tag) << false << acme << word.name << word.shown;
            QTest::addRow("merge into %s", word.tag) << true << acme << word.name << word.shown;
        }
        QTest::newRow("merge into the first selected, an opening balance")
            << true << QStringList{QStringLiteral("Opening Balance"), QStringLiteral("Acme")} << QString()
            << QStringLiteral("Opening Balance");
    }

    void openingBalanceWordsAreRefusedAsTheNewName()
    {
        QFETCH(bool, merge);
        QFETCH(QStringList, selected);
        QFETCH(QString, name);
        QFETCH(QString, shownName);

        PayeeFixture f;
        const QString before = f.everyRow();
        const QStringList listBefore = f.listed();
        f.select(selected);
        f.screen->nameEdit()->setText(name);
        if (merge)
            f.screen->onMerge();
        else
            f.screen->onRename();

        QCOMPARE(f.shownMessages(),
            QStringList{QStringLiteral("warning|%1|\"%2\" is the name of the opening balance, which each account has "
                                       "once. Choose another name: no transaction was changed.")
                            .arg(merge ? QStringLiteral("Merge") : QStringLiteral("Rename"), shownName)});
        QCOMPARE(f.everyRow(), before);
        QCOMPARE(f.listed(), listBefore);
        QCOMPARE(f.accountSignals->count(), 0);
        QCOMPARE(f.payeeSignals->count(), 0);

        // The rule is the repository's, whoever asks for the rename.
        const TransactionRepository::PayeeRename direct =
            f.app()->transactionRepository()->renamePayees(selected, name.isEmpty() ? selected.first() : name);
        QCOMPARE(direct.outcome, TransactionRepository::PayeeRename::OpeningBalanceName);
        QCOMPARE(f.everyRow(), before);
    }

    // Opening balances and transfer legs keep their payee while the other
    // rows of the chosen payees are renamed; deleted rows and rows of a
    // deleted account are never touched. The message says what was kept
    // and why, also when nothing at all could be renamed.
    void protectedRowsKeepTheirPayee_data()
    {
        QTest::addColumn<bool>("merge");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("rowsNamedAfter");

        const QString keptOpening = QStringLiteral(" opening balance(s) kept their payee: an account's opening "
                                                   "balance is not renamed.");
        const QString keptTransfer = QStringLiteral(" transfer(s) kept their payee: it names the account at the "
                                                    "other end of the transfer.");
        QTest::newRow("rename a payee only transfers carry")
            << false << QStringList{QStringLiteral("Transfer from Checking")} << QStringLiteral("Savings in")
            << QStringList{QStringLiteral("information|Rename|No transaction was changed.\n\n1") + keptTransfer} << 0;
        QTest::newRow("rename a transfer payee also typed on an ordinary row")
            << false << QStringList{QStringLiteral("Transfer to Savings")} << QStringLiteral("Savings")
            << QStringList{QStringLiteral("information|Rename Complete|Renamed 1 transaction(s).\n\n1") + keptTransfer}
            << 1;
        QTest::newRow("rename a payee only an opening balance carries")
            << false << QStringList{QStringLiteral("Anfangssaldo")} << QStringLiteral("Start")
            << QStringList{QStringLiteral("information|Rename|No transaction was changed.\n\n1") + keptOpening} << 0;
        QTest::newRow("rename the opening-balance words off an ordinary row")
            << false << QStringList{QStringLiteral("Opening Balance")} << QStringLiteral("Initial deposit")
            << QStringList{QStringLiteral("information|Rename Complete|Renamed 1 transaction(s).\n\n2") + keptOpening}
            << 1;
        QTest::newRow("rename skips deleted rows and deleted accounts")
            << false << QStringList{QStringLiteral("Acme")} << QStringLiteral("Acme Corp")
            << QStringList{QStringLiteral("information|Rename Complete|Renamed 3 transaction(s).")} << 3;
        QTest::newRow("merge payees only protected rows carry")
            << true << QStringList{QStringLiteral("Anfangssaldo"), QStringLiteral("Transfer from Checking")}
            << QStringLiteral("Start")
            << QStringList{QStringLiteral("question|Merge Payees|Merge 2 payees into \"Start\"?"),
                   QStringLiteral("information|Merge|No transaction was changed.\n\n1") + keptOpening
                       + QStringLiteral("\n\n1") + keptTransfer}
            << 0;
        QTest::newRow("merge ordinary and protected rows")
            << true
            << QStringList{QStringLiteral("Acme"), QStringLiteral("Transfer to Savings"),
                   QStringLiteral("Opening Balance")}
            << QStringLiteral("Misc")
            << QStringList{QStringLiteral("question|Merge Payees|Merge 3 payees into \"Misc\"?"),
                   QStringLiteral("information|Merge Complete|Merged 5 transaction(s).\n\n2") + keptOpening
                       + QStringLiteral("\n\n1") + keptTransfer}
            << 5;
        QTest::newRow("merge skips deleted rows and deleted accounts")
            << true << QStringList{QStringLiteral("ACME"), QStringLiteral("Acme")} << QStringLiteral("ACME")
            << QStringList{QStringLiteral("question|Merge Payees|Merge 2 payees into \"ACME\"?"),
                   QStringLiteral("information|Merge Complete|Merged 3 transaction(s).")}
            << 4;
    }

    void protectedRowsKeepTheirPayee()
    {
        QFETCH(bool, merge);
        QFETCH(QStringList, selected);
        QFETCH(QString, name);
        QFETCH(QStringList, messages);
        QFETCH(int, rowsNamedAfter);

        PayeeFixture f;
        f.addProtectedRows();
        const QStringList protectedBefore = f.protectedRows();
        f.select(selected);
        f.screen->nameEdit()->setText(name);
        if (merge)
            f.screen->onMerge();
        else
            f.screen->onRename();

        QCOMPARE(f.shownMessages(), messages);
        QCOMPARE(f.protectedRows(), protectedBefore);
        QCOMPARE(f.rowsWith(name), rowsNamedAfter);
        const bool changed = messages.constLast().contains(QLatin1String("Complete"));
        QCOMPARE(f.payeeSignals->count(), changed ? 1 : 0);
        if (!changed)
            QCOMPARE(f.accountSignals->count(), 0);
    }

    // The list is a copy: a row that another writer gave a new payee after
    // the list was shown keeps it, and its version; every row renamed is a
    // local change with a new version, an ISO UTC stamp and the pending mark.
    void renameLeavesRowsChangedSinceTheListWasShown()
    {
        PayeeFixture f;
        Transaction changed = f.liveTransactions(f.checking.id).constFirst();
        for (const Transaction &t : f.liveTransactions(f.checking.id)) {
            if (t.payee == QLatin1String("Acme"))
                changed = t;
        }
        QCOMPARE(changed.payee, QStringLiteral("Acme"));
        changed.payee = QStringLiteral("Acme Ltd");
        changed.version += 1;
        QVERIFY(f.app()->transactionRepository()->update(changed));

        f.select({QStringLiteral("Acme")});
        f.screen->nameEdit()->setText(QStringLiteral("Acme Corp"));
        f.screen->onRename();

        QCOMPARE(f.messageLines(),
            QStringList{QStringLiteral("information|Rename Complete|Renamed 2 transaction(s).")});
        const Transaction after = *f.app()->transactionRepository()->findById(changed.id);
        QCOMPARE(after.payee, QStringLiteral("Acme Ltd"));
        QCOMPARE(after.version, changed.version);
        QCOMPARE(f.rowsWith(QStringLiteral("Acme Corp")), 2);
    }

    // An account's opening balance is its derived-id row, whatever other rows
    // read. Before, a row renamed to "Opening Balance" and dated earlier
    // became the opening balance: the real one could be deleted, and setting
    // 700.00 wrote over the renamed row, leaving 500.00 + 700.00 = 1,200.00.
    void openingBalanceStaysTheDerivedRowEndToEnd()
    {
        PayeeFixture f;
        Account account;
        account.id = QStringLiteral("acct-e2e");
        account.name = QStringLiteral("Everyday");
        account.startingBalance = 50000;
        account.createdAt = account.updatedAt = QDateTime(kDay, QTime(8, 0), Qt::UTC);
        QVERIFY(f.app()->accountOperations()->createAccountWithOpeningBalance(account, QDate(2024, 3, 1),
            QStringLiteral("Opening Balance")));
        const QString openingId = TransactionRepository::openingBalanceId(account.id);
        const Transaction coffee = f.addTransaction(account.id, QDate(2024, 2, 20), QStringLiteral("Coffee"), -100);
        f.screen->reloadPayees();

        f.select({QStringLiteral("Coffee")});
        f.screen->nameEdit()->setText(QStringLiteral("Opening Balance"));
        f.screen->onRename();
        f.select({QStringLiteral("Opening Balance"), QStringLiteral("Coffee")});
        f.screen->nameEdit()->clear();
        f.screen->onMerge();
        QCOMPARE(f.prompts.messages.size(), 2);
        QCOMPARE(f.prompts.messages.at(0).kind, QStringLiteral("warning"));
        QCOMPARE(f.prompts.messages.at(1).kind, QStringLiteral("warning"));
        QCOMPARE(f.app()->transactionRepository()->findById(coffee.id)->payee, QStringLiteral("Coffee"));

        // The words can still be typed on a row in the register: it stays an
        // ordinary row all the same.
        Transaction typed = *f.app()->transactionRepository()->findById(coffee.id);
        typed.payee = QStringLiteral("Opening Balance");
        typed.version += 1;
        QVERIFY(f.app()->transactionRepository()->update(typed));
        QVERIFY(!f.app()->transactionRepository()->isOpeningBalance(typed));
        QCOMPARE(f.app()->transactionRepository()->findOpeningBalance(account.id)->id, openingId);

        f.prompts.messages.clear();
        f.prompts.answerYes = false;
        const Transaction opening = *f.app()->transactionRepository()->findById(openingId);
        QVERIFY(!TransactionActions::confirmDelete(f.app(), opening));
        QVERIFY(!TransactionActions::confirmDelete(f.app(), typed));
        QCOMPARE(f.prompts.messages.size(), 2);
        QCOMPARE(f.prompts.messages.at(0).title, QStringLiteral("Opening Balance"));
        QCOMPARE(f.prompts.messages.at(1).title, QStringLiteral("Delete Transaction"));
        QVERIFY(!f.app()->transactionRepository()->findById(openingId)->deletedAt);

        QVERIFY(TransactionActions::setOpeningBalance(f.app(), account.id, 70000, QDate(2024, 3, 1)));
        QCOMPARE(f.app()->transactionRepository()->findById(openingId)->amount, qint64(70000));
        const Transaction typedAfter = *f.app()->transactionRepository()->findById(coffee.id);
        QVERIFY(!typedAfter.deletedAt);
        QCOMPARE(typedAfter.amount, qint64(-100));
        QCOMPARE(f.liveTransactions(account.id).size(), 2);
        QCOMPARE(f.app()->transactionRepository()->balance(account.id, TransactionRepository::CurrentBalance),
            std::optional<qint64>(69900));
    }

    // Payees are data: shown and asked about as typed, never as markup.
    void payeesAreShownAsPlainText()
    {
        PayeeFixture f;
        const QString marked = QStringLiteral("<b>Big</b> & Co");
        f.addTransaction(f.cash.id, kDay, marked, -1);
        f.screen->reloadPayees();
        QVERIFY(f.listed().contains(marked));
        f.select({marked, QStringLiteral("Bakery")});
        f.screen->onMerge();
        QCOMPARE(f.prompts.messages.first().title, QStringLiteral("Merge Payees"));
        QVERIFY2(f.prompts.messages.first().text.contains(QStringLiteral("&lt;b&gt;Big&lt;/b&gt; &amp; Co")),
            qPrintable(f.prompts.messages.first().text));
        QCOMPARE(f.rowsWith(marked), 2);
    }
};

TALLYRA_TEST(TestPayeeScreen)
#include "test_payeescreen.moc"
