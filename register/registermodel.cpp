#include "register/registermodel.h"

#include "data/money.h"
#include "register/dateentry.h"
#include "ui/palettehelpers.h"
#include "ui/thememanager.h"

#include <QCollator>
#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <limits>
#include <numeric>

namespace {

int clearedRank(const Transaction &transaction)
{
    return transaction.reconciled ? 2 : transaction.cleared ? 1 : 0;
}

QString textKey(const RegisterRow &row, int column)
{
    switch (column) {
    case RegisterModel::CheckNumberColumn:
        return row.transaction.checkNumber;
    case RegisterModel::PayeeColumn:
        return row.transaction.payee;
    case RegisterModel::CategoryColumn:
        return row.categoryName;
    default:
        return row.transaction.memo;
    }
}

// Ranks of the rows' texts in locale-aware order. Every distinct text is
// collated once, so sorting 100k rows with a few thousand payees costs a
// few thousand collations, not millions.
QVector<qint64> textRanks(const QList<RegisterRow> &rows, int column)
{
    QHash<QString, int> distinct;
    QVector<int> slotOfRow(rows.size());
    QStringList texts;
    for (int i = 0; i < rows.size(); ++i) {
        const QString text = textKey(rows[i], column);
        auto it = distinct.constFind(text);
        if (it == distinct.constEnd()) {
            it = distinct.insert(text, int(texts.size()));
            texts.append(text);
        }
        slotOfRow[i] = *it;
    }
    QCollator collator;
    QVector<QCollatorSortKey> sortKeys;
    sortKeys.reserve(texts.size());
    for (const QString &text : std::as_const(texts))
        sortKeys.append(collator.sortKey(text));
    QVector<int> bySortKey(texts.size());
    std::iota(bySortKey.begin(), bySortKey.end(), 0);
    std::sort(bySortKey.begin(), bySortKey.end(),
        [&](int a, int b) { return sortKeys[a].compare(sortKeys[b]) < 0; });
    // Texts that collate equal share a rank.
    QVector<qint64> rankOfSlot(texts.size());
    for (int i = 0; i < bySortKey.size(); ++i) {
        const bool sameAsPrevious = i > 0 && sortKeys[bySortKey[i]].compare(sortKeys[bySortKey[i - 1]]) == 0;
        rankOfSlot[bySortKey[i]] = sameAsPrevious ? rankOfSlot[bySortKey[i - 1]] : i;
    }
    QVector<qint64> ranks(rows.size());
    for (int i = 0; i < rows.size(); ++i)
        ranks[i] = rankOfSlot[slotOfRow[i]];
    return ranks;
}

} // namespace

RegisterModel::RegisterModel(QObject *parent)
    : QAbstractTableModel(parent)
    , m_amountFont(ThemeManager::monospaceFont())
{
    resetNewRow();
    updateColors();
    QCoreApplication::instance()->installEventFilter(this);
}

void RegisterModel::updateColors()
{
    const bool dark = isDarkPalette();
    m_colors.muted = mutedTextColor();
    m_colors.negative = negativeAmountColor();
    m_colors.positive = positiveAmountColor();
    m_colors.bufferBackground = dark ? QColor(0x1A, 0x2E, 0x28) : QColor(0xE8, 0xF5, 0xE9);
    m_colors.overdrawnBackground = dark ? QColor(0x3A, 0x1E, 0x1E) : QColor(0xFD, 0xEA, 0xEA);
}

bool RegisterModel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ApplicationPaletteChange && watched == QCoreApplication::instance()) {
        updateColors();
        if (rowCount() > 0)
            Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1),
                {Qt::ForegroundRole, Qt::BackgroundRole});
    }
    return QAbstractTableModel::eventFilter(watched, event);
}

int RegisterModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return int(m_order.size()) + (m_showNewRow ? 1 : 0);
}

int RegisterModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

int RegisterModel::newRowPosition() const
{
    if (!m_showNewRow)
        return -1;
    if (m_sortColumn == DateColumn && m_sortOrder == Qt::DescendingOrder)
        return 0;
    return int(m_order.size());
}

int RegisterModel::listIndex(int viewRow) const
{
    const bool newRowOnTop = m_showNewRow && newRowPosition() == 0;
    const int index = newRowOnTop ? viewRow - 1 : viewRow;
    return index >= 0 && index < m_order.size() ? index : -1;
}

const RegisterRow &RegisterModel::rowAt(int viewRow) const
{
    // An empty row, never another transaction's: no id, nothing to write.
    static const RegisterRow none;
    const int index = listIndex(viewRow);
    return index >= 0 ? m_rows[m_order[index]] : none;
}

int RegisterModel::viewRowOfTransaction(const QString &transactionId) const
{
    if (transactionId.isEmpty())
        return -1;
    const int offset = m_showNewRow && newRowPosition() == 0 ? 1 : 0;
    for (int i = 0; i < m_order.size(); ++i) {
        if (m_rows[m_order[i]].transaction.id == transactionId)
            return i + offset;
    }
    return -1;
}

bool RegisterModel::isSplitAmountCell(const QModelIndex &index) const
{
    if (!index.isValid() || isNewRow(index.row()) || listIndex(index.row()) < 0)
        return false;
    const int column = index.column();
    return rowAt(index.row()).transaction.isSplit
        && (column == CategoryColumn || column == PaymentColumn || column == DepositColumn);
}

bool RegisterModel::isOpenNewRow(int viewRow) const
{
    return isNewRow(viewRow) && m_editingRow == -1;
}

bool RegisterModel::isBufferRow(int viewRow) const
{
    return isOpenNewRow(viewRow) || (m_editingRow >= 0 && viewRow == m_editingRow);
}

QString RegisterModel::bufferText(int column) const
{
    switch (column) {
    case DateColumn:
        return m_buffer.date;
    case CheckNumberColumn:
        return m_buffer.checkNumber;
    case PayeeColumn:
        return m_buffer.payee;
    case CategoryColumn:
        return m_buffer.category;
    case MemoColumn:
        return m_buffer.memo;
    case PaymentColumn:
        return m_buffer.payment;
    case DepositColumn:
        return m_buffer.deposit;
    case ClearedColumn:
        return m_buffer.clearedMark;
    default:
        return QString();
    }
}

QString RegisterModel::placeholder(int column) const
{
    switch (column) {
    case DateColumn:
        return tr("Date");
    case CheckNumberColumn:
        return tr("Chk #");
    case PayeeColumn:
        return tr("Payee");
    case CategoryColumn:
        return tr("Category");
    case MemoColumn:
        return tr("Memo");
    case PaymentColumn:
        return tr("Payment");
    case DepositColumn:
        return tr("Deposit");
    case ClearedColumn:
        return tr("Clr");
    default:
        return QString();
    }
}

QVariant RegisterModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return QVariant();
    const int viewRow = index.row();
    const int column = index.column();

    // While another row is edited, the new row shows nothing at all.
    if (isNewRow(viewRow) && m_editingRow != -1)
        return QVariant();

    if (isBufferRow(viewRow)) {
        const QVariant value = bufferData(index, role);
        if (value.isValid())
            return value;
    }
    const int list = listIndex(viewRow);
    if (list < 0 || isNewRow(viewRow))
        return QVariant();
    return rowData(m_rows[m_order[list]], column, role);
}

QVariant RegisterModel::bufferData(const QModelIndex &index, int role) const
{
    const int column = index.column();
    const bool openNewRow = isOpenNewRow(index.row());
    if ((role == Qt::DisplayRole || role == Qt::EditRole) && column <= ClearedColumn) {
        if (role == Qt::DisplayRole && !openNewRow && column == CategoryColumn) {
            const int list = listIndex(index.row());
            if (list >= 0 && m_rows[m_order[list]].transaction.isSplit)
                return tr("—Split—");
        }
        const QString text = bufferText(column);
        if (role == Qt::DisplayRole && openNewRow && text.isEmpty())
            return placeholder(column);
        return text;
    }
    if (role == Qt::BackgroundRole && !m_twoLineMode)
        return m_colors.bufferBackground;
    if (role == Qt::ForegroundRole && openNewRow && column <= ClearedColumn && bufferText(column).isEmpty())
        return m_colors.muted;
    return QVariant();
}

QVariant RegisterModel::rowData(const RegisterRow &row, int column, int role) const
{
    const Transaction &transaction = row.transaction;
    // A balance that does not fit is shown as such and counts as not negative.
    const qint64 balance = row.runningBalance.value_or(0);
    const bool balanceNegative = m_liabilityAccount ? balance > 0 : balance < 0;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (column) {
        case DateColumn:
            return entryDateText(transaction.date);
        case CheckNumberColumn:
            return transaction.checkNumber;
        case PayeeColumn:
            return transaction.payee;
        case CategoryColumn:
            return transaction.isSplit && role == Qt::DisplayRole ? tr("—Split—") : row.categoryName;
        case MemoColumn:
            return transaction.memo;
        case PaymentColumn:
            return transaction.amount < 0 ? formatAmountSigned(transaction.amount, true, rowCurrency(transaction))
                                          : QString();
        case DepositColumn:
            return transaction.amount >= 0 ? formatAmount(transaction.amount, rowCurrency(transaction)) : QString();
        case ClearedColumn:
            return transaction.reconciled ? QStringLiteral("R") : transaction.cleared ? QStringLiteral("C") : QString();
        case BalanceColumn:
            if (role == Qt::EditRole)
                return QVariant();
            return row.runningBalance ? formatAmountSigned(*row.runningBalance, m_liabilityAccount, m_currency)
                                      : sumTooLargeText();
        }
        break;
    case Qt::TextAlignmentRole:
        if (column == PaymentColumn || column == DepositColumn || column == BalanceColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (column == ClearedColumn)
            return int(Qt::AlignCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (column == MemoColumn || column == ClearedColumn)
            return m_colors.muted;
        if (column == PaymentColumn)
            return m_colors.negative;
        if (column == DepositColumn && transaction.amount >= 0)
            return m_colors.positive;
        if (column == BalanceColumn && balanceNegative)
            return m_colors.negative;
        break;
    case Qt::FontRole:
        if (column == PaymentColumn || column == DepositColumn || column == BalanceColumn) {
            QFont font = m_amountFont;
            if (column == BalanceColumn && m_balanceMarks && balance < 0)
                font.setWeight(QFont::Bold);
            return font;
        }
        break;
    case Qt::BackgroundRole:
        if (m_highlightOverdrawn && m_balanceMarks && balance < 0)
            return m_colors.overdrawnBackground;
        break;
    default:
        break;
    }
    return QVariant();
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case DateColumn:
        return tr("Date");
    case CheckNumberColumn:
        return tr("Chk #");
    case PayeeColumn:
        return m_twoLineMode ? tr("Payee / Memo") : tr("Payee");
    case CategoryColumn:
        return tr("Category");
    case MemoColumn:
        return tr("Memo");
    case PaymentColumn:
        return m_liabilityAccount ? tr("Charge") : tr("Payment");
    case DepositColumn:
        return m_liabilityAccount ? tr("Payment") : tr("Deposit");
    case ClearedColumn:
        return tr("Clr");
    case BalanceColumn:
        return tr("Balance");
    default:
        return QVariant();
    }
}

Qt::ItemFlags RegisterModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags readOnly = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const int column = index.column();
    if (column == ClearedColumn || column == BalanceColumn)
        return readOnly;
    const int viewRow = index.row();
    if (isNewRow(viewRow))
        return readOnly | Qt::ItemIsEditable;
    if (m_editingRow < 0 || viewRow != m_editingRow)
        return readOnly;
    const int list = listIndex(viewRow);
    if (list < 0)
        return readOnly;
    if (m_rows[m_order[list]].transaction.id.isEmpty() || isSplitAmountCell(index))
        return readOnly;
    return readOnly | Qt::ItemIsEditable;
}

bool RegisterModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return false;
    const QString text = value.toString();
    switch (index.column()) {
    case DateColumn:
        m_buffer.date = text;
        break;
    case CheckNumberColumn:
        m_buffer.checkNumber = text;
        break;
    case PayeeColumn:
        m_buffer.payee = text;
        break;
    case CategoryColumn:
        // A new text names no item by itself: the writer that knows the
        // item sets the id afterwards, otherwise the commit looks it up.
        if (text != m_buffer.category)
            m_buffer.categoryId.clear();
        m_buffer.category = text;
        break;
    case MemoColumn:
        m_buffer.memo = text;
        break;
    case PaymentColumn:
        m_buffer.payment = text;
        break;
    case DepositColumn:
        m_buffer.deposit = text;
        break;
    case ClearedColumn:
        m_buffer.clearedMark = text;
        break;
    default:
        return true;
    }
    Q_EMIT dataChanged(index, index);
    return true;
}

void RegisterModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    // The row under edit keeps its buffer across the sort.
    const int editedIndex = m_editingRow >= 0 ? listIndex(m_editingRow) : -1;
    const int editedRecord = editedIndex >= 0 ? m_order[editedIndex] : -1;
    beginResetModel();
    m_sortColumn = column;
    m_sortOrder = order;
    sortRows();
    if (editedRecord >= 0) {
        const int position = int(m_order.indexOf(editedRecord));
        const int offset = m_showNewRow && newRowPosition() == 0 ? 1 : 0;
        m_editingRow = position + offset;
    }
    endResetModel();
    Q_EMIT sortChanged(column, order);
}

void RegisterModel::sortRows()
{
    const int count = int(m_order.size());
    if (count < 2)
        return;
    QVector<qint64> keys(m_rows.size());
    switch (m_sortColumn) {
    case DateColumn:
        keys = m_days;
        break;
    case CheckNumberColumn:
    case PayeeColumn:
    case CategoryColumn:
    case MemoColumn:
        keys = textRanks(m_rows, m_sortColumn);
        break;
    case PaymentColumn:
        for (int i = 0; i < m_rows.size(); ++i)
            keys[i] = m_rows[i].transaction.amount < 0 ? -m_rows[i].transaction.amount : -1;
        break;
    case DepositColumn:
        for (int i = 0; i < m_rows.size(); ++i)
            keys[i] = m_rows[i].transaction.amount > 0 ? m_rows[i].transaction.amount : -1;
        break;
    case ClearedColumn:
        for (int i = 0; i < m_rows.size(); ++i)
            keys[i] = clearedRank(m_rows[i].transaction);
        break;
    case BalanceColumn:
        for (int i = 0; i < m_rows.size(); ++i)
            keys[i] = !m_rows[i].runningBalance ? std::numeric_limits<qint64>::max()
                : m_liabilityAccount                ? -*m_rows[i].runningBalance
                                                    : *m_rows[i].runningBalance;
        break;
    }
    // Sorted as compact entries in the current display order, so the sort
    // is stable against it and touches no row records.
    struct Entry
    {
        qint64 key;
        qint64 day;
        int record;
    };
    std::vector<Entry> entries;
    entries.reserve(count);
    for (const int record : std::as_const(m_order))
        entries.push_back({keys[record], m_days[record], record});

    // Equal keys put the newest date first in both directions; equal dates
    // keep their previous order. By date, same-day rows take the stored
    // order, the one the running balances were added up in, so the balance
    // column reads through whatever sort came before.
    const bool ascending = m_sortOrder == Qt::AscendingOrder;
    const bool byDate = m_sortColumn == DateColumn;
    const auto goesFirst = [ascending, byDate](const Entry &a, const Entry &b) {
        if (a.key != b.key)
            return ascending ? a.key < b.key : a.key > b.key;
        if (a.day != b.day)
            return a.day > b.day;
        return byDate && a.record < b.record;
    };
    if (std::is_sorted(entries.begin(), entries.end(), goesFirst))
        return;
    std::stable_sort(entries.begin(), entries.end(), goesFirst);
    for (int i = 0; i < count; ++i)
        m_order[i] = entries[i].record;
}

void RegisterModel::setRows(QList<RegisterRow> rows)
{
    // The buffer survives: the new row's typing as it is, an existing row's
    // typing while that transaction is still listed. An existing row without
    // typing takes up the transaction as it is now stored.
    const bool editingExisting = m_editingRow >= 0;
    const int editedIndex = editingExisting ? listIndex(m_editingRow) : -1;
    const RegisterRow *edited = editedIndex >= 0 ? &m_rows[m_order[editedIndex]] : nullptr;
    const QString editedId = edited ? edited->transaction.id : QString();
    const bool typed = edited && !(m_buffer == bufferFor(*edited));
    beginResetModel();
    m_rows = std::move(rows);
    m_days.resize(m_rows.size());
    for (int i = 0; i < m_rows.size(); ++i)
        m_days[i] = m_rows[i].transaction.date.toJulianDay();
    m_order.resize(m_rows.size());
    std::iota(m_order.begin(), m_order.end(), 0);
    m_amountFont = ThemeManager::monospaceFont();
    sortRows();
    m_editingRow = editingExisting ? viewRowOfTransaction(editedId) : -1;
    if (editingExisting && m_editingRow < 0)
        resetNewRow();
    else if (editingExisting && !typed)
        m_buffer = bufferFor(rowAt(m_editingRow));
    endResetModel();
}

void RegisterModel::setShowNewRow(bool show)
{
    if (show == m_showNewRow)
        return;
    beginResetModel();
    m_showNewRow = show;
    endResetModel();
}

void RegisterModel::refreshRow(int viewRow)
{
    if (viewRow >= 0 && viewRow < rowCount())
        Q_EMIT dataChanged(index(viewRow, 0), index(viewRow, ColumnCount - 1));
}

void RegisterModel::setEditingRow(int row)
{
    const int previous = m_editingRow;
    m_editingRow = row;
    refreshRow(previous);
    if (row >= 0)
        refreshRow(row);
    // The new row's look depends on whether another row is under edit.
    if (previous != row && m_showNewRow)
        refreshRow(newRowPosition());
}

void RegisterModel::resetNewRow()
{
    m_buffer.date = m_buffer.lastDate.isEmpty() ? entryDateText(QDate::currentDate()) : m_buffer.lastDate;
    m_buffer.checkNumber.clear();
    m_buffer.payee.clear();
    m_buffer.memo.clear();
    m_buffer.category.clear();
    m_buffer.categoryId.clear();
    m_buffer.payment.clear();
    m_buffer.deposit.clear();
    m_buffer.clearedMark.clear();
}

void RegisterModel::loadRowForEditing(int viewRow, const QString &categoryText)
{
    if (listIndex(viewRow) < 0)
        return;
    RegisterRow row = rowAt(viewRow);
    row.categoryName = categoryText;
    m_buffer = bufferFor(row);
}

RegisterModel::EditBuffer RegisterModel::bufferFor(const RegisterRow &row) const
{
    const Transaction &transaction = row.transaction;
    EditBuffer buffer;
    buffer.lastDate = m_buffer.lastDate;
    buffer.date = entryDateText(transaction.date);
    buffer.checkNumber = transaction.checkNumber;
    buffer.payee = transaction.payee;
    buffer.memo = transaction.memo;
    buffer.category = row.categoryName;
    buffer.categoryId = transaction.categoryId;
    if (transaction.amount < 0)
        buffer.payment = formatAmountSigned(transaction.amount, true, m_currency);
    else
        buffer.deposit = formatAmount(transaction.amount, m_currency);
    buffer.clearedMark = transaction.reconciled ? QStringLiteral("R")
        : transaction.cleared                   ? QStringLiteral("C")
                                                : QString();
    return buffer;
}

void RegisterModel::emitAllRowsChanged(const QList<int> &roles)
{
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1), roles);
}

void RegisterModel::setTwoLineMode(bool twoLine)
{
    if (twoLine == m_twoLineMode)
        return;
    m_twoLineMode = twoLine;
    Q_EMIT headerDataChanged(Qt::Horizontal, PayeeColumn, PayeeColumn);
    emitAllRowsChanged({Qt::BackgroundRole});
}

void RegisterModel::setBalanceMarks(bool marks)
{
    if (marks == m_balanceMarks)
        return;
    m_balanceMarks = marks;
    emitAllRowsChanged({Qt::BackgroundRole, Qt::FontRole});
}

void RegisterModel::setHighlightOverdrawn(bool highlight)
{
    if (highlight == m_highlightOverdrawn)
        return;
    m_highlightOverdrawn = highlight;
    emitAllRowsChanged({Qt::BackgroundRole});
}

void RegisterModel::setLiabilityAccount(bool liability)
{
    if (liability == m_liabilityAccount)
        return;
    m_liabilityAccount = liability;
    emitAllRowsChanged({Qt::DisplayRole, Qt::ForegroundRole});
    Q_EMIT headerDataChanged(Qt::Horizontal, PaymentColumn, DepositColumn);
}

void RegisterModel::setCurrency(Currency currency)
{
    if (currency == m_currency)
        return;
    m_currency = currency;
    emitAllRowsChanged({Qt::DisplayRole, Qt::EditRole});
}

void RegisterModel::setAccountCurrencies(QHash<QString, Currency> currencies)
{
    m_accountCurrencies = std::move(currencies);
    emitAllRowsChanged({Qt::DisplayRole});
}

Currency RegisterModel::rowCurrency(const Transaction &transaction) const
{
    return m_accountCurrencies.value(transaction.accountId, m_currency);
}

std::optional<qint64> RegisterModel::amountValue(const QString &text) const
{
    if (UiPrefs::amountAutoDecimal())
        return parseDigitsOnly(text);
    return tryParseMoney(text, m_currency);
}

QString RegisterModel::bufferAmountText() const
{
    const QString payment = m_buffer.payment.trimmed();
    return payment.isEmpty() ? m_buffer.deposit.trimmed() : payment;
}

std::optional<qint64> RegisterModel::bufferAmount() const
{
    const QString text = bufferAmountText();
    if (text.isEmpty())
        return std::nullopt;
    const qint64 value = amountValue(text).value_or(0);
    return m_buffer.payment.trimmed().isEmpty() ? value : -value;
}

QString RegisterModel::unreadableBufferAmount() const
{
    const QString text = bufferAmountText();
    return text.isEmpty() || amountValue(text) ? QString() : text;
}

QDate RegisterModel::bufferDate() const
{
    return parseEntryDate(m_buffer.date.trimmed(), QDate::currentDate());
}

Transaction RegisterModel::newRowTransaction(const QString &accountId) const
{
    Transaction transaction;
    transaction.accountId = accountId;
    transaction.date = bufferDate();
    transaction.payee = m_buffer.payee.trimmed();
    transaction.memo = m_buffer.memo;
    transaction.checkNumber = m_buffer.checkNumber.trimmed();
    transaction.amount = bufferAmount().value_or(0);
    transaction.categoryId = m_buffer.categoryId;
    return transaction;
}
