#pragma once

#include "data/databasefixture.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"

// A fresh database with the repositories the services work through.
struct ServicesFixture : DatabaseFixture
{
    AccountRepository accounts{database.get()};
    TransactionRepository transactions{database.get()};
    CategoryRepository categories{database.get()};
    RecurringRepository recurring{database.get()};

    static QDateTime stamp() { return QDateTime(QDate(2024, 3, 1), QTime(9, 0), Qt::UTC); }

    static Account makeAccount(const QString &id, Currency currency = Currency::USD, qint64 startingBalance = 0)
    {
        Account account;
        account.id = id;
        account.name = QStringLiteral("Account ") + id;
        account.currency = currency;
        account.startingBalance = startingBalance;
        account.createdAt = stamp();
        account.updatedAt = stamp();
        return account;
    }

    Account addAccount(const QString &id, Currency currency = Currency::USD, qint64 startingBalance = 0)
    {
        const Account account = makeAccount(id, currency, startingBalance);
        if (!accounts.insert(account))
            qFatal("cannot insert account");
        return account;
    }

    int count(const QString &sql) const { return scalar(sql).toInt(); }
};
