#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QProcess>

// A child process of the start-up tests (startupworker, the program, any
// tool), talked to through its standard streams. Every wait is bounded; a
// child still running at the end is killed.
constexpr int kChildTimeoutMs = 60000;

class ChildProcess
{
public:
    ChildProcess(const QString &program, const QStringList &arguments,
                 const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
    {
        m_process.setProcessEnvironment(environment);
        m_process.start(program, arguments);
    }

    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    ~ChildProcess()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    // The child's first line on standard output; empty when it says nothing in time.
    QByteArray firstLine()
    {
        QDeadlineTimer deadline(kChildTimeoutMs);
        while (!m_out.contains('\n') && !deadline.hasExpired()) {
            if (!m_process.waitForReadyRead(int(deadline.remainingTime())) && m_process.state() == QProcess::NotRunning)
                break;
            m_out += m_process.readAllStandardOutput();
        }
        m_out += m_process.readAllStandardOutput();
        return m_out.left(m_out.indexOf('\n'));
    }

    // Waits until standard error holds the text, or the child ends.
    bool saysOnStandardError(const QByteArray &text)
    {
        m_process.setReadChannel(QProcess::StandardError);
        QDeadlineTimer deadline(kChildTimeoutMs);
        while (!m_err.contains(text) && !deadline.hasExpired()) {
            if (!m_process.waitForReadyRead(int(deadline.remainingTime())) && m_process.state() == QProcess::NotRunning)
                break;
            m_err += m_process.readAllStandardError();
        }
        m_err += m_process.readAllStandardError();
        return m_err.contains(text);
    }

    // Closing its input asks a running worker to quit. -1 when it does not
    // end in time or crashes.
    int quit()
    {
        m_process.closeWriteChannel();
        return exitCode();
    }

    int exitCode()
    {
        if (!m_process.waitForFinished(kChildTimeoutMs) || m_process.exitStatus() != QProcess::NormalExit)
            return -1;
        return m_process.exitCode();
    }

    void kill()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

    bool hasStarted() { return m_process.waitForStarted(kChildTimeoutMs); }
    qint64 processId() const { return m_process.processId(); }
    bool isRunning() const { return m_process.state() == QProcess::Running; }
    bool staysRunningFor(int milliseconds) { return !m_process.waitForFinished(milliseconds) && isRunning(); }

    QByteArray standardError()
    {
        m_err += m_process.readAllStandardError();
        return m_err;
    }

private:
    QProcess m_process;
    QByteArray m_out;
    QByteArray m_err;
};
