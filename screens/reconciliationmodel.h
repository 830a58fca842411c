#pragma once

#include "data/account.h"
#include "data/transaction.h"
#include "screens/reconciliationactions.h"

#include <QAbstractTableModel>
#include <QHash>

#include <vector>

// The unreconciled rows of one account with their ticks. The sums of the
// ticked rows follow each toggle, so a toggle costs the same for ten rows
// as for a hundred thousand.
class ReconciliationModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { CheckColumn, DateColumn, PayeeColumn, AmountColumn, ClearedColumn, ColumnCount };

    explicit ReconciliationModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // Each row starts ticked as `ticked` says for its id, else as cleared.
    void setRows(QList<Transaction> rows, const QHash<QString, bool> &ticked, Currency currency);
    // The tick of every row by id; empty when there are no rows.
    QHash<QString, bool> tickStates() const;

    bool isTicked(int row) const;
    void toggle(int row);
    // A copy, so a prompt never holds a row that a reload replaces.
    Transaction rowAt(int row) const;
    QList<Transaction> tickedRows() const;

    // The ticked deposits (>= 0) and the ticked withdrawals (< 0).
    ReconciliationActions::WideSum tickedDeposits() const { return m_deposits; }
    ReconciliationActions::WideSum tickedWithdrawals() const { return m_withdrawals; }

Q_SIGNALS:
    void ticksChanged();

private:
    void count(const Transaction &row, int sign);

    QList<Transaction> m_rows;
    std::vector<bool> m_ticked;
    Currency m_currency = Currency::USD;
    ReconciliationActions::WideSum m_deposits = 0;
    ReconciliationActions::WideSum m_withdrawals = 0;
};
