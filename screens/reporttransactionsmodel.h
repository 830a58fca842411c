#pragma once

#include "services/reportservice.h"

#include <QAbstractTableModel>
#include <QList>

// The rows of the Transactions report. A period can hold a million rows, so
// cells are formatted only when a view asks for them.
class ReportTransactionsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        DateColumn = 0,
        AccountColumn = 1,
        PayeeColumn = 2,
        CategoryColumn = 3,
        MemoColumn = 4,
        AmountColumn = 5,
        ColumnCount = 6
    };

    explicit ReportTransactionsModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // withCodes: the rows are in several currencies, so each amount
    // carries its currency's code.
    void setRows(QList<TransactionReportRow> rows, bool withCodes = false);

    // The text of every amount of the reports: in dollar texts with the
    // currency's own digits ("-$1,500" for yen) when the report holds one
    // currency, else with the currency's code beside it ("-1,500 JPY").
    static QString amountText(qint64 amount, Currency currency, bool withCode);

private:
    QList<TransactionReportRow> m_rows;
    bool m_withCodes = false;
};
