#pragma once

#include "services/csvtable.h"
#include "services/importtext.h"

#include <QList>
#include <QString>
#include <QStringList>

// Rows of trimmed fields. Malformed quoting is absorbed: a quote anywhere in
// a field opens a quoted stretch, an open quote at the end takes the rest of
// the text. LF, CR LF and a lone CR each end a line. A NUL character is
// dropped: text that holds one would end early wherever it is read.
namespace CsvParser {

// The longest row a file may hold, in characters (not UTF-16 units), the
// separators and the line breaks inside its quoted cells included. Bank
// statements have rows of a few hundred characters; a longer one is a file
// of another kind (or a quote that is never closed), and reading it would
// take memory for nothing.
constexpr qsizetype kMaxRowLength = 1024 * 1024;

// The separator is whichever of ",", ";" and Tab occurs most often outside
// quotes in the first line; a comma when none occurs.
QList<QStringList> parse(const QString &text);
QList<QStringList> parse(const QString &text, QChar separator);
QChar detectSeparator(QStringView text);

struct FileRead
{
    enum class Status { Read, NotOpened, Refused };

    Status status = Status::NotOpened;
    CsvTable table;
    // With Refused: why, and for a row too long the line (from 1) on which
    // that row starts.
    ImportFileRefusal refusal;
};

// The whole file, decoded and split as every import reads it, in pieces:
// memory stays within a small multiple of the file's size. A row longer
// than kMaxRowLength stops the reading there, and the file is refused; so
// is a file larger than kMaxImportFileSize, before it is read.
FileRead readFile(const QString &path);

} // namespace CsvParser
