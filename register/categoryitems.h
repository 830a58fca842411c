#pragma once

#include "data/category.h"

#include <QList>
#include <QString>

class QComboBox;

// One choosable category: "Parent > Child" when its parent is among the
// listed categories, else its own name.
struct CategoryItem
{
    QString label;
    QString id;
};

QList<CategoryItem> categoryItems(const QList<Category> &categories);

// The id of the category whose label the editable combo shows exactly, or
// empty. The current item of an editable combo outlives text typed over it,
// so the text, not the current item, says what was chosen.
QString categoryIdOfShownText(const QComboBox *combo);
