#include "data/money.h"

#include <QCoreApplication>
#include <QLocale>
#include <QtNumeric>

#include <limits>

namespace {

bool s_amountAutoDecimal = false;

QString groupedNumber(quint64 value)
{
    static const QLocale english(QLocale::English);
    return english.toString(static_cast<qulonglong>(value));
}

// The sign is the flag's, not the negated value's, so INT64_MIN prints too.
QString numberText(qint64 amount, bool negate, Currency currency, bool *negative)
{
    *negative = amount != 0 && (amount < 0) != negate;
    // The magnitude of INT64_MIN does not fit in int64, but does in uint64.
    const quint64 magnitude = amount < 0 ? quint64(0) - quint64(amount) : quint64(amount);
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
    return formatAmountSigned(amount, false, currency);
}

QString formatMoney(qint64 amount, Currency currency)
{
    return formatMoneySigned(amount, false, currency);
}

QString formatMoneySigned(qint64 amount, bool negate, Currency currency)
{
    bool negative = false;
    const QString number = numberText(amount, negate, currency, &negative);
    const QString symbol = currencySymbol(currency);
    return negative ? QStringLiteral("-%1%2").arg(symbol, number) : QStringLiteral("%1%2").arg(symbol, number);
}

QString formatAmountSigned(qint64 amount, bool negate, Currency currency)
{
    bool negative = false;
    const QString number = numberText(amount, negate, currency, &negative);
    return negative ? QStringLiteral("-") + number : number;
}

QString sumTooLargeText()
{
    return QCoreApplication::translate("Money", "Too large");
}

std::optional<qint64> checkedSum(qint64 left, qint64 right)
{
    qint64 sum = 0;
    if (qAddOverflow(left, right, &sum) || sum == std::numeric_limits<qint64>::min())
        return std::nullopt;
    return sum;
}

namespace {

// A comma followed by one or two digits at the end, with no dot after it,
// is a decimal comma ("12,50", "1.234,56"); every other comma, and every
// dot before a decimal comma, groups digits.
QString withDecimalPoint(const QString &text)
{
    const qsizetype comma = text.lastIndexOf(QLatin1Char(','));
    const qsizetype decimals = text.size() - comma - 1;
    bool decimalComma = comma >= 0 && (decimals == 1 || decimals == 2);
    for (qsizetype i = comma + 1; decimalComma && i < text.size(); ++i)
        decimalComma = text.at(i).isDigit() && text.at(i).unicode() < 128;
    QString result = text;
    if (!decimalComma) {
        result.remove(QLatin1Char(','));
        return result;
    }
    QString whole = text.left(comma);
    whole.remove(QLatin1Char(','));
    whole.remove(QLatin1Char('.'));
    return whole + QLatin1Char('.') + text.mid(comma + 1);
}

bool isAsciiDigits(QStringView text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// Exact decimal conversion: no binary floating point, so every amount that
// fits in int64 minor units reads back digit for digit. Extra decimals round
// half away from zero. The magnitude stays within INT64_MAX, so the result
// can always be negated.
std::optional<quint64> magnitudeFromText(const QString &number, int decimals)
{
    const qsizetype point = number.indexOf(QLatin1Char('.'));
    const QStringView whole = point < 0 ? QStringView(number) : QStringView(number).left(point);
    const QStringView fraction = point < 0 ? QStringView() : QStringView(number).mid(point + 1);
    if ((whole.isEmpty() && fraction.isEmpty()) || !isAsciiDigits(whole) || !isAsciiDigits(fraction))
        return std::nullopt;
    if (decimals == 0 && point >= 0)
        return std::nullopt;

    constexpr quint64 limit = quint64(std::numeric_limits<qint64>::max());
    quint64 value = 0;
    const auto appendDigit = [&value](QChar digit) {
        return !qMulOverflow(value, quint64(10), &value) && !qAddOverflow(value, quint64(digit.unicode() - '0'), &value);
    };
    for (const QChar digit : whole) {
        if (!appendDigit(digit))
            return std::nullopt;
    }
    for (int i = 0; i < decimals; ++i) {
        if (!appendDigit(i < fraction.size() ? fraction.at(i) : QLatin1Char('0')))
            return std::nullopt;
    }
    if (fraction.size() > decimals && fraction.at(decimals) >= QLatin1Char('5')) {
        if (qAddOverflow(value, quint64(1), &value))
            return std::nullopt;
    }
    if (value > limit)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<qint64> tryParseMoney(const QString &input, Currency currency)
{
    QString text = input;
    text.remove(currencySymbol(currency));
    text = text.trimmed();
    if (text.isEmpty())
        return qint64(0);

    bool negative = false;
    if (text.startsWith(QLatin1Char('-'))) {
        negative = true;
        text.remove(0, 1);
    } else if (text.startsWith(QLatin1Char('+'))) {
        text.remove(0, 1);
    }

    const std::optional<quint64> magnitude = magnitudeFromText(withDecimalPoint(text), currencyDecimals(currency));
    if (!magnitude)
        return std::nullopt;
    const qint64 value = qint64(*magnitude);
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
