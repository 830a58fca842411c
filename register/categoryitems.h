#pragma once

#include "data/category.h"

#include <QList>
#include <QString>

class CategoryRepository;
class QComboBox;

// Every category chooser lists the categories by the one label of
// CategoryRepository and carries the chosen item's id; two items may share
// a name under different parents.
using CategoryItem = CategoryLabel;

QList<CategoryItem> categoryItems(const CategoryRepository *categories);

// Makes the combo show the category with this id; a category that is not
// listed (soft-deleted) gets an item of its own first. Empty id: nothing.
void selectCategoryItem(QComboBox *combo, const CategoryRepository *categories, const QString &categoryId);

// An editable combo whose first item is the choice of no category ("(none)")
// shows that choice as greyed-out placeholder text rather than as text, so
// what is typed never runs on after it.
void showEmptyItemAsPlaceholder(QComboBox *combo);

// The id of what the editable combo shows: its current item while the text
// is that item's label, else the item labelled exactly so, else empty (text
// typed by the user that names no item).
QString categoryIdOfShownText(const QComboBox *combo);

// The id of the category that text typed by the user names: the category
// labelled so, else the one live category with that name (the part after
// " > " of a label that is no longer current). A name that several
// categories share names none of them: empty, as for text naming nothing.
QString categoryIdOfTypedText(const CategoryRepository *categories, const QString &text);

// The id of the category an editable combo names: the item it shows, else
// the category its typed text names (categoryIdOfTypedText).
QString chosenCategoryId(const QComboBox *combo, const CategoryRepository *categories);

// The text typed in an editable combo when it names no category or
// several: a form refuses it and keeps it for the user to mend. Empty when
// the combo names one category, or shows no text or the no-category item.
QString unmatchedCategoryText(const QComboBox *combo, const CategoryRepository *categories);
