#include "services/backuparchive.h"

#include <QBuffer>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>
#include <quazip/unzip.h>

#include <zlib.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace BackupArchive {

namespace {

// Finds where the current entry's stored bytes begin: opening it raw reads
// its local header, and nothing is decoded.
Entry locateCurrentEntry(QuaZip &zip, const QuaZipFileInfo64 &info, qint64 archiveSize)
{
    Entry entry;
    entry.path = info.name;
    entry.method = info.method;
    entry.crc = info.crc;
    entry.size = qint64(std::min<quint64>(info.uncompressedSize, quint64(std::numeric_limits<qint64>::max())));
    entry.storedSize = qint64(std::min<quint64>(info.compressedSize, quint64(std::numeric_limits<qint64>::max())));
    if (info.uncompressedSize > quint64(MaxEntrySize)) {
        entry.status = Status::TooLarge;
        return entry;
    }
    QuaZipFile file(&zip);
    int method = 0;
    int level = 0;
    if (!file.open(QIODevice::ReadOnly, &method, &level, true)) {
        entry.status = Status::Damaged;
        return entry;
    }
    entry.offset = qint64(unzGetCurrentFileZStreamPos64(zip.getUnzFile()));
    file.close();
    const bool inside = entry.offset >= 0 && entry.offset <= archiveSize
                        && entry.storedSize <= archiveSize - entry.offset;
    const bool storedWhole = entry.method != 0 || entry.storedSize == entry.size;
    if (!inside || !storedWhole)
        entry.status = Status::Damaged;
    return entry;
}

// Entries whose stored bytes share any byte with another entry's are all
// damaged: a directory that points many entries at one payload would
// otherwise have it decoded once per entry.
void refuseOverlaps(QList<Entry> &entries)
{
    std::vector<qsizetype> order;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries.at(i).status == Status::Read && entries.at(i).storedSize > 0)
            order.push_back(i);
    }
    std::sort(order.begin(), order.end(),
        [&entries](qsizetype a, qsizetype b) { return entries.at(a).offset < entries.at(b).offset; });
    size_t first = 0;
    qint64 end = -1;
    const auto closeRun = [&](size_t last) {
        if (last - first > 1) {
            for (size_t k = first; k < last; ++k)
                entries[order[k]].status = Status::Damaged;
        }
    };
    for (size_t k = 0; k < order.size(); ++k) {
        const Entry &entry = entries.at(order[k]);
        if (entry.offset >= end) {
            closeRun(k);
            first = k;
        }
        end = std::max(end, entry.offset + entry.storedSize);
    }
    closeRun(order.size());
}

// Inflates a deflated payload, never past the size limit nor one byte past
// the declared size: a payload that decodes to more is damaged or too large.
Status inflatePayload(const char *payload, qint64 payloadSize, qint64 declaredSize, QByteArray *out)
{
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return Status::Damaged;
    const qint64 limit = std::min(declaredSize, MaxEntrySize) + 1;
    out->resize(qsizetype(std::min<qint64>(limit, 64 * 1024)));
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(payload));
    stream.avail_in = uInt(payloadSize);
    int status = Z_OK;
    while (status == Z_OK) {
        if (qint64(stream.total_out) >= out->size()) {
            if (out->size() >= limit)
                break;
            out->resize(qsizetype(std::min<qint64>(qint64(out->size()) * 2, limit)));
        }
        stream.next_out = reinterpret_cast<Bytef *>(out->data()) + stream.total_out;
        stream.avail_out = uInt(out->size() - qsizetype(stream.total_out));
        status = inflate(&stream, Z_NO_FLUSH);
    }
    const qint64 produced = qint64(stream.total_out);
    inflateEnd(&stream);
    if (produced > MaxEntrySize)
        return Status::TooLarge;
    if (status != Z_STREAM_END)
        return Status::Damaged;
    out->resize(qsizetype(produced));
    return Status::Read;
}

} // namespace

std::optional<QList<Entry>> entries(const QByteArray &archive, const std::function<bool(const QString &)> &wanted)
{
    QBuffer buffer;
    buffer.setData(archive);
    buffer.open(QIODevice::ReadOnly);
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdUnzip))
        return std::nullopt;
    QList<Entry> found;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        if (!zip.getCurrentFileInfo(&info) || !wanted(info.name))
            continue;
        found.append(locateCurrentEntry(zip, info, archive.size()));
    }
    zip.close();
    refuseOverlaps(found);
    return found;
}

Status read(const QByteArray &archive, const Entry &entry, QByteArray *out)
{
    if (entry.status != Status::Read)
        return entry.status;
    if (entry.offset < 0 || entry.offset > archive.size() || entry.storedSize > archive.size() - entry.offset)
        return Status::Damaged;
    const char *payload = archive.constData() + entry.offset;
    Status status = Status::Damaged;
    if (entry.method == 0) {
        *out = QByteArray(payload, qsizetype(entry.storedSize));
        status = Status::Read;
    } else if (entry.method == Z_DEFLATED) {
        // Deflate adds a few bytes per block at most: more stored bytes than
        // that for an entry within the limit is no honest entry.
        if (entry.storedSize > MaxEntrySize + MaxEntrySize / 8)
            return Status::Damaged;
        status = inflatePayload(payload, entry.storedSize, entry.size, out);
    }
    if (status != Status::Read)
        return status;
    const auto crc = crc32(0, reinterpret_cast<const Bytef *>(out->constData()), uInt(out->size()));
    return crc == entry.crc && out->size() == entry.size ? Status::Read : Status::Damaged;
}

} // namespace BackupArchive
