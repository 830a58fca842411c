#include "services/csvparser.h"

#include "services/importtext.h"

#include <limits>
#include <optional>
#include <utility>

namespace {

struct FirstLine
{
    int commas = 0;
    int semicolons = 0;
    int tabs = 0;
    bool ended = false; // a line end was seen outside quotes
};

FirstLine countFirstLine(QStringView text)
{
    FirstLine line;
    bool inQuotes = false;
    for (QChar c : text) {
        if (c == u'"') {
            inQuotes = !inQuotes;
        } else if (!inQuotes) {
            if (c == u'\n' || c == u'\r') {
                line.ended = true;
                break;
            }
            if (c == u',')
                ++line.commas;
            else if (c == u';')
                ++line.semicolons;
            else if (c == u'\t')
                ++line.tabs;
        }
    }
    return line;
}

QChar separatorOf(const FirstLine &line)
{
    if (line.semicolons > line.commas && line.semicolons >= line.tabs)
        return u';';
    if (line.tabs > line.commas && line.tabs > line.semicolons)
        return u'\t';
    return u',';
}

// Splits text handed over in pieces into the rows of a table. The state
// between two characters lives in the members, so a piece may end anywhere:
// inside a quoted field, between a quote and the quote that doubles it, or
// between CR and LF.
class Splitter : public ImportTextSink
{
public:
    Splitter(CsvTable *table, qsizetype maxRowLength)
        : m_table(table)
        // Four bytes at most for a character, in a row below 4 GiB.
        , m_maxRowLength(qMin<qsizetype>(maxRowLength, std::numeric_limits<quint32>::max() / 4))
    {
    }

    void setSeparator(QChar separator)
    {
        m_separator = separator;
        m_separatorKnown = true;
    }

    void giveSeparator(QChar separator)
    {
        setSeparator(separator);
        m_separatorGiven = true;
    }

    // False once a row has grown beyond the longest allowed.
    bool take(QStringView text) override
    {
        if (m_tooLong)
            return false;
        if (!m_separatorKnown) {
            // The first line decides the separator; keep it until it ended.
            m_pending.append(text);
            if (m_pending.size() <= m_maxRowLength && !countFirstLine(m_pending).ended)
                return true;
            setSeparator(separatorOf(countFirstLine(m_pending)));
            const QString pending = std::exchange(m_pending, QString());
            return split(pending);
        }
        return split(text);
    }

    bool end() override
    {
        if (!m_separatorKnown) {
            setSeparator(separatorOf(countFirstLine(m_pending)));
            const QString pending = std::exchange(m_pending, QString());
            split(pending);
        }
        if (m_tooLong)
            return false;
        // The last row needs no line end, and here even a row of one blank
        // field counts.
        if (!m_field.isEmpty() || m_table->openRowFieldCount() > 0) {
            endField();
            m_table->endRow();
        }
        m_table->squeeze();
        return true;
    }

    void restart() override
    {
        *m_table = CsvTable();
        m_separator = u',';
        m_separatorKnown = m_separatorGiven;
        m_pending.clear();
        m_field.clear();
        m_lastFieldEmpty = m_inQuotes = m_quoteInQuotes = m_afterCr = m_tooLong = false;
        m_position = m_rowStart = 0;
        m_line = m_rowLine = 1;
    }

    bool tooLong() const { return m_tooLong; }
    qsizetype tooLongLine() const { return m_rowLine; }

private:
    bool split(QStringView text)
    {
        for (const QChar c : text) {
            if (startsCharacter(c))
                ++m_position;
            const bool lineBreak = c == u'\n' || c == u'\r';
            if (lineBreak && !(c == u'\n' && m_afterCr))
                ++m_line;
            const bool afterCr = std::exchange(m_afterCr, c == u'\r');

            if (m_quoteInQuotes) {
                m_quoteInQuotes = false;
                if (c == u'"') {
                    m_field += u'"';
                    continue;
                }
                m_inQuotes = false;
            }
            if (m_inQuotes) {
                if (c == u'"')
                    m_quoteInQuotes = true;
                else if (!c.isNull())
                    m_field += c;
            } else if (c == u'"') {
                m_inQuotes = true;
            } else if (c.isNull()) {
                // Text with a NUL would end early wherever it is read.
            } else if (c == m_separator) {
                endField();
            } else if (lineBreak) {
                if (c == u'\n' && afterCr) {
                    // The LF of a CR LF: the row already ended at the CR.
                    m_rowStart = m_position;
                    continue;
                }
                endLine();
                continue;
            } else {
                m_field += c;
            }
            if (m_position - m_rowStart > m_maxRowLength) {
                m_tooLong = true;
                return false;
            }
        }
        return true;
    }

    void endField()
    {
        const QStringView trimmed = QStringView(m_field).trimmed();
        m_lastFieldEmpty = trimmed.isEmpty();
        m_table->addField(trimmed);
        m_field.resize(0); // keeps its room for the next field
    }

    // A blank line is dropped; a line of separators is a row of empty fields.
    void endLine()
    {
        endField();
        if (m_table->openRowFieldCount() == 1 && m_lastFieldEmpty)
            m_table->dropRow();
        else
            m_table->endRow();
        m_rowStart = m_position;
        m_rowLine = m_line;
    }

    CsvTable *m_table;
    qsizetype m_maxRowLength;
    QChar m_separator = u',';
    bool m_separatorKnown = false;
    bool m_separatorGiven = false;
    QString m_pending;

    QString m_field;
    bool m_lastFieldEmpty = false;
    bool m_inQuotes = false;
    bool m_quoteInQuotes = false; // a quote inside quotes: closing, or doubled?
    bool m_afterCr = false;

    qsizetype m_position = 0; // characters split so far, not UTF-16 units
    qsizetype m_rowStart = 0;
    qsizetype m_line = 1;
    qsizetype m_rowLine = 1;
    bool m_tooLong = false;
};

CsvTable split(QStringView text, std::optional<QChar> separator)
{
    CsvTable table;
    Splitter splitter(&table, std::numeric_limits<qsizetype>::max());
    if (separator)
        splitter.giveSeparator(*separator);
    splitter.take(text);
    splitter.end();
    return table;
}

} // namespace

namespace CsvParser {

QChar detectSeparator(QStringView text)
{
    return separatorOf(countFirstLine(text));
}

QList<QStringList> parse(const QString &text)
{
    return split(text, std::nullopt).toList();
}

QList<QStringList> parse(const QString &text, QChar separator)
{
    return split(text, separator).toList();
}

FileRead readFile(const QString &path)
{
    FileRead read;
    Splitter splitter(&read.table, kMaxRowLength);
    QString error;
    switch (readImportFile(path, splitter, &error)) {
    case ImportFileStatus::Read:
        read.status = FileRead::Status::Read;
        return read;
    case ImportFileStatus::NotOpened:
        break;
    case ImportFileStatus::TooLarge:
        read.refusal = {ImportFileRefusal::Reason::TooLarge, 0, kMaxImportFileSize, path, {}};
        break;
    case ImportFileStatus::OutOfMemory:
        read.refusal = {ImportFileRefusal::Reason::OutOfMemory, 0, 0, path, {}};
        break;
    case ImportFileStatus::ReadFailed:
        read.refusal = {ImportFileRefusal::Reason::ReadFailed, 0, 0, path, error};
        break;
    case ImportFileStatus::RefusedBySink:
        read.refusal = {ImportFileRefusal::Reason::RowTooLong, splitter.tooLongLine(), kMaxRowLength, path, {}};
        break;
    }
    read.status = read.refusal.refused() ? FileRead::Status::Refused : FileRead::Status::NotOpened;
    read.table = CsvTable();
    return read;
}

} // namespace CsvParser
