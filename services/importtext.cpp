#include "services/importtext.h"

#include <QFile>

#include <new>

#include <utility>

namespace {

// Windows-1252 for 0x80-0x9F; the five undefined positions keep their value.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The length of the UTF-8 sequence that starts with `lead`, 0 when no
// sequence starts with it.
int sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 0;
}

// Qt's decoder would replace bad sequences; here any of them means the file
// is not UTF-8 at all. Scans from the start: `valid` is how many bytes are
// whole valid sequences, `bad` whether a bad one follows them (else what
// follows is a sequence cut by the end of the bytes, bad only at the end of
// the file and otherwise left for the next piece), and `nonAscii` whether
// the valid bytes hold any sequence beyond ASCII.
struct Utf8Scan
{
    qsizetype valid = 0;
    bool bad = false;
    bool nonAscii = false;
};

Utf8Scan scanStrictUtf8(QByteArrayView bytes, bool atEnd)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    Utf8Scan scan;
    const auto stop = [&scan](qsizetype at, bool bad) {
        scan.valid = at;
        scan.bad = bad;
        return scan;
    };
    qsizetype i = 0;
    while (i < size) {
        const unsigned char lead = data[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        const int length = sequenceLength(lead);
        if (length == 0)
            return stop(i, true);
        if (i + length > size) {
            for (qsizetype k = i + 1; k < size; ++k) {
                if ((data[k] & 0xC0) != 0x80)
                    return stop(i, true);
            }
            return stop(i, atEnd);
        }
        char32_t codePoint = lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const unsigned char next = data[i + k];
            if ((next & 0xC0) != 0x80)
                return stop(i, true);
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        static constexpr char32_t minimum[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (codePoint < minimum[length] || (codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF)
            return stop(i, true);
        scan.nonAscii = true;
        i += length;
    }
    return stop(i, false);
}

// Where a sequence begins near the end that the next piece may complete;
// the size when there is none.
qsizetype openSequenceStart(QByteArrayView bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype i = size - 1; i >= 0 && i >= size - 3; --i) {
        if ((data[i] & 0xC0) == 0x80)
            continue;
        const int length = sequenceLength(data[i]);
        return length > 0 && i + length > size ? i : size;
    }
    return size;
}

ImportEncoding encodingByMark(QByteArrayView head)
{
    if (head.startsWith("\xEF\xBB\xBF"))
        return ImportEncoding::Utf8Mark;
    if (head.startsWith("\xFF\xFE"))
        return ImportEncoding::Utf16LEMark;
    if (head.startsWith("\xFE\xFF"))
        return ImportEncoding::Utf16BEMark;
    return ImportEncoding::Utf8;
}

qsizetype markLength(ImportEncoding encoding)
{
    switch (encoding) {
    case ImportEncoding::Utf8Mark:
        return 3;
    case ImportEncoding::Utf16LEMark:
    case ImportEncoding::Utf16BEMark:
        return 2;
    case ImportEncoding::Utf8:
    case ImportEncoding::Windows1252:
        break;
    }
    return 0;
}

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        *out++ = (value >= 0x80 && value <= 0x9F) ? QChar(kWindows1252High[value - 0x80]) : QChar(value);
    }
    return text;
}

} // namespace

QString decodeImportText(const QByteArray &bytes)
{
    ImportTextDecoder decoder(detectImportEncoding(bytes));
    QString text = decoder.decode(bytes);
    return text + decoder.finish();
}

ImportEncoding detectImportEncoding(QByteArrayView bytes)
{
    const ImportEncoding marked = encodingByMark(bytes);
    if (marked != ImportEncoding::Utf8)
        return marked;
    const Utf8Scan scan = scanStrictUtf8(bytes, true);
    return scan.bad ? ImportEncoding::Windows1252 : ImportEncoding::Utf8;
}

ImportTextDecoder::ImportTextDecoder()
    : m_encoding(ImportEncoding::Utf8)
    , m_awaitingMark(true)
{
}

ImportTextDecoder::ImportTextDecoder(ImportEncoding encoding)
    : m_encoding(encoding)
    , m_markLeft(markLength(encoding))
    , m_utf16(encoding == ImportEncoding::Utf16BEMark ? QStringConverter::Utf16BE : QStringConverter::Utf16LE)
{
}

QString ImportTextDecoder::decode(QByteArrayView bytes)
{
    if (m_mustRestart)
        return QString();
    if (m_awaitingMark) {
        m_head.append(bytes);
        // The longest mark has three bytes.
        return m_head.size() < 3 ? QString() : takeHead();
    }
    return decodeKnown(bytes);
}

QString ImportTextDecoder::takeHead()
{
    m_awaitingMark = false;
    m_encoding = encodingByMark(m_head);
    m_markLeft = markLength(m_encoding);
    m_tentative = m_encoding == ImportEncoding::Utf8;
    if (m_encoding == ImportEncoding::Utf16BEMark)
        m_utf16 = QStringDecoder(QStringConverter::Utf16BE);
    else if (m_encoding == ImportEncoding::Utf16LEMark)
        m_utf16 = QStringDecoder(QStringConverter::Utf16LE);
    const QByteArray head = std::exchange(m_head, QByteArray());
    return decodeKnown(head);
}

QString ImportTextDecoder::decodeKnown(QByteArrayView bytes)
{
    if (m_markLeft > 0) {
        const qsizetype skipped = qMin(m_markLeft, bytes.size());
        m_markLeft -= skipped;
        bytes = bytes.sliced(skipped);
    }
    if (bytes.isEmpty())
        return QString();
    switch (m_encoding) {
    case ImportEncoding::Windows1252:
        return decodeWindows1252(bytes);
    case ImportEncoding::Utf8:
        if (m_tentative)
            return decodeUntilProvenOtherwise(bytes);
        return decodeUtf8(bytes);
    case ImportEncoding::Utf8Mark:
        return decodeUtf8(bytes);
    case ImportEncoding::Utf16LEMark:
    case ImportEncoding::Utf16BEMark:
        break;
    }
    // Whole code units only: the converter's own state is left to its
    // byte-order mark, which it skips once at the start as a single call
    // over the whole content does.
    QByteArray units = std::exchange(m_carry, QByteArray());
    units.append(bytes);
    m_carry = units.size() % 2 ? units.right(1) : QByteArray();
    units.chop(m_carry.size());
    return units.isEmpty() ? QString() : QString(m_utf16.decode(units));
}

QString ImportTextDecoder::decodeUntilProvenOtherwise(QByteArrayView bytes)
{
    QByteArray joined = std::exchange(m_carry, QByteArray());
    joined.append(bytes);
    const Utf8Scan scan = scanStrictUtf8(joined, false);
    if (scan.bad) {
        if (m_gaveNonAscii || scan.nonAscii) {
            m_mustRestart = true;
            return QString();
        }
        // Only ASCII so far, which reads the same in Windows-1252.
        m_tentative = false;
        m_encoding = ImportEncoding::Windows1252;
        return decodeWindows1252(joined);
    }
    m_gaveNonAscii = m_gaveNonAscii || scan.nonAscii;
    QByteArray open = joined.sliced(scan.valid);
    joined.truncate(scan.valid);
    const QString text = joined.isEmpty() ? QString() : decodeUtf8(joined);
    m_carry = std::move(open);
    return text;
}

QString ImportTextDecoder::decodeUtf8(QByteArrayView bytes)
{
    QByteArray joined;
    if (!m_carry.isEmpty()) {
        joined = std::exchange(m_carry, QByteArray());
        joined.append(bytes);
        bytes = joined;
    }
    const qsizetype open = openSequenceStart(bytes);
    m_carry = bytes.sliced(open).toByteArray();
    bytes = bytes.first(open);
    if (bytes.isEmpty())
        return QString();
    if (m_atStart) {
        m_atStart = false;
        return QString::fromUtf8(bytes);
    }
    // Only the first piece may open with a byte-order mark that Qt drops.
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    return QString(decoder.decode(bytes));
}

QString ImportTextDecoder::finish()
{
    if (m_mustRestart)
        return QString();
    QString text;
    if (m_awaitingMark)
        text = takeHead();
    const QByteArray rest = std::exchange(m_carry, QByteArray());
    if (rest.isEmpty() || m_mustRestart)
        return text;
    if (m_encoding == ImportEncoding::Utf16LEMark || m_encoding == ImportEncoding::Utf16BEMark)
        return text + QChar(QChar::ReplacementCharacter);
    if (m_tentative) {
        // A sequence cut by the end of the file: no UTF-8 file ends so.
        m_tentative = false;
        if (m_gaveNonAscii) {
            m_mustRestart = true;
            return QString();
        }
        m_encoding = ImportEncoding::Windows1252;
        return text + decodeWindows1252(rest);
    }
    // A sequence cut by the end of the file: one replacement per byte.
    return text + QString::fromUtf8(rest);
}

namespace {

// The text of one file through one decoder, or the note that it has to be
// decoded again from the start.
enum class Pass { Done, Restart, TooLarge, Refused, ReadFailed };

Pass readPass(QFile &file, ImportTextDecoder &decoder, ImportTextSink &sink)
{
    constexpr qsizetype pieceSize = 1 << 20;
    qint64 total = 0;
    QByteArray piece;
    for (;;) {
        // QFile::read(qint64) answers a failed read as an empty piece, like
        // the end of the file; this one tells them apart.
        piece.resize(pieceSize);
        const qint64 count = file.read(piece.data(), pieceSize);
        if (count < 0)
            return Pass::ReadFailed;
        if (count == 0)
            break;
        piece.resize(count);
        // A device may say nothing of its size, or grow while it is read.
        total += piece.size();
        if (total > kMaxImportFileSize)
            return Pass::TooLarge;
        const QString text = decoder.decode(piece);
        if (decoder.mustRestart())
            return Pass::Restart;
        if (!sink.take(text))
            return Pass::Refused;
    }
    const QString rest = decoder.finish();
    if (decoder.mustRestart())
        return Pass::Restart;
    return sink.take(rest) && sink.end() ? Pass::Done : Pass::Refused;
}

} // namespace

ImportFileStatus readImportFile(const QString &path, ImportTextSink &sink, QString *error)
{
    try {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return ImportFileStatus::NotOpened;
        if (file.size() > kMaxImportFileSize)
            return ImportFileStatus::TooLarge;
        ImportTextDecoder detecting;
        Pass pass = readPass(file, detecting, sink);
        if (pass == Pass::Restart) {
            // Only a file with text beyond ASCII before its first byte that
            // UTF-8 does not allow is read twice.
            sink.restart();
            if (!file.seek(0))
                return ImportFileStatus::NotOpened;
            ImportTextDecoder windows1252(ImportEncoding::Windows1252);
            pass = readPass(file, windows1252, sink);
        }
        switch (pass) {
        case Pass::Done:
        case Pass::Restart:
            break;
        case Pass::TooLarge:
            return ImportFileStatus::TooLarge;
        case Pass::Refused:
            return ImportFileStatus::RefusedBySink;
        case Pass::ReadFailed:
            if (error)
                *error = file.errorString();
            return ImportFileStatus::ReadFailed;
        }
        return ImportFileStatus::Read;
    } catch (const std::bad_alloc &) {
        return ImportFileStatus::OutOfMemory;
    }
}
