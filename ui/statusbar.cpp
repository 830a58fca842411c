#include "ui/statusbar.h"

#include "ui/palettehelpers.h"

#include <QLabel>
#include <QProgressBar>

StatusBar::StatusBar(QWidget *parent)
    : QStatusBar(parent)
    , m_syncLabel(new QLabel(tr("Offline"), this))
    , m_accountCountLabel(new QLabel(this))
    , m_recurringDueLabel(new QLabel(this))
    , m_progressLabel(new QLabel(this))
    , m_progressBar(new QProgressBar(this))
{
    m_syncLabel->setObjectName(QStringLiteral("syncStatusLabel"));
    m_accountCountLabel->setObjectName(QStringLiteral("accountCountLabel"));
    m_recurringDueLabel->setObjectName(QStringLiteral("recurringDueLabel"));
    m_progressLabel->setObjectName(QStringLiteral("progressLabel"));
    m_progressBar->setObjectName(QStringLiteral("progressBar"));
    for (QLabel *label : {m_syncLabel, m_accountCountLabel, m_recurringDueLabel, m_progressLabel})
        applyFontRole(label, 0);

    m_progressBar->setRange(0, 0);
    m_progressBar->setMaximumWidth(100);
    m_progressBar->setMaximumHeight(14);
    m_progressBar->setTextVisible(false);

    addWidget(m_accountCountLabel);
    addWidget(m_recurringDueLabel);
    addPermanentWidget(m_progressLabel);
    addPermanentWidget(m_progressBar);
    addPermanentWidget(m_syncLabel);
    // Adding shows a widget; these wait for their first use.
    m_recurringDueLabel->hide();
    m_progressLabel->hide();
    m_progressBar->hide();

    setStyleSheet(QStringLiteral("QStatusBar {  padding: 2px 4px;}QStatusBar::item { border: none; }"));
}

StatusBar::~StatusBar() = default;

void StatusBar::setAccountCount(int count)
{
    m_accountCountLabel->setText(tr("%n account(s)", nullptr, count));
}

void StatusBar::setRecurringDueCount(int count)
{
    if (count <= 0) {
        m_recurringDueLabel->hide();
        return;
    }
    m_recurringDueLabel->setText(tr("  •  %n recurring due", nullptr, count));
    setThemedStyleSheet(m_recurringDueLabel, [] {
        return QStringLiteral("color: %1; font-weight: bold;").arg(warningColor().name(QColor::HexRgb));
    });
    m_recurringDueLabel->show();
}

void StatusBar::setSyncStatus(const QString &text)
{
    m_syncLabel->setText(text);
}

void StatusBar::showMessage(const QString &text, int timeoutMs)
{
    hideProgress();
    QStatusBar::showMessage(text, timeoutMs);
}

void StatusBar::showProgress(const QString &text)
{
    m_progressLabel->setText(text);
    m_progressLabel->show();
    m_progressBar->show();
}

void StatusBar::hideProgress()
{
    m_progressLabel->hide();
    m_progressBar->hide();
}

void StatusBar::applyTheme()
{
    const QString styleSheet =
        QStringLiteral("color: %1;").arg(isDarkPalette() ? QStringLiteral("#8FAF9F") : QStringLiteral("#2A3D33"));
    m_syncLabel->setStyleSheet(styleSheet);
    m_accountCountLabel->setStyleSheet(styleSheet);
}
