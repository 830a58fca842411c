#include "support/testmain.h"

#include "data/money.h"

class MoneyTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void format_data()
    {
        QTest::addColumn<qint64>("amount");
        QTest::addColumn<int>("currency");
        QTest::addColumn<QString>("money");
        QTest::addColumn<QString>("amountText");

        QTest::newRow("zero") << qint64(0) << int(Currency::USD) << "$0.00" << "0.00";
        QTest::newRow("five cents owed") << qint64(-5) << int(Currency::USD) << "-$0.05" << "-0.05";
        QTest::newRow("grouped") << qint64(123456789) << int(Currency::USD) << "$1,234,567.89" << "1,234,567.89";
        QTest::newRow("euro") << qint64(100) << int(Currency::EUR) << QStringLiteral("\u20AC1.00") << "1.00";
        QTest::newRow("pound") << qint64(-123405) << int(Currency::GBP) << QStringLiteral("-\u00A31,234.05")
                               << "-1,234.05";
        QTest::newRow("yen has no decimals") << qint64(1500) << int(Currency::JPY) << QStringLiteral("\u00A51,500")
                                             << "1,500";
        QTest::newRow("negative yen") << qint64(-1500) << int(Currency::JPY) << QStringLiteral("-\u00A51,500")
                                      << "-1,500";
        QTest::newRow("canadian dollar") << qint64(7) << int(Currency::CAD) << "$0.07" << "0.07";
        QTest::newRow("most negative amount")
            << std::numeric_limits<qint64>::min() << int(Currency::USD) << "-$92,233,720,368,547,758.08"
            << "-92,233,720,368,547,758.08";
    }

    void format()
    {
        QFETCH(qint64, amount);
        QFETCH(int, currency);
        QFETCH(QString, money);
        QFETCH(QString, amountText);
        QCOMPARE(formatMoney(amount, Currency(currency)), money);
        QCOMPARE(formatAmount(amount, Currency(currency)), amountText);
    }

    void signedFormatting_data()
    {
        constexpr qint64 lowest = std::numeric_limits<qint64>::min();
        QTest::addColumn<qint64>("amount");
        QTest::addColumn<bool>("negate");
        QTest::addColumn<QString>("money");
        QTest::addColumn<QString>("amountText");

        QTest::newRow("negated") << qint64(250) << true << "-$2.50" << "-2.50";
        QTest::newRow("kept") << qint64(250) << false << "$2.50" << "2.50";
        QTest::newRow("negated negative") << qint64(-250) << true << "$2.50" << "2.50";
        QTest::newRow("zero has no sign") << qint64(0) << true << "$0.00" << "0.00";
        QTest::newRow("most negative negated") << lowest << true << "$92,233,720,368,547,758.08"
                                               << "92,233,720,368,547,758.08";
        QTest::newRow("most negative kept") << lowest << false << "-$92,233,720,368,547,758.08"
                                            << "-92,233,720,368,547,758.08";
    }

    void signedFormatting()
    {
        QFETCH(qint64, amount);
        QFETCH(bool, negate);
        QFETCH(QString, money);
        QFETCH(QString, amountText);
        QCOMPARE(formatMoneySigned(amount, negate), money);
        QCOMPARE(formatAmountSigned(amount, negate), amountText);
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("currency");
        QTest::addColumn<qint64>("amount");
        QTest::addColumn<bool>("parses");

        constexpr qint64 highest = std::numeric_limits<qint64>::max();
        const int usd = int(Currency::USD);
        const int eur = int(Currency::EUR);
        const int jpy = int(Currency::JPY);
        QTest::newRow("symbol and grouping") << "$1,234.56" << usd << qint64(123456) << true;
        QTest::newRow("rounds away from zero") << "-$12.345" << usd << qint64(-1235) << true;
        QTest::newRow("extra decimals round") << "12.345" << usd << qint64(1235) << true;
        QTest::newRow("half a cent rounds up") << "1.005" << usd << qint64(101) << true;
        QTest::newRow("below half a cent") << "1.0049" << usd << qint64(100) << true;
        QTest::newRow("parentheses") << "(5.00)" << usd << qint64(0) << false;
        QTest::newRow("letters") << "abc" << usd << qint64(0) << false;
        QTest::newRow("two signs") << "--5" << usd << qint64(0) << false;
        QTest::newRow("sign alone") << "-" << usd << qint64(0) << false;
        QTest::newRow("decimal comma") << "12,50" << eur << qint64(1250) << true;
        QTest::newRow("decimal comma, one digit") << "12,5" << eur << qint64(1250) << true;
        QTest::newRow("negative decimal comma") << "-24,14" << usd << qint64(-2414) << true;
        QTest::newRow("dot groups before a decimal comma") << QStringLiteral("1.234,56 \u20AC") << eur
                                                           << qint64(123456) << true;
        QTest::newRow("comma groups thousands") << "1,234" << usd << qint64(123400) << true;
        QTest::newRow("comma groups millions") << "1,234,567" << usd << qint64(123456700) << true;
        QTest::newRow("other currency's symbol") << QStringLiteral("\u20AC5") << usd << qint64(0) << false;
        QTest::newRow("empty is zero") << "" << usd << qint64(0) << true;
        QTest::newRow("yen whole units") << "1234" << jpy << qint64(1234) << true;
        QTest::newRow("yen refuses decimals") << "12.5" << jpy << qint64(0) << false;
        QTest::newRow("yen refuses typed cents") << "1200.50" << jpy << qint64(0) << false;
        QTest::newRow("yen refuses a decimal comma") << "1200,50" << jpy << qint64(0) << false;
        QTest::newRow("yen grouping") << "1,200" << jpy << qint64(1200) << true;
        QTest::newRow("yen symbol") << QStringLiteral("\u00A51,500") << jpy << qint64(1500) << true;
        QTest::newRow("infinity") << "inf" << usd << qint64(0) << false;
        QTest::newRow("not a number") << "nan" << usd << qint64(0) << false;
        QTest::newRow("exponent") << "1e30" << usd << qint64(0) << false;
        QTest::newRow("just fits") << "92233720368547758.07" << usd << highest << true;
        QTest::newRow("just fits, negative") << "-92233720368547758.07" << usd << -highest << true;
        QTest::newRow("rounds past the largest") << "92233720368547758.075" << usd << qint64(0) << false;
        QTest::newRow("one cent too many") << "92233720368547758.08" << usd << qint64(0) << false;
        QTest::newRow("lowest amount does not convert") << "-92233720368547758.08" << usd << qint64(0) << false;
        QTest::newRow("beyond double precision") << "90071992547409.93" << usd << qint64(9007199254740993)
                                                 << true;
        QTest::newRow("large but fine") << "1000000000000.01" << usd << qint64(100000000000001) << true;
        QTest::newRow("largest yen") << "9223372036854775807" << jpy << highest << true;
        QTest::newRow("lowest yen does not convert") << "-9223372036854775808" << jpy << qint64(0) << false;
        QTest::newRow("double minus before the lowest yen") << "--9223372036854775808" << jpy << qint64(0)
                                                            << false;
        QTest::newRow("twenty digits") << QString(20, QLatin1Char('9')) << usd << qint64(0) << false;
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(int, currency);
        QFETCH(qint64, amount);
        QFETCH(bool, parses);
        QCOMPARE(parseMoney(text, Currency(currency)), amount);
        QCOMPARE(tryParseMoney(text, Currency(currency)).has_value(), parses);
    }

    void checkedSums_data()
    {
        constexpr qint64 highest = std::numeric_limits<qint64>::max();
        QTest::addColumn<qint64>("left");
        QTest::addColumn<qint64>("right");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<qint64>("sum");
        QTest::newRow("ordinary") << qint64(1250) << qint64(-300) << true << qint64(950);
        QTest::newRow("up to the largest") << highest - 1 << qint64(1) << true << highest;
        QTest::newRow("past the largest") << highest << qint64(1) << false << qint64(0);
        QTest::newRow("down to the lowest amount") << -highest << qint64(-1) << false << qint64(0);
        QTest::newRow("opposite halves") << qint64(5000000000000000000) << qint64(-5000000000000000000) << true
                                         << qint64(0);
    }

    void checkedSums()
    {
        QFETCH(qint64, left);
        QFETCH(qint64, right);
        QFETCH(bool, fits);
        QFETCH(qint64, sum);
        const std::optional<qint64> result = checkedSum(left, right);
        QCOMPARE(result.has_value(), fits);
        if (fits)
            QCOMPARE(*result, sum);
    }

    void digitsOnly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("amount");
        QTest::newRow("sign and point") << "-12.34" << qint64(-1234);
        QTest::newRow("grouping") << "1,000" << qint64(1000);
        QTest::newRow("letters") << "abc" << qint64(0);
        QTest::newRow("empty") << "" << qint64(0);
        QTest::newRow("too many digits") << QString(20, QLatin1Char('9')) << qint64(0);
        QTest::newRow("lowest amount does not convert") << "-9223372036854775808" << qint64(0);
        QTest::newRow("leading blank before sign") << "  -5" << qint64(-5);
    }

    void digitsOnly()
    {
        QFETCH(QString, text);
        QFETCH(qint64, amount);
        QCOMPARE(parseDigitsOnly(text), amount);
    }
};

TALLYRA_TEST(MoneyTest)
#include "test_money.moc"
