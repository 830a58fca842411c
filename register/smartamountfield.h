#pragma once

#include "data/account.h"

#include <QDoubleSpinBox>

// An amount spin box. With automatic decimals on, every typed digit counts
// and the last two are the cents (1 2 3 4 gives 12.34); otherwise typed text
// reads by the money text rules, whatever the interface language ("12,50"
// and "12.50" alike), and the decimal key pressed on the shown amount jumps
// behind its decimal point. A JPY field takes whole yen.
class SmartAmountField : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit SmartAmountField(QWidget *parent = nullptr);

    // Sets the decimals to the currency's and converts values by it.
    void setCurrency(Currency currency);
    Currency currency() const { return m_currency; }

    // The value in the currency's minor unit, rounded half away from zero.
    qint64 minorUnits() const;
    void setMinorUnits(qint64 amount);

    double valueFromText(const QString &text) const override;
    QValidator::State validate(QString &text, int &pos) const override;
    void fixup(QString &text) const override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    double unitsPerWhole() const;
    QString amountText(const QString &text) const;
    QChar localeDecimalPoint() const;

    Currency m_currency = Currency::USD;
};
