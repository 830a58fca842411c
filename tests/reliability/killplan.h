#pragma once

#include "syncfixture.h"

#include <QLatin1String>

// What the kill tests and their child process agree on: operation names,
// file names in the prepared folder and the sync service's content.
namespace KillPlan {

inline const QLatin1String qifImport("qif-import");
inline const QLatin1String restore("restore");
inline const QLatin1String sampleData("sample-data");
inline const QLatin1String syncPull("sync-pull");

inline const QLatin1String databaseName("tallyra.db");
inline const QLatin1String backupName("backup.zip");
inline const QLatin1String qifName("import.qif");
inline const QLatin1String importAccountId("kill-checking");

// Pages of 50 records: the pull of syncData() takes about forty of them.
constexpr int syncPageSize = 50;
inline SampleData syncData()
{
    return SampleData::make(QStringLiteral("kill"), 3, 6, 3, 2000, 3);
}

} // namespace KillPlan
