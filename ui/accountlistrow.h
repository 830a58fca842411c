#pragma once

#include "data/account.h"

#include <QList>
#include <QString>

#include <optional>

class QWidget;

// One account's balance as the list shows it; empty when the sum of its
// transactions does not fit in an amount.
struct AccountBalance
{
    Account account;
    std::optional<qint64> balance;
};

// The total of one currency's stored balances; empty when one of them could
// not be computed or their sum does not fit.
struct CurrencyTotal
{
    Currency currency = Currency::USD;
    std::optional<qint64> total;
};

// One total per currency, in the order the currencies first appear.
QList<CurrencyTotal> totalsByCurrency(const QList<AccountBalance> &balances);

// The totals as one line, each in its own currency.
QString formatCurrencyTotals(const QList<CurrencyTotal> &totals);

// The row widget of the account list: type icon, name and balance, then the
// institution (or type) and the last digits. Data is shown as plain text.
QWidget *createAccountRowWidget(const AccountBalance &entry);

// The glyph of the icon font for the account type.
QChar accountTypeGlyph(AccountType type);
