#include "register/registerstatusline.h"

#include "register/wrappinglabel.h"
#include "register/wrappingrowlayout.h"
#include "ui/palettehelpers.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QTimer>

// The texts keep the register screen's context, in which they are translated.
RegisterStatusLine::RegisterStatusLine(QWidget *parent)
    : QWidget(parent)
{
    // Messages and the key hint wrap rather than widen the window.
    auto *footer = new WrappingRowLayout(this);
    footer->setContentsMargins(0, 0, 0, 0);
    m_statusLabel = new WrappingLabel(this);
    m_statusLabel->setObjectName(QStringLiteral("statusLabel"));
    applyFontRole(m_statusLabel, 0);
    m_statusLabel->setStyleSheet(QStringLiteral("color: %1; padding: 2px 4px;").arg(mutedTextColor().name()));
    footer->addWidget(m_statusLabel);
    footer->addStretch();
    m_hintLabel = new WrappingLabel(this);
    m_hintLabel->setObjectName(QStringLiteral("hintLabel"));
    applyFontRole(m_hintLabel, 0);
    m_hintLabel->setText(
        QCoreApplication::translate("RegisterScreen",
            "%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  ': copy above")
            .arg(QKeySequence(QStringLiteral("Ctrl+Return")).toString(QKeySequence::NativeText),
                QKeySequence(QStringLiteral("Ctrl+D")).toString(QKeySequence::NativeText),
                QKeySequence(QStringLiteral("Ctrl+M")).toString(QKeySequence::NativeText)));
    setThemedStyleSheet(m_hintLabel, [] {
        return QStringLiteral("color: %1; padding: 2px 4px;")
            .arg(isDarkPalette() ? QStringLiteral("#5A7A6E") : mutedTextColor().name());
    });
    footer->addWidget(m_hintLabel);

    m_statusTimer = new QTimer(this);
    m_statusTimer->setSingleShot(true);
    connect(m_statusTimer, &QTimer::timeout, m_statusLabel, &QLabel::clear);
}

void RegisterStatusLine::showStatus(const QString &text, int milliseconds)
{
    m_statusLabel->setText(text);
    m_statusTimer->start(qMax(0, milliseconds));
}
