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

    void signedFormatting()
    {
        QCOMPARE(formatMoneySigned(250, true), QStringLiteral("-$2.50"));
        QCOMPARE(formatMoneySigned(250, false), QStringLiteral("$2.50"));
        QCOMPARE(formatAmountSigned(-250, true), QStringLiteral("2.50"));
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("currency");
        QTest::addColumn<qint64>("amount");
        QTest::addColumn<bool>("parses");

        QTest::newRow("symbol and grouping") << "$1,234.56" << int(Currency::USD) << qint64(123456) << true;
        QTest::newRow("rounds away from zero") << "-$12.345" << int(Currency::USD) << qint64(-1235) << true;
        QTest::newRow("parentheses") << "(5.00)" << int(Currency::USD) << qint64(0) << false;
        QTest::newRow("letters") << "abc" << int(Currency::USD) << qint64(0) << false;
        QTest::newRow("comma is grouping") << "12,34" << int(Currency::USD) << qint64(123400) << true;
        QTest::newRow("other currency's symbol") << QStringLiteral("\u20AC5") << int(Currency::USD) << qint64(0)
                                                 << false;
        QTest::newRow("binary rounding") << "1.005" << int(Currency::USD) << qint64(100) << true;
        QTest::newRow("empty is zero") << "" << int(Currency::USD) << qint64(0) << true;
        QTest::newRow("yen whole units") << "1234" << int(Currency::JPY) << qint64(1234) << true;
        QTest::newRow("yen refuses decimals") << "12.5" << int(Currency::JPY) << qint64(0) << false;
        QTest::newRow("yen symbol") << QStringLiteral("\u00A51,500") << int(Currency::JPY) << qint64(1500) << true;
        QTest::newRow("infinity") << "inf" << int(Currency::USD) << qint64(0) << false;
        QTest::newRow("not a number") << "nan" << int(Currency::USD) << qint64(0) << false;
        QTest::newRow("too large for cents") << "1e30" << int(Currency::USD) << qint64(0) << false;
        QTest::newRow("just fits") << "92233720368547758.07" << int(Currency::USD) << qint64(0) << false;
        QTest::newRow("large but fine") << "1000000000000.01" << int(Currency::USD) << qint64(100000000000001)
                                        << true;
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

    void digitsOnly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("amount");
        QTest::newRow("sign and point") << "-12.34" << qint64(-1234);
        QTest::newRow("grouping") << "1,000" << qint64(1000);
        QTest::newRow("letters") << "abc" << qint64(0);
        QTest::newRow("empty") << "" << qint64(0);
        QTest::newRow("too many digits") << QString(20, QLatin1Char('9')) << qint64(0);
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
