// Backup restore from the archive's bytes as they arrive: ZIP structure,
// entry sizes and checksums, the manifest and every row.
#include "fuzz/backuprestore.h"
#include "fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const int mode = FuzzSupport::takeChoice(input, 3);
    restoreAndRead(input, mode);
    return 0;
}
