#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class CategoryRepository;
class Database;

// Gives a new register its starting category tree. Each default category has
// an id derived from its English name and place in the tree, so the same
// category has the same id in every installation and interface language.
class CategoryService : public QObject
{
    Q_OBJECT

public:
    CategoryService(Database *database, CategoryRepository *categories, QObject *parent = nullptr);

    // Writes the default tree once per database, whole or not at all, and
    // records that it did. A database with categories of its own from
    // before is only marked, so defaults the user deleted never come back;
    // one that holds part of the tree (a start that stopped halfway) gets
    // the rest. False when it could not be written: the database's
    // lastFailure() says why, and the next call tries again.
    bool ensureDefaultCategories();
    // Adds every default category that has no row yet (a deleted one keeps
    // its row and stays deleted), in one transaction; false, and nothing
    // written, when any of them cannot be written.
    bool createDefaultCategories();

    static QString defaultCategoryId(const QString &typeText, const QString &parentEnglishName,
                                     const QString &englishName);
    // The preference that records that the tree was written.
    static QString writtenMarkerKey();

private:
    bool writeDefaultCategories(bool onlyWhenTreeStarted);
    bool addDefaultCategory(const QString &englishName, const QString &displayName, const QString &typeText,
                            const QString &parentId, bool taxRelevant, const QString &taxKey);

    Database *m_database;
    CategoryRepository *m_categories;
    QHash<QString, QString> m_idByEnglishName;
    QHash<QString, QString> m_englishNameById;
};
