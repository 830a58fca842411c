#pragma once

#include "data/category.h"

#include <QHash>
#include <QPair>
#include <QString>

class CategoryRepository;

// The category lookups of one import: by exact name (letter case counts) and
// by name and type. Categories it has to create join both.
class ImportCategories
{
public:
    explicit ImportCategories(CategoryRepository *repository);

    bool contains(const QString &name) const { return m_byName.contains(name); }
    // The category of that exact name, created with typeWhenNew when missing.
    // Empty when it had to be created and the insert failed.
    QString idForName(const QString &name, CategoryType typeWhenNew = CategoryType::Expense);
    // Like idForName, but only a category of that type matches.
    QString idForNameAndType(const QString &name, CategoryType type);

private:
    QString create(const QString &name, CategoryType type);

    CategoryRepository *m_repository;
    QHash<QString, QString> m_byName;
    QHash<QPair<QString, int>, QString> m_byNameAndType;
};
