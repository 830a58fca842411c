#include "registerfixture.h"
#include "support/testmain.h"

#include "data/categoryrepository.h"
#include "data/recurringrepository.h"
#include "register/datefield.h"
#include "register/smartamountfield.h"
#include "screens/recurringformdialog.h"
#include "services/categoryservice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTranslator>
#include <QScopeGuard>

#include <memory>

namespace {

RecurringTransaction storedRule(const QString &accountId)
{
    RecurringTransaction rule;
    rule.id = QStringLiteral("rule-1");
    rule.accountId = accountId;
    rule.payee = QStringLiteral("Rent");
    rule.amount = -120000;
    rule.frequency = RecurringFrequency::Monthly;
    rule.startDate = QDate(2023, 1, 1);
    rule.nextDueDate = QDate(2024, 7, 1);
    rule.semimonthlyDay1 = 0;
    rule.semimonthlyDay2 = 20;
    rule.version = 4;
    rule.serverId = QStringLiteral("srv-9");
    rule.createdAt = QDateTime(QDate(2023, 1, 1), QTime(9, 0), Qt::UTC);
    return rule;
}

bool rowVisible(QWidget *dialog, QWidget *field)
{
    auto *form = dialog->findChild<QFormLayout *>();
    return form && form->isRowVisible(field);
}

} // namespace

class TestRecurringForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newFormDefaults()
    {
        AppFixture f;
        const Account first = f.addAccount(QStringLiteral("Checking"), AccountType::Checking, Currency::USD, 0, 0);
        f.addAccount(QStringLiteral("Savings"), AccountType::Savings, Currency::USD, 0, 1);
        RecurringFormDialog dialog(f.app());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("New Recurring Transaction"));
        const RecurringTransaction rule = dialog.recurring();
        QVERIFY(!rule.id.isEmpty());
        QVERIFY(!rule.id.contains(u'{'));
        QCOMPARE(rule.accountId, first.id);
        QVERIFY(rule.payee.isEmpty());
        QCOMPARE(rule.amount, qint64(0));
        QVERIFY(rule.categoryId.isEmpty());
        QCOMPARE(rule.frequency, RecurringFrequency::Monthly);
        QCOMPARE(rule.intervalCount, 1);
        QCOMPARE(rule.semimonthlyDay1, 1);
        QCOMPARE(rule.semimonthlyDay2, 15);
        QCOMPARE(rule.startDate, QDate::currentDate());
        QCOMPARE(rule.nextDueDate, QDate::currentDate());
        QVERIFY(!rule.endDate);
        QVERIFY(rule.isActive);
        QVERIFY(!rule.autoPost);
        QCOMPARE(rule.leadDays, 0);
        QCOMPARE(rule.version, 1);
        QCOMPARE(rule.syncStatus, SyncStatus::Pending);
        QVERIFY(rule.createdAt.isValid());
    }

    void editingKeepsTheScheduleUnlessTheStartMoves()
    {
        AppFixture f;
        const Account checking = f.addAccount(QStringLiteral("Checking"));
        f.addAccount(QStringLiteral("Savings"));
        RecurringFormDialog dialog(f.app(), storedRule(checking.id));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Recurring Transaction"));
        // An edited rule keeps its stored account, so it is not offered.
        auto *account = findNamed<QComboBox>(&dialog, "accountCombo");
        QVERIFY(!account->isEnabled());
        QCOMPARE(account->count(), 2);
        QCOMPARE(account->currentData().toString(), checking.id);
        QCOMPARE(findNamed<QComboBox>(&dialog, "firstDayCombo")->currentText(), QStringLiteral("Last day"));

        RecurringTransaction rule = dialog.recurring();
        QCOMPARE(rule.id, QStringLiteral("rule-1"));
        QCOMPARE(rule.serverId, QStringLiteral("srv-9"));
        QCOMPARE(rule.createdAt, storedRule(checking.id).createdAt);
        QCOMPARE(rule.startDate, QDate(2023, 1, 1));
        QCOMPARE(rule.nextDueDate, QDate(2024, 7, 1));
        QCOMPARE(rule.version, 5);
        QCOMPARE(rule.amount, qint64(-120000));
        QCOMPARE(rule.semimonthlyDay1, 0);
        QCOMPARE(rule.semimonthlyDay2, 20);

        findNamed<DateField>(&dialog, "startField")->setDate(QDate(2024, 2, 3));
        rule = dialog.recurring();
        QCOMPARE(rule.startDate, QDate(2024, 2, 3));
        QCOMPARE(rule.nextDueDate, QDate(2024, 2, 3));
    }

    void memorizeModeMakesANewRuleFromTheSeed()
    {
        AppFixture f;
        f.addAccount(QStringLiteral("Checking"), AccountType::Checking, Currency::USD, 0, 0);
        const Account savings = f.addAccount(QStringLiteral("Savings"), AccountType::Savings, Currency::USD, 0, 1);
        RecurringTransaction seed;
        seed.accountId = savings.id;
        seed.payee = QStringLiteral("Transfer to Checking");
        seed.amount = 2500;
        seed.transferDestAccountId = QStringLiteral("dest");
        seed.startDate = QDate(2024, 3, 15);
        seed.nextDueDate = seed.startDate;
        std::unique_ptr<RecurringFormDialog> dialog(RecurringFormDialog::createFromTransaction(f.app(), seed));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Memorize Transaction"));
        QVERIFY(findNamed<QComboBox>(dialog.get(), "accountCombo")->isEnabled());
        QVERIFY(findNamed<QRadioButton>(dialog.get(), "depositRadio")->isChecked());
        const RecurringTransaction rule = dialog->recurring();
        QVERIFY(!rule.id.isEmpty());
        QCOMPARE(rule.accountId, savings.id);
        QCOMPARE(rule.amount, qint64(2500));
        QCOMPARE(rule.transferDestAccountId, QStringLiteral("dest"));
        QCOMPARE(rule.startDate, QDate(2024, 3, 15));
        QCOMPARE(rule.nextDueDate, QDate(2024, 3, 15));
        QCOMPARE(rule.version, 1);
    }

    void amountsInTheAccountCurrency_data()
    {
        QTest::addColumn<int>("currency");
        QTest::addColumn<bool>("payment");
        QTest::addColumn<double>("typed");
        QTest::addColumn<qint64>("amount");
        QTest::newRow("deposit") << int(Currency::USD) << false << 12.35 << qint64(1235);
        QTest::newRow("payment") << int(Currency::USD) << true << 12.35 << qint64(-1235);
        QTest::newRow("whole yen") << int(Currency::JPY) << true << 1235.0 << qint64(-1235);
    }

    void amountsInTheAccountCurrency()
    {
        QFETCH(int, currency);
        QFETCH(bool, payment);
        QFETCH(double, typed);
        AppFixture f;
        f.addAccount(QStringLiteral("Wallet"), AccountType::Cash, Currency(currency));
        RecurringFormDialog dialog(f.app());
        findNamed<QRadioButton>(&dialog, payment ? "paymentRadio" : "depositRadio")->setChecked(true);
        findNamed<SmartAmountField>(&dialog, "amountField")->setValue(typed);
        QTEST(dialog.recurring().amount, "amount");
    }

    void categoryIsTheItemNamedByTheShownText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("other item typed over the selection") << "Fuel" << "fuel";
        QTest::newRow("text naming no item") << "Fue" << "";
        QTest::newRow("selection untouched") << "" << "food";
    }

    // The combo's current item stays on Food while the user types over it.
    void categoryIsTheItemNamedByTheShownText()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        AppFixture f;
        f.addAccount(QStringLiteral("Checking"));
        const Category food = f.addCategory(QStringLiteral("Food"));
        const Category fuel = f.addCategory(QStringLiteral("Fuel"));
        RecurringFormDialog dialog(f.app());
        auto *combo = findNamed<QComboBox>(&dialog, "categoryCombo");
        combo->setCurrentIndex(combo->findData(food.id));
        if (!typed.isEmpty())
            combo->setEditText(typed);
        QCOMPARE(combo->currentData().toString(), food.id);
        const QString id = dialog.recurring().categoryId;
        QCOMPARE(id, expected == QLatin1String("food") ? food.id
                : expected == QLatin1String("fuel")    ? fuel.id
                                                       : QString());
    }

    void typedCategoryIsKeptUntilItNamesOne_data()
    {
        QTest::addColumn<QString>("language"); // empty: English
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored"); // the label saved; "-" when OK is refused
        QTest::newRow("a name offered under its parent") << "" << "Water" << "Utilities > Water";
        QTest::newRow("the whole label") << "" << "Utilities > Water" << "Utilities > Water";
        QTest::newRow("a name two categories share") << "" << "Maintenance" << "-";
        QTest::newRow("a name no category has") << "" << "Watr" << "-";
        QTest::newRow("markup") << "" << "<b>Water</b>" << "-";
        QTest::newRow("nothing") << "" << "" << "";
        QTest::newRow("German name") << "de" << "Wasser" << "Nebenkosten > Wasser";
        QTest::newRow("German name two share") << "de" << "Instandhaltung" << "-";
        QTest::newRow("German name no category has") << "de" << "Wasserx" << "-";
    }

    // Category text typed into the form is saved only when it names one
    // category; otherwise OK is refused over the form, which keeps the text.
    void typedCategoryIsKeptUntilItNamesOne()
    {
        QFETCH(QString, language);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QTranslator translator;
        if (!language.isEmpty()) {
            QVERIFY(translator.load(QStringLiteral(":/i18n/tallyra_%1.qm").arg(language)));
            QCoreApplication::installTranslator(&translator);
        }
        const auto untranslate = qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });
        AppFixture f;
        FakePrompts prompts;
        f.addAccount(QStringLiteral("Checking"));
        f.app()->categoryService()->createDefaultCategories();

        RecurringFormDialog dialog(f.app());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        findNamed<QLineEdit>(&dialog, "payeeEdit")->setText(QStringLiteral("City Water"));
        findNamed<SmartAmountField>(&dialog, "amountField")->setMinorUnits(4500);
        auto *category = findNamed<QComboBox>(&dialog, "categoryCombo");
        category->lineEdit()->clear();
        QTest::keyClicks(category->lineEdit(), typed);
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->hide();
        QTest::keyClick(category->lineEdit(), Qt::Key_Return);

        if (stored != QLatin1String("-")) {
            QVERIFY(prompts.messages.isEmpty());
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(f.app()->categoryRepository()->labelOf(dialog.recurring().categoryId), stored);
            return;
        }
        QVERIFY(dialog.isVisible());
        QCOMPARE(category->currentText(), typed);
        QCOMPARE(prompts.messages.size(), 1);
        const FakePrompts::Message message = prompts.messages.first();
        QCOMPARE(message.parent.data(), &dialog);
        QVERIFY2(message.text.contains(typed.toHtmlEscaped()), qPrintable(message.text));
        QCOMPARE(message.text.contains(QLatin1String("does not name one category")), language.isEmpty());

        // Cleared, the rule is saved without a category.
        category->setCurrentIndex(0);
        dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.recurring().categoryId.isEmpty());
        QCOMPARE(prompts.messages.size(), 1);
    }

    void changingTheAccountRefreshesThePayees()
    {
        AppFixture f;
        const Account checking = f.addAccount(QStringLiteral("Checking"));
        f.addAccount(QStringLiteral("Savings"), AccountType::Savings);
        f.addTransaction(checking.id, QDate(2024, 1, 1), QStringLiteral("Landlord"), -100);
        RecurringFormDialog dialog(f.app());
        auto *accounts = findNamed<QComboBox>(&dialog, "accountCombo");
        auto *payee = findNamed<QLineEdit>(&dialog, "payeeEdit");
        QVERIFY(accounts && payee);
        for (int pass = 0; pass < 2; ++pass) {
            for (int index = 0; index < accounts->count(); ++index) {
                accounts->setCurrentIndex(index);
                QCoreApplication::processEvents();
            }
        }
        const QAbstractItemModel *payees = payee->completer()->model();
        QCOMPARE(payees->rowCount(), 1);
        QCOMPARE(payees->index(0, 0).data().toString(), QStringLiteral("Landlord"));
    }

    void leadDaysOnlyWithAutoPost()
    {
        AppFixture f;
        f.addAccount(QStringLiteral("Checking"));
        RecurringFormDialog dialog(f.app());
        auto *lead = findNamed<QSpinBox>(&dialog, "leadDaysSpin");
        QVERIFY(!lead->isEnabled());
        lead->setValue(5);
        QCOMPARE(dialog.recurring().leadDays, 0);
        findNamed<QCheckBox>(&dialog, "autoPostCheck")->setChecked(true);
        QVERIFY(lead->isEnabled());
        QCOMPARE(dialog.recurring().leadDays, 5);
        QVERIFY(dialog.recurring().autoPost);
    }

    void intervalUnit_data()
    {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<int>("interval");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("one month") << "monthly" << 1 << " month";
        QTest::newRow("two months") << "monthly" << 2 << " months";
        QTest::newRow("days") << "daily" << 3 << " days";
        QTest::newRow("a year") << "annual" << 1 << " year";
        QTest::newRow("bi-weekly has none") << "biweekly" << 2 << "";
        QTest::newRow("semi-annual has none") << "semi_annual" << 1 << "";
    }

    void intervalUnit()
    {
        QFETCH(QString, frequency);
        QFETCH(int, interval);
        AppFixture f;
        RecurringFormDialog dialog(f.app());
        auto *combo = findNamed<QComboBox>(&dialog, "frequencyCombo");
        combo->setCurrentIndex(combo->findData(frequency));
        auto *spin = findNamed<QSpinBox>(&dialog, "intervalSpin");
        spin->setValue(interval);
        QTEST(spin->suffix(), "suffix");
    }

    void semimonthlyShowsTheDaysAndStillStoresTheInterval()
    {
        AppFixture f;
        RecurringFormDialog dialog(f.app());
        auto *combo = findNamed<QComboBox>(&dialog, "frequencyCombo");
        auto *spin = findNamed<QSpinBox>(&dialog, "intervalSpin");
        auto *firstDay = findNamed<QComboBox>(&dialog, "firstDayCombo");
        spin->setValue(3);
        QVERIFY(rowVisible(&dialog, spin));
        QVERIFY(!rowVisible(&dialog, firstDay));
        combo->setCurrentIndex(combo->findData(QStringLiteral("semimonthly")));
        QVERIFY(!rowVisible(&dialog, spin));
        QVERIFY(rowVisible(&dialog, firstDay));
        firstDay->setCurrentIndex(firstDay->findData(0));
        const RecurringTransaction rule = dialog.recurring();
        QCOMPARE(rule.frequency, RecurringFrequency::Semimonthly);
        QCOMPARE(rule.intervalCount, 3);
        QCOMPARE(rule.semimonthlyDay1, 0);
    }

    void impossibleDatesAreRepaired()
    {
        AppFixture f;
        const Account checking = f.addAccount(QStringLiteral("Checking"));
        RecurringTransaction rule = storedRule(checking.id);
        rule.startDate = QDate(1999, 5, 1);
        rule.nextDueDate = QDate();
        RecurringFormDialog dialog(f.app(), rule);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("rejecting invalid startDate")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("rejecting invalid nextDueDate")));
        const RecurringTransaction repaired = dialog.recurring();
        QCOMPARE(repaired.startDate, QDate::currentDate());
        QCOMPARE(repaired.nextDueDate, QDate::currentDate());

        // An end date only when asked for.
        findNamed<QCheckBox>(&dialog, "hasEndCheck")->setChecked(true);
        findNamed<DateField>(&dialog, "endField")->setDate(QDate(2030, 1, 1));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("rejecting invalid")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("rejecting invalid")));
        QCOMPARE(dialog.recurring().endDate.value_or(QDate()), QDate(2030, 1, 1));
    }
};

TALLYRA_TEST(TestRecurringForm)
#include "test_recurringform.moc"
