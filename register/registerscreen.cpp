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
#include "register/wrappinglabel.h"
#include "register/wrappingrowlayout.h"
#include "register/registerdelegate.h"
#include "register/registerfilterdialog.h"
#include "register/registermodel.h"
#include "register/registernavigator.h"
#include "register/registertableview.h"
#include "register/transactionactions.h"
#include "register/transactiondetailsdialog.h"
#include "register/userprompts.h"
#include "screens/recurringformdialog.h"
#include "services/recurringservice.h"
#include "ui/palettehelpers.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <sqlite3.h>

RegisterScreen::RegisterScreen(AppState *app, QWidget *parent)
    : QWidget(parent)
    , m_app(app)
{
    m_readerInbox = new QObject(this);
    setupUi();
    connectSignals();
    m_layout->restore();
}

RegisterScreen::~RegisterScreen()
{
    // A reader still running delivers to this screen: it must end first.
    for (const QPointer<QThread> &reader : std::as_const(m_readers)) {
        if (reader)
            reader->wait();
    }
    m_table->detachScreen();
}

void RegisterScreen::setupUi()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);

    // Too narrow for the whole title beside the rest, the title gets a line of its own.
    auto *header = new WrappingRowLayout;
    header->setSpacing(16);
    // A long name shortens with an ellipsis rather than widening the window.
    m_titleLabel = new ElidedLabel(this);
    m_titleLabel->setObjectName(QStringLiteral("titleLabel"));
    m_titleLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // The account's name and institution are data: never read as markup.
    m_titleLabel->setTextFormat(Qt::PlainText);
    applyFontRole(m_titleLabel, 5);
    header->addWidget(m_titleLabel, 1);
    header->addWidget(makeSummaryField(tr("Cleared"), &m_clearedValue, false));
    header->addWidget(makeSummaryField(tr("Uncleared"), &m_unclearedValue, false));
    header->addWidget(makeSummaryField(tr("Balance"), &m_balanceValue, true));
    m_clearedValue->setObjectName(QStringLiteral("clearedValue"));
    m_unclearedValue->setObjectName(QStringLiteral("unclearedValue"));
    m_balanceValue->setObjectName(QStringLiteral("balanceValue"));

    m_newButton = new QPushButton(tr("&New Transaction"), this);
    m_newButton->setObjectName(QStringLiteral("newTransactionButton"));
    m_newButton->setFocusPolicy(Qt::ClickFocus);
    markAccentButton(m_newButton);
    m_newButton->setToolTip(tr("Add a transaction using the full form"));
    connect(m_newButton, &QPushButton::clicked, this, &RegisterScreen::newTransactionDialog);
    header->addWidget(m_newButton);

    m_filterButton = new QPushButton(this);
    m_filterButton->setObjectName(QStringLiteral("filterButton"));
    m_filterButton->setFocusPolicy(Qt::ClickFocus);
    connect(m_filterButton, &QPushButton::clicked, this, &RegisterScreen::openFilterDialog);
    header->addWidget(m_filterButton);

    m_reconcileButton = new QPushButton(tr("&Reconcile"), this);
    m_reconcileButton->setObjectName(QStringLiteral("reconcileButton"));
    m_reconcileButton->setFocusPolicy(Qt::ClickFocus);
    connect(m_reconcileButton, &QPushButton::clicked, this, [this] { Q_EMIT reconcileRequested(m_accountId); });
    header->addWidget(m_reconcileButton);
    layout->addLayout(header);

    m_subtitleLabel = new ElidedLabel(this);
    m_subtitleLabel->setObjectName(QStringLiteral("subtitleLabel"));
    m_subtitleLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_subtitleLabel->setTextFormat(Qt::PlainText);
    applyFontRole(m_subtitleLabel, 2);
    m_subtitleLabel->setStyleSheet(mutedTextStyle());
    layout->addWidget(m_subtitleLabel);

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

    // Messages and the key hint wrap rather than widen the window.
    auto *footer = new WrappingRowLayout;
    m_statusLabel = new WrappingLabel(this);
    m_statusLabel->setObjectName(QStringLiteral("statusLabel"));
    applyFontRole(m_statusLabel, 0);
    m_statusLabel->setStyleSheet(QStringLiteral("color: %1; padding: 2px 4px;").arg(mutedTextColor().name()));
    footer->addWidget(m_statusLabel);
    footer->addStretch();
    m_hintLabel = new WrappingLabel(this);
    m_hintLabel->setObjectName(QStringLiteral("hintLabel"));
    applyFontRole(m_hintLabel, 0);
    m_hintLabel->setText(tr("%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  ': copy above")
                             .arg(QKeySequence(QStringLiteral("Ctrl+Return")).toString(QKeySequence::NativeText),
                                 QKeySequence(QStringLiteral("Ctrl+D")).toString(QKeySequence::NativeText),
                                 QKeySequence(QStringLiteral("Ctrl+M")).toString(QKeySequence::NativeText)));
    setThemedStyleSheet(m_hintLabel, [] {
        return QStringLiteral("color: %1; padding: 2px 4px;")
            .arg(isDarkPalette() ? QStringLiteral("#5A7A6E") : mutedTextColor().name());
    });
    footer->addWidget(m_hintLabel);
    layout->addLayout(footer);

    m_statusTimer = new QTimer(this);
    m_statusTimer->setSingleShot(true);
    connect(m_statusTimer, &QTimer::timeout, m_statusLabel, &QLabel::clear);
    updateFilterButton();
}

QWidget *RegisterScreen::makeSummaryField(const QString &caption, QLabel **valueLabel, bool bold)
{
    auto *field = new QWidget(this);
    auto *layout = new QVBoxLayout(field);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    auto *captionLabel = new QLabel(caption, field);
    applyFontRole(captionLabel, 2);
    captionLabel->setStyleSheet(mutedTextStyle());
    captionLabel->setAlignment(Qt::AlignCenter);
    auto *value = new QLabel(field);
    if (bold)
        applyFontRoleWithWeight(value, 3, 700);
    else
        applyFontRole(value, 3);
    value->setAlignment(Qt::AlignCenter);
    layout->addWidget(captionLabel);
    layout->addWidget(value);
    *valueLabel = value;
    return field;
}

void RegisterScreen::setupTable()
{
    m_table = new RegisterTableView(this, this);
    m_table->setObjectName(QStringLiteral("registerTable"));
    m_model = new RegisterModel(this);
    // A sort needs every row.
    m_model->setPendingRowsNeeded([this] { finishEarlierRows(); });
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
    load(!sameAccount);
    if (!sameAccount)
        selectNewRow();
}

void RegisterScreen::reload()
{
    load(false);
}

bool RegisterScreen::readingEarlierRows() const
{
    return m_model->hasPendingRows();
}

void RegisterScreen::load(bool newestFirst)
{
    // Typing is never cut short: the reload waits for the editor to close.
    if (m_table->isEditing()) {
        m_reloadPending = true;
        return;
    }
    m_reloadPending = false;
    m_currentLoad->store(++m_load);
    const std::optional<Account> account =
        m_accountId.isEmpty() ? std::nullopt : m_app->accountRepository()->findById(m_accountId);
    // A deleted account shows nothing to type into; the main window leaves it.
    if (!account || account->deletedAt) {
        m_model->setRows({});
        return;
    }

    m_titleLabel->setFullText(account->name);
    // Tool tips guess the format: a name that looks like markup must not be read as such.
    m_titleLabel->setToolTip(Qt::convertFromPlainText(account->name, Qt::WhiteSpacePre));
    QString subtitle = account->institution;
    if (!account->institution.isEmpty() && !account->accountNumberLast4.isEmpty())
        subtitle += QStringLiteral("  ·  *%1").arg(account->accountNumberLast4);
    m_subtitleLabel->setFullText(subtitle);
    m_subtitleLabel->setToolTip(Qt::convertFromPlainText(subtitle, Qt::WhiteSpacePre));
    m_subtitleLabel->setVisible(!subtitle.isEmpty());

    // Where the user was, by transaction id, so it comes back after the rows
    // are replaced.
    const QModelIndex topIndex = m_table->indexAt(QPoint(0, 0));
    const int topRow = topIndex.isValid() ? topIndex.row() : -1;
    const QString topId = m_model->isTransactionRow(topRow) ? m_model->rowAt(topRow).transaction.id : QString();
    const QModelIndex current = m_table->currentIndex();
    const int currentRow = current.isValid() ? current.row() : -1;
    const int currentColumn = current.isValid() ? current.column() : 0;
    const bool onNewRow = current.isValid() && m_model->isNewRow(currentRow);
    const QString currentId = m_model->isTransactionRow(currentRow) ? m_model->rowAt(currentRow).transaction.id : QString();

    // The model holds every row, for the running balances and the sums, and
    // lists those the filter passes.
    // A first screen of the newest rows, when they show exactly what the
    // whole account would: sorted by date, every row listed.
    constexpr int kNewestRows = 300;
    std::optional<TransactionRepository::RegisterNewest> newest;
    if (newestFirst && m_filter.activeCount() == 0 && m_model->sortColumn() == RegisterModel::DateColumn)
        newest = m_app->transactionRepository()->listRegisterNewest(m_accountId, kNewestRows);
    QList<RegisterRow> rows;
    if (!newest)
        rows = m_app->transactionRepository()->listRegister(m_accountId);
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
    if (newest) {
        m_model->setNewestRows(std::move(newest->rows), newest->earlierRows, newest->clearedSum,
            newest->unclearedSum);
        readEarlierRows();
    } else {
        m_model->setRows(std::move(rows));
    }

    m_banner->showFor(m_accountId);
    updateSummary(m_model->clearedSum(), m_model->unclearedSum(), liability, account->currency);

    const int restoredTop = m_model->viewRowOfTransaction(topId);
    if (restoredTop >= 0)
        m_table->scrollTo(m_model->index(restoredTop, 0), QAbstractItemView::PositionAtTop);
    // Never onto another transaction: a row that is gone leaves the cursor
    // on the new row.
    int restoredCurrent = m_model->viewRowOfTransaction(currentId);
    if (restoredCurrent < 0 && (onNewRow || !currentId.isEmpty()))
        restoredCurrent = m_model->newRowPosition();
    else if (restoredCurrent < 0 && currentRow >= 0)
        restoredCurrent = qMin(currentRow, m_model->rowCount() - 1);
    if (restoredCurrent >= 0) {
        const QModelIndex index = m_model->index(restoredCurrent, currentColumn);
        m_table->setCurrentIndex(index);
        m_table->scrollTo(index);
    }
}

void RegisterScreen::readEarlierRows()
{
    const quint64 load = m_load;
    const QString accountId = m_accountId;
    const QString path = m_app->database()->db()->databaseName();
    // A database only this connection sees is read here, after the first
    // screen has shown.
    if (path.isEmpty() || path.startsWith(QLatin1String(":memory:")) || path.contains(QLatin1String("mode=memory"))) {
        QTimer::singleShot(0, this, [this, load] {
            if (load == m_load)
                takeEarlierRows(load, m_app->transactionRepository()->listRegister(m_accountId));
        });
        return;
    }
    // Its own connection on its own thread: the window stays live meanwhile.
    QThread *reader = QThread::create([this, load, accountId, path, current = m_currentLoad] {
        QList<RegisterRow> rows;
        {
            Database database;
            if (database.open(path)) {
                // A read made stale by another load stops early.
                struct Stale
                {
                    std::shared_ptr<std::atomic<quint64>> current;
                    quint64 load;
                } stale{current, load};
                sqlite3 *handle = database.nativeHandle();
                if (handle) {
                    sqlite3_progress_handler(handle, 10000, [](void *context) {
                        const auto *read = static_cast<const Stale *>(context);
                        return read->current->load() != read->load ? 1 : 0;
                    }, &stale);
                }
                TransactionRepository repository(&database);
                rows = repository.listRegister(accountId);
                if (handle)
                    sqlite3_progress_handler(handle, 0, nullptr, nullptr);
            }
        }
        // Another account or a reload came meanwhile: the rows are freed
        // here rather than on the window's thread.
        if (current->load() != load)
            return;
        QMetaObject::invokeMethod(m_readerInbox, [this, load, rows = std::move(rows)]() mutable {
            takeEarlierRows(load, std::move(rows));
        }, Qt::QueuedConnection);
    });
    connect(reader, &QThread::finished, reader, &QObject::deleteLater);
    m_readers.removeAll(nullptr);
    m_readers.append(reader);
    m_reader = reader;
    reader->start(QThread::LowPriority);
}

int RegisterScreen::rowAfterEarlierRows(int row)
{
    if (!m_model->hasPendingRows())
        return row;
    const QString id = m_model->isTransactionRow(row) ? m_model->rowAt(row).transaction.id : QString();
    finishEarlierRows();
    return id.isEmpty() ? row : m_model->viewRowOfTransaction(id);
}

void RegisterScreen::finishEarlierRows()
{
    if (!m_model->hasPendingRows())
        return;
    if (m_reader)
        m_reader->wait();
    // The rows it read wait in the inbox's queue.
    QCoreApplication::sendPostedEvents(m_readerInbox, QEvent::MetaCall);
    if (m_model->hasPendingRows())
        load(false);
}

void RegisterScreen::takeEarlierRows(quint64 load, QList<RegisterRow> rows)
{
    // A later load, or a change shown meanwhile, has replaced the rows.
    if (load != m_load || !m_model->hasPendingRows())
        return;
    if (!m_model->completeRows(std::move(rows))) {
        // Changed between the two reads: the whole account as it is now.
        reload();
        return;
    }
    updateSummary(m_model->clearedSum(), m_model->unclearedSum(), m_model->liabilityAccount(), m_model->currency());
}

void RegisterScreen::showLocalChange(const QList<Transaction> &before, const QStringList &ids)
{
    if (m_accountId.isEmpty())
        return;
    // Rows still being read are waited for: the change goes on top of them.
    finishEarlierRows();
    // An open editor holds any change back, and a reload already waiting
    // brings changes from elsewhere as well: both take the whole account.
    if (m_table->isEditing() || m_reloadPending || m_model->hasPendingRows()) {
        reload();
        return;
    }
    QStringList written;
    for (const QString &id : ids) {
        if (!id.isEmpty() && !written.contains(id))
            written.append(id);
    }
    // Nothing named: what was written is not known here.
    if (written.isEmpty()) {
        reload();
        return;
    }
    const std::optional<QList<RegisterRow>> stored = m_app->transactionRepository()->registerRowsByIds(written);
    if (!stored) {
        reload();
        return;
    }
    QList<RegisterRow> after;
    for (const RegisterRow &row : *stored) {
        if (row.transaction.accountId == m_accountId)
            after.append(row);
    }
    m_model->applyChanges(before, after);
    m_banner->showFor(m_accountId);
    updateSummary(m_model->clearedSum(), m_model->unclearedSum(), m_model->liabilityAccount(), m_model->currency());
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

void RegisterScreen::updateSummary(std::optional<qint64> cleared, std::optional<qint64> uncleared, bool liability,
    Currency currency)
{
    const auto shown = [liability, currency](std::optional<qint64> sum) {
        return sum ? formatMoneySigned(*sum, liability, currency) : sumTooLargeText();
    };
    const std::optional<qint64> total = cleared && uncleared ? checkedSum(*cleared, *uncleared) : std::nullopt;
    m_clearedValue->setText(shown(cleared));
    m_unclearedValue->setText(shown(uncleared));
    m_balanceValue->setText(shown(total));
    const bool negative = total && (liability ? *total > 0 : *total < 0);
    setThemedStyleSheet(m_balanceValue, [negative] {
        const QColor color = negative ? negativeAmountColor() : positiveAmountColor();
        return QStringLiteral("color: %1;").arg(color.name());
    });
}

void RegisterScreen::showStatus(const QString &text, int milliseconds)
{
    m_statusLabel->setText(text);
    m_statusTimer->start(qMax(0, milliseconds));
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
    const int count = m_filter.activeCount();
    QFont font = m_filterButton->font();
    font.setWeight(count > 0 ? QFont::Bold : QFont::Normal);
    m_filterButton->setFont(font);
    if (count > 0) {
        m_filterButton->setText(tr("Fi&lter (%1)").arg(count));
        m_filterButton->setToolTip(tr("Filters are applied. Click to change or clear them."));
    } else {
        m_filterButton->setText(tr("Fi&lter"));
        m_filterButton->setToolTip(tr("Filter which transactions are listed"));
    }
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
    finishEarlierRows();

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
            showStatus(tr("The transaction could not be saved. Your entries are still in the row."), 5000);
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
        showStatus(tr("The transaction could not be saved. Your entries are still in the row."), 5000);
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
    row = rowAfterEarlierRows(row);
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
    row = rowAfterEarlierRows(row);
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
    row = rowAfterEarlierRows(row);
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
    row = rowAfterEarlierRows(row);
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
    row = rowAfterEarlierRows(row);
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
    row = rowAfterEarlierRows(row);
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
        UserPrompts::current()->warning(this, tr("Save Failed"),
            tr("The recurring transaction could not be saved.\n\nYour entries are still in the form."));
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
    finishEarlierRows();
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
    finishEarlierRows();
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
            finishEarlierRows();
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
