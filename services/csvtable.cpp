#include "services/csvtable.h"

#include <QStringEncoder>

namespace {

constexpr qsizetype kTextPage = qsizetype(1) << 20;

} // namespace

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

QString CsvTable::field(qsizetype row, qsizetype column) const
{
    if (column < 0 || column >= fieldCount(row))
        return QString();
    const Row &entry = m_rows.at(row);
    const qsizetype index = entry.firstField + column;
    const qsizetype start = column == 0 ? 0 : qsizetype(m_fieldEnds.at(index - 1));
    const qsizetype end = qsizetype(m_fieldEnds.at(index));
    return QString::fromUtf8(QByteArrayView(m_text.at(entry.page)).sliced(entry.textStart + start, end - start));
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

void CsvTable::makeRoom(qsizetype bytes)
{
    if (!m_text.isEmpty()) {
        const QByteArray &page = m_text.last();
        if (page.capacity() - page.size() >= bytes)
            return;
    }
    QByteArray page;
    QByteArrayView openRow;
    if (!m_text.isEmpty())
        openRow = QByteArrayView(m_text.last()).sliced(m_openRow.textStart);
    page.reserve(qMax(kTextPage, 2 * (openRow.size() + bytes)));
    page.append(openRow);
    if (!m_text.isEmpty()) {
        m_text.last().truncate(m_openRow.textStart);
        m_text.last().squeeze();
    }
    m_text.append(page);
    m_openRow.page = int(m_text.size() - 1);
    m_openRow.textStart = 0;
}

void CsvTable::addField(QStringView text)
{
    QStringEncoder encoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const qsizetype room = encoder.requiredSpace(text.size());
    makeRoom(room);
    QByteArray &page = m_text.last();
    const qsizetype start = page.size();
    page.resize(start + room); // within its room: the page stays where it is
    char *end = encoder.appendToBuffer(page.data() + start, text);
    page.truncate(end - page.constData());
    m_fieldEnds.append(quint32(page.size() - m_openRow.textStart));
}

void CsvTable::endRow()
{
    m_rows.append(m_openRow);
    m_openRow.textStart = m_text.isEmpty() ? 0 : quint32(m_text.last().size());
    m_openRow.firstField = m_fieldEnds.size();
}

void CsvTable::dropRow()
{
    if (!m_text.isEmpty())
        m_text.last().truncate(m_openRow.textStart);
    m_fieldEnds.truncate(m_openRow.firstField);
}

void CsvTable::squeeze()
{
    if (!m_text.isEmpty())
        m_text.last().squeeze();
}
