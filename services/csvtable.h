#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The rows of a CSV file, held compactly: the text of every field one after
// another and four bytes per field for where it ends, so that a file's rows
// take little more than its decoded text. Copies share the data.
class CsvTable
{
public:
    qsizetype rowCount() const { return m_rows.size(); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    qsizetype fieldCount(qsizetype row) const;
    // Empty beyond the row's fields.
    QStringView fieldView(qsizetype row, qsizetype column) const;
    QString field(qsizetype row, qsizetype column) const { return fieldView(row, column).toString(); }
    QStringList row(qsizetype row) const;
    QList<QStringList> toList() const;

    // Building, row by row: fields are added to the open row, which is then
    // ended (kept) or dropped. A row's text stays below 4 GiB characters.
    void addField(QStringView text);
    void endRow();
    void dropRow();
    qsizetype openRowFieldCount() const { return m_fieldEnds.size() - m_openRow.firstField; }
    // Gives back the room that growing left over.
    void squeeze();

private:
    struct Row
    {
        qsizetype textStart = 0;
        qsizetype firstField = 0;
    };

    qsizetype firstFieldAfter(qsizetype row) const;

    QString m_text;
    QList<quint32> m_fieldEnds; // from the start of the field's row
    QList<Row> m_rows;
    Row m_openRow;
};
