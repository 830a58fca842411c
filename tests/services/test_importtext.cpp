#include "support/testmain.h"

#include "services/csvparser.h"
#include "services/importtext.h"
#include "services/qifparser.h"

#include <QTemporaryDir>

#include <csignal>
#include <cstdlib>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using Rows = QList<QStringList>;

namespace {

constexpr qsizetype kPiece = 1 << 20; // what the file readers take at a time
// A doubled quote, CR LF and a character of two bytes.
constexpr char kStraddling[] = "\"say \"\"hi\"\"\",2\r\nx,\xC3\xA9\r\n";

// The writable memory the process holds now, in bytes: what RLIMIT_DATA
// limits (room an allocator has reserved but not opened does not count).
qint64 dataSize()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmData:"))
            return line.mid(7).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return -1;
}

// Takes the room the heap has free, largest pieces first, so that what is
// allocated next needs new memory, which a limit can then refuse.
void useUpFreeHeap()
{
    for (const size_t size : {size_t(1) << 23, size_t(1) << 20, size_t(1) << 16, size_t(1) << 12}) {
        for (;;) {
            const qint64 before = dataSize();
            void *taken = std::malloc(size);
            if (!taken || dataSize() != before)
                break;
        }
    }
}

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

    // A file larger than an import reads is refused before any of it is
    // read: no memory is taken for it, however large it claims to be.
    void refusesAFileLargerThanTheLimitUnread_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<int>("status");

        QTest::newRow("one byte over") << kMaxImportFileSize + 1 << int(ImportFileStatus::TooLarge);
        QTest::newRow("16 GiB") << (qint64(16) << 30) << int(ImportFileStatus::TooLarge);
    }

    void refusesAFileLargerThanTheLimitUnread()
    {
        QFETCH(qint64, size);
        QFETCH(int, status);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sparse.csv"));
        QFile file(path);
        // Sparse: the file takes no room on the disk.
        if (!file.open(QIODevice::WriteOnly) || !file.resize(size))
            QSKIP("this file system makes no sparse file of that size");
        file.close();

        struct Counting : ImportTextSink
        {
            qsizetype taken = 0;
            bool take(QStringView text) override
            {
                taken += text.size();
                return true;
            }
            bool end() override { return true; }
            void restart() override { taken = 0; }
        } sink;
        QCOMPARE(int(readImportFile(path, sink)), status);
        QCOMPARE(sink.taken, 0);

        const CsvParser::FileRead read = CsvParser::readFile(path);
        QCOMPARE(read.status, CsvParser::FileRead::Status::Refused);
        QCOMPARE(read.refusal.reason, ImportFileRefusal::Reason::TooLarge);
        QCOMPARE(read.refusal.limit, kMaxImportFileSize);
    }

    // A read that fails is no end of the file: the file is refused with the
    // file layer's reason, never taken as read whole. Reading this process's
    // memory from address 0 fails with an I/O error.
    void aReadThatFailsRefusesTheFile()
    {
        const QString path = QStringLiteral("/proc/self/mem");
        QFile probe(path);
        if (!probe.open(QIODevice::ReadOnly))
            QSKIP("this system does not let a process read its own memory file");
        probe.close();

        struct Counting : ImportTextSink
        {
            bool ended = false;
            bool take(QStringView) override { return true; }
            bool end() override { return ended = true; }
            void restart() override {}
        } sink;
        QString error;
        QCOMPARE(readImportFile(path, sink, &error), ImportFileStatus::ReadFailed);
        QVERIFY(!sink.ended);
        QVERIFY(!error.isEmpty());

        const CsvParser::FileRead csv = CsvParser::readFile(path);
        QCOMPARE(csv.status, CsvParser::FileRead::Status::Refused);
        QCOMPARE(csv.refusal.reason, ImportFileRefusal::Reason::ReadFailed);
        QCOMPARE(csv.refusal.detail, error);
        const QifFileRead qif = QifParser::readFile(path);
        QCOMPARE(qif.refusal.reason, ImportFileRefusal::Reason::ReadFailed);
        QCOMPARE(qif.refusal.detail, error);
    }

    // An allocation that fails while a file is read refuses the file; it
    // never ends the program. A child process reads with little memory left.
    void anAllocationThatFailsRefusesTheFile_data()
    {
        QTest::addColumn<bool>("qif");

        QTest::newRow("csv") << false;
        QTest::newRow("qif") << true;
    }

    void anAllocationThatFailsRefusesTheFile()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the address sanitizer needs more address space than the limit leaves");
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
        QSKIP("the address sanitizer needs more address space than the limit leaves");
#endif
#endif
        QFETCH(bool, qif);
        QTemporaryDir dir;
        const QString path = dir.filePath(qif ? QStringLiteral("big.qif") : QStringLiteral("big.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray unit = qif ? QByteArray("D1/2/2024\nPCorner Shop 1234\nT-1,234.56\nMcard payment 0042\n^\n")
                                    : QByteArray("2024-01-02,Corner Shop 1234,-1.234,card payment 0042\n");
        const QByteArray piece = unit.repeated(kPiece / unit.size());
        for (int i = 0; i < 32; ++i)
            QVERIFY(file.write(piece) == piece.size());
        file.close();

        const qint64 available = qint64(16) << 20;
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            // A crash ends the child at once, without the test's own handlers.
            for (const int signal : {SIGABRT, SIGSEGV, SIGBUS})
                std::signal(signal, SIG_DFL);
            useUpFreeHeap();
            rlimit limit{};
            limit.rlim_cur = limit.rlim_max = rlim_t(dataSize() + available);
            if (::setrlimit(RLIMIT_DATA, &limit) != 0)
                ::_exit(3);
            // The child never returns into the test: it only exits.
            int code = 4;
            try {
                const ImportFileRefusal refusal =
                    qif ? QifParser::readFile(path).refusal : CsvParser::readFile(path).refusal;
                code = refusal.reason == ImportFileRefusal::Reason::OutOfMemory ? 0 : 4;
            } catch (...) {
                code = 5;
            }
            ::_exit(code);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY2(WIFEXITED(status), "the reading ended the child process");
        QCOMPARE(WEXITSTATUS(status), 0);
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
        // A NUL would cut the text short wherever it is read.
        QTest::newRow("nul in a field") << QString::fromUtf16(u"Sh\0op,-1\0.00", 13) << Rows{{"Shop", "-1.00"}};
        QTest::newRow("nul in quotes") << QString::fromUtf16(u"\"a\0\",\0b", 8) << Rows{{"a", "b"}};
        QTest::newRow("nul and spaces") << QString::fromUtf16(u" \0 x \0", 6) << Rows{{"x"}};
        QTest::newRow("nul line dropped") << QString::fromUtf16(u"a\n\0\0\nb", 7) << Rows{{"a"}, {"b"}};
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
