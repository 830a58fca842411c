#pragma once

#include <QCollator>
#include <QSortFilterProxyModel>

// Filters the category tree by name, keeping the ancestors of matches, and
// sorts it in the user's language without regard to letter case, also
// where the collation itself tells capitals apart (the C locale).
class CategoryFilterProxy : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit CategoryFilterProxy(QObject *parent = nullptr);

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    QCollator m_collator;
};
