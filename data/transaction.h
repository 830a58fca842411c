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
