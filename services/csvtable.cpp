#include "services/csvtable.h"

qsizetype CsvTable::firstFieldAfter(qsizetype row) const
{
    return row + 1 < m_rows.size() ? m_rows.at(row + 1).firstField : m_openRow.firstField;
}

qsizetype CsvTable::fieldCount(qsizetype row) const
{
    if (row < 0 || row >= m_rows.size())
        return 0;
    return firstFieldAfter(row) - m_rows.at(row).firstField;
}

QStringView CsvTable::fieldView(qsizetype row, qsizetype column) const
{
    if (column < 0 || column >= fieldCount(row))
        return QStringView();
    const Row &entry = m_rows.at(row);
    const qsizetype index = entry.firstField + column;
    const qsizetype start = column == 0 ? 0 : qsizetype(m_fieldEnds.at(index - 1));
    const qsizetype end = qsizetype(m_fieldEnds.at(index));
    return QStringView(m_text).mid(entry.textStart + start, end - start);
}

QStringList CsvTable::row(qsizetype row) const
{
    QStringList fields;
    const qsizetype count = fieldCount(row);
    fields.reserve(count);
    for (qsizetype column = 0; column < count; ++column)
        fields.append(field(row, column));
    return fields;
}

QList<QStringList> CsvTable::toList() const
{
    QList<QStringList> rows;
    rows.reserve(m_rows.size());
    for (qsizetype index = 0; index < m_rows.size(); ++index)
        rows.append(row(index));
    return rows;
}

void CsvTable::addField(QStringView text)
{
    m_text.append(text);
    m_fieldEnds.append(quint32(m_text.size() - m_openRow.textStart));
}

void CsvTable::endRow()
{
    m_rows.append(m_openRow);
    m_openRow.textStart = m_text.size();
    m_openRow.firstField = m_fieldEnds.size();
}

void CsvTable::dropRow()
{
    m_text.truncate(m_openRow.textStart);
    m_fieldEnds.truncate(m_openRow.firstField);
}

void CsvTable::squeeze()
{
    m_text.squeeze();
}
