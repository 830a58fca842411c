#pragma once

#include <QDate>
#include <QString>

#include <functional>

class QKeyEvent;
class QLineEdit;
class QWidget;

// Shared by the date fields of the dialogs and the register's date editor.

// Reads "M/d/yyyy", "MM/dd/yyyy", "M/d/yy" or "MM/dd/yy". Two-digit years
// 00-69 are 2000-2069 and 70-99 are 1970-1999. Text in none of these forms
// gives the fallback.
QDate parseEntryDate(const QString &text, const QDate &fallback);

// The text every date field shows.
QString entryDateText(const QDate &date);

// Applies a one-key date shortcut (t + = - m h y r w k) to date, counting
// from today when date is invalid. False when the key is no shortcut.
bool applyDateShortcutKey(const QKeyEvent *event, QDate &date);

// The key handling of both date fields: F4 and Alt+Down open the
// calendar, a shortcut key hands the new date to apply. True when the key
// was taken (and accepted).
bool handleDateFieldKey(QKeyEvent *event, const QDate &heldDate, const std::function<void()> &openCalendar,
    const std::function<void(const QDate &)> &apply);

// A calendar popup under the field; a click on a day hands the day to
// onPicked and closes the popup.
void showCalendarPopup(QWidget *field, const QDate &date, const std::function<void(const QDate &)> &onPicked);

// The trailing calendar button of a date field.
void addCalendarAction(QLineEdit *field, const QString &toolTip, const std::function<void()> &onTriggered);
