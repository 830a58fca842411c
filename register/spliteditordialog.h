#pragma once

#include "data/account.h"
#include "data/splitline.h"

#include <QDialog>

class AppState;
class QLabel;
class SplitLinesWidget;

// Divides one transaction's amount over split lines, showing how much is
// still to be assigned.
class SplitEditorDialog : public QDialog
{
    Q_OBJECT

public:
    SplitEditorDialog(AppState *app, qint64 parentAmount, const QList<SplitLine> &lines, Currency currency,
        QWidget *parent = nullptr);

    // The lines, signed like the parent amount.
    QList<SplitLine> splitLines() const;
    // Why the lines cannot be saved as they stand (a category typed that
    // names none, a line without a category); empty when they can.
    QString entryProblem() const;

    // OK is refused over the dialog while the lines hold a problem: the
    // dialog stays where it is, with everything typed.
    void done(int result) override;

public Q_SLOTS:
    void updateRemaining();

private:
    AppState *m_app;
    qint64 m_parentAmount;
    Currency m_currency;
    QLabel *m_remainingLabel;
    SplitLinesWidget *m_linesWidget;
};
