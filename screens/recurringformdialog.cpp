#include "screens/recurringformdialog.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/recordid.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "register/categoryitems.h"
#include "register/datefield.h"
#include "register/smartamountfield.h"
#include "register/tabcompleter.h"
#include "register/transactionactions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDebug>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QStringListModel>
#include <QVBoxLayout>

namespace {

const QDate kEarliestDate(2000, 1, 1);

RecurringTransaction defaultRule()
{
    RecurringTransaction rule;
    rule.frequency = RecurringFrequency::Monthly;
    rule.intervalCount = 1;
    rule.semimonthlyDay1 = 1;
    rule.semimonthlyDay2 = 15;
    rule.isActive = true;
    rule.version = 1;
    rule.syncStatus = SyncStatus::Pending;
    return rule;
}

} // namespace

RecurringFormDialog::RecurringFormDialog(AppState *app, const RecurringTransaction &rule, QWidget *parent)
    : QDialog(parent)
    , m_app(app)
    , m_original(rule)
    , m_editMode(true)
{
    setWindowTitle(tr("Edit Recurring Transaction"));
    setupUi();
    loadAccounts();
    loadCategories();
    loadRecurring(rule);
    // The stored rule keeps its account whatever is chosen here.
    m_accountCombo->setEnabled(false);
}

RecurringFormDialog::RecurringFormDialog(AppState *app, QWidget *parent)
    : QDialog(parent)
    , m_app(app)
    , m_original(defaultRule())
{
    setWindowTitle(tr("New Recurring Transaction"));
    setupUi();
    loadAccounts();
    loadCategories();
    m_startField->setDate(QDate::currentDate());
    m_paymentRadio->setChecked(true);
}

RecurringFormDialog *RecurringFormDialog::createFromTransaction(AppState *app, const RecurringTransaction &seed,
    QWidget *parent)
{
    auto *dialog = new RecurringFormDialog(app, seed, parent);
    dialog->m_editMode = false;
    dialog->isCreateFromSeed = true;
    dialog->m_accountCombo->setEnabled(true);
    dialog->setWindowTitle(tr("Memorize Transaction"));
    return dialog;
}

void RecurringFormDialog::setupUi()
{
    auto *layout = new QVBoxLayout(this);
    m_form = new QFormLayout;
    m_form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

    m_accountCombo = new QComboBox(this);
    m_accountCombo->setObjectName(QStringLiteral("accountCombo"));
    m_form->addRow(tr("Account:"), m_accountCombo);

    auto *typeRow = new QHBoxLayout;
    m_paymentRadio = new QRadioButton(tr("Payment"), this);
    m_paymentRadio->setObjectName(QStringLiteral("paymentRadio"));
    m_depositRadio = new QRadioButton(tr("Deposit"), this);
    m_depositRadio->setObjectName(QStringLiteral("depositRadio"));
    m_paymentRadio->setChecked(true);
    typeRow->addWidget(m_paymentRadio);
    typeRow->addWidget(m_depositRadio);
    typeRow->addStretch();
    m_form->addRow(tr("Type:"), typeRow);

    m_payeeEdit = new QLineEdit(this);
    m_payeeEdit->setObjectName(QStringLiteral("payeeEdit"));
    m_payeeEdit->setPlaceholderText(tr("Start typing to search payees..."));
    m_payeeModel = new QStringListModel(this);
    auto *payeeCompleter = new QCompleter(m_payeeModel, this);
    configureEntryCompleter(payeeCompleter);
    payeeCompleter->setMaxVisibleItems(10);
    m_payeeEdit->setCompleter(payeeCompleter);
    m_form->addRow(tr("Payee:"), m_payeeEdit);

    m_amountField = new SmartAmountField(this);
    m_amountField->setObjectName(QStringLiteral("amountField"));
    m_amountField->setRange(0, 99999999.99);
    m_amountField->setPrefix(QStringLiteral("$ "));
    m_form->addRow(tr("Amount:"), m_amountField);

    m_categoryCombo = new QComboBox(this);
    m_categoryCombo->setObjectName(QStringLiteral("categoryCombo"));
    m_categoryCombo->setEditable(true);
    m_categoryCombo->setInsertPolicy(QComboBox::NoInsert);
    configureEntryCompleter(m_categoryCombo->completer());
    m_form->addRow(tr("Category:"), m_categoryCombo);

    m_memoEdit = new QLineEdit(this);
    m_memoEdit->setObjectName(QStringLiteral("memoEdit"));
    m_memoEdit->setPlaceholderText(tr("Optional"));
    m_form->addRow(tr("Memo:"), m_memoEdit);

    m_frequencyCombo = new QComboBox(this);
    m_frequencyCombo->setObjectName(QStringLiteral("frequencyCombo"));
    const QList<QPair<QString, RecurringFrequency>> frequencies = {
        {tr("Daily"), RecurringFrequency::Daily},
        {tr("Weekly"), RecurringFrequency::Weekly},
        {tr("Bi-weekly"), RecurringFrequency::Biweekly},
        {tr("Monthly"), RecurringFrequency::Monthly},
        {tr("Semi-monthly"), RecurringFrequency::Semimonthly},
        {tr("Quarterly"), RecurringFrequency::Quarterly},
        {tr("Semi-annual"), RecurringFrequency::SemiAnnual},
        {tr("Annual"), RecurringFrequency::Annual},
    };
    for (const auto &[text, frequency] : frequencies)
        m_frequencyCombo->addItem(text, RecurringRepository::frequencyToString(frequency));
    m_frequencyCombo->setCurrentIndex(m_frequencyCombo->findData(QStringLiteral("monthly")));
    m_form->addRow(tr("Frequency:"), m_frequencyCombo);

    m_intervalSpin = new QSpinBox(this);
    m_intervalSpin->setObjectName(QStringLiteral("intervalSpin"));
    m_intervalSpin->setRange(1, 99);
    m_intervalSpin->setValue(1);
    m_form->addRow(tr("Repeat every:"), m_intervalSpin);

    m_firstDayCombo = makeDayCombo(1);
    m_firstDayCombo->setObjectName(QStringLiteral("firstDayCombo"));
    m_form->addRow(tr("First day:"), m_firstDayCombo);
    m_secondDayCombo = makeDayCombo(15);
    m_secondDayCombo->setObjectName(QStringLiteral("secondDayCombo"));
    m_form->addRow(tr("Second day:"), m_secondDayCombo);

    m_startField = new DateField(this);
    m_startField->setObjectName(QStringLiteral("startField"));
    m_form->addRow(tr("Start Date:"), m_startField);

    auto *endRow = new QHBoxLayout;
    m_hasEndCheck = new QCheckBox(tr("Has end date"), this);
    m_hasEndCheck->setObjectName(QStringLiteral("hasEndCheck"));
    m_endField = new DateField(this);
    m_endField->setObjectName(QStringLiteral("endField"));
    m_endField->setEnabled(false);
    endRow->addWidget(m_hasEndCheck);
    endRow->addWidget(m_endField, 1);
    m_form->addRow(tr("End Date:"), endRow);
    connect(m_hasEndCheck, &QCheckBox::toggled, m_endField, &QWidget::setEnabled);

    m_autoPostCheck = new QCheckBox(tr("Auto-post when due"), this);
    m_autoPostCheck->setObjectName(QStringLiteral("autoPostCheck"));
    m_form->addRow(QString(), m_autoPostCheck);
    m_leadDaysSpin = new QSpinBox(this);
    m_leadDaysSpin->setObjectName(QStringLiteral("leadDaysSpin"));
    m_leadDaysSpin->setRange(0, 60);
    m_leadDaysSpin->setSuffix(tr(" days"));
    m_leadDaysSpin->setEnabled(false);
    m_form->addRow(tr("Enter in advance:"), m_leadDaysSpin);
    connect(m_autoPostCheck, &QCheckBox::toggled, m_leadDaysSpin, &QWidget::setEnabled);

    m_activeCheck = new QCheckBox(tr("Active"), this);
    m_activeCheck->setObjectName(QStringLiteral("activeCheck"));
    m_activeCheck->setChecked(true);
    m_form->addRow(QString(), m_activeCheck);

    layout->addLayout(m_form);
    layout->addSpacing(12);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(480);

    connect(m_frequencyCombo, &QComboBox::currentIndexChanged, this, [this] {
        updateIntervalLabel();
        updateSemimonthlyRows();
    });
    connect(m_intervalSpin, &QSpinBox::valueChanged, this, &RecurringFormDialog::updateIntervalLabel);
    connect(m_accountCombo, &QComboBox::currentIndexChanged, this, [this] {
        updateAmountCurrency();
        loadPayees();
    });
    updateIntervalLabel();
    updateSemimonthlyRows();
    m_payeeEdit->setFocus();
}

QComboBox *RecurringFormDialog::makeDayCombo(int selectedDay)
{
    auto *combo = new QComboBox(this);
    for (int day = 1; day <= 31; ++day)
        combo->addItem(QString::number(day), day);
    combo->addItem(tr("Last day"), 0);
    combo->setCurrentIndex(combo->findData(selectedDay));
    return combo;
}

void RecurringFormDialog::loadAccounts()
{
    for (const Account &account : m_app->accountRepository()->listAll())
        m_accountCombo->addItem(account.name, account.id);
    if (m_accountCombo->count() > 0)
        m_accountCombo->setCurrentIndex(0);
}

void RecurringFormDialog::loadCategories()
{
    m_categoryCombo->addItem(tr("(none)"), QString());
    for (const CategoryItem &item : categoryItems(m_app->categoryRepository()))
        m_categoryCombo->addItem(item.label, item.id);
    m_categoryCombo->setCurrentIndex(0);
}

void RecurringFormDialog::loadPayees()
{
    if (m_accountCombo->currentData().toString().isEmpty())
        return;
    m_payeeModel->setStringList(m_app->transactionRepository()->payees(m_accountCombo->currentData().toString()));
}

// Amounts are typed in the selected account's currency: whole yen for JPY.
void RecurringFormDialog::updateAmountCurrency()
{
    const QString accountId = m_accountCombo->currentData().toString();
    const std::optional<Account> account = accountId.isEmpty() ? std::nullopt
                                                                : m_app->accountRepository()->findById(accountId);
    m_amountField->setCurrency(account ? account->currency : Currency::USD);
}

void RecurringFormDialog::loadRecurring(const RecurringTransaction &rule)
{
    const int account = m_accountCombo->findData(rule.accountId);
    if (account >= 0)
        m_accountCombo->setCurrentIndex(account);
    updateAmountCurrency();
    (rule.amount < 0 ? m_paymentRadio : m_depositRadio)->setChecked(true);
    m_amountField->setMinorUnits(qAbs(rule.amount));
    m_payeeEdit->setText(rule.payee);
    m_memoEdit->setText(rule.memo);
    selectCategoryItem(m_categoryCombo, m_app->categoryRepository(), rule.categoryId);
    const int frequency = m_frequencyCombo->findData(RecurringRepository::frequencyToString(rule.frequency));
    if (frequency >= 0)
        m_frequencyCombo->setCurrentIndex(frequency);
    m_intervalSpin->setValue(rule.intervalCount);
    const int first = m_firstDayCombo->findData(rule.semimonthlyDay1);
    if (first >= 0)
        m_firstDayCombo->setCurrentIndex(first);
    const int second = m_secondDayCombo->findData(rule.semimonthlyDay2);
    if (second >= 0)
        m_secondDayCombo->setCurrentIndex(second);
    updateSemimonthlyRows();
    m_startField->setDate(rule.startDate);
    if (rule.endDate) {
        m_hasEndCheck->setChecked(true);
        m_endField->setDate(*rule.endDate);
    }
    m_autoPostCheck->setChecked(rule.autoPost);
    m_leadDaysSpin->setValue(rule.leadDays);
    m_leadDaysSpin->setEnabled(rule.autoPost);
    m_activeCheck->setChecked(rule.isActive);
}

void RecurringFormDialog::updateIntervalLabel()
{
    const int n = m_intervalSpin->value();
    const QString frequency = m_frequencyCombo->currentData().toString();
    QString unit;
    if (frequency == QLatin1String("daily"))
        unit = n == 1 ? tr("day") : tr("days");
    else if (frequency == QLatin1String("weekly"))
        unit = n == 1 ? tr("week") : tr("weeks");
    else if (frequency == QLatin1String("monthly"))
        unit = n == 1 ? tr("month") : tr("months");
    else if (frequency == QLatin1String("quarterly"))
        unit = n == 1 ? tr("quarter") : tr("quarters");
    else if (frequency == QLatin1String("annual"))
        unit = n == 1 ? tr("year") : tr("years");
    m_intervalSpin->setSuffix(unit.isEmpty() ? QString() : QStringLiteral(" ") + unit);
}

void RecurringFormDialog::updateSemimonthlyRows()
{
    const bool semimonthly = m_frequencyCombo->currentData().toString() == QLatin1String("semimonthly");
    m_form->setRowVisible(m_intervalSpin, !semimonthly);
    m_form->setRowVisible(m_firstDayCombo, semimonthly);
    m_form->setRowVisible(m_secondDayCombo, semimonthly);
}

QString RecurringFormDialog::entryProblem() const
{
    const QString typed = unmatchedCategoryText(m_categoryCombo, m_app->categoryRepository());
    if (typed.isEmpty())
        return QString();
    return tr("\"%1\" does not name one category. Choose one from the list, or clear the category.").arg(typed);
}

void RecurringFormDialog::done(int result)
{
    if (result == QDialog::Accepted && TransactionActions::refuseEntryProblem(entryProblem(), this)) {
        m_categoryCombo->setFocus();
        return;
    }
    QDialog::done(result);
}

RecurringTransaction RecurringFormDialog::recurring() const
{
    RecurringTransaction rule = m_original;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (!m_editMode) {
        rule.id = newRecordId();
        rule.createdAt = now;
    }
    rule.accountId = m_accountCombo->currentData().toString();
    rule.payee = m_payeeEdit->text().trimmed();
    rule.memo = m_memoEdit->text().trimmed();
    rule.categoryId = chosenCategoryId(m_categoryCombo, m_app->categoryRepository());

    const qint64 minor = m_amountField->minorUnits();
    rule.amount = m_paymentRadio->isChecked() ? -minor : minor;

    rule.frequency = RecurringRepository::frequencyFromString(m_frequencyCombo->currentData().toString());
    rule.intervalCount = m_intervalSpin->value();
    rule.semimonthlyDay1 = m_firstDayCombo->currentData().toInt();
    rule.semimonthlyDay2 = m_secondDayCombo->currentData().toInt();

    const QDate typedStart = m_startField->parsedDate();
    qInfo().noquote() << "RecurringFormDialog::recurring() — m_editMode=" << m_editMode
                      << "isCreateFromSeed=" << isCreateFromSeed << "widget.date=" << typedStart
                      << "m_original.startDate=" << m_original.startDate
                      << "m_original.nextDueDate=" << m_original.nextDueDate;

    if (m_hasEndCheck->isChecked())
        rule.endDate = m_endField->parsedDate();
    else
        rule.endDate.reset();

    // An edit that leaves the start date alone keeps the schedule.
    if (!(m_editMode && typedStart == m_original.startDate)) {
        rule.startDate = typedStart;
        rule.nextDueDate = typedStart;
    }
    if (!rule.startDate.isValid() || rule.startDate < kEarliestDate) {
        qWarning() << "RecurringFormDialog: rejecting invalid startDate" << rule.startDate << "— falling back to today";
        rule.startDate = QDate::currentDate();
    }
    if (!rule.nextDueDate.isValid() || rule.nextDueDate < kEarliestDate) {
        qWarning() << "RecurringFormDialog: rejecting invalid nextDueDate" << rule.nextDueDate
                   << "— falling back to startDate" << rule.startDate;
        rule.nextDueDate = rule.startDate;
    }

    rule.autoPost = m_autoPostCheck->isChecked();
    rule.leadDays = rule.autoPost ? m_leadDaysSpin->value() : 0;
    rule.isActive = m_activeCheck->isChecked();
    rule.syncStatus = SyncStatus::Pending;
    rule.updatedAt = now;
    if (m_editMode)
        rule.version = m_original.version + 1;
    return rule;
}
