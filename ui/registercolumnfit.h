#pragma once

#include <QList>
#include <QObject>

class QTableView;

// The register's columns follow its viewport: a column the user has not
// sized takes its default width, at least as wide as its header and its
// new-row placeholder in the interface language; when that is too wide
// the columns of dates, numbers and amounts narrow to what their content
// needs, then Memo, then Payee and Category give way; when the window has
// room to spare Payee (Memo when Payee is hidden or sized by the user)
// takes what is left, so the table is filled at any window size. Widths
// the user set are kept as they are.
class RegisterColumnFit : public QObject
{
    Q_OBJECT

public:
    explicit RegisterColumnFit(QTableView *table, QObject *parent = nullptr);

    // The widths shrunk in proportion over the shrinkable columns so that
    // the visible ones add up to no more than available, never below each
    // column's minimum. Hidden columns count as 0 wide.
    static QList<int> fittedWidths(const QList<int> &widths, const QList<bool> &hidden, const QList<int> &minimums,
                                   const QList<int> &shrinkable, int available);

    // Spreads the room left over onto the first visible column of fillers
    // that is not fixed; widths that already fill it stay.
    static QList<int> filledWidths(const QList<int> &widths, const QList<bool> &hidden, const QList<bool> &fixed,
                                   const QList<int> &fillers, int available);

    // The narrowest a column may be: its header (with the sort mark when
    // the rows are sorted by it) and its placeholder text.
    int minimumWidth(int column) const;

    bool eventFilter(QObject *watched, QEvent *event) override;

public Q_SLOTS:
    void fit();

private:
    bool widthStored(int column) const;
    // What a column of dates, numbers or amounts needs for its content.
    int contentWidth(int column) const;
    int textWidth(const QString &text) const;

    QTableView *m_table;
    bool m_fitting = false;
};
