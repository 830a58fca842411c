#include "servicesfixture.h"
#include "support/testmain.h"

#include "data/splitlinerepository.h"
#include "services/backupservice.h"
#include "support/hostilearchives.h"

#include <QBuffer>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSqlDriver>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <sqlite3.h>

namespace {

using Entries = QList<QPair<QString, QByteArray>>;

// Entries named in `stored` are written without compression.
QByteArray makeArchive(const Entries &entries, const QStringList &stored = {})
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdCreate))
        qFatal("cannot create archive");
    for (const auto &[name, data] : entries) {
        QuaZipFile file(&zip);
        file.open(QIODevice::WriteOnly, QuaZipNewInfo(name), nullptr, 0, stored.contains(name) ? 0 : Z_DEFLATED, 9);
        file.write(data);
        file.close();
    }
    zip.close();
    return buffer.data();
}

Entries readArchive(const QByteArray &bytes)
{
    Entries entries;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdUnzip))
        return entries;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFile file(&zip);
        int method = 0;
        int level = 0;
        file.open(QIODevice::ReadOnly, &method, &level, true);
        file.close();
        file.open(QIODevice::ReadOnly);
        // A stored entry shows in the name, so comparisons of names fail.
        const QString marker = method == Z_DEFLATED ? QString() : QStringLiteral("STORED:");
        entries.append({marker + zip.getCurrentFileName(), file.readAll()});
        file.close();
    }
    return entries;
}

QByteArray manifest(int version = 1)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("version"), version}}).toJson();
}

QByteArray rowJson(const QJsonObject &row)
{
    return QJsonDocument(row).toJson();
}

QJsonObject accountRow(const QString &id, const QString &name, const QString &updatedAt)
{
    return QJsonObject{{QStringLiteral("id"), id},
                       {QStringLiteral("name"), name},
                       {QStringLiteral("account_type"), QStringLiteral("checking")},
                       {QStringLiteral("currency"), QStringLiteral("USD")},
                       {QStringLiteral("starting_balance"), 1234},
                       {QStringLiteral("created_at"), QStringLiteral("2024-01-01T00:00:00Z")},
                       {QStringLiteral("updated_at"), updatedAt}};
}

QJsonObject categoryRow(const QString &id, const QString &parentId)
{
    return QJsonObject{{QStringLiteral("id"), id},
                       {QStringLiteral("name"), id},
                       {QStringLiteral("parent_id"), parentId.isEmpty() ? QJsonValue() : QJsonValue(parentId)},
                       {QStringLiteral("created_at"), QStringLiteral("2024-01-01T00:00:00Z")},
                       {QStringLiteral("updated_at"), QStringLiteral("2024-01-01T00:00:00Z")}};
}

// Every row of a table as the backup sees it, by id.
QMap<QString, QJsonObject> dump(const DatabaseFixture &f, const QString &table)
{
    QMap<QString, QJsonObject> rows;
    QSqlQuery query(*f.database->db());
    query.exec(QStringLiteral("SELECT * FROM ") + table);
    while (query.next()) {
        const QJsonObject row = BackupService::rowToJson(query);
        rows.insert(row.value(QStringLiteral("id")).toString(), row);
    }
    return rows;
}

const QStringList kTables = {QStringLiteral("accounts"),     QStringLiteral("categories"),
                             QStringLiteral("transactions"), QStringLiteral("split_lines"),
                             QStringLiteral("recurring_transactions"), QStringLiteral("reconciliations")};

void fillEveryTable(const DatabaseFixture &f)
{
    const QStringList statements = {
        "INSERT INTO accounts (id, name, account_type, currency, institution, starting_balance, sort_order, "
        "is_shared, version, sync_status, server_id, created_at, updated_at) VALUES ('acc-1', 'Checking \"main\"', "
        "'checking', 'USD', NULL, 10000, 2, 1, 7, 'synced', 'srv-1', '2024-01-01T00:00:00Z', "
        "'2024-02-01T00:00:00Z')",
        "INSERT INTO accounts (id, name, currency, created_at, updated_at) VALUES ('acc-2', 'Yen', 'JPY', "
        "'2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')",
        "INSERT INTO categories (id, name, category_type, parent_id, is_tax_relevant, tax_category, created_at, "
        "updated_at) VALUES ('abc-1', 'Parent', 'expense', NULL, 1, 'salt', '2024-01-01T00:00:00Z', "
        "'2024-01-01T00:00:00Z')",
        "INSERT INTO categories (id, name, parent_id, created_at, updated_at) VALUES ('abc-2', 'Child', 'abc-1', "
        "'2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')",
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, cleared, is_split, "
        "version, sync_status, server_id, created_at, updated_at) VALUES ('tx-1', 'acc-1', '2024-05-01', "
        "'Grocer', 'split ✓', -9000000000123, NULL, 1, 1, 4, 'synced', 'srv-t1', '2024-05-01T10:00:00Z', "
        "'2024-05-01T10:00:00Z')",
        "INSERT INTO transactions (id, account_id, date, payee, amount, version, sync_status, server_id, "
        "created_at, updated_at, deleted_at) VALUES ('tx-deleted', 'acc-2', '2024-05-02', 'Gone', 1500, 3, "
        "'synced', 'srv-t2', '2024-05-02T10:00:00Z', '2024-05-03T10:00:00Z', '2024-05-03T10:00:00Z')",
        "INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, updated_at) VALUES "
        "('sl-1', 'tx-1', 'abc-2', -6000, 'part one', '2024-05-01T10:00:00Z', '2024-05-01T10:00:00Z')",
        "INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, updated_at) VALUES "
        "('sl-2', 'tx-1', 'abc-1', -3000, NULL, '2024-05-01T10:00:00Z', '2024-05-01T10:00:00Z')",
        "INSERT INTO recurring_transactions (id, account_id, payee, amount, frequency, start_date, end_date, "
        "next_due_date, auto_post, lead_days, interval_count, semimonthly_day_1, semimonthly_day_2, version, "
        "sync_status, created_at, updated_at) VALUES ('rec-1', 'acc-1', 'Rent', -145000, 'semimonthly', "
        "'2024-01-01', '2025-01-01', '2024-06-15', 1, 3, 2, 15, 0, 9, 'conflict', '2024-01-01T00:00:00Z', "
        "'2024-01-01T00:00:00Z')",
        "INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, reconciled_balance, "
        "completed_at, created_at, updated_at) VALUES ('recon-1', 'acc-1', '2024-04-30', 50000, 50000, "
        "'2024-05-01T00:00:00Z', '2024-05-01T00:00:00Z', '2024-05-01T00:00:00Z')",
    };
    for (const QString &sql : statements) {
        if (!f.exec(sql))
            qFatal("cannot fill the fixture: %s", qPrintable(sql));
    }
}

} // namespace

class BackupServiceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyDatabaseExportsOnlyTheManifest()
    {
        ServicesFixture f;
        const Entries entries = readArchive(BackupService(f.database.get()).exportBackup());
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries.at(0).first, QStringLiteral("manifest.json"));
        const QJsonObject manifest = QJsonDocument::fromJson(entries.at(0).second).object();
        QCOMPARE(manifest.value(QStringLiteral("version")).toInt(), 1);
        for (const char *key : {"accountCount", "categoryCount", "transactionCount", "splitLineCount",
                                "recurringCount", "reconciliationCount"})
            QCOMPARE(manifest.value(QLatin1String(key)), QJsonValue(0));
        QVERIFY(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$"))
                    .match(manifest.value(QStringLiteral("exportedAt")).toString())
                    .hasMatch());
        QVERIFY(entries.at(0).second.contains("\n    \"version\": 1"));
    }

    void roundTripRestoresEveryTable()
    {
        ServicesFixture source;
        fillEveryTable(source);
        const QByteArray archive = BackupService(source.database.get()).exportBackup();

        const Entries entries = readArchive(archive);
        QStringList names;
        for (const auto &entry : entries)
            names.append(entry.first);
        QCOMPARE(names, QStringList({"accounts/acc-1.json", "accounts/acc-2.json", "categories/abc-1.json",
                                     "categories/abc-2.json", "transactions/tx-1.json", "transactions/tx-deleted.json",
                                     "split_lines/sl-1.json", "split_lines/sl-2.json", "recurring/rec-1.json",
                                     "reconciliations/recon-1.json", "manifest.json"}));
        const QJsonObject manifest = QJsonDocument::fromJson(entries.last().second).object();
        QCOMPARE(manifest.value(QStringLiteral("transactionCount")).toInt(), 2);
        QCOMPARE(manifest.value(QStringLiteral("splitLineCount")).toInt(), 2);

        ServicesFixture target;
        const BackupImportResult result = BackupService(target.database.get()).importBackup(archive, 1);
        QVERIFY2(result.errors.isEmpty(), qPrintable(result.errors.join(QLatin1Char('\n'))));
        QCOMPARE(result.totalImported(), 10);
        QCOMPARE(result.totalSkipped(), 0);
        QCOMPARE(result.accountsImported, 2);
        QCOMPARE(result.categoriesImported, 2);
        QCOMPARE(result.transactionsImported, 2);
        QCOMPARE(result.splitLinesImported, 2);
        QCOMPARE(result.recurringImported, 1);
        QCOMPARE(result.reconciliationsImported, 1);

        for (const QString &table : kTables) {
            QMap<QString, QJsonObject> expected = dump(source, table);
            for (QJsonObject &row : expected)
                row = BackupService::resetSyncFields(table, row);
            QCOMPARE(dump(target, table), expected);
        }
        QCOMPARE(target.scalar(QStringLiteral("SELECT deleted_at FROM transactions WHERE id = 'tx-deleted'"))
                     .toString(),
                 QStringLiteral("2024-05-03T10:00:00Z"));
        QCOMPARE(target.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE sync_status = 'pending' "
                                              "AND server_id IS NULL AND version = 1"))
                     .toInt(),
                 2);

        // Restored twice with SkipExisting: nothing new, every row skipped.
        const BackupImportResult again = BackupService(target.database.get()).importBackup(archive, 0);
        QCOMPARE(again.totalImported(), 0);
        QCOMPARE(again.totalSkipped(), 10);
        QVERIFY(again.errors.isEmpty());
    }

    void modesDecideOverExistingRows_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("backupUpdatedAt");
        QTest::addColumn<bool>("replaced");

        const QString older = QStringLiteral("2024-05-01T09:00:00Z");
        const QString same = QStringLiteral("2024-05-01T10:00:00Z");
        const QString newer = QStringLiteral("2024-05-01T11:00:00Z");
        QTest::newRow("skip existing") << 0 << newer << false;
        QTest::newRow("replace all, older") << 1 << older << true;
        QTest::newRow("unknown mode replaces") << 7 << older << true;
        QTest::newRow("keep newer, older backup") << 2 << older << false;
        QTest::newRow("keep newer, newer backup") << 2 << newer << true;
        QTest::newRow("keep newer, equal stamps") << 2 << same << false;
        QTest::newRow("keep newer, empty backup stamp") << 2 << QString() << true;
        // Compared as times: the text of another zone sorts otherwise.
        QTest::newRow("keep newer, older in another zone") << 2 << QStringLiteral("2024-05-01T10:30:00+02:00") << false;
        QTest::newRow("keep newer, newer in another zone") << 2 << QStringLiteral("2024-05-01T09:30:00-02:00") << true;
        QTest::newRow("keep newer, same second with a fraction") << 2 << QStringLiteral("2024-05-01T10:00:00.900Z") << false;
    }

    void modesDecideOverExistingRows()
    {
        QFETCH(int, mode);
        QFETCH(QString, backupUpdatedAt);
        QFETCH(bool, replaced);

        ServicesFixture f;
        QVERIFY(f.exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                                      "('a', 'Stored', '2024-01-01T00:00:00Z', '2024-05-01T10:00:00Z')")));
        const QByteArray archive =
            makeArchive({{QStringLiteral("accounts/a.json"),
                          rowJson(accountRow(QStringLiteral("a"), QStringLiteral("Backup"), backupUpdatedAt))},
                         {QStringLiteral("accounts/new.json"),
                          rowJson(accountRow(QStringLiteral("new"), QStringLiteral("New"), backupUpdatedAt))},
                         {QStringLiteral("manifest.json"), manifest()}});
        const BackupImportResult result = BackupService(f.database.get()).importBackup(archive, mode);
        QVERIFY(result.errors.isEmpty());
        QCOMPARE(result.accountsImported, replaced ? 2 : 1);
        QCOMPARE(result.accountsSkipped, replaced ? 0 : 1);
        QCOMPARE(f.scalar(QStringLiteral("SELECT name FROM accounts WHERE id = 'a'")).toString(),
                 replaced ? QStringLiteral("Backup") : QStringLiteral("Stored"));
        QCOMPARE(f.scalar(QStringLiteral("SELECT name FROM accounts WHERE id = 'new'")).toString(),
                 QStringLiteral("New"));
        // Stored in the one form of every stamp.
        const QDateTime backupTime = QDateTime::fromString(backupUpdatedAt, Qt::ISODate);
        QCOMPARE(f.scalar(QStringLiteral("SELECT updated_at FROM accounts WHERE id = 'new'")).toString(),
                 backupTime.isValid() ? backupTime.toUTC().toString(Qt::ISODate) : backupUpdatedAt);
    }

    void refusedArchives_data()
    {
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<QString>("error");

        const Entries account = {{QStringLiteral("accounts/a.json"),
                                  rowJson(accountRow(QStringLiteral("a"), QStringLiteral("A"), QString()))}};
        QTest::newRow("not a zip") << QByteArray("this is no archive") << "Failed to open ZIP archive";
        QTest::newRow("empty bytes") << QByteArray() << "Failed to open ZIP archive";
        QTest::newRow("no manifest") << makeArchive(account) << "Invalid backup: missing manifest.json";
        QTest::newRow("empty manifest") << makeArchive(account + Entries{{QStringLiteral("manifest.json"), {}}})
                                        << "Invalid backup: missing manifest.json";
        QTest::newRow("version 2") << makeArchive(account + Entries{{QStringLiteral("manifest.json"), manifest(2)}})
                                   << "Unsupported backup version: 2";
        QTest::newRow("manifest not JSON")
            << makeArchive(account + Entries{{QStringLiteral("manifest.json"), QByteArray("{version: 1")}})
            << "Unsupported backup version: 0";
        QTest::newRow("version as text")
            << makeArchive(account + Entries{{QStringLiteral("manifest.json"), QByteArray("{\"version\": \"1\"}")}})
            << "Unsupported backup version: \"1\"";
        QTest::newRow("fractional version")
            << makeArchive(account + Entries{{QStringLiteral("manifest.json"), QByteArray("{\"version\": 1.5}")}})
            << "Unsupported backup version: 1.5";
        QTest::newRow("no version") << makeArchive(account + Entries{{QStringLiteral("manifest.json"), "{}"}})
                                    << "Unsupported backup version: 0";
        // Of two manifests neither is believed, whichever comes last.
        QTest::newRow("version 2, then version 1")
            << makeArchive(account
                           + Entries{{QStringLiteral("manifest.json"), manifest(2)},
                                     {QStringLiteral("manifest.json"), manifest(1)}})
            << "Invalid backup: 2 entries named manifest.json";
    }

    void refusedArchives()
    {
        QFETCH(QByteArray, archive);
        QFETCH(QString, error);
        ServicesFixture f;
        const BackupImportResult result = BackupService(f.database.get()).importBackup(archive, 1);
        QCOMPARE(result.errors, QStringList{error});
        QVERIFY(result.aborted);
        QCOMPARE(result.totalImported(), 0);
        QCOMPARE(result.totalSkipped(), 0);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM accounts")), 0);
    }

    void hostileArchiveIsContained()
    {
        ServicesFixture f;
        QJsonObject injected = accountRow(QStringLiteral("evil"), QStringLiteral("Evil"), QString());
        injected.insert(QStringLiteral("name) VALUES ('x'); DROP TABLE categories; --"), 1);
        QJsonObject noId = accountRow(QString(), QStringLiteral("No id"), QString());
        QJsonObject listValue = accountRow(QStringLiteral("list"), QStringLiteral("List"), QString());
        listValue.insert(QStringLiteral("institution"), QJsonArray{1, 2});
        // Seventeen MiB of blanks around a valid row: deflates to almost nothing.
        QByteArray huge = rowJson(categoryRow(QStringLiteral("huge"), QString()));
        huge.append(QByteArray(17 * 1024 * 1024, ' '));

        const QByteArray archive = makeArchive({
            {QStringLiteral("categories/child.json"), rowJson(categoryRow(QStringLiteral("child"), "parent"))},
            {QStringLiteral("categories/grandchild.json"),
             rowJson(categoryRow(QStringLiteral("grandchild"), "child"))},
            {QStringLiteral("categories/orphan.json"), rowJson(categoryRow(QStringLiteral("orphan"), "missing"))},
            {QStringLiteral("categories/parent.json"), rowJson(categoryRow(QStringLiteral("parent"), QString()))},
            {QStringLiteral("categories/huge.json"), huge},
            {QStringLiteral("accounts/evil.json"), rowJson(injected)},
            {QStringLiteral("accounts/noid.json"), rowJson(noId)},
            {QStringLiteral("accounts/list.json"), rowJson(listValue)},
            {QStringLiteral("accounts/deep/ok.json"),
             rowJson(accountRow(QStringLiteral("ok"), QStringLiteral("Ok"), QString()))},
            {QStringLiteral("Accounts/upper.json"),
             rowJson(accountRow(QStringLiteral("upper"), QStringLiteral("Upper"), QString()))},
            {QStringLiteral("accounts/text.txt"),
             rowJson(accountRow(QStringLiteral("text"), QStringLiteral("Text"), QString()))},
            {QStringLiteral("transactions/x.json"), QByteArray("[]")},
            {QStringLiteral("transactions/y.json"), QByteArray("{}")},
            {QStringLiteral("transactions/z.json"), QByteArray("{\"id\": ")},
            {QStringLiteral("manifest.json"), manifest()},
        });

        const BackupImportResult result = BackupService(f.database.get()).importBackup(archive, 1);
        QCOMPARE(result.errors,
                 QStringList({"categories/huge.json: too large", "transactions/x.json: invalid JSON",
                              "transactions/y.json: invalid JSON", "transactions/z.json: invalid JSON"}));
        QCOMPARE(result.accountsImported, 1);
        QCOMPARE(result.accountsSkipped, 3);
        QCOMPARE(result.categoriesImported, 3);
        QCOMPARE(result.categoriesSkipped, 1);

        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM accounts WHERE id = 'ok'")), 1);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM accounts")), 1);
        QCOMPARE(f.scalar(QStringLiteral("SELECT parent_id FROM categories WHERE id = 'grandchild'")).toString(),
                 QStringLiteral("child"));
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM categories WHERE id IN ('orphan', 'huge')")), 0);
    }

    // Archives whose directory claims what its bytes do not hold are read
    // within their own size: entries that share their bytes, sizes past the
    // limit, deflate streams that expand a thousandfold are refused entry by
    // entry, and never reach the JSON reader.
    void hostileArchivesAreRefusedEntryByEntry_data()
    {
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("errorCount");

        constexpr quint64 gib = 1024ull * 1024 * 1024;
        QTest::newRow("2,000 entries on one 1 MB payload")
            << HostileArchives::overlappingEntries(2000, 1024 * 1024) << "transactions/t01999.json: damaged" << 2000;
        QTest::newRow("two entries on one payload")
            << HostileArchives::overlappingEntries(2, 100) << "transactions/t00001.json: damaged" << 2;
        QTest::newRow("declared as 10 GB") << HostileArchives::declaredSize(10 * gib)
                                           << "transactions/big.json: too large" << 1;
        QTest::newRow("1 GiB deflate bomb, declared")
            << HostileArchives::deflateBomb(qint64(gib), gib) << "transactions/bomb.json: too large" << 1;
        QTest::newRow("1 GiB deflate bomb, declared small")
            << HostileArchives::deflateBomb(qint64(gib), 600) << "transactions/bomb.json: damaged" << 1;
        QTest::newRow("1 GiB deflate bomb, declared at the limit")
            << HostileArchives::deflateBomb(qint64(gib), 16 * 1024 * 1024) << "transactions/bomb.json: too large" << 1;
        QTest::newRow("stored bytes past the end")
            << HostileArchives::storedPastTheEnd() << "transactions/cut.json: damaged" << 1;
    }

    void hostileArchivesAreRefusedEntryByEntry()
    {
        QFETCH(QByteArray, archive);
        QFETCH(QString, error);
        QFETCH(int, errorCount);
        ServicesFixture f;
        f.addAccount(QStringLiteral("acc"));
        QVERIFY(archive.size() < 2 * 1024 * 1024);

        const BackupImportResult result = BackupService(f.database.get()).importBackup(archive, 1);
        QCOMPARE(result.errors.size(), errorCount);
        QCOMPARE(result.errors.constLast(), error);
        QVERIFY(!result.aborted);
        QCOMPARE(result.totalImported(), 0);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM transactions")), 0);
    }

    // Honest rows that each decode to a thousand times their stored size:
    // decoding stops at a budget in proportion to the archive, so memory
    // never grows a thousandfold; the rows past it are too large.
    void rowsThatExpandAThousandfoldStopAtTheDecodeBudget()
    {
        ServicesFixture f;
        f.addAccount(QStringLiteral("acc"));
        Entries entries;
        for (int n = 0; n < 12; ++n) {
            const QString id = QStringLiteral("t%1").arg(n, 2, 10, QLatin1Char('0'));
            const QJsonObject row{{QStringLiteral("id"), id},
                                  {QStringLiteral("account_id"), QStringLiteral("acc")},
                                  {QStringLiteral("date"), QStringLiteral("2024-05-01")},
                                  {QStringLiteral("payee"), QStringLiteral("Grocer")},
                                  {QStringLiteral("memo"), QString(4 * 1024 * 1024, QLatin1Char('a'))},
                                  {QStringLiteral("amount"), -100},
                                  {QStringLiteral("created_at"), QStringLiteral("2024-05-01T10:00:00Z")},
                                  {QStringLiteral("updated_at"), QStringLiteral("2024-05-01T10:00:00Z")}};
            entries.append({QStringLiteral("transactions/%1.json").arg(id), rowJson(row)});
        }
        entries.append({QStringLiteral("manifest.json"), manifest()});
        const QByteArray archive = makeArchive(entries);
        QVERIFY(archive.size() < 200 * 1024);

        const BackupImportResult result = BackupService(f.database.get()).importBackup(archive, 1);
        // Eight rows of 4 MiB fit in 16 times the archive plus 32 MiB.
        QCOMPARE(result.transactionsImported, 8);
        QCOMPARE(result.errors,
                 QStringList({"transactions/t08.json: too large", "transactions/t09.json: too large",
                              "transactions/t10.json: too large", "transactions/t11.json: too large"}));
    }

    // A row id that occurs twice in a table is one row: restored from its
    // first entry and counted once, whatever the mode.
    void rowIdTwiceInATableIsOneRow_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("imported");
        QTest::addColumn<int>("skipped");
        QTest::newRow("replace all") << 1 << 3 << 0;
        QTest::newRow("skip existing") << 0 << 2 << 1;
    }

    void rowIdTwiceInATableIsOneRow()
    {
        QFETCH(int, mode);
        QFETCH(int, imported);
        QFETCH(int, skipped);
        ServicesFixture f;
        QVERIFY(f.exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                                      "('c', 'Stored', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")));
        Entries entries;
        for (const char *id : {"a", "b", "c"}) {
            const QString name = QLatin1String(id);
            entries.append({QStringLiteral("accounts/%1.json").arg(name),
                            rowJson(accountRow(name, QStringLiteral("First ") + name, QString()))});
        }
        for (const char *id : {"a", "b", "c"}) {
            const QString name = QLatin1String(id);
            entries.append({QStringLiteral("accounts/again/%1.json").arg(name),
                            rowJson(accountRow(name, QStringLiteral("Second ") + name, QString()))});
        }
        entries.append({QStringLiteral("manifest.json"), manifest()});

        const BackupImportResult result = BackupService(f.database.get()).importBackup(makeArchive(entries), mode);
        QVERIFY(result.errors.isEmpty());
        QCOMPARE(result.accountsImported, imported);
        QCOMPARE(result.accountsSkipped, skipped);
        QCOMPARE(f.scalar(QStringLiteral("SELECT group_concat(name, ',') FROM (SELECT name FROM accounts ORDER BY id)"))
                     .toString(),
                 mode == 1 ? QStringLiteral("First a,First b,First c") : QStringLiteral("First a,First b,Stored"));
    }

    void storedEntriesRestoreAndDamagedOnesReport()
    {
        ServicesFixture f;
        QByteArray archive = makeArchive(
            {{QStringLiteral("accounts/a.json"), rowJson(accountRow(QStringLiteral("a"), QStringLiteral("Plain"), {}))},
             {QStringLiteral("accounts/b.json"),
              rowJson(accountRow(QStringLiteral("b"), QStringLiteral("Damaged"), {}))},
             {QStringLiteral("manifest.json"), manifest()}},
            {QStringLiteral("accounts/a.json"), QStringLiteral("accounts/b.json")});
        // One flipped letter in b's stored bytes: its checksum no longer matches.
        const qsizetype damaged = archive.indexOf("Damaged");
        QVERIFY(damaged > 0);
        archive[damaged] = 'd';

        const BackupImportResult result = BackupService(f.database.get()).importBackup(archive, 1);
        QCOMPARE(result.errors, QStringList{QStringLiteral("accounts/b.json: damaged")});
        QCOMPARE(result.accountsImported, 1);
        QCOMPARE(f.scalar(QStringLiteral("SELECT name FROM accounts")).toString(), QStringLiteral("Plain"));
    }

    void failedRestoreKeepsTheOldDataWhole_data()
    {
        QTest::addColumn<QString>("sabotage");
        QTest::addColumn<QStringList>("errors");

        const QString failed = QStringLiteral("The backup could not be restored: %1. No data was changed.");
        // abs() of the lowest integer is an error of the database, not of the row.
        QTest::newRow("database error at the last table")
            << QStringLiteral("CREATE TRIGGER sabotage BEFORE INSERT ON reconciliations BEGIN "
                              "SELECT abs(-9223372036854775808); END")
            << QStringList({failed.arg(QStringLiteral("integer overflow")),
                            QStringLiteral("reconciliations/recon-2.json: unexpected error")});
        // With deferred checks the orphan category only fails at the commit.
        QTest::newRow("commit refused") << QStringLiteral("PRAGMA defer_foreign_keys = ON")
                                        << QStringList{failed.arg(QStringLiteral("FOREIGN KEY constraint failed"))};
    }

    void failedRestoreKeepsTheOldDataWhole()
    {
        QFETCH(QString, sabotage);
        QFETCH(QStringList, errors);

        ServicesFixture source;
        fillEveryTable(source);
        for (const char *sql :
             {"UPDATE accounts SET name = 'Renamed', updated_at = '2025-01-01T00:00:00Z' WHERE id = 'acc-1'",
              "INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('acc-3', 'Extra', "
              "'2025-01-01T00:00:00Z', '2025-01-01T00:00:00Z')",
              "UPDATE transactions SET amount = -1 WHERE id = 'tx-1'",
              "DELETE FROM split_lines WHERE id = 'sl-2'",
              "INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, reconciled_balance, "
              "completed_at, created_at, updated_at) VALUES ('recon-2', 'acc-3', '2025-01-31', 1, 1, "
              "'2025-02-01T00:00:00Z', '2025-02-01T00:00:00Z', '2025-02-01T00:00:00Z')"})
            QVERIFY(source.exec(QString::fromLatin1(sql)));
        Entries entries = readArchive(BackupService(source.database.get()).exportBackup());
        entries.prepend({QStringLiteral("categories/orphan.json"),
                         rowJson(categoryRow(QStringLiteral("orphan"), QStringLiteral("missing")))});
        const QByteArray archive = makeArchive(entries);

        ServicesFixture target;
        fillEveryTable(target);
        QMap<QString, QMap<QString, QJsonObject>> before;
        for (const QString &table : kTables)
            before.insert(table, dump(target, table));
        QVERIFY(target.exec(sabotage));

        const BackupImportResult result = BackupService(target.database.get()).importBackup(archive, 1);
        QCOMPARE(result.errors, errors);
        QVERIFY(result.aborted);
        QCOMPARE(result.totalImported(), 0);
        QVERIFY(result.totalSkipped() > 0);
        for (const QString &table : kTables)
            QCOMPARE(dump(target, table), before.value(table));
        QVERIFY(!target.database->isBulkWriteInProgress());
    }

    void splitTransactionRestoresWhole_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("localUpdatedAt");
        QTest::addColumn<bool>("backupLines");

        const QString earlier = QStringLiteral("2024-05-01T09:00:00Z");
        const QString later = QStringLiteral("2024-05-02T10:00:00Z");
        QTest::newRow("replace all") << 1 << later << true;
        QTest::newRow("skip existing") << 0 << later << false;
        QTest::newRow("keep newer, local edit newer") << 2 << later << false;
        QTest::newRow("keep newer, backup newer") << 2 << earlier << true;
    }

    // The register re-saves a transaction's lines as a whole, with new ids.
    void splitTransactionRestoresWhole()
    {
        QFETCH(int, mode);
        QFETCH(QString, localUpdatedAt);
        QFETCH(bool, backupLines);

        ServicesFixture f;
        f.addAccount(QStringLiteral("acc"));
        const QStringList arrange = {
            "INSERT INTO categories (id, name, created_at, updated_at) VALUES ('food', 'Food', "
            "'2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')",
            "INSERT INTO categories (id, name, created_at, updated_at) VALUES ('home', 'Home', "
            "'2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')",
            "INSERT INTO transactions (id, account_id, date, payee, amount, is_split, created_at, updated_at) "
            "VALUES ('tx', 'acc', '2024-05-01', 'Market', -10000, 1, '2024-05-01T10:00:00Z', "
            "'2024-05-01T10:00:00Z')",
            "INSERT INTO split_lines (id, transaction_id, category_id, amount, created_at, updated_at) VALUES "
            "('old-1', 'tx', 'food', -6000, '2024-05-01T10:00:00Z', '2024-05-01T10:00:00Z')",
            "INSERT INTO split_lines (id, transaction_id, category_id, amount, created_at, updated_at) VALUES "
            "('old-2', 'tx', 'home', -4000, '2024-05-01T10:00:00Z', '2024-05-01T10:00:00Z')",
        };
        for (const QString &sql : arrange)
            QVERIFY(f.exec(sql));
        const QByteArray archive = BackupService(f.database.get()).exportBackup();

        const QDateTime stamp = QDateTime::fromString(localUpdatedAt, Qt::ISODate);
        QList<SplitLine> lines(3);
        for (int i = 0; i < 3; ++i)
            lines[i] = SplitLine{QStringLiteral("new-%1").arg(i + 1), QString(), QStringLiteral("food"),
                                 i == 0 ? -5000 : -2500, QString(), stamp, stamp};
        QVERIFY(SplitLineRepository(f.database.get()).replaceForTransaction(QStringLiteral("tx"), lines));
        QVERIFY(f.exec(QStringLiteral("UPDATE transactions SET updated_at = '%1' WHERE id = 'tx'").arg(localUpdatedAt)));

        const BackupImportResult result = BackupService(f.database.get()).importBackup(archive, mode);
        QVERIFY(result.errors.isEmpty());
        QCOMPARE(result.transactionsImported, backupLines ? 1 : 0);
        QCOMPARE(result.splitLinesImported, backupLines ? 2 : 0);
        QCOMPARE(result.splitLinesSkipped, backupLines ? 0 : 2);
        QStringList ids;
        QSqlQuery query(*f.database->db());
        QVERIFY(query.exec(QStringLiteral("SELECT id FROM split_lines WHERE transaction_id = 'tx' ORDER BY id")));
        while (query.next())
            ids.append(query.value(0).toString());
        QCOMPARE(ids, backupLines ? QStringList({"old-1", "old-2"}) : QStringList({"new-1", "new-2", "new-3"}));
        QCOMPARE(f.count(QStringLiteral("SELECT SUM(amount) FROM split_lines WHERE transaction_id = 'tx'")), -10000);
    }

    // A row holding a value its column cannot store as it is gets skipped;
    // a number that would be stored as another says which column holds it.
    void valuesThatDoNotFitTheirColumnAreSkipped_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QVariant>("stored"); // invalid: the row is skipped
        QTest::addColumn<bool>("reported");

        QTest::newRow("amount with letters") << "amount" << QByteArray("\"12abc\"") << QVariant() << true;
        QTest::newRow("amount as text") << "amount" << QByteArray("\"12\"") << QVariant() << true;
        QTest::newRow("lowest amount") << "amount" << QByteArray("-9223372036854775808") << QVariant() << true;
        QTest::newRow("amount beyond 64 bits") << "amount" << QByteArray("1e19") << QVariant() << true;
        QTest::newRow("amount of 1e20") << "amount" << QByteArray("1e20") << QVariant() << true;
        QTest::newRow("amount of 1e300") << "amount" << QByteArray("-1e300") << QVariant() << true;
        QTest::newRow("amount as list") << "amount" << QByteArray("[1]") << QVariant() << true;
        QTest::newRow("amount with a fraction") << "amount" << QByteArray("12.5") << QVariant() << true;
        QTest::newRow("negative amount with a fraction") << "amount" << QByteArray("-1250.7") << QVariant() << true;
        QTest::newRow("amount a hair off whole") << "amount" << QByteArray("100.00000000001") << QVariant() << true;
        QTest::newRow("amount as true") << "amount" << QByteArray("true") << QVariant() << true;
        QTest::newRow("amount as false") << "amount" << QByteArray("false") << QVariant() << true;
        QTest::newRow("flag as text") << "cleared" << QByteArray("\"yes\"") << QVariant() << true;
        QTest::newRow("flag with a fraction") << "cleared" << QByteArray("0.5") << QVariant() << true;
        QTest::newRow("no such month") << "date" << QByteArray("\"2024-13-01\"") << QVariant() << false;
        QTest::newRow("date as typed") << "date" << QByteArray("\"5/1/2024\"") << QVariant() << false;
        QTest::newRow("date without padding") << "date" << QByteArray("\"2024-5-1\"") << QVariant() << false;
        QTest::newRow("date with time") << "date" << QByteArray("\"2024-05-01T10:00:00Z\"") << QVariant() << false;
        QTest::newRow("date as number") << "date" << QByteArray("20240501") << QVariant() << false;
        QTest::newRow("empty date") << "date" << QByteArray("\"\"") << QVariant() << false;
        QTest::newRow("payee as number") << "payee" << QByteArray("42") << QVariant() << false;
        QTest::newRow("payee missing") << "payee" << QByteArray("null") << QVariant() << false;
        QTest::newRow("amount missing") << "amount" << QByteArray("null") << QVariant() << false;

        QTest::newRow("next to lowest amount")
            << "amount" << QByteArray("-9223372036854775807") << QVariant(qlonglong(-9223372036854775807LL)) << false;
        QTest::newRow("whole amount written with a fraction")
            << "amount" << QByteArray("-1250.0") << QVariant(qlonglong(-1250)) << false;
        QTest::newRow("whole amount written with an exponent")
            << "amount" << QByteArray("1.25e3") << QVariant(qlonglong(1250)) << false;
        QTest::newRow("flag as true") << "cleared" << QByteArray("true") << QVariant(qlonglong(1)) << false;
        QTest::newRow("flag as false") << "reconciled" << QByteArray("false") << QVariant(qlonglong(0)) << false;
        QTest::newRow("leap day") << "date" << QByteArray("\"2024-02-29\"") << QVariant(QStringLiteral("2024-02-29"))
                                  << false;
        QTest::newRow("no memo") << "memo" << QByteArray("null") << QVariant(QStringLiteral("<null>")) << false;
        QTest::newRow("NUL in the payee")
            << "payee" << QByteArray("\"Corner\\u0000 Shop\"") << QVariant(QStringLiteral("Corner Shop")) << false;
        QTest::newRow("payee starting with NUL")
            << "payee" << QByteArray("\"\\u0000\\u0000Grocer\\u0000\"") << QVariant(QStringLiteral("Grocer")) << false;
        QTest::newRow("memo of NULs only") << "memo" << QByteArray("\"\\u0000\\u0000\"") << QVariant(QString(""))
                                           << false;
    }

    void valuesThatDoNotFitTheirColumnAreSkipped()
    {
        QFETCH(QString, key);
        QFETCH(QByteArray, json);
        QFETCH(QVariant, stored);
        QFETCH(bool, reported);

        ServicesFixture f;
        f.addAccount(QStringLiteral("acc"));
        QJsonObject row{{QStringLiteral("id"), QStringLiteral("t")},
                        {QStringLiteral("account_id"), QStringLiteral("acc")},
                        {QStringLiteral("date"), QStringLiteral("2024-05-01")},
                        {QStringLiteral("payee"), QStringLiteral("Grocer")},
                        {QStringLiteral("memo"), QStringLiteral("weekly")},
                        {QStringLiteral("amount"), -100},
                        {QStringLiteral("created_at"), QStringLiteral("2024-05-01T10:00:00Z")},
                        {QStringLiteral("updated_at"), QStringLiteral("2024-05-01T10:00:00Z")}};
        const QJsonDocument value = QJsonDocument::fromJson("{\"v\": " + json + "}");
        QVERIFY(value.isObject());
        row.insert(key, value.object().value(QStringLiteral("v")));
        const QByteArray archive = makeArchive({{QStringLiteral("transactions/t.json"), rowJson(row)},
                                                {QStringLiteral("manifest.json"), manifest()}});

        const BackupImportResult result = BackupService(f.database.get()).importBackup(archive, 1);
        QCOMPARE(result.errors,
                 reported ? QStringList{QStringLiteral("transactions/t.json: %1 is not a whole number in range").arg(key)}
                          : QStringList());
        QVERIFY(!result.aborted);
        QCOMPARE(result.transactionsImported, stored.isValid() ? 1 : 0);
        QCOMPARE(result.transactionsSkipped, stored.isValid() ? 0 : 1);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM transactions")), stored.isValid() ? 1 : 0);
        if (stored.isValid()) {
            const QVariant actual = f.scalar(QStringLiteral("SELECT %1 FROM transactions").arg(key));
            QCOMPARE(actual.isNull() ? QVariant(QStringLiteral("<null>")) : actual, stored);
        }
    }

    // Every table as the program writes it, with one value changed: money
    // columns take whole numbers only, flags take true and false too, and
    // text comes back without NUL characters.
    void columnsOfEveryTableAsExported_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QVariant>("stored"); // invalid: the row is refused with a message

        QTest::newRow("opening balance as true") << "accounts/acc-1.json" << "starting_balance"
                                                 << QByteArray("true") << QVariant();
        QTest::newRow("opening balance with a fraction") << "accounts/acc-2.json" << "starting_balance"
                                                         << QByteArray("0.01") << QVariant();
        QTest::newRow("split line amount with a fraction") << "split_lines/sl-1.json" << "amount"
                                                           << QByteArray("-6000.5") << QVariant();
        QTest::newRow("recurring amount as false") << "recurring/rec-1.json" << "amount" << QByteArray("false")
                                                   << QVariant();
        QTest::newRow("statement balance of 1e20") << "reconciliations/recon-1.json" << "statement_balance"
                                                   << QByteArray("1e20") << QVariant();
        QTest::newRow("reconciled balance as true") << "reconciliations/recon-1.json" << "reconciled_balance"
                                                    << QByteArray("true") << QVariant();
        QTest::newRow("sort order with a fraction") << "accounts/acc-2.json" << "sort_order" << QByteArray("2.5")
                                                    << QVariant();
        QTest::newRow("reconciled balance written with a fraction")
            << "reconciliations/recon-1.json" << "reconciled_balance" << QByteArray("50000.0")
            << QVariant(qlonglong(50000));
        QTest::newRow("shared flag as true") << "accounts/acc-2.json" << "is_shared" << QByteArray("true")
                                             << QVariant(qlonglong(1));
        QTest::newRow("tax flag as false") << "categories/abc-1.json" << "is_tax_relevant" << QByteArray("false")
                                           << QVariant(qlonglong(0));
        QTest::newRow("split flag as true") << "transactions/tx-deleted.json" << "is_split" << QByteArray("true")
                                            << QVariant(qlonglong(1));
        QTest::newRow("automatic posting as false") << "recurring/rec-1.json" << "auto_post" << QByteArray("false")
                                                    << QVariant(qlonglong(0));
        QTest::newRow("NUL in an account name") << "accounts/acc-2.json" << "name"
                                                << QByteArray("\"Y\\u0000en\"") << QVariant(QStringLiteral("Yen"));
        QTest::newRow("NUL in a split line memo") << "split_lines/sl-1.json" << "memo"
                                                  << QByteArray("\"part\\u0000 one\"")
                                                  << QVariant(QStringLiteral("part one"));
    }

    void columnsOfEveryTableAsExported()
    {
        QFETCH(QString, entry);
        QFETCH(QString, key);
        QFETCH(QByteArray, json);
        QFETCH(QVariant, stored);

        ServicesFixture source;
        fillEveryTable(source);
        Entries entries = readArchive(BackupService(source.database.get()).exportBackup());
        QString table;
        QString id;
        bool changed = false;
        for (auto &[name, data] : entries) {
            if (name != entry)
                continue;
            QJsonObject row = QJsonDocument::fromJson(data).object();
            QVERIFY(row.contains(key));
            row.insert(key, QJsonDocument::fromJson("{\"v\": " + json + "}").object().value(QStringLiteral("v")));
            data = rowJson(row);
            id = row.value(QStringLiteral("id")).toString();
            changed = true;
        }
        QVERIFY(changed);
        for (const QString &candidate : kTables) {
            if (dump(source, candidate).contains(id))
                table = candidate;
        }
        QVERIFY(!table.isEmpty());

        ServicesFixture target;
        const BackupImportResult result = BackupService(target.database.get()).importBackup(makeArchive(entries), 1);
        QVERIFY(!result.aborted);
        const QMap<QString, QJsonObject> restored = dump(target, table);
        if (!stored.isValid()) {
            QCOMPARE(result.errors, QStringList{entry + QStringLiteral(": ") + key
                                                + QStringLiteral(" is not a whole number in range")});
            QVERIFY(!restored.contains(id));
            return;
        }
        QVERIFY2(result.errors.isEmpty(), qPrintable(result.errors.join(QLatin1Char('\n'))));
        QCOMPARE(result.totalImported(), 10);
        QVERIFY(restored.contains(id));
        QCOMPARE(restored.value(id).value(key).toVariant(), stored);
    }

    void deepCategoryChainRestoresInOnePass()
    {
        // Each category's parent comes after it in the archive.
        constexpr int depth = 2000;
        Entries entries;
        for (int i = depth - 1; i >= 0; --i)
            entries.append({QStringLiteral("categories/c%1.json").arg(i),
                            rowJson(categoryRow(QStringLiteral("c%1").arg(i),
                                                i == 0 ? QString() : QStringLiteral("c%1").arg(i - 1)))});
        entries.append({QStringLiteral("manifest.json"), manifest()});
        const QByteArray archive = makeArchive(entries);

        ServicesFixture f;
        const QVariant handle = f.database->db()->driver()->handle();
        QCOMPARE(handle.typeName(), "sqlite3*");
        sqlite3 *connection = *static_cast<sqlite3 *const *>(handle.data());
        int inserts = 0;
        sqlite3_trace_v2(
            connection, SQLITE_TRACE_STMT,
            [](unsigned, void *context, void *, void *sql) {
                if (qstrncmp(static_cast<const char *>(sql), "INSERT INTO \"categories\"", 24) == 0)
                    ++*static_cast<int *>(context);
                return 0;
            },
            &inserts);
        const BackupImportResult result = BackupService(f.database.get()).importBackup(archive, 1);
        sqlite3_trace_v2(connection, 0, nullptr, nullptr);

        QVERIFY(result.errors.isEmpty());
        QCOMPARE(result.categoriesImported, depth);
        QCOMPARE(inserts, depth);
        QCOMPARE(f.scalar(QStringLiteral("SELECT parent_id FROM categories WHERE id = 'c1999'")).toString(),
                 QStringLiteral("c1998"));
    }
};

TALLYRA_TEST(BackupServiceTest)
#include "test_backupservice.moc"
