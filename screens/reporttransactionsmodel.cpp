#include "screens/reporttransactionsmodel.h"

#include "data/money.h"
#include "register/transactionactions.h"

#include <QLocale>

ReportTransactionsModel::ReportTransactionsModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int ReportTransactionsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ReportTransactionsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReportTransactionsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const TransactionReportRow &row = m_rows.at(index.row());
    if (role == Qt::TextAlignmentRole && index.column() == AmountColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (index.column()) {
    case DateColumn:
        return QLocale().toString(row.date, QLocale::ShortFormat);
    case AccountColumn:
        return row.accountName;
    case PayeeColumn:
        return row.payee;
    case CategoryColumn:
        return row.categoryName;
    case MemoColumn:
        return row.memo;
    case AmountColumn:
        return amountText(row.amount, row.currency, m_withCodes);
    default:
        return QVariant();
    }
}

QVariant ReportTransactionsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case DateColumn:
        return tr("Date");
    case AccountColumn:
        return tr("Account");
    case PayeeColumn:
        return tr("Payee");
    case CategoryColumn:
        return tr("Category");
    case MemoColumn:
        return tr("Memo");
    case AmountColumn:
        return tr("Amount");
    default:
        return QVariant();
    }
}

void ReportTransactionsModel::setRows(QList<TransactionReportRow> rows, bool withCodes)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_withCodes = withCodes;
    endResetModel();
}

QString ReportTransactionsModel::amountText(qint64 amount, Currency currency, bool withCode)
{
    if (!withCode)
        return TransactionActions::dollarText(amount, currency);
    return formatAmount(amount, currency) + QLatin1Char(' ') + currencyToString(currency);
}
