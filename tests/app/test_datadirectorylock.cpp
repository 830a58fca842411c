#include "support/testmain.h"
#include "support/environmentoverride.h"

#include "childprocess.h"

#include "app/application.h"
#include "app/datadirectorylock.h"

#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>

#include <atomic>
#include <thread>
#include <vector>

#include <csignal>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// What a lock file left behind says. Nobody holds its lock in any case.
enum class Leftover {
    Empty,
    Garbage,
    ThisProcess,        // this very pid and program: a container's next start
    AnotherCopy,        // a running copy of this program on another folder
    OtherProgram,       // a running process of another program, named as this one
    OtherProgramByName, // a running process of another program, under its own name
    ProcessOne,
    Ended,
    OtherHost,
    EarlierBoot,
    PidOutOfRange,
    NegativePid,
    Huge,
};

// Who holds the lock file's operating-system lock.
enum class Holder {
    AnotherCopy,          // a running copy of this program
    AnotherProcess,       // any process, whatever the file says
    ThisProcessElsewhere, // this process, through another open file
};

// The lines QLockFile writes for this process: id, program, host, host id, boot id.
QList<QByteArray> ownLockLines()
{
    QTemporaryDir dir;
    QLockFile probe(dir.filePath(QStringLiteral("probe.lock")));
    if (!probe.tryLock())
        qFatal("cannot write a probe lock file");
    QFile file(dir.filePath(QStringLiteral("probe.lock")));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the probe lock file");
    QList<QByteArray> lines = file.readAll().split('\n');
    probe.unlock();
    return lines;
}

QByteArray withOwner(qint64 pid, const QByteArray &program = QByteArray())
{
    QList<QByteArray> lines = ownLockLines();
    lines[0] = QByteArray::number(pid);
    if (!program.isEmpty())
        lines[1] = program;
    return lines.join('\n');
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

class FileHold
{
public:
    explicit FileHold(const QString &path)
        : m_fd(::open(QFile::encodeName(path).constData(), O_RDONLY))
    {
        if (m_fd < 0 || ::flock(m_fd, LOCK_EX | LOCK_NB) != 0)
            qFatal("cannot hold the lock file");
    }
    ~FileHold() { ::close(m_fd); }

private:
    int m_fd;
};

std::unique_ptr<ChildProcess> lockInChild(const QString &folder)
{
    return std::make_unique<ChildProcess>(QStringLiteral(STARTUP_WORKER), QStringList{QStringLiteral("lock"), folder});
}

} // namespace

Q_DECLARE_METATYPE(Leftover)
Q_DECLARE_METATYPE(Holder)

class DataDirectoryLockTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oneHolderPerDirectory()
    {
        QTemporaryDir dir;
        QTemporaryDir otherDir;
        auto first = std::make_unique<DataDirectoryLock>(dir.path());
        QCOMPARE(first->acquire(), DataDirectoryLock::Result::Acquired);
        QVERIFY(first->isHeld());
        QCOMPARE(first->fileName(), dir.filePath(QStringLiteral("tallyra.lock")));
        QVERIFY(QFile::exists(first->fileName()));

        DataDirectoryLock second(dir.path());
        QCOMPARE(second.acquire(), DataDirectoryLock::Result::HeldByAnotherCopy);
        QVERIFY(!second.isHeld());
        DataDirectoryLock elsewhere(otherDir.path());
        QCOMPARE(elsewhere.acquire(), DataDirectoryLock::Result::Acquired);

        // Still refused when asked again later: a long run keeps its lock.
        QCOMPARE(second.acquire(), DataDirectoryLock::Result::HeldByAnotherCopy);
        first.reset();
        QVERIFY(!QFile::exists(second.fileName()));
        QCOMPARE(second.acquire(), DataDirectoryLock::Result::Acquired);
    }

    // A file whose lock nobody holds was left by a copy that has ended,
    // whatever it says: it is taken over, and says who holds it now.
    void leftoverLockFile_data()
    {
        QTest::addColumn<Leftover>("leftover");
        QTest::newRow("empty") << Leftover::Empty;
        QTest::newRow("garbage") << Leftover::Garbage;
        QTest::newRow("names this process, as a container's next start would") << Leftover::ThisProcess;
        QTest::newRow("names a running copy on another folder") << Leftover::AnotherCopy;
        QTest::newRow("names a running program as this one") << Leftover::OtherProgram;
        QTest::newRow("names a running program by its own name") << Leftover::OtherProgramByName;
        QTest::newRow("names process 1") << Leftover::ProcessOne;
        QTest::newRow("names an ended process") << Leftover::Ended;
        QTest::newRow("names another host") << Leftover::OtherHost;
        QTest::newRow("written before the last boot") << Leftover::EarlierBoot;
        QTest::newRow("process id out of range") << Leftover::PidOutOfRange;
        QTest::newRow("negative process id") << Leftover::NegativePid;
        QTest::newRow("8 MiB of digits") << Leftover::Huge;
    }

    void leftoverLockFile()
    {
        QFETCH(Leftover, leftover);
        QTemporaryDir dir;
        QTemporaryDir otherDir;
        const QString path = dir.filePath(DataDirectoryLock::lockFileName());

        std::unique_ptr<ChildProcess> other;
        QByteArray content;
        switch (leftover) {
        case Leftover::Empty:
            break;
        case Leftover::Garbage:
            content = QByteArray("\x00\xff\xfe not a lock\n\n", 16);
            break;
        case Leftover::ThisProcess:
            content = ownLockLines().join('\n');
            break;
        case Leftover::AnotherCopy:
            other = lockInChild(otherDir.path());
            QCOMPARE(other->firstLine(), QByteArray("Acquired"));
            content = withOwner(other->processId(), QFileInfo(QStringLiteral(STARTUP_WORKER)).fileName().toUtf8());
            break;
        case Leftover::OtherProgram:
        case Leftover::OtherProgramByName:
            other = std::make_unique<ChildProcess>(QStringLiteral("sleep"), QStringList{QStringLiteral("60")});
            QVERIFY(other->hasStarted());
            content = withOwner(other->processId(), leftover == Leftover::OtherProgramByName ? "sleep" : "");
            break;
        case Leftover::ProcessOne:
            content = withOwner(1);
            break;
        case Leftover::Ended: {
            QProcess ended;
            ended.start(QStringLiteral("true"));
            QVERIFY(ended.waitForStarted());
            content = withOwner(ended.processId());
            QVERIFY(ended.waitForFinished());
            break;
        }
        case Leftover::OtherHost: {
            QList<QByteArray> lines = ownLockLines();
            lines[2] = "elsewhere.invalid";
            lines[3] = "00000000000000000000000000000000";
            content = lines.join('\n');
            break;
        }
        case Leftover::EarlierBoot: {
            QList<QByteArray> lines = ownLockLines();
            QVERIFY(lines.size() > 4 && !lines[4].isEmpty());
            lines[4] = "00000000-0000-0000-0000-000000000000";
            content = lines.join('\n');
            break;
        }
        case Leftover::PidOutOfRange:
            content = "99999999999999999999999\ntallyra\nhost\n";
            break;
        case Leftover::NegativePid:
            content = "-1\ntallyra\nhost\n";
            break;
        case Leftover::Huge:
            content = QByteArray(8 << 20, '7');
            break;
        }
        QVERIFY(writeFile(path, content));

        DataDirectoryLock lock(dir.path());
        QCOMPARE(lock.acquire(), DataDirectoryLock::Result::Acquired);
        DataDirectoryLock second(dir.path());
        QCOMPARE(second.acquire(), DataDirectoryLock::Result::HeldByAnotherCopy);
        const QByteArray now = readFile(path);
        QVERIFY2(now.size() < 1024, "the old content is replaced, not added to");
        QCOMPARE(now.left(now.indexOf('\n')).toLongLong(), QCoreApplication::applicationPid());
    }

    // Held by a running process, the lock is refused whatever the file says,
    // and the file is left as it is; it is free the moment its holder ends,
    // by a crash too.
    void lockHeldByARunningProcess_data()
    {
        QTest::addColumn<Holder>("holder");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("crash");
        QTest::newRow("another copy, which quits") << Holder::AnotherCopy << QByteArray() << false;
        QTest::newRow("another copy, which crashes") << Holder::AnotherCopy << QByteArray() << true;
        QTest::newRow("a process, empty file") << Holder::AnotherProcess << QByteArray() << true;
        QTest::newRow("a process, file naming an ended one")
            << Holder::AnotherProcess << QByteArray("999999999\ntallyra\nelsewhere\n") << true;
        QTest::newRow("a process, garbage") << Holder::AnotherProcess << QByteArray("\xff\xfe\n") << false;
        QTest::newRow("this process through another file, empty")
            << Holder::ThisProcessElsewhere << QByteArray() << false;
    }

    void lockHeldByARunningProcess()
    {
        QFETCH(Holder, holder);
        QFETCH(QByteArray, content);
        QFETCH(bool, crash);
        QTemporaryDir dir;
        const QString path = dir.filePath(DataDirectoryLock::lockFileName());

        std::unique_ptr<ChildProcess> other;
        std::unique_ptr<FileHold> hold;
        switch (holder) {
        case Holder::AnotherCopy:
            other = lockInChild(dir.path());
            QCOMPARE(other->firstLine(), QByteArray("Acquired"));
            content = readFile(path);
            break;
        case Holder::AnotherProcess:
            QVERIFY(writeFile(path, content));
            other = std::make_unique<ChildProcess>(QStringLiteral(STARTUP_WORKER),
                                                   QStringList{QStringLiteral("hold"), path});
            QCOMPARE(other->firstLine(), QByteArray("held"));
            break;
        case Holder::ThisProcessElsewhere:
            QVERIFY(writeFile(path, content));
            hold = std::make_unique<FileHold>(path);
            break;
        }

        DataDirectoryLock lock(dir.path());
        QCOMPARE(lock.acquire(), DataDirectoryLock::Result::HeldByAnotherCopy);
        QCOMPARE(lock.acquire(), DataDirectoryLock::Result::HeldByAnotherCopy);
        QVERIFY(!lock.isHeld());
        QCOMPARE(readFile(path), content);

        if (crash)
            other->kill();
        else if (other)
            other->quit();
        hold.reset();
        QCOMPARE(lock.acquire(), DataDirectoryLock::Result::Acquired);
    }

    // However the folder is written, it is one folder with one lock.
    void oneFolderSpelledDifferently_data()
    {
        QTest::addColumn<QString>("spelling");
        QTest::newRow("trailing slash") << "root/data/";
        QTest::newRow("doubled slashes") << "root//data//";
        QTest::newRow("dot segments") << "root/./data/.";
        QTest::newRow("dot-dot segment") << "root/data/../data";
        QTest::newRow("symbolic link to it") << "root/link";
        QTest::newRow("through a link to its parent") << "root/up/data";
        QTest::newRow("relative to the working directory") << "relative";
    }

    void oneFolderSpelledDifferently()
    {
        QFETCH(QString, spelling);
        QTemporaryDir root;
        const QString data = root.filePath(QStringLiteral("data"));
        QVERIFY(QDir(root.path()).mkdir(QStringLiteral("data")));
        QVERIFY(QFile::link(data, root.filePath(QStringLiteral("link"))));
        QVERIFY(QFile::link(root.path(), root.filePath(QStringLiteral("up"))));
        spelling = spelling == QLatin1String("relative") ? QDir::current().relativeFilePath(data)
                                                           : spelling.replace(QLatin1String("root"), root.path());
        QVERIFY2(QFileInfo(spelling).isDir(), qPrintable(spelling));

        // The spelling in one copy, the plain path in another, both ways.
        auto other = lockInChild(spelling);
        QCOMPARE(other->firstLine(), QByteArray("Acquired"));
        DataDirectoryLock plain(data);
        QCOMPARE(plain.acquire(), DataDirectoryLock::Result::HeldByAnotherCopy);
        DataDirectoryLock spelled(spelling);
        QCOMPARE(spelled.acquire(), DataDirectoryLock::Result::HeldByAnotherCopy);
        QCOMPARE(other->quit(), 0);
        QVERIFY(!QFile::exists(plain.fileName()));

        QCOMPARE(spelled.acquire(), DataDirectoryLock::Result::Acquired);
        other = lockInChild(data);
        QCOMPARE(other->firstLine(), QByteArray("HeldByAnotherCopy"));
        QCOMPARE(other->quit(), 1);
        QCOMPARE(plain.acquire(), DataDirectoryLock::Result::HeldByAnotherCopy);
    }

    // A program the running copy starts (a browser, a file manager) does not
    // keep the folder locked when the copy crashes and it runs on.
    void programsStartedByTheHolderDoNotKeepTheLock()
    {
        QTemporaryDir dir;
        ChildProcess holder(QStringLiteral(STARTUP_WORKER),
                            {QStringLiteral("lock"), dir.path(), QStringLiteral("sleep"), QStringLiteral("60")});
        const QList<QByteArray> words = holder.firstLine().split(' ');
        QCOMPARE(words.value(0), QByteArray("Acquired"));
        const pid_t started = pid_t(words.value(1).toLongLong());
        QVERIFY(started > 0);
        holder.kill();

        DataDirectoryLock next(dir.path());
        const DataDirectoryLock::Result result = next.acquire();
        const bool startedWasRunning = ::kill(started, 0) == 0;
        ::kill(started, SIGKILL);
        QVERIFY(startedWasRunning);
        QCOMPARE(result, DataDirectoryLock::Result::Acquired);
    }

    // Copies that start and end over and over on one folder, each with its
    // own open file: one of them at most holds the folder at any moment,
    // also when one gives the lock up, removing its file, while another has
    // just opened that file.
    void copiesTakingTurnsNeverOverlap()
    {
        constexpr int kCopies = 4;
        constexpr int kAttemptsEach = 2000;
        QTemporaryDir dir;
        std::atomic<int> holders{0};
        std::atomic<int> overlaps{0};
        std::atomic<int> acquired{0};
        std::atomic<int> unusable{0};
        std::vector<std::thread> copies;
        for (int i = 0; i < kCopies; ++i) {
            copies.emplace_back([&] {
                for (int attempt = 0; attempt < kAttemptsEach; ++attempt) {
                    DataDirectoryLock lock(dir.path());
                    switch (lock.acquire()) {
                    case DataDirectoryLock::Result::Acquired:
                        if (holders.fetch_add(1) != 0)
                            ++overlaps;
                        ++acquired;
                        std::this_thread::yield();
                        holders.fetch_sub(1);
                        break;
                    case DataDirectoryLock::Result::HeldByAnotherCopy:
                        break;
                    case DataDirectoryLock::Result::Unusable:
                        ++unusable;
                        break;
                    }
                }
            });
        }
        for (std::thread &copy : copies)
            copy.join();
        QCOMPARE(overlaps.load(), 0);
        QCOMPARE(unusable.load(), 0);
        QVERIFY(acquired.load() > 0);
    }

    void directoryThatCannotHoldTheLock()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(QStringLiteral("plain-file")), "x"));
        DataDirectoryLock underAFile(dir.filePath(QStringLiteral("plain-file")));
        QCOMPARE(underAFile.acquire(), DataDirectoryLock::Result::Unusable);
        DataDirectoryLock missing(dir.filePath(QStringLiteral("missing")));
        QCOMPARE(missing.acquire(), DataDirectoryLock::Result::Unusable);
    }

    // The start-up step: the first copy keeps the lock, the second is told
    // why it stops.
    void startUpTellsWhyItStops()
    {
        QTemporaryDir dir;
        EnvironmentOverride dataDirectory("TALLYRA_DATA_DIR", QFile::encodeName(dir.path()));
        QList<Application::StartupFailure> failures;
        QStringList directories;
        Application::setStartupFailurePresenter([&](Application::StartupFailure failure, const QString &directory) {
            failures << failure;
            directories << directory;
        });

        std::unique_ptr<DataDirectoryLock> first = Application::lockDataDirectory();
        QVERIFY(first && first->isHeld());
        QVERIFY(failures.isEmpty());
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Another copy is already running")));
        QVERIFY(!Application::lockDataDirectory());
        first.reset();
        std::unique_ptr<DataDirectoryLock> afterwards = Application::lockDataDirectory();
        QVERIFY(afterwards && afterwards->isHeld());
        afterwards.reset();

        QVERIFY(writeFile(dir.filePath(QStringLiteral("plain-file")), "x"));
        const QString unusable = dir.filePath(QStringLiteral("plain-file/data"));
        {
            EnvironmentOverride unusableDirectory("TALLYRA_DATA_DIR", QFile::encodeName(unusable));
            QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Cannot create the lock file")));
            QVERIFY(!Application::lockDataDirectory());
        }
        Application::setStartupFailurePresenter({});

        QCOMPARE(failures, (QList<Application::StartupFailure>{Application::StartupFailure::AlreadyRunning,
                                                                 Application::StartupFailure::DatabaseError}));
        QCOMPARE(directories, (QStringList{dir.path(), unusable}));
    }
};

TALLYRA_TEST(DataDirectoryLockTest)
#include "test_datadirectorylock.moc"
