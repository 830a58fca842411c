#include "app/appstate.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "ui/thememanager.h"

#include <QDebug>

AppState::AppState(QObject *parent)
    : QObject(parent)
{
}

AppState::~AppState() = default;

bool AppState::initialize()
{
    m_database = new Database(this);
    const QString path = databasePath();
    qInfo() << "Opening database at:" << path;
    if (!m_database->open(path))
        return false;
    if (!m_database->migrate())
        return false;

    m_accountRepository = new AccountRepository(m_database, this);
    m_transactionRepository = new TransactionRepository(m_database, this);
    m_categoryRepository = new CategoryRepository(m_database, this);
    m_preferencesRepository = new PreferencesRepository(m_database, this);
    m_splitLineRepository = new SplitLineRepository(m_database, this);
    m_recurringRepository = new RecurringRepository(m_database, this);
    m_reconciliationRepository = new ReconciliationRepository(m_database, this);
    m_themeManager = new ThemeManager(m_preferencesRepository, this);

    runStartupWiring();

    Q_EMIT databaseReady();
    return true;
}

void AppState::runStartupWiring()
{
    // The last viewed account comes back without a change signal.
    if (const auto last = m_preferencesRepository->get(QStringLiteral("lastViewedAccountId")))
        m_currentAccountId = *last;
}

void AppState::setCurrentAccountId(const QString &id)
{
    if (id == m_currentAccountId)
        return;
    m_currentAccountId = id;
    m_preferencesRepository->set(QStringLiteral("lastViewedAccountId"), id);
    Q_EMIT currentAccountChanged(id);
}
