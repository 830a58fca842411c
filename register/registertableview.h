#pragma once

#include <QPointer>
#include <QTableView>

class RegisterScreen;

// The register's table: Tab and Shift+Tab move from cell to cell with the
// editor opened, the cursor never rests on the Balance column, and Clr
// toggling and deferred editor moves go back to the screen.
class RegisterTableView : public QTableView
{
    Q_OBJECT

public:
    explicit RegisterTableView(RegisterScreen *screen, QWidget *parent = nullptr);

    bool isEditing() const { return state() == EditingState; }
    // The editor open in the table, or nullptr.
    QWidget *openEditor() const;
    // True when the widget is or sits inside the two-line payee/memo editor.
    static bool isInsidePayeeMemoEditor(const QWidget *widget);
    // The screen is being destroyed: QWidget's destructor still closes the
    // open editor, and the screen part of the object is gone by then.
    void detachScreen();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    // A table made shorter (a message taking a second line under it) keeps
    // the current cell in view when it was.
    void resizeEvent(QResizeEvent *event) override;

private:
    QPointer<RegisterScreen> m_screen;
};
