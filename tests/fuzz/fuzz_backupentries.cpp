// Backup restore from rows packed into a valid archive: the manifest, column
// names, values of every type, parents that come late or never.
#include "fuzz/backupentries.h"
#include "fuzz/backuprestore.h"
#include "fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const int mode = FuzzSupport::takeChoice(input, 3);
    restoreAndRead(packBackupEntries(input), mode);
    return 0;
}
