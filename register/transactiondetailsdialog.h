#pragma once

#include "data/account.h"
#include "data/transaction.h"

#include <QDialog>

class AppState;
class QLabel;
class QPushButton;
class QVBoxLayout;

// One transaction read-only, with its split lines and time stamps. Toggling
// cleared and deleting happen here; Edit and Duplicate close the dialog with
// a request the caller carries out.
class TransactionDetailsDialog : public QDialog
{
    Q_OBJECT

public:
    TransactionDetailsDialog(AppState *app, const Transaction &transaction, QWidget *parent = nullptr);

    bool editRequested() const { return m_editRequested; }
    bool duplicateRequested() const { return m_duplicateRequested; }
    bool deleted() const { return m_deleted; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildContent();
    void addSplitLines(QVBoxLayout *layout);
    void toggleCleared();
    void deleteTransaction();
    QString statusText() const;
    QString clearedButtonText() const;

    AppState *m_app;
    Transaction m_transaction;
    Currency m_currency = Currency::USD;
    bool m_editRequested = false;
    bool m_duplicateRequested = false;
    bool m_deleted = false;
    QLabel *m_statusLabel = nullptr;
    QPushButton *m_clearedButton = nullptr;
};
