#include "register/datefield.h"

#include "register/dateentry.h"

#include <QKeyEvent>

DateField::DateField(QWidget *parent)
    : QLineEdit(parent)
    , m_date(QDate::currentDate())
{
    updateText();
    addCalendarAction(this, tr("Open calendar (F4)"), [this] { openCalendarPopup(); });
}

void DateField::setDate(const QDate &date)
{
    if (date == m_date)
        return;
    m_date = date;
    updateText();
    Q_EMIT dateChanged(m_date);
}

QDate DateField::parsedDate() const
{
    return parseEntryDate(text(), m_date);
}

void DateField::openCalendarPopup()
{
    showCalendarPopup(this, parsedDate(), [this](const QDate &picked) { setDate(picked); });
}

void DateField::keyPressEvent(QKeyEvent *event)
{
    const bool taken = handleDateFieldKey(event, m_date, [this] { openCalendarPopup(); },
        [this](const QDate &date) {
            setDate(date);
            selectAll();
        });
    if (!taken)
        QLineEdit::keyPressEvent(event);
}

void DateField::focusOutEvent(QFocusEvent *event)
{
    const QDate date = parsedDate();
    if (date != m_date) {
        m_date = date;
        Q_EMIT dateChanged(m_date);
    }
    updateText();
    QLineEdit::focusOutEvent(event);
}

void DateField::updateText()
{
    setText(entryDateText(m_date));
}
