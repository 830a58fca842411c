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
    if (isCalendarPopupKey(event)) {
        openCalendarPopup();
        event->accept();
        return;
    }
    QDate date = m_date;
    if (applyDateShortcutKey(event, date)) {
        setDate(date);
        event->accept();
        return;
    }
    RegisterLineEdit::keyPressEvent(event);
}

void SmartDateEdit::updateText()
{
    setText(entryDateText(m_date));
    selectAll();
}
