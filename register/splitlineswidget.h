#pragma once

#include "data/account.h"
#include "data/splitline.h"
#include "register/categoryitems.h"

#include <QList>
#include <QWidget>

#include <optional>

class AppState;
class QTableWidget;
class SmartAmountField;

// The table of split lines: a category, a positive amount and a memo per
// line; the parent transaction's sign is applied when the lines are read.
class SplitLinesWidget : public QWidget
{
    Q_OBJECT

public:
    SplitLinesWidget(AppState *app, Currency currency, QWidget *parent = nullptr);

    // Appends a line at the amount still to assign (0 without a total).
    void addLine();
    void removeCurrentLine();
    // Replaces every line; an empty list gives two empty lines.
    void setLines(const QList<SplitLine> &lines);
    // The lines with an amount, negated when sign is negative.
    QList<SplitLine> lines(int sign) const;
    // Sum of the line amounts (never negative).
    qint64 totalCents() const;

    // The amount the lines divide (a magnitude), or none. With a total, a
    // line added starts at what is still to assign.
    void setTotal(std::optional<qint64> total);
    std::optional<qint64> total() const { return m_total; }
    // The first category text typed into a line that names no category
    // (lines with an amount only); empty when there is none.
    QString unknownCategoryText() const;

Q_SIGNALS:
    void changed();

private:
    qint64 lineAmount(int row) const;
    SmartAmountField *amountField(int row) const;
    // One line with nothing in it; the caller says what changed.
    void appendLine(qint64 amount);

    std::optional<qint64> m_total;

    AppState *m_app;
    Currency m_currency;
    QTableWidget *m_table;
    // (id, label); the first is "(none)" with an empty id.
    QList<CategoryItem> m_categoryChoices;
};
