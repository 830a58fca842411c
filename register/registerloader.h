#pragma once

#include "data/transaction.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <optional>

class AppState;
class RegisterModel;
class RegisterReader;

// Fills the register's model from a RegisterReader without the window ever
// waiting for a read: a large account shows its newest rows at once and
// the rest when they arrive. Changes the register writes meanwhile are put
// in place at once when they touch only rows already listed, and otherwise
// kept until the rest arrives.
class RegisterLoader : public QObject
{
    Q_OBJECT

public:
    RegisterLoader(AppState *app, RegisterModel *model, QObject *parent = nullptr);

    RegisterReader *reader() const { return m_reader; }
    // Lists the account's rows, replacing any read in progress. With
    // `newestFirst` (the model listing every row, sorted by date) a large
    // account's newest rows come at once and the rest later.
    void load(const QString &accountId, bool newestFirst);
    // No rows, nothing read.
    void clear();
    // True while the rows before the newest ones are still being read.
    bool isReading() const;
    // Shows rows the register has just written: `before` as they were
    // shown, `ids` the transactions written (other accounts' are left
    // out). False when what was written cannot be read back.
    bool showLocalChange(const QList<Transaction> &before, const QStringList &ids);

Q_SIGNALS:
    // Every row is listed now, and the changes kept for them are in place.
    void rowsCompleted();
    // The rows being read could not be read: only a reload shows them.
    void reloadNeeded();

private:
    struct Change
    {
        QList<Transaction> before;
        QStringList ids;
    };
    // This account's rows of the transactions, as stored now.
    std::optional<QList<RegisterRow>> storedRows(const QStringList &ids) const;
    void takeEarlierRows(const QList<RegisterRow> &rows);

    AppState *m_app;
    RegisterModel *m_model;
    RegisterReader *m_reader;
    QString m_accountId;
    QList<Change> m_kept;
};
