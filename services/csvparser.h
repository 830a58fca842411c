#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Comma-separated rows of trimmed fields. Malformed quoting is absorbed:
// a quote anywhere in a field opens a quoted stretch, an open quote at the
// end takes the rest of the text.
namespace CsvParser {
QList<QStringList> parse(const QString &text);
}
