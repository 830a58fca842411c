#pragma once

#include "data/account.h"
#include "data/transaction.h"

#include <QDate>
#include <QDialog>

#include <optional>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class SmartAmountField;

// Collects a new or edited account. It stores nothing: the caller reads
// account() and the opening-balance fields after the dialog was accepted.
class AccountFormDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AccountFormDialog(QWidget *parent = nullptr);
    AccountFormDialog(const Account &account, const std::optional<Transaction> &openingBalance,
                      QWidget *parent = nullptr);
    ~AccountFormDialog() override;

    Account account() const;
    // In the selected currency's minor unit; an amount owed comes back negative.
    qint64 openingBalanceCents() const;
    QDate openingBalanceDate() const;
    bool openingBalanceChanged() const;

    bool isLiabilityType() const;

    // Amounts are stored in the currency's minor unit: while the account has
    // transactions only currencies with the same unit can be chosen.
    void setHasTransactions(bool hasTransactions);
    // The save refused the currency chosen (transactions arrived while the
    // form was open): says why, and leaves only the currencies allowed.
    void refuseCurrencyChange();

private:
    void setupUi();
    void loadAccount();
    void updateBalanceLabel();
    Currency selectedCurrency() const;
    QString currencyRuleText() const;
    void applyCurrencyToBalance();
    void showBalance(qint64 amount, Currency currency);
    // The balance field in minor units, as typed (an amount owed positive).
    qint64 balanceFieldAmount() const;

    QLineEdit *m_nameEdit = nullptr;
    QComboBox *m_typeCombo = nullptr;
    QComboBox *m_currencyCombo = nullptr;
    SmartAmountField *m_balanceSpin = nullptr;
    QDateEdit *m_asOfEdit = nullptr;
    QLineEdit *m_institutionEdit = nullptr;
    QLineEdit *m_last4Edit = nullptr;
    QLabel *m_openingWarningLabel = nullptr;
    QLabel *m_balanceLabel = nullptr;

    Account m_account;
    std::optional<Transaction> m_openingBalance;
    // The exact amount loadAccount put into the balance field, until the
    // field or the currency changes: the spin box rounds and clamps, and an
    // amount the user left alone must read back as it was stored.
    std::optional<qint64> m_untouchedFieldAmount;
    qint64 m_initialCents = 0;
    QDate m_initialDate;
    bool m_editing = false;
};
