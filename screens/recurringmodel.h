#pragma once

#include "data/account.h"
#include "data/recurringtransaction.h"

#include <QAbstractTableModel>
#include <QHash>

#include <functional>

class AccountRepository;

// The recurring rules as a read-only table, sorted by the view's column.
class RecurringModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { AccountColumn, PayeeColumn, AmountColumn, FrequencyColumn, NextDueColumn, AutoColumn,
        StatusColumn, ColumnCount };

    // `today` tells which rules are due.
    RecurringModel(AccountRepository *accounts, std::function<QDate()> today, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Replaces the rows, forgets the account names and sorts again.
    void setRules(const QList<RecurringTransaction> &rules);
    // A copy, so a prompt can never hold a row that a refresh replaces.
    RecurringTransaction ruleAt(int row) const;
    bool isDue(const RecurringTransaction &rule) const;

    static QString frequencyText(RecurringFrequency frequency, int intervalCount, int day1, int day2);
    static QString dayOrdinal(int day);
    // The frequency's stored key as the list shows it, in the user's language.
    static QString frequencyName(RecurringFrequency frequency);

private:
    struct AccountInfo
    {
        QString name;
        Currency currency = Currency::USD;
    };

    // A copy: a later lookup may grow the cache and move its entries.
    AccountInfo account(const QString &accountId) const;
    bool columnLessThan(const RecurringTransaction &left, const RecurringTransaction &right) const;
    void sortRows();

    AccountRepository *m_accounts;
    std::function<QDate()> m_today;
    QList<RecurringTransaction> m_rules;
    mutable QHash<QString, AccountInfo> m_accountCache;
    int m_sortColumn = NextDueColumn;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
