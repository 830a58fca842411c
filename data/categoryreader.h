#pragma once

#include "data/category.h"
#include "data/categoryrepository.h"
#include "data/sqlvalues.h"

// The one reader of the sixteen category columns, for both QSqlQuery and
// SqlStatement rows (anything with text(column) and int64(column)).
namespace CategoryReader {

template<typename Row>
Category read(const Row &row)
{
    using namespace SqlValues;
    Category c;
    c.id = row.text(0);
    c.name = row.text(1);
    c.type = CategoryRepository::categoryTypeFromString(row.text(2));
    c.parentId = row.text(3);
    c.isTaxRelevant = row.int64(4) != 0;
    c.taxCategory = row.text(5);
    c.icon = row.text(6);
    c.color = row.text(7);
    c.isDefault = row.int64(8) != 0;
    c.accountId = row.text(9);
    c.version = int(row.int64(10));
    c.syncStatus = syncStatusFromString(row.text(11));
    c.serverId = row.text(12);
    c.createdAt = parseIsoDateTime(row.text(13));
    c.updatedAt = parseIsoDateTime(row.text(14));
    c.deletedAt = parseOptionalDateTime(row.text(15));
    return c;
}

} // namespace CategoryReader
