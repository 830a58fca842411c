#pragma once

#include "data/transaction.h"

#include <QDate>
#include <QString>

#include <optional>

// Which transactions one account's register lists; kept per account as a
// compact JSON object in the preferences.
struct RegisterFilter
{
    std::optional<bool> cleared; // only cleared, or only uncleared
    QDate dateFrom;
    QDate dateTo;
    QString categoryId;

    // 0 to 3: the status, the date range and the category.
    int activeCount() const;
    bool matches(const Transaction &transaction) const;

    QString toJson() const;
    // Keys of the wrong type are ignored; text that is no JSON object gives
    // the empty filter.
    static RegisterFilter fromJson(const QString &text);
    static QString preferenceKey(const QString &accountId);
};
