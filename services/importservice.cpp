#include "services/importservice.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/recordid.h"
#include "data/transactionrepository.h"
#include "data/userwrite.h"
#include "services/csvparser.h"
#include "services/importcategories.h"
#include "services/qifimportrun.h"
#include "services/qifparser.h"
#include "services/qifrecordstore.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>

namespace {

// Month-first forms come before day-first ones: 03/04/2024 is March 4.
const QStringList &flexibleDateFormats()
{
    static const QStringList formats = {
        QStringLiteral("yyyy-MM-dd"), QStringLiteral("yyyyMMdd"),     QStringLiteral("MM/dd/yyyy"),
        QStringLiteral("M/d/yyyy"),   QStringLiteral("M/dd/yyyy"),    QStringLiteral("MM/d/yyyy"),
        QStringLiteral("dd/MM/yyyy"), QStringLiteral("d/M/yyyy"),     QStringLiteral("d/MM/yyyy"),
        QStringLiteral("dd/M/yyyy"),  QStringLiteral("MM/dd/yy"),     QStringLiteral("M/d/yy"),
        QStringLiteral("yyyy/MM/dd"), QStringLiteral("MMMM d, yyyy"), QStringLiteral("MMM d, yyyy"),
    };
    return formats;
}

// The characters of a date text that are neither letters nor digits.
QString separatorsOf(const QString &text)
{
    QString separators;
    for (QChar c : text) {
        if (!c.isLetterOrNumber())
            separators += c;
    }
    return separators;
}

const QStringList &flexibleDateSeparators()
{
    static const QStringList separators = [] {
        QStringList list;
        for (const QString &format : flexibleDateFormats())
            list << separatorsOf(format);
        return list;
    }();
    return separators;
}

// True when the format's only year field has two digits ("yy", not "yyyy").
bool hasTwoDigitYear(const QString &format)
{
    bool twoDigits = false;
    bool inLiteral = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            inLiteral = !inLiteral;
            ++i;
            continue;
        }
        qsizetype run = 1;
        while (i + run < format.size() && format.at(i + run) == c)
            ++run;
        if (!inLiteral && c == u'y') {
            if (run == 4)
                return false;
            if (run == 2)
                twoDigits = true;
        }
        i += run;
    }
    return twoDigits;
}

bool hasColumn(const QStringList &row, int column)
{
    return column >= 0 && column < row.size();
}

// The first mapped column that the row is too short to have, and what
// its absence is called.
std::optional<std::pair<int, SkippedRow::Reason>> missingCell(const QStringList &row, const CsvImportMapping &mapping)
{
    const std::pair<int, SkippedRow::Reason> required[] = {
        {mapping.dateColumn, SkippedRow::Reason::NoDateCell},
        {mapping.payeeColumn, SkippedRow::Reason::NoPayeeCell},
        {mapping.amountColumn, SkippedRow::Reason::NoAmountCell},
    };
    for (const auto &column : required) {
        if (!hasColumn(row, column.first))
            return column;
    }
    return std::nullopt;
}

AccountType suggestedAccountType(const QifAccountEntry &entry)
{
    switch (entry.kind) {
    case QifAccountKind::CreditCard:
        return AccountType::CreditCard;
    case QifAccountKind::Investment:
        return AccountType::Investment;
    case QifAccountKind::Cash:
        return AccountType::Cash;
    case QifAccountKind::OtherAsset:
        return AccountType::Other;
    case QifAccountKind::OtherLiability:
        return AccountType::Loan;
    case QifAccountKind::Bank:
        break;
    }
    return entry.name.contains(QLatin1String("saving"), Qt::CaseInsensitive) ? AccountType::Savings
                                                                             : AccountType::Checking;
}

} // namespace

ImportService::ImportService(TransactionRepository *transactions, CategoryRepository *categories,
                             SplitLineRepository *splitLines, Database *database, QObject *parent)
    : QObject(parent)
    , m_transactions(transactions)
    , m_categories(categories)
    , m_splitLines(splitLines)
    , m_database(database)
{
}

QString ImportService::duplicateKey(const QDate &date, qint64 amount, const QString &payee)
{
    return date.toString(Qt::ISODate) + u'|' + QString::number(amount) + u'|' + payee;
}

QDate ImportService::parseDateWithFormat(const QString &text, const QString &format)
{
    QDate date = QDate::fromString(text, format);
    // Qt counts "yy" from 1900; statements of this century must not land in
    // the last one.
    if (date.isValid() && date.year() < 1970 && hasTwoDigitYear(format))
        date = date.addYears(100);
    return date;
}

QString ImportService::detectDateFormat(const QStringList &cells)
{
    QSet<QString> distinct;
    for (const QString &cell : cells) {
        if (parseDateFlexible(cell).isValid())
            distinct.insert(cell);
    }
    if (distinct.isEmpty())
        return QString();
    const QStringList &formats = flexibleDateFormats();
    const QStringList &formatSeparators = flexibleDateSeparators();
    for (qsizetype i = 0; i < formats.size(); ++i) {
        const bool readsAll = std::all_of(distinct.cbegin(), distinct.cend(), [&](const QString &cell) {
            return formatSeparators[i] == separatorsOf(cell) && parseDateWithFormat(cell, formats[i]).isValid();
        });
        if (readsAll)
            return formats[i];
    }
    return QString();
}

QDate ImportService::parseDateFlexible(const QString &text)
{
    // A format can only match a text with the same separators in the same
    // order; checking that first spares most calls into Qt's parser.
    const QString textSeparators = separatorsOf(text);
    const QStringList &formats = flexibleDateFormats();
    const QStringList &formatSeparators = flexibleDateSeparators();
    for (qsizetype i = 0; i < formats.size(); ++i) {
        if (formatSeparators[i] != textSeparators)
            continue;
        const QDate date = parseDateWithFormat(text, formats[i]);
        if (date.isValid())
            return date;
    }
    return QDate();
}

void ImportService::prependTransferHint(QString &memo, const QString &name)
{
    const QString label = QifParser::transferLabel(name);
    memo = memo.isEmpty() ? label : label + u' ' + memo;
}

void ImportService::reportProgress(int current, int total)
{
    if (current % 100 != 0)
        return;
    Q_EMIT importProgress(current, total);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
}

Currency ImportService::accountCurrency(const QString &accountId) const
{
    const std::optional<Account> account = AccountRepository(m_database).findById(accountId);
    return account ? account->currency : Currency::USD;
}

ImportResult ImportService::importCsv(const QString &filePath, const QString &accountId,
                                      const CsvImportMapping &mapping)
{
    ImportResult result;
    const CsvParser::FileRead read = CsvParser::readFile(filePath);
    if (read.status == CsvParser::FileRead::Status::NotOpened)
        return result;
    if (read.status == CsvParser::FileRead::Status::Refused) {
        result.aborted = true;
        result.refusal = read.refusal;
        return result;
    }
    const CsvTable &rows = read.table;
    const int first = mapping.hasHeader ? 1 : 0;
    // The write lock before the first read: the duplicates and categories
    // read below are then those the rows are written beside.
    BulkWriteTransaction bulk(m_database);

    const Currency currency = accountCurrency(accountId);
    // A row is a duplicate only as often as the account already holds it:
    // two equal fares on one day are two rows.
    QHash<QString, int> existing;
    for (const Transaction &row : m_transactions->listByAccount(accountId))
        ++existing[duplicateKey(row.date, row.amount, row.payee)];
    ImportCategories categories(m_categories);

    CsvCellReader cells(rows, first, mapping.dateColumn, mapping.amountColumn, mapping.dateFormat, currency);
    const auto skip = [&result](int row, SkippedRow::Reason reason, const QString &cell = QString(),
                                int column = -1, const QString &dateFormat = QString()) {
        ++result.skipped;
        if (result.skippedRows.size() < ImportResult::listedSkippedRows)
            result.skippedRows.append({row, reason, SkippedRow::excerpt(cell), column, dateFormat});
    };

    const int total = qMax(0, int(rows.rowCount()) - first);
    Q_EMIT importStarted(total);

    if (!bulk.isActive())
        return abortImport(result, bulk, total);
    UserWrite write(m_database);
    if (!write.expectLiveAccount(accountId)) {
        result.accountNotLive = write.result() == WriteResult::AccountNotLive;
        if (!result.accountNotLive)
            bulk.record(false);
        write.finish(false);
        return abortImport(result, bulk, total);
    }

    for (int index = first; index < rows.rowCount(); ++index) {
        reportProgress(index - first + 1, total);
        const QStringList row = rows.row(index);
        if (const auto missing = missingCell(row, mapping)) {
            skip(index + 1, missing->second, QString(), missing->first);
            continue;
        }
        const QString &dateCell = row.at(mapping.dateColumn);
        const QDate date = cells.readDate(dateCell);
        if (!date.isValid()) {
            skip(index + 1, cells.dateProblem(dateCell), dateCell, -1, mapping.dateFormat);
            continue;
        }
        // A row whose amount does not read is not a zero-amount transaction.
        const QString &amountCell = row.at(mapping.amountColumn);
        const std::optional<qint64> amount = cells.readAmount(amountCell);
        if (!amount) {
            skip(index + 1, cells.amountProblem(amountCell), amountCell);
            continue;
        }
        const QString &payee = row.at(mapping.payeeColumn);
        const auto held = existing.find(duplicateKey(date, *amount, payee));
        if (held != existing.end() && held.value() > 0) {
            --held.value();
            ++result.duplicates;
            continue;
        }

        Transaction transaction;
        transaction.id = newRecordId();
        transaction.accountId = accountId;
        transaction.date = date;
        transaction.payee = payee;
        transaction.amount = *amount;
        if (hasColumn(row, mapping.memoColumn))
            transaction.memo = row.at(mapping.memoColumn);
        if (hasColumn(row, mapping.categoryColumn) && !row.at(mapping.categoryColumn).isEmpty()) {
            // Empty when the category had to be created and could not be.
            transaction.categoryId = categories.idForName(row.at(mapping.categoryColumn));
            if (!bulk.record(!transaction.categoryId.isEmpty()))
                break;
        }
        transaction.createdAt = QDateTime::currentDateTimeUtc();
        transaction.updatedAt = transaction.createdAt;

        // The first write that fails ends the import: nothing of it is kept.
        if (!bulk.record(m_transactions->insert(transaction)))
            break;
        ++result.imported;
    }

    if (!bulk.record(write.finish(bulk.isActive()) == WriteResult::Written) || !bulk.commit())
        return abortImport(result, bulk, total);
    Q_EMIT importProgress(total, total);
    return result;
}

ImportResult ImportService::abortImport(ImportResult result, const BulkWriteTransaction &bulk, int total)
{
    result.aborted = true;
    result.failureReason = bulk.failureReason();
    // Rolled back: nothing of it was imported.
    result.imported = 0;
    result.transfersLinked = 0;
    result.retroactiveLinked = 0;
    Q_EMIT importProgress(total, total);
    return result;
}

QifAnalysis ImportService::analyzeQifFiles(const QStringList &paths)
{
    QifAnalysis analysis;
    QSet<QString> listed;
    QSet<QString> transferNames;
    QHash<QString, std::shared_ptr<const QifRecordStore>> read;
    for (const QString &path : paths) {
        std::shared_ptr<const QifRecordStore> store = read.value(path);
        if (!store) {
            const QifFileRead file = QifParser::readFile(path);
            if (file.refusal.refused()) {
                QifAnalysis refused;
                refused.refusal = file.refusal;
                return refused;
            }
            if (!file.opened)
                continue;
            store = file.store;
            read.insert(path, store);
        }
        analysis.files.append({path, store});
        analysis.totalRecords += store->transactionCount();
        for (const QString &name : store->transferAccounts()) {
            if (transferNames.contains(name.toLower()))
                continue;
            transferNames.insert(name.toLower());
            analysis.transferAccounts.append(name);
        }

        if (store->accounts().isEmpty()) {
            QifSourceAccount source;
            source.sourceName = path;
            source.displayName = tr("%1 (no account header)").arg(path.mid(path.lastIndexOf(u'/') + 1));
            source.noAccountHeader = true;
            source.suggestedType = AccountType::Checking;
            analysis.accounts.append(source);
        }
        for (const QifAccountEntry &entry : store->accounts()) {
            const QString folded = entry.name.toLower();
            if (listed.contains(folded))
                continue;
            listed.insert(folded);
            QifSourceAccount source;
            source.sourceName = entry.name;
            source.displayName = entry.name;
            source.suggestedType = suggestedAccountType(entry);
            analysis.accounts.append(source);
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
    }
    return analysis;
}

ImportResult ImportService::importQif(const QifAnalysis &analysis, const QHash<QString, QString> &accountMapping)
{
    QifImportRun run(this, accountMapping);
    return run.execute(analysis);
}

ImportResult ImportService::importQif(const QStringList &paths, const QHash<QString, QString> &accountMapping)
{
    return importQif(analyzeQifFiles(paths), accountMapping);
}
