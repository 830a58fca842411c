#include "register/smartamountfield.h"

#include "data/money.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <cmath>

SmartAmountField::SmartAmountField(QWidget *parent)
    : QDoubleSpinBox(parent)
{
    setDecimals(2);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void SmartAmountField::setCurrency(Currency currency)
{
    m_currency = currency;
    setDecimals(currencyDecimals(currency));
}

qint64 SmartAmountField::minorUnits() const
{
    return std::llround(value() * unitsPerWhole());
}

void SmartAmountField::setMinorUnits(qint64 amount)
{
    setValue(double(amount) / unitsPerWhole());
}

double SmartAmountField::valueFromText(const QString &text) const
{
    const QString body = amountText(text);
    if (UiPrefs::amountAutoDecimal())
        return double(parseDigitsOnly(body)) / unitsPerWhole();
    return double(tryParseMoney(body, m_currency).value_or(0)) / unitsPerWhole();
}

// The spin box's own check reads by the interface language ("12,50" is
// 1250 in English) and, with automatic decimals, reads "1234" as 1234 and
// would refuse digits long before the cents reach the maximum.
QValidator::State SmartAmountField::validate(QString &text, int &) const
{
    const QString body = amountText(text);
    if (body.isEmpty())
        return QValidator::Intermediate;
    const QChar decimalPoint = localeDecimalPoint();
    for (int i = 0; i < body.size(); ++i) {
        const QChar c = body.at(i);
        const bool allowed = c.isDigit() || c == decimalPoint || c == u'.' || c == u','
            || (i == 0 && c == u'-' && minimum() < 0);
        if (!allowed)
            return QValidator::Invalid;
    }
    std::optional<qint64> minor;
    if (UiPrefs::amountAutoDecimal())
        minor = parseDigitsOnly(body);
    else
        minor = tryParseMoney(body, m_currency);
    // Text on its way to an amount ("12,", "-") or one the currency cannot
    // hold (decimals in yen) is not taken.
    if (!minor)
        return QValidator::Intermediate;
    const double amount = double(*minor) / unitsPerWhole();
    if (amount > maximum())
        return QValidator::Invalid;
    return amount < minimum() ? QValidator::Intermediate : QValidator::Acceptable;
}

// The spin box's fixup drops the interface language's group separator,
// which would turn yen typed as "1200.50" into 120050.
void SmartAmountField::fixup(QString &) const {}

void SmartAmountField::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    const QChar decimalPoint = localeDecimalPoint();
    const bool decimalKey = typed.size() == 1
        && (typed.at(0) == decimalPoint || typed.at(0) == u',' || typed.at(0) == u'.');
    if (decimalKey) {
        if (UiPrefs::amountAutoDecimal()) {
            event->accept();
            return;
        }
        // Only over the amount as shown: in typed text the key is the
        // separator the user means ("1.234,56").
        const QString shown = prefix() + textFromValue(value()) + suffix();
        const int position = lineEdit()->text() == shown ? shown.indexOf(decimalPoint) : -1;
        if (position >= 0) {
            lineEdit()->setCursorPosition(position + 1);
            event->accept();
            return;
        }
    }
    QDoubleSpinBox::keyPressEvent(event);
}

double SmartAmountField::unitsPerWhole() const
{
    return currencyDecimals(m_currency) == 0 ? 1.0 : 100.0;
}

QString SmartAmountField::amountText(const QString &text) const
{
    QString body = text;
    if (body.startsWith(prefix()))
        body.remove(0, prefix().size());
    if (body.endsWith(suffix()))
        body.chop(suffix().size());
    return body.trimmed();
}

QChar SmartAmountField::localeDecimalPoint() const
{
    const QString point = locale().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.at(0);
}
