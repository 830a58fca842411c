#include "registerharness.h"
#include "support/testmain.h"

#include "data/categoryrepository.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "register/datefield.h"
#include "register/registerfilter.h"
#include "register/registerfilterdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

RegisterFilter makeFilter(std::optional<bool> cleared, const QDate &from, const QDate &to, const QString &category)
{
    RegisterFilter filter;
    filter.cleared = cleared;
    filter.dateFrom = from;
    filter.dateTo = to;
    filter.categoryId = category;
    return filter;
}

bool sameFilter(const RegisterFilter &a, const RegisterFilter &b)
{
    return a.cleared == b.cleared && a.dateFrom == b.dateFrom && a.dateTo == b.dateTo && a.categoryId == b.categoryId;
}

} // namespace

Q_DECLARE_METATYPE(RegisterFilter)

class TestRegisterFilter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { clearRegisterSettings(); }

    void jsonRoundTrip_data()
    {
        QTest::addColumn<RegisterFilter>("filter");
        QTest::addColumn<QString>("json");
        QTest::addColumn<int>("count");
        QTest::newRow("empty") << RegisterFilter() << "{}" << 0;
        QTest::newRow("uncleared only") << makeFilter(false, {}, {}, {}) << "{\"cleared\":false}" << 1;
        QTest::newRow("one date counts as a range") << makeFilter({}, QDate(2024, 1, 1), {}, {})
                                                    << "{\"dateFrom\":\"2024-01-01\"}" << 1;
        QTest::newRow("everything") << makeFilter(true, QDate(2024, 1, 1), QDate(2024, 2, 29), QStringLiteral("c1"))
                                    << "{\"categoryId\":\"c1\",\"cleared\":true,\"dateFrom\":\"2024-01-01\","
                                       "\"dateTo\":\"2024-02-29\"}"
                                    << 3;
    }

    void jsonRoundTrip()
    {
        QFETCH(RegisterFilter, filter);
        QFETCH(QString, json);
        QCOMPARE(filter.toJson(), json);
        QVERIFY(sameFilter(RegisterFilter::fromJson(json), filter));
        QTEST(filter.activeCount(), "count");
    }

    void storedTextThatIsNoFilter_data()
    {
        QTest::addColumn<QString>("json");
        QTest::addColumn<RegisterFilter>("expected");
        QTest::newRow("empty text") << "" << RegisterFilter();
        QTest::newRow("broken JSON") << "{\"cleared\":" << RegisterFilter();
        QTest::newRow("an array") << "[true]" << RegisterFilter();
        QTest::newRow("wrong types are skipped") << "{\"cleared\":\"yes\",\"dateFrom\":5,\"categoryId\":\"c\"}"
                                                 << makeFilter({}, {}, {}, QStringLiteral("c"));
        QTest::newRow("bad date") << "{\"dateTo\":\"2024-13-01\"}" << RegisterFilter();
    }

    void storedTextThatIsNoFilter()
    {
        QFETCH(QString, json);
        QFETCH(RegisterFilter, expected);
        QVERIFY(sameFilter(RegisterFilter::fromJson(json), expected));
    }

    void matching_data()
    {
        QTest::addColumn<RegisterFilter>("filter");
        QTest::addColumn<bool>("matches");
        // The transaction: 2024-03-10, cleared, category "c1".
        QTest::newRow("no criteria") << RegisterFilter() << true;
        QTest::newRow("cleared only") << makeFilter(true, {}, {}, {}) << true;
        QTest::newRow("uncleared only") << makeFilter(false, {}, {}, {}) << false;
        QTest::newRow("bounds are inclusive") << makeFilter({}, QDate(2024, 3, 10), QDate(2024, 3, 10), {}) << true;
        QTest::newRow("before the range") << makeFilter({}, QDate(2024, 3, 11), {}, {}) << false;
        QTest::newRow("after the range") << makeFilter({}, {}, QDate(2024, 3, 9), {}) << false;
        QTest::newRow("other category") << makeFilter({}, {}, {}, QStringLiteral("c2")) << false;
    }

    void matching()
    {
        QFETCH(RegisterFilter, filter);
        Transaction transaction;
        transaction.date = QDate(2024, 3, 10);
        transaction.cleared = true;
        transaction.categoryId = QStringLiteral("c1");
        QTEST(filter.matches(transaction), "matches");
    }

    void dialogLoadsAndMakesFilters()
    {
        AppFixture f;
        const Category food = f.addCategory(QStringLiteral("Food"));
        const Category fruit = f.addCategory(QStringLiteral("Fruit"), food.id);
        const QDate today = QDate::currentDate();

        RegisterFilterDialog empty(f.app(), RegisterFilter());
        QVERIFY(findNamed<QRadioButton>(&empty, "allRadio")->isChecked());
        QVERIFY(!findNamed<QCheckBox>(&empty, "rangeCheck")->isChecked());
        QVERIFY(!findNamed<DateField>(&empty, "fromField")->isEnabled());
        QCOMPARE(findNamed<DateField>(&empty, "fromField")->date(), today.addMonths(-1));
        QCOMPARE(findNamed<DateField>(&empty, "toField")->date(), today);
        auto *combo = findNamed<QComboBox>(&empty, "categoryCombo");
        QCOMPARE(combo->currentText(), QStringLiteral("All Categories"));
        QCOMPARE(combo->itemText(combo->findData(fruit.id)), QStringLiteral("Food > Fruit"));
        QVERIFY(sameFilter(empty.filter(), RegisterFilter()));

        // Only an end date: the range opens checked and accepting it keeps both dates.
        RegisterFilterDialog toOnly(f.app(), makeFilter(false, {}, QDate(2024, 5, 1), fruit.id));
        QVERIFY(findNamed<QCheckBox>(&toOnly, "rangeCheck")->isChecked());
        QVERIFY(findNamed<QRadioButton>(&toOnly, "unclearedRadio")->isChecked());
        QVERIFY(sameFilter(toOnly.filter(), makeFilter(false, today.addMonths(-1), QDate(2024, 5, 1), fruit.id)));

        // Clear All resets the widgets and leaves the dialog open.
        findNamed<QPushButton>(&toOnly, "clearAllButton")->click();
        QVERIFY(toOnly.result() != QDialog::Accepted && sameFilter(toOnly.filter(), RegisterFilter()));

        // A category deleted since opens as All Categories.
        RegisterFilterDialog gone(f.app(), makeFilter({}, {}, {}, QStringLiteral("deleted-id")));
        QVERIFY(gone.filter().categoryId.isEmpty());
    }

    void screenAppliesStoresAndClearsTheFilter()
    {
        RegisterHarness h;
        const Account checking = h.fixture().addAccount(QStringLiteral("Checking"));
        Transaction first = h.fixture().addTransaction(checking.id, QDate(2024, 1, 1), QStringLiteral("Pay"), 10000);
        first.cleared = true;
        h.app()->transactionRepository()->update(first);
        h.fixture().addTransaction(checking.id, QDate(2024, 1, 2), QStringLiteral("Shop"), -2500);
        h.fixture().addTransaction(checking.id, QDate(2024, 1, 3), QStringLiteral("Cafe"), -500);
        h.show(checking.id);
        auto *filterButton = h.screen()->findChild<QPushButton *>(QStringLiteral("filterButton"));
        QCOMPARE(filterButton->text(), QStringLiteral("Fi&lter"));

        h.prompts().steps = {[](QDialog *dialog) {
            findNamed<QRadioButton>(dialog, "unclearedRadio")->setChecked(true);
            return int(QDialog::Accepted);
        }};
        filterButton->click();
        const QString key = QStringLiteral("registerFilter_%1").arg(checking.id);
        QCOMPARE(h.app()->preferencesRepository()->value(key), QStringLiteral("{\"cleared\":false}"));
        QCOMPARE(filterButton->text(), QStringLiteral("Fi&lter (1)"));
        QVERIFY(filterButton->font().bold());
        QCOMPARE(h.model()->listRowCount(), 2);

        // Running balances are those of the whole account, under any sort.
        h.table()->sortByColumn(RegisterModel::PayeeColumn, Qt::AscendingOrder);
        QCOMPARE(h.cellText(0, RegisterModel::PayeeColumn), QStringLiteral("Cafe"));
        QCOMPARE(h.cellText(0, RegisterModel::BalanceColumn), QStringLiteral("70.00"));
        QCOMPARE(h.cellText(1, RegisterModel::BalanceColumn), QStringLiteral("75.00"));
        // The totals count every row, listed or not.
        QCOMPARE(h.screen()->findChild<QLabel *>(QStringLiteral("clearedValue"))->text(), QStringLiteral("$100.00"));
        QCOMPARE(h.screen()->findChild<QLabel *>(QStringLiteral("unclearedValue"))->text(), QStringLiteral("-$30.00"));
        QCOMPARE(h.screen()->findChild<QLabel *>(QStringLiteral("balanceValue"))->text(), QStringLiteral("$70.00"));

        // A saved row the filter hides is reported.
        RegisterModel::EditBuffer &buffer = h.model()->buffer();
        buffer.payee = QStringLiteral("Refund");
        buffer.deposit = QStringLiteral("1");
        buffer.clearedMark = QStringLiteral("C");
        h.screen()->commitCurrentRow();
        QCOMPARE(h.statusText(), QStringLiteral("Saved. It isn't listed because of the current filter."));

        // The filter is per account and survives switching back.
        h.screen()->setAccount(h.fixture().addAccount(QStringLiteral("Other")).id);
        QCOMPARE(filterButton->text(), QStringLiteral("Fi&lter"));
        h.screen()->setAccount(checking.id);
        QCOMPARE(filterButton->text(), QStringLiteral("Fi&lter (1)"));

        // Clear All then Done removes the stored filter.
        h.prompts().steps = {[](QDialog *dialog) {
            findNamed<QPushButton>(dialog, "clearAllButton")->click();
            return int(QDialog::Accepted);
        }};
        filterButton->click();
        QVERIFY(!h.app()->preferencesRepository()->get(key).has_value());
        QCOMPARE(h.model()->listRowCount(), 4);
    }
};

TALLYRA_TEST(TestRegisterFilter)
#include "test_registerfilter.moc"
