#include "ui/accountformdialog.h"

#include "app/uiprefs.h"
#include "data/money.h"
#include "data/recordid.h"
#include "register/smartamountfield.h"
#include "register/userprompts.h"
#include "register/twodigityeardateedit.h"
#include "ui/palettehelpers.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The field holds up to 9,999,999,999 minor units in every currency
// (99,999,999.99 dollars, 9,999,999,999 yen).
constexpr double kLargestFieldMinorUnits = 9999999999.0;

double minorUnitsPerMajor(Currency currency)
{
    return std::pow(10.0, currencyDecimals(currency));
}

} // namespace

AccountFormDialog::AccountFormDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("New Account"));
    setupUi();
}

AccountFormDialog::AccountFormDialog(const Account &account, const std::optional<Transaction> &openingBalance,
                                     QWidget *parent)
    : QDialog(parent)
    , m_account(account)
    , m_openingBalance(openingBalance)
    , m_editing(true)
{
    setWindowTitle(tr("Edit Account"));
    setupUi();
    loadAccount();
}

AccountFormDialog::~AccountFormDialog() = default;

void AccountFormDialog::setupUi()
{
    auto *layout = new QVBoxLayout(this);

    m_openingWarningLabel = new QLabel(
        tr("This account already has an opening balance. Changing the amount or date shifts every "
           "balance after it."),
        this);
    m_openingWarningLabel->setObjectName(QStringLiteral("openingBalanceWarning"));
    m_openingWarningLabel->setWordWrap(true);
    setThemedStyleSheet(m_openingWarningLabel, [] {
        return QStringLiteral("color: %1; padding: 8px;").arg(negativeAmountColor().name(QColor::HexRgb));
    });
    m_openingWarningLabel->hide();
    layout->addWidget(m_openingWarningLabel);

    auto *form = new QFormLayout;

    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    m_nameEdit->setPlaceholderText(tr("Account name"));
    form->addRow(tr("&Name:"), m_nameEdit);

    m_typeCombo = new QComboBox(this);
    m_typeCombo->setObjectName(QStringLiteral("typeCombo"));
    m_typeCombo->addItem(tr("Checking"), QStringLiteral("checking"));
    m_typeCombo->addItem(tr("Savings"), QStringLiteral("savings"));
    m_typeCombo->addItem(tr("Credit Card"), QStringLiteral("credit_card"));
    m_typeCombo->addItem(tr("Cash"), QStringLiteral("cash"));
    m_typeCombo->addItem(tr("Investment"), QStringLiteral("investment"));
    m_typeCombo->addItem(tr("Loan"), QStringLiteral("loan"));
    m_typeCombo->addItem(tr("Other"), QStringLiteral("other"));
    form->addRow(tr("&Type:"), m_typeCombo);

    m_currencyCombo = new QComboBox(this);
    m_currencyCombo->setObjectName(QStringLiteral("currencyCombo"));
    m_currencyCombo->addItem(tr("USD ($)"), QStringLiteral("USD"));
    m_currencyCombo->addItem(tr("EUR (€)"), QStringLiteral("EUR"));
    m_currencyCombo->addItem(tr("GBP (£)"), QStringLiteral("GBP"));
    m_currencyCombo->addItem(tr("CAD ($)"), QStringLiteral("CAD"));
    m_currencyCombo->addItem(tr("AUD ($)"), QStringLiteral("AUD"));
    m_currencyCombo->addItem(tr("JPY (¥)"), QStringLiteral("JPY"));
    form->addRow(tr("&Currency:"), m_currencyCombo);

    m_balanceLabel = new QLabel(tr("Starting &Balance:"), this);
    m_balanceLabel->setObjectName(QStringLiteral("balanceLabel"));
    m_balanceSpin = new SmartAmountField(this);
    m_balanceSpin->setObjectName(QStringLiteral("balanceSpin"));
    m_balanceSpin->setPrefix(tr("$ "));
    applyCurrencyToBalance();
    m_balanceSpin->setValue(0.0);
    m_balanceLabel->setBuddy(m_balanceSpin);
    form->addRow(m_balanceLabel, m_balanceSpin);

    m_asOfEdit = new TwoDigitYearDateEdit(QDate::currentDate(), this);
    m_asOfEdit->setObjectName(QStringLiteral("asOfEdit"));
    m_asOfEdit->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    m_asOfEdit->setCalendarPopup(true);
    m_asOfEdit->setLocale(QLocale());
    auto *calendar = new QCalendarWidget(m_asOfEdit);
    calendar->setFirstDayOfWeek(Qt::DayOfWeek(UiPrefs::weekStartDay()));
    m_asOfEdit->setCalendarWidget(calendar);
    form->addRow(tr("&As of:"), m_asOfEdit);

    m_institutionEdit = new QLineEdit(this);
    m_institutionEdit->setObjectName(QStringLiteral("institutionEdit"));
    m_institutionEdit->setPlaceholderText(tr("Bank name (optional)"));
    form->addRow(tr("&Institution:"), m_institutionEdit);

    m_last4Edit = new QLineEdit(this);
    m_last4Edit->setObjectName(QStringLiteral("last4Edit"));
    m_last4Edit->setMaxLength(4);
    m_last4Edit->setPlaceholderText(tr("Last 4 digits (optional)"));
    form->addRow(tr("Account &Number:"), m_last4Edit);

    layout->addLayout(form);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_typeCombo, &QComboBox::currentIndexChanged, this, &AccountFormDialog::updateBalanceLabel);
    connect(m_currencyCombo, &QComboBox::currentIndexChanged, this, &AccountFormDialog::applyCurrencyToBalance);
    connect(m_balanceSpin, &SmartAmountField::valueChanged, this, [this] { m_untouchedFieldAmount.reset(); });

    setMinimumWidth(400);
    m_nameEdit->setFocus();
}

void AccountFormDialog::loadAccount()
{
    m_nameEdit->setText(m_account.name);
    const int typeIndex = m_typeCombo->findData(accountTypeToString(m_account.accountType));
    if (typeIndex >= 0)
        m_typeCombo->setCurrentIndex(typeIndex);
    const int currencyIndex = m_currencyCombo->findData(currencyToString(m_account.currency));
    if (currencyIndex >= 0)
        m_currencyCombo->setCurrentIndex(currencyIndex);

    if (m_openingBalance) {
        showBalance(m_openingBalance->amount, m_account.currency);
        m_asOfEdit->setDate(m_openingBalance->date);
        m_openingWarningLabel->show();
    } else {
        showBalance(m_account.startingBalance, m_account.currency);
    }
    const qint64 stored = m_openingBalance ? m_openingBalance->amount : m_account.startingBalance;
    m_untouchedFieldAmount = isLiabilityType() ? -stored : stored;
    m_initialCents = openingBalanceCents();
    m_initialDate = m_asOfEdit->date();

    m_institutionEdit->setText(m_account.institution);
    m_last4Edit->setText(m_account.accountNumberLast4);
}

void AccountFormDialog::showBalance(qint64 amount, Currency currency)
{
    // The field holds the amount owed as a positive number for liabilities.
    const double value = double(amount) / minorUnitsPerMajor(currency);
    m_balanceSpin->setValue(isLiabilityType() ? -value : value);
}

void AccountFormDialog::applyCurrencyToBalance()
{
    const double largest = kLargestFieldMinorUnits / minorUnitsPerMajor(selectedCurrency());
    // Decimals first: setRange rounds its bounds to the current decimals.
    m_balanceSpin->setCurrency(selectedCurrency());
    m_balanceSpin->setRange(-largest, largest);
    m_untouchedFieldAmount.reset();
}

void AccountFormDialog::updateBalanceLabel()
{
    m_balanceLabel->setText(isLiabilityType() ? tr("Starting &Balance (Amount Owed):") : tr("Starting &Balance:"));
}

bool AccountFormDialog::isLiabilityType() const
{
    return ::isLiabilityType(accountTypeFromString(m_typeCombo->currentData().toString()));
}

Currency AccountFormDialog::selectedCurrency() const
{
    return currencyFromString(m_currencyCombo->currentData().toString());
}

qint64 AccountFormDialog::balanceFieldAmount() const
{
    if (m_untouchedFieldAmount)
        return *m_untouchedFieldAmount;
    // Half away from zero, so 0.29 (held as 28.999...) gives 29 cents.
    return std::llround(m_balanceSpin->value() * minorUnitsPerMajor(selectedCurrency()));
}

qint64 AccountFormDialog::openingBalanceCents() const
{
    const qint64 amount = balanceFieldAmount();
    return isLiabilityType() ? -amount : amount;
}

QDate AccountFormDialog::openingBalanceDate() const
{
    return m_asOfEdit->date();
}

bool AccountFormDialog::openingBalanceChanged() const
{
    return openingBalanceCents() != m_initialCents || openingBalanceDate() != m_initialDate;
}

Account AccountFormDialog::account() const
{
    Account result = m_account;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (!m_editing) {
        result.id = newRecordId();
        result.createdAt = now;
        result.startingBalance = openingBalanceCents();
    }
    result.name = m_nameEdit->text().trimmed();
    result.accountType = accountTypeFromString(m_typeCombo->currentData().toString());
    result.currency = selectedCurrency();
    result.institution = m_institutionEdit->text().trimmed();
    result.accountNumberLast4 = m_last4Edit->text().trimmed();
    result.updatedAt = now;
    result.syncStatus = SyncStatus::Pending;
    return result;
}

void AccountFormDialog::setHasTransactions(bool hasTransactions)
{
    auto *model = qobject_cast<QStandardItemModel *>(m_currencyCombo->model());
    if (!model)
        return;
    const int decimals = currencyDecimals(m_account.currency);
    const QString why = hasTransactions ? currencyRuleText() : QString();
    for (int row = 0; row < model->rowCount(); ++row) {
        QStandardItem *item = model->item(row);
        const bool allowed =
            !hasTransactions || currencyDecimals(currencyFromString(item->data(Qt::UserRole).toString())) == decimals;
        item->setEnabled(allowed);
        item->setToolTip(allowed ? QString() : why);
    }
    m_currencyCombo->setToolTip(why);
}

QString AccountFormDialog::currencyRuleText() const
{
    return tr("This account has transactions in %1. Its currency can only change to one with the same number of "
              "decimal places.")
        .arg(currencyToString(m_account.currency));
}

void AccountFormDialog::refuseCurrencyChange()
{
    UserPrompts::current()->warning(parentWidget(), tr("Currency Not Changed"), currencyRuleText());
    setHasTransactions(true);
}
