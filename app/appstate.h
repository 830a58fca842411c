#pragma once

#include <QObject>
#include <QString>

class Database;
class AccountRepository;
class TransactionRepository;
class CategoryRepository;
class PreferencesRepository;
class SplitLineRepository;
class RecurringRepository;
class ReconciliationRepository;
class ThemeManager;

// Builds and owns every long-lived service; screens reach data through it.
class AppState : public QObject
{
    Q_OBJECT

public:
    explicit AppState(QObject *parent = nullptr);
    ~AppState() override;

    bool initialize();

    Database *database() const { return m_database; }
    AccountRepository *accountRepository() const { return m_accountRepository; }
    TransactionRepository *transactionRepository() const { return m_transactionRepository; }
    CategoryRepository *categoryRepository() const { return m_categoryRepository; }
    PreferencesRepository *preferencesRepository() const { return m_preferencesRepository; }
    SplitLineRepository *splitLineRepository() const { return m_splitLineRepository; }
    RecurringRepository *recurringRepository() const { return m_recurringRepository; }
    ReconciliationRepository *reconciliationRepository() const { return m_reconciliationRepository; }
    ThemeManager *themeManager() const { return m_themeManager; }

    QString currentAccountId() const { return m_currentAccountId; }
    void setCurrentAccountId(const QString &id);

Q_SIGNALS:
    void currentAccountChanged(const QString &accountId);
    void databaseReady();

private:
    void runStartupWiring();

    Database *m_database = nullptr;
    AccountRepository *m_accountRepository = nullptr;
    TransactionRepository *m_transactionRepository = nullptr;
    CategoryRepository *m_categoryRepository = nullptr;
    PreferencesRepository *m_preferencesRepository = nullptr;
    SplitLineRepository *m_splitLineRepository = nullptr;
    RecurringRepository *m_recurringRepository = nullptr;
    ReconciliationRepository *m_reconciliationRepository = nullptr;
    ThemeManager *m_themeManager = nullptr;
    QString m_currentAccountId;
};
