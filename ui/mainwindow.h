#pragma once

#include "account/accountscreen.h"
#include "sync/syncengine.h"

#include <QList>
#include <QMainWindow>
#include <QDate>
#include <QSet>
#include <QHash>
#include <QMessageBox>
#include <QPointer>
#include <QString>

class AppState;
class CategoriesScreen;
class ImportScreen;
class PayeeScreen;
class ReconciliationHistoryScreen;
class RecurringScreen;
class ReportsScreen;
class SearchScreen;
class SettingsScreen;
class QAction;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QShortcut;
class QSplitter;
class QStackedWidget;
class QTimer;
class RegisterScreen;
class StatusBar;
class WelcomeScreen;
struct FeedbackConfig;

// The one top-level window: the account panel on the left, the welcome,
// register and empty-state pages on the right, menus above, status below.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(AppState *state, QWidget *parent = nullptr);
    ~MainWindow() override;

    // 0 all live transactions, 1 cleared only, 2 dated up to today.
    int balanceMode() const;

    RegisterScreen *registerScreen() const { return m_registerPage; }
    WelcomeScreen *welcomeScreen() const { return m_welcomePage; }
    QWidget *emptyStatePage() const { return m_emptyStatePage; }
    QStackedWidget *pageStack() const { return m_pageStack; }
    QListWidget *accountList() const { return m_accountList; }
    QLabel *totalsFooter() const { return m_totalsFooter; }
    QSplitter *splitter() const { return m_splitter; }
    StatusBar *appStatusBar() const { return m_statusBar; }

public Q_SLOTS:
    void onAccountClicked(QListWidgetItem *item);
    // Rebuilds the list once control returns to the event loop, so a burst
    // of change signals costs one rebuild.
    void onAccountsChanged();
    void selectAccount(const QString &accountId);
    void showNewAccountDialog();
    void showEditAccountDialog();
    void showReportsWindow();
    void showRecurringWindow();
    void showSearchWindow();
    void showCategoriesWindow();
    void showSettingsWindow();
    void showReconciliationWindow();
    void showReconciliationHistoryWindow();
    void showImportWindow();
    void showPayeesWindow();
    void showShareAccountDialog();
    void onAccountContextMenu(const QPoint &point);
    void deleteAccount(const QString &accountId);
    void deleteCurrentAccount();
    void showLumoraAccountScreen(LumoAccount::AccountScreen::Tab tab);
    void showLumoraAccountScreen();

    void showAbout();
    void showWhatsNew();
    void checkForUpdates();
    void sendFeedback();
    void showKeyboardShortcuts();
    void loadSampleData();
    void clearSampleData();
    void autoPostRecurring();
    void updateRecurringDue();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void reportAccountSaveFailure();
    void setupMenuBar();
    QWidget *buildEmptyStatePage();
    void setupAccountList();
    QString accountListStyleSheet() const;
    void applyFooterStyle();
    void rebuildAccountList();
    void rebuildAccountShortcuts();
    // The account's row becomes the current one (no row when none matches).
    void markCurrentRow(const QString &accountId);
    void restoreAccountSelection();
    void saveAccountOrder();
    void fitAccountItemsToViewport();
    void onPreferenceChanged(const QString &key);
    void onTransactionsChanged(const QString &accountId);
    void reloadRegister();
    void connectRegisterReloads();
    void runPendingRefresh();
    void showPageWithoutAccount();
    void leaveCurrentAccount();
    void showStatusMessage(const QString &text, int milliseconds);

    void connectAuthAndSyncSignals();
    void updateAuthUI();
    void onLoginSucceeded();
    void onLoginFailed(const QString &error);
    void onSyncStateChanged(SyncEngine::SyncState state);
    void onSyncCompleted();
    void onSyncFailed(const QString &error);
    void onSyncDataChanged();
    bool isSignedIn() const;
    bool askYesNo(QMessageBox::Icon icon, const QString &title, const QString &text);
    void openLumoraAccount();
    static void presentWindow(QWidget *window, const QString &title, const QSize &size, QWidget *parent);

    AppState *m_state;
    QListWidget *m_accountList = nullptr;
    QSplitter *m_splitter = nullptr;
    QLabel *m_totalsFooter = nullptr;
    QList<QShortcut *> m_accountShortcuts;
    WelcomeScreen *m_welcomePage = nullptr;
    RegisterScreen *m_registerPage = nullptr;
    QWidget *m_emptyStatePage = nullptr;
    QStackedWidget *m_pageStack = nullptr;
    QAction *m_signOutAction = nullptr;
    QAction *m_accountAction = nullptr;
    StatusBar *m_statusBar = nullptr;

    // The tool windows, each made on first use and kept for the window's
    // lifetime as its child.
    QPointer<ReportsScreen> m_reportsWindow;
    QPointer<RecurringScreen> m_recurringWindow;
    QPointer<SearchScreen> m_searchWindow;
    QPointer<SettingsScreen> m_settingsWindow;
    QPointer<CategoriesScreen> m_categoriesWindow;
    QPointer<ImportScreen> m_importWindow;
    QPointer<PayeeScreen> m_payeesWindow;
    QPointer<ReconciliationHistoryScreen> m_historyWindow;
    QPointer<LumoAccount::AccountScreen> m_accountWindow;

    QTimer *m_refreshTimer = nullptr;
    QTimer *m_autoPostTimer = nullptr;
    bool m_listDirty = false;
    // The account list's balances as last read: a change to one account
    // re-reads that one, not every account's history.
    QHash<QString, std::optional<qint64>> m_balances;
    QSet<QString> m_staleBalances;
    bool m_allBalancesStale = true;
    int m_balancesMode = -1;
    QDate m_balancesDay;
    bool m_registerDirty = false;
    bool m_resetClearedReload = false;
};

// Opens the feedback page in the system browser, tagged with the app id; a
// browser that cannot be opened is reported with the address.
void openFeedbackPage(const FeedbackConfig &config, QWidget *parent);
