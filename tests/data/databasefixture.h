#pragma once

#include "data/database.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// A fresh, migrated database in a temporary directory.
struct DatabaseFixture
{
    QTemporaryDir dir;
    std::unique_ptr<Database> database;

    DatabaseFixture()
    {
        database = std::make_unique<Database>();
        if (!database->open(dir.filePath(QStringLiteral("tallyra.db"))) || !database->migrate())
            qFatal("cannot create the test database");
    }

    // Runs one statement; for arranging fixtures and checking raw columns.
    QVariant scalar(const QString &sql) const
    {
        QSqlQuery query(*database->db());
        if (!query.exec(sql) || !query.next())
            return {};
        return query.value(0);
    }

    bool exec(const QString &sql) const
    {
        QSqlQuery query(*database->db());
        return query.exec(sql);
    }
};
