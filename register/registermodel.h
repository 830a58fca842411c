#pragma once

#include "data/account.h"
#include "data/transaction.h"
#include "data/transactionrepository.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QString>
#include <QVector>

#include <functional>
#include <optional>
#include <utility>

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

    // Replaces the rows and keeps what is typed into the buffer. The rows
    // are the whole account in the order its running balances add up in
    // (date, then creation), with those balances; rows the filter refuses
    // stay held, for the balances after them, but are not listed.
    void setRows(QList<RegisterRow> rows);
    // Lists the newest rows of an account at once, the ones before them
    // listed as empty rows until completeRows() brings them: the rows
    // come with the balances and the account's sums the whole account
    // gives. Only with no filter and sorted by date.
    void setNewestRows(const TransactionRepository::RegisterNewest &newest);
    // True while rows stand in for ones not read yet.
    bool hasPendingRows() const { return m_pendingRows > 0; }
    // Fills in the rows setNewestRows() left out: `earlier` are the rows
    // dated before the newest ones, as TransactionRepository reads them.
    // No listed row moves; the balances and sums are added up again over
    // all rows. A sort asked for meanwhile applies then. False, changing
    // nothing, when no rows are pending.
    bool completeRows(QList<RegisterRow> earlier);
    // Whether applyChanges() can put this change in place while rows are
    // pending: it touches only rows held (none dated before the newest
    // rows), and the sums can change by its amounts alone. Always true
    // when no rows are pending.
    bool touchesOnlyHeldRows(const QList<Transaction> &before, const QList<RegisterRow> &after) const;
    // Which rows setRows() and applyChanges() list; none lists every row.
    using RowFilter = std::function<bool(const Transaction &)>;
    void setRowFilter(RowFilter filter) { m_rowFilter = std::move(filter); }
    // The stored order of the rows that tie with this one on date and
    // creation time, by id; applyChanges() asks it only when there are such.
    using TieOrder = std::function<QStringList(const Transaction &)>;
    void setTieOrder(TieOrder tieOrder) { m_tieOrder = std::move(tieOrder); }
    // Puts rows this program has just written in place, without the rest of
    // the account: `before` are the rows as held before the write (found by
    // date, creation time and id; unknown ones are skipped), `after` the
    // rows of this account as stored now (gone ones left out). The running
    // balances from the first changed row on are added up again, so the
    // result is what setRows() with the whole account would show.
    void applyChanges(const QList<Transaction> &before, const QList<RegisterRow> &after);
    // The sums of the held rows, cleared and not (nullopt when a sum does
    // not fit in an amount).
    std::optional<qint64> clearedSum() const { return m_clearedSum; }
    std::optional<qint64> unclearedSum() const { return m_unclearedSum; }
    int listRowCount() const { return int(m_order.size()); }
    // The record at a view row; an empty record (no id) for the new row and
    // rows outside the list.
    const RegisterRow &rowAt(int viewRow) const;
    // -1 for the new row and rows outside the list.
    int listIndex(int viewRow) const;
    // A row of the list: not the new row, not outside (rows not read yet
    // are outside).
    bool isTransactionRow(int viewRow) const { return !isNewRow(viewRow) && listIndex(viewRow) >= 0; }
    // The category and amount cells of a split transaction: its split
    // lines carry them, so the row does not edit them.
    bool isSplitAmountCell(const QModelIndex &index) const;
    // The view row showing the transaction with this id, or -1.
    int viewRowOfTransaction(const QString &transactionId) const;
    // The same for a held copy, found by its date without reading every row.
    int viewRowOfTransaction(const Transaction &transaction) const;

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
    // setRows() without the reset around it.
    void takeRows(QList<RegisterRow> rows);
    void emitAllRowsChanged(const QList<int> &roles);
    // The view row of the first row not read yet.
    int pendingViewRow() const;

    // In-place changes. Records are slots of m_rows; a freed slot is reused.
    bool listed(int record) const;
    int slotOf(const Transaction &transaction, bool scanAll) const;
    int storedPositionFor(int record) const;
    void insertStored(int record, int position);
    void removeStored(int record);
    // True when a goes before b in the current sort, on the same terms as
    // sortRows() gives a freshly set list.
    bool displaysBefore(int a, int b) const;
    qint64 numericKey(int record) const;
    int displayIndexOf(int record) const;
    // The view row of the list's first row.
    int viewOffset() const;
    void hideRecord(int record);
    void showRecord(int record);
    // Moves a changed record to its place, or only repaints it when it stays.
    void placeRecord(int record);
    void addUpBalances(int fromPosition);
    void addUpSums();

    QList<RegisterRow> m_rows;
    QVector<int> m_order; // display order: listed records
    QVector<qint64> m_days; // each record's date as a day number
    QVector<int> m_stored; // records in the order the balances add up in
    QVector<int> m_positions; // each record's place in m_stored; -1 when free
    QVector<int> m_freeRecords;
    RowFilter m_rowFilter;
    int m_pendingRows = 0; // rows of earlier days not read yet, listed empty
    QDate m_firstHeldDate; // while rows are pending: the newest rows' first date
    qint64 m_balanceBase = 0; // the balance before the first held row
    std::optional<std::pair<int, Qt::SortOrder>> m_deferredSort;
    TieOrder m_tieOrder;
    std::optional<qint64> m_clearedSum = 0;
    std::optional<qint64> m_unclearedSum = 0;
    qint64 m_largestAmount = 0; // no smaller than any held amount's size
    QCollator m_collator;
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
