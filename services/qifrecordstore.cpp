#include "services/qifrecordstore.h"

#include <QSet>

namespace {

constexpr qsizetype kPage = qsizetype(1) << 20;
// Dates are kept as days from 2000-01-01, which statements are near.
constexpr qint64 kDayBase = 2451545;

enum Flag : quint64 {
    MonthFirstDate = 1,
    DayFirstDate = 2,
    SameDate = 4,
    Cleared = 8,
    Reconciled = 16,
};

void putNumber(QByteArray &out, quint64 value)
{
    while (value >= 0x80) {
        out.append(char(value | 0x80));
        value >>= 7;
    }
    out.append(char(value));
}

void putSigned(QByteArray &out, qint64 value)
{
    putNumber(out, (quint64(value) << 1) ^ quint64(value >> 63));
}

void putText(QByteArray &out, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    putNumber(out, quint64(utf8.size()));
    out.append(utf8);
}

// Reads what the put functions wrote; the bytes are our own, so they are
// whole and well formed.
struct Unpacker
{
    const char *at;

    quint64 number()
    {
        quint64 value = 0;
        for (int shift = 0;; shift += 7) {
            const auto byte = static_cast<unsigned char>(*at++);
            value |= quint64(byte & 0x7F) << shift;
            if (byte < 0x80)
                return value;
        }
    }

    qint64 signedNumber()
    {
        const quint64 value = number();
        return qint64(value >> 1) ^ -qint64(value & 1);
    }

    QString text()
    {
        const auto size = qsizetype(number());
        const char *start = at;
        at += size;
        return size == 0 ? QString() : QString::fromUtf8(start, size);
    }

    void skipText() { at += qsizetype(number()); }
};

} // namespace

void QifRecordStore::PackedBytes::append(const QByteArray &record)
{
    if (m_pages.isEmpty() || m_pages.last().capacity() - m_pages.last().size() < record.size()) {
        squeeze();
        QByteArray page;
        page.reserve(qMax(kPage, record.size()));
        m_pages.append(page);
    }
    m_pages.last().append(record);
}

void QifRecordStore::PackedBytes::squeeze()
{
    if (!m_pages.isEmpty())
        m_pages.last().squeeze();
}

int QifRecordStore::sourceIndex(const QString &accountName, QifAccountKind kind)
{
    if (m_lastSource >= 0 && m_sources.at(m_lastSource).kind == kind
        && m_sources.at(m_lastSource).accountName == accountName)
        return m_lastSource;
    const QString key = QString::number(int(kind)) + u'|' + accountName;
    auto found = m_sourceIndex.constFind(key);
    if (found == m_sourceIndex.constEnd()) {
        m_sources.append({accountName, kind});
        found = m_sourceIndex.insert(key, int(m_sources.size() - 1));
    }
    m_lastSource = found.value();
    return m_lastSource;
}

void QifRecordStore::addTransaction(const QifTransaction &record, const std::optional<QDate> &monthFirst,
                                    const std::optional<QDate> &dayFirst, int source)
{
    QByteArray &out = m_scratch;
    out.resize(0);
    quint64 flags = 0;
    if (monthFirst)
        flags |= MonthFirstDate;
    if (dayFirst)
        flags |= DayFirstDate;
    if (monthFirst && dayFirst && *monthFirst == *dayFirst)
        flags |= SameDate;
    if (record.cleared)
        flags |= Cleared;
    if (record.reconciled)
        flags |= Reconciled;
    putNumber(out, flags);
    if (monthFirst)
        putSigned(out, monthFirst->toJulianDay() - kDayBase);
    if (dayFirst && !(flags & SameDate))
        putSigned(out, dayFirst->toJulianDay() - kDayBase);
    putSigned(out, record.amount);
    putNumber(out, quint64(source));
    for (const QString *text : {&record.payee, &record.memo, &record.category, &record.transferAccount,
                                &record.checkNumber, &record.security})
        putText(out, *text);
    putNumber(out, quint64(record.splits.size()));
    for (const QifSplit &split : record.splits) {
        putText(out, split.category);
        putText(out, split.transferAccount);
        putText(out, split.memo);
        putSigned(out, split.amount);
    }
    m_transactions.append(out);
}

void QifRecordStore::addCategory(const QifCategoryEntry &entry)
{
    QByteArray &out = m_scratch;
    out.resize(0);
    putText(out, entry.name);
    putText(out, entry.description);
    putNumber(out, entry.isIncome ? 1 : 0);
    m_categories.append(out);
}

QList<QifCategoryEntry> QifRecordStore::categories() const
{
    QList<QifCategoryEntry> entries;
    for (const QByteArray &page : m_categories.pages()) {
        Unpacker in{page.constData()};
        while (in.at < page.constData() + page.size()) {
            QifCategoryEntry entry;
            entry.name = in.text();
            entry.description = in.text();
            entry.isIncome = in.number() != 0;
            entries.append(entry);
        }
    }
    return entries;
}

void QifRecordStore::finish(QifDateOrder order)
{
    m_order = order;
    m_scratch = QByteArray();
    m_transactions.squeeze();
    m_categories.squeeze();

    // One pass for what the file holds: its dated transactions, its accounts
    // and the accounts they transfer to.
    QSet<QString> seenAccounts;
    QSet<QString> seenTransfers;
    const auto addTransfer = [&](const QString &name) {
        if (name.isEmpty())
            return;
        const QString folded = name.toLower();
        if (seenTransfers.contains(folded))
            return;
        seenTransfers.insert(folded);
        m_transferAccounts.append(name);
    };
    Reader reader(*this);
    while (reader.next()) {
        ++m_transactionCount;
        const Source &source = m_sources.at(reader.source());
        if (!source.accountName.isEmpty()) {
            const QString folded = source.accountName.toLower();
            if (!seenAccounts.contains(folded)) {
                seenAccounts.insert(folded);
                m_accounts.append({source.accountName, source.kind});
            }
        }
        const QifTransaction &record = reader.record();
        addTransfer(record.transferAccount);
        for (const QifSplit &split : record.splits)
            addTransfer(split.transferAccount);
    }
    m_unparseableCount += reader.undatedCount();
}

QifRecordStore::Reader::Reader(const QifRecordStore &store)
    : m_store(store)
{
    const QList<QByteArray> &pages = store.m_transactions.pages();
    if (!pages.isEmpty()) {
        m_at = pages.first().constData();
        m_end = m_at + pages.first().size();
    }
}

bool QifRecordStore::Reader::next()
{
    const QList<QByteArray> &pages = m_store.m_transactions.pages();
    for (;;) {
        while (m_at == m_end) {
            if (m_page + 1 >= pages.size())
                return false;
            ++m_page;
            m_at = pages.at(m_page).constData();
            m_end = m_at + pages.at(m_page).size();
        }
        if (readOne())
            return true;
    }
}

bool QifRecordStore::Reader::readOne()
{
    Unpacker in{m_at};
    const quint64 flags = in.number();
    std::optional<qint64> monthFirst;
    std::optional<qint64> dayFirst;
    if (flags & MonthFirstDate)
        monthFirst = in.signedNumber();
    if (flags & SameDate)
        dayFirst = monthFirst;
    else if (flags & DayFirstDate)
        dayFirst = in.signedNumber();
    const std::optional<qint64> day = m_store.m_order == QifDateOrder::DayFirst ? dayFirst : monthFirst;
    if (!day) {
        ++m_undated;
        in.signedNumber();
        in.number();
        for (int i = 0; i < 6; ++i)
            in.skipText();
        for (auto splits = in.number(); splits > 0; --splits) {
            in.skipText();
            in.skipText();
            in.skipText();
            in.signedNumber();
        }
        m_at = in.at;
        return false;
    }

    QifTransaction &record = m_record;
    record.date = QDate::fromJulianDay(*day + kDayBase);
    record.amount = in.signedNumber();
    m_source = int(in.number());
    record.sourceAccount = m_store.m_sources.at(m_source).accountName;
    record.payee = in.text();
    record.memo = in.text();
    record.category = in.text();
    record.transferAccount = in.text();
    record.checkNumber = in.text();
    record.security = in.text();
    record.cleared = flags & Cleared;
    record.reconciled = flags & Reconciled;
    record.splits.resize(qsizetype(in.number()));
    for (QifSplit &split : record.splits) {
        split.category = in.text();
        split.transferAccount = in.text();
        split.memo = in.text();
        split.amount = in.signedNumber();
    }
    m_at = in.at;
    return true;
}
