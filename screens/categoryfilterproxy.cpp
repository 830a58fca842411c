#include "screens/categoryfilterproxy.h"

CategoryFilterProxy::CategoryFilterProxy(QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_collator(QLocale())
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    setFilterCaseSensitivity(Qt::CaseInsensitive);
    setRecursiveFilteringEnabled(true);
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setSortLocaleAware(true);
    setDynamicSortFilter(true);
}

bool CategoryFilterProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const QString leftText = left.data().toString();
    const QString rightText = right.data().toString();
    const int folded = m_collator.compare(leftText.toCaseFolded(), rightText.toCaseFolded());
    if (folded != 0)
        return folded < 0;
    return m_collator.compare(leftText, rightText) < 0;
}
