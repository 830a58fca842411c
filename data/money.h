#pragma once

#include "data/account.h"

#include <QString>

#include <optional>

// Amounts are int64 in the currency's minor unit: cents, whole yen for JPY.
QString currencySymbol(Currency currency);
int currencyDecimals(Currency currency);
QString formatMoney(qint64 amount, Currency currency = Currency::USD);
// The amount negated when `negate` is set.
QString formatMoneySigned(qint64 amount, bool negate, Currency currency = Currency::USD);
QString formatAmount(qint64 amount, Currency currency = Currency::USD);
QString formatAmountSigned(qint64 amount, bool negate, Currency currency = Currency::USD);
// Reads typed or imported amount text in the currency's minor unit. A comma
// followed by one or two final digits is a decimal comma ("12,50",
// "1.234,56"); any other comma groups thousands. Extra decimals round half
// away from zero; text with decimals in a currency without them (JPY), text
// that is not a number and amounts beyond int64 (INT64_MIN included) do not
// read: nullopt, where the empty text reads as 0.
std::optional<qint64> tryParseMoney(const QString &text, Currency currency = Currency::USD);
// tryParseMoney with 0 for text that does not read.
qint64 parseMoney(const QString &text, Currency currency = Currency::USD);
qint64 parseDigitsOnly(const QString &text);

// Balances and totals add with this: nullopt when the sum does not fit in
// an amount (INT64_MIN is not one), so it is shown as sumTooLargeText().
std::optional<qint64> checkedSum(qint64 left, qint64 right);
QString sumTooLargeText();

void setAmountAutoDecimal(bool enabled);

namespace UiPrefs {
bool amountAutoDecimal();
}
