#include "screens/searchscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "register/categoryitems.h"
#include "register/registermodel.h"
#include "register/transactionactions.h"
#include "register/writeresultprompt.h"
#include "register/transactiondetailsdialog.h"
#include "register/userprompts.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScopedValueRollback>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

namespace {

constexpr int kTypingDelayMs = 300;

} // namespace

SearchScreen::SearchScreen(AppState *app, QWidget *parent)
    : QWidget(parent)
    , m_app(app)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);

    m_searchEdit = new QLineEdit(this);
    m_searchEdit->setObjectName(QStringLiteral("searchEdit"));
    m_searchEdit->setPlaceholderText(tr("Search payee, memo, check number..."));
    m_searchEdit->setClearButtonEnabled(true);
    layout->addWidget(m_searchEdit);

    m_typingTimer = new QTimer(this);
    m_typingTimer->setObjectName(QStringLiteral("typingTimer"));
    m_typingTimer->setSingleShot(true);
    m_typingTimer->setInterval(kTypingDelayMs);
    connect(m_typingTimer, &QTimer::timeout, this, &SearchScreen::performSearch);
    connect(m_searchEdit, &QLineEdit::textChanged, m_typingTimer, qOverload<>(&QTimer::start));

    auto *filters = new QHBoxLayout;
    filters->addWidget(new QLabel(tr("Account:"), this));
    m_accountCombo = new QComboBox(this);
    m_accountCombo->setObjectName(QStringLiteral("accountCombo"));
    filters->addWidget(m_accountCombo);
    filters->addWidget(new QLabel(tr("Category:"), this));
    m_categoryCombo = new QComboBox(this);
    m_categoryCombo->setObjectName(QStringLiteral("categoryCombo"));
    filters->addWidget(m_categoryCombo);
    // Long account and category names widen the lists, not the window.
    for (QComboBox *combo : {m_accountCombo, m_categoryCombo}) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(16);
        combo->view()->setTextElideMode(Qt::ElideNone);
    }
    m_dateRangeCheck = new QCheckBox(tr("Date range:"), this);
    m_dateRangeCheck->setObjectName(QStringLiteral("dateRangeCheck"));
    filters->addWidget(m_dateRangeCheck);
    const QDate today = QDate::currentDate();
    m_fromEdit = new QDateEdit(today.addMonths(-1), this);
    m_fromEdit->setObjectName(QStringLiteral("fromEdit"));
    filters->addWidget(m_fromEdit);
    filters->addWidget(new QLabel(tr("to"), this));
    m_toEdit = new QDateEdit(today, this);
    m_toEdit->setObjectName(QStringLiteral("toEdit"));
    filters->addWidget(m_toEdit);
    for (QDateEdit *edit : {m_fromEdit, m_toEdit}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
        edit->setEnabled(false);
        connect(edit, &QDateEdit::dateChanged, this, [this] {
            if (m_dateRangeCheck->isChecked())
                performSearch();
        });
    }
    m_clearedCheck = new QCheckBox(tr("Cleared only"), this);
    m_clearedCheck->setObjectName(QStringLiteral("clearedCheck"));
    filters->addWidget(m_clearedCheck);
    filters->addStretch();
    layout->addLayout(filters);

    const auto searchUnlessRefilling = [this] {
        if (!m_refilling)
            performSearch();
    };
    connect(m_accountCombo, &QComboBox::currentIndexChanged, this, searchUnlessRefilling);
    connect(m_categoryCombo, &QComboBox::currentIndexChanged, this, searchUnlessRefilling);
    connect(m_dateRangeCheck, &QCheckBox::toggled, this, [this](bool checked) {
        m_fromEdit->setEnabled(checked);
        m_toEdit->setEnabled(checked);
        performSearch();
    });
    connect(m_clearedCheck, &QCheckBox::toggled, this, &SearchScreen::performSearch);

    m_model = new RegisterModel(this);
    m_model->setShowNewRow(false);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("resultTable"));
    m_table->setModel(m_model);
    m_table->setAlternatingRowColors(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int column : {RegisterModel::PayeeColumn, RegisterModel::CategoryColumn, RegisterModel::MemoColumn})
        m_table->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Stretch);
    m_table->setColumnHidden(RegisterModel::BalanceColumn, true);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_table, &QWidget::customContextMenuRequested, this, &SearchScreen::onContextMenu);
    connect(m_table, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { onRowDoubleClicked(index.row()); });
    layout->addWidget(m_table, 1);
}

void SearchScreen::reloadFilterCombos()
{
    {
        QScopedValueRollback<bool> guard(m_refilling, true);
        m_accountCombo->clear();
        m_accountCombo->addItem(tr("All Accounts"), QString());
        for (const Account &account : m_app->accountRepository()->listAll())
            m_accountCombo->addItem(account.name, account.id);
        m_categoryCombo->clear();
        m_categoryCombo->addItem(tr("All Categories"), QString());
        for (const CategoryItem &item : categoryItems(m_app->categoryRepository()))
            m_categoryCombo->addItem(item.label, item.id);
    }
    // Both criteria were reset: one search for the whole refill.
    performSearch();
}

void SearchScreen::focusSearchField()
{
    m_searchEdit->setFocus(Qt::OtherFocusReason);
    m_searchEdit->selectAll();
}

TransactionSearchFilter SearchScreen::currentFilter() const
{
    TransactionSearchFilter filter;
    filter.accountId = m_accountCombo->currentData().toString();
    filter.categoryId = m_categoryCombo->currentData().toString();
    if (m_dateRangeCheck->isChecked()) {
        filter.fromDate = m_fromEdit->date();
        filter.toDate = m_toEdit->date();
    }
    // Uncleared rows are never searched for alone.
    if (m_clearedCheck->isChecked())
        filter.cleared = true;
    return filter;
}

void SearchScreen::performSearch()
{
    m_typingTimer->stop();
    const QList<RegisterRow> rows =
        m_app->transactionRepository()->search(m_searchEdit->text().trimmed(), currentFilter());
    // Each row shows its amount as its own account's register does.
    QHash<QString, Currency> currencies;
    for (const RegisterRow &row : rows) {
        const QString &accountId = row.transaction.accountId;
        if (!currencies.contains(accountId))
            currencies.insert(accountId, TransactionActions::accountCurrency(m_app, accountId));
    }
    m_model->setAccountCurrencies(std::move(currencies));
    m_model->setRows(rows);
}

void SearchScreen::applyToRow(int row, const RowAction &action)
{
    if (row < 0 || row >= m_model->listRowCount())
        return;
    applyToTransaction(m_model->rowAt(row).transaction, action);
}

void SearchScreen::applyToTransaction(const Transaction &shown, const RowAction &action)
{
    const std::optional<Transaction> stored = m_app->transactionRepository()->findById(shown.id);
    // A row that changed since the search ran is not the one the user chose.
    if (!stored || !UserWrite::sameRow(*stored, shown)) {
        WriteResultPrompt::reportRefusal(WriteResult::ChangedElsewhere, WriteResultPrompt::Subject::Transaction, this);
        performSearch();
        return;
    }
    if (action(*stored))
        performSearch();
}

bool SearchScreen::showDetails(const Transaction &transaction)
{
    bool editRequested = false;
    bool duplicateRequested = false;
    {
        TransactionDetailsDialog dialog(m_app, transaction, this);
        UserPrompts::current()->runDialog(&dialog);
        if (dialog.deleted())
            return true;
        editRequested = dialog.editRequested();
        duplicateRequested = dialog.duplicateRequested();
    }
    // The dialog may have changed the transaction (its cleared mark): act on
    // what is stored now.
    const std::optional<Transaction> current = m_app->transactionRepository()->findById(transaction.id);
    if (current && !current->deletedAt) {
        if (editRequested)
            TransactionActions::editTransaction(m_app, *current, this);
        else if (duplicateRequested)
            TransactionActions::duplicateTransaction(m_app, *current, this);
    }
    return true;
}

QMenu *SearchScreen::contextMenuForRow(int row)
{
    if (row < 0 || row >= m_model->listRowCount())
        return nullptr;
    // A copy: the list may be replaced while the menu is open.
    const Transaction transaction = m_model->rowAt(row).transaction;
    auto *menu = new QMenu(this);
    const auto addAction = [this, menu, transaction](const QString &text, const RowAction &action) {
        QAction *entry = menu->addAction(text);
        connect(entry, &QAction::triggered, this,
                [this, transaction, action] { applyToTransaction(transaction, action); });
    };
    addAction(tr("Show &Details..."), [this](const Transaction &t) { return showDetails(t); });
    addAction(transaction.isSplit ? tr("Edit &Splits...") : tr("&Split Transaction..."),
              [this](const Transaction &t) { return TransactionActions::editSplits(m_app, t, this); });
    addAction(tr("&Edit in Dialog..."),
              [this](const Transaction &t) { return TransactionActions::editTransaction(m_app, t, this); });
    addAction(tr("D&uplicate..."),
              [this](const Transaction &t) { return TransactionActions::duplicateTransaction(m_app, t, this); });
    if (!transaction.reconciled) {
        addAction(transaction.cleared ? tr("Mark &Uncleared") : tr("Mark &Cleared"),
                  [this](const Transaction &t) { return TransactionActions::toggleCleared(m_app, t, this); });
    }
    menu->addSeparator();
    addAction(tr("&Delete..."),
              [this](const Transaction &t) { return TransactionActions::confirmDelete(m_app, t, this); });
    return menu;
}

void SearchScreen::onContextMenu(const QPoint &pos)
{
    const QModelIndex index = m_table->indexAt(pos);
    if (!index.isValid())
        return;
    // The chosen entry runs inside exec, while the menu still exists.
    const std::unique_ptr<QMenu> menu(contextMenuForRow(index.row()));
    if (menu)
        menu->exec(m_table->viewport()->mapToGlobal(pos));
}

void SearchScreen::onRowDoubleClicked(int row)
{
    if (row < 0 || row >= m_model->listRowCount())
        return;
    Q_EMIT editTransactionRequested(m_model->rowAt(row).transaction.id);
    applyToRow(row, [this](const Transaction &t) { return TransactionActions::editTransaction(m_app, t, this); });
}
