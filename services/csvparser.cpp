#include "services/csvparser.h"

#include "services/importtext.h"

#include <QFile>

namespace CsvParser {

QChar detectSeparator(const QString &text)
{
    int commas = 0;
    int semicolons = 0;
    int tabs = 0;
    bool inQuotes = false;
    for (QChar c : text) {
        if (c == u'"') {
            inQuotes = !inQuotes;
        } else if (!inQuotes) {
            if (c == u'\n' || c == u'\r')
                break;
            if (c == u',')
                ++commas;
            else if (c == u';')
                ++semicolons;
            else if (c == u'\t')
                ++tabs;
        }
    }
    if (semicolons > commas && semicolons >= tabs)
        return u';';
    if (tabs > commas && tabs > semicolons)
        return u'\t';
    return u',';
}

QList<QStringList> parse(const QString &text)
{
    return parse(text, detectSeparator(text));
}

QList<QStringList> parse(const QString &text, QChar separator)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool inQuotes = false;

    const auto endRow = [&] {
        row.append(field.trimmed());
        field.clear();
        // A blank line is dropped; a line of separators is a row of empty fields.
        if (row.size() > 1 || !row.first().isEmpty())
            rows.append(row);
        row.clear();
    };

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
        } else if (c == separator) {
            row.append(field.trimmed());
            field.clear();
        } else if (c == u'\n') {
            endRow();
        } else if (c == u'\r') {
            if (i + 1 < size && text.at(i + 1) == u'\n')
                ++i;
            endRow();
        } else {
            field += c;
        }
    }
    if (!field.isEmpty() || !row.isEmpty()) {
        row.append(field.trimmed());
        rows.append(row);
    }
    return rows;
}

std::optional<QList<QStringList>> readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(decodeImportText(file.readAll()));
}

} // namespace CsvParser
