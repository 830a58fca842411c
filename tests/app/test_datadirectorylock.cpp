#include "support/testmain.h"
#include "support/environmentoverride.h"

#include "app/application.h"
#include "app/datadirectorylock.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// Who the leftover lock file names as its owner.
enum class Owner {
    Running,         // this process, as another copy would be
    Ended,           // a process that has exited
    OtherProgram,    // a running process that is not this program: a reused id
    EarlierBoot,     // this process id, written before the last boot
    Empty,           // an empty file, its creator gone
    EmptyButHeld,    // an empty file whose creator still holds it
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

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
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

} // namespace

Q_DECLARE_METATYPE(Owner)

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

    void leftoverLockFile_data()
    {
        QTest::addColumn<Owner>("owner");
        QTest::addColumn<bool>("takenOver");
        QTest::newRow("owner still running") << Owner::Running << false;
        QTest::newRow("owner has ended") << Owner::Ended << true;
        QTest::newRow("owner's id reused by another program") << Owner::OtherProgram << true;
        QTest::newRow("written before the last boot") << Owner::EarlierBoot << true;
        QTest::newRow("left empty by a crash") << Owner::Empty << true;
        QTest::newRow("empty while its creator holds it") << Owner::EmptyButHeld << false;
    }

    void leftoverLockFile()
    {
        QFETCH(Owner, owner);
        QFETCH(bool, takenOver);
        QTemporaryDir dir;
        const QString path = dir.filePath(DataDirectoryLock::lockFileName());

        QList<QByteArray> lines = ownLockLines();
        QProcess other;
        switch (owner) {
        case Owner::Running:
        case Owner::Empty:
        case Owner::EmptyButHeld:
            break;
        case Owner::Ended:
            other.start(QStringLiteral("true"));
            QVERIFY(other.waitForStarted());
            lines[0] = QByteArray::number(other.processId());
            QVERIFY(other.waitForFinished());
            break;
        case Owner::OtherProgram:
            other.start(QStringLiteral("sleep"), {QStringLiteral("30")});
            QVERIFY(other.waitForStarted());
            lines[0] = QByteArray::number(other.processId());
            break;
        case Owner::EarlierBoot:
            QVERIFY(lines.size() > 4 && !lines[4].isEmpty());
            lines[4] = "00000000-0000-0000-0000-000000000000";
            break;
        }
        const bool empty = owner == Owner::Empty || owner == Owner::EmptyButHeld;
        const QByteArray content = empty ? QByteArray() : lines.join('\n');
        QVERIFY(writeFile(path, content));
        std::unique_ptr<FileHold> hold;
        if (owner == Owner::EmptyButHeld)
            hold = std::make_unique<FileHold>(path);

        DataDirectoryLock lock(dir.path());
        const DataDirectoryLock::Result result = lock.acquire();
        if (other.state() != QProcess::NotRunning) {
            other.kill();
            other.waitForFinished();
        }
        QCOMPARE(result, takenOver ? DataDirectoryLock::Result::Acquired
                                   : DataDirectoryLock::Result::HeldByAnotherCopy);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        if (takenOver)
            QCOMPARE(file.readLine().trimmed().toLongLong(), QCoreApplication::applicationPid());
        else
            QCOMPARE(file.readAll(), content);
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
