#include "register/registerlineedit.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>

RegisterLineEdit::RegisterLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
}

bool RegisterLineEdit::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *keyEvent = static_cast<QKeyEvent *>(event);
        QCompleter *lineCompleter = completer();
        if ((keyEvent->key() == Qt::Key_Return || keyEvent->key() == Qt::Key_Enter) && lineCompleter
            && lineCompleter->popup() && lineCompleter->popup()->isVisible()) {
            const QModelIndex current = lineCompleter->popup()->currentIndex();
            if (current.isValid())
                setText(current.data(lineCompleter->completionRole()).toString());
            lineCompleter->popup()->hide();
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}
