#include "services/categoryservice.h"

#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSqlQuery>
#include <QUuid>

namespace {

struct DefaultCategory
{
    const char *name;
    const char *parent; // English name of the parent, nullptr at the top level
    const char *type;
    const char *taxKey; // nullptr when not tax-relevant
};

// Children follow their parent: a child finds its parent's id by English name.
const DefaultCategory kDefaultTree[] = {
    {QT_TRANSLATE_NOOP("CategoryService", "Charitable Donations"), nullptr, "expense", "charitable_contributions"},
    {QT_TRANSLATE_NOOP("CategoryService", "Medical Expenses"), nullptr, "expense", "medical_dental"},
    {QT_TRANSLATE_NOOP("CategoryService", "Business Expenses"), nullptr, "expense", "business_expense"},
    {QT_TRANSLATE_NOOP("CategoryService", "Home Office"), "Business Expenses", "expense", "home_office"},
    {QT_TRANSLATE_NOOP("CategoryService", "Education Expenses"), nullptr, "expense", "education"},
    {QT_TRANSLATE_NOOP("CategoryService", "State & Local Taxes"), nullptr, "expense", "salt"},
    {QT_TRANSLATE_NOOP("CategoryService", "Mortgage Interest"), nullptr, "expense", "mortgage_interest"},
    {QT_TRANSLATE_NOOP("CategoryService", "Property Tax"), nullptr, "expense", "schedule_a_property_tax"},
    {QT_TRANSLATE_NOOP("CategoryService", "Housing"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Rent/Mortgage Payment"), "Housing", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Maintenance"), "Housing", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "HOA"), "Housing", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Utilities"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Electric"), "Utilities", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gas"), "Utilities", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Water"), "Utilities", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Internet"), "Utilities", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Phone"), "Utilities", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Transportation"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gas/Fuel"), "Transportation", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Car Payment"), "Transportation", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Auto Insurance"), "Transportation", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Maintenance"), "Transportation", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Public Transit"), "Transportation", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Groceries"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Personal Care"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Pets"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Subscriptions"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gifts"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Miscellaneous"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Entertainment"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Streaming"), "Entertainment", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Movies"), "Entertainment", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Events"), "Entertainment", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Shopping"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Clothing"), "Shopping", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Electronics"), "Shopping", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Household"), "Shopping", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Insurance"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Health"), "Insurance", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Life"), "Insurance", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Home/Renters"), "Insurance", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Auto"), "Insurance", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Fees & Charges"), nullptr, "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Bank Fees"), "Fees & Charges", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "ATM Fees"), "Fees & Charges", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Late Fees"), "Fees & Charges", "expense", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Salary / Wages"), nullptr, "income", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Interest Income"), nullptr, "income", "interest_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Dividend Income"), nullptr, "income", "dividend_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Rental Income"), nullptr, "income", "rental_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Freelance / Consulting"), nullptr, "income", "self_employment"},
    {QT_TRANSLATE_NOOP("CategoryService", "Refunds"), nullptr, "income", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gifts Received"), nullptr, "income", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Other Income"), nullptr, "income", nullptr},
};

// The RFC 4122 DNS namespace.
const QUuid kCategoryNamespace(QStringLiteral("{6ba7b810-9dad-11d1-80b4-00c04fd430c8}"));

} // namespace

CategoryService::CategoryService(Database *database, CategoryRepository *categories, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_categories(categories)
{
}

QString CategoryService::writtenMarkerKey()
{
    return QStringLiteral("defaultCategoriesWritten");
}

bool CategoryService::ensureDefaultCategories()
{
    PreferencesRepository preferences(m_database);
    if (preferences.get(writtenMarkerKey()))
        return true;
    BulkWriteTransaction bulk(m_database);
    if (!bulk.isActive())
        return false;
    // Categories but none of the tree: the user's own, from before the tree
    // was recorded, whatever they deleted. Any default row: a tree that a
    // start may have left half-written.
    QSqlQuery query(*m_database->db());
    if (!bulk.exec(query, QStringLiteral("SELECT EXISTS (SELECT 1 FROM categories), "
                                         "EXISTS (SELECT 1 FROM categories WHERE is_default = 1)"))
        || !bulk.record(query.next())) {
        return false;
    }
    const bool ownTree = query.value(0).toBool() && !query.value(1).toBool();
    query.finish();
    if (!ownTree && !bulk.record(createDefaultCategories()))
        return false;
    return bulk.record(preferences.set(writtenMarkerKey(), QStringLiteral("1"))) && bulk.commit();
}

bool CategoryService::createDefaultCategories()
{
    m_idByEnglishName.clear();
    m_englishNameById.clear();
    BulkWriteTransaction bulk(m_database);
    for (const DefaultCategory &entry : kDefaultTree) {
        const QString name = QString::fromUtf8(entry.name);
        const QString parentId =
            entry.parent ? m_idByEnglishName.value(QString::fromUtf8(entry.parent)) : QString();
        const bool added = addDefaultCategory(name, QCoreApplication::translate("CategoryService", entry.name),
            QString::fromLatin1(entry.type), parentId, entry.taxKey != nullptr,
            entry.taxKey ? QString::fromLatin1(entry.taxKey) : QString());
        if (!bulk.record(added))
            return false;
    }
    return bulk.commit();
}

bool CategoryService::addDefaultCategory(const QString &englishName, const QString &displayName,
                                         const QString &typeText, const QString &parentId, bool taxRelevant,
                                         const QString &taxKey)
{
    const QString parentEnglishName = m_englishNameById.value(parentId);
    const QString id = defaultCategoryId(typeText, parentEnglishName, englishName);
    m_idByEnglishName.insert(englishName, id);
    m_englishNameById.insert(id, englishName);

    // A stored one stays as the user left it: renamed, moved or deleted.
    if (m_categories->findById(id))
        return true;
    if (!parentId.isEmpty()) {
        const std::optional<Category> parent = m_categories->findById(parentId);
        if (parent && parent->deletedAt)
            return true;
    }

    const QDateTime now = QDateTime::currentDateTimeUtc();
    Category category;
    category.id = id;
    category.name = displayName;
    category.type = CategoryRepository::categoryTypeFromString(typeText);
    category.parentId = parentId;
    category.isTaxRelevant = taxRelevant;
    category.taxCategory = taxKey;
    category.isDefault = true;
    category.version = 1;
    category.syncStatus = SyncStatus::Pending;
    category.createdAt = now;
    category.updatedAt = now;
    return m_categories->insert(category);
}

QString CategoryService::defaultCategoryId(const QString &typeText, const QString &parentEnglishName,
                                           const QString &englishName)
{
    const QString name = typeText + QLatin1Char(':') + parentEnglishName + QLatin1Char(':') + englishName;
    return QUuid::createUuidV5(kCategoryNamespace, name.toUtf8()).toString(QUuid::WithoutBraces);
}
