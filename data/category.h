#pragma once

#include "data/syncstatus.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

enum class CategoryType { Income = 0, Expense = 1, Transfer = 2 };

struct Category
{
    QString id;
    QString name;
    CategoryType type = CategoryType::Expense;
    QString parentId;
    bool isTaxRelevant = false;
    QString taxCategory;
    QString icon;
    QString color;
    bool isDefault = false;
    QString accountId;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};

// A category as the choosers and the register show it: "Parent > Child", or
// the name alone for a top-level category.
struct CategoryLabel
{
    QString id;
    QString label;
};
