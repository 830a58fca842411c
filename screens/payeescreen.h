#pragma once

#include <QStringList>
#include <QWidget>

class AppState;
class QLineEdit;
class QListWidget;

// Lists the payee texts of the live transactions and renames or merges
// them: every live transaction that carries a chosen text gets the new one.
class PayeeScreen : public QWidget
{
    Q_OBJECT

public:
    explicit PayeeScreen(AppState *app, QWidget *parent = nullptr);

    void reloadPayees();

    QListWidget *payeeList() const { return m_list; }
    QLineEdit *nameEdit() const { return m_nameEdit; }

Q_SIGNALS:
    void payeesChanged();

public Q_SLOTS:
    void onRename();
    void onMerge();

private:
    QStringList selectedPayees() const;
    // The number of transactions renamed, or -1 after telling the user it failed.
    int rename(const QStringList &payees, const QString &newName, const QString &failureTitle);

    AppState *m_app;
    QListWidget *m_list = nullptr;
    QLineEdit *m_nameEdit = nullptr;
};
