#pragma once

#include "data/transaction.h"
#include "data/userwrite.h"

#include <QFrame>
#include <QString>

#include <optional>

class AppState;
class QLabel;

// The notice over a credit card or loan register whose opening balance is
// recorded as a credit: "Yes, I owe this" turns its sign, "No, it is a
// credit" keeps it and is remembered for the account.
class OpeningBalanceBanner : public QFrame
{
    Q_OBJECT

public:
    explicit OpeningBalanceBanner(AppState *app, QWidget *parent = nullptr);

    // Shown while the account's opening balance is such a credit and the
    // notice was not dismissed for it.
    void showFor(const QString &accountId);

Q_SIGNALS:
    // After "Yes, I owe this". A write refused because the opening balance
    // or the account changed since it was shown has been told to the user;
    // Failed is left to the receiver.
    void signCorrected(WriteResult result);

private:
    void correctSign();
    void dismiss();

    AppState *m_app;
    QString m_accountId;
    // The opening balance the text shows: the correction turns its sign
    // only while it is stored as shown.
    std::optional<Transaction> m_shown;
    QLabel *m_label = nullptr;
};
