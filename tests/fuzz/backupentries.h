#pragma once

#include <QByteArray>

// Packs entries written as text into a valid deflated ZIP archive, so the
// fuzzer works on the rows of a backup rather than on ZIP structure. Each
// entry starts with a line "=== <path>"; the lines up to the next such line
// are its content. Text before the first such line is ignored.
QByteArray packBackupEntries(const QByteArray &text);
