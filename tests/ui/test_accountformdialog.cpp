#include "support/testmain.h"

#include "../register/registerfixture.h"
#include "data/accountrepository.h"
#include "data/transactionrepository.h"
#include "register/transactionactions.h"
#include "ui/accountformdialog.h"
#include "ui/mainwindow.h"
#include "uitestsupport.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardItemModel>

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

// What a sync pull or another window writes while the form is open. It
// goes straight to the table, so no window hears of it.
bool changeElsewhere(AppFixture &f, const QString &change, const Account &account)
{
    const QString openingId = TransactionRepository::openingBalanceId(account.id);
    const QString deleted = QStringLiteral("'2024-05-01T00:00:00Z'");
    if (change == QLatin1String("account renamed")) {
        return f.execSql(QStringLiteral("UPDATE accounts SET name = 'From another device', version = version + 1 "
                                        "WHERE id = '%1'").arg(account.id));
    }
    if (change == QLatin1String("account deleted")) {
        // A pull deletes the account first; its rows follow as records of their own.
        return f.execSql(QStringLiteral("UPDATE accounts SET deleted_at = %1 WHERE id = '%2'").arg(deleted, account.id));
    }
    if (change == QLatin1String("opening balance changed")) {
        return f.execSql(QStringLiteral("UPDATE transactions SET amount = 55500, version = version + 1 WHERE id = '%1'")
                             .arg(openingId));
    }
    if (change == QLatin1String("opening balance deleted")) {
        return f.execSql(QStringLiteral("UPDATE transactions SET deleted_at = %1, version = version + 1 WHERE id = '%2'")
                             .arg(deleted, openingId));
    }
    if (change == QLatin1String("transaction arrived"))
        return !f.addTransaction(account.id, QDate(2024, 4, 2), QStringLiteral("Pulled"), 1234).id.isEmpty();
    if (change == QLatin1String("recurring rule arrived")) {
        // A rule of 12.34 a month would post 1,234 yen after the change.
        return f.execSql(QStringLiteral("INSERT INTO recurring_transactions (id, account_id, payee, amount, start_date, "
                                        "next_due_date, created_at, updated_at) VALUES ('pulled-rule', '%1', 'Rent', "
                                        "-1234, '2024-05-01', '2024-05-01', '2024-04-02T00:00:00Z', "
                                        "'2024-04-02T00:00:00Z')").arg(account.id));
    }
    return change == QLatin1String("nothing");
}

bool currencyOffered(QDialog *dialog, const QString &code)
{
    auto *combo = findNamed<QComboBox>(dialog, "currencyCombo");
    auto *model = qobject_cast<QStandardItemModel *>(combo->model());
    return model && model->item(combo->findData(code))->isEnabled();
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

    // Edit Account writes only over the account and opening balance it
    // showed, into a live account, and decides the currency rule with what
    // is stored when OK is pressed: otherwise nothing is written and the
    // user is told why.
    void anEditWritesOnlyOverWhatTheFormShowed_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("elsewhere");
        QTest::addColumn<QString>("refusal");
        for (const char *typed : {"name", "opening balance", "currency"}) {
            QTest::addRow("%s, nothing else", typed) << typed << "nothing" << "";
            QTest::addRow("%s, account renamed", typed) << typed << "account renamed" << "Account Changed";
            QTest::addRow("%s, opening balance changed", typed) << typed << "opening balance changed"
                                                                << "Account Changed";
            QTest::addRow("%s, opening balance deleted", typed) << typed << "opening balance deleted"
                                                                << "Account Changed";
            QTest::addRow("%s, account deleted", typed) << typed << "account deleted" << "Account Deleted";
        }
        QTest::newRow("yen, a transaction arrived") << "yen" << "transaction arrived" << "Currency Not Changed";
        QTest::newRow("yen, a recurring rule arrived") << "yen" << "recurring rule arrived" << "Currency Not Changed";
    }

    void anEditWritesOnlyOverWhatTheFormShowed()
    {
        QFETCH(QString, typed);
        QFETCH(QString, elsewhere);
        QFETCH(QString, refusal);

        AppFixture f;
        QVERIFY(f.isValid());
        FakePrompts prompts;
        // A synced account whose rows have not been pulled yet has none; the
        // others have an opening balance of 100.00.
        const bool yen = typed == QLatin1String("yen");
        const Account account = f.addAccount(QStringLiteral("Checking"));
        if (!yen)
            QVERIFY(TransactionActions::setOpeningBalance(f.app(), account.id, 10000, QDate(2024, 1, 1)));
        const Account shown = *f.app()->accountRepository()->findById(account.id);
        MainWindow window(f.app());
        f.app()->setCurrentAccountId(account.id);

        QString storedWhenOk;
        bool yenOfferedAgain = true;
        prompts.steps.append([&](QDialog *dialog) {
            if (!changeElsewhere(f, elsewhere, account))
                qWarning() << "the change elsewhere failed";
            storedWhenOk = f.tableDump(QStringLiteral("accounts")) + f.tableDump(QStringLiteral("transactions"));
            if (typed == QLatin1String("name"))
                findNamed<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("Typed here"));
            else if (typed == QLatin1String("opening balance"))
                findNamed<QDoubleSpinBox>(dialog, "balanceSpin")->setValue(777.0);
            else
                choose(*dialog, "currencyCombo", yen ? QStringLiteral("JPY") : QStringLiteral("EUR"));
            return int(QDialog::Accepted);
        });
        if (typed == QLatin1String("opening balance"))
            prompts.steps.append([](QDialog *) { return int(QMessageBox::Yes); });
        // A refused currency brings the form back, offering only what is allowed.
        prompts.steps.append(inspect([&](QDialog *dialog) { yenOfferedAgain = currencyOffered(dialog, "JPY"); }));
        window.showEditAccountDialog();

        const Account stored = *f.app()->accountRepository()->findById(account.id);
        if (refusal.isEmpty()) {
            QVERIFY(prompts.messages.isEmpty());
            QCOMPARE(stored.version, shown.version + 1);
            QCOMPARE(stored.syncStatus, SyncStatus::Pending);
            QCOMPARE(stored.name, typed == QLatin1String("name") ? QStringLiteral("Typed here") : shown.name);
            QCOMPARE(stored.currency, typed == QLatin1String("currency") ? Currency::EUR : Currency::USD);
            QCOMPARE(f.app()->transactionRepository()->findOpeningBalance(account.id)->amount,
                typed == QLatin1String("opening balance") ? qint64(77700) : qint64(10000));
            return;
        }
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages.first().title, refusal);
        QCOMPARE(f.tableDump(QStringLiteral("accounts")) + f.tableDump(QStringLiteral("transactions")), storedWhenOk);
        if (yen) {
            QCOMPARE(prompts.messages.first().text,
                QStringLiteral("This account has transactions in USD. Its currency can only change to one with the "
                               "same number of decimal places."));
            QVERIFY(!yenOfferedAgain);
        }
    }
};

TALLYRA_TEST(AccountFormDialogTest)
#include "test_accountformdialog.moc"
