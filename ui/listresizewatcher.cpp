#include "ui/listresizewatcher.h"

#include <QEvent>

ListResizeWatcher::ListResizeWatcher(std::function<void()> callback, QObject *parent)
    : QObject(parent)
    , m_callback(std::move(callback))
{
}

bool ListResizeWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::Resize || event->type() == QEvent::Show) && m_callback)
        m_callback();
    return QObject::eventFilter(watched, event);
}
