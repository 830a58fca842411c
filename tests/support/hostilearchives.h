#pragma once

#include <QByteArray>
#include <QList>

// Backup archives that no honest writer makes, built byte by byte: a
// directory that points many entries at one payload, sizes that claim more
// than the archive holds, deflate streams that expand a thousandfold. Each
// ends with a valid "manifest.json", so a restore gets as far as the rows.
// Small to build and small on disk; tests and benchmarks share them.
namespace HostileArchives {

// `count` entries "transactions/tNNNNN.json" whose directory records all
// point at one stored entry of `payloadSize` bytes, a transaction row padded
// with blanks.
QByteArray overlappingEntries(int count, int payloadSize);

// "transactions/big.json", whose directory declares `declaredSize` bytes
// (past 4 GiB through the ZIP64 extra field) while it holds a short row.
QByteArray declaredSize(quint64 declaredSize);

// "transactions/bomb.json": `inflatedSize` zero bytes deflated, declared
// in the directory as `declaredSize`.
QByteArray deflateBomb(qint64 inflatedSize, quint64 declaredSize);

// "transactions/cut.json", whose stored bytes would run past the archive's end.
QByteArray storedPastTheEnd();

} // namespace HostileArchives
