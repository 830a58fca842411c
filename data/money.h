#pragma once

#include "data/account.h"

#include <QString>

// Amounts are int64 in the currency's minor unit: cents, whole yen for JPY.
QString currencySymbol(Currency currency);
int currencyDecimals(Currency currency);
QString formatMoney(qint64 amount, Currency currency = Currency::USD);
QString formatMoneySigned(qint64 amount, bool negate, Currency currency = Currency::USD);
QString formatAmount(qint64 amount, Currency currency = Currency::USD);
QString formatAmountSigned(qint64 amount, bool negate, Currency currency = Currency::USD);
// 0 for text that does not parse, is not finite or does not fit in int64.
qint64 parseMoney(const QString &text, Currency currency = Currency::USD);
// Like parseMoney, but tells a failed parse apart from a typed zero.
std::optional<qint64> tryParseMoney(const QString &text, Currency currency = Currency::USD);
qint64 parseDigitsOnly(const QString &text);

void setAmountAutoDecimal(bool enabled);

namespace UiPrefs {
bool amountAutoDecimal();
}
