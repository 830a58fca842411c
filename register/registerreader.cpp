#include "register/registerreader.h"

#include "data/database.h"

#include <QThread>
#include <QTimer>

#include <sqlite3.h>

namespace {

// What the progress handler asks: whether its read has been let go.
struct StaleRead
{
    std::shared_ptr<std::atomic<quint64>> current;
    quint64 read;
    bool stale() const { return current->load() != read; }
};

// A database only its own connection sees cannot be opened again.
bool isPrivateDatabase(const QString &path)
{
    return path.isEmpty() || path.startsWith(QLatin1String(":memory:")) || path.contains(QLatin1String("mode=memory"));
}

} // namespace

RegisterReader::RegisterReader(Database *database, TransactionRepository *transactions, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_transactions(transactions)
{
}

RegisterReader::~RegisterReader()
{
    // Stale first: a thread still reading then stops at its next step
    // instead of reading the whole account to throw it away.
    stop();
    for (const QPointer<QThread> &thread : std::as_const(m_threads)) {
        if (thread) {
            thread->wait();
            delete thread.data();
        }
    }
}

void RegisterReader::stop()
{
    m_currentRead->store(++m_read);
    m_reading = false;
}

QList<RegisterRow> RegisterReader::readAll(const QString &accountId)
{
    stop();
    return m_transactions->listRegister(accountId);
}

std::optional<TransactionRepository::RegisterNewest> RegisterReader::readNewest(const QString &accountId, int count)
{
    stop();
    std::optional<TransactionRepository::RegisterNewest> newest = m_transactions->listRegisterNewest(accountId, count);
    if (!newest)
        return std::nullopt;
    m_reading = true;
    m_firstNewestDate = newest->rows.first().transaction.date;
    startEarlierRows(accountId, m_firstNewestDate);
    return newest;
}

void RegisterReader::startEarlierRows(const QString &accountId, const QDate &before)
{
    const quint64 read = m_read;
    const QString path = m_database->db()->databaseName();
    if (isPrivateDatabase(path)) {
        // Read here, once the newest rows have shown.
        QTimer::singleShot(0, this, [this, read, accountId, before] {
            if (read == m_read)
                deliver(read, m_transactions->listRegisterBefore(accountId, before));
        });
        return;
    }
    QThread *thread = QThread::create([this, read, accountId, before, path, gate = m_gate,
                                          current = m_currentRead] {
        const StaleRead stale{current, read};
        if (gate)
            gate([stale] { return stale.stale(); });
        if (stale.stale())
            return;
        std::optional<QList<RegisterRow>> rows;
        {
            Database database;
            if (database.open(path)) {
                sqlite3 *handle = database.nativeHandle();
                if (handle) {
                    sqlite3_progress_handler(handle, 10000, [](void *context) {
                        return static_cast<const StaleRead *>(context)->stale() ? 1 : 0;
                    }, const_cast<StaleRead *>(&stale));
                }
                rows = TransactionRepository(&database).listRegisterBefore(accountId, before);
                if (handle)
                    sqlite3_progress_handler(handle, 0, nullptr, nullptr);
            }
        }
        // Let go meanwhile: the rows are freed here, not on the caller's thread.
        if (stale.stale())
            return;
        QMetaObject::invokeMethod(this, [this, read, rows = std::move(rows)]() mutable {
            deliver(read, std::move(rows));
        }, Qt::QueuedConnection);
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    m_threads.removeAll(nullptr);
    m_threads.append(thread);
    thread->start(QThread::LowPriority);
}

void RegisterReader::deliver(quint64 read, std::optional<QList<RegisterRow>> rows)
{
    if (read != m_read || !m_reading)
        return;
    m_reading = false;
    if (rows)
        Q_EMIT earlierRowsRead(*rows);
    else
        Q_EMIT earlierRowsFailed();
}
