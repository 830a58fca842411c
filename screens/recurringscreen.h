#pragma once

#include "data/recurringtransaction.h"

#include <QWidget>

#include <memory>

class AppState;
class QLabel;
class QMenu;
class QModelIndex;
class QTableView;
class RecurringModel;
enum class WriteResult;

// The list of recurring rules with their actions: post, post early, skip,
// delete, create and edit. Posting itself is the recurring service's job.
class RecurringScreen : public QWidget
{
    Q_OBJECT

public:
    explicit RecurringScreen(AppState *app, QWidget *parent = nullptr);

    // Reloads the rules and the due count.
    void refresh();
    void confirmAllDue();
    void enterNextSevenDays();

    RecurringModel *model() const { return m_model; }
    QTableView *view() const { return m_view; }
    // The context menu for a row; null over no row.
    std::unique_ptr<QMenu> contextMenuFor(const QModelIndex &index);

Q_SIGNALS:
    void transactionsChanged();

public Q_SLOTS:
    void onContextMenu(const QPoint &pos);
    void showNewForm();
    void showEditForm(int row);
    void confirmSelected();
    void enterEarlySelected();
    void skipSelected();
    void deleteSelected();

private:
    bool currentRule(RecurringTransaction &rule) const;
    void confirmRule(const RecurringTransaction &rule);
    // Tells the user that the rule shown or its account is out of date;
    // false when the result is no refusal.
    bool reportRefusal(WriteResult result);
    void widenColumnsToFit();
    void reportFailure(const QString &title, const QString &text);
    // A form's save the store refused, with its reason when it gave one.
    void reportSaveFailure();
    void reportUnposted();

    AppState *m_app;
    QTableView *m_view = nullptr;
    RecurringModel *m_model = nullptr;
    QLabel *m_dueLabel = nullptr;
};
