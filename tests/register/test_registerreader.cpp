#include "registerharness.h"
#include "support/testmain.h"

#include "data/database.h"
#include "data/transactionrepository.h"
#include "register/registerreader.h"

#include <QSignalSpy>

namespace {

QStringList lines(const QList<RegisterRow> &rows)
{
    QStringList result;
    for (const RegisterRow &row : rows) {
        result.append(QStringLiteral("%1 %2 %3 %4")
                          .arg(row.transaction.id, row.transaction.date.toString(Qt::ISODate))
                          .arg(row.transaction.amount)
                          .arg(row.runningBalance ? QString::number(*row.runningBalance) : QStringLiteral("-")));
    }
    return result;
}

} // namespace

// The register's reader without a screen: the newest rows at once, the
// rest from a thread of their own exactly as one read of the whole account
// gives them, and nothing from a read that was let go.
class TestRegisterReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newestThenEarlierRowsMakeTheWholeAccount_data()
    {
        QTest::addColumn<qint64>("startingBalance");
        QTest::addColumn<int>("perDay");
        QTest::newRow("plain") << qint64(0) << 3;
        QTest::newRow("opening balance on the account") << qint64(-70000) << 3;
        // 40 rows a day: the newest rows end inside a day and take all of it.
        QTest::newRow("many rows a day") << qint64(0) << 40;
    }

    void newestThenEarlierRowsMakeTheWholeAccount()
    {
        QFETCH(qint64, startingBalance);
        QFETCH(int, perDay);
        AppFixture f;
        const Account account =
            f.addAccount(QStringLiteral("Big"), AccountType::Checking, Currency::USD, startingBalance);
        QVERIFY(addGeneratedRows(f, account.id, 2000, perDay, 1));
        RegisterReader reader(f.app()->database(), f.app()->transactionRepository());
        QSignalSpy earlier(&reader, &RegisterReader::earlierRowsRead);

        const auto newest = reader.readNewest(account.id, 300);
        QVERIFY(newest);
        QVERIFY(reader.isReading());
        QVERIFY(newest->rows.size() >= 300);
        QCOMPARE(reader.firstNewestDate(), newest->rows.first().transaction.date);
        QVERIFY(earlier.wait(20000));
        QVERIFY(!reader.isReading());
        QList<RegisterRow> all = earlier.first().first().value<QList<RegisterRow>>();
        QCOMPARE(all.size(), newest->earlierRows);
        all.append(newest->rows);
        QCOMPARE(lines(all), lines(f.app()->transactionRepository()->listRegister(account.id)));
    }

    void aSmallAccountIsReadWhole()
    {
        AppFixture f;
        const Account account = f.addAccount(QStringLiteral("Small"));
        QVERIFY(addGeneratedRows(f, account.id, 100, 2, 1));
        RegisterReader reader(f.app()->database(), f.app()->transactionRepository());
        QVERIFY(!reader.readNewest(account.id, 300));
        QVERIFY(!reader.isReading());
        QCOMPARE(reader.readAll(account.id).size(), 100);
    }

    // A read that was let go leaves its gate at once and delivers nothing,
    // whether a new read, stop() or the reader's end let it go: the
    // destructor does not wait for a whole read nobody wants.
    void aReadLetGoStopsAndDeliversNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("another account") << QStringLiteral("another");
        QTest::newRow("stop") << QStringLiteral("stop");
        QTest::newRow("the reader ends") << QStringLiteral("destroy");
    }

    void aReadLetGoStopsAndDeliversNothing()
    {
        QFETCH(QString, how);
        ReadGate gate;
        AppFixture f;
        const Account big = f.addAccount(QStringLiteral("Big"));
        const Account other = f.addAccount(QStringLiteral("Other"));
        QVERIFY(addGeneratedRows(f, big.id, 2000, 3, 1));
        QVERIFY(addGeneratedRows(f, other.id, 1000, 3, 1));
        auto reader = std::make_unique<RegisterReader>(f.app()->database(), f.app()->transactionRepository());
        reader->setGate(gate.gate());
        QSignalSpy earlier(reader.get(), &RegisterReader::earlierRowsRead);

        QVERIFY(reader->readNewest(big.id, 300));
        QVERIFY(gate.waitForArrival());
        if (how == QLatin1String("another")) {
            QVERIFY(reader->readNewest(other.id, 300));
            QVERIFY(gate.waitForArrival());
        } else if (how == QLatin1String("stop")) {
            reader->stop();
            QVERIFY(!reader->isReading());
        } else {
            reader.reset();
            QCOMPARE(gate.leftStale(), 1);
            return;
        }
        QTRY_COMPARE_WITH_TIMEOUT(gate.leftStale(), 1, 60000);
        gate.open();
        if (how == QLatin1String("another")) {
            QVERIFY(earlier.wait(20000));
            QCOMPARE(earlier.size(), 1);
            for (const RegisterRow &row : earlier.first().first().value<QList<RegisterRow>>())
                QCOMPARE(row.transaction.accountId, other.id);
        }
        // Every thread has ended once the reader has: nothing more comes.
        reader.reset();
        QCoreApplication::processEvents();
        QCOMPARE(earlier.size(), how == QLatin1String("another") ? 1 : 0);
    }

    void aFailedReadSaysSo()
    {
        ReadGate gate;
        AppFixture f;
        const Account big = f.addAccount(QStringLiteral("Big"));
        QVERIFY(addGeneratedRows(f, big.id, 1000, 3, 1));
        RegisterReader reader(f.app()->database(), f.app()->transactionRepository());
        reader.setGate(gate.gate());
        QSignalSpy earlier(&reader, &RegisterReader::earlierRowsRead);
        QSignalSpy failed(&reader, &RegisterReader::earlierRowsFailed);
        QVERIFY(reader.readNewest(big.id, 300));
        QVERIFY(gate.waitForArrival());
        // The table the thread is about to read is gone.
        QVERIFY(f.execSql(QStringLiteral("ALTER TABLE transactions RENAME TO transactions_gone")));
        gate.open();
        QVERIFY(failed.wait(20000));
        QCOMPARE(earlier.size(), 0);
        QVERIFY(!reader.isReading());
    }
};

TALLYRA_TEST(TestRegisterReader)
#include "test_registerreader.moc"
