#include "register/registertableview.h"

#include "register/registerdelegate.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QTimer>

RegisterTableView::RegisterTableView(RegisterScreen *screen, QWidget *parent)
    : QTableView(parent)
    , m_screen(screen)
{
}

void RegisterTableView::detachScreen()
{
    m_screen = nullptr;
}

QWidget *RegisterTableView::openEditor() const
{
    if (state() != EditingState)
        return nullptr;
    const QList<QWidget *> children = viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        if (RegisterDelegate::editorRow(child) >= 0 && !child->isHidden())
            return child;
    }
    return nullptr;
}

bool RegisterTableView::isInsidePayeeMemoEditor(const QWidget *widget)
{
    for (const QWidget *ancestor = widget; ancestor; ancestor = ancestor->parentWidget()) {
        if (RegisterDelegate::isPayeeMemoEditor(ancestor))
            return true;
    }
    return false;
}

bool RegisterTableView::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *keyEvent = static_cast<QKeyEvent *>(event);
        const bool tab = keyEvent->key() == Qt::Key_Tab && !keyEvent->modifiers().testFlag(Qt::ShiftModifier);
        const bool backTab = keyEvent->key() == Qt::Key_Backtab
            || (keyEvent->key() == Qt::Key_Tab && keyEvent->modifiers().testFlag(Qt::ShiftModifier));
        if ((tab || backTab) && !isInsidePayeeMemoEditor(QApplication::focusWidget())) {
            QKeyEvent arrow(QEvent::KeyPress, tab ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
            QTableView::keyPressEvent(&arrow);
            if (model() && (model()->flags(currentIndex()) & Qt::ItemIsEditable))
                edit(currentIndex());
            return true;
        }
    }
    return QTableView::event(event);
}

void RegisterTableView::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex current = currentIndex();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool noCommandModifier = !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (noCommandModifier && (event->key() == Qt::Key_Space || event->key() == Qt::Key_C) && current.isValid()
        && current.column() == RegisterModel::ClearedColumn) {
        if (m_screen)
            m_screen->toggleClearedAt(current.row());
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Backtab
        || (event->key() == Qt::Key_Tab && modifiers.testFlag(Qt::ShiftModifier))) {
        if (m_screen)
            m_screen->focusPreviousCell();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Tab) {
        if (m_screen)
            m_screen->focusNextCell();
        event->accept();
        return;
    }
    const bool plainReturn = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && (modifiers & ~Qt::KeypadModifier) == Qt::NoModifier;
    const auto *registerModel = qobject_cast<const RegisterModel *>(model());
    if (plainReturn && registerModel && registerModel->isSplitAmountCell(current)) {
        if (m_screen)
            m_screen->focusNextCell();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool RegisterTableView::focusNextPrevChild(bool next)
{
    if (!m_screen)
        return QTableView::focusNextPrevChild(next);
    if (isInsidePayeeMemoEditor(QApplication::focusWidget()))
        return m_screen->focusNextPrevChild(next);
    if (next)
        m_screen->focusNextCell();
    else
        m_screen->focusPreviousCell();
    return true;
}

void RegisterTableView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (hint != QAbstractItemDelegate::EditNextItem && hint != QAbstractItemDelegate::EditPreviousItem) {
        QTableView::closeEditor(editor, hint);
        if (m_screen)
            m_screen->editorClosed();
        return;
    }
    const bool forward = hint == QAbstractItemDelegate::EditNextItem;
    const QPersistentModelIndex cell = currentIndex();
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    if (m_screen)
        m_screen->editorClosed();
    QTimer::singleShot(0, this, [this, cell, forward] {
        if (!m_screen || !cell.isValid())
            return;
        m_screen->makeCellCurrent(cell);
        if (forward)
            m_screen->focusNextCell();
        else
            m_screen->focusPreviousCell();
    });
}

QModelIndex RegisterTableView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex result = QTableView::moveCursor(cursorAction, modifiers);
    if (result.isValid() && result.column() == RegisterModel::BalanceColumn)
        return result.sibling(result.row(), RegisterModel::ClearedColumn);
    return result;
}

void RegisterTableView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    const int shrunkBy = event->oldSize().height() - event->size().height();
    const QModelIndex current = currentIndex();
    if (shrunkBy <= 0 || event->oldSize().height() < 0 || !current.isValid())
        return;
    const QRect cell = visualRect(current);
    const int height = viewport()->height();
    if (cell.isValid() && cell.top() < height + shrunkBy && cell.bottom() >= height)
        scrollTo(current, EnsureVisible);
}
