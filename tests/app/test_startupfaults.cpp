#include "support/environmentoverride.h"
#include "support/lockholder.h"
#include "support/memorytokenstore.h"
#include "support/smallfilesystem.h"
#include "support/testmain.h"

#include "app/application.h"
#include "app/appstate.h"
#include "data/database.h"
#include "services/categoryservice.h"

#include <QFile>
#include <QTemporaryDir>
#include <QSqlQuery>

#include <memory>
#include <optional>

// Starts on a data folder that cannot take what a start writes: a full
// disk, a read-only one, a file that is no database, a database another
// program holds. A start either works with the whole default category
// tree, or fails and says why; a later start that can write writes it all.
namespace {

constexpr int kDefaultCategories = 56;

struct StartOutcome
{
    bool started = false;
    std::optional<Application::StartupFailure> failure;
    QString reason;
};

StartOutcome startOn(const QString &dataDirectory)
{
    EnvironmentOverride dataDir("TALLYRA_DATA_DIR", QFile::encodeName(dataDirectory));
    StartOutcome outcome;
    Application::setStartupFailurePresenter([&](Application::StartupFailure failure, const QString &) {
        outcome.failure = failure;
    });
    AppState state;
    state.setTokenStore(std::make_unique<MemoryTokenStore>());
    outcome.started = Application::initializeAppState(&state);
    Application::setStartupFailurePresenter({});
    if (!outcome.started && state.database())
        outcome.reason = state.database()->lastFailure().reason();
    return outcome;
}

// Default categories and the mark that they were written, read past the
// program; -1 when the file holds no categories table.
struct StoredTree
{
    int defaults = -1;
    bool marked = false;
};

StoredTree storedTree(const QString &path)
{
    StoredTree tree;
    Database database;
    if (!QFile::exists(path) || !database.open(path))
        return tree;
    QSqlQuery query(*database.db());
    if (query.exec(QStringLiteral("SELECT COUNT(*) FROM categories WHERE is_default = 1 AND deleted_at IS NULL"))
        && query.next()) {
        tree.defaults = query.value(0).toInt();
    }
    tree.marked = query.exec(QStringLiteral("SELECT 1 FROM preferences WHERE key = '%1'")
                                 .arg(CategoryService::writtenMarkerKey()))
        && query.next();
    return tree;
}

} // namespace

class StartupFaultsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The first start on a disk with this much room: the whole tree, or a
    // refusal that names the full disk and keeps none of it. Then a start
    // with room to spare completes it.
    void firstStartOnANearlyFullDisk_data()
    {
        QTest::addColumn<int>("kibibytes");
        QTest::addColumn<bool>("mustFail");
        QTest::addColumn<bool>("mustStart");
        for (const int size : {16, 64, 128, 192, 224, 256, 272, 288, 304, 320, 352, 384, 512})
            QTest::addRow("%d KiB", size) << size << (size <= 16) << false;
        QTest::addRow("16 MiB") << 16 * 1024 << false << true;
    }

    void firstStartOnANearlyFullDisk()
    {
        QFETCH(int, kibibytes);
        QFETCH(bool, mustFail);
        QFETCH(bool, mustStart);
        SmallFileSystem disk(qint64(kibibytes) * 1024);
        if (!disk.isMounted())
            QSKIP("mounting a small file system is not allowed here");
        const QString dataDirectory = disk.filePath(QStringLiteral("Tallyra"));
        const QString path = dataDirectory + QStringLiteral("/tallyra.db");

        const StartOutcome first = startOn(dataDirectory);
        QVERIFY(!(mustFail && first.started));
        QVERIFY(!(mustStart && !first.started));
        if (first.started) {
            const StoredTree tree = storedTree(path);
            QCOMPARE(tree.defaults, kDefaultCategories);
            QVERIFY(tree.marked);
            return;
        }
        QCOMPARE(first.failure, std::optional(Application::StartupFailure::DiskFull));
        QCOMPARE(first.reason, QStringLiteral("the disk is full"));

        QVERIFY(disk.resize(16 * 1024 * 1024));
        const StoredTree kept = storedTree(path);
        QVERIFY(kept.defaults <= 0);
        QVERIFY(!kept.marked);
        const StartOutcome second = startOn(dataDirectory);
        QVERIFY(second.started);
        const StoredTree tree = storedTree(path);
        QCOMPARE(tree.defaults, kDefaultCategories);
        QVERIFY(tree.marked);
    }

    // Each way a start can fail is told as what it is.
    void failedStartSaysWhy_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<Application::StartupFailure>("failure");
        QTest::addColumn<QString>("reason");
        QTest::newRow("full disk") << "full" << Application::StartupFailure::DiskFull << "the disk is full";
        QTest::newRow("read-only disk") << "read-only" << Application::StartupFailure::AccessDenied
                                        << "unable to open database file (Read-only file system)";
        QTest::newRow("file that is no database")
            << "garbage" << Application::StartupFailure::DatabaseError << "file is not a database";
        QTest::newRow("database held by another program")
            << "held" << Application::StartupFailure::DatabaseBusy << "the data is in use by another program";
    }

    void failedStartSaysWhy()
    {
        QFETCH(QString, fault);
        QFETCH(Application::StartupFailure, failure);
        QFETCH(QString, reason);
        SmallFileSystem disk(fault == QLatin1String("full") ? 16 * 1024 : 16 * 1024 * 1024);
        if (!disk.isMounted())
            QSKIP("mounting a small file system is not allowed here");
        const QString path = disk.filePath(QStringLiteral("tallyra.db"));
        std::unique_ptr<LockHolder> holder;
        if (fault == QLatin1String("read-only")) {
            QVERIFY(disk.setReadOnly(true));
        } else if (fault == QLatin1String("garbage")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(QByteArray(8192, 'x')), qint64(8192));
        } else if (fault == QLatin1String("held")) {
            // Migrated, but its categories not yet written: the start must write.
            {
                Database database;
                QVERIFY(database.open(path) && database.migrate());
            }
            holder = std::make_unique<LockHolder>(path);
            QVERIFY(holder->isHolding());
        }

        const StartOutcome outcome = startOn(disk.path());
        QVERIFY(!outcome.started);
        QCOMPARE(outcome.failure, std::optional(failure));
        QCOMPARE(outcome.reason, reason);
        if (holder)
            QVERIFY(holder->release());
    }

    // The tree is written once: defaults the user deleted stay deleted at
    // every later start.
    void laterStartsLeaveTheTreeAsTheUserMadeIt()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tallyra.db"));
        QVERIFY(startOn(dir.path()).started);
        {
            Database database;
            QVERIFY(database.open(path));
            QSqlQuery query(*database.db());
            QVERIFY(query.exec(QStringLiteral("UPDATE categories SET deleted_at = '2024-05-01T00:00:00.000Z'")));
        }
        QVERIFY(startOn(dir.path()).started);
        QCOMPARE(storedTree(path).defaults, 0);
    }
};

TALLYRA_TEST(StartupFaultsTest)
#include "test_startupfaults.moc"
