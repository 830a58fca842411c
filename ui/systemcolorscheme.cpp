#include "ui/systemcolorscheme.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QStyleHints>
#include <QTimer>

SystemColorScheme::SystemColorScheme(QObject *parent)
    : QObject(parent)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    connect(QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, this,
            &SystemColorScheme::changed);
#else
    // Without a colour-scheme signal, a platform theme change is the cue.
    if (qApp)
        qApp->installEventFilter(this);
#endif
}

SystemColorScheme::~SystemColorScheme() = default;

bool SystemColorScheme::isDark() const
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    return QGuiApplication::styleHints()->colorScheme() == Qt::ColorScheme::Dark;
#else
    if (!qApp)
        return false;
    if (!QCoreApplication::testAttribute(Qt::AA_SetPalette))
        return QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
    // Our own palette hides the platform's; an empty palette resolves to the
    // platform's, so look at it and put ours back.
    const QPalette current = QGuiApplication::palette();
    QApplication::setPalette(QPalette());
    const bool dark = QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
    QApplication::setPalette(current);
    return dark;
#endif
}

bool SystemColorScheme::eventFilter(QObject *watched, QEvent *event)
{
    // A platform theme change reaches every top-level window; report it once.
    if (event->type() == QEvent::ThemeChange && watched->isWindowType() && !m_changePending) {
        m_changePending = true;
        QTimer::singleShot(0, this, [this] {
            m_changePending = false;
            Q_EMIT changed();
        });
    }
    return QObject::eventFilter(watched, event);
}
