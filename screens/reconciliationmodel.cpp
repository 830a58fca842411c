#include "screens/reconciliationmodel.h"

#include "register/transactionactions.h"
#include "ui/palettehelpers.h"

ReconciliationModel::ReconciliationModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int ReconciliationModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ReconciliationModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReconciliationModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Transaction &row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case DateColumn:
            return row.date.toString(QStringLiteral("MM/dd/yyyy"));
        case PayeeColumn:
            return row.payee;
        case AmountColumn:
            return TransactionActions::dollarText(row.amount, m_currency);
        case ClearedColumn:
            return row.cleared ? QStringLiteral("C") : QString();
        default:
            return {};
        }
    case Qt::CheckStateRole:
        if (index.column() == CheckColumn)
            return m_ticked[size_t(index.row())] ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() == AmountColumn)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        return {};
    case Qt::ForegroundRole:
        if (index.column() == AmountColumn && row.amount < 0)
            return negativeAmountColor();
        return {};
    default:
        return {};
    }
}

QVariant ReconciliationModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case DateColumn:
        return tr("Date");
    case PayeeColumn:
        return tr("Payee");
    case AmountColumn:
        return tr("Amount");
    case ClearedColumn:
        return tr("Clr");
    default:
        return QString();
    }
}

Qt::ItemFlags ReconciliationModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == CheckColumn)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool ReconciliationModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || !index.isValid() || index.column() != CheckColumn
        || index.row() >= m_rows.size())
        return false;
    const bool ticked = value.toInt() == Qt::Checked;
    if (ticked != m_ticked[size_t(index.row())])
        toggle(index.row());
    return true;
}

void ReconciliationModel::setRows(QList<Transaction> rows, const QHash<QString, bool> &ticked, Currency currency)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_currency = currency;
    m_ticked.assign(size_t(m_rows.size()), false);
    m_deposits = 0;
    m_withdrawals = 0;
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        const Transaction &row = m_rows.at(i);
        const auto remembered = ticked.constFind(row.id);
        m_ticked[size_t(i)] = remembered != ticked.cend() ? *remembered : row.cleared;
        if (m_ticked[size_t(i)])
            count(row, 1);
    }
    endResetModel();
    Q_EMIT ticksChanged();
}

QHash<QString, bool> ReconciliationModel::tickStates() const
{
    QHash<QString, bool> states;
    states.reserve(m_rows.size());
    for (qsizetype i = 0; i < m_rows.size(); ++i)
        states.insert(m_rows.at(i).id, m_ticked[size_t(i)]);
    return states;
}

bool ReconciliationModel::isTicked(int row) const
{
    return row >= 0 && row < m_rows.size() && m_ticked[size_t(row)];
}

void ReconciliationModel::toggle(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    const bool ticked = !m_ticked[size_t(row)];
    m_ticked[size_t(row)] = ticked;
    count(m_rows.at(row), ticked ? 1 : -1);
    const QModelIndex changed = index(row, CheckColumn);
    Q_EMIT dataChanged(changed, changed, {Qt::CheckStateRole});
    Q_EMIT ticksChanged();
}

Transaction ReconciliationModel::rowAt(int row) const
{
    return m_rows.value(row);
}

QList<Transaction> ReconciliationModel::tickedRows() const
{
    QList<Transaction> rows;
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (m_ticked[size_t(i)])
            rows.append(m_rows.at(i));
    }
    return rows;
}

void ReconciliationModel::count(const Transaction &row, int sign)
{
    if (row.amount >= 0)
        m_deposits += sign * ReconciliationActions::WideSum(row.amount);
    else
        m_withdrawals += sign * ReconciliationActions::WideSum(row.amount);
}
