#include "register/smartdateedit.h"

#include "register/dateentry.h"

#include <QKeyEvent>

SmartDateEdit::SmartDateEdit(QWidget *parent)
    : RegisterLineEdit(parent)
    , m_date(QDate::currentDate())
{
    updateText();
    addCalendarAction(this, tr("Open calendar (F4)"), [this] { openCalendarPopup(); });
}

void SmartDateEdit::setDate(const QDate &date)
{
    m_date = date;
    updateText();
}

QDate SmartDateEdit::parsedDate() const
{
    return parseEntryDate(text(), m_date);
}

void SmartDateEdit::openCalendarPopup()
{
    showCalendarPopup(this, parsedDate(), [this](const QDate &picked) { setDate(picked); });
}

void SmartDateEdit::keyPressEvent(QKeyEvent *event)
{
    const bool taken = handleDateFieldKey(event, m_date, [this] { openCalendarPopup(); },
        [this](const QDate &date) { setDate(date); });
    if (!taken)
        RegisterLineEdit::keyPressEvent(event);
}

void SmartDateEdit::updateText()
{
    setText(entryDateText(m_date));
    selectAll();
}
