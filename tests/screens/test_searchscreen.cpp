#include "register/registerfixture.h"
#include "support/testmain.h"

#include "data/transactionrepository.h"
#include "register/registermodel.h"
#include "screens/searchscreen.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>

namespace {

// Two dollar accounts and a yen account with a few entries; the screen is
// set up as the main window shows it.
struct SearchFixture : AppFixture
{
    Account checking = addAccount(QStringLiteral("Checking"));
    Account savings = addAccount(QStringLiteral("Savings"), AccountType::Savings);
    Account yen = addAccount(QStringLiteral("Yen"), AccountType::Savings, Currency::JPY);
    std::unique_ptr<SearchScreen> screen;
    std::unique_ptr<QSignalSpy> searches;

    SearchFixture()
    {
        screen = std::make_unique<SearchScreen>(app());
        searches = std::make_unique<QSignalSpy>(screen->model(), &QAbstractItemModel::modelReset);
    }

    Transaction add(const Account &account, const QDate &date, const QString &payee, qint64 amount,
                    const std::function<void(Transaction &)> &change = {})
    {
        Transaction t = addTransaction(account.id, date, payee, amount);
        if (change) {
            change(t);
            app()->transactionRepository()->update(t);
        }
        return t;
    }

    template <typename T> T *widget(const char *name) const { return findNamed<T>(screen.get(), name); }

    QStringList payees() const
    {
        QStringList out;
        for (int row = 0; row < screen->model()->rowCount(); ++row)
            out.append(screen->model()->rowAt(row).transaction.payee);
        return out;
    }

    QString cell(int row, int column) const
    {
        return screen->model()->index(row, column).data().toString();
    }

    int rowOf(const QString &payee) const { return int(payees().indexOf(payee)); }

    // Runs the menu entry of a row whose text is `text`; false when absent.
    bool choose(int row, const QString &text)
    {
        const std::unique_ptr<QMenu> menu(screen->contextMenuForRow(row));
        if (!menu)
            return false;
        for (QAction *action : menu->actions()) {
            if (action->text() == text) {
                action->trigger();
                return true;
            }
        }
        return false;
    }

    QStringList menuTexts(int row) const
    {
        const std::unique_ptr<QMenu> menu(screen->contextMenuForRow(row));
        QStringList texts;
        for (QAction *action : menu->actions())
            texts.append(action->isSeparator() ? QStringLiteral("--") : action->text());
        return texts;
    }
};

} // namespace

class TestSearchScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Showing the window refills both combos and runs one search, with both
    // criteria back on "All".
    void reloadingTheCombosRunsOneSearch()
    {
        SearchFixture f;
        const Category rent = f.addCategory(QStringLiteral("Rent"));
        f.add(f.checking, QDate(2024, 1, 5), QStringLiteral("Landlord"), -100, [&](Transaction &t) {
            t.categoryId = rent.id;
        });
        f.add(f.savings, QDate(2024, 1, 6), QStringLiteral("Interest"), 5);
        f.screen->reloadFilterCombos();
        QCOMPARE(f.searches->count(), 1);
        QCOMPARE(f.payees(), QStringList({"Landlord", "Interest"}));

        auto *accounts = f.widget<QComboBox>("accountCombo");
        auto *categories = f.widget<QComboBox>("categoryCombo");
        accounts->setCurrentIndex(accounts->findData(f.savings.id));
        QCOMPARE(f.payees(), QStringList({"Interest"}));
        accounts->setCurrentIndex(0);
        categories->setCurrentIndex(categories->findData(rent.id));
        QCOMPARE(f.payees(), QStringList({"Landlord"}));
        QCOMPARE(f.searches->count(), 4);

        f.screen->reloadFilterCombos();
        QCOMPARE(f.searches->count(), 5);
        QCOMPARE(accounts->currentIndex(), 0);
        QCOMPARE(categories->currentIndex(), 0);
        QCOMPARE(accounts->itemText(0), QStringLiteral("All Accounts"));
        QCOMPARE(categories->itemText(0), QStringLiteral("All Categories"));
        QCOMPARE(accounts->count(), 4);
    }

    // Two categories of one name stay apart in the category choice.
    void sameNamedCategoriesAreTellable()
    {
        SearchFixture f;
        const Category housing = f.addCategory(QStringLiteral("Housing"));
        const Category car = f.addCategory(QStringLiteral("Car"));
        const Category houseRepairs = f.addCategory(QStringLiteral("Repairs"), housing.id);
        const Category carRepairs = f.addCategory(QStringLiteral("Repairs"), car.id);
        f.add(f.checking, QDate(2024, 1, 5), QStringLiteral("Roofer"), -100,
              [&](Transaction &t) { t.categoryId = houseRepairs.id; });
        f.add(f.checking, QDate(2024, 1, 6), QStringLiteral("Garage"), -100,
              [&](Transaction &t) { t.categoryId = carRepairs.id; });
        f.screen->reloadFilterCombos();
        auto *categories = f.widget<QComboBox>("categoryCombo");
        categories->setCurrentIndex(categories->findText(QStringLiteral("Car > Repairs")));
        QCOMPARE(f.payees(), QStringList({"Garage"}));
    }

    void typingSearchesOnceAfterAPause()
    {
        SearchFixture f;
        f.add(f.checking, QDate(2024, 1, 5), QStringLiteral("Corner Shop"), -100);
        f.add(f.checking, QDate(2024, 1, 6), QStringLiteral("Bakery"), -100);
        f.screen->reloadFilterCombos();
        auto *timer = f.screen->findChild<QTimer *>(QStringLiteral("typingTimer"));
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 300);
        QVERIFY(timer->isSingleShot());
        auto *edit = f.widget<QLineEdit>("searchEdit");
        for (const char *text : {"c", "co", "cor"})
            edit->setText(QLatin1String(text));
        QCOMPARE(f.searches->count(), 1);
        QVERIFY(timer->isActive());
        QTRY_COMPARE(f.searches->count(), 2);
        QCOMPARE(f.payees(), QStringList({"Corner Shop"}));
        QVERIFY(!timer->isActive());
    }

    void textCriteria_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("payees");
        QTest::newRow("blanks list everything") << "   " << QStringList({"Corner Shop", "Bakery", "Corner Cafe"});
        QTest::newRow("punctuation is no term") << " ?!- " << QStringList({"Corner Shop", "Bakery", "Corner Cafe"});
        QTest::newRow("prefixes of words") << "cor sh" << QStringList({"Corner Shop"});
        QTest::newRow("memo and check number") << "1042" << QStringList({"Bakery"});
        QTest::newRow("operator words are words") << "OR" << QStringList();
    }

    void textCriteria()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, payees);
        SearchFixture f;
        f.add(f.checking, QDate(2024, 1, 5), QStringLiteral("Corner Shop"), -100);
        f.add(f.checking, QDate(2024, 1, 6), QStringLiteral("Bakery"), -100,
              [](Transaction &t) { t.checkNumber = QStringLiteral("1042"); });
        f.add(f.savings, QDate(2024, 1, 7), QStringLiteral("Corner Cafe"), -100);
        f.widget<QLineEdit>("searchEdit")->setText(text);
        f.screen->performSearch();
        QCOMPARE(f.payees(), payees);
    }

    void datesAndClearedOnly()
    {
        SearchFixture f;
        f.add(f.checking, QDate::currentDate().addMonths(-2), QStringLiteral("Old"), -100);
        f.add(f.checking, QDate::currentDate().addDays(-3), QStringLiteral("Recent"), -100,
              [](Transaction &t) { t.cleared = true; });
        f.add(f.checking, QDate::currentDate(), QStringLiteral("Today"), -100);
        f.screen->reloadFilterCombos();
        QCOMPARE(f.payees().size(), 3);

        auto *from = f.widget<QDateEdit>("fromEdit");
        auto *range = f.widget<QCheckBox>("dateRangeCheck");
        QVERIFY(!from->isEnabled());
        QCOMPARE(from->date(), QDate::currentDate().addMonths(-1));
        from->setDate(QDate::currentDate().addDays(-5));
        QCOMPARE(f.searches->count(), 1); // not ticked: no search
        range->setChecked(true);
        QVERIFY(from->isEnabled());
        QCOMPARE(f.searches->count(), 2);
        QCOMPARE(f.payees(), QStringList({"Recent", "Today"}));
        f.widget<QDateEdit>("toEdit")->setDate(QDate::currentDate().addDays(-1));
        QCOMPARE(f.payees(), QStringList({"Recent"}));

        range->setChecked(false);
        f.widget<QCheckBox>("clearedCheck")->setChecked(true);
        QCOMPARE(f.payees(), QStringList({"Recent"}));
        f.widget<QCheckBox>("clearedCheck")->setChecked(false);
        QCOMPARE(f.payees().size(), 3);
    }

    // The newest 200 are listed, oldest first; entries of one day keep the
    // query's order, newest created first.
    void atMost200NewestShownOldestFirst()
    {
        SearchFixture f;
        for (int i = 0; i < 205; ++i)
            f.add(f.checking, QDate(2020, 1, 1).addDays(i), QStringLiteral("Entry %1").arg(i), -100);
        for (int i = 0; i < 3; ++i)
            f.add(f.savings, QDate(2020, 1, 1).addDays(204), QStringLiteral("Same %1").arg(i), -1);
        f.screen->reloadFilterCombos();
        const QStringList payees = f.payees();
        QCOMPARE(payees.size(), 200);
        QCOMPARE(payees.first(), QStringLiteral("Entry 8"));
        QCOMPARE(payees.mid(196), QStringList({"Same 2", "Same 1", "Same 0", "Entry 204"}));
        // Header clicks do not sort.
        QVERIFY(!f.screen->table()->isSortingEnabled());
        QVERIFY(f.screen->table()->isColumnHidden(RegisterModel::BalanceColumn));
    }

    void rowsShowTheirAccountsDigits()
    {
        SearchFixture f;
        f.add(f.yen, QDate(2024, 1, 5), QStringLiteral("Ramen"), -1500);
        f.add(f.checking, QDate(2024, 1, 6), QStringLiteral("Coffee"), -1500);
        f.add(f.yen, QDate(2024, 1, 7), QStringLiteral("Refund"), 120000);
        f.screen->reloadFilterCombos();
        QCOMPARE(f.cell(f.rowOf("Ramen"), RegisterModel::PaymentColumn), QStringLiteral("1,500"));
        QCOMPARE(f.cell(f.rowOf("Coffee"), RegisterModel::PaymentColumn), QStringLiteral("15.00"));
        QCOMPARE(f.cell(f.rowOf("Refund"), RegisterModel::DepositColumn), QStringLiteral("120,000"));
    }

    void menuEntriesFollowTheRow()
    {
        SearchFixture f;
        f.add(f.checking, QDate(2024, 1, 5), QStringLiteral("Plain"), -100);
        f.add(f.checking, QDate(2024, 1, 6), QStringLiteral("Cleared split"), -100, [](Transaction &t) {
            t.cleared = true;
            t.isSplit = true;
        });
        f.add(f.checking, QDate(2024, 1, 7), QStringLiteral("Reconciled"), -100, [](Transaction &t) {
            t.cleared = true;
            t.reconciled = true;
        });
        f.screen->reloadFilterCombos();
        QCOMPARE(f.menuTexts(f.rowOf("Plain")),
                 QStringList({"Show &Details...", "&Split Transaction...", "&Edit in Dialog...", "D&uplicate...",
                              "Mark &Cleared", "--", "&Delete..."}));
        QCOMPARE(f.menuTexts(f.rowOf("Cleared split")),
                 QStringList({"Show &Details...", "Edit &Splits...", "&Edit in Dialog...", "D&uplicate...",
                              "Mark &Uncleared", "--", "&Delete..."}));
        QCOMPARE(f.menuTexts(f.rowOf("Reconciled")),
                 QStringList({"Show &Details...", "&Split Transaction...", "&Edit in Dialog...", "D&uplicate...",
                              "--", "&Delete..."}));
        QVERIFY(!f.screen->contextMenuForRow(3));
        QVERIFY(!f.screen->contextMenuForRow(-1));
    }

    void clearedMarkAndDelete()
    {
        SearchFixture f;
        FakePrompts prompts;
        const Transaction rent = f.add(f.checking, QDate(2024, 1, 5), QStringLiteral("Rent"), -100);
        f.add(f.checking, QDate(2024, 1, 6), QStringLiteral("Other"), -100);
        f.screen->reloadFilterCombos();

        QVERIFY(f.choose(f.rowOf("Rent"), QStringLiteral("Mark &Cleared")));
        QVERIFY(f.app()->transactionRepository()->findById(rent.id)->cleared);
        QCOMPARE(f.cell(f.rowOf("Rent"), RegisterModel::ClearedColumn), QStringLiteral("C"));

        prompts.answerYes = false;
        const int before = f.searches->count();
        QVERIFY(f.choose(f.rowOf("Rent"), QStringLiteral("&Delete...")));
        QCOMPARE(f.payees(), QStringList({"Rent", "Other"}));
        QCOMPARE(f.searches->count(), before);
        prompts.answerYes = true;
        QVERIFY(f.choose(f.rowOf("Rent"), QStringLiteral("&Delete...")));
        QCOMPARE(f.payees(), QStringList({"Other"}));
        QVERIFY(f.app()->transactionRepository()->findById(rent.id)->deletedAt.has_value());
    }

    void dialogActions()
    {
        SearchFixture f;
        FakePrompts prompts;
        f.add(f.checking, QDate(2024, 1, 5), QStringLiteral("Rent"), -100);
        f.screen->reloadFilterCombos();

        // Details re-runs the search even when nothing changed.
        int before = f.searches->count();
        QString shown;
        prompts.steps.append(inspect([&](QDialog *d) {
            shown = d->metaObject()->className();
        }));
        QVERIFY(f.choose(0, QStringLiteral("Show &Details...")));
        QCOMPARE(shown, QStringLiteral("TransactionDetailsDialog"));
        QCOMPARE(f.searches->count(), before + 1);

        // A cancelled form changes nothing and searches nothing.
        before = f.searches->count();
        prompts.steps.append(inspect([&](QDialog *d) { shown = d->metaObject()->className(); }));
        QVERIFY(f.choose(0, QStringLiteral("&Split Transaction...")));
        QCOMPARE(shown, QStringLiteral("SplitEditorDialog"));
        QCOMPARE(f.searches->count(), before);

        FormInput edited;
        edited.payee = QStringLiteral("Landlord");
        edited.cents = 12500;
        prompts.steps.append(acceptForm(edited));
        QVERIFY(f.choose(0, QStringLiteral("&Edit in Dialog...")));
        QCOMPARE(f.payees(), QStringList({"Landlord"}));
        QCOMPARE(f.cell(0, RegisterModel::PaymentColumn), QStringLiteral("125.00"));

        FormInput copy;
        copy.payee = QStringLiteral("Landlord copy");
        copy.cents = 5000;
        prompts.steps.append(acceptForm(copy));
        QVERIFY(f.choose(0, QStringLiteral("D&uplicate...")));
        QCOMPARE(f.payees().size(), 2);
        QVERIFY(f.payees().contains(QStringLiteral("Landlord copy")));
        QCOMPARE(prompts.dialogRuns, 4);
    }

    void doubleClickAsksForAnEdit()
    {
        SearchFixture f;
        FakePrompts prompts;
        const Transaction rent = f.add(f.checking, QDate(2024, 1, 5), QStringLiteral("Rent"), -100);
        f.screen->reloadFilterCombos();
        QSignalSpy requested(f.screen.get(), &SearchScreen::editTransactionRequested);
        QString shown;
        prompts.steps.append(inspect([&](QDialog *d) { shown = d->metaObject()->className(); }));
        QTableView *table = f.screen->table();
        Q_EMIT table->doubleClicked(table->model()->index(0, RegisterModel::PayeeColumn));
        QCOMPARE(requested.count(), 1);
        QCOMPARE(requested.at(0).at(0).toString(), rent.id);
        QCOMPARE(shown, QStringLiteral("TransactionFormDialog"));
    }

    // A row changed or deleted after the search is not acted on: the user is
    // told and the list shows what is stored.
    void rowChangedAfterTheSearch()
    {
        SearchFixture f;
        FakePrompts prompts;
        Transaction rent = f.add(f.checking, QDate(2024, 1, 5), QStringLiteral("Rent"), -100);
        const Transaction fee = f.add(f.checking, QDate(2024, 1, 6), QStringLiteral("Fee"), -5);
        f.screen->reloadFilterCombos();
        const std::unique_ptr<QMenu> menu(f.screen->contextMenuForRow(f.rowOf("Rent")));

        // Reconciled elsewhere while the menu still offers "Mark Cleared".
        rent.cleared = true;
        rent.reconciled = true;
        rent.version += 1;
        rent.updatedAt = rent.updatedAt.addSecs(1);
        QVERIFY(f.app()->transactionRepository()->update(rent));
        for (QAction *action : menu->actions()) {
            if (action->text() == QLatin1String("Mark &Cleared"))
                action->trigger();
        }
        const std::optional<Transaction> stored = f.app()->transactionRepository()->findById(rent.id);
        QVERIFY(stored->cleared && stored->reconciled);
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages.at(0).title, QStringLiteral("Transaction Changed"));
        QCOMPARE(f.cell(f.rowOf("Rent"), RegisterModel::ClearedColumn), QStringLiteral("R"));

        QVERIFY(f.app()->transactionRepository()->softDelete(fee.id));
        f.screen->applyToRow(f.rowOf("Fee"), [](const Transaction &) {
            qFatal("acted on a deleted row");
            return true;
        });
        QCOMPARE(prompts.messages.size(), 2);
        QCOMPARE(f.payees(), QStringList({"Rent"}));
        QCOMPARE(prompts.dialogRuns, 0);

        // Rows outside the list are ignored.
        f.screen->applyToRow(5, [](const Transaction &) { return true; });
        QCOMPARE(prompts.messages.size(), 2);
    }
};

TALLYRA_TEST(TestSearchScreen)
#include "test_searchscreen.moc"
