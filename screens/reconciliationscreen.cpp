#include "screens/reconciliationscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/money.h"
#include "data/reconciliationrepository.h"
#include "data/transactionrepository.h"
#include "register/datefield.h"
#include "register/smartamountfield.h"
#include "register/transactionactions.h"
#include "register/writeresultprompt.h"
#include "register/userprompts.h"
#include "screens/reconciliationactions.h"
#include "screens/reconciliationmodel.h"
#include "screens/screentext.h"
#include "ui/palettehelpers.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

using ReconciliationActions::WideSum;

namespace {


QFrame *sunkenLine(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

ReconciliationScreen::ReconciliationScreen(AppState *app, QWidget *parent)
    : QWidget(parent)
    , m_app(app)
{
    m_model = new ReconciliationModel(this);
    setupUi();
    setupShortcuts();
    connect(m_model, &ReconciliationModel::ticksChanged, this, &ReconciliationScreen::updateDifference);
    updateDifference();
}

void ReconciliationScreen::setupUi()
{
    auto *left = new QWidget(this);
    left->setFixedWidth(310);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(16, 16, 16, 16);
    leftLayout->setSpacing(0);

    auto *title = new QLabel(tr("Reconcile Account"), left);
    applyFontRoleWithWeight(title, 3, 700);
    leftLayout->addWidget(title);
    leftLayout->addSpacing(16);

    leftLayout->addWidget(new QLabel(tr("Statement Date:"), left));
    m_statementDate = new DateField(left);
    m_statementDate->setObjectName(QStringLiteral("statementDateField"));
    m_statementDate->setDate(QDate::currentDate());
    leftLayout->addWidget(m_statementDate);
    leftLayout->addSpacing(8);

    m_statementCaption = new QLabel(tr("Statement Balance:"), left);
    leftLayout->addWidget(m_statementCaption);
    m_statementAmount = new SmartAmountField(left);
    m_statementAmount->setObjectName(QStringLiteral("statementAmountField"));
    m_statementAmount->setRange(-99999999.99, 99999999.99);
    m_statementAmount->setPrefix(QStringLiteral("$ "));
    connect(m_statementAmount, &SmartAmountField::valueChanged, this, &ReconciliationScreen::updateDifference);
    leftLayout->addWidget(m_statementAmount);
    leftLayout->addSpacing(16);

    auto *grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(0, 1);
    auto addRow = [grid, left](int row, QLabel *caption, const char *valueName, bool muted) {
        auto *value = new QLabel(left);
        value->setObjectName(QLatin1String(valueName));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        applyFontRole(value, 7);
        if (muted) {
            caption->setStyleSheet(mutedTextStyle());
            value->setStyleSheet(mutedTextStyle());
        }
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
        return value;
    };
    m_depositsCaption = new QLabel(tr("Cleared Deposits"), left);
    m_withdrawalsCaption = new QLabel(tr("Cleared Withdrawals"), left);
    m_previousValue = addRow(0, new QLabel(tr("Previous Balance"), left), "previousBalanceValue", true);
    m_depositsValue = addRow(1, m_depositsCaption, "clearedDepositsValue", false);
    m_withdrawalsValue = addRow(2, m_withdrawalsCaption, "clearedWithdrawalsValue", false);
    grid->addWidget(sunkenLine(left), 3, 0, 1, 2);
    m_clearedValue = addRow(4, new QLabel(tr("Cleared Balance"), left), "clearedBalanceValue", false);
    m_statementValue = addRow(5, new QLabel(tr("Statement Balance"), left), "statementBalanceValue", true);
    grid->addWidget(sunkenLine(left), 6, 0, 1, 2);
    auto *differenceCaption = new QLabel(tr("Difference"), left);
    applyFontRoleWithWeight(differenceCaption, 0, 700);
    m_differenceValue = addRow(7, differenceCaption, "differenceValue", false);
    applyFontRoleWithWeight(m_differenceValue, 7, 700);
    leftLayout->addLayout(grid);

    leftLayout->addStretch();
    m_finishButton = new QPushButton(tr("Finish Reconciliation"), left);
    m_finishButton->setObjectName(QStringLiteral("finishButton"));
    m_finishButton->setEnabled(false);
    auto *cancelButton = new QPushButton(tr("Cancel"), left);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    leftLayout->addWidget(m_finishButton);
    leftLayout->addWidget(cancelButton);
    connect(m_finishButton, &QPushButton::clicked, this, &ReconciliationScreen::finish);
    connect(cancelButton, &QPushButton::clicked, this, &ReconciliationScreen::cancelled);

    auto *right = new QWidget(this);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(0);
    auto *tools = new QHBoxLayout;
    tools->setContentsMargins(8, 8, 8, 4);
    tools->setSpacing(8);
    auto *addButton = new QPushButton(tr("Add Transaction"), right);
    addButton->setToolTip(
        tr("Add a transaction (%1)").arg(QKeySequence(QKeySequence::New).toString(QKeySequence::NativeText)));
    auto *editButton = new QPushButton(tr("Edit"), right);
    editButton->setToolTip(tr("Edit selected transaction (F2)"));
    auto *deleteButton = new QPushButton(tr("Delete"), right);
    deleteButton->setToolTip(tr("Delete selected transaction (Del)"));
    tools->addWidget(addButton);
    tools->addWidget(editButton);
    tools->addWidget(deleteButton);
    tools->addStretch();
    rightLayout->addLayout(tools);
    connect(addButton, &QPushButton::clicked, this, &ReconciliationScreen::addTransaction);
    connect(editButton, &QPushButton::clicked, this, &ReconciliationScreen::editSelectedTransaction);
    connect(deleteButton, &QPushButton::clicked, this, &ReconciliationScreen::deleteSelectedTransaction);

    m_table = new QTableView(right);
    m_table->setModel(m_model);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionResizeMode(ReconciliationModel::CheckColumn, QHeaderView::Fixed);
    header->resizeSection(ReconciliationModel::CheckColumn, 30);
    header->setSectionResizeMode(ReconciliationModel::PayeeColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(ReconciliationModel::AmountColumn, QHeaderView::Fixed);
    header->resizeSection(ReconciliationModel::AmountColumn, 100);
    m_table->installEventFilter(this);
    connect(m_table, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid() && index.column() != ReconciliationModel::CheckColumn)
            editSelectedTransaction();
    });
    rightLayout->addWidget(m_table, 1);

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
}

void ReconciliationScreen::setupShortcuts()
{
    auto bind = [this](const QKeySequence &keys, void (ReconciliationScreen::*slot)()) {
        auto *shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    bind(QKeySequence::New, &ReconciliationScreen::addTransaction);
    bind(QKeySequence(Qt::Key_Insert), &ReconciliationScreen::addTransaction);
    bind(QKeySequence(Qt::Key_F2), &ReconciliationScreen::editSelectedTransaction);
    bind(QKeySequence::Delete, &ReconciliationScreen::deleteSelectedTransaction);
    // Two shortcuts on one key would be ambiguous and neither would fire.
    if (QKeySequence(QKeySequence::Delete) != QKeySequence(Qt::Key_Delete))
        bind(QKeySequence(Qt::Key_Delete), &ReconciliationScreen::deleteSelectedTransaction);
}

void ReconciliationScreen::setAccount(const QString &accountId)
{
    m_accountId = accountId;
    m_account = m_app->accountRepository()->findById(accountId);
    if (!m_account)
        return;

    m_liability = isLiabilityType(m_account->accountType);
    m_statementCaption->setText(m_liability ? tr("Statement Balance Owed:") : tr("Statement Balance:"));
    m_depositsCaption->setText(m_liability ? tr("Cleared Payments") : tr("Cleared Deposits"));
    m_withdrawalsCaption->setText(m_liability ? tr("Cleared Charges") : tr("Cleared Withdrawals"));
    m_statementAmount->setCurrency(m_account->currency);

    const ReconciliationActions::PreviousBalance previous =
        ReconciliationActions::previousBalance(m_app, *m_account);
    m_previousBalance = previous.balance;
    const QDate statementDate = ReconciliationActions::defaultStatementDate(
        m_app->reconciliationRepository()->latestForAccount(accountId), previous.latestReconciledDate);
    if (statementDate.isValid())
        m_statementDate->setDate(statementDate);

    loadTransactions();
}

void ReconciliationScreen::loadTransactions()
{
    if (m_accountId.isEmpty())
        return;
    const Currency currency = m_account ? m_account->currency : Currency::USD;
    m_model->setRows(m_app->transactionRepository()->listUnreconciled(m_accountId), m_model->tickStates(), currency);
}

bool ReconciliationScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_C || key == Qt::Key_R) {
            const QModelIndex current = m_table->currentIndex();
            if (current.isValid())
                m_model->toggle(current.row());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ReconciliationScreen::onTransactionToggled(int)
{
    updateDifference();
}

qint64 ReconciliationScreen::statementBalance() const
{
    // The user types what a card or loan owes as a positive number.
    const qint64 typed = m_statementAmount->minorUnits();
    return m_liability ? -typed : typed;
}

void ReconciliationScreen::showValue(QLabel *label, std::optional<qint64> value) const
{
    const Currency currency = m_account ? m_account->currency : Currency::USD;
    label->setText(value ? formatMoneySigned(*value, m_liability, currency) : sumTooLargeText());
}

void ReconciliationScreen::updateDifference()
{
    using ReconciliationActions::narrow;
    const WideSum deposits = m_model->tickedDeposits();
    const WideSum withdrawals = m_model->tickedWithdrawals();
    const qint64 statement = statementBalance();
    std::optional<qint64> cleared;
    std::optional<qint64> difference;
    if (m_previousBalance) {
        cleared = narrow(WideSum(*m_previousBalance) + deposits + withdrawals);
        if (cleared)
            difference = narrow(WideSum(statement) - *cleared);
    }

    showValue(m_previousValue, m_previousBalance);
    showValue(m_depositsValue, narrow(deposits));
    showValue(m_withdrawalsValue, narrow(withdrawals));
    showValue(m_clearedValue, cleared);
    showValue(m_statementValue, statement);
    showValue(m_differenceValue, difference);

    const bool balanced = difference && *difference == 0;
    setThemedStyleSheet(m_differenceValue, [balanced] {
        const QColor colour = balanced ? positiveAmountColor() : negativeAmountColor();
        return QStringLiteral("color: %1;").arg(colour.name());
    });
    m_finishButton->setEnabled(balanced && m_account);
}

void ReconciliationScreen::finish()
{
    if (!m_account)
        return;
    using ReconciliationActions::FinishStatus;
    const ReconciliationActions::FinishResult result = ReconciliationActions::finish(
        m_app, *m_account, m_model->tickedRows(), m_statementDate->parsedDate(), statementBalance());
    switch (result.status) {
    case FinishStatus::Finished:
        UserPrompts::current()->information(this, tr("Reconciliation Complete"), tr("Account reconciled successfully."));
        Q_EMIT reconciliationCompleted();
        return;
    case FinishStatus::Refused:
        WriteResultPrompt::reportRefusal(result.refusal, WriteResultPrompt::Subject::Reconciliation, this);
        if (!closeIfAccountDeleted())
            reloadRows();
        return;
    case FinishStatus::Unbalanced:
        reloadAfterRefusal(tr("The ticked transactions as stored do not add up to the statement balance."));
        return;
    case FinishStatus::TooLarge:
        reloadAfterRefusal(tr("The balances are too large to compute."));
        return;
    case FinishStatus::Failed: {
        // The ticks stay, so the user can try again.
        const QString reason = WriteResultPrompt::failureReason(m_app->database());
        UserPrompts::current()->warning(this, tr("Reconciliation Failed"),
            reason.isEmpty()
                ? tr("The reconciliation could not be saved, so nothing was changed.")
                : plainTextMessage(tr("The reconciliation could not be saved: %1. Nothing was changed.").arg(reason)));
        return;
    }
    }
}

void ReconciliationScreen::reloadAfterRefusal(const QString &text)
{
    UserPrompts::current()->warning(this, tr("Reconciliation Not Finished"),
        plainTextMessage(text + QLatin1String("\n\n")
            + tr("Nothing was marked. The list has been reloaded: check the difference and finish again.")));
    reloadRows();
}

void ReconciliationScreen::reloadRows()
{
    m_previousBalance = ReconciliationActions::previousBalance(m_app, *m_account).balance;
    loadTransactions();
}

bool ReconciliationScreen::closeIfAccountDeleted()
{
    const std::optional<Account> account = m_app->accountRepository()->findById(m_accountId);
    if (account && !account->deletedAt)
        return false;
    // Nothing can be reconciled or added any more: the window goes, as the
    // register lets go of a deleted account.
    close();
    return true;
}

bool ReconciliationScreen::currentRow(int &row) const
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid() || current.row() >= m_model->rowCount())
        return false;
    row = current.row();
    return true;
}

void ReconciliationScreen::addTransaction()
{
    if (m_accountId.isEmpty())
        return;
    if (TransactionActions::newTransaction(m_app, m_accountId, nullptr, this))
        loadTransactions();
    else
        closeIfAccountDeleted();
}

void ReconciliationScreen::editSelectedTransaction()
{
    int row = 0;
    if (!currentRow(row))
        return;
    const Transaction shown = m_model->rowAt(row);
    const bool saved = TransactionActions::editTransaction(m_app, shown, this);
    if (!saved && closeIfAccountDeleted())
        return;
    // A row changed elsewhere in the meantime is shown as it is now.
    const std::optional<Transaction> stored = m_app->transactionRepository()->findById(shown.id);
    if (saved || !stored || stored->version != shown.version)
        loadTransactions();
}

void ReconciliationScreen::deleteSelectedTransaction()
{
    int row = 0;
    if (!currentRow(row))
        return;
    const Transaction shown = m_model->rowAt(row);
    UserPrompts *prompts = UserPrompts::current();
    if (m_app->transactionRepository()->isOpeningBalance(shown)) {
        prompts->information(this, tr("Opening Balance"),
            tr("The opening balance can't be removed. Every account has one.\n\nTo clear it, set it to zero in the "
               "account's settings."));
        return;
    }
    if (!prompts->askYesNo(this, tr("Delete Transaction"),
            plainTextMessage(tr("Delete the transaction for %1?").arg(shown.payee))))
        return;
    // Both legs of a transfer go together.
    const WriteResult result = TransactionActions::deleteTransaction(m_app, shown);
    if (result != WriteResult::Written
        && !WriteResultPrompt::reportRefusal(result, WriteResultPrompt::Subject::Transaction, this)) {
        const QString reason = WriteResultPrompt::failureReason(m_app->database());
        prompts->warning(this, tr("Delete Failed"),
            reason.isEmpty()
                ? tr("The transaction could not be deleted, so nothing was changed.")
                : plainTextMessage(tr("The transaction could not be deleted: %1. Nothing was changed.").arg(reason)));
    }
    if (result == WriteResult::AccountNotLive && closeIfAccountDeleted())
        return;
    loadTransactions();
}
