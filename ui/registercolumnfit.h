#pragma once

#include <QList>
#include <QObject>

class QTableView;

// Until the user sizes a register column, the default widths are made to
// fit the register's viewport, so the running balance is never cut off at
// first start. Only Payee, Category and Memo give way.
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

    bool eventFilter(QObject *watched, QEvent *event) override;

public Q_SLOTS:
    void fit();

private:
    bool anyWidthStored() const;
    int headerTextWidth(int column) const;

    QTableView *m_table;
    bool m_fitting = false;
};
