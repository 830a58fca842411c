#include "services/backupservice.h"

#include "data/database.h"
#include "data/sqlvalues.h"
#include "services/backuparchive.h"

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
#include <quazip/quazipnewinfo.h>

#include <sqlite3.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace {

struct BackupTable
{
    const char *table;
    const char *folder;
    int BackupImportResult::*imported;
    int BackupImportResult::*skipped;
    // A column naming another row of the same table, which is restored first.
    const char *parentColumn;
    // Columns naming rows of earlier tables; the rows are grouped by them.
    std::array<const char *, 2> referenceColumns;
};

// Parents before the rows that refer to them.
const std::array<BackupTable, 6> kTables = {{
    {"accounts", "accounts", &BackupImportResult::accountsImported, &BackupImportResult::accountsSkipped, nullptr,
     {nullptr, nullptr}},
    {"categories", "categories", &BackupImportResult::categoriesImported, &BackupImportResult::categoriesSkipped,
     "parent_id", {nullptr, nullptr}},
    {"transactions", "transactions", &BackupImportResult::transactionsImported,
     &BackupImportResult::transactionsSkipped, nullptr, {"account_id", "category_id"}},
    {"split_lines", "split_lines", &BackupImportResult::splitLinesImported, &BackupImportResult::splitLinesSkipped,
     nullptr, {"transaction_id", nullptr}},
    {"recurring_transactions", "recurring", &BackupImportResult::recurringImported,
     &BackupImportResult::recurringSkipped, nullptr, {"account_id", "category_id"}},
    {"reconciliations", "reconciliations", &BackupImportResult::reconciliationsImported,
     &BackupImportResult::reconciliationsSkipped, nullptr, {"account_id", nullptr}},
}};

const QString kManifestName = QStringLiteral("manifest.json");
const QString kIdKey = QStringLiteral("id");
const QString kUpdatedAtKey = QStringLiteral("updated_at");
const QString kTransactionIdKey = QStringLiteral("transaction_id");
const QString kTransactionsTable = QStringLiteral("transactions");
const QString kSplitLinesTable = QStringLiteral("split_lines");

// Text columns that hold a date "yyyy-MM-dd".
const QSet<QString> kDateColumns = {QStringLiteral("date"), QStringLiteral("start_date"), QStringLiteral("end_date"),
                                    QStringLiteral("next_due_date"), QStringLiteral("statement_date")};
// Text columns that hold a time stamp, stored in the one form every stamp has.
const QSet<QString> kTimestampColumns = {QStringLiteral("created_at"), QStringLiteral("updated_at"),
                                         QStringLiteral("deleted_at"), QStringLiteral("completed_at")};
// Integer columns that hold cents. Flags may come as JSON true and false;
// an amount never does.
const QSet<QString> kMoneyColumns = {QStringLiteral("amount"), QStringLiteral("starting_balance"),
                                     QStringLiteral("statement_balance"), QStringLiteral("reconciled_balance")};

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

enum class ColumnKind { Integer, Money, Text, Date, Timestamp };

struct Column
{
    ColumnKind kind = ColumnKind::Text;
    bool nullable = true;
};

// A JSON number as a stored integer: only a whole number, written as such
// or as "-1250.0" or "1e3". Nothing for a fraction, which would be stored
// cut short, for numbers outside the 64-bit range and for INT64_MIN, which
// has no negation and so is never a stored amount.
std::optional<qint64> jsonInteger(const QJsonValue &value)
{
    constexpr qint64 lowest = std::numeric_limits<qint64>::min();
    const qint64 number = value.isDouble() ? value.toInteger(lowest) : lowest;
    if (number == lowest)
        return std::nullopt;
    return number;
}

bool holdsWholeNumbers(ColumnKind kind)
{
    return kind == ColumnKind::Integer || kind == ColumnKind::Money;
}

// A NUL ends the text wherever it is read as a C string.
QString withoutNul(QString text)
{
    text.remove(QChar(0));
    return text;
}

// The value to bind for a column, or nothing when the value does not fit
// the column: a row that holds one is skipped rather than stored as text
// the program would read as something else.
std::optional<QVariant> columnValue(const QJsonValue &value, const Column &column)
{
    if (value.isNull()) {
        if (!column.nullable)
            return std::nullopt;
        return SqlValues::sqlNull();
    }
    switch (column.kind) {
    case ColumnKind::Integer:
    case ColumnKind::Money:
        if (value.isBool() && column.kind == ColumnKind::Integer)
            return QVariant(qlonglong(value.toBool() ? 1 : 0));
        if (const auto number = jsonInteger(value))
            return QVariant(qlonglong(*number));
        return std::nullopt;
    case ColumnKind::Date: {
        if (!value.isString())
            return std::nullopt;
        const QString text = value.toString();
        // An optional date may be empty; any other text must be the stored form.
        if (text.isEmpty() ? !column.nullable : SqlValues::isoDate(SqlValues::parseIsoDate(text)) != text)
            return std::nullopt;
        return QVariant(text);
    }
    case ColumnKind::Timestamp: {
        if (!value.isString())
            return std::nullopt;
        // A stamp written with a zone or fractions is stored as UTC; other
        // text is left as it is.
        const QDateTime stamp = SqlValues::parseIsoDateTime(value.toString());
        return QVariant(stamp.isValid() ? SqlValues::isoDateTime(stamp) : withoutNul(value.toString()));
    }
    case ColumnKind::Text:
        if (value.isString())
            return QVariant(withoutNul(value.toString()));
        return std::nullopt;
    }
    return std::nullopt;
}

// The error text for an entry that could not be read.
QString entryError(const QString &path, BackupArchive::Status status)
{
    return status == BackupArchive::Status::TooLarge ? BackupService::tr("%1: too large").arg(path)
                                                     : BackupService::tr("%1: damaged").arg(path);
}

// What the manifest gives as its version, as written there, unless it is
// the one version read here. An absent version, or a manifest that is no
// JSON object, reads as 0.
std::optional<QString> unsupportedVersion(const QByteArray &manifest)
{
    const QJsonValue version = QJsonDocument::fromJson(manifest).object().value(QStringLiteral("version"));
    if (version.isUndefined())
        return QStringLiteral("0");
    if (version.isDouble() && version.toDouble() == 1.0)
        return std::nullopt;
    // Written as JSON, so the text "1" shows with its quotes; long values are cut.
    QByteArray text = QJsonDocument(QJsonArray{version}).toJson(QJsonDocument::Compact);
    text = text.mid(1, text.size() - 2);
    constexpr qsizetype shown = 40;
    QString found = QString::fromUtf8(text);
    if (found.size() > shown)
        found = found.left(shown) + QChar(0x2026);
    return found;
}

QString quotedIdentifier(const QString &name)
{
    QString escaped = name;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
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
// names anything but a column, and every value must fit its column. The
// prepared statements are kept per set of keys, since every row of a table
// normally has the same keys.
class BackupService::TableImporter
{
public:
    enum class Outcome {
        Inserted,
        Updated,
        LeftAlone, // the mode keeps the stored row
        Refused,   // the schema refuses the row, perhaps only until its parent is restored
        Failed     // the database failed
    };

    // One row of the archive, checked against the table's columns.
    struct Row
    {
        QString path;
        QString id;
        int keySet = 0;
        QVariantList values;
    };

    TableImporter(QSqlDatabase &connection, const QString &table, int mode)
        : m_connection(connection)
        , m_table(table)
        , m_mode(mode)
        , m_lookup(connection)
    {
        QSqlQuery info(connection);
        if (info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quotedIdentifier(table)))) {
            while (info.next()) {
                const QString name = info.value(1).toString();
                Column column;
                if (info.value(2).toString().compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0)
                    column.kind = kMoneyColumns.contains(name) ? ColumnKind::Money : ColumnKind::Integer;
                else if (kDateColumns.contains(name))
                    column.kind = ColumnKind::Date;
                else if (kTimestampColumns.contains(name))
                    column.kind = ColumnKind::Timestamp;
                column.nullable = info.value(3).toInt() == 0;
                m_columns.insert(name, column);
            }
        }
        m_lookup.prepare(QStringLiteral("SELECT id, updated_at FROM %1 WHERE id = ?").arg(quotedIdentifier(table)));
    }

    // Nothing when the row has no id or holds a key that is no column, or a
    // value that does not fit its column; a number that cannot be stored as
    // it is also says so in `refusal`.
    std::optional<Row> prepare(const QJsonObject &backupRow, const QString &path = QString(),
                               QString *refusal = nullptr)
    {
        const QJsonObject object = BackupService::resetSyncFields(m_table, backupRow);
        Row row;
        QStringList keys;
        keys.reserve(object.size());
        row.values.reserve(object.size());
        for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
            const auto column = m_columns.constFind(it.key());
            if (column == m_columns.cend())
                return std::nullopt;
            const auto value = columnValue(it.value(), *column);
            if (!value) {
                if (refusal && holdsWholeNumbers(column->kind) && !it.value().isNull())
                    *refusal = tr("%1: %2 is not a whole number in range").arg(path, it.key());
                return std::nullopt;
            }
            keys.append(it.key());
            row.values.append(*value);
        }
        const qsizetype idIndex = keys.indexOf(kIdKey);
        if (idIndex < 0)
            return std::nullopt;
        row.id = row.values.at(idIndex).toString();
        if (row.id.isEmpty())
            return std::nullopt;
        row.keySet = keySetIndex(keys);
        row.path = path;
        return row;
    }

    // The row's value of a column as text; empty when it has none.
    QString text(const Row &row, const QString &column) const
    {
        const qsizetype index = m_keySets.at(size_t(row.keySet)).keys.indexOf(column);
        return index < 0 ? QString() : row.values.at(index).toString();
    }

    Outcome write(const Row &row)
    {
        m_lookup.bindValue(0, row.id);
        if (!m_lookup.exec())
            return failure(m_lookup);
        const bool exists = m_lookup.next();
        const QString storedUpdatedAt = exists ? m_lookup.value(1).toString() : QString();
        m_lookup.finish();
        KeySet &keySet = m_keySets[size_t(row.keySet)];
        if (!exists)
            return insert(keySet, row.values);

        switch (m_mode) {
        case int(BackupImportMode::SkipExisting):
            return Outcome::LeftAlone;
        case int(BackupImportMode::KeepNewer): {
            const QString backupUpdatedAt = text(row, kUpdatedAtKey);
            // Equal time stamps keep the stored row.
            if (!backupUpdatedAt.isEmpty() && !(backupUpdatedAt > storedUpdatedAt))
                return Outcome::LeftAlone;
            break;
        }
        default:
            break;
        }
        return update(keySet, row);
    }

    QSqlError lastError() const { return m_lastError; }

private:
    struct KeySet
    {
        QStringList keys;
        std::optional<QSqlQuery> insert;
        std::optional<QSqlQuery> update;
    };

    int keySetIndex(const QStringList &keys)
    {
        const auto found = m_keySetIndex.constFind(keys);
        if (found != m_keySetIndex.cend())
            return *found;
        const int index = int(m_keySets.size());
        m_keySets.push_back(KeySet{keys, std::nullopt, std::nullopt});
        m_keySetIndex.insert(keys, index);
        return index;
    }

    Outcome insert(KeySet &keySet, const QVariantList &values)
    {
        if (!keySet.insert) {
            QStringList columns;
            for (const QString &key : std::as_const(keySet.keys))
                columns.append(quotedIdentifier(key));
            const QStringList marks(keySet.keys.size(), QStringLiteral("?"));
            QSqlQuery query(m_connection);
            if (!query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                   .arg(quotedIdentifier(m_table), columns.join(QLatin1String(", ")),
                                        marks.join(QLatin1String(", ")))))
                return failure(query);
            keySet.insert = std::move(query);
        }
        return execute(*keySet.insert, values, Outcome::Inserted);
    }

    Outcome update(KeySet &keySet, const Row &row)
    {
        QVariantList bound;
        QStringList assignments;
        for (qsizetype i = 0; i < keySet.keys.size(); ++i) {
            if (keySet.keys.at(i) == kIdKey)
                continue;
            assignments.append(quotedIdentifier(keySet.keys.at(i)) + QLatin1String(" = ?"));
            bound.append(row.values.at(i));
        }
        if (assignments.isEmpty()) // a row holding nothing but its id
            return Outcome::Updated;
        bound.append(row.id);
        if (!keySet.update) {
            QSqlQuery query(m_connection);
            if (!query.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE id = ?")
                                   .arg(quotedIdentifier(m_table), assignments.join(QLatin1String(", ")))))
                return failure(query);
            keySet.update = std::move(query);
        }
        return execute(*keySet.update, bound, Outcome::Updated);
    }

    Outcome execute(QSqlQuery &query, const QVariantList &values, Outcome success)
    {
        for (qsizetype i = 0; i < values.size(); ++i)
            query.bindValue(int(i), values.at(i));
        const Outcome outcome = query.exec() ? success : failure(query);
        query.finish();
        return outcome;
    }

    // A constraint refuses this row alone (a parent not yet restored, a
    // duplicate key); any other error is the database failing.
    Outcome failure(const QSqlQuery &query)
    {
        m_lastError = query.lastError();
        return (m_lastError.nativeErrorCode().toInt() & 0xff) == SQLITE_CONSTRAINT ? Outcome::Refused
                                                                                     : Outcome::Failed;
    }

    QSqlDatabase &m_connection;
    QString m_table;
    int m_mode;
    QHash<QString, Column> m_columns;
    QSqlQuery m_lookup;
    std::vector<KeySet> m_keySets;
    QHash<QStringList, int> m_keySetIndex;
    QSqlError m_lastError;
};

// One restore, table by table, inside the caller's bulk write. A row the
// schema refuses is skipped and counted; when the database itself fails the
// restore stops, and the bulk write has rolled everything back.
class BackupService::Restore
{
public:
    using Row = TableImporter::Row;

    Restore(Database *database, const QByteArray &archive, int mode, BulkWriteTransaction &bulk,
            BackupImportResult &result)
        : m_connection(*database->db())
        , m_archive(archive)
        , m_mode(mode)
        , m_bulk(bulk)
        , m_result(result)
        , m_dropSplitLines(m_connection)
    {
        m_dropSplitLines.prepare(QStringLiteral("DELETE FROM split_lines WHERE transaction_id = ?"));
    }

    // False when the database failed.
    bool restoreTable(const BackupTable &table, const QList<BackupArchive::Entry> &entries)
    {
        if (entries.isEmpty())
            return true;
        const QString name = QString::fromLatin1(table.table);
        const bool transactions = name == kTransactionsTable;
        const bool splitLines = name == kSplitLinesTable;
        // A split line is only ever added, to a transaction this restore wrote.
        TableImporter importer(m_connection, name, splitLines ? int(BackupImportMode::SkipExisting) : m_mode);
        int &imported = m_result.*(table.imported);
        int &skipped = m_result.*(table.skipped);

        QList<Row> rows = readRows(importer, entries, skipped);
        orderByReferences(rows, importer, table);

        // What the schema refuses is tried again until a pass restores
        // nothing more: a row may refer to one that failed before it.
        while (!rows.isEmpty()) {
            QList<Row> refused;
            const int importedBefore = imported;
            for (Row &row : rows) {
                if (splitLines && !m_writtenTransactions.contains(importer.text(row, kTransactionIdKey))) {
                    ++skipped;
                    continue;
                }
                const auto outcome = importer.write(row);
                switch (outcome) {
                case TableImporter::Outcome::Inserted:
                case TableImporter::Outcome::Updated:
                    if (!m_bulk.record(true))
                        return fail(row.path);
                    ++imported;
                    if (transactions) {
                        m_writtenTransactions.insert(row.id);
                        // Its lines become the archive's lines for it.
                        if (outcome == TableImporter::Outcome::Updated && !dropSplitLines(row))
                            return false;
                    }
                    break;
                case TableImporter::Outcome::LeftAlone:
                    if (!m_bulk.record(true))
                        return fail(row.path);
                    ++skipped;
                    break;
                case TableImporter::Outcome::Refused:
                    if (!m_bulk.recordRefusal())
                        return fail(row.path);
                    refused.append(std::move(row));
                    break;
                case TableImporter::Outcome::Failed:
                    m_bulk.record(false, importer.lastError());
                    return fail(row.path);
                }
            }
            if (imported == importedBefore) {
                skipped += int(refused.size());
                break;
            }
            rows = std::move(refused);
        }
        return true;
    }

private:
    // Each entry is read when its turn comes, so at most one is decoded at a
    // time. A row id met again in the table is the same row: restored once,
    // from its first entry, and counted once.
    QList<Row> readRows(TableImporter &importer, const QList<BackupArchive::Entry> &entries, int &skipped)
    {
        QList<Row> rows;
        rows.reserve(entries.size());
        QSet<QString> ids;
        ids.reserve(entries.size());
        QByteArray data;
        for (const BackupArchive::Entry &entry : entries) {
            // The declared size is what the entry must decode to, or it is damaged.
            if (entry.status == BackupArchive::Status::Read && entry.size > m_decodeBudget - m_decoded) {
                m_result.errors.append(entryError(entry.path, BackupArchive::Status::TooLarge));
                continue;
            }
            const BackupArchive::Status status = BackupArchive::read(m_archive, entry, &data);
            if (status == BackupArchive::Status::Read)
                m_decoded += data.size();
            if (status != BackupArchive::Status::Read) {
                m_result.errors.append(entryError(entry.path, status));
                continue;
            }
            const QJsonObject object = QJsonDocument::fromJson(data).object();
            if (object.isEmpty()) {
                m_result.errors.append(tr("%1: invalid JSON").arg(entry.path));
                continue;
            }
            const QJsonValue id = object.value(kIdKey);
            if (id.isString()) {
                const QString stored = withoutNul(id.toString());
                if (ids.contains(stored))
                    continue;
                ids.insert(stored);
            }
            QString refusal;
            if (auto row = importer.prepare(object, entry.path, &refusal)) {
                rows.append(std::move(*row));
            } else {
                ++skipped;
                if (!refusal.isEmpty())
                    m_result.errors.append(refusal);
            }
        }
        return rows;
    }

    // Rows come after the rows of their own table they name, so a chain of
    // any depth in any archive order restores in one pass; rows naming other
    // tables are grouped by those references.
    static void orderByReferences(QList<Row> &rows, const TableImporter &importer, const BackupTable &table)
    {
        if (table.parentColumn)
            parentsFirst(rows, importer, QString::fromLatin1(table.parentColumn));
        else if (table.referenceColumns[0])
            groupByReferences(rows, importer, table.referenceColumns);
    }

    static void parentsFirst(QList<Row> &rows, const TableImporter &importer, const QString &parentColumn)
    {
        QHash<QString, qsizetype> indexById;
        indexById.reserve(rows.size());
        for (qsizetype i = 0; i < rows.size(); ++i) {
            if (!indexById.contains(rows.at(i).id))
                indexById.insert(rows.at(i).id, i);
        }
        // Each row is placed once: walk up from it through the parents not
        // yet placed, then place that chain from the top. A cycle ends the
        // walk; its rows are left to the schema.
        std::vector<bool> placed(size_t(rows.size()), false);
        std::vector<qsizetype> chain;
        QList<Row> ordered;
        ordered.reserve(rows.size());
        for (qsizetype start = 0; start < rows.size(); ++start) {
            chain.clear();
            for (qsizetype at = start; at >= 0 && !placed[size_t(at)];
                 at = indexById.value(importer.text(rows.at(at), parentColumn), -1)) {
                placed[size_t(at)] = true;
                chain.push_back(at);
            }
            for (auto it = chain.rbegin(); it != chain.rend(); ++it)
                ordered.append(std::move(rows[*it]));
        }
        rows = std::move(ordered);
    }

    static void groupByReferences(QList<Row> &rows, const TableImporter &importer,
                                  const std::array<const char *, 2> &columns)
    {
        std::vector<std::pair<QString, qsizetype>> keys;
        keys.reserve(size_t(rows.size()));
        for (qsizetype i = 0; i < rows.size(); ++i) {
            QString key;
            for (const char *column : columns) {
                if (column)
                    key += importer.text(rows.at(i), QString::fromLatin1(column)) + QChar(u'\x1f');
            }
            keys.emplace_back(std::move(key), i);
        }
        std::stable_sort(keys.begin(), keys.end(),
                         [](const auto &left, const auto &right) { return left.first < right.first; });
        QList<Row> ordered;
        ordered.reserve(rows.size());
        for (const auto &key : keys)
            ordered.append(std::move(rows[key.second]));
        rows = std::move(ordered);
    }

    bool dropSplitLines(const Row &transaction)
    {
        m_dropSplitLines.bindValue(0, transaction.id);
        const bool ok = m_bulk.exec(m_dropSplitLines);
        m_dropSplitLines.finish();
        return ok || fail(transaction.path);
    }

    // The bulk write has ended with its reason; the entry says where.
    bool fail(const QString &path)
    {
        qWarning().noquote() << "BackupService restore failed at" << path << ":" << m_bulk.failureReason();
        m_result.errors.append(tr("%1: unexpected error").arg(path));
        return false;
    }

    QSqlDatabase &m_connection;
    const QByteArray &m_archive;
    const qint64 m_decodeBudget = BackupArchive::decodeBudget(m_archive.size());
    qint64 m_decoded = 0;
    int m_mode;
    BulkWriteTransaction &m_bulk;
    BackupImportResult &m_result;
    QSqlQuery m_dropSplitLines;
    QSet<QString> m_writtenTransactions;
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

int BackupService::exportTable(QuaZip &zip, QSqlDatabase &connection, const QString &table, const QString &folder,
    QString *failureReason)
{
    QSqlQuery query(connection);
    query.setForwardOnly(true);
    const auto readFailed = [&query, failureReason]() {
        const QSqlError error = query.lastError();
        qWarning() << "BackupService export query failed:" << error.text();
        *failureReason = Database::Failure(error.nativeErrorCode().toInt(), error.databaseText()).reason();
        return -1;
    };
    if (!query.exec(QStringLiteral("SELECT * FROM %1").arg(table)))
        return readFailed();
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
        // A backup that silently lacks a row would be found out only when
        // it is restored.
        const QByteArray json = QJsonDocument(row).toJson(QJsonDocument::Indented);
        if (!file.open(QIODevice::WriteOnly, info, nullptr, 0, Z_DEFLATED, Z_DEFAULT_COMPRESSION)
            || file.write(json) != json.size()) {
            qWarning() << "BackupService could not add" << info.name;
            return -1;
        }
        file.close();
        if (file.getZipError() != ZIP_OK) {
            qWarning() << "BackupService could not add" << info.name;
            return -1;
        }
        ++count;
    }
    // next() ends the same way at the last row and at a failed read.
    if (query.lastError().isValid())
        return readFailed();
    return count;
}

QByteArray BackupService::exportBackup(QString *failureReason)
{
    QString reason;
    const auto failed = [&reason, failureReason]() {
        if (failureReason)
            *failureReason = reason;
        return QByteArray();
    };
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QuaZip zip(&buffer);
    zip.setUtf8Enabled(true);
    if (!zip.open(QuaZip::mdCreate)) {
        qWarning() << "BackupService could not start the archive:" << zip.getZipError();
        return failed();
    }

    static const char *const countKeys[] = {"accountCount",      "categoryCount",  "transactionCount",
                                            "splitLineCount",    "recurringCount", "reconciliationCount"};
    QJsonObject manifest;
    QSqlDatabase &connection = *m_database->db();
    for (int i = 0; i < int(kTables.size()); ++i) {
        const int count = exportTable(zip, connection, QString::fromLatin1(kTables[i].table),
                                      QString::fromLatin1(kTables[i].folder), &reason);
        if (count < 0)
            return failed();
        manifest.insert(QLatin1String(countKeys[i]), count);
    }
    manifest.insert(QStringLiteral("version"), 1);
    manifest.insert(QStringLiteral("exportedAt"),
                    QDateTime::currentDateTimeUtc().toString(Qt::ISODate));

    // Without its manifest the archive restores nothing.
    const QByteArray json = QJsonDocument(manifest).toJson(QJsonDocument::Indented);
    QuaZipFile file(&zip);
    if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(kManifestName), nullptr, 0, Z_DEFLATED,
            Z_DEFAULT_COMPRESSION)
        || file.write(json) != json.size())
        return failed();
    file.close();
    zip.close();
    if (file.getZipError() != ZIP_OK || zip.getZipError() != ZIP_OK)
        return failed();
    return buffer.data();
}

BackupImportResult BackupService::importBackup(const QByteArray &archive, BackupImportMode mode)
{
    return importBackup(archive, int(mode));
}

BackupImportResult BackupService::importBackup(const QByteArray &archive, int mode)
{
    BackupImportResult result;
    const auto refuse = [&result](const QString &error) {
        result.errors.append(error);
        result.aborted = true;
        return result;
    };

    // One pass over the archive's directory: nothing is written before the
    // manifest, which comes last, has been checked.
    const auto found = BackupArchive::entries(
        archive, [](const QString &path) { return path == kManifestName || tableIndexForEntry(path) >= 0; });
    if (!found)
        return refuse(tr("Failed to open ZIP archive"));
    std::array<QList<BackupArchive::Entry>, kTables.size()> entries;
    QList<BackupArchive::Entry> manifests;
    for (const BackupArchive::Entry &entry : *found) {
        if (entry.path == kManifestName)
            manifests.append(entry);
        else
            entries[size_t(tableIndexForEntry(entry.path))].append(entry);
    }

    // Two manifests could say two things; neither is believed.
    if (manifests.size() > 1)
        return refuse(tr("Invalid backup: %1 entries named manifest.json").arg(manifests.size()));
    QByteArray manifestData;
    if (!manifests.isEmpty()) {
        const BackupArchive::Status status = BackupArchive::read(archive, manifests.constFirst(), &manifestData);
        if (status != BackupArchive::Status::Read)
            return refuse(entryError(kManifestName, status));
    }
    if (manifestData.isEmpty())
        return refuse(tr("Invalid backup: missing manifest.json"));
    if (const auto version = unsupportedVersion(manifestData))
        return refuse(tr("Unsupported backup version: %1").arg(*version));

    BulkWriteTransaction bulk(m_database);
    bool ok = bulk.isActive();
    size_t reached = 0;
    if (ok) {
        Restore restore(m_database, archive, mode, bulk, result);
        for (; ok && reached < kTables.size(); ++reached)
            ok = restore.restoreTable(kTables[reached], entries[reached]);
    }
    if (ok && bulk.commit())
        return result;

    // Nothing was kept: every row counts as skipped, those of tables not
    // reached included.
    bulk.rollback();
    for (size_t t = 0; t < kTables.size(); ++t) {
        int &imported = result.*(kTables[t].imported);
        int &skipped = result.*(kTables[t].skipped);
        skipped += imported + (t >= reached ? int(entries[t].size()) : 0);
        imported = 0;
    }
    const QString reason =
        bulk.failed() ? bulk.failureReason() : BulkWriteTransaction::reasonFor(0, QString());
    result.errors.prepend(tr("The backup could not be restored: %1. No data was changed.").arg(reason));
    result.aborted = true;
    return result;
}

bool BackupService::importRow(int mode, QSqlDatabase &connection, const QString &table, const QJsonObject &row)
{
    TableImporter importer(connection, table, mode);
    const auto prepared = importer.prepare(row);
    if (!prepared)
        return false;
    const auto outcome = importer.write(*prepared);
    return outcome == TableImporter::Outcome::Inserted || outcome == TableImporter::Outcome::Updated;
}
