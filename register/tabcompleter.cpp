#include "register/tabcompleter.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>

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
    widenPopupToEntries(completer);
}

int popupWidthForEntries(const QCompleter *completer)
{
    QAbstractItemView *popup = completer->popup();
    const QAbstractItemModel *entries = completer->completionModel();
    const QFontMetrics metrics(popup->font());
    const int rows = entries->rowCount();
    int widest = 0;
    for (int row = 0; row < rows; ++row) {
        const QString text = entries->index(row, completer->completionColumn()).data(Qt::DisplayRole).toString();
        widest = qMax(widest, metrics.horizontalAdvance(text));
    }
    QStyle *style = popup->style();
    const int textMargin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, popup) + 1;
    int width = widest + 2 * textMargin + 2 * popup->frameWidth() + 8;
    if (rows > completer->maxVisibleItems())
        width += style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, popup->verticalScrollBar());
    if (const QWidget *editor = completer->widget())
        width = qMin(width, editor->window()->width());
    return width;
}

void widenPopupToEntries(QCompleter *completer)
{
    // The popup takes the editor's width each time it shows; a minimum
    // width, renewed whenever the offered entries change, lets it grow.
    const auto widen = [completer] { completer->popup()->setMinimumWidth(popupWidthForEntries(completer)); };
    QAbstractItemModel *entries = completer->completionModel();
    QObject::connect(entries, &QAbstractItemModel::modelReset, completer, widen);
    QObject::connect(entries, &QAbstractItemModel::layoutChanged, completer, widen);
    QObject::connect(entries, &QAbstractItemModel::rowsInserted, completer, widen);
}
