#pragma once

#include "data/category.h"

#include <QList>
#include <QString>

// One choosable category: "Parent > Child" when its parent is among the
// listed categories, else its own name.
struct CategoryItem
{
    QString label;
    QString id;
};

QList<CategoryItem> categoryItems(const QList<Category> &categories);
