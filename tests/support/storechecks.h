#pragma once

#include <QStringList>

class Database;

// SQLite's own consistency checks on a database: the integrity check, the
// foreign-key check and the full-text index's integrity check. Empty when
// all of them pass; else one line per problem.
QStringList storeProblems(Database *database);
