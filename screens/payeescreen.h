#pragma once

#include <QStringList>
#include <QWidget>

class AppState;
class QLineEdit;
class QListView;
class QStringListModel;

// Lists the payee texts of the live transactions and renames or merges
// them: every live transaction that carries a chosen text gets the new one.
class PayeeScreen : public QWidget
{
    Q_OBJECT

public:
    explicit PayeeScreen(AppState *app, QWidget *parent = nullptr);

    void reloadPayees();

    QListView *payeeList() const { return m_list; }
    QLineEdit *nameEdit() const { return m_nameEdit; }

Q_SIGNALS:
    void payeesChanged();

public Q_SLOTS:
    void onRename();
    void onMerge();

private:
    enum class Operation { Rename, Merge };

    QStringList selectedPayees() const;
    // Refuses, with a message, a name that only an opening balance may carry.
    bool refuseOpeningBalanceName(const QString &newName, Operation operation);
    // Renames and tells the user what was done and what was left and why.
    void rename(const QStringList &payees, const QString &newName, Operation operation);

    AppState *m_app;
    QListView *m_list = nullptr;
    QStringListModel *m_model = nullptr;
    QLineEdit *m_nameEdit = nullptr;
};
