#pragma once

#include "services/csvtable.h"

#include <QAbstractTableModel>

// The rows of a CSV file as a table of "Col N" columns, formatted only when
// the view asks for a cell, so that a file of any size shows at once.
class CsvPreviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit CsvPreviewModel(QObject *parent = nullptr);

    // Rows beyond the column count are cut; shorter rows leave cells empty.
    void setTable(const CsvTable &table, int columnCount);
    void clear();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    CsvTable m_table;
    int m_columnCount = 0;
};
