#pragma once

#include "app/uiprefs.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QPalette>

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
