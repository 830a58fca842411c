#include "register/twodigityeardateedit.h"

#include "register/dateentry.h"

QDateTime TwoDigitYearDateEdit::dateTimeFromText(const QString &text) const
{
    // The text of the date held means that date, whatever its century.
    const QDateTime held = dateTime();
    if (text == textFromDateTime(held))
        return held;
    const QDateTime parsed = QDateEdit::dateTimeFromText(text);
    const QString format = displayFormat();
    if (!parsed.isValid() || !format.contains(QLatin1String("yy")) || format.contains(QLatin1String("yyyy")))
        return parsed;
    // The register's date entry holds the two-digit-year rule.
    const QDate date = parseEntryDate(parsed.date().toString(QStringLiteral("M/d/yy")), parsed.date());
    return QDateTime(date, parsed.time(), parsed.timeSpec());
}
