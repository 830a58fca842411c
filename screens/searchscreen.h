#pragma once

#include "data/transaction.h"

#include <QWidget>

#include <functional>

class AppState;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QMenu;
class QTableView;
class QTimer;
class RegisterModel;

// Finds transactions across all accounts by text, account, category, dates
// and the cleared mark, and lists at most 200 of them. The register's row
// actions work on the listed transactions; the search runs again after
// each change they make.
class SearchScreen : public QWidget
{
    Q_OBJECT

public:
    // Runs on a copy of a listed transaction; true when it changed something.
    using RowAction = std::function<bool(const Transaction &)>;

    explicit SearchScreen(AppState *app, QWidget *parent = nullptr);

    void reloadFilterCombos();
    void focusSearchField();
    // Runs the action on the row's transaction as it is stored now; a row
    // that was changed or deleted since the search is not acted on: the user
    // is told and the list is searched again.
    void applyToRow(int row, const RowAction &action);
    // The context menu of a result row (the caller owns it); nullptr outside the rows.
    QMenu *contextMenuForRow(int row);

    RegisterModel *model() const { return m_model; }
    QTableView *table() const { return m_table; }

Q_SIGNALS:
    void editTransactionRequested(const QString &transactionId);

public Q_SLOTS:
    void performSearch();
    void onContextMenu(const QPoint &pos);

private:
    TransactionSearchFilter currentFilter() const;
    void onRowDoubleClicked(int row);
    void applyToTransaction(const Transaction &shown, const RowAction &action);
    bool showDetails(const Transaction &transaction);

    AppState *m_app;
    // Set while the screen refills its own combos, so that a refill runs one search.
    bool m_refilling = false;
    QLineEdit *m_searchEdit = nullptr;
    QTimer *m_typingTimer = nullptr;
    QComboBox *m_accountCombo = nullptr;
    QComboBox *m_categoryCombo = nullptr;
    QCheckBox *m_dateRangeCheck = nullptr;
    QDateEdit *m_fromEdit = nullptr;
    QDateEdit *m_toEdit = nullptr;
    QCheckBox *m_clearedCheck = nullptr;
    QTableView *m_table = nullptr;
    RegisterModel *m_model = nullptr;
};
