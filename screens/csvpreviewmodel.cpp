#include "screens/csvpreviewmodel.h"

CsvPreviewModel::CsvPreviewModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void CsvPreviewModel::setTable(const CsvTable &table, int columnCount)
{
    beginResetModel();
    m_table = table;
    m_columnCount = columnCount;
    endResetModel();
}

void CsvPreviewModel::clear()
{
    setTable(CsvTable(), 0);
}

int CsvPreviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_table.rowCount());
}

int CsvPreviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columnCount;
}

QVariant CsvPreviewModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.column() >= m_columnCount)
        return QVariant();
    return m_table.field(index.row(), index.column());
}

QVariant CsvPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return tr("Col %1").arg(section);
    return section + 1;
}
