#pragma once

#include "register/registerlineedit.h"

#include <QDate>

// The register's in-place date editor: the date keys of DateField, with
// the whole text selected after every change so typing replaces it.
class SmartDateEdit : public RegisterLineEdit
{
    Q_OBJECT

public:
    explicit SmartDateEdit(QWidget *parent = nullptr);

    QDate date() const { return m_date; }
    void setDate(const QDate &date);
    // The date read from the text; the held date when the text is no date.
    QDate parsedDate() const;

public Q_SLOTS:
    void openCalendarPopup();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void updateText();

    QDate m_date;
};
