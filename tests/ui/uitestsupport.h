#pragma once

#include "app/uiprefs.h"
#include "register/registerscreen.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QtTest>

// Puts the process-wide interface values and the application palette back
// after a test changed them.
class UiStateGuard
{
public:
    UiStateGuard()
        : m_baseFont(UiPrefs::baseFont())
        , m_scale(UiPrefs::fontScalePercent())
        , m_accent(UiPrefs::accentColor())
        , m_palette(QApplication::palette())
        , m_font(QApplication::font())
    {
    }

    ~UiStateGuard()
    {
        UiPrefs::baseFont() = m_baseFont;
        UiPrefs::setFontScalePercent(m_scale);
        UiPrefs::accentColor() = m_accent;
        QApplication::setPalette(m_palette);
        QApplication::setFont(m_font);
    }

    UiStateGuard(const UiStateGuard &) = delete;
    UiStateGuard &operator=(const UiStateGuard &) = delete;

private:
    QFont m_baseFont;
    int m_scale;
    QColor m_accent;
    QPalette m_palette;
    QFont m_font;
};

// A named child widget of a form.
template<typename T>
T *field(QWidget &form, const char *name)
{
    return form.findChild<T *>(QLatin1String(name));
}

inline QPalette paletteWithWindow(const char *window)
{
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, QColor(window));
    return palette;
}

// The colour a widget paints its text in, after its style sheet is applied.
inline QColor shownTextColor(QWidget *widget)
{
    widget->ensurePolished();
    return widget->palette().color(widget->foregroundRole());
}

// Runs what the windows left for the event loop (deferred rebuilds).
inline void settleEvents()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// A key press where a person's key would go: an open popup, else the
// focused widget, else the given window.
inline void pressKey(QWidget *window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::activePopupWidget();
    if (!target)
        target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QTest::keyClick(target, Qt::Key(key), modifiers);
    settleEvents();
}

// Types into the focused widget, replacing what a line edit holds.
inline void typeIntoFocus(const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget()))
        edit->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), text);
    settleEvents();
}

// Types a new register row, payee and payment, saved with Ctrl+Return.
inline void typeRegisterTransaction(QWidget *window, RegisterScreen *screen, const QString &payee,
    const QString &payment)
{
    screen->selectNewRow();
    pressKey(window, Qt::Key_Return); // the date editor
    pressKey(window, Qt::Key_Return); // check number
    pressKey(window, Qt::Key_Return); // payee
    typeIntoFocus(payee);
    if (QApplication::activePopupWidget())
        pressKey(window, Qt::Key_Escape);
    pressKey(window, Qt::Key_Return); // category
    pressKey(window, Qt::Key_Return); // memo
    pressKey(window, Qt::Key_Return); // payment
    typeIntoFocus(payment);
    pressKey(window, Qt::Key_Return, Qt::ControlModifier);
}

// The item of the window's menus with this text (nullptr when none).
inline QAction *menuBarAction(QMainWindow *window, const QString &text)
{
    for (QAction *menu : window->menuBar()->actions()) {
        for (QAction *action : menu->menu()->actions()) {
            if (action->text() == text)
                return action;
        }
    }
    return nullptr;
}
