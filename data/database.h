#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <functional>

struct sqlite3;
struct sqlite3_stmt;

// The data directory: TALLYRA_DATA_DIR when set, else the generic data
// location plus "/Lumora/Tallyra". Created when missing.
QString dataDirectory();
QString databasePath();

class Database : public QObject
{
    Q_OBJECT

public:
    explicit Database(QObject *parent = nullptr);
    ~Database() override;

    // How long a statement waits for another connection's lock before it
    // fails; takes effect at open().
    void setBusyTimeout(int milliseconds);
    bool open(const QString &path);
    // Brings the schema up to date. Safe against another connection migrating
    // the same file at the same time: each migration runs under the write
    // lock and is skipped when it has been recorded meanwhile.
    bool migrate();
    bool applyMigration(int version, const QString &name, const QString &sql);
    // True when the last open(), migrate() or applyMigration() failed because
    // another connection kept the database locked past the busy timeout, not
    // because the file could not be read or written.
    bool failedOnBusyDatabase() const { return m_failedOnBusy; }
    static QStringList splitStatements(const QString &sql);

    QSqlDatabase *db();
    bool isOpen() const { return m_open; }

    // The statement for this SQL text, prepared once on the SQLite handle and
    // kept until the connection closes. Null when it cannot be prepared. Used
    // through SqlStatement.
    sqlite3_stmt *cachedStatement(const char *sql);
    QString lastNativeError() const;

    // Bulk writes (imports, restores, catch-up posting) hold back the
    // repositories' change signals until the outermost scope ends, and let
    // timers that write see that they must wait.
    void beginBulkWrite();
    void endBulkWrite();
    bool isBulkWriteInProgress() const { return m_bulkDepth > 0; }

    // Repositories announce their changes through here, so that listeners
    // only hear of committed data: inside an SQL transaction or a bulk write
    // `emitChange` runs once the outermost one has ended, once per sender and
    // key, and not at all when the savepoint it was raised in rolls back.
    void announceChange(QObject *sender, const QString &key, std::function<void()> emitChange);

Q_SIGNALS:
    void migrationApplied(int version, const QString &name);
    void migrationError(int version, const QString &error);
    // Emitted when the outermost bulk write has ended, after the change
    // signals it held back.
    void bulkWriteFinished();

private:
    friend class SqlTransaction;

    struct HeldChange
    {
        QPointer<QObject> sender;
        QString key;
        std::function<void()> emitChange;
    };
    struct HeldChanges
    {
        QList<HeldChange> changes;
        QSet<QPair<QObject *, QString>> keys;
        void add(HeldChange change);
    };

    void finalizeStatements();
    // One level of holding back per open savepoint and per outermost bulk
    // write; closing one passes its changes down, or emits them at the bottom.
    int openHold();
    void closeHold(int level, bool keep);

    QSqlDatabase m_db;
    sqlite3 *m_handle = nullptr;
    QHash<const char *, sqlite3_stmt *> m_statements;
    QString m_connectionName;
    bool m_open = false;
    bool m_failedOnBusy = false;
    int m_busyTimeoutMs;
    int m_bulkDepth = 0;
    int m_bulkHold = -1;
    int m_savepointCounter = 0;
    QList<HeldChanges> m_holds;
};

// One unit of work on the connection. Built on SAVEPOINT, so scopes nest:
// an inner scope that rolls back undoes only its own writes. Rolls back
// unless commit() succeeded.
class SqlTransaction
{
public:
    explicit SqlTransaction(Database *database);
    ~SqlTransaction();

    SqlTransaction(const SqlTransaction &) = delete;
    SqlTransaction &operator=(const SqlTransaction &) = delete;

    // False when the savepoint could not be opened; every write inside
    // should then be treated as failed.
    bool isActive() const { return m_active; }
    bool commit();
    void rollback();

private:
    Database *m_database;
    QString m_name;
    int m_hold = -1;
    bool m_active = false;
};

// Marks a bulk write for as long as it lives.
class BulkWriteScope
{
public:
    explicit BulkWriteScope(Database *database);
    ~BulkWriteScope();

    BulkWriteScope(const BulkWriteScope &) = delete;
    BulkWriteScope &operator=(const BulkWriteScope &) = delete;

private:
    Database *m_database;
};
