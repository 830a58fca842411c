#pragma once

#include <QDate>
#include <QLineEdit>

// A date entry for dialogs and forms: typed as "M/d/yyyy" (two-digit years
// allowed), changed by one-key shortcuts, or picked from a calendar (F4).
class DateField : public QLineEdit
{
    Q_OBJECT

public:
    explicit DateField(QWidget *parent = nullptr);

    QDate date() const { return m_date; }
    void setDate(const QDate &date);
    // The date read from the text; the held date when the text is no date.
    QDate parsedDate() const;

Q_SIGNALS:
    void dateChanged(const QDate &date);

public Q_SLOTS:
    void openCalendarPopup();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void updateText();

    QDate m_date;
};
