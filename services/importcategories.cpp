#include "services/importcategories.h"

#include "data/categoryrepository.h"
#include "data/recordid.h"

ImportCategories::ImportCategories(CategoryRepository *repository)
    : m_repository(repository)
{
    // On equal names the later category of the list wins.
    for (const Category &category : m_repository->listAll()) {
        m_byName.insert(category.name, category.id);
        m_byNameAndType.insert({category.name, int(category.type)}, category.id);
    }
}

QString ImportCategories::idForName(const QString &name, CategoryType typeWhenNew)
{
    const auto found = m_byName.constFind(name);
    if (found != m_byName.constEnd())
        return found.value();
    return create(name, typeWhenNew);
}

QString ImportCategories::idForNameAndType(const QString &name, CategoryType type)
{
    const auto found = m_byNameAndType.constFind({name, int(type)});
    if (found != m_byNameAndType.constEnd())
        return found.value();
    return create(name, type);
}

QString ImportCategories::create(const QString &name, CategoryType type)
{
    Category category;
    category.id = newRecordId();
    category.name = name;
    category.type = type;
    category.createdAt = QDateTime::currentDateTimeUtc();
    category.updatedAt = category.createdAt;
    // A row that would point at a category that was never stored fails its
    // own insert, so a failed category stays out of the maps.
    if (!m_repository->insert(category))
        return QString();
    m_byName.insert(name, category.id);
    m_byNameAndType.insert({name, int(type)}, category.id);
    return category.id;
}
