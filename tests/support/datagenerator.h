#pragma once

#include "data/account.h"
#include "data/category.h"
#include "data/transaction.h"

#include <QList>
#include <QStringList>

#include <random>

// Deterministic test and benchmark data: the same seed always gives the
// same accounts, categories and transactions (realistic payees, memos and
// dates spread over the years asked for).
class DataGenerator
{
public:
    explicit DataGenerator(quint32 seed = 20261210);

    QList<Account> accounts(int count);
    // A small two-level tree: parents first, then their children.
    QList<Category> categories();
    // Transactions of one account, dates spread from `firstDate` over `years`,
    // in random order; about one in ten has no category.
    QList<Transaction> transactions(const QString &accountId, int count, const QList<Category> &categories,
                                    const QDate &firstDate = QDate(2006, 1, 1), int years = 20);

    static const QStringList &payees();
    static const QStringList &memoWords();

private:
    int uniform(int low, int high);
    QString uuid();

    std::mt19937 m_random;
    quint64 m_counter = 0;
};
