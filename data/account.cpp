#include "data/account.h"

#include <QCoreApplication>

QString syncStatusToString(SyncStatus status)
{
    switch (status) {
    case SyncStatus::Synced:
        return QStringLiteral("synced");
    case SyncStatus::Conflict:
        return QStringLiteral("conflict");
    case SyncStatus::Pending:
        break;
    }
    return QStringLiteral("pending");
}

SyncStatus syncStatusFromString(const QString &text)
{
    if (text == QLatin1String("synced"))
        return SyncStatus::Synced;
    if (text == QLatin1String("conflict"))
        return SyncStatus::Conflict;
    return SyncStatus::Pending;
}

QString accountTypeToString(AccountType type)
{
    switch (type) {
    case AccountType::Checking:
        return QStringLiteral("checking");
    case AccountType::Savings:
        return QStringLiteral("savings");
    case AccountType::CreditCard:
        return QStringLiteral("credit_card");
    case AccountType::Cash:
        return QStringLiteral("cash");
    case AccountType::Investment:
        return QStringLiteral("investment");
    case AccountType::Loan:
        return QStringLiteral("loan");
    case AccountType::Other:
        break;
    }
    return QStringLiteral("other");
}

QString accountTypeDisplayName(AccountType type)
{
    switch (type) {
    case AccountType::Checking:
        return QCoreApplication::translate("AccountType", "Checking");
    case AccountType::Savings:
        return QCoreApplication::translate("AccountType", "Savings");
    case AccountType::CreditCard:
        return QCoreApplication::translate("AccountType", "Credit Card");
    case AccountType::Cash:
        return QCoreApplication::translate("AccountType", "Cash");
    case AccountType::Investment:
        return QCoreApplication::translate("AccountType", "Investment");
    case AccountType::Loan:
        return QCoreApplication::translate("AccountType", "Loan");
    case AccountType::Other:
        break;
    }
    return QCoreApplication::translate("AccountType", "Other");
}

AccountType accountTypeFromString(const QString &text)
{
    if (text == QLatin1String("checking"))
        return AccountType::Checking;
    if (text == QLatin1String("savings"))
        return AccountType::Savings;
    if (text == QLatin1String("credit_card"))
        return AccountType::CreditCard;
    if (text == QLatin1String("cash"))
        return AccountType::Cash;
    if (text == QLatin1String("investment"))
        return AccountType::Investment;
    if (text == QLatin1String("loan"))
        return AccountType::Loan;
    return AccountType::Other;
}

QString currencyToString(Currency currency)
{
    switch (currency) {
    case Currency::USD:
        break;
    case Currency::EUR:
        return QStringLiteral("EUR");
    case Currency::GBP:
        return QStringLiteral("GBP");
    case Currency::CAD:
        return QStringLiteral("CAD");
    case Currency::AUD:
        return QStringLiteral("AUD");
    case Currency::JPY:
        return QStringLiteral("JPY");
    }
    return QStringLiteral("USD");
}

Currency currencyFromString(const QString &text)
{
    if (text == QLatin1String("EUR"))
        return Currency::EUR;
    if (text == QLatin1String("GBP"))
        return Currency::GBP;
    if (text == QLatin1String("CAD"))
        return Currency::CAD;
    if (text == QLatin1String("AUD"))
        return Currency::AUD;
    if (text == QLatin1String("JPY"))
        return Currency::JPY;
    return Currency::USD;
}

bool isLiabilityType(AccountType type)
{
    return type == AccountType::CreditCard || type == AccountType::Loan;
}
