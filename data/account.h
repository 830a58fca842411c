#pragma once

#include "data/syncstatus.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

enum class AccountType { Checking = 0, Savings = 1, CreditCard = 2, Cash = 3, Investment = 4, Loan = 5, Other = 6 };

enum class Currency { USD = 0, EUR = 1, GBP = 2, CAD = 3, AUD = 4, JPY = 5 };

QString accountTypeToString(AccountType type);
AccountType accountTypeFromString(const QString &text);
// The type's name as lists show it, in the user's language; what is stored
// stays accountTypeToString's key.
QString accountTypeDisplayName(AccountType type);
QString currencyToString(Currency currency);
Currency currencyFromString(const QString &text);

// Credit cards and loans hold amounts owed.
bool isLiabilityType(AccountType type);

struct Account
{
    QString id;
    QString name;
    AccountType accountType = AccountType::Checking;
    Currency currency = Currency::USD;
    QString institution;
    QString accountNumberLast4;
    qint64 startingBalance = 0;
    int sortOrder = 0;
    bool isShared = false;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};
