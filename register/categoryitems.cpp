#include "register/categoryitems.h"

#include "data/categoryrepository.h"

#include <QComboBox>
#include <QLineEdit>

QList<CategoryItem> categoryItems(const CategoryRepository *categories)
{
    return categories->listLabels();
}

void selectCategoryItem(QComboBox *combo, const CategoryRepository *categories, const QString &categoryId)
{
    if (categoryId.isEmpty())
        return;
    int index = combo->findData(categoryId, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        const QString label = categories->labelOf(categoryId);
        if (label.isEmpty())
            return;
        combo->addItem(label, categoryId);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(index);
}

void showEmptyItemAsPlaceholder(QComboBox *combo)
{
    QLineEdit *edit = combo->lineEdit();
    if (!edit || combo->count() == 0)
        return;
    edit->setPlaceholderText(combo->itemText(0));
    const auto clearWhenNone = [combo](int index) {
        if (index >= 0 && combo->itemData(index).toString().isEmpty() && combo->lineEdit())
            combo->lineEdit()->clear();
    };
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo, clearWhenNone);
    clearWhenNone(combo->currentIndex());
}

QString categoryIdOfShownText(const QComboBox *combo)
{
    const QString shown = combo->currentText();
    const int current = combo->currentIndex();
    if (current >= 0 && combo->itemText(current) == shown)
        return combo->itemData(current).toString();
    const int item = combo->findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return item >= 0 ? combo->itemData(item).toString() : QString();
}

namespace {

QString onlyCategoryNamed(const QList<Category> &categories, const QString &name)
{
    QString found;
    for (const Category &category : categories) {
        if (category.name != name)
            continue;
        if (!found.isEmpty())
            return QString();
        found = category.id;
    }
    return found;
}

} // namespace

QString categoryIdOfTypedText(const CategoryRepository *categories, const QString &text)
{
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return QString();
    for (const CategoryItem &item : categoryItems(categories)) {
        if (item.label == typed)
            return item.id;
    }
    const QList<Category> live = categories->listAll();
    const QString named = onlyCategoryNamed(live, typed);
    if (!named.isEmpty())
        return named;
    const qsizetype separator = typed.indexOf(QLatin1String(" > "));
    return separator >= 0 ? onlyCategoryNamed(live, typed.mid(separator + 3).trimmed()) : QString();
}

QString chosenCategoryId(const QComboBox *combo, const CategoryRepository *categories)
{
    const QString shown = categoryIdOfShownText(combo);
    return shown.isEmpty() ? categoryIdOfTypedText(categories, combo->currentText()) : shown;
}

QString unmatchedCategoryText(const QComboBox *combo, const CategoryRepository *categories)
{
    const QString typed = combo->currentText().trimmed();
    if (typed.isEmpty() || !chosenCategoryId(combo, categories).isEmpty()
        || combo->findText(typed, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0)
        return QString();
    return typed;
}
