#pragma once

#include <QString>

enum class SyncStatus { Pending = 0, Synced = 1, Conflict = 2 };

// Shared by every repository: unknown values bind as "pending".
QString syncStatusToString(SyncStatus status);
// "synced" and "conflict" are exact; any other text reads as Pending.
SyncStatus syncStatusFromString(const QString &text);
