#pragma once

#include "data/account.h"

#include <QWidget>

#include <optional>

class ElidedLabel;
class QLabel;
class QPushButton;

// The register's header: the account's name and institution, its cleared,
// uncleared and total balances, and the New Transaction, Filter and
// Reconcile buttons, whose clicks it passes on.
class RegisterHeader : public QWidget
{
    Q_OBJECT

public:
    explicit RegisterHeader(QWidget *parent = nullptr);

    void showAccount(const Account &account);
    // A sum that does not fit in an amount is nullopt.
    void showSums(std::optional<qint64> cleared, std::optional<qint64> uncleared, bool liability, Currency currency);
    // The Filter button's caption says how many criteria are set.
    void showFilterCount(int count);

Q_SIGNALS:
    void newTransactionClicked();
    void filterClicked();
    void reconcileClicked();

private:
    QWidget *makeSummaryField(const QString &caption, QLabel **valueLabel, bool bold);

    ElidedLabel *m_titleLabel = nullptr;
    ElidedLabel *m_subtitleLabel = nullptr;
    QLabel *m_clearedValue = nullptr;
    QLabel *m_unclearedValue = nullptr;
    QLabel *m_balanceValue = nullptr;
    QPushButton *m_filterButton = nullptr;
};
