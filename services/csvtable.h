#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The rows of a CSV file, held compactly: the text of every field one after
// another in UTF-8 and four bytes per field for where it ends, so that a
// file's rows take little more than the file itself. Copies share the data.
class CsvTable
{
public:
    qsizetype rowCount() const { return m_rows.size(); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    qsizetype fieldCount(qsizetype row) const;
    // Empty beyond the row's fields.
    QString field(qsizetype row, qsizetype column) const;
    QStringList row(qsizetype row) const;
    QList<QStringList> toList() const;

    // Building, row by row: fields are added to the open row, which is then
    // ended (kept) or dropped. A row's text stays below 4 GiB.
    void addField(QStringView text);
    void endRow();
    void dropRow();
    qsizetype openRowFieldCount() const { return m_fieldEnds.size() - m_openRow.firstField; }
    // Gives back the room that was not used.
    void squeeze();

private:
    struct Row
    {
        qsizetype firstField = 0;
        int page = 0;
        quint32 textStart = 0; // in its page
    };

    // Grows by pages that are never moved: a list that grows by doubling
    // leaves each smaller copy behind in the heap.
    template <typename T> class Pages
    {
    public:
        qsizetype size() const { return m_size; }
        bool isEmpty() const { return m_size == 0; }
        const T &at(qsizetype index) const { return m_pages.at(index >> kShift).at(index & kMask); }
        void append(const T &value)
        {
            if ((m_size & kMask) == 0) {
                // Full size at once: a page grown by doubling ends up to
                // twice as large as it is full.
                m_pages.append(QList<T>());
                m_pages.last().reserve(kMask + 1);
            }
            m_pages.last().append(value);
            ++m_size;
        }
        void truncate(qsizetype size)
        {
            while (m_size > size) {
                QList<T> &page = m_pages.last();
                const qsizetype dropped = qMin(page.size(), m_size - size);
                page.resize(page.size() - dropped);
                m_size -= dropped;
                if (page.isEmpty())
                    m_pages.removeLast();
            }
        }

    private:
        static constexpr int kShift = 16;
        static constexpr qsizetype kMask = (qsizetype(1) << kShift) - 1;
        QList<QList<T>> m_pages;
        qsizetype m_size = 0;
    };

    qsizetype firstFieldAfter(qsizetype row) const;
    // Room for `bytes` more in the open row's page; the open row moves to a
    // new page when its own is full, so that no row spans two.
    void makeRoom(qsizetype bytes);

    // Each page is filled up to its room and never grows beyond it.
    QList<QByteArray> m_text;
    Pages<quint32> m_fieldEnds; // from the start of the field's row
    Pages<Row> m_rows;
    Row m_openRow;
};
