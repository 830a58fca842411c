#pragma once

#include <QWidget>

class AppState;
class QLabel;
class QTableWidget;

// The finished reconciliations of one account, newest statement first.
// Read-only.
class ReconciliationHistoryScreen : public QWidget
{
    Q_OBJECT

public:
    explicit ReconciliationHistoryScreen(AppState *app, QWidget *parent = nullptr);

    void setAccount(const QString &accountId);

private:
    void populate();

    AppState *m_app;
    QString m_accountId;
    QLabel *m_title = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_emptyLabel = nullptr;
};
