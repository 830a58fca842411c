#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Rows of trimmed fields. Malformed quoting is absorbed: a quote anywhere in
// a field opens a quoted stretch, an open quote at the end takes the rest of
// the text. LF, CR LF and a lone CR each end a line.
namespace CsvParser {
// The separator is whichever of ",", ";" and Tab occurs most often outside
// quotes in the first line; a comma when none occurs.
QList<QStringList> parse(const QString &text);
QList<QStringList> parse(const QString &text, QChar separator);
QChar detectSeparator(const QString &text);
// The whole file, decoded as every import reads it; nullopt when it cannot
// be opened.
std::optional<QList<QStringList>> readFile(const QString &path);
}
