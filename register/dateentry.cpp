#include "register/dateentry.h"

#include "app/uiprefs.h"
#include "ui/palettehelpers.h"

#include <QAction>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

namespace {

int expandTwoDigitYear(int year)
{
    return year < 70 ? 2000 + year : 1900 + year;
}

QDate parseTwoDigitYearDate(const QString &text)
{
    // Parsed by hand: the toolkit reads "yy" as 19yy, and 2/29/00 would
    // then be refused as a day of 1900.
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{2})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return {};
    return QDate(expandTwoDigitYear(match.captured(3).toInt()), match.captured(1).toInt(), match.captured(2).toInt());
}

} // namespace

QDate parseEntryDate(const QString &text, const QDate &fallback)
{
    for (const QString &format : {QStringLiteral("M/d/yyyy"), QStringLiteral("MM/dd/yyyy")}) {
        const QDate date = QDate::fromString(text, format);
        if (date.isValid())
            return date;
    }
    const QDate date = parseTwoDigitYearDate(text);
    return date.isValid() ? date : fallback;
}

QString entryDateText(const QDate &date)
{
    return date.toString(QStringLiteral("M/d/yyyy"));
}

bool applyDateShortcutKey(const QKeyEvent *event, QDate &date)
{
    const QString key = event->text().toLower();
    const QDate base = date.isValid() ? date : QDate::currentDate();
    QDate result;
    if (key == QLatin1String("t"))
        result = QDate::currentDate();
    else if (key == QLatin1String("+") || key == QLatin1String("="))
        result = base.addDays(1);
    else if (key == QLatin1String("-"))
        result = base.addDays(-1);
    else if (key == QLatin1String("m"))
        result = QDate(base.year(), base.month(), 1);
    else if (key == QLatin1String("h"))
        result = QDate(base.year(), base.month(), base.daysInMonth());
    else if (key == QLatin1String("y"))
        result = QDate(base.year(), 1, 1);
    else if (key == QLatin1String("r"))
        result = QDate(base.year(), 12, 31);
    else if (key == QLatin1String("w"))
        result = base.addDays(-(base.dayOfWeek() % 7)); // back to Sunday
    else if (key == QLatin1String("k"))
        result = base.addDays((13 - base.dayOfWeek()) % 7); // on to Saturday
    else
        return false;
    date = result;
    return true;
}

bool handleDateFieldKey(QKeyEvent *event, const QDate &heldDate, const std::function<void()> &openCalendar,
    const std::function<void(const QDate &)> &apply)
{
    if (event->key() == Qt::Key_F4 || (event->key() == Qt::Key_Down && event->modifiers().testFlag(Qt::AltModifier))) {
        openCalendar();
        event->accept();
        return true;
    }
    QDate date = heldDate;
    if (!applyDateShortcutKey(event, date))
        return false;
    apply(date);
    event->accept();
    return true;
}

void showCalendarPopup(QWidget *field, const QDate &date, const std::function<void(const QDate &)> &onPicked)
{
    auto *calendar = new QCalendarWidget(field);
    calendar->setWindowFlags(Qt::Popup);
    calendar->setAttribute(Qt::WA_DeleteOnClose);
    calendar->setGridVisible(true);
    calendar->setLocale(QLocale());
    calendar->setFirstDayOfWeek(Qt::DayOfWeek(UiPrefs::weekStartDay()));
    calendar->setSelectedDate(date.isValid() ? date : QDate::currentDate());
    QObject::connect(calendar, &QCalendarWidget::clicked, calendar, [calendar, onPicked](const QDate &picked) {
        onPicked(picked);
        calendar->close();
    });
    calendar->move(field->mapToGlobal(QPoint(0, field->height())));
    calendar->show();
    calendar->setFocus();
}

void addCalendarAction(QLineEdit *field, const QString &toolTip, const std::function<void()> &onTriggered)
{
    QAction *action = field->addAction(iconFontPixmap(field->palette()), QLineEdit::TrailingPosition);
    action->setToolTip(toolTip);
    QObject::connect(action, &QAction::triggered, field, onTriggered);
}
