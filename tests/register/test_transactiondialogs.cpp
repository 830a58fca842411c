#include "registerfixture.h"
#include "support/testmain.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "register/datefield.h"
#include "register/smartamountfield.h"
#include "register/spliteditordialog.h"
#include "register/splitlineswidget.h"
#include "register/transactionactions.h"
#include "register/transactiondetailsdialog.h"
#include "register/transactionformdialog.h"
#include "screens/recurringformdialog.h"
#include "ui/palettehelpers.h"
#include "ui/thememanager.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace {

Transaction storedTransaction(AppFixture &f, const QString &accountId, const QString &payee, qint64 amount)
{
    return f.addTransaction(accountId, QDate(2024, 3, 15), payee, amount);
}

QString labelText(const QDialog &dialog, const char *name)
{
    const auto *label = findNamed<QLabel>(&dialog, name);
    return label ? label->text() : QStringLiteral("<missing>");
}

QTableWidget *splitTable(const QObject *root)
{
    return findNamed<QTableWidget>(root, "splitTable");
}

} // namespace

class TestTransactionDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newFormBuildsEachType_data()
    {
        QTest::addColumn<int>("accountType");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("negativeLabel");
        QTest::addColumn<QString>("positiveLabel");
        QTest::addColumn<QString>("payee");
        QTest::addColumn<qint64>("amount");
        const int checking = int(AccountType::Checking);
        const int card = int(AccountType::CreditCard);
        QTest::newRow("payment") << checking << int(FormInput::Negative) << "Payment" << "Deposit" << "Grocer"
                                 << qint64(-4250);
        QTest::newRow("deposit") << checking << int(FormInput::Positive) << "Payment" << "Deposit" << "Grocer"
                                 << qint64(4250);
        QTest::newRow("transfer") << checking << int(FormInput::Transfer) << "Payment" << "Deposit"
                                  << "[Transfer] Savings" << qint64(-4250);
        QTest::newRow("card charge") << card << int(FormInput::Negative) << "Charge" << "Payment" << "Grocer"
                                     << qint64(-4250);
        QTest::newRow("card payment") << card << int(FormInput::Positive) << "Charge" << "Payment" << "Grocer"
                                      << qint64(4250);
        QTest::newRow("loan wording") << int(AccountType::Loan) << int(FormInput::Negative) << "Charge" << "Payment"
                                      << "Grocer" << qint64(-4250);
    }

    void newFormBuildsEachType()
    {
        QFETCH(int, accountType);
        QFETCH(int, type);
        QFETCH(QString, negativeLabel);
        QFETCH(QString, positiveLabel);
        QFETCH(QString, payee);
        QFETCH(qint64, amount);

        AppFixture f;
        QVERIFY(f.isValid());
        const Account account = f.addAccount(QStringLiteral("Main"), AccountType(accountType));
        f.addAccount(QStringLiteral("Savings"), AccountType::Savings);

        TransactionFormDialog dialog(f.app(), account.id);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("New Transaction"));
        QCOMPARE(findNamed<QRadioButton>(&dialog, "negativeTypeRadio")->text(), negativeLabel);
        QCOMPARE(findNamed<QRadioButton>(&dialog, "positiveTypeRadio")->text(), positiveLabel);
        QVERIFY(findNamed<QRadioButton>(&dialog, "negativeTypeRadio")->isChecked());

        FormInput input;
        input.type = FormInput::Type(type);
        input.payee = QStringLiteral("  Grocer ");
        input.transferAccount = QStringLiteral("Savings");
        input.cents = 4250;
        QVERIFY(fillTransactionForm(&dialog, input));
        const Transaction t = dialog.transaction();
        QCOMPARE(t.payee, payee);
        QCOMPARE(t.amount, amount);
        QCOMPARE(t.accountId, account.id);
        QVERIFY(!t.id.isEmpty() && !t.id.startsWith(u'{'));
        QCOMPARE(t.version, 1);
        QCOMPARE(t.syncStatus, SyncStatus::Pending);
        QCOMPARE(t.createdAt, t.updatedAt);
        QVERIFY(dialog.splitLines().isEmpty());
    }

    void transferNeedsAnAccountInTheSameCurrency()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        const Account account = f.addAccount(QStringLiteral("Main"));
        f.addAccount(QStringLiteral("Euro"), AccountType::Savings, Currency::EUR);

        TransactionFormDialog dialog(f.app(), account.id);
        auto *transfer = findNamed<QRadioButton>(&dialog, "transferRadio");
        QVERIFY(!transfer->isEnabled());
        QCOMPARE(transfer->toolTip(), QStringLiteral("No other account in this currency to transfer into"));
        // The payee completion still names the other account; saving refuses it.
        auto *model = findNamed<QLineEdit>(&dialog, "payeeEdit")->completer()->model();
        QStringList entries;
        for (int row = 0; row < model->rowCount(); ++row)
            entries << model->index(row, 0).data().toString();
        QCOMPARE(entries, QStringList{QStringLiteral("[Transfer] Euro")});
    }

    void editingATransferLegKeepsPayeeAndSign_data()
    {
        QTest::addColumn<bool>("accountGone");
        QTest::addColumn<QString>("accountShown");
        QTest::newRow("live account") << false << "Checking";
        QTest::newRow("account row gone") << true << "(account no longer available)";
    }

    void editingATransferLegKeepsPayeeAndSign()
    {
        QFETCH(bool, accountGone);
        QFETCH(QString, accountShown);
        AppFixture f;
        QVERIFY(f.isValid());
        const Account checking = f.addAccount(QStringLiteral("Checking"));
        const Account savings = f.addAccount(QStringLiteral("Savings"));
        Transaction incoming = storedTransaction(f, savings.id, QStringLiteral("Transfer from Checking"), 5000);
        incoming.transferLinkId = QStringLiteral("other-leg");
        incoming.transferDestAccountId = accountGone ? QStringLiteral("gone") : checking.id;

        TransactionFormDialog dialog(f.app(), incoming);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Transaction"));
        auto *transfer = findNamed<QRadioButton>(&dialog, "transferRadio");
        auto *accountCombo = findNamed<QComboBox>(&dialog, "transferAccountCombo");
        QVERIFY(transfer->isChecked());
        QVERIFY(!transfer->isEnabled());
        QVERIFY(!findNamed<QRadioButton>(&dialog, "negativeTypeRadio")->isEnabled());
        QVERIFY(!findNamed<QRadioButton>(&dialog, "positiveTypeRadio")->isEnabled());
        QVERIFY(!accountCombo->isEnabled());
        QCOMPARE(accountCombo->currentText(), accountShown);

        findNamed<SmartAmountField>(&dialog, "amountField")->setMinorUnits(6000);
        const Transaction t = dialog.transaction();
        QCOMPARE(t.id, incoming.id);
        QCOMPARE(t.payee, incoming.payee);
        QCOMPARE(t.amount, qint64(6000));
        QCOMPARE(t.version, incoming.version + 1);
        QCOMPARE(t.transferLinkId, incoming.transferLinkId);
        QCOMPARE(t.createdAt, incoming.createdAt);
    }

    void editFormLoadsAndRebuildsTheRecord()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        const Account account = f.addAccount(QStringLiteral("Main"));
        Category gone = f.addCategory(QStringLiteral("Hobbies"));
        QVERIFY(f.app()->categoryRepository()->softDelete(gone.id));
        Transaction t = storedTransaction(f, account.id, QStringLiteral("Shop"), -1999);
        t.categoryId = gone.id;
        t.memo = QStringLiteral("paint");
        t.checkNumber = QStringLiteral("101");
        t.cleared = true;
        t.version = 4;

        TransactionFormDialog dialog(f.app(), t);
        QCOMPARE(findNamed<QComboBox>(&dialog, "categoryCombo")->currentText(), QStringLiteral("Hobbies (deleted)"));
        QVERIFY(findNamed<QRadioButton>(&dialog, "negativeTypeRadio")->isChecked());
        QVERIFY(findNamed<QLabel>(&dialog, "openingBalanceNote")->isHidden());

        const Transaction rebuilt = dialog.transaction();
        QCOMPARE(rebuilt.categoryId, gone.id);
        QCOMPARE(rebuilt.amount, qint64(-1999));
        QCOMPARE(rebuilt.memo, t.memo);
        QCOMPARE(rebuilt.checkNumber, t.checkNumber);
        QCOMPARE(rebuilt.date, t.date);
        QVERIFY(rebuilt.cleared);
        QCOMPARE(rebuilt.version, 5);
    }

    void openingBalanceShowsItsNote()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        const Account account = f.addAccount(QStringLiteral("Main"));
        const Transaction t = storedTransaction(f, account.id, QStringLiteral(" Opening Balance "), 1000);

        TransactionFormDialog dialog(f.app(), t);
        auto *note = findNamed<QLabel>(&dialog, "openingBalanceNote");
        QVERIFY(!note->isHidden());
        QVERIFY(note->styleSheet().contains(negativeAmountColor().name()));
    }

    void categoryIsTheItemNamedExactly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("exact label") << "Food" << "food";
        QTest::newRow("child label") << "Food > Restaurants" << "restaurants";
        QTest::newRow("other case") << "food" << "";
        QTest::newRow("no such item") << "Foo" << "";
        QTest::newRow("none") << "(none)" << "";
    }

    void categoryIsTheItemNamedExactly()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        AppFixture f;
        QVERIFY(f.isValid());
        const Account account = f.addAccount(QStringLiteral("Main"));
        const Category food = f.addCategory(QStringLiteral("Food"));
        const Category restaurants = f.addCategory(QStringLiteral("Restaurants"), food.id);

        TransactionFormDialog dialog(f.app(), account.id);
        findNamed<QComboBox>(&dialog, "categoryCombo")->setEditText(typed);
        const QString id = dialog.transaction().categoryId;
        QCOMPARE(id, expected == QLatin1String("food") ? food.id
                : expected == QLatin1String("restaurants") ? restaurants.id
                                                           : QString());
    }

    void splitModeFollowsTheLines_data()
    {
        QTest::addColumn<qint64>("amount");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("firstCategory");
        // "(none)" shows as the box's placeholder, not as its text.
        QTest::newRow("zero amount gives two empty lines") << qint64(0) << 2 << "";
        QTest::newRow("amount becomes one line") << qint64(5000) << 1 << "Food";
    }

    void splitModeFollowsTheLines()
    {
        QFETCH(qint64, amount);
        QFETCH(int, rows);
        QFETCH(QString, firstCategory);
        AppFixture f;
        QVERIFY(f.isValid());
        const Account account = f.addAccount(QStringLiteral("Main"));
        f.addCategory(QStringLiteral("Food"));
        f.addCategory(QStringLiteral("Fuel"));

        TransactionFormDialog dialog(f.app(), account.id);
        FormInput input;
        input.payee = QStringLiteral("Store");
        input.cents = amount;
        input.category = QStringLiteral("Food");
        QVERIFY(fillTransactionForm(&dialog, input));
        findNamed<QPushButton>(&dialog, "splitButton")->click();

        auto *linesWidget = findNamed<QWidget>(&dialog, "splitLinesWidget");
        auto *amountField = findNamed<SmartAmountField>(&dialog, "amountField");
        auto *category = findNamed<QComboBox>(&dialog, "categoryCombo");
        QCOMPARE(splitTable(linesWidget)->rowCount(), rows);
        QCOMPARE(qobject_cast<QComboBox *>(splitTable(linesWidget)->cellWidget(0, 0))->currentText(), firstCategory);
        QVERIFY(!linesWidget->isHidden());
        QVERIFY(findNamed<QPushButton>(&dialog, "splitButton")->isHidden());
        QVERIFY(!findNamed<QPushButton>(&dialog, "singleCategoryButton")->isHidden());
        // A total given before the split is what the lines divide, and stays
        // editable; without one the amount is the lines' sum.
        QCOMPARE(amountField->isEnabled(), amount > 0);
        QVERIFY(!category->isEnabled());
        QCOMPARE(category->currentText(), QStringLiteral("—Split—"));
        QCOMPARE(amountField->minorUnits(), amount);

        // The payment's sign reaches the lines.
        QVERIFY(setSplitLine(linesWidget, 0, QStringLiteral("Food"), 3000));
        if (rows == 1)
            qobject_cast<SplitLinesWidget *>(linesWidget)->addLine();
        QVERIFY(setSplitLine(linesWidget, 1, QStringLiteral("Fuel"), 2500));
        QCOMPARE(amountField->minorUnits(), amount > 0 ? amount : qint64(5500));
        if (amount > 0) {
            QVERIFY(!dialog.entryProblem().isEmpty());
            amountField->setMinorUnits(5500);
        }
        QCOMPARE(dialog.entryProblem(), QString());
        const Transaction t = dialog.transaction();
        QCOMPARE(t.amount, qint64(-5500));
        QVERIFY(t.isSplit);
        QVERIFY(t.categoryId.isEmpty());
        const QList<SplitLine> lines = dialog.splitLines();
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].amount, qint64(-3000));
        QCOMPARE(lines[1].amount, qint64(-2500));

        findNamed<QPushButton>(&dialog, "singleCategoryButton")->click();
        QVERIFY(dialog.splitLines().isEmpty());
        QVERIFY(amountField->isEnabled());
        QCOMPARE(category->currentText(), QStringLiteral("Food"));
        QVERIFY(!dialog.transaction().isSplit);
    }

    void editingASplitTransactionOpensInSplitMode()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        const Account account = f.addAccount(QStringLiteral("Main"));
        const Category food = f.addCategory(QStringLiteral("Food"));
        Transaction t = storedTransaction(f, account.id, QStringLiteral("Store"), -8000);
        t.isSplit = true;
        QVERIFY(f.app()->transactionRepository()->update(t));
        QVERIFY(TransactionActions::saveSplitLines(f.app(), t, {makeSplitLine(food.id, -8000, QStringLiteral("week"))}));

        TransactionFormDialog dialog(f.app(), t);
        QCOMPARE(splitTable(&dialog)->rowCount(), 1);
        QCOMPARE(splitTable(&dialog)->item(0, 2)->text(), QStringLiteral("week"));
        const QList<SplitLine> lines = dialog.splitLines();
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines[0].amount, qint64(-8000));
        QCOMPARE(lines[0].categoryId, food.id);
    }

    void choosingAPayeeFillsFromItsLastTransaction()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        const Account account = f.addAccount(QStringLiteral("Main"));
        const Category salary = f.addCategory(QStringLiteral("Salary"));
        Transaction last = storedTransaction(f, account.id, QStringLiteral("Employer"), 250000);
        last.categoryId = salary.id;
        last.memo = QStringLiteral("March");
        QVERIFY(f.app()->transactionRepository()->update(last));

        TransactionFormDialog dialog(f.app(), account.id);
        findNamed<QLineEdit>(&dialog, "memoEdit")->setText(QStringLiteral("typed"));
        findNamed<SmartAmountField>(&dialog, "amountField")->setMinorUnits(100);
        dialog.onPayeeSelected(QStringLiteral("Employer"));

        QVERIFY(findNamed<QRadioButton>(&dialog, "positiveTypeRadio")->isChecked());
        QCOMPARE(findNamed<SmartAmountField>(&dialog, "amountField")->minorUnits(), qint64(250000));
        QCOMPARE(findNamed<QLineEdit>(&dialog, "memoEdit")->text(), QStringLiteral("March"));
        QCOMPARE(findNamed<QComboBox>(&dialog, "categoryCombo")->currentText(), QStringLiteral("Salary"));
    }

    void nextNewFormStartsOnTheLastDate()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        const Account account = f.addAccount(QStringLiteral("Main"));
        {
            TransactionFormDialog first(f.app(), account.id);
            findNamed<DateField>(&first, "dateField")->setText(QStringLiteral("2/1/2024"));
            QCOMPARE(first.transaction().date, QDate(2024, 2, 1));
        }
        TransactionFormDialog second(f.app(), account.id);
        QCOMPARE(findNamed<DateField>(&second, "dateField")->date(), QDate(2024, 2, 1));
    }

    void yenAmountsAreWhole()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        const Account account = f.addAccount(QStringLiteral("Yen"), AccountType::Cash, Currency::JPY);
        TransactionFormDialog dialog(f.app(), account.id);
        findNamed<SmartAmountField>(&dialog, "amountField")->setValue(1500);
        QCOMPARE(dialog.transaction().amount, qint64(-1500));
    }

    void splitEditorShowsWhatRemains_data()
    {
        QTest::addColumn<int>("currency");
        QTest::addColumn<qint64>("parentAmount");
        QTest::addColumn<QList<qint64>>("lineAmounts");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("remaining");
        QTest::addColumn<QString>("style");
        const int usd = int(Currency::USD);
        QTest::newRow("no lines yet") << usd << qint64(-10000) << QList<qint64>{} << "Total: $100.00"
                                      << "Remaining: $100.00" << "";
        QTest::newRow("fully assigned") << usd << qint64(-10000) << QList<qint64>{6000, 4000} << "Total: $100.00"
                                        << "Remaining: $0.00" << "color: #008000;";
        QTest::newRow("over-assigned") << usd << qint64(-10000) << QList<qint64>{6000, 5000} << "Total: $100.00"
                                       << "Remaining: -$10.00" << "color: #cc0000;";
        QTest::newRow("partly assigned deposit") << usd << qint64(10000) << QList<qint64>{2500} << "Total: $100.00"
                                                 << "Remaining: $75.00" << "";
        QTest::newRow("yen") << int(Currency::JPY) << qint64(-1500) << QList<qint64>{1000} << "Total: $1,500"
                             << "Remaining: $500" << "";
    }

    void splitEditorShowsWhatRemains()
    {
        QFETCH(int, currency);
        QFETCH(qint64, parentAmount);
        QFETCH(QList<qint64>, lineAmounts);
        QFETCH(QString, total);
        QFETCH(QString, remaining);
        QFETCH(QString, style);

        AppFixture f;
        QVERIFY(f.isValid());
        const Category food = f.addCategory(QStringLiteral("Food"));
        QList<SplitLine> lines;
        for (const qint64 amount : lineAmounts)
            lines.append(makeSplitLine(food.id, parentAmount < 0 ? -amount : amount));

        SplitEditorDialog dialog(f.app(), parentAmount, lines, Currency(currency));
        QCOMPARE(labelText(dialog, "totalLabel"), total);
        QCOMPARE(labelText(dialog, "remainingLabel"), remaining);
        auto *remainingLabel = findNamed<QLabel>(&dialog, "remainingLabel");
        QCOMPARE(remainingLabel->styleSheet(), style);
        if (!style.isEmpty()) {
            // The colour follows a switch to dark and back, and reads there.
            const QPalette light = QApplication::palette();
            ThemeManager themes(nullptr);
            themes.setTheme(ThemeManager::Dark);
            QCoreApplication::processEvents();
            const QColor dark(remainingLabel->styleSheet().section(QLatin1Char(' '), 1).chopped(1));
            QVERIFY2(contrastRatio(dark, QApplication::palette().color(QPalette::Window)) >= 4.5,
                     qPrintable(remainingLabel->styleSheet()));
            themes.setTheme(ThemeManager::Light);
            QCoreApplication::processEvents();
            QCOMPARE(remainingLabel->styleSheet(), style);
            QApplication::setPalette(light);
        }
        QCOMPARE(splitTable(&dialog)->rowCount(), lineAmounts.isEmpty() ? 2 : int(lineAmounts.size()));

        const QList<SplitLine> out = dialog.splitLines();
        QCOMPARE(out.size(), lineAmounts.size());
        for (int i = 0; i < out.size(); ++i) {
            QCOMPARE(out[i].amount, parentAmount < 0 ? -lineAmounts[i] : lineAmounts[i]);
            QCOMPARE(out[i].categoryId, food.id);
            QVERIFY(out[i].transactionId.isEmpty());
            QVERIFY(!out[i].id.isEmpty());
        }
    }

    void splitLinesDropZeroLinesAndUnknownCategories()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        const Category food = f.addCategory(QStringLiteral("Food"));
        SplitLinesWidget widget(f.app(), Currency::USD);
        widget.setLines({makeSplitLine(food.id, -1200, QStringLiteral(" note ")),
            makeSplitLine(QStringLiteral("no-such-category"), -300), makeSplitLine(food.id, 0, QStringLiteral("dropped"))});

        auto *unknown = qobject_cast<QComboBox *>(splitTable(&widget)->cellWidget(1, 0));
        QCOMPARE(unknown->itemText(unknown->currentIndex()), QStringLiteral("(none)"));
        QCOMPARE(unknown->currentText(), QString());
        QCOMPARE(widget.totalCents(), qint64(1500));
        const QList<SplitLine> lines = widget.lines(-1);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].memo, QStringLiteral(" note "));
        QCOMPARE(lines[0].amount, qint64(-1200));
        QVERIFY(lines[1].categoryId.isEmpty());
        QCOMPARE(widget.lines(1)[1].amount, qint64(300));
    }

    // The combo keeps its current item while another name is typed over it.
    void splitLineCategoryIsTheShownText()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        const Category food = f.addCategory(QStringLiteral("Food"));
        const Category fuel = f.addCategory(QStringLiteral("Fuel"));
        SplitLinesWidget widget(f.app(), Currency::USD);
        widget.setLines({makeSplitLine(food.id, 1200), makeSplitLine(food.id, 300), makeSplitLine(food.id, 100)});
        qobject_cast<QComboBox *>(splitTable(&widget)->cellWidget(1, 0))->setEditText(QStringLiteral("Fuel"));
        qobject_cast<QComboBox *>(splitTable(&widget)->cellWidget(2, 0))->setEditText(QStringLiteral("Fu"));
        const QList<SplitLine> lines = widget.lines(1);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0].categoryId, food.id);
        QCOMPARE(lines[1].categoryId, fuel.id);
        QVERIFY(lines[2].categoryId.isEmpty());
    }

    // Typed over a split line, a category's label or its name alone names
    // it, as in the register's category cell; a name two categories share
    // names neither.
    void splitLineReadsTypedCategoriesLikeTheRegister_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("category");
        QTest::newRow("label") << "Shopping > Household" << "household";
        QTest::newRow("name of a subcategory") << "Household" << "household";
        QTest::newRow("name of a top-level category") << "Shopping" << "shopping";
        QTest::newRow("label of a name shared") << "Car > Maintenance" << "car maintenance";
        QTest::newRow("name shared by two") << "Maintenance" << "";
        QTest::newRow("no such category") << "Househ" << "";
    }

    void splitLineReadsTypedCategoriesLikeTheRegister()
    {
        QFETCH(QString, typed);
        QFETCH(QString, category);
        AppFixture f;
        QVERIFY(f.isValid());
        QHash<QString, QString> ids;
        const Category shopping = f.addCategory(QStringLiteral("Shopping"));
        const Category home = f.addCategory(QStringLiteral("Home"));
        const Category car = f.addCategory(QStringLiteral("Car"));
        ids.insert(QStringLiteral("shopping"), shopping.id);
        ids.insert(QStringLiteral("household"), f.addCategory(QStringLiteral("Household"), shopping.id).id);
        ids.insert(QStringLiteral("home maintenance"), f.addCategory(QStringLiteral("Maintenance"), home.id).id);
        ids.insert(QStringLiteral("car maintenance"), f.addCategory(QStringLiteral("Maintenance"), car.id).id);

        SplitLinesWidget widget(f.app(), Currency::USD);
        widget.setLines({makeSplitLine(shopping.id, 1200)});
        qobject_cast<QComboBox *>(splitTable(&widget)->cellWidget(0, 0))->setEditText(typed);
        const QList<SplitLine> lines = widget.lines(1);
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines[0].categoryId, ids.value(category));
    }

    void splitEditorRefusesOverItselfAndStaysPut_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("said");
        QTest::newRow("a name no category has") << "Fod" << "\"Fod\" does not name one category";
        QTest::newRow("no category") << "" << "Choose a category for every split line.";
    }

    // OK with lines it cannot save says why over the split dialog, which
    // stays open where it was, instead of hiding and coming back elsewhere.
    void splitEditorRefusesOverItselfAndStaysPut()
    {
        QFETCH(QString, category);
        QFETCH(QString, said);
        AppFixture f;
        FakePrompts prompts;
        const Category food = f.addCategory(QStringLiteral("Food"));
        SplitEditorDialog dialog(f.app(), -10000, {makeSplitLine(food.id, -10000)}, Currency::USD);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.move(dialog.pos() + QPoint(37, 29));
        QCoreApplication::processEvents();
        const QPoint placed = dialog.pos();
        auto *combo = qobject_cast<QComboBox *>(splitTable(&dialog)->cellWidget(0, 0));
        if (category.isEmpty())
            combo->setCurrentIndex(0);
        else
            combo->setEditText(category);
        QPushButton *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);

        ok->click();
        QCoreApplication::processEvents();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.pos(), placed);
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages[0].parent.data(), &dialog);
        QVERIFY2(prompts.messages[0].text.contains(said), qPrintable(prompts.messages[0].text));
        QCOMPARE(combo->currentText(), category);

        combo->setCurrentIndex(combo->findData(food.id));
        ok->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(prompts.messages.size(), 1);
    }

    void transactionFormRefusesOverItselfAndStaysPut_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("said");
        QTest::newRow("a name no category has") << "typed category" << "\"Fod\" does not name one category";
        QTest::newRow("split lines short of the total") << "short lines" << "The split lines add up to $30.00";
        QTest::newRow("split line without a category") << "uncategorized line"
                                                        << "Choose a category for every split line.";
    }

    // OK over entries the form cannot save says why over the form, which
    // stays open where it was with everything typed, instead of closing
    // and saying it over the main window.
    void transactionFormRefusesOverItselfAndStaysPut()
    {
        QFETCH(QString, problem);
        QFETCH(QString, said);
        AppFixture f;
        FakePrompts prompts;
        const Account account = f.addAccount(QStringLiteral("Main"));
        const Category food = f.addCategory(QStringLiteral("Food"));
        TransactionFormDialog dialog(f.app(), account.id);
        FormInput input;
        input.payee = QStringLiteral("Store");
        input.cents = 5000;
        input.category = food.name;
        QVERIFY(fillTransactionForm(&dialog, input));
        auto *category = findNamed<QComboBox>(&dialog, "categoryCombo");
        QWidget *lines = findNamed<QWidget>(&dialog, "splitLinesWidget");
        if (problem == QLatin1String("typed category")) {
            category->setEditText(QStringLiteral("Fod"));
        } else {
            findNamed<QPushButton>(&dialog, "splitButton")->click();
            QVERIFY(setSplitLine(lines, 0, food.name, 3000));
            if (problem == QLatin1String("uncategorized line")) {
                qobject_cast<SplitLinesWidget *>(lines)->addLine();
                QVERIFY(setSplitLine(lines, 1, QString(), 2000));
            }
        }
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.move(dialog.pos() + QPoint(37, 29));
        QCoreApplication::processEvents();
        const QPoint placed = dialog.pos();
        QPushButton *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);

        ok->click();
        QCoreApplication::processEvents();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.pos(), placed);
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages[0].parent.data(), &dialog);
        QVERIFY2(prompts.messages[0].text.contains(said), qPrintable(prompts.messages[0].text));
        QCOMPARE(findNamed<QLineEdit>(&dialog, "payeeEdit")->text(), input.payee);
        QCOMPARE(findNamed<SmartAmountField>(&dialog, "amountField")->minorUnits(), input.cents);
        if (problem == QLatin1String("typed category")) {
            QCOMPARE(category->currentText(), QStringLiteral("Fod"));
            category->setCurrentIndex(category->findData(food.id));
        } else if (problem == QLatin1String("short lines")) {
            QVERIFY(setSplitLine(lines, 0, food.name, 5000));
        } else {
            QCOMPARE(dialog.splitLines().size(), 2);
            QVERIFY(setSplitLine(lines, 1, food.name, 2000));
        }
        ok->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(prompts.messages.size(), 1);
    }

    void twoCategoriesNamedAlikeStayApart_data()
    {
        QTest::addColumn<QString>("through");
        QTest::newRow("split editor") << "split editor";
        QTest::newRow("transaction form") << "form";
        QTest::newRow("transaction form with split lines") << "form with splits";
        QTest::newRow("recurring form") << "recurring form";
    }

    // Housing > Maintenance is listed before Transportation > Maintenance;
    // passing through a chooser unchanged keeps the second.
    void twoCategoriesNamedAlikeStayApart()
    {
        QFETCH(QString, through);
        AppFixture f;
        QVERIFY(f.isValid());
        FakePrompts prompts;
        const Account checking = f.addAccount(QStringLiteral("Checking"));
        const Category housing = f.addCategory(QStringLiteral("Housing"));
        f.addCategory(QStringLiteral("Maintenance"), housing.id);
        const Category transport = f.addCategory(QStringLiteral("Transportation"));
        const Category car = f.addCategory(QStringLiteral("Maintenance"), transport.id);

        if (through == QLatin1String("recurring form")) {
            RecurringTransaction rule;
            rule.id = QStringLiteral("rule");
            rule.accountId = checking.id;
            rule.payee = QStringLiteral("Garage");
            rule.amount = -5000;
            rule.categoryId = car.id;
            rule.startDate = rule.nextDueDate = QDate(2024, 1, 1);
            RecurringFormDialog dialog(f.app(), rule);
            QCOMPARE(dialog.recurring().categoryId, car.id);
            return;
        }

        Transaction garage = storedTransaction(f, checking.id, QStringLiteral("Garage"), -5000);
        const bool splits = through != QLatin1String("form");
        if (splits) {
            garage.isSplit = true;
            QVERIFY(TransactionActions::saveSplitLines(f.app(), garage, {makeSplitLine(car.id, -5000)}));
            QVERIFY(f.app()->transactionRepository()->update(garage));
        } else {
            garage.categoryId = car.id;
            QVERIFY(f.app()->transactionRepository()->update(garage));
        }
        prompts.steps = {[](QDialog *) { return int(QDialog::Accepted); }};
        QVERIFY(through == QLatin1String("split editor") ? TransactionActions::editSplits(f.app(), garage)
                                                          : TransactionActions::editTransaction(f.app(), garage));
        if (splits) {
            const QList<SplitLine> lines = f.app()->splitLineRepository()->listByTransaction(garage.id);
            QCOMPARE(lines.size(), 1);
            QCOMPARE(lines[0].categoryId, car.id);
        } else {
            QCOMPARE(f.app()->transactionRepository()->findById(garage.id)->categoryId, car.id);
        }
    }

    void categoryCompletionMatchesAnywhereInAnyCase()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        f.addCategory(QStringLiteral("Groceries"));
        f.addCategory(QStringLiteral("Playground"));
        f.addCategory(QStringLiteral("Fuel"));
        SplitLinesWidget widget(f.app(), Currency::USD);
        widget.addLine();
        QCompleter *completer = qobject_cast<QComboBox *>(splitTable(&widget)->cellWidget(0, 0))->completer();
        completer->setCompletionPrefix(QStringLiteral("gRo"));
        QStringList offered;
        for (int row = 0; completer->setCurrentRow(row); ++row)
            offered << completer->currentCompletion();
        QCOMPARE(offered, (QStringList{QStringLiteral("Groceries"), QStringLiteral("Playground")}));
    }

    void detailsShowTheSignedAmount_data()
    {
        QTest::addColumn<qint64>("amount");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("negative");
        QTest::newRow("payment") << qint64(-4250) << "- $42.50" << true;
        QTest::newRow("deposit") << qint64(4250) << "$42.50" << false;
    }

    void detailsShowTheSignedAmount()
    {
        QFETCH(qint64, amount);
        QFETCH(QString, text);
        QFETCH(bool, negative);
        AppFixture f;
        QVERIFY(f.isValid());
        const Account account = f.addAccount(QStringLiteral("Main"));
        const Transaction t = storedTransaction(f, account.id, QStringLiteral("Shop"), amount);

        TransactionDetailsDialog dialog(f.app(), t);
        QCOMPARE(labelText(dialog, "amountValue"), text);
        const QColor color = negative ? negativeAmountColor() : positiveAmountColor();
        QVERIFY(findNamed<QLabel>(&dialog, "amountValue")->styleSheet().contains(color.name()));
        QCOMPARE(labelText(dialog, "statusValue"), QStringLiteral("Uncleared"));
    }

    void detailsToggleClearedInPlace()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        FakePrompts prompts;
        const Account account = f.addAccount(QStringLiteral("Main"));
        const Transaction t = storedTransaction(f, account.id, QStringLiteral("Shop"), -100);

        TransactionDetailsDialog dialog(f.app(), t);
        auto *button = findNamed<QPushButton>(&dialog, "clearedButton");
        QVERIFY(button);
        QCOMPARE(button->text(), QStringLiteral("Mark Cleared"));
        button->click();
        QCOMPARE(labelText(dialog, "statusValue"), QStringLiteral("Cleared"));
        QCOMPARE(button->text(), QStringLiteral("Mark Uncleared"));
        QCOMPARE(f.app()->transactionRepository()->findById(t.id)->version, 2);
        button->click();
        QCOMPARE(labelText(dialog, "statusValue"), QStringLiteral("Uncleared"));
        QCOMPARE(f.app()->transactionRepository()->findById(t.id)->version, 3);
        QVERIFY(!f.app()->transactionRepository()->findById(t.id)->cleared);
        QVERIFY(prompts.messages.isEmpty());
    }

    void detailsOfAReconciledTransactionOfferNoToggle()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        const Account account = f.addAccount(QStringLiteral("Main"));
        Transaction t = storedTransaction(f, account.id, QStringLiteral("Shop"), -100);
        t.reconciled = true;
        t.cleared = true;

        TransactionDetailsDialog dialog(f.app(), t);
        QVERIFY(!findNamed<QPushButton>(&dialog, "clearedButton"));
        QCOMPARE(labelText(dialog, "statusValue"), QStringLiteral("Reconciled"));
    }

    void detailsOfSplitTransactions_data()
    {
        QTest::addColumn<bool>("withLines");
        QTest::newRow("with lines") << true;
        QTest::newRow("without stored lines") << false;
    }

    void detailsOfSplitTransactions()
    {
        QFETCH(bool, withLines);
        AppFixture f;
        QVERIFY(f.isValid());
        const Account account = f.addAccount(QStringLiteral("Main"));
        const Category food = f.addCategory(QStringLiteral("Food"));
        Transaction t = storedTransaction(f, account.id, QStringLiteral("Shop"), -3000);
        t.isSplit = true;
        if (withLines) {
            QVERIFY(TransactionActions::saveSplitLines(f.app(), t,
                {makeSplitLine(food.id, -1000), makeSplitLine(food.id, -2000, QStringLiteral("snacks"))}));
        }

        TransactionDetailsDialog dialog(f.app(), t);
        QCOMPARE(labelText(dialog, "categoryValue"), QStringLiteral("—Split—"));
        QCOMPARE(findNamed<QLabel>(&dialog, "noSplitLines") != nullptr, !withLines);
        QCOMPARE(findNamed<QLabel>(&dialog, "splitTotalValue") != nullptr, withLines);
        if (withLines)
            QCOMPARE(labelText(dialog, "splitTotalValue"), QStringLiteral("$30.00"));
    }

    void detailsNameTheOtherAccountOfATransfer_data()
    {
        QTest::addColumn<QString>("otherAccount"); // live, deleted, missing
        QTest::addColumn<QString>("shown");
        QTest::newRow("live account") << "live" << "Savings";
        QTest::newRow("deleted account") << "deleted" << "Savings";
        QTest::newRow("missing account row") << "missing" << "missing-id";
    }

    void detailsNameTheOtherAccountOfATransfer()
    {
        QFETCH(QString, otherAccount);
        QFETCH(QString, shown);
        AppFixture f;
        QVERIFY(f.isValid());
        const Account checking = f.addAccount(QStringLiteral("Checking"));
        const Account savings = f.addAccount(QStringLiteral("Savings"));
        if (otherAccount == QLatin1String("deleted"))
            QVERIFY(f.app()->accountRepository()->softDelete(savings.id));
        Transaction t = storedTransaction(f, checking.id, QStringLiteral("Transfer to Savings"), -100);
        t.transferLinkId = QStringLiteral("leg");
        t.transferDestAccountId = otherAccount == QLatin1String("missing") ? QStringLiteral("missing-id") : savings.id;

        TransactionDetailsDialog dialog(f.app(), t);
        QCOMPARE(labelText(dialog, "transferValue"), shown);
    }

    void detailsButtonsTellTheCaller_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("edit");
        QTest::addColumn<bool>("duplicate");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("edit") << "editButton" << true << int(QDialog::Accepted) << true << false << false;
        QTest::newRow("duplicate") << "duplicateButton" << true << int(QDialog::Accepted) << false << true << false;
        QTest::newRow("delete") << "deleteButton" << true << int(QDialog::Accepted) << false << false << true;
        QTest::newRow("delete declined") << "deleteButton" << false << -1 << false << false << false;
        QTest::newRow("close") << "closeButton" << true << int(QDialog::Rejected) << false << false << false;
    }

    void detailsButtonsTellTheCaller()
    {
        QFETCH(QString, button);
        QFETCH(bool, answerYes);
        QFETCH(int, result);
        QFETCH(bool, edit);
        QFETCH(bool, duplicate);
        QFETCH(bool, deleted);

        AppFixture f;
        QVERIFY(f.isValid());
        FakePrompts prompts;
        prompts.answerYes = answerYes;
        const Account checking = f.addAccount(QStringLiteral("Checking"));
        const Account savings = f.addAccount(QStringLiteral("Savings"));
        Transaction leg = storedTransaction(f, checking.id, QString(), -5000);
        const Transaction counterpart = TransactionActions::makeTransferCounterpart(f.app(), leg, savings.id);
        QVERIFY(f.app()->transactionRepository()->update(leg));
        QVERIFY(f.app()->transactionRepository()->insert(counterpart));

        TransactionDetailsDialog dialog(f.app(), leg);
        dialog.setResult(-1);
        findNamed<QPushButton>(&dialog, button.toLatin1().constData())->click();
        QCOMPARE(dialog.result(), result);
        QCOMPARE(dialog.editRequested(), edit);
        QCOMPARE(dialog.duplicateRequested(), duplicate);
        QCOMPARE(dialog.deleted(), deleted);
        const int live = deleted ? 0 : 1;
        QCOMPARE(f.liveTransactions(checking.id).size(), live);
        QCOMPARE(f.liveTransactions(savings.id).size(), live);
    }

    void theOpeningBalanceIsRefusedInTheDetails()
    {
        AppFixture f;
        QVERIFY(f.isValid());
        FakePrompts prompts;
        const Account account = f.addAccount(QStringLiteral("Main"));
        QVERIFY(TransactionActions::setOpeningBalance(f.app(), account.id, 500, QDate(2024, 1, 1)));
        const Transaction opening = *f.app()->transactionRepository()->findOpeningBalance(account.id);

        TransactionDetailsDialog dialog(f.app(), opening);
        findNamed<QPushButton>(&dialog, "deleteButton")->click();
        QVERIFY(!dialog.deleted());
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages[0].title, QStringLiteral("Opening Balance"));
        QCOMPARE(f.liveTransactions(account.id).size(), 1);
    }
};

TALLYRA_TEST(TestTransactionDialogs)

#include "test_transactiondialogs.moc"
