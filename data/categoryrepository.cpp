#include "data/categoryrepository.h"

#include "data/categoryreader.h"
#include "data/database.h"
#include "data/sqlstatement.h"
#include "data/sqlvalues.h"
#include "data/transactionreader.h"

#include <QDebug>
#include <QSqlQuery>

using namespace SqlValues;

namespace {
// As a literal too: cached statements are keyed by their text's address.
#define CATEGORY_COLUMNS                                                                                          \
    "id, name, category_type, parent_id, is_tax_relevant, tax_category, icon, color, is_default, account_id, "    \
    "version, sync_status, server_id, created_at, updated_at, deleted_at"
const QString kColumns = QStringLiteral(CATEGORY_COLUMNS);
constexpr int kMaxDepth = 16;
} // namespace

CategoryRepository::CategoryRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_table(database, "categories", "CategoryRepository")
{
}

void CategoryRepository::notifyChanged()
{
    m_database->announceChange(this, QString(), [this] { Q_EMIT categoriesChanged(); });
}

QString CategoryRepository::categoryTypeToString(CategoryType type)
{
    switch (type) {
    case CategoryType::Income:
        return QStringLiteral("income");
    case CategoryType::Transfer:
        return QStringLiteral("transfer");
    case CategoryType::Expense:
        break;
    }
    return QStringLiteral("expense");
}

CategoryType CategoryRepository::categoryTypeFromString(const QString &text)
{
    if (text == QLatin1String("income"))
        return CategoryType::Income;
    if (text == QLatin1String("transfer"))
        return CategoryType::Transfer;
    return CategoryType::Expense;
}

Category CategoryRepository::readCategory(const QSqlQuery &query)
{
    return CategoryReader::read(TransactionReader::QueryRow{query});
}

QList<Category> CategoryRepository::list(const QString &sql, const QVariantList &values) const
{
    QList<Category> result;
    QSqlQuery query = prepare(m_database->db(), sql.arg(kColumns), values);
    if (!exec(query))
        return result;
    while (query.next())
        result.append(readCategory(query));
    return result;
}

QList<Category> CategoryRepository::listAll() const
{
    // Every screen that shows the tree reads it whole, thousands of rows.
    SqlStatement statement(m_database,
        "SELECT " CATEGORY_COLUMNS " FROM categories WHERE deleted_at IS NULL ORDER BY name");
    QList<Category> categories;
    while (statement.next())
        categories.append(CategoryReader::read(statement));
    if (!statement.ok()) {
        qWarning().noquote() << "CategoryRepository::listAll failed:" << statement.errorText();
        categories.clear();
    }
    return categories;
}

std::optional<Category> CategoryRepository::findById(const QString &id) const
{
    const QList<Category> found = list(QStringLiteral("SELECT %1 FROM categories WHERE id = ?"), {id});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

std::optional<Category> CategoryRepository::findByName(const QString &name) const
{
    QSqlQuery query = prepare(m_database->db(),
                              QStringLiteral("SELECT %1 FROM categories WHERE name = ? AND deleted_at IS NULL")
                                  .arg(kColumns),
                              {name});
    if (!exec(query) || !query.next())
        return std::nullopt;
    return readCategory(query);
}

QList<Category> CategoryRepository::listPendingSync() const
{
    return list(QStringLiteral("SELECT %1 FROM categories WHERE sync_status = 'pending'"));
}

int CategoryRepository::count() const
{
    QSqlQuery query = prepare(m_database->db(),
                              QStringLiteral("SELECT COUNT(*) FROM categories WHERE deleted_at IS NULL"));
    if (!exec(query) || !query.next())
        return 0;
    return query.value(0).toInt();
}

QString CategoryRepository::labelSql()
{
    return QStringLiteral("CASE WHEN c.parent_id IS NOT NULL THEN COALESCE((SELECT p.name FROM categories p WHERE "
                          "p.id = c.parent_id), '') || ' > ' || c.name ELSE c.name END");
}

QList<CategoryLabel> CategoryRepository::listLabels() const
{
    QList<CategoryLabel> labels;
    QSqlQuery query = prepare(m_database->db(),
                              QStringLiteral("SELECT c.id, %1 FROM categories c WHERE c.deleted_at IS NULL ORDER BY "
                                             "c.name")
                                  .arg(labelSql()));
    if (!exec(query))
        return labels;
    while (query.next())
        labels.append({query.value(0).toString(), query.value(1).toString()});
    return labels;
}

QString CategoryRepository::labelOf(const QString &categoryId) const
{
    QSqlQuery query = prepare(m_database->db(),
                              QStringLiteral("SELECT %1 FROM categories c WHERE c.id = ?").arg(labelSql()),
                              {categoryId});
    if (!exec(query) || !query.next())
        return QString();
    return query.value(0).toString();
}

QString CategoryRepository::fullName(const QString &categoryId) const
{
    QStringList names;
    QString current = categoryId;
    for (int i = 0; i < kMaxDepth && !current.isEmpty(); ++i) {
        const auto category = findById(current);
        if (!category)
            break;
        names.prepend(category->name);
        current = category->parentId;
    }
    return names.join(QStringLiteral(" > "));
}

bool CategoryRepository::insert(const Category &c)
{
    QSqlQuery query = prepare(
        m_database->db(),
        QStringLiteral("INSERT INTO categories (id, name, category_type, parent_id, is_tax_relevant, tax_category, "
                       "icon, color, is_default, account_id, version, sync_status, server_id, created_at, "
                       "updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {sqlText(c.id), sqlText(c.name), categoryTypeToString(c.type), sqlTextOrNull(c.parentId),
         sqlBool(c.isTaxRelevant), sqlText(c.taxCategory), sqlText(c.icon), sqlText(c.color), sqlBool(c.isDefault),
         sqlTextOrNull(c.accountId), c.version, syncStatusToString(c.syncStatus), sqlText(c.serverId),
         sqlDateTime(c.createdAt), sqlDateTime(c.updatedAt)});
    if (!exec(query, "CategoryRepository::insert"))
        return false;
    notifyChanged();
    return true;
}

bool CategoryRepository::update(const Category &c)
{
    QSqlQuery query = prepare(
        m_database->db(),
        QStringLiteral("UPDATE categories SET name=?, category_type=?, parent_id=?, is_tax_relevant=?, "
                       "tax_category=?, icon=?, color=?, is_default=?, account_id=?, version=?, sync_status=?, "
                       "server_id=?, updated_at=? WHERE id=?"),
        {sqlText(c.name), categoryTypeToString(c.type), sqlTextOrNull(c.parentId), sqlBool(c.isTaxRelevant),
         sqlText(c.taxCategory), sqlText(c.icon), sqlText(c.color), sqlBool(c.isDefault), sqlTextOrNull(c.accountId),
         c.version, syncStatusToString(c.syncStatus), sqlText(c.serverId), sqlDateTime(c.updatedAt), c.id});
    if (!exec(query, "CategoryRepository::update"))
        return false;
    notifyChanged();
    return true;
}

bool CategoryRepository::softDelete(const QString &id)
{
    if (!m_table.softDelete(id, true))
        return false;
    notifyChanged();
    return true;
}

bool CategoryRepository::markSynced(const QString &id, const QString &serverId)
{
    return m_table.markSynced(id, serverId);
}

bool CategoryRepository::markSynced(const QString &id, const QString &serverId, int sentVersion,
                              const QDateTime &sentUpdatedAt)
{
    return m_table.markSyncedIfUnchanged(id, serverId, sentVersion, sentUpdatedAt);
}

int CategoryRepository::markAllPendingForResync()
{
    const int changed = m_table.markAllPendingForResync();
    if (changed > 0)
        notifyChanged();
    return changed;
}

bool CategoryRepository::applyServerDeletion(const QString &id, const std::optional<QDateTime> &deletedAt)
{
    if (!m_table.applyServerDeletion(id, deletedAt))
        return false;
    notifyChanged();
    return true;
}
