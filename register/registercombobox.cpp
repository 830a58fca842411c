#include "register/registercombobox.h"

#include "register/tabcompleter.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>

RegisterComboBox::RegisterComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void RegisterComboBox::setItemCompleter(QCompleter *completer)
{
    completer->setParent(this);
    completer->setModel(model());
    configureEntryCompleter(completer);
    setCompleter(completer);
    connect(completer, qOverload<const QString &>(&QCompleter::activated), this,
        [this](const QString &text) { selectItemWithText(text); });
}

bool RegisterComboBox::selectItemWithText(const QString &text)
{
    const int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        return false;
    setCurrentIndex(index);
    return true;
}

bool RegisterComboBox::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *keyEvent = static_cast<QKeyEvent *>(event);
        QCompleter *itemCompleter = completer();
        if ((keyEvent->key() == Qt::Key_Return || keyEvent->key() == Qt::Key_Enter) && itemCompleter
            && itemCompleter->popup() && itemCompleter->popup()->isVisible()) {
            QModelIndex current = itemCompleter->popup()->currentIndex();
            // One entry offered is the one meant: "groc" with only
            // "Groceries" in the list takes it, as a highlighted entry would.
            const QAbstractItemModel *offered = itemCompleter->completionModel();
            if (!current.isValid() && offered->rowCount() == 1)
                current = offered->index(0, itemCompleter->completionColumn());
            if (current.isValid()) {
                const QString text = current.data(itemCompleter->completionRole()).toString();
                if (!selectItemWithText(text))
                    setEditText(text);
            }
            itemCompleter->popup()->hide();
            event->accept();
            return true;
        }
    }
    return QComboBox::event(event);
}
