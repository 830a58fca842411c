#include "support/testmain.h"

#include "services/qifparser.h"

using OptionalCents = std::optional<qint64>;
Q_DECLARE_METATYPE(QifDateOrder)
Q_DECLARE_METATYPE(OptionalCents)

namespace {

QString lines(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *line : list)
        result << QString::fromUtf8(line);
    return result.join(u'\n');
}

// Text that may hold NUL characters, all of the literal.
template <qsizetype size> QString withNul(const char16_t (&text)[size])
{
    return QString::fromUtf16(text, size - 1);
}

} // namespace

class QifParserTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsDates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QifDateOrder>("order");
        QTest::addColumn<QDate>("date");

        const auto month = QifDateOrder::MonthFirst;
        const auto day = QifDateOrder::DayFirst;
        const auto automatic = QifDateOrder::Auto;
        QTest::newRow("month first") << "03/04/2024" << month << QDate(2024, 3, 4);
        QTest::newRow("day first") << "03/04/2024" << day << QDate(2024, 4, 3);
        QTest::newRow("auto, small day") << "03/04/2024" << automatic << QDate(2024, 3, 4);
        QTest::newRow("auto, day above 12") << "13/04/2024" << automatic << QDate(2024, 4, 13);
        QTest::newRow("apostrophe form") << "10/ 5'20" << month << QDate(2020, 10, 5);
        QTest::newRow("apostrophe, one digit") << " 1/ 2' 5" << month << QDate(2005, 1, 2);
        QTest::newRow("year first") << "2024-03-04" << day << QDate(2024, 3, 4);
        QTest::newRow("dots") << "4.3.2024" << day << QDate(2024, 3, 4);
        QTest::newRow("two-digit 69") << "1/2/69" << month << QDate(2069, 1, 2);
        QTest::newRow("two-digit 70") << "1/2/70" << month << QDate(1970, 1, 2);
        QTest::newRow("two-digit 99") << "12/31/99" << month << QDate(1999, 12, 31);
        QTest::newRow("no such day") << "2/30/2024" << month << QDate();
        QTest::newRow("month 13 month first") << "13/04/2024" << month << QDate();
        QTest::newRow("two parts") << "3/4" << month << QDate();
        QTest::newRow("letters") << "Mar/4/2024" << month << QDate();
        QTest::newRow("empty") << "" << month << QDate();
    }

    void readsDates()
    {
        QFETCH(QString, text);
        QFETCH(QifDateOrder, order);
        QFETCH(QDate, date);
        QCOMPARE(QifParser::parseDate(text, order).value_or(QDate()), date);
    }

    void readsAmounts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<OptionalCents>("cents");

        QTest::newRow("plain") << "-42.10" << OptionalCents(-4210);
        QTest::newRow("decimal comma") << "1,5" << OptionalCents(150);
        QTest::newRow("european grouping") << "1.234,56" << OptionalCents(123456);
        QTest::newRow("us grouping") << "1,234.56" << OptionalCents(123456);
        QTest::newRow("three after a point") << "1.234" << OptionalCents(123400);
        QTest::newRow("three after a comma") << "1,234" << OptionalCents(123400);
        QTest::newRow("zero point 123") << "0.123" << OptionalCents(12300);
        QTest::newRow("leading point") << ".123" << OptionalCents(12);
        QTest::newRow("groups of millions") << "1.234.567" << OptionalCents(123456700);
        QTest::newRow("indian grouping") << "1,23,456" << OptionalCents();
        QTest::newRow("long first group") << "1234,567" << OptionalCents();
        QTest::newRow("parentheses") << "(12.50)" << OptionalCents(-1250);
        QTest::newRow("minus in parentheses") << "(-5)" << OptionalCents(500);
        QTest::newRow("currency and spaces") << "-$ 1,000.00" << OptionalCents(-100000);
        QTest::newRow("euro") << "\u20AC 12,00" << OptionalCents(1200);
        QTest::newRow("plus") << "+7" << OptionalCents(700);
        QTest::newRow("half cent rounds away") << "-0.0050" << OptionalCents(-1);
        QTest::newRow("below half a cent") << "0.0049" << OptionalCents(0);
        QTest::newRow("largest amount") << "92233720368547758.07" << OptionalCents(std::numeric_limits<qint64>::max());
        QTest::newRow("one cent more") << "92233720368547758.08" << OptionalCents();
        QTest::newRow("int64 min") << "-92233720368547758.08" << OptionalCents();
        QTest::newRow("int64 min in parentheses") << "(92233720368547758.08)" << OptionalCents();
        QTest::newRow("smallest amount") << "-92233720368547758.07" << OptionalCents(-std::numeric_limits<qint64>::max());
        QTest::newRow("german decimal comma") << "-24,14" << OptionalCents(-2414);
        QTest::newRow("exponent") << "1e5" << OptionalCents();
        QTest::newRow("too large") << "99999999999999999999" << OptionalCents();
        QTest::newRow("lone point") << "." << OptionalCents();
        QTest::newRow("only a sign") << "$" << OptionalCents();
        QTest::newRow("empty") << "" << OptionalCents();
    }

    void readsAmounts()
    {
        QFETCH(QString, text);
        QFETCH(OptionalCents, cents);
        QCOMPARE(QifParser::parseAmount(text), cents);
    }

    void splitsCategoryAndTransfer_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("transfer");

        QTest::newRow("transfer with class") << "[Savings]/Home" << "" << "Savings";
        QTest::newRow("category with class") << "Food/Trip" << "Food" << "";
        QTest::newRow("colon kept") << "Auto:Fuel" << "Auto:Fuel" << "";
        QTest::newRow("spaces in brackets") << " [ Cash ] " << "" << "Cash";
        QTest::newRow("empty") << "" << "" << "";
        QTest::newRow("split marker") << "--Split--" << "" << "";
        QTest::newRow("split marker with class") << "--Split--/Trip" << "" << "";
    }

    void splitsCategoryAndTransfer()
    {
        QFETCH(QString, text);
        QFETCH(QString, category);
        QFETCH(QString, transfer);
        const auto [gotCategory, gotTransfer] = QifParser::splitCategoryClass(text);
        QCOMPARE(gotCategory, category);
        QCOMPARE(gotTransfer, transfer);
    }

    void readsClearedMarks_data()
    {
        QTest::addColumn<QString>("mark");
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<bool>("reconciled");

        for (const char *mark : {"*", "x", "X", "c"})
            QTest::newRow(mark) << QString::fromLatin1(mark) << true << false;
        QTest::newRow("r") << "r" << true << true;
        QTest::newRow("R") << "R" << true << true;
        QTest::newRow("other") << "?" << false << false;
    }

    void readsClearedMarks()
    {
        QFETCH(QString, mark);
        QFETCH(bool, cleared);
        QFETCH(bool, reconciled);
        const QifParseResult result = QifParser::parse(QStringLiteral("D1/2/2024\nT-1\nC") + mark + u"\n^");
        QCOMPARE(result.transactions.size(), 1);
        QCOMPARE(result.transactions[0].cleared, cleared);
        QCOMPARE(result.transactions[0].reconciled, reconciled);
    }

    void oneDayAbove12MakesTheWholeFileDayFirst()
    {
        const QifParseResult result = QifParser::parse(lines({"!Type:Bank", "D03/04/2024", "T1", "^",
                                                              "D13/04/2024", "T2", "^"}));
        QCOMPARE(result.dateOrder, QifDateOrder::DayFirst);
        QCOMPARE(result.transactions[0].date, QDate(2024, 4, 3));
        QCOMPARE(result.transactions[1].date, QDate(2024, 4, 13));

        const QifParseResult monthFirst = QifParser::parse(lines({"D03/04/2024", "T1", "^", "D2024-12-31", "T1"}));
        QCOMPARE(monthFirst.dateOrder, QifDateOrder::MonthFirst);
        QCOMPARE(monthFirst.transactions[0].date, QDate(2024, 3, 4));
    }

    void filesRecordsUnderAccountsAndSkipsOtherSections()
    {
        const QifParseResult result = QifParser::parse(lines({
            "\xEF\xBB\xBF!Option:AutoSwitch",
            "!Account",
            "NVisa",
            "TCCard",
            "^",
            "!Type:CCard",
            "D1/5/2024",
            "PStore",
            "T-10.00",
            "^",
            "!Account",
            "Nvisa",
            "^",
            "!Type:Bank",
            "D1/6/2024",
            "PNo amount",
            "^",
            "D2/30/2024",
            "T-1",
            "^",
            "!Type:Memorized",
            "PTemplate",
            "T-5",
            "^",
            "!Type:Cat",
            "NSalary",
            "I",
            "^",
            "NFood",
            "DGroceries",
            "E",
            "^",
            "!Type:Class",
            "NHome",
            "^",
            "!Account",
            "NSavings",
            "^",
            "!Type:Bank",
            "D1/7/2024",
            "PInterest",
            "U1.25",
            "MJanuary",
            "N1042",
            "ZUnknown code",
            "LInterest Inc",
            // No closing mark: the record is still filed, and the header it
            // would have needed is not required.
        }));
        QCOMPARE(result.transactions.size(), 2);
        QCOMPARE(result.transactions[0].sourceAccount, QStringLiteral("Visa"));
        QCOMPARE(result.transactions[0].amount, -1000);
        const QifTransaction &interest = result.transactions[1];
        QCOMPARE(interest.sourceAccount, QStringLiteral("Savings"));
        QCOMPARE(interest.amount, 125);
        QCOMPARE(interest.memo, QStringLiteral("January"));
        QCOMPARE(interest.checkNumber, QStringLiteral("1042"));
        QCOMPARE(interest.category, QStringLiteral("Interest Inc"));

        QCOMPARE(result.unparseableCount, 2);
        // The memorized template and the class entry.
        QCOMPARE(result.metadataCount, 2);
        QCOMPARE(result.accounts.size(), 2);
        QCOMPARE(result.accounts[0].name, QStringLiteral("Visa"));
        QCOMPARE(result.accounts[0].kind, QifAccountKind::CreditCard);
        QCOMPARE(result.accounts[1].kind, QifAccountKind::Bank);
        QCOMPARE(result.categories.size(), 2);
        QCOMPARE(result.categories[0].name, QStringLiteral("Salary"));
        QVERIFY(result.categories[0].isIncome);
        QCOMPARE(result.categories[1].description, QStringLiteral("Groceries"));
        QVERIFY(!result.categories[1].isIncome);
    }

    void headerFilesTheOpenRecordFirst()
    {
        const QifParseResult result =
            QifParser::parse(lines({"D1/2/2024", "T-3", "PNo header", "!Type:Memorized", "PTemplate", "T-5"}));
        QCOMPARE(result.transactions.size(), 1);
        QCOMPARE(result.transactions[0].payee, QStringLiteral("No header"));
        QVERIFY(result.transactions[0].sourceAccount.isEmpty());
        QVERIFY(result.accounts.isEmpty());
        QCOMPARE(result.metadataCount, 1);
    }

    void keepsSplitsInOrderIncludingBlankCategories()
    {
        const QifParseResult result = QifParser::parse(lines({
            "!Type:Bank",
            "D1/9/2024",
            "PMarket",
            "T-60.00",
            "L--Split--",
            "S",
            "$-10.00",
            "SFood",
            "EGroceries",
            "$-20.00",
            "S[Savings]",
            "$-30.00",
            "SBad amount",
            "$abc",
            "^",
        }));
        QCOMPARE(result.transactions.size(), 1);
        const QifTransaction &record = result.transactions[0];
        QCOMPARE(record.amount, -6000);
        QCOMPARE(record.splits.size(), 4);
        QVERIFY(record.splits[0].category.isEmpty());
        QVERIFY(record.splits[0].transferAccount.isEmpty());
        QCOMPARE(record.splits[0].amount, -1000);
        QCOMPARE(record.splits[1].category, QStringLiteral("Food"));
        QCOMPARE(record.splits[1].memo, QStringLiteral("Groceries"));
        QCOMPARE(record.splits[2].transferAccount, QStringLiteral("Savings"));
        QCOMPARE(record.splits[2].amount, -3000);
        QCOMPARE(record.splits[3].amount, 0);
    }

    // A NUL would cut the text short wherever it is read: no text of the
    // parse holds one, whichever line it came in.
    void dropsNulCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");

        QTest::newRow("payee") << withNul(u"D1/2/2024\nT-1\nPCor\0ner Shop\0\n^") << "payee" << "Corner Shop";
        QTest::newRow("memo") << withNul(u"D1/2/2024\nT-1\nM\0milk\n^") << "memo" << "milk";
        QTest::newRow("category") << withNul(u"D1/2/2024\nT-1\nLFo\0od\n^") << "category" << "Food";
        QTest::newRow("transfer") << withNul(u"D1/2/2024\nT-1\nL[Sav\0ings]\n^") << "transfer" << "Savings";
        QTest::newRow("split") << withNul(u"D1/2/2024\nT-1\nSFo\0od\nEbre\0ad\n$-1\n^") << "split" << "Food bread";
        QTest::newRow("account") << withNul(u"!Account\nNVi\0sa\n^\n!Type:CCard\nD1/2/2024\nT-1\n^") << "account"
                                 << "Visa";
        QTest::newRow("category list") << withNul(u"!Type:Cat\nNSal\0ary\nDMonth\0ly\nI\n^") << "list"
                                       << "Salary Monthly";
        QTest::newRow("in a code and a date") << withNul(u"\0D1/2/\0" "2024\nT\0-1\nPShop\n^") << "payee"
                                              << "Shop";
    }

    void dropsNulCharacters()
    {
        QFETCH(QString, text);
        QFETCH(QString, field);
        QFETCH(QString, value);
        const QifParseResult result = QifParser::parse(text);
        QString got;
        if (field == QLatin1String("list")) {
            QCOMPARE(result.categories.size(), 1);
            got = result.categories[0].name + u' ' + result.categories[0].description;
        } else {
            QCOMPARE(result.transactions.size(), 1);
            const QifTransaction &record = result.transactions[0];
            if (field == QLatin1String("payee"))
                got = record.payee;
            else if (field == QLatin1String("memo"))
                got = record.memo;
            else if (field == QLatin1String("category"))
                got = record.category;
            else if (field == QLatin1String("transfer"))
                got = record.transferAccount;
            else if (field == QLatin1String("split"))
                got = record.splits.value(0).category + u' ' + record.splits.value(0).memo;
            else
                got = record.sourceAccount + (result.accounts.size() == 1 ? QString() : QStringLiteral(" (no entry)"));
        }
        QCOMPARE(got, value);
    }

    void readsTransferHints_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("rest");

        QTest::newRow("hint and memo") << "[\u2192 Savings] rent" << true << "Savings" << "rent";
        QTest::newRow("hint alone") << "[\u2192 Savings]" << true << "Savings" << "";
        QTest::newRow("one space taken") << "[\u2192 A]  two" << true << "A" << " two";
        QTest::newRow("empty name") << "[\u2192 ] x" << false << "" << "";
        QTest::newRow("no arrow") << "[Savings] x" << false << "" << "";
        QTest::newRow("not closed") << "[\u2192 Savings" << false << "" << "";
    }

    void readsTransferHints()
    {
        QFETCH(QString, memo);
        QFETCH(bool, ok);
        QFETCH(QString, name);
        QFETCH(QString, rest);
        const TransferHint hint = QifParser::parseTransferHint(memo);
        QCOMPARE(hint.ok, ok);
        QCOMPARE(hint.name, name);
        QCOMPARE(hint.rest, rest);
        if (ok)
            QCOMPARE(QifParser::parseTransferHint(QifParser::transferLabel(name) + u' ' + rest).rest, rest);
    }
};

TALLYRA_TEST(QifParserTest)
#include "test_qifparser.moc"
