// Start-up figure: from Application::run until the register of a
// 100k-transaction account has painted its first rows, in a database of 20
// accounts and 1M transactions, against the raw SELECT of that register plus
// the raw balance sums of the 20 accounts. The release-notes fetch and the
// update check are left out. Each start runs in a fresh process of this
// program, since a process holds one application object.

#include "benchtransactions.h"
#include "benchutil.h"

#include "app/application.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"
#include "ui/mainwindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

using namespace Bench;

namespace {

constexpr int kAccounts = 20;
constexpr int kRegisterRows = 100000;
constexpr int kTotalRows = 1000000;
constexpr int kMeasuredStarts = 5;
const char kChildFlag[] = "--start-once";

// Ends the event loop once the register viewport has painted with rows in it.
class FirstRowsWatcher : public QObject
{
public:
    FirstRowsWatcher(Application *application, QElapsedTimer *clock)
        : m_application(application)
        , m_clock(clock)
    {
    }

    double elapsedMs() const { return m_elapsedMs; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || m_seen)
            return false;
        MainWindow *window = m_application->mainWindow();
        if (!window || watched != window->registerScreen()->table()->viewport()
            || window->registerScreen()->model()->listRowCount() == 0)
            return false;
        m_seen = true;
        // Measured once the paint itself has run.
        QTimer::singleShot(0, m_application, [this] {
            m_elapsedMs = double(m_clock->nsecsElapsed()) / 1e6;
            m_application->quit();
        });
        return false;
    }

private:
    Application *m_application;
    QElapsedTimer *m_clock;
    bool m_seen = false;
    double m_elapsedMs = -1;
};

int startOnce(int argc, char *argv[])
{
    Application application(argc, argv);
    Application::setBackgroundChecksEnabled(false);
    QElapsedTimer clock;
    FirstRowsWatcher watcher(&application, &clock);
    application.installEventFilter(&watcher);
    QTimer::singleShot(120000, &application, [&application] { application.exit(2); });
    clock.start();
    const int result = application.run();
    if (result != 0 || watcher.elapsedMs() < 0) {
        std::fprintf(stderr, "start-up did not show the register\n");
        return 1;
    }
    std::printf("%.3f\n", watcher.elapsedMs());
    return 0;
}

void createData(const QString &path, QString *registerAccountId)
{
    const int perOtherAccount = (kTotalRows - kRegisterRows) / (kAccounts - 1);
    const QList<Account> accounts = createAccountsWithTransactions(
        path, kAccounts, [=](int account) { return account == 0 ? kRegisterRows : perOtherAccount; });
    *registerAccountId = accounts[0].id;
}

// The raw SELECT of the register plus the raw balance sums of every account.
class RawBaseline
{
public:
    RawBaseline(const QString &path, const QString &registerAccountId)
        : m_raw(path)
    {
        sqlite3_stmt *accounts = m_raw.prepare(QStringLiteral("SELECT id FROM accounts WHERE deleted_at IS NULL"));
        while (sqlite3_step(accounts) == SQLITE_ROW)
            m_accountIds << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(accounts, 0)));
        sqlite3_finalize(accounts);
        m_rows = m_raw.prepare(QString::fromLatin1(kRegisterSql));
        RawDb::bindText(m_rows, 1, registerAccountId);
        m_balance = m_raw.prepare(QString::fromLatin1(kBalanceSql));
    }
    ~RawBaseline()
    {
        sqlite3_finalize(m_rows);
        sqlite3_finalize(m_balance);
    }

    double runMs()
    {
        return medianMs(1, [this] {
            m_raw.readAll(m_rows);
            for (const QString &id : std::as_const(m_accountIds)) {
                RawDb::bindText(m_balance, 1, id);
                m_raw.readAll(m_balance);
            }
        });
    }

private:
    RawDb m_raw;
    QStringList m_accountIds;
    sqlite3_stmt *m_rows = nullptr;
    sqlite3_stmt *m_balance = nullptr;
};

// One start in a child process; its printed time, or -1.
double measuredStart(const QString &program, const QTemporaryDir &dir)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TALLYRA_DATA_DIR"), dir.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("share")));
    if (environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(program, {QString::fromLatin1(kChildFlag)});
    if (!child.waitForFinished(180000) || child.exitCode() != 0)
        return -1;
    bool ok = false;
    const double ms = child.readAllStandardOutput().trimmed().toDouble(&ok);
    return ok ? ms : -1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], kChildFlag) == 0)
        return startOnce(argc, argv);

    QCoreApplication application(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tallyra.db"));
    QString registerAccountId;
    createData(path, &registerAccountId);

    // The first start seeds the default categories and the opening balances.
    const QString program = QCoreApplication::applicationFilePath();
    if (measuredStart(program, dir) < 0) {
        std::fprintf(stderr, "the first start failed\n");
        return 1;
    }
    // Starts and raw readings take turns, so both meet the same machine.
    RawBaseline baseline(path, registerAccountId);
    std::vector<double> startTimes;
    std::vector<double> rawTimes;
    for (int run = 0; run < kMeasuredStarts; ++run) {
        const double ms = measuredStart(program, dir);
        if (ms < 0) {
            std::fprintf(stderr, "a start failed\n");
            return 1;
        }
        startTimes.push_back(ms);
        rawTimes.push_back(baseline.runMs());
        rawTimes.push_back(baseline.runMs());
    }
    std::sort(startTimes.begin(), startTimes.end());
    std::sort(rawTimes.begin(), rawTimes.end());
    const double startMs = startTimes[startTimes.size() / 2];
    const double rawMs = rawTimes[rawTimes.size() / 2];
    printRatio("startup_to_first_register_rows_1M_vs_raw", startMs, rawMs, 2.5);
    printMs("startup_to_first_register_rows_1M", startMs);
    printMs("raw_register_select_and_20_balances", rawMs);
    return 0;
}
