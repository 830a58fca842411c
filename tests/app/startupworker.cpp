// A child process for the start-up tests.
//   startupworker app             starts the program as main() does; prints
//                                 "running" once the event loop runs, or
//                                 "refused <failure>" when it cannot start;
//                                 quits when its standard input closes.
//   startupworker migrate <path>  opens and migrates one database file;
//                                 prints "migrated", or "failed busy" or
//                                 "failed other".

#include "app/application.h"
#include "data/database.h"

#include <QCoreApplication>
#include <QMetaEnum>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <cstring>
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

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 2 && std::strcmp(argv[1], "app") == 0)
        return runApplication(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "migrate") == 0)
        return migrate(argc, argv);
    std::fprintf(stderr, "usage: startupworker app | migrate <path>\n");
    return 2;
}
