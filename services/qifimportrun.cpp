#include "services/qifimportrun.h"

#include "data/database.h"
#include "data/money.h"
#include "data/recordid.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "data/userwrite.h"
#include "services/qifrecordstore.h"

#include <QSet>

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

namespace {

// The signature of a transfer leg: its partner has the same day, the
// negated amount and the two account names the other way round.
struct LegKey
{
    qint64 day = 0;
    qint64 amount = 0;
    int from = 0;
    int to = 0;

    bool operator==(const LegKey &other) const
    {
        return day == other.day && amount == other.amount && from == other.from && to == other.to;
    }
};

size_t qHash(const LegKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.day, key.amount, key.from, key.to);
}

} // namespace

template <typename Visit> void QifImportRun::forEachItem(Visit visit) const
{
    int index = 0;
    for (const File &file : m_files) {
        QifRecordStore::Reader reader(*file.store);
        while (reader.next()) {
            if (!visit(Item{index, reader.record(), file.targets.at(reader.source())}))
                return;
            ++index;
        }
    }
}

int QifImportRun::foldedName(const QString &name)
{
    const QString folded = name.toLower();
    const auto found = m_foldedNames.constFind(folded);
    if (found != m_foldedNames.constEnd())
        return found.value();
    const int id = int(m_foldedNames.size());
    m_foldedNames.insert(folded, id);
    return id;
}

void QifImportRun::findLegs()
{
    forEachItem([this](const Item &item) {
        const QifTransaction &record = item.record;
        if (record.transferAccount.isEmpty() || record.sourceAccount.isEmpty() || item.targetAccountId.isEmpty()
            || QifParser::isSelfTransfer(record))
            return true;
        Leg leg;
        leg.item = item.index;
        leg.day = record.date.toJulianDay();
        leg.amount = record.amount;
        leg.from = foldedName(record.sourceAccount);
        leg.to = foldedName(record.transferAccount);
        leg.targetAccountId = item.targetAccountId;
        m_legs.push_back(leg);
        return true;
    });
}

void QifImportRun::pairLegs()
{
    // Each leg waits under its own signature; a leg looks for the signature
    // its partner must have, so pairing is linear in the batch size. Of the
    // later legs that fit, the first one pairs.
    QHash<LegKey, QList<int>> waiting;
    for (int i = 0; i < int(m_legs.size()); ++i) {
        const Leg &leg = m_legs[i];
        waiting[{leg.day, leg.amount, leg.from, leg.to}].append(i);
    }
    for (int a = 0; a < int(m_legs.size()); ++a) {
        Leg &leg = m_legs[a];
        if (leg.partner >= 0)
            continue;
        const auto found = waiting.find({leg.day, -leg.amount, leg.to, leg.from});
        if (found == waiting.end())
            continue;
        QList<int> &others = found.value();
        // Legs at or before a can never be a later leg's partner.
        while (!others.isEmpty() && (others.first() <= a || m_legs[others.first()].partner >= 0))
            others.removeFirst();
        for (qsizetype k = 0; k < others.size(); ++k) {
            Leg &other = m_legs[others[k]];
            if (other.partner >= 0 || other.targetAccountId == leg.targetAccountId)
                continue;
            leg.partner = others[k];
            other.partner = a;
            leg.newId = newRecordId();
            other.newId = newRecordId();
            others.removeAt(k);
            break;
        }
    }
}

ImportResult QifImportRun::execute(const QifAnalysis &analysis)
{
    if (analysis.refusal.refused()) {
        m_result.aborted = true;
        m_result.refusal = analysis.refusal;
        return m_result;
    }
    readFiles(analysis);
    findLegs();
    pairLegs();

    const int total = m_total;
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

    if (written) {
        forEachItem([&](const Item &item) {
            m_service->reportProgress(item.index + 1, total);
            written = importItem(item);
            return written;
        });
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
    return m_service->abortImport(m_result, bulk, m_total);
}

void QifImportRun::readFiles(const QifAnalysis &analysis)
{
    QSet<QString> categoryNames;
    for (const QifAnalysis::File &read : analysis.files) {
        const QifRecordStore &store = *read.store;
        m_result.skipped += store.unparseableCount();
        m_result.metadataSkipped += store.metadataCount();
        for (const QifCategoryEntry &entry : store.categories()) {
            if (categoryNames.contains(entry.name))
                continue; // the first entry's income flag stands
            categoryNames.insert(entry.name);
            m_listCategories.append(entry);
        }
        // Records before any account block are the file's own.
        File file;
        file.store = read.store;
        for (const QifRecordStore::Source &source : store.sources())
            file.targets.append(m_mapping.value((source.accountName.isEmpty() ? read.path : source.accountName).toLower()));
        m_files.append(file);
        m_total += store.transactionCount();
    }
    m_states.assign(size_t(m_total), State::Pending);
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
    forEachItem([this](const Item &item) {
        State &state = m_states[size_t(item.index)];
        if (item.targetAccountId.isEmpty()) {
            state = State::Unmapped;
            ++m_result.unmappedSkipped;
            return true;
        }
        AccountImportCache &cache = loadAccountCache(item.targetAccountId);
        const std::optional<qint64> amount = toAccountUnits(item.record.amount, cache.currency);
        bool readable = amount.has_value();
        for (const QifSplit &split : item.record.splits)
            readable = readable && toAccountUnits(split.amount, cache.currency).has_value();
        if (!readable) {
            state = State::Unreadable;
            ++m_result.skipped;
            return true;
        }
        // Only as many records as the account already holds are duplicates:
        // two equal fares on one day are two rows.
        const auto held =
            cache.keys.find(ImportService::duplicateKey(item.record.date, *amount, payeeOf(item.record)));
        if (held != cache.keys.end() && held.value() > 0) {
            --held.value();
            state = State::Duplicate;
            ++m_result.duplicates;
        }
        return true;
    });
}

void QifImportRun::dissolvePairsWithSkippedLeg()
{
    for (Leg &leg : m_legs) {
        if (leg.partner < 0)
            continue;
        Leg &other = m_legs[size_t(leg.partner)];
        if (m_states[size_t(leg.item)] != State::Pending || m_states[size_t(other.item)] != State::Pending) {
            other.partner = -1;
            leg.partner = -1;
        }
    }
}

Transaction QifImportRun::buildTransaction(const Item &item, const QString &id, const QString &payee, qint64 amount)
{
    const QifTransaction &record = item.record;
    Transaction transaction;
    transaction.id = id;
    transaction.accountId = item.targetAccountId;
    transaction.date = record.date;
    transaction.payee = payee;
    transaction.amount = amount;
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

void QifImportRun::linkOrMarkTransfer(const Item &item, Transaction &transaction,
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

QList<SplitLine> QifImportRun::buildSplitLines(const Item &item, const Transaction &transaction)
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

bool QifImportRun::importItem(const Item &item)
{
    // The legs are in batch order, as the items come.
    while (m_nextLeg < qsizetype(m_legs.size()) && m_legs[size_t(m_nextLeg)].item < item.index)
        ++m_nextLeg;
    const Leg *leg = m_nextLeg < qsizetype(m_legs.size()) && m_legs[size_t(m_nextLeg)].item == item.index
                         ? &m_legs[size_t(m_nextLeg)]
                         : nullptr;
    const Leg *pairedWith = leg && leg->partner >= 0 ? &m_legs[size_t(leg->partner)] : nullptr;
    State &state = m_states[size_t(item.index)];
    if (state != State::Pending)
        return true;

    const qint64 amount = toAccountUnits(item.record.amount, loadAccountCache(item.targetAccountId).currency).value_or(0);
    Transaction transaction =
        buildTransaction(item, pairedWith ? leg->newId : newRecordId(), payeeOf(item.record), amount);
    std::optional<Transaction> partner;
    if (pairedWith) {
        transaction.transferLinkId = pairedWith->newId;
        transaction.transferDestAccountId = pairedWith->targetAccountId;
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
                   << "amount" << amount << "account" << item.targetAccountId;
        return false;
    }

    state = State::Stored;
    ++m_result.imported;
    if (pairedWith && m_states[size_t(pairedWith->item)] == State::Stored)
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
