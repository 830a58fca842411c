#include "services/qifimportrun.h"

#include "data/database.h"
#include "data/money.h"
#include "data/recordid.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "data/userwrite.h"

#include <QFile>

#include <optional>

namespace {

// QIF amounts are read in cents; a yen account keeps whole yen, and an
// amount with a fraction of a yen does not read.
std::optional<qint64> toAccountUnits(qint64 cents, Currency currency)
{
    qint64 divisor = 1;
    for (int digits = currencyDecimals(currency); digits < 2; ++digits)
        divisor *= 10;
    if (cents % divisor != 0)
        return std::nullopt;
    return cents / divisor;
}

bool canPair(const QifImportItem &item)
{
    return item.pairIndex < 0 && !item.record.transferAccount.isEmpty() && !item.record.sourceAccount.isEmpty()
           && !item.targetAccountId.isEmpty() && !QifParser::isSelfTransfer(item.record);
}

QString pairSignature(const QDate &date, qint64 amount, const QString &from, const QString &to)
{
    return date.toString(Qt::ISODate) + u'|' + QString::number(amount) + u'|' + from.toLower() + u'|' + to.toLower();
}

} // namespace

QifImportRun::QifImportRun(ImportService *service, const QHash<QString, QString> &accountMapping)
    : m_service(service)
{
    for (auto it = accountMapping.constBegin(); it != accountMapping.constEnd(); ++it)
        m_mapping.insert(it.key().toLower(), it.value());
}

QifImportRun::~QifImportRun() = default;

QString QifImportRun::retroactiveKey(const QString &accountName, const QDate &date, qint64 amount)
{
    return accountName.toLower() + u'|' + date.toString(Qt::ISODate) + u'|' + QString::number(amount);
}

int QifImportRun::pairBatchTransfers(QList<QifImportItem> &items)
{
    // Each leg waits under its own signature; a leg looks for the signature
    // its partner must have, so pairing is linear in the batch size.
    QHash<QString, QList<int>> waiting;
    for (int i = 0; i < items.size(); ++i) {
        const QifTransaction &record = items[i].record;
        if (canPair(items[i]))
            waiting[pairSignature(record.date, record.amount, record.sourceAccount, record.transferAccount)].append(i);
    }

    int pairs = 0;
    for (int a = 0; a < items.size(); ++a) {
        if (!canPair(items[a]))
            continue;
        const QifTransaction &record = items[a].record;
        const auto found =
            waiting.find(pairSignature(record.date, -record.amount, record.transferAccount, record.sourceAccount));
        if (found == waiting.end())
            continue;
        QList<int> &legs = found.value();
        // Legs at or before a can never be a later item's partner.
        while (!legs.isEmpty() && (legs.first() <= a || items[legs.first()].pairIndex >= 0))
            legs.removeFirst();
        for (qsizetype k = 0; k < legs.size(); ++k) {
            const int b = legs[k];
            if (items[b].pairIndex >= 0 || items[b].targetAccountId == items[a].targetAccountId)
                continue;
            items[a].pairIndex = b;
            items[b].pairIndex = a;
            legs.removeAt(k);
            ++pairs;
            break;
        }
    }
    return pairs;
}

ImportResult QifImportRun::execute(const QStringList &paths)
{
    readFiles(paths);
    pairBatchTransfers(m_items);

    const int total = int(m_items.size());
    Q_EMIT m_service->importStarted(total);

    // The write lock before the first read of the store, so the categories
    // and duplicates read below are those the records are written beside.
    // Signals are held back until the transaction has ended, so nothing that
    // listens (sync, automatic posting) writes inside it.
    BulkWriteTransaction bulk(m_service->m_database);
    if (!bulk.isActive())
        return abort(bulk, "could not begin the transaction");
    m_bulk = &bulk;
    m_categories = std::make_unique<ImportCategories>(m_service->m_categories);
    UserWrite write(m_service->m_database);
    if (!expectLiveTargets(write)) {
        m_result.accountNotLive = write.result() == WriteResult::AccountNotLive;
        if (!m_result.accountNotLive)
            bulk.record(false);
        write.finish(false);
        return abort(bulk, m_result.accountNotLive ? "a mapped account is deleted" : "could not read the accounts");
    }

    bool written = createListCategories();
    decideSkippedItems();
    dissolvePairsWithSkippedLeg();

    for (int i = 0; written && i < m_items.size(); ++i) {
        m_service->reportProgress(i + 1, total);
        written = importItem(i);
    }

    if (!bulk.record(write.finish(written) == WriteResult::Written) || !bulk.commit())
        return abort(bulk, "a write failed");
    m_bulk = nullptr;
    Q_EMIT m_service->importProgress(total, total);
    return m_result;
}

// Every account the mapping names, whether records go into it or transfers
// link into it, must be live: an account deleted since the mapping was
// chosen takes nothing.
bool QifImportRun::expectLiveTargets(UserWrite &write) const
{
    QSet<QString> checked;
    for (const QString &accountId : m_mapping) {
        if (accountId.isEmpty() || checked.contains(accountId))
            continue;
        if (!write.expectLiveAccount(accountId))
            return false;
        checked.insert(accountId);
    }
    return write.canWrite();
}

ImportResult QifImportRun::abort(const BulkWriteTransaction &bulk, const char *reason)
{
    qWarning().noquote() << "QIF import aborted:" << reason << bulk.failureReason();
    m_bulk = nullptr;
    return m_service->abortImport(m_result, bulk, int(m_items.size()));
}

void QifImportRun::readFiles(const QStringList &paths)
{
    QSet<QString> categoryNames;
    for (const QString &path : paths) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QifParseResult parsed = QifParser::parse(QifParser::decode(file.readAll()), QifDateOrder::Auto);
        m_result.skipped += parsed.unparseableCount;
        m_result.metadataSkipped += parsed.metadataCount;
        for (const QifCategoryEntry &entry : std::as_const(parsed.categories)) {
            if (categoryNames.contains(entry.name))
                continue; // the first entry's income flag stands
            categoryNames.insert(entry.name);
            m_listCategories.append(entry);
        }
        m_items.reserve(m_items.size() + parsed.transactions.size());
        for (QifTransaction &record : parsed.transactions) {
            QifImportItem item;
            const QString sourceKey = record.sourceAccount.isEmpty() ? path : record.sourceAccount;
            item.targetAccountId = m_mapping.value(sourceKey.toLower());
            item.record = std::move(record);
            item.newId = newRecordId();
            m_items.append(std::move(item));
        }
    }
}

AccountImportCache &QifImportRun::loadAccountCache(const QString &accountId)
{
    const auto found = m_caches.find(accountId);
    if (found != m_caches.end())
        return found.value();

    AccountImportCache &cache = m_caches[accountId];
    cache.currency = m_service->accountCurrency(accountId);
    // Newest first, so of two equal waiting rows the newest is linked first.
    for (const Transaction &row : m_service->m_transactions->listByAccount(accountId)) {
        ++cache.keys[ImportService::duplicateKey(row.date, row.amount, row.payee)];
        if (!row.transferLinkId.isEmpty())
            continue;
        const TransferHint hint = QifParser::parseTransferHint(row.memo);
        if (!hint.ok)
            continue;
        cache.candidates[retroactiveKey(hint.name, row.date, row.amount)].append(row.id);
        cache.candidateRows.insert(row.id, row);
    }
    return cache;
}

bool QifImportRun::createListCategories()
{
    for (const QifCategoryEntry &entry : std::as_const(m_listCategories)) {
        if (!m_categories->contains(entry.name)
            && categoryId(entry.name, entry.isIncome ? CategoryType::Income : CategoryType::Expense).isEmpty())
            return false;
    }
    return true;
}

QString QifImportRun::categoryId(const QString &name, CategoryType typeWhenNew, bool sameType)
{
    // Nothing more is written once the bulk write has ended: a write after
    // its rollback would stand on its own.
    if (!m_bulk->isActive())
        return QString();
    const QString id = sameType ? m_categories->idForNameAndType(name, typeWhenNew)
                                : m_categories->idForName(name, typeWhenNew);
    // Empty when the category had to be created and could not be.
    m_bulk->record(!id.isEmpty());
    return id;
}

QString QifImportRun::payeeOf(const QifTransaction &record) const
{
    if (!record.payee.isEmpty())
        return record.payee;
    // Investment records carry the action in N and the security in Y.
    if (!record.checkNumber.isEmpty() && !record.security.isEmpty())
        return record.checkNumber + QStringLiteral(": ") + record.security;
    if (!record.security.isEmpty())
        return record.security;
    if (!record.checkNumber.isEmpty())
        return record.checkNumber;
    if (!record.transferAccount.isEmpty())
        return record.transferAccount;
    return ImportService::tr("Imported transaction");
}

// Decided before anything is written, so that a batch pair whose other leg
// will not be stored can be dissolved in time.
void QifImportRun::decideSkippedItems()
{
    for (QifImportItem &item : m_items) {
        if (item.targetAccountId.isEmpty()) {
            item.state = QifImportItem::State::Unmapped;
            ++m_result.unmappedSkipped;
            continue;
        }
        AccountImportCache &cache = loadAccountCache(item.targetAccountId);
        item.payee = payeeOf(item.record);
        const std::optional<qint64> amount = toAccountUnits(item.record.amount, cache.currency);
        bool readable = amount.has_value();
        for (const QifSplit &split : std::as_const(item.record.splits))
            readable = readable && toAccountUnits(split.amount, cache.currency).has_value();
        if (!readable) {
            item.state = QifImportItem::State::Unreadable;
            ++m_result.skipped;
            continue;
        }
        item.amount = *amount;
        // Only as many records as the account already holds are duplicates:
        // two equal fares on one day are two rows.
        const auto held = cache.keys.find(ImportService::duplicateKey(item.record.date, item.amount, item.payee));
        if (held != cache.keys.end() && held.value() > 0) {
            --held.value();
            item.state = QifImportItem::State::Duplicate;
            ++m_result.duplicates;
        }
    }
}

void QifImportRun::dissolvePairsWithSkippedLeg()
{
    for (QifImportItem &item : m_items) {
        if (item.pairIndex < 0)
            continue;
        QifImportItem &other = m_items[item.pairIndex];
        if (item.state != QifImportItem::State::Pending || other.state != QifImportItem::State::Pending) {
            other.pairIndex = -1;
            item.pairIndex = -1;
        }
    }
}

Transaction QifImportRun::buildTransaction(const QifImportItem &item)
{
    const QifTransaction &record = item.record;
    Transaction transaction;
    transaction.id = item.newId;
    transaction.accountId = item.targetAccountId;
    transaction.date = record.date;
    transaction.payee = item.payee;
    transaction.amount = item.amount;
    transaction.memo = record.memo;
    transaction.checkNumber = record.checkNumber;
    transaction.cleared = record.cleared;
    transaction.reconciled = record.reconciled;
    transaction.isSplit = !record.splits.isEmpty();
    transaction.createdAt = QDateTime::currentDateTimeUtc();
    transaction.updatedAt = transaction.createdAt;
    if (!record.category.isEmpty())
        transaction.categoryId = categoryId(record.category);
    return transaction;
}

void QifImportRun::linkOrMarkTransfer(const QifImportItem &item, Transaction &transaction,
                                      std::optional<Transaction> &partner)
{
    const QifTransaction &record = item.record;
    if (record.transferAccount.isEmpty() || QifParser::isSelfTransfer(record))
        return;
    const QString destination = m_mapping.value(record.transferAccount.toLower());
    if (destination.isEmpty() || destination == item.targetAccountId || record.sourceAccount.isEmpty()) {
        ImportService::prependTransferHint(transaction.memo, record.transferAccount);
        return;
    }

    AccountImportCache &cache = loadAccountCache(destination);
    const auto found = cache.candidates.find(retroactiveKey(record.sourceAccount, record.date, -transaction.amount));
    if (found == cache.candidates.end() || found.value().isEmpty()) {
        ImportService::prependTransferHint(transaction.memo, record.transferAccount);
        return;
    }

    Transaction row = cache.candidateRows.value(found.value().first());
    row.memo = QifParser::parseTransferHint(row.memo).rest;
    row.transferLinkId = transaction.id;
    row.transferDestAccountId = transaction.accountId;
    markEdited(row);
    transaction.transferLinkId = row.id;
    transaction.transferDestAccountId = row.accountId;
    partner = row;
}

QList<SplitLine> QifImportRun::buildSplitLines(const QifImportItem &item, const Transaction &transaction)
{
    QList<SplitLine> lines;
    lines.reserve(item.record.splits.size());
    for (const QifSplit &split : item.record.splits) {
        SplitLine line;
        line.id = newRecordId();
        line.transactionId = transaction.id;
        line.amount = toAccountUnits(split.amount, loadAccountCache(item.targetAccountId).currency).value_or(0);
        line.memo = split.memo;
        if (!split.category.isEmpty()) {
            line.categoryId = categoryId(split.category);
        } else if (!split.transferAccount.isEmpty()) {
            // The other account is named by the hint; the line still needs a
            // category so that the transaction's lines add up.
            ImportService::prependTransferHint(line.memo, split.transferAccount);
            line.categoryId = categoryId(QStringLiteral("Transfer"), CategoryType::Transfer, true);
        } else {
            line.categoryId = categoryId(QStringLiteral("Uncategorized"), CategoryType::Expense, true);
        }
        line.createdAt = transaction.createdAt;
        line.updatedAt = transaction.createdAt;
        lines.append(line);
    }
    return lines;
}

bool QifImportRun::insertSplitLines(const QList<SplitLine> &lines)
{
    for (const SplitLine &line : lines) {
        if (!m_bulk->record(m_service->m_splitLines->insert(line)))
            return false;
    }
    return true;
}

bool QifImportRun::importItem(int index)
{
    QifImportItem &item = m_items[index];
    if (item.state != QifImportItem::State::Pending)
        return true;

    Transaction transaction = buildTransaction(item);
    std::optional<Transaction> partner;
    const int pairedWith = item.pairIndex;
    if (pairedWith >= 0) {
        transaction.transferLinkId = m_items[pairedWith].newId;
        transaction.transferDestAccountId = m_items[pairedWith].targetAccountId;
    } else {
        linkOrMarkTransfer(item, transaction, partner);
    }
    const QList<SplitLine> lines = buildSplitLines(item, transaction);
    if (!m_bulk->isActive())
        return false; // a category could not be stored

    // The first write that fails ends the import: nothing of it is kept.
    TransactionRepository *transactions = m_service->m_transactions;
    if (!m_bulk->record(transactions->insert(transaction)) || !insertSplitLines(lines)
        || (partner && !m_bulk->record(transactions->update(*partner)))) {
        qWarning() << "QIF import: write failed for" << item.record.date.toString(Qt::ISODate) << item.record.payee
                   << "amount" << item.amount << "account" << item.targetAccountId;
        return false;
    }

    item.state = QifImportItem::State::Stored;
    ++m_result.imported;
    if (pairedWith >= 0 && m_items[pairedWith].state == QifImportItem::State::Stored)
        ++m_result.transfersLinked;
    if (partner) {
        AccountImportCache &cache = m_caches[partner->accountId];
        const QString key = retroactiveKey(QifParser::parseTransferHint(cache.candidateRows.value(partner->id).memo).name,
                                           partner->date, partner->amount);
        cache.candidates[key].removeOne(partner->id);
        cache.candidateRows.remove(partner->id);
        ++m_result.transfersLinked;
        ++m_result.retroactiveLinked;
    }
    return true;
}
