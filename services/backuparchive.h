#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// Reads a ZIP archive held in memory. One walk over the archive keeps the
// wanted entries as they are stored (still compressed, so memory stays within
// the archive's own size); each entry is then decoded on its own, never past
// the size limit and checked against its recorded size and checksum.
namespace BackupArchive {

// Entries larger than this are not read.
constexpr qint64 MaxEntrySize = 16 * 1024 * 1024;

enum class Status { Read, TooLarge, Failed };

struct Entry
{
    QString path;
    int method = 0;
    quint32 crc = 0;
    qint64 size = 0;
    QByteArray payload;
    Status status = Status::Read;
};

// The entries whose paths `wanted` accepts, in archive order; nothing when the
// bytes are no ZIP archive.
std::optional<QList<Entry>> entries(const QByteArray &archive, const std::function<bool(const QString &)> &wanted);

// The entry's bytes, when it could be read whole and intact.
Status read(const Entry &entry, QByteArray *out);

} // namespace BackupArchive
