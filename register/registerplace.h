#pragma once

#include <QString>

class QTableView;
class RegisterModel;

// Where the user is in the register, by transaction rather than by row, so
// that it comes back after the rows are replaced: the row at the top of
// the view and the current cell.
class RegisterPlace
{
public:
    static RegisterPlace remember(const QTableView *table, const RegisterModel *model);
    // Scrolls the remembered top row back to the top and makes the
    // remembered cell current; never another transaction's: a row that is
    // gone leaves the cursor on the new row.
    void restore(QTableView *table, const RegisterModel *model) const;

private:
    QString m_topId;
    QString m_currentId;
    int m_currentRow = -1;
    int m_currentColumn = 0;
    bool m_onNewRow = false;
};
