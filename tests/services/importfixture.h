#pragma once

#include "data/database.h"
#include "data/databasefixture.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/importservice.h"

#include <QFile>
#include <QUuid>

// A fresh database with the repositories and the import service on it.
struct ImportFixture
{
    DatabaseFixture store;
    AccountRepository accounts{store.database.get()};
    TransactionRepository transactions{store.database.get()};
    CategoryRepository categories{store.database.get()};
    SplitLineRepository splitLines{store.database.get()};
    ImportService service{&transactions, &categories, &splitLines, store.database.get()};

    QString addAccount(const QString &name, Currency currency = Currency::USD)
    {
        Account account;
        account.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        account.name = name;
        account.currency = currency;
        account.createdAt = QDateTime::currentDateTimeUtc();
        account.updatedAt = account.createdAt;
        if (!accounts.insert(account))
            qFatal("cannot create the test account");
        return account.id;
    }

    QString addCategory(const QString &name, CategoryType type = CategoryType::Expense)
    {
        Category category;
        category.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        category.name = name;
        category.type = type;
        category.createdAt = QDateTime::currentDateTimeUtc();
        category.updatedAt = category.createdAt;
        if (!categories.insert(category))
            qFatal("cannot create the test category");
        return category.id;
    }

    QString writeFile(const QString &name, const QByteArray &content) const
    {
        const QString path = store.dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write the test file");
        return path;
    }

    // The account's live rows, oldest date first.
    QList<Transaction> rows(const QString &accountId) const
    {
        QList<Transaction> list = transactions.listByAccount(accountId);
        std::reverse(list.begin(), list.end());
        return list;
    }

    std::optional<Transaction> rowByPayee(const QString &accountId, const QString &payee) const
    {
        for (const Transaction &row : transactions.listByAccount(accountId)) {
            if (row.payee == payee)
                return row;
        }
        return std::nullopt;
    }

    std::optional<Category> category(const QString &id) const { return categories.findById(id); }
};
