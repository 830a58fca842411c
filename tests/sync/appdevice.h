#pragma once

#include "app/appstate.h"
#include "data/account.h"
#include "data/transaction.h"

#include <QDate>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <optional>

// One device running the program itself: its own data folder and the whole
// application state, whose sync engine talks to the given sync service.
// The device is never signed in (the fake service takes requests without a
// token), so nothing syncs on its own: a sync runs when the test asks.
// Start-up and every completed sync run the program's own follow-up work.
class AppDevice
{
public:
    explicit AppDevice(const QString &syncUrl);
    ~AppDevice();

    // Opens the data folder as a program start does.
    bool start();
    // Ends the program and starts it again on the same data folder.
    bool restart();
    AppState *app() const { return m_state.get(); }

    // Runs one sync and waits for its end; false when it failed or hung.
    bool sync(int timeoutMs = 180000);

    // As the account form saves a new account with its opening balance.
    QString addAccount(const QString &name, qint64 openingBalance, const QDate &openingDate);
    // As the register saves a new row; a "[Transfer] Name" payee makes a
    // transfer. Returns the id of the row entered in the account.
    QString addTransaction(const QString &accountId, const QDate &date, const QString &payee, qint64 amount);
    // As an edit made from the stored row: the change, then one write.
    bool editTransaction(const QString &id, const std::function<void(Transaction &)> &change);

    std::optional<Transaction> transaction(const QString &id) const;
    std::optional<Transaction> openingBalance(const QString &accountId) const;
    int liveTransactionCount(const QString &accountId) const;
    int pendingCount() const;
    // Runs raw SQL on the device's database.
    bool exec(const QString &sql) const;

private:
    QString m_syncUrl;
    QTemporaryDir m_dir;
    std::unique_ptr<AppState> m_state;
};
