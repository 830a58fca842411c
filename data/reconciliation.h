#pragma once

#include "data/syncstatus.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

struct Reconciliation
{
    QString id;
    QString accountId;
    QDate statementDate;
    qint64 statementBalance = 0;
    qint64 reconciledBalance = 0;
    QDateTime completedAt;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};
