#include "data/database.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlDriver>
#include <QStandardPaths>
#include <QThread>

#include <sqlite3.h>

#include <atomic>
#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace {

struct Migration
{
    int version;
    const char *name;
    const char *resourcePath;
};

constexpr Migration kMigrations[] = {
    {1, "initial", ":/sql/sql/migrations/001_initial.sql"},
    {2, "recon_sync", ":/sql/sql/migrations/002_recon_sync.sql"},
    {3, "recurring_lead_days", ":/sql/sql/migrations/003_recurring_lead_days.sql"},
    {4, "recurring_interval", ":/sql/sql/migrations/004_recurring_interval.sql"},
    {5, "recurring_semimonthly", ":/sql/sql/migrations/005_recurring_semimonthly.sql"},
    {6, "register_indexes", ":/sql/sql/migrations/006_register_indexes.sql"},
    {7, "payee_index", ":/sql/sql/migrations/007_payee_index.sql"},
    {8, "utc_timestamps", ":/sql/sql/migrations/008_utc_timestamps.sql"},
};

const char kSchemaVersionSql[] =
    "CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY KEY,  name    TEXT NOT "
    "NULL,  applied_at TEXT NOT NULL DEFAULT (datetime('now')))";

// Connections are also opened on reader threads.
std::atomic<int> s_connectionCounter = 0;

// Another connection holding the database (a second copy of the program
// starting on the same file, a backup tool) is waited for this long before a
// statement gives up.
constexpr int kDefaultBusyTimeoutMs = 10000;

bool isBusyError(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
    return ok && (code == SQLITE_BUSY || code == SQLITE_LOCKED);
}

// The driver closes the SQLite handle when it cannot open the file, and the
// operating system's reason goes with it: ask the file system once more.
int openFileError(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const bool existed = QFileInfo::exists(path);
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return errno;
    ::close(fd);
    if (!existed)
        ::unlink(name.constData());
    return 0;
}

} // namespace

// The scripts live in a static library; its resources need an explicit init,
// which must not sit inside a namespace.
static void initResources()
{
    Q_INIT_RESOURCE(tallyra_sql);
}

QString dataDirectory()
{
    const QByteArray env = qgetenv("TALLYRA_DATA_DIR");
    if (!env.isEmpty()) {
        const QString dir = QString::fromUtf8(env);
        QDir(dir).mkpath(QStringLiteral("."));
        return dir;
    }
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                        + QStringLiteral("/Lumora/Tallyra");
    if (!QDir(dir).exists())
        QDir(dir).mkpath(QStringLiteral("."));
    return dir;
}

QString databasePath()
{
    return dataDirectory() + QStringLiteral("/tallyra.db");
}

Database::Database(QObject *parent)
    : QObject(parent)
    , m_busyTimeoutMs(kDefaultBusyTimeoutMs)
{
    initResources();
}

Database::~Database()
{
    finalizeStatements();
    if (m_open) {
        m_db.close();
        m_open = false;
    }
    if (!m_connectionName.isEmpty()) {
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

void Database::setBusyTimeout(int milliseconds)
{
    m_busyTimeoutMs = milliseconds;
}

bool Database::open(const QString &path)
{
    if (m_open)
        return true;
    clearFailure();

    // Every connection has a name of its own, taken from a counter: reader
    // threads open connections while others do, and a name found free by
    // looking first could be taken by another thread before it is added.
    if (m_connectionName.isEmpty()) {
        m_connectionName = QStringLiteral("tallyra_%1").arg(++s_connectionCounter);
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    }
    m_db.setDatabaseName(path);
    // The driver sets the timeout right after opening the file, so even the
    // switch to WAL below waits for a connection that holds the file.
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_busyTimeoutMs));
    if (!m_db.open()) {
        const QSqlError error = m_db.lastError();
        const int code = error.nativeErrorCode().toInt();
        m_lastFailure = Failure(code, error.databaseText(), (code & 0xff) == SQLITE_CANTOPEN ? openFileError(path) : 0);
        qCritical() << "Failed to open database:" << error.text();
        return false;
    }

    // SQLite answers a journal-mode switch that meets another connection's
    // lock with "busy" at once, without its busy handler: wait here instead,
    // as long as the busy timeout allows (copies starting on one new file).
    QSqlQuery pragma(m_db);
    QDeadlineTimer deadline(m_busyTimeoutMs);
    bool switched = pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    while (!switched && isBusyError(pragma.lastError()) && !deadline.hasExpired()) {
        pragma.finish();
        QThread::msleep(10);
        switched = pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    }
    if (!switched && isBusyError(pragma.lastError())) {
        // Still held by another connection after the timeout: nothing more
        // would succeed either.
        m_lastFailure = Failure(SQLITE_BUSY, pragma.lastError().databaseText());
        qCritical() << "Failed to open database:" << pragma.lastError().text();
        pragma.finish();
        m_db.close();
        return false;
    }
    pragma.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    // WAL makes NORMAL safe against corruption; only the last commit before a
    // power loss can be lost, never a half-written one.
    pragma.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    // Decades of history: keep the hot pages of the tables and indexes in memory.
    pragma.exec(QStringLiteral("PRAGMA cache_size=-65536"));
    const QVariant handle = m_db.driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
        m_handle = *static_cast<sqlite3 *const *>(handle.data());
    if (m_handle) {
        // Every row written, through any statement or trigger of this
        // connection; other connections' commits show in data_version.
        sqlite3_update_hook(
            m_handle,
            [](void *context, int, const char *, const char *table, sqlite3_int64) {
                if (qstrcmp(table, "transactions") == 0)
                    ++static_cast<Database *>(context)->m_transactionsWrites;
            },
            this);
    }
    m_open = true;
    return true;
}

QSqlDatabase *Database::db()
{
    return &m_db;
}

sqlite3_stmt *Database::cachedStatement(const char *sql)
{
    if (!m_handle)
        return nullptr;
    if (sqlite3_stmt *statement = m_statements.value(sql))
        return statement;
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v3(m_handle, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK) {
        qWarning().noquote() << "Database: cannot prepare statement:" << lastNativeError();
        sqlite3_finalize(statement);
        return nullptr;
    }
    m_statements.insert(sql, statement);
    return statement;
}

std::optional<Database::TableMark> Database::transactionsMark()
{
    if (!m_handle || !sqlite3_get_autocommit(m_handle))
        return std::nullopt;
    sqlite3_stmt *version = cachedStatement("PRAGMA data_version");
    if (!version)
        return std::nullopt;
    std::optional<TableMark> mark;
    if (sqlite3_step(version) == SQLITE_ROW)
        mark = TableMark{m_transactionsWrites, sqlite3_column_int64(version, 0)};
    sqlite3_reset(version);
    return mark;
}

QString Database::lastNativeError() const
{
    return m_handle ? QString::fromUtf8(sqlite3_errmsg(m_handle)) : QString();
}

void Database::noteFailure()
{
    // The first failure since the transaction began (or a bulk write's last
    // recorded outcome) is the cause; what fails after it (a savepoint that
    // SQLite's own rollback already removed) is a consequence.
    if (!m_handle || m_lastFailure.isFailure())
        return;
    const int code = sqlite3_extended_errcode(m_handle);
    if (code == SQLITE_OK || code == SQLITE_ROW || code == SQLITE_DONE)
        return;
    m_lastFailure = Failure(code, QString::fromUtf8(sqlite3_errmsg(m_handle)), sqlite3_system_errno(m_handle));
}

void Database::setFailure(const QSqlError &error)
{
    m_lastFailure = Failure(error.nativeErrorCode().toInt(), error.databaseText(),
        m_handle ? sqlite3_system_errno(m_handle) : 0);
}

Database::Failure::Failure(int code, const QString &message, int systemError)
    : m_code(code)
    , m_message(message)
{
    // SQLite keeps the operating system's last error until the next one; it
    // belongs to this failure only when the file layer failed.
    const int primary = code & 0xff;
    if (primary == SQLITE_IOERR || primary == SQLITE_CANTOPEN)
        m_systemError = systemError;
}

bool Database::Failure::isDiskFull() const
{
    return code() == SQLITE_FULL || m_systemError == ENOSPC || m_systemError == EDQUOT;
}

bool Database::Failure::isBusy() const
{
    return code() == SQLITE_BUSY || code() == SQLITE_LOCKED;
}

bool Database::Failure::isAccessDenied() const
{
    return code() == SQLITE_PERM || code() == SQLITE_READONLY || code() == SQLITE_AUTH || m_systemError == EACCES
        || m_systemError == EPERM || m_systemError == EROFS;
}

QString Database::Failure::reason() const
{
    if (isDiskFull())
        return QCoreApplication::translate("Database", "the disk is full");
    if (isBusy())
        return QCoreApplication::translate("Database", "the data is in use by another program");
    QString text = m_message;
    if (text.isEmpty())
        text = QCoreApplication::translate("Database", "the database could not write the changes");
    if (m_systemError != 0)
        text += QStringLiteral(" (%1)").arg(qt_error_string(m_systemError));
    return text;
}

void Database::finalizeStatements()
{
    for (sqlite3_stmt *statement : std::as_const(m_statements))
        sqlite3_finalize(statement);
    m_statements.clear();
}

bool Database::migrate()
{
    clearFailure();
    QSqlQuery query(m_db);
    if (!query.exec(QString::fromLatin1(kSchemaVersionSql))) {
        setFailure(query.lastError());
        qCritical() << "Failed to create schema_version table:" << query.lastError().text();
        return false;
    }

    // Only a first guess: applyMigration looks again once it holds the write
    // lock, in case another connection migrated the file meanwhile.
    int currentVersion = 0;
    if (query.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) && query.next())
        currentVersion = query.value(0).toInt();
    // A statement left open keeps its read snapshot, and a snapshot older
    // than another connection's commit cannot become a write transaction.
    query.finish();

    for (const Migration &migration : kMigrations) {
        if (migration.version <= currentVersion)
            continue;
        const QString resourcePath = QString::fromLatin1(migration.resourcePath);
        QFile file(resourcePath);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            const QString message = QStringLiteral("Cannot read migration file: %1").arg(resourcePath);
            m_lastFailure = Failure(0, message);
            qCritical().noquote() << message;
            Q_EMIT migrationError(migration.version, message);
            return false;
        }
        const QString sql = QString::fromUtf8(file.readAll());
        if (!applyMigration(migration.version, QString::fromLatin1(migration.name), sql))
            return false;
    }
    return true;
}

bool Database::applyMigration(int version, const QString &name, const QString &sql)
{
    clearFailure();
    const auto fail = [this, version](const QSqlError &error, const QString &statement) {
        setFailure(error);
        if (statement.isEmpty())
            qCritical() << "Migration" << version << "failed:" << error.text();
        else
            qCritical().noquote() << "Migration" << version << "failed:" << error.text()
                                  << "\nStatement:" << statement.left(200);
        Q_EMIT migrationError(version, error.text());
        return false;
    };
    const auto rollback = [this] { QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK")); };

    // IMMEDIATE takes the write lock up front, where the busy timeout applies;
    // a deferred transaction that has read first gets "database is locked" at
    // its first write, without waiting.
    QSqlQuery begin(m_db);
    if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(begin.lastError(), QString());

    QSqlQuery applied(m_db);
    applied.prepare(QStringLiteral("SELECT 1 FROM schema_version WHERE version = ?"));
    applied.addBindValue(version);
    if (!applied.exec()) {
        const QSqlError error = applied.lastError();
        rollback();
        return fail(error, QString());
    }
    if (applied.next()) {
        // Another connection applied it while this one waited for the lock.
        applied.finish();
        rollback();
        qInfo() << "Migration" << version << name << "was already applied";
        return true;
    }
    applied.finish();

    const QStringList statements = splitStatements(sql);
    for (const QString &statement : statements) {
        QSqlQuery query(m_db);
        if (!query.exec(statement)) {
            const QSqlError error = query.lastError();
            query.finish();
            rollback();
            return fail(error, statement);
        }
    }

    QSqlQuery record(m_db);
    record.prepare(QStringLiteral("INSERT INTO schema_version (version, name) VALUES (?, ?)"));
    record.addBindValue(version);
    record.addBindValue(name);
    if (!record.exec()) {
        const QSqlError error = record.lastError();
        rollback();
        setFailure(error);
        Q_EMIT migrationError(version, error.text());
        return false;
    }

    // A commit that fails leaves the script unapplied: report it like a
    // failing statement instead of pretending the schema moved on.
    QSqlQuery commit(m_db);
    if (!commit.exec(QStringLiteral("COMMIT"))) {
        const QSqlError error = commit.lastError();
        rollback();
        return fail(error, QString());
    }

    qInfo() << "Applied migration" << version << name;
    Q_EMIT migrationApplied(version, name);
    return true;
}

QStringList Database::splitStatements(const QString &sql)
{
    QStringList result;
    QString buffer;
    int depth = 0;

    auto flush = [&result, &buffer]() {
        QString statement = buffer.trimmed();
        buffer.clear();
        if (statement.isEmpty() || statement == QLatin1String(";"))
            return;
        if (statement.endsWith(QLatin1Char(';')))
            statement.chop(1);
        statement = statement.trimmed();
        if (!statement.isEmpty())
            result.append(statement);
    };

    const QStringList lines = sql.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1String("--")))
            continue;
        buffer += line;
        buffer += QLatin1Char('\n');
        const QString upper = trimmed.toUpper();
        if (upper.contains(QLatin1String("BEGIN")))
            ++depth;
        if (upper.startsWith(QLatin1String("END")) && depth >= 1)
            --depth;
        if (depth == 0 && trimmed.endsWith(QLatin1Char(';')))
            flush();
    }
    flush();
    return result;
}

void Database::beginBulkWrite()
{
    if (m_bulkDepth++ == 0)
        m_bulkHold = openHold();
}

void Database::endBulkWrite()
{
    if (m_bulkDepth == 0)
        return;
    if (--m_bulkDepth == 0) {
        closeHold(std::exchange(m_bulkHold, -1), true);
        Q_EMIT bulkWriteFinished();
    }
}

void Database::HeldChanges::add(HeldChange change)
{
    if (keys.contains({change.sender.data(), change.key}))
        return;
    keys.insert({change.sender.data(), change.key});
    changes.append(std::move(change));
}

void Database::announceChange(QObject *sender, const QString &key, std::function<void()> emitChange)
{
    if (m_holds.isEmpty()) {
        emitChange();
        return;
    }
    m_holds.last().add({sender, key, std::move(emitChange)});
}

int Database::openHold()
{
    m_holds.append(HeldChanges());
    return int(m_holds.size()) - 1;
}

void Database::closeHold(int level, bool keep)
{
    if (level < 0 || level >= m_holds.size())
        return;
    // Scopes end in reverse order; should one outlive an inner one, the
    // inner one's changes stay with it.
    while (m_holds.size() > level + 1) {
        HeldChanges inner = m_holds.takeLast();
        for (HeldChange &change : inner.changes)
            m_holds.last().add(std::move(change));
    }
    HeldChanges closed = m_holds.takeLast();
    if (!keep)
        return;
    if (!m_holds.isEmpty()) {
        for (HeldChange &change : closed.changes)
            m_holds.last().add(std::move(change));
        return;
    }
    for (const HeldChange &change : std::as_const(closed.changes)) {
        if (change.sender)
            change.emitChange();
    }
}

SqlTransaction::SqlTransaction(Database *database)
    : m_database(database)
{
    sqlite3 *handle = database->m_handle;
    m_outermost = !handle || sqlite3_get_autocommit(handle) != 0;
    QSqlQuery query(*database->db());
    if (m_outermost) {
        database->clearFailure();
        m_active = query.exec(QStringLiteral("BEGIN IMMEDIATE"));
    } else {
        m_name = QStringLiteral("tallyra_sp_%1").arg(++database->m_savepointCounter);
        m_active = query.exec(QStringLiteral("SAVEPOINT ") + m_name);
    }
    if (m_active) {
        m_hold = database->openHold();
    } else {
        database->setFailure(query.lastError());
        qWarning() << "SqlTransaction: cannot begin:" << query.lastError().text();
    }
}

SqlTransaction::~SqlTransaction()
{
    if (m_active)
        rollback();
}

bool Database::transactionGone() const
{
    return m_handle && sqlite3_get_autocommit(m_handle) != 0;
}

void Database::rollBack(bool outermost, const QString &savepoint)
{
    if (transactionGone())
        return;
    QSqlQuery query(m_db);
    if (outermost) {
        query.exec(QStringLiteral("ROLLBACK"));
    } else {
        query.exec(QStringLiteral("ROLLBACK TO SAVEPOINT ") + savepoint);
        query.exec(QStringLiteral("RELEASE SAVEPOINT ") + savepoint);
    }
}

bool SqlTransaction::transactionGone() const
{
    return m_database->transactionGone();
}

bool SqlTransaction::commit()
{
    if (!m_active)
        return false;
    // SQLite rolls a transaction back on its own after some failures (a
    // full disk while it spills its cache, an I/O error, RAISE(ROLLBACK)).
    // Nothing of it is left to commit, and what was written after it went
    // in on its own: report the failure instead of a commit.
    if (transactionGone()) {
        m_database->noteFailure();
        if (!m_database->m_lastFailure.isFailure()) {
            m_database->m_lastFailure = Database::Failure(
                0, QCoreApplication::translate("Database", "the database rolled the changes back"));
        }
        qWarning() << "SqlTransaction: the database rolled the transaction back";
        rollback();
        return false;
    }
    QSqlQuery query(*m_database->db());
    const bool committed = m_outermost ? query.exec(QStringLiteral("COMMIT"))
                                       : query.exec(QStringLiteral("RELEASE SAVEPOINT ") + m_name);
    if (!committed) {
        qWarning() << "SqlTransaction: commit failed:" << query.lastError().text();
        m_database->setFailure(query.lastError());
        rollback();
        return false;
    }
    m_active = false;
    m_database->closeHold(m_hold, true);
    return true;
}

void SqlTransaction::rollback()
{
    if (!m_active)
        return;
    m_active = false;
    m_database->noteFailure();
    m_database->rollBack(m_outermost, m_name);
    m_database->closeHold(m_hold, false);
}

BulkWriteScope::BulkWriteScope(Database *database)
    : m_database(database)
{
    m_database->beginBulkWrite();
}

BulkWriteScope::~BulkWriteScope()
{
    m_database->endBulkWrite();
}

BulkWriteTransaction::BulkWriteTransaction(Database *database)
    : m_database(database)
{
    m_database->beginBulkWrite();
    m_database->clearFailure();
    sqlite3 *handle = m_database->m_handle;
    m_outermost = !handle || sqlite3_get_autocommit(handle) != 0;
    QSqlQuery query(*m_database->db());
    bool begun = false;
    if (m_outermost) {
        begun = query.exec(QStringLiteral("BEGIN IMMEDIATE"));
    } else {
        m_savepoint = QStringLiteral("tallyra_sp_%1").arg(++m_database->m_savepointCounter);
        begun = query.exec(QStringLiteral("SAVEPOINT ") + m_savepoint);
    }
    if (!begun) {
        const QSqlError error = query.lastError();
        qWarning().noquote() << "Bulk write cannot begin:" << error.text();
        m_database->setFailure(error);
        failWith(m_database->m_lastFailure);
        endBulkWrite();
        return;
    }
    m_hold = m_database->openHold();
    m_open = true;
}

BulkWriteTransaction::~BulkWriteTransaction()
{
    rollback();
    endBulkWrite();
}

bool BulkWriteTransaction::transactionGone() const
{
    return m_database->transactionGone();
}

bool BulkWriteTransaction::record(bool written)
{
    return record(written, QSqlError());
}

bool BulkWriteTransaction::record(bool written, const QSqlError &error)
{
    if (!m_open)
        return false;
    if (written && !transactionGone()) {
        // What failed before this outcome was the caller's to judge (a row
        // refused and skipped); the next failure brings its own reason.
        m_database->clearFailure();
        return true;
    }

    if (error.nativeErrorCode().toInt() != 0 || !error.databaseText().isEmpty()) {
        m_database->setFailure(error);
    } else {
        // The connection's last error, or the one a savepoint's rollback
        // replaced after the failing statement.
        m_database->noteFailure();
    }
    if (written && !m_database->m_lastFailure.isFailure()) {
        m_database->m_lastFailure = Database::Failure(
            0, QCoreApplication::translate("Database", "the database rolled the changes back"));
    }
    const Database::Failure &failure = m_database->m_lastFailure;
    qWarning().noquote() << "Bulk write failed:"
                         << (failure.message().isEmpty() ? QString::number(failure.code()) : failure.message());
    failWith(failure);
    rollback();
    return false;
}

bool BulkWriteTransaction::exec(QSqlQuery &query)
{
    if (!m_open)
        return false;
    const bool written = query.exec();
    return record(written, written ? QSqlError() : query.lastError());
}

bool BulkWriteTransaction::exec(QSqlQuery &query, const QString &sql)
{
    if (!m_open)
        return false;
    const bool written = query.exec(sql);
    return record(written, written ? QSqlError() : query.lastError());
}

void BulkWriteTransaction::fail(const QString &reason)
{
    if (m_failed)
        return;
    m_failed = true;
    m_code = 0;
    m_reason = reason;
    m_database->m_lastFailure = Database::Failure(0, reason);
    rollback();
}

void BulkWriteTransaction::failWith(const Database::Failure &failure)
{
    if (m_failed)
        return;
    m_failed = true;
    m_code = failure.code();
    m_reason = failure.reason();
}

QString BulkWriteTransaction::reasonFor(int code, const QString &message)
{
    return Database::Failure(code, message).reason();
}

bool BulkWriteTransaction::commit()
{
    if (!m_open)
        return false;
    // A transaction SQLite already rolled back must not be "committed": the
    // COMMIT would fail, but a RELEASE of an outer savepoint might not.
    if (transactionGone())
        return record(false);
    QSqlQuery query(*m_database->db());
    const bool committed = m_outermost ? query.exec(QStringLiteral("COMMIT"))
                                       : query.exec(QStringLiteral("RELEASE SAVEPOINT ") + m_savepoint);
    if (!committed)
        return record(false, query.lastError());
    m_open = false;
    m_database->closeHold(m_hold, true);
    endBulkWrite();
    return true;
}

void BulkWriteTransaction::rollback()
{
    if (!m_open)
        return;
    m_open = false;
    // After SQLite's own rollback the outer transaction of a savepoint is
    // gone too and fails its own commit.
    m_database->rollBack(m_outermost, m_savepoint);
    m_database->closeHold(m_hold, false);
    endBulkWrite();
}

void BulkWriteTransaction::endBulkWrite()
{
    if (std::exchange(m_bulkEnded, true))
        return;
    m_database->endBulkWrite();
}
