#include "services/backupservice.h"

#include "data/database.h"
#include "data/sqlvalues.h"

#include <QBuffer>
#include <QDateTime>
#include <QDebug>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>
#include <quazip/quazipnewinfo.h>

#include <zlib.h>

#include <array>
#include <limits>
#include <optional>

namespace {

struct BackupTable
{
    const char *table;
    const char *folder;
    int BackupImportResult::*imported;
    int BackupImportResult::*skipped;
};

// Parents before the rows that refer to them.
const std::array<BackupTable, 6> kTables = {{
    {"accounts", "accounts", &BackupImportResult::accountsImported, &BackupImportResult::accountsSkipped},
    {"categories", "categories", &BackupImportResult::categoriesImported, &BackupImportResult::categoriesSkipped},
    {"transactions", "transactions", &BackupImportResult::transactionsImported,
     &BackupImportResult::transactionsSkipped},
    {"split_lines", "split_lines", &BackupImportResult::splitLinesImported, &BackupImportResult::splitLinesSkipped},
    {"recurring_transactions", "recurring", &BackupImportResult::recurringImported,
     &BackupImportResult::recurringSkipped},
    {"reconciliations", "reconciliations", &BackupImportResult::reconciliationsImported,
     &BackupImportResult::reconciliationsSkipped},
}};

const QString kManifestName = QStringLiteral("manifest.json");
const QString kIdKey = QStringLiteral("id");
const QString kUpdatedAtKey = QStringLiteral("updated_at");

int tableIndexForEntry(const QString &path)
{
    if (!path.endsWith(QLatin1String(".json")))
        return -1;
    for (int i = 0; i < int(kTables.size()); ++i) {
        const QLatin1String folder(kTables[i].folder);
        if (path.size() > folder.size() && path.startsWith(folder) && path.at(folder.size()) == QLatin1Char('/'))
            return i;
    }
    return -1;
}

QJsonValue sqlToJson(const QVariant &value)
{
    if (value.isNull())
        return QJsonValue(QJsonValue::Null);
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Long:
    case QMetaType::Short:
        return QJsonValue(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return QJsonValue(value.toDouble());
    case QMetaType::Bool:
        return QJsonValue(value.toBool());
    default:
        return QJsonValue(value.toString());
    }
}

// Nothing when the value has no column form (arrays, objects, numbers out of
// the 64-bit range).
std::optional<QVariant> jsonToSql(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return SqlValues::sqlNull();
    case QJsonValue::Bool:
        return QVariant(value.toBool());
    case QJsonValue::String:
        return QVariant(value.toString());
    case QJsonValue::Double: {
        constexpr qint64 notInteger = std::numeric_limits<qint64>::min();
        const qint64 exact = value.toInteger(notInteger);
        if (exact != notInteger)
            return QVariant(qlonglong(exact));
        // A fractional part is dropped.
        const double number = value.toDouble();
        if (!(number >= -9223372036854775808.0 && number < 9223372036854775808.0))
            return std::nullopt;
        return QVariant(qlonglong(qint64(number)));
    }
    case QJsonValue::Array:
    case QJsonValue::Object:
    case QJsonValue::Undefined:
        break;
    }
    return std::nullopt;
}

QString jsonText(const QJsonValue &value)
{
    return value.isString() ? value.toString() : value.toVariant().toString();
}

QString quotedIdentifier(const QString &name)
{
    QString escaped = name;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

enum class EntryStatus { Read, TooLarge, Failed };

// A row entry as found in the archive, still compressed: the archive is
// walked once, before anything is written, and holding the compressed bytes
// keeps that walk's memory within the archive's own size.
struct ArchiveEntry
{
    QString path;
    int method = 0;
    quint32 crc = 0;
    qint64 size = 0;
    QByteArray payload;
    EntryStatus status = EntryStatus::Read;
};

// Reads the zip's current entry, never more than the size limit.
EntryStatus readCurrentEntry(QuaZip &zip, qint64 declaredSize, QByteArray *out)
{
    if (declaredSize > BackupService::MaxEntrySize)
        return EntryStatus::TooLarge;
    QuaZipFile file(&zip);
    if (!file.open(QIODevice::ReadOnly))
        return EntryStatus::Failed;
    out->clear();
    out->reserve(qsizetype(std::max<qint64>(declaredSize, 0)));
    char chunk[16384];
    // The declared size is not trusted: stop one byte past the limit.
    while (out->size() <= BackupService::MaxEntrySize) {
        const qint64 got = file.read(chunk, sizeof chunk);
        if (got < 0)
            return EntryStatus::Failed;
        if (got == 0)
            break;
        out->append(chunk, qsizetype(got));
    }
    if (out->size() > BackupService::MaxEntrySize)
        return EntryStatus::TooLarge;
    file.close();
    return file.getZipError() == UNZ_OK ? EntryStatus::Read : EntryStatus::Failed;
}

ArchiveEntry takeCurrentEntry(QuaZip &zip, const QuaZipFileInfo64 &info)
{
    ArchiveEntry entry;
    entry.path = info.name;
    entry.method = info.method;
    entry.crc = info.crc;
    entry.size = qint64(info.uncompressedSize);
    if (entry.size > BackupService::MaxEntrySize) {
        entry.status = EntryStatus::TooLarge;
        return entry;
    }
    QuaZipFile file(&zip);
    int method = 0;
    int level = 0;
    if (!file.open(QIODevice::ReadOnly, &method, &level, true)) {
        entry.status = EntryStatus::Failed;
        return entry;
    }
    entry.payload = file.readAll();
    file.close();
    return entry;
}

// Inflates a deflated payload, never past the size limit.
EntryStatus inflatePayload(const QByteArray &payload, qint64 declaredSize, QByteArray *out)
{
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return EntryStatus::Failed;
    out->resize(qsizetype(std::min<qint64>(declaredSize, BackupService::MaxEntrySize)) + 1);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(payload.constData()));
    stream.avail_in = uInt(payload.size());
    int status = Z_OK;
    while (status == Z_OK) {
        if (qint64(stream.total_out) >= out->size()) {
            if (out->size() > BackupService::MaxEntrySize)
                break;
            out->resize(std::min<qsizetype>(out->size() * 2, BackupService::MaxEntrySize + 1));
        }
        stream.next_out = reinterpret_cast<Bytef *>(out->data()) + stream.total_out;
        stream.avail_out = uInt(out->size() - qsizetype(stream.total_out));
        status = inflate(&stream, Z_NO_FLUSH);
    }
    const qint64 produced = qint64(stream.total_out);
    inflateEnd(&stream);
    if (produced > BackupService::MaxEntrySize)
        return EntryStatus::TooLarge;
    if (status != Z_STREAM_END)
        return EntryStatus::Failed;
    out->resize(qsizetype(produced));
    return EntryStatus::Read;
}

// The entry's bytes, checked against its size and checksum.
EntryStatus decodeEntry(const ArchiveEntry &entry, QByteArray *out)
{
    if (entry.status != EntryStatus::Read)
        return entry.status;
    EntryStatus status = EntryStatus::Failed;
    if (entry.method == 0) {
        *out = entry.payload;
        status = out->size() > BackupService::MaxEntrySize ? EntryStatus::TooLarge : EntryStatus::Read;
    } else if (entry.method == Z_DEFLATED) {
        status = inflatePayload(entry.payload, entry.size, out);
    }
    if (status != EntryStatus::Read)
        return status;
    const auto crc = crc32(0, reinterpret_cast<const Bytef *>(out->constData()), uInt(out->size()));
    return crc == entry.crc && out->size() == entry.size ? EntryStatus::Read : EntryStatus::Failed;
}

} // namespace

int BackupImportResult::totalImported() const
{
    return accountsImported + categoriesImported + transactionsImported + splitLinesImported + recurringImported
           + reconciliationsImported;
}

int BackupImportResult::totalSkipped() const
{
    return accountsSkipped + categoriesSkipped + transactionsSkipped + splitLinesSkipped + recurringSkipped
           + reconciliationsSkipped;
}

// Restores the rows of one table. Column names are taken only from the
// table's schema, so no text of the archive ever reaches the SQL unquoted or
// names anything but a column; the prepared statements are kept per set of
// keys, since every row of a table normally has the same keys.
class BackupService::TableImporter
{
public:
    enum class Outcome { Imported, LeftAlone, Failed };

    TableImporter(QSqlDatabase &connection, const QString &table, int mode)
        : m_connection(connection)
        , m_table(table)
        , m_mode(mode)
        , m_lookup(connection)
    {
        QSqlQuery info(connection);
        if (info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quotedIdentifier(table)))) {
            while (info.next())
                m_columns.insert(info.value(1).toString());
        }
        m_lookup.prepare(QStringLiteral("SELECT id, updated_at FROM %1 WHERE id = ?").arg(quotedIdentifier(table)));
    }

    Outcome import(const QJsonObject &backupRow)
    {
        const QJsonObject row = BackupService::resetSyncFields(m_table, backupRow);
        const QString id = jsonText(row.value(kIdKey));
        if (id.isEmpty())
            return Outcome::LeftAlone;

        QStringList keys;
        QVariantList values;
        keys.reserve(row.size());
        values.reserve(row.size());
        for (auto it = row.constBegin(); it != row.constEnd(); ++it) {
            const auto value = jsonToSql(it.value());
            if (!m_columns.contains(it.key()) || !value)
                return Outcome::LeftAlone;
            keys.append(it.key());
            values.append(*value);
        }

        m_lookup.bindValue(0, id);
        if (!m_lookup.exec())
            return Outcome::Failed;
        if (!m_lookup.next()) {
            m_lookup.finish();
            return insert(keys, values) ? Outcome::Imported : Outcome::Failed;
        }
        const QString storedUpdatedAt = m_lookup.value(1).toString();
        m_lookup.finish();

        switch (m_mode) {
        case int(BackupImportMode::SkipExisting):
            return Outcome::LeftAlone;
        case int(BackupImportMode::KeepNewer): {
            const QString backupUpdatedAt = jsonText(row.value(kUpdatedAtKey));
            // Equal time stamps keep the stored row.
            if (!backupUpdatedAt.isEmpty() && !(backupUpdatedAt > storedUpdatedAt))
                return Outcome::LeftAlone;
            break;
        }
        default:
            break;
        }
        return update(keys, values, id) ? Outcome::Imported : Outcome::Failed;
    }

private:
    bool insert(const QStringList &keys, const QVariantList &values)
    {
        const QString signature = keys.join(QLatin1Char(','));
        auto it = m_inserts.find(signature);
        if (it == m_inserts.end()) {
            QStringList columns;
            for (const QString &key : keys)
                columns.append(quotedIdentifier(key));
            QStringList marks(keys.size(), QStringLiteral("?"));
            QSqlQuery query(m_connection);
            if (!query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                   .arg(quotedIdentifier(m_table), columns.join(QLatin1String(", ")),
                                        marks.join(QLatin1String(", ")))))
                return false;
            it = m_inserts.insert(signature, query);
        }
        return execute(*it, values);
    }

    bool update(const QStringList &keys, const QVariantList &values, const QString &id)
    {
        const QString signature = keys.join(QLatin1Char(','));
        QVariantList bound;
        QStringList assignments;
        for (qsizetype i = 0; i < keys.size(); ++i) {
            if (keys.at(i) == kIdKey)
                continue;
            assignments.append(quotedIdentifier(keys.at(i)) + QLatin1String(" = ?"));
            bound.append(values.at(i));
        }
        bound.append(id);
        auto it = m_updates.find(signature);
        if (it == m_updates.end()) {
            QSqlQuery query(m_connection);
            if (assignments.isEmpty()) // a row holding nothing but its id
                return true;
            if (!query.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE id = ?")
                                   .arg(quotedIdentifier(m_table), assignments.join(QLatin1String(", ")))))
                return false;
            it = m_updates.insert(signature, query);
        }
        return execute(*it, bound);
    }

    static bool execute(QSqlQuery &query, const QVariantList &values)
    {
        for (qsizetype i = 0; i < values.size(); ++i)
            query.bindValue(int(i), values.at(i));
        const bool ok = query.exec();
        query.finish();
        return ok;
    }

    QSqlDatabase &m_connection;
    QString m_table;
    int m_mode;
    QSet<QString> m_columns;
    QSqlQuery m_lookup;
    QHash<QString, QSqlQuery> m_inserts;
    QHash<QString, QSqlQuery> m_updates;
};

BackupService::BackupService(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{
}

QJsonObject BackupService::rowToJson(const QSqlQuery &query)
{
    const QSqlRecord record = query.record();
    QJsonObject row;
    for (int i = 0; i < record.count(); ++i)
        row.insert(record.fieldName(i), sqlToJson(record.value(i)));
    return row;
}

QJsonObject BackupService::resetSyncFields(const QString &table, QJsonObject row)
{
    // Split lines travel with their transaction and have no sync columns.
    if (table == QLatin1String("split_lines"))
        return row;
    row.insert(QStringLiteral("sync_status"), QStringLiteral("pending"));
    row.insert(QStringLiteral("server_id"), QJsonValue(QJsonValue::Null));
    row.insert(QStringLiteral("version"), 1);
    return row;
}

int BackupService::exportTable(QuaZip &zip, QSqlDatabase &connection, const QString &table, const QString &folder)
{
    QSqlQuery query(connection);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT * FROM %1").arg(table))) {
        qWarning() << "BackupService export query failed:" << query.lastError().text();
        return 0;
    }
    const QSqlRecord record = query.record();
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names.append(record.fieldName(i));
    const int idColumn = int(names.indexOf(kIdKey));

    const QDateTime stamp = QDateTime::currentDateTime();
    int count = 0;
    while (query.next()) {
        QJsonObject row;
        for (int i = 0; i < names.size(); ++i)
            row.insert(names.at(i), sqlToJson(query.value(i)));
        const QString id = idColumn >= 0 ? query.value(idColumn).toString() : QString();

        QuaZipNewInfo info(folder + QLatin1Char('/') + id + QLatin1String(".json"));
        info.dateTime = stamp;
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, info, nullptr, 0, Z_DEFLATED, Z_DEFAULT_COMPRESSION)) {
            qWarning() << "BackupService could not add" << info.name;
            continue;
        }
        file.write(QJsonDocument(row).toJson(QJsonDocument::Indented));
        file.close();
        ++count;
    }
    return count;
}

QByteArray BackupService::exportBackup()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QuaZip zip(&buffer);
    zip.setUtf8Enabled(true);
    if (!zip.open(QuaZip::mdCreate)) {
        qWarning() << "BackupService could not start the archive:" << zip.getZipError();
        return {};
    }

    static const char *const countKeys[] = {"accountCount",      "categoryCount",  "transactionCount",
                                            "splitLineCount",    "recurringCount", "reconciliationCount"};
    QJsonObject manifest;
    QSqlDatabase &connection = *m_database->db();
    for (int i = 0; i < int(kTables.size()); ++i) {
        const int count = exportTable(zip, connection, QString::fromLatin1(kTables[i].table),
                                      QString::fromLatin1(kTables[i].folder));
        manifest.insert(QLatin1String(countKeys[i]), count);
    }
    manifest.insert(QStringLiteral("version"), 1);
    manifest.insert(QStringLiteral("exportedAt"),
                    QDateTime::currentDateTimeUtc().toString(Qt::ISODate));

    QuaZipFile file(&zip);
    if (file.open(QIODevice::WriteOnly, QuaZipNewInfo(kManifestName), nullptr, 0, Z_DEFLATED,
                  Z_DEFAULT_COMPRESSION)) {
        file.write(QJsonDocument(manifest).toJson(QJsonDocument::Indented));
        file.close();
    }
    zip.close();
    return buffer.data();
}

BackupImportResult BackupService::importBackup(const QByteArray &archive, BackupImportMode mode)
{
    return importBackup(archive, int(mode));
}

BackupImportResult BackupService::importBackup(const QByteArray &archive, int mode)
{
    BackupImportResult result;

    QBuffer buffer;
    buffer.setData(archive);
    buffer.open(QIODevice::ReadOnly);
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdUnzip)) {
        result.errors.append(tr("Failed to open ZIP archive"));
        return result;
    }

    // One sequential pass over the archive: nothing is written before the
    // manifest, which comes last, has been checked.
    std::array<QList<ArchiveEntry>, kTables.size()> entries;
    QByteArray manifestData;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        if (!zip.getCurrentFileInfo(&info))
            continue;
        if (info.name == kManifestName) {
            if (readCurrentEntry(zip, qint64(info.uncompressedSize), &manifestData) != EntryStatus::Read)
                manifestData = QByteArrayLiteral("-");
            continue;
        }
        const int table = tableIndexForEntry(info.name);
        if (table < 0)
            continue;
        entries[table].append(takeCurrentEntry(zip, info));
    }
    zip.close();

    if (manifestData.isEmpty()) {
        result.errors.append(tr("Invalid backup: missing manifest.json"));
        return result;
    }
    const int version = QJsonDocument::fromJson(manifestData).object().value(QStringLiteral("version")).toInt(0);
    if (version != 1) {
        result.errors.append(tr("Unsupported backup version: %1").arg(version));
        return result;
    }

    BulkWriteScope bulk(m_database);
    QSqlDatabase &connection = *m_database->db();
    for (size_t t = 0; t < kTables.size(); ++t) {
        const BackupTable &table = kTables[t];
        if (entries[t].isEmpty())
            continue;
        int imported = 0;
        int skipped = 0;
        SqlTransaction transaction(m_database);
        TableImporter importer(connection, QString::fromLatin1(table.table), mode);

        // Rows whose parent comes later in the archive fail at first; they
        // are tried again until a pass restores nothing more.
        QList<QJsonObject> failed;
        auto importOne = [&](const QJsonObject &row, QList<QJsonObject> &retry) {
            switch (importer.import(row)) {
            case TableImporter::Outcome::Imported:
                ++imported;
                break;
            case TableImporter::Outcome::LeftAlone:
                ++skipped;
                break;
            case TableImporter::Outcome::Failed:
                retry.append(row);
                break;
            }
        };

        QByteArray data;
        for (const ArchiveEntry &entry : std::as_const(entries[t])) {
            const EntryStatus status = decodeEntry(entry, &data);
            if (status == EntryStatus::Failed) {
                result.errors.append(tr("%1: unexpected error").arg(entry.path));
                continue;
            }
            const QJsonObject row =
                status == EntryStatus::Read ? QJsonDocument::fromJson(data).object() : QJsonObject();
            if (row.isEmpty()) {
                result.errors.append(tr("%1: invalid JSON").arg(entry.path));
                continue;
            }
            importOne(row, failed);
        }
        entries[t].clear();

        while (!failed.isEmpty()) {
            QList<QJsonObject> stillFailed;
            const int importedBefore = imported;
            for (const QJsonObject &row : std::as_const(failed))
                importOne(row, stillFailed);
            failed = std::move(stillFailed);
            if (imported == importedBefore)
                break;
        }
        skipped += int(failed.size());

        if (!transaction.isActive() || !transaction.commit()) {
            skipped += imported;
            imported = 0;
            result.errors.append(tr("%1: unexpected error").arg(QString::fromLatin1(table.folder)));
        }
        result.*(table.imported) = imported;
        result.*(table.skipped) = skipped;
    }
    return result;
}

bool BackupService::importRow(int mode, QSqlDatabase &connection, const QString &table, const QJsonObject &row)
{
    TableImporter importer(connection, table, mode);
    return importer.import(row) == TableImporter::Outcome::Imported;
}
