#include "importfixture.h"
#include "services/qifparser.h"
#include "services/qifreader.h"
#include "support/testmain.h"

#include <QSignalSpy>

Q_DECLARE_METATYPE(ImportFileRefusal::Reason)

namespace {

QString fixture(const char *name)
{
    return QStringLiteral(IMPORT_FIXTURES "/") + QString::fromLatin1(name);
}

// A memo that starts with the mark of a transfer leg waiting for its partner.
QString hinted(const char *rest)
{
    return QStringLiteral("[\u2192 ") + QString::fromUtf8(rest);
}

qint64 sum(const QList<SplitLine> &lines)
{
    qint64 total = 0;
    for (const SplitLine &line : lines)
        total += line.amount;
    return total;
}

// Checking and savings accounts, and the mapping of both files onto them.
struct TwoAccounts
{
    ImportFixture f;
    QString checking = f.addAccount(QStringLiteral("My Checking"));
    QString savings = f.addAccount(QStringLiteral("My Savings"));
    QHash<QString, QString> both{{QStringLiteral("checking"), checking}, {QStringLiteral("SAVINGS"), savings}};
    QHash<QString, QString> checkingOnly{{QStringLiteral("Checking"), checking}};

    ImportResult import(const QStringList &files, const QHash<QString, QString> &mapping)
    {
        QStringList paths;
        for (const QString &file : files)
            paths << fixture(file.toLatin1().constData());
        return f.service.importQif(paths, mapping);
    }

    Transaction row(const QString &account, const char *payee) const
    {
        const auto found = f.rowByPayee(account, QString::fromUtf8(payee));
        if (!found)
            qFatal("row %s not stored", payee);
        return *found;
    }
};

} // namespace

class QifImportTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filesImportedTogetherGiveOneLinkedPair()
    {
        TwoAccounts t;
        const ImportResult result = t.import({"checking.qif", "savings.qif"}, t.both);
        QVERIFY(!result.aborted);
        QCOMPARE(result.imported, 8);
        QCOMPARE(result.transfersLinked, 1);
        QCOMPARE(result.retroactiveLinked, 0);
        QCOMPARE(result.failed, 0);

        const Transaction out = t.row(t.checking, "Transfer to savings");
        const Transaction in = t.row(t.savings, "Transfer from checking");
        QCOMPARE(out.transferLinkId, in.id);
        QCOMPARE(out.transferDestAccountId, t.savings);
        QCOMPARE(in.transferLinkId, out.id);
        QCOMPARE(in.transferDestAccountId, t.checking);
        QCOMPARE(out.memo, QStringLiteral("Monthly"));
        QVERIFY(in.memo.isEmpty());
        QCOMPARE(in.amount, 10000);
        QCOMPARE(in.date, QDate(2024, 1, 15));
    }

    void fileImportedLaterLinksTheWaitingRowAndRemovesItsHint()
    {
        TwoAccounts t;
        const ImportResult first = t.import({"checking.qif"}, t.checkingOnly);
        QCOMPARE(first.imported, 6);
        QCOMPARE(first.transfersLinked, 0);
        const Transaction waiting = t.row(t.checking, "Transfer to savings");
        QCOMPARE(waiting.memo, hinted("Savings] Monthly"));
        QVERIFY(waiting.transferLinkId.isEmpty());

        const ImportResult second = t.import({"savings.qif"}, t.both);
        QCOMPARE(second.imported, 2);
        QCOMPARE(second.transfersLinked, 1);
        QCOMPARE(second.retroactiveLinked, 1);

        const Transaction linked = t.row(t.checking, "Transfer to savings");
        const Transaction in = t.row(t.savings, "Transfer from checking");
        QCOMPARE(linked.memo, QStringLiteral("Monthly"));
        QCOMPARE(linked.transferLinkId, in.id);
        QCOMPARE(linked.transferDestAccountId, t.savings);
        QCOMPARE(linked.version, waiting.version + 1);
        QCOMPARE(linked.syncStatus, SyncStatus::Pending);
        QCOMPARE(in.transferLinkId, linked.id);
        QCOMPARE(in.transferDestAccountId, t.checking);
        QVERIFY(in.memo.isEmpty());
    }

    void reimportGivesOnlyDuplicates()
    {
        TwoAccounts t;
        QCOMPARE(t.import({"checking.qif", "savings.qif"}, t.both).imported, 8);
        const ImportResult again = t.import({"checking.qif", "savings.qif"}, t.both);
        QCOMPARE(again.imported, 0);
        QCOMPARE(again.duplicates, 8);
        QCOMPARE(again.transfersLinked, 0);
        QCOMPARE(again.retroactiveLinked, 0);
        QCOMPARE(t.f.rows(t.checking).size(), 6);
        QCOMPARE(t.f.rows(t.savings).size(), 2);
    }

    // The checking leg of the batch pair is a duplicate: the savings leg must
    // link to the stored row, not to the id the skipped leg would have had.
    void pairWithADuplicateLegLinksToTheStoredRow()
    {
        TwoAccounts t;
        t.import({"checking.qif"}, t.checkingOnly);
        const ImportResult result = t.import({"checking.qif", "savings.qif"}, t.both);
        QCOMPARE(result.imported, 2);
        QCOMPARE(result.duplicates, 6);
        QCOMPARE(result.transfersLinked, 1);
        QCOMPARE(result.retroactiveLinked, 1);

        const Transaction out = t.row(t.checking, "Transfer to savings");
        const Transaction in = t.row(t.savings, "Transfer from checking");
        QCOMPARE(in.transferLinkId, out.id);
        QCOMPARE(out.transferLinkId, in.id);
        QCOMPARE(out.memo, QStringLiteral("Monthly"));
    }

    void splitNamingATransferAccountKeepsAllItsLines()
    {
        TwoAccounts t;
        t.import({"checking.qif", "savings.qif"}, t.both);

        const Transaction market = t.row(t.checking, "Market");
        QVERIFY(market.isSplit);
        QVERIFY(market.transferLinkId.isEmpty());
        const QList<SplitLine> lines = t.f.splitLines.listByTransaction(market.id);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(sum(lines), market.amount);

        QHash<QString, SplitLine> byMemo;
        for (const SplitLine &line : lines)
            byMemo.insert(line.memo, line);
        const SplitLine transfer = byMemo.value(hinted("Savings] Put aside"));
        QCOMPARE(transfer.amount, -3000);
        QCOMPARE(t.f.category(transfer.categoryId)->name, QStringLiteral("Transfer"));
        QCOMPARE(t.f.category(transfer.categoryId)->type, CategoryType::Transfer);
        const SplitLine blank = byMemo.value(QString());
        QCOMPARE(blank.amount, -500);
        QCOMPARE(t.f.category(blank.categoryId)->name, QStringLiteral("Uncategorized"));
        QCOMPARE(t.f.category(blank.categoryId)->type, CategoryType::Expense);

        // The savings file's own row for that money is stored once, waiting
        // for a partner; no mirrored leg is made up for the split line.
        const QList<Transaction> savingsRows = t.f.rows(t.savings);
        QCOMPARE(savingsRows.size(), 2);
        const Transaction own = t.row(t.savings, "From market run");
        QCOMPARE(own.amount, 3000);
        QCOMPARE(own.memo, hinted("Checking]"));
        QVERIFY(own.transferLinkId.isEmpty());
    }

    void splitWithoutCategoryUsesExistingCategoryOfThatNameAndType()
    {
        ImportFixture f;
        const QString account = f.addAccount(QStringLiteral("Checking"));
        const QString income = f.addCategory(QStringLiteral("Uncategorized"), CategoryType::Income);

        const QString path = f.writeFile(QStringLiteral("split.qif"), "D1/3/2024\nPShop\nT-3\nS\n$-1\nS\nE2nd\n$-2\n^\n");
        QCOMPARE(f.service.importQif({path}, {{path, account}}).imported, 1);
        const QList<SplitLine> lines = f.splitLines.listByTransaction(f.rows(account).value(0).id);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(sum(lines), qint64(-300));
        QCOMPARE(lines[0].categoryId, lines[1].categoryId);
        QVERIFY(lines[0].categoryId != income);
        QCOMPARE(f.category(lines[0].categoryId)->type, CategoryType::Expense);
    }

    void recordsWithoutLinkOrPartner()
    {
        TwoAccounts t;
        t.import({"checking.qif"}, t.both);
        // A transfer to its own account: neither link nor hint.
        const Transaction self = t.row(t.checking, "Self");
        QVERIFY(self.memo.isEmpty());
        QVERIFY(self.transferLinkId.isEmpty());
        // An unmapped transfer account keeps the hint.
        QCOMPARE(t.row(t.checking, "Broker").memo, hinted("Brokerage]"));
        // A record with only a check number takes it as payee.
        QCOMPARE(t.row(t.checking, "1042").amount, -1200);
        const Transaction salary = t.row(t.checking, "Employer");
        QVERIFY(salary.cleared);
        QCOMPARE(salary.amount, 250000);
        QCOMPARE(t.f.category(salary.categoryId)->name, QStringLiteral("Salary"));
    }

    void fallbackPayees_data()
    {
        QTest::addColumn<QByteArray>("fields");
        QTest::addColumn<QString>("payee");

        QTest::newRow("investment action") << QByteArray("NBuy\nYACME\n") << "Buy: ACME";
        QTest::newRow("security") << QByteArray("YACME\n") << "ACME";
        QTest::newRow("check number") << QByteArray("N1042\n") << "1042";
        QTest::newRow("transfer account") << QByteArray("L[Cash]\n") << "Cash";
        QTest::newRow("nothing") << QByteArray("MJust a memo\n") << "Imported transaction";
    }

    void fallbackPayees()
    {
        QFETCH(QByteArray, fields);
        QFETCH(QString, payee);
        ImportFixture f;
        const QString account = f.addAccount(QStringLiteral("Brokerage"));
        const QString path = f.writeFile(QStringLiteral("invest.qif"), "!Type:Invst\nD1/3/2024\nT-500\n" + fields + "^\n");
        QHash<QString, QString> mapping{{path, account}};
        QCOMPARE(f.service.importQif({path}, mapping).imported, 1);
        QCOMPARE(f.rows(account).value(0).payee, payee);
        // The same fallback on a second run makes it a duplicate.
        QCOMPARE(f.service.importQif({path}, mapping).duplicates, 1);
    }

    void mapsSourcesAndCountsWhatItLeavesOut()
    {
        ImportFixture f;
        const QString visa = f.addAccount(QStringLiteral("Visa"));
        const QString path = f.writeFile(QStringLiteral("mixed.qif"),
                                         "!Type:Bank\nD1/1/2024\nPBefore any account\nT-1\n^\n"
                                         "!Account\nNVisa\n^\n!Type:CCard\nD1/2/2024\nPCard\nT-2\n^\n"
                                         "!Account\nNOld\n^\n!Type:Bank\nD1/3/2024\nPOld one\nT-3\n^\n"
                                         "D1/4/2024\nPOld two\nT-4\n^\n"
                                         "D1/5/2024\nPNo amount\n^\n"
                                         "!Type:Memorized\nPTemplate\nT-9\n^\n");
        const ImportResult result = f.service.importQif({path}, {{QStringLiteral("VISA"), visa}, {QStringLiteral("Old"), QString()}});
        QCOMPARE(result.imported, 1);
        QCOMPARE(result.unmappedSkipped, 3);
        QCOMPARE(result.skipped, 1);
        QCOMPARE(result.metadataSkipped, 1);
        QCOMPARE(f.rows(visa).value(0).payee, QStringLiteral("Card"));
    }

    void createsCategoriesFromListsAndRecords()
    {
        ImportFixture f;
        const QString account = f.addAccount(QStringLiteral("Checking"));
        const QString food = f.addCategory(QStringLiteral("Food"));

        const QString path = f.writeFile(QStringLiteral("cats.qif"),
                                         "!Type:Cat\nNSalary\nI\n^\nNFood\nI\n^\nNSalary\nE\n^\nNUnused\nE\n^\n"
                                         "!Type:Bank\nD1/3/2024\nPShop\nT-3\nLfood\n^\n"
                                         "D1/4/2024\nPShop 2\nT-4\nLFood/Trip\n^\n"
                                         "D1/5/2024\nPWork\nT9\nLSalary\n^\n");
        QCOMPARE(f.service.importQif({path}, {{path, account}}).imported, 3);

        QHash<QString, Category> byName;
        for (const Category &category : f.categories.listAll())
            byName.insert(category.name, category);
        QCOMPARE(byName.size(), 4);
        QCOMPARE(byName.value(QStringLiteral("Salary")).type, CategoryType::Income);
        QCOMPARE(byName.value(QStringLiteral("Unused")).type, CategoryType::Expense);
        QCOMPARE(byName.value(QStringLiteral("food")).type, CategoryType::Expense);
        QCOMPARE(f.rowByPayee(account, QStringLiteral("Shop"))->categoryId, byName.value(QStringLiteral("food")).id);
        QCOMPARE(f.rowByPayee(account, QStringLiteral("Shop 2"))->categoryId, food);
        QCOMPARE(f.rowByPayee(account, QStringLiteral("Work"))->categoryId, byName.value(QStringLiteral("Salary")).id);
    }

    void storesAmountsInTheAccountCurrency()
    {
        ImportFixture f;
        const QString yen = f.addAccount(QStringLiteral("Yen"), Currency::JPY);
        const QString path = f.writeFile(QStringLiteral("yen.qif"),
                                         "!Account\nNYen\n^\n!Type:Bank\nD2024-01-02\nPShop\nT-1,500\nS\n$-1,000\nS\n$-500\n^\n");
        QCOMPARE(f.service.importQif({path}, {{QStringLiteral("yen"), yen}}).imported, 1);
        const Transaction row = f.rows(yen).value(0);
        QCOMPARE(row.amount, qint64(-1500));
        QCOMPARE(sum(f.splitLines.listByTransaction(row.id)), qint64(-1500));
    }

    // A fraction of a yen is no amount of a yen account: skipped and counted,
    // never rounded or stored as 0.
    void skipsYenAmountsWithAFraction()
    {
        ImportFixture f;
        const QString yen = f.addAccount(QStringLiteral("Yen"), Currency::JPY);
        const QString path = f.writeFile(QStringLiteral("yen.qif"),
                                         "!Type:Bank\nD2024-01-02\nPWhole\nT-1200\n^\n"
                                         "D2024-01-03\nPFraction\nT-1200.50\n^\n"
                                         "D2024-01-04\nPComma fraction\nT-1200,5\n^\n"
                                         "D2024-01-05\nPSplit fraction\nT-1000\nS\n$-999.5\nS\n$-0.5\n^\n");
        const ImportResult result = f.service.importQif({path}, {{path, yen}});
        QCOMPARE(result.imported, 1);
        QCOMPARE(result.skipped, 3);
        QCOMPARE(f.rows(yen).size(), 1);
        QCOMPARE(f.rows(yen).value(0).amount, qint64(-1200));
    }

    // Two equal fares on one day are two records; importing the file again
    // adds nothing.
    void duplicatesCountHowOftenARecordOccurs()
    {
        ImportFixture f;
        const QString account = f.addAccount(QStringLiteral("Wallet"));
        const QByteArray fare = "D2024-02-01\nPCity Bus\nT-2.80\n^\n";
        const QString path = f.writeFile(QStringLiteral("fares.qif"), "!Type:Cash\n" + fare + fare + fare);
        const QHash<QString, QString> mapping{{path, account}};
        const ImportResult first = f.service.importQif({path}, mapping);
        QCOMPARE(first.imported, 3);
        QCOMPARE(first.duplicates, 0);
        const ImportResult again = f.service.importQif({path}, mapping);
        QCOMPARE(again.imported, 0);
        QCOMPARE(again.duplicates, 3);

        const QString more = f.writeFile(QStringLiteral("more.qif"), "!Type:Cash\n" + fare + fare + fare + fare);
        const ImportResult fourth = f.service.importQif({more}, {{more, account}});
        QCOMPARE(fourth.imported, 1);
        QCOMPARE(fourth.duplicates, 3);
        QCOMPARE(f.rows(account).size(), 4);
    }

    // The row that carries the splits may say "--Split--" in its category.
    void splitMarkerNamesNoCategory()
    {
        ImportFixture f;
        const QString account = f.addAccount(QStringLiteral("Checking"));
        const QString path = f.writeFile(QStringLiteral("split.qif"),
                                         "!Type:Bank\nD2024-03-01\nPMarket\nT-30\nL--Split--\n"
                                         "SFood\n$-20\nSHome\n$-10\n^\n");
        QCOMPARE(f.service.importQif({path}, {{path, account}}).imported, 1);
        const Transaction row = f.rows(account).value(0);
        QVERIFY(row.categoryId.isEmpty());
        QVERIFY(row.isSplit);
        QCOMPARE(f.splitLines.listByTransaction(row.id).size(), 2);
        QStringList names;
        for (const Category &category : f.categories.listAll())
            names << category.name;
        names.sort();
        QCOMPARE(names, (QStringList{QStringLiteral("Food"), QStringLiteral("Home")}));
    }

    // One leg of a batch pair cannot be stored: the import ends, and the
    // other leg, stored before, goes with it.
    void failedLegEndsTheImportWithItsPartner()
    {
        TwoAccounts t;
        QVERIFY(t.f.store.exec(QStringLiteral("CREATE TEMP TRIGGER fail_savings BEFORE INSERT ON transactions "
                                              "WHEN NEW.account_id = '%1' BEGIN SELECT RAISE(ABORT, 'forced'); END")
                                   .arg(t.savings)));
        const ImportResult result = t.import({"checking.qif", "savings.qif"}, t.both);
        QVERIFY(result.aborted);
        QCOMPARE(result.failureReason, QStringLiteral("forced"));
        QCOMPARE(result.failed, 0);
        QCOMPARE(result.imported, 0);
        QCOMPARE(result.transfersLinked, 0);
        QCOMPARE(t.f.store.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 0);
    }

    // A split record that cannot be stored ends the import: the records
    // before it and the category it created go too.
    void failedSplitRecordEndsTheImportWithItsNewCategory()
    {
        ImportFixture f;
        const QString account = f.addAccount(QStringLiteral("Checking"));
        QVERIFY(f.store.exec(QStringLiteral("CREATE TRIGGER refuse_line BEFORE INSERT ON split_lines "
                                            "WHEN NEW.memo = 'refused' BEGIN SELECT RAISE(ABORT, 'no'); END")));
        const QString path = f.writeFile(QStringLiteral("refused.qif"),
                                         QByteArrayLiteral("!Type:Bank\n"
                                                           "D02/28/2024\nT-5.00\nPBakery\nLFood\n^\n"
                                                           "D03/01/2024\nT-30.00\nPGift shop\n"
                                                           "SPresents\n$-20.00\nSHousehold\nErefused\n$-10.00\n^\n"
                                                           "D03/02/2024\nT-15.00\nPFlorist\nLPresents\n^\n"));
        const ImportResult result = f.service.importQif({path}, {{path, account}});
        QVERIFY(result.aborted);
        QCOMPARE(result.failureReason, QStringLiteral("no"));
        QCOMPARE(result.failed, 0);
        QCOMPARE(result.imported, 0);
        QCOMPARE(f.store.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 0);
        QCOMPARE(f.store.scalar(QStringLiteral("SELECT COUNT(*) FROM split_lines")).toInt(), 0);
        QCOMPARE(f.store.scalar(QStringLiteral("SELECT COUNT(*) FROM categories")).toInt(), 0);
    }

    void holdsBackChangeSignalsUntilTheEnd()
    {
        TwoAccounts t;
        QSignalSpy changed(&t.f.transactions, &TransactionRepository::transactionsChanged);
        QSignalSpy started(&t.f.service, &ImportService::importStarted);
        QSignalSpy progress(&t.f.service, &ImportService::importProgress);
        t.import({"checking.qif", "savings.qif"}, t.both);
        QStringList accounts;
        for (const QList<QVariant> &signal : changed)
            accounts << signal[0].toString();
        accounts.sort();
        QStringList expected{t.checking, t.savings};
        expected.sort();
        QCOMPARE(accounts, expected);
        QCOMPARE(started.size(), 1);
        QCOMPARE(started[0][0].toInt(), 8);
        QCOMPARE(progress.size(), 1);
        QCOMPARE(progress[0][0].toInt(), 8);
    }

    void writesNothingWhenAMappedAccountIsNotLive_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("deleted"); // "checking", "savings" or "missing"

        QTest::newRow("the account the records go into")
            << QStringList{"checking.qif"} << "checking";
        QTest::newRow("the other of two targets")
            << QStringList{"checking.qif", "savings.qif"} << "savings";
        // Checking's transfer would link into savings' rows.
        QTest::newRow("an account only transfers point at")
            << QStringList{"checking.qif"} << "savings";
        QTest::newRow("an account that no longer exists")
            << QStringList{"checking.qif", "savings.qif"} << "missing";
    }

    void writesNothingWhenAMappedAccountIsNotLive()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, deleted);
        TwoAccounts t;
        QHash<QString, QString> mapping = t.both;
        if (deleted == QLatin1String("missing"))
            mapping.insert(QStringLiteral("SAVINGS"), QStringLiteral("no-such-account"));
        else
            QVERIFY(t.f.accounts.softDelete(deleted == QLatin1String("checking") ? t.checking : t.savings));
        const int categoriesBefore = t.f.store.scalar(QStringLiteral("SELECT COUNT(*) FROM categories")).toInt();
        QSignalSpy changed(&t.f.transactions, &TransactionRepository::transactionsChanged);

        const ImportResult result = t.import(files, mapping);
        QVERIFY(result.aborted);
        QVERIFY(result.accountNotLive);
        QCOMPARE(t.f.store.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 0);
        QCOMPARE(t.f.store.scalar(QStringLiteral("SELECT COUNT(*) FROM split_lines")).toInt(), 0);
        QCOMPARE(t.f.store.scalar(QStringLiteral("SELECT COUNT(*) FROM categories")).toInt(), categoriesBefore);
        QCOMPARE(changed.size(), 0);
        QVERIFY(!t.f.store.database->isBulkWriteInProgress());
    }

    // A file past what a line, a record or its splits may hold is refused
    // whole when it is analysed, saying which limit and where, and its import
    // writes nothing. What is read stays bounded by the limits.
    void refusesAFilePastALimitAndWritesNothing_data()
    {
        using Reason = ImportFileRefusal::Reason;
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<Reason>("reason");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("limit");

        const QByteArray good = "!Type:Bank\nD1/2/2024\nPShop\nT-1\n^\n"; // lines 1 to 5
        const QByteArray record = "D1/3/2024\nT-2\n";
        const int lineLimit = int(QifReader::kMaxLineLength);
        const int recordLimit = int(QifReader::kMaxRecordLength);
        const int splitLimit = QifReader::kMaxSplits;
        QTest::newRow("a payee as long as a line may be")
            << good + record + "P" + QByteArray(lineLimit - 1, 'x') + "\n^\n" << Reason::None << 0 << 0;
        QTest::newRow("a payee longer") << good + record + "P" + QByteArray(lineLimit, 'x') + "\n^\n"
                                        << Reason::LineTooLong << 8 << lineLimit;
        QTest::newRow("a category name of 100 KB")
            << "!Type:Cat\nN" + QByteArray(100 * 1024, 'c') + "\n^\n" + good << Reason::LineTooLong << 2 << lineLimit;
        QTest::newRow("a line that never ends")
            << good + QByteArray(3 * lineLimit, ' ') << Reason::LineTooLong << 6 << lineLimit;
        QTest::newRow("a record of long memos")
            << good + "\n\n" + record + QByteArray("M" + QByteArray(lineLimit - 1, 'm') + "\n").repeated(recordLimit / lineLimit)
            << Reason::RecordTooLong << 8 << recordLimit;
        QTest::newRow("as many splits as a record may have")
            << good + record + QByteArray("S\n$-1\n").repeated(splitLimit) + "^\n" << Reason::None << 0 << 0;
        QTest::newRow("a split more")
            << good + record + QByteArray("S\n$-1\n").repeated(splitLimit + 1) + "^\n" << Reason::TooManySplits << 6 << splitLimit;
    }

    void refusesAFilePastALimitAndWritesNothing()
    {
        using Reason = ImportFileRefusal::Reason;
        QFETCH(QByteArray, content);
        QFETCH(Reason, reason);
        QFETCH(int, line);
        QFETCH(int, limit);
        ImportFixture f;
        const QString account = f.addAccount(QStringLiteral("Checking"));
        const QString path = f.writeFile(QStringLiteral("limits.qif"), content);
        const QHash<QString, QString> mapping{{path, account}};

        const QifAnalysis analysis = f.service.analyzeQifFiles({path});
        QCOMPARE(analysis.refusal.reason, reason);
        QCOMPARE(analysis.refusal.line, line);
        QCOMPARE(analysis.refusal.limit, limit);
        if (reason == Reason::None) {
            QCOMPARE(analysis.totalRecords, 2);
            QCOMPARE(f.service.importQif(analysis, mapping).imported, 2);
            return;
        }
        QCOMPARE(analysis.refusal.path, path);
        QVERIFY(analysis.accounts.isEmpty());
        QVERIFY(analysis.files.isEmpty());

        QSignalSpy started(&f.service, &ImportService::importStarted);
        const ImportResult result = f.service.importQif({path}, mapping);
        QVERIFY(result.aborted);
        QCOMPARE(result.refusal.reason, reason);
        QCOMPARE(result.imported, 0);
        QCOMPARE(started.size(), 0);
        QCOMPARE(f.store.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 0);
        QCOMPARE(f.store.scalar(QStringLiteral("SELECT COUNT(*) FROM categories")).toInt(), 0);
    }

    // The import works from what the analysis read: the files are read once,
    // and what is imported is what the user mapped.
    void importsTheRecordsTheAnalysisRead()
    {
        ImportFixture f;
        const QString account = f.addAccount(QStringLiteral("Checking"));
        const QString path = f.writeFile(QStringLiteral("bank.qif"), "D1/2/2024\nPAnalysed\nT-1\n^\n");
        const QifAnalysis analysis = f.service.analyzeQifFiles({path, path});
        QCOMPARE(analysis.totalRecords, 2);
        f.writeFile(QStringLiteral("bank.qif"), "D1/3/2024\nPWritten later\nT-2\n^\n");

        const ImportResult result = f.service.importQif(analysis, {{path, account}});
        QCOMPARE(result.imported, 2);
        const QList<Transaction> rows = f.rows(account);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].payee, QStringLiteral("Analysed"));
        QCOMPARE(rows[1].payee, QStringLiteral("Analysed"));
    }

    void analysisListsSourceAccounts()
    {
        ImportFixture f;
        const QString noHeader = f.writeFile(QStringLiteral("plain.qif"), "D1/2/2024\nT-1\n^\nD1/3/2024\nT-2\n^\n");
        const QString accounts = f.writeFile(
            QStringLiteral("accounts.qif"),
            "!Account\nNHoliday Savings\n^\n!Type:Bank\nD1/2/2024\nT1\n^\n"
            "!Account\nNVisa\n^\n!Type:CCard\nD1/2/2024\nT1\n^\n"
            "!Account\nNMortgage\n^\n!Type:Oth L\nD1/2/2024\nT1\n^\n"
            "!Account\nNHouse\n^\n!Type:Oth A\nD1/2/2024\nT1\n^\n"
            "!Account\nNWallet\n^\n!Type:Cash\nD1/2/2024\nT1\n^\n"
            "!Account\nNEveryday\n^\n!Type:Bank\nD1/2/2024\nT1\n^\n");
        const QifAnalysis analysis = f.service.analyzeQifFiles(
            {noHeader, accounts, f.store.dir.filePath(QStringLiteral("missing.qif")), fixture("checking.qif"),
             fixture("checking.qif")});
        QCOMPARE(analysis.totalRecords, 2 + 6 + 6 + 6);

        QStringList names;
        QList<AccountType> types;
        for (const QifSourceAccount &source : analysis.accounts) {
            names << source.displayName;
            types << source.suggestedType;
        }
        QCOMPARE(names, (QStringList{"plain.qif (no account header)", "Holiday Savings", "Visa", "Mortgage", "House",
                                     "Wallet", "Everyday", "Checking"}));
        QCOMPARE(types, (QList<AccountType>{AccountType::Checking, AccountType::Savings, AccountType::CreditCard,
                                            AccountType::Loan, AccountType::Other, AccountType::Cash,
                                            AccountType::Checking, AccountType::Checking}));
        QCOMPARE(analysis.accounts[0].sourceName, noHeader);
        QVERIFY(analysis.accounts[0].noAccountHeader);
        QVERIFY(!analysis.accounts[1].noAccountHeader);
        // Named by records and splits, each once whatever its letter case.
        QCOMPARE(analysis.transferAccounts, (QStringList{"Savings", "checking", "Brokerage"}));
    }
};

TALLYRA_TEST(QifImportTest)
#include "test_qifimport.moc"
