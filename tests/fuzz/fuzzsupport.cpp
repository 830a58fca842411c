#include "fuzz/fuzzsupport.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/transactionrepository.h"
#include "services/reportservice.h"
#include "support/datagenerator.h"
#include "support/storechecks.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

void setUpTestEnvironment(QTemporaryDir &dir);

namespace {

struct Environment
{
    QTemporaryDir dir;
    std::unique_ptr<QCoreApplication> application;
    std::unique_ptr<Database> database;

    Environment()
    {
        setUpTestEnvironment(dir);
        static int argc = 1;
        static char name[] = "tallyra_fuzz";
        static char *argv[] = {name, nullptr};
        application = std::make_unique<QCoreApplication>(argc, argv);
        database = std::make_unique<Database>();
        FuzzSupport::require(database->open(dir.filePath(QStringLiteral("fuzz.db"))) && database->migrate(),
                             "the fuzz database opens");
        addRegister();
    }

    // Two accounts in different currencies with a few dozen transactions, so
    // inputs that update, delete or refer to rows meet real ones.
    void addRegister()
    {
        DataGenerator generator(7);
        AccountRepository accounts(database.get());
        TransactionRepository transactions(database.get());
        CategoryRepository categories(database.get());
        QList<Category> tree = generator.categories();
        for (const Category &category : tree)
            FuzzSupport::require(categories.insert(category), "a category is stored");
        QList<Account> list = generator.accounts(2);
        list[0].id = QStringLiteral("acct-usd");
        list[1].id = QStringLiteral("acct-jpy");
        list[1].currency = Currency::JPY;
        for (const Account &account : list) {
            FuzzSupport::require(accounts.insert(account), "an account is stored");
            for (const Transaction &transaction : generator.transactions(account.id, 20, tree))
                FuzzSupport::require(transactions.insert(transaction), "a transaction is stored");
        }
    }
};

Environment &environment()
{
    static Environment instance;
    return instance;
}

} // namespace

namespace FuzzSupport {

Database *database()
{
    return environment().database.get();
}

QString scratchDirectory()
{
    return environment().dir.path();
}

void require(bool condition, const char *what)
{
    if (condition)
        return;
    std::fprintf(stderr, "fuzz property failed: %s\n", what);
    std::abort();
}

void readEverything(Database *database)
{
    AccountRepository accounts(database);
    TransactionRepository transactions(database);
    for (const Account &account : accounts.listAll()) {
        transactions.listRegister(account.id);
        for (int mode = 0; mode < 3; ++mode)
            transactions.balance(account.id, mode);
    }
    ReportService reports(database);
    const QDate from(1995, 1, 1);
    const QDate to(2035, 12, 31);
    reports.accountSummary();
    reports.cashFlowByMonth(from, to, QString());
    reports.spendingByCategory(from, to, QString());
    reports.incomeVsExpenses(from, to, QString());
    reports.payeeSummary(from, to, QString());
    reports.taxReport(from, to);
    reports.transactionList(from, to, QString(), QString());
    reports.yearOverYear(from, QDate(2014, 12, 31), QDate(2015, 1, 1), to, QString());
    reports.categoryTotals(from, to, QString());

    const QStringList problems = storeProblems(database);
    for (const QString &problem : problems)
        std::fprintf(stderr, "%s\n", qPrintable(problem));
    require(problems.isEmpty(), "the database passes its consistency checks");
}

int takeChoice(QByteArray &input, int choices)
{
    if (input.isEmpty())
        return 0;
    const int choice = static_cast<unsigned char>(input.at(0)) % choices;
    input.remove(0, 1);
    return choice;
}

} // namespace FuzzSupport

ScratchChange::ScratchChange(Database *database)
    : m_database(database)
{
    QSqlQuery query(*m_database->db());
    FuzzSupport::require(query.exec(QStringLiteral("SAVEPOINT fuzz_scratch")), "the scratch savepoint opens");
}

ScratchChange::~ScratchChange()
{
    QSqlQuery query(*m_database->db());
    FuzzSupport::require(query.exec(QStringLiteral("ROLLBACK TO fuzz_scratch"))
                             && query.exec(QStringLiteral("RELEASE fuzz_scratch")),
                         "the scratch savepoint rolls back");
}
