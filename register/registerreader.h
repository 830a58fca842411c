#pragma once

#include "data/transaction.h"
#include "data/transactionrepository.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class Database;
class QThread;

// Reads one account's register rows for a screen that must never wait: the
// newest rows on the calling thread, the rows before them on a thread of
// their own with their own connection. One read is current at a time; a
// new read, stop() or the destructor lets the previous one go, and a read
// nobody waits for stops early rather than running to its end.
class RegisterReader : public QObject
{
    Q_OBJECT

public:
    // `transactions` serves the reads on the calling thread; the database's
    // file is opened again for the thread's own reads.
    RegisterReader(Database *database, TransactionRepository *transactions, QObject *parent = nullptr);
    // Lets the current read go and waits for the threads, which end early.
    ~RegisterReader() override;

    // Reads the newest rows (whole days, at least `count`) here and starts
    // reading the rows before them, delivered by earlierRowsRead(). nullopt,
    // starting nothing, when only the whole account tells the balances or
    // the account is that small.
    std::optional<TransactionRepository::RegisterNewest> readNewest(const QString &accountId, int count);
    // The whole account, read here; lets any read in progress go.
    QList<RegisterRow> readAll(const QString &accountId);
    // Lets the current read go: its rows are never delivered.
    void stop();
    // True from readNewest() until its earlier rows are delivered or fail.
    bool isReading() const { return m_reading; }
    // The first date of the newest rows of the current read.
    QDate firstNewestDate() const { return m_firstNewestDate; }

    // Runs on the reading thread before it reads; `stale` says whether the
    // read has been let go. Tests hold the read there.
    using Gate = std::function<void(const std::function<bool()> &stale)>;
    void setGate(Gate gate) { m_gate = std::move(gate); }

Q_SIGNALS:
    // The rows before firstNewestDate(), in the order the balances add up
    // in, with their balances (the opening balance held on the account first).
    void earlierRowsRead(const QList<RegisterRow> &rows);
    // The earlier rows could not be read.
    void earlierRowsFailed();

private:
    void startEarlierRows(const QString &accountId, const QDate &before);
    void deliver(quint64 read, std::optional<QList<RegisterRow>> rows);

    Database *m_database;
    TransactionRepository *m_transactions;
    Gate m_gate;
    quint64 m_read = 0;
    // The current read as the threads see it: a read that is not current is stale.
    std::shared_ptr<std::atomic<quint64>> m_currentRead = std::make_shared<std::atomic<quint64>>(0);
    QList<QPointer<QThread>> m_threads;
    bool m_reading = false;
    QDate m_firstNewestDate;
};
