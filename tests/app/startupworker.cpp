// A child process for the start-up tests.
//   startupworker app             starts the program as main() does; prints
//                                 "running" once the event loop runs, or
//                                 "refused <failure>" when it cannot start;
//                                 quits when its standard input closes.
//   startupworker migrate <path>  opens and migrates one database file;
//                                 prints "migrated", or "failed busy" or
//                                 "failed other".
//   startupworker lock <folder> [program arguments...]
//                                 takes the data folder's lock; prints the
//                                 result ("Acquired", "HeldByAnotherCopy",
//                                 "Unusable") and keeps the lock until its
//                                 standard input closes. Once it holds the
//                                 lock it starts the program, which outlives
//                                 it, and adds its pid: "Acquired <pid>".
//   startupworker hold <file>     holds the operating system's lock on any
//                                 file; prints "held" or "refused", and keeps
//                                 it until its standard input closes.

#include "app/application.h"
#include "app/datadirectorylock.h"
#include "data/database.h"

#include <QCoreApplication>
#include <QMetaEnum>
#include <QProcess>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

void say(const QByteArray &line)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

int runApplication(int argc, char *argv[])
{
    Application::setBackgroundChecksEnabled(false);
    Application application(argc, argv);
    Application::setStartupFailurePresenter([](Application::StartupFailure failure, const QString &) {
        say(QByteArray("refused ") + QMetaEnum::fromType<Application::StartupFailure>().valueToKey(int(failure)));
    });
    QTimer::singleShot(0, &application, [] { say("running"); });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &application, [&application, &input] {
        char buffer[64];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) {
            input.setEnabled(false);
            application.quit();
        }
    });
    return application.run();
}

int migrate(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    Database database;
    if (database.open(QString::fromLocal8Bit(argv[2])) && database.migrate()) {
        say("migrated");
        return 0;
    }
    say(database.failedOnBusyDatabase() ? "failed busy" : "failed other");
    return 1;
}

void waitForInputToClose()
{
    char buffer[64];
    while (::read(STDIN_FILENO, buffer, sizeof buffer) > 0) {
    }
}

int lockFolder(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    DataDirectoryLock lock(QString::fromLocal8Bit(argv[2]));
    const DataDirectoryLock::Result result = lock.acquire();
    switch (result) {
    case DataDirectoryLock::Result::Acquired: {
        QByteArray line("Acquired");
        const QStringList program = application.arguments().mid(3);
        qint64 pid = 0;
        if (!program.isEmpty() && QProcess::startDetached(program.constFirst(), program.mid(1), QString(), &pid))
            line += ' ' + QByteArray::number(pid);
        say(line);
        break;
    }
    case DataDirectoryLock::Result::HeldByAnotherCopy:
        say("HeldByAnotherCopy");
        break;
    case DataDirectoryLock::Result::Unusable:
        say("Unusable");
        break;
    }
    waitForInputToClose();
    return result == DataDirectoryLock::Result::Acquired ? 0 : 1;
}

int holdFile(const char *path)
{
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    const bool held = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    say(held ? "held" : "refused");
    waitForInputToClose();
    return held ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 2 && std::strcmp(argv[1], "app") == 0)
        return runApplication(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "migrate") == 0)
        return migrate(argc, argv);
    if (argc >= 3 && std::strcmp(argv[1], "lock") == 0)
        return lockFolder(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "hold") == 0)
        return holdFile(argv[2]);
    std::fprintf(stderr, "usage: startupworker app | migrate <path> | lock <folder> [program...] | hold <file>\n");
    return 2;
}
