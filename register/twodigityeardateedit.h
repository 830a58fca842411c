#pragma once

#include <QDateEdit>

// A date edit whose typed two-digit years read as 1970-2069, as everywhere
// else a two-digit year is typed. The toolkit takes the century of the date
// shown: "99" typed over a 2026 date would read as 2099.
class TwoDigitYearDateEdit : public QDateEdit
{
    Q_OBJECT

public:
    using QDateEdit::QDateEdit;

protected:
    QDateTime dateTimeFromText(const QString &text) const override;
};
