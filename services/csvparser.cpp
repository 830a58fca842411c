#include "services/csvparser.h"

namespace CsvParser {

QList<QStringList> parse(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool inQuotes = false;

    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (inQuotes) {
            if (c == u'"') {
                if (i + 1 < size && text.at(i + 1) == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                field += c;
            }
            continue;
        }
        if (c == u'"') {
            inQuotes = true;
        } else if (c == u',') {
            row.append(field.trimmed());
            field.clear();
        } else if (c == u'\n') {
            row.append(field.trimmed());
            field.clear();
            // A blank line is dropped; a line of commas is a row of empty fields.
            if (row.size() > 1 || !row.first().isEmpty())
                rows.append(row);
            row.clear();
        } else if (c != u'\r') {
            field += c;
        }
    }
    if (!field.isEmpty() || !row.isEmpty()) {
        row.append(field.trimmed());
        rows.append(row);
    }
    return rows;
}

} // namespace CsvParser
