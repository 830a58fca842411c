#pragma once

#include "data/category.h"

#include "data/syncedtable.h"

#include <QObject>

#include <optional>

class Database;
class QSqlQuery;

class CategoryRepository : public QObject
{
    Q_OBJECT

public:
    explicit CategoryRepository(Database *database, QObject *parent = nullptr);

    QList<Category> listAll() const;
    std::optional<Category> findById(const QString &id) const;
    std::optional<Category> findByName(const QString &name) const;
    QList<Category> listPendingSync() const;
    int count() const;
    QString fullName(const QString &categoryId) const;
    // The live categories with their labels, ordered by name.
    QList<CategoryLabel> listLabels() const;
    // The label of any category, soft-deleted ones included; empty when
    // there is no such category.
    QString labelOf(const QString &categoryId) const;
    // The SQL expression of the label of the categories row `c`; register
    // rows and search results carry the same text.
    static QString labelSql();

    bool insert(const Category &category);
    bool update(const Category &category);
    bool softDelete(const QString &id);
    bool markSynced(const QString &id, const QString &serverId);
    bool markSynced(const QString &id, const QString &serverId, int sentVersion, const QDateTime &sentUpdatedAt);
    int markAllPendingForResync();
    bool applyServerDeletion(const QString &id, const std::optional<QDateTime> &deletedAt);

    static QString categoryTypeToString(CategoryType type);
    static CategoryType categoryTypeFromString(const QString &text);
    static Category readCategory(const QSqlQuery &query);

Q_SIGNALS:
    void categoriesChanged();

private:
    QList<Category> list(const QString &sql, const QVariantList &values = {}) const;
    void notifyChanged();

    Database *m_database;
    SyncedTable m_table;
};
