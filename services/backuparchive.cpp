#include "services/backuparchive.h"

#include <QBuffer>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>

#include <zlib.h>

#include <algorithm>

namespace BackupArchive {

namespace {

Entry takeCurrentEntry(QuaZip &zip, const QuaZipFileInfo64 &info)
{
    Entry entry;
    entry.path = info.name;
    entry.method = info.method;
    entry.crc = info.crc;
    entry.size = qint64(info.uncompressedSize);
    if (entry.size > MaxEntrySize) {
        entry.status = Status::TooLarge;
        return entry;
    }
    // Raw mode: the bytes as stored; they are inflated by read().
    QuaZipFile file(&zip);
    int method = 0;
    int level = 0;
    if (!file.open(QIODevice::ReadOnly, &method, &level, true)) {
        entry.status = Status::Failed;
        return entry;
    }
    entry.payload = file.readAll();
    file.close();
    return entry;
}

// Inflates a deflated payload, never past the size limit: the declared size
// is not trusted.
Status inflatePayload(const QByteArray &payload, qint64 declaredSize, QByteArray *out)
{
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return Status::Failed;
    out->resize(qsizetype(std::clamp<qint64>(declaredSize, 0, MaxEntrySize)) + 1);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(payload.constData()));
    stream.avail_in = uInt(payload.size());
    int status = Z_OK;
    while (status == Z_OK) {
        if (qint64(stream.total_out) >= out->size()) {
            if (out->size() > MaxEntrySize)
                break;
            out->resize(std::min<qsizetype>(out->size() * 2, MaxEntrySize + 1));
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
        return Status::Failed;
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
        found.append(takeCurrentEntry(zip, info));
    }
    zip.close();
    return found;
}

Status read(const Entry &entry, QByteArray *out)
{
    if (entry.status != Status::Read)
        return entry.status;
    Status status = Status::Failed;
    if (entry.method == 0) {
        *out = entry.payload;
        status = out->size() > MaxEntrySize ? Status::TooLarge : Status::Read;
    } else if (entry.method == Z_DEFLATED) {
        status = inflatePayload(entry.payload, entry.size, out);
    }
    if (status != Status::Read)
        return status;
    const auto crc = crc32(0, reinterpret_cast<const Bytef *>(out->constData()), uInt(out->size()));
    return crc == entry.crc && out->size() == entry.size ? Status::Read : Status::Failed;
}

} // namespace BackupArchive
