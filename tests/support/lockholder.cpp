#include "support/lockholder.h"

#include <QDeadlineTimer>

namespace {

constexpr int kDeadlineMs = 60000;

} // namespace

LockHolder::LockHolder(const QString &databasePath, int holdMs)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral(TALLYRA_LOCKHOLDER), {databasePath, QString::number(holdMs)});
    m_holding = m_process.waitForStarted(kDeadlineMs) && waitForLine("locked");
}

LockHolder::~LockHolder()
{
    if (!release()) {
        m_process.kill();
        m_process.waitForFinished(kDeadlineMs);
    }
}

bool LockHolder::release()
{
    if (m_released)
        return true;
    if (m_process.state() == QProcess::NotRunning)
        return false;
    m_process.write("\n");
    m_process.closeWriteChannel();
    m_released = waitForLine("released") && m_process.waitForFinished(kDeadlineMs) && m_process.exitCode() == 0;
    return m_released;
}

bool LockHolder::waitForLine(const QByteArray &line)
{
    const QDeadlineTimer deadline(kDeadlineMs);
    for (;;) {
        while (m_process.canReadLine()) {
            if (m_process.readLine().trimmed() == line)
                return true;
        }
        if (m_process.state() == QProcess::NotRunning || deadline.hasExpired())
            return false;
        m_process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
    }
}
