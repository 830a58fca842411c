#include "register/registerplace.h"

#include "register/registermodel.h"

#include <QTableView>

RegisterPlace RegisterPlace::remember(const QTableView *table, const RegisterModel *model)
{
    RegisterPlace place;
    const QModelIndex top = table->indexAt(QPoint(0, 0));
    const int topRow = top.isValid() ? top.row() : -1;
    place.m_topId = model->isTransactionRow(topRow) ? model->rowAt(topRow).transaction.id : QString();
    const QModelIndex current = table->currentIndex();
    place.m_currentRow = current.isValid() ? current.row() : -1;
    place.m_currentColumn = current.isValid() ? current.column() : 0;
    place.m_onNewRow = current.isValid() && model->isNewRow(place.m_currentRow);
    place.m_currentId =
        model->isTransactionRow(place.m_currentRow) ? model->rowAt(place.m_currentRow).transaction.id : QString();
    return place;
}

void RegisterPlace::restore(QTableView *table, const RegisterModel *model) const
{
    const int top = model->viewRowOfTransaction(m_topId);
    if (top >= 0)
        table->scrollTo(model->index(top, 0), QAbstractItemView::PositionAtTop);
    int current = model->viewRowOfTransaction(m_currentId);
    if (current < 0 && (m_onNewRow || !m_currentId.isEmpty()))
        current = model->newRowPosition();
    else if (current < 0 && m_currentRow >= 0)
        current = qMin(m_currentRow, model->rowCount() - 1);
    if (current >= 0) {
        const QModelIndex index = model->index(current, m_currentColumn);
        table->setCurrentIndex(index);
        table->scrollTo(index);
    }
}
