#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class CategoryRepository;

// Gives a new register its starting category tree. Each default category has
// an id derived from its English name and place in the tree, so the same
// category has the same id in every installation and interface language.
class CategoryService : public QObject
{
    Q_OBJECT

public:
    explicit CategoryService(CategoryRepository *categories, QObject *parent = nullptr);

    // Seeds the default tree when the register has no live category.
    void ensureDefaultCategories();
    void createDefaultCategories();
    void addDefaultCategory(const QString &englishName, const QString &displayName, const QString &typeText,
                            const QString &parentId, bool taxRelevant, const QString &taxKey);

    static QString defaultCategoryId(const QString &typeText, const QString &parentEnglishName,
                                     const QString &englishName);

private:
    CategoryRepository *m_categories;
    QHash<QString, QString> m_idByEnglishName;
    QHash<QString, QString> m_englishNameById;
};
