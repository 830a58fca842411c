#pragma once

#include "data/syncstatus.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

struct Transaction
{
    QString id;
    QString accountId;
    QDate date;
    QString payee;
    QString memo;
    qint64 amount = 0; // negative: money leaving the account
    QString categoryId;
    QString checkNumber;
    bool cleared = false;
    bool reconciled = false;
    QString transferLinkId;
    QString transferDestAccountId;
    bool isSplit = false;
    QString recurringId;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};

struct RegisterRow
{
    Transaction transaction;
    // Empty from the row where the running sum stops fitting in an amount.
    std::optional<qint64> runningBalance = 0;
    QString categoryName;
};
// Every member is one of Qt's relocatable values or an optional of one: a
// register's list of rows grows by reallocating its block in place of moving
// each row into fresh memory. A member that points into itself (std::string)
// must remove these.
Q_DECLARE_TYPEINFO(Transaction, Q_RELOCATABLE_TYPE);
Q_DECLARE_TYPEINFO(RegisterRow, Q_RELOCATABLE_TYPE);

struct TransactionSearchFilter
{
    QString accountId;
    QString categoryId;
    QDate fromDate;
    QDate toDate;
    std::optional<bool> cleared;
};

struct OpeningBalanceProbe
{
    bool hasOpeningBalancePayee = false;
    QDate earliestDate;
};
