#include "support/hostilearchives.h"

#include <QString>

#include <zlib.h>


namespace HostileArchives {

namespace {

constexpr quint32 kNoFit = 0xFFFFFFFFu;

void put16(QByteArray &out, quint32 value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

void put32(QByteArray &out, quint32 value)
{
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

void put64(QByteArray &out, quint64 value)
{
    put32(out, quint32(value & 0xFFFFFFFFu));
    put32(out, quint32(value >> 32));
}

quint32 crcOf(const QByteArray &data)
{
    return quint32(crc32(0, reinterpret_cast<const Bytef *>(data.constData()), uInt(data.size())));
}

// A raw deflate stream; `flush` Z_FINISH ends it, Z_FULL_FLUSH leaves it
// open and byte-aligned with no history, so copies of it can follow one another.
QByteArray deflated(const QByteArray &data, int flush)
{
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&stream, uLong(data.size()))) + 64, Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, flush);
    out.resize(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return out;
}

struct Record
{
    QByteArray name;
    int method = 0;
    quint32 crc = 0;
    quint64 storedSize = 0;
    quint64 size = 0;
    quint32 localOffset = 0;
};

// Writes the ZIP structures as they are given, true or not.
class RawZip
{
public:
    // A local header stating the record's method, checksum and sizes (cut to
    // 32 bits), followed by `data`. Returns the header's offset.
    quint32 addLocal(const Record &record, const QByteArray &data)
    {
        const quint32 offset = quint32(m_bytes.size());
        put32(m_bytes, 0x04034b50);
        put16(m_bytes, 20);
        put16(m_bytes, 0);
        put16(m_bytes, quint32(record.method));
        put16(m_bytes, 0);
        put16(m_bytes, 0x21); // 1980-01-01
        put32(m_bytes, record.crc);
        put32(m_bytes, fit(record.storedSize));
        put32(m_bytes, fit(record.size));
        put16(m_bytes, quint32(record.name.size()));
        put16(m_bytes, 0);
        m_bytes += record.name;
        m_bytes += data;
        return offset;
    }

    // A directory record; sizes past 32 bits go to a ZIP64 extra field.
    void addRecord(const Record &record)
    {
        QByteArray extra;
        if (record.size >= kNoFit)
            put64(extra, record.size);
        if (record.storedSize >= kNoFit)
            put64(extra, record.storedSize);
        QByteArray zip64;
        if (!extra.isEmpty()) {
            put16(zip64, 0x0001);
            put16(zip64, quint32(extra.size()));
            zip64 += extra;
        }
        const quint32 version = zip64.isEmpty() ? 20 : 45;
        put32(m_directory, 0x02014b50);
        put16(m_directory, version);
        put16(m_directory, version);
        put16(m_directory, 0);
        put16(m_directory, quint32(record.method));
        put16(m_directory, 0);
        put16(m_directory, 0x21);
        put32(m_directory, record.crc);
        put32(m_directory, fit(record.storedSize));
        put32(m_directory, fit(record.size));
        put16(m_directory, quint32(record.name.size()));
        put16(m_directory, quint32(zip64.size()));
        put16(m_directory, 0);
        put16(m_directory, 0);
        put16(m_directory, 0);
        put32(m_directory, 0);
        put32(m_directory, record.localOffset);
        m_directory += record.name;
        m_directory += zip64;
        ++m_count;
    }

    // An honest entry, deflated.
    void addEntry(const QByteArray &name, const QByteArray &data)
    {
        const QByteArray stored = deflated(data, Z_FINISH);
        Record record{name, Z_DEFLATED, crcOf(data), quint64(stored.size()), quint64(data.size()), 0};
        record.localOffset = addLocal(record, stored);
        addRecord(record);
    }

    QByteArray finish()
    {
        addEntry("manifest.json", "{\n    \"version\": 1\n}\n");
        QByteArray archive = m_bytes;
        const quint32 directoryOffset = quint32(archive.size());
        archive += m_directory;
        put32(archive, 0x06054b50);
        put16(archive, 0);
        put16(archive, 0);
        put16(archive, quint32(m_count));
        put16(archive, quint32(m_count));
        put32(archive, quint32(m_directory.size()));
        put32(archive, directoryOffset);
        put16(archive, 0);
        return archive;
    }

private:
    static quint32 fit(quint64 size) { return size >= kNoFit ? kNoFit : quint32(size); }

    QByteArray m_bytes;
    QByteArray m_directory;
    int m_count = 0;
};

QByteArray transactionRow(const QByteArray &id)
{
    return "{\n    \"account_id\": \"acc\",\n    \"amount\": -100,\n    \"created_at\": \"2024-05-01T10:00:00Z\",\n"
           "    \"date\": \"2024-05-01\",\n    \"id\": \"" + id + "\",\n    \"payee\": \"Grocer\",\n"
           "    \"updated_at\": \"2024-05-01T10:00:00Z\"\n}\n";
}

} // namespace

QByteArray overlappingEntries(int count, int payloadSize)
{
    QByteArray payload = transactionRow("shared");
    payload.append(QByteArray(qMax(0, payloadSize - int(payload.size())), ' '));
    // Every name has the length of the one in the shared local header.
    const auto name = [](int n) { return QStringLiteral("transactions/t%1.json").arg(n, 5, 10, QLatin1Char('0')).toLatin1(); };
    RawZip zip;
    Record record{name(0), 0, crcOf(payload), quint64(payload.size()), quint64(payload.size()), 0};
    record.localOffset = zip.addLocal(record, payload);
    for (int n = 0; n < count; ++n) {
        record.name = name(n);
        zip.addRecord(record);
    }
    return zip.finish();
}

QByteArray declaredSize(quint64 size)
{
    const QByteArray row = transactionRow("big");
    RawZip zip;
    Record record{"transactions/big.json", 0, crcOf(row), quint64(row.size()), size, 0};
    record.localOffset = zip.addLocal(record, row);
    zip.addRecord(record);
    return zip.finish();
}

QByteArray deflateBomb(qint64 inflatedSize, quint64 declaredSize)
{
    // One MiB of zeros deflated with no history, repeated, then an empty
    // final block: a valid stream that inflates to whole MiBs of zeros.
    constexpr qint64 chunk = 1024 * 1024;
    const QByteArray zeros(chunk, '\0');
    const QByteArray segment = deflated(zeros, Z_FULL_FLUSH);
    const qint64 chunks = qMax<qint64>(1, inflatedSize / chunk);
    QByteArray stream;
    stream.reserve(qsizetype(segment.size() * chunks + 2));
    const uLong chunkCrc = crc32(0, reinterpret_cast<const Bytef *>(zeros.constData()), uInt(chunk));
    uLong crc = 0;
    for (qint64 i = 0; i < chunks; ++i) {
        stream += segment;
        crc = crc32_combine(crc, chunkCrc, z_off_t(chunk));
    }
    stream += QByteArray("\x03\x00", 2);
    RawZip zip;
    Record record{"transactions/bomb.json", Z_DEFLATED, quint32(crc), quint64(stream.size()), declaredSize, 0};
    record.localOffset = zip.addLocal(record, stream);
    zip.addRecord(record);
    return zip.finish();
}

QByteArray storedPastTheEnd()
{
    const QByteArray row = transactionRow("cut");
    RawZip zip;
    Record record{"transactions/cut.json", 0, crcOf(row), quint64(row.size()) + 100000, quint64(row.size()) + 100000, 0};
    record.localOffset = zip.addLocal(record, row);
    zip.addRecord(record);
    return zip.finish();
}

} // namespace HostileArchives
