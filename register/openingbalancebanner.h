#pragma once

#include <QFrame>
#include <QString>

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
    // After "Yes, I owe this"; false when the change could not be stored.
    void signCorrected(bool stored);

private:
    void dismiss();

    AppState *m_app;
    QString m_accountId;
    QLabel *m_label = nullptr;
};
