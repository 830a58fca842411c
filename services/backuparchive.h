#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// Reads a ZIP archive held in memory within bounds, whatever its directory
// claims. One walk over the directory notes where each wanted entry's
// stored bytes lie in the archive; an entry is decoded only when it is
// read, never past the size limit, and checked against its recorded size
// and checksum. Entries whose stored bytes reach past the archive or share
// bytes with another entry are damaged: so no byte of the archive is
// decoded twice, and reading every entry costs at most what the archive's
// own bytes can expand to.
namespace BackupArchive {

// Entries larger than this are not read.
constexpr qint64 MaxEntrySize = 16 * 1024 * 1024;

// The most that reading a whole archive may decode. Backup rows decode to
// about twice their stored size; an archive of honest rows that expand a
// thousandfold (a text of one letter repeated) would otherwise take a
// thousand times its size in memory.
constexpr qint64 decodeBudget(qint64 archiveSize)
{
    return 16 * archiveSize + 2 * MaxEntrySize;
}

enum class Status { Read, TooLarge, Damaged };

struct Entry
{
    QString path;
    int method = 0;
    quint32 crc = 0;
    qint64 size = 0;       // as the directory declares it, decoded
    qint64 offset = 0;     // of its stored bytes in the archive
    qint64 storedSize = 0; // as stored (compressed)
    Status status = Status::Read; // TooLarge or Damaged when the directory already tells
};

// The entries whose paths `wanted` accepts, in archive order; nothing when the
// bytes are no ZIP archive.
std::optional<QList<Entry>> entries(const QByteArray &archive, const std::function<bool(const QString &)> &wanted);

// The entry's bytes, when it could be read whole and intact. `archive` is
// the one the entry was found in.
Status read(const QByteArray &archive, const Entry &entry, QByteArray *out);

} // namespace BackupArchive
