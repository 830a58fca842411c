#pragma once

#include "services/qifparser.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The records of one QIF file as it was read, packed into bytes: the text
// of each field in UTF-8 behind its length, numbers in as few bytes as they
// need. A file's records take about as much memory as the file itself, and
// an import works through them one at a time.
//
// The date order of a file is known only once all of it was read, so a
// transaction keeps its date in both orders until finish() settles it.
class QifRecordStore
{
public:
    struct Source
    {
        QString accountName; // empty before the first account block
        QifAccountKind kind = QifAccountKind::Bank;
    };

    // While the file is read.
    // The source of the records that follow: the account block in force and
    // the kind of its "!Type:" header.
    int sourceIndex(const QString &accountName, QifAccountKind kind);
    void addTransaction(const QifTransaction &record, const std::optional<QDate> &monthFirst,
                        const std::optional<QDate> &dayFirst, int source);
    void addCategory(const QifCategoryEntry &entry);
    void countMetadata() { ++m_metadataCount; }
    void countUnparseable() { ++m_unparseableCount; }
    // The file has ended: its dates read in this order (MonthFirst or
    // DayFirst); a transaction without a date in it is unparseable.
    void finish(QifDateOrder order);

    // Once finished.
    QifDateOrder dateOrder() const { return m_order; }
    int transactionCount() const { return m_transactionCount; }
    int unparseableCount() const { return m_unparseableCount; }
    int metadataCount() const { return m_metadataCount; }
    // One per account with a transaction, letter case aside, in the order of
    // each one's first transaction, with the kind in force then.
    const QList<QifAccountEntry> &accounts() const { return m_accounts; }
    // Every account a transaction or split transfers to, by its first
    // spelling, letter case aside.
    const QStringList &transferAccounts() const { return m_transferAccounts; }
    const QList<Source> &sources() const { return m_sources; }
    QList<QifCategoryEntry> categories() const;

    // Walks the transactions that have a date in the file's order, in file
    // order.
    class Reader
    {
    public:
        explicit Reader(const QifRecordStore &store);
        bool next();
        const QifTransaction &record() const { return m_record; }
        int source() const { return m_source; }
        // Transactions passed over so far for having no date in that order.
        int undatedCount() const { return m_undated; }

    private:
        bool readOne(); // false: this one has no date in the file's order

        const QifRecordStore &m_store;
        qsizetype m_page = 0;
        const char *m_at = nullptr;
        const char *m_end = nullptr;
        QifTransaction m_record;
        int m_source = 0;
        int m_undated = 0;
    };

private:
    // Bytes in pages that are never moved; a record never spans two.
    class PackedBytes
    {
    public:
        void append(const QByteArray &record);
        // Gives back the room the last page did not use.
        void squeeze();
        const QList<QByteArray> &pages() const { return m_pages; }

    private:
        QList<QByteArray> m_pages;
    };

    PackedBytes m_transactions;
    PackedBytes m_categories;
    QByteArray m_scratch; // the record being packed
    QList<Source> m_sources;
    QHash<QString, int> m_sourceIndex; // by kind and name
    int m_lastSource = -1;
    QifDateOrder m_order = QifDateOrder::MonthFirst;
    int m_transactionCount = 0;
    int m_unparseableCount = 0;
    int m_metadataCount = 0;
    QList<QifAccountEntry> m_accounts;
    QStringList m_transferAccounts;
};
