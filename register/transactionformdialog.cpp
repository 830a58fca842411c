#include "register/transactionformdialog.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/recordid.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "register/categoryitems.h"
#include "register/datefield.h"
#include "register/registercombobox.h"
#include "register/smartamountfield.h"
#include "register/splitlineswidget.h"
#include "register/tabcompleter.h"
#include "register/transactionactions.h"
#include "ui/palettehelpers.h"
#include "ui/windowsize.h"

#include <QCheckBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// The date of the last transaction a form built; the next new form starts on it.
QDate &lastUsedDate()
{
    static QDate date;
    return date;
}

} // namespace

TransactionFormDialog::TransactionFormDialog(AppState *app, const Transaction &transaction, QWidget *parent)
    : QDialog(parent)
    , m_app(app)
    , m_accountId(transaction.accountId)
    , m_transaction(transaction)
    , m_editMode(true)
{
    setWindowTitle(tr("Edit Transaction"));
    setupUi();
    loadCategories();
    loadTransaction();
    if (m_app->transactionRepository()->isOpeningBalance(transaction))
        m_openingBalanceNote->show();
}

TransactionFormDialog::TransactionFormDialog(AppState *app, const QString &accountId, QWidget *parent)
    : QDialog(parent)
    , m_app(app)
    , m_accountId(accountId)
    , m_editMode(false)
{
    setWindowTitle(tr("New Transaction"));
    setupUi();
    loadCategories();
    m_dateField->setDate(lastUsedDate().isValid() ? lastUsedDate() : QDate::currentDate());
    m_negativeRadio->setChecked(true);
}

void TransactionFormDialog::setupUi()
{
    const std::optional<Account> account = m_app->accountRepository()->findById(m_accountId);
    if (account)
        m_currency = account->currency;

    m_openingBalanceNote = new QLabel(
        tr("This is the account's opening balance. Changing the amount or date shifts every balance after it."), this);
    m_openingBalanceNote->setObjectName(QStringLiteral("openingBalanceNote"));
    m_openingBalanceNote->setWordWrap(true);
    setThemedStyleSheet(m_openingBalanceNote, [] {
        return QStringLiteral("color: %1; padding: 8px; border-radius: 4px;").arg(negativeAmountColor().name());
    });
    m_openingBalanceNote->hide();

    // Type.
    const bool liability = account && isLiabilityType(account->accountType);
    m_negativeRadio = new QRadioButton(liability ? tr("Charge") : tr("Payment"), this);
    m_negativeRadio->setObjectName(QStringLiteral("negativeTypeRadio"));
    m_positiveRadio = new QRadioButton(liability ? tr("Payment") : tr("Deposit"), this);
    m_positiveRadio->setObjectName(QStringLiteral("positiveTypeRadio"));
    m_transferRadio = new QRadioButton(tr("Transfer"), this);
    m_transferRadio->setObjectName(QStringLiteral("transferRadio"));
    connect(m_transferRadio, &QRadioButton::toggled, this, &TransactionFormDialog::onTypeChanged);
    auto *typeRow = new QHBoxLayout;
    typeRow->addWidget(m_negativeRadio);
    typeRow->addWidget(m_positiveRadio);
    typeRow->addWidget(m_transferRadio);
    typeRow->addStretch();

    m_dateField = new DateField(this);
    m_dateField->setObjectName(QStringLiteral("dateField"));

    // Payee, or the other account of a transfer.
    m_payeeEdit = new QLineEdit(this);
    m_payeeEdit->setObjectName(QStringLiteral("payeeEdit"));
    m_payeeEdit->setPlaceholderText(tr("Start typing to search payees..."));
    const QList<Account> accounts = m_app->accountRepository()->listAll();
    auto *payeeCompleter = new QCompleter(
        TransactionActions::withTransferPayees(m_app->transactionRepository()->payees(m_accountId), accounts, m_accountId),
        m_payeeEdit);
    configureEntryCompleter(payeeCompleter);
    payeeCompleter->setMaxVisibleItems(10);
    m_payeeEdit->setCompleter(payeeCompleter);
    connect(payeeCompleter, qOverload<const QString &>(&QCompleter::activated), this,
        &TransactionFormDialog::onPayeeSelected);

    m_transferAccountCombo = new QComboBox(this);
    m_transferAccountCombo->setObjectName(QStringLiteral("transferAccountCombo"));
    if (account) {
        for (const Account &other : accounts) {
            if (other.id != m_accountId && other.currency == account->currency)
                m_transferAccountCombo->addItem(other.name, other.id);
        }
    }
    m_transferRadio->setEnabled(m_transferAccountCombo->count() > 0);
    if (m_transferAccountCombo->count() == 0)
        m_transferRadio->setToolTip(tr("No other account in this currency to transfer into"));

    m_payeeStack = new QStackedWidget(this);
    m_payeeStack->addWidget(m_payeeEdit);
    m_payeeStack->addWidget(m_transferAccountCombo);
    m_payeeLabel = new QLabel(tr("Payee:"), this);

    m_amountField = new SmartAmountField(this);
    m_amountField->setObjectName(QStringLiteral("amountField"));
    m_amountField->setCurrency(m_currency);
    m_amountField->setRange(0, 99999999.99);
    m_amountField->setPrefix(tr("$ "));

    // Category, or split lines.
    m_categoryCombo = new RegisterComboBox(this);
    m_categoryCombo->setObjectName(QStringLiteral("categoryCombo"));
    m_categoryCombo->setItemCompleter(new QCompleter);
    m_splitButton = new QPushButton(tr("Split..."), this);
    m_splitButton->setObjectName(QStringLiteral("splitButton"));
    m_splitButton->setToolTip(tr("Split this transaction across multiple categories with their own amounts and memos."));
    connect(m_splitButton, &QPushButton::clicked, this, &TransactionFormDialog::onEnterSplit);
    m_singleCategoryButton = new QPushButton(tr("Use single category"), this);
    m_singleCategoryButton->setObjectName(QStringLiteral("singleCategoryButton"));
    m_singleCategoryButton->setToolTip(tr("Drop the split and return to a single-category transaction."));
    connect(m_singleCategoryButton, &QPushButton::clicked, this, &TransactionFormDialog::onClearSplit);
    auto *categoryRow = new QHBoxLayout;
    categoryRow->setContentsMargins(0, 0, 0, 0);
    categoryRow->addWidget(m_categoryCombo, 1);
    categoryRow->addWidget(m_splitButton);
    categoryRow->addWidget(m_singleCategoryButton);

    m_splitLinesWidget = new SplitLinesWidget(m_app, m_currency, this);
    m_splitLinesWidget->setObjectName(QStringLiteral("splitLinesWidget"));
    m_splitLinesWidget->hide();
    // Typing a line never changes a total the user gave: the lines divide
    // it, and what is left shows under them.
    connect(m_splitLinesWidget, &SplitLinesWidget::changed, this, [this] {
        if (m_splitMode && !m_splitTotalHeld)
            m_amountField->setMinorUnits(m_splitLinesWidget->totalCents());
        updateSplitRemaining();
    });
    connect(m_amountField, &QDoubleSpinBox::valueChanged, this, [this] {
        if (m_splitMode && m_splitTotalHeld)
            m_splitLinesWidget->setTotal(m_amountField->minorUnits());
        updateSplitRemaining();
    });
    m_splitRemainingLabel = new QLabel(this);
    m_splitRemainingLabel->setObjectName(QStringLiteral("splitRemainingLabel"));
    m_splitRemainingLabel->hide();

    m_memoEdit = new QLineEdit(this);
    m_memoEdit->setObjectName(QStringLiteral("memoEdit"));
    m_memoEdit->setPlaceholderText(tr("Optional"));
    m_checkNumberEdit = new QLineEdit(this);
    m_checkNumberEdit->setObjectName(QStringLiteral("checkNumberEdit"));
    m_checkNumberEdit->setPlaceholderText(tr("Optional"));
    m_clearedCheck = new QCheckBox(tr("Cleared"), this);
    m_clearedCheck->setObjectName(QStringLiteral("clearedCheck"));

    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->addRow(tr("Type:"), typeRow);
    form->addRow(tr("Date:"), m_dateField);
    form->addRow(m_payeeLabel, m_payeeStack);
    form->addRow(tr("Amount:"), m_amountField);
    form->addRow(tr("Category:"), categoryRow);
    form->addRow(QString(), m_splitLinesWidget);
    form->addRow(QString(), m_splitRemainingLabel);
    form->addRow(tr("Memo:"), m_memoEdit);
    form->addRow(tr("Check #:"), m_checkNumberEdit);
    form->addRow(QString(), m_clearedCheck);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_openingBalanceNote);
    layout->addLayout(form);
    layout->addSpacing(12);
    layout->addWidget(buttons);

    setMinimumWidth(480);
    m_payeeEdit->setFocus();
    updateSplitUi();
}

void TransactionFormDialog::loadCategories()
{
    m_categoryCombo->clear();
    m_categoryCombo->addItem(tr("(none)"), QString());
    for (const CategoryItem &item : categoryItems(m_app->categoryRepository()))
        m_categoryCombo->addItem(item.label, item.id);
    m_categoryCombo->setCurrentIndex(0);
    showEmptyItemAsPlaceholder(m_categoryCombo);
}

void TransactionFormDialog::ensureCategoryShown(const QString &categoryId)
{
    if (categoryId.isEmpty() || m_categoryCombo->findData(categoryId) >= 0)
        return;
    const std::optional<Category> category = m_app->categoryRepository()->findById(categoryId);
    if (!category)
        return;
    const QString label = m_app->categoryRepository()->labelOf(categoryId);
    m_categoryCombo->addItem(category->deletedAt ? tr("%1 (deleted)").arg(label) : label, categoryId);
}

void TransactionFormDialog::selectCategory(const QString &categoryId)
{
    const int index = m_categoryCombo->findData(categoryId);
    if (index >= 0)
        m_categoryCombo->setCurrentIndex(index);
}

void TransactionFormDialog::onTypeChanged()
{
    const bool transfer = m_transferRadio->isChecked();
    m_payeeStack->setCurrentIndex(transfer ? 1 : 0);
    m_payeeLabel->setText(transfer ? tr("Account:") : tr("Payee:"));
    m_splitButton->setEnabled(!transfer);
    updateCategoryEnabled();
}

void TransactionFormDialog::updateCategoryEnabled()
{
    m_categoryCombo->setEnabled(!m_transferRadio->isChecked() && !m_splitMode);
}

void TransactionFormDialog::onPayeeSelected(const QString &payee)
{
    const std::optional<Transaction> last = m_app->transactionRepository()->findLastByPayee(payee, m_accountId);
    if (!last)
        return;
    m_amountField->setMinorUnits(qAbs(last->amount));
    if (last->amount < 0)
        m_negativeRadio->setChecked(true);
    else
        m_positiveRadio->setChecked(true);
    m_memoEdit->setText(last->memo);
    if (!last->categoryId.isEmpty()) {
        ensureCategoryShown(last->categoryId);
        selectCategory(last->categoryId);
    }
}

void TransactionFormDialog::onEnterSplit()
{
    QList<SplitLine> lines;
    const qint64 amount = m_amountField->minorUnits();
    if (amount > 0) {
        SplitLine line;
        line.categoryId = categoryIdOfShownText(m_categoryCombo);
        line.amount = amount;
        lines.append(line);
    }
    enterSplitMode(lines);
}

void TransactionFormDialog::onClearSplit()
{
    // The lines stay in the hidden widget but are no longer read.
    m_splitMode = false;
    updateSplitUi();
}

void TransactionFormDialog::enterSplitMode(const QList<SplitLine> &lines)
{
    m_splitMode = true;
    const qint64 total = m_amountField->minorUnits();
    m_splitTotalHeld = total > 0;
    m_splitLinesWidget->setTotal(m_splitTotalHeld ? std::optional<qint64>(total) : std::nullopt);
    m_splitLinesWidget->setLines(lines);
    updateSplitUi();
}

void TransactionFormDialog::updateSplitRemaining()
{
    const bool shown = m_splitMode && m_splitTotalHeld;
    m_splitRemainingLabel->setVisible(shown);
    if (!shown)
        return;
    const qint64 remaining = m_amountField->minorUnits() - m_splitLinesWidget->totalCents();
    m_splitRemainingLabel->setText(tr("Remaining: %1").arg(TransactionActions::dollarText(remaining, m_currency)));
    m_splitRemainingLabel->setStyleSheet(remaining == 0 ? QString()
                                                        : QStringLiteral("color: %1;").arg(negativeAmountColor().name()));
}

QString TransactionFormDialog::entryProblem() const
{
    if (m_splitMode) {
        const QString unknown = m_splitLinesWidget->unknownCategoryText();
        if (!unknown.isEmpty())
            return tr("\"%1\" does not name one category. Choose one from the list, or clear the line's category.").arg(unknown);
        const qint64 lines = m_splitLinesWidget->totalCents();
        const qint64 total = m_amountField->minorUnits();
        if (m_splitTotalHeld && lines != total) {
            return tr("The split lines add up to %1, but the total is %2. Change the lines or the amount so that "
                      "nothing remains.")
                .arg(TransactionActions::dollarText(lines, m_currency),
                    TransactionActions::dollarText(total, m_currency));
        }
        return QString();
    }
    if (m_transferRadio->isChecked())
        return QString();
    const QString typed = unmatchedCategoryText(m_categoryCombo, m_app->categoryRepository());
    if (!typed.isEmpty())
        return tr("\"%1\" does not name one category. Choose one from the list, or clear the category.").arg(typed);
    return QString();
}

void TransactionFormDialog::done(int result)
{
    if (result == QDialog::Accepted) {
        if (TransactionActions::refuseEntryProblem(entryProblem(), this)) {
            if (!m_splitMode)
                m_categoryCombo->setFocus();
            return;
        }
        if (!TransactionActions::splitLinesHaveCategories(splitLines(), this))
            return;
    }
    QDialog::done(result);
}

void TransactionFormDialog::updateSplitUi()
{
    updateCategoryEnabled();
    const int current = m_categoryCombo->currentIndex();
    if (m_splitMode)
        m_categoryCombo->setEditText(tr("—Split—"));
    else if (current >= 0 && m_categoryCombo->itemData(current).toString().isEmpty())
        m_categoryCombo->setEditText(QString()); // "(none)" shows as the placeholder
    else
        m_categoryCombo->setEditText(m_categoryCombo->itemText(current));
    m_splitButton->setVisible(!m_splitMode);
    m_singleCategoryButton->setVisible(m_splitMode);
    m_splitLinesWidget->setVisible(m_splitMode);
    // A held total stays editable: it is what the lines divide. Without
    // one the amount is the lines' sum.
    m_amountField->setEnabled(!m_splitMode || m_splitTotalHeld);
    if (m_splitMode) {
        if (!m_splitTotalHeld)
            m_amountField->setMinorUnits(m_splitLinesWidget->totalCents());
        WindowSize::resizeToFit(this, size().expandedTo(QSize(640, 540)));
    }
    updateSplitRemaining();
}

void TransactionFormDialog::loadTransaction()
{
    const Transaction &t = m_transaction;
    m_dateField->setDate(t.date);
    m_payeeEdit->setText(t.payee);

    if (!t.transferLinkId.isEmpty()) {
        m_transferRadio->setChecked(true);
        int index = m_transferAccountCombo->findData(t.transferDestAccountId);
        if (index < 0) {
            // Another currency, or an account that was deleted.
            const std::optional<Account> other = m_app->accountRepository()->findById(t.transferDestAccountId);
            m_transferAccountCombo->addItem(other ? other->name : tr("(account no longer available)"),
                t.transferDestAccountId);
            index = m_transferAccountCombo->count() - 1;
        }
        m_transferAccountCombo->setCurrentIndex(index);
        m_transferAccountCombo->setEnabled(false);
        m_negativeRadio->setEnabled(false);
        m_positiveRadio->setEnabled(false);
    }
    m_transferRadio->setEnabled(false);

    m_amountField->setMinorUnits(qAbs(t.amount));
    m_memoEdit->setText(t.memo);
    m_checkNumberEdit->setText(t.checkNumber);
    m_clearedCheck->setChecked(t.cleared);
    if (t.transferLinkId.isEmpty()) {
        if (t.amount < 0)
            m_negativeRadio->setChecked(true);
        else
            m_positiveRadio->setChecked(true);
    }

    showStoredCategoryAndSplit(t);
    updateSplitUi();
}

void TransactionFormDialog::showStoredCategoryAndSplit(const Transaction &stored)
{
    if (!stored.categoryId.isEmpty()) {
        ensureCategoryShown(stored.categoryId);
        selectCategory(stored.categoryId);
    }
    if (stored.isSplit && !stored.id.isEmpty()) {
        const QList<SplitLine> lines = m_app->splitLineRepository()->listByTransaction(stored.id);
        if (!lines.isEmpty())
            enterSplitMode(lines);
    }
}

void TransactionFormDialog::prefill(const Transaction &seed)
{
    if (seed.date.isValid())
        m_dateField->setDate(seed.date);
    if (!seed.payee.isEmpty())
        m_payeeEdit->setText(seed.payee);
    if (!seed.checkNumber.isEmpty())
        m_checkNumberEdit->setText(seed.checkNumber);
    if (!seed.memo.isEmpty())
        m_memoEdit->setText(seed.memo);
    if (seed.amount != 0) {
        m_amountField->setMinorUnits(qAbs(seed.amount));
        if (seed.amount < 0)
            m_negativeRadio->setChecked(true);
        else
            m_positiveRadio->setChecked(true);
    }
    showStoredCategoryAndSplit(seed);
    updateSplitUi();
}

void TransactionFormDialog::showTypedCategory(const QString &text)
{
    if (m_splitMode)
        return;
    if (text.trimmed().isEmpty())
        m_categoryCombo->setCurrentIndex(0);
    else if (!m_categoryCombo->selectItemWithText(text))
        m_categoryCombo->setEditText(text);
}

Transaction TransactionFormDialog::transaction() const
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    Transaction t = m_editMode ? m_transaction : Transaction();
    if (!m_editMode) {
        t.id = newRecordId();
        t.accountId = m_accountId;
        t.createdAt = now;
    }
    t.date = m_dateField->parsedDate();

    const bool transferLeg = isEditedTransferLeg();
    if (!transferLeg) {
        t.payee = m_transferRadio->isChecked()
            ? TransactionActions::transferPrefix() + m_transferAccountCombo->currentText()
            : m_payeeEdit->text().trimmed();
    }

    if (m_splitMode) {
        const qint64 total = m_splitLinesWidget->totalCents();
        t.amount = m_negativeRadio->isChecked() ? -total : total;
    } else {
        const qint64 magnitude = m_amountField->minorUnits();
        const bool negative = transferLeg ? m_transaction.amount < 0
                                          : m_transferRadio->isChecked() || m_negativeRadio->isChecked();
        t.amount = negative ? -magnitude : magnitude;
    }

    t.isSplit = m_splitMode;
    t.categoryId = m_splitMode ? QString() : shownCategoryId();
    t.memo = m_memoEdit->text().trimmed();
    t.checkNumber = m_checkNumberEdit->text().trimmed();
    t.cleared = m_clearedCheck->isChecked();
    if (m_editMode)
        markEdited(t);
    else
        t.updatedAt = now;

    lastUsedDate() = t.date;
    return t;
}

QList<SplitLine> TransactionFormDialog::splitLines() const
{
    if (!m_splitMode)
        return {};
    return m_splitLinesWidget->lines(m_negativeRadio->isChecked() ? -1 : 1);
}

QString TransactionFormDialog::shownCategoryId() const
{
    return chosenCategoryId(m_categoryCombo, m_app->categoryRepository());
}

bool TransactionFormDialog::isEditedTransferLeg() const
{
    return m_editMode && !m_transaction.transferLinkId.isEmpty();
}
