#pragma once

#include "data/account.h"
#include "data/splitline.h"
#include "register/categoryitems.h"

#include <QList>
#include <QWidget>

class AppState;
class QTableWidget;

// The table of split lines: a category, a positive amount and a memo per
// line; the parent transaction's sign is applied when the lines are read.
class SplitLinesWidget : public QWidget
{
    Q_OBJECT

public:
    SplitLinesWidget(AppState *app, Currency currency, QWidget *parent = nullptr);

    void addLine();
    void removeCurrentLine();
    // Replaces every line; an empty list gives two empty lines.
    void setLines(const QList<SplitLine> &lines);
    // The lines with an amount, negated when sign is negative.
    QList<SplitLine> lines(int sign) const;
    // Sum of the line amounts (never negative).
    qint64 totalCents() const;

Q_SIGNALS:
    void changed();

private:
    qint64 lineAmount(int row) const;

    AppState *m_app;
    Currency m_currency;
    QTableWidget *m_table;
    // (id, label); the first is "(none)" with an empty id.
    QList<CategoryItem> m_categoryChoices;
};
