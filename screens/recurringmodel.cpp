#include "screens/recurringmodel.h"

#include "data/accountrepository.h"
#include "data/recurringrepository.h"
#include "register/transactionactions.h"
#include "ui/palettehelpers.h"

#include <QColor>

#include <algorithm>

RecurringModel::RecurringModel(AccountRepository *accounts, std::function<QDate()> today, QObject *parent)
    : QAbstractTableModel(parent)
    , m_accounts(accounts)
    , m_today(std::move(today))
{
}

int RecurringModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rules.size());
}

int RecurringModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RecurringModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rules.size())
        return {};
    const RecurringTransaction &rule = m_rules.at(index.row());
    const int column = index.column();

    if (role == Qt::DisplayRole) {
        switch (column) {
        case AccountColumn:
            return account(rule.accountId).name;
        case PayeeColumn:
            return rule.payee;
        case AmountColumn:
            return TransactionActions::dollarText(rule.amount, account(rule.accountId).currency);
        case FrequencyColumn:
            return frequencyText(rule.frequency, rule.intervalCount, rule.semimonthlyDay1, rule.semimonthlyDay2);
        case NextDueColumn:
            return rule.nextDueDate.toString(QStringLiteral("M/d/yyyy"));
        case AutoColumn:
            return rule.autoPost ? tr("Yes") : tr("No");
        case StatusColumn:
            return rule.isActive ? tr("Active") : tr("Inactive");
        default:
            return {};
        }
    }
    if (role == Qt::TextAlignmentRole && column == AmountColumn)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    if (role == Qt::ForegroundRole) {
        if (column == AmountColumn && rule.amount < 0)
            return negativeAmountColor();
        if (column == NextDueColumn && isDue(rule))
            return successTextColor();
        if (column == StatusColumn && !rule.isActive)
            return QColor(Qt::gray);
    }
    return {};
}

QVariant RecurringModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case AccountColumn:
        return tr("Account");
    case PayeeColumn:
        return tr("Payee");
    case AmountColumn:
        return tr("Amount");
    case FrequencyColumn:
        return tr("Frequency");
    case NextDueColumn:
        return tr("Next Due");
    case AutoColumn:
        return tr("Auto");
    case StatusColumn:
        return tr("Status");
    default:
        return {};
    }
}

void RecurringModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    beginResetModel();
    sortRows();
    endResetModel();
}

void RecurringModel::setRules(const QList<RecurringTransaction> &rules)
{
    beginResetModel();
    m_rules = rules;
    m_accountCache.clear();
    sortRows();
    endResetModel();
}

RecurringTransaction RecurringModel::ruleAt(int row) const
{
    return m_rules.value(row);
}

bool RecurringModel::isDue(const RecurringTransaction &rule) const
{
    return rule.isActive && rule.nextDueDate <= m_today();
}

RecurringModel::AccountInfo RecurringModel::account(const QString &accountId) const
{
    if (accountId.isEmpty())
        return {};
    auto cached = m_accountCache.constFind(accountId);
    if (cached != m_accountCache.cend())
        return *cached;
    AccountInfo info;
    // Soft-deleted accounts are found too and keep showing their names.
    if (const std::optional<Account> found = m_accounts->findById(accountId)) {
        info.name = found->name;
        info.currency = found->currency;
    }
    m_accountCache.insert(accountId, info);
    return info;
}

bool RecurringModel::columnLessThan(const RecurringTransaction &left, const RecurringTransaction &right) const
{
    switch (m_sortColumn) {
    case AccountColumn:
        return account(left.accountId).name.compare(account(right.accountId).name, Qt::CaseInsensitive) < 0;
    case PayeeColumn:
        return left.payee.compare(right.payee, Qt::CaseInsensitive) < 0;
    case AmountColumn:
        return left.amount < right.amount;
    case FrequencyColumn:
        return int(left.frequency) < int(right.frequency);
    case NextDueColumn:
        return left.nextDueDate < right.nextDueDate;
    case AutoColumn:
        return !left.autoPost && right.autoPost;
    case StatusColumn:
        return !left.isActive && right.isActive;
    default:
        return false;
    }
}

void RecurringModel::sortRows()
{
    std::stable_sort(m_rules.begin(), m_rules.end(),
        [this](const RecurringTransaction &left, const RecurringTransaction &right) {
            return columnLessThan(left, right);
        });
    // Reversing the whole list also reverses rows that compare equal.
    if (m_sortOrder == Qt::DescendingOrder)
        std::reverse(m_rules.begin(), m_rules.end());
}

QString RecurringModel::frequencyText(RecurringFrequency frequency, int intervalCount, int day1, int day2)
{
    if (frequency == RecurringFrequency::Semimonthly)
        return tr("Semi-monthly (%1 & %2)").arg(dayOrdinal(day1), dayOrdinal(day2));
    if (intervalCount >= 2) {
        switch (frequency) {
        case RecurringFrequency::Daily:
            return tr("Every %1 days").arg(intervalCount);
        case RecurringFrequency::Weekly:
            return tr("Every %1 weeks").arg(intervalCount);
        case RecurringFrequency::Monthly:
            return tr("Every %1 months").arg(intervalCount);
        case RecurringFrequency::Annual:
            return tr("Every %1 years").arg(intervalCount);
        case RecurringFrequency::Biweekly:
        case RecurringFrequency::Quarterly:
        case RecurringFrequency::SemiAnnual:
            return tr("%1 (×%2)").arg(frequencyName(frequency)).arg(intervalCount);
        case RecurringFrequency::Semimonthly:
            break;
        }
    }
    return frequencyName(frequency);
}

QString RecurringModel::frequencyName(RecurringFrequency frequency)
{
    // The source texts are the stored keys, so English reads as stored.
    switch (frequency) {
    case RecurringFrequency::Daily:
        return tr("daily");
    case RecurringFrequency::Weekly:
        return tr("weekly");
    case RecurringFrequency::Biweekly:
        return tr("biweekly");
    case RecurringFrequency::Semimonthly:
        return tr("semimonthly");
    case RecurringFrequency::Quarterly:
        return tr("quarterly");
    case RecurringFrequency::SemiAnnual:
        return tr("semi_annual");
    case RecurringFrequency::Annual:
        return tr("annual");
    case RecurringFrequency::Monthly:
        break;
    }
    return tr("monthly");
}

QString RecurringModel::dayOrdinal(int day)
{
    if (day < 1 || day > 31)
        return tr("last day");
    if (day == 1)
        return tr("1st");
    const int lastTwo = day % 100;
    if (lastTwo >= 11 && lastTwo <= 13)
        return tr("%1th").arg(day);
    if (day % 10 == 1)
        return tr("%1st").arg(day);
    if (day % 10 == 2)
        return tr("%1nd").arg(day);
    if (day % 10 == 3)
        return tr("%1rd").arg(day);
    return tr("%1th").arg(day);
}
