#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QStringList>

class Database;
class QSqlDatabase;
class QSqlQuery;
class QuaZip;

enum class BackupImportMode { SkipExisting = 0, ReplaceAll = 1, KeepNewer = 2 };

struct BackupImportResult
{
    int accountsImported = 0;
    int categoriesImported = 0;
    int transactionsImported = 0;
    int splitLinesImported = 0;
    int recurringImported = 0;
    int reconciliationsImported = 0;
    int accountsSkipped = 0;
    int categoriesSkipped = 0;
    int transactionsSkipped = 0;
    int splitLinesSkipped = 0;
    int recurringSkipped = 0;
    int reconciliationsSkipped = 0;
    QStringList errors;
    // Nothing was restored: the archive was refused, or the database failed
    // and everything was rolled back. The first error says why.
    bool aborted = false;

    int totalImported() const;
    int totalSkipped() const;
};

// Writes the register database into one ZIP archive of JSON files, one per
// row, and reads such an archive back in one of three modes. Works on raw
// table rows, so every column travels, soft-deleted rows included. A restore
// is one bulk write: when the database fails, nothing of it is kept and the
// result says why.
class BackupService : public QObject
{
    Q_OBJECT

public:
    explicit BackupService(Database *database, QObject *parent = nullptr);

    // Empty when a table could not be read or the archive not built;
    // `failureReason` then says why, for the user, when the store said.
    QByteArray exportBackup(QString *failureReason = nullptr);
    // The mode is the stored int: any value other than 0 and 2 replaces.
    BackupImportResult importBackup(const QByteArray &archive, int mode);
    BackupImportResult importBackup(const QByteArray &archive, BackupImportMode mode);

    // The rows written, or -1 when the table could not be read whole or a
    // row not added; `failureReason` then holds the store's reason, if any.
    int exportTable(QuaZip &zip, QSqlDatabase &connection, const QString &table, const QString &folder,
        QString *failureReason);
    static QJsonObject rowToJson(const QSqlQuery &query);
    static QJsonObject resetSyncFields(const QString &table, QJsonObject row);
    bool importRow(int mode, QSqlDatabase &connection, const QString &table, const QJsonObject &row);

private:
    class TableImporter;
    class Restore;

    Database *m_database;
};
