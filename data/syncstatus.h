#pragma once

#include <QDateTime>
#include <QString>

enum class SyncStatus { Pending = 0, Synced = 1, Conflict = 2 };

// Shared by every repository: unknown values bind as "pending".
QString syncStatusToString(SyncStatus status);
// "synced" and "conflict" are exact; any other text reads as Pending.
SyncStatus syncStatusFromString(const QString &text);

// A change made on this device, for any synced record: pending, stamped now
// (UTC), one version up from the stored one (repositories store the version
// they are given).
template <typename Record>
void markEdited(Record &record)
{
    record.updatedAt = QDateTime::currentDateTimeUtc();
    record.syncStatus = SyncStatus::Pending;
    record.version += 1;
}
