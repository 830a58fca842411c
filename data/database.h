#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QSqlQuery;
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

    // Why the store refused an open, a migration or a write: SQLite's result
    // code and message, and the operating system's error where SQLite met
    // one (a file that could not be created or grown).
    class Failure
    {
    public:
        Failure() = default;
        Failure(int code, const QString &message, int systemError = 0);

        bool isFailure() const { return m_code != 0 || !m_message.isEmpty(); }
        // SQLite's primary result code (SQLITE_FULL, SQLITE_BUSY, ...); 0 for
        // a reason of the caller's own.
        int code() const { return m_code & 0xff; }
        QString message() const { return m_message; }
        int systemError() const { return m_systemError; }

        bool isDiskFull() const;
        // Another connection holds the lock past the busy time-out.
        bool isBusy() const;
        // The file or its folder may not be read or written.
        bool isAccessDenied() const;
        // For the user: "the disk is full", "the data is in use by another
        // program", or SQLite's message with the file layer's.
        QString reason() const;

    private:
        int m_code = 0;
        QString m_message;
        int m_systemError = 0;
    };

    // The failure of the last open(), migrate() or applyMigration() that
    // failed, or of the last transaction on this connection that failed
    // (SqlTransaction, BulkWriteTransaction); cleared when an outermost
    // one begins.
    const Failure &lastFailure() const { return m_lastFailure; }
    // The last failure was another connection keeping the database locked
    // past the busy time-out, not a file that could not be read or written.
    bool failedOnBusyDatabase() const { return m_lastFailure.isBusy(); }
    static QStringList splitStatements(const QString &sql);

    QSqlDatabase *db();
    bool isOpen() const { return m_open; }

    // The statement for this SQL text, prepared once on the SQLite handle and
    // kept until the connection closes. Null when it cannot be prepared. Used
    // through SqlStatement.
    sqlite3_stmt *cachedStatement(const char *sql);
    // The connection's SQLite handle, null until open.
    sqlite3 *nativeHandle() const { return m_handle; }
    QString lastNativeError() const;

    // A mark of what the transactions table holds: equal marks mean no
    // connection has changed it in between. Values computed from the table
    // can be kept while the mark holds. nullopt inside an open transaction,
    // whose writes may still roll back, and when it cannot be read.
    struct TableMark
    {
        quint64 localWrites = 0;
        qint64 otherWrites = 0;
        bool operator==(const TableMark &other) const
        {
            return localWrites == other.localWrites && otherWrites == other.otherWrites;
        }
        bool operator!=(const TableMark &other) const { return !(*this == other); }
    };
    std::optional<TableMark> transactionsMark();

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
    friend class BulkWriteTransaction;

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
    // Keeps the connection's last error, unless one is kept already, before
    // a rollback replaces it: a bulk write reports why a write inside failed.
    void noteFailure();
    void setFailure(const QSqlError &error);
    void clearFailure() { m_lastFailure = Failure(); }
    // One level of holding back per open savepoint and per outermost bulk
    // write; closing one passes its changes down, or emits them at the bottom.
    int openHold();
    void closeHold(int level, bool keep);
    // True when SQLite has rolled back on its own (a full disk while it
    // spills its cache, an I/O error): no transaction is open any more.
    bool transactionGone() const;
    // Undoes an outermost transaction, or one savepoint of it, unless SQLite
    // has done so already.
    void rollBack(bool outermost, const QString &savepoint);

    QSqlDatabase m_db;
    sqlite3 *m_handle = nullptr;
    QHash<const char *, sqlite3_stmt *> m_statements;
    // Rows of the transactions table written on this connection, rolled-back
    // ones included.
    quint64 m_transactionsWrites = 0;
    QString m_connectionName;
    bool m_open = false;
    int m_busyTimeoutMs;
    int m_bulkDepth = 0;
    int m_bulkHold = -1;
    int m_savepointCounter = 0;
    QList<HeldChanges> m_holds;
    Failure m_lastFailure;
};

// One unit of work on the connection. Rolls back unless commit() succeeded.
//
// The outermost one begins with BEGIN IMMEDIATE: the write lock is taken
// before anything is read, so while another program holds it SQLite waits
// out the busy time-out. A deferred transaction that reads first and then
// writes is answered "busy" at once, without waiting. Inside an open
// transaction it is a SAVEPOINT, so scopes nest: an inner scope that rolls
// back undoes only its own writes.
//
// A failure (the lock not taken, a commit that failed, a transaction SQLite
// rolled back on its own) is kept as the database's lastFailure().
class SqlTransaction
{
public:
    explicit SqlTransaction(Database *database);
    ~SqlTransaction();

    SqlTransaction(const SqlTransaction &) = delete;
    SqlTransaction &operator=(const SqlTransaction &) = delete;

    // False when the transaction could not be begun; every write inside
    // should then be treated as failed.
    bool isActive() const { return m_active; }
    bool isOutermost() const { return m_outermost; }
    // False, and everything rolled back, also when SQLite has already
    // rolled the transaction back on its own.
    bool commit();
    void rollback();

private:
    bool transactionGone() const;

    Database *m_database;
    QString m_name;
    int m_hold = -1;
    bool m_active = false;
    bool m_outermost = false;
};

// Marks a bulk write for as long as it lives. BulkWriteTransaction below
// includes it; this alone suits a bulk write that makes its own transactions.
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

// One bulk write (an import, a backup restore, sample data, recurring
// catch-up, one sync page) kept whole or not at all, also when the store
// fails. It marks a bulk write (BulkWriteScope) and holds back change
// signals until it commits.
//
// As the outermost transaction it begins with BEGIN IMMEDIATE: the write
// lock is taken before anything is read, so while another program holds it
// SQLite waits out the connection's busy time-out instead of failing the
// first write on a stale read snapshot. Inside an open transaction or
// savepoint it can only be a savepoint of it: the lock is then taken by
// the outer transaction's first write (no busy wait once that transaction
// has read), and only the outer commit keeps the rows. Start bulk writes
// outermost.
//
// Every write's outcome goes through record(). The first failed write
// ends the bulk write: it is rolled back at once, and every later record()
// and commit() returns false. So does a transaction that SQLite rolled back
// on its own (a full disk while its cache spills, an I/O error): record()
// notices it even after a write that reported success, so nothing written
// afterwards can commit row by row. failureReason() says why, for the user.
//
//     BulkWriteTransaction bulk(database);
//     for (const Row &row : rows) {
//         if (!bulk.record(insert(row)))   // or bulk.exec(query)
//             break;
//     }
//     if (!bulk.commit())
//         report(tr("... could not be written: %1").arg(bulk.failureReason()));
//
// A row the caller refuses for its content (unreadable, duplicate, refused
// by a constraint and counted as skipped) is no failed write: pass it with
// recordRefusal(), which still checks that the transaction is open.
class BulkWriteTransaction
{
public:
    explicit BulkWriteTransaction(Database *database);
    ~BulkWriteTransaction(); // rolls back unless committed

    BulkWriteTransaction(const BulkWriteTransaction &) = delete;
    BulkWriteTransaction &operator=(const BulkWriteTransaction &) = delete;

    // Open, and no write has failed.
    bool isActive() const { return m_open; }
    // Began with BEGIN IMMEDIATE (false: a savepoint of an outer transaction).
    bool isOutermost() const { return m_outermost; }

    // Passes one write's outcome through: true while the bulk write goes on.
    // A failed write takes its reason from `error` when given, else from the
    // connection.
    bool record(bool written);
    bool record(bool written, const QSqlError &error);
    // A row refused for its content: only checks that the transaction is open.
    bool recordRefusal() { return record(true); }
    // Runs the prepared query, or the statement, and records the outcome.
    bool exec(QSqlQuery &query);
    bool exec(QSqlQuery &query, const QString &sql);

    // Ends the bulk write as failed, for a reason of the caller's own.
    void fail(const QString &reason);

    // True when every write went through and the commit succeeded.
    bool commit();
    // Drops everything written; not a failure unless one was recorded.
    void rollback();

    bool failed() const { return m_failed; }
    // For the user: "the disk is full", "the data is in use by another
    // program", or SQLite's own message. Empty unless failed().
    QString failureReason() const { return m_reason; }
    // SQLite's primary result code of the failure (SQLITE_FULL, SQLITE_BUSY,
    // ...); 0 when none or when the caller gave the reason.
    int failureCode() const { return m_code; }

    // The reason shown for an SQLite result code and message.
    static QString reasonFor(int code, const QString &message);

private:
    bool transactionGone() const;
    void failWith(const Database::Failure &failure);
    void endBulkWrite();

    Database *m_database;
    QString m_savepoint;
    int m_hold = -1;
    int m_code = 0;
    QString m_reason;
    bool m_outermost = false;
    bool m_open = false;
    bool m_failed = false;
    bool m_bulkEnded = false;
};
