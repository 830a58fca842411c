#include "fuzz/backuprestore.h"

#include "fuzz/fuzzsupport.h"

#include "data/database.h"
#include "services/backupservice.h"

#include <QSqlQuery>

namespace {

int count(Database *database, const char *table)
{
    QSqlQuery query(*database->db());
    FuzzSupport::require(query.exec(QStringLiteral("SELECT count(*) FROM ") + QLatin1String(table)) && query.next(),
                         "a table can be counted");
    return query.value(0).toInt();
}

} // namespace

void restoreAndRead(const QByteArray &archive, int modeChoice)
{
    static const BackupImportMode modes[] = {BackupImportMode::SkipExisting, BackupImportMode::ReplaceAll,
                                             BackupImportMode::KeepNewer};
    Database *database = FuzzSupport::database();
    ScratchChange scratch(database);
    const int before = count(database, "transactions");
    const BackupImportMode mode = modes[modeChoice % 3];
    BackupService service(database);
    const BackupImportResult result = service.importBackup(archive, mode);
    FuzzSupport::require(result.totalImported() >= 0 && result.totalSkipped() >= 0, "counts are counts");
    // Only replacing removes rows; a merge that kept nothing left the data as it was.
    if (result.totalImported() == 0 && mode != BackupImportMode::ReplaceAll)
        FuzzSupport::require(count(database, "transactions") == before, "a merge that imports nothing changes nothing");
    FuzzSupport::readEverything(database);
}
