#pragma once

#include <QProcess>
#include <QString>

// Another program holding a database's write lock: a child process that
// takes it with BEGIN IMMEDIATE and keeps it for a given time, or, when no
// time is given, until release().
class LockHolder
{
public:
    // Starts the child and waits (a minute at most) until it holds the lock.
    explicit LockHolder(const QString &databasePath, int holdMs = -1);
    ~LockHolder();

    LockHolder(const LockHolder &) = delete;
    LockHolder &operator=(const LockHolder &) = delete;

    // The child took the lock and holds it, or held it until its time ran out.
    bool isHolding() const { return m_holding; }
    // Tells a child without a time to let go; in any case waits until it has.
    bool release();

private:
    bool waitForLine(const QByteArray &line);

    QProcess m_process;
    bool m_holding = false;
    bool m_released = false;
};
