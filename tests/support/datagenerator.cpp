#include "support/datagenerator.h"

#include <QUuid>

namespace {
const QDateTime kBaseTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
}

DataGenerator::DataGenerator(quint32 seed)
    : m_random(seed)
{
}

int DataGenerator::uniform(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(m_random);
}

QString DataGenerator::uuid()
{
    // Deterministic, UUID-shaped ids.
    const quint64 n = ++m_counter;
    const quint32 r = quint32(m_random());
    return QStringLiteral("%1-%2-4%3-8%4-%5")
        .arg(r, 8, 16, QLatin1Char('0'))
        .arg(quint32(n >> 32) & 0xffff, 4, 16, QLatin1Char('0'))
        .arg(quint32(n >> 16) & 0xfff, 3, 16, QLatin1Char('0'))
        .arg(quint32(n) & 0xfff, 3, 16, QLatin1Char('0'))
        .arg(n, 12, 16, QLatin1Char('0'));
}

const QStringList &DataGenerator::payees()
{
    static const QStringList list = {
        QStringLiteral("Corner Shop"),        QStringLiteral("Green Valley Grocery"), QStringLiteral("City Power & Light"),
        QStringLiteral("Harbor Coffee"),      QStringLiteral("Northside Pharmacy"),   QStringLiteral("Metro Transit"),
        QStringLiteral("Blue Lake Insurance"), QStringLiteral("Sunrise Bakery"),       QStringLiteral("Summit Fuel"),
        QStringLiteral("Oak Street Rent"),    QStringLiteral("Riverside Dental"),     QStringLiteral("Maple Hardware"),
        QStringLiteral("Payroll Deposit"),    QStringLiteral("Pine Books"),           QStringLiteral("Cinema Twelve"),
        QStringLiteral("Water Utility"),      QStringLiteral("Phone Company"),        QStringLiteral("Internet Service"),
        QStringLiteral("Gym Membership"),     QStringLiteral("Farmers Market"),       QStringLiteral("Pet Supplies"),
        QStringLiteral("Garden Center"),      QStringLiteral("Auto Repair Shop"),     QStringLiteral("Dry Cleaners"),
        QStringLiteral("Pizza Place"),        QStringLiteral("Sushi Bar"),            QStringLiteral("Music Store"),
        QStringLiteral("School Fees"),        QStringLiteral("Charity Donation"),     QStringLiteral("Interest Income"),
    };
    return list;
}

const QStringList &DataGenerator::memoWords()
{
    static const QStringList list = {
        QStringLiteral("weekly"),  QStringLiteral("groceries"), QStringLiteral("refund"),   QStringLiteral("gift"),
        QStringLiteral("monthly"), QStringLiteral("bill"),      QStringLiteral("coffee"),   QStringLiteral("lunch"),
        QStringLiteral("repair"),  QStringLiteral("supplies"),  QStringLiteral("birthday"), QStringLiteral("travel"),
        QStringLiteral("office"),  QStringLiteral("school"),    QStringLiteral("fuel"),     QStringLiteral("rent"),
    };
    return list;
}

QList<Account> DataGenerator::accounts(int count)
{
    static const char *names[] = {"Checking", "Savings", "Visa", "Cash", "Brokerage", "Car Loan", "Travel Fund"};
    QList<Account> result;
    for (int i = 0; i < count; ++i) {
        Account a;
        a.id = uuid();
        a.name = QString::fromLatin1(names[i % 7]) + (i >= 7 ? QStringLiteral(" %1").arg(i / 7 + 1) : QString());
        a.accountType = AccountType(i % 7);
        a.sortOrder = i;
        a.createdAt = kBaseTime;
        a.updatedAt = kBaseTime;
        result.append(a);
    }
    return result;
}

QList<Category> DataGenerator::categories()
{
    static const char *tree[][5] = {
        {"Food", "Groceries", "Dining Out", "Coffee", nullptr},
        {"Home", "Rent", "Utilities", "Repairs", nullptr},
        {"Transport", "Fuel", "Transit", "Parking", nullptr},
        {"Health", "Pharmacy", "Dental", nullptr, nullptr},
        {"Leisure", "Books", "Music", "Cinema", nullptr},
        {"Salary", nullptr, nullptr, nullptr, nullptr},
    };
    QList<Category> parents;
    QList<Category> children;
    for (const auto &branch : tree) {
        Category parent;
        parent.id = uuid();
        parent.name = QString::fromLatin1(branch[0]);
        parent.type = parent.name == QLatin1String("Salary") ? CategoryType::Income : CategoryType::Expense;
        parent.createdAt = kBaseTime;
        parent.updatedAt = kBaseTime;
        parents.append(parent);
        for (int i = 1; i < 5 && branch[i]; ++i) {
            Category child = parent;
            child.id = uuid();
            child.name = QString::fromLatin1(branch[i]);
            child.parentId = parent.id;
            children.append(child);
        }
    }
    return parents + children;
}

QList<Transaction> DataGenerator::transactions(const QString &accountId, int count, const QList<Category> &categories,
                                               const QDate &firstDate, int years)
{
    const int days = int(firstDate.daysTo(firstDate.addYears(years))) - 1;
    const QStringList &payeeList = payees();
    const QStringList &words = memoWords();
    QList<Transaction> result;
    result.reserve(count);
    for (int i = 0; i < count; ++i) {
        Transaction t;
        t.id = uuid();
        t.accountId = accountId;
        t.date = firstDate.addDays(uniform(0, days));
        const int payee = uniform(0, int(payeeList.size()) - 1);
        t.payee = payeeList.at(payee);
        if (uniform(0, 2) == 0)
            t.memo = words.at(uniform(0, int(words.size()) - 1)) + QLatin1Char(' ')
                     + words.at(uniform(0, int(words.size()) - 1));
        const bool income = t.payee == QLatin1String("Payroll Deposit") || t.payee == QLatin1String("Interest Income");
        t.amount = income ? uniform(10000, 500000) : -uniform(100, 50000);
        if (!categories.isEmpty() && uniform(0, 9) != 0)
            t.categoryId = categories.at(uniform(0, int(categories.size()) - 1)).id;
        if (uniform(0, 19) == 0)
            t.checkNumber = QString::number(1000 + i);
        t.cleared = uniform(0, 1) == 1;
        t.createdAt = kBaseTime.addSecs(i);
        t.updatedAt = t.createdAt;
        result.append(t);
    }
    return result;
}
