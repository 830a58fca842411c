#include "support/testmain.h"

#include "screens/filechooser.h"

#include <QDir>
#include <QTemporaryDir>

class FileChooserTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dialogsStartInTheDocumentsFolder_data()
    {
        QTest::addColumn<QString>("documents"); // relative to a fresh folder; "-" for none
        QTest::addColumn<bool>("startsInDocuments");
        QTest::newRow("documents folder exists") << "Documents" << true;
        QTest::newRow("documents folder missing") << "Missing" << false;
        QTest::newRow("documents location unknown") << "-" << false;
        QTest::newRow("documents is a file") << "notes.txt" << false;
    }

    void dialogsStartInTheDocumentsFolder()
    {
        QFETCH(QString, documents);
        QFETCH(bool, startsInDocuments);
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("Documents")));
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("home")));
        QFile file(root.filePath(QStringLiteral("notes.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString documentsPath = documents == QLatin1String("-") ? QString() : root.filePath(documents);
        const QString home = root.filePath(QStringLiteral("home"));

        const QString start = FileChooser::startFolderFrom(documentsPath, home);
        QCOMPARE(start, startsInDocuments ? documentsPath : home);
    }

    void theRealStartFolderIsNeverTheWorkingDirectory()
    {
        QTemporaryDir elsewhere;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        const QString start = FileChooser::startFolder();
        QVERIFY(QDir::setCurrent(previous));
        QVERIFY(!start.isEmpty());
        QVERIFY(QDir::isAbsolutePath(start));
        QVERIFY(QDir(start) != QDir(elsewhere.path()));
    }

    void aProposedNameIsPlacedInTheStartFolder_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("backup name") << "/home/ana/Documents" << "tallyra-backup-2024-05-01.zip"
                                     << "/home/ana/Documents/tallyra-backup-2024-05-01.zip";
        QTest::newRow("a path of its own is kept") << "/home/ana/Documents" << "/tmp/report.csv" << "/tmp/report.csv";
        QTest::newRow("no name: the folder") << "/home/ana/Documents" << "" << "/home/ana/Documents";
        QTest::newRow("no folder: the name") << "" << "transactions.csv" << "transactions.csv";
    }

    void aProposedNameIsPlacedInTheStartFolder()
    {
        QFETCH(QString, folder);
        QFETCH(QString, proposed);
        QFETCH(QString, expected);
        QCOMPARE(FileChooser::proposedPath(folder, proposed), expected);
    }
};

TALLYRA_TEST(FileChooserTest)

#include "test_filechooser.moc"
