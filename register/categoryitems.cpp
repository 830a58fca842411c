#include "register/categoryitems.h"

#include <QComboBox>
#include <QHash>

QList<CategoryItem> categoryItems(const QList<Category> &categories)
{
    QHash<QString, QString> namesById;
    namesById.reserve(categories.size());
    for (const Category &category : categories)
        namesById.insert(category.id, category.name);
    QList<CategoryItem> items;
    items.reserve(categories.size());
    for (const Category &category : categories) {
        const auto parent = category.parentId.isEmpty() ? namesById.constEnd() : namesById.constFind(category.parentId);
        items.append({parent != namesById.constEnd() ? QStringLiteral("%1 > %2").arg(*parent, category.name)
                                                     : category.name,
            category.id});
    }
    return items;
}

QString categoryIdOfShownText(const QComboBox *combo)
{
    const int item = combo->findText(combo->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    return item >= 0 ? combo->itemData(item).toString() : QString();
}
