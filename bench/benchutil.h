#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

// Small helpers shared by the benchmark programs: timing, the printed
// figure lines, and raw sqlite3 access for the baselines.
namespace Bench {

// Keeps the program's data and settings in `dir`, and runs widgets off
// screen unless a platform was chosen. Call before the application object.
inline void useTemporaryDirectory(const QTemporaryDir &dir)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TALLYRA_DATA_DIR", dir.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
}

// Median of `runs` timings, each returned by `timedRun` in milliseconds (for
// runs whose set-up must stay outside the measured part).
inline double medianOfRuns(int runs, const std::function<double()> &timedRun)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(timedRun());
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Median wall time of `runs` calls, in milliseconds.
inline double medianMs(int runs, const std::function<void()> &work)
{
    return medianOfRuns(runs, [&work] {
        QElapsedTimer timer;
        timer.start();
        work();
        return double(timer.nsecsElapsed()) / 1e6;
    });
}

// The process's resident memory in KiB, as /proc/self/status gives it:
// "VmRSS:" now, "VmHWM:" at its peak.
inline qint64 residentKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Starts the peak over from the present resident size.
inline bool resetResidentPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

inline void printRatio(const char *name, double value, double baseline, double target)
{
    std::printf("%s: %.2fx (target <= %.1f)\n", name, value / baseline, target);
    std::fflush(stdout);
}

inline void printMs(const char *name, double ms)
{
    std::printf("%s: %.1f ms\n", name, ms);
    std::fflush(stdout);
}

class RawDb
{
public:
    explicit RawDb(const QString &path)
    {
        sqlite3_open(path.toUtf8().constData(), &m_db);
        exec("PRAGMA foreign_keys=ON");
        exec("PRAGMA synchronous=NORMAL");
        exec("PRAGMA cache_size=-65536");
    }
    // Works on a connection opened elsewhere (such as the program's own, so
    // that a baseline shares its page cache), without closing it.
    explicit RawDb(sqlite3 *borrowed)
        : m_db(borrowed)
        , m_owned(false)
    {
    }
    ~RawDb()
    {
        if (m_owned)
            sqlite3_close(m_db);
    }
    RawDb(const RawDb &) = delete;
    RawDb &operator=(const RawDb &) = delete;

    sqlite3 *handle() const { return m_db; }

    void exec(const char *sql)
    {
        char *error = nullptr;
        if (sqlite3_exec(m_db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
            std::fprintf(stderr, "sqlite: %s\n", error ? error : "?");
            sqlite3_free(error);
        }
    }

    sqlite3_stmt *prepare(const QString &sql)
    {
        sqlite3_stmt *statement = nullptr;
        const QByteArray utf8 = sql.toUtf8();
        if (sqlite3_prepare_v2(m_db, utf8.constData(), int(utf8.size()), &statement, nullptr) != SQLITE_OK)
            std::fprintf(stderr, "sqlite prepare: %s\n", sqlite3_errmsg(m_db));
        return statement;
    }

    // Steps through every row reading every column, as a client would.
    // Returns the number of rows.
    int readAll(sqlite3_stmt *statement)
    {
        int rows = 0;
        volatile size_t sink = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            const int columns = sqlite3_column_count(statement);
            for (int c = 0; c < columns; ++c) {
                if (sqlite3_column_type(statement, c) == SQLITE_INTEGER)
                    sink = sink + size_t(sqlite3_column_int64(statement, c));
                else
                    sink = sink + size_t(sqlite3_column_bytes(statement, c)) + size_t(sqlite3_column_text(statement, c) != nullptr);
            }
            ++rows;
        }
        sqlite3_reset(statement);
        return rows;
    }

    static void bindText(sqlite3_stmt *statement, int index, const QString &text, bool nullWhenEmpty = false)
    {
        if (nullWhenEmpty && text.isEmpty()) {
            sqlite3_bind_null(statement, index);
            return;
        }
        const QByteArray utf8 = text.toUtf8();
        sqlite3_bind_text(statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }

private:
    sqlite3 *m_db = nullptr;
    bool m_owned = true;
};

} // namespace Bench
