#pragma once

#include "data/account.h"
#include "data/transaction.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QString>
#include <QVector>

// The rows of one account's register plus the new row in which a
// transaction is typed. One edit buffer serves the new row and the one
// existing row edited in place, so at most one row is ever under edit.
// Cells are formatted when asked for, never ahead, so large accounts load
// quickly.
class RegisterModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        DateColumn = 0,
        CheckNumberColumn = 1,
        PayeeColumn = 2,
        CategoryColumn = 3,
        MemoColumn = 4,
        PaymentColumn = 5,
        DepositColumn = 6,
        ClearedColumn = 7,
        BalanceColumn = 8,
        ColumnCount = 9
    };

    // What is typed into the row under edit.
    struct EditBuffer
    {
        QString date;
        QString checkNumber;
        QString payee;
        QString memo;
        QString category;
        QString payment;
        QString deposit;
        QString clearedMark;
        QString categoryId;
        QString lastDate;

        bool operator==(const EditBuffer &) const = default;
    };

    explicit RegisterModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Replaces the rows and keeps what is typed into the buffer.
    void setRows(QList<RegisterRow> rows);
    int listRowCount() const { return int(m_order.size()); }
    // The record at a view row; an empty record (no id) for the new row and
    // rows outside the list.
    const RegisterRow &rowAt(int viewRow) const;
    // -1 for the new row and rows outside the list.
    int listIndex(int viewRow) const;
    // A row of the list: not the new row, not outside.
    bool isTransactionRow(int viewRow) const { return !isNewRow(viewRow) && listIndex(viewRow) >= 0; }
    // The category and amount cells of a split transaction: its split
    // lines carry them, so the row does not edit them.
    bool isSplitAmountCell(const QModelIndex &index) const;
    // The view row showing the transaction with this id, or -1.
    int viewRowOfTransaction(const QString &transactionId) const;

    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

    bool showNewRow() const { return m_showNewRow; }
    void setShowNewRow(bool show);
    // The new row's view row, or -1 while it is not shown.
    int newRowPosition() const;
    bool isNewRow(int viewRow) const { return m_showNewRow && viewRow == newRowPosition(); }

    int editingRow() const { return m_editingRow; }
    void setEditingRow(int row);
    void resetNewRow();
    void loadRowForEditing(int viewRow, const QString &categoryText);

    EditBuffer &buffer() { return m_buffer; }
    const EditBuffer &buffer() const { return m_buffer; }
    // The buffer text shown in a column 0 to 7.
    QString bufferText(int column) const;
    // Notifies views that every cell of a row changed.
    void refreshRow(int viewRow);

    bool twoLineMode() const { return m_twoLineMode; }
    void setTwoLineMode(bool twoLine);
    bool balanceMarks() const { return m_balanceMarks; }
    void setBalanceMarks(bool marks);
    bool highlightOverdrawn() const { return m_highlightOverdrawn; }
    void setHighlightOverdrawn(bool highlight);
    bool liabilityAccount() const { return m_liabilityAccount; }
    void setLiabilityAccount(bool liability);

    // Amounts are shown and read in the minor unit of this currency.
    Currency currency() const { return m_currency; }
    void setCurrency(Currency currency);
    // For rows of several accounts (the search list): each listed account's
    // rows show their amounts in its own currency.
    void setAccountCurrencies(QHash<QString, Currency> currencies);

    // The value of a typed amount: digits only with automatic decimals,
    // else the money text in the account's currency; nullopt when the text
    // does not read.
    std::optional<qint64> amountValue(const QString &text) const;
    // The buffer's signed amount (payment wins); nullopt when both amount
    // texts are empty.
    std::optional<qint64> bufferAmount() const;
    // The amount text that bufferAmount() would read when it does not read;
    // empty otherwise.
    QString unreadableBufferAmount() const;
    // The buffer's date; today when the text is no date.
    QDate bufferDate() const;
    // A transaction built from the buffer, for the transaction form.
    Transaction newRowTransaction(const QString &accountId) const;

Q_SIGNALS:
    void sortChanged(int column, Qt::SortOrder order);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The colours of the cells, built from the palette when it changes
    // rather than on every data() call.
    struct CellColors
    {
        QColor muted;
        QColor negative;
        QColor positive;
        QColor bufferBackground;
        QColor overdrawnBackground;
    };
    void updateColors();

    // The buffer as loaded from a row.
    EditBuffer bufferFor(const RegisterRow &row) const;
    // The amount text that counts: payment when filled, else deposit.
    QString bufferAmountText() const;
    bool isBufferRow(int viewRow) const;
    bool isOpenNewRow(int viewRow) const;
    QVariant bufferData(const QModelIndex &index, int role) const;
    QVariant rowData(const RegisterRow &row, int column, int role) const;
    Currency rowCurrency(const Transaction &transaction) const;
    QString placeholder(int column) const;
    void sortRows();
    void emitAllRowsChanged(const QList<int> &roles);

    QList<RegisterRow> m_rows;
    QVector<int> m_order; // display order: indexes into m_rows
    QVector<qint64> m_days; // each record's date as a day number
    int m_sortColumn = 0;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    bool m_twoLineMode = false;
    bool m_showNewRow = true;
    bool m_balanceMarks = true;
    bool m_highlightOverdrawn = true;
    bool m_liabilityAccount = false;
    int m_editingRow = -1;
    EditBuffer m_buffer;
    Currency m_currency = Currency::USD;
    QHash<QString, Currency> m_accountCurrencies;
    QFont m_amountFont;
    CellColors m_colors;
};
