#include "support/testmain.h"

#include "services/csvparser.h"
#include "services/importtext.h"

using Rows = QList<QStringList>;

class ImportTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodesByMarkThenStrictUtf8ThenWindows1252_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");

        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("utf-8 mark") << QByteArray("\xEF\xBB\xBF" "a,b") << QStringLiteral("a,b");
        QTest::newRow("utf-16 le mark") << QByteArray("\xFF\xFE" "a\0,\0" "b\0", 8) << QStringLiteral("a,b");
        QTest::newRow("utf-16 be mark") << QByteArray("\xFE\xFF\0a\0\xE9", 6) << QStringLiteral("a\u00E9");
        QTest::newRow("plain utf-8") << QByteArray("caf\xC3\xA9 \xE2\x82\xAC") << QStringLiteral("caf\u00E9 \u20AC");
        QTest::newRow("curly quotes of 1252") << QByteArray("\x93" "A\x94") << QStringLiteral("\u201CA\u201D");
        QTest::newRow("latin-1 byte") << QByteArray("\xE9") << QStringLiteral("\u00E9");
        QTest::newRow("overlong form") << QByteArray("\xC0\x80") << QStringLiteral("\u00C0\u20AC");
        QTest::newRow("cut at the end") << QByteArray("ok \xE2\x82") << QStringLiteral("ok \u00E2\u201A");
        QTest::newRow("surrogate half") << QByteArray("\xED\xA0\x80") << QStringLiteral("\u00ED\u00A0\u20AC");
        QTest::newRow("undefined 1252 slots") << QByteArray("\x81\x8D\x8F\x90\x9D")
                                              << QStringLiteral("\u0081\u008D\u008F\u0090\u009D");
        // One bad byte anywhere decides for the whole file.
        QTest::newRow("mixed") << QByteArray("\xC3\xA9\x96") << QStringLiteral("\u00C3\u00A9\u2013");
    }

    void decodesByMarkThenStrictUtf8ThenWindows1252()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(decodeImportText(bytes), text);
    }

    void splitsCsv_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Rows>("rows");

        QTest::newRow("empty") << QString() << Rows();
        QTest::newRow("crlf") << QStringLiteral("a,b\r\nc,d\r\n") << Rows{{"a", "b"}, {"c", "d"}};
        QTest::newRow("blank line dropped") << QStringLiteral("a,b\n\n   \nc") << Rows{{"a", "b"}, {"c"}};
        QTest::newRow("fields trimmed") << QStringLiteral("a, b ,c") << Rows{{"a", "b", "c"}};
        QTest::newRow("doubled quotes") << QStringLiteral("\"x \"\"quoted\"\" y\",2")
                                        << Rows{{"x \"quoted\" y", "2"}};
        QTest::newRow("comma inside quotes") << QStringLiteral("\"1,234.56\",x") << Rows{{"1,234.56", "x"}};
        QTest::newRow("quote inside a field") << QStringLiteral("ab\"c,d\"e") << Rows{{"abc,de"}};
        QTest::newRow("line feed inside quotes") << QStringLiteral("\"l1\nl2\",z\nnext")
                                                 << Rows{{"l1\nl2", "z"}, {"next"}};
        QTest::newRow("quoted spaces trimmed") << QStringLiteral("\" a \",b") << Rows{{"a", "b"}};
        QTest::newRow("open quote at end") << QStringLiteral("a,\"b,c\nd") << Rows{{"a", "b,c\nd"}};
        QTest::newRow("single comma") << QStringLiteral(",\n") << Rows{{"", ""}};
        QTest::newRow("two commas") << QStringLiteral(",,") << Rows{{"", "", ""}};
        QTest::newRow("last line of spaces") << QStringLiteral("a\n  ") << Rows{{"a"}, {""}};
        QTest::newRow("ragged rows") << QStringLiteral("a\nb,c,d") << Rows{{"a"}, {"b", "c", "d"}};
        QTest::newRow("lone cr") << QStringLiteral("a,b\rc,d\r") << Rows{{"a", "b"}, {"c", "d"}};
        QTest::newRow("cr blank line dropped") << QStringLiteral("a\r\rb") << Rows{{"a"}, {"b"}};
        QTest::newRow("cr inside quotes") << QStringLiteral("\"l1\rl2\",z\rnext") << Rows{{"l1\rl2", "z"}, {"next"}};
        QTest::newRow("semicolons") << QStringLiteral("a;\"1,50\";c\nd;e,f;g") << Rows{{"a", "1,50", "c"}, {"d", "e,f", "g"}};
        QTest::newRow("tabs") << QStringLiteral("a\tb c\t1,5\n") << Rows{{"a", "b c", "1,5"}};
        // Only the first line counts, and only outside quotes.
        QTest::newRow("quoted semicolons") << QStringLiteral("\"x;y;z\",2\na;b,c") << Rows{{"x;y;z", "2"}, {"a;b", "c"}};
        QTest::newRow("comma wins a tie") << QStringLiteral("a;b,c\n") << Rows{{"a;b", "c"}};
        QTest::newRow("more commas than semicolons") << QStringLiteral("a;b,c,d") << Rows{{"a;b", "c", "d"}};
    }

    void splitsCsv()
    {
        QFETCH(QString, text);
        QFETCH(Rows, rows);
        QCOMPARE(CsvParser::parse(text), rows);
    }
};

TALLYRA_TEST(ImportTextTest)
#include "test_importtext.moc"
