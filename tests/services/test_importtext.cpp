#include "support/testmain.h"

#include "services/csvparser.h"
#include "services/importtext.h"

#include <QTemporaryDir>

using Rows = QList<QStringList>;

namespace {

constexpr qsizetype kPiece = 1 << 20; // what the file readers take at a time
// A doubled quote, CR LF and a character of two bytes.
constexpr char kStraddling[] = "\"say \"\"hi\"\"\",2\r\nx,\xC3\xA9\r\n";

QString decodeInPieces(const QByteArray &bytes, qsizetype cut)
{
    ImportTextDecoder decoder(detectImportEncoding(bytes));
    QString text = decoder.decode(QByteArrayView(bytes).first(cut));
    text += decoder.decode(QByteArrayView(bytes).sliced(cut));
    return text + decoder.finish();
}

// Rows of short lines that fill the file up to `size` bytes.
QByteArray filler(qsizetype size)
{
    QByteArray bytes;
    const QByteArray line = "abcdefghijklmnopqrstuvwxyz,1234\n";
    while (bytes.size() + line.size() <= size)
        bytes += line;
    return bytes + QByteArray(size - bytes.size(), ' ');
}

} // namespace

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

    // A file is decoded in pieces; wherever a piece ends, the text is the
    // same as decoding the whole at once.
    void decodesInPiecesAsWhole_data()
    {
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("utf-8") << QByteArray("a\xC3\xA9" "b\xE2\x82\xAC\xF0\x9F\x98\x80z");
        QTest::newRow("utf-8 mark, bad bytes") << QByteArray("\xEF\xBB\xBF\xC3\xE2\x82" "A\x80\x80\xF0\x9F\x98");
        QTest::newRow("utf-8 mark, second mark") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx\xEF\xBB\xBF");
        QTest::newRow("windows-1252") << QByteArray("\x93q\x94\xE9\x80");
        QTest::newRow("utf-16 le, surrogate pair, odd end")
            << QByteArray("\xFF\xFE" "a\0\x3D\xD8\x00\xDE" "b\0\xFF\xFE" "c", 13);
        QTest::newRow("utf-16 be, second mark") << QByteArray("\xFE\xFF\xFE\xFF\0a\xD8\x3D\xDE\x00", 10);
    }

    void decodesInPiecesAsWhole()
    {
        QFETCH(QByteArray, bytes);
        const QString whole = decodeImportText(bytes);
        for (qsizetype cut = 0; cut <= bytes.size(); ++cut)
            QCOMPARE(decodeInPieces(bytes, cut), whole);
    }

    // A file is read once, its encoding found as it goes: a character cut
    // by the end of a piece is still UTF-8, and a bad byte in a later piece
    // still makes the whole file Windows-1252, read anew from its start only
    // when text before it reads otherwise in Windows-1252.
    void findsTheEncodingOfALargeFileAsItIsRead_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<QString>("lastRow");
        QTest::addColumn<int>("restarts");

        const QByteArray ascii = "abc,def\n";
        QTest::newRow("e acute across the cut") << ascii << QByteArray("\xC3\xA9\n") << "\u00E9" << 0;
        QTest::newRow("emoji across the cut") << ascii << QByteArray("\xF0\x9F\x98\x80\n") << "\U0001F600" << 0;
        QTest::newRow("bad byte after ascii") << ascii << QByteArray("ab\xE9\n") << "ab\u00E9" << 0;
        QTest::newRow("cut short at the end") << ascii << QByteArray("ab\xE2\x82") << "ab\u00E2\u201A" << 0;
        QTest::newRow("bad byte after utf-8")
            << QByteArray("caf\xC3\xA9,1\n") << QByteArray("ab\xE9\n") << "ab\u00E9" << 1;
    }

    void findsTheEncodingOfALargeFileAsItIsRead()
    {
        QFETCH(QByteArray, head);
        QFETCH(QByteArray, tail);
        QFETCH(QString, lastRow);
        QFETCH(int, restarts);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("big.csv"));
        QFile file(path);
        const QByteArray content = head + filler(kPiece - 2 - head.size()) + tail;
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();

        struct Rows : ImportTextSink
        {
            QString text;
            int restarts = 0;
            bool take(QStringView piece) override
            {
                text += piece;
                return true;
            }
            bool end() override { return true; }
            void restart() override
            {
                text.clear();
                ++restarts;
            }
        } sink;
        QCOMPARE(readImportFile(path, sink), ImportFileStatus::Read);
        QCOMPARE(sink.text, decodeImportText(content));
        QCOMPARE(sink.text.split(u'\n', Qt::SkipEmptyParts).last().trimmed(), lastRow);
        QCOMPARE(sink.restarts, restarts);
    }

    // What straddles the end of a piece of the file reads as it does
    // anywhere else: a doubled quote, CR LF, a character of several bytes.
    void readsAFileWhoseRowsStraddlePieces_data()
    {
        QTest::addColumn<int>("before"); // bytes of the last rows in the first piece

        const int size = int(sizeof(kStraddling)) - 1;
        for (int before = 1; before < size; ++before)
            QTest::addRow("%d bytes before the cut", before) << before;
    }

    void readsAFileWhoseRowsStraddlePieces()
    {
        QFETCH(int, before);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("big.csv"));
        QFile file(path);
        const QByteArray content = filler(kPiece - before - 1) + "\n" + kStraddling;
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();

        const CsvParser::FileRead read = CsvParser::readFile(path);
        QCOMPARE(read.status, CsvParser::FileRead::Status::Read);
        const qsizetype rows = read.table.rowCount();
        QCOMPARE(rows, (kPiece - before - 1) / 32 + 2);
        QCOMPARE(read.table.row(rows - 2) + read.table.row(rows - 1),
                 (QStringList{"say \"hi\"", "2", "x", "\u00E9"}));
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
