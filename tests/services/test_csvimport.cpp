#include "importfixture.h"
#include "support/testmain.h"

#include "services/csvparser.h"

#include <QSignalSpy>

using Amounts = QList<qint64>;
using Skips = QList<QPair<int, SkippedRow::Reason>>;
Q_DECLARE_METATYPE(SkippedRow::Reason)

namespace {

CsvImportMapping basicMapping()
{
    CsvImportMapping mapping;
    mapping.dateColumn = 0;
    mapping.payeeColumn = 1;
    mapping.amountColumn = 2;
    return mapping;
}

// One row per amount cell, dated one day apart, in a ";" file.
QByteArray amountFile(const QStringList &cells)
{
    QByteArray content = "Datum;Empfaenger;Betrag\n";
    for (int i = 0; i < cells.size(); ++i)
        content += "2024-05-" + QByteArray::number(10 + i) + ";Shop " + QByteArray::number(i) + ";" + cells[i].toUtf8() + "\n";
    return content;
}

Skips skipsOf(const ImportResult &result)
{
    Skips skips;
    for (const SkippedRow &row : result.skippedRows)
        skips.append({row.row, row.reason});
    return skips;
}

} // namespace

class CsvImportTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void importsMappedColumns()
    {
        ImportFixture f;
        const QString account = f.addAccount(QStringLiteral("Checking"));
        const QString food = f.addCategory(QStringLiteral("Food"));

        const QString path = f.writeFile(QStringLiteral("bank.csv"),
                                         "Category,Date,Amount,Payee,Memo\n"
                                         "Food,2024-03-01,-12.50,Corner Shop,milk\n"
                                         "food,2024-03-02,\"-1,200.00\",\" Rent \"\n"
                                         "Fuel,2024-03-03,-40,Gas One,\n"
                                         "Fuel,2024-03-04,-41,Gas Two,tank\n"
                                         ",2024-03-05,300,Employer,salary\n");
        CsvImportMapping mapping;
        mapping.categoryColumn = 0;
        mapping.dateColumn = 1;
        mapping.amountColumn = 2;
        mapping.payeeColumn = 3;
        mapping.memoColumn = 4;
        mapping.hasHeader = true;
        const ImportResult result = f.service.importCsv(path, account, mapping);
        QCOMPARE(result.imported, 5);
        QCOMPARE(result.skipped, 0);
        QVERIFY(!result.aborted);

        const QList<Transaction> rows = f.rows(account);
        QCOMPARE(rows.size(), 5);
        QCOMPARE(rows[0].payee, QStringLiteral("Corner Shop"));
        QCOMPARE(rows[0].amount, -1250);
        QCOMPARE(rows[0].memo, QStringLiteral("milk"));
        QCOMPARE(rows[0].categoryId, food);
        // The short row keeps its payee and simply has no memo.
        QCOMPARE(rows[1].payee, QStringLiteral("Rent"));
        QCOMPARE(rows[1].amount, -120000);
        QVERIFY(rows[1].memo.isEmpty());
        // Names match with letter case: "food" is a category of its own.
        QVERIFY(rows[1].categoryId != food);
        QCOMPARE(f.category(rows[1].categoryId)->name, QStringLiteral("food"));
        QCOMPARE(rows[2].categoryId, rows[3].categoryId);
        QCOMPARE(f.category(rows[2].categoryId)->type, CategoryType::Expense);
        QVERIFY(rows[4].categoryId.isEmpty());
        QCOMPARE(f.categories.listAll().size(), 3);
        QCOMPARE(rows[0].version, 1);
        QCOMPARE(rows[0].syncStatus, SyncStatus::Pending);
    }

    void readsDates_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QDate>("date"); // invalid: the row is skipped

        QTest::newRow("given format") << "04.03.2024" << "dd.MM.yyyy" << QDate(2024, 3, 4);
        QTest::newRow("given format, iso row") << "2024-03-04" << "dd.MM.yyyy" << QDate(2024, 3, 4);
        QTest::newRow("given two-digit year") << "04.03.24" << "dd.MM.yy" << QDate(2024, 3, 4);
        QTest::newRow("given two-digit year, 1970s") << "04.03.75" << "dd.MM.yy" << QDate(1975, 3, 4);
        QTest::newRow("month first") << "03/04/2024" << "" << QDate(2024, 3, 4);
        QTest::newRow("day above 12") << "13/04/2024" << "" << QDate(2024, 4, 13);
        QTest::newRow("two-digit year") << "01/02/24" << "" << QDate(2024, 1, 2);
        QTest::newRow("two-digit year 69") << "1/2/69" << "" << QDate(2069, 1, 2);
        QTest::newRow("two-digit year 70") << "1/2/70" << "" << QDate(1970, 1, 2);
        QTest::newRow("compact") << "20240304" << "" << QDate(2024, 3, 4);
        QTest::newRow("month name") << "March 4, 2024" << "" << QDate(2024, 3, 4);
        QTest::newRow("short month name") << "Mar 4, 2024" << "" << QDate(2024, 3, 4);
        QTest::newRow("dots without format") << "2024.03.04" << "" << QDate();
        QTest::newRow("no such day") << "02/30/2024" << "" << QDate();
    }

    void readsDates()
    {
        QFETCH(QString, cell);
        QFETCH(QString, format);
        QFETCH(QDate, date);
        ImportFixture f;
        const QString account = f.addAccount(QStringLiteral("Checking"));
        CsvImportMapping mapping = basicMapping();
        mapping.dateFormat = format;
        const QString path = f.writeFile(QStringLiteral("dates.csv"), "\"" + cell.toUtf8() + "\",Shop,-1.00\n");
        const ImportResult result = f.service.importCsv(path, account, mapping);
        QCOMPARE(result.imported + result.skipped, 1);
        QCOMPARE(f.rows(account).value(0).date, date);
    }

    void readsAmountsInTheAccountCurrency_data()
    {
        QTest::addColumn<Currency>("currency");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<qint64>("amount");
        QTest::addColumn<bool>("imported");

        QTest::newRow("dollars") << Currency::USD << "-12.34" << qint64(-1234) << true;
        QTest::newRow("grouped") << Currency::USD << "$1,234.50" << qint64(123450) << true;
        QTest::newRow("yen") << Currency::JPY << "-1500" << qint64(-1500) << true;
        QTest::newRow("yen symbol") << Currency::JPY << "\u00A51,500" << qint64(1500) << true;
        QTest::newRow("zero") << Currency::USD << "0.00" << qint64(0) << true;
        QTest::newRow("letters") << Currency::USD << "n/a" << qint64(0) << false;
        QTest::newRow("empty") << Currency::USD << "" << qint64(0) << false;
        QTest::newRow("not finite") << Currency::USD << "1e400" << qint64(0) << false;
        QTest::newRow("beyond int64") << Currency::USD << "1e17" << qint64(0) << false;
        QTest::newRow("decimal comma") << Currency::USD << "-24,14" << qint64(-2414) << true;
        QTest::newRow("dot groups, comma decimal") << Currency::USD << "1.234,56" << qint64(123456) << true;
        QTest::newRow("comma groups, dot decimal") << Currency::USD << "1,234.56" << qint64(123456) << true;
        QTest::newRow("comma groups only") << Currency::USD << "1,234" << qint64(123400) << true;
        QTest::newRow("parentheses") << Currency::USD << "(12.00)" << qint64(0) << false;
        QTest::newRow("yen with a fraction") << Currency::JPY << "1200.50" << qint64(0) << false;
        QTest::newRow("yen decimal comma") << Currency::JPY << "1200,5" << qint64(0) << false;
        QTest::newRow("int64 min") << Currency::USD << "-92233720368547758.08" << qint64(0) << false;
        QTest::newRow("int64 max") << Currency::USD << "92233720368547758.07" << std::numeric_limits<qint64>::max() << true;
    }

    void readsAmountsInTheAccountCurrency()
    {
        QFETCH(Currency, currency);
        QFETCH(QString, cell);
        QFETCH(qint64, amount);
        QFETCH(bool, imported);
        ImportFixture f;
        const QString account = f.addAccount(QStringLiteral("Wallet"), currency);
        const QString path = f.writeFile(QStringLiteral("amounts.csv"), "2024-05-01,Shop,\"" + cell.toUtf8() + "\"\n");
        const ImportResult result = f.service.importCsv(path, account, basicMapping());
        QCOMPARE(result.imported, imported ? 1 : 0);
        QCOMPARE(result.skipped, imported ? 0 : 1);
        if (imported)
            QCOMPARE(f.rows(account).value(0).amount, amount);
    }

    // The decimal separator is decided once per file: a dot groups
    // thousands in every cell of a file whose amounts use a decimal comma,
    // and only there.
    void readsTheDecimalSeparatorOncePerFile_data()
    {
        QTest::addColumn<Currency>("currency");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<Amounts>("amounts"); // -1 where the row is skipped

        QTest::newRow("-1.450 alone") << Currency::USD << QStringList{"-1.450"} << Amounts{-145};
        QTest::newRow("-1.450 among decimal commas")
            << Currency::USD << QStringList{"5.000,00", "-1.450", "-24,14"} << Amounts{500000, -145000, -2414};
        QTest::newRow("-1.450 before any decimal comma")
            << Currency::USD << QStringList{"-1.450", "-1.450,5", "12"} << Amounts{-145000, -145050, 1200};
        QTest::newRow("-1.450 among decimal points")
            << Currency::USD << QStringList{"-1.450", "12.50", "-24.14"} << Amounts{-145, 1250, -2414};
        // A file that writes decimals both ways decides nothing.
        QTest::newRow("both marks: each cell on its own")
            << Currency::USD << QStringList{"-1.450", "5.000,00", "1,234.5"} << Amounts{-145, 500000, 123450};
        QTest::newRow("1,234 alone") << Currency::USD << QStringList{"1,234"} << Amounts{123400};
        QTest::newRow("1,234 among thousands") << Currency::USD << QStringList{"1,234", "-2,000,000"}
                                               << Amounts{123400, -200000000};
        QTest::newRow("12,50") << Currency::USD << QStringList{"12,50"} << Amounts{1250};
        QTest::newRow("grouped by dots")
            << Currency::USD << QStringList{"1.234.567,89", "-1.000.000", "0,5"} << Amounts{123456789, -100000000, 50};
        QTest::newRow("euro signs") << Currency::EUR << QStringList{"\u20AC5.000,00", "-1.450 \u20AC"}
                                    << Amounts{500000, -145000};
        QTest::newRow("whole yen grouped by dots")
            << Currency::JPY << QStringList{"-1.450", "\u00A5-3.000", "-24,5"} << Amounts{-1450, -3000, -1};
        QTest::newRow("no cell reads twice") << Currency::USD << QStringList{"1,5", "1,2,3", "1.2,3"}
                                             << Amounts{150, -1, 1230};
    }

    void readsTheDecimalSeparatorOncePerFile()
    {
        QFETCH(Currency, currency);
        QFETCH(QStringList, cells);
        QFETCH(Amounts, amounts);
        ImportFixture f;
        const QString account = f.addAccount(QStringLiteral("Wallet"), currency);
        CsvImportMapping mapping = basicMapping();
        mapping.hasHeader = true;
        const ImportResult result =
            f.service.importCsv(f.writeFile(QStringLiteral("amounts.csv"), amountFile(cells)), account, mapping);
        Amounts stored;
        for (int i = 0; i < cells.size(); ++i) {
            const std::optional<Transaction> row = f.rowByPayee(account, QStringLiteral("Shop %1").arg(i));
            stored.append(row ? row->amount : -1);
        }
        QCOMPARE(stored, amounts);
        QCOMPARE(result.skipped, int(amounts.count(-1)));
    }

    // A "Total" or footer row in the date column is skipped and counted; it
    // neither stops the file's date format from being decided nor sways it.
    void skipsRowsWithNoDateWithoutChangingTheDateFormat_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<QDate>>("dates");
        QTest::addColumn<Skips>("skips");

        const QList<QDate> dayFirst{QDate(2024, 12, 3), QDate(2024, 12, 5), QDate(2024, 12, 29)};
        QTest::newRow("total at the end")
            << QByteArray("03/12/2024,A,-1\n05/12/2024,B,-1\n29/12/2024,C,-1\nTotal,,-3\n") << dayFirst
            << Skips{{4, SkippedRow::Reason::UnreadableDate}};
        QTest::newRow("title before the rows")
            << QByteArray("Statement 12/2024,,\n03/12/2024,A,-1\n05/12/2024,B,-1\n29/12/2024,C,-1\n") << dayFirst
            << Skips{{1, SkippedRow::Reason::UnreadableDate}};
        QTest::newRow("blank date and a footer")
            << QByteArray("03/12/2024,A,-1\n,Fee,-2\n05/12/2024,B,-1\n29/12/2024,C,-1\n"
                          "Closing balance,,100\nEnd of statement\n")
            << dayFirst
            << Skips{{2, SkippedRow::Reason::EmptyDate}, {5, SkippedRow::Reason::UnreadableDate},
                     {6, SkippedRow::Reason::NoPayeeCell}};
        QTest::newRow("total among month-first dates")
            << QByteArray("12/03/2024,A,-1\nTotal March,,-1\n12/31/2024,B,-1\n")
            << QList<QDate>{QDate(2024, 12, 3), QDate(2024, 12, 31)} << Skips{{2, SkippedRow::Reason::UnreadableDate}};
    }

    void skipsRowsWithNoDateWithoutChangingTheDateFormat()
    {
        QFETCH(QByteArray, content);
        QFETCH(QList<QDate>, dates);
        QFETCH(Skips, skips);
        ImportFixture f;
        const QString account = f.addAccount(QStringLiteral("Checking"));
        const ImportResult result =
            f.service.importCsv(f.writeFile(QStringLiteral("dates.csv"), content), account, basicMapping());
        QCOMPARE(result.imported, int(dates.size()));
        QCOMPARE(result.skipped, int(skips.size()));
        QCOMPARE(skipsOf(result), skips);
        QList<QDate> stored;
        for (const Transaction &row : f.rows(account))
            stored.append(row.date);
        std::sort(stored.begin(), stored.end());
        QCOMPARE(stored, dates);
    }

    // Each skipped row says what in it did not read; the first five are
    // listed in file order, all are counted.
    void listsTheFirstSkippedRowsWithTheirReason_data()
    {
        QTest::addColumn<Currency>("currency");
        QTest::addColumn<QString>("dateFormat");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("skipped");
        QTest::addColumn<QList<SkippedRow>>("listed");

        const auto row = [](int number, SkippedRow::Reason reason, const QString &cell, int column = -1,
                            const QString &format = QString()) {
            SkippedRow skipped;
            skipped.row = number;
            skipped.reason = reason;
            skipped.cell = cell;
            skipped.column = column;
            skipped.dateFormat = format;
            return skipped;
        };
        using R = SkippedRow::Reason;
        QTest::newRow("dotted dates, automatic")
            << Currency::USD << QString() << QByteArray("Date,Payee,Amount\n29.12.2024,A,-1\n30.12.2024,B,-2\n")
            << 2
            << QList<SkippedRow>{row(2, R::UnreadableDate, "29.12.2024"), row(3, R::UnreadableDate, "30.12.2024")};
        QTest::newRow("date in neither the chosen nor a known format")
            << Currency::USD << QStringLiteral("dd/MM/yyyy") << QByteArray("Date,Payee,Amount\n2024.12.29,A,-1\n")
            << 1 << QList<SkippedRow>{row(2, R::UnreadableDate, "2024.12.29", -1, "dd/MM/yyyy")};
        QTest::newRow("short rows")
            << Currency::USD << QString() << QByteArray("Date,Payee,Amount\n2024-01-02,A\n2024-01-03\n") << 2
            << QList<SkippedRow>{row(2, R::NoAmountCell, "", 2), row(3, R::NoPayeeCell, "", 1)};
        QTest::newRow("empty and unreadable cells")
            << Currency::USD << QString()
            << QByteArray("Date,Payee,Amount\n,A,-1\n2024-01-03,B,\n2024-01-04,C,(5.00)\n2024-01-05,D,$\n")
            << 4
            << QList<SkippedRow>{row(2, R::EmptyDate, ""), row(3, R::EmptyAmount, ""), row(4, R::UnreadableAmount, "(5.00)"),
                                 row(5, R::EmptyAmount, "$")};
        QTest::newRow("yen with decimals")
            << Currency::JPY << QString() << QByteArray("Date,Payee,Amount\n2024-01-02,A,-1500.50\n2024-01-03,B,x\n")
            << 2
            << QList<SkippedRow>{row(2, R::AmountWithDecimals, "-1500.50"), row(3, R::UnreadableAmount, "x")};
        const QString longCell(60, u'7');
        QTest::newRow("long cell cut short")
            << Currency::USD << QString() << QByteArray("Date,Payee,Amount\n2024-01-02,A,") + longCell.toUtf8() + "x\n"
            << 1 << QList<SkippedRow>{row(2, R::UnreadableAmount, longCell.left(40) + QChar(0x2026))};
        QByteArray many = "Date,Payee,Amount\n";
        for (int i = 0; i < 8; ++i)
            many += "2024-01-0" + QByteArray::number(i + 1) + ",Shop,n/a\n";
        QTest::newRow("eight skipped, five listed")
            << Currency::USD << QString() << many << 8
            << QList<SkippedRow>{row(2, R::UnreadableAmount, "n/a"), row(3, R::UnreadableAmount, "n/a"),
                                 row(4, R::UnreadableAmount, "n/a"), row(5, R::UnreadableAmount, "n/a"),
                                 row(6, R::UnreadableAmount, "n/a")};
    }

    void listsTheFirstSkippedRowsWithTheirReason()
    {
        QFETCH(Currency, currency);
        QFETCH(QString, dateFormat);
        QFETCH(QByteArray, content);
        QFETCH(int, skipped);
        QFETCH(QList<SkippedRow>, listed);
        ImportFixture f;
        const QString account = f.addAccount(QStringLiteral("Wallet"), currency);
        CsvImportMapping mapping = basicMapping();
        mapping.hasHeader = true;
        mapping.dateFormat = dateFormat;
        const ImportResult result =
            f.service.importCsv(f.writeFile(QStringLiteral("skips.csv"), content), account, mapping);
        QCOMPARE(result.skipped, skipped);
        QCOMPARE(result.skippedRows.size(), listed.size());
        for (qsizetype i = 0; i < listed.size(); ++i) {
            const SkippedRow &got = result.skippedRows.at(i);
            const SkippedRow &want = listed.at(i);
            QCOMPARE(got.row, want.row);
            QCOMPARE(got.reason, want.reason);
            QCOMPARE(got.cell, want.cell);
            QCOMPARE(got.column, want.column);
            QCOMPARE(got.dateFormat, want.dateFormat);
        }
    }

    // A row longer than the parser takes refuses the whole file before any
    // row is written, good rows before it included.
    void refusesAFileWithATooLongRowAndWritesNothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("line"); // 0: read

        const QByteArray good = "2024-01-02,Shop,-1.00\n2024-01-03,Bus,-2.80\n";
        const qsizetype limit = CsvParser::kMaxRowLength;
        QTest::newRow("one quoted field") << "\"" + QByteArray(limit, 'x') + "\"\n" << 1;
        QTest::newRow("many cells on one line") << good + QByteArray(limit, ',') + "1\n" << 3;
        QTest::newRow("a quote never closed") << good + "2024-01-04,\"Shop,-1\n" + QByteArray(limit, '\n') << 3;
        QTest::newRow("quoted line breaks count")
            << "2024-01-02,Shop,-1\n\n\n2024-01-03,\"" + QByteArray(limit / 2, '\n') + QByteArray(limit / 2, 'y')
                   + "\",-1\n"
            << 4;
        QTest::newRow("exactly the limit is read")
            << good + "2024-01-04,Shop,\"" + QByteArray(limit - 20, ' ') + "-1\"\n" << 0;
        // Characters count, not UTF-16 units: an emoji takes two units.
        const QByteArray emoji = "\xF0\x9F\x98\x80";
        QTest::newRow("emoji below the limit in characters")
            << good + "2024-01-04,\"" + emoji.repeated(600000) + "\",-1\n" << 0;
        QTest::newRow("emoji past the limit in characters")
            << good + "2024-01-04,\"" + emoji.repeated(limit) + "\",-1\n" << 3;
    }

    void refusesAFileWithATooLongRowAndWritesNothing()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, line);
        ImportFixture f;
        const QString account = f.addAccount(QStringLiteral("Checking"));
        QSignalSpy started(&f.service, &ImportService::importStarted);
        QSignalSpy changed(&f.transactions, &TransactionRepository::transactionsChanged);
        const ImportResult result =
            f.service.importCsv(f.writeFile(QStringLiteral("long.csv"), content), account, basicMapping());
        QCOMPARE(result.refusal.line, line);
        QCOMPARE(result.refusal.reason,
                 line > 0 ? ImportFileRefusal::Reason::RowTooLong : ImportFileRefusal::Reason::None);
        QCOMPARE(result.aborted, line > 0);
        if (line == 0) {
            QCOMPARE(result.imported, 3);
            QVERIFY(!result.aborted);
            return;
        }
        QCOMPARE(result.imported, 0);
        QCOMPARE(result.skipped, 0);
        QCOMPARE(f.store.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 0);
        QCOMPARE(started.size(), 0);
        QCOMPARE(changed.size(), 0);
        QVERIFY(!f.store.database->isBulkWriteInProgress());
    }

    // A file larger than an import reads is refused before a byte of it is
    // read, and nothing is written: a sparse file of 16 GiB takes no memory.
    void refusesAFileLargerThanTheLimitUnread_data()
    {
        QTest::addColumn<qint64>("size");

        QTest::newRow("one byte over") << kMaxImportFileSize + 1;
        QTest::newRow("16 GiB") << (qint64(16) << 30);
    }

    void refusesAFileLargerThanTheLimitUnread()
    {
        QFETCH(qint64, size);
        ImportFixture f;
        const QString account = f.addAccount(QStringLiteral("Checking"));
        const QString path = f.writeFile(QStringLiteral("sparse.csv"), "2024-01-02,Shop,-1.00\n");
        QFile file(path);
        if (!file.open(QIODevice::ReadWrite) || !file.resize(size))
            QSKIP("this file system makes no sparse file of that size");
        file.close();
        QSignalSpy started(&f.service, &ImportService::importStarted);

        const ImportResult result = f.service.importCsv(path, account, basicMapping());
        QVERIFY(result.aborted);
        QCOMPARE(result.refusal.reason, ImportFileRefusal::Reason::TooLarge);
        QCOMPARE(result.refusal.path, path);
        QCOMPARE(result.imported, 0);
        QCOMPARE(started.size(), 0);
        QCOMPARE(f.store.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 0);
    }

    // A NUL would cut the text short wherever it is read: no imported text
    // holds one, whichever column it came in.
    void importedTextHoldsNoNul()
    {
        ImportFixture f;
        const QString account = f.addAccount(QStringLiteral("Checking"));
        const QByteArray content("2024-03-01,Corner\0 Shop,-12.50,mi\0lk,Fo\0od\n"
                                 "2024-03\0-02,\0\0,-1\0.00,\0,\0\n",
                                 69);
        CsvImportMapping mapping = basicMapping();
        mapping.memoColumn = 3;
        mapping.categoryColumn = 4;
        const ImportResult result = f.service.importCsv(f.writeFile(QStringLiteral("nul.csv"), content), account, mapping);
        QCOMPARE(result.imported, 2);

        const QList<Transaction> rows = f.rows(account);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].payee, QStringLiteral("Corner Shop"));
        QCOMPARE(rows[0].memo, QStringLiteral("milk"));
        QCOMPARE(f.category(rows[0].categoryId)->name, QStringLiteral("Food"));
        QCOMPARE(rows[1].date, QDate(2024, 3, 2));
        QCOMPARE(rows[1].amount, -100);
        QVERIFY(rows[1].payee.isEmpty());
        QVERIFY(rows[1].memo.isEmpty());
        QVERIFY(rows[1].categoryId.isEmpty());
    }

    void skipsDuplicatesWithinAFileAndOnReimport()
    {
        ImportFixture f;
        const QString account = f.addAccount(QStringLiteral("Checking"));
        const QString other = f.addAccount(QStringLiteral("Other"));
        const QString path = f.writeFile(QStringLiteral("dups.csv"),
                                         "2024-01-05,Coffee,-3.00\n"
                                         "2024-01-05,Coffee,-3.00\n"
                                         "2024-01-05,coffee,-3.00\n"
                                         "2024-01-05,Coffee,-3.50\n"
                                         "2024-01-06,Coffee,-3.00\n"
                                         "short,row\n");
        // Two equal fares on one day are two rows.
        ImportResult first = f.service.importCsv(path, account, basicMapping());
        QCOMPARE(first.imported, 5);
        QCOMPARE(first.duplicates, 0);
        QCOMPARE(first.skipped, 1);

        ImportResult second = f.service.importCsv(path, account, basicMapping());
        QCOMPARE(second.imported, 0);
        QCOMPARE(second.duplicates, 5);
        QCOMPARE(f.rows(account).size(), 5);

        // Keys belong to one account.
        QCOMPARE(f.service.importCsv(path, other, basicMapping()).imported, 5);

        // A file holding a row three times where the account holds it twice
        // adds the one that is missing.
        const QString three = f.writeFile(QStringLiteral("three.csv"),
                                          "2024-01-05,Coffee,-3.00\n2024-01-05,Coffee,-3.00\n2024-01-05,Coffee,-3.00\n");
        const ImportResult third = f.service.importCsv(three, account, basicMapping());
        QCOMPARE(third.imported, 1);
        QCOMPARE(third.duplicates, 2);
    }

    // Whatever the line ends and separator, a bank's file gives the same rows.
    void readsLineEndsAndSeparators_data()
    {
        QTest::addColumn<QByteArray>("content");

        QTest::newRow("lf") << QByteArray("Date,Payee,Amount\n2024-03-01,Bakery,-4.50\n2024-03-02,\"Shop, Inc\",-1234.56\n");
        QTest::newRow("crlf") << QByteArray("Date,Payee,Amount\r\n2024-03-01,Bakery,-4.50\r\n2024-03-02,\"Shop, Inc\",-1234.56\r\n");
        QTest::newRow("cr only") << QByteArray("Date,Payee,Amount\r2024-03-01,Bakery,-4.50\r2024-03-02,\"Shop, Inc\",-1234.56\r");
        QTest::newRow("semicolons, decimal comma")
            << QByteArray("Date;Payee;Amount\r\n2024-03-01;Bakery;-4,50\r\n2024-03-02;Shop, Inc;-1.234,56\r\n");
        QTest::newRow("tabs") << QByteArray("Date\tPayee\tAmount\n2024-03-01\tBakery\t-4.50\n2024-03-02\tShop, Inc\t\"-1,234.56\"\n");
        QTest::newRow("bom, cr, no final line end")
            << QByteArray("\xEF\xBB\xBF" "Date;Payee;Amount\r2024-03-01;Bakery;-4,50\r2024-03-02;Shop, Inc;-1234,56");
    }

    void readsLineEndsAndSeparators()
    {
        QFETCH(QByteArray, content);
        ImportFixture f;
        const QString account = f.addAccount(QStringLiteral("Checking"));
        CsvImportMapping mapping = basicMapping();
        mapping.hasHeader = true;
        const ImportResult result = f.service.importCsv(f.writeFile(QStringLiteral("bank.csv"), content), account, mapping);
        QCOMPARE(result.imported, 2);
        QCOMPARE(result.skipped, 0);
        const QList<Transaction> rows = f.rows(account);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].date, QDate(2024, 3, 1));
        QCOMPARE(rows[0].payee, QStringLiteral("Bakery"));
        QCOMPARE(rows[0].amount, -450);
        QCOMPARE(rows[1].payee, QStringLiteral("Shop, Inc"));
        QCOMPARE(rows[1].amount, -123456);
    }

    // Automatic dates are decided once per file: the early rows could be read
    // month first, the later ones only day first.
    void readsAllDatesOfAFileTheSameWay_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<QDate>>("dates");

        QTest::newRow("day first") << QByteArray("03/04/2024,A,-1\n05/04/2024,B,-1\n13/04/2024,C,-1\n")
                                   << QList<QDate>{QDate(2024, 4, 3), QDate(2024, 4, 5), QDate(2024, 4, 13)};
        QTest::newRow("month first") << QByteArray("03/04/2024,A,-1\n05/04/2024,B,-1\n12/31/2024,C,-1\n")
                                     << QList<QDate>{QDate(2024, 3, 4), QDate(2024, 5, 4), QDate(2024, 12, 31)};
        QTest::newRow("short and long forms") << QByteArray("3/4/2024,A,-1\n03/14/2024,B,-1\n")
                                              << QList<QDate>{QDate(2024, 3, 4), QDate(2024, 3, 14)};
        // No one format reads them all: each row is read on its own.
        QTest::newRow("mixed forms") << QByteArray("2024-04-03,A,-1\n13/04/2024,B,-1\n")
                                     << QList<QDate>{QDate(2024, 4, 3), QDate(2024, 4, 13)};
    }

    void readsAllDatesOfAFileTheSameWay()
    {
        QFETCH(QByteArray, content);
        QFETCH(QList<QDate>, dates);
        ImportFixture f;
        const QString account = f.addAccount(QStringLiteral("Checking"));
        CsvImportMapping mapping = basicMapping();
        mapping.dateFormat.clear();
        QCOMPARE(f.service.importCsv(f.writeFile(QStringLiteral("dates.csv"), content), account, mapping).imported,
                 int(dates.size()));
        QList<QDate> stored;
        for (const Transaction &row : f.transactions.listByAccount(account))
            stored.prepend(row.date);
        std::sort(stored.begin(), stored.end());
        QCOMPARE(stored, dates);
    }

    void reportsProgressAndHoldsBackChangeSignals()
    {
        ImportFixture f;
        const QString account = f.addAccount(QStringLiteral("Checking"));
        QByteArray content = "Date,Payee,Amount\n";
        for (int i = 0; i < 250; ++i)
            content += "2024-02-01,Payee " + QByteArray::number(i) + ",-1.00\n";
        const QString path = f.writeFile(QStringLiteral("many.csv"), content);
        CsvImportMapping mapping = basicMapping();
        mapping.hasHeader = true;

        QSignalSpy started(&f.service, &ImportService::importStarted);
        QSignalSpy progress(&f.service, &ImportService::importProgress);
        QSignalSpy changed(&f.transactions, &TransactionRepository::transactionsChanged);
        int progressBeforeChange = -1;
        connect(&f.transactions, &TransactionRepository::transactionsChanged, this,
                [&] { progressBeforeChange = int(progress.size()); });

        QCOMPARE(f.service.importCsv(path, account, mapping).imported, 250);
        QCOMPARE(started.size(), 1);
        QCOMPARE(started[0][0].toInt(), 250);
        QList<QPair<int, int>> steps;
        for (const QList<QVariant> &step : progress)
            steps.append({step[0].toInt(), step[1].toInt()});
        QCOMPARE(steps, (QList<QPair<int, int>>{{100, 250}, {200, 250}, {250, 250}}));
        // One signal for the account, after the writes were committed.
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][0].toString(), account);
        QVERIFY(progressBeforeChange >= 2);
        QVERIFY(!f.store.database->isBulkWriteInProgress());
    }

    void headerOnlyFileAndMissingFile()
    {
        ImportFixture f;
        const QString account = f.addAccount(QStringLiteral("Checking"));
        CsvImportMapping mapping = basicMapping();
        mapping.hasHeader = true;
        QSignalSpy started(&f.service, &ImportService::importStarted);
        QSignalSpy progress(&f.service, &ImportService::importProgress);

        const ImportResult empty =
            f.service.importCsv(f.writeFile(QStringLiteral("header.csv"), "Date,Payee,Amount\n"), account, mapping);
        QCOMPARE(empty.imported + empty.skipped + empty.duplicates, 0);
        QCOMPARE(started.size(), 1);
        QCOMPARE(started[0][0].toInt(), 0);
        QCOMPARE(progress.size(), 1);
        QCOMPARE(progress[0][0].toInt(), 0);

        const ImportResult missing = f.service.importCsv(f.store.dir.filePath(QStringLiteral("none.csv")), account, mapping);
        QCOMPARE(missing.imported + missing.skipped, 0);
        QVERIFY(!missing.aborted);
        QCOMPARE(started.size(), 1);
    }

    // A row the store refuses ends the import: the rows before it go too,
    // and the rows after it are not tried.
    void aFailedInsertEndsTheImportAndKeepsNothing()
    {
        ImportFixture f;
        const QString account = f.addAccount(QStringLiteral("Checking"));
        QVERIFY(f.store.exec(QStringLiteral("CREATE TEMP TRIGGER fail_coffee BEFORE INSERT ON transactions "
                                            "WHEN NEW.payee = 'Coffee' BEGIN SELECT RAISE(ABORT, 'forced'); END")));
        const QString path = f.writeFile(QStringLiteral("bank.csv"), "2024-01-04,Bread,-1.00,Food\n"
                                                                     "2024-01-05,Coffee,-3.00,Drinks\n"
                                                                     "2024-01-05,Tea,-2.00,Drinks\n");
        CsvImportMapping mapping = basicMapping();
        mapping.categoryColumn = 3;
        QSignalSpy changed(&f.transactions, &TransactionRepository::transactionsChanged);
        const ImportResult result = f.service.importCsv(path, account, mapping);
        QVERIFY(result.aborted);
        QCOMPARE(result.failureReason, QStringLiteral("forced"));
        QCOMPARE(result.imported, 0);
        QCOMPARE(result.failed, 0);
        QCOMPARE(f.store.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 0);
        QCOMPARE(f.store.scalar(QStringLiteral("SELECT COUNT(*) FROM categories")).toInt(), 0);
        QCOMPARE(changed.size(), 0);
        QVERIFY(!f.store.database->isBulkWriteInProgress());
    }

    void writesNothingIntoAnAccountThatIsNotLive_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("deleted after the file was chosen") << "deleted";
        QTest::newRow("no such account") << "missing";
        QTest::newRow("no account") << "";
    }

    void writesNothingIntoAnAccountThatIsNotLive()
    {
        QFETCH(QString, target);
        ImportFixture f;
        QString accountId = target;
        if (target == QLatin1String("deleted")) {
            accountId = f.addAccount(QStringLiteral("Checking"));
            QVERIFY(f.accounts.softDelete(accountId));
        }
        const QString path = f.writeFile(QStringLiteral("bank.csv"), "2024-01-05,Coffee,-3.00\n2024-01-06,Bus,-2.80\n");
        QSignalSpy progress(&f.service, &ImportService::importProgress);
        QSignalSpy changed(&f.transactions, &TransactionRepository::transactionsChanged);

        const ImportResult result = f.service.importCsv(path, accountId, basicMapping());
        QVERIFY(result.aborted);
        QVERIFY(result.accountNotLive);
        QCOMPARE(result.imported, 0);
        QCOMPARE(result.failed, 0);
        QCOMPARE(f.store.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 0);
        QCOMPARE(changed.size(), 0);
        // The progress dialog is told that the run is over.
        QCOMPARE(progress.size(), 1);
        QVERIFY(!f.store.database->isBulkWriteInProgress());
    }
};

TALLYRA_TEST(CsvImportTest)
#include "test_csvimport.moc"
