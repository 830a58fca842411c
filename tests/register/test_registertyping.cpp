#include "registerharness.h"
#include "support/testmain.h"

#include "data/categoryrepository.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "register/registerdelegate.h"
#include "register/smartamountfield.h"
#include "register/spliteditordialog.h"
#include "register/splitlineswidget.h"
#include "register/tabcompleter.h"
#include "register/transactionactions.h"
#include "register/transactionformdialog.h"
#include "ui/registercolumnfit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QTableWidget>
#include <QTranslator>

namespace {

// Categories whose labels differ only at their end, longer than the
// Category column is wide.
struct Categories
{
    Category groceries;
    Category insurance;
    Category home;
    Category health;
};

Categories addCategories(AppFixture &fixture)
{
    Categories c;
    c.groceries = fixture.addCategory(QStringLiteral("Groceries"));
    c.insurance = fixture.addCategory(QStringLiteral("Insurance"));
    c.home = fixture.addCategory(QStringLiteral("Homeowners and Renters Coverage"), c.insurance.id);
    c.health = fixture.addCategory(QStringLiteral("Health and Dental Coverage Plan"), c.insurance.id);
    return c;
}

QTableWidget *splitTable(QWidget *root)
{
    return root->findChild<QTableWidget *>(QStringLiteral("splitTable"));
}

SmartAmountField *splitAmount(QWidget *root, int row)
{
    return qobject_cast<SmartAmountField *>(splitTable(root)->cellWidget(row, 1));
}

QComboBox *splitCategory(QWidget *root, int row)
{
    return qobject_cast<QComboBox *>(splitTable(root)->cellWidget(row, 0));
}

int visibleWidth(QHeaderView *header)
{
    int total = 0;
    for (int column = 0; column < header->count(); ++column)
        total += header->isSectionHidden(column) ? 0 : header->sectionSize(column);
    return total;
}

void settle()
{
    for (int i = 0; i < 4; ++i)
        QApplication::processEvents();
}

} // namespace

class TestRegisterTyping : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { clearRegisterSettings(); }

    // Category text is saved only when it names a category; otherwise the
    // row waits with the text in its cell and says why.
    void typedCategoryIsNeverDroppedInSilence_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expectedCategory"); // label; "-" when refused
        QTest::newRow("names nothing") << QStringLiteral("xyz") << QStringLiteral("-");
        QTest::newRow("several offered") << QStringLiteral("coverage") << QStringLiteral("-");
        QTest::newRow("the only one offered") << QStringLiteral("groc") << QStringLiteral("Groceries");
        QTest::newRow("a whole name") << QStringLiteral("Groceries") << QStringLiteral("Groceries");
        QTest::newRow("none typed") << QString() << QString();
    }

    void typedCategoryIsNeverDroppedInSilence()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expectedCategory);
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        addCategories(h.fixture());
        h.show(checking.id);

        h.typeNewRow({QStringLiteral("3/15/2024"), QStringLiteral("Corner Shop"), typed, QString(),
            QStringLiteral("12.34"), QString()});

        const QList<Transaction> stored = h.fixture().liveTransactions(checking.id);
        if (expectedCategory == QLatin1String("-")) {
            QCOMPARE(stored.size(), 0);
            QVERIFY2(h.statusText().contains(typed), qPrintable(h.statusText()));
            QCOMPARE(h.model()->buffer().category, typed);
            QCOMPARE(h.table()->currentIndex().column(), int(RegisterModel::CategoryColumn));
            // Cleared, the row saves without a category.
            h.model()->buffer().category.clear();
            h.press(Qt::Key_Return, Qt::ControlModifier);
            QCOMPARE(h.fixture().liveTransactions(checking.id).size(), 1);
            QVERIFY(h.fixture().liveTransactions(checking.id).first().categoryId.isEmpty());
            return;
        }
        QCOMPARE(stored.size(), 1);
        const QString label = h.app()->categoryRepository()->labelOf(stored.first().categoryId);
        QCOMPARE(label, expectedCategory);
    }

    void typedCategoryKeepsTheFormOpen()
    {
        AppFixture fixture;
        FakePrompts prompts;
        const Account checking = fixture.addAccount(QStringLiteral("Checking"));
        const Categories categories = addCategories(fixture);
        const auto fill = [](const QString &category) {
            return [category](QDialog *dialog) {
                findNamed<QLineEdit>(dialog, "payeeEdit")->setText(QStringLiteral("Corner Shop"));
                findNamed<SmartAmountField>(dialog, "amountField")->setMinorUnits(1234);
                findNamed<QComboBox>(dialog, "categoryCombo")->setEditText(category);
                return int(QDialog::Accepted);
            };
        };
        prompts.steps = {fill(QStringLiteral("groc")), fill(QStringLiteral("Groceries"))};
        QVERIFY(TransactionActions::newTransaction(fixture.app(), checking.id));
        QCOMPARE(prompts.dialogRuns, 2);
        QCOMPARE(prompts.messages.size(), 1);
        QVERIFY(prompts.messages.first().text.contains(QLatin1String("groc")));
        const QList<Transaction> stored = fixture.liveTransactions(checking.id);
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored.first().categoryId, categories.groceries.id);
    }

    void completionPopupShowsWholeEntries_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("longest");
        QTest::newRow("category") << int(RegisterModel::CategoryColumn) << QStringLiteral("coverage")
                                  << QStringLiteral("Insurance > Homeowners and Renters Coverage");
        QTest::newRow("payee") << int(RegisterModel::PayeeColumn) << QStringLiteral("metro")
                               << QStringLiteral("Metropolitan Transportation Authority Monthly Pass");
    }

    void completionPopupShowsWholeEntries()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, longest);
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        addCategories(h.fixture());
        h.fixture().addTransaction(checking.id, QDate(2024, 3, 1), longest, -500);
        h.fixture().addTransaction(checking.id, QDate(2024, 3, 2), QStringLiteral("Metro"), -500);
        h.show(checking.id);
        h.table()->setColumnWidth(column, 120);
        h.goTo(h.model()->newRowPosition(), column);
        h.press(Qt::Key_Return);
        h.type(typed);

        auto *popup = qobject_cast<QAbstractItemView *>(QApplication::activePopupWidget());
        QVERIFY(popup);
        const int needed = popup->fontMetrics().horizontalAdvance(longest);
        QVERIFY2(popup->width() >= needed,
            qPrintable(QStringLiteral("popup %1, entry %2").arg(popup->width()).arg(needed)));
        QVERIFY(popup->width() <= h.screen()->window()->width());
        h.press(Qt::Key_Escape);
    }

    // The widths follow the window both ways; Payee takes what is left, and
    // a width the user set stays.
    void columnsGrowBackWithTheWindow()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        new RegisterColumnFit(h.table(), h.screen());
        h.screen()->resize(1024, 700);
        h.show(checking.id);
        settle();
        QHeaderView *header = h.table()->horizontalHeader();
        const int narrowPayee = header->sectionSize(RegisterModel::PayeeColumn);
        QVERIFY(visibleWidth(header) <= h.table()->viewport()->width());

        h.screen()->resize(1900, 700);
        settle();
        QCOMPARE(visibleWidth(header), h.table()->viewport()->width());
        QVERIFY(header->sectionSize(RegisterModel::PayeeColumn) > qMax(narrowPayee, 250));
        QCOMPARE(header->sectionSize(RegisterModel::CategoryColumn), 180);

        // The user widens Category: that width is theirs and stays.
        header->resizeSection(RegisterModel::CategoryColumn, 300);
        settle();
        QCOMPARE(visibleWidth(header), h.table()->viewport()->width());
        h.screen()->resize(1100, 700);
        settle();
        h.screen()->resize(1800, 700);
        settle();
        QCOMPARE(header->sectionSize(RegisterModel::CategoryColumn), 300);
        QCOMPARE(visibleWidth(header), h.table()->viewport()->width());
        QVERIFY(!QSettings(QStringLiteral("Lumora"), QStringLiteral("Tallyra"))
                     .contains(QStringLiteral("register/colWidth/2")));
    }

    void translatedPlaceholdersFit()
    {
        QTranslator translator;
        if (!translator.load(QStringLiteral(":/i18n/tallyra_de.qm")))
            QSKIP("the German translation is not built into this program");
        QCoreApplication::installTranslator(&translator);
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        new RegisterColumnFit(h.table(), h.screen());
        h.show(checking.id);
        settle();
        const int row = h.model()->newRowPosition();
        const QFontMetrics metrics(h.table()->font());
        // A cell's text is drawn inside the focus frame margin on both sides.
        const int margins = 2 * (h.table()->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, h.table()) + 1);
        for (int column : {int(RegisterModel::CheckNumberColumn), int(RegisterModel::ClearedColumn),
                 int(RegisterModel::PaymentColumn), int(RegisterModel::DepositColumn)}) {
            const QString placeholder = h.cellText(row, column);
            const int needed = metrics.horizontalAdvance(placeholder) + margins;
            QVERIFY2(h.table()->columnWidth(column) >= needed,
                qPrintable(QStringLiteral("%1: %2 < %3").arg(placeholder).arg(h.table()->columnWidth(column)).arg(needed)));
        }
        QCoreApplication::removeTranslator(&translator);
    }

    // Ctrl+E in an open cell editor opens the form with what was typed.
    void editInDialogFromAnOpenEditor_data()
    {
        QTest::addColumn<bool>("newRow");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("twoLine");
        QTest::newRow("new row payee") << true << int(RegisterModel::PayeeColumn) << QStringLiteral("Corner Shop")
                                       << false;
        QTest::newRow("new row category") << true << int(RegisterModel::CategoryColumn) << QStringLiteral("xyz")
                                          << false;
        QTest::newRow("stored row payee") << false << int(RegisterModel::PayeeColumn) << QStringLiteral("Bakery")
                                          << false;
        QTest::newRow("stored row category") << false << int(RegisterModel::CategoryColumn) << QStringLiteral("xyz")
                                             << false;
        QTest::newRow("two-line payee") << true << int(RegisterModel::PayeeColumn) << QStringLiteral("Corner Shop")
                                        << true;
    }

    void editInDialogFromAnOpenEditor()
    {
        QFETCH(bool, newRow);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(bool, twoLine);
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        addCategories(h.fixture());
        h.fixture().addTransaction(checking.id, QDate(2024, 3, 1), QStringLiteral("Old Payee"), -500);
        h.app()->preferencesRepository()->setBool(QStringLiteral("registerTwoLine"), twoLine);
        h.show(checking.id);
        QString payeeShown;
        QString categoryShown;
        h.prompts().steps = {[&](QDialog *dialog) {
            payeeShown = findNamed<QLineEdit>(dialog, "payeeEdit")->text();
            categoryShown = findNamed<QComboBox>(dialog, "categoryCombo")->currentText();
            return int(QDialog::Rejected);
        }};
        const int row = newRow ? h.model()->newRowPosition() : h.model()->viewRowOfTransaction(
            h.fixture().liveTransactions(checking.id).first().id);
        h.goTo(row, column);
        h.press(Qt::Key_Return);
        QVERIFY(h.table()->openEditor());
        if (auto *edit = qobject_cast<QLineEdit *>(h.focused()))
            edit->selectAll();
        h.type(typed);
        if (QApplication::activePopupWidget())
            QApplication::activePopupWidget()->hide();
        h.press(Qt::Key_E, Qt::ControlModifier);

        QCOMPARE(h.prompts().dialogRuns, 1);
        if (column == RegisterModel::PayeeColumn)
            QCOMPARE(payeeShown, typed);
        else
            QCOMPARE(categoryShown, typed);
    }

    // A line added starts at what is left to assign; typing the lines
    // leaves the total alone.
    void splitLinesDivideTheTotal()
    {
        AppFixture fixture;
        addCategories(fixture);
        SplitEditorDialog dialog(fixture.app(), -10000, {}, Currency::USD);
        auto *total = findNamed<QLabel>(&dialog, "totalLabel");
        auto *remaining = findNamed<QLabel>(&dialog, "remainingLabel");
        const QString totalText = total->text();
        splitAmount(&dialog, 0)->setMinorUnits(6000);
        QCOMPARE(total->text(), totalText);
        QVERIFY2(remaining->text().contains(QLatin1String("40.00")), qPrintable(remaining->text()));
        // The second line was there from the start; a line added now takes the rest.
        splitAmount(&dialog, 1)->setMinorUnits(1000);
        findNamed<QPushButton>(&dialog, "addLineButton")->click();
        QCOMPARE(splitAmount(&dialog, 2)->minorUnits(), 3000);
        findNamed<QPushButton>(&dialog, "addLineButton")->click();
        QCOMPARE(splitAmount(&dialog, 3)->minorUnits(), 0);
        QVERIFY(remaining->text().contains(QLatin1String("0.00")));
    }

    void formSplitKeepsTheTotal()
    {
        AppFixture fixture;
        const Account checking = fixture.addAccount(QStringLiteral("Checking"));
        const Categories categories = addCategories(fixture);
        TransactionFormDialog dialog(fixture.app(), checking.id);
        auto *amount = findNamed<SmartAmountField>(&dialog, "amountField");
        amount->setMinorUnits(10000);
        findNamed<QComboBox>(&dialog, "categoryCombo")->setCurrentIndex(
            findNamed<QComboBox>(&dialog, "categoryCombo")->findData(categories.groceries.id));
        findNamed<QPushButton>(&dialog, "splitButton")->click();
        QWidget *lines = findNamed<QWidget>(&dialog, "splitLinesWidget");
        QCOMPARE(splitAmount(lines, 0)->minorUnits(), 10000);

        splitAmount(lines, 0)->setMinorUnits(6000);
        QCOMPARE(amount->minorUnits(), 10000);
        QVERIFY(!dialog.entryProblem().isEmpty()); // 40.00 not assigned
        findNamed<QPushButton>(lines, "addLineButton")->click();
        QCOMPARE(splitAmount(lines, 1)->minorUnits(), 4000);
        splitCategory(lines, 1)->setCurrentIndex(splitCategory(lines, 1)->findData(categories.home.id));
        QCOMPARE(dialog.entryProblem(), QString());
        QCOMPARE(dialog.transaction().amount, -10000);
        QCOMPARE(dialog.splitLines().size(), 2);
    }

    // Split begun at 0.00 has no total to divide: the total is the lines'.
    void formSplitWithoutTotalFollowsTheLines()
    {
        AppFixture fixture;
        const Account checking = fixture.addAccount(QStringLiteral("Checking"));
        TransactionFormDialog dialog(fixture.app(), checking.id);
        findNamed<QPushButton>(&dialog, "splitButton")->click();
        QWidget *lines = findNamed<QWidget>(&dialog, "splitLinesWidget");
        splitAmount(lines, 0)->setMinorUnits(2500);
        splitAmount(lines, 1)->setMinorUnits(500);
        QCOMPARE(findNamed<SmartAmountField>(&dialog, "amountField")->minorUnits(), 3000);
    }

    // "(none)" is a placeholder: the first letter typed starts the name.
    void noCategoryIsNoTextToTypeAfter()
    {
        AppFixture fixture;
        const Account checking = fixture.addAccount(QStringLiteral("Checking"));
        addCategories(fixture);
        TransactionFormDialog dialog(fixture.app(), checking.id);
        dialog.show();
        findNamed<QPushButton>(&dialog, "splitButton")->click();
        QWidget *lines = findNamed<QWidget>(&dialog, "splitLinesWidget");
        QList<QComboBox *> boxes{findNamed<QComboBox>(&dialog, "categoryCombo")};
        // Split mode disables the form's own box; check it after the split.
        QComboBox *line = splitCategory(lines, 0);
        QCOMPARE(line->currentText(), QString());
        QCOMPARE(line->lineEdit()->placeholderText(), QStringLiteral("(none)"));
        line->setFocus();
        QTest::keyClicks(line, QStringLiteral("groc"));
        QCOMPARE(line->currentText(), QStringLiteral("groc"));

        findNamed<QPushButton>(&dialog, "singleCategoryButton")->click();
        QComboBox *form = boxes.first();
        QCOMPARE(form->currentText(), QString());
        form->setFocus();
        QTest::keyClicks(form, QStringLiteral("groc"));
        QCOMPARE(form->currentText(), QStringLiteral("groc"));
        QVERIFY(dialog.entryProblem().contains(QLatin1String("groc")));
    }
};

TALLYRA_TEST(TestRegisterTyping)

#include "test_registertyping.moc"
