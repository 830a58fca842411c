#include "screens/csvpreviewmodel.h"

CsvPreviewModel::CsvPreviewModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void CsvPreviewModel::setRows(const QList<QStringList> &rows, int columnCount)
{
    beginResetModel();
    m_rows = rows;
    m_columnCount = columnCount;
    endResetModel();
}

void CsvPreviewModel::clear()
{
    setRows({}, 0);
}

int CsvPreviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CsvPreviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columnCount;
}

QVariant CsvPreviewModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    return m_rows.at(index.row()).value(index.column());
}

QVariant CsvPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return tr("Col %1").arg(section);
    return section + 1;
}
