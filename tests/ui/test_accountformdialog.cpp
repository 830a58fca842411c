#include "support/testmain.h"

#include "ui/accountformdialog.h"
#include "uitestsupport.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>

namespace {

void choose(QDialog &dialog, const char *comboName, const QString &data)
{
    auto *combo = field<QComboBox>(dialog, comboName);
    combo->setCurrentIndex(combo->findData(data));
}

Transaction openingBalance(qint64 amount, const QDate &date)
{
    Transaction transaction;
    transaction.id = QStringLiteral("ob-1");
    transaction.amount = amount;
    transaction.date = date;
    return transaction;
}

Account storedAccount(AccountType type, Currency currency)
{
    Account account;
    account.id = QStringLiteral("acc-7");
    account.name = QStringLiteral("Visa");
    account.accountType = type;
    account.currency = currency;
    account.startingBalance = 777;
    account.version = 5;
    account.sortOrder = 3;
    account.isShared = true;
    account.serverId = QStringLiteral("srv-7");
    account.syncStatus = SyncStatus::Synced;
    account.createdAt = QDateTime(QDate(2025, 1, 2), QTime(3, 4), Qt::UTC);
    return account;
}

} // namespace

class AccountFormDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typedBalanceBecomesMinorUnits_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("currency");
        QTest::addColumn<double>("typed");
        QTest::addColumn<qint64>("stored");

        QTest::newRow("credit card owes") << "credit_card" << "USD" << 500.0 << qint64(-50000);
        QTest::newRow("savings") << "savings" << "USD" << 500.0 << qint64(50000);
        QTest::newRow("loan owes") << "loan" << "EUR" << 123.45 << qint64(-12345);
        QTest::newRow("0.29 is 29 cents") << "checking" << "USD" << 0.29 << qint64(29);
        QTest::newRow("negative checking") << "checking" << "GBP" << -0.29 << qint64(-29);
        QTest::newRow("yen are whole") << "checking" << "JPY" << 1500.0 << qint64(1500);
        QTest::newRow("yen owed") << "credit_card" << "JPY" << 1500.0 << qint64(-1500);
        QTest::newRow("yen round half away from zero") << "cash" << "JPY" << 1500.5 << qint64(1501);
        QTest::newRow("largest value") << "checking" << "USD" << 99999999.99 << qint64(9999999999);
        QTest::newRow("largest yen value") << "savings" << "JPY" << 9999999999.0 << qint64(9999999999);
    }

    void typedBalanceBecomesMinorUnits()
    {
        QFETCH(QString, type);
        QFETCH(QString, currency);
        QFETCH(double, typed);
        QFETCH(qint64, stored);
        AccountFormDialog dialog;
        choose(dialog, "typeCombo", type);
        choose(dialog, "currencyCombo", currency);
        field<QDoubleSpinBox>(dialog, "balanceSpin")->setValue(typed);
        QCOMPARE(dialog.openingBalanceCents(), stored);
        const Account account = dialog.account();
        QCOMPARE(account.startingBalance, stored);
        QCOMPARE(currencyToString(account.currency), currency);
        QCOMPARE(accountTypeToString(account.accountType), type);
    }

    // Typed text reads as amounts typed in the register do, whichever
    // separator the interface language uses.
    void typedTextReadsByTheMoneyRules_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("currency");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<qint64>("stored");
        for (const char *locale : {"en_US", "de_DE"}) {
            QTest::addRow("%s EUR decimal comma", locale) << locale << "EUR" << "12,50" << true << qint64(1250);
            QTest::addRow("%s EUR dotted thousands", locale) << locale << "EUR" << "1.234,56" << true << qint64(123456);
            QTest::addRow("%s EUR comma thousands", locale) << locale << "EUR" << "1,234.56" << true << qint64(123456);
            QTest::addRow("%s USD decimal point", locale) << locale << "USD" << "12.50" << true << qint64(1250);
            QTest::addRow("%s JPY whole yen", locale) << locale << "JPY" << "1200" << true << qint64(1200);
            // The fraction is refused: the field keeps the yen read before it.
            QTest::addRow("%s JPY fraction", locale) << locale << "JPY" << "1200.50" << false << qint64(1200);
        }
    }

    void typedTextReadsByTheMoneyRules()
    {
        QFETCH(QString, locale);
        QFETCH(QString, currency);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(qint64, stored);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });

        AccountFormDialog dialog;
        choose(dialog, "currencyCombo", currency);
        auto *spin = field<QDoubleSpinBox>(dialog, "balanceSpin");
        spin->selectAll();
        QTest::keyClicks(spin, typed);
        QCOMPARE(spin->hasAcceptableInput(), accepted);
        spin->interpretText();
        QCOMPARE(dialog.openingBalanceCents(), stored);
        QCOMPARE(dialog.account().startingBalance, stored);
    }

    void switchingTypeFlipsTheSignAndLabelButNotTheField()
    {
        AccountFormDialog dialog;
        auto *label = field<QLabel>(dialog, "balanceLabel");
        QCOMPARE(label->text(), QStringLiteral("Starting &Balance:"));
        choose(dialog, "typeCombo", QStringLiteral("credit_card"));
        QCOMPARE(label->text(), QStringLiteral("Starting &Balance (Amount Owed):"));
        field<QDoubleSpinBox>(dialog, "balanceSpin")->setValue(500.0);
        QCOMPARE(dialog.openingBalanceCents(), qint64(-50000));
        choose(dialog, "typeCombo", QStringLiteral("savings"));
        QCOMPARE(label->text(), QStringLiteral("Starting &Balance:"));
        QCOMPARE(field<QDoubleSpinBox>(dialog, "balanceSpin")->value(), 500.0);
        QCOMPARE(dialog.openingBalanceCents(), qint64(50000));
    }

    void newAccountRecord()
    {
        AccountFormDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("New Account"));
        QVERIFY(field<QLabel>(dialog, "openingBalanceWarning")->isHidden());
        QCOMPARE(field<QDoubleSpinBox>(dialog, "balanceSpin")->prefix(), QStringLiteral("$ "));
        field<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("  Everyday  "));
        field<QLineEdit>(dialog, "institutionEdit")->setText(QStringLiteral(" First Bank "));
        field<QLineEdit>(dialog, "last4Edit")->setText(QStringLiteral("a1b2c3"));

        const Account account = dialog.account();
        QCOMPARE(account.name, QStringLiteral("Everyday"));
        QCOMPARE(account.institution, QStringLiteral("First Bank"));
        QCOMPARE(account.accountNumberLast4, QStringLiteral("a1b2"));
        QCOMPARE(account.accountType, AccountType::Checking);
        QCOMPARE(account.currency, Currency::USD);
        QVERIFY(!QUuid::fromString(account.id).isNull());
        QVERIFY(!account.id.startsWith(QLatin1Char('{')));
        QVERIFY(account.createdAt.isValid());
        QCOMPARE(account.createdAt.timeSpec(), Qt::UTC);
        QCOMPARE(account.version, 1);
        QCOMPARE(account.syncStatus, SyncStatus::Pending);
        QCOMPARE(field<QDateEdit>(dialog, "asOfEdit")->date(), QDate::currentDate());
    }

    void emptyNameIsAccepted()
    {
        AccountFormDialog dialog;
        dialog.show();
        field<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("   "));
        field<QLineEdit>(dialog, "last4Edit")->setText(QStringLiteral(" 12 "));
        dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.account().name, QString());
        QCOMPARE(dialog.account().accountNumberLast4, QStringLiteral("12"));
    }

    void editingShowsTheOpeningBalanceAndNoticesChanges_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("currency");
        QTest::addColumn<qint64>("amount");
        QTest::addColumn<double>("shown");
        QTest::newRow("loan owing 123.45") << int(AccountType::Loan) << int(Currency::USD) << qint64(-12345) << 123.45;
        QTest::newRow("yen checking") << int(AccountType::Checking) << int(Currency::JPY) << qint64(1500) << 1500.0;
    }

    void editingShowsTheOpeningBalanceAndNoticesChanges()
    {
        QFETCH(int, type);
        QFETCH(int, currency);
        QFETCH(qint64, amount);
        QFETCH(double, shown);
        const QDate date(2024, 3, 1);
        AccountFormDialog dialog(storedAccount(AccountType(type), Currency(currency)), openingBalance(amount, date));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Account"));
        QVERIFY(!field<QLabel>(dialog, "openingBalanceWarning")->isHidden());
        auto *spin = field<QDoubleSpinBox>(dialog, "balanceSpin");
        QCOMPARE(spin->value(), shown);
        QCOMPARE(dialog.openingBalanceCents(), amount);
        QCOMPARE(dialog.openingBalanceDate(), date);
        QVERIFY(!dialog.openingBalanceChanged());

        field<QDateEdit>(dialog, "asOfEdit")->setDate(date.addDays(1));
        QVERIFY(dialog.openingBalanceChanged());
        field<QDateEdit>(dialog, "asOfEdit")->setDate(date);
        QVERIFY(!dialog.openingBalanceChanged());
        spin->setValue(shown + 1);
        QVERIFY(dialog.openingBalanceChanged());
    }

    void newYenAccountTypedAboveOneHundredMillion()
    {
        AccountFormDialog dialog;
        choose(dialog, "currencyCombo", QStringLiteral("JPY"));
        auto *spin = field<QDoubleSpinBox>(dialog, "balanceSpin");
        spin->selectAll();
        QTest::keyClicks(spin, QStringLiteral("150000000"));
        QCOMPARE(dialog.openingBalanceCents(), qint64(150000000));
        QCOMPARE(dialog.account().startingBalance, qint64(150000000));
    }

    // A form opened on a stored opening balance and closed with only the
    // date changed must hand back the stored amount, in every currency.
    void untouchedBalanceReadsBackAsStored_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("currency");
        QTest::addColumn<qint64>("amount");
        QTest::newRow("yen 150,000,000") << int(AccountType::Checking) << int(Currency::JPY) << qint64(150000000);
        QTest::newRow("yen loan owing 150,000,000") << int(AccountType::Loan) << int(Currency::JPY) << qint64(-150000000);
        QTest::newRow("dollars beyond the field") << int(AccountType::Savings) << int(Currency::USD)
                                                  << qint64(20000000000);
    }

    void untouchedBalanceReadsBackAsStored()
    {
        QFETCH(int, type);
        QFETCH(int, currency);
        QFETCH(qint64, amount);
        const QDate date(2024, 3, 1);
        for (bool withTransaction : {true, false}) {
            Account account = storedAccount(AccountType(type), Currency(currency));
            account.startingBalance = amount;
            AccountFormDialog dialog(account, withTransaction ? std::optional(openingBalance(amount, date))
                                                              : std::nullopt);
            QVERIFY(!dialog.openingBalanceChanged());
            QCOMPARE(dialog.openingBalanceCents(), amount);

            auto *asOf = field<QDateEdit>(dialog, "asOfEdit");
            asOf->setDate(asOf->date().addDays(-3));
            QVERIFY(dialog.openingBalanceChanged());
            QCOMPARE(dialog.openingBalanceCents(), amount);
        }
    }

    void changingTheCurrencyReadsTheFieldInItsUnits()
    {
        AccountFormDialog dialog(storedAccount(AccountType::Checking, Currency::USD),
                                 openingBalance(150000, QDate(2024, 3, 1)));
        choose(dialog, "currencyCombo", QStringLiteral("JPY"));
        QCOMPARE(field<QDoubleSpinBox>(dialog, "balanceSpin")->value(), 1500.0);
        QCOMPARE(dialog.openingBalanceCents(), qint64(1500));
        QVERIFY(dialog.openingBalanceChanged());
    }

    // Two-digit years typed into the As-of field land in 1970-2069, in
    // both the month-first and the day-first short formats.
    void asOfTwoDigitYears_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("year");
        for (const char *locale : {"en_US", "de_DE"}) {
            QTest::addRow("%s 99", locale) << locale << "99" << 1999;
            QTest::addRow("%s 70", locale) << locale << "70" << 1970;
            QTest::addRow("%s 69", locale) << locale << "69" << 2069;
            QTest::addRow("%s 00", locale) << locale << "00" << 2000;
        }
    }

    void asOfTwoDigitYears()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(int, year);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });

        AccountFormDialog dialog(storedAccount(AccountType::Checking, Currency::USD),
                                 openingBalance(100, QDate(2024, 6, 15)));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *asOf = field<QDateEdit>(dialog, "asOfEdit");
        QVERIFY(asOf->displayFormat().contains(QLatin1String("yy")));
        asOf->setFocus();
        asOf->setSelectedSection(QDateTimeEdit::YearSection);
        QTest::keyClicks(asOf, typed);
        QTest::keyClick(asOf, Qt::Key_Enter);
        QCOMPARE(dialog.openingBalanceDate(), QDate(year, 6, 15));
        QVERIFY(dialog.openingBalanceChanged());
    }

    void asOfDateShownButNotRetypedKeepsItsCentury()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });

        // 1965 shows as "65", which typed would mean 2065.
        const QDate date(1965, 4, 1);
        AccountFormDialog dialog(storedAccount(AccountType::Checking, Currency::USD), openingBalance(100, date));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *asOf = field<QDateEdit>(dialog, "asOfEdit");
        asOf->setFocus();
        QTest::keyClick(asOf, Qt::Key_Enter);
        asOf->clearFocus();
        QCOMPARE(dialog.openingBalanceDate(), date);
        QVERIFY(!dialog.openingBalanceChanged());
    }

    void editedRecordKeepsWhatTheFormDoesNotShow()
    {
        const Account stored = storedAccount(AccountType::CreditCard, Currency::EUR);
        AccountFormDialog dialog(stored, std::nullopt);
        QVERIFY(field<QLabel>(dialog, "openingBalanceWarning")->isHidden());
        // Without an opening-balance transaction the legacy balance shows.
        QCOMPARE(field<QDoubleSpinBox>(dialog, "balanceSpin")->value(), -7.77);
        QCOMPARE(field<QLabel>(dialog, "balanceLabel")->text(), QStringLiteral("Starting &Balance (Amount Owed):"));
        field<QDoubleSpinBox>(dialog, "balanceSpin")->setValue(42.0);
        field<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("Travel card"));

        const Account edited = dialog.account();
        QCOMPARE(edited.id, stored.id);
        QCOMPARE(edited.createdAt, stored.createdAt);
        QCOMPARE(edited.name, QStringLiteral("Travel card"));
        QCOMPARE(edited.startingBalance, stored.startingBalance);
        QCOMPARE(edited.version, stored.version);
        QCOMPARE(edited.sortOrder, stored.sortOrder);
        QCOMPARE(edited.isShared, stored.isShared);
        QCOMPARE(edited.serverId, stored.serverId);
        QCOMPARE(edited.syncStatus, SyncStatus::Pending);
        QVERIFY(edited.updatedAt.isValid());
        QCOMPARE(edited.currency, Currency::EUR);
        QCOMPARE(edited.accountType, AccountType::CreditCard);
    }
};

TALLYRA_TEST(AccountFormDialogTest)
#include "test_accountformdialog.moc"
