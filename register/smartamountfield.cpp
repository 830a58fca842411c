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
    if (UiPrefs::amountAutoDecimal())
        return double(parseDigitsOnly(text)) / unitsPerWhole();
    return QDoubleSpinBox::valueFromText(text);
}

QValidator::State SmartAmountField::validate(QString &text, int &pos) const
{
    if (!UiPrefs::amountAutoDecimal())
        return QDoubleSpinBox::validate(text, pos);

    // The spin box's own check reads "1234" as 1234 and would refuse digits
    // long before the cents reach the maximum.
    QString body = text;
    if (body.startsWith(prefix()))
        body.remove(0, prefix().size());
    if (body.endsWith(suffix()))
        body.chop(suffix().size());
    body = body.trimmed();
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
    const double amount = double(parseDigitsOnly(body)) / unitsPerWhole();
    if (amount > maximum())
        return QValidator::Invalid;
    return amount < minimum() ? QValidator::Intermediate : QValidator::Acceptable;
}

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
        const int position = lineEdit()->text().indexOf(decimalPoint);
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

QChar SmartAmountField::localeDecimalPoint() const
{
    const QString point = locale().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.at(0);
}
