#include "ui/windowsize.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

// A window that was never shown has no frame yet; the title bars of the
// common desktops are at most this tall, their borders thin.
const QMargins kEstimatedFrame(4, 40, 4, 4);

QMargins shownFrame(const QWidget *window)
{
    if (!window || !window->isVisible() || !window->windowHandle())
        return QMargins();
    return window->windowHandle()->frameMargins();
}

QScreen *screenOf(const QWidget *window)
{
    if (const QWidget *parent = window->parentWidget())
        return parent->window()->screen();
    if (window->testAttribute(Qt::WA_Moved)) {
        if (QScreen *screen = QGuiApplication::screenAt(window->geometry().center()))
            return screen;
    }
    return window->screen();
}

} // namespace

namespace WindowSize {

QSize fitted(const QSize &wanted, const QRect &available, const QMargins &frame)
{
    if (available.isEmpty())
        return wanted;
    const QSize room(available.width() - frame.left() - frame.right(),
                     available.height() - frame.top() - frame.bottom());
    return wanted.boundedTo(room.expandedTo(QSize(1, 1)));
}

QRect fittedGeometry(const QRect &geometry, const QRect &available, const QMargins &frame)
{
    if (available.isEmpty())
        return geometry;
    QRect result(geometry.topLeft(), fitted(geometry.size(), available, frame));
    const QRect inner = available.marginsRemoved(frame);
    // Right and bottom first, so a window larger than the room keeps its
    // title bar (top left) on screen.
    if (result.right() > inner.right())
        result.moveRight(inner.right());
    if (result.bottom() > inner.bottom())
        result.moveBottom(inner.bottom());
    if (result.left() < inner.left())
        result.moveLeft(inner.left());
    if (result.top() < inner.top())
        result.moveTop(inner.top());
    return result;
}

QRect availableGeometry(const QWidget *window)
{
    const QScreen *screen = window ? screenOf(window) : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QMargins frameAllowance(const QWidget *window)
{
    if (!window)
        return kEstimatedFrame;
    QMargins frame = shownFrame(window);
    if (frame.isNull() && window->parentWidget())
        frame = shownFrame(window->parentWidget()->window());
    return frame.isNull() ? kEstimatedFrame : frame;
}

void resizeToFit(QWidget *window, const QSize &wanted)
{
    if (window)
        window->resize(fitted(wanted, availableGeometry(window), frameAllowance(window)));
}

void keepOnScreen(QWidget *window)
{
    if (!window || window->isMaximized() || window->isFullScreen())
        return;
    const QRect fitting = fittedGeometry(window->geometry(), availableGeometry(window), frameAllowance(window));
    if (fitting != window->geometry())
        window->setGeometry(fitting);
}

} // namespace WindowSize
