#include "register/registerscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/database.h"
#include "data/money.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "register/elidedlabel.h"
#include "register/openingbalancebanner.h"
#include "register/registercolumnlayout.h"
#include "register/registercommitbuilder.h"
#include "register/writeresultprompt.h"
#include "register/registerdelegate.h"
#include "register/registerfilterdialog.h"
#include "register/registerheader.h"
#include "register/registerloader.h"
#include "register/registermodel.h"
#include "register/registernavigator.h"
#include "register/registerplace.h"
#include "register/registerstatusline.h"
#include "register/registertableview.h"
#include "register/transactionactions.h"
#include "register/transactiondetailsdialog.h"
#include "register/userprompts.h"
#include "screens/recurringformdialog.h"
#include "services/recurringservice.h"
#include "ui/palettehelpers.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

RegisterScreen::RegisterScreen(AppState *app, QWidget *parent)
    : QWidget(parent)
    , m_app(app)
{
    setupUi();
    connectSignals();
    m_layout->restore();
}

RegisterScreen::~RegisterScreen()
{
    m_table->detachScreen();
}

void RegisterScreen::setupUi()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);

    m_header = new RegisterHeader(this);
    connect(m_header, &RegisterHeader::newTransactionClicked, this, &RegisterScreen::newTransactionDialog);
    connect(m_header, &RegisterHeader::filterClicked, this, &RegisterScreen::openFilterDialog);
    connect(m_header, &RegisterHeader::reconcileClicked, this, [this] { Q_EMIT reconcileRequested(m_accountId); });
    layout->addWidget(m_header);

    m_banner = new OpeningBalanceBanner(m_app, this);
    connect(m_banner, &OpeningBalanceBanner::signCorrected, this, [this](WriteResult result) {
        if (result == WriteResult::Failed)
            showStatus(tr("The opening balance could not be corrected."), 5000);
        reload();
    });
    layout->addWidget(m_banner);
    layout->addSpacing(8);

    setupTable();
    layout->addWidget(m_table, 1);

    m_statusLine = new RegisterStatusLine(this);
    layout->addWidget(m_statusLine);
    updateFilterButton();
}

void RegisterScreen::setupTable()
{
    m_table = new RegisterTableView(this, this);
    m_table->setObjectName(QStringLiteral("registerTable"));
    m_model = new RegisterModel(this);
    m_model->setTieOrder([this](const Transaction &transaction) {
        return m_app->transactionRepository()->idsAtMoment(m_accountId, transaction.date, transaction.createdAt);
    });
    m_delegate = new RegisterDelegate(m_app, this);
    m_table->setModel(m_model);
    m_table->setItemDelegate(m_delegate);
    m_table->setAlternatingRowColors(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setTabKeyNavigation(false);
    m_table->setFocusPolicy(Qt::WheelFocus);
    // Every row has the same height and is never measured: 100k rows lay
    // out as fast as ten.
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(RegisterDelegate::kLineHeight);
    m_table->setShowGrid(false);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed);

    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(24);
    m_table->setSortingEnabled(true);
    header->setSortIndicatorShown(true);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    m_layout = new RegisterColumnLayout(m_app, m_table, m_model, this);
    m_navigator = new RegisterNavigator(m_table, m_model, m_delegate, this);
    m_loader = new RegisterLoader(m_app, m_model, this);
    connect(m_loader, &RegisterLoader::rowsCompleted, this, [this] {
        m_banner->showFor(m_accountId);
        updateSummary();
    });
    connect(m_loader, &RegisterLoader::reloadNeeded, this, [this] { load(false, true); });
}

void RegisterScreen::connectSignals()
{
    connect(m_table->horizontalHeader(), &QHeaderView::customContextMenuRequested, this,
        &RegisterScreen::showHeaderContextMenu);
    connect(m_table, &QWidget::customContextMenuRequested, this, &RegisterScreen::onContextMenu);
    connect(m_delegate, &RegisterDelegate::payeeChosen, this, &RegisterScreen::autofillFromPayee);
    connect(m_navigator, &RegisterNavigator::commitRequested, this, &RegisterScreen::commitCurrentRow);
    // Queued: the form must not open inside the editor's own key handling.
    connect(m_delegate, &RegisterDelegate::editInDialogRequested, this, [this] {
        const QModelIndex current = m_table->currentIndex();
        if (!current.isValid())
            return;
        if (m_model->isNewRow(current.row()))
            editNewRowInDialog();
        else
            editRowInDialog(current.row());
    }, Qt::QueuedConnection);
    connect(m_navigator, &RegisterNavigator::editInDialogRequested, this, [this](int row) {
        if (m_model->isNewRow(row))
            editNewRowInDialog();
        else
            editRowInDialog(row);
    });
    connect(m_navigator, &RegisterNavigator::detailsRequested, this, &RegisterScreen::showDetailsForRow);
    connect(m_navigator, &RegisterNavigator::deleteRequested, this, &RegisterScreen::deleteCurrentRow);
    connect(m_navigator, &RegisterNavigator::memorizeRequested, this, &RegisterScreen::memorizeRow);
    connect(m_navigator, &RegisterNavigator::toggleClearedRequested, this, &RegisterScreen::toggleClearedAt);
}

// ---- Keys and fields: the navigator's, offered under the screen's names ----

void RegisterScreen::beginNewTransaction()
{
    if (m_accountId.isEmpty())
        return;
    m_navigator->beginNewTransaction();
}

void RegisterScreen::selectNewRow()
{
    m_navigator->selectNewRow();
}

void RegisterScreen::startEditingRow(int row)
{
    m_navigator->startEditingRow(row);
}

void RegisterScreen::advanceToNextField()
{
    m_navigator->advanceToNextField();
}

void RegisterScreen::advanceToPreviousField()
{
    m_navigator->advanceToPreviousField();
}

void RegisterScreen::focusNextCell()
{
    m_navigator->focusNextCell();
}

void RegisterScreen::focusPreviousCell()
{
    m_navigator->focusPreviousCell();
}

void RegisterScreen::makeCellCurrent(const QModelIndex &index)
{
    m_navigator->makeCellCurrent(index);
}

void RegisterScreen::commitOpenEditor()
{
    m_navigator->commitOpenEditor();
}

void RegisterScreen::copyFromAbove()
{
    m_navigator->copyFromAbove();
}

bool RegisterScreen::focusNextPrevChild(bool next)
{
    return m_navigator->moveFocus(next) || QWidget::focusNextPrevChild(next);
}

// ---- Account, reload and layout -------------------------------------------

void RegisterScreen::setAccount(const QString &accountId)
{
    // An open editor would hold the reload back and leave the previous
    // account's rows, and the typing, under the new account's id.
    if (accountId != m_accountId) {
        m_navigator->closeOpenEditor(false);
        m_model->setEditingRow(-1);
        m_model->resetNewRow();
    }
    const bool sameAccount = accountId == m_accountId;
    m_accountId = accountId;
    m_delegate->setAccountId(accountId);
    m_filter = RegisterFilter::fromJson(
        m_app->preferencesRepository()->value(RegisterFilter::preferenceKey(accountId), QString()));
    updateFilterButton();
    load(!sameAccount, false);
    if (!sameAccount)
        selectNewRow();
}

void RegisterScreen::reload()
{
    load(false, false);
}

bool RegisterScreen::readingEarlierRows() const
{
    return m_loader->isReading();
}

void RegisterScreen::load(bool newestFirst, bool wholeAccount)
{
    // Typing is never cut short: the reload waits for the editor to close.
    if (m_table->isEditing()) {
        m_reloadPending = true;
        return;
    }
    m_reloadPending = false;
    const std::optional<Account> account =
        m_accountId.isEmpty() ? std::nullopt : m_app->accountRepository()->findById(m_accountId);
    // A deleted account shows nothing to type into; the main window leaves it.
    if (!account || account->deletedAt) {
        m_loader->clear();
        return;
    }
    m_header->showAccount(*account);
    const RegisterPlace place = RegisterPlace::remember(m_table, m_model);

    // The model holds every row, for the running balances and the sums, and
    // lists those the filter passes.
    if (m_filter.activeCount() > 0)
        m_model->setRowFilter([filter = m_filter](const Transaction &transaction) { return filter.matches(transaction); });
    else
        m_model->setRowFilter(nullptr);
    PreferencesRepository *preferences = m_app->preferencesRepository();
    const bool liability = isLiabilityType(account->accountType);
    const bool showBalance = preferences->boolValue(QStringLiteral("registerShowBalance"), true);
    applyDisplayPreferences(preferences->boolValue(QStringLiteral("registerTwoLine"), false));
    m_table->setColumnHidden(RegisterModel::BalanceColumn, !showBalance);
    m_model->setBalanceMarks(showBalance && !liability);
    m_model->setHighlightOverdrawn(preferences->boolValue(QStringLiteral("registerHighlightOverdrawn"), true));
    m_model->setLiabilityAccount(liability);
    m_model->setCurrency(account->currency);
    // The newest rows first where they look the same as with the whole
    // account: sorted by date, every row listed. A read in progress starts
    // again that way rather than making the window wait for the whole account.
    m_loader->load(m_accountId, (newestFirst || m_loader->isReading()) && !wholeAccount
            && m_filter.activeCount() == 0 && m_model->sortColumn() == RegisterModel::DateColumn);

    m_banner->showFor(m_accountId);
    updateSummary();
    place.restore(m_table, m_model);
}

void RegisterScreen::showLocalChange(const QList<Transaction> &before, const QStringList &ids)
{
    if (m_accountId.isEmpty())
        return;
    // An open editor holds any change back, and a reload already waiting
    // brings changes from elsewhere as well: both take the whole account.
    // So does a change that cannot be read back.
    if (m_table->isEditing() || m_reloadPending || !m_loader->showLocalChange(before, ids)) {
        reload();
        return;
    }
    m_banner->showFor(m_accountId);
    updateSummary();
    Q_EMIT localChangesShown();
}

void RegisterScreen::editorClosed()
{
    if (m_reloadPending)
        QTimer::singleShot(0, this, [this] {
            if (m_reloadPending && !m_table->isEditing())
                reload();
        });
}

void RegisterScreen::updateSummary()
{
    m_header->showSums(m_model->clearedSum(), m_model->unclearedSum(), m_model->liabilityAccount(), m_model->currency());
}

void RegisterScreen::showStatus(const QString &text, int milliseconds)
{
    m_statusLine->showStatus(text, milliseconds);
}

void RegisterScreen::applyDisplayPreferences(bool twoLine)
{
    m_delegate->setTwoLineMode(twoLine);
    if (twoLine)
        m_table->setColumnHidden(RegisterModel::MemoColumn, true);
    else
        m_table->setColumnHidden(RegisterModel::MemoColumn, m_layout->isHiddenInSettings(RegisterModel::MemoColumn));
    m_model->setTwoLineMode(twoLine);
    m_table->verticalHeader()->setDefaultSectionSize(
        twoLine ? RegisterDelegate::kTwoLineHeight : RegisterDelegate::kLineHeight);
    m_table->viewport()->update();
}

void RegisterScreen::resetColumnLayout()
{
    m_layout->reset();
}

void RegisterScreen::showHeaderContextMenu(const QPoint &pos)
{
    QHeaderView *header = m_table->horizontalHeader();
    QMenu menu(this);
    menu.addSection(tr("Show columns"));
    const bool twoLine = m_model->twoLineMode();
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        QAction *action = menu.addAction(m_model->headerData(column, Qt::Horizontal).toString());
        action->setCheckable(true);
        action->setChecked(!m_table->isColumnHidden(column));
        action->setEnabled(column != RegisterModel::DateColumn && !(twoLine && column == RegisterModel::MemoColumn));
        connect(action, &QAction::toggled, this,
            [this, column](bool visible) { m_layout->setColumnVisible(column, visible); });
    }
    menu.addSeparator();
    menu.addAction(tr("Reset register layout"), this, &RegisterScreen::resetColumnLayout);
    menu.exec(header->mapToGlobal(pos));
}

// ---- Filter ----------------------------------------------------------------

void RegisterScreen::updateFilterButton()
{
    m_header->showFilterCount(m_filter.activeCount());
}

void RegisterScreen::openFilterDialog()
{
    if (m_accountId.isEmpty())
        return;
    RegisterFilterDialog dialog(m_app, m_filter, this);
    if (UserPrompts::current()->runDialog(&dialog) != QDialog::Accepted)
        return;
    m_filter = dialog.filter();
    const QString key = RegisterFilter::preferenceKey(m_accountId);
    if (m_filter.activeCount() > 0)
        m_app->preferencesRepository()->set(key, m_filter.toJson());
    else
        m_app->preferencesRepository()->remove(key);
    updateFilterButton();
    reload();
}

bool RegisterScreen::isStoredTransactionRow(int row) const
{
    return m_model->isTransactionRow(row) && !m_model->rowAt(row).transaction.id.isEmpty();
}

Transaction RegisterScreen::transactionAt(int row) const
{
    return m_model->isTransactionRow(row) ? m_model->rowAt(row).transaction : Transaction();
}

// ---- Commit ----------------------------------------------------------------

void RegisterScreen::restoreCurrentCell(const QModelIndex &index)
{
    if (index.isValid())
        m_table->setCurrentIndex(index);
}

void RegisterScreen::commitCurrentRow()
{
    const QModelIndex current = m_table->currentIndex();
    if (QWidget *editor = m_table->openEditor(); editor && current.isValid())
        m_delegate->setModelData(editor, m_model, current);
    m_table->setCurrentIndex(QModelIndex());

    const int editingRow = m_model->editingRow();
    const bool isNew = editingRow == -1 || m_model->isNewRow(editingRow);
    const RegisterCommitBuilder builder(m_app, m_accountId);
    const RegisterCommitBuilder::Commit commit = builder.build(*m_model,
        isNew ? std::nullopt : std::optional<Transaction>(transactionAt(editingRow)));
    if (!showRefusal(commit)) {
        // The cell that holds the unknown category is where to fix it.
        if (commit.refusal == RegisterCommitBuilder::Refusal::CategoryUnknown)
            restoreCurrentCell(m_model->index(isNew ? m_model->newRowPosition() : editingRow,
                RegisterModel::CategoryColumn));
        else
            restoreCurrentCell(current);
        return;
    }
    const bool saved = isNew ? commitNewRow(builder, commit) : commitEditedRow(builder, commit);
    if (!saved)
        restoreCurrentCell(current);
}

bool RegisterScreen::showRefusal(const RegisterCommitBuilder::Commit &commit)
{
    using Refusal = RegisterCommitBuilder::Refusal;
    switch (commit.refusal) {
    case Refusal::None:
        return true;
    case Refusal::PayeeMissing:
        showStatus(tr("Payee is required"), 3000);
        break;
    case Refusal::AmountMissing:
        showStatus(tr("Enter a payment or deposit amount"), 3000);
        break;
    case Refusal::AmountUnreadable:
        showStatus(currencyDecimals(m_model->currency()) == 0
                ? tr("\"%1\" is not an amount: this account's currency has no decimals.").arg(commit.unreadableAmount)
                : tr("\"%1\" is not an amount.").arg(commit.unreadableAmount),
            5000);
        break;
    case Refusal::CategoryUnknown:
        showStatus(tr("\"%1\" does not name one category. Choose one from the list or clear the Category cell.")
                       .arg(commit.unknownCategory),
            6000);
        break;
    case Refusal::TransferAccountNotFound:
        showStatus(tr("Transfer account not found"), 3000);
        break;
    case Refusal::TransferCurrenciesDiffer:
        Q_EMIT errorMessage(tr("Transfers require both accounts to use the same currency"));
        break;
    }
    return false;
}

bool RegisterScreen::commitNewRow(const RegisterCommitBuilder &builder, const RegisterCommitBuilder::Commit &commit)
{
    const WriteResult result = builder.write(commit);
    if (result != WriteResult::Written) {
        // The typed row stays as it is: a new row has nothing stored to go stale.
        if (!WriteResultPrompt::reportRefusal(result, WriteResultPrompt::Subject::Transaction, this))
            showStatus(tr("The transaction could not be saved: %1. Your entries are still in the row.")
                           .arg(m_app->database()->lastFailure().reason()),
                5000);
        else
            reload();
        return false;
    }
    if (m_filter.activeCount() > 0 && !m_filter.matches(commit.transaction))
        showStatus(tr("Saved. It isn't listed because of the current filter."), 4000);
    m_model->buffer().lastDate = m_model->buffer().date;
    m_model->resetNewRow();
    showLocalChange({}, {commit.transaction.id, commit.counterpart ? commit.counterpart->id : QString()});
    selectNewRow();
    return true;
}

bool RegisterScreen::commitEditedRow(const RegisterCommitBuilder &builder, const RegisterCommitBuilder::Commit &commit)
{
    const int editingRow = m_model->editingRow();
    if (!m_model->isTransactionRow(editingRow))
        return false;
    const Transaction stored = transactionAt(editingRow);
    if (m_app->transactionRepository()->isOpeningBalance(stored)) {
        Q_EMIT editAccountRequested(m_accountId);
        m_model->resetNewRow();
        m_model->setEditingRow(-1);
        reload();
        return true;
    }
    if (stored.id.isEmpty()) {
        UserPrompts::current()->information(this, tr("Opening Balance"),
            tr("This account's opening balance is held on the account itself.\n\nSet it in the account's settings."));
        return false;
    }
    const WriteResult result = builder.write(commit);
    if (result == WriteResult::Failed) {
        showStatus(tr("The transaction could not be saved: %1. Your entries are still in the row.")
                       .arg(m_app->database()->lastFailure().reason()),
            5000);
        return false;
    }
    if (result != WriteResult::Written) {
        // What is stored now is shown; what was typed over the old copy is
        // let go, as it was typed against values that no longer hold.
        WriteResultPrompt::reportRefusal(result, WriteResultPrompt::Subject::Transaction, this);
        m_model->setEditingRow(-1);
        m_model->resetNewRow();
        reload();
        return false;
    }
    m_model->setEditingRow(-1);
    m_model->resetNewRow();
    showLocalChange({stored}, {commit.transaction.id, stored.transferLinkId, commit.transaction.transferLinkId});
    const int below = editingRow + 1;
    if (below < m_model->rowCount())
        m_table->setCurrentIndex(m_model->index(below, RegisterModel::DateColumn));
    return true;
}

// ---- Row commands ----------------------------------------------------------

void RegisterScreen::deleteCurrentRow()
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid())
        return;
    if (!m_model->isNewRow(current.row())) {
        deleteRow(current.row());
        return;
    }
    m_navigator->closeOpenEditor(false);
    m_model->resetNewRow();
    m_model->refreshRow(current.row());
    const QModelIndex date = m_model->index(current.row(), RegisterModel::DateColumn);
    m_table->setCurrentIndex(date);
    m_navigator->openEditorAt(date, false);
    showStatus(tr("Fields cleared"), 3000);
}

void RegisterScreen::deleteRow(int row)
{
    if (!m_model->isTransactionRow(row))
        return;
    m_navigator->closeOpenEditor(false);
    // Reloaded when nothing was deleted: the row may have changed while asked.
    const Transaction transaction = transactionAt(row);
    if (TransactionActions::confirmDelete(m_app, transaction, this))
        showLocalChange({transaction}, {transaction.id, transaction.transferLinkId});
    else
        reload();
}

void RegisterScreen::duplicateRow(int row)
{
    if (!isStoredTransactionRow(row))
        return;
    m_navigator->closeOpenEditor(false);
    QStringList saved;
    if (TransactionActions::duplicateTransaction(m_app, transactionAt(row), this, &saved)) {
        showLocalChange({}, saved);
        selectNewRow();
    }
}

void RegisterScreen::editRowInDialog(int row)
{
    if (!isStoredTransactionRow(row))
        return;
    const Transaction stored = transactionAt(row);
    // From an open editor the typing goes into the form, as from the new row.
    if (m_table->openEditor() && row == m_model->editingRow() && !stored.isSplit) {
        commitOpenEditor();
        const TransactionActions::TypedEntry typed{m_model->newRowTransaction(m_accountId), typedCategoryText()};
        m_navigator->closeOpenEditor(false);
        if (TransactionActions::editTransaction(m_app, stored, typed, this)) {
            m_model->setEditingRow(-1);
            m_model->resetNewRow();
            showLocalChange({stored}, {stored.id, stored.transferLinkId});
        } else {
            reload();
        }
        return;
    }
    m_navigator->closeOpenEditor(false);
    if (TransactionActions::editTransaction(m_app, stored, this))
        showLocalChange({stored}, {stored.id, stored.transferLinkId});
    else
        reload();
}

void RegisterScreen::editSplitsForRow(int row)
{
    if (!isStoredTransactionRow(row))
        return;
    m_navigator->closeOpenEditor(false);
    const Transaction transaction = transactionAt(row);
    if (TransactionActions::editSplits(m_app, transaction, this))
        showLocalChange({transaction}, {transaction.id});
    else
        reload();
}

void RegisterScreen::showDetailsForRow(int row)
{
    if (!m_model->isTransactionRow(row))
        return;
    m_navigator->closeOpenEditor(false);
    const Transaction transaction = transactionAt(row);
    TransactionDetailsDialog dialog(m_app, transaction, this);
    UserPrompts::current()->runDialog(&dialog);
    // The dialog writes only this row (its mark, or deleting it).
    showLocalChange({transaction}, {transaction.id, transaction.transferLinkId});
    if (dialog.deleted())
        return;
    const int now = m_model->viewRowOfTransaction(transaction.id);
    if (now < 0)
        return;
    if (dialog.editRequested())
        editRowInDialog(now);
    else if (dialog.duplicateRequested())
        duplicateRow(now);
}

void RegisterScreen::toggleClearedAt(int row)
{
    if (m_model->isNewRow(row)) {
        const QString mark = m_model->buffer().clearedMark.trimmed().toUpper();
        m_model->buffer().clearedMark = mark == QLatin1String("C") ? QString() : QStringLiteral("C");
        m_model->refreshRow(row);
        return;
    }
    if (!isStoredTransactionRow(row))
        return;
    m_navigator->closeOpenEditor(false);
    const Transaction transaction = transactionAt(row);
    if (TransactionActions::toggleCleared(m_app, transaction, this))
        showLocalChange({transaction}, {transaction.id});
    else if (!transaction.reconciled)
        reload();
}

void RegisterScreen::memorizeRow(int row)
{
    if (!isStoredTransactionRow(row))
        return;
    const Transaction transaction = transactionAt(row);
    if (!transaction.date.isValid() || transaction.date.year() < 2000) {
        showStatus(tr("Cannot memorize: source transaction has an invalid date"), 5000);
        return;
    }
    RecurringTransaction seed;
    seed.accountId = transaction.accountId;
    seed.payee = transaction.payee;
    seed.memo = transaction.memo;
    seed.amount = transaction.amount;
    seed.categoryId = transaction.categoryId;
    seed.transferDestAccountId = transaction.transferDestAccountId;
    seed.frequency = RecurringFrequency::Monthly;
    seed.intervalCount = 1;
    seed.semimonthlyDay1 = 1;
    seed.semimonthlyDay2 = 15;
    seed.startDate = transaction.date;
    seed.nextDueDate = transaction.date;
    seed.autoPost = false;
    seed.leadDays = 0;
    seed.isActive = true;
    seed.version = 1;

    // A failed save shows the form again with what was entered.
    RecurringFormDialog *dialog = RecurringFormDialog::createFromTransaction(m_app, seed, this);
    while (UserPrompts::current()->runDialog(dialog) == QDialog::Accepted) {
        RecurringTransaction rule = dialog->recurring();
        rule.updatedAt = rule.createdAt;
        const WriteResult result = m_app->recurringService()->insertRule(rule);
        if (result == WriteResult::Written) {
            showStatus(tr("Transaction memorized as recurring"), 3000);
            break;
        }
        // An account deleted while the form was open takes no rule.
        if (WriteResultPrompt::reportRefusal(result, WriteResultPrompt::Subject::RecurringRule, this))
            break;
        const QString reason = WriteResultPrompt::failureReason(m_app->database());
        UserPrompts::current()->warning(this, tr("Save Failed"),
            reason.isEmpty()
                ? tr("The recurring transaction could not be saved.\n\nYour entries are still in the form.")
                : Qt::convertFromPlainText(
                      tr("The recurring transaction could not be saved: %1.\n\nYour entries are still in the form.")
                          .arg(reason),
                      Qt::WhiteSpaceNormal));
    }
    dialog->deleteLater();
}

void RegisterScreen::autofillFromPayee(int row, const QString &payee)
{
    if (!m_model->isNewRow(row) || m_model->editingRow() != -1)
        return;
    if (!m_delegate->autofillPayee(m_model, payee.trimmed()))
        return;
    if (QWidget *editor = m_table->openEditor(); RegisterDelegate::isPayeeMemoEditor(editor)) {
        if (auto *memo = editor->findChild<QLineEdit *>(QStringLiteral("memoEdit")))
            memo->setText(m_model->buffer().memo);
    }
    m_model->refreshRow(row);
}

// ---- Dialog entry points ---------------------------------------------------

void RegisterScreen::newTransactionDialog()
{
    presentNewTransactionDialog(nullptr, false);
}

void RegisterScreen::presentNewTransactionDialog(const Transaction *seed, bool seedFromInlineRow)
{
    if (m_accountId.isEmpty())
        return;
    m_navigator->closeOpenEditor(false);
    QStringList saved;
    if (!TransactionActions::newTransaction(m_app, m_accountId, seed, this, QString(), &saved))
        return;
    if (seedFromInlineRow)
        m_model->resetNewRow();
    showLocalChange({}, saved);
    selectNewRow();
}

void RegisterScreen::editNewRowInDialog()
{
    commitOpenEditor();
    const Transaction seed = m_model->newRowTransaction(m_accountId);
    if (m_accountId.isEmpty())
        return;
    m_navigator->closeOpenEditor(false);
    // Category text that names no category goes into the form as typed.
    QStringList saved;
    if (!TransactionActions::newTransaction(m_app, m_accountId, &seed, this, typedCategoryText(), &saved))
        return;
    m_model->resetNewRow();
    showLocalChange({}, saved);
    selectNewRow();
}

QString RegisterScreen::typedCategoryText() const
{
    const RegisterModel::EditBuffer &buffer = m_model->buffer();
    return buffer.categoryId.isEmpty() ? buffer.category : QString();
}

void RegisterScreen::onContextMenu(const QPoint &pos)
{
    const QModelIndex index = m_table->indexAt(pos);
    QMenu menu(this);
    QAction *insert = menu.addAction(tr("&Insert New"), this, &RegisterScreen::beginNewTransaction);
    insert->setShortcut(QKeySequence(QStringLiteral("Ctrl+I")));
    menu.addAction(tr("&New Transaction..."), this, &RegisterScreen::newTransactionDialog);
    if (index.isValid() && m_model->isNewRow(index.row())) {
        QAction *edit = menu.addAction(tr("&Edit in Dialog..."), this, &RegisterScreen::editNewRowInDialog);
        edit->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
    } else if (index.isValid() && m_model->isTransactionRow(index.row())) {
        const int row = index.row();
        menu.addSeparator();
        QAction *details = menu.addAction(tr("Show &Details..."), this, [this, row] { showDetailsForRow(row); });
        details->setShortcut(QKeySequence(QStringLiteral("Alt+Return")));
    }
    // The balance still held on the account has no row to write to.
    if (index.isValid() && isStoredTransactionRow(index.row())) {
        const Transaction transaction = transactionAt(index.row());
        // By id: a reload while the menu is open may move the rows.
        const QString id = transaction.id;
        const auto rowOf = [this, id] { return m_model->viewRowOfTransaction(id); };
        menu.addAction(transaction.isSplit ? tr("Edit &Splits...") : tr("&Split Transaction..."), this,
            [this, rowOf] { editSplitsForRow(rowOf()); });
        QAction *edit = menu.addAction(tr("&Edit in Dialog..."), this, [this, rowOf] { editRowInDialog(rowOf()); });
        edit->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
        menu.addAction(tr("D&uplicate..."), this, [this, rowOf] { duplicateRow(rowOf()); });
        // The copy shown when the menu opened: a change made while it was
        // open is not overwritten.
        menu.addAction(transaction.cleared ? tr("Mark &Uncleared") : tr("Mark &Cleared"), this, [this, transaction] {
            m_navigator->closeOpenEditor(false);
            if (TransactionActions::flipCleared(m_app, transaction, this))
                showLocalChange({transaction}, {transaction.id});
            else
                reload();
        });
        QAction *remove = menu.addAction(tr("&Delete"), this, [this, rowOf] { deleteRow(rowOf()); });
        remove->setShortcut(QKeySequence(QStringLiteral("Ctrl+D")));
    }
    menu.exec(m_table->viewport()->mapToGlobal(pos));
}
