#pragma once

#include "data/syncstatus.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

enum class RecurringFrequency {
    Daily = 0,
    Weekly = 1,
    Biweekly = 2,
    Monthly = 3,
    Semimonthly = 4,
    Quarterly = 5,
    SemiAnnual = 6,
    Annual = 7
};

struct RecurringTransaction
{
    QString id;
    QString accountId;
    QString payee;
    QString memo;
    qint64 amount = 0;
    QString categoryId;
    RecurringFrequency frequency = RecurringFrequency::Monthly;
    int intervalCount = 1;
    int semimonthlyDay1 = 1;  // 1..31, 0 = last day of the month
    int semimonthlyDay2 = 15;
    QDate startDate;
    std::optional<QDate> endDate;
    QDate nextDueDate;
    bool autoPost = false;
    int leadDays = 0;
    bool isActive = true;
    QString transferDestAccountId;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};
