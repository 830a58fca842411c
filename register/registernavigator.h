#pragma once

#include <QModelIndex>
#include <QObject>

class QKeyEvent;
class RegisterDelegate;
class RegisterModel;
class RegisterTableView;

// How the register is typed into: the key grammar of the table, moving
// from field to field with the editor open, and the row under edit (the
// new row or one existing row). Commands the keys name but the screen
// carries out (writing the row, dialogs, deleting) leave as signals.
class RegisterNavigator : public QObject
{
    Q_OBJECT

public:
    RegisterNavigator(RegisterTableView *table, RegisterModel *model, RegisterDelegate *delegate,
        QObject *parent = nullptr);

    void beginNewTransaction();
    void selectNewRow();
    // Makes the row the one under edit: the new row, or an existing row
    // loaded into the edit buffer.
    void startEditingRow(int row);
    // Enter: the next visible field, writing the row after the last one.
    void advanceToNextField();
    void advanceToPreviousField();
    // Tab and Shift+Tab: the next or previous cell, its editor open.
    void focusNextCell();
    void focusPreviousCell();
    // Makes the cell current without changing the row under edit.
    void makeCellCurrent(const QModelIndex &index);
    // Writes the open editor's value into the buffer.
    void commitOpenEditor();
    // Closes the open editor, writing its value first when asked.
    void closeOpenEditor(bool commit);
    // Opens the cell's editor; on the payee cell of the two-line editor,
    // memoLine puts the cursor on the memo.
    void openEditorAt(const QModelIndex &index, bool memoLine);
    // The value of the cell above into the current cell.
    void copyFromAbove();
    // Tab inside the table and the two-line payee/memo editor (payee, memo,
    // next cell); false when the focus is outside the table.
    bool moveFocus(bool next);

Q_SIGNALS:
    void commitRequested();
    void editInDialogRequested(int row);
    void detailsRequested(int row);
    void deleteRequested();
    void memorizeRequested(int row);
    void toggleClearedRequested(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleKeyPress(QKeyEvent *event);
    void handleReturn();
    void onCellClicked(const QModelIndex &index);
    void onCellDoubleClicked(const QModelIndex &index);
    int nextVisibleColumn(int column) const;
    int previousVisibleColumn(int column) const;
    // The visible column after (or before) this one in the typing order;
    // -1 at the end.
    int columnBeside(int column, bool forward) const;
    // Makes the cell current, as the row under edit or keeping the one
    // there, and opens its editor (on the memo line when going back).
    void enterCell(int row, int column, bool forward, bool keepEditingRow);
    void focusCellBeside(bool forward);

    RegisterTableView *m_table;
    RegisterModel *m_model;
    RegisterDelegate *m_delegate;
};
