#pragma once

#include "data/account.h"

#include <QWidget>

#include <optional>

class AppState;
class DateField;
class QLabel;
class QPushButton;
class QTableView;
class ReconciliationModel;
class SmartAmountField;

// Reconciles one account against a statement: the user ticks the rows on
// the statement until the cleared balance meets the statement balance.
class ReconciliationScreen : public QWidget
{
    Q_OBJECT

public:
    explicit ReconciliationScreen(AppState *app, QWidget *parent = nullptr);

    void setAccount(const QString &accountId);

    ReconciliationModel *model() const { return m_model; }
    QTableView *table() const { return m_table; }

    bool eventFilter(QObject *watched, QEvent *event) override;

Q_SIGNALS:
    void reconciliationCompleted();
    void cancelled();

public Q_SLOTS:
    // The model's ticksChanged already recomputes; this does the same.
    void onTransactionToggled(int row);
    void updateDifference();
    void finish();
    void addTransaction();
    void editSelectedTransaction();
    void deleteSelectedTransaction();

private:
    void setupUi();
    void setupShortcuts();
    void loadTransactions();
    void reloadAfterRefusal(const QString &text);
    // The previous balance and the rows as stored now; ticks stay by id.
    void reloadRows();
    // Closes the window when its account is no longer live; true when it did.
    bool closeIfAccountDeleted();
    qint64 statementBalance() const;
    bool currentRow(int &row) const;
    void showValue(QLabel *label, std::optional<qint64> value) const;

    AppState *m_app;
    QString m_accountId;
    std::optional<Account> m_account;
    std::optional<qint64> m_previousBalance = 0;
    bool m_liability = false;

    ReconciliationModel *m_model = nullptr;
    QTableView *m_table = nullptr;
    DateField *m_statementDate = nullptr;
    SmartAmountField *m_statementAmount = nullptr;
    QLabel *m_statementCaption = nullptr;
    QLabel *m_depositsCaption = nullptr;
    QLabel *m_withdrawalsCaption = nullptr;
    QLabel *m_previousValue = nullptr;
    QLabel *m_depositsValue = nullptr;
    QLabel *m_withdrawalsValue = nullptr;
    QLabel *m_clearedValue = nullptr;
    QLabel *m_statementValue = nullptr;
    QLabel *m_differenceValue = nullptr;
    QPushButton *m_finishButton = nullptr;
};
