#pragma once

#include <QDate>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

class BulkWriteTransaction;
class Database;

// Loads and removes a fixed demonstration data set. Every sample row has an
// id beginning with "sample-". Writes SQL directly, so no repository signal
// is sent; the caller refreshes its views.
class SampleDataService : public QObject
{
    Q_OBJECT

public:
    explicit SampleDataService(Database *database, QObject *parent = nullptr);

    bool hasSampleData() const;
    // One bulk write: false, and nothing written, when any row of the set
    // could not be written; `failureReason` then says why, for the user.
    bool loadSampleData(QString *failureReason = nullptr);
    // The message after a load that failed for the given reason.
    static QString loadFailedMessage(const QString &failureReason);
    // Removes the sample rows in one bulk write; false (and nothing removed)
    // on any failure, with `failureReason` saying why. Rows the user entered
    // stay whole: a sample account that holds or is named by such rows stays
    // with them (its name goes to keptAccountNames), and so do the sample
    // transfer leg and rule such a row is linked to.
    bool clearSampleData(QStringList *keptAccountNames = nullptr, QString *failureReason = nullptr);
    // The message after a clear that failed for the given reason.
    static QString clearFailedMessage(const QString &failureReason);
    // The status text after a clear that kept the given accounts.
    static QString clearedMessage(const QStringList &keptAccountNames);

    static QString makeId(const QString &kind);

private:
    // Each writes one row through the bulk write, which stops at the first
    // that fails.
    bool insertAccount(BulkWriteTransaction &bulk, const QString &id, const QString &name, const QString &typeText, const QString &institution,
                       const QString &last4, qint64 startingBalance, int sortOrder);
    bool insertTransaction(BulkWriteTransaction &bulk, const QString &accountId, int dayOffset, const QString &payee, const QString &memo,
                           qint64 amount, const QString &categoryId, const QString &checkNumber,
                           const QString &status, const QString &transferLink, const QString &transferDestAccountId,
                           bool isSplit, const QString &explicitId = QString());
    bool insertRecurring(BulkWriteTransaction &bulk, const QString &accountId, const QString &payee, const QString &memo, qint64 amount,
                         const QString &categoryId, const QString &frequencyText, int daysUntilDue);
    QString categoryId(const QString &name, const QString &child = QString()) const;
    void buildCategoryPaths();

    Database *m_database;
    QHash<QString, QString> m_categoryPaths;
    QString m_timestamp;
    QDate m_today;
};
