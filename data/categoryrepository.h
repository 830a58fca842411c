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
