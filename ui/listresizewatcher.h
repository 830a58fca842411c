#pragma once

#include <QObject>

#include <functional>

// Calls back when the watched widget is resized or shown; never consumes
// the event.
class ListResizeWatcher : public QObject
{
    Q_OBJECT

public:
    ListResizeWatcher(std::function<void()> callback, QObject *parent = nullptr);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_callback;
};
