#include "register/tabcompleter.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

TabCompleter::TabCompleter(QObject *parent)
    : QCompleter(parent)
{
}

TabCompleter::TabCompleter(QAbstractItemModel *model, QObject *parent)
    : QCompleter(model, parent)
{
}

TabCompleter::TabCompleter(const QStringList &list, QObject *parent)
    : QCompleter(list, parent)
{
}

bool TabCompleter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && popup() && popup()->isVisible()) {
        const auto *keyEvent = static_cast<QKeyEvent *>(event);
        if (keyEvent->key() == Qt::Key_Tab || keyEvent->key() == Qt::Key_Backtab) {
            const bool forward = keyEvent->key() == Qt::Key_Tab && !keyEvent->modifiers().testFlag(Qt::ShiftModifier);
            acceptCurrentRow();
            if (!moveToMemoLine())
                moveToNeighbourCell(forward);
            return true;
        }
    }
    return QCompleter::eventFilter(watched, event);
}

void TabCompleter::acceptCurrentRow()
{
    const QModelIndex current = popup()->currentIndex();
    const QString text = current.isValid() ? current.data(completionRole()).toString() : QString();
    if (!text.isEmpty()) {
        if (auto *lineEdit = qobject_cast<QLineEdit *>(widget())) {
            lineEdit->setText(text);
        } else if (auto *comboBox = qobject_cast<QComboBox *>(widget())) {
            const int index = comboBox->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
            if (index >= 0)
                comboBox->setCurrentIndex(index);
            else
                comboBox->setEditText(text);
        }
        Q_EMIT activated(text);
    }
    popup()->hide();
}

bool TabCompleter::moveToMemoLine()
{
    for (QWidget *ancestor = widget(); ancestor; ancestor = ancestor->parentWidget()) {
        if (ancestor->objectName() == QLatin1String("PayeeMemoEditor")) {
            if (auto *memo = ancestor->findChild<QWidget *>(QStringLiteral("memoEdit")))
                memo->setFocus();
            return true;
        }
    }
    return false;
}

void TabCompleter::moveToNeighbourCell(bool forward)
{
    QWidget *editor = widget();
    QAbstractItemView *view = nullptr;
    for (QWidget *ancestor = editor ? editor->parentWidget() : nullptr; ancestor; ancestor = ancestor->parentWidget()) {
        view = qobject_cast<QAbstractItemView *>(ancestor);
        if (view)
            break;
    }
    if (!view || !view->itemDelegate())
        return;
    // The editor is the view's direct child on the viewport; the completer
    // may sit on a line edit inside it.
    while (editor && editor->parentWidget() != view->viewport())
        editor = editor->parentWidget();
    if (!editor)
        return;
    QAbstractItemDelegate *delegate = view->itemDelegate();
    Q_EMIT delegate->commitData(editor);
    Q_EMIT delegate->closeEditor(editor,
        forward ? QAbstractItemDelegate::EditNextItem : QAbstractItemDelegate::EditPreviousItem);
}

void configureEntryCompleter(QCompleter *completer)
{
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
}
