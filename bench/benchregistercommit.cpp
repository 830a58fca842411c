// What the user waits for in the register of a large account, in the main
// window as it runs: typing one transaction into the new row and pressing
// Ctrl+Return until the register shows it, choosing the account in the
// account list until its first screen of rows shows with balances, and the
// memory that opening the account holds. The books have 20 accounts, the
// biggest holding half the transactions (50k and 500k rows), with split
// transactions and transfers; each size is measured in a process of its own,
// so one's memory and caches do not reach the other. Saving while the rest
// of the account is still being read is measured against saving after, and
// closing the register during that read against switching away from it.

#include "benchtransactions.h"
#include "benchutil.h"

#include "app/appstate.h"
#include "data/database.h"
#include "data/recordid.h"
#include "data/sqlvalues.h"
#include "register/registerloader.h"
#include "register/registermodel.h"
#include "register/registerreader.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <malloc.h>
#include <unistd.h>

#include <atomic>
#include <memory>

using namespace Bench;

namespace {

constexpr int kAccounts = 20;
const char kChildFlag[] = "--measure";

// ---- The books ------------------------------------------------------------

// Writes the books at path: the first account holds `biggest` transactions,
// the other accounts as many between them. One in ten transactions is split
// over two categories, one in twenty is a transfer whose other leg lies in a
// smaller account. The window starts on the second account.
QList<Account> createBooks(const QString &path, int biggest)
{
    const QList<Account> accounts = createAccountsWithTransactions(path, kAccounts, [](int) { return 0; });
    RawDb raw(path);
    raw.exec(QStringLiteral("UPDATE preferences SET value = '%1' WHERE key = 'lastViewedAccountId'")
                 .arg(accounts[1].id)
                 .toUtf8()
                 .constData());
    // The same seed and calls as above give the stored categories' ids.
    DataGenerator generator;
    generator.accounts(kAccounts);
    const QList<Category> categories = generator.categories();
    QStringList categoryIds;
    for (const Category &category : categories)
        categoryIds.append(category.id);

    sqlite3_stmt *insert = raw.prepare(QString::fromLatin1(kInsertTransactionSql));
    sqlite3_stmt *splitLine = raw.prepare(QStringLiteral(
        "INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, updated_at) "
        "VALUES (?, ?, ?, ?, ?, ?, ?)"));
    const auto addSplitLine = [&](const Transaction &t, const QString &categoryId, qint64 amount) {
        RawDb::bindText(splitLine, 1, newRecordId());
        RawDb::bindText(splitLine, 2, t.id);
        RawDb::bindText(splitLine, 3, categoryId);
        sqlite3_bind_int64(splitLine, 4, amount);
        RawDb::bindText(splitLine, 5, QString());
        RawDb::bindText(splitLine, 6, SqlValues::isoDateTime(t.createdAt));
        RawDb::bindText(splitLine, 7, SqlValues::isoDateTime(t.updatedAt));
        if (sqlite3_step(splitLine) != SQLITE_DONE)
            std::fprintf(stderr, "split line insert failed: %s\n", sqlite3_errmsg(raw.handle()));
        sqlite3_reset(splitLine);
    };

    raw.exec("BEGIN");
    for (int a = 0; a < kAccounts; ++a) {
        const int count = a == 0 ? biggest : biggest / (kAccounts - 1);
        QList<Transaction> batch = generator.transactions(accounts[a].id, count, categories);
        for (int i = 0; i < batch.size(); ++i) {
            Transaction &t = batch[i];
            if (i % 10 == 3) {
                t.isSplit = true;
                t.categoryId.clear();
                const qint64 first = t.amount / 2;
                insertRawTransaction(raw, insert, t);
                addSplitLine(t, categoryIds.at(i % categoryIds.size()), first);
                addSplitLine(t, categoryIds.at((i + 1) % categoryIds.size()), t.amount - first);
                continue;
            }
            if (i % 20 == 7) {
                // The other leg goes to a smaller account, never the biggest.
                const int other = a == 0 ? 1 + i % (kAccounts - 1) : 1 + a % (kAccounts - 1);
                Transaction leg = t;
                leg.id = newRecordId();
                leg.accountId = accounts[other].id;
                leg.amount = -t.amount;
                leg.categoryId.clear();
                leg.transferLinkId = t.id;
                leg.transferDestAccountId = t.accountId;
                t.categoryId.clear();
                t.transferLinkId = leg.id;
                t.transferDestAccountId = leg.accountId;
                insertRawTransaction(raw, insert, leg);
            }
            insertRawTransaction(raw, insert, t);
        }
    }
    raw.exec("COMMIT");
    sqlite3_finalize(insert);
    sqlite3_finalize(splitLine);
    return accounts;
}

// ---- One size, measured in its own process ----------------------------------

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

double elapsedMs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// Watches the register's viewport: after arm(), the first paint that shows
// the chosen account with every visible transaction row carrying its
// balance counts as the first screen of rows.
class FirstScreenWatcher : public QObject
{
public:
    explicit FirstScreenWatcher(RegisterScreen *screen)
        : m_screen(screen)
    {
        m_screen->table()->viewport()->installEventFilter(this);
    }

    void arm(const QString &accountId)
    {
        m_accountId = accountId;
        m_shown = false;
    }
    bool shown() const { return m_shown; }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_shown && !m_accountId.isEmpty())
            m_shown = m_screen->accountId() == m_accountId && firstScreenFilled();
        return false;
    }

private:
    bool firstScreenFilled() const
    {
        const RegisterTableView *table = m_screen->table();
        const QAbstractItemModel *model = table->model();
        const int rows = model->rowCount();
        if (rows == 0)
            return false;
        const int first = qMax(0, table->rowAt(0));
        int last = table->rowAt(table->viewport()->height() - 1);
        if (last < 0)
            last = rows - 1;
        // Every visible row but the one being typed into shows a balance.
        int withoutBalance = 0;
        for (int row = first; row <= last; ++row) {
            if (model->index(row, RegisterModel::BalanceColumn).data().toString().isEmpty())
                ++withoutBalance;
        }
        const int visible = last - first + 1;
        const int screenful = table->viewport()->height() / qMax(1, table->rowHeight(first)) - 1;
        return withoutBalance <= 1 && visible >= qMin(screenful, rows) && visible > withoutBalance;
    }

    RegisterScreen *m_screen;
    QString m_accountId;
    bool m_shown = false;
};

class RegisterSession
{
public:
    explicit RegisterSession(AppState *state)
        : m_window(state)
        , m_watcher(m_window.registerScreen())
    {
        m_window.resize(1400, 900);
        m_window.show();
        m_window.activateWindow();
        if (!QTest::qWaitForWindowActive(&m_window))
            std::fprintf(stderr, "the main window did not become active\n");
        settle();
    }

    RegisterScreen *screen() const { return m_window.registerScreen(); }

    // Clicks the account in the account list; the time until the register
    // has painted its first screen of rows with balances.
    double openAccount(const QString &accountId)
    {
        QListWidget *list = m_window.accountList();
        QListWidgetItem *item = nullptr;
        for (int row = 0; row < list->count() && !item; ++row) {
            if (list->item(row)->data(Qt::UserRole).toString() == accountId)
                item = list->item(row);
        }
        if (!item) {
            std::fprintf(stderr, "account not in the list\n");
            return -1;
        }
        list->scrollToItem(item);
        settle();
        const QPoint where = list->visualItemRect(item).center();
        m_watcher.arm(accountId);
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, where);
        while (!m_watcher.shown()) {
            QApplication::processEvents(QEventLoop::AllEvents, 50);
            if (timer.elapsed() > 600000) {
                std::fprintf(stderr, "the register did not show the account\n");
                return -1;
            }
        }
        const double ms = elapsedMs(timer);
        m_watcher.arm(QString());
        settle();
        return ms;
    }

    // Types date, payee and payment into the new row, field by field with
    // Return, as a user does; saving is left to commit().
    void typeNewRow(const QString &date, const QString &payee, const QString &payment)
    {
        screen()->selectNewRow();
        screen()->table()->setFocus();
        QApplication::processEvents();
        press(Qt::Key_Return); // opens the date editor
        const QStringList fields = {date, QString(), payee, QString(), QString(), payment};
        for (int column = 0; column < fields.size(); ++column) {
            if (!fields[column].isEmpty()) {
                if (auto *edit = qobject_cast<QLineEdit *>(focused()))
                    edit->selectAll();
                for (const QChar c : fields[column]) {
                    QTest::keyClicks(focused(), QString(c));
                    QApplication::processEvents();
                }
                if (QApplication::activePopupWidget())
                    press(Qt::Key_Return);
            }
            if (column + 1 < fields.size())
                press(Qt::Key_Return);
        }
    }

    // Presses Ctrl+Return; the time until the register shows the saved row
    // with its balance, and in `idleMs` until the window has done all the
    // work the save set off (the account list's balances included).
    // `beforeKey` runs right before the key press.
    double commit(const QString &payee, double *idleMs, const std::function<void()> &beforeKey = {})
    {
        if (beforeKey)
            beforeKey();
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(focused(), Qt::Key_Return, Qt::ControlModifier);
        while (!showsRow(payee)) {
            QApplication::processEvents();
            if (timer.elapsed() > 600000) {
                std::fprintf(stderr, "the register did not show the saved row\n");
                return -1;
            }
        }
        const double ms = elapsedMs(timer);
        settle();
        *idleMs = elapsedMs(timer);
        return ms;
    }

private:
    static QWidget *focused()
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            return popup;
        return QApplication::focusWidget();
    }

    static void press(int key)
    {
        if (QWidget *target = focused())
            QTest::keyClick(target, Qt::Key(key));
        QApplication::processEvents();
        QApplication::processEvents();
    }

    // The saved row, dated today, sits at one end of the list whatever the
    // order: the rows near both ends are looked at, as a user would.
    bool showsRow(const QString &payee) const
    {
        const QAbstractItemModel *model = screen()->table()->model();
        const int rows = model->rowCount();
        for (int row = 0; row < rows; ++row) {
            if (row == 6 && rows > 12)
                row = rows - 6;
            if (model->index(row, RegisterModel::PayeeColumn).data().toString() == payee)
                return !model->index(row, RegisterModel::BalanceColumn).data().toString().isEmpty();
        }
        return false;
    }

    MainWindow m_window;
    FirstScreenWatcher m_watcher;
};

double median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Measures one size in this process and prints "name value" lines.
int measureOnce(int argc, char *argv[])
{
    if (argc < 7)
        return 2;
    const QString biggest = QString::fromLatin1(argv[2]);
    const QString other = QString::fromLatin1(argv[3]);
    const int rows = QByteArray(argv[4]).toInt();
    const int openRuns = QByteArray(argv[5]).toInt();
    const int commitRuns = QByteArray(argv[6]).toInt();
    QApplication application(argc, argv);
    AppState state;
    if (!state.initialize()) {
        std::fprintf(stderr, "the application state did not start\n");
        return 1;
    }
    RegisterSession session(&state);
    if (session.screen()->accountId() != other) {
        if (session.openAccount(other) < 0)
            return 1;
    }

    // Memory: what opening the account holds, freed heap handed back on
    // both sides so that only what is kept counts.
    settle();
    malloc_trim(0);
    const qint64 before = residentBytes();
    const double firstOpenMs = session.openAccount(biggest);
    // The first screen shows before the rest of the account is read: what
    // the account holds is measured once every row has arrived.
    const auto waitForAllRows = [&session] {
        QElapsedTimer waited;
        waited.start();
        while (session.screen()->readingEarlierRows() && waited.elapsed() < 600000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    };
    waitForAllRows();
    settle();
    malloc_trim(0);
    const qint64 after = residentBytes();

    std::vector<double> openTimes;
    for (int run = 0; run < openRuns; ++run) {
        if (session.openAccount(other) < 0)
            return 1;
        openTimes.push_back(session.openAccount(biggest));
    }
    waitForAllRows();

    // Commits, each after a raw INSERT of the same row on the program's own
    // connection (so both meet the same page cache), which is then removed.
    sqlite3_stmt *insert = state.database()->cachedStatement(kInsertTransactionSql);
    RawDb raw(sqlite3_db_handle(insert));
    std::vector<double> commitTimes;
    std::vector<double> idleTimes;
    std::vector<double> rawTimes;
    std::vector<double> typeTimes;
    const QDate today = QDate::currentDate();
    for (int run = 0; run < commitRuns; ++run) {
        const QString payee = QStringLiteral("Benchmark payee %1").arg(run + 10);
        Transaction row;
        row.id = newRecordId();
        row.accountId = biggest;
        row.date = today;
        row.payee = payee;
        row.amount = -(1234 + run);
        row.createdAt = QDateTime::currentDateTimeUtc();
        row.updatedAt = row.createdAt;
        QElapsedTimer timer;
        timer.start();
        insertRawTransaction(raw, insert, row);
        rawTimes.push_back(elapsedMs(timer));
        raw.exec(QStringLiteral("DELETE FROM transactions WHERE id = '%1'").arg(row.id).toUtf8().constData());

        // Typing a payee never seen reads the payee list and looks for the
        // payee's last row to fill in from.
        QElapsedTimer typing;
        typing.start();
        session.typeNewRow(today.toString(QStringLiteral("M/d/yyyy")), payee,
                           QStringLiteral("%1.%2").arg(12).arg(34 + run));
        typeTimes.push_back(elapsedMs(typing));
        double idleMs = 0;
        const double ms = session.commit(payee, &idleMs);
        if (ms < 0)
            return 1;
        commitTimes.push_back(ms);
        idleTimes.push_back(idleMs);
    }

    // The same commit while the rest of the account is being read: the
    // read is held until the row is typed and let go as the key is pressed,
    // so that it runs while the save is shown.
    std::vector<double> readingCommitTimes;
    int readDoneFirst = 0;
    for (int run = 0; run < commitRuns; ++run) {
        auto open = std::make_shared<std::atomic<bool>>(false);
        session.screen()->loader()->reader()->setGate([open](const std::function<bool()> &stale) {
            while (!open->load() && !stale())
                QThread::msleep(1);
        });
        if (session.openAccount(other) < 0 || session.openAccount(biggest) < 0)
            return 1;
        const QString payee = QStringLiteral("Reading payee %1").arg(run + 10);
        session.typeNewRow(today.toString(QStringLiteral("M/d/yyyy")), payee,
                           QStringLiteral("%1.%2").arg(21).arg(34 + run));
        double idleMs = 0;
        const double ms = session.commit(payee, &idleMs, [open] { open->store(true); });
        if (ms < 0)
            return 1;
        if (!session.screen()->readingEarlierRows())
            ++readDoneFirst;
        readingCommitTimes.push_back(ms);
        session.screen()->loader()->reader()->setGate({});
        waitForAllRows();
    }

    // Closing a register while it reads the account, against switching it
    // to another account at the same point of the read.
    std::vector<double> closeTimes;
    std::vector<double> switchTimes;
    for (int run = 0; run < 5; ++run) {
        for (const bool close : {true, false}) {
            auto screen = std::make_unique<RegisterScreen>(&state);
            screen->setAccount(biggest);
            QElapsedTimer reading;
            reading.start();
            while (reading.elapsed() < 200)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            if (!screen->readingEarlierRows())
                std::fprintf(stderr, "the read ended before it could be stopped\n");
            QElapsedTimer timer;
            timer.start();
            if (close)
                screen.reset();
            else
                screen->setAccount(other);
            (close ? closeTimes : switchTimes).push_back(elapsedMs(timer));
            screen.reset();
            settle();
        }
    }

    std::printf("rows %d\n", rows);
    std::printf("commit_reading_ms %.3f\n", median(readingCommitTimes));
    std::printf("commit_reading_read_done_first %d\n", readDoneFirst);
    std::printf("close_reading_ms %.3f\n", median(closeTimes));
    std::printf("switch_reading_ms %.3f\n", median(switchTimes));
    std::printf("memory_bytes %lld\n", static_cast<long long>(after - before));
    std::printf("open_first_ms %.3f\n", firstOpenMs);
    std::printf("open_ms %.3f\n", median(openTimes));
    std::printf("commit_ms %.3f\n", median(commitTimes));
    std::printf("commit_first_ms %.3f\n", commitTimes.empty() ? -1.0 : commitTimes.front());
    std::printf("commit_idle_ms %.3f\n", median(idleTimes));
    std::printf("type_ms %.3f\n", median(typeTimes));
    std::printf("raw_insert_ms %.4f\n", median(rawTimes));
    std::fflush(stdout);
    return 0;
}

// ---- The parent: books, children, figures ------------------------------------

struct Figures
{
    QHash<QString, double> values;
    double value(const char *name) const { return values.value(QString::fromLatin1(name), -1); }
};

bool measureSize(const QString &program, const QTemporaryDir &dir, int biggest, int openRuns, int commitRuns,
                 Figures *figures)
{
    const QList<Account> accounts = createBooks(dir.filePath(QStringLiteral("tallyra.db")), biggest);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TALLYRA_DATA_DIR"), dir.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("share")));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("*.info=false;qt.qpa.*=false"));
    if (environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(program, {QString::fromLatin1(kChildFlag), accounts[0].id, accounts[1].id, QString::number(biggest),
                          QString::number(openRuns), QString::number(commitRuns)});
    if (!child.waitForFinished(3600000) || child.exitCode() != 0)
        return false;
    for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.trimmed().split(' ');
        if (parts.size() == 2)
            figures->values.insert(QString::fromLatin1(parts[0]), parts[1].toDouble());
    }
    return true;
}

void printMiB(const char *name, double bytes)
{
    std::printf("%s: %.1f MiB\n", name, bytes / (1024.0 * 1024.0));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], kChildFlag) == 0)
        return measureOnce(argc, argv);

    qputenv("QT_LOGGING_RULES", "*.info=false;qt.qpa.*=false");
    QCoreApplication application(argc, argv);
    const QString program = QCoreApplication::applicationFilePath();
    Figures small;
    Figures large;
    {
        QTemporaryDir dir;
        if (!measureSize(program, dir, 50000, 5, 7, &small)) {
            std::fprintf(stderr, "the 50k register run failed\n");
            return 1;
        }
    }
    {
        QTemporaryDir dir;
        if (!measureSize(program, dir, 500000, 3, 5, &large)) {
            std::fprintf(stderr, "the 500k register run failed\n");
            return 1;
        }
    }

    printMs("register_commit_new_row_50k", small.value("commit_ms"));
    printMs("register_commit_new_row_500k", large.value("commit_ms"));
    printRatio("register_commit_500k_vs_50k", large.value("commit_ms"), small.value("commit_ms"), 2.0);
    printRatio("register_commit_vs_raw_insert_50k", small.value("commit_ms"), small.value("raw_insert_ms"), 20.0);
    printMs("register_commit_new_row_500k_first_in_session", large.value("commit_first_ms"));
    printMs("register_commit_new_row_50k_until_idle", small.value("commit_idle_ms"));
    printMs("register_commit_new_row_500k_until_idle", large.value("commit_idle_ms"));
    std::printf("raw_insert_50k: %.3f ms\n", small.value("raw_insert_ms"));
    printMs("register_type_new_row_50k", small.value("type_ms"));
    printMs("register_type_new_row_500k", large.value("type_ms"));

    printMs("register_open_50k_first_rows", small.value("open_ms"));
    printMs("register_open_500k_first_rows", large.value("open_ms"));
    printRatio("register_open_500k_first_rows_vs_50k", large.value("open_ms"), small.value("open_ms"), 3.0);
    printMs("register_open_500k_first_rows_first_time", large.value("open_first_ms"));

    printMs("register_commit_while_reading_500k", large.value("commit_reading_ms"));
    printRatio("register_commit_while_reading_500k_vs_after", large.value("commit_reading_ms"),
        large.value("commit_ms"), 3.0);
    std::printf("register_commit_while_reading_500k_read_ended_first: %.0f runs\n",
        large.value("commit_reading_read_done_first"));
    printMs("register_close_while_reading_500k", large.value("close_reading_ms"));
    printMs("register_switch_while_reading_500k", large.value("switch_reading_ms"));
    printRatio("register_close_while_reading_500k_vs_switch", large.value("close_reading_ms"),
        large.value("switch_reading_ms"), 3.0);

    printMiB("register_memory_50k", small.value("memory_bytes"));
    printMiB("register_memory_500k", large.value("memory_bytes"));
    std::printf("register_memory_500k_per_row_bytes: %.0f\n", large.value("memory_bytes") / large.value("rows"));
    printRatio("register_memory_500k_vs_50k", large.value("memory_bytes"), small.value("memory_bytes"), 12.0);
    return 0;
}
