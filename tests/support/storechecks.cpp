#include "support/storechecks.h"

#include "data/database.h"

#include <QSqlError>
#include <QSqlQuery>

QStringList storeProblems(Database *database)
{
    QStringList problems;
    QSqlQuery query(*database->db());
    if (!query.exec(QStringLiteral("PRAGMA integrity_check"))) {
        problems << QStringLiteral("integrity_check failed: ") + query.lastError().text();
    } else {
        while (query.next()) {
            const QString line = query.value(0).toString();
            if (line != QLatin1String("ok"))
                problems << QStringLiteral("integrity_check: ") + line;
        }
    }
    if (!query.exec(QStringLiteral("PRAGMA foreign_key_check"))) {
        problems << QStringLiteral("foreign_key_check failed: ") + query.lastError().text();
    } else {
        while (query.next())
            problems << QStringLiteral("foreign key: %1 row %2 -> %3")
                            .arg(query.value(0).toString(), query.value(1).toString(), query.value(2).toString());
    }
    if (!query.exec(QStringLiteral("INSERT INTO transactions_fts(transactions_fts) VALUES('integrity-check')")))
        problems << QStringLiteral("full-text index: ") + query.lastError().text();
    return problems;
}
