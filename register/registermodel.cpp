#include "register/registermodel.h"

#include "data/money.h"
#include "register/dateentry.h"
#include "ui/palettehelpers.h"
#include "ui/thememanager.h"

#include <QCollator>
#include <QCoreApplication>
#include <QHash>
#include <QSet>

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

// The size of an amount, as an upper bound that never overflows.
qint64 amountSize(qint64 amount)
{
    return amount == std::numeric_limits<qint64>::min() ? std::numeric_limits<qint64>::max() : qAbs(amount);
}

qint64 createdKey(const QDateTime &createdAt)
{
    return createdAt.isValid() ? createdAt.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
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
    return int(m_order.size()) + m_pendingRows + (m_showNewRow ? 1 : 0);
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
    return int(m_order.size()) + m_pendingRows;
}

int RegisterModel::listIndex(int viewRow) const
{
    const int index = viewRow - viewOffset();
    return index >= 0 && index < m_order.size() ? index : -1;
}

int RegisterModel::viewOffset() const
{
    // Rows not read yet are of earlier days: above the listed ones in date
    // order, below them newest first.
    const bool newRowOnTop = m_showNewRow && newRowPosition() == 0;
    const bool pendingOnTop = m_sortOrder == Qt::AscendingOrder;
    return (newRowOnTop ? 1 : 0) + (pendingOnTop ? m_pendingRows : 0);
}

const RegisterRow &RegisterModel::rowAt(int viewRow) const
{
    // An empty row, never another transaction's: no id, nothing to write.
    static const RegisterRow none;
    const int index = listIndex(viewRow);
    return index >= 0 ? m_rows[m_order[index]] : none;
}

int RegisterModel::viewRowOfTransaction(const Transaction &transaction) const
{
    const int record = slotOf(transaction, false);
    if (record < 0)
        return viewRowOfTransaction(transaction.id);
    const int index = displayIndexOf(record);
    return index < 0 ? -1 : index + viewOffset();
}

int RegisterModel::viewRowOfTransaction(const QString &transactionId) const
{
    if (transactionId.isEmpty())
        return -1;
    const int offset = viewOffset();
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
    // Other orders need every row: they apply once the rest has been read.
    // By date the rows not read yet only change ends.
    m_deferredSort.reset();
    if (m_pendingRows > 0 && column != DateColumn) {
        m_deferredSort = std::make_pair(column, order);
        Q_EMIT sortChanged(column, order);
        return;
    }
    // The row under edit keeps its buffer across the sort.
    const int editedIndex = m_editingRow >= 0 ? listIndex(m_editingRow) : -1;
    const int editedRecord = editedIndex >= 0 ? m_order[editedIndex] : -1;
    beginResetModel();
    m_sortColumn = column;
    m_sortOrder = order;
    sortRows();
    if (editedRecord >= 0) {
        const int position = int(m_order.indexOf(editedRecord));
        m_editingRow = position + viewOffset();
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
        int position;
        int record;
    };
    std::vector<Entry> entries;
    entries.reserve(count);
    for (const int record : std::as_const(m_order))
        entries.push_back({keys[record], m_days[record], m_positions[record], record});

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
        return byDate && a.position < b.position;
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
    // Every row is here: a sort that waited for them applies.
    if (m_deferredSort) {
        m_sortColumn = m_deferredSort->first;
        m_sortOrder = m_deferredSort->second;
        m_deferredSort.reset();
    }
    takeRows(std::move(rows));
    m_editingRow = editingExisting ? viewRowOfTransaction(editedId) : -1;
    if (editingExisting && m_editingRow < 0)
        resetNewRow();
    else if (editingExisting && !typed)
        m_buffer = bufferFor(rowAt(m_editingRow));
    endResetModel();
}

void RegisterModel::takeRows(QList<RegisterRow> rows)
{
    m_pendingRows = 0;
    m_balanceBase = 0;
    m_rows = std::move(rows);
    const int count = int(m_rows.size());
    m_days.resize(count);
    m_largestAmount = 0;
    for (int i = 0; i < count; ++i) {
        const Transaction &transaction = m_rows[i].transaction;
        m_days[i] = transaction.date.toJulianDay();
        m_largestAmount = qMax(m_largestAmount, amountSize(transaction.amount));
    }
    m_stored.resize(count);
    std::iota(m_stored.begin(), m_stored.end(), 0);
    m_positions = m_stored;
    m_freeRecords.clear();
    m_order.clear();
    m_order.reserve(count);
    for (int i = 0; i < count; ++i) {
        if (listed(i))
            m_order.append(i);
    }
    addUpSums();
    m_collator = QCollator();
    m_amountFont = ThemeManager::monospaceFont();
    sortRows();
}

void RegisterModel::setNewestRows(const TransactionRepository::RegisterNewest &newest)
{
    beginResetModel();
    takeRows(newest.rows);
    m_pendingRows = newest.earlierRows;
    m_clearedSum = newest.clearedSum;
    m_unclearedSum = newest.unclearedSum;
    m_largestAmount = qMax(m_largestAmount, newest.largestAmount);
    if (!m_rows.isEmpty()) {
        const RegisterRow &first = m_rows[m_stored.first()];
        m_firstHeldDate = first.transaction.date;
        m_balanceBase = first.runningBalance.value_or(0) - first.transaction.amount;
    }
    if (m_editingRow >= 0) {
        m_editingRow = -1;
        resetNewRow();
    }
    endResetModel();
}

bool RegisterModel::completeRows(QList<RegisterRow> earlier)
{
    if (m_pendingRows == 0)
        return false;
    // Applied after the rows are in, as a sort of its own.
    const std::optional<std::pair<int, Qt::SortOrder>> deferred = std::exchange(m_deferredSort, std::nullopt);
    const int editedIndex = m_editingRow >= 0 ? listIndex(m_editingRow) : -1;
    const int editedPosition = editedIndex >= 0 ? m_positions[m_order[editedIndex]] : -1;
    // The empty rows become the rows read, as many as came: every listed
    // row keeps its transaction, so the cursor and an open editor stay put.
    const int difference = int(earlier.size()) - m_pendingRows;
    const int end = pendingViewRow() + m_pendingRows;
    if (difference > 0) {
        beginInsertRows(QModelIndex(), end, end + difference - 1);
        m_pendingRows += difference;
        endInsertRows();
    } else if (difference < 0) {
        beginRemoveRows(QModelIndex(), end + difference, end - 1);
        m_pendingRows += difference;
        endRemoveRows();
    }
    const int earlierCount = int(earlier.size());
    QList<RegisterRow> rows = std::move(earlier);
    rows.reserve(earlierCount + m_stored.size());
    for (const int record : std::as_const(m_stored))
        rows.append(std::move(m_rows[record]));
    std::optional<qint64> balance = 0;
    for (RegisterRow &row : rows) {
        if (balance)
            balance = checkedSum(*balance, row.transaction.amount);
        row.runningBalance = balance;
    }
    takeRows(std::move(rows));
    if (editedPosition >= 0)
        m_editingRow = displayIndexOf(earlierCount + editedPosition) + viewOffset();
    emitAllRowsChanged({});
    if (deferred)
        sort(deferred->first, deferred->second);
    return true;
}

int RegisterModel::pendingViewRow() const
{
    const bool newRowOnTop = m_showNewRow && newRowPosition() == 0;
    return (newRowOnTop ? 1 : 0) + (m_sortOrder == Qt::AscendingOrder ? 0 : int(m_order.size()));
}

bool RegisterModel::touchesOnlyHeldRows(const QList<Transaction> &before, const QList<RegisterRow> &after) const
{
    if (m_pendingRows == 0)
        return true;
    if (!m_clearedSum || !m_unclearedSum)
        return false;
    for (const Transaction &transaction : before) {
        if (transaction.date < m_firstHeldDate || slotOf(transaction, true) < 0)
            return false;
    }
    qint64 largest = m_largestAmount;
    for (const RegisterRow &row : after) {
        if (row.transaction.date < m_firstHeldDate)
            return false;
        largest = qMax(largest, amountSize(row.transaction.amount));
    }
    // The sums then change by what leaves and what comes, as applyChanges()
    // counts them, without the rows not read yet.
    const qint64 terms = qint64(m_stored.size()) + m_pendingRows + before.size() + after.size() + 2;
    return largest <= std::numeric_limits<qint64>::max() / terms;
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
    const int rows = rowCount();
    if (rows == 0)
        return;
    // A view gives an open editor its cell's value again for every cell
    // reported changed: the typed cells of the row under edit are left out,
    // or what is being typed there would be lost.
    const int buffer = m_editingRow >= 0 ? m_editingRow : newRowPosition();
    if (buffer < 0 || buffer >= rows) {
        Q_EMIT dataChanged(index(0, 0), index(rows - 1, ColumnCount - 1), roles);
        return;
    }
    if (buffer > 0)
        Q_EMIT dataChanged(index(0, 0), index(buffer - 1, ColumnCount - 1), roles);
    Q_EMIT dataChanged(index(buffer, BalanceColumn), index(buffer, BalanceColumn), roles);
    if (buffer + 1 < rows)
        Q_EMIT dataChanged(index(buffer + 1, 0), index(rows - 1, ColumnCount - 1), roles);
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

// ---- In-place changes ------------------------------------------------------

bool RegisterModel::listed(int record) const
{
    return m_positions[record] >= 0 && (!m_rowFilter || m_rowFilter(m_rows[record].transaction));
}

int RegisterModel::storedPositionFor(int record) const
{
    // After every row of an earlier date and creation time; never before
    // the opening balance held on the account, which always comes first.
    const Transaction &transaction = m_rows[record].transaction;
    const qint64 day = m_days[record];
    const qint64 created = createdKey(transaction.createdAt);
    const bool openingFirst = !m_stored.isEmpty() && m_rows[m_stored.first()].transaction.id.isEmpty();
    const auto first = m_stored.cbegin() + (openingFirst ? 1 : 0);
    const auto before = [&](int held) {
        if (m_days[held] != day)
            return m_days[held] < day;
        return createdKey(m_rows[held].transaction.createdAt) < created;
    };
    const auto lower = std::partition_point(first, m_stored.cend(), before);
    const auto upper = std::partition_point(lower, m_stored.cend(), [&](int held) {
        return m_days[held] == day && createdKey(m_rows[held].transaction.createdAt) == created;
    });
    int position = int(upper - m_stored.cbegin());
    if (lower == upper || !m_tieOrder)
        return position;
    // Rows of the same date and second list in the order they were stored.
    const QStringList order = m_tieOrder(transaction);
    const int own = int(order.indexOf(transaction.id));
    if (own < 0)
        return position;
    position = int(lower - m_stored.cbegin());
    for (auto it = lower; it != upper; ++it) {
        const int at = int(order.indexOf(m_rows[*it].transaction.id));
        if (at < 0 || at < own)
            ++position;
    }
    return position;
}

int RegisterModel::slotOf(const Transaction &transaction, bool scanAll) const
{
    if (transaction.id.isEmpty())
        return -1;
    const qint64 day = transaction.date.toJulianDay();
    const qint64 created = createdKey(transaction.createdAt);
    auto it = std::lower_bound(m_stored.cbegin(), m_stored.cend(), 0, [&](int record, int) {
        if (m_days[record] != day)
            return m_days[record] < day;
        return createdKey(m_rows[record].transaction.createdAt) < created;
    });
    for (; it != m_stored.cend(); ++it) {
        const Transaction &held = m_rows[*it].transaction;
        if (m_days[*it] != day || createdKey(held.createdAt) != created)
            break;
        if (held.id == transaction.id)
            return *it;
    }
    if (scanAll) {
        for (const int record : std::as_const(m_stored)) {
            if (m_rows[record].transaction.id == transaction.id)
                return record;
        }
    }
    return -1;
}

void RegisterModel::insertStored(int record, int position)
{
    m_stored.insert(position, record);
    for (int i = position; i < m_stored.size(); ++i)
        m_positions[m_stored[i]] = i;
}

void RegisterModel::removeStored(int record)
{
    const int position = m_positions[record];
    m_stored.remove(position);
    m_positions[record] = -1;
    for (int i = position; i < m_stored.size(); ++i)
        m_positions[m_stored[i]] = i;
}

qint64 RegisterModel::numericKey(int record) const
{
    const RegisterRow &row = m_rows[record];
    const qint64 amount = row.transaction.amount;
    switch (m_sortColumn) {
    case PaymentColumn:
        return amount < 0 ? -amount : -1;
    case DepositColumn:
        return amount > 0 ? amount : -1;
    case ClearedColumn:
        return clearedRank(row.transaction);
    case BalanceColumn:
        return !row.runningBalance ? std::numeric_limits<qint64>::max()
            : m_liabilityAccount   ? -*row.runningBalance
                                   : *row.runningBalance;
    default:
        return m_days[record];
    }
}

bool RegisterModel::displaysBefore(int a, int b) const
{
    int order = 0;
    switch (m_sortColumn) {
    case CheckNumberColumn:
    case PayeeColumn:
    case CategoryColumn:
    case MemoColumn:
        order = m_collator.compare(textKey(m_rows[a], m_sortColumn), textKey(m_rows[b], m_sortColumn));
        break;
    default: {
        const qint64 keyA = numericKey(a);
        const qint64 keyB = numericKey(b);
        order = keyA < keyB ? -1 : keyA > keyB ? 1 : 0;
        break;
    }
    }
    if (order != 0)
        return m_sortOrder == Qt::AscendingOrder ? order < 0 : order > 0;
    if (m_days[a] != m_days[b])
        return m_days[a] > m_days[b];
    return m_positions[a] < m_positions[b];
}

int RegisterModel::displayIndexOf(int record) const
{
    return record < 0 ? -1 : int(m_order.indexOf(record));
}

void RegisterModel::hideRecord(int record)
{
    const int index = displayIndexOf(record);
    if (index < 0)
        return;
    const int viewRow = index + viewOffset();
    beginRemoveRows(QModelIndex(), viewRow, viewRow);
    m_order.remove(index);
    endRemoveRows();
}

void RegisterModel::showRecord(int record)
{
    if (!listed(record))
        return;
    const auto it = std::lower_bound(m_order.cbegin(), m_order.cend(), record,
        [this](int listedRecord, int newRecord) { return displaysBefore(listedRecord, newRecord); });
    const int index = int(it - m_order.cbegin());
    const int viewRow = index + viewOffset();
    beginInsertRows(QModelIndex(), viewRow, viewRow);
    m_order.insert(index, record);
    endInsertRows();
}

void RegisterModel::placeRecord(int record)
{
    const int index = displayIndexOf(record);
    const bool show = listed(record);
    if (index >= 0 && show) {
        const bool afterPrevious = index == 0 || !displaysBefore(record, m_order[index - 1]);
        const bool beforeNext = index + 1 >= m_order.size() || !displaysBefore(m_order[index + 1], record);
        if (afterPrevious && beforeNext) {
            refreshRow(index + viewOffset());
            return;
        }
    }
    hideRecord(record);
    if (show)
        showRecord(record);
}

void RegisterModel::addUpBalances(int fromPosition)
{
    std::optional<qint64> balance = fromPosition > 0 ? m_rows[m_stored[fromPosition - 1]].runningBalance
                                                     : std::optional<qint64>(m_balanceBase);
    for (int i = fromPosition; i < m_stored.size(); ++i) {
        RegisterRow &row = m_rows[m_stored[i]];
        if (balance)
            balance = checkedSum(*balance, row.transaction.amount);
        row.runningBalance = balance;
    }
}

void RegisterModel::addUpSums()
{
    m_clearedSum = 0;
    m_unclearedSum = 0;
    for (const int record : std::as_const(m_stored)) {
        const Transaction &transaction = m_rows[record].transaction;
        std::optional<qint64> &sum = transaction.cleared ? m_clearedSum : m_unclearedSum;
        if (sum)
            sum = checkedSum(*sum, transaction.amount);
    }
}

void RegisterModel::applyChanges(const QList<Transaction> &before, const QList<RegisterRow> &after)
{
    const int editedIndex = m_editingRow >= 0 ? listIndex(m_editingRow) : -1;
    const int editedRecord = editedIndex >= 0 ? m_order[editedIndex] : -1;
    const QString editedId = editedRecord >= 0 ? m_rows[editedRecord].transaction.id : QString();
    const bool typed = editedRecord >= 0 && !(m_buffer == bufferFor(m_rows[editedRecord]));
    // Sorted by balance, every row after the change may move.
    const bool resort = m_sortColumn == BalanceColumn;
    if (resort)
        beginResetModel();

    QVector<int> old;
    for (const Transaction &transaction : before) {
        const int record = slotOf(transaction, true);
        if (record >= 0 && !old.contains(record))
            old.append(record);
    }
    for (const RegisterRow &row : after) {
        const int record = slotOf(row.transaction, false);
        if (record >= 0 && !old.contains(record))
            old.append(record);
    }

    // The sums change by what leaves and what comes, as long as no partial
    // sum can overflow; otherwise they are added up again.
    const qint64 terms = qint64(m_stored.size()) + m_pendingRows + before.size() + after.size() + 2;
    bool sumsByDelta = m_clearedSum && m_unclearedSum;
    for (const RegisterRow &row : after)
        m_largestAmount = qMax(m_largestAmount, amountSize(row.transaction.amount));
    sumsByDelta = sumsByDelta && m_largestAmount <= std::numeric_limits<qint64>::max() / terms;
    const auto count = [this, sumsByDelta](const Transaction &transaction, int sign) {
        if (sumsByDelta)
            *(transaction.cleared ? m_clearedSum : m_unclearedSum) += sign * transaction.amount;
    };

    int firstChanged = int(m_stored.size());
    QVector<int> changed;
    for (const int record : std::as_const(old))
        count(m_rows[record].transaction, -1);
    for (const RegisterRow &row : after) {
        count(row.transaction, 1);
        const qint64 day = row.transaction.date.toJulianDay();
        // A row that keeps its date and creation time keeps its place, even
        // among rows of the same second.
        int record = -1;
        for (const int candidate : std::as_const(old)) {
            const Transaction &held = m_rows[candidate].transaction;
            if (held.id == row.transaction.id && m_days[candidate] == day
                && createdKey(held.createdAt) == createdKey(row.transaction.createdAt)) {
                record = candidate;
                break;
            }
        }
        if (record >= 0) {
            old.removeOne(record);
            m_rows[record] = row;
            firstChanged = qMin(firstChanged, m_positions[record]);
            changed.append(record);
            continue;
        }
        if (!m_freeRecords.isEmpty()) {
            record = m_freeRecords.takeLast();
            m_rows[record] = row;
            m_days[record] = day;
        } else {
            record = int(m_rows.size());
            m_rows.append(row);
            m_days.append(day);
            m_positions.append(-1);
        }
        changed.append(record);
    }
    for (const int record : std::as_const(old)) {
        if (!resort)
            hideRecord(record);
        firstChanged = qMin(firstChanged, m_positions[record]);
        removeStored(record);
        m_rows[record] = RegisterRow();
        m_freeRecords.append(record);
    }
    for (const int record : std::as_const(changed)) {
        if (m_positions[record] >= 0)
            continue;
        const int position = storedPositionFor(record);
        insertStored(record, position);
        firstChanged = qMin(firstChanged, position);
    }

    // The opening balance held on the account is dated on the earliest row.
    if (!m_stored.isEmpty() && m_rows[m_stored.first()].transaction.id.isEmpty()) {
        const int opening = m_stored.first();
        const QDate earliest =
            m_stored.size() > 1 ? m_rows[m_stored[1]].transaction.date : QDate::currentDate();
        if (m_rows[opening].transaction.date != earliest) {
            m_rows[opening].transaction.date = earliest;
            m_days[opening] = earliest.toJulianDay();
            changed.append(opening);
        }
    }

    addUpBalances(firstChanged);
    if (!sumsByDelta)
        addUpSums();

    if (resort) {
        m_order.clear();
        for (const int record : std::as_const(m_stored)) {
            if (listed(record))
                m_order.append(record);
        }
        sortRows();
    } else {
        for (const int record : std::as_const(changed))
            placeRecord(record);
    }

    const bool stillEdited = editedRecord >= 0 && m_positions[editedRecord] >= 0
        && m_rows[editedRecord].transaction.id == editedId && listed(editedRecord);
    if (editedRecord >= 0 && !stillEdited) {
        m_editingRow = -1;
        resetNewRow();
    } else if (stillEdited) {
        m_editingRow = displayIndexOf(editedRecord) + viewOffset();
        if (!typed)
            m_buffer = bufferFor(m_rows[editedRecord]);
    }
    if (resort)
        endResetModel();
    else if (firstChanged < m_stored.size())
        emitAllRowsChanged({Qt::DisplayRole, Qt::ForegroundRole, Qt::BackgroundRole, Qt::FontRole});
}
