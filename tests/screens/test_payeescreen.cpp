#include "register/registerfixture.h"
#include "support/testmain.h"

#include "data/database.h"
#include "data/transactionrepository.h"
#include "screens/payeescreen.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTextDocumentFragment>

namespace {

const QDate kDay(2024, 3, 4);

// Three accounts: "Acme" in two of them (one of its rows deleted), a
// differently cased "ACME", a few other payees, and an opening balance
// whose payee text is also typed on an ordinary row.
struct PayeeFixture : AppFixture
{
    FakePrompts prompts;
    Account checking = addAccount(QStringLiteral("Checking"));
    Account savings = addAccount(QStringLiteral("Savings"), AccountType::Savings);
    Account cash = addAccount(QStringLiteral("Cash"), AccountType::Cash);
    Transaction deletedAcme;
    Transaction opening;
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

        screen = std::make_unique<PayeeScreen>(app());
        screen->reloadPayees();
        accountSignals =
            std::make_unique<QSignalSpy>(app()->transactionRepository(), &TransactionRepository::transactionsChanged);
        payeeSignals = std::make_unique<QSignalSpy>(screen.get(), &PayeeScreen::payeesChanged);
    }

    QStringList listed() const
    {
        QStringList texts;
        for (int row = 0; row < screen->payeeList()->count(); ++row)
            texts.append(screen->payeeList()->item(row)->text());
        return texts;
    }

    // Selects the payees in the order given, as Ctrl+clicks do.
    void select(const QStringList &payees)
    {
        screen->payeeList()->clearSelection();
        for (const QString &payee : payees) {
            const QList<QListWidgetItem *> found = screen->payeeList()->findItems(payee, Qt::MatchExactly);
            if (found.size() == 1)
                found.first()->setSelected(true);
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

        QCOMPARE(f.messageLines(), QStringList{QStringLiteral("information|Rename Complete|Renamed 4 transaction(s).")});
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

        // The opening balance and the deleted row keep their text and version.
        const Transaction opening = *f.app()->transactionRepository()->findById(f.opening.id);
        QCOMPARE(opening.payee, QStringLiteral("Opening Balance"));
        QCOMPARE(opening.version, f.opening.version);
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
        QCOMPARE(f.prompts.messages.last().text, QStringLiteral("The payees could not be renamed, so no transaction "
                                                                "was changed."));
        QCOMPARE(f.rowsWith(QStringLiteral("Acme Inc")), 0);
        QCOMPARE(f.rowsWith(QStringLiteral("Acme")), 3);
        QCOMPARE(QString::number(f.countRows(QStringLiteral("SELECT SUM(version) FROM transactions"))),
            versionsBefore);
        QCOMPARE(f.accountSignals->count(), 0);
        QCOMPARE(f.payeeSignals->count(), 0);
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
