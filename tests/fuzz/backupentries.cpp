#include "fuzz/backupentries.h"

#include <QBuffer>
#include <QList>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

namespace {

struct Entry
{
    QString path;
    QByteArray content;
};

QList<Entry> splitEntries(const QByteArray &text)
{
    static const QByteArray marker = QByteArrayLiteral("=== ");
    QList<Entry> entries;
    for (const QByteArray &line : text.split('\n')) {
        if (line.startsWith(marker)) {
            entries.append({QString::fromUtf8(line.mid(marker.size())), QByteArray()});
        } else if (!entries.isEmpty()) {
            entries.last().content += line + '\n';
        }
    }
    return entries;
}

} // namespace

QByteArray packBackupEntries(const QByteArray &text)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    {
        QuaZip zip(&buffer);
        if (!zip.open(QuaZip::mdCreate))
            return {};
        for (const Entry &entry : splitEntries(text)) {
            QuaZipFile file(&zip);
            if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(entry.path)))
                continue; // a name the ZIP writer refuses: not an archive a backup could hold
            file.write(entry.content);
            file.close();
        }
        zip.close();
    }
    return buffer.data();
}
