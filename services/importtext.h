#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringView>

// Text of an import file: by byte-order mark, else strict UTF-8, else
// Windows-1252. Never fails.
QString decodeImportText(const QByteArray &bytes);

enum class ImportEncoding { Utf8Mark, Utf16LEMark, Utf16BEMark, Utf8, Windows1252 };

// The encoding decodeImportText chooses for these bytes.
ImportEncoding detectImportEncoding(QByteArrayView bytes);

// Decodes the bytes of a file piece by piece: the texts of all pieces and of
// finish() together are what decodeImportText gives for the whole content,
// wherever the pieces are cut.
class ImportTextDecoder
{
public:
    // Decides the encoding as the bytes arrive: by byte-order mark, else
    // UTF-8 until a byte that UTF-8 does not allow shows the file to be
    // Windows-1252. Text before that byte that was plain ASCII reads the same
    // in both; otherwise mustRestart() says so.
    ImportTextDecoder();
    explicit ImportTextDecoder(ImportEncoding encoding);

    QString decode(QByteArrayView bytes);
    QString finish();
    // The file proved to be Windows-1252 after text that reads otherwise in
    // it was given out: that text is void, and the file must be decoded again
    // from its start with ImportEncoding::Windows1252.
    bool mustRestart() const { return m_mustRestart; }

private:
    QString decodeKnown(QByteArrayView bytes);
    QString takeHead();
    QString decodeUtf8(QByteArrayView bytes);
    QString decodeUntilProvenOtherwise(QByteArrayView bytes);

    ImportEncoding m_encoding;
    qsizetype m_markLeft = 0;
    // The start of a sequence that the next piece may complete.
    QByteArray m_carry;
    bool m_atStart = true;
    QStringDecoder m_utf16;
    // Deciding: the first bytes, until the mark can be told.
    bool m_awaitingMark = false;
    QByteArray m_head;
    // UTF-8 until proven otherwise, and whether text beyond ASCII was given.
    bool m_tentative = false;
    bool m_gaveNonAscii = false;
    bool m_mustRestart = false;
};

// The largest file an import reads: anything larger is refused before a
// byte of it is read. Bank exports are kilobytes to a few megabytes; a
// larger file is one picked by mistake, and would need memory in
// proportion to its size. It also keeps every count of rows or records
// within an int.
constexpr qint64 kMaxImportFileSize = qint64(1) << 30;

// Why an import file was not read. Nothing of a refused file is used.
struct ImportFileRefusal
{
    enum class Reason {
        None,
        TooLarge,      // above kMaxImportFileSize
        OutOfMemory,   // an allocation failed while reading it
        RowTooLong,    // a CSV row above its limit
        LineTooLong,   // a QIF line above its limit
        RecordTooLong, // a QIF record above its limit
        TooManySplits, // a QIF record with more split lines than its limit
        ReadFailed,    // the file layer failed partway; detail says why
    };

    Reason reason = Reason::None;
    qsizetype line = 0;   // where the row, line or record starts, from 1
    qsizetype limit = 0;  // the limit it passed
    QString path;
    QString detail;

    bool refused() const { return reason != Reason::None; }
};

// Takes the text of a file as it is read.
class ImportTextSink
{
public:
    virtual ~ImportTextSink() = default;
    // False refuses the file: the reading stops.
    virtual bool take(QStringView text) = 0;
    // The text has ended. False refuses the file.
    virtual bool end() = 0;
    // Everything taken so far is void: the text starts again from the
    // beginning of the file.
    virtual void restart() = 0;
};

enum class ImportFileStatus { Read, NotOpened, TooLarge, OutOfMemory, RefusedBySink, ReadFailed };

// Reads the file in pieces, decoded as decodeImportText decodes it, into the
// sink; the file is never held whole, and read once unless its encoding
// proves to be another than the one its first bytes suggested. An
// allocation that fails while reading (in the sink too) ends it with
// OutOfMemory. A read that fails partway ends it with ReadFailed and the
// file layer's message in *error: a file cut short is never read as whole.
ImportFileStatus readImportFile(const QString &path, ImportTextSink &sink, QString *error = nullptr);

// A character counts once, whether it takes one or two UTF-16 units.
inline bool startsCharacter(QChar unit)
{
    return !unit.isLowSurrogate();
}
