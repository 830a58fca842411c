#pragma once

#include "data/account.h"
#include "data/transaction.h"
#include "register/registercommitbuilder.h"
#include "register/registerfilter.h"

#include <QWidget>

class AppState;
class OpeningBalanceBanner;
class RegisterColumnLayout;
class RegisterDelegate;
class RegisterHeader;
class RegisterLoader;
class RegisterModel;
class RegisterNavigator;
class RegisterStatusLine;
class RegisterTableView;

// One account's register page: header with balances and commands, the
// liability sign banner, the table typed into like a paper check register,
// and a status line. Shows every change it makes itself by putting the
// written rows in place, without reading the whole account again, and
// never waits for a read. It wires parts with a job each: the header, the
// loader (reading the rows), the column layout store, the navigator (keys,
// fields and the row under edit), the commit builder (the rows to write),
// the opening-balance banner and the status line.
class RegisterScreen : public QWidget
{
    Q_OBJECT

public:
    explicit RegisterScreen(AppState *app, QWidget *parent = nullptr);
    ~RegisterScreen() override;

    // Shows the account; the same account again only reloads.
    void setAccount(const QString &accountId);
    QString accountId() const { return m_accountId; }
    // Safe at any moment: while a cell editor is open the reload runs when
    // it closes. A half-typed new row survives, and the cursor stays on the
    // same transaction or on the new row. While the rest of the account is
    // being read, the read starts again, newest rows first.
    void reload();
    // True while the newest rows are listed and the rest are still read.
    bool readingEarlierRows() const;
    // Shows rows this screen has just written: `before` as the rows were
    // held, `ids` the transactions written (other accounts' legs included,
    // they are left out). Reads those rows only; falls back to reload()
    // while an editor is open or a reload waits. While the rest of the
    // account is being read, a change that reaches rows not read yet shows
    // when they arrive.
    void showLocalChange(const QList<Transaction> &before, const QStringList &ids);
    // Called by the table when a cell editor has closed.
    void editorClosed();
    void showStatus(const QString &text, int milliseconds);

    RegisterModel *model() const { return m_model; }
    RegisterTableView *table() const { return m_table; }
    RegisterDelegate *delegate() const { return m_delegate; }
    RegisterFilter filter() const { return m_filter; }
    RegisterLoader *loader() const { return m_loader; }

    void beginNewTransaction();
    void commitOpenEditor();
    void focusNextCell();
    void focusPreviousCell();
    // Makes the cell current without changing the row under edit.
    void makeCellCurrent(const QModelIndex &index);
    void toggleClearedAt(int row);
    void deleteRow(int row);
    void duplicateRow(int row);
    void editRowInDialog(int row);
    void editSplitsForRow(int row);
    void showDetailsForRow(int row);
    void memorizeRow(int row);
    void selectNewRow();
    // Fills the new row from the payee's last transaction (completer choice).
    void autofillFromPayee(int row, const QString &payee);

    // Inside the two-line payee/memo editor Tab goes payee, memo, next cell.
    bool focusNextPrevChild(bool next) override;

Q_SIGNALS:
    void newTransactionRequested(const QString &accountId);
    void editTransactionRequested(const QString &transactionId);
    void reconcileRequested(const QString &accountId);
    void editAccountRequested(const QString &accountId);
    void errorMessage(const QString &text);
    // The rows shown now include every change this screen wrote, or will
    // once the rows being read arrive: the change signals of those writes
    // need no reload.
    void localChangesShown();

public Q_SLOTS:
    void onContextMenu(const QPoint &pos);
    void commitCurrentRow();
    void deleteCurrentRow();
    void copyFromAbove();
    void advanceToNextField();
    void advanceToPreviousField();
    void startEditingRow(int row);
    void newTransactionDialog();
    void presentNewTransactionDialog(const Transaction *seed, bool seedFromInlineRow);
    void editNewRowInDialog();
    void showHeaderContextMenu(const QPoint &pos);
    void resetColumnLayout();

private:
    // Reads the account again; `newestFirst` lists the newest rows at once
    // where they look the same as with the whole account, and reads the
    // rest on a thread of its own, as does a read still in progress;
    // `wholeAccount` never does.
    void load(bool newestFirst, bool wholeAccount);
    void setupUi();
    void setupTable();
    void connectSignals();
    void applyDisplayPreferences(bool twoLine);
    void updateFilterButton();
    void openFilterDialog();
    void updateSummary();

    // A transaction row with a stored record: not the opening balance still
    // held on the account.
    bool isStoredTransactionRow(int row) const;
    // A copy of the row's transaction (empty for other rows): prompts run
    // event loops in which a reload replaces the rows.
    Transaction transactionAt(int row) const;
    void restoreCurrentCell(const QModelIndex &index);
    // Shows why the row cannot be written; true when it can.
    bool showRefusal(const RegisterCommitBuilder::Commit &commit);
    bool commitNewRow(const RegisterCommitBuilder &builder, const RegisterCommitBuilder::Commit &commit);
    bool commitEditedRow(const RegisterCommitBuilder &builder, const RegisterCommitBuilder::Commit &commit);
    // The row's category text when it names no chosen category, else empty.
    QString typedCategoryText() const;

    AppState *m_app;
    QString m_accountId;
    RegisterFilter m_filter;
    bool m_reloadPending = false;

    RegisterHeader *m_header = nullptr;
    OpeningBalanceBanner *m_banner = nullptr;
    RegisterTableView *m_table = nullptr;
    RegisterModel *m_model = nullptr;
    RegisterDelegate *m_delegate = nullptr;
    RegisterLoader *m_loader = nullptr;
    RegisterColumnLayout *m_layout = nullptr;
    RegisterNavigator *m_navigator = nullptr;
    RegisterStatusLine *m_statusLine = nullptr;
};
