#pragma once

#include <QStatusBar>

class QLabel;
class QProgressBar;

// The main window's status bar: account count and due-recurring badge on
// the left; busy indicator, progress text and sync status on the right.
class StatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit StatusBar(QWidget *parent = nullptr);
    ~StatusBar() override;

    void setAccountCount(int count);
    void setRecurringDueCount(int count);
    void setSyncStatus(const QString &text);
    // Ends a running busy indicator before showing the message.
    void showMessage(const QString &text, int timeoutMs = 0);
    void showProgress(const QString &text);
    void hideProgress();
    void applyTheme();

private:
    QLabel *m_syncLabel;
    QLabel *m_accountCountLabel;
    QLabel *m_recurringDueLabel;
    QLabel *m_progressLabel;
    QProgressBar *m_progressBar;
};
