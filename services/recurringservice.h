#pragma once

#include "data/recurringtransaction.h"
#include "data/transaction.h"
#include "data/userwrite.h"

#include <QDate>
#include <QObject>

#include <functional>
#include <optional>

class AccountRepository;
class Database;
class RecurringRepository;
class TransactionRepository;

// Turns recurring rules into register transactions. Each occurrence gets a
// deterministic id, so posting the same occurrence twice can never create a
// second transaction.
class RecurringService : public QObject
{
    Q_OBJECT

public:
    // The database gives confirm its SQL transaction and the catch-up runs
    // their bulk-write scope.
    RecurringService(RecurringRepository *recurring, TransactionRepository *transactions,
                     AccountRepository *accounts, Database *database, QObject *parent = nullptr);

    // Today's local date; tests replace it with a fixed day.
    using Clock = std::function<QDate()>;
    void setClock(Clock clock);
    QDate today() const;

    // Work on the stored rule, whatever the caller holds: for automatic
    // posting and the bulk commands, which act on what is stored.
    bool confirm(const RecurringTransaction &rule);
    bool confirm(const QString &ruleId);
    bool skip(const RecurringTransaction &rule);
    bool skip(const QString &ruleId);

    // The user's commands on a rule a window showed: each writes only while
    // the stored rule is still that copy and its accounts are live, so a
    // posting made while a question or form was open is never repeated or
    // undone.
    WriteResult confirmShown(const RecurringTransaction &shown);
    WriteResult skipShown(const RecurringTransaction &shown);
    WriteResult updateShown(RecurringTransaction edited, const RecurringTransaction &shown);
    WriteResult deleteShown(const RecurringTransaction &shown);
    // A new rule goes only into live accounts.
    WriteResult insertRule(const RecurringTransaction &rule);
    // Bulk posts: each is one bulk write, kept whole or not at all. They
    // return how many occurrences were posted; 0 when a write failed, and
    // failureReason() then says why.
    int confirmAllDue();
    int postDueThrough(const QDate &through);
    int processAutoPost();
    // Empty unless the last bulk post failed.
    QString failureReason() const { return m_failureReason; }
    static QString postFailedMessage(const QString &failureReason);
    QList<RecurringTransaction> listAll() const;
    int pendingCount() const;

    // Invalid when the next date lies beyond the last storable day.
    static QDate nextOccurrence(const QDate &date, RecurringFrequency frequency, int intervalCount, int day1,
                                int day2);
    static QString occurrenceId(const RecurringTransaction &rule, const QDate &date, const QString &suffix);
    Transaction buildTransaction(const RecurringTransaction &rule) const;

    static bool isBrokenDate(const QDate &date);
    static QDate lastStorableDate();

    static constexpr int CatchUpCap = 365;
    static constexpr int MaxLeadDays = 60;

Q_SIGNALS:
    void pendingCountChanged(int count);

private:
    // Refused: the rule's own state forbids the post (deleted, broken date,
    // past its end, a transfer between currencies); a repair of that state
    // may have been written. Failed: a write failed.
    enum class PostResult { Posted, Refused, Failed, AccountNotLive };

    PostResult postOccurrence(const RecurringTransaction &rule);
    bool sameCurrency(const QString &accountId, const QString &otherAccountId) const;
    bool occurrenceExists(const Transaction &source, const std::optional<Transaction> &mirror) const;
    // Refused (or Failed, when setting it aside failed) for a rule past its
    // end; nothing for one that may post.
    std::optional<PostResult> refuseEndedRule(const RecurringTransaction &rule);
    QList<RecurringTransaction> dueRules() const;
    void advance(RecurringTransaction &rule) const;
    // False when the rule could not be set aside.
    bool quarantine(const QString &ruleId, const QString &reason);
    void notifyPendingCount();

    // Holds back the due-count signal until the outermost hold ends.
    class CountHold;
    // Runs of many confirms announce the due count once, at their end.
    class BatchScope;

    RecurringRepository *m_recurring;
    TransactionRepository *m_transactions;
    AccountRepository *m_accounts;
    Database *m_database;
    Clock m_clock;
    int m_batchDepth = 0;
    bool m_pendingCountDirty = false;
    QString m_failureReason;
};
