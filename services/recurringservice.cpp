#include "services/recurringservice.h"

#include "data/accountrepository.h"
#include "data/database.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"

#include <QDebug>
#include <QUuid>

#include <algorithm>
#include <optional>

namespace {

const QUuid kOccurrenceNamespace(QStringLiteral("{a1b9f7f3-2f2a-4c6b-9e1a-8b7c6d5a3f2e}"));
const QDate kEarliestSaneDate(2000, 1, 1);

// Day `day` of the month of `month`; a day below 1 or beyond the month's
// length means the month's last day.
QDate anchorDay(const QDate &month, int day)
{
    const int last = month.daysInMonth();
    return QDate(month.year(), month.month(), (day < 1 || day > last) ? last : day);
}

QDate nextSemimonthly(const QDate &date, int day1, int day2)
{
    QDate month(date.year(), date.month(), 1);
    for (int step = 0; step < 2; ++step, month = month.addMonths(1)) {
        const QDate a = anchorDay(month, day1);
        const QDate b = anchorDay(month, day2);
        const QDate lo = std::min(a, b);
        const QDate hi = std::max(a, b);
        if (date < lo)
            return lo;
        if (date < hi)
            return hi;
    }
    return anchorDay(month, std::min(day1, day2));
}

QDate addDaysChecked(const QDate &date, qint64 days)
{
    if (!date.isValid())
        return date;
    if (days > RecurringService::lastStorableDate().toJulianDay() - date.toJulianDay())
        return QDate();
    return date.addDays(days);
}

// Calendar month addition that clamps to the month's last day.
QDate addMonthsChecked(const QDate &date, qint64 months)
{
    if (!date.isValid() || date.year() < 1)
        return date;
    const qint64 index = qint64(date.year()) * 12 + (date.month() - 1) + months;
    if (index > qint64(RecurringService::lastStorableDate().year()) * 12 + 11)
        return QDate();
    const QDate month(int(index / 12), int(index % 12) + 1, 1);
    return QDate(month.year(), month.month(), std::min(date.day(), month.daysInMonth()));
}

} // namespace

class RecurringService::CountHold
{
public:
    explicit CountHold(RecurringService *service)
        : m_service(service)
    {
        ++m_service->m_batchDepth;
    }

    ~CountHold()
    {
        if (--m_service->m_batchDepth == 0 && m_service->m_pendingCountDirty) {
            m_service->m_pendingCountDirty = false;
            Q_EMIT m_service->pendingCountChanged(m_service->pendingCount());
        }
    }

    CountHold(const CountHold &) = delete;
    CountHold &operator=(const CountHold &) = delete;

private:
    RecurringService *m_service;
};

// A run of many posts as one bulk write: kept whole or not at all, with the
// repositories' change signals and the due-count signal announced once when
// it ends.
class RecurringService::BatchScope
{
public:
    explicit BatchScope(RecurringService *service)
        : m_service(service)
        , m_hold(service)
        , m_bulk(service->m_database)
    {
        m_service->m_failureReason.clear();
    }

    BatchScope(const BatchScope &) = delete;
    BatchScope &operator=(const BatchScope &) = delete;

    bool isActive() const { return m_bulk.isActive(); }

    // Passes one post's outcome through: true while the run goes on. A post
    // refused for the rule's own state is no failed write.
    bool record(PostResult result)
    {
        if (result == PostResult::Failed)
            return m_bulk.record(false);
        return m_bulk.record(true);
    }
    bool record(bool written) { return m_bulk.record(written); }

    // The posts of the run, or 0 when it was rolled back.
    int finish(int posted)
    {
        if (m_bulk.commit())
            return posted;
        m_service->m_failureReason = m_bulk.failureReason();
        qWarning().noquote() << "RecurringService: nothing of the run was kept:" << m_service->m_failureReason;
        return 0;
    }

private:
    RecurringService *m_service;
    // Destroyed in reverse order: the held change signals go out before
    // the due count is read and announced.
    CountHold m_hold;
    BulkWriteTransaction m_bulk;
};

RecurringService::RecurringService(RecurringRepository *recurring, TransactionRepository *transactions,
                                   AccountRepository *accounts, Database *database, QObject *parent)
    : QObject(parent)
    , m_recurring(recurring)
    , m_transactions(transactions)
    , m_accounts(accounts)
    , m_database(database)
    , m_clock([] { return QDate::currentDate(); })
{
}

void RecurringService::setClock(Clock clock)
{
    m_clock = std::move(clock);
}

QDate RecurringService::today() const
{
    return m_clock();
}

bool RecurringService::isBrokenDate(const QDate &date)
{
    return !date.isValid() || date < kEarliestSaneDate;
}

QDate RecurringService::lastStorableDate()
{
    // Dates are stored as "yyyy-MM-dd".
    return QDate(9999, 12, 31);
}

QDate RecurringService::nextOccurrence(const QDate &date, RecurringFrequency frequency, int intervalCount,
                                       int day1, int day2)
{
    // Intervals arrive from restores and pulls as any int: step in 64 bits.
    const qint64 n = std::max(intervalCount, 1);
    switch (frequency) {
    case RecurringFrequency::Daily:
        return addDaysChecked(date, n);
    case RecurringFrequency::Weekly:
        return addDaysChecked(date, 7 * n);
    case RecurringFrequency::Biweekly:
        return addDaysChecked(date, 14 * n);
    case RecurringFrequency::Monthly:
        return addMonthsChecked(date, n);
    case RecurringFrequency::Semimonthly:
        return date.isValid() ? nextSemimonthly(date, day1, day2) : date;
    case RecurringFrequency::Quarterly:
        return addMonthsChecked(date, 3 * n);
    case RecurringFrequency::SemiAnnual:
        return addMonthsChecked(date, 6 * n);
    case RecurringFrequency::Annual:
        return addMonthsChecked(date, 12 * n);
    }
    return addMonthsChecked(date, n);
}

QString RecurringService::occurrenceId(const RecurringTransaction &rule, const QDate &date, const QString &suffix)
{
    QString name = rule.id + QLatin1Char(':') + date.toString(Qt::ISODate);
    if (!suffix.isEmpty())
        name += QLatin1Char(':') + suffix;
    return QUuid::createUuidV5(kOccurrenceNamespace, name.toUtf8()).toString(QUuid::WithoutBraces);
}

Transaction RecurringService::buildTransaction(const RecurringTransaction &rule) const
{
    Transaction transaction;
    transaction.id = occurrenceId(rule, rule.nextDueDate, QString());
    transaction.accountId = rule.accountId;
    transaction.payee = rule.payee;
    transaction.memo = rule.memo;
    transaction.amount = rule.amount;
    transaction.categoryId = rule.categoryId;
    transaction.date = rule.nextDueDate;
    transaction.recurringId = rule.id;
    transaction.createdAt = QDateTime::currentDateTimeUtc();
    transaction.updatedAt = transaction.createdAt;
    return transaction;
}

void RecurringService::advance(RecurringTransaction &rule) const
{
    const QDate next = nextOccurrence(rule.nextDueDate, rule.frequency, rule.intervalCount, rule.semimonthlyDay1,
                                      rule.semimonthlyDay2);
    markEdited(rule);
    // No later date can be stored: the schedule ends here, as at an end date.
    if (!next.isValid()) {
        rule.isActive = false;
        return;
    }
    rule.nextDueDate = next;
    // An occurrence on the end date itself is still posted.
    if (rule.endDate && rule.nextDueDate > *rule.endDate)
        rule.isActive = false;
}

// An end date moved before the next due date ends the rule without a post.
std::optional<RecurringService::PostResult> RecurringService::refuseEndedRule(const RecurringTransaction &stored)
{
    if (!stored.endDate || stored.nextDueDate <= *stored.endDate)
        return std::nullopt;
    if (stored.isActive) {
        RecurringTransaction rule = stored;
        rule.isActive = false;
        markEdited(rule);
        if (!m_recurring->update(rule))
            return PostResult::Failed;
        notifyPendingCount();
    }
    return PostResult::Refused;
}

// An occurrence already in the table (deleted by the user, or left by a
// restore) counts as posted: posting it again would only fail.
bool RecurringService::occurrenceExists(const Transaction &source, const std::optional<Transaction> &mirror) const
{
    return m_transactions->findById(source.id) || (mirror && m_transactions->findById(mirror->id));
}

RecurringService::PostResult RecurringService::postOccurrence(const RecurringTransaction &stored)
{
    RecurringTransaction rule = stored;
    if (rule.deletedAt)
        return PostResult::Refused;
    if (isBrokenDate(rule.nextDueDate)) {
        qWarning() << "RecurringService::confirm refusing record with broken date:" << rule.id << rule.payee
                   << rule.nextDueDate << "— quarantining (deactivating)";
        rule.isActive = false;
        markEdited(rule);
        return m_recurring->update(rule) ? PostResult::Refused : PostResult::Failed;
    }
    if (const std::optional<PostResult> ended = refuseEndedRule(rule))
        return *ended;

    Transaction source = buildTransaction(rule);
    std::optional<Transaction> mirror;
    if (!rule.transferDestAccountId.isEmpty()) {
        mirror = source;
        mirror->id = occurrenceId(rule, rule.nextDueDate, QStringLiteral("dest"));
        mirror->accountId = rule.transferDestAccountId;
        mirror->amount = -rule.amount;
        mirror->transferLinkId = source.id;
        mirror->transferDestAccountId = rule.accountId;
        source.transferLinkId = mirror->id;
        source.transferDestAccountId = rule.transferDestAccountId;
    }

    // Both legs and the advanced rule land together or not at all, and only
    // into live accounts: a second post of the same occurrence then fails at
    // the first insert, and a refused transfer leaves no half-posted
    // occurrence behind.
    UserWrite write(m_database);
    if (!write.expectLiveAccount(source.accountId) || (mirror && !write.expectLiveAccount(mirror->accountId))) {
        if (write.result() != WriteResult::AccountNotLive)
            return PostResult::Failed;
        qWarning() << "RecurringService: skipping post for" << rule.id
                   << "— its account or transfer account is missing or deleted";
        return PostResult::AccountNotLive;
    }
    if (mirror && !sameCurrency(source.accountId, mirror->accountId)) {
        qWarning() << "RecurringService: skipping transfer post for" << rule.id
                   << "— source and destination currencies differ";
        return PostResult::Refused;
    }
    if (!occurrenceExists(source, mirror)) {
        if (!m_transactions->insert(source) || (mirror && !m_transactions->insert(*mirror)))
            return PostResult::Failed;
    }
    advance(rule);
    if (write.finish(m_recurring->update(rule)) != WriteResult::Written)
        return PostResult::Failed;

    notifyPendingCount();
    return PostResult::Posted;
}

bool RecurringService::sameCurrency(const QString &accountId, const QString &otherAccountId) const
{
    const std::optional<Account> account = m_accounts->findById(accountId);
    const std::optional<Account> other = m_accounts->findById(otherAccountId);
    return account && other && account->currency == other->currency;
}

bool RecurringService::confirm(const RecurringTransaction &rule)
{
    return confirm(rule.id);
}

bool RecurringService::confirm(const QString &ruleId)
{
    const auto stored = m_recurring->findById(ruleId);
    return stored && postOccurrence(*stored) == PostResult::Posted;
}

bool RecurringService::skip(const RecurringTransaction &rule)
{
    return skip(rule.id);
}

bool RecurringService::skip(const QString &ruleId)
{
    auto stored = m_recurring->findById(ruleId);
    if (!stored || stored->deletedAt)
        return false;
    advance(*stored);
    if (!m_recurring->update(*stored))
        return false;
    notifyPendingCount();
    return true;
}

WriteResult RecurringService::confirmShown(const RecurringTransaction &shown)
{
    // The due count is announced once the whole write has committed.
    const CountHold hold(this);
    UserWrite guard(m_database);
    if (!guard.expectUnchanged(m_recurring, shown)
        || (!shown.transferDestAccountId.isEmpty() && !guard.expectLiveAccount(shown.transferDestAccountId)))
        return guard.result();
    switch (postOccurrence(*guard.storedRule())) {
    case PostResult::Posted:
        return guard.finish(true);
    case PostResult::Refused:
        // Nothing was posted; a rule set aside for its broken or ended
        // schedule stays set aside.
        return guard.finish(true) == WriteResult::Written ? WriteResult::Failed : guard.result();
    case PostResult::AccountNotLive:
        guard.finish(false);
        return WriteResult::AccountNotLive;
    case PostResult::Failed:
        break;
    }
    return guard.finish(false);
}

WriteResult RecurringService::skipShown(const RecurringTransaction &shown)
{
    const CountHold hold(this);
    UserWrite guard(m_database);
    if (guard.expectUnchanged(m_recurring, shown)) {
        RecurringTransaction rule = *guard.storedRule();
        advance(rule);
        if (guard.finish(m_recurring->update(rule)) == WriteResult::Written)
            notifyPendingCount();
    }
    return guard.result();
}

WriteResult RecurringService::updateShown(RecurringTransaction edited, const RecurringTransaction &shown)
{
    UserWrite guard(m_database);
    if (guard.expectUnchanged(m_recurring, shown)) {
        const RecurringTransaction &stored = *guard.storedRule();
        // The server id is no edit: a push may have stored one meanwhile.
        edited.id = stored.id;
        edited.serverId = stored.serverId;
        edited.version = stored.version + 1;
        guard.finish(m_recurring->update(edited));
    }
    return guard.result();
}

WriteResult RecurringService::deleteShown(const RecurringTransaction &shown)
{
    UserWrite guard(m_database);
    if (guard.expectUnchanged(m_recurring, shown))
        guard.finish(m_recurring->softDelete(shown.id));
    return guard.result();
}

WriteResult RecurringService::insertRule(const RecurringTransaction &rule)
{
    UserWrite guard(m_database);
    if (guard.expectLiveAccount(rule.accountId)
        && (rule.transferDestAccountId.isEmpty() || guard.expectLiveAccount(rule.transferDestAccountId)))
        guard.finish(m_recurring->insert(rule));
    return guard.result();
}

int RecurringService::confirmAllDue()
{
    BatchScope batch(this);
    int posted = 0;
    const QList<RecurringTransaction> due = batch.isActive() ? dueRules() : QList<RecurringTransaction>();
    for (const RecurringTransaction &listed : due) {
        const auto rule = m_recurring->findById(listed.id);
        if (!rule)
            continue;
        const PostResult result = postOccurrence(*rule);
        if (!batch.record(result))
            break;
        if (result == PostResult::Posted)
            ++posted;
    }
    return batch.finish(posted);
}

int RecurringService::postDueThrough(const QDate &through)
{
    BatchScope batch(this);
    int total = 0;
    const QList<RecurringTransaction> rules = batch.isActive() ? m_recurring->listAll() : QList<RecurringTransaction>();
    for (const RecurringTransaction &listed : rules) {
        if (!batch.isActive())
            break;
        if (!listed.isActive || isBrokenDate(listed.nextDueDate))
            continue;
        int posts = 0;
        QDate previous;
        while (posts < CatchUpCap) {
            const auto rule = m_recurring->findById(listed.id);
            if (!rule || !rule->isActive || isBrokenDate(rule->nextDueDate) || rule->nextDueDate > through
                || rule->nextDueDate == previous)
                break;
            previous = rule->nextDueDate;
            const PostResult result = postOccurrence(*rule);
            if (!batch.record(result) || result != PostResult::Posted)
                break;
            ++posts;
        }
        total += posts;
    }
    return batch.finish(total);
}

int RecurringService::processAutoPost()
{
    // An import or restore holds its own SQL transaction open; the next run
    // catches up instead.
    if (m_database->isBulkWriteInProgress())
        return 0;

    BatchScope batch(this);
    const QDate today = this->today();
    int total = 0;
    const QList<RecurringTransaction> rules = batch.isActive() ? m_recurring->listAll() : QList<RecurringTransaction>();
    for (const RecurringTransaction &listed : rules) {
        if (!batch.isActive())
            break;
        if (!listed.isActive || !listed.autoPost)
            continue;
        if (isBrokenDate(listed.nextDueDate)) {
            batch.record(quarantine(listed.id, QStringLiteral("broken next_due_date")));
            continue;
        }
        const QDate horizon = today.addDays(std::clamp(listed.leadDays, 0, MaxLeadDays));

        int posts = 0;
        QDate previous;
        while (posts < CatchUpCap) {
            const auto rule = m_recurring->findById(listed.id);
            if (!rule || !rule->isActive || !rule->nextDueDate.isValid())
                break;
            if (rule->nextDueDate < kEarliestSaneDate) {
                batch.record(quarantine(rule->id, QStringLiteral("advanced to broken date during catchup")));
                break;
            }
            if (rule->nextDueDate > horizon || rule->nextDueDate == previous)
                break;
            previous = rule->nextDueDate;
            const PostResult result = postOccurrence(*rule);
            if (!batch.record(result) || result != PostResult::Posted)
                break;
            ++posts;
        }
        total += posts;
        if (posts >= CatchUpCap && batch.isActive())
            batch.record(quarantine(listed.id, QStringLiteral("hit catchup cap in single tick")));
    }
    return batch.finish(total);
}

bool RecurringService::quarantine(const QString &ruleId, const QString &reason)
{
    auto rule = m_recurring->findById(ruleId);
    if (!rule)
        return true;
    qWarning() << "Quarantining recurring" << rule->id << rule->payee << "— auto-deactivating. Reason:" << reason
               << "nextDueDate=" << rule->nextDueDate;
    rule->isActive = false;
    markEdited(*rule);
    return m_recurring->update(*rule);
}

QList<RecurringTransaction> RecurringService::listAll() const
{
    return m_recurring->listAll();
}

QList<RecurringTransaction> RecurringService::dueRules() const
{
    return m_recurring->listDue(today());
}

int RecurringService::pendingCount() const
{
    return int(dueRules().size());
}

void RecurringService::notifyPendingCount()
{
    if (m_batchDepth > 0) {
        m_pendingCountDirty = true;
        return;
    }
    Q_EMIT pendingCountChanged(pendingCount());
}

QString RecurringService::postFailedMessage(const QString &failureReason)
{
    return tr("The recurring transactions could not be entered: %1. None of them were entered.").arg(failureReason);
}
