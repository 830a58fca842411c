#include "data/money.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace {

bool s_amountAutoDecimal = false;

QString groupedNumber(quint64 value)
{
    static const QLocale english(QLocale::English);
    return english.toString(static_cast<qulonglong>(value));
}

QString numberText(qint64 amount, Currency currency, bool *negative)
{
    *negative = amount < 0;
    // The magnitude of INT64_MIN does not fit in int64, but does in uint64.
    const quint64 magnitude = *negative ? quint64(0) - quint64(amount) : quint64(amount);
    if (currency == Currency::JPY)
        return groupedNumber(magnitude);
    return QStringLiteral("%1.%2")
        .arg(groupedNumber(magnitude / 100))
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

QString currencySymbol(Currency currency)
{
    switch (currency) {
    case Currency::EUR:
        return QStringLiteral("\u20AC");
    case Currency::GBP:
        return QStringLiteral("\u00A3");
    case Currency::JPY:
        return QStringLiteral("\u00A5");
    case Currency::USD:
    case Currency::CAD:
    case Currency::AUD:
        break;
    }
    return QStringLiteral("$");
}

int currencyDecimals(Currency currency)
{
    return currency == Currency::JPY ? 0 : 2;
}

QString formatAmount(qint64 amount, Currency currency)
{
    bool negative = false;
    const QString number = numberText(amount, currency, &negative);
    return negative ? QStringLiteral("-") + number : number;
}

QString formatMoney(qint64 amount, Currency currency)
{
    bool negative = false;
    const QString number = numberText(amount, currency, &negative);
    const QString symbol = currencySymbol(currency);
    return negative ? QStringLiteral("-%1%2").arg(symbol, number) : QStringLiteral("%1%2").arg(symbol, number);
}

QString formatMoneySigned(qint64 amount, bool negate, Currency currency)
{
    return formatMoney(negate ? -amount : amount, currency);
}

QString formatAmountSigned(qint64 amount, bool negate, Currency currency)
{
    return formatAmount(negate ? -amount : amount, currency);
}

std::optional<qint64> tryParseMoney(const QString &input, Currency currency)
{
    QString text = input;
    text.remove(currencySymbol(currency));
    text.remove(QLatin1Char(','));
    text = text.trimmed();
    if (text.isEmpty())
        return qint64(0);

    bool negative = false;
    if (text.startsWith(QLatin1Char('-'))) {
        negative = true;
        text.remove(0, 1);
    }

    qint64 value = 0;
    bool ok = false;
    if (currency == Currency::JPY) {
        value = text.toLongLong(&ok, 10);
    } else {
        const double number = text.toDouble(&ok);
        if (!ok)
            return std::nullopt;
        const double cents = std::round(number * 100.0);
        // Refuse what cannot be held as whole cents: inf, nan, 1e30.
        constexpr double limit = 9223372036854775807.0;
        if (!std::isfinite(cents) || cents >= limit || cents <= -limit)
            return std::nullopt;
        value = static_cast<qint64>(cents);
    }
    if (!ok)
        return std::nullopt;
    return negative ? -value : value;
}

qint64 parseMoney(const QString &text, Currency currency)
{
    return tryParseMoney(text, currency).value_or(0);
}

qint64 parseDigitsOnly(const QString &text)
{
    const bool negative = text.trimmed().startsWith(QLatin1Char('-'));
    QString collected;
    for (const QChar c : text) {
        if (c.isDigit())
            collected.append(QChar(QLatin1Char(char('0' + c.digitValue()))));
    }
    if (collected.isEmpty())
        return 0;
    bool ok = false;
    const qint64 value = collected.toLongLong(&ok, 10);
    if (!ok)
        return 0;
    return negative ? -value : value;
}

void setAmountAutoDecimal(bool enabled)
{
    s_amountAutoDecimal = enabled;
}

namespace UiPrefs {
bool amountAutoDecimal()
{
    return s_amountAutoDecimal;
}
} // namespace UiPrefs
