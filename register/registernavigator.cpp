#include "register/registernavigator.h"

#include "register/registerdelegate.h"
#include "register/registermodel.h"
#include "register/registertableview.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

RegisterNavigator::RegisterNavigator(RegisterTableView *table, RegisterModel *model, RegisterDelegate *delegate,
    QObject *parent)
    : QObject(parent)
    , m_table(table)
    , m_model(model)
    , m_delegate(delegate)
{
    m_table->installEventFilter(this);
    m_table->viewport()->installEventFilter(this);
    connect(m_table, &QAbstractItemView::clicked, this, &RegisterNavigator::onCellClicked);
    connect(m_table, &QAbstractItemView::doubleClicked, this, &RegisterNavigator::onCellDoubleClicked);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex &current, const QModelIndex &) {
            if (current.isValid())
                startEditingRow(current.row());
        });
}

bool RegisterNavigator::eventFilter(QObject *watched, QEvent *event)
{
    // The type first: the table sends other events while it is being
    // destroyed, when it is no longer a view to ask for its viewport.
    if (event->type() == QEvent::KeyPress && (watched == m_table || watched == m_table->viewport()))
        return handleKeyPress(static_cast<QKeyEvent *>(event));
    return QObject::eventFilter(watched, event);
}

bool RegisterNavigator::handleKeyPress(QKeyEvent *event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    const bool isReturn = key == Qt::Key_Return || key == Qt::Key_Enter;
    const QModelIndex current = m_table->currentIndex();

    if (isReturn && ctrl) {
        Q_EMIT commitRequested();
        return true;
    }
    if (key == Qt::Key_E && ctrl && !shift && current.isValid()) {
        Q_EMIT editInDialogRequested(current.row());
        return true;
    }
    if (isReturn && alt && current.isValid()) {
        if (m_model->isTransactionRow(current.row()))
            Q_EMIT detailsRequested(current.row());
        return true;
    }
    if (isReturn && !ctrl) {
        handleReturn();
        return true;
    }
    if (key == Qt::Key_D && ctrl) {
        Q_EMIT deleteRequested();
        return true;
    }
    if (key == Qt::Key_I && ctrl && !shift) {
        beginNewTransaction();
        return true;
    }
    if (key == Qt::Key_M && ctrl && current.isValid()) {
        if (m_model->isTransactionRow(current.row()))
            Q_EMIT memorizeRequested(current.row());
        return true;
    }
    if (key == Qt::Key_Apostrophe && !ctrl) {
        copyFromAbove();
        return true;
    }
    return false;
}

void RegisterNavigator::handleReturn()
{
    const QModelIndex current = m_table->currentIndex();
    if (current.isValid() && !m_table->openEditor() && current.column() != RegisterModel::ClearedColumn) {
        if (!m_model->isNewRow(current.row()) && m_model->isSplitAmountCell(current)) {
            advanceToNextField();
            return;
        }
        startEditingRow(current.row());
        openEditorAt(current, false);
        return;
    }
    advanceToNextField();
}

void RegisterNavigator::onCellClicked(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    if (index.column() == RegisterModel::ClearedColumn) {
        Q_EMIT toggleClearedRequested(index.row());
        return;
    }
    startEditingRow(index.row());
    if (index.column() != RegisterModel::BalanceColumn && !m_model->isSplitAmountCell(index))
        openEditorAt(index, false);
}

void RegisterNavigator::onCellDoubleClicked(const QModelIndex &index)
{
    if (index.isValid() && m_model->isTransactionRow(index.row()) && m_model->rowAt(index.row()).transaction.isSplit)
        Q_EMIT editInDialogRequested(index.row());
}

bool RegisterNavigator::moveFocus(bool next)
{
    QWidget *focus = QApplication::focusWidget();
    const bool inTable = focus && (focus == m_table || m_table->isAncestorOf(focus));
    if (!inTable)
        return false;
    if (RegisterTableView::isInsidePayeeMemoEditor(focus)) {
        QWidget *editor = m_table->openEditor();
        const QString name = focus->objectName();
        if (editor && next && name == QLatin1String("payeeEdit")) {
            if (auto *memo = editor->findChild<QWidget *>(QStringLiteral("memoEdit"))) {
                memo->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
        if (editor && !next && name == QLatin1String("memoEdit")) {
            if (auto *payee = editor->findChild<QWidget *>(QStringLiteral("payeeEdit"))) {
                payee->setFocus(Qt::BacktabFocusReason);
                return true;
            }
        }
        if (editor) {
            // Leaves the composite editor: its values are kept, then the
            // table moves on once the editor has closed.
            Q_EMIT m_delegate->commitData(editor);
            Q_EMIT m_delegate->closeEditor(editor,
                next ? QAbstractItemDelegate::EditNextItem : QAbstractItemDelegate::EditPreviousItem);
            return true;
        }
    }
    if (next)
        focusNextCell();
    else
        focusPreviousCell();
    return true;
}

int RegisterNavigator::nextVisibleColumn(int column) const
{
    for (int c = column + 1; c <= RegisterModel::ClearedColumn; ++c) {
        if (!m_table->isColumnHidden(c))
            return c;
    }
    return -1;
}

int RegisterNavigator::previousVisibleColumn(int column) const
{
    for (int c = qMin(column, int(RegisterModel::BalanceColumn)) - 1; c >= 0; --c) {
        if (!m_table->isColumnHidden(c))
            return c;
    }
    return -1;
}

void RegisterNavigator::openEditorAt(const QModelIndex &index, bool memoLine)
{
    if (!(m_model->flags(index) & Qt::ItemIsEditable))
        return;
    m_table->edit(index);
    if (memoLine && index.column() == RegisterModel::PayeeColumn) {
        QWidget *editor = m_table->openEditor();
        if (RegisterDelegate::isPayeeMemoEditor(editor)) {
            if (auto *memo = editor->findChild<QWidget *>(QStringLiteral("memoEdit")))
                memo->setFocus();
        }
    }
}

void RegisterNavigator::closeOpenEditor(bool commit)
{
    QWidget *editor = m_table->openEditor();
    if (!editor)
        return;
    if (commit)
        Q_EMIT m_delegate->commitData(editor);
    // The view gives the focus back to itself once the editor is gone.
    Q_EMIT m_delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void RegisterNavigator::makeCellCurrent(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    // Moving within the row must not make another row the editing row.
    QItemSelectionModel *selection = m_table->selectionModel();
    const bool blocked = selection->blockSignals(true);
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    selection->blockSignals(blocked);
    m_table->scrollTo(index);
    m_table->viewport()->update();
}

int RegisterNavigator::columnBeside(int column, bool forward) const
{
    if (!forward)
        return previousVisibleColumn(column);
    return nextVisibleColumn(column == RegisterModel::BalanceColumn ? -1 : column);
}

void RegisterNavigator::enterCell(int row, int column, bool forward, bool keepEditingRow)
{
    const QModelIndex cell = m_model->index(row, column);
    if (keepEditingRow)
        makeCellCurrent(cell);
    else
        m_table->setCurrentIndex(cell);
    openEditorAt(cell, !forward);
}

void RegisterNavigator::advanceToNextField()
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid())
        return;
    commitOpenEditor();
    // Past the row's last field, Cleared included, the row is written.
    const int column = current.column();
    const int target = column == RegisterModel::ClearedColumn ? -1 : columnBeside(column, true);
    if (target < 0)
        Q_EMIT commitRequested();
    else
        enterCell(current.row(), target, true, false);
}

void RegisterNavigator::advanceToPreviousField()
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid())
        return;
    commitOpenEditor();
    if (const int target = columnBeside(current.column(), false); target >= 0)
        enterCell(current.row(), target, false, false);
}

void RegisterNavigator::focusNextCell()
{
    focusCellBeside(true);
}

void RegisterNavigator::focusPreviousCell()
{
    focusCellBeside(false);
}

void RegisterNavigator::focusCellBeside(bool forward)
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid())
        return;
    const int target = columnBeside(current.column(), forward);
    if (target < 0)
        return;
    closeOpenEditor(true);
    enterCell(current.row(), target, forward, true);
}

void RegisterNavigator::commitOpenEditor()
{
    const QModelIndex current = m_table->currentIndex();
    QWidget *editor = m_table->openEditor();
    if (!editor || !current.isValid())
        return;
    m_delegate->setModelData(editor, m_model, current);
    if (RegisterDelegate::isPayeeMemoEditor(editor))
        Q_EMIT m_delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void RegisterNavigator::startEditingRow(int row)
{
    if (m_model->isNewRow(row)) {
        if (m_model->editingRow() != -1)
            m_model->resetNewRow();
        m_model->setEditingRow(-1);
        return;
    }
    if (row != m_model->editingRow() && m_model->isTransactionRow(row)) {
        m_model->loadRowForEditing(row, m_model->rowAt(row).categoryName);
        m_model->setEditingRow(row);
    }
}

void RegisterNavigator::selectNewRow()
{
    if (m_model->rowCount() == 0 || !m_model->showNewRow())
        return;
    const bool onTop = m_model->newRowPosition() == 0;
    if (onTop)
        m_table->scrollToTop();
    else
        m_table->scrollToBottom();
    m_table->setCurrentIndex(m_model->index(m_model->newRowPosition(), RegisterModel::DateColumn));
}

void RegisterNavigator::beginNewTransaction()
{
    closeOpenEditor(false);
    m_model->resetNewRow();
    m_model->setEditingRow(-1);
    const QModelIndex date = m_model->index(m_model->newRowPosition(), RegisterModel::DateColumn);
    m_table->scrollTo(date);
    m_table->setCurrentIndex(date);
    m_model->refreshRow(date.row());
    m_table->setFocus();
    openEditorAt(date, false);
}

void RegisterNavigator::copyFromAbove()
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid() || current.row() == 0)
        return;
    const QVariant value = m_model->index(current.row() - 1, current.column()).data(Qt::EditRole);
    m_model->setData(current, value, Qt::EditRole);
    if (auto *edit = qobject_cast<QLineEdit *>(m_table->openEditor()))
        edit->setText(value.toString());
}
